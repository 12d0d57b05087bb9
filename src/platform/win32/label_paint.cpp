#include "platform/win32/label_paint.h"

#include <commctrl.h>

#include "platform/units.h"
#include "platform/win32/dpi.h"
#include "platform/win32/handles.h"
#include "platform/win32/text.h"
#include "windows/definition.h"

namespace vardek::platform::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 1;

UINT AlignmentFormat(HWND label)
{
    switch (::GetWindowLongW(label, GWL_STYLE) & SS_TYPEMASK) {
        case SS_RIGHT:
            return DT_RIGHT;
        case SS_CENTER:
            return DT_CENTER;
        default:
            return DT_LEFT;
    }
}

void Paint(HWND label, HDC dc)
{
    RECT client{};
    ::GetClientRect(label, &client);
    // The parent answers with the label's colours, as it does for the STATIC's own painting.
    auto* brush = reinterpret_cast<HBRUSH>(::SendMessageW(
        ::GetParent(label), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label)));
    ::FillRect(dc, &client, brush ? brush : ::GetSysColorBrush(COLOR_BTNFACE));
    if (!::IsWindowEnabled(label)) {
        ::SetTextColor(dc, ::GetSysColor(COLOR_GRAYTEXT));
    }
    ::SetBkMode(dc, TRANSPARENT);
    const SelectGuard font(dc, reinterpret_cast<HFONT>(::SendMessageW(label, WM_GETFONT, 0, 0)));
    const bool framed = (::GetWindowLongW(label, GWL_STYLE) & WS_BORDER) != 0;
    const int inset = framed ? ScaleForDpi(kFramedTextInset, WindowDpi(label)) : 0;
    RECT text = client;
    ::InflateRect(&text, -inset, 0);
    const std::wstring caption = WindowText(label);
    // Clipped to the inset rectangle, so that a caption too wide never draws over a frame.
    // Framed boxes centre their line, as SS_CENTERIMAGE asks; plain labels keep it at the top.
    const UINT vertical = (::GetWindowLongW(label, GWL_STYLE) & SS_CENTERIMAGE) != 0 ? DT_VCENTER : DT_TOP;
    ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
                AlignmentFormat(label) | vertical | DT_SINGLELINE | DT_NOPREFIX);
}

LRESULT CALLBACK LabelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR /*data*/)
{
    switch (message) {
        case WM_ERASEBKGND:
            return TRUE;  // the paint fills the background itself
        case WM_PAINT: {
            PAINTSTRUCT ps{};
            HDC dc = ::BeginPaint(label, &ps);
            Paint(label, dc);
            ::EndPaint(label, &ps);
            return 0;
        }
        case WM_PRINTCLIENT:
            Paint(label, reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_SETTEXT: {
            // Stored as every window stores its text; the STATIC's own handler would paint at once.
            const LRESULT result = ::DefWindowProcW(label, message, wParam, lParam);
            ::InvalidateRect(label, nullptr, FALSE);
            return result;
        }
        case WM_NCDESTROY:
            ::RemoveWindowSubclass(label, &LabelProc, id);
            break;
        default:
            break;
    }
    return ::DefSubclassProc(label, message, wParam, lParam);
}

}  // namespace

void PaintLabelItself(HWND label)
{
    ::SetWindowSubclass(label, &LabelProc, kSubclassId, 0);
}

}  // namespace vardek::platform::win32
