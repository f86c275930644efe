// How the Windows profile functions tell the encoding of an INI file, for
// the platforms that have no such functions. A file that begins with the
// UTF-16 little-endian mark (FF FE) is Unicode text: it is read as such
// and stays UTF-16 when it is written. Any other file is bytes of the
// Windows code page; a UTF-8 mark (EF BB BF) is not recognised and stays
// part of the first line.
#pragma once

#include <string>
#include <string_view>

namespace os::ini {

enum class FileEncoding { CodePage, Utf16Le };

// A file's content as the INI rules of ini_text.h work on it.
struct FileText {
    FileEncoding encoding = FileEncoding::CodePage;
    // CodePage: the file's bytes. Utf16Le: the text after the mark as
    // UTF-8, a lone surrogate in its three-byte form, so that every code
    // unit survives a write.
    std::string text;
    // Utf16Le: an odd last byte, which no code unit holds.
    std::string oddByte;
};

FileText DecodeFile(std::string_view bytes);

// The bytes of the file again: for Utf16Le the mark, the text in UTF-16
// little-endian and the odd byte; DecodeFile(EncodeFile(t)) gives t back.
std::string EncodeFile(const FileText& file);

}  // namespace os::ini
