#include "help_probe.h"

#include <fstream>
#include <iterator>

#include "desktop.h"

namespace e2e {
namespace {

// Under the classes root itself: Wine does not look in the user's own classes.
constexpr const wchar_t* kExtensionKey = L".html";
constexpr const wchar_t* kTypeKey = L"VardekE2E.HelpProbe";
constexpr const wchar_t* kType = L"VardekE2E.HelpProbe";

bool SetDefaultValue(const wchar_t* key, const std::wstring& value)
{
    return RegSetKeyValueW(HKEY_CLASSES_ROOT, key, nullptr, REG_SZ, value.c_str(),
                           static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

// What the file holds, without the blanks and line ends that echo adds.
std::wstring Trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \r\n\"");
    const auto last = text.find_last_not_of(" \r\n\"");
    if (first == std::string::npos) {
        return {};
    }
    const std::string kept = text.substr(first, last - first + 1);
    return std::wstring(kept.begin(), kept.end());
}

}  // namespace

HelpProbe::HelpProbe()
{
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    marker_ = std::wstring(temp) + L"vardek-help-opened-" + std::to_wstring(GetCurrentProcessId()) + L".txt";
    DeleteFileW(marker_.c_str());
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    const std::wstring command = L"\"" + std::wstring(system) + L"\\cmd.exe\" /c echo %1> \"" + marker_ + L"\"";
    wchar_t previous[256] = {};
    DWORD size = sizeof(previous);
    if (RegGetValueW(HKEY_CLASSES_ROOT, kExtensionKey, nullptr, RRF_RT_REG_SZ, nullptr, previous, &size) ==
        ERROR_SUCCESS) {
        previousType_ = previous;
    }
    ready_ = SetDefaultValue(kExtensionKey, kType) &&
             SetDefaultValue((std::wstring(kTypeKey) + L"\\shell\\open\\command").c_str(), command);
}

HelpProbe::~HelpProbe()
{
    RegDeleteTreeW(HKEY_CLASSES_ROOT, kTypeKey);
    if (previousType_.empty()) {
        RegDeleteTreeW(HKEY_CLASSES_ROOT, kExtensionKey);
    } else {
        SetDefaultValue(kExtensionKey, previousType_);
    }
    DeleteFileW(marker_.c_str());
}

std::wstring HelpProbe::OpenedPage(DWORD waitMs) const
{
    std::wstring page;
    WaitUntil(
        [&] {
            std::ifstream file(marker_.c_str());
            page = Trimmed(std::string(std::istreambuf_iterator<char>(file), {}));
            return !page.empty();
        },
        waitMs);
    return page;
}

}  // namespace e2e
