#include "platform/win32/loupe_window.h"

#include <stdexcept>

#include "platform/win32/text.h"

namespace vardek::platform::win32 {

namespace {

// Layered and transparent, so that the desktop's hit testing passes it by: a pointer that lands on
// the loupe still moves over the picture, which then moves the loupe away. HTTRANSPARENT alone is not
// honoured by every desktop.
constexpr DWORD kLoupeExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_LAYERED | WS_EX_TRANSPARENT;

}  // namespace

void Win32Loupe::RegisterWindowClass(HINSTANCE instance)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &Win32Loupe::WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    windowClass.lpszClassName = kClassName;
    ::RegisterClassExW(&windowClass);
}

LRESULT CALLBACK Win32Loupe::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<Win32Loupe*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        case WM_NCHITTEST:
            // The pointer reaches the picture under the loupe, should the two ever meet.
            return HTTRANSPARENT;
        case WM_PAINT:
            if (self != nullptr) {
                self->Paint(window);
                return 0;
            }
            break;
        case WM_NCDESTROY:
            ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            if (self != nullptr && self->window_.get() == window) {
                self->window_.release();
            }
            break;
        default:
            break;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

void Win32Loupe::Create()
{
    HWND window = ::CreateWindowExW(kLoupeExStyle, kClassName, L"ルーペ", WS_POPUP | WS_CLIPCHILDREN, 0, 0, 0, 0,
                                    nullptr, nullptr, instance_, this);
    if (!window) {
        throw std::runtime_error("cannot create the loupe window");
    }
    // Wholly opaque: the layered style is there for the hit testing only.
    ::SetLayeredWindowAttributes(window, 0, 255, LWA_ALPHA);
    window_ = Window(window);
}

void Win32Loupe::PlaceCaptions(const LoupeFrame& frame)
{
    if (frame.fontPixels != fontPixels_ || !font_) {
        LOGFONTW logFont{};
        logFont.lfHeight = -frame.fontPixels;
        logFont.lfWeight = FW_NORMAL;
        logFont.lfCharSet = SHIFTJIS_CHARSET;
        std::wstring(L"MS UI Gothic").copy(logFont.lfFaceName, LF_FACESIZE - 1);
        font_ = Font(::CreateFontIndirectW(&logFont));
        fontPixels_ = frame.fontPixels;
        for (const Window& caption : captions_) {
            ::SendMessageW(caption.get(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
        }
    }
    while (captions_.size() < frame.captionRects.size()) {
        HWND caption = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0, 0, 0, 0,
                                         window_.get(), nullptr, instance_, nullptr);
        ::SendMessageW(caption, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
        captions_.emplace_back(caption);
    }
    for (std::size_t i = 0; i < frame.captionRects.size(); ++i) {
        HWND caption = captions_[i].get();
        const PixelRect& rect = frame.captionRects[i];
        ::SetWindowPos(caption, nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                       SWP_NOZORDER | SWP_NOACTIVATE);
        const std::wstring text = Widen(frame.captions[i]);
        // An unchanged caption costs no repaint.
        if (WindowText(caption) != text) {
            ::SetWindowTextW(caption, text.c_str());
        }
    }
}

void Win32Loupe::Show(const LoupeFrame& frame)
{
    if (frame.pixels.size() != static_cast<std::size_t>(frame.image.Width()) * frame.image.Height() ||
        frame.captions.size() != frame.captionRects.size()) {
        throw std::invalid_argument("loupe frame does not match its image or captions");
    }
    if (!window_) {
        Create();
    }
    image_ = frame.image;
    bits_.resize(frame.pixels.size());
    for (std::size_t i = 0; i < frame.pixels.size(); ++i) {
        const auto colour = static_cast<std::uint32_t>(frame.pixels[i]);
        bits_[i] = ((colour & 0xFFu) << 16) | (colour & 0xFF00u) | ((colour >> 16) & 0xFFu);
    }
    PlaceCaptions(frame);
    HWND window = window_.get();
    ::SetWindowPos(window, HWND_TOPMOST, frame.window.left, frame.window.top, frame.window.Width(),
                   frame.window.Height(), SWP_NOACTIVATE | SWP_SHOWWINDOW);
    const RECT image{image_.left, image_.top, image_.right, image_.bottom};
    // On the screen in the same pass as the readouts, not when the queue next runs dry: the captions
    // too, which UpdateWindow alone would leave for later.
    ::RedrawWindow(window, &image, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    ::GdiFlush();
}

void Win32Loupe::Hide()
{
    if (window_) {
        ::ShowWindow(window_.get(), SW_HIDE);
    }
}

bool Win32Loupe::Visible() const
{
    return window_ && ::IsWindowVisible(window_.get()) != FALSE;
}

PixelRect Win32Loupe::WindowRect() const
{
    RECT rect{};
    if (window_) {
        ::GetWindowRect(window_.get(), &rect);
    }
    return {rect.left, rect.top, rect.right, rect.bottom};
}

void Win32Loupe::Paint(HWND window)
{
    PAINTSTRUCT paint{};
    HDC dc = ::BeginPaint(window, &paint);
    if (!bits_.empty()) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = image_.Width();
        info.bmiHeader.biHeight = -image_.Height();  // top-down
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        ::SetDIBitsToDevice(dc, image_.left, image_.top, static_cast<DWORD>(image_.Width()),
                            static_cast<DWORD>(image_.Height()), 0, 0, 0, static_cast<UINT>(image_.Height()),
                            bits_.data(), &info, DIB_RGB_COLORS);
    }
    ::EndPaint(window, &paint);
}

}  // namespace vardek::platform::win32
