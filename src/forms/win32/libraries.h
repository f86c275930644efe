// The system DLLs that only some pictures and the dialogs need (OLE, its
// picture loader, WIC, the shell, the common dialogs and the print spooler),
// loaded on first use instead of at start-up: a menu whose pictures are all
// bitmaps and icons never loads them, and COM is started only for the first
// picture or folder picker that needs it.
#pragma once

#include <windows.h>
#include <objidl.h>
#include <shellapi.h>
#include <wincodec.h>

// The dialog structures, declared here without <commdlg.h> and <shlobj.h>:
// their macros (GetSaveFileName, ChooseColor, ...) would rename functions of
// the programs in every file that includes the backend.
struct tagOFNW;
struct tagCHOOSECOLORW;
struct tagCHOOSEFONTW;
struct _browseinfoW;
struct _ITEMIDLIST;

namespace forms::win32 {

class SystemLibraries {
public:
    using CreateStreamOnHGlobalFn = HRESULT(WINAPI*)(HGLOBAL, BOOL, IStream**);
    using CoCreateInstanceFn = HRESULT(WINAPI*)(REFCLSID, IUnknown*, DWORD, REFIID, void**);
    using OleLoadPictureFn = HRESULT(WINAPI*)(IStream*, LONG, BOOL, REFIID, void**);
    using WicConvertFn = HRESULT(WINAPI*)(REFWICPixelFormatGUID, IWICBitmapSource*,
                                          IWICBitmapSource**);
    using SHGetFileInfoFn = DWORD_PTR(WINAPI*)(const wchar_t*, DWORD, SHFILEINFOW*, UINT, UINT);
    // SHGetImageList: the system's image list of one icon size (SHIL_...).
    using SHGetImageListFn = HRESULT(WINAPI*)(int, REFIID, void**);
    using GetFileNameFn = BOOL(WINAPI*)(tagOFNW*);
    using CommDlgExtendedErrorFn = DWORD(WINAPI*)();
    using ChooseColorFn = BOOL(WINAPI*)(tagCHOOSECOLORW*);
    using ChooseFontFn = BOOL(WINAPI*)(tagCHOOSEFONTW*);
    using SHBrowseForFolderFn = _ITEMIDLIST*(WINAPI*)(_browseinfoW*);
    using SHGetPathFromIDListFn = BOOL(WINAPI*)(const _ITEMIDLIST*, wchar_t*);
    using SHGetPathFromIDListExFn = BOOL(WINAPI*)(const _ITEMIDLIST*, wchar_t*, DWORD, int);
    using SHGetSpecialFolderLocationFn = HRESULT(WINAPI*)(HWND, int, _ITEMIDLIST**);
    using CoTaskMemFreeFn = void(WINAPI*)(void*);
    using GetDefaultPrinterFn = BOOL(WINAPI*)(wchar_t*, DWORD*);

    SystemLibraries() = default;
    SystemLibraries(const SystemLibraries&) = delete;
    SystemLibraries& operator=(const SystemLibraries&) = delete;
    // Ends COM on this thread if it was started here; the DLLs stay loaded
    // until the process ends, since objects of theirs may still be around.
    ~SystemLibraries();

    // Each returns null when the DLL or the function is missing. Those that
    // create COM objects start COM on this thread first.
    CreateStreamOnHGlobalFn CreateStreamOnHGlobal();
    CoCreateInstanceFn CoCreateInstance();
    OleLoadPictureFn OleLoadPicture();
    WicConvertFn WICConvertBitmapSource();
    SHGetFileInfoFn SHGetFileInfoW();
    SHGetImageListFn SHGetImageList();

    // The common dialogs (comdlg32).
    GetFileNameFn GetOpenFileNameW();
    GetFileNameFn GetSaveFileNameW();
    CommDlgExtendedErrorFn CommDlgExtendedError();
    ChooseColorFn ChooseColorW();
    ChooseFontFn ChooseFontW();
    // The folder picker and item lists (shell32; the picker starts COM).
    SHBrowseForFolderFn SHBrowseForFolderW();
    SHGetPathFromIDListFn SHGetPathFromIDListW();
    // Paths beyond MAX_PATH; missing before Windows Vista.
    SHGetPathFromIDListExFn SHGetPathFromIDListEx();
    SHGetSpecialFolderLocationFn SHGetSpecialFolderLocation();
    // Frees what the shell allocated (item lists).
    CoTaskMemFreeFn CoTaskMemFree();
    // The default printer's name (winspool).
    GetDefaultPrinterFn GetDefaultPrinterW();

private:
    // Starts COM (apartment-threaded) on this thread once: WIC and the
    // folder picker need it, and the OLE picture loader and the shell's
    // icons expect it.
    void StartCom();
    bool comTried_ = false;
    bool comStarted_ = false;
};

}  // namespace forms::win32
