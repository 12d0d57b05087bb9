// The toolkit of forms and controls that both windows are written against. Two twins implement
// it: win32/ (the real program) and headless/ (an in-memory desktop for the behaviour tests).
//
// Event conventions, the same in both twins:
// - Everything runs on one thread. Events reach the slots below only from the message pump:
//   the main loop, or Toolkit::Yield(), which delivers every pending event and returns.
//   A slot may itself call Yield(); handlers are re-entered there, which is intended.
// - Exceptions to "only from the pump": Form::onLoad runs inside the Toolkit::GetForm() call
//   that creates the form, after the form's binder; Form::onUnload runs inside Toolkit::Unload().
// - onClose runs when the user asks to close a form (its close box, Alt+F4, the system menu). A form
//   that does not bind it is unloaded instead.
// - onResize is queued whenever a form's size changes, it is minimised or restored, or first shown.
// - onDisplayChange is queued to every form when the monitors change; the window system does not
//   move the forms, so a form may then lie where no monitor shows it.
// - onActivate is queued when a form becomes the active window and the window active before was
//   the other form of this program, or when a form instance is activated for the first time.
// - Key preview: a form whose definition asks for it sees each key down (plain and with Alt) in
//   Form::onKeyDown before the focused control's Control::onKeyDown; it never consumes the key.
// - A form's controls are destroyed with the form. Never keep a Form& or Control& across a
//   Yield(): look it up again through Toolkit::GetForm() afterwards.
// - Unsupported requests fail loudly (exceptions); window-system failures are not reported.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/units.h"
#include "windows/control_name.h"
#include "windows/definition.h"

namespace vardek::platform {

enum class FormId { Form1, Form2 };
enum class Band { Normal, TopMost };

// Bits of the modifier state, as the key and pointer events carry it.
inline constexpr int kShiftMask = 1;
inline constexpr int kCtrlMask = 2;
inline constexpr int kAltMask = 4;

struct KeyEvent {
    int keyCode = 0;  // virtual-key code
    int shift = 0;    // kShiftMask | kCtrlMask | kAltMask
};

struct MouseEvent {
    float x = 0;  // in the control's own scale (pixels for pixel-scaled pictures)
    float y = 0;
    int button = 0;  // 1 left, 2 right, 4 middle; 0 on a move with no button held
    int shift = 0;
};

// A window's visible and clickable shape in window coordinates (outer top-left is 0,0):
// the outer rectangle, with an optional hole cut out of it.
struct WindowShape {
    PixelRect outer;
    std::optional<PixelRect> hole;
    auto operator<=>(const WindowShape&) const = default;
};

// Where a window rectangle lies among the monitors: the work area of the monitor it overlaps most,
// or of the nearest monitor when it overlaps none.
struct MonitorFit {
    PixelRect workArea;
    bool onMonitor = false;
};

// The part of a screen area that one monitor shows, and that monitor's DPI.
struct MonitorPart {
    PixelRect area;
    int dpi = kBaseDpi;
    auto operator<=>(const MonitorPart&) const = default;
};

class Control {
public:
    virtual ~Control() = default;

    virtual std::string_view Name() const = 0;
    virtual Kind GetKind() const = 0;

    // Caption of a label or button, text of a text box. UTF-8. A write that does not change
    // the text costs no repaint.
    virtual std::string Caption() const = 0;
    virtual void SetCaption(std::string_view text) = 0;

    // Outer edges in the container's client pixels. A negative width or height throws
    // std::invalid_argument and changes nothing.
    virtual PixelRect Bounds() const = 0;
    virtual void SetBounds(const PixelRect& bounds) = 0;

    virtual bool Visible() const = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual bool Enabled() const = 0;
    virtual void SetEnabled(bool enabled) = 0;
    virtual Colour BackColour() const = 0;
    virtual void SetBackColour(Colour colour) = 0;

    // Moves the keyboard focus here, activating the form if needed. Ignored when the control
    // or its form cannot take the focus (hidden, disabled).
    virtual void SetFocus() = 0;
    virtual bool HasFocus() const = 0;

    std::function<void()> onClick;
    std::function<void(const MouseEvent&)> onMouseMove;
    std::function<void(const MouseEvent&)> onMouseDown;
    std::function<void(const KeyEvent&)> onKeyDown;
};

// A picture box keeps a persistent image the size of its drawing area (inside its border).
// Before anything is drawn, and where an enlargement adds to it, the image holds the back colour;
// an enlargement keeps the old image at the top left. A covered picture's image is still readable.
class PictureBox : public virtual Control {
public:
    virtual PixelSize ImageSize() const = 0;
    // The drawing area on the screen, in physical pixels.
    virtual PixelRect DrawingAreaOnScreen() const = 0;
    // Block copy (SRCCOPY) of the screen rectangle at screenOrigin into the image at 0,0, as the
    // monitors show it at that moment: what lies on no monitor reads black, whatever the window
    // system keeps there. Image rectangles in `keep` keep the image's own pixels.
    virtual void CopyFromScreen(PixelPoint screenOrigin, PixelSize size, std::span<const PixelRect> keep) = 0;
    // Block copy of another picture's image, from its 0,0 into this image at 0,0.
    virtual void CopyFrom(const PictureBox& source, PixelSize size) = 0;
    // A plain line into the image, in image pixels, end point excluded as GDI draws it.
    virtual void DrawLine(PixelPoint from, PixelPoint to, Colour colour) = 0;
    // The colour 0x00BBGGRR of an image pixel, or -1 outside the image.
    virtual std::int32_t Point(int x, int y) const = 0;
};

class Form {
public:
    virtual ~Form() = default;

    virtual FormId Id() const = 0;
    // Controls by their defined names, checked when the program is compiled; a name of the other
    // window throws std::out_of_range.
    virtual Control& Get(ControlName name) = 0;
    virtual PictureBox& Picture(ControlName name) = 0;

    virtual bool Visible() const = 0;
    // Shows the form (not modal) and activates it.
    virtual void Show() = 0;
    virtual void Hide() = 0;
    // SetWindowPos into the band with SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW: shows and activates.
    virtual void SetBand(Band band) = 0;
    virtual Band GetBand() const = 0;
    // A shown form to the top of its band, not activated; a hidden one stays hidden.
    virtual void Raise() = 0;

    // Outer rectangle (frame and title bar included) on the screen, physical pixels.
    virtual PixelRect WindowRect() const = 0;
    virtual void MoveTo(PixelPoint outerTopLeft) = 0;
    // Client size in pixels (ScaleWidth, ScaleHeight).
    virtual PixelSize ClientSize() const = 0;
    virtual bool IsMinimized() const = 0;
    virtual int Dpi() const = 0;

    // SetWindowRgn: the window takes the shape; redraw false leaves the screen as it is.
    virtual void SetShape(const WindowShape& shape, bool redraw) = 0;

    std::function<void()> onLoad;
    std::function<void()> onUnload;
    std::function<void()> onClose;
    std::function<void()> onActivate;
    std::function<void()> onResize;
    // Queued when the monitors change: one plugged in or out, moved, or given another mode.
    std::function<void()> onDisplayChange;
    std::function<void(const KeyEvent&)> onKeyDown;  // key preview
};

// What the loupe window shows: a picture of whole pixels and caption lines under it, at a place
// on the screen. Rectangles inside the window are relative to its outer top-left corner.
struct LoupeFrame {
    PixelRect window;  // on the screen
    PixelRect image;
    std::vector<std::int32_t> pixels;  // 0x00BBGGRR, rows top first, image-sized
    std::vector<PixelRect> captionRects;
    std::vector<std::string> captions;  // UTF-8, one per caption rectangle
    int fontPixels = 0;                 // the captions' character height
};

// A small topmost tool window that never takes the activation or the keyboard focus, and lets
// pointer input through to what lies under it. Its captions are real labels.
class LoupeWindow {
public:
    virtual ~LoupeWindow() = default;
    // Shows the frame at its place above every other window, without activating it.
    virtual void Show(const LoupeFrame& frame) = 0;
    virtual void Hide() = 0;
    virtual bool Visible() const = 0;
    virtual PixelRect WindowRect() const = 0;
};

class Toolkit {
public:
    virtual ~Toolkit() = default;

    // Called on every creation of the form, before its onLoad: binds the form's handlers.
    virtual void SetBinder(FormId id, std::function<void(Form&)> binder) = 0;

    // The form, created hidden from its definition on first reference (binder, then onLoad).
    virtual Form& GetForm(FormId id) = 0;
    virtual bool IsLoaded(FormId id) const = 0;
    // Runs onUnload and destroys the form with its controls; nothing when it is not loaded.
    virtual void Unload(FormId id) = 0;

    virtual void Yield() = 0;
    // Waits until the desktop has put every window change made so far on the screen. A compositor
    // may show the old frame for a while after a window hides or changes its shape; a screen copy
    // that depends on such a change waits for it here. Returns at once without a compositor.
    virtual void WaitForPresent() = 0;
    // Ends the program there and then: no further handler runs, no unload handler either.
    [[noreturn]] virtual void EndProgram() = 0;

    // Opens the program's help without waiting; nothing happens when it cannot be opened.
    virtual void OpenHelp() = 0;

    virtual MonitorFit MonitorFor(const PixelRect& window) const = 0;
    // The parts of a screen area that each monitor shows, as the monitors are now; what lies on no
    // monitor is in no part. The one answer to which monitor shows a pixel, and at what scale.
    virtual std::vector<MonitorPart> MonitorParts(const PixelRect& area) const = 0;

    virtual PixelPoint CursorPos() const = 0;
    // Moves the screen pointer; a pointer-move event follows to the window under it.
    virtual void SetCursorPos(PixelPoint screen) = 0;

    // Puts plain text on the clipboard; false when the clipboard could not be had.
    virtual bool SetClipboardText(std::string_view text) = 0;

    // The one loupe window, made on first use and hidden until shown.
    virtual LoupeWindow& Loupe() = 0;
};

}  // namespace vardek::platform
