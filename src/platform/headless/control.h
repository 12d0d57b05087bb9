// A control of the in-memory desktop: the properties the handlers touch, nothing drawn.
#pragma once

#include <string>

#include "platform/toolkit.h"

namespace vardek::platform::headless {

class HeadlessForm;

class HeadlessControl : public virtual Control {
public:
    HeadlessControl(HeadlessForm& form, const ControlDef& def, PixelRect bounds);

    std::string_view Name() const override { return def_.name; }
    Kind GetKind() const override { return def_.kind; }
    std::string Caption() const override { return caption_; }
    void SetCaption(std::string_view text) override;
    PixelRect Bounds() const override { return bounds_; }
    void SetBounds(const PixelRect& bounds) override;
    bool Visible() const override { return visible_; }
    void SetVisible(bool visible) override { visible_ = visible; }
    bool Enabled() const override { return enabled_; }
    void SetEnabled(bool enabled) override { enabled_ = enabled; }
    Colour BackColour() const override { return backColour_; }
    void SetBackColour(Colour colour) override { backColour_ = colour; }
    void SetFocus() override;
    bool HasFocus() const override;

    const ControlDef& Definition() const { return def_; }
    HeadlessForm& Owner() const { return form_; }
    // Can take the focus or a click: shown and enabled, on a shown form.
    bool Reachable() const;
    // Blank pixels beside the caption as the label draws it in its font at the form's DPI: the
    // width less a framed label's border and inset on both sides, less the text. Negative when
    // the caption is cut.
    int CaptionRoom() const;
    // How many times the caption really changed (a repaint each).
    int CaptionRepaints() const { return captionRepaints_; }

protected:
    virtual void OnResized() {}

private:
    HeadlessForm& form_;
    const ControlDef& def_;
    std::string caption_;
    PixelRect bounds_;
    bool visible_;
    bool enabled_;
    Colour backColour_;
    int captionRepaints_ = 0;
};

}  // namespace vardek::platform::headless
