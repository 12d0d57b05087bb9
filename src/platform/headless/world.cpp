#include "platform/headless/world.h"

#include <algorithm>
#include <stdexcept>

namespace vardek::platform::headless {

namespace {

constexpr int kKeyTab = 9;
constexpr int kKeySpace = 32;

const FormDef& DefinitionOf(FormId id)
{
    return id == FormId::Form1 ? Form1Definition() : Form2Definition();
}

// Calls a copy of the slot: the form that owns it may be destroyed while it runs.
template <typename Slot, typename... Args>
void Raise(const Slot& slot, const Args&... args)
{
    if (slot) {
        auto copy = slot;
        copy(args...);
    }
}

class DepthGuard {
public:
    explicit DepthGuard(int& depth) : depth_(depth) { ++depth_; }
    ~DepthGuard() { --depth_; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;

private:
    int& depth_;
};

}  // namespace

World::World(WorldConfig config) : config_(std::move(config)), compositor_(config_.compositor) {}

World::~World() = default;

void World::SetBinder(FormId id, std::function<void(Form&)> binder)
{
    binders_[id] = std::move(binder);
}

Form& World::GetForm(FormId id)
{
    if (ended_) {
        throw ProgramEnded{};
    }
    if (auto found = forms_.find(id); found != forms_.end()) {
        return *found->second;
    }
    auto created = std::make_unique<HeadlessForm>(*this, id, DefinitionOf(id), ++serials_);
    HeadlessForm& form = *created;
    forms_[id] = std::move(created);
    ++creations_[id];
    zOrder_.push_back(id);
    BringToTop(form);
    if (auto binder = binders_.find(id); binder != binders_.end()) {
        binder->second(form);
    }
    Raise(form.onLoad);
    return form;
}

bool World::IsLoaded(FormId id) const
{
    return forms_.contains(id);
}

void World::Unload(FormId id)
{
    auto found = forms_.find(id);
    if (found == forms_.end()) {
        return;
    }
    const int serial = found->second->Serial();
    Raise(found->second->onUnload);
    // The unload handler may itself have unloaded or recreated the form.
    HeadlessForm* form = Instance(id, serial);
    if (form == nullptr) {
        return;
    }
    form->Hide();
    if (focus_ && focus_->form == id) {
        focus_.reset();
    }
    if (capture_ && capture_->form == id) {
        capture_.reset();
    }
    std::erase(zOrder_, id);
    forms_.erase(id);
}

void World::Yield()
{
    DepthGuard guard(yieldDepth_);
    std::vector<std::function<void()>> due;
    for (auto it = duringYield_.begin(); it != duringYield_.end();) {
        if (it->first-- == 0) {
            due.push_back(std::move(it->second));
            it = duringYield_.erase(it);
        } else {
            ++it;
        }
    }
    for (auto& action : due) {
        action();
    }
    Drain();
}

void World::Drain()
{
    while (!queue_.empty()) {
        auto event = std::move(queue_.front());
        queue_.pop_front();
        event();
    }
}

void World::EndProgram()
{
    ended_ = true;
    throw ProgramEnded{};
}

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

int World::DpiFor(const PixelRect& window) const
{
    bool overlaps = false;
    return MonitorDpi(MonitorOf(window, overlaps));
}

void World::SetCursorPos(PixelPoint screen)
{
    // The window system keeps the pointer on a monitor.
    bool overlaps = false;
    const PixelRect& m = MonitorOf(PixelRect::FromSize(screen, {1, 1}), overlaps).rect;
    if (!overlaps) {
        screen = {std::clamp(screen.x, m.left, m.right - 1), std::clamp(screen.y, m.top, m.bottom - 1)};
    }
    cursor_ = screen;
    PostMouse(screen, false, 0);
}

bool World::SetClipboardText(std::string_view text)
{
    if (clipboardHeld_) {
        return false;
    }
    clipboard_ = text;
    return true;
}

void World::Post(std::function<void()> event)
{
    queue_.push_back(std::move(event));
}

HeadlessForm* World::Instance(FormId id, int serial) const
{
    auto found = forms_.find(id);
    return found != forms_.end() && found->second->Serial() == serial ? found->second.get() : nullptr;
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
                Raise(target->onActivate);
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

HeadlessControl* World::Resolve(const std::optional<FocusRef>& ref) const
{
    if (!ref) {
        return nullptr;
    }
    HeadlessForm* form = Instance(ref->form, ref->serial);
    return form ? form->Find(ref->control) : nullptr;
}

HeadlessForm* World::Loaded(FormId id) const
{
    auto found = forms_.find(id);
    return found == forms_.end() ? nullptr : found->second.get();
}

HeadlessForm& World::Window(FormId id) const
{
    if (HeadlessForm* form = Loaded(id)) {
        return *form;
    }
    throw std::logic_error("form is not loaded");
}

HeadlessControl& World::ControlOf(FormId id, std::string_view name) const
{
    if (HeadlessControl* control = Window(id).Find(name)) {
        return *control;
    }
    throw std::out_of_range("no such control");
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

int World::Creations(FormId id) const
{
    auto found = creations_.find(id);
    return found == creations_.end() ? 0 : found->second;
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
    for (FormId id : zOrder_) {
        const HeadlessForm& form = Window(id);
        if (!form.Covers(screen)) {
            continue;
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
    const bool onMonitor = std::any_of(config_.monitors.begin(), config_.monitors.end(),
                                       [&](const Monitor& m) { return m.rect.Contains(screen); });
    return onMonitor ? config_.desktop(screen) : 0;
}

HeadlessPictureBox* World::PictureUnder(PixelPoint screen, PixelPoint& image) const
{
    for (FormId id : zOrder_) {
        const HeadlessForm& form = Window(id);
        if (!form.Covers(screen)) {
            continue;
        }
        const PixelPoint origin = form.ClientOrigin();
        const PixelPoint client = {screen.x - origin.x, screen.y - origin.y};
        for (const auto& control : form.Controls()) {
            if (!control->Visible() || !control->Definition().parent.empty() || !control->Bounds().Contains(client)) {
                continue;
            }
            auto* picture = dynamic_cast<HeadlessPictureBox*>(control.get());
            if (picture != nullptr) {
                const PixelRect area = picture->DrawingAreaOnScreen();
                image = {screen.x - area.left, screen.y - area.top};
            }
            return picture;
        }
        return nullptr;
    }
    return nullptr;
}

void World::PostMouse(PixelPoint screen, bool down, int button)
{
    PixelPoint image;
    HeadlessPictureBox* target = nullptr;
    if (capture_) {
        target = dynamic_cast<HeadlessPictureBox*>(Resolve(capture_));
        if (target != nullptr) {
            const PixelRect area = target->DrawingAreaOnScreen();
            image = {screen.x - area.left, screen.y - area.top};
        }
    } else {
        target = PictureUnder(screen, image);
    }
    if (target == nullptr) {
        return;
    }
    const FocusRef ref{target->Owner().Id(), target->Owner().Serial(), std::string(target->Name())};
    if (down) {
        capture_ = ref;
        captureButton_ = button;
    }
    const MouseEvent event{static_cast<float>(image.x), static_cast<float>(image.y), down ? button : captureButton_, 0};
    Post([this, ref, event, down] {
        auto* picture = dynamic_cast<HeadlessPictureBox*>(Resolve(ref));
        if (picture == nullptr) {
            return;
        }
        if (down) {
            Raise(picture->onMouseDown, event);
        } else {
            Raise(picture->onMouseMove, event);
        }
    });
}

void World::Pump()
{
    if (ended_) {
        return;
    }
    {
        DepthGuard guard(pumpDepth_);
        try {
            Drain();
        } catch (const ProgramEnded&) {
            queue_.clear();
            focus_.reset();
            capture_.reset();
            active_.reset();
            zOrder_.clear();
            forms_.clear();
        }
    }
    // Time passes between two user inputs: a compositor presents its frame.
    if (pumpDepth_ == 0) {
        compositor_.Present();
    }
}

void World::Run(const std::function<void()>& entry)
{
    if (ended_) {
        return;
    }
    Post(entry);
    Pump();
}

void World::PressKey(int keyCode, int shift)
{
    Post([this, keyCode, shift] {
        if (otherProgramActive_ || !active_) {
            return;
        }
        HeadlessForm* form = Loaded(*active_);
        if (form == nullptr) {
            return;
        }
        const FormId formId = form->Id();
        const int serial = form->Serial();
        const std::optional<FocusRef> target = focus_;
        const KeyEvent key{keyCode, shift};
        if (form->Definition().keyPreview) {
            Raise(form->onKeyDown, key);
        }
        HeadlessControl* control = Resolve(target);
        if (keyCode == kKeyTab && Instance(formId, serial) != nullptr) {
            // Tab moves the focus along the tab order, as the real pump does.
            HeadlessForm& owner = *Instance(formId, serial);
            std::vector<HeadlessControl*> stops;
            for (const auto& candidate : owner.Controls()) {
                if (candidate->Definition().tabIndex >= 0 && candidate->Reachable()) {
                    stops.push_back(candidate.get());
                }
            }
            std::sort(stops.begin(), stops.end(),
                      [](auto* a, auto* b) { return a->Definition().tabIndex < b->Definition().tabIndex; });
            if (!stops.empty()) {
                auto at = std::find(stops.begin(), stops.end(), control);
                const auto count = static_cast<std::ptrdiff_t>(stops.size());
                std::ptrdiff_t index = at == stops.end() ? 0 : (at - stops.begin());
                index = (shift & kShiftMask) != 0 ? (index + count - 1) % count : (index + 1) % count;
                stops[static_cast<std::size_t>(index)]->SetFocus();
            }
            return;
        }
        if (control == nullptr) {
            return;
        }
        Raise(control->onKeyDown, key);
        // A push button clicks on the space bar.
        control = Resolve(target);
        if (control != nullptr && keyCode == kKeySpace && control->GetKind() == Kind::Button && control->Reachable()) {
            Raise(control->onClick);
        }
    });
    Pump();
}

void World::Click(FormId id, std::string_view name)
{
    HeadlessForm* form = Loaded(id);
    HeadlessControl* control = form ? form->Find(name) : nullptr;
    if (control == nullptr || !control->Reachable()) {
        return;
    }
    Activate(*form);
    if (control->GetKind() == Kind::Button) {
        control->SetFocus();
    }
    const FocusRef ref{id, form->Serial(), std::string(name)};
    Post([this, ref] {
        HeadlessControl* target = Resolve(ref);
        if (target != nullptr && target->Reachable()) {
            Raise(target->onClick);
        }
    });
    Pump();
}

void World::MovePointer(PixelPoint screen)
{
    SetCursorPos(screen);
    Pump();
}

void World::PressButton(PixelPoint screen, int button)
{
    cursor_ = screen;
    PixelPoint image;
    if (HeadlessPictureBox* picture = PictureUnder(screen, image)) {
        Activate(picture->Owner());
        picture->SetFocus();
    }
    PostMouse(screen, true, button);
    Pump();
}

void World::ReleaseButton()
{
    capture_.reset();
    captureButton_ = 0;
}

void World::ResizeClient(FormId id, PixelSize client)
{
    HeadlessForm& form = Window(id);
    form.ResizeClient(client);
    Post([this, id, serial = form.Serial()] {
        if (HeadlessForm* target = Instance(id, serial)) {
            Raise(target->onResize);
        }
    });
    Pump();
}

void World::MoveWindow(FormId id, PixelPoint outerTopLeft)
{
    HeadlessForm& form = Window(id);
    form.MoveTo(outerTopLeft);
    const PixelRect outer = form.WindowRect();
    const int dpi = DpiFor(outer);
    if (dpi != form.Dpi()) {
        // Windows suggests the same corner with the size scaled to the new DPI.
        ChangeDpi(
            id, dpi,
            PixelRect::FromSize(outerTopLeft, {outer.Width() * dpi / form.Dpi(), outer.Height() * dpi / form.Dpi()}));
        return;
    }
    Pump();
}

void World::ChangeDpi(FormId id, int dpi, const PixelRect& suggested)
{
    HeadlessForm& form = Window(id);
    form.ApplyDpi(dpi, suggested);
    Post([this, id, serial = form.Serial()] {
        if (HeadlessForm* target = Instance(id, serial)) {
            Raise(target->onResize);
        }
    });
    Pump();
}

void World::Minimize(FormId id)
{
    HeadlessForm& form = Window(id);
    form.SetMinimized(true);
    Deactivate(form);
    ResizeClient(id, form.ClientSizeWhenRestored());
}

void World::Restore(FormId id)
{
    HeadlessForm& form = Window(id);
    form.SetMinimized(false);
    Activate(form);
    ResizeClient(id, form.ClientSizeWhenRestored());
}

void World::CloseBox(FormId id)
{
    Post([this, id] { Unload(id); });
    Pump();
}

void World::ActivateByUser(FormId id)
{
    Activate(Window(id));
    Pump();
}

void World::ActivateOtherProgram()
{
    otherProgramActive_ = true;
    Pump();
}

void World::DuringYield(int skip, std::function<void()> action)
{
    duringYield_.emplace_back(skip, std::move(action));
}

}  // namespace vardek::platform::headless
