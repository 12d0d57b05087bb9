// The numbers the coordinate view's readouts show, by label, as last written: the ruler writes them
// and either window resets them, so they live in the module both share. Code that needs a value
// shown reads it here, never back from a caption.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "windows/control_name.h"

namespace vardek {

inline constexpr std::array<ControlName, 13> kReadoutNames = {
    "GX", "GY", "DispX", "DispY", "X1", "Y1", "X2", "Y2", "SW", "SH", "CR", "CG", "CB",
};

class ReadoutValues {
public:
    std::int64_t operator[](ControlName label) const { return values_[IndexOf(label)]; }
    void Set(ControlName label, std::int64_t value) { values_[IndexOf(label)] = value; }
    void Reset() { values_.fill(0); }

private:
    static std::size_t IndexOf(ControlName label)
    {
        const auto* found = std::find_if(kReadoutNames.begin(), kReadoutNames.end(),
                                         [label](ControlName name) { return name.View() == label.View(); });
        if (found == kReadoutNames.end()) {
            throw std::invalid_argument("no readout " + std::string(label.View()));
        }
        return static_cast<std::size_t>(found - kReadoutNames.begin());
    }

    std::array<std::int64_t, kReadoutNames.size()> values_{};
};

}  // namespace vardek
