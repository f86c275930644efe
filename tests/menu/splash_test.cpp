// The splash window: on top at once, sized to its picture, gone after its tick.
#include "menu_fixture.h"

namespace menu::testing {
namespace {

TEST_F(MenuTest, SplashComesUpOnTopSizedToItsPictureAndGoesAfterItsTick) {
    const std::string picture = WriteBmp("splash.bmp", 300, 100);
    WriteProject("[General]\nSplashPic=" + picture + "\n");
    Start();
    EXPECT_TRUE(main.SplashReady);
    ASSERT_TRUE(splash.Loaded());
    EXPECT_TRUE(splash.Showing());
    EXPECT_TRUE(splash.TopMost());
    EXPECT_TRUE(splash.picSplash.Visible());
    EXPECT_EQ(splash.Width(), 300 * 15);
    EXPECT_EQ(splash.Height(), 100 * 15);
    // The top-left corner stays where the design-size window was centred.
    EXPECT_EQ(splash.Left(), (backend.ScreenWidth() - 6975) / 2);
    EXPECT_EQ(splash.Top(), (backend.ScreenHeight() - 1515) / 2);
    EXPECT_FALSE(wait.Loaded());
    EXPECT_TRUE(main.Showing());
    ASSERT_EQ(backend.RunningTimers().size(), 1u);
    EXPECT_EQ(backend.RunningTimers()[0]->Interval(), 2000);

    backend.FireTimers();
    EXPECT_FALSE(splash.Loaded());
    EXPECT_TRUE(main.Loaded());
    EXPECT_TRUE(backend.RunningTimers().empty());
}

TEST_F(MenuTest, SplashThatCannotBeLoadedStillOpensAtDesignSize) {
    const std::string picture = WriteFile("splash.bmp", "kein Bild");
    WriteProject("[General]\nSplashPic=" + picture + "\n");
    Start();
    EXPECT_FALSE(main.SplashReady);
    ASSERT_TRUE(splash.Showing());
    EXPECT_TRUE(splash.TopMost());
    EXPECT_FALSE(splash.picSplash.Visible());
    EXPECT_EQ(splash.ScaleWidth(), 6975);
    EXPECT_EQ(splash.ScaleHeight(), 1515);
    EXPECT_TRUE(Messages().empty());
    backend.FireTimers();
    EXPECT_FALSE(splash.Loaded());
}

TEST_F(MenuTest, ClosingTheMenuWhileTheSplashIsUpClosesIt) {
    WriteProject("[General]\nSplashPic=" + WriteBmp("splash.bmp", 10, 10) + "\n");
    Start();
    ASSERT_TRUE(splash.Showing());
    main.RaiseCloseRequest();
    EXPECT_FALSE(splash.Loaded());
    EXPECT_TRUE(backend.RunningTimers().empty());
}

TEST_F(MenuTest, WinTopKeepsOnlyForTheTextOne) {
    wait.Load();
    EXPECT_TRUE(wait.TopMost());
    EXPECT_TRUE(wait.Showing());
    for (const char* text : {"0", "", "11", "True"}) {
        wait.WinTop("1");
        wait.WinTop(text);
        EXPECT_FALSE(wait.TopMost()) << text;
    }
}

}  // namespace
}  // namespace menu::testing
