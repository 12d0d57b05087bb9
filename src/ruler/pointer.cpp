// Pointer readouts over the picture: the coordinate line, the readouts of the position, the points and
// the span, and the colour sampled.
#include <string>

#include "coordview/readouts.h"
#include "ruler/form1.h"
#include "ruler/position_text.h"

namespace vardek {

namespace {

// "(x,y)", and with relative values "(x,y) <rx,ry>". Appended piece by piece: GCC 12 warns
// falsely (-Wrestrict) on a chain of string additions that starts with a literal.
std::string CoordinateLine(std::int32_t x, std::int32_t y)
{
    std::string line(1, '(');
    line.append(std::to_string(x)).append(1, ',').append(std::to_string(y)).append(1, ')');
    return line;
}

std::string CoordinateLine(std::int32_t x, std::int32_t y, std::int16_t relX, std::int16_t relY)
{
    std::string line = CoordinateLine(x, y);
    line.append(" <").append(std::to_string(relX)).append(1, ',').append(std::to_string(relY)).append(1, '>');
    return line;
}

}  // namespace

void Form1::SplitColor(std::int32_t colour)
{
    // Truncating division, so that -1 (outside the picture) splits into -1, 0, 0.
    state_.Blue = colour / 65536;
    const std::int32_t rest = colour % 65536;
    state_.Green = rest / 256;
    state_.Red = rest % 256;
}

void Form1::ShowColour(std::int32_t colour)
{
    SplitColor(colour);
    SetReadout(toolkit_, module1_, "CR", state_.Red);
    SetReadout(toolkit_, module1_, "CG", state_.Green);
    SetReadout(toolkit_, module1_, "CB", state_.Blue);
}

void Form1::ShowCoordinateLine(const std::string& line)
{
    // Once the pointer has written it, a measurement is in progress until a cancel or a layout.
    state_.MeasurementInProgress = !line.empty();
    Self().Get("Label1").SetCaption(line);
}

void Form1::Picture1_MouseMove(const platform::MouseEvent& event)
{
    if (state_.TrackingOff == kTrue) {
        return;
    }
    const PixelPoint screen = state_.Place.ToScreen(event.x, event.y);
    state_.PointerX = screen.x;
    state_.PointerY = screen.y;
    if (state_.ColorPick == kTrue) {
        ShowColour(Picture1().Point(Saturate32(event.x), Saturate32(event.y)));
    }
    if (state_.OriginMode != 1) {
        SetReadout(toolkit_, module1_, "GX", state_.PointerX);
        SetReadout(toolkit_, module1_, "GY", state_.PointerY);
        ShowCoordinateLine(CoordinateLine(state_.PointerX, state_.PointerY));
        UpdateLoupe();
        return;
    }
    state_.RelX = Saturate16(std::int64_t{state_.PointerX} - state_.OriginX);
    state_.RelY = Saturate16(std::int64_t{state_.PointerY} - state_.OriginY);
    ShowCoordinateLine(CoordinateLine(state_.PointerX, state_.PointerY, state_.RelX, state_.RelY));
    SetReadout(toolkit_, module1_, "GX", state_.PointerX);
    SetReadout(toolkit_, module1_, "GY", state_.PointerY);
    if (!state_.FirstFixed) {
        SetReadout(toolkit_, module1_, "X1", state_.RelX);
        SetReadout(toolkit_, module1_, "Y1", state_.RelY);
    } else if (!state_.SecondFixed) {
        SetReadout(toolkit_, module1_, "X2", state_.RelX);
        SetReadout(toolkit_, module1_, "Y2", state_.RelY);
        SetReadout(toolkit_, module1_, "SW", Saturate16(std::int64_t{state_.RelX} - state_.StartX));
        SetReadout(toolkit_, module1_, "SH", Saturate16(std::int64_t{state_.RelY} - state_.StartY));
    }
    UpdateLoupe();
}

void Form1::Picture1_MouseDown(const platform::MouseEvent& event)
{
    ShowColour(Picture1().Point(Saturate32(event.x), Saturate32(event.y)));
}

}  // namespace vardek
