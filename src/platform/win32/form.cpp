#include "platform/win32/form.h"

#include <imm.h>

#include <algorithm>
#include <stdexcept>

#include "platform/win32/compositor.h"
#include "platform/win32/dpi.h"
#include "platform/win32/picture_box.h"
#include "platform/win32/text.h"
#include "platform/win32/toolkit.h"
#include "platform/win32/window_proc.h"
#include "platform/win32/windowless.h"

namespace vardek::platform::win32 {
namespace {

constexpr int kProgramIconId = 1;

bool SameFont(const FontDef& a, const FontDef& b)
{
    return a.face == b.face && a.points == b.points && a.weight == b.weight && a.shiftJisCharset == b.shiftJisCharset;
}

DWORD FormStyle(const FormDef& def)
{
    // The tool window: small caption with a close box, fixed size, no minimise or maximise.
    return (def.frame == FrameKind::FixedToolWindow ? WS_CAPTION | WS_SYSMENU : WS_OVERLAPPEDWINDOW) | WS_CLIPCHILDREN;
}

DWORD FormExStyle(const FormDef& def)
{
    return def.frame == FrameKind::FixedToolWindow ? WS_EX_TOOLWINDOW : 0;
}

}  // namespace

void Win32Form::RegisterWindowClass(HINSTANCE instance)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &WindowProcOf<Win32Form>;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    windowClass.lpszClassName = kClassName;
    ::RegisterClassExW(&windowClass);
}

Win32Form::Win32Form(Win32Toolkit& toolkit, FormId id, const FormDef& def) : toolkit_(toolkit), id_(id), def_(def)
{
    // Unowned, so that each form's stacking follows its own band alone.
    HWND window = ::CreateWindowExW(FormExStyle(def), kClassName, Widen(def.caption).c_str(), FormStyle(def), 0, 0, 0,
                                    0, nullptr, nullptr, toolkit.Instance(), this);
    window_ = Window(window);
    if (!window) {
        throw std::runtime_error("cannot create a form window");
    }
    dpi_ = WindowDpi(window);
    PlaceClientArea();
    CreateFonts();
    CreateControls();
    if (!def.inputMethod) {
        // Keys, not text: without an input context a Japanese IME that is switched on cannot turn
        // letters and space into VK_PROCESSKEY. Children created later would need the same.
        ::ImmAssociateContextEx(window, nullptr, 0);
        ::ImmAssociateContextEx(window, nullptr, IACE_CHILDREN);
    }
    if (!def.animated) {
        DisableShowAnimations(window);
    }
    if (def.hasIcon) {
        auto icon = [&](int metric) {
            const int size = SystemMetricForDpi(metric, dpi_);
            return ::LoadImageW(toolkit.Instance(), MAKEINTRESOURCEW(kProgramIconId), IMAGE_ICON, size, size,
                                LR_SHARED);
        };
        ::SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon(SM_CXICON)));
        ::SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon(SM_CXSMICON)));
    }
    lastClientSize_ = ClientSize();
    constructing_ = false;
}

Win32Form::~Win32Form()
{
    DestroyWindows();
}

void Win32Form::PlaceClientArea()
{
    HWND window = window_.get();
    // The definition places the client area in twips; the frame comes on top of it. A second
    // pass catches a client area that lands on a monitor of another DPI.
    for (int pass = 0; pass < 2; ++pass) {
        // Corner and size each from their twips, as controls are, so that both twins agree at any DPI.
        const int left = TwipsToPixels(def_.client.left, dpi_);
        const int top = TwipsToPixels(def_.client.top, dpi_);
        const RECT client{left, top, left + TwipsToPixels(def_.client.width, dpi_),
                          top + TwipsToPixels(def_.client.height, dpi_)};
        const RECT outer = OuterRectForClient(client, FormStyle(def_), FormExStyle(def_), dpi_);
        ::SetWindowPos(window, nullptr, outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top,
                       SWP_NOZORDER | SWP_NOACTIVATE);
        const int placedDpi = WindowDpi(window);
        if (placedDpi == dpi_) {
            break;
        }
        dpi_ = placedDpi;
    }
}

void Win32Form::CreateFonts()
{
    std::vector<FontEntry> fonts;
    auto add = [&](const FontDef& def) {
        for (const FontEntry& entry : fonts) {
            if (SameFont(entry.def, def)) {
                return;
            }
        }
        LOGFONTW logFont{};
        logFont.lfHeight = FontHeightForPoints(def.points, dpi_);
        logFont.lfWeight = def.weight;
        logFont.lfCharSet = static_cast<BYTE>(def.shiftJisCharset ? SHIFTJIS_CHARSET : DEFAULT_CHARSET);
        logFont.lfOutPrecision = OUT_DEFAULT_PRECIS;
        logFont.lfClipPrecision = CLIP_DEFAULT_PRECIS;
        logFont.lfQuality = DEFAULT_QUALITY;
        const std::wstring face = Widen(def.face);
        face.copy(logFont.lfFaceName, LF_FACESIZE - 1);
        fonts.push_back({def, Font(::CreateFontIndirectW(&logFont))});
    };
    add(def_.font);
    for (const ControlDef& control : def_.controls) {
        if (control.font) {
            add(*control.font);
        }
    }
    // Controls still draw with the old fonts until they are given the new ones.
    for (const auto& part : controls_) {
        for (const FontEntry& entry : fonts) {
            if (SameFont(entry.def, part->Definition().font.value_or(def_.font))) {
                part->ApplyFont(entry.font.get());
            }
        }
    }
    fonts_ = std::move(fonts);
}

HFONT Win32Form::FontFor(const ControlDef& def) const
{
    const FontDef& wanted = def.font ? *def.font : def_.font;
    for (const FontEntry& entry : fonts_) {
        if (SameFont(entry.def, wanted)) {
            return entry.font.get();
        }
    }
    return nullptr;
}

void Win32Form::CreateControls()
{
    HWND form = window_.get();
    const size_t count = def_.controls.size();
    std::vector<std::unique_ptr<ControlPart>> parts(count);
    auto pictureNamed = [&](std::string_view name) -> Win32PictureBox* {
        for (size_t i = 0; i < count; ++i) {
            if (parts[i] && def_.controls[i].name == name) {
                return dynamic_cast<Win32PictureBox*>(parts[i].get());
            }
        }
        throw std::invalid_argument("a control's container is not a picture box");
    };

    // Windows first, pictures among them, so that the items inside pictures find their container.
    for (size_t i = 0; i < count; ++i) {
        const ControlDef& def = def_.controls[i];
        if (IsWindowless(def)) {
            continue;
        }
        HWND parent = def.parent.empty() ? form : pictureNamed(def.parent)->Hwnd();
        const PixelRect bounds = DefinitionRectInPixels(def, dpi_);
        const int id = kFirstControlId + static_cast<int>(i);
        if (def.kind == Kind::PictureBox) {
            parts[i] = std::make_unique<Win32PictureBox>(*this, def, parent, bounds, id);
        } else {
            parts[i] = std::make_unique<StandardControl>(*this, def, parent, bounds, id);
        }
    }
    // Windowless items, bottom of the stacking order first, which is the order they are drawn in.
    for (size_t i = count; i-- > 0;) {
        const ControlDef& def = def_.controls[i];
        if (!IsWindowless(def)) {
            continue;
        }
        Win32PictureBox* picture = def.parent.empty() ? nullptr : pictureNamed(def.parent);
        auto item = std::make_unique<WindowlessControl>(*this, def, picture ? picture->Hwnd() : form);
        if (picture) {
            picture->AddItem(item.get());
        } else {
            backgroundItems_.push_back(item.get());
        }
        parts[i] = std::move(item);
    }
    // New child windows do not reliably stack in creation order: put the first row on top,
    // each further one under the one before it, per parent.
    std::vector<std::pair<HWND, HWND>> lastInParent;
    for (const auto& part : parts) {
        HWND window = part->Hwnd();
        if (!window) {
            continue;
        }
        HWND parent = ::GetParent(window);
        auto last = std::find_if(lastInParent.begin(), lastInParent.end(), [&](auto& p) { return p.first == parent; });
        HWND insertAfter = last == lastInParent.end() ? HWND_TOP : last->second;
        ::SetWindowPos(window, insertAfter, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        if (last == lastInParent.end()) {
            lastInParent.emplace_back(parent, window);
        } else {
            last->second = window;
        }
    }
    controls_ = std::move(parts);
}

void Win32Form::DestroyWindows()
{
    // Last created first. NOLINTNEXTLINE(modernize-loop-convert): a reverse range needs <ranges>.
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        (*it)->DestroyWindow();
    }
    window_.reset();
    // The fonts went with the windows that used them; the C++ objects may live on a little longer.
    fonts_.clear();
}

ControlPart& Win32Form::Find(std::string_view name) const
{
    for (const auto& part : controls_) {
        if (part->Definition().name == name) {
            return *part;
        }
    }
    throw std::out_of_range("no control of that name on the form");
}

Control& Win32Form::Get(ControlName name)
{
    return Find(name).Public();
}

PictureBox& Win32Form::Picture(ControlName name)
{
    auto* picture = dynamic_cast<PictureBox*>(&Find(name).Public());
    if (!picture) {
        throw std::invalid_argument("that control is not a picture box");
    }
    return *picture;
}

ControlPart* Win32Form::PartForWindow(HWND window) const
{
    if (!window) {
        return nullptr;
    }
    for (const auto& part : controls_) {
        if (part->Hwnd() == window) {
            return part.get();
        }
    }
    return nullptr;
}

bool Win32Form::Visible() const
{
    return window_ && (::GetWindowLongW(window_.get(), GWL_STYLE) & WS_VISIBLE) != 0;
}

void Win32Form::Show()
{
    HWND window = window_.get();
    if (!window) {
        return;
    }
    ::ShowWindow(window, SW_SHOW);
    if (::GetActiveWindow() != window && !::IsIconic(window)) {
        ::SetActiveWindow(window);
    }
}

void Win32Form::Hide()
{
    if (window_) {
        ::ShowWindow(window_.get(), SW_HIDE);
    }
}

void Win32Form::SetBand(Band band)
{
    if (window_) {
        ::SetWindowPos(window_.get(), band == Band::TopMost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    }
}

void Win32Form::Raise()
{
    // HWND_TOP keeps a topmost window in its band, at the top of it.
    if (window_ && ::IsWindowVisible(window_.get())) {
        ::SetWindowPos(window_.get(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

Band Win32Form::GetBand() const
{
    const bool topMost = window_ && (::GetWindowLongW(window_.get(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    return topMost ? Band::TopMost : Band::Normal;
}

PixelRect Win32Form::WindowRect() const
{
    RECT rect{};
    if (window_) {
        ::GetWindowRect(window_.get(), &rect);
    }
    return {rect.left, rect.top, rect.right, rect.bottom};
}

void Win32Form::MoveTo(PixelPoint outerTopLeft)
{
    if (window_) {
        ::SetWindowPos(window_.get(), nullptr, outerTopLeft.x, outerTopLeft.y, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

PixelSize Win32Form::ClientSize() const
{
    RECT rect{};
    if (window_) {
        ::GetClientRect(window_.get(), &rect);
    }
    return {rect.right, rect.bottom};
}

bool Win32Form::IsMinimized() const
{
    return window_ && ::IsIconic(window_.get());
}

int Win32Form::Dpi() const
{
    return window_ ? WindowDpi(window_.get()) : dpi_;
}

void Win32Form::SetShape(const WindowShape& shape, bool redraw)
{
    // The same region again changes nothing on the screen; setting it would still repaint the window.
    if (!window_ || shape_ == shape) {
        return;
    }
    shape_ = shape;
    const PixelRect& o = shape.outer;
    Region outer(::CreateRectRgn(o.left, o.top, o.right, o.bottom));
    Region result;
    if (shape.hole) {
        const PixelRect& h = *shape.hole;
        Region hole(::CreateRectRgn(h.left, h.top, h.right, h.bottom));
        result = Region(::CreateRectRgn(0, 0, 0, 0));
        ::CombineRgn(result.get(), outer.get(), hole.get(), RGN_XOR);
    } else {
        result = std::move(outer);
    }
    if (::SetWindowRgn(window_.get(), result.get(), redraw ? TRUE : FALSE)) {
        result.release();  // the window owns it now
    }
}

}  // namespace vardek::platform::win32
