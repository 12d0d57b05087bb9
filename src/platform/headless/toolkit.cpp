// The in-memory desktop's toolkit: forms created on first reference and unloaded on request, the
// end of the program, the clipboard, and the lookups the tests inspect.
#include "platform/headless/toolkit.h"

#include <stdexcept>

namespace vardek::platform::headless {

World::World(WorldConfig config)
    : config_(std::move(config)),
      compositor_(config_.compositor),
      // The tests see a failed handler: it is recorded, and the program goes on as the real one does.
      runSlot_([this](std::string_view what) { slotFailures_.emplace_back(what); }),
      forms_([this](FormId id, const FormDef& def) { return MakeForm(id, def); },
             [this](HeadlessForm& form) { TakeDown(form); })
{
}

World::~World() = default;

std::unique_ptr<HeadlessForm> World::MakeForm(FormId id, const FormDef& def)
{
    auto form = std::make_unique<HeadlessForm>(*this, id, def, ++serials_);
    ++creations_[id];
    zOrder_.push_back(id);
    BringToTop(*form);
    return form;
}

void World::TakeDown(HeadlessForm& form)
{
    const FormId id = form.Id();
    form.Hide();
    if (focus_ && focus_->form == id) {
        focus_.reset();
    }
    if (capture_ && capture_->form == id) {
        capture_.reset();
    }
    std::erase(zOrder_, id);
}

void World::SetBinder(FormId id, std::function<void(Form&)> binder)
{
    forms_.SetBinder(id, std::move(binder));
}

Form& World::GetForm(FormId id)
{
    if (ended_) {
        throw ProgramEnded{};
    }
    return forms_.Get(id);
}

bool World::IsLoaded(FormId id) const
{
    return forms_.Loaded(id) != nullptr;
}

void World::Unload(FormId id)
{
    forms_.Unload(id);
}

void World::EndProgram()
{
    ended_ = true;
    throw ProgramEnded{};
}

bool World::SetClipboardText(std::string_view text)
{
    if (clipboardHeld_) {
        return false;
    }
    clipboard_ = text;
    return true;
}

HeadlessForm* World::Instance(FormId id, int serial) const
{
    HeadlessForm* form = forms_.Loaded(id);
    return form != nullptr && form->Serial() == serial ? form : nullptr;
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
    return forms_.Loaded(id);
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

int World::Creations(FormId id) const
{
    auto found = creations_.find(id);
    return found == creations_.end() ? 0 : found->second;
}

}  // namespace vardek::platform::headless
