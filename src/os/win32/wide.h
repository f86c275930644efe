// UTF-8 <-> UTF-16 for the W functions of the Win32 API.
#pragma once

#include <string>

namespace os::win32 {

// Malformed UTF-8 becomes U+FFFD.
std::wstring Widen(const std::string& text);
std::string Narrow(const wchar_t* text, std::size_t length);
inline std::string Narrow(const std::wstring& text) { return Narrow(text.data(), text.size()); }

// nullptr for an empty text: the Win32 functions' "none".
inline const wchar_t* OrNull(const std::wstring& text) {
    return text.empty() ? nullptr : text.c_str();
}

}  // namespace os::win32
