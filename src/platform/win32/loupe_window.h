// The loupe: a topmost tool window that is never activated and lets the pointer through, painting
// its image from a DIB of its own, with one STATIC per caption line.
#pragma once

#include "platform/win32/windows_api.h"

#include <cstdint>
#include <vector>

#include "platform/toolkit.h"
#include "platform/win32/handles.h"

namespace vardek::platform::win32 {

class Win32Loupe final : public LoupeWindow {
public:
    static constexpr const wchar_t* kClassName = L"VardekLoupe";
    static void RegisterWindowClass(HINSTANCE instance);

    explicit Win32Loupe(HINSTANCE instance) : instance_(instance) {}
    Win32Loupe(const Win32Loupe&) = delete;
    Win32Loupe& operator=(const Win32Loupe&) = delete;

    void Show(const LoupeFrame& frame) override;
    void Hide() override;
    bool Visible() const override;
    PixelRect WindowRect() const override;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Create();
    void PlaceCaptions(const LoupeFrame& frame);
    void Paint(HWND window);

    HINSTANCE instance_;
    // In this order, so that the captions go before their window and the font after both.
    Font font_;
    Window window_;
    std::vector<Window> captions_;
    int fontPixels_ = 0;
    PixelRect image_;
    std::vector<std::uint32_t> bits_;  // 0x00RRGGBB, as a DIB holds it
};

}  // namespace vardek::platform::win32
