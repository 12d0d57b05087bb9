// Input as a real desktop delivers it: keys to the active form's focused control after the form's
// preview, pointer moves and clicks to the picture under the pointer, and the user's own doings to
// the windows (resize, move, minimise, restore, close, activation).
#include <algorithm>

#include "platform/headless/slots.h"
#include "platform/headless/toolkit.h"

namespace vardek::platform::headless {

namespace {

constexpr int kKeyTab = 9;
constexpr int kKeySpace = 32;

}  // namespace

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

}  // namespace vardek::platform::headless
