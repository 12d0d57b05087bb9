#include "pattern_window.h"

#include <windowsx.h>

namespace e2e {
namespace {

constexpr wchar_t kClassName[] = L"VardekE2EPattern";

}  // namespace

PatternWindow::PatternWindow(COLORREF colour) : colour_(colour), brush_(CreateSolidBrush(colour))
{
    WNDCLASSW wc{};
    wc.lpfnWndProc = Procedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kClassName;
    RegisterClassW(&wc);  // fails harmlessly when a second pattern window registers it again
    window_ = CreateWindowExW(WS_EX_TOOLWINDOW, kClassName, L"Vardek e2e pattern", WS_POPUP, 0, 0, 10, 10, nullptr,
                              nullptr, wc.hInstance, this);
}

PatternWindow::~PatternWindow()
{
    if (window_) {
        DestroyWindow(window_);
    }
    DeleteObject(brush_);
}

void PatternWindow::Cover(const RECT& r)
{
    SetWindowPos(window_, HWND_NOTOPMOST, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

LRESULT CALLBACK PatternWindow::Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NCCREATE) {
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    }
    auto* self = reinterpret_cast<PatternWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (msg) {
        case WM_ERASEBKGND: {
            RECT r;
            GetClientRect(window, &r);
            FillRect(reinterpret_cast<HDC>(wParam), &r, self->brush_);
            return 1;
        }
        case WM_LBUTTONDOWN: {
            POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            ClientToScreen(window, &p);
            self->lastClick_ = p;
            ++self->clicks_;
            return 0;
        }
        case WM_MOUSEACTIVATE:
            // A click must not raise it over the ruler's stacking band or steal the activation.
            return MA_NOACTIVATE;
        default:
            return DefWindowProcW(window, msg, wParam, lParam);
    }
}

}  // namespace e2e
