// The coordinate view: computes nothing itself. It places itself at the remembered spot,
// remembers where it was when it closes, hands the keyboard straight back to the ruler, and
// collects clicked readout values into one comma-separated line for the clipboard.
#pragma once

#include <array>
#include <string_view>

#include "app/module1.h"
#include "platform/toolkit.h"

namespace vardek {

// The readouts whose values a click collects (the pointer position GX, GY is not among them).
inline constexpr std::array<ControlName, 11> kCollectableNames = {
    "DispX", "DispY", "X1", "Y1", "X2", "Y2", "SW", "SH", "CR", "CG", "CB",
};

class Form2 {
public:
    Form2(platform::Toolkit& toolkit, Module1& module1) : toolkit_(toolkit), module1_(module1) {}

    void Bind(platform::Form& form);

    // Lifecycle (form2.cpp).
    void Form_Load();        // open at the remembered place
    void Form_Activate();    // hand the keyboard back to the ruler's picture
    void Form_QueryClose();  // the close box: hide, reset, remember the place; Text1 stays
    void Form_Unload();      // remember the place

    // Value collection and the clipboard (collection.cpp).
    void AppendValue(std::string_view value);
    void ValueLabel_Click(ControlName label);  // a readout's value onto Text1
    void Command1_Click();                     // クリア: empty Text1 (the label Label17 runs it too)
    void Command4_Click();                     // コピー: Text1 onto the clipboard (the label Label18 runs it too)

private:
    platform::Form& Self() { return toolkit_.GetForm(platform::FormId::Form2); }

    platform::Toolkit& toolkit_;
    Module1& module1_;
};

}  // namespace vardek
