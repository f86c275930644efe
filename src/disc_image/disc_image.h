// The CD image of a folder: the whole folder becomes the disc's root, in an
// ISO 9660 tree of 8.3 names (interchange level 1) that every reader
// understands, and a Joliet tree of the names as the files are called,
// which Windows shows. First the plan (names, labels, size, which folders
// only Joliet readers see), then the image itself, streamed file by file.
// Every string is UTF-8; messages are German and name the file concerned.
// No function throws.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace disc_image {

struct Layout;

// What the image of a folder will be, worked out before a byte is written.
struct Plan {
    std::string folder;
    std::string isoLabel;     // volume identifier of the ISO 9660 tree
    std::string jolietLabel;  // volume identifier of the Joliet tree, which Windows shows
    std::uint64_t imageBytes = 0;
    // Folders below the eight levels of plain ISO 9660, relative to the
    // folder with '/' between the names: they and everything in them are
    // in the Joliet tree only.
    std::vector<std::string> jolietOnlyFolders;
    std::shared_ptr<const Layout> layout;
};

struct Planned {
    std::optional<Plan> plan;
    std::string error;  // when there is no plan
    std::string path;   // the file or folder the error is about
};

// Reads the folder and lays out its image, with volume identifiers from
// volumeName (the project's name). Fails, naming the path, on a name the
// Joliet tree cannot hold as it is, a file of 4 GiB or more, a folder or
// file that cannot be read, or anything in the folder that is neither.
Planned PlanImage(const std::string& folder, const std::string& volumeName);

// The folders of the folder that plain ISO 9660 cannot hold (as in
// Plan::jolietOnlyFolders), whatever else the folder holds; empty when it
// cannot be read.
std::vector<std::string> JolietOnlyFolders(const std::string& folder);

struct WriteOptions {
    // An existing file at the image's path is replaced only when true.
    bool replace = false;
    // Called now and then with the bytes written so far and the bytes of
    // the whole image (at 0 and at the end too); returning false cancels.
    std::function<bool(std::uint64_t written, std::uint64_t total)> progress;
};

enum class Outcome { Written, Cancelled, Failed };

struct Written {
    Outcome outcome = Outcome::Failed;
    std::string error;  // when Failed
};

// Writes the image of the plan to imagePath: into a temporary file beside
// it, renamed to imagePath when complete. A failure (a file that vanished,
// changed or cannot be read, a full disk) or a cancel removes the temporary
// file and leaves no image; a file already at imagePath is then as it was.
Written WriteImage(const Plan& plan, const std::string& imagePath, const WriteOptions& options = {});

}  // namespace disc_image
