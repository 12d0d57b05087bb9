// The floor under the ruler's region changes: a plain window of the ruler's outer size at the
// ruler's place, painting its client from a DIB back buffer as the ruler's picture does, given its
// whole rectangle as its region and the frame with the hole cut, each timed as the bare BitBlt is:
// from the call to the window repainted and its drawing flushed. It is shown above everything only
// while it is timed, so that the programs measured never see it.
#pragma once

#include <windows.h>

namespace vardek::bench {

class BareFrame {
public:
    // outer: the ruler's window rectangle on the screen; hole: the opening in window coordinates.
    BareFrame(const RECT& outer, const RECT& hole);
    BareFrame(const BareFrame&) = delete;
    BareFrame& operator=(const BareFrame&) = delete;
    ~BareFrame();

    struct Times {
        double whole = -1;  // the frame made whole, as a snapshot, a restore and a redraw end
        double cut = -1;    // the hole cut, as going back to the frame does
    };
    Times Time();

private:
    HWND window_ = nullptr;
    HDC bufferDc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    RECT outer_;
    RECT hole_;
};

}  // namespace vardek::bench
