#include "ruler/form1.h"
#include "ruler/tracking_off.h"

namespace vardek {

namespace {

// Pointer tracking stays off for the whole run, so that PointerX and PointerY keep the
// recalled point across every yield until the origin is placed.
template <typename Run>
void WithTrackingOff(ViewState& state, platform::Toolkit& toolkit, Run run)
{
    const TrackingOffScope scope(state);
    run();
    toolkit.Yield();
}

}  // namespace

void Form1::Command3_Click()
{
    WithTrackingOff(state_, toolkit_, [this] { RecallOrigin(Self().Get("Prev").Caption(), SnapshotSource::Store); });
    Self().Get("Command4").SetEnabled(false);
    Picture1().SetFocus();
}

void Form1::Command4_Click()
{
    WithTrackingOff(state_, toolkit_, [this] { RecallOrigin(Self().Get("Prev").Caption(), SnapshotSource::Screen); });
    Self().Get("Command4").SetEnabled(false);
    Picture1().SetFocus();
}

}  // namespace vardek
