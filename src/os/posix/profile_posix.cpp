// Profile strings on platforms without the Windows profile functions: the
// same reading and in-place editing rules, on files in the Windows code
// page or, behind the UTF-16 mark, in Unicode (os/ini_encoding.h).
#include <optional>
#include <string>

#include "os/ini_encoding.h"
#include "os/ini_text.h"
#include "os/os.h"
#include "os/posix/file_bytes.h"
#include "os/profile_rules.h"
#include "os/unicode.h"

namespace os {
namespace {

// The value of key in section of the file's text, as UTF-8 of at most
// `units` characters (bytes of the code page, UTF-16 code units of a
// Unicode file).
std::optional<std::string> FindValue(const ini::FileText& file, const std::string& section,
                                     const std::string& key, std::size_t units) {
    if (file.encoding == ini::FileEncoding::CodePage) {
        auto value = ini::Find(file.text, Utf8ToAnsi(section), Utf8ToAnsi(key));
        if (!value) return std::nullopt;
        if (value->size() > units) value->resize(units);
        return AnsiToUtf8(*value);
    }
    const auto value = ini::Find(file.text, section, key, ini::Encoding::Utf8);
    if (!value) return std::nullopt;
    return unicode::ValidUtf8(unicode::FirstUtf16Units(*value, units));
}

}  // namespace

std::string ReadProfileString(const std::string& path, const std::string& section,
                              const std::string& key, const std::string& defaultValue,
                              std::size_t room) {
    if (room == 0) return "";
    if (profile::IsReadable(path, section, key)) {
        if (const auto bytes = posix::ReadFileBytes(path)) {
            if (auto value = FindValue(ini::DecodeFile(*bytes), section, key, room - 1))
                return *value;
        }
    }
    // Like the Windows functions, drop trailing spaces of the default.
    const std::size_t end = defaultValue.find_last_not_of(' ');
    return unicode::FirstUtf16Units(
        defaultValue.substr(0, end == std::string::npos ? 0 : end + 1), room - 1);
}

bool WriteProfileString(const std::string& path, const std::string& section,
                        const std::string& key, const std::string& value) {
    if (!profile::IsWritable(path, section, key, value)) return false;
    const auto bytes = posix::ReadFileBytes(path);
    if (!bytes) return false;
    ini::FileText file = ini::DecodeFile(*bytes);
    if (file.encoding == ini::FileEncoding::CodePage) {
        file.text = ini::Assign(file.text, Utf8ToAnsi(section), Utf8ToAnsi(key), Utf8ToAnsi(value));
    } else {
        file.text = ini::Assign(file.text, section, key, unicode::ValidUtf8(value),
                                ini::Encoding::Utf8);
    }
    return posix::WriteFileBytes(path, ini::EncodeFile(file));
}

bool FitsCodePage(const std::string& text) { return AnsiToUtf8(Utf8ToAnsi(text)) == text; }

bool MakeProfileUnicode(const std::string& path) {
    if (path.empty()) return false;
    const auto bytes = posix::ReadFileBytes(path);
    if (!bytes) return false;
    ini::FileText file = ini::DecodeFile(*bytes);
    if (file.encoding == ini::FileEncoding::Utf16Le) return true;
    file.encoding = ini::FileEncoding::Utf16Le;
    file.text = AnsiToUtf8(file.text);
    return posix::WriteFileBytes(path, ini::EncodeFile(file));
}

}  // namespace os
