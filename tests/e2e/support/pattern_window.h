// A plain window of one known colour that the driver lays under the ruler: what shows through the
// ruler's hole can be compared with it, and it records the clicks that reach it.
#pragma once

#include <windows.h>

namespace e2e {

class PatternWindow {
public:
    explicit PatternWindow(COLORREF colour);
    PatternWindow(const PatternWindow&) = delete;
    PatternWindow& operator=(const PatternWindow&) = delete;
    ~PatternWindow();

    // Places the window (screen coordinates) in the normal band without taking the activation.
    void Cover(const RECT& r);
    HWND Handle() const { return window_; }
    COLORREF Colour() const { return colour_; }

    int Clicks() const { return clicks_; }
    // The last click, in screen coordinates.
    POINT LastClick() const { return lastClick_; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

    COLORREF colour_;
    HBRUSH brush_;
    HWND window_ = nullptr;
    int clicks_ = 0;
    POINT lastClick_{};
};

}  // namespace e2e
