#include "ruler/frame_geometry.h"

namespace vardek {

FrameOffsets MeasureFrameOffsets(platform::Form& ruler, platform::PictureBox& picture)
{
    const PixelRect outer = ruler.WindowRect();
    const PixelRect drawing = picture.DrawingAreaOnScreen();
    const PixelPoint at = picture.Bounds().TopLeft();
    const PixelSize client = ruler.ClientSize();
    return {
        .picture = {drawing.left - outer.left - at.x, drawing.top - outer.top - at.y},
        .nonClient = {outer.Width() - client.width, outer.Height() - client.height},
    };
}

platform::WindowShape FrameWithHole(const FrameOffsets& offsets, PixelSize client, PixelPoint pictureTopLeft,
                                    PixelSize drawingArea)
{
    const PixelPoint holeOrigin = {pictureTopLeft.x + offsets.picture.x, pictureTopLeft.y + offsets.picture.y};
    platform::WindowShape shape = WholeWindow(offsets, client);
    shape.hole = PixelRect::FromSize(holeOrigin, drawingArea);
    return shape;
}

platform::WindowShape WholeWindow(const FrameOffsets& offsets, PixelSize client)
{
    return {.outer = {0, 0, client.width + offsets.nonClient.width, client.height + offsets.nonClient.height},
            .hole = std::nullopt};
}

}  // namespace vardek
