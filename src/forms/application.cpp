#include "forms/application.h"

#include <algorithm>

namespace forms {

void Application::FormLoaded(Form* form) {
    if (std::find(loaded_.begin(), loaded_.end(), form) == loaded_.end()) loaded_.push_back(form);
}

void Application::FormUnloaded(Form* form) {
    loaded_.erase(std::remove(loaded_.begin(), loaded_.end(), form), loaded_.end());
}

}  // namespace forms
