#include "platform/win32/handles.h"

#include <array>

namespace vardek::platform::win32 {
namespace {

// One process, one UI thread: plain counters are enough.
std::array<int, kHandleKindCount> g_liveCounts{};

}  // namespace

namespace detail {
void CountHandle(HandleKind kind, int delta)
{
    g_liveCounts[static_cast<int>(kind)] += delta;
}
}  // namespace detail

int LiveHandleCount(int kind)
{
    if (kind < 0 || kind >= kHandleKindCount) {
        return -1;
    }
    return g_liveCounts[kind];
}

}  // namespace vardek::platform::win32
