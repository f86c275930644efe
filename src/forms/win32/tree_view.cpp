#include "forms/win32/tree_view.h"

#include <cstring>

namespace forms::win32::native {

LPARAM TreeView::Param(HTREEITEM item) const {
    TVITEMW data{};
    data.mask = TVIF_HANDLE | TVIF_PARAM;
    data.hItem = item;
    return GetItem(data) ? data.lParam : 0;
}

RECT TreeView::ItemInRect(HTREEITEM item) {
    RECT rect{};
    static_assert(sizeof item <= sizeof rect);
    std::memcpy(&rect, &item, sizeof item);
    return rect;
}

std::optional<RECT> TreeView::ItemRect(HTREEITEM item, bool textOnly) const {
    RECT rect = ItemInRect(item);
    if (!GetItemRect(&rect, textOnly)) return std::nullopt;
    return rect;
}

}  // namespace forms::win32::native
