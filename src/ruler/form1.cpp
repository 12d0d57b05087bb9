// The ruler's start-up, activation, its own keys (F1, G, Z) and closing, and where every handler is bound.
#include "ruler/form1.h"

#include "coordview/lifetime.h"
#include "ruler/key_codes.h"
#include "ruler/tracking_off.h"

namespace vardek {

using platform::KeyEvent;

void Form1::Bind(platform::Form& form)
{
    form.onLoad = [this] { Form_Load(); };
    form.onActivate = [this] { Form_Activate(); };
    form.onKeyDown = [this](const KeyEvent& key) { Form_KeyDown(key); };
    form.onUnload = [this] { Form_Unload(); };
    form.onResize = [this] { Form_Resize(); };
    form.onDisplayChange = [this] { KeepFormOnScreen(toolkit_, platform::FormId::Form1); };
    form.Get("Command1").onClick = [this] { Command1_Click(); };
    form.Get("Command2").onClick = [this] { Command2_Click(); };
    form.Get("Command3").onClick = [this] { Command3_Click(); };
    form.Get("Command4").onClick = [this] { Command4_Click(); };
    form.Get("Combo1").onClick = [this] { Combo1_Click(); };
    platform::Control& picture = form.Get("Picture1");
    picture.onMouseMove = [this](const platform::MouseEvent& event) { Picture1_MouseMove(event); };
    picture.onMouseDown = [this](const platform::MouseEvent& event) { Picture1_MouseDown(event); };
    picture.onKeyDown = [this](const KeyEvent& key) { Picture1_KeyDown(key); };
}

void Form1::Form_Load()
{
    // Nothing shows before the frame is cut: the layout cuts it, then shows the ruler topmost. The
    // coordinate view never shows at start-up: a pointer already over the ruler when it appears is
    // no measurement, so its moves are not tracked until the layout is done. Whatever a nested
    // event made of the view is closed, so that it next shows with fresh readouts.
    {
        const TrackingOffScope startingUp(state_);
        Form_Resize();
    }
    CloseCoordView(toolkit_, module1_);
}

void Form1::Form_Activate()
{
    Picture1().SetFocus();
}

void Form1::Form_KeyDown(const KeyEvent& key)
{
    // The modifiers are not looked at: Shift+F1 opens the help, Ctrl+G takes a snapshot, Ctrl+Z the loupe.
    if (key.keyCode == keys::kF1) {
        toolkit_.OpenHelp();
    }
    if (key.keyCode == keys::kG) {
        Command1_Click();
    }
    if (key.keyCode == keys::kZ) {
        ToggleLoupe();
    }
}

void Form1::Form_Unload()
{
    toolkit_.EndProgram();
}

}  // namespace vardek
