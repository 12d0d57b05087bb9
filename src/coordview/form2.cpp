#include "coordview/form2.h"

#include "coordview/lifetime.h"

namespace vardek {

using platform::FormId;

void Form2::Bind(platform::Form& form)
{
    form.onLoad = [this] { Form_Load(); };
    form.onActivate = [this] { Form_Activate(); };
    form.onUnload = [this] { Form_Unload(); };
    form.onClose = [this] { Form_QueryClose(); };
    form.onDisplayChange = [this] { KeepFormOnScreen(toolkit_, FormId::Form2); };
    for (ControlName label : kCollectableNames) {
        form.Get(label).onClick = [this, label] { ValueLabel_Click(label); };
    }
    form.Get("Command1").onClick = [this] { Command1_Click(); };
    form.Get("Command4").onClick = [this] { Command4_Click(); };
    // The visible command labels run their hidden buttons' handlers, so the two never differ.
    form.Get("Label17").onClick = [this] { Command1_Click(); };
    form.Get("Label18").onClick = [this] { Command4_Click(); };
}

void Form2::Form_Load()
{
    // The label-buttons take their hand pointer from the window definition.
    PlaceCoordView(toolkit_, module1_);
}

void Form2::Form_Activate()
{
    toolkit_.Yield();
    toolkit_.GetForm(FormId::Form1).Picture("Picture1").SetFocus();
}

void Form2::Form_QueryClose()
{
    // The close box takes the view off the screen but keeps the window, and with it the collection.
    CloseCoordView(toolkit_, module1_);
}

void Form2::Form_Unload()
{
    RememberViewPlace(toolkit_, module1_);
}

}  // namespace vardek
