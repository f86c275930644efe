// A fresh empty folder for a test, removed with everything in it at the
// end, and the raw bytes of files. Paths cross as UTF-8 strings, the way
// the programs' services take them.
#pragma once

#include <filesystem>
#include <string>

namespace test_support {

std::string Utf8(const std::filesystem::path& path);
std::filesystem::path FromUtf8(const std::string& path);

// The whole content of a file; empty when it cannot be read.
std::string ReadBytes(const std::filesystem::path& path);
std::string ReadBytes(const std::string& path);
// Replaces the file's content (creating it).
void WriteBytes(const std::filesystem::path& path, const std::string& bytes);
void WriteBytes(const std::string& path, const std::string& bytes);

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // The UTF-8 path of name inside the folder.
    std::string operator/(const std::string& name) const;
    // Writes bytes into name (folders on the way made) and gives its path.
    std::string WriteFile(const std::string& name, const std::string& bytes) const;
    std::string ReadFile(const std::string& name) const;

private:
    std::filesystem::path path_;
};

}  // namespace test_support
