// A control's name as the code writes it, checked when the program is compiled: a name that
// neither window defines does not build.
#pragma once

#include <algorithm>
#include <string_view>

#include "windows/form1_definition.h"
#include "windows/form2_definition.h"

namespace vardek {

class ControlName {
public:
    // NOLINTNEXTLINE(google-explicit-constructor): names are written as plain string literals.
    consteval ControlName(const char* name) : name_(name)
    {
        if (!Defined(name_)) {
            throw "no window defines a control of this name";
        }
    }

    constexpr std::string_view View() const { return name_; }
    // NOLINTNEXTLINE(google-explicit-constructor): usable wherever a name is read as text.
    constexpr operator std::string_view() const { return name_; }

private:
    static consteval bool Defined(std::string_view name)
    {
        const auto named = [name](const ControlDef& control) { return control.name == name; };
        return std::ranges::any_of(form1_rows::kControls, named) || std::ranges::any_of(form2_rows::kControls, named);
    }

    std::string_view name_;
};

}  // namespace vardek
