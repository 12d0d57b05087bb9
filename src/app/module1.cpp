#include "app/module1.h"

namespace vardek {

void SetTopMost(platform::Toolkit& toolkit, platform::FormId window, int flag)
{
    platform::Form& form = toolkit.GetForm(window);
    if (flag == 0) {
        form.SetBand(platform::Band::Normal);
    } else if (flag == 1) {
        form.SetBand(platform::Band::TopMost);
    }
}

}  // namespace vardek
