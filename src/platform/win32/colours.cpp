#include "platform/win32/colours.h"

namespace vardek::platform::win32 {

COLORREF ToColorRef(Colour colour)
{
    if (IsSystemColour(colour)) {
        return ::GetSysColor(static_cast<int>(colour & 0xFFu));
    }
    return static_cast<COLORREF>(colour & 0x00FFFFFFu);
}

HBRUSH ColourBrush::Get(Colour colour)
{
    if (IsSystemColour(colour)) {
        owned_.reset();
        return ::GetSysColorBrush(static_cast<int>(colour & 0xFFu));
    }
    if (!owned_ || colour_ != colour) {
        owned_ = Brush(::CreateSolidBrush(ToColorRef(colour)));
        colour_ = colour;
    }
    return owned_.get();
}

}  // namespace vardek::platform::win32
