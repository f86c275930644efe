// Pointing at and choosing entries, the fixed buttons, closing the window.
#include "menu/shell_command.h"
#include "menu_fixture.h"

namespace menu::testing {
namespace {

constexpr forms::Color Fore = 100;
constexpr forms::Color High = 200;

class Interaction : public MenuTest {
protected:
    void SetUp() override {
        WriteProject("[General]\nName=Test\nItems=3\nForeColor=100\nHighColor=200\n"
                     "[Item1]\ndesc=Eins\n[Item2]\ndesc=Zwei\n[Item3]\ndesc=Drei\n");
        Start();
    }
    void Over(forms::Control& control) { control.RaiseMouseMove({}); }
    void ExpectHighlighted(int index, const std::string& desc) {
        for (int i = 0; i < frmMain::ItemCount; ++i)
            EXPECT_EQ(main.lblItem[i].ForeColor(), i == index ? High : Fore) << "caption " << i;
        EXPECT_EQ(main.lblDesc.Caption(), desc);
    }
};

TEST_F(Interaction, PointingHighlightsUntilTheBackgroundIsCrossed) {
    Over(main.cmdItem[1]);
    ExpectHighlighted(1, "Zwei");
    EXPECT_EQ(main.DefaultButton(), &main.cmdItem[1]);

    Over(main.lblItem[2]);  // straight onto entry 3 by its caption
    ExpectHighlighted(2, "Drei");
    EXPECT_EQ(main.DefaultButton(), &main.cmdItem[2]);

    Over(main.cmdItem[1]);  // back onto entry 2, whose flag is still set
    ExpectHighlighted(2, "Drei");
    EXPECT_TRUE(main.ItemHot[1]);

    Over(main);
    ExpectHighlighted(-1, "");
    for (bool hot : main.ItemHot) EXPECT_FALSE(hot);
    EXPECT_EQ(main.DefaultButton(), &main.cmdItem[2]) << "the background leaves the default";

    Over(main.cmdItem[1]);
    ExpectHighlighted(1, "Zwei");
}

TEST_F(Interaction, DefaultButtonFollowsTheMouseOverTheFixedButtons) {
    Over(main.cmdItem[0]);
    for (forms::CommandButton* button : {&main.cmdExplore, &main.cmdEnd, &main.cmdInfo}) {
        Over(*button);
        EXPECT_EQ(main.DefaultButton(), button);
        EXPECT_TRUE(button->Default());
    }
    ExpectHighlighted(0, "Eins");
}

TEST_F(Interaction, UnconvertedForeColorTurnsOtherCaptionsBlack) {
    frmMain other(app, services, about, wait, splash);
    WriteProject("[General]\nItems=2\nForeColor=gelb\nHighColor=200\n");
    other.GetSettings();
    other.cmdItem[1].RaiseMouseMove({});
    EXPECT_EQ(other.lblItem[0].ForeColor(), 0u);
    EXPECT_EQ(other.lblItem[1].ForeColor(), High);
}

TEST_F(Interaction, FixedButtons) {
    main.cmdExplore.RaiseClick();
    ASSERT_EQ(services.shellOpens.size(), 1u);
    const ShellOpenCall& call = services.shellOpens[0];
    EXPECT_EQ(call.owner, main.NativeHandle());
    EXPECT_EQ(call.file, "explorer");
    EXPECT_EQ(call.parameters, "/n,/e,D:");
    EXPECT_EQ(call.verb, "");
    EXPECT_EQ(call.folder, "");
    EXPECT_EQ(call.state, os::WindowState::Normal);

    main.cmdInfo.RaiseClick();
    ASSERT_EQ(backend.modalCalls.size(), 1u);
    EXPECT_EQ(backend.modalCalls[0].form, &about);
    EXPECT_EQ(about.Caption(), "About Pavonel98");

    main.cmdEnd.RaiseClick();
    EXPECT_TRUE(backend.ended);
    EXPECT_TRUE(main.Loaded()) << "ending runs no unload handler";
}

TEST_F(Interaction, ClosingTheWindowUnloadsAboutAndSplash) {
    about.Load();
    splash.Load();
    ASSERT_TRUE(about.Loaded() && splash.Loaded());
    main.RaiseCloseRequest();
    EXPECT_FALSE(main.Loaded());
    EXPECT_FALSE(about.Loaded());
    EXPECT_FALSE(splash.Loaded());
    EXPECT_TRUE(app.LoadedForms().empty());
}

class Launch : public Interaction {
protected:
    // Runs the command through entry 1's button and returns what the shell
    // was asked to open, or the message shown instead.
    std::string Choose(const std::string& command, bool byCaption = false) {
        main.cmdItem[0].Tag = command;
        services.shellOpens.clear();
        backend.messageBoxes.clear();
        (byCaption ? static_cast<forms::Control&>(main.lblItem[0]) : main.cmdItem[0]).RaiseClick();
        if (!Messages().empty()) {
            EXPECT_EQ(Messages().size(), 1u);
            EXPECT_EQ(Messages()[0].title, "Orlimar - Test");
            EXPECT_EQ(Messages()[0].style, forms::mb::Information);
            EXPECT_TRUE(services.shellOpens.empty());
            return "message: " + Messages()[0].text;
        }
        EXPECT_EQ(services.shellOpens.size(), 1u);
        if (services.shellOpens.empty()) return "nothing";
        const ShellOpenCall& call = services.shellOpens[0];
        EXPECT_EQ(call.verb, "");
        EXPECT_EQ(call.folder, "");
        EXPECT_EQ(call.state, os::WindowState::Normal);
        return "open: [" + call.file + "] [" + call.parameters + "]";
    }
};

TEST_F(Launch, SplitsAtTheFirstBlankKeepingItInTheParameters) {
    services.existing = {"E:\\setup.exe", "D:\\docs"};
    EXPECT_EQ(Choose("E:\\setup.exe /s"), "open: [E:\\setup.exe] [ /s]");
    EXPECT_EQ(Choose("E:\\setup.exe"), "open: [E:\\setup.exe] []");
    EXPECT_EQ(Choose("D:\\docs", true), "open: [D:\\docs] []");
    EXPECT_EQ(Choose("E:\\fehlt.exe -x"), "message: Datei 'E:\\fehlt.exe' nicht gefunden!");
    EXPECT_EQ(Choose(""), "message: Datei '' nicht gefunden!");
}

TEST_F(Launch, AddressesGoToTheShellWithoutExistenceTest) {
    for (const std::string address :
         {"HTTP://example.org/", "http://example.org/a b", "ftp://example.org/x",
          "Mailto:info@example.org"}) {
        services.existenceQueries.clear();
        const auto blank = address.find(' ');
        const std::string file = blank == std::string::npos ? address : address.substr(0, blank);
        const std::string parameters = blank == std::string::npos ? "" : address.substr(blank);
        EXPECT_EQ(Choose(address), "open: [" + file + "] [" + parameters + "]");
        EXPECT_TRUE(services.existenceQueries.empty()) << address;
    }
}

TEST_F(Launch, PathsWithBlanks) {
    services.existing = {"D:\\Programme\\Mein Spiel\\spiel.exe"};
    EXPECT_EQ(Choose("\"D:\\Programme\\Mein Spiel\\spiel.exe\" /voll"),
              "open: [D:\\Programme\\Mein Spiel\\spiel.exe] [ /voll]");
    EXPECT_EQ(Choose("D:\\Programme\\Mein Spiel\\spiel.exe"),
              "open: [D:\\Programme\\Mein Spiel\\spiel.exe] []");
    EXPECT_EQ(Choose("\"D:\\Programme\\Kein Spiel\\spiel.exe\""),
              "message: Datei 'D:\\Programme\\Kein Spiel\\spiel.exe' nicht gefunden!");
    // Not a whole existing path and not quoted: the first word, as always.
    EXPECT_EQ(Choose("D:\\Programme\\Mein Spiel\\spiel.exe /voll"),
              "message: Datei 'D:\\Programme\\Mein' nicht gefunden!");
    EXPECT_EQ(Choose("\"\""), "message: Datei '' nicht gefunden!");
}

TEST_F(MenuTest, TabOrderRunsThroughEntriesThenFixedButtons) {
    std::vector<const forms::Control*> tabStops;
    for (const forms::Control* control : main.Controls())
        if (control->TabStop()) tabStops.push_back(control);
    std::vector<const forms::Control*> expected;
    for (int i = 0; i < frmMain::ItemCount; ++i) expected.push_back(&main.cmdItem[i]);
    expected.insert(expected.end(), {&main.cmdExplore, &main.cmdInfo, &main.cmdEnd});
    EXPECT_EQ(tabStops, expected);
}

TEST(SplitCommand, QuoteWithoutItsPartnerTakesTheRestAsFile) {
    const auto none = [](const std::string&) { return false; };
    const ShellCommand split = SplitCommand("\"D:\\a b.exe /s", none);
    EXPECT_EQ(split.file, "D:\\a b.exe /s");
    EXPECT_EQ(split.parameters, "");
}

}  // namespace
}  // namespace menu::testing
