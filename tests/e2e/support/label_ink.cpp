#include "label_ink.h"

#include <algorithm>
#include <vector>

#include "check.h"
#include "desktop.h"
#include "function_pattern.h"
#include "platform/units.h"

namespace e2e {
namespace {

COLORREF Resolve(vardek::Colour colour)
{
    if (vardek::IsSystemColour(colour)) {
        return GetSysColor(static_cast<int>(colour & 0xFFu));
    }
    return static_cast<COLORREF>(colour & 0x00FFFFFFu);
}

std::wstring WideFromUtf8(std::string_view text)
{
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(std::max(length, 0)), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

RECT Intersection(const RECT& a, const RECT& b)
{
    RECT r{};
    IntersectRect(&r, &a, &b);
    return r;
}

// The whole virtual screen: on a desk of several monitors a label may stand at negative coordinates.
RECT ScreenRect()
{
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN), top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

RECT ClientOnScreen(HWND window)
{
    RECT r{};
    GetClientRect(window, &r);
    MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// Grows the box by one pixel.
void Add(Ink& ink, LONG x, LONG y)
{
    if (ink.pixels++ == 0) {
        ink.box = {x, y, x + 1, y + 1};
        return;
    }
    ink.box.left = std::min(ink.box.left, x);
    ink.box.top = std::min(ink.box.top, y);
    ink.box.right = std::max(ink.box.right, x + 1);
    ink.box.bottom = std::max(ink.box.bottom, y + 1);
}

// True if a sibling stacked above the label covers the point, as a neighbour may cover the
// label's frame by a pixel.
bool UnderSibling(HWND label, POINT p)
{
    for (HWND above = GetWindow(label, GW_HWNDPREV); above; above = GetWindow(above, GW_HWNDPREV)) {
        const RECT r = WindowRect(above);
        if (IsWindowVisible(above) && PtInRect(&r, p)) {
            return true;
        }
    }
    return false;
}

// The first pixel of the frame around the client area that differs from the frame's first pixel,
// or (-1, -1) when the frame is one colour. Only what shows of it inside `visible` is looked at.
POINT FrameBreak(HWND label, const RECT& visible)
{
    const RECT outer = Intersection(WindowRect(label), visible);
    const RECT inner = ClientOnScreen(label);
    if (IsRectEmpty(&outer)) {
        return {-1, -1};
    }
    const ScreenGrab grab(outer);
    bool first = true;
    COLORREF frame = 0;
    for (LONG y = outer.top; y < outer.bottom; ++y) {
        for (LONG x = outer.left; x < outer.right; ++x) {
            const POINT p{x, y};
            if (PtInRect(&inner, p) || UnderSibling(label, p)) {
                continue;
            }
            if (first) {
                frame = grab.At(p);
                first = false;
            } else if (grab.At(p) != frame) {
                return p;
            }
        }
    }
    return {-1, -1};
}

// True if every corner of the area shows the label itself, not a window laid over it.
bool Uncovered(HWND label, const RECT& area)
{
    const POINT corners[] = {{area.left, area.top},
                             {area.right - 1, area.top},
                             {area.left, area.bottom - 1},
                             {area.right - 1, area.bottom - 1}};
    return std::all_of(std::begin(corners), std::end(corners), [&](POINT p) { return WindowFromPoint(p) == label; });
}

}  // namespace

LabelLook LookOf(const vardek::FormDef& form, std::string_view name, int dpi)
{
    LabelLook look;
    const vardek::ControlDef* control = vardek::FindControl(form, name);
    if (!control) {
        return look;
    }
    const vardek::FontDef& font = control->font.value_or(form.font);
    look.font.lfHeight = -vardek::RoundHalfEven(font.points * dpi / 72.0);
    look.font.lfWeight = font.weight;
    look.font.lfCharSet = static_cast<BYTE>(font.shiftJisCharset ? SHIFTJIS_CHARSET : DEFAULT_CHARSET);
    look.font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    look.font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    look.font.lfQuality = DEFAULT_QUALITY;
    WideFromUtf8(font.face).copy(look.font.lfFaceName, LF_FACESIZE - 1);
    look.text = Resolve(control->foreColour);
    look.back = Resolve(control->backColour);
    return look;
}

Ink InkOnScreen(const RECT& area, COLORREF back, HWND label)
{
    Ink ink;
    if (IsRectEmpty(&area)) {
        return ink;
    }
    const ScreenGrab grab(area);
    for (LONG y = area.top; y < area.bottom; ++y) {
        for (LONG x = area.left; x < area.right; ++x) {
            if (grab.At({x, y}) != back && !(label && UnderSibling(label, {x, y}))) {
                Add(ink, x, y);
            }
        }
    }
    return ink;
}

Ink InkAlone(const std::wstring& text, const LabelLook& look)
{
    Ink ink;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    HFONT font = CreateFontIndirectW(&look.font);
    HGDIOBJ oldFont = SelectObject(memory, font);
    SIZE extent{};
    GetTextExtentPoint32W(memory, text.c_str(), static_cast<int>(text.size()), &extent);
    TEXTMETRICW metrics{};
    GetTextMetricsW(memory, &metrics);
    // A blank of a line's height on every side leaves room for glyphs that reach out of their cells.
    const int pad = metrics.tmHeight;
    const int width = extent.cx + 2 * pad;
    const int height = metrics.tmHeight + 2 * pad;

    BITMAPINFO info = TopDownRgb32(width, height);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
    HBRUSH brush = CreateSolidBrush(look.back);
    const RECT all{0, 0, width, height};
    FillRect(memory, &all, brush);
    DeleteObject(brush);
    SetTextColor(memory, look.text);
    SetBkColor(memory, look.back);
    SetBkMode(memory, OPAQUE);
    TextOutW(memory, pad, pad, text.c_str(), static_cast<int>(text.size()));
    GdiFlush();

    const DWORD back = (GetRValue(look.back) << 16) | (GetGValue(look.back) << 8) | GetBValue(look.back);
    const auto* pixels = static_cast<const DWORD*>(bits);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if ((pixels[static_cast<size_t>(y) * width + x] & 0x00FFFFFFu) != back) {
                Add(ink, x - pad, y - pad);
            }
        }
    }

    SelectObject(memory, oldBitmap);
    SelectObject(memory, oldFont);
    DeleteObject(bitmap);
    DeleteObject(font);
    DeleteDC(memory);
    return ink;
}

RECT VisibleClientArea(HWND label)
{
    RECT area = Intersection(Intersection(ClientOnScreen(label), ClientOnScreen(GetParent(label))), ScreenRect());
    for (HWND above = GetWindow(label, GW_HWNDPREV); above; above = GetWindow(above, GW_HWNDPREV)) {
        const RECT r = WindowRect(above);
        if (!IsWindowVisible(above) || r.top > area.top || r.bottom < area.bottom) {
            continue;
        }
        if (r.left <= area.left && r.right > area.left) {
            area.left = std::min(r.right, area.right);
        } else if (r.left < area.right && r.right >= area.right) {
            area.right = std::max(r.left, area.left);
        }
    }
    return area;
}

bool CheckTextWhole(const std::string& what, HWND label, const LabelLook& look)
{
    if (!label) {
        return Record(false, what, "the label is missing");
    }
    Settle(GetAncestor(label, GA_ROOT));
    const std::wstring caption = TextOf(label);
    const RECT area = VisibleClientArea(label);
    const bool uncovered = Uncovered(label, area);
    const Ink ink = InkOnScreen(area, look.back, label);
    const Ink alone = InkAlone(caption, look);
    const POINT frameBreak = FrameBreak(label, Intersection(ClientOnScreen(GetParent(label)), ScreenRect()));
    const bool frameWhole = frameBreak.x < 0;
    const bool steady = TextOf(label) == caption;

    std::string detail = DescribeText(caption);
    if (!uncovered) {
        detail += ", covered by another window";
    }
    if (!steady) {
        detail += ", changed while it was read";
    }
    if (!frameWhole) {
        detail += ", the frame is broken at " + DescribePoint(frameBreak);
    }
    if (ink.pixels == 0) {
        detail +=
            Format(", no ink in %s (alone %ld x %ld px)", DescribeRect(area).c_str(), alone.Width(), alone.Height());
        return Record(false, what, detail);
    }
    const LONG left = ink.box.left - area.left;
    const LONG right = area.right - ink.box.right;
    const LONG top = ink.box.top - area.top;
    const LONG bottom = area.bottom - ink.box.bottom;
    detail += Format(
        ": ink x %ld..%ld, %ld px wide (alone %ld), y %ld..%ld, %ld px high (alone %ld); margins left %ld, "
        "right %ld, top %ld, bottom %ld",
        ink.box.left, ink.box.right - 1, ink.Width(), alone.Width(), ink.box.top, ink.box.bottom - 1, ink.Height(),
        alone.Height(), left, right, top, bottom);
    const bool whole = ink.Width() == alone.Width() && ink.Height() == alone.Height();
    // A blank column on both sides; above and below, being whole is what counts: a framed box is
    // barely taller than its text, and a comma may reach its last row.
    const bool clear = left >= 1 && right >= 1;
    return Record(uncovered && steady && frameWhole && whole && clear, what, detail);
}

}  // namespace e2e
