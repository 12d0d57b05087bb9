// The loupe of the in-memory desktop: above every window while shown, its image composed into the
// screen's pixels, its captions kept as text; it never takes the activation or the focus. Hidden, it
// leaves its pixels over the program's windows until they repaint.
#pragma once

#include "platform/toolkit.h"

namespace vardek::platform::headless {

class World;

class HeadlessLoupe final : public LoupeWindow {
public:
    explicit HeadlessLoupe(World& world) : world_(world) {}

    void Show(const LoupeFrame& frame) override;
    void Hide() override;
    bool Visible() const override { return visible_; }
    PixelRect WindowRect() const override { return frame_.window; }

    const LoupeFrame& Frame() const { return frame_; }
    // The window's pixel at a screen point it covers: the image, or the chrome around it.
    std::int32_t PixelAt(PixelPoint screen, std::int32_t chrome) const;
    int Shows() const { return shows_; }

private:
    World& world_;
    LoupeFrame frame_;
    bool visible_ = false;
    int shows_ = 0;
};

}  // namespace vardek::platform::headless
