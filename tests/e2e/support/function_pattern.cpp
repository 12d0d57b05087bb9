#include "function_pattern.h"

#include "desktop.h"

namespace e2e {

FunctionPattern::FunctionPattern(int variant) : variant_(variant)
{
    static const wchar_t* kClass = L"VardekE2EFunctionPattern";
    WNDCLASSW wc{};
    wc.lpfnWndProc = Procedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kClass;
    RegisterClassW(&wc);
    window_ = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kClass, L"pattern", WS_POPUP, 0, 0, 10, 10, nullptr,
                              nullptr, wc.hInstance, this);
}

FunctionPattern::~FunctionPattern()
{
    DestroyWindow(window_);
}

void FunctionPattern::Cover(const RECT& screen)
{
    place_ = screen;
    SetWindowPos(window_, HWND_TOP, screen.left, screen.top, screen.right - screen.left, screen.bottom - screen.top,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
    InvalidateRect(window_, nullptr, FALSE);
    UpdateWindow(window_);
}

LRESULT CALLBACK FunctionPattern::Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NCCREATE) {
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    }
    auto* self = reinterpret_cast<FunctionPattern*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (msg == WM_PAINT && self) {
        self->Paint(window);
        return 0;
    }
    if (msg == WM_ERASEBKGND) {
        return 1;
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

void FunctionPattern::Paint(HWND window) const
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    RECT client;
    GetClientRect(window, &client);
    const int width = client.right;
    const int height = client.bottom;
    std::vector<DWORD> pixels(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF c = Colour(x, y);
            pixels[static_cast<size_t>(y) * width + x] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
        }
    }
    BITMAPINFO info = TopDownRgb32(width, height);
    SetDIBitsToDevice(dc, 0, 0, width, height, 0, 0, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
    EndPaint(window, &ps);
}

ScreenGrab::ScreenGrab(const RECT& r) : rect_(r), width_(r.right - r.left), height_(r.bottom - r.top)
{
    pixels_.resize(static_cast<size_t>(width_) * height_);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = TopDownRgb32(width_, height_);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width_, height_, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    const auto* source = static_cast<const DWORD*>(bits);
    for (size_t i = 0; i < pixels_.size(); ++i) {
        const DWORD p = source[i];
        pixels_[i] = RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

}  // namespace e2e
