#include "support/temp_folder.h"

#include <fstream>
#include <iterator>
#include <random>

namespace test_support {

std::string Utf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::filesystem::path FromUtf8(const std::string& path) {
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::string ReadBytes(const std::string& path) { return ReadBytes(FromUtf8(path)); }

void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << bytes;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    WriteBytes(FromUtf8(path), bytes);
}

TempFolder::TempFolder() {
    std::random_device random;
    for (;;) {
        path_ = std::filesystem::temp_directory_path() /
                ("kelvo-test-" + std::to_string(random()) + std::to_string(random()));
        if (std::filesystem::create_directory(path_)) return;
    }
}

TempFolder::~TempFolder() {
    // A test may have taken away the owner's rights, or made files
    // read-only, to see a failure: they are given back first.
    const auto writable = [](const std::filesystem::path& path) {
        std::error_code ignored;
        std::filesystem::permissions(path, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
    };
    writable(path_);
    std::error_code error;
    for (auto it = std::filesystem::recursive_directory_iterator(path_, error);
         !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error))
        writable(it->path());
    std::filesystem::remove_all(path_, error);
}

std::string TempFolder::operator/(const std::string& name) const {
    return Utf8(path_ / FromUtf8(name));
}

std::string TempFolder::WriteFile(const std::string& name, const std::string& bytes) const {
    const std::string path = *this / name;
    std::error_code ignored;
    std::filesystem::create_directories(FromUtf8(path).parent_path(), ignored);
    WriteBytes(path, bytes);
    return path;
}

std::string TempFolder::ReadFile(const std::string& name) const { return ReadBytes(*this / name); }

}  // namespace test_support
