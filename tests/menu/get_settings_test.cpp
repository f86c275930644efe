// Reading the project file at start and fitting the menu window to it.
#include "common/step.h"
#include "menu_fixture.h"

namespace menu::testing {
namespace {

constexpr forms::Color DesignBack = 8421376;
constexpr forms::Color DesignCaption = 8454143;
constexpr forms::Twips FullOuterWidth = 9525 + 90;  // headless frame: 3 px each side

TEST_F(MenuTest, MissingProjectFileGivesOneEmptyEntryInDefaults) {
    Start();
    EXPECT_EQ(main.IniPath, "D:\\menu\\kelvo.ini");
    EXPECT_EQ(main.AppDrive, "D:");
    EXPECT_EQ(main.Caption(), "Orlimar - Pavonel");
    EXPECT_EQ(VisibleEntries(), 1);
    EXPECT_TRUE(main.cmdItem[0].Visible());
    EXPECT_EQ(main.lblItem[0].Caption(), "");
    EXPECT_FALSE(main.DefaultPic.Picture().Empty());
    EXPECT_EQ(main.cmdItem[0].Picture(), main.DefaultPic.Picture());
    EXPECT_EQ(main.Width(), 6000);
    EXPECT_EQ(main.BackColor(), DesignBack);
    EXPECT_EQ(main.lblItem[0].ForeColor(), DesignCaption);
    EXPECT_EQ(main.lblItem[0].Font(), forms::Font{});
    EXPECT_EQ(main.ItemForeColor, DesignCaption);
    EXPECT_EQ(main.ItemHighColor, 8388608u);
    EXPECT_TRUE(Messages().empty());
    EXPECT_FALSE(main.SplashReady);
    EXPECT_FALSE(splash.Loaded());
    EXPECT_FALSE(wait.Loaded());
    EXPECT_TRUE(main.Showing());
    EXPECT_EQ(backend.Focused(), &main.cmdInfo);
    EXPECT_EQ(main.DefaultButton(), &main.cmdInfo);
}

TEST_F(MenuTest, WaitWindowStandsOnTopWhileTheFileIsRead) {
    bool checked = false;
    services.onProfileRead = [&] {
        if (checked) return;
        checked = true;
        EXPECT_TRUE(wait.Showing());
        EXPECT_TRUE(wait.TopMost());
        ASSERT_NE(forms::headless::Backend::PeerOf(wait), nullptr);
        EXPECT_GE(forms::headless::Backend::PeerOf(wait)->RefreshCount(), 1);
    };
    Start();
    EXPECT_TRUE(checked);
    EXPECT_FALSE(wait.Loaded());
}

TEST_F(MenuTest, ProjectFileBesideTheProgramInRootOrFolder) {
    services.programFolder = "D:\\";
    WriteProject("[General]\nName=Wurzel\n");
    Start();
    EXPECT_EQ(main.IniPath, "D:\\kelvo.ini");
    EXPECT_EQ(main.AppDrive, "D:");
    EXPECT_EQ(main.Caption(), "Orlimar - Wurzel");
}

struct ItemsCase {
    const char* items;
    int visible;
    bool narrow;
};

class ItemsLayout : public MenuTest, public ::testing::WithParamInterface<ItemsCase> {};

TEST_P(ItemsLayout, HidesUnusedPlacesAndNarrowsForOneColumn) {
    std::string ini = std::string("[General]\nItems=") + GetParam().items + "\n";
    for (int n = 1; n <= 12; ++n)
        ini += "[Item" + std::to_string(n) + "]\ntxt=Eintrag " + std::to_string(n) + "\n";
    WriteProject(ini);
    Start();
    EXPECT_EQ(VisibleEntries(), GetParam().visible);
    for (int i = 0; i < GetParam().visible; ++i) {
        EXPECT_TRUE(main.cmdItem[i].Visible());
        EXPECT_EQ(main.lblItem[i].Caption(), "Eintrag " + std::to_string(i + 1));
    }
    EXPECT_EQ(main.Width(), GetParam().narrow ? 6000 : FullOuterWidth);
    EXPECT_EQ(main.lblDesc.Width(), GetParam().narrow ? 5900 : 9255);
    EXPECT_EQ(main.Left(), (backend.ScreenWidth() - FullOuterWidth) / 2)
        << "narrows from the right";
}

INSTANTIATE_TEST_SUITE_P(Counts, ItemsLayout,
                         ::testing::Values(ItemsCase{"0", 0, true}, ItemsCase{"1", 1, true},
                                           ItemsCase{"5", 5, true}, ItemsCase{"6", 6, false},
                                           ItemsCase{"10", 10, false}, ItemsCase{"25", 10, false},
                                           ItemsCase{"-5", 0, true}, ItemsCase{"2x", 2, true},
                                           ItemsCase{"", 0, true}));

TEST_F(MenuTest, SixthEntryStandsAtTheTopOfTheRightColumn) {
    WriteProject("[General]\nItems=6\n[Item6]\ntxt=Rechts\n");
    Start();
    EXPECT_EQ(main.cmdItem[5].Left(), 4800);
    EXPECT_EQ(main.cmdItem[5].Top(), 240);
    EXPECT_EQ(main.lblItem[5].Left(), 5400);
    EXPECT_EQ(main.lblItem[5].Caption(), "Rechts");
}

TEST_F(MenuTest, FontSizeZeroKeepsTheSizeButSetsNameAndColour) {
    WriteProject("[General]\nItems=2\nFontSize=0\nFont=Arial\nForeColor=255\n");
    Start();
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(main.lblItem[i].Font().Size, 8);
        EXPECT_EQ(main.lblItem[i].Font().Name, "Arial");
        EXPECT_EQ(main.lblItem[i].ForeColor(), 255u);
    }
    EXPECT_EQ(main.lblItem[2].Font().Name, "MS Sans Serif") << "unused places stay as designed";
    EXPECT_EQ(main.lblDesc.Font().Name, "Arial");
    EXPECT_EQ(main.lblDesc.ForeColor(), 255u);
}

TEST_F(MenuTest, FontSizesAreCutToTwoDigitsAndBadSizesSkipped) {
    WriteProject("[General]\nItems=1\nFontSize=120\nFont=Arial\n");
    Start();
    EXPECT_EQ(main.lblItem[0].Font().Size, 12);
    EXPECT_EQ(main.lblDesc.Font().Size, 8) << "the description keeps its size";

    for (const char* bad : {"-5", "ab", "x1"}) {
        frmMain other(app, services, about, wait, splash);
        WriteProject(std::string("[General]\nItems=1\nFont=Arial\nFontSize=") + bad + "\n");
        other.GetSettings();
        EXPECT_EQ(other.lblItem[0].Font().Size, 8) << bad;
        EXPECT_EQ(other.lblItem[0].Font().Name, "Arial") << bad;
    }
}

TEST_F(MenuTest, ForeColorThatIsNoWholeNumberKeepsDesignColours) {
    WriteProject("[General]\nItems=2\nForeColor=255abc\nHighColor=4294967296\n");
    Start();
    EXPECT_EQ(main.lblItem[0].ForeColor(), DesignCaption);
    EXPECT_EQ(main.ItemForeColor, 0u);
    EXPECT_EQ(main.ItemHighColor, 0u) << "beyond 32 bits the step is skipped";
    EXPECT_EQ(main.lblDesc.ForeColor(), 255u) << "the description takes the leading number";
}

TEST_F(MenuTest, ColoursBeyondThirtyTwoBitsAreSkipped) {
    WriteProject("[General]\nForeColor=9999999999\nBackColor=9999999999\nColorPic=True\n");
    Start();
    EXPECT_EQ(main.lblItem[0].ForeColor(), DesignCaption);
    EXPECT_EQ(main.lblDesc.ForeColor(), DesignCaption);
    EXPECT_EQ(main.ItemForeColor, 0u);
    EXPECT_EQ(main.BackColor(), DesignBack);
}

TEST_F(MenuTest, BackColorZeroKeepsTheDesignColour) {
    WriteProject("[General]\nBackColor=0\nColorPic=True\n");
    Start();
    EXPECT_EQ(main.BackColor(), DesignBack);
}

struct ColorPicCase {
    const char* value;
    bool plainColour;
};

class ColorPicChoice : public MenuTest, public ::testing::WithParamInterface<ColorPicCase> {};

TEST_P(ColorPicChoice, SelectsColourOrPicture) {
    WriteProject(std::string("[General]\nName=Test\nBackColor=255 Rot\n"
                             "BackgroundPic=\\pics\\back.bmp\nColorPic=") +
                 GetParam().value + "\n");
    Start();
    if (GetParam().plainColour) {
        EXPECT_EQ(main.BackColor(), 255u);
        EXPECT_TRUE(Messages().empty());
    } else {
        EXPECT_EQ(main.BackColor(), DesignBack);
        ASSERT_EQ(Messages().size(), 1u);
        EXPECT_EQ(Messages()[0].text, "Hintergrundbild 'D:\\pics\\back.bmp' nicht gefunden!");
        EXPECT_EQ(Messages()[0].title, "Orlimar - Test");
        EXPECT_EQ(Messages()[0].style, forms::mb::Information);
    }
}

INSTANTIATE_TEST_SUITE_P(Values, ColorPicChoice,
                         ::testing::Values(ColorPicCase{"True", true}, ColorPicCase{"true", true},
                                           ColorPicCase{"1", true}, ColorPicCase{"False", false},
                                           ColorPicCase{"0", false}, ColorPicCase{"Ja", false}));

TEST_F(MenuTest, EntryValuesGoIntoTheControlsWithTheDrive) {
    services.programFolder = "E:\\menu";
    WriteProject("[General]\nItems=2\n[Item1]\nCommand=\\setup.exe /s\nDesc=Installiert\n"
                 "txt=Setup\n[Item2]\ncommand=docs\\liesmich.txt\n");
    Start();
    EXPECT_EQ(main.lblItem[0].Caption(), "Setup");
    EXPECT_EQ(main.lblItem[0].Tag, "Installiert");
    EXPECT_EQ(main.cmdItem[0].Tag, "E:\\setup.exe /s");
    EXPECT_EQ(main.cmdItem[1].Tag, "docs\\liesmich.txt") << "relative paths stay as they are";
}

TEST_F(MenuTest, MissingSplashPictureIsReportedWithTheDrive) {
    WriteProject("[General]\nName=Test\nSplashPic=\\splash.bmp\n");
    Start();
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text, "Grafik 'D:\\splash.bmp' konnt nicht gefunden werden!");
    EXPECT_EQ(Messages()[0].title, "Orlimar - Test");
    EXPECT_EQ(Messages()[0].style, forms::mb::Information);
    EXPECT_FALSE(main.SplashReady);
    EXPECT_FALSE(splash.Loaded());
    EXPECT_TRUE(main.Showing());
}

}  // namespace
}  // namespace menu::testing
