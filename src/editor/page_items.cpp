// Page "Einträge": the tree of the entries and the edit box for the field
// chosen in it. The texts live in Project.Item only; the tree's nodes hold
// nothing but keys, captions and pictures.
#include "common/step.h"
#include "editor/frm_main.h"

namespace editor {

namespace {

// Pictures of ImageList1.
constexpr int ProjectImage = 1;
constexpr int ItemImage = 2;
constexpr int ItemOpenImage = 3;
constexpr int FieldImage = 4;

// The tree's height alone and with the edit box below it.
constexpr forms::Twips FullTreeHeight = 4215;
constexpr forms::Twips TreeAboveEditBox = 3797;

// The field nodes of an entry, in the order they are added.
struct FieldNode {
    const char* key;
    const char* caption;
    std::string ItemData::*field;
};
constexpr FieldNode FieldNodes[] = {{"txt", "Text", &ItemData::txt},
                                    {"desc", "Beschreibung", &ItemData::desc},
                                    {"cmd", "Command", &ItemData::cmd},
                                    {"ico", "Icon", &ItemData::ico}};

}  // namespace

// 51 nodes: the project, then per entry the entry and its four fields.
void frmMain::SetItems() {
    tvItems.ClearNodes();
    tvItems.AddNode(0, "root", tbName.Text(), ProjectImage);
    tvItems.SetExpanded(1, true);
    for (int i = 0; i < MaxItems; ++i) {
        const std::string number = std::to_string(i);
        const int entry = tvItems.AddNode(1, "item" + number, "Eintrag " + std::to_string(i + 1),
                                          ItemImage, ItemOpenImage);
        for (const FieldNode& node : FieldNodes) {
            tvItems.AddNode(entry, node.key + number, node.caption, FieldImage);
            Project.Item[static_cast<std::size_t>(i)].*node.field = "";
        }
    }
}

std::string* frmMain::CurrentFieldText() {
    for (const FieldNode& node : FieldNodes)
        if (CurrentField == node.key)
            return &(Project.Item.at(static_cast<std::size_t>(CurrentItem)).*node.field);
    return nullptr;
}

// The chosen node decides what the edit box shows: a field node shows its
// text (with "..." for the command and the icon), the project and the
// entries show none.
void frmMain::tvItems_Click() {
    const int selected = tvItems.SelectedIndex();
    if (selected == 0) return;
    const std::string key = tvItems.Node(selected).key;
    if (key == "root") {
        HideEditBox();
        return;
    }
    // Every key but the root's ends in the entry's one digit.
    CurrentField = key.substr(0, key.size() - 1);
    CurrentItem = static_cast<std::int16_t>(key.back() - '0');
    if (const std::string* text = CurrentFieldText()) {
        tbOpt.SetText(*text);
        cmdLoad.SetVisible(CurrentField == "cmd" || CurrentField == "ico");
        tbOpt.SetVisible(true);
        tvItems.SetHeight(TreeAboveEditBox);
    } else {
        HideEditBox();
    }
}

void frmMain::HideEditBox() {
    cmdLoad.SetVisible(false);
    tbOpt.SetVisible(false);
    tvItems.SetHeight(FullTreeHeight);
}

// After New and Open the edit box names no field: what it showed belongs
// to the project that went, and typing into it must not reach the new one.
void frmMain::CloseEditBox() {
    HideEditBox();
    CurrentField.clear();
    tbOpt.SetText("");
}

void frmMain::tvItems_KeyPress(int&) { tvItems_Click(); }

void frmMain::tbOpt_Change() {
    if (std::string* text = CurrentFieldText()) *text = tbOpt.Text();
    Changed = true;
}

// "..." picks a file for the command or the icon. The dialog keeps the
// title and file name of its last use.
void frmMain::cmdLoad_Click() {
    DLG1.Flags = forms::ofn::FileMustExist | forms::ofn::PathMustExist | forms::ofn::HideReadOnly;
    DLG1.Filter = "alle Dateien (*.*)|*.*";
    DLG1.CancelError = true;
    if (!common::RunStep([&] { DLG1.ShowOpen(); })) return;
    if (CurrentField == "ico" || CurrentField == "cmd") *CurrentFieldText() = DLG1.FileName;
    tbOpt.SetText(DLG1.FileName);
}

}  // namespace editor
