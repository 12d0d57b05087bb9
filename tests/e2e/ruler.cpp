#include "ruler.h"

#include <algorithm>

#include "desktop.h"

namespace e2e {
namespace {

bool ClassIs(HWND window, const wchar_t* name)
{
    return CompareStringOrdinal(ClassOf(window).c_str(), -1, name, -1, TRUE) == CSTR_EQUAL;
}

}  // namespace

HWND FindRuler(DWORD pid)
{
    return FindTopLevel(pid, kRulerTitle, true);
}

bool CoordViewVisible(DWORD pid)
{
    return FindTopLevel(pid, kCoordViewTitle, true) != nullptr;
}

RulerBar FindBar(HWND ruler)
{
    RulerBar bar;
    bar.copy = ControlByCaption(ruler, L"Button", kCopyCaption);
    bar.cancel = ControlByCaption(ruler, L"Button", kCancelCaption);
    bar.redraw = ControlByCaption(ruler, L"Button", kRedrawCaption);
    bar.restore = ControlByCaption(ruler, L"Button", kRestoreCaption);
    // The two labels are told apart by place: the remembered origin stands left of the buttons
    // "再描写" and "復元", the coordinate line right of them.
    LONG barRight = 0;
    for (HWND button : {bar.redraw, bar.restore})
        if (button)
            barRight = std::max(barRight, RectInParentClient(button).right);
    for (HWND child : Children(ruler)) {
        if (!ClassIs(child, L"Static"))
            continue;
        if (RectInParentClient(child).left < barRight)
            bar.prev = bar.prev ? bar.prev : child;
        else
            bar.coordLine = bar.coordLine ? bar.coordLine : child;
    }
    return bar;
}

HWND FindPicture(HWND ruler)
{
    for (HWND child : Children(ruler)) {
        if (!ClassIs(child, L"Button") && !ClassIs(child, L"Static") && !ClassIs(child, L"ComboBox"))
            return child;
    }
    return nullptr;
}

RECT ExpectedOuter(SIZE client)
{
    return {0, 0, client.cx + kExtraWidth, client.cy + kExtraHeight};
}

// The picture's drawing area inside its 2-pixel border, the picture filling the client's width and all
// but the bar's height.
RECT ExpectedHole(SIZE client)
{
    return {kPictureLeft, kPictureTop, client.cx + 2, client.cy - 12};
}

void ResizeClient(HWND ruler, int width, int height)
{
    SetWindowPos(ruler, nullptr, 0, 0, width + kExtraWidth, height + kExtraHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Settle(ruler);
}

}  // namespace e2e
