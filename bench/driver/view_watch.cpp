#include "view_watch.h"

#include <algorithm>
#include <cstdio>

#include "../../tests/e2e/support/desktop.h"
#include "session.h"
#include "windows/definition.h"

namespace vardek::bench {
namespace {

constexpr int kTwipsPerPixel = 15;

// The heading "画面に対するX" of the view on the screen: a text that no operation rewrites, drawn only
// where the view is shown.
RECT HeadingOnScreen(HWND view)
{
    const ControlDef* row = FindControl(Form2Definition(), "Label1");
    POINT client{0, 0};
    ClientToScreen(view, &client);
    if (!row) {
        return {};
    }
    const LONG left = client.x + row->rect.left / kTwipsPerPixel;
    const LONG top = client.y + row->rect.top / kTwipsPerPixel;
    return {left, top, left + row->rect.width / kTwipsPerPixel, top + row->rect.height / kTwipsPerPixel};
}

bool AtPlace(HWND view, POINT place)
{
    const RECT r = e2e::WindowRect(view);
    return r.left == place.x && r.top == place.y;
}

std::string Tally(const char* channel, const WatchTally& t)
{
    char text[200];
    std::snprintf(text, sizeof text, "%d of %d (%s", t.wentAway, t.operations, channel);
    std::string out = text;
    if (t.neverShown > 0) {
        out += ", " + std::to_string(t.neverShown) + " never shown";
    }
    if (!t.absences.empty()) {
        std::snprintf(text, sizeof text, ", away %.1f ms median, %.1f ms worst", Summarize(t.absences).median,
                      *std::max_element(t.absences.begin(), t.absences.end()));
        out += text;
    }
    return out + ")";
}

}  // namespace

ViewWatcher::ViewWatcher(Session& s, POINT place) : s_(s), place_(place) {}

bool ViewWatcher::TakeReference()
{
    HWND view = CoordView(s_);
    if (!view || !AtPlace(view, place_)) {
        return false;
    }
    patch_ = std::make_unique<ScreenPatch>(HeadingOnScreen(view));
    if (!patch_->Valid()) {
        patch_.reset();
        return false;
    }
    reference_ = patch_->Read();
    return true;
}

void ViewWatcher::Begin(MustShow mustShow)
{
    windows_.emplace(mustShow);
    screen_.emplace(mustShow);
}

HWND ViewWatcher::Look()
{
    const double now = NowMs();
    HWND view = CoordView(s_);
    if (windows_) {
        windows_->Look(now, view && AtPlace(view, place_));
    }
    if (screen_ && patch_) {
        screen_->Look(now, !patch_->Differs(reference_));
    }
    return view;
}

void ViewWatcher::Finish()
{
    SpinUntil(
        [&] {
            Look();
            return false;
        },
        kViewSettleMs);
    if (windows_) {
        windowTally_.Add(*windows_);
    }
    if (screen_ && patch_) {
        screenTally_.Add(*screen_);
        unlikeAtRest_ += patch_->Differs(reference_);
    }
    windows_.reset();
    screen_.reset();
}

std::string ViewWatcher::Describe() const
{
    std::string out = "view off the screen in " + Tally("window list", windowTally_);
    out += patch_ ? ", " + Tally("screen", screenTally_) : ", screen not watched";
    char gaps[120];
    std::snprintf(gaps, sizeof gaps, "; longest gap between looks: median %.1f ms, worst %.1f ms",
                  Summarize(windowTally_.gaps).median, std::max(windowTally_.WorstGap(), screenTally_.WorstGap()));
    out += gaps;
    if (unlikeAtRest_ > 0) {
        out += "; at rest after " + std::to_string(unlikeAtRest_) + " the heading did not show as before";
    }
    return out;
}

bool ViewWatcher::NeverAway() const
{
    return windowTally_.operations > 0 && windowTally_.wentAway == 0 && screenTally_.wentAway == 0;
}

}  // namespace vardek::bench
