// Pointer tracking off for a scope, and back on every way out of it, an exception included:
// otherwise every later pointer move would be ignored. It only resets the flag; it never yields.
#pragma once

#include "app/view_state.h"

namespace vardek {

class TrackingOffScope {
public:
    explicit TrackingOffScope(ViewState& state) : state_(state) { state_.TrackingOff = kTrue; }
    ~TrackingOffScope() { state_.TrackingOff = kFalse; }
    TrackingOffScope(const TrackingOffScope&) = delete;
    TrackingOffScope& operator=(const TrackingOffScope&) = delete;

private:
    ViewState& state_;
};

}  // namespace vardek
