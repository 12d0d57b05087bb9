#include "platform/headless/form.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "platform/headless/toolkit.h"

namespace vardek::platform::headless {

namespace {

PixelRect ToPixels(const TwipRect& rect, int dpi)
{
    const int left = TwipsToPixels(rect.left, dpi);
    const int top = TwipsToPixels(rect.top, dpi);
    return {left, top, left + TwipsToPixels(rect.width, dpi), top + TwipsToPixels(rect.height, dpi)};
}

}  // namespace

HeadlessForm::HeadlessForm(World& world, FormId id, const FormDef& def, int serial)
    : world_(world), id_(id), def_(def), serial_(serial)
{
    // The window is made at the DPI of the monitor that its definition places it on.
    dpi_ = world.DpiFor(ToPixels(def.client, world.Config().dpi));
    const FrameMetrics metrics = Metrics();
    const PixelRect client = ToPixels(def.client, dpi_);
    client_ = {client.Width(), client.Height()};
    outerOrigin_ = {client.left - metrics.frame, client.top - metrics.frame - metrics.caption};
    for (const ControlDef& control : def.controls) {
        const PixelRect bounds = ToPixels(control.rect, dpi_);
        if (control.kind == Kind::PictureBox) {
            controls_.push_back(std::make_unique<HeadlessPictureBox>(*this, control, bounds));
        } else {
            controls_.push_back(std::make_unique<HeadlessControl>(*this, control, bounds));
        }
    }
}

FrameMetrics HeadlessForm::Metrics() const
{
    const FrameMetrics& base = def_.frame == FrameKind::Sizable ? world_.Config().sizable : world_.Config().toolWindow;
    return {.frame = ScaleForDpi(base.frame, dpi_), .caption = ScaleForDpi(base.caption, dpi_)};
}

void HeadlessForm::ApplyDpi(int dpi, const PixelRect& outer)
{
    dpi_ = dpi;
    const FrameMetrics metrics = Metrics();
    outerOrigin_ = outer.TopLeft();
    client_ = {std::max(0, outer.Width() - 2 * metrics.frame),
               std::max(0, outer.Height() - 2 * metrics.frame - metrics.caption)};
    // Every control back to its definition at the new DPI; the layout that follows moves the rest.
    for (const auto& control : controls_) {
        control->SetBounds(ToPixels(control->Definition().rect, dpi_));
    }
}

HeadlessControl* HeadlessForm::Find(std::string_view name) const
{
    for (const auto& control : controls_) {
        if (control->Name() == name) {
            return control.get();
        }
    }
    return nullptr;
}

Control& HeadlessForm::Get(ControlName name)
{
    if (HeadlessControl* control = Find(name)) {
        return *control;
    }
    throw std::out_of_range("no control " + std::string(name.View()) + " on " + std::string(def_.name));
}

PictureBox& HeadlessForm::Picture(ControlName name)
{
    if (auto* picture = dynamic_cast<HeadlessPictureBox*>(Find(name))) {
        return *picture;
    }
    throw std::out_of_range("no picture box " + std::string(name.View()) + " on " + std::string(def_.name));
}

void HeadlessForm::Show()
{
    const WindowChange change(world_);
    const bool firstShow = !everShown_;
    visible_ = true;
    everShown_ = true;
    world_.BringToTop(*this);
    world_.Activate(*this);
    if (firstShow) {
        world_.Post([&world = world_, id = id_, serial = serial_] {
            if (HeadlessForm* form = world.Instance(id, serial)) {
                world.RunSlot()(form->onResize);
            }
        });
    }
}

void HeadlessForm::Hide()
{
    const WindowChange change(world_);
    if (visible_ && !minimized_) {
        world_.LeaveTrace(WindowRect());
    }
    visible_ = false;
    world_.Deactivate(*this);
}

void HeadlessForm::SetBand(Band band)
{
    const WindowChange change(world_);
    band_ = band;
    Show();
}

void HeadlessForm::Raise()
{
    if (!visible_) {
        return;
    }
    const WindowChange change(world_);
    world_.BringToTop(*this);
}

PixelRect HeadlessForm::WindowRect() const
{
    const FrameMetrics& metrics =
        def_.frame == FrameKind::Sizable ? world_.Config().sizable : world_.Config().toolWindow;
    if (minimized_) {
        // Where Windows parks a minimised window.
        return {-32000, -32000, -32000 + 160, -32000 + 28};
    }
    return PixelRect::FromSize(
        outerOrigin_, {client_.width + 2 * metrics.frame, client_.height + 2 * metrics.frame + metrics.caption});
}

PixelPoint HeadlessForm::ClientOrigin() const
{
    const FrameMetrics& metrics =
        def_.frame == FrameKind::Sizable ? world_.Config().sizable : world_.Config().toolWindow;
    return {outerOrigin_.x + metrics.frame, outerOrigin_.y + metrics.frame + metrics.caption};
}

void HeadlessForm::MoveTo(PixelPoint outerTopLeft)
{
    const WindowChange change(world_);
    outerOrigin_ = outerTopLeft;
}

void HeadlessForm::SetShape(const WindowShape& shape, bool redraw)
{
    const WindowChange change(world_);
    shape_ = shape;
    if (redraw) {
        ++repaintsOnShape_;
    }
}

bool HeadlessForm::Covers(PixelPoint screen) const
{
    if (!visible_ || minimized_) {
        return false;
    }
    const PixelRect outer = WindowRect();
    if (!outer.Contains(screen)) {
        return false;
    }
    if (!shape_) {
        return true;
    }
    const PixelPoint local = {screen.x - outer.left, screen.y - outer.top};
    return shape_->outer.Contains(local) && !(shape_->hole && shape_->hole->Contains(local));
}

void HeadlessForm::ResizeClient(PixelSize client)
{
    client_ = client;
}

}  // namespace vardek::platform::headless
