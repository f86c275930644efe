// The common controls: image lists, toolbar, status bar, tree view and tab
// strip. Lists inside them (buttons, nodes, tabs) count from 1, like the
// collections programs know them by.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "forms/control.h"

namespace forms {

// Pictures of one size for toolbars and trees, addressed by position
// (from 1). Not a window: the controls that show it make their own copy
// when their form is loaded, so the images are added at design time.
class ImageList {
public:
    ImageList(int widthPixels, int heightPixels)
        : widthPixels_(widthPixels), heightPixels_(heightPixels) {}
    int ImageWidth() const { return widthPixels_; }
    int ImageHeight() const { return heightPixels_; }
    void Add(const Picture& picture) { images_.push_back(picture); }
    int Count() const { return static_cast<int>(images_.size()); }
    const std::vector<Picture>& Images() const { return images_; }

private:
    int widthPixels_;
    int heightPixels_;
    std::vector<Picture> images_;
};

struct ToolbarButton {
    std::string key;
    std::string toolTipText;
    int image = 0;  // position in the image list, 0 for none
};

// A row of picture buttons with tooltips. ButtonClick tells which button
// was pressed.
class Toolbar : public Control {
public:
    explicit Toolbar(Form& parent);
    const ImageList* Images() const { return images_; }
    void SetImageList(const ImageList& images) { images_ = &images; }
    // Buttons are added at design time, from left to right.
    void AddButton(const std::string& key, const std::string& toolTipText, int image);
    const std::vector<ToolbarButton>& Buttons() const { return buttons_; }

    std::function<void(const ToolbarButton& button)> ButtonClick;
    // Called by backends: the button at position index (from 1) was pressed.
    void RaiseButtonClick(int index);

protected:
    std::unique_ptr<Peer> MakeOwnPeer(Backend& backend) override { return MakePeer(backend, *this); }

private:
    const ImageList* images_ = nullptr;
    std::vector<ToolbarButton> buttons_;
};

// A status line with one text, its Caption.
class StatusBar : public Control {
public:
    explicit StatusBar(Form& parent);

protected:
    std::unique_ptr<Peer> MakeOwnPeer(Backend& backend) override { return MakePeer(backend, *this); }
};

struct TreeNode {
    std::string key;
    std::string text;
    int image = 0;          // position in the image list, 0 for none
    int selectedImage = 0;  // shown while selected; 0: the same as image
    int parent = 0;         // index of the parent node, 0 at the top
    bool expanded = false;
};

// A tree of nodes with keys, captions and pictures. Nodes are addressed by
// index (from 1, in the order they were added) or by key. Click fires when
// the user clicks the tree (after the click selected a node), KeyPress
// for every character typed while it has the focus.
class TreeView : public Control {
public:
    explicit TreeView(Form& parent);
    const ImageList* Images() const { return images_; }
    void SetImageList(const ImageList& images) { images_ = &images; }
    // With false a list without the lines and buttons of a tree (nodes at
    // the top only). Set at design time.
    bool ShowLines() const { return showLines_; }
    void SetShowLines(bool show) { showLines_ = show; }

    int NodeCount() const { return static_cast<int>(nodes_.size()); }
    // Throws std::out_of_range for an index without a node.
    const TreeNode& Node(int index) const;
    // The index of the node with key, 0 when there is none.
    int Find(const std::string& key) const;

    void ClearNodes();
    // Adds a node under parent (0: at the top) and returns its index.
    // Throws std::invalid_argument when key is not unique, std::out_of_range
    // for a parent that does not exist.
    int AddNode(int parent, const std::string& key, const std::string& text, int image,
                int selectedImage = 0);
    void SetNodeText(int index, const std::string& text);
    void SetExpanded(int index, bool expanded);

    // The selected node, 0 for none.
    int SelectedIndex() const { return selected_; }
    void SelectNode(int index);

    // Called by backends: the user selected node index (no event; Click or
    // KeyPress follow as the user's input goes on).
    void UpdateSelectionFromUser(int index);
    void UpdateExpandedFromUser(int index, bool expanded);
    // The user clicked the tree: fires Click while the user can reach it.
    void RaiseClick() override;

protected:
    std::unique_ptr<Peer> MakeOwnPeer(Backend& backend) override { return MakePeer(backend, *this); }

private:
    TreeNode& At(int index);
    const ImageList* images_ = nullptr;
    bool showLines_ = true;
    std::vector<TreeNode> nodes_;
    int selected_ = 0;
};

// A row of tabs. Click fires when the user chooses another tab.
class TabStrip : public Control {
public:
    explicit TabStrip(Form& parent);
    void AddTab(const std::string& caption);
    int TabCount() const { return static_cast<int>(tabs_.size()); }
    const std::string& Tab(int index) const;
    // The selected tab, from 1.
    int SelectedIndex() const { return selected_; }
    void SelectTab(int index);
    void RaiseTabChosenByUser(int index);

protected:
    std::unique_ptr<Peer> MakeOwnPeer(Backend& backend) override { return MakePeer(backend, *this); }

private:
    std::vector<std::string> tabs_;
    int selected_ = 1;
};

// A bar that fills from the left as a task goes on: Value from Min to Max.
class ProgressBar : public Control {
public:
    explicit ProgressBar(Form& parent);
    int Min() const { return min_; }
    int Max() const { return max_; }
    int Value() const { return value_; }
    // The range; Value is kept within it.
    void SetRange(int min, int max);
    // Value, kept within Min..Max.
    void SetValue(int value);

protected:
    std::unique_ptr<Peer> MakeOwnPeer(Backend& backend) override { return MakePeer(backend, *this); }

private:
    int min_ = 0;
    int max_ = 100;
    int value_ = 0;
};

}  // namespace forms
