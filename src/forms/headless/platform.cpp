#include "forms/platform.h"

#include "forms/headless/headless_backend.h"

namespace forms {

std::unique_ptr<Backend> MakePlatformBackend() { return std::make_unique<headless::Backend>(); }

}  // namespace forms
