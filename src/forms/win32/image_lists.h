// Image lists of the common controls (toolbar, tree view), made from the
// model's ImageList.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "forms/common_controls.h"
#include "forms/win32/text.h"

namespace forms::win32 {

// A new image list with a copy of every picture of images, in order, each
// centred in a cell of the list's image size: 32-bit images with a mask,
// in which clear parts of the pictures stay clear and partly clear pixels
// are mixed with background, the colour the control shows behind them.
// The caller destroys it with ImageList_Destroy.
// The images' size grows with dpi from their size at 96 DPI.
HIMAGELIST MakeImageList(const ImageList& images, COLORREF background, const Dpi& dpi);

}  // namespace forms::win32
