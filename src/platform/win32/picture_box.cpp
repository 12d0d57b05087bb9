#include "platform/win32/picture_box.h"

#include <algorithm>
#include <stdexcept>

#include "platform/win32/colours.h"
#include "platform/win32/form.h"
#include "platform/win32/input.h"
#include "platform/win32/toolkit.h"
#include "platform/win32/window_proc.h"
#include "platform/win32/windowless.h"

namespace vardek::platform::win32 {

void Win32PictureBox::RegisterWindowClass(HINSTANCE instance)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    // No CS_DBLCLKS: every press is a press, the second of a double click too. The form answers
    // WM_SETCURSOR first for a picture with a pointer of its own; the arrow is for the others.
    windowClass.lpfnWndProc = &WindowProcOf<Win32PictureBox>;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    ::RegisterClassExW(&windowClass);
}

Win32PictureBox::Win32PictureBox(Win32Form& form, const ControlDef& def, HWND parent, const PixelRect& bounds, int id)
    : WindowedControl<PictureBox>(form, def)
{
    image_ = std::make_unique<ImageBuffer>(PixelSize{}, ToColorRef(back_));
    HWND window = ::CreateWindowExW(
        WS_EX_CLIENTEDGE, kClassName, L"", InitialStyle(), bounds.left, bounds.top, bounds.Width(), bounds.Height(),
        parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr), this);
    window_ = Window(window);
    FitImageToClient();
}

void Win32PictureBox::SetCaption(std::string_view /*text*/)
{
    throw std::invalid_argument("a picture box has no caption");
}

PixelSize Win32PictureBox::ImageSize() const
{
    return image_->Size();
}

PixelRect Win32PictureBox::DrawingAreaOnScreen() const
{
    if (!window_) {
        return {};
    }
    RECT client{};
    ::GetClientRect(window_.get(), &client);
    ::MapWindowPoints(window_.get(), HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
    return {client.left, client.top, client.right, client.bottom};
}

void Win32PictureBox::CopyFromScreen(PixelPoint screenOrigin, PixelSize size, std::span<const PixelRect> keep)
{
    const PixelSize image = image_->Size();
    const int width = std::min(size.width, image.width);
    const int height = std::min(size.height, image.height);
    HDC dc = image_->Dc();
    if (width <= 0 || height <= 0 || !dc) {
        return;
    }
    // Everything below draws through a clip that leaves out the pixels to keep.
    Region clip(::CreateRectRgn(0, 0, width, height));
    for (const PixelRect& kept : keep) {
        const Region hole(::CreateRectRgn(kept.left, kept.top, kept.right, kept.bottom));
        ::CombineRgn(clip.get(), clip.get(), hole.get(), RGN_DIFF);
    }
    ::SelectClipRgn(dc, clip.get());
    // Black first: where no monitor shows, the window system may still keep what was drawn there
    // (an X server does), and the bounding rectangle of several monitors is not all on a monitor.
    const RECT all{0, 0, width, height};
    ::FillRect(dc, &all, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    const WindowDc screen(nullptr);
    for (const MonitorPart& part : form_.Toolkit().MonitorParts(PixelRect::FromSize(screenOrigin, {width, height}))) {
        // Monitor by monitor: a source partly off the screen may fail as a whole (under Wine nothing
        // at all is copied then).
        ::BitBlt(dc, part.area.left - screenOrigin.x, part.area.top - screenOrigin.y, part.area.Width(),
                 part.area.Height(), screen.get(), part.area.left, part.area.top, SRCCOPY);
    }
    ::SelectClipRgn(dc, nullptr);
    InvalidateImage();
}

void Win32PictureBox::CopyFrom(const PictureBox& source, PixelSize size)
{
    const auto* other = dynamic_cast<const Win32PictureBox*>(&source);
    if (!other) {
        throw std::invalid_argument("CopyFrom needs a picture box of this toolkit");
    }
    const PixelSize from = other->image_->Size();
    const PixelSize to = image_->Size();
    const int width = std::min({size.width, from.width, to.width});
    const int height = std::min({size.height, from.height, to.height});
    if (width <= 0 || height <= 0 || other == this) {
        return;
    }
    ::BitBlt(image_->Dc(), 0, 0, width, height, other->image_->Dc(), 0, 0, SRCCOPY);
    InvalidateImage();
}

void Win32PictureBox::DrawLine(PixelPoint from, PixelPoint to, Colour colour)
{
    if (!image_->Dc()) {
        return;
    }
    Pen pen(::CreatePen(PS_SOLID, 1, ToColorRef(colour)));
    SelectGuard selectPen(image_->Dc(), pen.get());
    ::MoveToEx(image_->Dc(), from.x, from.y, nullptr);
    ::LineTo(image_->Dc(), to.x, to.y);
    InvalidateImage();
}

std::int32_t Win32PictureBox::Point(int x, int y) const
{
    return image_->Pixel(x, y);
}

void Win32PictureBox::InvalidateImage()
{
    if (window_) {
        ::InvalidateRect(window_.get(), nullptr, FALSE);
    }
}

void Win32PictureBox::FitImageToClient()
{
    if (!window_) {
        return;
    }
    RECT client{};
    ::GetClientRect(window_.get(), &client);
    const PixelSize size{std::max(0, static_cast<int>(client.right)), std::max(0, static_cast<int>(client.bottom))};
    if (size == image_->Size()) {
        return;
    }
    // The new part shows the back colour; the old image stays at the top left.
    auto resized = std::make_unique<ImageBuffer>(size, ToColorRef(back_));
    const PixelSize old = image_->Size();
    if (resized->Dc() && image_->Dc()) {
        ::BitBlt(resized->Dc(), 0, 0, std::min(old.width, size.width), std::min(old.height, size.height), image_->Dc(),
                 0, 0, SRCCOPY);
    }
    image_ = std::move(resized);
    InvalidateImage();
}

void Win32PictureBox::DestroyWindow()
{
    WindowedControl<PictureBox>::DestroyWindow();
    image_ = std::make_unique<ImageBuffer>(PixelSize{}, ToColorRef(back_));
}

void Win32PictureBox::Paint()
{
    PAINTSTRUCT paint{};
    HDC dc = ::BeginPaint(window_.get(), &paint);
    if (dc) {
        const PixelSize size = image_->Size();
        if (image_->Dc()) {
            ::BitBlt(dc, 0, 0, size.width, size.height, image_->Dc(), 0, 0, SRCCOPY);
        }
        for (const WindowlessControl* item : items_) {
            item->Paint(dc);
        }
    }
    ::EndPaint(window_.get(), &paint);
}

MouseEvent Win32PictureBox::MouseAt(LPARAM position, int button, WPARAM keys) const
{
    // Signed: under capture the pointer may stand left of or above the picture.
    auto x = static_cast<float>(static_cast<short>(LOWORD(position)));
    auto y = static_cast<float>(static_cast<short>(HIWORD(position)));
    if (def_.scale == Scale::Twips) {
        const double twipsPerPixel = TwipsPerPixel(form_.CurrentDpi());
        x = static_cast<float>(x * twipsPerPixel);
        y = static_cast<float>(y * twipsPerPixel);
    }
    int shift = ModifierState() & kAltMask;
    if (keys & MK_SHIFT) {
        shift |= kShiftMask;
    }
    if (keys & MK_CONTROL) {
        shift |= kCtrlMask;
    }
    return {.x = x, .y = y, .button = button, .shift = shift};
}

void Win32PictureBox::OnButtonDown(LPARAM position, int button, WPARAM keys)
{
    HWND window = window_.get();
    if (::GetFocus() != window) {
        ::SetFocus(window);
    }
    // Moves keep coming while a button is held, also beyond the picture's edge.
    ::SetCapture(window);
    form_.Toolkit().RunSlot()(onMouseDown, MouseAt(position, button, keys));
}

LRESULT Win32PictureBox::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
        case WM_ERASEBKGND:
            return 1;  // the paint covers every pixel
        case WM_PAINT:
            Paint();
            return 0;
        case WM_SIZE:
            FitImageToClient();
            return 0;
        case WM_COMMAND:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORLISTBOX:
            // A control inside the picture: the form reflects these to the control's object.
            return ::SendMessageW(::GetParent(window), message, wParam, lParam);
        case WM_GETDLGCODE:
            return DLGC_WANTALLKEYS;
        case WM_MOUSEMOVE:
            form_.Toolkit().RunSlot()(onMouseMove, MouseAt(lParam, ButtonsHeld(wParam), wParam));
            return 0;
        case WM_LBUTTONDOWN:
            OnButtonDown(lParam, 1, wParam);
            return 0;
        case WM_RBUTTONDOWN:
            OnButtonDown(lParam, 2, wParam);
            return 0;
        case WM_MBUTTONDOWN:
            OnButtonDown(lParam, 4, wParam);
            return 0;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            if (ButtonsHeld(wParam) == 0 && ::GetCapture() == window) {
                ::ReleaseCapture();
            }
            return 0;
        default:
            return ::DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace vardek::platform::win32
