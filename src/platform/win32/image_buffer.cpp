#include "platform/win32/image_buffer.h"

namespace vardek::platform::win32 {

ImageBuffer::ImageBuffer(PixelSize size, COLORREF fill)
{
    if (size.width <= 0 || size.height <= 0) {
        return;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = size.width;
    info.bmiHeader.biHeight = -size.height;  // top-down: row 0 first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    Bitmap bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    MemoryDc dc(::CreateCompatibleDC(nullptr));
    if (!bitmap || !dc || !bits) {
        return;  // out of memory for a huge picture: it stays empty rather than failing the caller
    }
    size_ = size;
    dc_ = std::move(dc);
    bitmap_ = std::move(bitmap);
    selected_ = SelectGuard(dc_.get(), bitmap_.get());
    bits_ = static_cast<const std::uint32_t*>(bits);
    Brush brush(::CreateSolidBrush(fill));
    RECT all{0, 0, size.width, size.height};
    ::FillRect(dc_.get(), &all, brush.get());
}

std::int32_t ImageBuffer::Pixel(int x, int y) const
{
    if (!bits_ || x < 0 || y < 0 || x >= size_.width || y >= size_.height) {
        return -1;
    }
    // GDI may still be batching drawing into the bits.
    ::GdiFlush();
    const std::uint32_t pixel = bits_[static_cast<size_t>(y) * static_cast<size_t>(size_.width) + x];
    const std::uint32_t red = (pixel >> 16) & 0xFFu;
    const std::uint32_t green = (pixel >> 8) & 0xFFu;
    const std::uint32_t blue = pixel & 0xFFu;
    return static_cast<std::int32_t>(red | (green << 8) | (blue << 16));
}

}  // namespace vardek::platform::win32
