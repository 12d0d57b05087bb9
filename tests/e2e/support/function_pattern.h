// Known pictures for the driver: a window that paints a function of its client coordinates, and a
// one-copy grab of the screen's pixels to compare with it.
#pragma once

#include <windows.h>

#include <vector>

namespace e2e {

// The pattern that gives every pixel of a window up to 4096 x 4096 a colour of its own, so that
// any pixel copied from elsewhere, magnified or drawn over shows as wrong.
inline constexpr int kUniquePerPixel = 2;

// A window that paints a known function of its client coordinates: in variants 0 and 1 blocks of 16
// pixels, each a colour of its own, so that a shifted or scaled copy shows, and colour edges lie at
// known places; in kUniquePerPixel a colour per pixel.
class FunctionPattern {
public:
    explicit FunctionPattern(int variant);
    FunctionPattern(const FunctionPattern&) = delete;
    FunctionPattern& operator=(const FunctionPattern&) = delete;
    ~FunctionPattern();

    // Colour at a screen point, as painted while the window stood at its place.
    COLORREF At(POINT screen) const { return Colour(screen.x - place_.left, screen.y - place_.top); }
    COLORREF Colour(int x, int y) const
    {
        if (variant_ == kUniquePerPixel) {
            return RGB(x & 0xFF, y & 0xFF, ((x >> 4) & 0xF0) | ((y >> 8) & 0x0F));
        }
        const int bx = (x >> 4) & 7;
        const int by = (y >> 4) & 7;
        return variant_ == 0 ? RGB(0x20 + bx * 0x18, 0x30 + by * 0x18, 0x88)
                             : RGB(0x99, 0x10 + by * 0x1C, 0x28 + bx * 0x1A);
    }
    // The next colour edge to the right of a screen x.
    LONG NextEdgeRight(LONG screenX) const { return place_.left + (((screenX - place_.left) >> 4) + 1) * 16; }

    void Cover(const RECT& screen);
    void Hide() { ShowWindow(window_, SW_HIDE); }
    HWND Handle() const { return window_; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    void Paint(HWND window) const;

    int variant_;
    HWND window_ = nullptr;
    RECT place_{};
};

// The screen's pixels in a rectangle, read in one copy.
class ScreenGrab {
public:
    explicit ScreenGrab(const RECT& r);
    COLORREF At(POINT screen) const
    {
        return pixels_[static_cast<size_t>(screen.y - rect_.top) * width_ + (screen.x - rect_.left)];
    }

private:
    RECT rect_;
    int width_;
    int height_;
    std::vector<COLORREF> pixels_;
};

}  // namespace e2e
