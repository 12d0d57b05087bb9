#include "windows/definition.h"

#include "windows/form1_definition.h"
#include "windows/form2_definition.h"

namespace vardek {

const FormDef& Form1Definition()
{
    return form1_rows::kForm;
}

const FormDef& Form2Definition()
{
    return form2_rows::kForm;
}

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
