#include "forms/common_controls.h"

#include <algorithm>
#include <stdexcept>

namespace forms {

// ---- Toolbar -------------------------------------------------------------------

Toolbar::Toolbar(Form& parent) : Control(parent, ControlKind::Toolbar) {
    tabStop_ = false;
    RealiseIfLoaded();
}

void Toolbar::AddButton(const std::string& key, const std::string& toolTipText, int image) {
    buttons_.push_back({key, toolTipText, image});
}

void Toolbar::RaiseButtonClick(int index) {
    if (!Reachable() || index < 1 || index > static_cast<int>(buttons_.size())) return;
    // A copy: the handler may do anything, even rebuild the buttons.
    const ToolbarButton button = buttons_[static_cast<std::size_t>(index - 1)];
    if (ButtonClick) ButtonClick(button);
}

// ---- StatusBar ------------------------------------------------------------------

StatusBar::StatusBar(Form& parent) : Control(parent, ControlKind::StatusBar) {
    tabStop_ = false;
    RealiseIfLoaded();
}

// ---- TreeView --------------------------------------------------------------------

TreeView::TreeView(Form& parent) : Control(parent, ControlKind::TreeView) {
    backColor_ = 0xFFFFFF;
    RealiseIfLoaded();
}

const TreeNode& TreeView::Node(int index) const {
    if (index < 1 || index > NodeCount()) throw std::out_of_range("tree node index");
    return nodes_[static_cast<std::size_t>(index - 1)];
}

TreeNode& TreeView::At(int index) { return const_cast<TreeNode&>(Node(index)); }

int TreeView::Find(const std::string& key) const {
    for (int index = 1; index <= NodeCount(); ++index)
        if (nodes_[static_cast<std::size_t>(index - 1)].key == key) return index;
    return 0;
}

void TreeView::ClearNodes() {
    nodes_.clear();
    selected_ = 0;
    if (peer_) peer_->UpdateItem(ItemChange::Cleared, 0);
}

int TreeView::AddNode(int parent, const std::string& key, const std::string& text, int image,
                      int selectedImage) {
    if (parent != 0) Node(parent);  // throws for a missing parent
    if (!key.empty() && Find(key) != 0) throw std::invalid_argument("tree node key not unique");
    TreeNode node;
    node.key = key;
    node.text = text;
    node.image = image;
    node.selectedImage = selectedImage;
    node.parent = parent;
    nodes_.push_back(std::move(node));
    if (peer_) peer_->UpdateItem(ItemChange::Added, NodeCount());
    return NodeCount();
}

void TreeView::SetNodeText(int index, const std::string& text) {
    TreeNode& node = At(index);
    if (node.text == text) return;
    node.text = text;
    if (peer_) peer_->UpdateItem(ItemChange::Text, index);
}

void TreeView::SetExpanded(int index, bool expanded) {
    TreeNode& node = At(index);
    if (node.expanded == expanded) return;
    node.expanded = expanded;
    if (peer_) peer_->UpdateItem(ItemChange::Expanded, index);
}

void TreeView::SelectNode(int index) {
    if (index != 0) Node(index);
    if (index == selected_) return;
    selected_ = index;
    if (peer_) peer_->UpdateItem(ItemChange::Selected, index);
}

void TreeView::UpdateSelectionFromUser(int index) {
    if (index >= 0 && index <= NodeCount()) selected_ = index;
}

void TreeView::UpdateExpandedFromUser(int index, bool expanded) {
    if (index >= 1 && index <= NodeCount()) At(index).expanded = expanded;
}

void TreeView::RaiseClick() {
    if (Reachable()) Control::RaiseClick();
}

// ---- TabStrip --------------------------------------------------------------------

TabStrip::TabStrip(Form& parent) : Control(parent, ControlKind::TabStrip) { RealiseIfLoaded(); }

void TabStrip::AddTab(const std::string& caption) {
    tabs_.push_back(caption);
    if (peer_) peer_->UpdateItem(ItemChange::Added, TabCount());
}

const std::string& TabStrip::Tab(int index) const {
    if (index < 1 || index > TabCount()) throw std::out_of_range("tab index");
    return tabs_[static_cast<std::size_t>(index - 1)];
}

void TabStrip::SelectTab(int index) {
    Tab(index);
    if (index == selected_) return;
    selected_ = index;
    if (peer_) peer_->UpdateItem(ItemChange::Selected, index);
    if (Click) Click();
}

void TabStrip::RaiseTabChosenByUser(int index) {
    if (!Reachable() || index < 1 || index > TabCount() || index == selected_) return;
    selected_ = index;
    if (Click) Click();
}

// ---- ProgressBar --------------------------------------------------------------------

ProgressBar::ProgressBar(Form& parent) : Control(parent, ControlKind::ProgressBar) {
    tabStop_ = false;
    RealiseIfLoaded();
}

void ProgressBar::SetRange(int min, int max) {
    min_ = min;
    max_ = max < min ? min : max;
    value_ = std::clamp(value_, min_, max_);
    Notify(Property::Value);
}

void ProgressBar::SetValue(int value) {
    value = std::clamp(value, min_, max_);
    if (value == value_) return;
    value_ = value;
    Notify(Property::Value);
}

}  // namespace forms
