// Owning wrappers for every window-system handle the Win32 toolkit creates: windows, device
// contexts, bitmaps, brushes, pens, fonts and regions. Move-only, no implicit conversions.
// Each kind keeps a count of live handles, so that a test driver can see leaks (Wine's
// GetGuiResources answers 0).
#pragma once

#include "platform/win32/windows_api.h"

#include <utility>

namespace vardek::platform::win32 {

enum class HandleKind { Window, Dc, Bitmap, Brush, Pen, Font, Region };
inline constexpr int kHandleKindCount = 7;

// One count by its HandleKind number (0 windows ... 6 regions); -1 for any other number.
int LiveHandleCount(int kind);

namespace detail {
void CountHandle(HandleKind kind, int delta);
}

// A handle with one way of closing it. Traits: Handle type, kind, Close(Handle).
template <typename Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle)
    {
        if (handle_) {
            detail::CountHandle(Traits::kKind, +1);
        }
    }
    ~UniqueHandle() { reset(); }

    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

    // Gives the handle away (to the system, as SetWindowRgn takes a region): no longer counted here.
    Handle release()
    {
        if (handle_) {
            detail::CountHandle(Traits::kKind, -1);
        }
        return std::exchange(handle_, nullptr);
    }

    void reset()
    {
        // Cleared before closing: destroying a window sends messages that may look at this wrapper.
        if (Handle old = std::exchange(handle_, nullptr)) {
            detail::CountHandle(Traits::kKind, -1);
            Traits::Close(old);
        }
    }

private:
    Handle handle_ = nullptr;
};

struct WindowTraits {
    using Handle = HWND;
    static constexpr HandleKind kKind = HandleKind::Window;
    static void Close(HWND h) { ::DestroyWindow(h); }
};
struct MemoryDcTraits {
    using Handle = HDC;
    static constexpr HandleKind kKind = HandleKind::Dc;
    static void Close(HDC h) { ::DeleteDC(h); }
};
template <typename T, HandleKind K>
struct GdiObjectTraits {
    using Handle = T;
    static constexpr HandleKind kKind = K;
    static void Close(T h) { ::DeleteObject(h); }
};

using Window = UniqueHandle<WindowTraits>;
using MemoryDc = UniqueHandle<MemoryDcTraits>;  // CreateCompatibleDC / DeleteDC
using Bitmap = UniqueHandle<GdiObjectTraits<HBITMAP, HandleKind::Bitmap>>;
using Brush = UniqueHandle<GdiObjectTraits<HBRUSH, HandleKind::Brush>>;
using Pen = UniqueHandle<GdiObjectTraits<HPEN, HandleKind::Pen>>;
using Font = UniqueHandle<GdiObjectTraits<HFONT, HandleKind::Font>>;
using Region = UniqueHandle<GdiObjectTraits<HRGN, HandleKind::Region>>;

// GetDC / ReleaseDC: a window's device context, or the screen's with a null window.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(::GetDC(window))
    {
        if (dc_) {
            detail::CountHandle(HandleKind::Dc, +1);
        }
    }
    ~WindowDc()
    {
        if (dc_) {
            detail::CountHandle(HandleKind::Dc, -1);
            ::ReleaseDC(window_, dc_);
        }
    }
    WindowDc(WindowDc&& other) noexcept
        : window_(std::exchange(other.window_, nullptr)), dc_(std::exchange(other.dc_, nullptr))
    {
    }
    WindowDc& operator=(WindowDc&&) = delete;
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;

    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND window_ = nullptr;
    HDC dc_ = nullptr;
};

// Selects an object into a DC and puts the previous one back when it goes.
class SelectGuard {
public:
    SelectGuard() = default;
    SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), old_(dc && object ? ::SelectObject(dc, object) : nullptr) {}
    ~SelectGuard() { reset(); }
    SelectGuard(SelectGuard&& other) noexcept
        : dc_(std::exchange(other.dc_, nullptr)), old_(std::exchange(other.old_, nullptr))
    {
    }
    SelectGuard& operator=(SelectGuard&& other) noexcept
    {
        if (this != &other) {
            reset();
            dc_ = std::exchange(other.dc_, nullptr);
            old_ = std::exchange(other.old_, nullptr);
        }
        return *this;
    }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

    void reset()
    {
        if (dc_ && old_) {
            ::SelectObject(dc_, old_);
        }
        dc_ = nullptr;
        old_ = nullptr;
    }

private:
    HDC dc_ = nullptr;
    HGDIOBJ old_ = nullptr;
};

}  // namespace vardek::platform::win32
