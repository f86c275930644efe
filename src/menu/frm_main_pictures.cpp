// The pictures of the menu window: the tiled background and the shell icons
// of the entries.
#include "common/step.h"
#include "forms/application.h"
#include "menu/background_tiles.h"
#include "menu/frm_main.h"

namespace menu {

// Tiles the picture over the whole window, from the client area's top-left
// corner over the outer width and height; the last row and column are cut
// at the window's edge. A picture that is missing or cannot be loaded
// leaves the plain design colour.
void frmMain::MakeBackground(const std::string& path) {
    if (!services_.FileExists(path)) {
        App().MsgBox("Hintergrundbild '" + path + "' nicht gefunden!",
                     forms::mb::OkOnly | forms::mb::Information, Caption());
        return;
    }
    const std::optional<forms::Picture> picture = App().LoadPicture(path);
    if (!picture) return;
    picBackground.SetPicture(*picture);
    for (const TilePosition& tile :
         TilePositions(picBackground.Width(), picBackground.Height(), Width(), Height()))
        PaintPicture(picBackground.Picture(), tile.x, tile.y);
}

// The shell's icon of path for entry index: the small icon on its grey
// work area becomes the button's picture. A path the shell does not know,
// or any failure on the way, gives the default picture.
void frmMain::ExtractIcons(const std::string& path, int index) {
    const bool drawn = common::RunStep([&] {
        forms::Backend& backend = App().GetBackend();
        const std::optional<forms::Picture> small =
            backend.ShellIcon(path, true, pixSmall.BackColor());
        const std::optional<forms::Picture> large =
            backend.ShellIcon(path, false, pixLarge.BackColor());
        if (!large) {
            cmdItem.at(index).SetPicture(DefaultPic.Picture());
            return;
        }
        pixSmall.Cls();
        pixLarge.Cls();
        pixSmall.SetPicture(small.value());
        pixLarge.SetPicture(*large);
        cmdItem.at(index).SetPicture(pixSmall.Picture());
    });
    if (!drawn) common::RunStep([&] { cmdItem.at(index).SetPicture(DefaultPic.Picture()); });
}

}  // namespace menu
