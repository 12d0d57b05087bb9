// The thirteen number labels of the coordinate view, as the ruler window writes them.
// Writing one while the view is closed creates the view, hidden; nothing here shows it.
#pragma once

#include <cstdint>
#include <string>

#include "app/module1.h"
#include "platform/toolkit.h"

namespace vardek {

// Plain decimal: a minus sign for negative values, no blank, no leading zeros.
std::string NumberText(std::int64_t value);

// The value kept in module1.readouts and shown in the label.
void SetReadout(platform::Toolkit& toolkit, Module1& module1, ControlName label, std::int64_t value);

// Every readout back to "0"; the collected text and the view's place are left alone. A closed view
// stays closed: the next one opens with every readout "0".
void ResetReadouts(platform::Toolkit& toolkit, Module1& module1);

}  // namespace vardek
