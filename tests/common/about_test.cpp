#include "common/about.h"

#include <gtest/gtest.h>

#include <string>

#include "forms/application.h"
#include "forms/headless/headless_backend.h"
#include "support/scripted_services.h"

namespace {

using common::About;
using common::AboutVariant;

// The box's settings, "Orlimar" / "Settings" / key.
std::string& Setting(test_support::ScriptedServices& services, const std::string& key) {
    return services.settings[test_support::ScriptedServices::SettingKey("Orlimar", "Settings", key)];
}

// The shell requests the box makes are recorded; the box does not care
// whether the shell managed.
test_support::ScriptedServices Quiet() {
    test_support::ScriptedServices services;
    services.shellSucceeds = false;
    return services;
}

constexpr const char* DefaultMail = "pavonel@orlimar.example";
constexpr const char* DefaultHomepage = "https://www.orlimar.example/pavonel/";

class AboutTest : public ::testing::Test {
protected:
    // Shows the box; while it is up, action runs, then OK is clicked unless
    // the action closed the box itself.
    void Show(About& about, const std::function<void(About&)>& action = {},
              forms::Form* bild = nullptr, const std::string& name = "Pavonel98") {
        backend.onModal = [&](forms::Form&) {
            if (action) action(about);
            if (about.Showing()) about.Command1.RaiseClick();
        };
        about.ShowAbout(name, bild);
    }

    forms::headless::Backend backend;
    forms::Application app{backend};
    test_support::ScriptedServices services = Quiet();
};

TEST_F(AboutTest, FirstShowWithoutSettingsStoresAndShowsTheDefaults) {
    About about(app, services, AboutVariant::Menu);
    std::string mailShown, netShown;
    Show(about, [&](About& a) {
        EXPECT_TRUE(a.Showing());
        mailShown = a.tbMail.Text();
        netShown = a.tbNet.Text();
    });
    EXPECT_EQ(Setting(services, "Email"), DefaultMail);
    EXPECT_EQ(Setting(services, "Homepage"), DefaultHomepage);
    EXPECT_EQ(mailShown, DefaultMail);
    EXPECT_EQ(netShown, DefaultHomepage);
    ASSERT_EQ(backend.modalCalls.size(), 1u);
    EXPECT_TRUE(backend.modalCalls[0].closed);
    EXPECT_FALSE(about.Showing());
    EXPECT_TRUE(about.Loaded());
}

TEST_F(AboutTest, OneMissingOrErrorSettingReplacesBoth) {
    struct Case {
        std::map<std::string, std::string> stored;
    };
    const Case cases[] = {
        {{{"Homepage", "http://other.example/"}}},
        {{{"Email", "me@other.example"}}},
        {{{"Email", "me@other.example"}, {"Homepage", "error"}}},
        {{{"Email", "error"}, {"Homepage", "http://other.example/"}}},
    };
    for (const auto& c : cases) {
        test_support::ScriptedServices scripted = Quiet();
        for (const auto& [key, value] : c.stored) Setting(scripted, key) = value;
        About about(app, scripted, AboutVariant::Editor);
        about.Load();
        EXPECT_EQ(Setting(scripted, "Email"), DefaultMail);
        EXPECT_EQ(Setting(scripted, "Homepage"), DefaultHomepage);
        EXPECT_EQ(about.MailAddress(), DefaultMail);
        EXPECT_EQ(about.HomepageAddress(), DefaultHomepage);
        EXPECT_EQ(about.tbNet.Text(), DefaultHomepage);
        about.Unload();
    }
}

TEST_F(AboutTest, StoredAddressesAreShownAndUsedByBothButtons) {
    Setting(services, "Email") = "info@kunde.example";
    Setting(services, "Homepage") = "http://kunde.example/";
    About about(app, services, AboutVariant::Editor);
    Show(about, [](About& a) {
        EXPECT_EQ(a.tbMail.Text(), "info@kunde.example");
        EXPECT_EQ(a.tbNet.Text(), "http://kunde.example/");
        a.cmdMail.RaiseClick();
        a.cmdNet.RaiseClick();
    });
    ASSERT_EQ(services.shellOpens.size(), 2u);
    EXPECT_EQ(services.shellOpens[0].file, "mailto:info@kunde.example");
    EXPECT_EQ(services.shellOpens[1].file, "http://kunde.example/");
    for (const auto& request : services.shellOpens) {
        EXPECT_EQ(request.owner, about.NativeHandle());
        EXPECT_EQ(request.parameters, "");
        EXPECT_EQ(request.verb, "Open");
        EXPECT_EQ(request.folder, "");
        EXPECT_EQ(request.state, os::WindowState::Normal);
    }
}

TEST_F(AboutTest, MenuMailCarriesTheSubjectAndVersionLinesDiffer) {
    About menu(app, services, AboutVariant::Menu);
    Show(menu, [](About& a) { a.cmdMail.RaiseClick(); });
    ASSERT_EQ(services.shellOpens.size(), 1u);
    EXPECT_EQ(services.shellOpens[0].file,
              std::string("mailto:") + DefaultMail + "&Betreff=Pavonel 2.11");
    EXPECT_EQ(menu.Version.Caption(), "Pavonel98 2.11");
    EXPECT_EQ(menu.Caption(), "About Pavonel98");

    About editor(app, services, AboutVariant::Editor);
    Show(editor, {}, nullptr, "Pavonel Admin 98");
    EXPECT_EQ(editor.Version.Caption(), "Pavonel Admin 98 2.1.1");
    EXPECT_EQ(editor.Caption(), "About Pavonel Admin 98");
}

TEST_F(AboutTest, OkHidesAndTheNextShowKeepsTheOldAddresses) {
    Setting(services, "Email") = "alt@one.example";
    Setting(services, "Homepage") = "http://one.example/";
    About about(app, services, AboutVariant::Menu);
    Show(about);
    const int readsAfterFirst = services.settingReads;
    Setting(services, "Email") = "neu@two.example";
    Setting(services, "Homepage") = "http://two.example/";
    Show(about, [](About& a) { a.cmdNet.RaiseClick(); });
    EXPECT_EQ(services.settingReads, readsAfterFirst);
    EXPECT_EQ(about.tbMail.Text(), "alt@one.example");
    ASSERT_EQ(services.shellOpens.size(), 1u);
    EXPECT_EQ(services.shellOpens[0].file, "http://one.example/");
    EXPECT_EQ(backend.modalCalls.size(), 2u);
}

TEST_F(AboutTest, ClosingThroughTheFrameUnloadsAndTheNextShowReloads) {
    Setting(services, "Email") = "alt@one.example";
    Setting(services, "Homepage") = "http://one.example/";
    About about(app, services, AboutVariant::Editor);
    Show(about, [](About& a) { a.RaiseCloseRequest(); });
    EXPECT_FALSE(about.Loaded());
    ASSERT_EQ(backend.modalCalls.size(), 1u);
    EXPECT_TRUE(backend.modalCalls[0].closed);

    Setting(services, "Email") = "neu@two.example";
    Show(about, [](About& a) { a.cmdMail.RaiseClick(); });
    EXPECT_EQ(about.tbMail.Text(), "neu@two.example");
    ASSERT_EQ(services.shellOpens.size(), 1u);
    EXPECT_EQ(services.shellOpens[0].file, "mailto:neu@two.example");
}

TEST_F(AboutTest, FieldsSelectAllOnFocusAndDiscardTyping) {
    About about(app, services, AboutVariant::Menu);
    Show(about, [&](About& a) {
        a.tbMail.SetFocus();
        EXPECT_EQ(backend.Focused(), &a.tbMail);
        EXPECT_EQ(a.tbMail.SelStart(), 0);
        EXPECT_EQ(a.tbMail.SelLength(), static_cast<int>(a.tbMail.Text().size()));
        a.tbNet.SetFocus();
        EXPECT_EQ(a.tbNet.SelLength(), static_cast<int>(a.tbNet.Text().size()));

        EXPECT_EQ(a.tbMail.RaiseKeyPress('x'), 0);
        EXPECT_EQ(a.tbNet.RaiseKeyPress('8'), 0);
        EXPECT_EQ(a.tbNet.RaiseKeyPress(8), 0);  // backspace too
        EXPECT_EQ(a.tbMail.Text(), DefaultMail);
        EXPECT_EQ(a.tbNet.Text(), DefaultHomepage);
        // A changed field text does not change what the buttons use.
        a.tbMail.SetText("typed@elsewhere.example");
        a.cmdMail.RaiseClick();
    });
    ASSERT_EQ(services.shellOpens.size(), 1u);
    EXPECT_EQ(services.shellOpens[0].file,
              std::string("mailto:") + DefaultMail + "&Betreff=Pavonel 2.11");
}

TEST_F(AboutTest, CallersIconIsShownAndKeptWithoutCaller) {
    forms::Form caller(app);
    const auto icon = forms::headless::Backend::MakePicture(32, 32, "caller-icon");
    caller.SetIcon(icon);
    About about(app, services, AboutVariant::Menu);
    Show(about, {}, &caller);
    EXPECT_EQ(about.Picture1.Picture(), icon);
    Show(about);  // no caller: the icon stays
    EXPECT_EQ(about.Picture1.Picture(), icon);
}

TEST_F(AboutTest, VariantsDifferInTheOkButtonAndMailFieldComesFirst) {
    About menu(app, services, AboutVariant::Menu);
    About editor(app, services, AboutVariant::Editor);
    EXPECT_EQ(menu.Command1.Width(), 1215);
    EXPECT_FALSE(menu.Command1.Default());
    EXPECT_EQ(editor.Command1.Width(), 1092);
    EXPECT_TRUE(editor.Command1.Default());
    // Both buttons end at the same right margin, at the top.
    EXPECT_EQ(menu.Command1.Left() + menu.Command1.Width(),
              editor.Command1.Left() + editor.Command1.Width());
    EXPECT_EQ(menu.ScaleWidth(), 7185);
    EXPECT_EQ(menu.ScaleHeight(), 3600);
    // The built-in picture is decoded when the box loads, not before: the
    // programs must not pay for it at their start.
    EXPECT_TRUE(menu.Picture2.Picture().Empty());
    Show(menu);
    EXPECT_EQ(menu.Picture2.Picture().WidthPixels(), 99);
    EXPECT_EQ(menu.Picture2.Picture().HeightPixels(), 227);

    // The first control that takes the focus is the e-mail field.
    forms::Control* first = nullptr;
    for (forms::Control* control : menu.Controls()) {
        if (control->TabStop()) {
            first = control;
            break;
        }
    }
    EXPECT_EQ(first, &menu.tbMail);
}

}  // namespace
