// A picture box of the in-memory desktop with a real persistent image.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/headless/control.h"

namespace vardek::platform::headless {

class HeadlessPictureBox final : public HeadlessControl, public PictureBox {
public:
    HeadlessPictureBox(HeadlessForm& form, const ControlDef& def, PixelRect bounds);

    PixelSize ImageSize() const override { return size_; }
    PixelRect DrawingAreaOnScreen() const override;
    void CopyFromScreen(PixelPoint screenOrigin, PixelSize size, std::span<const PixelRect> keep) override;
    void CopyFrom(const PictureBox& source, PixelSize size) override;
    void DrawLine(PixelPoint from, PixelPoint to, Colour colour) override;
    std::int32_t Point(int x, int y) const override;

    // The drawing area inside the sunken border, in the form's client pixels.
    PixelRect DrawingAreaInClient() const;

    // The sunken border's width at the form's DPI.
    int Border() const;

private:
    void OnResized() override;
    void Put(int x, int y, std::int32_t colour);

    PixelSize size_;
    std::vector<std::int32_t> image_;
};

}  // namespace vardek::platform::headless
