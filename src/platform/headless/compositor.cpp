#include "platform/headless/compositor.h"

namespace vardek::platform::headless {

void Compositor::BeforeChange(const PixelRect& area, const Compose& compose)
{
    if (!on_ || shown_) {
        return;
    }
    Frame frame{area, {}};
    frame.pixels.reserve(static_cast<std::size_t>(area.Width()) * area.Height());
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            frame.pixels.push_back(compose({x, y}));
        }
    }
    shown_ = std::move(frame);
}

std::int32_t Compositor::Pixel(PixelPoint screen, const Compose& compose) const
{
    if (shown_ && shown_->area.Contains(screen)) {
        const PixelRect& a = shown_->area;
        return shown_->pixels[static_cast<std::size_t>(screen.y - a.top) * a.Width() + (screen.x - a.left)];
    }
    return compose(screen);
}

}  // namespace vardek::platform::headless
