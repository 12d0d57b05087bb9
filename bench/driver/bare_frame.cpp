#include "bare_frame.h"

#include "../../tests/e2e/support/desktop.h"
#include "bench.h"

namespace vardek::bench {
namespace {

constexpr wchar_t kClass[] = L"VardekBenchBareFrame";

LRESULT CALLBACK Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        // The window's user data is its back buffer's DC.
        if (auto* buffer = reinterpret_cast<HDC>(GetWindowLongPtrW(window, GWLP_USERDATA))) {
            BitBlt(dc, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
                   ps.rcPaint.bottom - ps.rcPaint.top, buffer, ps.rcPaint.left, ps.rcPaint.top, SRCCOPY);
        }
        EndPaint(window, &ps);
        return 0;
    }
    if (msg == WM_ERASEBKGND) {
        return 1;
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

HRGN FrameRegion(const RECT& outer, const RECT& hole)
{
    HRGN frame = CreateRectRgn(0, 0, outer.right - outer.left, outer.bottom - outer.top);
    HRGN cut = CreateRectRgn(hole.left, hole.top, hole.right, hole.bottom);
    CombineRgn(frame, frame, cut, RGN_DIFF);
    DeleteObject(cut);
    return frame;
}

// Timed from the call to the window repainted and its drawing out: the GDI batch flushed, and the
// zero wait in which Wine copies window surfaces to the screen, as vardek's pump does after painting.
double TimeRegion(HWND window, HRGN region)
{
    const double start = NowMs();
    SetWindowRgn(window, region, TRUE);
    UpdateWindow(window);
    GdiFlush();
    MsgWaitForMultipleObjectsEx(0, nullptr, 0, QS_ALLINPUT, 0);
    return NowMs() - start;
}

}  // namespace

BareFrame::BareFrame(const RECT& outer, const RECT& hole) : outer_(outer), hole_(hole)
{
    WNDCLASSW wc{};
    wc.lpfnWndProc = Procedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kClass;
    RegisterClassW(&wc);  // fails harmlessly when an earlier frame registered it
    window_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_NOACTIVATE, kClass, L"bare frame",
                              WS_CAPTION | WS_THICKFRAME | WS_SYSMENU, outer.left, outer.top, outer.right - outer.left,
                              outer.bottom - outer.top, nullptr, nullptr, wc.hInstance, nullptr);
    if (!window_) {
        return;
    }
    // The back buffer: a DIB section of the client's size, filled once with a pattern.
    RECT client{};
    GetClientRect(window_, &client);
    BITMAPINFO info = e2e::TopDownRgb32(client.right, client.bottom);
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bufferDc_ = CreateCompatibleDC(nullptr);
    old_ = SelectObject(bufferDc_, bitmap_);
    if (auto* pixels = static_cast<DWORD*>(bits)) {
        for (LONG i = 0; i < client.right * client.bottom; ++i) {
            pixels[i] = static_cast<DWORD>(i) * 2654435761u;
        }
    }
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(bufferDc_));
}

BareFrame::~BareFrame()
{
    if (window_) {
        DestroyWindow(window_);
    }
    if (bufferDc_) {
        SelectObject(bufferDc_, old_);
        DeleteDC(bufferDc_);
    }
    if (bitmap_) {
        DeleteObject(bitmap_);
    }
}

BareFrame::Times BareFrame::Time()
{
    Times times;
    if (!window_) {
        return times;
    }
    // Shown above everything with the hole cut, as the ruler stands in the frame; then let the
    // window system finish with it before the clock starts.
    SetWindowRgn(window_, FrameRegion(outer_, hole_), FALSE);
    SetWindowPos(window_, HWND_TOPMOST, outer_.left, outer_.top, outer_.right - outer_.left, outer_.bottom - outer_.top,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
    UpdateWindow(window_);
    e2e::Pause(50);
    times.whole = TimeRegion(window_, CreateRectRgn(0, 0, outer_.right - outer_.left, outer_.bottom - outer_.top));
    e2e::Pause(50);
    times.cut = TimeRegion(window_, FrameRegion(outer_, hole_));
    SetWindowPos(window_, nullptr, 0, 0, 0, 0,
                 SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return times;
}

}  // namespace vardek::bench
