// The backend of the platform the program is built for: win32 on Windows,
// headless elsewhere. Programs create it in main and hand it to their
// Application.
#pragma once

#include <memory>

#include "forms/backend.h"

namespace forms {

std::unique_ptr<Backend> MakePlatformBackend();

}  // namespace forms
