#include "forms/win32/combo_box.h"

namespace forms::win32::native {

std::wstring ComboBox::Text(int index) const {
    const int length = TextLength(index);
    if (length < 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetText(index, text.data());
    text.resize(static_cast<std::size_t>(copied < 0 ? 0 : copied));
    return text;
}

}  // namespace forms::win32::native
