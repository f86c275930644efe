// The dialogs on win32 beyond what the conformance suite sees: they are
// modal to the active form, and their DLLs are loaded only when used.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "forms/common_dialog.h"
#include "forms/driver.h"

namespace forms {
namespace {

void Cancel(HWND dialog) { PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0); }

// Looks, from a thread timer that the dialog's modal loop dispatches, for
// the dialog box of this thread; notes its owner and whether the form was
// disabled meanwhile, then runs act on it, which must close it.
class DialogWatch {
public:
    explicit DialogWatch(HWND form, std::function<void(HWND dialog)> act = &Cancel)
        : form_(form), act_(std::move(act)) {
        watch_ = this;
        timer_ = SetTimer(nullptr, 0, 20, &DialogWatch::Tick);
    }
    DialogWatch(const DialogWatch&) = delete;
    DialogWatch& operator=(const DialogWatch&) = delete;
    ~DialogWatch() {
        KillTimer(nullptr, timer_);
        watch_ = nullptr;
    }

    HWND owner = nullptr;
    bool formEnabled = true;
    bool seen = false;

private:
    static BOOL CALLBACK Consider(HWND window, LPARAM data) {
        wchar_t name[16] = {};
        GetClassNameW(window, name, 16);
        if (std::wstring(name) != L"#32770" || !IsWindowVisible(window)) return TRUE;
        *reinterpret_cast<HWND*>(data) = window;
        return FALSE;
    }

    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        DialogWatch* watch = watch_;
        if (!watch || watch->seen) return;
        HWND dialog = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), &Consider, reinterpret_cast<LPARAM>(&dialog));
        if (!dialog) {
            // Whatever runs modally is no dialog box: after half a minute it
            // is closed, and the test fails instead of hanging.
            if (++watch->ticks_ == 1500)
                EnumThreadWindows(GetCurrentThreadId(), &CloseAllBut,
                                  reinterpret_cast<LPARAM>(watch->form_));
            return;
        }
        watch->seen = true;
        watch->owner = GetWindow(dialog, GW_OWNER);
        watch->formEnabled = IsWindowEnabled(watch->form_) != FALSE;
        watch->act_(dialog);
    }

    static BOOL CALLBACK CloseAllBut(HWND window, LPARAM keep) {
        if (window != reinterpret_cast<HWND>(keep) && IsWindowVisible(window))
            PostMessageW(window, WM_CLOSE, 0, 0);
        return TRUE;
    }

    static inline DialogWatch* watch_ = nullptr;
    HWND form_;
    std::function<void(HWND)> act_;
    UINT_PTR timer_ = 0;
    int ticks_ = 0;
};

TEST(Win32DialogsTest, EveryDialogIsOwnedByTheActiveFormAndDisablesIt) {
    auto driver = testing::MakeDriver();
    Application app(driver->GetBackend());
    Form form(app);
    form.SetCaption("Eigentümer");
    form.Show();
    CommonDialog dialog(app);
    const HWND hwnd = reinterpret_cast<HWND>(form.NativeHandle());
    const struct {
        const char* dialog;
        std::function<void()> show;
    } cases[] = {
        {"open", [&] { dialog.ShowOpen(); }},
        {"save", [&] { dialog.ShowSave(); }},
        {"colour", [&] { dialog.ShowColor(); }},
        {"font", [&] { dialog.ShowFont(); }},
        {"folder picker", [&] { BrowseForFolder(app.GetBackend(), {}); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dialog);
        DialogWatch watch(hwnd);
        c.show();
        ASSERT_TRUE(watch.seen) << "no dialog opened";
        EXPECT_EQ(watch.owner, hwnd);
        EXPECT_FALSE(watch.formEnabled);
        EXPECT_TRUE(IsWindowEnabled(hwnd)) << "the form stays disabled after the dialog";
    }
}

TEST(Win32DialogsTest, CustomColoursStayForTheNextColourDialog) {
    constexpr int kRed = 706, kGreen = 707, kBlue = 708;
    constexpr int kAddCustomColor = 712, kDefineCustomColors = 719, kCustomColors = 721;
    auto driver = testing::MakeDriver();
    Application app(driver->GetBackend());
    Form form(app);
    form.Show();
    CommonDialog dialog(app);
    const HWND hwnd = reinterpret_cast<HWND>(form.NativeHandle());
    {
        // Defines 10, 20, 30 as the first custom colour, then cancels.
        DialogWatch watch(hwnd, [&](HWND colors) {
            SendDlgItemMessageW(colors, kDefineCustomColors, BM_CLICK, 0, 0);
            SetDlgItemInt(colors, kRed, 10, FALSE);
            SetDlgItemInt(colors, kGreen, 20, FALSE);
            SetDlgItemInt(colors, kBlue, 30, FALSE);
            SendDlgItemMessageW(colors, kAddCustomColor, BM_CLICK, 0, 0);
            Cancel(colors);
        });
        dialog.ShowColor();
        ASSERT_TRUE(watch.seen);
    }
    {
        // Clicks the first of the custom colours and presses OK.
        DialogWatch watch(hwnd, [&](HWND colors) {
            HWND custom = GetDlgItem(colors, kCustomColors);
            RECT cells{};
            GetClientRect(custom, &cells);
            POINT first{cells.right / 16, cells.bottom / 4};
            MapWindowPoints(custom, colors, &first, 1);
            SendMessageW(colors, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(first.x, first.y));
            SendMessageW(colors, WM_LBUTTONUP, 0, MAKELPARAM(first.x, first.y));
            SendDlgItemMessageW(colors, IDOK, BM_CLICK, 0, 0);
        });
        dialog.ShowColor();
        ASSERT_TRUE(watch.seen);
    }
    EXPECT_EQ(dialog.Color, static_cast<Color>(RGB(10, 20, 30)));
}

// The DLLs this executable, which links the whole backend, loads at start.
std::vector<std::string> ImportedDlls() {
    const auto* base = reinterpret_cast<const BYTE*>(GetModuleHandleW(nullptr));
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* headers = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports =
        headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    std::vector<std::string> dlls;
    const auto* entry =
        reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
    for (; imports.VirtualAddress && entry->Name; ++entry) {
        std::string name = reinterpret_cast<const char*>(base + entry->Name);
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        dlls.push_back(name);
    }
    return dlls;
}

TEST(Win32DialogsTest, DialogLibrariesAreNotLoadedAtStart) {
    const std::vector<std::string> dlls = ImportedDlls();
    ASSERT_NE(std::find(dlls.begin(), dlls.end(), "user32.dll"), dlls.end());
    for (const char* late : {"comdlg32.dll", "shell32.dll", "winspool.drv", "ole32.dll"})
        EXPECT_EQ(std::find(dlls.begin(), dlls.end(), late), dlls.end()) << late << " is imported";
}

}  // namespace
}  // namespace forms
