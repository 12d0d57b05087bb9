#include "coordview/readouts.h"

namespace vardek {

std::string NumberText(std::int64_t value)
{
    return std::to_string(value);
}

void SetReadout(platform::Toolkit& toolkit, ControlName label, std::int64_t value)
{
    toolkit.GetForm(platform::FormId::Form2).Get(label).SetCaption(NumberText(value));
}

void ResetReadouts(platform::Toolkit& toolkit)
{
    for (ControlName name : kReadoutNames) {
        toolkit.GetForm(platform::FormId::Form2).Get(name).SetCaption("0");
    }
}

}  // namespace vardek
