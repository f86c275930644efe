// Writing the image of a plan: the metadata, then every file read once and
// copied in chunks, into a temporary file that takes the image's name only
// when it is complete.
#include <algorithm>
#include <vector>

#include "disc_image/layout.h"
#include "disc_image/records.h"
#include "os/file_system.h"
#include "os/os.h"

namespace disc_image {
namespace {

constexpr std::size_t ChunkBytes = std::size_t{1} << 20;
// The progress callback hears of every so many bytes.
constexpr std::uint64_t ProgressStep = std::uint64_t{1} << 20;

Written Failure(std::string message) { return {Outcome::Failed, std::move(message)}; }

// A free name beside the target: "NAME.tmp", else "NAME.1.tmp", ...
std::string TemporaryBeside(const std::string& target) {
    for (unsigned number = 0;; ++number) {
        const std::string candidate =
            target + (number == 0 ? std::string(".tmp") : "." + std::to_string(number) + ".tmp");
        if (!os::FileExists(candidate)) return candidate;
    }
}

// The temporary file, removed unless it became the image.
class Temporary {
public:
    explicit Temporary(std::string path) : path_(std::move(path)) {}
    Temporary(const Temporary&) = delete;
    Temporary& operator=(const Temporary&) = delete;
    ~Temporary() {
        if (!kept_) os::DeleteFileAt(path_);
    }
    const std::string& Path() const { return path_; }
    void Keep() { kept_ = true; }

private:
    std::string path_;
    bool kept_ = false;
};

class ImageStream {
public:
    ImageStream(const std::string& path, const std::string& shownPath, std::uint64_t total,
                const WriteOptions& options)
        : out_(path),
          shownPath_(shownPath),
          total_(total),
          options_(options) {}

    bool Opened() const { return out_.IsOpen(); }

    // Each returns false once the writing is to stop; Result() says why.
    bool Put(const char* bytes, std::size_t length) {
        if (!out_.Write(bytes, length)) return WriteFailed();
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
        return out_.Close() || WriteFailed();
    }
    bool Stop(Written result) {
        result_ = std::move(result);
        return false;
    }
    const Written& Result() const { return result_; }

private:
    bool WriteFailed() {
        const bool full = out_.DiskFull();
        return Stop(Failure("Das CD-Abbild '" + shownPath_ + "' konnte nicht geschrieben werden." +
                            (full ? " Der Datenträger ist voll." : "")));
    }

    os::OutputFile out_;
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
    const std::string& shown = file.source;
    const auto unreadable = [&] {
        return image.Stop(Failure("Die Datei '" + shown + "' konnte nicht gelesen werden."));
    };
    const auto changed = [&] {
        return image.Stop(
            Failure("Die Datei '" + shown + "' hat sich geändert, während das CD-Abbild entstand."));
    };
    os::InputFile in(file.source);
    if (!in.IsOpen()) return unreadable();
    for (std::uint64_t left = file.size; left > 0;) {
        const std::size_t chunk = static_cast<std::size_t>(std::min<std::uint64_t>(left, buffer.size()));
        const std::optional<std::size_t> read = in.Read(buffer.data(), chunk);
        if (!read) return unreadable();
        if (*read != chunk) return changed();
        if (!image.Put(buffer.data(), chunk)) return false;
        left -= chunk;
    }
    char beyond = 0;
    const std::optional<std::size_t> more = in.Read(&beyond, 1);
    if (!more) return unreadable();
    if (*more != 0) return changed();
    const std::optional<os::EntryFacts> now = os::FactsOf(file.source);
    if (!now) return unreadable();
    if (now->kind != os::EntryKind::File || now->time != file.time) return changed();
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
    const std::optional<os::EntryFacts> existing = os::FactsOf(imagePath);
    if (existing && existing->kind == os::EntryKind::Folder)
        return Failure("'" + imagePath + "' ist ein Ordner.");
    if (!options.replace && os::FileExists(imagePath))
        return Failure("Die Datei '" + imagePath + "' gibt es schon.");

    Temporary temporary(TemporaryBeside(imagePath));
    ImageStream image(temporary.Path(), imagePath, plan.imageBytes, options);
    if (!image.Opened())
        return Failure("Das CD-Abbild '" + imagePath + "' konnte nicht angelegt werden.");
    if (!WriteAll(image, *plan.layout)) return image.Result();
    // The target may have come while the image was written.
    if (!options.replace && os::FileExists(imagePath))
        return Failure("Die Datei '" + imagePath + "' gibt es schon.");
    if (!os::MoveFileOver(temporary.Path(), imagePath))
        return Failure("Die Datei '" + imagePath + "' konnte nicht durch das CD-Abbild ersetzt werden.");
    temporary.Keep();
    return image.Result();
}

}  // namespace disc_image
