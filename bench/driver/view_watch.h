// Watches the coordinate view through an operation without sending the program a message, the way
// a user judges it: in the window list (a visible window with the view's title, standing at its
// place) and on the screen (a patch of one of its headings, which only the view shown there paints
// so). Each operation's looks go into a tally per channel; a short settle time after the operation
// has finished is watched too, for a view that goes away late.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "../common/op_watch.h"
#include "screen_patch.h"

namespace vardek::bench {

struct Session;

// How long an operation is watched after it has finished.
inline constexpr double kViewSettleMs = 300;

class ViewWatcher {
public:
    // place: the view's outer corner, where it has to stand.
    ViewWatcher(Session& s, POINT place);

    // Reads the heading's pixels with the view shown at its place and at rest; false if it is not.
    bool TakeReference();
    void Begin(MustShow mustShow);
    // One look at both; the visible view it saw, or nullptr.
    HWND Look();
    // Watches the settle time out and counts the operation in.
    void Finish();

    POINT Place() const { return place_; }
    // "N of M (window list), N of M (screen)", the looks' longest gaps and the absences.
    std::string Describe() const;
    // No operation had the view off the screen on either channel.
    bool NeverAway() const;

private:
    Session& s_;
    POINT place_;
    std::unique_ptr<ScreenPatch> patch_;
    std::vector<std::uint32_t> reference_;
    std::optional<OperationWatch> windows_, screen_;
    WatchTally windowTally_, screenTally_;
    // Operations after which the view at rest did not show the reference's pixels.
    int unlikeAtRest_ = 0;
};

}  // namespace vardek::bench
