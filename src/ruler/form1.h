// The ruler window: owns ViewState and does all the computing for both windows.
// Handlers are grouped by concern: start-up and keys (form1.cpp), layout and the
// see-through frame (layout.cpp), the snapshot (snapshot.cpp).
#pragma once

#include "app/module1.h"
#include "app/view_state.h"
#include "platform/toolkit.h"
#include "ruler/frame_geometry.h"

namespace vardek {

class Form1 {
public:
    Form1(platform::Toolkit& toolkit, Module1& module1) : toolkit_(toolkit), module1_(module1) {}

    void Bind(platform::Form& form);

    const ViewState& State() const { return state_; }
    ViewState& State() { return state_; }

    // Start-up, activation, keys and closing.
    void Form_Load();
    void Form_Activate();
    void Form_KeyDown(const platform::KeyEvent& key);
    void Form_Unload();

    // Layout and the see-through frame.
    void Form_Resize();
    void CutFrame();
    void Command2_Click();

    // The snapshot.
    void Command1_Click();

private:
    platform::Form& Self() { return toolkit_.GetForm(platform::FormId::Form1); }
    platform::PictureBox& Picture1() { return Self().Picture("Picture1"); }
    void ClearMeasurement();
    void LayOut();
    void RestoreAfterPause();
    void TakeSnapshot();

    platform::Toolkit& toolkit_;
    Module1& module1_;
    ViewState state_;
    // The pending restore follows a layout that failed, not a minimise: once the window is
    // tall enough again, the restore ends with the layout it missed.
    bool pendingAfterFailedLayout_ = false;
    // The see-through hole is cut (no snapshot on show).
    bool frameCut_ = false;
    // The frame offsets recorded with WinLeftPx and WinTopPx for the snapshot on show.
    FrameOffsets snapshotOffsets_;
};

}  // namespace vardek
