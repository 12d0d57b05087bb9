// The ruler window: owns ViewState and does all the computing for both windows.
// Handlers are grouped by concern: start-up and the ruler's own keys (form1.cpp), layout and
// the see-through frame (layout.cpp), snapshot and guide lines (snapshot.cpp), restore and
// redraw with the hidden list's recall (restore.cpp), pointer readouts (pointer.cpp), keyboard
// control (keys.cpp) and the loupe (loupe.cpp).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "app/module1.h"
#include "app/view_state.h"
#include "platform/toolkit.h"
#include "ruler/frame_geometry.h"

namespace vardek {

// What a cancel does with the coordinate view: takes it off the screen, or, inside a recall that
// shows it again at once, leaves it where it stands with its readouts reset.
enum class ViewOnCancel { Close, KeepShown };

inline constexpr Colour kOriginColour = 0x0000FF;
inline constexpr Colour kFirstPointColour = 0xFF0000;
inline constexpr Colour kSecondPointColour = 0x00C000;

class Form1 {
public:
    Form1(platform::Toolkit& toolkit, Module1& module1) : toolkit_(toolkit), module1_(module1) {}

    void Bind(platform::Form& form);

    const ViewState& State() const { return state_; }
    ViewState& State() { return state_; }
    // Whether the see-through frame is cut (no snapshot on show).
    bool FrameCut() const { return frameCut_; }

    // Start-up, activation, the ruler's own keys and closing.
    void Form_Load();                                  // start-up: lay out, cut the frame, show the ruler topmost
    void Form_Activate();                              // the keyboard goes to Picture1
    void Form_KeyDown(const platform::KeyEvent& key);  // key preview: F1 help, G snapshot
    void Form_Unload();                                // closing the ruler ends the program

    // Layout and the see-through frame.
    void Form_Resize();     // lay out, cut the frame; minimise and restore
    void CutFrame();        // the see-through hole over Picture1
    void Command2_Click();  // 取り消し: cancel back to the see-through frame

    // Snapshot and guide lines.
    void Command1_Click();  // 写す: snapshot of the screen under the opening
    void PlaceOrigin();
    void DrawGuides(Colour colour);

    // Restore, redraw and the hidden list's recall.
    void Command3_Click();  // 復元: the remembered origin on the stored snapshot
    void Command4_Click();  // 再描写: the remembered origin on a fresh snapshot
    void Combo1_Click();    // hidden: the origin its text names on the stored snapshot

    // Pointer readouts and keyboard control over the picture.
    void Picture1_MouseMove(const platform::MouseEvent& event);  // readouts of the pointer
    void Picture1_MouseDown(const platform::MouseEvent& event);  // sample the colour clicked
    void Picture1_KeyDown(const platform::KeyEvent& key);        // space, B, arrows, N, V, C, H
    void SplitColor(std::int32_t colour);

    // The loupe beside the pointer, Z to switch it on and off.
    void ToggleLoupe();
    void UpdateLoupe();  // shows it for the pointer as the readouts have it, or hides it
    void HideLoupe();
    bool LoupeOn() const { return loupeOn_; }

private:
    platform::Form& Self() { return toolkit_.GetForm(platform::FormId::Form1); }
    platform::PictureBox& Picture1() { return Self().Picture("Picture1"); }
    void ClearMeasurement();
    void CancelToFrame(ViewOnCancel view);
    void HideViewOverOpening();
    void LayOut();
    void RestoreAfterPause();
    void RecordSnapshotPlace();
    std::vector<PixelRect> OwnWindowsOverView();
    void CaptureScreen(platform::PictureBox& target, std::span<const PixelRect> keep);
    void StoreView();
    void ResetWindowRegion();
    void RestoreSnapshot();
    PixelPoint RememberedOrigin() const;
    void BeginRecall(PixelPoint origin);
    void PictureFromStore();
    void PictureFromScreen();
    void ShowViewAndPlaceOrigin();
    void ShowColour(std::int32_t colour);
    void ShowCoordinateLine(const std::string& line);
    void StepPointer(PixelPoint step, PixelPoint picture, PixelPoint live, bool edgeJump);
    void SpaceKey();
    void FixNextPoint();
    void ToggleColorPick();

    platform::Toolkit& toolkit_;
    Module1& module1_;
    ViewState state_;
    // The pending restore follows a layout that failed, not a minimise: once the window is
    // tall enough again, the restore ends with the layout it missed.
    bool pendingAfterFailedLayout_ = false;
    // The see-through hole is cut: no snapshot is on show.
    bool frameCut_ = false;
    // Z switched the loupe on; it shows only while a snapshot is on show.
    bool loupeOn_ = false;
    // Where the store's pixels came from, so that a restore names their true positions.
    SnapshotPlace storePlace_;
};

}  // namespace vardek
