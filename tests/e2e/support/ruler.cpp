#include "ruler.h"

#include "desktop.h"
#include "windows/definition.h"

namespace e2e {
namespace {

HWND ChildById(HWND parent, const vardek::FormDef& form, std::string_view name)
{
    const int id = vardek::ControlId(form, name);
    return parent && id >= 0 ? GetDlgItem(parent, id) : nullptr;
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

HWND RulerControl(HWND ruler, std::string_view name)
{
    return ChildById(ruler, vardek::Form1Definition(), name);
}

HWND ViewControl(HWND view, std::string_view name)
{
    return ChildById(view, vardek::Form2Definition(), name);
}

RulerBar FindBar(HWND ruler)
{
    return {.copy = RulerControl(ruler, "Command1"),
            .cancel = RulerControl(ruler, "Command2"),
            .prev = RulerControl(ruler, "Prev"),
            .redraw = RulerControl(ruler, "Command4"),
            .restore = RulerControl(ruler, "Command3"),
            .coordLine = RulerControl(ruler, "Label1")};
}

HWND FindPicture(HWND ruler)
{
    return RulerControl(ruler, "Picture1");
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
