// A compositor for the in-memory desktop. With one, the screen lags behind the windows: the first
// window change after a present freezes the frame that was on show, and screen reads see that frame
// until the next present. It presents when the program waits for it and between two user inputs.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "platform/units.h"

namespace vardek::platform::headless {

using Compose = std::function<std::int32_t(PixelPoint)>;

// The screen's pixels over an area as they were at one moment.
struct ScreenPatch {
    PixelRect area;
    std::vector<std::int32_t> pixels;  // rows top first

    static ScreenPatch Take(const PixelRect& area, const Compose& compose);
    std::int32_t At(PixelPoint screen) const
    {
        return pixels[static_cast<std::size_t>(screen.y - area.top) * area.Width() + (screen.x - area.left)];
    }
};

class Compositor {
public:
    explicit Compositor(bool on) : on_(on) {}

    // A window is about to change how it shows: keep the frame on show over the area, if none is kept.
    void BeforeChange(const PixelRect& area, const Compose& compose);
    void Present() { shown_.reset(); }
    // What the screen shows at a point: the frame kept, or what the windows compose to now.
    std::int32_t Pixel(PixelPoint screen, const Compose& compose) const;
    bool Lagging() const { return shown_.has_value(); }

private:
    bool on_;
    std::optional<ScreenPatch> shown_;
};

}  // namespace vardek::platform::headless
