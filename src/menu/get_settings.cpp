// GetSettings: reads the project file and fits the menu window to it. Every
// step runs under RunStep: a step that fails (a value that does not convert,
// a picture that cannot be loaded, an entry beyond the ten places) is
// skipped and the next one runs. The reading and the conversions are those
// of menu/project_settings.h, which cdcheck uses as well.
#include "common/paths.h"
#include "common/project_file.h"
#include "common/step.h"
#include "forms/application.h"
#include "menu/frm_main.h"
#include "menu/project_settings.h"

namespace menu {

namespace project = common::project;
using common::RunStep;

static_assert(frmMain::ItemCount == project::MaxItems, "one place per entry of the project");

void frmMain::GetSettings() {
    // Where the program runs, and its project file beside it.
    RunStep([&] {
        const std::string folder = services_.ProgramFolder();
        AppDrive = folder.substr(0, 2);
        IniPath = common::JoinPath(folder, project::FileName);
    });

    // Section "General", in the order the keys are read.
    settings::General general;
    RunStep([&] { settings::ReadGeneral(services_, IniPath, general); });

    // The number of entries. Places beyond the ten controls have no
    // control; their steps would fail, so the loops below stop at ten.
    int itemCount = 1;
    RunStep([&] { itemCount = settings::ItemCountFrom(general.Items); });
    const int usedPlaces = settings::UsedPlaces(itemCount);

    // Places beyond the count are hidden.
    for (int index = ItemCount - 1; index >= usedPlaces; --index) {
        RunStep([&] { cmdItem.at(index).SetVisible(false); });
        RunStep([&] { lblItem.at(index).SetVisible(false); });
    }

    // Five entries or fewer: one column, the window narrowed from the right.
    if (itemCount <= 5) {
        RunStep([&] { SetWidth(6000); });
        RunStep([&] { lblDesc.SetWidth(5900); });
    }

    // Captions: size (unless "0"), font and colour.
    for (int index = 0; index < usedPlaces; ++index) {
        forms::Label& label = lblItem.at(index);
        if (!settings::KeepsFontSize(general.Fontsize))
            RunStep([&] { label.SetFontSize(settings::FontSize(general.Fontsize)); });
        RunStep([&] { label.SetFontName(general.Font); });
        RunStep([&] { label.SetForeColor(settings::WholeColor(general.ForeColor)); });
    }

    // The description: font and colour, never its size.
    RunStep([&] { lblDesc.SetFontName(general.Font); });
    RunStep([&] { lblDesc.SetForeColor(settings::LeadingColor(general.ForeColor)); });

    // The colours of the highlight.
    RunStep([&] { ItemForeColor = settings::WholeColor(general.ForeColor); });
    RunStep([&] { ItemHighColor = settings::WholeColor(general.HighColor); });

    // The window's caption names the project.
    RunStep([&] { SetCaption("Orlimar - " + general.Name); });

    // Background: a plain colour, or the tiled picture. A ColorPic that
    // does not convert goes the picture's way.
    if (settings::UsesPlainColour(general.ColorPic)) {
        RunStep([&] {
            const forms::Color colour = settings::LeadingColor(general.BackColor);
            if (settings::SetsBackColor(colour)) SetBackColor(colour);
        });
    } else {
        RunStep([&] { general.BackgroundPic = OnAppDrive(general.BackgroundPic); });
        RunStep([&] { MakeBackground(general.BackgroundPic); });
    }

    // Splash picture. An empty SplashPic means no splash (and no message).
    RunStep([&] {
        general.SplashPic = OnAppDrive(general.SplashPic);
        if (general.SplashPic.empty()) {
            SplashReady = false;
        } else if (services_.FileExists(general.SplashPic)) {
            // The first touch loads the splash window: it comes up on top
            // at once and its timer starts, even if the picture then fails.
            splash_.Load();
            splash_.picSplash.SetPicture(App().LoadPicture(general.SplashPic).value());
            SplashReady = true;
            splash_.picSplash.SetVisible(true);
            splash_.Move(splash_.Left(), splash_.Top(), splash_.picSplash.Width(),
                         splash_.picSplash.Height());
        } else {
            App().MsgBox("Grafik '" + general.SplashPic + "' konnt nicht gefunden werden!",
                         forms::mb::OkOnly | forms::mb::Information, Caption());
        }
    });

    // The entries.
    for (int n = 1; n <= usedPlaces; ++n) {
        const int i = n - 1;
        settings::Entry entry;
        RunStep([&] { settings::ReadEntry(services_, IniPath, n, entry); });
        const std::string command = OnAppDrive(entry.command);
        const std::string icon = OnAppDrive(entry.icon);
        RunStep([&] { lblItem.at(i).SetCaption(entry.txt); });
        RunStep([&] { lblItem.at(i).Tag = entry.desc; });
        RunStep([&] { cmdItem.at(i).Tag = command; });
        RunStep([&] {
            switch (settings::IconSourceOf(icon)) {
            case settings::IconSource::Default:
                cmdItem.at(i).SetPicture(DefaultPic.Picture());
                break;
            case settings::IconSource::PictureFile:
                cmdItem.at(i).SetPicture(App().LoadPicture(icon).value());
                break;
            case settings::IconSource::ShellIcon:
                ExtractIcons(icon, i);
                break;
            }
        });
    }

    // The focus starts on "&Über...", the default button.
    RunStep([&] { cmdInfo.SetFocus(); });
}

}  // namespace menu
