// The Win32 toolkit: forms created on first reference and unloaded on request, the one message
// pump that both the main loop and Yield() use (key preview and Tab moves live there), and the
// desktop services: help, pointer, clipboard.
#pragma once

#include "platform/win32/windows_api.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "platform/form_rules.h"
#include "platform/toolkit.h"
#include "platform/win32/help_launcher.h"
#include "platform/win32/loupe_window.h"

namespace vardek::platform::win32 {

class Win32Form;

class Win32Toolkit final : public Toolkit {
public:
    explicit Win32Toolkit(HINSTANCE instance);
    ~Win32Toolkit() override;
    Win32Toolkit(const Win32Toolkit&) = delete;
    Win32Toolkit& operator=(const Win32Toolkit&) = delete;

    void SetBinder(FormId id, std::function<void(Form&)> binder) override;
    Form& GetForm(FormId id) override;
    bool IsLoaded(FormId id) const override;
    void Unload(FormId id) override;
    void Yield() override;
    void WaitForPresent() override;
    [[noreturn]] void EndProgram() override;
    void OpenHelp() override;
    MonitorFit MonitorFor(const PixelRect& window) const override;
    std::vector<MonitorPart> MonitorParts(const PixelRect& area) const override;
    PixelPoint CursorPos() const override;
    void SetCursorPos(PixelPoint screen) override;
    bool SetClipboardText(std::string_view text) override;
    LoupeWindow& Loupe() override { return loupe_; }

    // The main loop: delivers messages until the program ends. Returns the exit code.
    int Run();

    HINSTANCE Instance() const { return instance_; }
    // The loaded form whose window is this one or an ancestor of it.
    Win32Form* FormForWindow(HWND window) const;
    bool IsFormWindow(HWND window) const;
    const SlotRunner& RunSlot() const { return runSlot_; }
    // Which of the program's forms was active last, while the program stayed active.
    std::optional<FormId> ActiveForm() const { return activeForm_; }
    void SetActiveForm(std::optional<FormId> id) { activeForm_ = id; }

private:
    // Key preview, Tab moves and the focused control's key slot, then the usual dispatch.
    void Deliver(MSG& message);
    bool DeliverKey(const MSG& message);
    void PaintForms();
    void DropUnloadedForms();

    HINSTANCE instance_;
    SlotRunner runSlot_;
    FormTable<Win32Form> forms_;
    int pumpDepth_ = 0;
    std::optional<FormId> activeForm_;
    HelpLauncher help_;
    Win32Loupe loupe_{instance_};
};

}  // namespace vardek::platform::win32
