// Input as a real desktop delivers it: keys to the active form's focused control after the form's
// preview, pointer moves and clicks to the picture under the pointer, and the user's own doings to
// the windows (resize, move, minimise, restore, close, activation).
#include <algorithm>

#include "platform/headless/toolkit.h"

namespace vardek::platform::headless {

namespace {

constexpr int kKeySpace = 32;

}  // namespace

PixelPoint World::KeptOnMonitor(PixelPoint screen) const
{
    // The window system keeps the pointer on a monitor: sent where none shows, it stays at the edge
    // of the one it is on (the nearest one only if it is on none), as the X server of a real desk does.
    bool overlaps = false;
    const PixelRect& nearest = MonitorOf(PixelRect::FromSize(screen, {1, 1}), overlaps).rect;
    if (overlaps) {
        return screen;
    }
    bool onOne = false;
    const PixelRect& now = MonitorOf(PixelRect::FromSize(cursor_, {1, 1}), onOne).rect;
    const PixelRect& m = onOne ? now : nearest;
    return {std::clamp(screen.x, m.left, m.right - 1), std::clamp(screen.y, m.top, m.bottom - 1)};
}

void World::SetCursorPos(PixelPoint screen)
{
    cursor_ = KeptOnMonitor(screen);
    PostMouse(cursor_, false, 0);
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
    Post(
        [this, ref, event, down] {
            auto* picture = dynamic_cast<HeadlessPictureBox*>(Resolve(ref));
            if (picture == nullptr) {
                return;
            }
            if (down) {
                runSlot_(picture->onMouseDown, event);
            } else {
                runSlot_(picture->onMouseMove, event);
            }
        },
        EventKind::Input);
}

void World::PressKey(int keyCode, int shift)
{
    Post(
        [this, keyCode, shift] {
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
            const KeyRoute route{
                .form = [this, formId, serial]() -> Form* { return Instance(formId, serial); },
                .target = [this, target]() -> Control* { return Resolve(target); },
                .moveByTab = [this, formId, serial](bool backwards) { MoveFocusByTab(formId, serial, backwards); },
            };
            if (DeliverKeyDown({keyCode, shift}, route, runSlot_)) {
                return;
            }
            // A push button clicks on the space bar.
            HeadlessControl* control = Resolve(target);
            if (control != nullptr && keyCode == kKeySpace && control->GetKind() == Kind::Button &&
                control->Reachable()) {
                runSlot_(control->onClick);
            }
        },
        EventKind::Input);
    Pump();
}

void World::MoveFocusByTab(FormId id, int serial, bool backwards)
{
    HeadlessForm* form = Instance(id, serial);
    if (form == nullptr) {
        return;
    }
    const HeadlessControl* focused = Resolve(focus_);
    std::vector<TabCandidate> candidates;
    for (const auto& control : form->Controls()) {
        candidates.push_back(
            {.def = &control->Definition(), .canTakeFocus = control->Reachable(), .focused = control.get() == focused});
    }
    if (const int next = NextTabStop(candidates, backwards); next >= 0) {
        form->Controls()[static_cast<std::size_t>(next)]->SetFocus();
    }
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
    Post(
        [this, ref] {
            HeadlessControl* target = Resolve(ref);
            if (target != nullptr && target->Reachable()) {
                runSlot_(target->onClick);
            }
        },
        EventKind::Input);
    Pump();
}

void World::MovePointer(PixelPoint screen)
{
    SetCursorPos(screen);
    Pump();
}

void World::PressButton(PixelPoint screen, int button)
{
    screen = KeptOnMonitor(screen);
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
            runSlot_(target->onResize);
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
            runSlot_(target->onResize);
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

void World::ReplaceMonitors(std::vector<Monitor> monitors)
{
    config_.monitors = std::move(monitors);
    for (const FormId id : {FormId::Form1, FormId::Form2}) {
        Post([this, id] {
            if (HeadlessForm* form = Loaded(id); form != nullptr) {
                runSlot_(form->onDisplayChange);
            }
        });
    }
    Pump();
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
    Post(
        [this, id] {
            HeadlessForm* form = Loaded(id);
            if (form != nullptr && form->onClose) {
                runSlot_(form->onClose);
            } else {
                Unload(id);
            }
        },
        EventKind::Input);
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

}  // namespace vardek::platform::headless
