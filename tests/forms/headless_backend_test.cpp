// What the headless backend records and answers for the tests of the programs.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "forms/application.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/headless/headless_backend.h"
#include "forms/platform.h"

namespace forms {
namespace {

class HeadlessBackendTest : public ::testing::Test {
protected:
    headless::Backend backend;
    Application app{backend};
    Form form{app};
};

TEST_F(HeadlessBackendTest, PlatformBackendIsHeadless) {
    const auto platform = MakePlatformBackend();
    EXPECT_NE(dynamic_cast<headless::Backend*>(platform.get()), nullptr);
}

TEST_F(HeadlessBackendTest, MessageBoxesAreRecordedAndAnsweredFromTheQueue) {
    backend.msgBoxAnswers = {mb::Yes, mb::Cancel};
    EXPECT_EQ(app.MsgBox("Speichern?", mb::YesNoCancel + mb::Question, "Admin"), mb::Yes);
    EXPECT_EQ(app.MsgBox("Wirklich?", mb::YesNoCancel, "Admin"), mb::Cancel);
    EXPECT_EQ(app.MsgBox("Fertig", mb::Information, "Kelvo"), mb::Ok);  // queue empty

    ASSERT_EQ(backend.messageBoxes.size(), 3u);
    EXPECT_EQ(backend.messageBoxes[0].text, "Speichern?");
    EXPECT_EQ(backend.messageBoxes[0].style, mb::YesNoCancel + mb::Question);
    EXPECT_EQ(backend.messageBoxes[2].title, "Kelvo");
}

TEST_F(HeadlessBackendTest, EndOnlySetsTheFlagAndRunReturns) {
    form.Show();
    app.Run();
    app.End();
    EXPECT_TRUE(backend.ended);
    EXPECT_EQ(backend.runCalls, 1);
    EXPECT_TRUE(form.Loaded());  // no unload handler runs
}

TEST_F(HeadlessBackendTest, FocusMovesOnSetFocusWithOneGotFocusEach) {
    TextBox first(form), second(form);
    int firstFocus = 0, secondFocus = 0;
    first.GotFocus = [&] { ++firstFocus; };
    second.GotFocus = [&] { ++secondFocus; };

    first.SetFocus();  // not loaded: no peer, nothing happens
    EXPECT_EQ(backend.Focused(), nullptr);

    form.Show();
    first.SetFocus();
    first.SetFocus();  // already focused
    second.SetFocus();
    EXPECT_EQ(backend.Focused(), &second);
    EXPECT_EQ(firstFocus, 1);
    EXPECT_EQ(secondFocus, 1);

    first.SetEnabled(false);
    first.SetFocus();
    EXPECT_EQ(backend.Focused(), &second);

    form.Unload();
    EXPECT_EQ(backend.Focused(), nullptr);
}

TEST_F(HeadlessBackendTest, PersistentSurfaceRecordsDrawsUntilClsOrUnload) {
    PictureBox box(form);
    const Picture tile = headless::Backend::MakePicture(32, 32, "tile");
    form.PaintPicture(tile, 0, 0);  // not loaded: nowhere to draw
    EXPECT_TRUE(headless::Backend::DrawCalls(form).empty());

    form.Load();
    form.PaintPicture(tile, 0, 0);
    form.PaintPicture(tile, 480, 0);
    form.PaintPicture(Picture(), 960, 0);  // an empty picture draws nothing
    box.PaintPicture(tile, 15, 30);

    const auto draws = headless::Backend::DrawCalls(form);
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_EQ(draws[1].picture, tile);
    EXPECT_EQ(draws[1].x, 480);
    EXPECT_EQ(draws[1].y, 0);
    EXPECT_EQ(headless::Backend::DrawCalls(box).size(), 1u);

    form.Cls();
    EXPECT_TRUE(headless::Backend::DrawCalls(form).empty());
    EXPECT_EQ(headless::Backend::DrawCalls(box).size(), 1u);

    form.PaintPicture(tile, 0, 0);
    form.Unload();
    form.Load();
    EXPECT_TRUE(headless::Backend::DrawCalls(form).empty());
}

TEST_F(HeadlessBackendTest, ShellIconIsAnsweredByTheTestAndRecorded) {
    EXPECT_FALSE(backend.ShellIcon("C:\\setup.exe", true, 0xC0C0C0).has_value());

    backend.shellIcon = [](const std::string& path, bool small) -> std::optional<Picture> {
        if (path != "C:\\setup.exe") return std::nullopt;
        return headless::Backend::MakePicture(small ? 17 : 33, small ? 17 : 33,
                                              (small ? "shell-small:" : "shell-large:") + path);
    };
    const auto icon = backend.ShellIcon("C:\\setup.exe", true, 0xC0C0C0);
    ASSERT_TRUE(icon.has_value());
    EXPECT_EQ(icon->WidthPixels(), 17);
    EXPECT_EQ(icon->Data()->source, "shell-small:C:\\setup.exe");
    EXPECT_FALSE(backend.ShellIcon("C:\\fehlt.exe", false, 0).has_value());

    ASSERT_EQ(backend.shellIconCalls.size(), 3u);
    EXPECT_TRUE(backend.shellIconCalls[1].small);
    EXPECT_EQ(backend.shellIconCalls[1].background, 0xC0C0C0u);
}

TEST_F(HeadlessBackendTest, TimersTickInSimulatedTimeAndRestartWhenChanged) {
    Timer splash(form), fast(form);
    int splashTicks = 0, fastTicks = 0;
    splash.Tick = [&] { ++splashTicks; };
    fast.Tick = [&] { ++fastTicks; };
    splash.SetInterval(2000);
    fast.SetInterval(50);
    form.Load();

    backend.AdvanceTime(1999);
    EXPECT_EQ(splashTicks, 0);
    EXPECT_EQ(fastTicks, 39);
    backend.AdvanceTime(1);
    EXPECT_EQ(splashTicks, 1);

    splash.SetInterval(2000);  // restarts the count
    backend.AdvanceTime(1999);
    EXPECT_EQ(splashTicks, 1);
}

TEST_F(HeadlessBackendTest, ATickThatUnloadsItsFormStopsAllItsTimers) {
    Timer first(form), second(form);
    int secondTicks = 0;
    first.Tick = [&] { form.Unload(); };
    second.Tick = [&] { ++secondTicks; };
    first.SetInterval(100);
    second.SetInterval(100);
    form.Load();

    backend.FireTimers();
    EXPECT_FALSE(form.Loaded());
    EXPECT_EQ(secondTicks, 0);
    backend.AdvanceTime(500);
    EXPECT_EQ(secondTicks, 0);
}

TEST_F(HeadlessBackendTest, MeasureTextUsesTheDocumentedApproximation) {
    Font font;  // MS Sans Serif 8
    EXPECT_EQ(backend.MeasureText(font, "", 0).width, 0);
    EXPECT_EQ(backend.MeasureText(font, "", 0).height, 192);
    EXPECT_EQ(backend.MeasureText(font, "Über", 0).width, 4 * 80);  // characters, not bytes
    const TextSize twoLines = backend.MeasureText(font, "ab\r\nabcd", 0);
    EXPECT_EQ(twoLines.width, 4 * 80);
    EXPECT_EQ(twoLines.height, 2 * 192);

    font.Bold = true;
    font.Size = 9.75;
    EXPECT_EQ(backend.MeasureText(font, "ab", 0).width, 2 * 107);
    EXPECT_EQ(backend.MeasureText(font, "ab", 0).height, 234);
}

TEST_F(HeadlessBackendTest, MeasureTextWrapsAtBlanksWithinTheWidth) {
    Font font;
    const TextSize wrapped = backend.MeasureText(font, "eins zwei drei", 9 * 80);
    EXPECT_EQ(wrapped.width, 9 * 80);  // "eins zwei" / "drei"
    EXPECT_EQ(wrapped.height, 2 * 192);
    // A word wider than the width stands alone on its line.
    const TextSize longWord = backend.MeasureText(font, "a Donaudampfschiff b", 5 * 80);
    EXPECT_EQ(longWord.width, 16 * 80);
    EXPECT_EQ(longWord.height, 3 * 192);
    EXPECT_EQ(backend.MeasureText(font, "eins zwei", 100 * 80).height, 192);
}

TEST_F(HeadlessBackendTest, ScreenAndFrameMetrics) {
    EXPECT_EQ(app.TwipsPerPixelX(), 15);
    EXPECT_EQ(app.TwipsPerPixelY(), 15);
    EXPECT_EQ(app.ScreenWidth(), 1024 * 15);
    EXPECT_EQ(app.ScreenHeight(), 768 * 15);

    form.SetBorderStyle(BorderStyle::Sizable);
    EXPECT_EQ(backend.FrameSize(form).width, 8 * 15);
    EXPECT_EQ(backend.FrameSize(form).height, 27 * 15);
    form.SetBorderStyle(BorderStyle::FixedDialog);
    form.SetTitleBar(false);
    EXPECT_EQ(backend.FrameSize(form).width, 6 * 15);
    EXPECT_EQ(backend.FrameSize(form).height, 6 * 15);
    form.SetBorderStyle(BorderStyle::None);
    EXPECT_EQ(backend.FrameSize(form).width, 0);
    EXPECT_EQ(backend.FrameSize(form).height, 0);
}

}  // namespace
}  // namespace forms
