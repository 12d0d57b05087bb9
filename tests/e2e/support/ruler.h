// The ruler window as the driver sees it from outside: its title, the controls of both windows found
// by the child-window ids that the windows' definitions give, and the frame geometry expected under
// Wine's default theme (4-pixel frame, 19-pixel caption, 2-pixel picture border, 96 DPI).
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace e2e {

inline const std::wstring kRulerTitle = L"Vardek";
inline const std::wstring kCoordViewTitle = L"Vardek - 座標ビュー";
inline const std::wstring kLoupeTitle = L"ルーペ";

inline const std::wstring kCopyCaption = L"写す";
inline const std::wstring kCancelCaption = L"取り消し";
inline const std::wstring kRedrawCaption = L"再描写";
inline const std::wstring kRestoreCaption = L"復元";
inline const std::wstring kPrevInitial = L"000,000";

// Window coordinates of the picture's drawing area at client 0,0, and outer minus client size.
inline constexpr int kPictureLeft = 6;
inline constexpr int kPictureTop = 25;
inline constexpr int kExtraWidth = 8;
inline constexpr int kExtraHeight = 27;
// The bar's controls stand this far above the client's bottom; the picture is this much lower than the client.
inline constexpr int kBarOffset = 25;
inline constexpr int kBarHeight = 33;

struct RulerBar {
    HWND copy = nullptr;       // "写す"
    HWND cancel = nullptr;     // "取り消し"
    HWND prev = nullptr;       // remembered origin, "000,000" at first
    HWND redraw = nullptr;     // "再描写"
    HWND restore = nullptr;    // "復元"
    HWND coordLine = nullptr;  // the coordinate line, empty in the frame state
    bool Complete() const { return copy && cancel && prev && redraw && restore && coordLine; }
};

HWND FindRuler(DWORD pid);
bool CoordViewVisible(DWORD pid);
// A direct child of the ruler / of the coordinate view by the name of its row in the definition; null if
// the window or the control is missing.
HWND RulerControl(HWND ruler, std::string_view name);
HWND ViewControl(HWND view, std::string_view name);
RulerBar FindBar(HWND ruler);
// The picture that the hole shows through.
HWND FindPicture(HWND ruler);

// Region parts in window coordinates for a given client size.
RECT ExpectedOuter(SIZE client);
RECT ExpectedHole(SIZE client);

// Resizes the ruler's client area (SetWindowPos keeps its place) and waits until it has settled.
void ResizeClient(HWND ruler, int width, int height);

}  // namespace e2e
