// Behaviour that every backend must deliver in the same way, driven through
// simulated user input. Written only against the control model and the
// Driver, so the same cases run on headless and (under Wine) on win32.
#include <gtest/gtest.h>

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

#include "forms/driver.h"

namespace forms {
namespace {

using testing::Driver;
using testing::MakeDriver;

class ConformanceTest : public ::testing::Test {
protected:
    std::unique_ptr<Driver> driver = MakeDriver();
    Application app{driver->GetBackend()};
};

// A dialog-like form with a text field and three buttons.
class ButtonForm : public Form {
public:
    explicit ButtonForm(Application& app) : Form(app) {
        SetCaption("Knöpfe");
        SetBorderStyle(BorderStyle::FixedDialog);
        SetClientSize(4800, 3000);
        tbName.Move(120, 120, 2400, 300);
        cmdInfo.SetCaption("&Info...");
        cmdInfo.Move(120, 600, 1200, 375);
        cmdEnde.SetCaption("&Ende");
        cmdEnde.Move(1440, 600, 1200, 375);
        cmdOk.SetCaption("OK");
        cmdOk.Move(2760, 600, 1200, 375);
        cmdInfo.Click = [this] { clicks.push_back("Info"); };
        cmdEnde.Click = [this] { clicks.push_back("Ende"); };
        cmdOk.Click = [this] { clicks.push_back("OK"); };
    }
    TextBox tbName{*this};
    CommandButton cmdInfo{*this};
    CommandButton cmdEnde{*this};
    CommandButton cmdOk{*this};
    std::vector<std::string> clicks;
};

TEST_F(ConformanceTest, ClicksAndMouseMovesReachTheirHandlers) {
    ButtonForm form(app);
    Label lblDesc(form);
    lblDesc.SetCaption("Beschreibung");
    lblDesc.Move(120, 1200, 2400, 300);
    int labelClicks = 0;
    lblDesc.Click = [&] { ++labelClicks; };
    std::vector<MouseState> moves;
    form.cmdInfo.MouseMove = [&](const MouseState& state) { moves.push_back(state); };
    form.Show();

    driver->Click(form.cmdEnde);
    driver->Click(lblDesc);
    driver->MouseMove(form.cmdInfo, 3, 4);
    ASSERT_TRUE(driver->PumpUntil([&] { return !moves.empty(); }, 2000));

    EXPECT_EQ(form.clicks, std::vector<std::string>{"Ende"});
    EXPECT_EQ(labelClicks, 1);
    EXPECT_EQ(moves.front().x, 3 * app.TwipsPerPixelX());
    EXPECT_EQ(moves.front().y, 4 * app.TwipsPerPixelY());
}

TEST_F(ConformanceTest, EnterPressesTheDefaultButtonWhereverItMoves) {
    ButtonForm form(app);
    form.Show();
    form.cmdInfo.SetDefault(true);
    form.tbName.SetFocus();

    driver->PressEnter(form);
    form.cmdOk.SetDefault(true);  // the default moves; Info is no longer it
    driver->PressEnter(form);

    EXPECT_EQ(form.clicks, (std::vector<std::string>{"Info", "OK"}));
    EXPECT_FALSE(form.cmdInfo.Default());
    EXPECT_EQ(form.DefaultButton(), &form.cmdOk);
}

TEST_F(ConformanceTest, AccessKeyPressesItsButtonOnly) {
    ButtonForm form(app);
    form.Show();
    form.tbName.SetFocus();

    driver->PressAccessKey(form, 'e');
    driver->PressAccessKey(form, 'I');

    EXPECT_EQ(form.clicks, (std::vector<std::string>{"Ende", "Info"}));
}

TEST_F(ConformanceTest, TypingFiresKeyPressAndOneChangePerCharacter) {
    ButtonForm form(app);
    std::vector<int> keys;
    std::vector<std::string> changes;
    form.tbName.KeyPress = [&](int& key) {
        keys.push_back(key);
        if (key == 'x') key = 0;             // discarded
        if (key == 'q') key = 'Q';           // replaced
    };
    form.tbName.Change = [&] { changes.push_back(form.tbName.Text()); };
    form.Show();
    form.tbName.SetFocus();

    for (char c : std::string("axbq")) driver->TypeChar(form.tbName, c);
    ASSERT_TRUE(driver->PumpUntil([&] { return keys.size() == 4; }, 2000));

    EXPECT_EQ(keys, (std::vector<int>{'a', 'x', 'b', 'q'}));
    EXPECT_EQ(changes, (std::vector<std::string>{"a", "ab", "abQ"}));
    EXPECT_EQ(form.tbName.Text(), "abQ");
}

TEST_F(ConformanceTest, SettingTextFiresChangeOnlyOnARealChange) {
    ButtonForm form(app);
    int changes = 0;
    form.tbName.Change = [&] { ++changes; };
    form.Show();

    form.tbName.SetText("Pavonel");
    form.tbName.SetText("Pavonel");
    EXPECT_EQ(changes, 1);
    form.tbName.SetText("");
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(form.tbName.Text(), "");
}

TEST_F(ConformanceTest, FocusFollowsSetFocusAndTabInCreationOrder) {
    Form form(app);
    form.SetClientSize(4800, 3000);
    TextBox first(form);
    Label caption(form);  // labels take no focus
    TextBox disabled(form);
    TextBox second(form);
    TextBox third(form);
    first.Move(120, 120, 2000, 300);
    caption.SetCaption("Name:");
    caption.Move(120, 480, 2000, 300);
    disabled.Move(120, 840, 2000, 300);
    disabled.SetEnabled(false);
    second.Move(120, 1200, 2000, 300);
    third.Move(120, 1560, 2000, 300);
    std::vector<std::string> order;
    first.GotFocus = [&] { order.push_back("first"); };
    disabled.GotFocus = [&] { order.push_back("disabled"); };
    second.GotFocus = [&] { order.push_back("second"); };
    third.GotFocus = [&] { order.push_back("third"); };
    form.Show();

    first.SetFocus();
    ASSERT_TRUE(driver->PumpUntil([&] { return order.size() == 1; }, 2000));
    EXPECT_EQ(driver->FocusedControl(form), &first);
    driver->PressTab(form);
    driver->PressTab(form);
    driver->PressTab(form);  // wraps round to the first
    ASSERT_TRUE(driver->PumpUntil([&] { return order.size() == 4; }, 2000));

    EXPECT_EQ(order, (std::vector<std::string>{"first", "second", "third", "first"}));
    EXPECT_EQ(driver->FocusedControl(form), &first);
}

class OkDialog : public Form {
public:
    explicit OkDialog(Application& app) : Form(app) {
        SetCaption("Dialog");
        SetBorderStyle(BorderStyle::FixedDialog);
        SetClientSize(3000, 1500);
        cmdOk.SetCaption("&OK");
        cmdOk.Move(120, 120, 1200, 375);
        cmdOk.Click = [this] {
            ++okClicks;
            Hide();
        };
    }
    void Form_Load() override { ++loads; }
    CommandButton cmdOk{*this};
    int okClicks = 0;
    int loads = 0;
};

TEST_F(ConformanceTest, ShowModalReturnsWhenTheDialogIsHiddenOrClosed) {
    ButtonForm owner(app);
    owner.Show();
    OkDialog dialog(app);

    driver->OnNextModal([&](Form& shown) {
        EXPECT_EQ(&shown, &dialog);
        EXPECT_TRUE(dialog.Showing());
        driver->Click(dialog.cmdOk);
    });
    dialog.ShowModal();
    EXPECT_EQ(dialog.okClicks, 1);
    EXPECT_FALSE(dialog.Showing());
    EXPECT_TRUE(dialog.Loaded());  // hidden, not unloaded

    driver->OnNextModal([&](Form&) { driver->CloseByUser(dialog); });
    dialog.ShowModal();
    EXPECT_FALSE(dialog.Loaded());
    EXPECT_EQ(dialog.loads, 1);
    EXPECT_TRUE(owner.Showing());
}

class GuardedForm : public Form {
public:
    explicit GuardedForm(Application& app) : Form(app) { SetClientSize(3000, 2000); }
    void Form_QueryUnload(bool& cancel, UnloadMode mode) override {
        events.push_back("QueryUnload " + std::to_string(static_cast<int>(mode)));
        cancel = refuse;
    }
    void Form_Unload(bool&) override { events.push_back("Unload"); }
    bool refuse = true;
    std::vector<std::string> events;
};

TEST_F(ConformanceTest, CloseBoxAsksQueryUnloadThenUnloadAndCancelKeepsTheWindow) {
    GuardedForm form(app);
    form.Show();

    driver->CloseByUser(form);
    ASSERT_TRUE(driver->PumpUntil([&] { return form.events.size() == 1; }, 2000));
    EXPECT_TRUE(form.Loaded());
    EXPECT_TRUE(form.Showing());

    form.refuse = false;
    driver->CloseByUser(form);
    ASSERT_TRUE(driver->PumpUntil([&] { return !form.Loaded(); }, 2000));
    EXPECT_EQ(form.events, (std::vector<std::string>{"QueryUnload 0", "QueryUnload 0", "Unload"}));
    EXPECT_EQ(form.NativeHandle(), 0u);
}

TEST_F(ConformanceTest, TimerTicksWhilePumpingOnlyWhileEnabled) {
    Form form(app);
    Timer timer(form);
    int ticks = 0;
    timer.Tick = [&] { ++ticks; };
    timer.SetInterval(50);
    form.Show();

    ASSERT_TRUE(driver->PumpUntil([&] { return ticks >= 3; }, 5000));

    timer.SetEnabled(false);
    const int ticksWhenStopped = ticks;
    driver->PumpUntil([] { return false; }, 200);
    EXPECT_EQ(ticks, ticksWhenStopped);
}

// ---- Containers and stacking ----------------------------------------------------

// A text box, a picture box holding a picture box holding a button, and a
// text box after them.
class NestedForm : public Form {
public:
    explicit NestedForm(Application& app) : Form(app) {
        SetClientSize(6000, 4000);
        tbFirst.Move(120, 120, 2000, 300);
        picOuter.SetBorder(false);
        picOuter.Move(120, 600, 4000, 2000);
        picInner.SetContainer(picOuter);
        picInner.SetBorder(false);
        picInner.Move(300, 300, 3000, 1200);
        cmdInner.SetContainer(picInner);
        cmdInner.SetCaption("&Innen");
        cmdInner.Move(150, 150, 1500, 375);
        tbLast.Move(120, 3000, 2000, 300);
        for (Control* control : std::initializer_list<Control*>{&tbFirst, &cmdInner, &tbLast})
            control->GotFocus = [this, control] { focus.push_back(control); };
        cmdInner.Click = [this] { ++clicks; };
    }
    TextBox tbFirst{*this};
    PictureBox picOuter{*this};
    PictureBox picInner{*this};
    CommandButton cmdInner{*this};
    TextBox tbLast{*this};
    std::vector<Control*> focus;
    int clicks = 0;
};

TEST_F(ConformanceTest, ControlsInContainersAreClickedAndTabbedToUntilTheContainerHides) {
    NestedForm form(app);
    form.Show();

    driver->Click(form.cmdInner);
    driver->ClickAt(form, 120 + 300 + 150 + 300, 600 + 300 + 150 + 150);
    EXPECT_EQ(form.clicks, 2);
    form.tbFirst.SetFocus();
    ASSERT_TRUE(driver->PumpUntil([&] { return driver->FocusedControl(form) == &form.tbFirst; },
                                  2000));
    form.focus.clear();
    driver->PressTab(form);
    driver->PressTab(form);
    driver->PressTab(form);
    ASSERT_TRUE(driver->PumpUntil([&] { return form.focus.size() == 3; }, 2000));
    EXPECT_EQ(form.focus, (std::vector<Control*>{&form.cmdInner, &form.tbLast, &form.tbFirst}));
    driver->PressAccessKey(form, 'i');
    EXPECT_EQ(form.clicks, 3);

    // Hiding the outer box takes the focus out of the button inside it, and
    // Tab and the access key no longer reach the button.
    form.cmdInner.SetFocus();
    ASSERT_TRUE(driver->PumpUntil([&] { return driver->FocusedControl(form) == &form.cmdInner; },
                                  2000));
    form.focus.clear();
    form.picOuter.SetVisible(false);
    EXPECT_FALSE(form.cmdInner.Shown());
    ASSERT_TRUE(driver->PumpUntil([&] { return form.focus.size() == 1; }, 2000));
    driver->PressTab(form);
    driver->PressTab(form);
    driver->Click(form.cmdInner);
    driver->PressAccessKey(form, 'i');
    ASSERT_TRUE(driver->PumpUntil([&] { return form.focus.size() == 3; }, 2000));
    EXPECT_EQ(form.focus, (std::vector<Control*>{&form.tbLast, &form.tbFirst, &form.tbLast}));
    EXPECT_EQ(form.clicks, 3);

    // A disabled container keeps what is inside it from the user too.
    form.picOuter.SetVisible(true);
    form.picInner.SetEnabled(false);
    driver->Click(form.cmdInner);
    driver->PressAccessKey(form, 'i');
    EXPECT_EQ(form.clicks, 3);
    EXPECT_FALSE(form.cmdInner.Reachable());
}

TEST_F(ConformanceTest, TheControlInFrontTakesTheClickWhereControlsOverlap) {
    Form form(app);
    form.SetClientSize(6000, 3000);
    CommandButton first(form), second(form), third(form);
    first.Move(0, 0, 2000, 1000);
    second.Move(1000, 500, 2000, 1000);  // overlaps first at (1000..2000, 500..1000)
    third.Move(4000, 0, 1000, 1000);
    std::vector<std::string> clicks;
    first.Click = [&] { clicks.push_back("first"); };
    second.Click = [&] { clicks.push_back("second"); };
    form.Show();

    driver->ClickAt(form, 1500, 750);
    second.ZOrder();
    driver->ClickAt(form, 1500, 750);
    second.ZOrder(1);
    driver->ClickAt(form, 1500, 750);
    driver->ClickAt(form, 2500, 1200);  // only second is there

    EXPECT_EQ(clicks, (std::vector<std::string>{"first", "second", "first", "second"}));
    EXPECT_EQ(first.StackPosition(), 0);
    EXPECT_EQ(third.StackPosition(), 1);
    EXPECT_EQ(second.StackPosition(), 2);
}

// ---- Menus ------------------------------------------------------------------------

class MenuForm : public Form {
public:
    explicit MenuForm(Application& app) : Form(app) {
        SetClientSize(4800, 2000);
        mnuDatei.SetCaption("&Datei");
        mnuNeu.SetCaption("&Neu");
        mnuNeu.SetShortcut('N');
        mnuStrich.SetCaption("-");
        mnuGesperrt.SetCaption("&Gesperrt");
        mnuGesperrt.SetShortcut('G');
        mnuGesperrt.SetEnabled(false);
        mnuAnsicht.SetCaption("&Ansicht");
        mnuGross.SetCaption("&Groß");
        mnuKlein.SetCaption("&Klein");
        mnuKlein.SetShortcut('K');
        mnuExtras.SetCaption("&Extras");
        mnuOptionen.SetCaption("&Optionen");
        mnuOptionen.SetShortcut('O');
        tbText.Move(120, 120, 3000, 300);
        mnuNeu.Click = [this] { chosen.push_back("Neu"); };
        mnuGesperrt.Click = [this] { chosen.push_back("Gesperrt"); };
        mnuOptionen.Click = [this] { chosen.push_back("Optionen"); };
        // One of the two views is checked; choosing one moves the mark.
        mnuGross.Click = [this] { View(true); };
        mnuKlein.Click = [this] { View(false); };
    }
    void View(bool large) {
        chosen.push_back(large ? "Groß" : "Klein");
        mnuGross.SetChecked(large);
        mnuKlein.SetChecked(!large);
    }
    Menu mnuDatei{*this};
    Menu mnuNeu{mnuDatei};
    Menu mnuStrich{mnuDatei};
    Menu mnuGesperrt{mnuDatei};
    Menu mnuAnsicht{*this};
    Menu mnuGross{mnuAnsicht};
    Menu mnuKlein{mnuAnsicht};
    Menu mnuExtras{*this};
    Menu mnuOptionen{mnuExtras};
    TextBox tbText{*this};
    std::vector<std::string> chosen;
};

TEST_F(ConformanceTest, MenuEntriesAreChosenByMouseAndShortcutWhileEnabled) {
    MenuForm form(app);
    int changes = 0;
    form.tbText.Change = [&] { ++changes; };
    form.Show();
    form.tbText.SetFocus();

    driver->ChooseMenu(form.mnuNeu);
    driver->PressShortcut(form, 'n');  // typed into the text box: the menu takes it
    driver->ChooseMenu(form.mnuKlein);
    driver->ChooseMenu(form.mnuGross);
    driver->ChooseMenu(form.mnuGesperrt);  // disabled: nothing, by mouse or key
    driver->PressShortcut(form, 'g');
    form.mnuExtras.SetEnabled(false);  // a disabled title closes its entries
    driver->ChooseMenu(form.mnuOptionen);
    driver->PressShortcut(form, 'o');
    form.mnuExtras.SetEnabled(true);
    form.mnuKlein.SetVisible(false);  // a hidden entry cannot be chosen either
    driver->PressShortcut(form, 'k');
    driver->PressShortcut(form, 'o');
    driver->PumpUntil([] { return false; }, 50);

    EXPECT_EQ(form.chosen, (std::vector<std::string>{"Neu", "Neu", "Klein", "Groß", "Optionen"}));
    EXPECT_TRUE(form.mnuGross.Checked());
    EXPECT_FALSE(form.mnuKlein.Checked());
    EXPECT_EQ(form.tbText.Text(), "");
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(form.mnuNeu.ShortcutText(), "Strg+N");
}

// ---- Toolbar and status bar -----------------------------------------------------

TEST_F(ConformanceTest, ToolbarButtonsReportTheirButtonWhileTheToolbarIsReachable) {
    Form form(app);
    form.SetClientSize(6000, 3000);
    ImageList images(16, 16);
    Toolbar toolbar(form);
    toolbar.SetImageList(images);
    toolbar.Move(0, 0, 6000, 420);
    toolbar.AddButton("neu", "Neues Projekt", 0);
    toolbar.AddButton("oeffnen", "Projekt öffnen", 0);
    toolbar.AddButton("speichern", "Projekt speichern", 0);
    StatusBar status(form);
    status.Move(0, 2700, 6000, 300);
    std::vector<std::string> keys;
    toolbar.ButtonClick = [&](const ToolbarButton& button) {
        keys.push_back(button.key);
        status.SetCaption(button.toolTipText);
    };
    form.Show();

    driver->ClickToolbarButton(toolbar, 3);
    driver->ClickToolbarButton(toolbar, 1);
    toolbar.SetEnabled(false);
    driver->ClickToolbarButton(toolbar, 2);
    toolbar.SetEnabled(true);
    driver->ClickToolbarButton(toolbar, 2);
    ASSERT_TRUE(driver->PumpUntil([&] { return keys.size() == 3; }, 2000));

    EXPECT_EQ(keys, (std::vector<std::string>{"speichern", "neu", "oeffnen"}));
    EXPECT_EQ(status.Caption(), "Projekt öffnen");
}

// ---- Tree view ----------------------------------------------------------------------

// A tree of 51 nodes: a root with ten folders of four pages each.
class TreeForm : public Form {
public:
    explicit TreeForm(Application& app) : Form(app) {
        SetClientSize(6000, 6000);
        tvTree.Move(120, 120, 4000, 5000);
        tbOther.Move(4300, 120, 1500, 300);
        root = tvTree.AddNode(0, "root", "Projekt", 0);
        for (int folder = 1; folder <= 10; ++folder) {
            const std::string name = std::to_string(folder);
            const int index = tvTree.AddNode(root, "folder" + name, "Ordner " + name, 0);
            for (int page = 1; page <= 4; ++page)
                tvTree.AddNode(index, "page" + name + "." + std::to_string(page),
                               "Seite " + name + "." + std::to_string(page), 0);
        }
        tvTree.SetExpanded(root, true);
        tvTree.Click = [this] { events.push_back("Click " + std::to_string(tvTree.SelectedIndex())); };
        tvTree.KeyPress = [this](int& key) { events.push_back("KeyPress " + std::to_string(key)); };
        tvTree.DblClick = [this] { events.push_back("DblClick " + std::to_string(tvTree.SelectedIndex())); };
    }
    TreeView tvTree{*this};
    TextBox tbOther{*this};
    int root = 0;
    std::vector<std::string> events;
};

TEST_F(ConformanceTest, TreeNodesHaveKeysTextsAndParents) {
    TreeForm form(app);
    form.Show();

    ASSERT_EQ(form.tvTree.NodeCount(), 51);
    const int folder3 = form.tvTree.Find("folder3");
    const int page = form.tvTree.Find("page3.2");
    EXPECT_EQ(form.tvTree.Node(folder3).text, "Ordner 3");
    EXPECT_EQ(form.tvTree.Node(folder3).parent, form.root);
    EXPECT_EQ(form.tvTree.Node(page).parent, folder3);
    EXPECT_EQ(form.tvTree.Node(page).text, "Seite 3.2");
    EXPECT_EQ(form.tvTree.Find("page11.1"), 0);
    EXPECT_THROW(form.tvTree.AddNode(0, "folder3", "doppelt", 0), std::invalid_argument);
    EXPECT_THROW(form.tvTree.AddNode(99, "neu", "ohne Eltern", 0), std::out_of_range);
    EXPECT_EQ(form.tvTree.NodeCount(), 51);
}

// A double click chooses the node with its first click, then reports
// itself; a node that does not show takes none.
TEST_F(ConformanceTest, TreeDoubleClicksChooseTheNodeThenReportThemselves) {
    TreeForm form(app);
    form.Show();
    const int folder4 = form.tvTree.Find("folder4");
    driver->DoubleClickTreeNode(form.tvTree, form.tvTree.Find("page4.1"));  // not shown
    driver->DoubleClickTreeNode(form.tvTree, folder4);
    ASSERT_TRUE(driver->PumpUntil([&] { return form.events.size() >= 2; }, 2000));
    EXPECT_EQ(form.events.front(), "Click " + std::to_string(folder4));
    EXPECT_EQ(form.events.back(), "DblClick " + std::to_string(folder4));
    EXPECT_EQ(form.tvTree.SelectedIndex(), folder4);
}

TEST_F(ConformanceTest, TreeClicksSelectThenClickAndKeysMoveTheSelectionQuietly) {
    TreeForm form(app);
    form.Show();
    const int folder2 = form.tvTree.Find("folder2");
    const int folder3 = form.tvTree.Find("folder3");
    const int page = form.tvTree.Find("page3.1");

    driver->ClickTreeNode(form.tvTree, page);  // inside a closed folder: not shown
    driver->ClickTreeNode(form.tvTree, folder2);
    ASSERT_TRUE(driver->PumpUntil([&] { return form.events.size() == 1; }, 2000));
    EXPECT_EQ(driver->FocusedControl(form), &form.tvTree);

    driver->PressArrowKey(form.tvTree, true);
    EXPECT_EQ(form.tvTree.SelectedIndex(), folder3);
    form.tvTree.SetExpanded(folder3, true);
    driver->PressArrowKey(form.tvTree, true);
    EXPECT_EQ(form.tvTree.SelectedIndex(), page);
    driver->PressArrowKey(form.tvTree, false);
    driver->PressArrowKey(form.tvTree, false);
    EXPECT_EQ(form.tvTree.SelectedIndex(), folder2);
    form.tvTree.SelectNode(page);  // by code: no event, and the keys go on from there
    driver->PressArrowKey(form.tvTree, true);
    EXPECT_EQ(form.tvTree.SelectedIndex(), page + 1);

    driver->PressEnter(form);
    driver->TypeChar(form.tvTree, 'q');
    ASSERT_TRUE(driver->PumpUntil([&] { return form.events.size() == 3; }, 2000));
    driver->ClickTreeNode(form.tvTree, page);
    ASSERT_TRUE(driver->PumpUntil([&] { return form.events.size() == 4; }, 2000));

    EXPECT_EQ(form.events,
              (std::vector<std::string>{"Click " + std::to_string(folder2), "KeyPress 13",
                                        "KeyPress 113", "Click " + std::to_string(page)}));
    EXPECT_EQ(form.tvTree.SelectedIndex(), page);
    EXPECT_TRUE(form.tvTree.Node(folder3).expanded);
}

// ---- Scroll bar -------------------------------------------------------------------------

TEST_F(ConformanceTest, ScrollBarMovesByItsStepsAndStopsAtItsEnds) {
    Form form(app);
    form.SetClientSize(3000, 4000);
    TextBox before(form);
    before.Move(600, 120, 2000, 300);
    ScrollBar bar(form);
    bar.Move(120, 120, 255, 3600);
    bar.SetMax(10);
    bar.SetLargeChange(4);
    std::vector<int> changes;
    bar.Change = [&] { changes.push_back(bar.Value()); };
    form.Show();

    // Tab reaches the scroll bar, and the arrow keys move it by a step.
    before.SetFocus();
    driver->PressTab(form);
    ASSERT_TRUE(driver->PumpUntil([&] { return driver->FocusedControl(form) == &bar; }, 2000));
    driver->PressArrowKey(bar, true);
    driver->PressArrowKey(bar, false);
    ASSERT_EQ(changes, (std::vector<int>{1, 0}));
    changes.clear();

    using S = ScrollBar::Scroll;
    driver->Scroll(bar, S::LineDown);
    driver->Scroll(bar, S::PageDown);
    driver->DragThumb(bar, 9);
    driver->Scroll(bar, S::PageDown);  // four more would pass the end: it stops there
    driver->Scroll(bar, S::LineDown);  // at the end: no move, no Change
    driver->Scroll(bar, S::PageUp);
    driver->DragThumb(bar, 0);
    driver->Scroll(bar, S::LineUp);
    EXPECT_THROW(bar.SetValue(11), std::out_of_range);
    EXPECT_THROW(bar.SetValue(-1), std::out_of_range);
    bar.SetValue(0);  // equal: no Change
    bar.SetValue(7);
    driver->Scroll(bar, S::LineDown);

    EXPECT_EQ(changes, (std::vector<int>{1, 5, 9, 10, 6, 0, 7, 8}));
    EXPECT_EQ(bar.Value(), 8);
}

TEST_F(ConformanceTest, ScrollBarWithMinAboveMaxCountsDownwards) {
    Form form(app);
    form.SetClientSize(3000, 4000);
    ScrollBar bar(form);
    bar.Move(120, 120, 255, 3600);
    bar.SetMin(10);
    bar.SetMax(0);  // Value moves to 10, the top
    std::vector<int> changes;
    bar.Change = [&] { changes.push_back(bar.Value()); };
    form.Show();

    driver->Scroll(bar, ScrollBar::Scroll::LineDown);
    driver->DragThumb(bar, 3);
    driver->Scroll(bar, ScrollBar::Scroll::LineUp);

    EXPECT_EQ(changes, (std::vector<int>{9, 3, 4}));
}

// ---- Option buttons ---------------------------------------------------------------------

class OptionForm : public Form {
public:
    explicit OptionForm(Application& app) : Form(app) {
        SetClientSize(6000, 3000);
        fraSize.SetCaption("&Größe");
        fraSize.Move(120, 120, 2500, 1500);
        fraColour.SetCaption("&Farbe");
        fraColour.Move(3000, 120, 2500, 1500);
        struct Place { OptionButton* option; Frame* frame; const char* caption; Twips top; };
        for (const Place& place : {Place{&optLarge, &fraSize, "G&roß", 300},
                                   Place{&optSmall, &fraSize, "&Klein", 800},
                                   Place{&optRed, &fraColour, "&Rot", 300},
                                   Place{&optBlue, &fraColour, "&Blau", 800}}) {
            place.option->SetContainer(*place.frame);
            place.option->SetCaption(place.caption);
            place.option->Move(150, place.top, 2000, 300);
            place.option->Click = [this, place] { clicks.push_back(place.caption); };
        }
    }
    Frame fraSize{*this};
    OptionButton optLarge{*this};
    OptionButton optSmall{*this};
    Frame fraColour{*this};
    OptionButton optRed{*this};
    OptionButton optBlue{*this};
    std::vector<std::string> clicks;
};

TEST_F(ConformanceTest, OptionButtonsSelectOnePerContainerAndClickEveryTime) {
    OptionForm form(app);
    form.Show();

    driver->Click(form.optLarge);
    driver->Click(form.optBlue);
    driver->Click(form.optLarge);  // already selected: Click again
    form.optSmall.SetValue(true);
    form.optSmall.SetValue(true);
    form.fraColour.SetEnabled(false);
    driver->Click(form.optRed);  // in a disabled frame: nothing
    form.fraColour.SetEnabled(true);
    driver->PressAccessKey(form, 'r');  // "G&roß"
    ASSERT_TRUE(driver->PumpUntil([&] { return form.clicks.size() == 6; }, 2000));

    EXPECT_EQ(form.clicks,
              (std::vector<std::string>{"G&roß", "&Blau", "G&roß", "&Klein", "&Klein", "G&roß"}));
    EXPECT_TRUE(form.optLarge.Value());
    EXPECT_FALSE(form.optSmall.Value());
    EXPECT_FALSE(form.optRed.Value());
    EXPECT_TRUE(form.optBlue.Value());
}

TEST_F(ConformanceTest, FrameAccessKeyAndArrowKeysMoveTheFocusWithoutSelecting) {
    OptionForm form(app);
    form.optLarge.SetValue(true);
    form.Show();

    driver->PressAccessKey(form, 'f');  // the colour frame: its first option
    ASSERT_TRUE(driver->PumpUntil([&] { return driver->FocusedControl(form) == &form.optRed; },
                                  2000));
    driver->PressArrowKey(form.optRed, true);
    EXPECT_EQ(driver->FocusedControl(form), &form.optBlue);
    driver->PressArrowKey(form.optBlue, true);  // round within its own frame
    EXPECT_EQ(driver->FocusedControl(form), &form.optRed);

    EXPECT_EQ(form.clicks, std::vector<std::string>{"G&roß"});
    EXPECT_FALSE(form.optRed.Value());
    EXPECT_FALSE(form.optBlue.Value());
    EXPECT_TRUE(form.optLarge.Value());
}

// ---- Tab strip and combo box ---------------------------------------------------------------

TEST_F(ConformanceTest, TabStripClicksOnEveryNewTabByUserOrCode) {
    Form form(app);
    form.SetClientSize(6000, 3000);
    TabStrip strip(form);
    strip.Move(120, 120, 5000, 2500);
    for (const char* tab : {"Allgemein", "Bilder", "Einträge"}) strip.AddTab(tab);
    std::vector<int> clicks;
    strip.Click = [&] { clicks.push_back(strip.SelectedIndex()); };
    form.Show();

    driver->ChooseTab(strip, 2);
    driver->ChooseTab(strip, 2);  // already chosen
    strip.SelectTab(3);
    driver->ChooseTab(strip, 3);  // the window shows the code's choice
    driver->ChooseTab(strip, 1);
    ASSERT_TRUE(driver->PumpUntil([&] { return clicks.size() == 3; }, 2000));

    EXPECT_EQ(clicks, (std::vector<int>{2, 3, 1}));
    EXPECT_THROW(strip.SelectTab(4), std::out_of_range);
}

TEST_F(ConformanceTest, ComboBoxPickClicksOnceAndFollowsTheCodesChoice) {
    Form form(app);
    form.SetClientSize(4000, 3000);
    ComboBox box(form);
    box.Move(120, 120, 3000, 315);
    for (const char* entry : {"Rot", "Grün", "Blau", "Gelb"}) box.AddItem(entry);
    std::vector<int> clicks;
    box.Click = [&] { clicks.push_back(box.ListIndex()); };
    form.Show();

    driver->PickListEntry(box, 2);
    driver->PickListEntry(box, 2);
    box.SetListIndex(0);
    driver->PickListEntry(box, 0);
    box.Clear();
    box.AddItem("Weiß");
    box.AddItem("Schwarz");
    driver->PickListEntry(box, 1);
    ASSERT_TRUE(driver->PumpUntil([&] { return clicks.size() == 3; }, 2000));
    driver->PumpUntil([] { return false; }, 50);

    EXPECT_EQ(clicks, (std::vector<int>{2, 0, 1}));
    EXPECT_EQ(box.Text(), "Schwarz");
    EXPECT_THROW(box.SetListIndex(2), std::out_of_range);
}

}  // namespace
}  // namespace forms
