#include "recall.h"

#include "../../tests/e2e/support/desktop.h"
#include "../../tests/e2e/support/ruler.h"
#include "../common/recall_progress.h"
#include "session.h"

namespace vardek::bench {
namespace {

constexpr double kTimeoutMs = 10000;

std::uintptr_t Id(HWND window)
{
    return reinterpret_cast<std::uintptr_t>(window);
}

bool AtPlace(HWND view, POINT place)
{
    const RECT r = e2e::WindowRect(view);
    return r.left == place.x && r.top == place.y;
}

}  // namespace

double TimeRecall(Session& s, HWND button, POINT place, ViewWatcher* watch)
{
    const e2e::RulerBar bar = e2e::FindBar(s.ruler);
    const HWND before = CoordView(s);
    RecallProgress progress(Id(before));
    if (watch) {
        // A redraw starts from the frame, where the view is hidden: it has to stay once it shows.
        watch->Begin(before ? MustShow::FromStart : MustShow::FromFirstSight);
    }
    const double start = NowMs();
    PostClick(button);
    const bool done = SpinUntil(
        [&] {
            const HWND view = watch ? watch->Look() : CoordView(s);
            progress.Look({.redrawEnabled = IsWindowEnabled(bar.redraw) != FALSE,
                           .holeCut = HoleCut(s.ruler),
                           .view = Id(view),
                           .viewAtPlace = view && AtPlace(view, place)});
            return progress.Done();
        },
        kTimeoutMs);
    const double elapsed = NowMs() - start;
    if (watch) {
        watch->Finish();
    }
    return done ? elapsed : -1;
}

double TimeNewOrigin(Session& s, POINT pointer, ViewWatcher* watch)
{
    const HWND view = CoordView(s);
    const HWND dispX = view ? e2e::ViewControl(view, "DispX") : nullptr;
    const HWND dispY = view ? e2e::ViewControl(view, "DispY") : nullptr;
    if (!dispX || !dispY) {
        return -1;
    }
    const std::wstring x = std::to_wstring(pointer.x), y = std::to_wstring(pointer.y);
    if (watch) {
        watch->Begin(MustShow::FromStart);
    }
    const double start = NowMs();
    e2e::Key(VK_SPACE);
    const bool done = SpinUntil(
        [&] {
            if (watch) {
                watch->Look();
            }
            return StoredText(dispX) == x && StoredText(dispY) == y;
        },
        kTimeoutMs);
    const double elapsed = NowMs() - start;
    if (watch) {
        watch->Finish();
    }
    return done ? elapsed : -1;
}

std::string ReadoutsAmiss(Session& s, POINT origin)
{
    const HWND view = CoordView(s);
    if (!view) {
        return "no view";
    }
    const std::pair<const char*, std::wstring> expected[] = {{"DispX", std::to_wstring(origin.x)},
                                                             {"DispY", std::to_wstring(origin.y)},
                                                             {"X1", L"0"},
                                                             {"Y1", L"0"},
                                                             {"X2", L"0"},
                                                             {"Y2", L"0"},
                                                             {"SW", L"0"},
                                                             {"SH", L"0"}};
    for (const auto& [name, text] : expected) {
        const std::wstring shown = e2e::TextOf(e2e::ViewControl(view, name));
        if (shown != text) {
            return std::string(name) + " shows " + std::string(shown.begin(), shown.end()) + ", not " +
                   std::string(text.begin(), text.end());
        }
    }
    return {};
}

bool ReadyForKeys(Session& s, POINT pointer)
{
    const HWND picture = e2e::FindPicture(s.ruler);
    if (GetForegroundWindow() != s.ruler && !e2e::Activate(s.ruler)) {
        return false;
    }
    e2e::PlacePointer(pointer);
    return SpinUntil([&] { return e2e::FocusOf(s.ruler) == picture; }, 2000);
}

}  // namespace vardek::bench
