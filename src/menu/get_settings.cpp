// GetSettings: reads the project file and fits the menu window to it. Every
// step runs under RunStep: a step that fails (a value that does not convert,
// a picture that cannot be loaded, an entry beyond the ten places) is
// skipped and the next one runs.
#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "common/conversions.h"
#include "common/project_file.h"
#include "common/step.h"
#include "forms/application.h"
#include "menu/frm_main.h"

namespace menu {

namespace project = common::project;
using common::RunStep;

namespace {

// A profile read fills a buffer that always ends in NUL; the value proper is
// the text before the first NUL.
std::string Cut(const std::string& value) { return common::CutAtNull(value + '\0'); }

// A number as a 32-bit colour value; beyond the 32-bit range the step fails.
forms::Color ColorFromNumber(double number) {
    const double rounded = std::nearbyint(number);
    if (!std::isfinite(rounded) || rounded < std::numeric_limits<std::int32_t>::min() ||
        rounded > std::numeric_limits<std::int32_t>::max())
        throw std::out_of_range("colour value");
    return static_cast<forms::Color>(static_cast<std::int32_t>(rounded));
}

forms::Color WholeColor(const std::string& text) {
    return static_cast<forms::Color>(common::ToInteger32(text).value());
}

// A font size in points: a 16-bit whole number; a size below one point
// cannot be shown and fails the step.
double FontSize(const std::string& text) {
    const std::int16_t size = common::ToInteger16(text).value();
    if (size < 1) throw std::out_of_range("font size");
    return size;
}

// The leading number of the Items text, to the nearest whole number, kept
// within -1 .. 99 (the text holds two characters at most, so nothing real
// is lost).
int ItemCountFrom(const std::string& text) {
    const double number = std::nearbyint(common::LeadingNumber(text));
    if (!std::isfinite(number) || number < -1) return -1;
    if (number > 99) return 99;
    return static_cast<int>(number);
}

bool EndsWithIco(const std::string& path) {
    if (path.size() < 3) return false;
    std::string tail = path.substr(path.size() - 3);
    for (char& c : tail)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return tail == "ICO";
}

}  // namespace

void frmMain::GetSettings() {
    auto general = [this](const project::Key& key) {
        return project::Read(services_, IniPath, project::GeneralSection, key,
                             project::Program::Menu);
    };

    // 1. Where the program runs and where its project file lies.
    RunStep([&] {
        const std::string folder = services_.ProgramFolder();
        AppDrive = folder.substr(0, 2);
        IniPath = folder + (!folder.empty() && folder.back() == '\\' ? "" : "\\") +
                  project::FileName;
    });

    // 2. Section "General", in the order the keys are read.
    std::string Name, Items, BackColor, ForeColor, HighColor, Fontsize, Font, BackgroundPic,
        ColorPic, SplashTime, SplashPic;
    RunStep([&] {
        Name = general(project::general::Name);
        Items = general(project::general::Items);
        BackColor = Cut(general(project::general::BackColor));
        ForeColor = Cut(general(project::general::ForeColor));
        HighColor = Cut(general(project::general::HighColor));
        Fontsize = Cut(general(project::general::FontSize));
        Font = Cut(general(project::general::Font));
        BackgroundPic = Cut(general(project::general::BackgroundPic));
        ColorPic = Cut(general(project::general::ColorPic));
        // Read like every key, but the display time of the splash is fixed.
        SplashTime = Cut(general(project::general::SplashTime));
        SplashPic = Cut(general(project::general::SplashPic));
    });

    // 3. The number of entries. Places beyond the ten controls have no
    // control; their steps would fail, so the loops below stop at ten.
    int itemCount = 1;
    RunStep([&] { itemCount = ItemCountFrom(Items); });
    const int usedPlaces = std::clamp(itemCount, 0, ItemCount);

    // 4. Places beyond the count are hidden.
    for (int index = ItemCount - 1; index >= usedPlaces; --index) {
        RunStep([&] { cmdItem.at(index).SetVisible(false); });
        RunStep([&] { lblItem.at(index).SetVisible(false); });
    }

    // 5. Five entries or fewer: one column, the window narrowed from the right.
    if (itemCount <= 5) {
        RunStep([&] { SetWidth(6000); });
        RunStep([&] { lblDesc.SetWidth(5900); });
    }

    // 6. Captions: size (unless "0"), font and colour.
    for (int index = 0; index < usedPlaces; ++index) {
        forms::Label& label = lblItem.at(index);
        if (Fontsize != "0") RunStep([&] { label.SetFontSize(FontSize(Fontsize)); });
        RunStep([&] { label.SetFontName(Font); });
        RunStep([&] { label.SetForeColor(WholeColor(ForeColor)); });
    }

    // 7. The description: font and colour, never its size.
    RunStep([&] { lblDesc.SetFontName(Font); });
    RunStep([&] { lblDesc.SetForeColor(ColorFromNumber(common::LeadingNumber(ForeColor))); });

    // 8. The colours of the highlight.
    RunStep([&] { ItemForeColor = WholeColor(ForeColor); });
    RunStep([&] { ItemHighColor = WholeColor(HighColor); });

    // 9.
    RunStep([&] { SetCaption("Orlimar - " + Name); });

    // 10. Background: a plain colour, or the tiled picture. A ColorPic that
    // does not convert goes the picture's way.
    const std::optional<bool> plainColour = common::ToBoolean(ColorPic);
    if (plainColour.value_or(false)) {
        RunStep([&] {
            const forms::Color colour = ColorFromNumber(common::LeadingNumber(BackColor));
            if (colour != 0) SetBackColor(colour);
        });
    } else {
        RunStep([&] { BackgroundPic = OnAppDrive(BackgroundPic); });
        RunStep([&] { MakeBackground(BackgroundPic); });
    }

    // 11. Splash picture. An empty SplashPic means no splash (and no message).
    RunStep([&] {
        SplashPic = OnAppDrive(SplashPic);
        if (SplashPic.empty()) {
            SplashReady = false;
        } else if (services_.FileExists(SplashPic)) {
            // The first touch loads the splash window: it comes up on top
            // at once and its timer starts, even if the picture then fails.
            splash_.Load();
            splash_.picSplash.SetPicture(App().LoadPicture(SplashPic).value());
            SplashReady = true;
            splash_.picSplash.SetVisible(true);
            splash_.Move(splash_.Left(), splash_.Top(), splash_.picSplash.Width(),
                         splash_.picSplash.Height());
        } else {
            App().MsgBox("Grafik '" + SplashPic + "' konnt nicht gefunden werden!",
                         forms::mb::OkOnly | forms::mb::Information, Caption());
        }
    });

    // 12. The entries.
    for (int n = 1; n <= usedPlaces; ++n) {
        const int i = n - 1;
        const std::string section = project::ItemSection(n);
        auto item = [&](const project::Key& key) {
            return Cut(project::Read(services_, IniPath, section, key, project::Program::Menu));
        };
        std::string txt, desc, command, icon;
        RunStep([&] {
            txt = item(project::item::Txt);
            desc = item(project::item::Desc);
            command = item(project::item::Command);
            icon = item(project::item::Icon);
        });
        command = OnAppDrive(command);
        icon = OnAppDrive(icon);
        RunStep([&] { lblItem.at(i).SetCaption(txt); });
        RunStep([&] { lblItem.at(i).Tag = desc; });
        RunStep([&] { cmdItem.at(i).Tag = command; });
        RunStep([&] {
            if (icon.empty())
                cmdItem.at(i).SetPicture(DefaultPic.Picture());
            else if (EndsWithIco(icon))
                cmdItem.at(i).SetPicture(App().LoadPicture(icon).value());
            else
                ExtractIcons(icon, i);
        });
    }

    // 13.
    RunStep([&] { cmdInfo.SetFocus(); });
}

}  // namespace menu
