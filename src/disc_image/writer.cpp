// Writing the image of a plan: the metadata, then every file read once and
// copied in chunks, into a temporary file that takes the image's name only
// when it is complete.
#include <cerrno>
#include <fstream>
#include <system_error>
#include <vector>

#include "disc_image/layout.h"
#include "disc_image/records.h"
#include "os/os.h"

namespace disc_image {
namespace {
namespace fs = std::filesystem;

constexpr std::size_t ChunkBytes = std::size_t{1} << 20;
// The progress callback hears of every so many bytes.
constexpr std::uint64_t ProgressStep = std::uint64_t{1} << 20;

Written Failure(std::string message) { return {Outcome::Failed, std::move(message)}; }

// A free name beside the target: "NAME.tmp", else "NAME.1.tmp", ...
fs::path TemporaryBeside(const fs::path& target) {
    for (unsigned number = 0;; ++number) {
        fs::path candidate = target;
        candidate += number == 0 ? std::string(".tmp") : "." + std::to_string(number) + ".tmp";
        std::error_code error;
        if (!fs::exists(fs::symlink_status(candidate, error))) return candidate;
    }
}

// The temporary file, removed unless it became the image.
class Temporary {
public:
    explicit Temporary(fs::path path) : path_(std::move(path)) {}
    Temporary(const Temporary&) = delete;
    Temporary& operator=(const Temporary&) = delete;
    ~Temporary() {
        if (!kept_) {
            std::error_code ignored;
            fs::remove(path_, ignored);
        }
    }
    const fs::path& Path() const { return path_; }
    void Keep() { kept_ = true; }

private:
    fs::path path_;
    bool kept_ = false;
};

class ImageStream {
public:
    ImageStream(const fs::path& path, const std::string& shownPath, std::uint64_t total,
                const WriteOptions& options)
        : out_(path, std::ios::binary | std::ios::trunc),
          shownPath_(shownPath),
          total_(total),
          options_(options) {}

    bool Opened() const { return static_cast<bool>(out_); }

    // Each returns false once the writing is to stop; Result() says why.
    bool Put(const char* bytes, std::size_t length) {
        errno = 0;
        out_.write(bytes, static_cast<std::streamsize>(length));
        if (!out_) return WriteFailed();
        written_ += length;
        return Report(false);
    }
    bool PadToSector() {
        static const std::vector<char> zeros(SectorBytes, '\0');
        const std::size_t rest = static_cast<std::size_t>(written_ % SectorBytes);
        return rest == 0 || Put(zeros.data(), SectorBytes - rest);
    }
    bool Report(bool always) {
        if (!options_.progress || (!always && written_ - reported_ < ProgressStep && written_ != total_))
            return true;
        reported_ = written_;
        if (options_.progress(written_, total_)) return true;
        result_ = {Outcome::Cancelled, ""};
        return false;
    }
    bool Close() {
        errno = 0;
        out_.close();
        return out_ ? true : WriteFailed();
    }
    bool Stop(Written result) {
        result_ = std::move(result);
        return false;
    }
    const Written& Result() const { return result_; }

private:
    bool WriteFailed() {
        const bool full = errno == ENOSPC;
        return Stop(Failure("Das CD-Abbild '" + shownPath_ + "' konnte nicht geschrieben werden." +
                            (full ? " Der Datenträger ist voll." : "")));
    }

    std::ofstream out_;
    std::string shownPath_;
    std::uint64_t total_;
    const WriteOptions& options_;
    std::uint64_t written_ = 0;
    std::uint64_t reported_ = 0;
    Written result_{Outcome::Written, ""};
};

// Copies the file's bytes as the plan knows them; a file that is gone,
// shorter, longer or newer than when the plan was made stops the image.
bool CopyFile(ImageStream& image, const Entry& file, std::vector<char>& buffer) {
    const std::string shown = Utf8(file.source);
    const auto unreadable = [&] {
        return image.Stop(Failure("Die Datei '" + shown + "' konnte nicht gelesen werden."));
    };
    const auto changed = [&] {
        return image.Stop(
            Failure("Die Datei '" + shown + "' hat sich geändert, während das CD-Abbild entstand."));
    };
    std::ifstream in(file.source, std::ios::binary);
    if (!in) return unreadable();
    for (std::uint64_t left = file.size; left > 0;) {
        const std::size_t chunk = static_cast<std::size_t>(std::min<std::uint64_t>(left, buffer.size()));
        in.read(buffer.data(), static_cast<std::streamsize>(chunk));
        if (static_cast<std::size_t>(in.gcount()) != chunk) return in.bad() ? unreadable() : changed();
        if (!image.Put(buffer.data(), chunk)) return false;
        left -= chunk;
    }
    if (in.peek() != std::ifstream::traits_type::eof()) return changed();
    if (in.bad()) return unreadable();
    std::error_code error;
    const auto time = fs::last_write_time(file.source, error);
    if (error) return unreadable();
    if (Seconds(time) != file.time) return changed();
    return image.PadToSector();
}

bool WriteAll(ImageStream& image, const Layout& layout) {
    if (!image.Report(true)) return false;
    const std::string metadata = Metadata(layout);
    if (!image.Put(metadata.data(), metadata.size())) return false;
    std::vector<char> buffer(ChunkBytes);
    for (const std::size_t at : layout.files)
        if (!CopyFile(image, layout.entries[at], buffer)) return false;
    return image.Close() && image.Report(true);
}

}  // namespace

Written WriteImage(const Plan& plan, const std::string& imagePath, const WriteOptions& options) {
    if (!plan.layout) return Failure("Für das CD-Abbild '" + imagePath + "' fehlt der Plan.");
    const fs::path target = FromUtf8(imagePath);
    std::error_code error;
    const fs::file_status existing = fs::status(target, error);
    if (fs::is_directory(existing)) return Failure("'" + imagePath + "' ist ein Ordner.");
    if (fs::exists(existing) && !options.replace)
        return Failure("Die Datei '" + imagePath + "' gibt es schon.");

    Temporary temporary(TemporaryBeside(target));
    ImageStream image(temporary.Path(), imagePath, plan.imageBytes, options);
    if (!image.Opened())
        return Failure("Das CD-Abbild '" + imagePath + "' konnte nicht angelegt werden.");
    if (!WriteAll(image, *plan.layout)) return image.Result();
    // The target may have come while the image was written.
    if (!options.replace && fs::exists(fs::symlink_status(target, error)))
        return Failure("Die Datei '" + imagePath + "' gibt es schon.");
    if (!os::MoveFileOver(Utf8(temporary.Path()), imagePath))
        return Failure("Die Datei '" + imagePath + "' konnte nicht durch das CD-Abbild ersetzt werden.");
    temporary.Keep();
    return image.Result();
}

}  // namespace disc_image
