// The one message pump of the program, used by the main loop and by Yield(). Keys pass through
// here before they are dispatched: the form's key preview, Tab moves, the control's key slot.
#include "platform/win32/form.h"
#include "platform/win32/input.h"
#include "platform/win32/messages.h"
#include "platform/win32/toolkit.h"

namespace vardek::platform::win32 {

int Win32Toolkit::Run()
{
    MSG message{};
    for (;;) {
        DropUnloadedForms();
        // With no window left nobody could end the program any more.
        if (!IsLoaded(FormId::Form1) && !IsLoaded(FormId::Form2)) {
            return 0;
        }
        const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            break;
        }
        Deliver(message);
    }
    return static_cast<int>(message.wParam);
}

void Win32Toolkit::Yield()
{
    struct DepthGuard {
        int& depth;
        explicit DepthGuard(int& d) : depth(d) { ++depth; }
        ~DepthGuard() { --depth; }
    } guard(pumpDepth_);

    // Input that keeps coming while handlers yield would nest handler in handler without end (a
    // click inside a snapshot's yield, a snapshot inside that click's yield...) until the stack
    // overflows. Deep down, a yield delivers only what is already under way: messages sent to the
    // program (their senders wait for each answer), repaints and the toolkit's own queued events.
    // New input, and commands that other programs post, stay queued until the handlers above have
    // returned.
    constexpr int kInputNestingLimit = 8;
    const bool deep = pumpDepth_ > kInputNestingLimit;
    MSG message{};
    const auto next = [&] {
        if (!deep) {
            return ::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE;
        }
        return ::PeekMessageW(&message, nullptr, kMsgQueuedResize, kMsgQueuedDisplayChange,
                              PM_REMOVE | PM_QS_POSTMESSAGE) ||
               ::PeekMessageW(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE | PM_QS_PAINT | PM_QS_SENDMESSAGE);
    };
    while (next()) {
        if (message.message == WM_QUIT) {
            // Leave it for the main loop.
            ::PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        Deliver(message);
        // A stream of input can keep the outermost yield busy for a long time: free what is idle now.
        DropUnloadedForms();
    }
}

void Win32Toolkit::DropUnloadedForms()
{
    forms_.ReleaseUnloaded([](const Win32Form& form) { return !form.Busy(); });
}

void Win32Toolkit::Deliver(MSG& message)
{
    if ((message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) && DeliverKey(message)) {
        return;
    }
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
    // Captions written by the handler only invalidated their labels: each form paints them now,
    // in one pass, instead of once per caption.
    PaintForms();
}

void Win32Toolkit::PaintForms()
{
    if ((HIWORD(::GetQueueStatus(QS_PAINT)) & QS_PAINT) == 0) {
        return;
    }
    forms_.ForEachLoaded([](const Win32Form& form) {
        if (form.Hwnd()) {
            ::RedrawWindow(form.Hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        }
    });
    // Put what was just painted on the screen now, not once the queue runs dry: a pointer move
    // brings more input behind it. GdiFlush empties this thread's batch of drawing calls; a wait
    // that returns at once is where Wine copies its window surfaces out to the display.
    ::GdiFlush();
    ::MsgWaitForMultipleObjectsEx(0, nullptr, 0, QS_ALLINPUT, 0);
}

bool Win32Toolkit::DeliverKey(const MSG& message)
{
    HWND target = message.hwnd;
    const KeyRoute route{
        .form = [this, target]() -> Form* { return FormForWindow(target); },
        .target = [this, target]() -> Control* {
            Win32Form* form = FormForWindow(target);
            ControlPart* part = form ? form->PartForWindow(target) : nullptr;
            return part ? &part->Public() : nullptr;
        },
        .moveByTab =
            [this, target](bool backwards) {
                if (Win32Form* form = FormForWindow(target)) {
                    form->MoveFocusByTab(backwards);
                }
            },
    };
    const KeyEvent key{.keyCode = static_cast<int>(message.wParam), .shift = ModifierState()};
    return DeliverKeyDown(key, route, runSlot_);
}

}  // namespace vardek::platform::win32
