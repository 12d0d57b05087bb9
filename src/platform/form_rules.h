// The rules both toolkit twins follow for their forms, written once: which definition a form is
// built from, creation on first reference, unloading, the tab order, the order in which a key is
// delivered, and what becomes of an exception out of a slot. The twins supply only the windows.
#pragma once

#include <array>
#include <exception>
#include <functional>
#include <memory>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/toolkit.h"

namespace vardek::platform {

const FormDef& DefinitionOf(FormId id);

// Runs an event slot. The slot is copied first, so a handler may rebind or destroy it while it runs.
// An exception from a handler ends that handler only: it is reported and the program goes on (it
// must not unwind through the window system's frames, and one failed event is no reason to end the
// program). Only std::exception is caught; anything else unwinds on.
class SlotRunner {
public:
    using Report = std::function<void(std::string_view what)>;
    explicit SlotRunner(Report report) : report_(std::move(report)) {}

    template <typename... Params, typename... Args>
    void operator()(const std::function<void(Params...)>& slot, Args&&... args) const
    {
        if (!slot) {
            return;
        }
        auto handler = slot;
        try {
            handler(std::forward<Args>(args)...);
        } catch (const std::exception& error) {
            report_(error.what());
        }
    }

private:
    Report report_;
};

// The forms of one toolkit instance.
// - Get: a form is created hidden on first reference (the twin makes it), bound, then loaded; a
//   failure of the load handler reaches the code that referenced the form.
// - Unload: onUnload runs once; an unload of the same form from inside it does nothing. Then, if
//   the handler left the form in place, the twin takes its windows down and the form leaves the
//   table. The object itself is kept while code of it may still be on the stack: ReleaseUnloaded
//   frees the unloaded forms that the twin says are idle.
template <typename FormT>
class FormTable {
public:
    using Make = std::function<std::unique_ptr<FormT>(FormId, const FormDef&)>;
    using TakeDown = std::function<void(FormT&)>;

    FormTable(Make make, TakeDown takeDown) : make_(std::move(make)), takeDown_(std::move(takeDown)) {}

    void SetBinder(FormId id, std::function<void(Form&)> binder) { binders_[Index(id)] = std::move(binder); }

    FormT& Get(FormId id)
    {
        const std::size_t index = Index(id);
        if (forms_[index]) {
            return *forms_[index];
        }
        forms_[index] = make_(id, DefinitionOf(id));
        // By reference: the load handler may unload the form again, which keeps it alive.
        FormT& form = *forms_[index];
        if (binders_[index]) {
            binders_[index](form);
        }
        if (form.onLoad) {
            auto onLoad = form.onLoad;
            onLoad();
        }
        return form;
    }

    FormT* Loaded(FormId id) const { return forms_[Index(id)].get(); }

    void Unload(FormId id)
    {
        const std::size_t index = Index(id);
        FormT* form = forms_[index].get();
        if (form == nullptr || unloading_[index]) {
            return;
        }
        unloading_[index] = true;
        try {
            if (form->onUnload) {
                auto onUnload = form->onUnload;
                onUnload();
            }
        } catch (...) {
            unloading_[index] = false;
            throw;
        }
        unloading_[index] = false;
        // The unload handler may itself have unloaded or recreated the form.
        if (forms_[index].get() == form) {
            takeDown_(*form);
            unloaded_.push_back(std::move(forms_[index]));
        }
    }

    template <typename Idle>
    void ReleaseUnloaded(Idle idle)
    {
        std::erase_if(unloaded_, [&](const std::unique_ptr<FormT>& form) { return idle(*form); });
    }

    // Every form goes at once, without its unload handler: the program has ended.
    void Clear()
    {
        for (auto& form : forms_) {
            form.reset();
        }
        unloaded_.clear();
    }

    template <typename Visit>
    void ForEachLoaded(Visit visit) const
    {
        for (const auto& form : forms_) {
            if (form) {
                visit(*form);
            }
        }
    }

private:
    static std::size_t Index(FormId id) { return id == FormId::Form1 ? 0 : 1; }

    Make make_;
    TakeDown takeDown_;
    std::array<std::unique_ptr<FormT>, 2> forms_;
    std::array<std::function<void(Form&)>, 2> binders_;
    std::array<bool, 2> unloading_{};
    std::vector<std::unique_ptr<FormT>> unloaded_;
};

// A control as Tab sees it.
struct TabCandidate {
    const ControlDef* def = nullptr;
    bool canTakeFocus = false;  // shown and enabled now
    bool focused = false;
};

// Labels and windowless items never take the focus, whatever tab index they carry.
bool IsTabStop(const ControlDef& def);

// The candidate that Tab moves the focus to (Shift+Tab: backwards): the tab stops that can take the
// focus, in tab-index order, wrapping round; with none of them focused, the first (backwards, the
// last). -1 when there is no stop.
int NextTabStop(std::span<const TabCandidate> candidates, bool backwards);

// Where a key down goes, looked up again after each step, since a handler may unload the form or
// move the focus: the form it arrived at, and the control that had the focus when it arrived.
struct KeyRoute {
    std::function<Form*()> form;
    std::function<Control*()> target;
    std::function<void(bool backwards)> moveByTab;
};

// The form's preview first, when its definition asks for it (it never consumes the key); then, if
// the form is still there, Tab (without Ctrl or Alt) moves the focus, or else the target's key slot
// runs. True when Tab took the key.
bool DeliverKeyDown(const KeyEvent& key, const KeyRoute& route, const SlotRunner& runSlot);

}  // namespace vardek::platform
