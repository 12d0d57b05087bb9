// The ruler window's definition: every control as one row of data, in stacking order.
// Constant data in a header, so that control names can be checked when the program is compiled.
#pragma once

#include "windows/definition.h"

namespace vardek::form1_rows {

// Prev is wide enough for the longest position text, "-32768,-32768", with the blank that framed
// labels keep inside their frame, at 96 to 192 DPI; the controls to its right keep their order and
// spacing, moved right by the width that adds. Label1 holds the longest coordinate line,
// "(-32768,-32768) <-32768,-32768>".
inline constexpr ControlDef kControls[] = {
    {.kind = Kind::Button,
     .name = "Command3",
     .caption = "復元",
     .rect = {4050, 4080, 495, 255},
     .enabled = false,
     .tabIndex = 7},
    {.kind = Kind::Button,
     .name = "Command4",
     .caption = "再描写",
     .rect = {3330, 4080, 735, 255},
     .enabled = false,
     .tabIndex = 8},
    {.kind = Kind::ComboBox, .name = "Combo1", .rect = {3120, 4035, 1215, 300}, .visible = false, .tabIndex = 4},
    {.kind = Kind::Button, .name = "Command2", .caption = "取り消し", .rect = {1080, 4080, 855, 255}, .tabIndex = 2},
    {.kind = Kind::PictureBox,
     .name = "Picture1",
     .rect = {0, 0, 7215, 3975},
     .pointer = Pointer::Crosshair,
     .tabIndex = 1},
    {.kind = Kind::Button, .name = "Command1", .caption = "写す", .rect = {105, 4080, 855, 255}, .tabIndex = 0},
    {.kind = Kind::PictureBox, .name = "Picture2", .rect = {0, 0, 4215, 4095}, .tabIndex = 5},
    {.kind = Kind::Label,
     .name = "Prev",
     .caption = "000,000",
     .rect = {2040, 4080, 1305, 255},
     .framed = true,
     .tabIndex = 6},
    {.kind = Kind::Label, .name = "Label1", .caption = "", .rect = {4650, 4080, 3255, 255}, .tabIndex = 3},
};

inline constexpr FormDef kForm = {
    .name = "Form1",
    .caption = "Vardek",
    .frame = FrameKind::Sizable,
    // Wide enough that a line of four-digit values, all negative, "(-1920,-1080) <-1920,-1080>",
    // ends inside the window at 96 to 192 DPI: the smallest multiple of a pixel at 96 DPI that does.
    .client = {3900, 3270, 7065, 4425},
    .hasIcon = true,
    .keyPreview = true,
    // Its keys are commands (G, space, B, N...), never text.
    .inputMethod = false,
    .scale = Scale::Pixels,
    .font = {.face = "MS UI Gothic", .points = 9.0},
    .controls = kControls,
};

}  // namespace vardek::form1_rows
