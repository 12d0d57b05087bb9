// When "復元" or "再描写" has finished, judged from looks at the ruler and the coordinate view that
// send the program no message. Both end with "再描写" disabled, the ruler's region whole and the view
// shown where it stood. A program that makes the view anew on the way and one that keeps it end in
// the same state, and a restore may start from that very state: so the end only counts after a sign
// that the operation has run, any of "再描写" enabled (its first step), the hole cut, or another
// view than before (none shown counts as another). Pure C++, tested apart from the window system.
#pragma once

#include <cstdint>

namespace vardek::bench {

struct RecallSight {
    bool redrawEnabled = false;
    bool holeCut = false;
    std::uintptr_t view = 0;   // the visible coordinate view's window; 0: none visible
    bool viewAtPlace = false;  // its outer corner where it stood before the click
};

class RecallProgress {
public:
    explicit RecallProgress(std::uintptr_t viewBefore) : viewBefore_(viewBefore) {}

    void Look(const RecallSight& sight)
    {
        started_ = started_ || sight.redrawEnabled || sight.holeCut || sight.view != viewBefore_;
        done_ = started_ && !sight.redrawEnabled && !sight.holeCut && sight.view != 0 && sight.viewAtPlace;
    }
    bool Started() const { return started_; }
    bool Done() const { return done_; }

private:
    std::uintptr_t viewBefore_;
    bool started_ = false;
    bool done_ = false;
};

}  // namespace vardek::bench
