// The in-memory desktop that the behaviour tests run the program on: monitors of pixels,
// top-level windows in two bands, activation and focus, a pointer, a clipboard, and one queue
// of pending events that Yield() drains. Input enters through the same entry points a real
// desktop would use (a key, a pointer move, a click), never by calling handlers directly.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/form_rules.h"
#include "platform/headless/compositor.h"
#include "platform/headless/form.h"
#include "platform/headless/loupe_window.h"
#include "platform/toolkit.h"

namespace vardek::platform::headless {

// Thrown by EndProgram: unwinds every handler on the stack up to the entry point that the
// test called, so that no suspended handler resumes on destroyed windows.
struct ProgramEnded {};

struct Monitor {
    PixelRect rect;
    int dpi = 0;  // 0: the world's dpi
};

struct WorldConfig {
    // The main monitor holds the screen's origin; others may lie left of it or above it.
    std::vector<Monitor> monitors = {{.rect = {0, 0, 1280, 1024}}};
    int dpi = kBaseDpi;
    // Frame metrics at 96 DPI; they scale with the window's DPI.
    FrameMetrics sizable = {};
    FrameMetrics toolWindow = {.frame = 3, .caption = 16};
    // The desktop's own pixels at a screen point (what lies under every window).
    std::function<std::int32_t(PixelPoint)> desktop = [](PixelPoint p) {
        return static_cast<std::int32_t>(((p.x * 7 + p.y * 13) & 0xFF) | ((p.x & 0xFF) << 8) | ((p.y & 0xFF) << 16));
    };
    // The colour of window parts that are not a picture (frame, title, bar).
    std::int32_t chrome = 0xC0C0C0;
    // A compositor, whose screen lags behind the windows until it presents (see Compositor).
    bool compositor = false;
    // Called after each change to how a window shows (shown, hidden, moved, restacked, reshaped),
    // with the desktop as it then is: what a test sees of every state that reaches the screen.
    std::function<void(const class World&)> onWindowChange = nullptr;
};

// Brackets a change to how a window shows: the compositor keeps the frame from before it, and
// the observer sees the desktop after it.
class WindowChange {
public:
    explicit WindowChange(class World& world);
    ~WindowChange();
    WindowChange(const WindowChange&) = delete;
    WindowChange& operator=(const WindowChange&) = delete;

private:
    class World& world_;
};

class World final : public Toolkit {
public:
    explicit World(WorldConfig config = {});
    ~World() override;

    // Toolkit.
    void SetBinder(FormId id, std::function<void(Form&)> binder) override;
    Form& GetForm(FormId id) override;
    bool IsLoaded(FormId id) const override;
    void Unload(FormId id) override;
    void Yield() override;
    void WaitForPresent() override { compositor_.Present(); }
    [[noreturn]] void EndProgram() override;
    void OpenHelp() override { ++helpOpened_; }
    MonitorFit MonitorFor(const PixelRect& window) const override;
    std::vector<MonitorPart> MonitorParts(const PixelRect& area) const override;
    PixelPoint CursorPos() const override { return cursor_; }
    void SetCursorPos(PixelPoint screen) override;
    bool SetClipboardText(std::string_view text) override;
    LoupeWindow& Loupe() override { return loupe_; }

    // Entry points for tests. Each queues what a real desktop would queue, then pumps until
    // nothing is pending. Run runs a function inside the pump (the program's start-up).
    void Run(const std::function<void()>& entry);
    void PressKey(int keyCode, int shift = 0);
    void Click(FormId id, std::string_view name);
    void MovePointer(PixelPoint screen);
    void PressButton(PixelPoint screen, int button = 1);
    void ReleaseButton();
    void ResizeClient(FormId id, PixelSize client);
    // Moves a window as the user drags it; onto a monitor of another DPI it gets the DPI change.
    void MoveWindow(FormId id, PixelPoint outerTopLeft);
    // What the window system does when a window's DPI changes: the suggested outer rectangle.
    void ChangeDpi(FormId id, int dpi, const PixelRect& suggested);
    void Minimize(FormId id);
    void Restore(FormId id);
    void CloseBox(FormId id);
    void ActivateByUser(FormId id);
    // Monitors plugged in or out, moved or given another mode while the program runs: as on the real
    // desk, every window stays where it was (even where no monitor shows it now) and each loaded form
    // is told of the change, then the queue runs.
    void ReplaceMonitors(std::vector<Monitor> monitors);
    void ActivateOtherProgram();
    // Runs once at the start of a Yield() that a handler calls, before it drains the queue:
    // the way to make something happen in the middle of a handler. skip: how many of the
    // handlers' yields to let pass first.
    void DuringYield(int skip, std::function<void()> action);
    void DuringNextYield(std::function<void()> action) { DuringYield(0, std::move(action)); }
    // Drops the actions whose yield never came.
    void ForgetDuringYield() { duringYield_.clear(); }

    // What a test inspects.
    HeadlessForm* Loaded(FormId id) const;
    HeadlessForm& Window(FormId id) const;  // must be loaded
    HeadlessControl& ControlOf(FormId id, std::string_view name) const;
    std::optional<FormId> ActiveForm() const;
    std::string FocusName() const;       // "Form1.Picture1"; empty when no control has it
    std::vector<FormId> ZOrder() const;  // visible forms, top first
    std::int32_t ScreenPixel(PixelPoint screen) const;
    int HelpOpened() const { return helpOpened_; }
    const HeadlessLoupe& LoupeShown() const { return loupe_; }
    bool Ended() const { return ended_; }
    const std::string& Clipboard() const { return clipboard_; }
    void HoldClipboard(bool held) { clipboardHeld_ = held; }
    int Creations(FormId id) const;
    // What the handlers threw: the program goes on, as the real one does, and the test looks here.
    const std::vector<std::string>& SlotFailures() const { return slotFailures_; }
    std::vector<std::string> TakeSlotFailures() { return std::exchange(slotFailures_, {}); }
    const WorldConfig& Config() const { return config_; }
    int MonitorDpi(const Monitor& monitor) const { return monitor.dpi != 0 ? monitor.dpi : config_.dpi; }
    // The DPI of the monitor a rectangle overlaps most (or is nearest to).
    int DpiFor(const PixelRect& window) const;

    // Used by the forms and controls.
    // Input waits in the queue while handlers are nested deep; the toolkit's own events do not.
    enum class EventKind { Toolkit, Input };
    void Post(std::function<void()> event, EventKind kind = EventKind::Toolkit);
    const SlotRunner& RunSlot() const { return runSlot_; }
    void Activate(HeadlessForm& form);
    void Deactivate(HeadlessForm& form);
    void FocusControl(HeadlessControl& control);
    bool HasFocus(const HeadlessControl& control) const;
    void BringToTop(HeadlessForm& form);
    // Bracket a change to how a window shows (shown, hidden, moved, restacked, reshaped).
    void BeforeWindowChange();
    void AfterWindowChange() const;
    // A window is about to leave the screen here: what the screen shows there stays over the program's
    // windows beneath until they repaint, which only their idle time brings (an X server without a
    // compositor shows the uncovered part as it was until the window's owner puts its pixels back).
    void LeaveTrace(const PixelRect& area);
    // A weak handle: the form instance if it still exists.
    HeadlessForm* Instance(FormId id, int serial) const;

private:
    struct FocusRef {
        FormId form;
        int serial;
        std::string control;
    };
    HeadlessControl* Resolve(const std::optional<FocusRef>& ref) const;
    HeadlessPictureBox* PictureUnder(PixelPoint screen, PixelPoint& image) const;
    void PostMouse(PixelPoint screen, bool down, int button);
    // Where the window system lets the pointer go for a wanted place.
    PixelPoint KeptOnMonitor(PixelPoint screen) const;
    const Monitor& MonitorOf(const PixelRect& window, bool& overlaps) const;
    void Pump();
    void Drain();
    std::unique_ptr<HeadlessForm> MakeForm(FormId id, const FormDef& def);
    void TakeDown(HeadlessForm& form);
    void MoveFocusByTab(FormId id, int serial, bool backwards);
    // What the windows compose to at a point now, ahead of what a compositor shows.
    std::int32_t ComposedPixel(PixelPoint screen) const;

    WorldConfig config_;
    std::map<FormId, int> creations_;
    std::vector<FormId> zOrder_;  // top first
    struct Pending {
        std::function<void()> run;
        EventKind kind;
    };
    std::deque<Pending> queue_;
    std::vector<std::pair<int, std::function<void()>>> duringYield_;
    std::optional<FocusRef> focus_;
    std::optional<FocusRef> capture_;  // the picture that holds the pointer while a button is down
    int captureButton_ = 0;
    std::optional<FormId> active_;
    std::set<int> activatedSerials_;  // form instances that have been active
    bool otherProgramActive_ = false;
    PixelPoint cursor_ = {0, 0};
    std::string clipboard_;
    bool clipboardHeld_ = false;
    int helpOpened_ = 0;
    int serials_ = 0;
    int pumpDepth_ = 0;
    int yieldDepth_ = 0;
    Compositor compositor_;
    std::vector<ScreenPatch> traces_;  // oldest first; gone when the program is idle
    std::vector<std::string> slotFailures_;
    SlotRunner runSlot_;
    FormTable<HeadlessForm> forms_;
    bool ended_ = false;
    HeadlessLoupe loupe_{*this};
};

}  // namespace vardek::platform::headless
