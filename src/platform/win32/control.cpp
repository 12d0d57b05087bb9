#include "platform/win32/control.h"

#include <stdexcept>

#include "platform/win32/form.h"
#include "platform/win32/label_paint.h"
#include "platform/win32/text.h"
#include "platform/win32/toolkit.h"

namespace vardek::platform::win32 {

PixelRect DefinitionRectInPixels(const ControlDef& def, int dpi)
{
    const int left = TwipsToPixels(def.rect.left, dpi);
    const int top = TwipsToPixels(def.rect.top, dpi);
    return PixelRect::FromSize({left, top}, {TwipsToPixels(def.rect.width, dpi), TwipsToPixels(def.rect.height, dpi)});
}

template <typename Base>
WindowedControl<Base>::WindowedControl(Win32Form& form, const ControlDef& def)
    : form_(form), def_(def), back_(def.backColour)
{
}

template <typename Base>
DWORD WindowedControl<Base>::InitialStyle() const
{
    DWORD style = kChildStyle;
    if (def_.visible) {
        style |= WS_VISIBLE;
    }
    if (!def_.enabled) {
        style |= WS_DISABLED;
    }
    return style;
}

template <typename Base>
std::string WindowedControl<Base>::Caption() const
{
    return Narrow(WindowText(window_.get()));
}

template <typename Base>
void WindowedControl<Base>::SetCaption(std::string_view text)
{
    if (!window_) {
        return;
    }
    const std::wstring wide = Widen(text);
    // Writing the same text again would still repaint the control.
    if (WindowText(window_.get()) != wide) {
        ::SetWindowTextW(window_.get(), wide.c_str());
    }
}

template <typename Base>
PixelRect WindowedControl<Base>::Bounds() const
{
    if (!window_) {
        return {};
    }
    RECT rect{};
    ::GetWindowRect(window_.get(), &rect);
    ::MapWindowPoints(HWND_DESKTOP, ::GetParent(window_.get()), reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

template <typename Base>
void WindowedControl<Base>::SetBounds(const PixelRect& bounds)
{
    if (bounds.Width() < 0 || bounds.Height() < 0) {
        throw std::invalid_argument("negative control size");
    }
    if (window_) {
        ::SetWindowPos(window_.get(), nullptr, bounds.left, bounds.top, bounds.Width(), bounds.Height(),
                       SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

template <typename Base>
bool WindowedControl<Base>::Visible() const
{
    return window_ && (::GetWindowLongW(window_.get(), GWL_STYLE) & WS_VISIBLE) != 0;
}

template <typename Base>
void WindowedControl<Base>::SetVisible(bool visible)
{
    if (window_) {
        ::ShowWindow(window_.get(), visible ? SW_SHOWNA : SW_HIDE);
    }
}

template <typename Base>
bool WindowedControl<Base>::Enabled() const
{
    return window_ && ::IsWindowEnabled(window_.get());
}

template <typename Base>
void WindowedControl<Base>::SetEnabled(bool enabled)
{
    if (window_) {
        ::EnableWindow(window_.get(), enabled ? TRUE : FALSE);
    }
}

template <typename Base>
void WindowedControl<Base>::SetBackColour(Colour colour)
{
    if (colour == back_) {
        return;
    }
    back_ = colour;
    if (window_) {
        ::InvalidateRect(window_.get(), nullptr, TRUE);
    }
}

template <typename Base>
void WindowedControl<Base>::SetFocus()
{
    HWND window = window_.get();
    if (!window || !::IsWindowVisible(window) || !::IsWindowEnabled(window)) {
        return;
    }
    HWND root = ::GetAncestor(window, GA_ROOT);
    if (!::IsWindowEnabled(root) || ::IsIconic(root)) {
        return;
    }
    // SetFocus activates the form when another window is active.
    ::SetFocus(window);
}

template <typename Base>
bool WindowedControl<Base>::HasFocus() const
{
    return window_ && ::GetFocus() == window_.get();
}

template <typename Base>
void WindowedControl<Base>::Rescale(int newDpi)
{
    if (!window_) {
        return;
    }
    // From the twips again, as at creation; the layout that follows moves what it owns.
    const PixelRect rect = DefinitionRectInPixels(def_, newDpi);
    ::SetWindowPos(window_.get(), nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

template <typename Base>
void WindowedControl<Base>::ApplyFont(HFONT font)
{
    if (window_) {
        ::SendMessageW(window_.get(), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
}

template class WindowedControl<Control>;
template class WindowedControl<PictureBox>;

namespace {

struct NativeClass {
    const wchar_t* name;
    DWORD style;
    DWORD exStyle;
};

NativeClass NativeClassFor(const ControlDef& def)
{
    switch (def.kind) {
        case Kind::Button:
            return {L"BUTTON", BS_PUSHBUTTON, 0};
        case Kind::Label: {
            DWORD style = SS_NOTIFY | SS_NOPREFIX;
            style |= def.align == Align::Centre ? SS_CENTER : def.align == Align::Right ? SS_RIGHT : SS_LEFT;
            if (def.framed) {
                // Centred vertically: a framed box is barely taller than its text, and a larger
                // substitute font would otherwise lose its descenders at the bottom edge.
                style |= WS_BORDER | SS_CENTERIMAGE;
            }
            return {L"STATIC", style, 0};
        }
        case Kind::TextBox:
            return {L"EDIT", ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
        case Kind::ComboBox:
            return {L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL, 0};
        default:
            throw std::invalid_argument("not a standard control kind");
    }
}

}  // namespace

StandardControl::StandardControl(Win32Form& form, const ControlDef& def, HWND parent, const PixelRect& bounds, int id)
    : WindowedControl<Control>(form, def)
{
    const NativeClass native = NativeClassFor(def);
    PixelRect rect = bounds;
    if (def.kind == Kind::ComboBox) {
        // A drop-down list's window height includes its list.
        rect.bottom += 8 * rect.Height();
    }
    HWND window =
        ::CreateWindowExW(native.exStyle, native.name, Widen(def.caption).c_str(), InitialStyle() | native.style,
                          rect.left, rect.top, rect.Width(), rect.Height(), parent,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr), nullptr);
    window_ = Window(window);
    if (window && def.kind == Kind::Label) {
        PaintLabelItself(window);
    }
    ApplyFont(form.FontFor(def));
}

void StandardControl::OnCommand(int notification)
{
    const bool clicked = (def_.kind == Kind::Button && notification == BN_CLICKED) ||
                         // Each click on a label counts, the second one of a double click too.
                         (def_.kind == Kind::Label && (notification == STN_CLICKED || notification == STN_DBLCLK)) ||
                         (def_.kind == Kind::ComboBox && notification == CBN_SELCHANGE);
    if (clicked) {
        form_.Toolkit().RunSlot()(onClick);
    }
}

HBRUSH StandardControl::OnControlColour(HDC dc)
{
    if (def_.kind != Kind::Label && def_.kind != Kind::TextBox) {
        return nullptr;
    }
    ::SetTextColor(dc, ToColorRef(def_.foreColour));
    ::SetBkColor(dc, ToColorRef(back_));
    ::SetBkMode(dc, OPAQUE);
    return brush_.Get(back_);
}

}  // namespace vardek::platform::win32
