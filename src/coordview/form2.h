// The coordinate view: computes nothing itself. It places itself at the remembered spot,
// remembers where it was when it closes, and hands the keyboard straight back to the ruler.
#pragma once

#include "app/module1.h"
#include "platform/toolkit.h"

namespace vardek {

class Form2 {
public:
    Form2(platform::Toolkit& toolkit, Module1& module1) : toolkit_(toolkit), module1_(module1) {}

    void Bind(platform::Form& form);

    void Form_Load();
    void Form_Activate();
    void Form_Unload();

private:
    platform::Form& Self() { return toolkit_.GetForm(platform::FormId::Form2); }

    platform::Toolkit& toolkit_;
    Module1& module1_;
};

}  // namespace vardek
