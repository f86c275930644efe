#include "forms/win32/libraries.h"

#include "os/win32/system_library.h"

namespace forms::win32 {

namespace {

// A function found with GetProcAddress, as the type it really has.
template <class F>
F As(FARPROC function) {
    return reinterpret_cast<F>(reinterpret_cast<void*>(function));
}

}  // namespace

SystemLibraries::~SystemLibraries() {
    if (!comStarted_) return;
    using CoUninitializeFn = void(WINAPI*)();
    if (auto uninitialise = As<CoUninitializeFn>(os::win32::SystemFunction(L"ole32.dll", "CoUninitialize")))
        uninitialise();
}

void SystemLibraries::StartCom() {
    if (comTried_) return;
    comTried_ = true;
    using CoInitializeExFn = HRESULT(WINAPI*)(void*, DWORD);
    if (auto initialise = As<CoInitializeExFn>(os::win32::SystemFunction(L"ole32.dll", "CoInitializeEx")))
        comStarted_ = SUCCEEDED(initialise(nullptr, COINIT_APARTMENTTHREADED));
}

SystemLibraries::CreateStreamOnHGlobalFn SystemLibraries::CreateStreamOnHGlobal() {
    StartCom();
    return As<CreateStreamOnHGlobalFn>(os::win32::SystemFunction(L"ole32.dll", "CreateStreamOnHGlobal"));
}

SystemLibraries::CoCreateInstanceFn SystemLibraries::CoCreateInstance() {
    StartCom();
    return As<CoCreateInstanceFn>(os::win32::SystemFunction(L"ole32.dll", "CoCreateInstance"));
}

SystemLibraries::OleLoadPictureFn SystemLibraries::OleLoadPicture() {
    StartCom();
    return As<OleLoadPictureFn>(os::win32::SystemFunction(L"oleaut32.dll", "OleLoadPicture"));
}

SystemLibraries::WicConvertFn SystemLibraries::WICConvertBitmapSource() {
    StartCom();
    return As<WicConvertFn>(os::win32::SystemFunction(L"windowscodecs.dll", "WICConvertBitmapSource"));
}

SystemLibraries::SHGetFileInfoFn SystemLibraries::SHGetFileInfoW() {
    StartCom();
    return As<SHGetFileInfoFn>(os::win32::SystemFunction(L"shell32.dll", "SHGetFileInfoW"));
}

SystemLibraries::SHGetImageListFn SystemLibraries::SHGetImageList() {
    StartCom();
    // By name since Vista; before, only as ordinal 727.
    if (auto named = os::win32::SystemFunction(L"shell32.dll", "SHGetImageList"))
        return As<SHGetImageListFn>(named);
    return As<SHGetImageListFn>(os::win32::SystemFunction(L"shell32.dll", MAKEINTRESOURCEA(727)));
}

SystemLibraries::GetFileNameFn SystemLibraries::GetOpenFileNameW() {
    return As<GetFileNameFn>(os::win32::SystemFunction(L"comdlg32.dll", "GetOpenFileNameW"));
}

SystemLibraries::GetFileNameFn SystemLibraries::GetSaveFileNameW() {
    return As<GetFileNameFn>(os::win32::SystemFunction(L"comdlg32.dll", "GetSaveFileNameW"));
}

SystemLibraries::CommDlgExtendedErrorFn SystemLibraries::CommDlgExtendedError() {
    return As<CommDlgExtendedErrorFn>(
        os::win32::SystemFunction(L"comdlg32.dll", "CommDlgExtendedError"));
}

SystemLibraries::ChooseColorFn SystemLibraries::ChooseColorW() {
    return As<ChooseColorFn>(os::win32::SystemFunction(L"comdlg32.dll", "ChooseColorW"));
}

SystemLibraries::ChooseFontFn SystemLibraries::ChooseFontW() {
    return As<ChooseFontFn>(os::win32::SystemFunction(L"comdlg32.dll", "ChooseFontW"));
}

SystemLibraries::SHBrowseForFolderFn SystemLibraries::SHBrowseForFolderW() {
    StartCom();
    return As<SHBrowseForFolderFn>(os::win32::SystemFunction(L"shell32.dll", "SHBrowseForFolderW"));
}

SystemLibraries::SHGetPathFromIDListFn SystemLibraries::SHGetPathFromIDListW() {
    return As<SHGetPathFromIDListFn>(
        os::win32::SystemFunction(L"shell32.dll", "SHGetPathFromIDListW"));
}

SystemLibraries::SHGetPathFromIDListExFn SystemLibraries::SHGetPathFromIDListEx() {
    return As<SHGetPathFromIDListExFn>(
        os::win32::SystemFunction(L"shell32.dll", "SHGetPathFromIDListEx"));
}

SystemLibraries::SHGetSpecialFolderLocationFn SystemLibraries::SHGetSpecialFolderLocation() {
    StartCom();
    return As<SHGetSpecialFolderLocationFn>(
        os::win32::SystemFunction(L"shell32.dll", "SHGetSpecialFolderLocation"));
}

SystemLibraries::CoTaskMemFreeFn SystemLibraries::CoTaskMemFree() {
    return As<CoTaskMemFreeFn>(os::win32::SystemFunction(L"ole32.dll", "CoTaskMemFree"));
}

SystemLibraries::GetDefaultPrinterFn SystemLibraries::GetDefaultPrinterW() {
    return As<GetDefaultPrinterFn>(os::win32::SystemFunction(L"winspool.drv", "GetDefaultPrinterW"));
}

}  // namespace forms::win32
