#include "coordview/readouts.h"

namespace vardek {

std::string NumberText(std::int64_t value)
{
    return std::to_string(value);
}

void SetReadout(platform::Toolkit& toolkit, Module1& module1, ControlName label, std::int64_t value)
{
    module1.readouts.Set(label, value);
    toolkit.GetForm(platform::FormId::Form2).Get(label).SetCaption(NumberText(value));
}

void ResetReadouts(platform::Toolkit& toolkit, Module1& module1)
{
    module1.readouts.Reset();
    // A view made later takes "0" from its definition: creating one only to write it costs a
    // moment of work on every start and cancel.
    if (!toolkit.IsLoaded(platform::FormId::Form2)) {
        return;
    }
    for (ControlName name : kReadoutNames) {
        toolkit.GetForm(platform::FormId::Form2).Get(name).SetCaption("0");
    }
}

}  // namespace vardek
