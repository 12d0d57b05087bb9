#include "platform/headless/loupe_window.h"

#include <stdexcept>

#include "platform/headless/toolkit.h"

namespace vardek::platform::headless {

void HeadlessLoupe::Show(const LoupeFrame& frame)
{
    if (frame.pixels.size() != static_cast<std::size_t>(frame.image.Width()) * frame.image.Height() ||
        frame.captions.size() != frame.captionRects.size()) {
        throw std::invalid_argument("loupe frame does not match its image or captions");
    }
    const WindowChange change(world_);
    frame_ = frame;
    visible_ = true;
    ++shows_;
}

void HeadlessLoupe::Hide()
{
    const WindowChange change(world_);
    if (visible_) {
        world_.LeaveTrace(frame_.window);
    }
    visible_ = false;
}

std::int32_t HeadlessLoupe::PixelAt(PixelPoint screen, std::int32_t chrome) const
{
    const PixelPoint inside = {screen.x - frame_.window.left, screen.y - frame_.window.top};
    if (!frame_.image.Contains(inside)) {
        return chrome;
    }
    const int x = inside.x - frame_.image.left;
    const int y = inside.y - frame_.image.top;
    return frame_.pixels[static_cast<std::size_t>(y) * frame_.image.Width() + x];
}

}  // namespace vardek::platform::headless
