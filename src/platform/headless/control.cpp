#include "platform/headless/control.h"

#include <stdexcept>

#include "platform/headless/form.h"
#include "platform/headless/text_metrics.h"
#include "platform/headless/toolkit.h"

namespace vardek::platform::headless {

HeadlessControl::HeadlessControl(HeadlessForm& form, const ControlDef& def, PixelRect bounds)
    : form_(form),
      def_(def),
      caption_(def.caption),
      bounds_(bounds),
      visible_(def.visible),
      enabled_(def.enabled),
      backColour_(def.backColour)
{
}

void HeadlessControl::SetCaption(std::string_view text)
{
    if (caption_ == text) {
        return;
    }
    caption_ = text;
    ++captionRepaints_;
}

void HeadlessControl::SetBounds(const PixelRect& bounds)
{
    if (bounds.Width() < 0 || bounds.Height() < 0) {
        throw std::invalid_argument("negative control size");
    }
    bounds_ = bounds;
    OnResized();
}

void HeadlessControl::SetFocus()
{
    if (Reachable()) {
        form_.Owner().FocusControl(*this);
    }
}

bool HeadlessControl::HasFocus() const
{
    return form_.Owner().HasFocus(*this);
}

int HeadlessControl::CaptionRoom() const
{
    constexpr int kBorder = 1;  // a single-line border is one pixel at any DPI
    const int dpi = form_.Dpi();
    const FontDef& font = def_.font ? *def_.font : form_.Definition().font;
    int room = bounds_.Width() - TextWidth(caption_, font, dpi);
    if (def_.framed) {
        room -= 2 * (kBorder + ScaleForDpi(kFramedTextInset, dpi));
    }
    return room;
}

bool HeadlessControl::Reachable() const
{
    return visible_ && enabled_ && form_.Visible() && !form_.IsMinimized();
}

}  // namespace vardek::platform::headless
