#include "platform/win32/windowless.h"

#include <algorithm>
#include <stdexcept>

#include "platform/win32/colours.h"
#include "platform/win32/form.h"
#include "platform/win32/handles.h"
#include "platform/win32/text.h"

namespace vardek::platform::win32 {
namespace {

// Border styles of a shape, by its style code: 0 none, 1 solid, 2 dash, 3 dot, 4 dash-dot,
// 5 dash-dot-dot, 6 solid inside the frame.
int PenStyleForCode(int code)
{
    switch (code) {
        case 1:
            return PS_SOLID;
        case 2:
            return PS_DASH;
        case 3:
            return PS_DOT;
        case 4:
            return PS_DASHDOT;
        case 5:
            return PS_DASHDOTDOT;
        case 6:
            return PS_INSIDEFRAME;
        default:
            return PS_NULL;
    }
}

}  // namespace

bool IsWindowless(const ControlDef& def)
{
    return def.kind == Kind::Line || def.kind == Kind::Shape || (def.kind == Kind::Label && !def.parent.empty());
}

WindowlessControl::WindowlessControl(Win32Form& form, const ControlDef& def, HWND container)
    : form_(form),
      def_(def),
      container_(container),
      caption_(def.caption),
      visible_(def.visible),
      enabled_(def.enabled),
      back_(def.backColour)
{
    PlaceFromDefinition(form.CurrentDpi());
}

void WindowlessControl::PlaceFromDefinition(int dpi)
{
    if (def_.kind == Kind::Line) {
        from_ = {TwipsToPixels(def_.line.x1, dpi), TwipsToPixels(def_.line.y1, dpi)};
        to_ = {TwipsToPixels(def_.line.x2, dpi), TwipsToPixels(def_.line.y2, dpi)};
    } else {
        const PixelRect rect = DefinitionRectInPixels(def_, dpi);
        from_ = rect.TopLeft();
        to_ = {rect.right, rect.bottom};
    }
}

void WindowlessControl::SetCaption(std::string_view text)
{
    if (def_.kind != Kind::Label) {
        throw std::invalid_argument("only labels have a caption");
    }
    if (caption_ != text) {
        caption_ = std::string(text);
        Invalidate();
    }
}

PixelRect WindowlessControl::Bounds() const
{
    return {std::min(from_.x, to_.x), std::min(from_.y, to_.y), std::max(from_.x, to_.x), std::max(from_.y, to_.y)};
}

void WindowlessControl::SetBounds(const PixelRect& bounds)
{
    if (bounds.Width() < 0 || bounds.Height() < 0) {
        throw std::invalid_argument("negative control size");
    }
    Invalidate();
    // A line keeps its direction: each end point moves to the matching edge of the new bounds.
    const bool leftToRight = from_.x <= to_.x;
    const bool topToBottom = from_.y <= to_.y;
    from_ = {leftToRight ? bounds.left : bounds.right, topToBottom ? bounds.top : bounds.bottom};
    to_ = {leftToRight ? bounds.right : bounds.left, topToBottom ? bounds.bottom : bounds.top};
    Invalidate();
}

void WindowlessControl::SetVisible(bool visible)
{
    if (visible_ != visible) {
        visible_ = visible;
        Invalidate();
    }
}

void WindowlessControl::SetBackColour(Colour colour)
{
    if (back_ != colour) {
        back_ = colour;
        Invalidate();
    }
}

void WindowlessControl::Rescale(int newDpi)
{
    // From the twips again, not scaled from the old pixels, so that rounding never accumulates.
    PlaceFromDefinition(newDpi);
}

void WindowlessControl::Invalidate() const
{
    if (!container_ || !::IsWindow(container_)) {
        return;
    }
    // One pixel more on every side: a line or border drawn on the edge of the bounds.
    const PixelRect bounds = Bounds();
    RECT rect{bounds.left - 1, bounds.top - 1, bounds.right + 1, bounds.bottom + 1};
    ::InvalidateRect(container_, &rect, FALSE);
}

void WindowlessControl::Paint(HDC dc) const
{
    if (!visible_) {
        return;
    }
    switch (def_.kind) {
        case Kind::Line: {
            Pen pen(::CreatePen(PS_SOLID, 1, ToColorRef(def_.foreColour)));
            SelectGuard selectPen(dc, pen.get());
            ::MoveToEx(dc, from_.x, from_.y, nullptr);
            ::LineTo(dc, to_.x, to_.y);
            break;
        }
        case Kind::Shape: {
            // An outline only: the picture shows through the shape and the gaps of its border.
            Pen pen(::CreatePen(PenStyleForCode(def_.styleCode), 1, ToColorRef(def_.foreColour)));
            SelectGuard selectPen(dc, pen.get());
            SelectGuard selectBrush(dc, ::GetStockObject(NULL_BRUSH));
            const int oldMode = ::SetBkMode(dc, TRANSPARENT);
            ::Rectangle(dc, from_.x, from_.y, to_.x, to_.y);
            ::SetBkMode(dc, oldMode);
            break;
        }
        case Kind::Label: {
            RECT rect{from_.x, from_.y, to_.x, to_.y};
            // A label that names no back colour of its own is transparent over its picture; one that
            // does (the legend's grey screen area) is filled.
            if (back_ != kButtonFace) {
                Brush brush(::CreateSolidBrush(ToColorRef(back_)));
                ::FillRect(dc, &rect, brush.get());
            }
            if (def_.framed) {
                ::FrameRect(dc, &rect, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
                ::InflateRect(&rect, -1, -1);
            }
            if (!caption_.empty()) {
                SelectGuard selectFont(dc, form_.FontFor(def_));
                const int oldMode = ::SetBkMode(dc, TRANSPARENT);
                const COLORREF oldColour = ::SetTextColor(dc, ToColorRef(def_.foreColour));
                const UINT align = def_.align == Align::Centre  ? DT_CENTER
                                   : def_.align == Align::Right ? DT_RIGHT
                                                                : DT_LEFT;
                const std::wstring text = Widen(caption_);
                ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, align | DT_WORDBREAK | DT_NOPREFIX);
                ::SetTextColor(dc, oldColour);
                ::SetBkMode(dc, oldMode);
            }
            break;
        }
        default:
            break;
    }
}

}  // namespace vardek::platform::win32
