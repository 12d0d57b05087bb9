#include "windows/definition.h"

namespace vardek {

const ControlDef* FindControl(const FormDef& form, std::string_view name)
{
    for (const ControlDef& control : form.controls) {
        if (control.name == name) {
            return &control;
        }
    }
    return nullptr;
}

int ControlId(const FormDef& form, std::string_view name)
{
    const ControlDef* control = FindControl(form, name);
    return control == nullptr ? -1 : kFirstControlId + static_cast<int>(control - form.controls.data());
}

}  // namespace vardek
