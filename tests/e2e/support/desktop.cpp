#include "desktop.h"

#include <memory>

#include "check.h"

namespace e2e {
namespace {

struct RegionDeleter {
    void operator()(HRGN region) const { DeleteObject(region); }
};
using Region = std::unique_ptr<std::remove_pointer_t<HRGN>, RegionDeleter>;

Region MakeRect(const RECT& r)
{
    return Region(CreateRectRgn(r.left, r.top, r.right, r.bottom));
}

void PumpOwnMessages()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

}  // namespace

void SendMouseButton(DWORD flags)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

Process::~Process()
{
    if (process_) {
        CloseHandle(process_);
    }
}

bool Process::Start(const std::wstring& exePath)
{
    std::wstring directory = exePath.substr(0, exePath.find_last_of(L"\\/") + 1);
    std::wstring commandLine = L"\"" + exePath + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        directory.empty() ? nullptr : directory.c_str(), &startup, &info)) {
        return false;
    }
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    pid_ = info.dwProcessId;
    return true;
}

bool Process::WaitForExit(DWORD timeoutMs) const
{
    // Waiting through WaitUntil keeps the driver's windows answering while the program closes.
    return process_ && WaitUntil([&] { return WaitForSingleObject(process_, 0) == WAIT_OBJECT_0; }, timeoutMs);
}

void Process::Kill()
{
    if (process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, 5000);
    }
}

bool WaitUntil(const std::function<bool()>& cond, DWORD timeoutMs)
{
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    for (;;) {
        PumpOwnMessages();
        if (cond()) {
            return true;
        }
        if (GetTickCount64() >= end) {
            return false;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

void Pause(DWORD ms)
{
    WaitUntil([] { return false; }, ms);
}

bool Settle(HWND window, DWORD timeoutMs)
{
    // Two round trips with a pause between them: messages that the first answer left queued
    // (repaints, posted follow-ups) have run by the second.
    DWORD_PTR result = 0;
    for (int round = 0; round < 2; ++round) {
        if (!SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, timeoutMs, &result)) {
            return false;
        }
        Pause(150);
    }
    return true;
}

std::wstring TextOf(HWND window)
{
    // WM_GETTEXT through SendMessageTimeout: GetWindowText of another process's control needs it, and a hung
    // program must not hang the driver.
    wchar_t buffer[512] = {};
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, std::size(buffer), reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG,
                             5000, &copied)) {
        return L"<no answer>";
    }
    return std::wstring(buffer, copied);
}

std::wstring ClassOf(HWND window)
{
    wchar_t buffer[256] = {};
    const int length = GetClassNameW(window, buffer, static_cast<int>(std::size(buffer)));
    return std::wstring(buffer, length > 0 ? length : 0);
}

bool IsTopMost(HWND window)
{
    return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

std::vector<HWND> TopLevelWindows(DWORD pid)
{
    struct Search {
        DWORD pid;
        std::vector<HWND> found;
    } search{pid, {}};
    EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == s->pid) {
                s->found.push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindTopLevel(DWORD pid, const std::wstring& title, bool visibleOnly)
{
    for (HWND window : TopLevelWindows(pid)) {
        if ((!visibleOnly || IsWindowVisible(window)) && TextOf(window) == title) {
            return window;
        }
    }
    return nullptr;
}

std::vector<HWND> Children(HWND parent)
{
    std::vector<HWND> found;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        found.push_back(child);
    }
    return found;
}

void DumpWindow(HWND window)
{
    const RECT r = WindowRect(window);
    Log("  window %p class %s text %s rect %s style %08lX exstyle %08lX", static_cast<void*>(window),
        Utf8(ClassOf(window)).c_str(), DescribeText(TextOf(window)).c_str(), DescribeRect(r).c_str(),
        static_cast<unsigned long>(GetWindowLongW(window, GWL_STYLE)),
        static_cast<unsigned long>(GetWindowLongW(window, GWL_EXSTYLE)));
    for (HWND child : Children(window)) {
        Log("    child %p class %s text %s client rect %s %s%s", static_cast<void*>(child),
            Utf8(ClassOf(child)).c_str(), DescribeText(TextOf(child)).c_str(),
            DescribeRect(RectInParentClient(child)).c_str(), IsWindowVisible(child) ? "visible" : "hidden",
            IsWindowEnabled(child) ? "" : " disabled");
    }
}

RECT WindowRect(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

SIZE ClientSize(HWND window)
{
    RECT r{};
    GetClientRect(window, &r);
    return {r.right, r.bottom};
}

POINT ClientOriginInWindow(HWND window)
{
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    const RECT outer = WindowRect(window);
    return {origin.x - outer.left, origin.y - outer.top};
}

RECT RectInParentClient(HWND child)
{
    RECT r = WindowRect(child);
    MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

RECT ClientRectInWindow(HWND child, HWND topLevel)
{
    POINT origin{0, 0};
    ClientToScreen(child, &origin);
    const SIZE size = ClientSize(child);
    const RECT outer = WindowRect(topLevel);
    const LONG left = origin.x - outer.left;
    const LONG top = origin.y - outer.top;
    return {left, top, left + size.cx, top + size.cy};
}

POINT CenterOnScreen(HWND window)
{
    const RECT r = WindowRect(window);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

std::vector<RECT> ReadRegionRects(HWND window)
{
    Region region(CreateRectRgn(0, 0, 0, 0));
    if (GetWindowRgn(window, region.get()) == ERROR) {
        return {};
    }
    const DWORD size = GetRegionData(region.get(), 0, nullptr);
    std::vector<char> buffer(size);
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    if (size == 0 || GetRegionData(region.get(), size, data) != size) {
        return {};
    }
    const auto* rects = reinterpret_cast<const RECT*>(data->Buffer);
    return std::vector<RECT>(rects, rects + data->rdh.nCount);
}

bool RegionIsFrame(HWND window, const RECT& outer, const RECT& hole)
{
    Region actual(CreateRectRgn(0, 0, 0, 0));
    if (GetWindowRgn(window, actual.get()) == ERROR) {
        return false;
    }
    Region expected(CreateRectRgn(0, 0, 0, 0));
    Region whole = MakeRect(outer);
    Region cut = MakeRect(hole);
    CombineRgn(expected.get(), whole.get(), cut.get(), RGN_DIFF);
    return EqualRgn(actual.get(), expected.get()) != FALSE;
}

COLORREF PixelAt(POINT screen)
{
    HDC dc = GetDC(nullptr);
    const COLORREF colour = GetPixel(dc, screen.x, screen.y);
    ReleaseDC(nullptr, dc);
    return colour;
}

bool PlacePointer(POINT screen)
{
    // Under Wine the X server echoes pointer moves back late, and a stale echo can move the pointer
    // again after SetCursorPos: place it until it reads back right twice in a row.
    int steadyReads = 0;
    const bool placed = WaitUntil(
        [&] {
            POINT at{};
            GetCursorPos(&at);
            if (at.x == screen.x && at.y == screen.y) {
                return ++steadyReads >= 2;
            }
            steadyReads = 0;
            SetCursorPos(screen.x, screen.y);
            return false;
        },
        3000);
    // Each move also sends Wine's desktop window a crossing event, which it turns into a pointer move to
    // where the pointer then was. Its thread reads them when it next pumps, which under load can be after
    // the program has moved the pointer on (an arrow step), and the stale move would undo that. A round trip
    // makes it read them now.
    DWORD_PTR result = 0;
    SendMessageTimeoutW(GetDesktopWindow(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &result);
    return placed;
}

bool PointerReaches(POINT expected, DWORD timeoutMs)
{
    if (!WaitUntil([&] { return CursorNow() == expected; }, timeoutMs)) {
        return false;
    }
    // The program's own move has the same stale crossing event as PlacePointer's (Wine warps under a grab
    // of its desktop window). When it comes last, Wine records the pointer one step back while the X
    // pointer stays, and tells the program so; GetCursorPos reads the X pointer once the last move is
    // 100 ms old. Setting the pointer where it already is makes Wine's record and the program agree again.
    SetCursorPos(expected.x, expected.y);
    return true;
}

bool Click(POINT screen)
{
    if (!PlacePointer(screen)) {
        return false;
    }
    SendMouseButton(MOUSEEVENTF_LEFTDOWN);
    Pause(50);
    SendMouseButton(MOUSEEVENTF_LEFTUP);
    return true;
}

void Key(WORD vk, bool extended)
{
    INPUT inputs[2]{};
    for (INPUT& input : inputs) {
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = vk;
        input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
        input.ki.dwFlags = extended ? KEYEVENTF_EXTENDEDKEY : 0;
    }
    inputs[1].ki.dwFlags |= KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof(INPUT));
}

void KeyChord(WORD modifier, WORD vk, bool extended)
{
    INPUT inputs[4]{};
    for (INPUT& input : inputs) {
        input.type = INPUT_KEYBOARD;
    }
    const DWORD ext = extended ? KEYEVENTF_EXTENDEDKEY : 0;
    inputs[0].ki.wVk = modifier;
    inputs[1].ki.wVk = vk;
    inputs[1].ki.dwFlags = ext;
    inputs[2].ki.wVk = vk;
    inputs[2].ki.dwFlags = ext | KEYEVENTF_KEYUP;
    inputs[3].ki.wVk = modifier;
    inputs[3].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(4, inputs, sizeof(INPUT));
}

POINT CursorNow()
{
    POINT p{};
    GetCursorPos(&p);
    return p;
}

bool Activate(HWND window)
{
    SetForegroundWindow(window);
    return WaitUntil([&] { return GetForegroundWindow() == window; }, 3000);
}

HWND FocusOf(HWND window)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) {
        return nullptr;
    }
    return info.hwndFocus;
}

std::wstring ClipboardText()
{
    std::wstring text = L"<none>";
    if (!OpenClipboard(nullptr)) {
        return L"<busy>";
    }
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

}  // namespace e2e
