// What the driver does on the shared desktop: start a program, find its windows and controls,
// read their captions, styles, regions and the screen's pixels, and send real input.
// Every wait is bounded and keeps the driver's own windows serviced.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace e2e {

class Process {
public:
    Process() = default;
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    ~Process();

    // Starts the program in its own directory; false if it could not be started.
    bool Start(const std::wstring& exePath);
    bool WaitForExit(DWORD timeoutMs) const;
    // Ends a program that is still running (clean-up after a failed run).
    void Kill();
    DWORD Id() const { return pid_; }

private:
    HANDLE process_ = nullptr;
    DWORD pid_ = 0;
};

// Runs the driver's own message queue until cond() holds or the time is up; true if it held.
bool WaitUntil(const std::function<bool()>& cond, DWORD timeoutMs);
void Pause(DWORD ms);
// Waits until the window's thread answers, then lets its follow-up messages run.
bool Settle(HWND window, DWORD timeoutMs = 5000);

std::wstring TextOf(HWND window);
std::wstring ClassOf(HWND window);
bool IsTopMost(HWND window);

std::vector<HWND> TopLevelWindows(DWORD pid);
HWND FindTopLevel(DWORD pid, const std::wstring& title, bool visibleOnly);
// Direct children, in stacking order from the top.
std::vector<HWND> Children(HWND parent);
void DumpWindow(HWND window);

RECT WindowRect(HWND window);
SIZE ClientSize(HWND window);
// Where the window's client area starts, relative to its outer top-left corner.
POINT ClientOriginInWindow(HWND window);
// A child's outer rectangle in its parent's client coordinates / in the top-level window's coordinates.
RECT RectInParentClient(HWND child);
RECT ClientRectInWindow(HWND child, HWND topLevel);
POINT CenterOnScreen(HWND window);

// The window's region in window coordinates, as its rectangles; empty if it has none.
std::vector<RECT> ReadRegionRects(HWND window);
// True if the window's region is exactly outer with hole taken out.
bool RegionIsFrame(HWND window, const RECT& outer, const RECT& hole);

// The header of a top-down 32-bit RGB bitmap of that size, for DIB sections and DIB copies.
inline BITMAPINFO TopDownRgb32(int width, int height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

COLORREF PixelAt(POINT screen);

// Moves the pointer with SetCursorPos until GetCursorPos reads it back; false if it would not stay.
bool PlacePointer(POINT screen);
// Places the pointer and clicks the left button there.
bool Click(POINT screen);
// A button pressed or let go (MOUSEEVENTF_LEFTDOWN...) where the pointer is, for a click with a step between.
void SendMouseButton(DWORD flags);
void Key(WORD vk, bool extended = false);
// A key pressed while a modifier (VK_SHIFT, VK_CONTROL, VK_MENU) is held.
void KeyChord(WORD modifier, WORD vk, bool extended);
POINT CursorNow();
// Waits until the pointer that the program moved (an arrow step, an edge jump) reads `expected`; false if
// it never got there. Then brings Wine's own record of the pointer back in line with the X pointer.
bool PointerReaches(POINT expected, DWORD timeoutMs = 2000);
// Brings the window to the foreground; true if it got there.
bool Activate(HWND window);

// The control with the keyboard focus in the window's thread.
HWND FocusOf(HWND window);

// The clipboard's plain text; "<none>" without one, "<busy>" while another program holds the clipboard.
std::wstring ClipboardText();

}  // namespace e2e
