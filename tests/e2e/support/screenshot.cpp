#include "screenshot.h"

#include <windows.h>

#include "check.h"
#include "desktop.h"

namespace e2e {
namespace {

std::wstring screenshotFolder;

}  // namespace

void SetScreenshotFolder(const std::wstring& folder)
{
    screenshotFolder = folder;
}

const std::wstring& ScreenshotFolder()
{
    return screenshotFolder;
}

bool RequestScreenshot(const std::wstring& name)
{
    if (screenshotFolder.empty()) {
        return false;
    }
    // Let the windows finish painting before the picture is taken.
    Pause(300);
    const std::wstring request = screenshotFolder + L"\\request-" + name;
    HANDLE file =
        CreateFileW(request.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        Log("screenshot %s: cannot write the request", Utf8(name).c_str());
        return false;
    }
    CloseHandle(file);
    const bool taken = WaitUntil([&] { return GetFileAttributesW(request.c_str()) == INVALID_FILE_ATTRIBUTES; }, 20000);
    if (!taken) {
        DeleteFileW(request.c_str());
        Log("screenshot %s: not taken in time", Utf8(name).c_str());
        return false;
    }
    Log("screenshot %s.png", Utf8(name).c_str());
    return true;
}

}  // namespace e2e
