#include "platform/headless/compositor.h"

#include <algorithm>

namespace vardek::platform::headless {

ScreenPatch ScreenPatch::Take(const PixelRect& area, const Compose& compose)
{
    ScreenPatch patch{area, {}};
    patch.pixels.reserve(static_cast<std::size_t>(std::max(0, area.Width())) * std::max(0, area.Height()));
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            patch.pixels.push_back(compose({x, y}));
        }
    }
    return patch;
}

void Compositor::BeforeChange(const PixelRect& area, const Compose& compose)
{
    if (!on_ || shown_) {
        return;
    }
    shown_ = ScreenPatch::Take(area, compose);
}

std::int32_t Compositor::Pixel(PixelPoint screen, const Compose& compose) const
{
    return shown_ && shown_->area.Contains(screen) ? shown_->At(screen) : compose(screen);
}

}  // namespace vardek::platform::headless
