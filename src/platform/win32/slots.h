// Calling the behaviour code's event slots from window procedures.
#pragma once

#include "platform/win32/windows_api.h"

#include <exception>
#include <functional>
#include <utility>

namespace vardek::platform::win32 {

// Runs an event slot. The slot is copied first, so a handler may rebind it while it runs. An
// exception from a handler ends that handler only: it must not unwind through the window
// system's frames, and one failed event is no reason to end the program.
template <typename... Params, typename... Args>
void RunSlot(const std::function<void(Params...)>& slot, Args&&... args)
{
    if (!slot) {
        return;
    }
    auto handler = slot;
    try {
        handler(std::forward<Args>(args)...);
    } catch (const std::exception& error) {
        ::OutputDebugStringA(error.what());
    } catch (...) {
        ::OutputDebugStringA("vardek: unknown exception in an event handler");
    }
}

}  // namespace vardek::platform::win32
