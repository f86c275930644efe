// The About box both programs show: program name and version, the calling
// window's icon, and the maker's e-mail and homepage addresses from the
// per-user settings, each with a "Go" button.
#pragma once

#include <optional>
#include <string>

#include "forms/controls.h"
#include "forms/form.h"
#include "os/services.h"

namespace common {

// The differences between the copies of the two programs.
enum class AboutVariant { Menu, Editor };

class About : public forms::Form {
public:
    About(forms::Application& app, os::Services& services, AboutVariant variant);

    // Shows the box modally with the program name; bild is the calling
    // window whose icon the box shows (none: the icon stays as it was).
    void ShowAbout(const std::string& AppName, forms::Form* Bild = nullptr);

    // The icon comes before the picture it lies on: the control created
    // first is on top of overlapping later ones.
    forms::PictureBox Picture1;
    forms::PictureBox Picture2;
    forms::Label Version;
    forms::Label Label2;
    forms::Label Label4;
    forms::Label Label1;
    forms::Label Label5;
    forms::TextBox tbMail;
    forms::CommandButton cmdMail;
    forms::Label Label3;
    forms::TextBox tbNet;
    forms::CommandButton cmdNet;
    forms::CommandButton Command1;

    // The addresses the "Go" buttons use, read when the box is loaded.
    const std::string& MailAddress() const { return mailAddress_; }
    const std::string& HomepageAddress() const { return homepageAddress_; }

    void Form_Load() override;
    void Form_QueryUnload(bool& cancel, forms::UnloadMode mode) override;
    void Command1_Click();
    void cmdMail_Click();
    void cmdNet_Click();
    void tbMail_GotFocus();
    void tbNet_GotFocus();
    void tbMail_KeyPress(int& KeyAscii);
    void tbNet_KeyPress(int& KeyAscii);

private:
    os::Services& services_;
    AboutVariant variant_;
    std::string mailAddress_;
    std::string homepageAddress_;
};

}  // namespace common
