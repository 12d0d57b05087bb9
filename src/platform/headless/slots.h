// Calling the behaviour code's event slots from the in-memory desktop, and counting nesting depth.
#pragma once

namespace vardek::platform::headless {

// Calls a copy of the slot: the form that owns it may be destroyed while it runs.
template <typename Slot, typename... Args>
void Raise(const Slot& slot, const Args&... args)
{
    if (slot) {
        auto copy = slot;
        copy(args...);
    }
}

class DepthGuard {
public:
    explicit DepthGuard(int& depth) : depth_(depth) { ++depth_; }
    ~DepthGuard() { --depth_; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;

private:
    int& depth_;
};

}  // namespace vardek::platform::headless
