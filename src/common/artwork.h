// Pictures built into the programs, drawn for this project (art/ holds them
// and the script that makes them).
#pragma once

#include "forms/types.h"

namespace art {

using Blob = forms::MemoryFile;

// Icons hold their 150 % and 200 % sizes after the 100 % one; the other
// pictures have their larger drawings beside them (NAME150, NAME200).
extern const Blob DefaultEntryPicture;  // 16 x 16 compact disc on grey C0C0C0 (bmp)
extern const Blob DefaultEntryPicture150;
extern const Blob DefaultEntryPicture200;
extern const Blob WaitIcon;             // 32 x 32 icon of the wait window (ico)
extern const Blob AboutPicture;         // 99 x 227 decorative picture of the About box (gif)
extern const Blob AboutPicture150;
extern const Blob AboutPicture200;

}  // namespace art
