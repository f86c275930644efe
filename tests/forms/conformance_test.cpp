// Behaviour that every backend must deliver in the same way, driven through
// simulated user input. Written only against the control model and the
// Driver, so the same cases run on headless and (under Wine) on win32.
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace forms
