// Opens the help page with the shell. The shell and COM are loaded at the first request, not at
// start-up: most sessions never ask for help, and loading them costs every start a moment.
#pragma once

#include "platform/win32/windows_api.h"

#include <shellapi.h>

#include <string>

namespace vardek::platform::win32 {

class HelpLauncher {
public:
    HelpLauncher() = default;
    ~HelpLauncher();
    HelpLauncher(const HelpLauncher&) = delete;
    HelpLauncher& operator=(const HelpLauncher&) = delete;

    // Opens the page with its associated program; without the shell, nothing happens.
    void Open(const std::wstring& page);

private:
    bool Load();

    bool tried_ = false;
    HMODULE ole32_ = nullptr;
    HMODULE shell32_ = nullptr;
    bool comStarted_ = false;
    BOOL(WINAPI* shellExecuteEx_)(SHELLEXECUTEINFOW*) = nullptr;
    void(WINAPI* coUninitialize_)() = nullptr;
};

}  // namespace vardek::platform::win32
