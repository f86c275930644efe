// The common dialogs (open, save, colour, font) and the shell's folder
// picker, each modal to the active form. comdlg32, shell32 and winspool are
// loaded when a dialog is first shown (forms/win32/libraries.h), so a program
// that shows none never loads them.
#include <windows.h>
#include <commdlg.h>
#include <shlobj.h>

#include <algorithm>
#include <cmath>
#include <cwchar>
#include <exception>
#include <optional>
#include <string>
#include <vector>

#include "forms/dialogs.h"
#include "forms/win32/backend.h"
#include "forms/win32/form_window.h"
#include "forms/win32/text.h"

namespace forms::win32 {

namespace {

// Characters of the longest path Windows knows, with its terminating NUL.
constexpr std::size_t kLongPathChars = 32768;

// Flags that need structure members we never fill (hooks, templates, style
// strings, size limits): passed on, they would make a dialog call through
// null pointers or refuse every size.
constexpr DWORD kUnsupportedFileFlags =
    OFN_ENABLEHOOK | OFN_ENABLETEMPLATE | OFN_ENABLETEMPLATEHANDLE;
constexpr DWORD kUnsupportedColorFlags =
    CC_ENABLEHOOK | CC_ENABLETEMPLATE | CC_ENABLETEMPLATEHANDLE;
constexpr DWORD kUnsupportedFontFlags = CF_ENABLEHOOK | CF_ENABLETEMPLATE |
                                        CF_ENABLETEMPLATEHANDLE | CF_USESTYLE | CF_LIMITSIZE;

HWND OwnerOf(const Win32Backend& backend) {
    const FormWindow* form = backend.ActiveForm();
    return form ? form->Handle() : nullptr;
}

// "description|pattern|description|pattern" as the list OPENFILENAME wants:
// each part ended by a NUL, the list by one more. A description without a
// pattern at the end is dropped.
std::wstring FilterList(const std::string& filter) {
    std::vector<std::wstring> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t bar = filter.find('|', start);
        parts.push_back(Widen(filter.substr(start, bar - start)));
        if (bar == std::string::npos) break;
        start = bar + 1;
    }
    std::wstring list;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        list += parts[i];
        list += L'\0';
        list += parts[i + 1];
        list += L'\0';
    }
    if (!list.empty()) list += L'\0';
    return list;
}

std::wstring UpToNul(const wchar_t* text) { return std::wstring(text, std::wcslen(text)); }

// A device context of the default printer, or null when none is installed.
HDC DefaultPrinterDc(SystemLibraries& libraries) {
    const auto defaultPrinter = libraries.GetDefaultPrinterW();
    if (!defaultPrinter) return nullptr;
    DWORD size = 0;
    defaultPrinter(nullptr, &size);
    if (size == 0) return nullptr;
    std::vector<wchar_t> name(size + 1, L'\0');
    if (!defaultPrinter(name.data(), &size) || name[0] == L'\0') return nullptr;
    return CreateDCW(L"WINSPOOL", name.data(), nullptr, nullptr);
}

// The file-system path of a shell item, empty when it has none.
std::string ItemPath(SystemLibraries& libraries, LPCITEMIDLIST item) {
    if (!item) return {};
    if (const auto pathEx = libraries.SHGetPathFromIDListEx()) {
        std::vector<wchar_t> path(kLongPathChars, L'\0');
        if (!pathEx(item, path.data(), static_cast<DWORD>(path.size()), GPFIDL_DEFAULT))
            return {};
        return Narrow(UpToNul(path.data()));
    }
    // Before Windows Vista the shell knows no longer paths than this.
    if (const auto pathOf = libraries.SHGetPathFromIDListW()) {
        wchar_t path[MAX_PATH] = {};
        if (pathOf(item, path)) return Narrow(UpToNul(path));
    }
    return {};
}

// The folder picker while it runs: the request, and what its notification
// routine decided.
struct FolderPicker {
    FolderPicker(SystemLibraries& libraries, const FolderDialogRequest& request)
        : libraries(libraries), request(request) {}
    SystemLibraries& libraries;
    const FolderDialogRequest& request;
    HWND dialog = nullptr;
    WNDPROC dialogProc = nullptr;
    // Whether the program enabled or disabled OK for the selected item.
    std::optional<bool> okChoice;
    // What the notification routine threw; the dialog is cancelled and the
    // exception goes on once the dialog is closed.
    std::exception_ptr failure;
};

constexpr wchar_t kFolderPickerProperty[] = L"forms.win32.FolderPicker";

// The dialog's window procedure, wrapped: a dialog may check the new
// selection itself after notifying the program and enable OK again (Wine
// does); the program's choice for the selected item wins.
LRESULT CALLBACK FolderPickerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* picker = static_cast<FolderPicker*>(GetPropW(hwnd, kFolderPickerProperty));
    const WNDPROC original = picker->dialogProc;
    if (message == BFFM_ENABLEOK && picker->okChoice) lParam = *picker->okChoice ? TRUE : FALSE;
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        RemovePropW(hwnd, kFolderPickerProperty);
        picker->dialog = nullptr;
    }
    return CallWindowProcW(original, hwnd, message, wParam, lParam);
}

void WrapFolderPicker(FolderPicker& picker, HWND dialog) {
    picker.dialog = dialog;
    SetPropW(dialog, kFolderPickerProperty, &picker);
    picker.dialogProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
        dialog, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FolderPickerProc)));
}

// What the program's notification routine may do with the open picker.
class OpenFolderPicker : public FolderDialog {
public:
    explicit OpenFolderPicker(FolderPicker& picker) : picker_(picker) {}

    void EnableOk(bool enable) override {
        picker_.okChoice = enable;
        SendMessageW(picker_.dialog, BFFM_ENABLEOK, 0, enable ? TRUE : FALSE);
    }

    void SetStatusText(const std::string& text) override {
        const std::wstring wide = Widen(text);
        SendMessageW(picker_.dialog, BFFM_SETSTATUSTEXTW, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    }

private:
    FolderPicker& picker_;
};

int CALLBACK FolderPickerCallback(HWND hwnd, UINT message, LPARAM lParam, LPARAM data) {
    auto& picker = *reinterpret_cast<FolderPicker*>(data);
    if (!picker.dialog) WrapFolderPicker(picker, hwnd);
    if (message != BFFM_SELCHANGED || picker.failure) return 0;
    picker.okChoice.reset();
    if (!picker.request.selectionChanged) return 0;
    // No exception may unwind through the shell's frames.
    try {
        OpenFolderPicker dialog(picker);
        picker.request.selectionChanged(
            dialog, ItemPath(picker.libraries, reinterpret_cast<LPCITEMIDLIST>(lParam)));
    } catch (...) {
        picker.failure = std::current_exception();
        PostMessageW(hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    }
    return 0;
}

}  // namespace

std::optional<std::string> Win32Backend::ShowFileDialog(const FileDialogRequest& request) {
    const auto show = request.save ? libraries_.GetSaveFileNameW() : libraries_.GetOpenFileNameW();
    const auto extendedError = libraries_.CommDlgExtendedError();
    if (!show) return std::nullopt;
    const std::wstring filter = FilterList(request.filter);
    std::wstring extension = Widen(request.defaultExtension);
    if (!extension.empty() && extension.front() == L'.') extension.erase(0, 1);
    const std::wstring title = Widen(request.title);
    std::wstring preset = Widen(request.fileName);
    for (;;) {
        std::vector<wchar_t> file(std::max(kLongPathChars, preset.size() + 1), L'\0');
        std::copy(preset.begin(), preset.end(), file.begin());
        OPENFILENAMEW dialog{};
        dialog.lStructSize = sizeof dialog;
        dialog.hwndOwner = OwnerOf(*this);
        dialog.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
        dialog.nFilterIndex = 1;
        dialog.lpstrFile = file.data();
        dialog.nMaxFile = static_cast<DWORD>(file.size());
        dialog.lpstrTitle = title.empty() ? nullptr : title.c_str();
        dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
        dialog.Flags = (request.flags & ~kUnsupportedFileFlags) | OFN_EXPLORER;
        if (show(&dialog)) return Narrow(UpToNul(file.data()));
        // Without an extended error the user cancelled. With one the dialog
        // could not be shown at all (a preset name it rejects, say): once
        // more without the name, then as if cancelled.
        if (preset.empty() || !extendedError || extendedError() == 0) return std::nullopt;
        preset.clear();
    }
}

std::optional<Color> Win32Backend::ShowColorDialog(const ColorDialogRequest& request) {
    const auto choose = libraries_.ChooseColorW();
    if (!choose) return std::nullopt;
    CHOOSECOLORW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = OwnerOf(*this);
    dialog.rgbResult = request.color & 0xFFFFFF;
    dialog.lpCustColors = customColors_;
    dialog.Flags = request.flags & ~kUnsupportedColorFlags;
    if (!choose(&dialog)) return std::nullopt;
    return static_cast<Color>(dialog.rgbResult);
}

std::optional<FontChoice> Win32Backend::ShowFontDialog(const FontDialogRequest& request) {
    const auto choose = libraries_.ChooseFontW();
    if (!choose) return std::nullopt;
    LOGFONTW font{};
    if (request.fontSize > 0)
        font.lfHeight = -static_cast<LONG>(std::lround(request.fontSize * dpi_.y / 72.0));
    font.lfWeight = request.bold ? FW_BOLD : FW_NORMAL;
    font.lfItalic = request.italic;
    font.lfUnderline = request.underline;
    font.lfStrikeOut = request.strikethrough;
    font.lfCharSet = DEFAULT_CHARSET;
    const std::wstring face = Widen(request.fontName).substr(0, LF_FACESIZE - 1);
    std::copy(face.begin(), face.end(), font.lfFaceName);

    DWORD flags = (request.flags & ~kUnsupportedFontFlags) | CF_INITTOLOGFONTSTRUCT;
    // Printer fonts are those of the default printer; without a printer the
    // dialog would fail. A dialog with no fonts to list fails as well (on
    // older Windows): then it lists the screen fonts.
    HDC printer = nullptr;
    if (flags & CF_PRINTERFONTS) {
        printer = DefaultPrinterDc(libraries_);
        if (!printer) flags &= ~CF_PRINTERFONTS;
    }
    if (!(flags & (CF_SCREENFONTS | CF_PRINTERFONTS))) flags |= CF_SCREENFONTS;
    CHOOSEFONTW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = OwnerOf(*this);
    dialog.hDC = printer;
    dialog.lpLogFont = &font;
    dialog.Flags = flags;
    dialog.rgbColors = request.color & 0xFFFFFF;
    const BOOL chosen = choose(&dialog);
    if (printer) DeleteDC(printer);
    if (!chosen) return std::nullopt;

    FontChoice choice;
    choice.name = Narrow(UpToNul(font.lfFaceName));
    choice.size = dialog.iPointSize / 10.0;
    choice.bold = font.lfWeight >= FW_BOLD;
    choice.italic = font.lfItalic != 0;
    choice.underline = font.lfUnderline != 0;
    choice.strikethrough = font.lfStrikeOut != 0;
    choice.color = static_cast<Color>(dialog.rgbColors);
    return choice;
}

std::optional<std::string> Win32Backend::BrowseForFolder(const FolderDialogRequest& request) {
    const auto browse = libraries_.SHBrowseForFolderW();
    const auto freeItem = libraries_.CoTaskMemFree();
    if (!browse || !freeItem) return std::nullopt;
    const HWND owner = OwnerOf(*this);
    LPITEMIDLIST root = nullptr;
    if (request.rootFolder > 0) {
        const auto special = libraries_.SHGetSpecialFolderLocation();
        if (!special || FAILED(special(owner, request.rootFolder, &root))) root = nullptr;
    }
    const std::wstring title = Widen(request.title);
    // The chosen item's display name, which the dialog writes; not its path.
    wchar_t displayName[MAX_PATH] = {};
    FolderPicker picker(libraries_, request);
    BROWSEINFOW info{};
    info.hwndOwner = owner;
    info.pidlRoot = root;
    info.pszDisplayName = displayName;
    info.lpszTitle = title.empty() ? nullptr : title.c_str();
    info.ulFlags = request.flags;
    info.lpfn = &FolderPickerCallback;
    info.lParam = reinterpret_cast<LPARAM>(&picker);
    LPITEMIDLIST chosen = browse(&info);
    std::optional<std::string> result;
    if (chosen) {
        result = ItemPath(libraries_, chosen);
        freeItem(chosen);
    }
    if (root) freeItem(root);
    if (picker.failure) std::rethrow_exception(picker.failure);
    return result;
}

}  // namespace forms::win32

namespace forms {

namespace {

win32::Win32Backend& Win32(Backend& backend) { return static_cast<win32::Win32Backend&>(backend); }

}  // namespace

std::optional<std::string> ShowFileDialog(Backend& backend, const FileDialogRequest& request) {
    return Win32(backend).ShowFileDialog(request);
}

std::optional<Color> ShowColorDialog(Backend& backend, const ColorDialogRequest& request) {
    return Win32(backend).ShowColorDialog(request);
}

std::optional<FontChoice> ShowFontDialog(Backend& backend, const FontDialogRequest& request) {
    return Win32(backend).ShowFontDialog(request);
}

std::optional<std::string> BrowseForFolder(Backend& backend, const FolderDialogRequest& request) {
    return Win32(backend).BrowseForFolder(request);
}

}  // namespace forms
