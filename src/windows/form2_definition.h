// The coordinate view's definition: every control as one row of data, in stacking order.
// Constant data in a header, so that control names can be checked when the program is compiled.
#pragma once

#include "windows/definition.h"

namespace vardek::form2_rows {

inline constexpr FontDef kPointerFont = {
    .face = "ＭＳ Ｐゴシック", .points = 14.25, .weight = 400, .shiftJisCharset = true};
inline constexpr Colour kRed = 0x0000FF;
inline constexpr Colour kBlue = 0xFF0000;
inline constexpr Colour kGreen = 0x00C000;
inline constexpr Colour kOlive = 0x008080;

// A value label: framed, right-aligned, a click target with the hand pointer.
constexpr ControlDef Value(std::string_view name, TwipRect rect)
{
    return {.kind = Kind::Label,
            .name = name,
            .caption = "0",
            .rect = rect,
            .align = Align::Right,
            .pointer = Pointer::Hand,
            .framed = true};
}

constexpr ControlDef Heading(std::string_view name, std::string_view caption, TwipRect rect, Colour fore = kButtonText)
{
    return {.kind = Kind::Label, .name = name, .caption = caption, .rect = rect, .foreColour = fore};
}

constexpr ControlDef LegendLine(std::string_view name, TwipLine line, Colour colour)
{
    return {.kind = Kind::Line, .name = name, .parent = "Picture1", .line = line, .foreColour = colour};
}

constexpr ControlDef Separator(std::string_view name, TwipLine line, Colour colour)
{
    return {.kind = Kind::Line, .name = name, .line = line, .foreColour = colour};
}

constexpr ControlDef CommandLabel(std::string_view name, std::string_view caption, TwipRect rect, int tab)
{
    return {.kind = Kind::Label,
            .name = name,
            .caption = caption,
            .rect = rect,
            .foreColour = kWindowText,
            .backColour = kTooltipBack,
            .align = Align::Centre,
            .pointer = Pointer::Hand,
            .framed = true,
            .tabIndex = tab};
}

// Every value label holds its widest value whole, with the blank that framed labels keep inside
// their frame, at 96 to 192 DPI: "-32768" for positions and sizes, "255" for colours. The rows keep
// their order, their headings and the gaps between heading, value and the next heading; the
// controls right of a widened label move right by the width it gained, and the view grows by the
// widest row's gain (900 twips, the point row). The separators and the text box span the wider view,
// and the two label-buttons stay under the right end of the text box.
inline constexpr ControlDef kControls[] = {
    {.kind = Kind::Button,
     .name = "Command1",
     .caption = "クリア",
     .rect = {0, 3600, 855, 255},
     .visible = false,
     .tabIndex = 32},
    {.kind = Kind::Button,
     .name = "Command4",
     .caption = "コピー",
     .rect = {0, 3720, 855, 255},
     .visible = false,
     .tabIndex = 31},
    {.kind = Kind::TextBox,
     .name = "Text1",
     .caption = "",
     .rect = {120, 3360, 3555, 270},
     .foreColour = kWindowText,
     .backColour = SystemColour(5),
     .tabIndex = 30},
    {.kind = Kind::PictureBox,
     .name = "Picture1",
     .rect = {1560, 720, 1335, 1215},
     .scale = Scale::Twips,
     .tabIndex = 8},
    {.kind = Kind::Label,
     .name = "Label6",
     .parent = "Picture1",
     .caption = "O",
     .rect = {300, 270, 255, 255},
     .foreColour = kRed},
    LegendLine("Line6", {1080, -240, 1080, 1440}, kGreen),
    LegendLine("Line5", {0, 960, 2520, 960}, kGreen),
    LegendLine("Line4", {480, -240, 480, 1440}, kBlue),
    LegendLine("Line3", {-360, 480, 2160, 480}, kBlue),
    LegendLine("Line2", {240, -240, 240, 1440}, kRed),
    LegendLine("Line1", {-360, 240, 2160, 240}, kRed),
    {.kind = Kind::Shape,
     .name = "Shape1",
     .parent = "Picture1",
     .rect = {480, 480, 615, 495},
     .foreColour = kOlive,
     .styleCode = 5},
    {.kind = Kind::Label,
     .name = "Label8",
     .parent = "Picture1",
     .caption = "",
     .rect = {240, 240, 1215, 975},
     .backColour = 0xE0E0E0},
    CommandLabel("Label18", "コピー", {2940, 3630, 735, 210}, 34),
    CommandLabel("Label17", "クリア", {2220, 3630, 735, 210}, 33),
    Separator("Line10", {120, 600, 3780, 600}, kButtonShadow),
    Separator("Line9", {135, 615, 3780, 615}, kButtonHighlight),
    Separator("Line8", {135, 2775, 3780, 2775}, kButtonHighlight),
    Separator("Line7", {120, 2760, 3780, 2760}, kButtonShadow),
    Value("CB", {2460, 3000, 405, 255}),
    Value("CG", {1710, 3000, 405, 255}),
    Value("CR", {960, 3000, 405, 255}),
    Heading("Label14", "B :", {2220, 3000, 375, 255}, 0xC00000),
    Heading("Label13", "G :", {1470, 3000, 375, 255}, 0x008000),
    Heading("Label12", "R :", {720, 3000, 375, 255}, kRed),
    Heading("Label10", "Color :", {120, 3000, 855, 255}),
    {.kind = Kind::Label,
     .name = "GY",
     .caption = "0",
     .rect = {2205, 120, 1020, 375},
     .font = kPointerFont,
     .align = Align::Centre,
     .framed = true},
    {.kind = Kind::Label,
     .name = "GX",
     .caption = "0",
     .rect = {720, 120, 1020, 375},
     .font = kPointerFont,
     .align = Align::Centre,
     .framed = true},
    Value("SH", {3120, 2400, 675, 255}),
    Heading("Label11", "H", {2880, 2400, 855, 255}, kOlive),
    Value("SW", {3120, 2040, 675, 255}),
    Heading("Label9", "W", {2880, 2040, 855, 255}, kOlive),
    Value("Y2", {1860, 2400, 675, 255}),
    Heading("Label7", "Y 2", {1500, 2400, 855, 255}, 0x008000),
    Value("X2", {1860, 2040, 675, 255}),
    Heading("Label3", "X 2", {1500, 2040, 855, 255}, 0x008000),
    Value("Y1", {600, 2400, 675, 255}),
    Heading("Label5", "Y 1", {240, 2400, 855, 255}, kBlue),
    Value("X1", {600, 2040, 675, 255}),
    Heading("Label4", "X 1", {240, 2040, 855, 255}, kBlue),
    Value("DispY", {600, 1680, 735, 255}),
    Heading("Label2", "画面に対するY", {120, 1440, 1455, 255}, kRed),
    Value("DispX", {600, 1080, 735, 255}),
    Heading("Label1", "画面に対するX", {120, 840, 1335, 255}, kRed),
    Heading("Label16", "Y", {1965, 240, 855, 255}),
    Heading("Label15", "X", {480, 240, 855, 255}),
};

inline constexpr FormDef kForm = {
    .name = "Form2",
    .caption = "Vardek - 座標ビュー",
    .frame = FrameKind::FixedToolWindow,
    .client = {0, 0, 3915, 4005},
    .hasIcon = false,
    .keyPreview = false,
    // Hidden before every screen copy: it must be gone from the screen at once, not fading out.
    .animated = false,
    .scale = Scale::Twips,
    .font = {.face = "MS UI Gothic", .points = 9.0},
    .controls = kControls,
};

}  // namespace vardek::form2_rows
