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

}  // namespace vardek
