#include "platform/headless/picture_box.h"

#include <algorithm>
#include <cstdlib>

#include "platform/headless/form.h"
#include "platform/headless/toolkit.h"

namespace vardek::platform::headless {

namespace {

PixelSize InsideBorder(PixelRect bounds, int border)
{
    return {std::max(0, bounds.Width() - 2 * border), std::max(0, bounds.Height() - 2 * border)};
}

std::int32_t Solid(Colour colour)
{
    // System colours have no pixels of their own here; button face stands for all of them.
    return IsSystemColour(colour) ? 0xC0C0C0 : static_cast<std::int32_t>(colour & 0xFFFFFF);
}

}  // namespace

HeadlessPictureBox::HeadlessPictureBox(HeadlessForm& form, const ControlDef& def, PixelRect bounds)
    : HeadlessControl(form, def, bounds), size_(InsideBorder(bounds, form.PictureBorder()))
{
    image_.assign(static_cast<std::size_t>(size_.width) * static_cast<std::size_t>(size_.height),
                  Solid(def.backColour));
}

int HeadlessPictureBox::Border() const
{
    return Owner().PictureBorder();
}

PixelRect HeadlessPictureBox::DrawingAreaInClient() const
{
    const PixelRect bounds = Bounds();
    return PixelRect::FromSize({bounds.left + Border(), bounds.top + Border()}, size_);
}

PixelRect HeadlessPictureBox::DrawingAreaOnScreen() const
{
    const PixelPoint client = Owner().ClientOrigin();
    const PixelRect area = DrawingAreaInClient();
    return {area.left + client.x, area.top + client.y, area.right + client.x, area.bottom + client.y};
}

void HeadlessPictureBox::OnResized()
{
    // An enlargement keeps the old image at the top left and fills the rest with the back colour.
    const PixelSize next = InsideBorder(Bounds(), Border());
    std::vector<std::int32_t> image(static_cast<std::size_t>(next.width) * static_cast<std::size_t>(next.height),
                                    Solid(BackColour()));
    for (int y = 0; y < std::min(next.height, size_.height); ++y) {
        for (int x = 0; x < std::min(next.width, size_.width); ++x) {
            image[static_cast<std::size_t>(y) * next.width + x] = image_[static_cast<std::size_t>(y) * size_.width + x];
        }
    }
    size_ = next;
    image_ = std::move(image);
}

void HeadlessPictureBox::Put(int x, int y, std::int32_t colour)
{
    if (x >= 0 && y >= 0 && x < size_.width && y < size_.height) {
        image_[static_cast<std::size_t>(y) * size_.width + x] = colour;
    }
}

void HeadlessPictureBox::CopyFromScreen(PixelPoint screenOrigin, PixelSize size, std::span<const PixelRect> keep)
{
    const int width = std::max(0, std::min(size.width, size_.width));
    const int height = std::max(0, std::min(size.height, size_.height));
    const World& world = Owner().Owner();
    const std::vector<MonitorPart> parts = world.MonitorParts(PixelRect::FromSize(screenOrigin, {width, height}));
    // Read everything first: the picture may be copying its own view.
    std::vector<std::int32_t> pixels;
    pixels.reserve(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const PixelPoint screen{screenOrigin.x + x, screenOrigin.y + y};
            const bool shown = std::any_of(parts.begin(), parts.end(),
                                           [&](const MonitorPart& part) { return part.area.Contains(screen); });
            pixels.push_back(shown ? world.ScreenPixel(screen) : 0);
        }
    }
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool kept = std::any_of(keep.begin(), keep.end(), [&](const PixelRect& rect) {
                return rect.Contains({x, y});
            });
            if (!kept) {
                Put(x, y, pixels[static_cast<std::size_t>(y) * width + x]);
            }
        }
    }
}

void HeadlessPictureBox::CopyFrom(const PictureBox& source, PixelSize size)
{
    std::vector<std::int32_t> pixels;
    for (int y = 0; y < size.height; ++y) {
        for (int x = 0; x < size.width; ++x) {
            pixels.push_back(source.Point(x, y));
        }
    }
    for (int y = 0; y < size.height; ++y) {
        for (int x = 0; x < size.width; ++x) {
            const std::int32_t pixel = pixels[static_cast<std::size_t>(y) * size.width + x];
            if (pixel != -1) {
                Put(x, y, pixel);
            }
        }
    }
}

void HeadlessPictureBox::DrawLine(PixelPoint from, PixelPoint to, Colour colour)
{
    // Bresenham, the end point left out as GDI's LineTo leaves it.
    const std::int32_t pixel = Solid(colour);
    int x = from.x;
    int y = from.y;
    const int dx = std::abs(to.x - from.x);
    const int dy = -std::abs(to.y - from.y);
    const int sx = from.x < to.x ? 1 : -1;
    const int sy = from.y < to.y ? 1 : -1;
    int error = dx + dy;
    while (x != to.x || y != to.y) {
        Put(x, y, pixel);
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += sx;
        }
        if (twice <= dx) {
            error += dx;
            y += sy;
        }
    }
}

std::int32_t HeadlessPictureBox::Point(int x, int y) const
{
    if (x < 0 || y < 0 || x >= size_.width || y >= size_.height) {
        return -1;
    }
    return image_[static_cast<std::size_t>(y) * size_.width + x];
}

}  // namespace vardek::platform::headless
