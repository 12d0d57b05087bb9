#include "program/program.h"

namespace vardek {

Program::Program(platform::Toolkit& toolkit) : toolkit_(toolkit), form1_(toolkit, module1_), form2_(toolkit, module1_)
{
    toolkit_.SetBinder(platform::FormId::Form1, [this](platform::Form& form) { form1_.Bind(form); });
    toolkit_.SetBinder(platform::FormId::Form2, [this](platform::Form& form) { form2_.Bind(form); });
}

void Program::Start()
{
    toolkit_.GetForm(platform::FormId::Form1);
}

}  // namespace vardek
