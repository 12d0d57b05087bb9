#include "platform/win32/toolkit.h"

#include <shellapi.h>

#include <cstring>

#include "platform/win32/form.h"
#include "platform/win32/picture_box.h"
#include "platform/win32/text.h"

namespace vardek::platform::win32 {
namespace {

size_t IndexOf(FormId id)
{
    return id == FormId::Form1 ? 0 : 1;
}

const FormDef& DefinitionOf(FormId id)
{
    return id == FormId::Form1 ? Form1Definition() : Form2Definition();
}

// The folder of the running program, with a trailing separator; empty when it cannot be had.
std::wstring ProgramFolder()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        if (path.size() >= 32768) {
            return {};
        }
        path.resize(path.size() * 2);
    }
    const size_t separator = path.find_last_of(L"\\/");
    return separator == std::wstring::npos ? std::wstring() : path.substr(0, separator + 1);
}

}  // namespace

Win32Toolkit::Win32Toolkit(HINSTANCE instance) : instance_(instance)
{
    Win32Form::RegisterWindowClass(instance);
    Win32PictureBox::RegisterWindowClass(instance);
}

Win32Toolkit::~Win32Toolkit()
{
    for (auto& form : forms_) {
        form.reset();
    }
    unloaded_.clear();
}

void Win32Toolkit::SetBinder(FormId id, std::function<void(Form&)> binder)
{
    binders_[IndexOf(id)] = std::move(binder);
}

Form& Win32Toolkit::GetForm(FormId id)
{
    const size_t index = IndexOf(id);
    if (forms_[index]) {
        return *forms_[index];
    }
    forms_[index] = std::make_unique<Win32Form>(*this, id, DefinitionOf(id));
    // Kept by reference: the load handler may unload the form again, which only moves it to the
    // unloaded list, alive until the pump is back at its outermost level.
    Win32Form& form = *forms_[index];
    if (binders_[index]) {
        binders_[index](form);
    }
    // Failures of the load handler reach the code that referenced the form.
    if (form.onLoad) {
        auto onLoad = form.onLoad;
        onLoad();
    }
    return form;
}

bool Win32Toolkit::IsLoaded(FormId id) const
{
    return forms_[IndexOf(id)] != nullptr;
}

void Win32Toolkit::Unload(FormId id)
{
    const size_t index = IndexOf(id);
    Win32Form* form = forms_[index].get();
    if (!form || unloading_[index]) {
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
    if (forms_[index].get() == form) {
        form->DestroyWindows();
        unloaded_.push_back(std::move(forms_[index]));
    }
}

void Win32Toolkit::EndProgram()
{
    ::ExitProcess(0);
}

void Win32Toolkit::OpenHelp()
{
    const std::wstring folder = ProgramFolder();
    if (folder.empty()) {
        return;
    }
    const std::wstring page = folder + L"vardek-help.html";
    const DWORD attributes = ::GetFileAttributesW(page.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return;
    }
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.lpVerb = L"open";
    info.lpFile = page.c_str();
    info.nShow = SW_SHOWNORMAL;
    ::ShellExecuteExW(&info);
}

MonitorFit Win32Toolkit::MonitorFor(const PixelRect& window) const
{
    const RECT rect{window.left, window.top, window.right, window.bottom};
    MonitorFit fit;
    fit.onMonitor = ::MonitorFromRect(&rect, MONITOR_DEFAULTTONULL) != nullptr;
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (::GetMonitorInfoW(::MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST), &info)) {
        fit.workArea = {info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom};
    } else {
        // No monitor to ask: trust the place as it is.
        fit.onMonitor = true;
    }
    return fit;
}

PixelPoint Win32Toolkit::CursorPos() const
{
    POINT point{};
    ::GetCursorPos(&point);
    return {point.x, point.y};
}

void Win32Toolkit::SetCursorPos(PixelPoint screen)
{
    ::SetCursorPos(screen.x, screen.y);
}

bool Win32Toolkit::SetClipboardText(std::string_view text)
{
    HWND owner = nullptr;
    for (FormId id : {FormId::Form2, FormId::Form1}) {
        if (!owner && forms_[IndexOf(id)]) {
            owner = forms_[IndexOf(id)]->Hwnd();
        }
    }
    // Another program may hold the clipboard for a moment. Wait without delivering messages:
    // no handler may run in the middle of a copy.
    constexpr int kAttempts = 25;
    constexpr DWORD kPauseMs = 20;
    bool opened = false;
    for (int attempt = 0; attempt < kAttempts && !opened; ++attempt) {
        opened = ::OpenClipboard(owner) != FALSE;
        if (!opened) {
            ::Sleep(kPauseMs);
        }
    }
    if (!opened) {
        return false;
    }
    const std::wstring wide = Widen(text);
    const size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    bool placed = false;
    if (HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, bytes)) {
        if (void* target = ::GlobalLock(memory)) {
            std::memcpy(target, wide.c_str(), bytes);
            ::GlobalUnlock(memory);
            ::EmptyClipboard();
            placed = ::SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
        }
        if (!placed) {
            ::GlobalFree(memory);  // the clipboard owns it only once placed
        }
    }
    ::CloseClipboard();
    return placed;
}

Win32Form* Win32Toolkit::FormForWindow(HWND window) const
{
    if (!window) {
        return nullptr;
    }
    HWND root = ::GetAncestor(window, GA_ROOT);
    for (const auto& form : forms_) {
        if (form && form->Hwnd() && form->Hwnd() == root) {
            return form.get();
        }
    }
    return nullptr;
}

bool Win32Toolkit::IsFormWindow(HWND window) const
{
    if (!window) {
        return false;
    }
    for (const auto& form : forms_) {
        if (form && form->Hwnd() == window) {
            return true;
        }
    }
    return false;
}

}  // namespace vardek::platform::win32
