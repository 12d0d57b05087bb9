// The simplest Win32 program of the ruler's shape, for the benchmark to compare with: one top-level
// window with nine child controls, among them a picture control that paints from a DIB back buffer
// and a STATIC that echoes the pointer's screen position on every move over the picture. Built three
// ways: plain; with vardek's manifest (its resource script, nothing in this file); and with seven
// readouts of vardek's sizes, written on every move, in place of the one echo (VARDEK_BASELINE_READOUTS).
#include <windows.h>

#include <cwchar>

#include "../common/baseline_window.h"
#include "readouts.h"

#ifndef VARDEK_BASELINE_READOUTS
#define VARDEK_BASELINE_READOUTS 0
#endif

namespace {

constexpr wchar_t kWindowClass[] = L"VardekBaselineWindow";
constexpr wchar_t kPictureClass[] = L"VardekBaselinePicture";
constexpr int kPictureWidth = 480;
constexpr int kPictureHeight = 320;
constexpr bool kSevenReadouts = VARDEK_BASELINE_READOUTS != 0;
// The build with seven readouts stands where the driver's other windows leave room, and is wider
// for the coordinate line.
constexpr POINT kPlace = kSevenReadouts ? POINT{40, 620} : POINT{1300, 60};
constexpr SIZE kSize = kSevenReadouts ? SIZE{600, 400} : SIZE{500, 400};

HWND g_echo = nullptr;
HDC g_bufferDc = nullptr;

// The back buffer: a DIB section selected into a memory DC, filled once with a gradient.
void CreateBackBuffer()
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kPictureWidth;
    info.bmiHeader.biHeight = -kPictureHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    auto* pixels = static_cast<DWORD*>(bits);
    for (int y = 0; y < kPictureHeight; ++y)
        for (int x = 0; x < kPictureWidth; ++x)
            pixels[y * kPictureWidth + x] = static_cast<DWORD>((x & 0xFF) << 8 | (y & 0xFF));
    g_bufferDc = CreateCompatibleDC(nullptr);
    SelectObject(g_bufferDc, bitmap);
}

LRESULT CALLBACK PictureProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(window, &ps);
            BitBlt(dc, 0, 0, kPictureWidth, kPictureHeight, g_bufferDc, 0, 0, SRCCOPY);
            EndPaint(window, &ps);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_MOUSEMOVE: {
            POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            ClientToScreen(window, &p);
            if constexpr (kSevenReadouts) {
                vardek::bench::WriteReadouts(p);
                return 0;
            }
            wchar_t text[32];
            std::swprintf(text, 32, L"(%ld,%ld)", p.x, p.y);
            SetWindowTextW(g_echo, text);
            return 0;
        }
        default:
            return DefWindowProcW(window, msg, wParam, lParam);
    }
}

LRESULT CALLBACK WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

void AddChild(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style, int x, int y, int w, int h)
{
    CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent, nullptr,
                    GetModuleHandleW(nullptr), nullptr);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    WNDCLASSW wc{};
    wc.lpfnWndProc = WindowProcedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kWindowClass;
    RegisterClassW(&wc);
    wc.lpfnWndProc = PictureProcedure;
    wc.hbrBackground = nullptr;
    wc.lpszClassName = kPictureClass;
    RegisterClassW(&wc);
    CreateBackBuffer();

    HWND window = CreateWindowExW(0, kWindowClass, vardek::bench::kBaselineTitle, WS_OVERLAPPEDWINDOW, kPlace.x,
                                  kPlace.y, kSize.cx, kSize.cy, nullptr, nullptr, instance, nullptr);
    // Nine children, as many as the ruler window has.
    AddChild(window, kPictureClass, L"", 0, 0, 0, kPictureWidth, kPictureHeight);
    AddChild(window, L"BUTTON", L"Copy", BS_PUSHBUTTON, 0, 325, 50, 24);
    AddChild(window, L"BUTTON", L"Cancel", BS_PUSHBUTTON, 52, 325, 50, 24);
    AddChild(window, L"STATIC", L"000,000", 0, 104, 328, 60, 18);
    AddChild(window, L"BUTTON", L"Redraw", BS_PUSHBUTTON, 166, 325, 50, 24);
    AddChild(window, L"BUTTON", L"Restore", BS_PUSHBUTTON, 218, 325, 50, 24);
    AddChild(window, L"COMBOBOX", L"", CBS_DROPDOWNLIST, 270, 325, 40, 100);
    AddChild(window, L"STATIC", L"", 0, 312, 328, 40, 18);
    if constexpr (kSevenReadouts) {
        vardek::bench::CreateReadouts(window, instance);
    } else {
        g_echo = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 354, 328, 130, 18, window,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(vardek::bench::kBaselineEchoId)),
                                 instance, nullptr);
    }
    ShowWindow(window, show);
    UpdateWindow(window);

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
