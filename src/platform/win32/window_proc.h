// The one window procedure of the program's own window classes (forms and picture boxes): the
// object comes from lpCreateParams at WM_NCCREATE and stays in GWLP_USERDATA; at WM_NCDESTROY it
// lets go of its window; every other message goes to the object's HandleMessage.
#pragma once

#include "platform/win32/form.h"
#include "platform/win32/windows_api.h"

namespace vardek::platform::win32 {

// Owner befriends it and has its window in window_ (a Window), HandleMessage(HWND, UINT, WPARAM,
// LPARAM), OwningForm() (the form whose code the message runs), and kHandlesMessagesWhileCreated: whether messages sent
// inside CreateWindowExW, before the object holds its window, reach it (a form's members do not exist yet then).
template <typename Owner>
LRESULT CALLBACK WindowProcOf(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<Owner*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        if (self->window_.get() == window) {
            self->window_.release();  // the window is gone already
        }
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
    if (!Owner::kHandlesMessagesWhileCreated && !self->window_) {
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
    // While the message is handled the form must outlive an unload from inside the handler.
    Win32Form& form = self->OwningForm();
    ++form.messagesInProgress_;
    struct Leave {
        Win32Form& form;
        ~Leave() { --form.messagesInProgress_; }
    } const leave{form};
    return self->HandleMessage(window, message, wParam, lParam);
}

}  // namespace vardek::platform::win32
