// Folders and files for the check and the image of a disc: what a folder
// lists, the facts of an entry, and files read and written in pieces.
// Paths are UTF-8. These are the system's own calls (CreateFile and
// FindFirstFile on Windows, open and readdir elsewhere): the C++ library's
// file system and streams would bring its whole locale machinery into the
// programs, several times the size of the rest.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace os {

// The name inside the folder with the system's separator between them
// ('\' on Windows, '/' elsewhere), also when the folder ends in one.
std::string ChildPath(const std::string& folder, const std::string& name);

enum class EntryKind { Missing, File, Folder, Other };

struct EntryFacts {
    EntryKind kind = EntryKind::Missing;
    std::uint64_t size = 0;  // of a file
    std::int64_t time = 0;   // last written, in seconds since 1970 (UTC)
    // The entry itself is a link (symbolic link, junction); the other facts
    // are those of what it leads to.
    bool link = false;
    // Alike for two paths of one file or folder (its volume and number);
    // empty when the system does not say.
    std::string identity;
};

// The facts of the entry at path, links followed; kind Missing when there
// is nothing there, nothing when it cannot be asked (no access, a broken
// link, a name the system refuses).
std::optional<EntryFacts> FactsOf(const std::string& path);

// The names in the folder, without "." and "..", in no set order; nothing
// when it cannot be listed.
std::optional<std::vector<std::string>> ListFolder(const std::string& path);

// A file read from its start.
class InputFile {
public:
    explicit InputFile(const std::string& path);
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    bool IsOpen() const { return handle_ != Closed; }
    // Up to length bytes; 0 at the end; nothing on a read error.
    std::optional<std::size_t> Read(char* bytes, std::size_t length);

private:
    static constexpr std::intptr_t Closed = -1;
    std::intptr_t handle_ = Closed;
};

// A file created anew (an existing one is emptied), written from its start.
class OutputFile {
public:
    explicit OutputFile(const std::string& path);
    ~OutputFile();  // closes it, if Close was not called
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    bool IsOpen() const { return handle_ != Closed; }
    bool Write(const char* bytes, std::size_t length);
    // Writes what is pending and closes the file; false when that failed.
    bool Close();
    // The last failure was for want of room on the disk.
    bool DiskFull() const { return diskFull_; }

private:
    static constexpr std::intptr_t Closed = -1;
    std::intptr_t handle_ = Closed;
    bool diskFull_ = false;
};

// The whole content of a file; nothing when it is no file or cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path);

}  // namespace os
