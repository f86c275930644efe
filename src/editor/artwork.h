// Pictures of the editor, drawn for this project (art/ holds them and the
// script that makes them).
#pragma once

#include "common/artwork.h"

namespace art {

extern const Blob ToolbarNew;       // 16 x 16 toolbar pictures (ico)
extern const Blob ToolbarOpen;
extern const Blob ToolbarSave;
extern const Blob ToolbarNetwork;
extern const Blob ToolbarHelp;
extern const Blob SelectGeneral;    // 24 x 24 pictures of the page selector (ico)
extern const Blob SelectColors;
extern const Blob SelectItems;
extern const Blob SelectTest;
extern const Blob TreeProject;      // 16 x 16 pictures of the entry tree (ico)
extern const Blob TreeItem;
extern const Blob TreeItemOpen;
extern const Blob TreeField;
extern const Blob OptionsDrive;     // 32 x 32 drive with a folder (ico)
extern const Blob WizardSide;       // 97 x 233 side picture of the drive wizard (bmp)
extern const Blob WizardSide150;
extern const Blob WizardSide200;
extern const Blob WizardHint;       // 32 x 32 hint sign (ico)
extern const Blob FindingFault;     // 16 x 16 signs of the disc check's findings (ico)
extern const Blob FindingHint;

}  // namespace art
