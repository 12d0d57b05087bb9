// A function a DLL exports, looked up at run time: for what older systems lack, and for libraries
// loaded only when first needed.
#pragma once

#include "platform/win32/windows_api.h"

namespace vardek::platform::win32 {

// nullptr when the module is null or does not export the name.
template <typename Function>
Function ExportOf(HMODULE module, const char* name)
{
    // Through void*: a direct cast between function pointer types draws -Wcast-function-type.
    return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(module, name))) : nullptr;
}

}  // namespace vardek::platform::win32
