// Event semantics and sizing of the standard controls.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "forms/application.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/headless/headless_backend.h"

namespace forms {
namespace {

class ControlsTest : public ::testing::Test {
protected:
    headless::Backend backend;
    Application app{backend};
    Form form{app};
};

TEST_F(ControlsTest, TextBoxChangeFiresOnEveryRealChangeByCodeOrUser) {
    TextBox box(form);
    std::vector<std::string> seen;
    box.Change = [&] { seen.push_back(box.Text()); };

    box.SetText("abc");           // by code, before the form is loaded
    box.SetText("abc");           // equal: nothing
    box.SetCaption("abcd");       // Caption is Text
    form.Show();
    box.RaiseTextChangedByUser("abcd");  // equal: nothing
    box.RaiseTextChangedByUser("ab");
    box.SetText("");

    EXPECT_EQ(seen, (std::vector<std::string>{"abc", "abcd", "ab", ""}));
}

TEST_F(ControlsTest, SettingAValueAControlAlreadyHasDoesNotReachItsWindow) {
    Label label(form);
    form.Show();
    label.SetCaption("Text");
    label.SetForeColor(0x0000FF);
    label.SetBackColor(0x00FF00);
    auto* peer = static_cast<headless::Peer*>(headless::Backend::PeerOf(label));
    ASSERT_NE(peer, nullptr);
    const std::size_t updates = peer->Updates().size();

    // A mouse handler that blanks a description on every move must not
    // repaint it each time.
    label.SetCaption("Text");
    label.SetForeColor(0x0000FF);
    label.SetBackColor(0x00FF00);
    EXPECT_EQ(peer->Updates().size(), updates);

    label.SetCaption("Anders");
    EXPECT_EQ(peer->Updates().back(), Property::Caption);
}

TEST_F(ControlsTest, TextBoxSelectionStaysInsideTheText) {
    TextBox box(form);
    box.SetText("Pavonel");
    box.SetSelection(3, 100);
    EXPECT_EQ(box.SelStart(), 3);
    EXPECT_EQ(box.SelLength(), 4);
    box.SetSelection(-2, 2);
    EXPECT_EQ(box.SelStart(), 0);
    EXPECT_EQ(box.SelLength(), 2);

    box.SetSelection(7, 0);
    box.SetText("Pa");
    EXPECT_EQ(box.SelStart(), 2);
    box.UpdateSelectionFromUser(1, 1);
    box.RaiseTextChangedByUser("");  // the user cleared the field
    EXPECT_EQ(box.SelStart(), 0);
    EXPECT_EQ(box.SelLength(), 0);
}

TEST_F(ControlsTest, DisabledControlsIgnoreClicksAndMouseMoves) {
    CommandButton button(form);
    int clicks = 0, moves = 0;
    button.Click = [&] { ++clicks; };
    button.MouseMove = [&](const MouseState&) { ++moves; };
    button.RaiseClick();
    button.SetEnabled(false);
    button.RaiseClick();
    button.RaiseMouseMove({});
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(moves, 0);
}

TEST_F(ControlsTest, KeyPressHandlerMayReplaceOrDiscardTheCharacter) {
    TextBox box(form);
    EXPECT_EQ(box.RaiseKeyPress('a'), 'a');  // no handler
    box.KeyPress = [](int& key) { key = key == 'x' ? 0 : key - 32; };
    EXPECT_EQ(box.RaiseKeyPress('b'), 'B');
    EXPECT_EQ(box.RaiseKeyPress('x'), 0);
}

TEST_F(ControlsTest, TheDefaultButtonMovesFromButtonToButton) {
    CommandButton info(form), ende(form);
    form.Show();
    info.SetDefault(true);
    EXPECT_TRUE(info.Default());
    ende.SetDefault(true);
    EXPECT_FALSE(info.Default());
    EXPECT_TRUE(ende.Default());
    EXPECT_EQ(form.DefaultButton(), &ende);

    info.SetDefault(false);  // not the default: changes nothing
    EXPECT_EQ(form.DefaultButton(), &ende);
    ende.SetDefault(false);
    EXPECT_EQ(form.DefaultButton(), nullptr);
}

TEST_F(ControlsTest, ADestroyedDefaultButtonLeavesNoDanglingDefault) {
    {
        CommandButton temporary(form);
        temporary.SetDefault(true);
    }
    EXPECT_EQ(form.DefaultButton(), nullptr);
    EXPECT_TRUE(form.Controls().empty());
}

TEST_F(ControlsTest, AutoSizeLabelTakesTheSizeOfItsText) {
    Label label(form);
    label.Move(100, 200, 5000, 5000);
    label.SetCaption("Hallo");
    EXPECT_EQ(label.Width(), 5000);  // no AutoSize yet

    label.SetAutoSize(true);
    EXPECT_EQ(label.Width(), 5 * 80);
    EXPECT_EQ(label.Height(), 192);
    EXPECT_EQ(label.Left(), 100);

    label.SetCaption("Hallo Welt");
    EXPECT_EQ(label.Width(), 10 * 80);
    label.SetFontSize(10);
    EXPECT_EQ(label.Width(), 10 * 100);
    EXPECT_EQ(label.Height(), 240);
}

TEST_F(ControlsTest, AutoSizeWordWrapLabelKeepsItsWidthAndGrowsDownwards) {
    Label label(form);
    label.Move(0, 0, 800, 100);  // ten characters of 8 points
    label.SetWordWrap(true);
    label.SetAutoSize(true);
    label.SetCaption("eins zwei drei vier");
    EXPECT_EQ(label.Width(), 800);
    EXPECT_EQ(label.Height(), 2 * 192);  // "eins zwei" / "drei vier"
}

TEST_F(ControlsTest, AutoSizePictureBoxTakesThePictureSizePlusItsBorder) {
    PictureBox box(form);
    box.Move(0, 0, 100, 100);
    box.SetAutoSize(true);
    EXPECT_EQ(box.Width(), 100);  // no picture: unchanged

    box.SetBorder(false);
    box.SetPicture(headless::Backend::MakePicture(300, 100, "test"));
    EXPECT_EQ(box.Width(), 300 * 15);
    EXPECT_EQ(box.Height(), 100 * 15);

    PictureBox framed(form);
    framed.SetAutoSize(true);
    framed.SetPicture(headless::Backend::MakePicture(32, 32, "test"));
    EXPECT_EQ(framed.Width(), 36 * 15);

    PictureBox fixed(form);
    fixed.Move(0, 0, 6855, 1455);
    fixed.SetPicture(headless::Backend::MakePicture(32, 32, "test"));
    EXPECT_EQ(fixed.Width(), 6855);
}

TEST_F(ControlsTest, ControlArrayAddressesItsControlsAndRejectsOtherIndexes) {
    ControlArray<CommandButton> buttons(form, 10);
    EXPECT_EQ(buttons.size(), 10u);
    buttons[9].SetCaption("zehn");
    EXPECT_EQ(buttons.at(9).Caption(), "zehn");
    EXPECT_EQ(form.Controls()[9], &buttons[9]);
    EXPECT_THROW(buttons.at(10), std::out_of_range);
    const auto& constButtons = buttons;
    EXPECT_THROW(constButtons[10], std::out_of_range);
}

TEST_F(ControlsTest, TimerTicksOnlyWhileEnabledWithAnIntervalOnALoadedForm) {
    Timer timer(form);
    int ticks = 0;
    timer.Tick = [&] { ++ticks; };
    timer.SetInterval(2000);
    timer.RaiseTimer();  // form not loaded
    EXPECT_EQ(ticks, 0);

    form.Load();
    EXPECT_EQ(backend.RunningTimers(), std::vector<Timer*>{&timer});
    backend.FireTimers();
    EXPECT_EQ(ticks, 1);

    timer.SetEnabled(false);
    EXPECT_TRUE(backend.RunningTimers().empty());
    backend.FireTimers();
    timer.RaiseTimer();
    EXPECT_EQ(ticks, 1);

    timer.SetEnabled(true);
    timer.SetInterval(0);
    backend.FireTimers();
    EXPECT_EQ(ticks, 1);

    timer.SetInterval(2000);
    form.Unload();
    backend.FireTimers();
    EXPECT_TRUE(backend.RunningTimers().empty());
    EXPECT_EQ(ticks, 1);
}

}  // namespace
}  // namespace forms
