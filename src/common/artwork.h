// Pictures built into the programs, drawn for this project (art/ holds them
// and the script that makes them).
#pragma once

#include <cstddef>

namespace art {

struct Blob {
    const unsigned char* data;
    std::size_t size;
};

extern const Blob DefaultEntryPicture;  // 16 x 16 compact disc on grey C0C0C0 (bmp)
extern const Blob WaitIcon;             // 32 x 32 icon of the wait window (ico)
extern const Blob AboutPicture;         // 99 x 227 decorative picture of the About box (gif)

}  // namespace art
