#include "screen_patch.h"

#include <cstring>

#include "../../tests/e2e/support/desktop.h"

namespace vardek::bench {

namespace {

RECT Inset(HWND window, int inset)
{
    RECT r{};
    GetWindowRect(window, &r);
    InflateRect(&r, -inset, -inset);
    return r;
}

}  // namespace

ScreenPatch::ScreenPatch(HWND window, int inset) : ScreenPatch(Inset(window, inset)) {}

ScreenPatch::ScreenPatch(const RECT& screen) : rect_(screen)
{
    const LONG width = rect_.right - rect_.left;
    const LONG height = rect_.bottom - rect_.top;
    if (width <= 0 || height <= 0) {
        return;
    }
    BITMAPINFO info = e2e::TopDownRgb32(width, height);
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    memory_ = CreateCompatibleDC(nullptr);
    if (!bitmap_ || !memory_) {
        return;
    }
    old_ = SelectObject(memory_, bitmap_);
    bits_ = static_cast<std::uint32_t*>(bits);
}

ScreenPatch::ScreenPatch(ScreenPatch&& other) noexcept
    : rect_(other.rect_), bitmap_(other.bitmap_), memory_(other.memory_), old_(other.old_), bits_(other.bits_)
{
    other.bitmap_ = nullptr;
    other.memory_ = nullptr;
    other.old_ = nullptr;
    other.bits_ = nullptr;
}

ScreenPatch::~ScreenPatch()
{
    if (memory_) {
        if (old_) {
            SelectObject(memory_, old_);
        }
        DeleteDC(memory_);
    }
    if (bitmap_) {
        DeleteObject(bitmap_);
    }
}

void ScreenPatch::Copy() const
{
    HDC screen = GetDC(nullptr);
    BitBlt(memory_, 0, 0, rect_.right - rect_.left, rect_.bottom - rect_.top, screen, rect_.left, rect_.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    GdiFlush();
}

std::vector<std::uint32_t> ScreenPatch::Read() const
{
    if (!bits_) {
        return {};
    }
    Copy();
    return {bits_, bits_ + static_cast<std::size_t>(rect_.right - rect_.left) * (rect_.bottom - rect_.top)};
}

bool ScreenPatch::Differs(const std::vector<std::uint32_t>& before) const
{
    if (!bits_) {
        return false;
    }
    Copy();
    return std::memcmp(bits_, before.data(), before.size() * sizeof(std::uint32_t)) != 0;
}

}  // namespace vardek::bench
