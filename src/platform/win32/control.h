// Controls of the Win32 toolkit: push buttons, labels, the text box and the combo box as child
// windows of the system's classes, and what every windowed control shares (the picture box in
// picture_box.h builds on the same template). Windowless lines, shapes and picture labels are in
// windowless.h.
#pragma once

#include "platform/win32/windows_api.h"

#include <memory>
#include <string>

#include "platform/toolkit.h"
#include "platform/win32/colours.h"
#include "platform/win32/handles.h"

namespace vardek::platform::win32 {

class Win32Form;

// What a form needs from each of its controls beyond the toolkit interface.
class ControlPart {
public:
    virtual ~ControlPart() = default;

    virtual Control& Public() = 0;
    virtual const ControlDef& Definition() const = 0;
    // The control's window; nullptr for windowless items.
    virtual HWND Hwnd() const = 0;
    // WM_COMMAND notifications reflected from the parent.
    virtual void OnCommand(int /*notification*/) {}
    // WM_CTLCOLOR* reflected from the parent: the background brush, or nullptr for the default.
    virtual HBRUSH OnControlColour(HDC /*dc*/) { return nullptr; }
    virtual void DestroyWindow() {}
    // The form moved to a monitor of another DPI: scale position, size and font.
    virtual void Rescale(int newDpi) = 0;
    virtual void ApplyFont(HFONT /*font*/) {}
};

// Everything a control that is a child window does alike. Base is Control or PictureBox.
template <typename Base>
class WindowedControl : public Base, public ControlPart {
public:
    WindowedControl(Win32Form& form, const ControlDef& def);

    std::string_view Name() const override { return def_.name; }
    Kind GetKind() const override { return def_.kind; }
    std::string Caption() const override;
    void SetCaption(std::string_view text) override;
    PixelRect Bounds() const override;
    void SetBounds(const PixelRect& bounds) override;
    bool Visible() const override;
    void SetVisible(bool visible) override;
    bool Enabled() const override;
    void SetEnabled(bool enabled) override;
    Colour BackColour() const override { return back_; }
    void SetBackColour(Colour colour) override;
    void SetFocus() override;
    bool HasFocus() const override;

    Control& Public() override { return *this; }
    const ControlDef& Definition() const override { return def_; }
    HWND Hwnd() const override { return window_.get(); }
    void DestroyWindow() override { window_.reset(); }
    void Rescale(int newDpi) override;
    void ApplyFont(HFONT font) override;

protected:
    // Child window styles every control shares; the first row of a form's table stacks on top.
    static constexpr DWORD kChildStyle = WS_CHILD | WS_CLIPSIBLINGS;
    DWORD InitialStyle() const;

    Win32Form& form_;
    const ControlDef& def_;
    Colour back_;
    Window window_;
};

// BUTTON, STATIC, EDIT and COMBOBOX children.
class StandardControl final : public WindowedControl<Control> {
public:
    StandardControl(Win32Form& form, const ControlDef& def, HWND parent, const PixelRect& bounds, int id);

    void OnCommand(int notification) override;
    HBRUSH OnControlColour(HDC dc) override;

private:
    ColourBrush brush_;
};

// Coordinates of a definition row (twips, relative to the container) in pixels at a DPI.
PixelRect DefinitionRectInPixels(const ControlDef& def, int dpi);

}  // namespace vardek::platform::win32
