// A rectangle of the screen read back as pixels: how the driver tells that what a window draws there
// has changed on the screen, without sending the window's program a message. Each read is one
// BitBlt from the screen into a DIB section of the rectangle's size.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace vardek::bench {

class ScreenPatch {
public:
    // Inside the window's outer rectangle, less an inset that keeps its frame out.
    ScreenPatch(HWND window, int inset);
    // A rectangle of the screen, wherever windows stand.
    explicit ScreenPatch(const RECT& screen);
    ScreenPatch(const ScreenPatch&) = delete;
    ScreenPatch& operator=(const ScreenPatch&) = delete;
    ScreenPatch(ScreenPatch&& other) noexcept;
    ScreenPatch& operator=(ScreenPatch&&) = delete;
    ~ScreenPatch();

    bool Valid() const { return bits_ != nullptr; }
    // The same size of rectangle, elsewhere: for a window that moves.
    void MoveTo(POINT topLeft) { OffsetRect(&rect_, topLeft.x - rect_.left, topLeft.y - rect_.top); }
    POINT TopLeft() const { return {rect_.left, rect_.top}; }
    // The pixels now on the screen.
    std::vector<std::uint32_t> Read() const;
    // Whether the screen now shows something else than before.
    bool Differs(const std::vector<std::uint32_t>& before) const;

private:
    RECT rect_{};
    HBITMAP bitmap_ = nullptr;
    HDC memory_ = nullptr;
    HGDIOBJ old_ = nullptr;
    std::uint32_t* bits_ = nullptr;
    void Copy() const;
};

}  // namespace vardek::bench
