// Checks of the values that the menu program cuts or ignores, made with
// the menu program's own reader and conversions (menu/project_settings.h).
#pragma once

#include <string>

#include "common/project_file.h"
#include "menu/project_settings.h"
#include "tools/cdcheck/report.h"
#include "tools/cdcheck/stored_project.h"

namespace cdcheck {

// A text longer than the room the menu program reads of key, counted as
// the reader counts.
void CheckLength(const StoredKey& stored, const common::project::Key& key,
                 const Place& where, Report& report);

// Items: a whole number from 0 to 10.
void CheckItems(const std::string& items, Report& report);

// FontSize: "0" or a size the captions take.
void CheckFontSize(const std::string& fontSize, Report& report);

// ForeColor and HighColor: whole numbers.
void CheckWholeColor(const common::project::Key& key, const std::string& colour, Report& report);

// ColorPic: a boolean word or a number.
void CheckColorPic(const std::string& colorPic, Report& report);

// BackColor, when the plain colour is chosen: a number within 32 bits
// other than 0 (which keeps the design colour).
void CheckBackColor(const std::string& backColor, Report& report);

// Sections of entries above the count that the menu program never reads
// (information): from itemCount + 1 up to the largest count Items holds.
void CheckLeftoverEntries(const StoredProject& stored, int itemCount, Report& report);

}  // namespace cdcheck
