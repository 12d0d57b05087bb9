// What repeated looks at a window during one operation found: whether a look found it off the
// screen where it should have been on it, for how long, and how far apart the looks were. A window
// that goes and comes back between two looks is not seen, so the longest gap bounds what the looks
// can miss. Pure C++, so that the bookkeeping is tested apart from the window system.
#pragma once

#include <algorithm>
#include <vector>

namespace vardek::bench {

// Whether the window has to be on the screen from the operation's first look, or only from the
// first look that finds it there (an operation that brings it up from hidden).
enum class MustShow { FromStart, FromFirstSight };

class OperationWatch {
public:
    explicit OperationWatch(MustShow mustShow) : mustShow_(mustShow) {}

    void Look(double atMs, bool shown)
    {
        if (looks_ > 0) {
            longestGap_ = std::max(longestGap_, atMs - lastLook_);
        }
        lastLook_ = atMs;
        ++looks_;
        if (shown) {
            seen_ = true;
            if (goneSince_ >= 0) {
                longestAbsence_ = std::max(longestAbsence_, atMs - goneSince_);
                goneSince_ = -1;
            }
            return;
        }
        if (mustShow_ == MustShow::FromFirstSight && !seen_) {
            return;
        }
        wentAway_ = true;
        if (goneSince_ < 0) {
            goneSince_ = atMs;
        }
    }

    // Off the screen at a look where it had to be on it, or never on it at all.
    bool WentAway() const { return wentAway_ || NeverShown(); }
    bool NeverShown() const { return looks_ > 0 && !seen_; }
    // From the first look that missed it to the next that found it; one still missing at the last
    // look counts until that look.
    double LongestAbsence() const
    {
        return goneSince_ >= 0 ? std::max(longestAbsence_, lastLook_ - goneSince_) : longestAbsence_;
    }
    double LongestGap() const { return longestGap_; }
    int Looks() const { return looks_; }

private:
    MustShow mustShow_;
    int looks_ = 0;
    double lastLook_ = 0;
    double longestGap_ = 0;
    bool seen_ = false;
    bool wentAway_ = false;
    double goneSince_ = -1;
    double longestAbsence_ = 0;
};

// Many operations' watches summed up.
struct WatchTally {
    int operations = 0;
    int wentAway = 0;
    int neverShown = 0;
    std::vector<double> gaps;      // each operation's longest gap between two looks
    std::vector<double> absences;  // each operation that went away: its longest absence

    void Add(const OperationWatch& watch)
    {
        ++operations;
        wentAway += watch.WentAway();
        neverShown += watch.NeverShown();
        gaps.push_back(watch.LongestGap());
        if (watch.WentAway() && !watch.NeverShown()) {
            absences.push_back(watch.LongestAbsence());
        }
    }
    double WorstGap() const { return gaps.empty() ? 0 : *std::max_element(gaps.begin(), gaps.end()); }
};

}  // namespace vardek::bench
