// A picture box's persistent image: a top-down 32-bit DIB section selected into its own memory
// DC, so that GDI draws into it and pixels are read straight from its bits.
#pragma once

#include "platform/win32/windows_api.h"

#include <cstdint>

#include "platform/units.h"
#include "platform/win32/handles.h"

namespace vardek::platform::win32 {

class ImageBuffer {
public:
    // An image of the size, every pixel the fill colour. A size with no pixels gives an image
    // with no DC.
    ImageBuffer(PixelSize size, COLORREF fill);
    ImageBuffer(const ImageBuffer&) = delete;
    ImageBuffer& operator=(const ImageBuffer&) = delete;

    PixelSize Size() const { return size_; }
    HDC Dc() const { return dc_.get(); }
    // The colour 0x00BBGGRR at x, y, or -1 outside the image.
    std::int32_t Pixel(int x, int y) const;

private:
    PixelSize size_;
    MemoryDc dc_;
    Bitmap bitmap_;
    SelectGuard selected_;  // declared last: the bitmap is put out of the DC before either goes
    const std::uint32_t* bits_ = nullptr;
};

}  // namespace vardek::platform::win32
