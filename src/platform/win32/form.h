// A form of the Win32 toolkit: a top-level window built from its definition, owning its
// controls, their fonts and the windowless items drawn on its background.
#pragma once

#include "platform/win32/windows_api.h"

#include <memory>
#include <optional>
#include <vector>

#include "platform/toolkit.h"
#include "platform/win32/control.h"
#include "platform/win32/handles.h"

namespace vardek::platform::win32 {

class Win32Toolkit;
class WindowlessControl;

class Win32Form final : public Form {
public:
    static constexpr const wchar_t* kClassName = L"VardekForm";
    static void RegisterWindowClass(HINSTANCE instance);

    // Creates the window hidden, with every control of the definition.
    Win32Form(Win32Toolkit& toolkit, FormId id, const FormDef& def);
    ~Win32Form() override;
    Win32Form(const Win32Form&) = delete;
    Win32Form& operator=(const Win32Form&) = delete;

    FormId Id() const override { return id_; }
    Control& Get(ControlName name) override;
    PictureBox& Picture(ControlName name) override;
    bool Visible() const override;
    void Show() override;
    void Hide() override;
    void SetBand(Band band) override;
    Band GetBand() const override;
    void Raise() override;
    PixelRect WindowRect() const override;
    void MoveTo(PixelPoint outerTopLeft) override;
    PixelSize ClientSize() const override;
    bool IsMinimized() const override;
    int Dpi() const override;
    void SetShape(const WindowShape& shape, bool redraw) override;

    HWND Hwnd() const { return window_.get(); }
    Win32Toolkit& Toolkit() const { return toolkit_; }
    // A message to one of the form's windows is being handled: code of the form is on the stack.
    bool Busy() const { return messagesInProgress_ > 0; }
    const FormDef& Definition() const { return def_; }
    int CurrentDpi() const { return dpi_; }
    // The font a control draws with: its own, or the form's.
    HFONT FontFor(const ControlDef& def) const;
    // The control whose window this is, if it belongs to this form.
    ControlPart* PartForWindow(HWND window) const;
    // Moves the focus to the next (or previous) control in tab order; false when there is none.
    bool MoveFocusByTab(bool backwards);
    // Unloading: destroys the controls' windows, then the form's own. The object itself lives on
    // until the toolkit's pump is back at its outermost level.
    void DestroyWindows();

private:
    template <typename Owner>
    friend LRESULT CALLBACK WindowProcOf(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // Inside CreateWindowExW nothing of the form exists yet.
    static constexpr bool kHandlesMessagesWhileCreated = false;
    Win32Form& OwningForm() { return *this; }
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    void CreateFonts();
    void CreateControls();
    void PlaceClientArea();
    void Paint();
    bool SetPointer(HWND child, WORD hitTest);
    void OnActivate(WPARAM wParam, LPARAM lParam);
    void OnSize(WPARAM type);
    void OnDpiChanged(int newDpi, const RECT& suggested);
    LRESULT HasInputContext(HWND target) const;
    ControlPart& Find(std::string_view name) const;

    struct FontEntry {
        FontDef def;
        Font font;
    };

    Win32Toolkit& toolkit_;
    FormId id_;
    const FormDef& def_;
    int dpi_ = 96;
    std::vector<FontEntry> fonts_;
    Window window_;
    std::vector<std::unique_ptr<ControlPart>> controls_;  // definition order, topmost first
    std::vector<WindowlessControl*> backgroundItems_;     // drawn on the form, bottom first
    HWND lastFocus_ = nullptr;
    bool constructing_ = true;
    bool everShown_ = false;
    bool everActivated_ = false;
    UINT lastSizeType_ = SIZE_RESTORED;
    PixelSize lastClientSize_;
    std::optional<WindowShape> shape_;  // the region last given to the window
    int messagesInProgress_ = 0;
};

}  // namespace vardek::platform::win32
