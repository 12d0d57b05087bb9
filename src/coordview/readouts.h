// The thirteen number labels of the coordinate view, as the ruler window writes them.
// Writing one while the view is closed creates the view, hidden; nothing here shows it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/toolkit.h"

namespace vardek {

inline constexpr std::array<ControlName, 13> kReadoutNames = {
    "GX", "GY", "DispX", "DispY", "X1", "Y1", "X2", "Y2", "SW", "SH", "CR", "CG", "CB",
};

// Plain decimal: a minus sign for negative values, no blank, no leading zeros.
std::string NumberText(std::int64_t value);

void SetReadout(platform::Toolkit& toolkit, ControlName label, std::int64_t value);

// Every readout back to "0"; the collected text and the view's place are left alone. A closed view
// stays closed: the next one opens with every readout "0".
void ResetReadouts(platform::Toolkit& toolkit);

}  // namespace vardek
