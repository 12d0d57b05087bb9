// The one queue of pending events, the pump that drains it for the tests' entry points, and Yield().
#include <algorithm>
#include <stdexcept>

#include "platform/headless/toolkit.h"

namespace vardek::platform::headless {

namespace {

class DepthGuard {
public:
    explicit DepthGuard(int& depth) : depth_(depth) { ++depth_; }
    ~DepthGuard() { --depth_; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;

private:
    int& depth_;
};

}  // namespace

void World::Yield()
{
    const DepthGuard guard(yieldDepth_);
    std::vector<std::function<void()>> due;
    for (auto it = duringYield_.begin(); it != duringYield_.end();) {
        if (it->first-- == 0) {
            due.push_back(std::move(it->second));
            it = duringYield_.erase(it);
        } else {
            ++it;
        }
    }
    for (auto& action : due) {
        action();
    }
    Drain();
}

void World::Drain()
{
    // As the real pump does: past this many nested yields, input stays queued until the handlers
    // above have returned, so that a stream of it cannot nest handler in handler without end.
    constexpr int kInputNestingLimit = 8;
    const bool deep = yieldDepth_ > kInputNestingLimit;
    for (;;) {
        const auto next = deep ? std::find_if(queue_.begin(), queue_.end(),
                                              [](const Pending& event) { return event.kind != EventKind::Input; })
                               : queue_.begin();
        if (next == queue_.end()) {
            return;
        }
        auto event = std::move(next->run);
        queue_.erase(next);
        event();
    }
}

void World::Post(std::function<void()> event, EventKind kind)
{
    queue_.push_back({std::move(event), kind});
}

void World::Pump()
{
    if (ended_) {
        return;
    }
    {
        DepthGuard guard(pumpDepth_);
        try {
            Drain();
        } catch (const ProgramEnded&) {
            queue_.clear();
            focus_.reset();
            capture_.reset();
            active_.reset();
            zOrder_.clear();
            forms_.Clear();
        }
    }
    // Back at the outermost level: no code of an unloaded form is on the stack any more, and time
    // passes between two user inputs, so a compositor presents its frame and every window has repainted.
    if (pumpDepth_ == 0) {
        forms_.ReleaseUnloaded([](const HeadlessForm&) { return true; });
        compositor_.Present();
        traces_.clear();
    }
}

void World::Run(const std::function<void()>& entry)
{
    if (ended_) {
        return;
    }
    Post(entry);
    Pump();
}

void World::DuringYield(int skip, std::function<void()> action)
{
    duringYield_.emplace_back(skip, std::move(action));
}

}  // namespace vardek::platform::headless
