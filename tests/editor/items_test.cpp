// The project name, the number of entries and the entry tree with its edit
// box.
#include "editor_fixture.h"

namespace editor::testing {
namespace {

class Items : public EditorTest {
protected:
    void SetUp() override { Start(); }
    int NodeOf(const std::string& key) const { return main.tvItems.Find(key); }
    // Clicks the node, after opening its entry as the user does.
    void Choose(const std::string& key) {
        driver->ChooseMenu(main.mnuView[frmMain::PageItems]);
        const int node = NodeOf(key);
        main.tvItems.UpdateExpandedFromUser(main.tvItems.Node(node).parent, true);
        driver->ClickTreeNode(main.tvItems, node);
        ASSERT_EQ(main.tvItems.SelectedIndex(), node);
    }
    // Chooses the field node and types text into the edit box.
    void Type(const std::string& key, const std::string& text) {
        Choose(key);
        TypeAtEnd(main.tbOpt, text);
    }
    // Moves the count with the scroll bar's arrows, as the user does.
    void SetCount(int count) {
        driver->ChooseMenu(main.mnuView[frmMain::PageGeneral]);
        for (int step = 0; step < MaxItems && MaxItems + 1 - main.vsItems.Value() > count; ++step)
            driver->Scroll(main.vsItems, forms::ScrollBar::Scroll::LineDown);
        for (int step = 0; step < MaxItems && MaxItems + 1 - main.vsItems.Value() < count; ++step)
            driver->Scroll(main.vsItems, forms::ScrollBar::Scroll::LineUp);
        ASSERT_EQ(MaxItems + 1 - main.vsItems.Value(), count);
    }
};

TEST_F(Items, TheTreeHoldsTheProjectAndTenEntriesWithFourFieldsEach) {
    const forms::TreeView& tree = main.tvItems;
    ASSERT_EQ(tree.NodeCount(), 51);
    EXPECT_EQ(tree.Node(1).key, "root");
    EXPECT_EQ(tree.Node(1).text, "Project XY");
    EXPECT_EQ(tree.Node(1).image, 1);
    EXPECT_TRUE(tree.Node(1).expanded);
    const struct {
        const char* key;
        const char* caption;
    } fields[] = {{"txt", "Text"}, {"desc", "Beschreibung"}, {"cmd", "Command"}, {"ico", "Icon"}};
    for (int i = 0; i < 10; ++i) {
        const forms::TreeNode& entry = tree.Node(2 + 5 * i);
        EXPECT_EQ(entry.key, "item" + std::to_string(i));
        EXPECT_EQ(entry.text, "Eintrag " + std::to_string(i + 1));
        EXPECT_EQ(entry.parent, 1);
        EXPECT_EQ(entry.image, 2);
        EXPECT_EQ(entry.selectedImage, 3);
        for (int f = 0; f < 4; ++f) {
            const forms::TreeNode& field = tree.Node(3 + 5 * i + f);
            EXPECT_EQ(field.key, fields[f].key + std::to_string(i));
            EXPECT_EQ(field.text, fields[f].caption);
            EXPECT_EQ(field.parent, 2 + 5 * i);
            EXPECT_EQ(field.image, 4);
        }
    }
    EXPECT_EQ(tree.SelectedIndex(), 0);
    EXPECT_FALSE(main.tbOpt.Visible());
    EXPECT_FALSE(main.cmdLoad.Visible());
    EXPECT_EQ(tree.Height(), 4215);
}

TEST_F(Items, TheNameFollowsIntoTheRootAtEveryKeystroke) {
    main.tbName.SetFocus();
    TypeAtEnd(main.tbName, "\b");
    EXPECT_EQ(main.tvItems.Node(1).text, "Project X");
    TypeAtEnd(main.tbName, "Z");
    EXPECT_EQ(main.tvItems.Node(1).text, "Project XZ");
    EXPECT_EQ(main.Project.Name, "Project XZ");
    EXPECT_TRUE(main.Changed);
}

TEST_F(Items, TheCountIsASpinControlAndEntriesAboveItKeepTheirTexts) {
    Type("txt3", "Vierter");
    Type("desc4", "Fünfte Beschreibung");
    main.Changed = false;

    // At the top the count is 10; the arrow up cannot raise it further.
    driver->ChooseMenu(main.mnuView[frmMain::PageGeneral]);
    driver->Scroll(main.vsItems, forms::ScrollBar::Scroll::LineUp);
    EXPECT_EQ(main.lblItems.Caption(), "10");
    EXPECT_FALSE(main.Changed);

    SetCount(3);
    EXPECT_EQ(main.lblItems.Caption(), "3");
    EXPECT_EQ(main.Project.Items, 3);
    EXPECT_TRUE(main.Changed);
    std::vector<std::string> expected;
    for (int n = 1; n <= 10; ++n)
        expected.push_back("Item " + std::to_string(n) + (n > 3 ? " (not used)" : ""));
    EXPECT_EQ(EntryCaptions(), expected);

    SetCount(5);
    EXPECT_EQ(main.tvItems.Node(2 + 5 * 3).text, "Item 4");
    EXPECT_EQ(main.tvItems.Node(2 + 5 * 4).text, "Item 5");
    EXPECT_EQ(main.tvItems.Node(2 + 5 * 5).text, "Item 6 (not used)");
    EXPECT_EQ(main.Project.Item[3].txt, "Vierter");
    EXPECT_EQ(main.Project.Item[4].desc, "Fünfte Beschreibung");

    // A click in the track moves by one as well; the bottom means one entry.
    driver->Scroll(main.vsItems, forms::ScrollBar::Scroll::PageDown);
    EXPECT_EQ(main.lblItems.Caption(), "4");
    SetCount(1);
    driver->Scroll(main.vsItems, forms::ScrollBar::Scroll::LineDown);
    EXPECT_EQ(main.lblItems.Caption(), "1");
}

TEST_F(Items, TheChosenNodeDecidesWhatTheEditBoxShows) {
    struct Case {
        const char* key;
        bool editBox;
        bool browse;
    };
    const Case cases[] = {{"txt0", true, false}, {"root", false, false}, {"cmd2", true, true},
                          {"item2", false, false}, {"desc9", true, false}, {"ico5", true, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        Choose(c.key);
        EXPECT_EQ(main.tbOpt.Visible(), c.editBox);
        EXPECT_EQ(main.cmdLoad.Visible(), c.browse);
        EXPECT_EQ(main.tvItems.Height(), c.editBox ? 3797 : 4215);
    }
    EXPECT_EQ(main.CurrentField, "ico");
    EXPECT_EQ(main.CurrentItem, 5);
    Choose("root");
    EXPECT_EQ(main.CurrentField, "ico") << "the root leaves the current field";
    Choose("item7");
    EXPECT_EQ(main.CurrentField, "item");
    EXPECT_EQ(main.CurrentItem, 7);
    // Choosing fields whose texts are all empty is no edit.
    EXPECT_FALSE(main.Changed);
}

TEST_F(Items, TheEditBoxStoresIntoItsFieldAndChoosingAnotherTextMarksTheProject) {
    Type("txt1", "Setup");
    EXPECT_EQ(main.Project.Item[1].txt, "Setup");
    Type("cmd1", "\\setup.exe");
    EXPECT_EQ(main.Project.Item[1].cmd, "\\setup.exe");
    EXPECT_EQ(main.Project.Item[1].txt, "Setup");

    main.Changed = false;
    Choose("txt1");  // the box changes from the command to the caption
    EXPECT_EQ(main.tbOpt.Text(), "Setup");
    EXPECT_TRUE(main.Changed);
    EXPECT_EQ(main.Project.Item[1].txt, "Setup");

    // The keyboard chooses like the mouse: a character in the tree runs
    // the same steps; the arrow keys only move the selection.
    driver->ChooseMenu(main.mnuView[frmMain::PageItems]);
    main.tvItems.SetFocus();
    driver->PressArrowKey(main.tvItems, true);
    EXPECT_EQ(main.tbOpt.Text(), "Setup");
    driver->TypeChar(main.tvItems, ' ');
    EXPECT_EQ(main.CurrentField, "desc");
    EXPECT_EQ(main.tbOpt.Text(), "");
}

TEST_F(Items, BrowseTakesAFileForTheCommandOrTheIconAndCancelTakesNothing) {
    main.DLG1.DialogTitle = "Vorher";
    Choose("ico2");
    AnswerFileDialog("C:\\CD\\icons\\start.ico");
    driver->Click(main.cmdLoad);
    EXPECT_EQ(main.Project.Item[2].ico, "C:\\CD\\icons\\start.ico");
    EXPECT_EQ(main.tbOpt.Text(), "C:\\CD\\icons\\start.ico");
    ASSERT_EQ(backend.fileDialogs.size(), 1u);
    const forms::FileDialogRequest& request = backend.fileDialogs[0];
    EXPECT_EQ(request.flags, 0x1804u);
    EXPECT_EQ(request.filter, "alle Dateien (*.*)|*.*");
    EXPECT_EQ(request.title, "Vorher") << "the title stays as the last use left it";

    Choose("cmd2");
    AnswerFileDialog(std::nullopt);
    main.Changed = false;
    driver->Click(main.cmdLoad);
    EXPECT_EQ(main.Project.Item[2].cmd, "");
    EXPECT_FALSE(main.Changed);
    EXPECT_EQ(backend.fileDialogs[1].fileName, "C:\\CD\\icons\\start.ico");
}

}  // namespace
}  // namespace editor::testing
