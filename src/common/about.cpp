#include "common/about.h"

#include "common/artwork.h"
#include "common/step.h"
#include "forms/application.h"
#include "kelvo_version.h"

namespace common {

namespace {

constexpr const char* SettingsApp = "Orlimar";
constexpr const char* SettingsSection = "Settings";
constexpr const char* MailKey = "Email";
constexpr const char* HomepageKey = "Homepage";
// What a missing setting reads as; a stored "error" counts as missing too.
constexpr const char* Missing = "error";

constexpr const char* DefaultMail = "pavonel@orlimar.example";
constexpr const char* DefaultHomepage = "https://www.orlimar.example/pavonel/";

constexpr forms::Color Grey = 0xC0C0C0;

// The version as the program shows it: the editor "2.1.1", the menu program
// "2.11" (the revision follows the minor number directly).
std::string VersionText(AboutVariant variant) {
    const std::string major = std::to_string(KELVO_VERSION_MAJOR);
    const std::string minor = std::to_string(KELVO_VERSION_MINOR);
    const std::string patch = std::to_string(KELVO_VERSION_PATCH);
    if (variant == AboutVariant::Editor) return major + "." + minor + "." + patch;
    return major + "." + minor + patch;
}

}  // namespace

About::About(forms::Application& app, os::Services& services, AboutVariant variant)
    : forms::Form(app),
      Picture1(*this),
      Picture2(*this),
      Version(*this),
      Label2(*this),
      Label4(*this),
      Label1(*this),
      Label5(*this),
      tbMail(*this),
      cmdMail(*this),
      Label3(*this),
      tbNet(*this),
      cmdNet(*this),
      Command1(*this),
      services_(services),
      variant_(variant) {
    SetName("About");
    SetBorderStyle(forms::BorderStyle::FixedDialog);
    SetMinButton(false);
    SetMaxButton(false);
    SetShowInTaskbar(false);
    SetCenterOnLoad(true);
    SetClientSize(7185, 3600);
    SetCaption("About ###");

    // The members are created in declaration order, which is the tab order:
    // tbMail is the first control that takes the focus.

    // Decorative picture at the left edge; it is larger than the area and
    // shows cut at its edges. Its picture comes with the box's loading.
    Picture2.SetName("Picture2");
    Picture2.SetBorder(false);
    Picture2.Move(0, 0, 1092, 2772);

    // The caller's icon, over the decorative picture near its top.
    Picture1.SetName("Picture1");
    Picture1.SetBorder(false);
    Picture1.Move((1092 - 480) / 2, 240, 480, 480);

    Version.SetName("Version");
    Version.Move(1320, 120, 4200, 300);
    Version.SetFont(forms::Font{"MS Sans Serif", 9.75, true});
    Version.SetCaption("###");

    Label2.SetName("Label2");
    Label2.Move(1320, 600, 4320, 255);
    Label2.SetCaption("CD-Startmenü für Windows");

    Label4.SetName("Label4");
    Label4.Move(1320, 900, 4320, 255);
    Label4.SetCaption("Copyright © Orlimar");

    Label1.SetName("Label1");
    Label1.Move(1320, 1560, 4800, 255);
    Label1.SetCaption("Weiter Informationen gibt es unter:");

    Label5.SetName("Label5");
    Label5.Move(1320, 2040, 975, 255);
    Label5.SetCaption("Email:");

    tbMail.SetName("tbMail");
    tbMail.Move(2400, 2000, 3840, 315);
    tbMail.SetBackColor(Grey);

    cmdMail.SetName("cmdMail");
    cmdMail.Move(6360, 2000, 705, 315);
    cmdMail.SetCaption("Go");

    Label3.SetName("Label3");
    Label3.Move(1320, 2520, 975, 255);
    Label3.SetCaption("Homepage:");

    tbNet.SetName("tbNet");
    tbNet.Move(2400, 2480, 3840, 315);
    tbNet.SetBackColor(Grey);

    cmdNet.SetName("cmdNet");
    cmdNet.Move(6360, 2480, 705, 315);
    cmdNet.SetCaption("Go");

    // "&OK" at the top right; only the editor's copy makes it the default
    // button, and its button is a little narrower.
    Command1.SetName("Command1");
    const forms::Twips okWidth = variant_ == AboutVariant::Editor ? 1092 : 1215;
    Command1.Move(7185 - 120 - okWidth, 120, okWidth, 372);
    Command1.SetCaption("&OK");
    if (variant_ == AboutVariant::Editor) Command1.SetDefault(true);

    Command1.Click = [this] { Command1_Click(); };
    cmdMail.Click = [this] { cmdMail_Click(); };
    cmdNet.Click = [this] { cmdNet_Click(); };
    tbMail.GotFocus = [this] { tbMail_GotFocus(); };
    tbNet.GotFocus = [this] { tbNet_GotFocus(); };
    tbMail.KeyPress = [this](int& KeyAscii) { tbMail_KeyPress(KeyAscii); };
    tbNet.KeyPress = [this](int& KeyAscii) { tbNet_KeyPress(KeyAscii); };
}

void About::ShowAbout(const std::string& AppName, forms::Form* Bild) {
    RunStep([&] { Load(); });
    RunStep([&] { SetCaption("About " + AppName); });
    RunStep([&] { Version.SetCaption(AppName + " " + VersionText(variant_)); });
    // Without a calling window the icon stays as it was.
    RunStep([&] {
        if (Bild) Picture1.SetPicture(Bild->Icon());
    });
    RunStep([&] { ShowModal(); });
}

void About::Form_Load() {
    // The window is centred on the screen by the load itself (CenterOnLoad).
    // The decorative picture is a GIF, which needs the system's picture
    // libraries: decoded now, when the box is first shown, never at the
    // program's start.
    if (Picture2.Picture().Empty()) {
        if (auto picture = App().LoadBuiltInPicture(
                {art::AboutPicture, art::AboutPicture150, art::AboutPicture200}))
            Picture2.SetPicture(*picture);
    }
    mailAddress_ = services_.GetSetting(SettingsApp, SettingsSection, MailKey, Missing);
    homepageAddress_ = services_.GetSetting(SettingsApp, SettingsSection, HomepageKey, Missing);
    if (mailAddress_ == Missing || homepageAddress_ == Missing) {
        // One missing address is enough to store both defaults, so that the
        // two settings always belong together.
        services_.SaveSetting(SettingsApp, SettingsSection, MailKey, DefaultMail);
        services_.SaveSetting(SettingsApp, SettingsSection, HomepageKey, DefaultHomepage);
        mailAddress_ = DefaultMail;
        homepageAddress_ = DefaultHomepage;
    }
    tbMail.SetText(mailAddress_);
    tbNet.SetText(homepageAddress_);
}

void About::Form_QueryUnload(bool& cancel, forms::UnloadMode mode) {
    // Closing through the frame unloads the box; the next ShowAbout loads it
    // afresh and reads the settings again. Nothing here cancels.
    (void)cancel;
    (void)mode;
}

void About::Command1_Click() { Hide(); }

void About::cmdMail_Click() {
    std::string address = "mailto:" + mailAddress_;
    if (variant_ == AboutVariant::Menu) address += "&Betreff=Pavonel " + VersionText(variant_);
    services_.ShellOpen(NativeHandle(), address, "", "Open", "", os::WindowState::Normal);
}

void About::cmdNet_Click() {
    services_.ShellOpen(NativeHandle(), homepageAddress_, "", "Open", "",
                        os::WindowState::Normal);
}

void About::tbMail_GotFocus() {
    tbMail.SetSelection(0, static_cast<int>(tbMail.Text().size()));
}

void About::tbNet_GotFocus() { tbNet.SetSelection(0, static_cast<int>(tbNet.Text().size())); }

void About::tbMail_KeyPress(int& KeyAscii) { KeyAscii = 0; }

void About::tbNet_KeyPress(int& KeyAscii) { KeyAscii = 0; }

}  // namespace common
