#include "forms/common_dialog.h"

#include "forms/application.h"

namespace forms {

void CommonDialog::Cancelled() const {
    if (CancelError) throw DialogCancelled();
}

void CommonDialog::ShowFile(bool save) {
    FileDialogRequest request;
    request.save = save;
    request.fileName = FileName;
    request.filter = Filter;
    request.defaultExtension = DefaultExt;
    request.title = DialogTitle;
    request.flags = Flags;
    const auto chosen = ShowFileDialog(app_.GetBackend(), request);
    if (!chosen) return Cancelled();
    FileName = *chosen;
}

void CommonDialog::ShowOpen() { ShowFile(false); }

void CommonDialog::ShowSave() { ShowFile(true); }

void CommonDialog::ShowColor() {
    const auto chosen = ShowColorDialog(app_.GetBackend(), {Color, Flags});
    if (!chosen) return Cancelled();
    Color = *chosen;
}

void CommonDialog::ShowFont() {
    FontDialogRequest request;
    request.fontName = FontName;
    request.fontSize = FontSize;
    request.flags = Flags;
    request.bold = FontBold;
    request.italic = FontItalic;
    request.underline = FontUnderline;
    request.strikethrough = FontStrikethru;
    request.color = Color;
    const auto chosen = ShowFontDialog(app_.GetBackend(), request);
    if (!chosen) return Cancelled();
    FontName = chosen->name;
    FontSize = chosen->size;
    FontBold = chosen->bold;
    FontItalic = chosen->italic;
    // Without effects the dialog offers no colour and no lines: what the
    // object holds from earlier uses stays.
    if (Flags & cf::Effects) {
        FontUnderline = chosen->underline;
        FontStrikethru = chosen->strikethrough;
        Color = chosen->color;
    }
}

}  // namespace forms
