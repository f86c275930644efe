// The system DLLs that only some pictures need (OLE, its picture loader, WIC
// and the shell), loaded on first use instead of at start-up: a menu whose
// pictures are all bitmaps and icons never loads them, and COM is started
// only for the first picture that needs it.
#pragma once

#include <windows.h>
#include <objidl.h>
#include <shellapi.h>
#include <wincodec.h>

namespace forms::win32 {

class SystemLibraries {
public:
    using CreateStreamOnHGlobalFn = HRESULT(WINAPI*)(HGLOBAL, BOOL, IStream**);
    using CoCreateInstanceFn = HRESULT(WINAPI*)(REFCLSID, IUnknown*, DWORD, REFIID, void**);
    using OleLoadPictureFn = HRESULT(WINAPI*)(IStream*, LONG, BOOL, REFIID, void**);
    using WicConvertFn = HRESULT(WINAPI*)(REFWICPixelFormatGUID, IWICBitmapSource*,
                                          IWICBitmapSource**);
    using SHGetFileInfoFn = DWORD_PTR(WINAPI*)(const wchar_t*, DWORD, SHFILEINFOW*, UINT, UINT);

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

private:
    // Starts COM (apartment-threaded) on this thread once: WIC needs it,
    // and the OLE picture loader and the shell's icons expect it.
    void StartCom();
    bool comTried_ = false;
    bool comStarted_ = false;
};

}  // namespace forms::win32
