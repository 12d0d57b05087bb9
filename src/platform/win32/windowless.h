// Windowless items: lines, shapes, and labels inside a picture box. They have no window of their
// own; their container (a form or a picture box) draws them in its paint handler, bottom of the
// stacking order first, over its own background or image.
#pragma once

#include "platform/win32/windows_api.h"

#include <string>

#include "platform/toolkit.h"
#include "platform/win32/control.h"

namespace vardek::platform::win32 {

// Lines, shapes and labels inside a picture box have no window of their own.
bool IsWindowless(const ControlDef& def);

class WindowlessControl final : public Control, public ControlPart {
public:
    // bounds: container pixels (for a line, its first point is the top-left corner and its second
    // point the bottom-right one, which may lie above or left of the first).
    WindowlessControl(Win32Form& form, const ControlDef& def, HWND container);

    std::string_view Name() const override { return def_.name; }
    Kind GetKind() const override { return def_.kind; }
    std::string Caption() const override { return caption_; }
    void SetCaption(std::string_view text) override;
    PixelRect Bounds() const override;
    void SetBounds(const PixelRect& bounds) override;
    bool Visible() const override { return visible_; }
    void SetVisible(bool visible) override;
    bool Enabled() const override { return enabled_; }
    void SetEnabled(bool enabled) override { enabled_ = enabled; }
    Colour BackColour() const override { return back_; }
    void SetBackColour(Colour colour) override;
    // Windowless items never take the focus.
    void SetFocus() override {}
    bool HasFocus() const override { return false; }

    Control& Public() override { return *this; }
    const ControlDef& Definition() const override { return def_; }
    HWND Hwnd() const override { return nullptr; }
    void Rescale(int newDpi) override;
    void PlaceFromDefinition(int dpi);

    void Paint(HDC dc) const;

private:
    void Invalidate() const;

    Win32Form& form_;
    const ControlDef& def_;
    HWND container_;
    std::string caption_;
    PixelPoint from_;  // lines: the two end points; others: top-left and bottom-right corners
    PixelPoint to_;
    bool visible_;
    bool enabled_;
    Colour back_;
};

}  // namespace vardek::platform::win32
