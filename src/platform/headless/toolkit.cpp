// The in-memory desktop's toolkit: forms created on first reference and unloaded on request, the
// end of the program, the clipboard, and the lookups the tests inspect.
#include "platform/headless/toolkit.h"

#include <stdexcept>

#include "platform/headless/slots.h"

namespace vardek::platform::headless {

namespace {

const FormDef& DefinitionOf(FormId id)
{
    return id == FormId::Form1 ? Form1Definition() : Form2Definition();
}

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
    auto found = forms_.find(id);
    return found != forms_.end() && found->second->Serial() == serial ? found->second.get() : nullptr;
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

int World::Creations(FormId id) const
{
    auto found = creations_.find(id);
    return found == creations_.end() ? 0 : found->second;
}

}  // namespace vardek::platform::headless
