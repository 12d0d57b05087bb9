// The form's window procedure: reflection to controls, queued resize and activate events, the
// pointer over controls, painting of background items, Tab moves and display scaling changes.
#include "platform/win32/windows_api.h"

#include <imm.h>

#include <algorithm>
#include <cstdint>
#include <functional>

#include "platform/win32/form.h"
#include "platform/win32/handles.h"
#include "platform/win32/messages.h"
#include "platform/win32/toolkit.h"
#include "platform/win32/windowless.h"

namespace vardek::platform::win32 {

#ifdef VARDEK_COUNT_HEAP
// heap_count.cpp, in the benchmarks' build: 0 the live bytes, 1 the live blocks, -1 another kind.
std::int64_t LiveHeap(int kind);
#endif

bool Win32Form::MoveFocusByTab(bool backwards)
{
    HWND focus = ::GetFocus();
    std::vector<TabCandidate> candidates;
    for (const auto& part : controls_) {
        HWND window = part->Hwnd();
        candidates.push_back({.def = &part->Definition(),
                              .canTakeFocus = window && ::IsWindowVisible(window) && ::IsWindowEnabled(window),
                              .focused = window && window == focus});
    }
    const int next = NextTabStop(candidates, backwards);
    if (next < 0) {
        return false;
    }
    ::SetFocus(controls_[static_cast<std::size_t>(next)]->Hwnd());
    return true;
}

void Win32Form::Paint()
{
    PAINTSTRUCT paint{};
    HDC dc = ::BeginPaint(window_.get(), &paint);
    if (dc) {
        for (const WindowlessControl* item : backgroundItems_) {
            item->Paint(dc);
        }
    }
    ::EndPaint(window_.get(), &paint);
}

bool Win32Form::SetPointer(HWND child, WORD hitTest)
{
    if (hitTest != HTCLIENT) {
        return false;
    }
    ControlPart* part = PartForWindow(child);
    if (!part) {
        return false;
    }
    switch (part->Definition().pointer) {
        case Pointer::Crosshair:
            ::SetCursor(::LoadCursorW(nullptr, IDC_CROSS));
            return true;
        case Pointer::Hand:
            ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
            return true;
        default:
            return false;
    }
}

void Win32Form::OnSize(WPARAM type)
{
    // SIZE_MAXSHOW and SIZE_MAXHIDE tell about other windows.
    if (type != SIZE_RESTORED && type != SIZE_MINIMIZED && type != SIZE_MAXIMIZED) {
        return;
    }
    const PixelSize size = ClientSize();
    // Region and frame changes resend WM_SIZE with nothing changed; a layout for each would never end.
    if (type == lastSizeType_ && size == lastClientSize_) {
        return;
    }
    lastSizeType_ = static_cast<UINT>(type);
    lastClientSize_ = size;
    if (!constructing_) {
        ::PostMessageW(window_.get(), kMsgQueuedResize, 0, 0);
    }
}

void Win32Form::OnActivate(WPARAM wParam, LPARAM lParam)
{
    HWND window = window_.get();
    if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = ::GetFocus();
        if (focus && ::IsChild(window, focus)) {
            lastFocus_ = focus;
        }
        // Another program's window: coming back from it does not count as coming from a form.
        if (!toolkit_.IsFormWindow(reinterpret_cast<HWND>(lParam))) {
            toolkit_.SetActiveForm(std::nullopt);
        }
        return;
    }
    const std::optional<FormId> before = toolkit_.ActiveForm();
    if ((before && *before != id_) || !everActivated_) {
        everActivated_ = true;
        // Handlers run from the pump, never inside WM_ACTIVATE.
        ::PostMessageW(window, kMsgQueuedActivate, 0, 0);
    }
    toolkit_.SetActiveForm(id_);
}

void Win32Form::OnDpiChanged(int newDpi, const RECT& suggested)
{
    const int oldDpi = dpi_;
    if (newDpi > 0 && newDpi != oldDpi) {
        dpi_ = newDpi;
        for (const auto& part : controls_) {
            part->Rescale(newDpi);
        }
        CreateFonts();
        ::InvalidateRect(window_.get(), nullptr, TRUE);
    }
    ::SetWindowPos(window_.get(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    // Lay out again at the new DPI even when the suggested size left the client as it was.
    if (newDpi != oldDpi) {
        ::PostMessageW(window_.get(), kMsgQueuedResize, 0, 0);
    }
}

LRESULT Win32Form::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
        case WM_CLOSE:
            // Through the toolkit, so that the form's own close or unload handler runs; the ruler's
            // unload ends the program.
            if (onClose) {
                toolkit_.RunSlot()(onClose);
            } else {
                toolkit_.RunSlot()(std::function<void()>([this] { toolkit_.Unload(id_); }));
            }
            return 0;
        case WM_COMMAND:
            if (ControlPart* part = PartForWindow(reinterpret_cast<HWND>(lParam))) {
                part->OnCommand(HIWORD(wParam));
                return 0;
            }
            break;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORLISTBOX:
            if (ControlPart* part = PartForWindow(reinterpret_cast<HWND>(lParam))) {
                if (HBRUSH brush = part->OnControlColour(reinterpret_cast<HDC>(wParam))) {
                    return reinterpret_cast<LRESULT>(brush);
                }
            }
            break;
        case WM_SETCURSOR:
            if (SetPointer(reinterpret_cast<HWND>(wParam), LOWORD(lParam))) {
                return TRUE;
            }
            break;
        case WM_PAINT:
            Paint();
            return 0;
        case WM_SIZE:
            OnSize(wParam);
            break;
        case WM_WINDOWPOSCHANGED:
            if ((reinterpret_cast<const WINDOWPOS*>(lParam)->flags & SWP_SHOWWINDOW) && !everShown_) {
                everShown_ = true;
                ::PostMessageW(window, kMsgQueuedResize, 0, 0);
            }
            break;  // DefWindowProc sends WM_SIZE and WM_MOVE from here
        case WM_ACTIVATE:
            OnActivate(wParam, lParam);
            if (LOWORD(wParam) != WA_INACTIVE && HIWORD(wParam) == 0 && lastFocus_ && ::IsChild(window, lastFocus_) &&
                ::IsWindowVisible(lastFocus_) && ::IsWindowEnabled(lastFocus_)) {
                // Back to the control that had the focus, as a dialog does.
                ::SetFocus(lastFocus_);
                return 0;
            }
            break;
        case WM_ACTIVATEAPP:
            if (!wParam) {
                toolkit_.SetActiveForm(std::nullopt);
            }
            break;
        case WM_DPICHANGED:
            OnDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case kMsgQueuedResize:
            toolkit_.RunSlot()(onResize);
            return 0;
        case kMsgQueuedActivate:
            toolkit_.RunSlot()(onActivate);
            return 0;
        case WM_SETTINGCHANGE:
            if (wParam != SPI_SETWORKAREA) {
                break;
            }
            [[fallthrough]];
        case WM_DISPLAYCHANGE:
            // Sent, possibly inside a move; the handler moves windows, so it runs from the queue. A work
            // area that changed (a monitor gone, the taskbar moved) may leave a form where none shows it.
            ::PostMessageW(window, kMsgQueuedDisplayChange, 0, 0);
            break;
        case kMsgQueuedDisplayChange:
            toolkit_.RunSlot()(onDisplayChange);
            return 0;
        case kMsgLiveHandleCount:
            return LiveHandleCount(static_cast<int>(wParam));
        case kMsgLiveHeap:
#ifdef VARDEK_COUNT_HEAP
            return static_cast<LRESULT>(LiveHeap(static_cast<int>(wParam)));
#else
            return -1;
#endif
        case kMsgHasInputContext:
            return HasInputContext(reinterpret_cast<HWND>(wParam));
        default:
            break;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

LRESULT Win32Form::HasInputContext(HWND target) const
{
    if (toolkit_.FormForWindow(target) == nullptr) {
        return -1;
    }
    HIMC context = ::ImmGetContext(target);
    if (context == nullptr) {
        return 0;
    }
    ::ImmReleaseContext(target, context);
    return 1;
}

}  // namespace vardek::platform::win32
