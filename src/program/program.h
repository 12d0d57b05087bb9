// The whole program: the shared module and both windows, wired to one toolkit.
// Start() creates the ruler window; the toolkit's pump does the rest.
#pragma once

#include "app/module1.h"
#include "coordview/form2.h"
#include "platform/toolkit.h"
#include "ruler/form1.h"

namespace vardek {

class Program {
public:
    explicit Program(platform::Toolkit& toolkit);
    void Start();

    Form1& Ruler() { return form1_; }
    Module1& Shared() { return module1_; }

private:
    platform::Toolkit& toolkit_;
    Module1 module1_;
    Form1 form1_;
    Form2 form2_;
};

}  // namespace vardek
