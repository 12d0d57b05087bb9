// The desktop itself: monitors and their DPI, stacking, activation and focus, and the pixels on the
// screen as the windows (and a lagging compositor) compose them.
#include <algorithm>

#include "platform/headless/toolkit.h"

namespace vardek::platform::headless {

const Monitor& World::MonitorOf(const PixelRect& window, bool& overlaps) const
{
    const Monitor* best = &config_.monitors.front();
    long long bestOverlap = 0;
    long long bestGap = -1;
    for (const Monitor& monitor : config_.monitors) {
        const PixelRect& m = monitor.rect;
        const long long width = std::min(window.right, m.right) - std::max(window.left, m.left);
        const long long height = std::min(window.bottom, m.bottom) - std::max(window.top, m.top);
        if (width > 0 && height > 0 && width * height > bestOverlap) {
            bestOverlap = width * height;
            best = &monitor;
        }
        const long long gapX = std::max({0, m.left - window.right, window.left - m.right});
        const long long gapY = std::max({0, m.top - window.bottom, window.top - m.bottom});
        if (bestOverlap == 0 && (bestGap < 0 || gapX + gapY < bestGap)) {
            bestGap = gapX + gapY;
            best = &monitor;
        }
    }
    overlaps = bestOverlap > 0;
    return *best;
}

MonitorFit World::MonitorFor(const PixelRect& window) const
{
    bool overlaps = false;
    const Monitor& monitor = MonitorOf(window, overlaps);
    return {.workArea = monitor.rect, .onMonitor = overlaps};
}

std::vector<MonitorPart> World::MonitorParts(const PixelRect& area) const
{
    std::vector<MonitorPart> parts;
    for (const Monitor& monitor : config_.monitors) {
        const PixelRect part = monitor.rect.Intersection(area);
        if (!part.Empty()) {
            parts.push_back({.area = part, .dpi = MonitorDpi(monitor)});
        }
    }
    return parts;
}

int World::DpiFor(const PixelRect& window) const
{
    bool overlaps = false;
    return MonitorDpi(MonitorOf(window, overlaps));
}

void World::Activate(HeadlessForm& form)
{
    const FormId id = form.Id();
    if (active_ == id && !otherProgramActive_) {
        return;
    }
    const std::optional<FormId> previous = otherProgramActive_ ? std::nullopt : active_;
    active_ = id;
    otherProgramActive_ = false;
    if (focus_ && focus_->form != id) {
        focus_.reset();
    }
    const bool fromOtherForm = previous && *previous != id;
    const bool firstOfInstance = !activatedSerials_.contains(form.Serial());
    activatedSerials_.insert(form.Serial());
    if (fromOtherForm || firstOfInstance) {
        Post([this, id, serial = form.Serial()] {
            if (HeadlessForm* target = Instance(id, serial)) {
                runSlot_(target->onActivate);
            }
        });
    }
}

void World::Deactivate(HeadlessForm& form)
{
    if (focus_ && focus_->form == form.Id()) {
        focus_.reset();
    }
    if (active_ != form.Id() || otherProgramActive_) {
        return;
    }
    active_.reset();
    // The window system hands the activation to the next window down, if it is ours.
    for (FormId id : zOrder_) {
        HeadlessForm* next = Loaded(id);
        if (id != form.Id() && next && next->Visible() && !next->IsMinimized()) {
            active_ = form.Id();  // so that the next form sees the activation come from this one
            Activate(*next);
            return;
        }
    }
}

void World::FocusControl(HeadlessControl& control)
{
    HeadlessForm& form = control.Owner();
    Activate(form);
    focus_ = FocusRef{form.Id(), form.Serial(), std::string(control.Name())};
}

bool World::HasFocus(const HeadlessControl& control) const
{
    return Resolve(focus_) == &control;
}

void World::BringToTop(HeadlessForm& form)
{
    std::erase(zOrder_, form.Id());
    auto position = zOrder_.begin();
    if (form.GetBand() == Band::Normal) {
        position = std::find_if(zOrder_.begin(), zOrder_.end(),
                                [this](FormId id) { return Window(id).GetBand() == Band::Normal; });
    }
    zOrder_.insert(position, form.Id());
}

std::optional<FormId> World::ActiveForm() const
{
    return otherProgramActive_ ? std::nullopt : active_;
}

std::string World::FocusName() const
{
    HeadlessControl* control = Resolve(focus_);
    if (control == nullptr) {
        return {};
    }
    return std::string(control->Owner().Definition().name) + "." + std::string(control->Name());
}

std::vector<FormId> World::ZOrder() const
{
    std::vector<FormId> visible;
    for (FormId id : zOrder_) {
        const HeadlessForm& form = Window(id);
        if (form.Visible() && !form.IsMinimized()) {
            visible.push_back(id);
        }
    }
    return visible;
}

std::int32_t World::ScreenPixel(PixelPoint screen) const
{
    return compositor_.Pixel(screen, [this](PixelPoint p) { return ComposedPixel(p); });
}

void World::BeforeWindowChange()
{
    PixelRect screen = config_.monitors.front().rect;
    for (const Monitor& monitor : config_.monitors) {
        screen = {std::min(screen.left, monitor.rect.left), std::min(screen.top, monitor.rect.top),
                  std::max(screen.right, monitor.rect.right), std::max(screen.bottom, monitor.rect.bottom)};
    }
    compositor_.BeforeChange(screen, [this](PixelPoint p) { return ComposedPixel(p); });
}

void World::LeaveTrace(const PixelRect& area)
{
    traces_.push_back(ScreenPatch::Take(area, [this](PixelPoint p) { return ComposedPixel(p); }));
}

void World::AfterWindowChange() const
{
    if (config_.onWindowChange) {
        config_.onWindowChange(*this);
    }
}

WindowChange::WindowChange(World& world) : world_(world)
{
    world_.BeforeWindowChange();
}

WindowChange::~WindowChange()
{
    world_.AfterWindowChange();
}

std::int32_t World::ComposedPixel(PixelPoint screen) const
{
    // The loupe is raised above every window each time it shows.
    if (loupe_.Visible() && loupe_.WindowRect().Contains(screen)) {
        return loupe_.PixelAt(screen, config_.chrome);
    }
    for (FormId id : zOrder_) {
        const HeadlessForm& form = Window(id);
        if (!form.Covers(screen)) {
            continue;
        }
        // The newest trace lies over the older ones.
        const auto trace = std::find_if(traces_.rbegin(), traces_.rend(),
                                        [screen](const ScreenPatch& t) { return t.area.Contains(screen); });
        if (trace != traces_.rend()) {
            return trace->At(screen);
        }
        for (const auto& control : form.Controls()) {
            const auto* picture = dynamic_cast<const HeadlessPictureBox*>(control.get());
            if (picture == nullptr || !picture->Visible() || !control->Definition().parent.empty()) {
                continue;
            }
            const PixelRect area = picture->DrawingAreaOnScreen();
            if (area.Contains(screen)) {
                return picture->Point(screen.x - area.left, screen.y - area.top);
            }
        }
        return config_.chrome;
    }
    // Where no monitor shows, the screen keeps whatever was drawn there, as an X server does.
    return config_.desktop(screen);
}

}  // namespace vardek::platform::headless
