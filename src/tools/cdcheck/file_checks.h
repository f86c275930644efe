// Checks of the files beside each other in the root: the menu program and
// the encoding of its project file as Windows' profile functions take it.
#pragma once

#include <string>

#include "tools/cdcheck/disc.h"
#include "tools/cdcheck/report.h"

namespace cdcheck {

// kelvo.exe must lie in the root beside kelvo.ini.
void CheckProgram(const Disc& disc, Report& report);

// The bytes of kelvo.ini. Windows reads a file without the UTF-16 mark as
// Windows-1252 text: a UTF-8 mark (BOM) becomes part of the first line, so
// a section header there is lost; and the umlauts of UTF-8 text come out
// as two or three other characters each.
void CheckEncoding(const std::string& bytes, Report& report);

}  // namespace cdcheck
