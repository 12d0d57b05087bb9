// The static shape of a window: every control as one row of data. Both toolkit twins build
// their windows from these rows; behaviour code finds controls by name. No behaviour lives here.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace vardek {

// 0x00BBGGRR; with the top bit set, the low byte is a system colour number.
using Colour = std::uint32_t;

inline constexpr Colour kSystemColourFlag = 0x80000000u;
constexpr Colour SystemColour(int index)
{
    return kSystemColourFlag | static_cast<Colour>(index);
}
constexpr bool IsSystemColour(Colour c)
{
    return (c & kSystemColourFlag) != 0;
}

inline constexpr Colour kWindowText = SystemColour(8);
inline constexpr Colour kButtonFace = SystemColour(15);
inline constexpr Colour kButtonShadow = SystemColour(16);
inline constexpr Colour kButtonText = SystemColour(18);
inline constexpr Colour kButtonHighlight = SystemColour(20);
inline constexpr Colour kTooltipBack = SystemColour(24);

enum class Kind { Button, Label, TextBox, PictureBox, ComboBox, Line, Shape };
enum class Align { Left, Centre, Right };
enum class Pointer { Default, Crosshair, Hand };
enum class Scale { Pixels, Twips };

struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct TwipLine {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
};

struct FontDef {
    std::string_view face;  // UTF-8
    double points = 9.0;
    int weight = 400;
    bool shiftJisCharset = false;
};

// A framed label keeps this much blank, in pixels at 96 DPI, between its text and its frame on the
// left and the right, whatever its alignment.
inline constexpr int kFramedTextInset = 2;

struct ControlDef {
    Kind kind = Kind::Label;
    std::string_view name;
    std::string_view parent = {};   // a picture box that contains it; empty: the form
    std::string_view caption = {};  // UTF-8
    TwipRect rect = {};             // not used by lines
    TwipLine line = {};             // lines only
    Colour foreColour = kButtonText;
    Colour backColour = kButtonFace;
    std::optional<FontDef> font = {};  // empty: the form's font
    Align align = Align::Left;
    Pointer pointer = Pointer::Default;
    Scale scale = Scale::Pixels;  // picture boxes only
    bool framed = false;          // labels: a single-line border, text kept kFramedTextInset inside it
    bool enabled = true;
    bool visible = true;
    int tabIndex = -1;  // -1: no tab stop
    int styleCode = 0;  // shapes only
};

enum class FrameKind { Sizable, FixedToolWindow };

struct FormDef {
    std::string_view name;
    std::string_view caption;  // UTF-8
    FrameKind frame = FrameKind::Sizable;
    TwipRect client;  // screen position of the client area, and its size
    bool hasIcon = false;
    bool keyPreview = false;
    // Whether the form and its controls take text through an input method. Without one, every key
    // arrives as the key it is, whatever state a Japanese IME is in.
    bool inputMethod = true;
    // Shown and hidden with the desktop's transitions.
    bool animated = true;
    Scale scale = Scale::Pixels;
    FontDef font;
    std::span<const ControlDef> controls;  // stacking order, topmost first
};

const FormDef& Form1Definition();
const FormDef& Form2Definition();

// Finds a control row by name; nullptr when the form defines none of that name.
const ControlDef* FindControl(const FormDef& form, std::string_view name);

// The child-window id of a control that has a window: its row's place in the table, counted from
// kFirstControlId. A test driver finds the real program's controls by these ids. -1 for an unknown name.
inline constexpr int kFirstControlId = 100;
int ControlId(const FormDef& form, std::string_view name);

}  // namespace vardek
