#include "platform/win32/toolkit.h"

#include <cstring>

#include "platform/win32/dpi.h"
#include "platform/win32/form.h"
#include "platform/win32/picture_box.h"
#include "platform/win32/text.h"

namespace vardek::platform::win32 {
namespace {

// The folder of the running program, with a trailing separator; empty when it cannot be had.
std::wstring ProgramFolder()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        if (path.size() >= 32768) {
            return {};
        }
        path.resize(path.size() * 2);
    }
    const size_t separator = path.find_last_of(L"\\/");
    return separator == std::wstring::npos ? std::wstring() : path.substr(0, separator + 1);
}

}  // namespace

Win32Toolkit::Win32Toolkit(HINSTANCE instance)
    : instance_(instance),
      runSlot_([](std::string_view what) { ::OutputDebugStringA(std::string(what).c_str()); }),
      forms_([this](FormId id, const FormDef& def) { return std::make_unique<Win32Form>(*this, id, def); },
             [](Win32Form& form) { form.DestroyWindows(); })
{
    Win32Form::RegisterWindowClass(instance);
    Win32PictureBox::RegisterWindowClass(instance);
    Win32Loupe::RegisterWindowClass(instance);
}

Win32Toolkit::~Win32Toolkit()
{
    forms_.Clear();
}

void Win32Toolkit::SetBinder(FormId id, std::function<void(Form&)> binder)
{
    forms_.SetBinder(id, std::move(binder));
}

Form& Win32Toolkit::GetForm(FormId id)
{
    return forms_.Get(id);
}

bool Win32Toolkit::IsLoaded(FormId id) const
{
    return forms_.Loaded(id) != nullptr;
}

void Win32Toolkit::Unload(FormId id)
{
    forms_.Unload(id);
}

void Win32Toolkit::EndProgram()
{
    ::ExitProcess(0);
}

void Win32Toolkit::OpenHelp()
{
    const std::wstring folder = ProgramFolder();
    if (folder.empty()) {
        return;
    }
    const std::wstring page = folder + L"vardek-help.html";
    const DWORD attributes = ::GetFileAttributesW(page.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return;
    }
    help_.Open(page);
}

MonitorFit Win32Toolkit::MonitorFor(const PixelRect& window) const
{
    const RECT rect{window.left, window.top, window.right, window.bottom};
    MonitorFit fit;
    fit.onMonitor = ::MonitorFromRect(&rect, MONITOR_DEFAULTTONULL) != nullptr;
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (::GetMonitorInfoW(::MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST), &info)) {
        fit.workArea = {info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom};
    } else {
        // No monitor to ask: trust the place as it is.
        fit.onMonitor = true;
    }
    return fit;
}

std::vector<MonitorPart> Win32Toolkit::MonitorParts(const PixelRect& area) const
{
    struct Walk {
        RECT area;
        std::vector<MonitorPart> parts;
    };
    Walk walk{{area.left, area.top, area.right, area.bottom}, {}};
    // Asked now, not remembered: monitors come and go while the program runs.
    const auto onMonitor = [](HMONITOR monitor, HDC, LPRECT monitorRect, LPARAM data) -> BOOL {
        auto& w = *reinterpret_cast<Walk*>(data);
        RECT part{};
        if (::IntersectRect(&part, monitorRect, &w.area)) {
            w.parts.push_back({.area = {part.left, part.top, part.right, part.bottom}, .dpi = MonitorDpi(monitor)});
        }
        return TRUE;
    };
    ::EnumDisplayMonitors(nullptr, &walk.area, onMonitor, reinterpret_cast<LPARAM>(&walk));
    return walk.parts;
}

PixelPoint Win32Toolkit::CursorPos() const
{
    POINT point{};
    ::GetCursorPos(&point);
    return {point.x, point.y};
}

void Win32Toolkit::SetCursorPos(PixelPoint screen)
{
    ::SetCursorPos(screen.x, screen.y);
}

bool Win32Toolkit::SetClipboardText(std::string_view text)
{
    HWND owner = nullptr;
    for (FormId id : {FormId::Form2, FormId::Form1}) {
        if (!owner && forms_.Loaded(id)) {
            owner = forms_.Loaded(id)->Hwnd();
        }
    }
    // Another program may hold the clipboard for a moment. Wait without delivering messages:
    // no handler may run in the middle of a copy.
    constexpr int kAttempts = 25;
    constexpr DWORD kPauseMs = 20;
    bool opened = false;
    for (int attempt = 0; attempt < kAttempts && !opened; ++attempt) {
        opened = ::OpenClipboard(owner) != FALSE;
        if (!opened) {
            ::Sleep(kPauseMs);
        }
    }
    if (!opened) {
        return false;
    }
    const std::wstring wide = Widen(text);
    const size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    bool placed = false;
    if (HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, bytes)) {
        if (void* target = ::GlobalLock(memory)) {
            std::memcpy(target, wide.c_str(), bytes);
            ::GlobalUnlock(memory);
            ::EmptyClipboard();
            placed = ::SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
        }
        if (!placed) {
            ::GlobalFree(memory);  // the clipboard owns it only once placed
        }
    }
    ::CloseClipboard();
    return placed;
}

Win32Form* Win32Toolkit::FormForWindow(HWND window) const
{
    if (!window) {
        return nullptr;
    }
    HWND root = ::GetAncestor(window, GA_ROOT);
    Win32Form* found = nullptr;
    forms_.ForEachLoaded([&](Win32Form& form) {
        if (form.Hwnd() && form.Hwnd() == root) {
            found = &form;
        }
    });
    return found;
}

bool Win32Toolkit::IsFormWindow(HWND window) const
{
    bool found = false;
    forms_.ForEachLoaded([&](const Win32Form& form) { found = found || (window && form.Hwnd() == window); });
    return found;
}

}  // namespace vardek::platform::win32
