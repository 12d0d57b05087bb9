// The picture box: a child window of our own class with a sunken border, drawing its persistent
// image (a DIB back buffer the size of its client area) and then its windowless items.
#pragma once

#include "platform/win32/windows_api.h"

#include <memory>
#include <vector>

#include "platform/toolkit.h"
#include "platform/win32/control.h"
#include "platform/win32/image_buffer.h"

namespace vardek::platform::win32 {

class WindowlessControl;

class Win32PictureBox final : public WindowedControl<PictureBox> {
public:
    static constexpr const wchar_t* kClassName = L"VardekPicture";
    static void RegisterWindowClass(HINSTANCE instance);

    Win32PictureBox(Win32Form& form, const ControlDef& def, HWND parent, const PixelRect& bounds, int id);

    // A picture box has no caption.
    std::string Caption() const override { return {}; }
    void SetCaption(std::string_view text) override;

    PixelSize ImageSize() const override;
    PixelRect DrawingAreaOnScreen() const override;
    void CopyFromScreen(PixelPoint screenOrigin, PixelSize size, std::span<const PixelRect> keep) override;
    void CopyFrom(const PictureBox& source, PixelSize size) override;
    void DrawLine(PixelPoint from, PixelPoint to, Colour colour) override;
    std::int32_t Point(int x, int y) const override;

    // Items drawn over the image, added bottom of the stacking order first.
    void AddItem(const WindowlessControl* item) { items_.push_back(item); }
    // With the window goes the image: an unloaded form keeps no GDI object while it waits to be freed.
    void DestroyWindow() override;

private:
    template <typename Owner>
    friend LRESULT CALLBACK WindowProcOf(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // A picture paints and sizes its buffer from its first messages on.
    static constexpr bool kHandlesMessagesWhileCreated = true;
    Win32Form& OwningForm() { return form_; }
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    void FitImageToClient();
    void Paint();
    void InvalidateImage();
    MouseEvent MouseAt(LPARAM position, int button, WPARAM keys) const;
    void OnButtonDown(LPARAM position, int button, WPARAM keys);

    std::unique_ptr<ImageBuffer> image_;
    std::vector<const WindowlessControl*> items_;
};

}  // namespace vardek::platform::win32
