#include <string>

#include "coordview/form2.h"

namespace vardek {

void Form2::AppendValue(std::string_view value)
{
    platform::Control& text = Self().Get("Text1");
    const std::string current = text.Caption();
    text.SetCaption(current.empty() ? std::string(value) : current + "," + std::string(value));
}

void Form2::ValueLabel_Click(ControlName label)
{
    AppendValue(Self().Get(label).Caption());
}

void Form2::Command1_Click()
{
    Self().Get("Text1").SetCaption("");
}

void Form2::Command4_Click()
{
    // A clipboard held by another program leaves the text as it is, to be copied again later.
    toolkit_.SetClipboardText(Self().Get("Text1").Caption());
}

}  // namespace vardek
