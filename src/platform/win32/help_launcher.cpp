#include "platform/win32/help_launcher.h"

#include <objbase.h>

#include "platform/win32/exports.h"

namespace vardek::platform::win32 {

HelpLauncher::~HelpLauncher()
{
    if (comStarted_ && coUninitialize_) {
        coUninitialize_();
    }
    if (shell32_) {
        ::FreeLibrary(shell32_);
    }
    if (ole32_) {
        ::FreeLibrary(ole32_);
    }
}

bool HelpLauncher::Load()
{
    if (tried_) {
        return shellExecuteEx_ != nullptr;
    }
    tried_ = true;
    // Only from the system folder, never from the program's or the current one.
    ole32_ = ::LoadLibraryExW(L"ole32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    shell32_ = ::LoadLibraryExW(L"shell32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    // The shell wants a single-threaded apartment on the thread that calls it: this one.
    using CoInitializeExFn = HRESULT(WINAPI*)(void*, DWORD);
    if (const auto coInitializeEx = ExportOf<CoInitializeExFn>(ole32_, "CoInitializeEx")) {
        comStarted_ = SUCCEEDED(coInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
        coUninitialize_ = ExportOf<decltype(coUninitialize_)>(ole32_, "CoUninitialize");
    }
    shellExecuteEx_ = ExportOf<decltype(shellExecuteEx_)>(shell32_, "ShellExecuteExW");
    return shellExecuteEx_ != nullptr;
}

void HelpLauncher::Open(const std::wstring& page)
{
    if (!Load()) {
        return;
    }
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.lpVerb = L"open";
    info.lpFile = page.c_str();
    info.nShow = SW_SHOWNORMAL;
    shellExecuteEx_(&info);
}

}  // namespace vardek::platform::win32
