// Snapshot, restore and redraw at an opening of 1600 x 900, beside a bare BitBlt of the same
// rectangle of the screen into a DIB section, measured in the same loop.
#include "../../tests/e2e/support/desktop.h"
#include "../../tests/e2e/support/ruler.h"
#include "session.h"

namespace vardek::bench {
namespace {

constexpr SIZE kOpening = {1600, 900};
constexpr POINT kCorner = {20, 20};

// The client size whose picture opening is kOpening: the picture spans the client's width less its
// border, and its height less the bar.
constexpr SIZE ClientFor(SIZE opening)
{
    return {opening.cx + (e2e::kPictureLeft - 2), opening.cy + e2e::kPictureTop + 12};
}

// A screen copy as plain as it gets: one BitBlt into a DIB section that already exists.
class BareCopy {
public:
    explicit BareCopy(SIZE size) : size_(size)
    {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = size.cx;
        info.bmiHeader.biHeight = -size.cy;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        memory_ = CreateCompatibleDC(nullptr);
        old_ = SelectObject(memory_, bitmap_);
    }
    BareCopy(const BareCopy&) = delete;
    BareCopy& operator=(const BareCopy&) = delete;
    ~BareCopy()
    {
        SelectObject(memory_, old_);
        DeleteDC(memory_);
        DeleteObject(bitmap_);
    }

    double Time(POINT from) const
    {
        const double start = NowMs();
        HDC screen = GetDC(nullptr);
        BitBlt(memory_, 0, 0, size_.cx, size_.cy, screen, from.x, from.y, SRCCOPY);
        ReleaseDC(nullptr, screen);
        GdiFlush();
        return NowMs() - start;
    }

private:
    SIZE size_;
    HBITMAP bitmap_ = nullptr;
    HDC memory_ = nullptr;
    HGDIOBJ old_ = nullptr;
};

POINT PictureOnScreen(Session& s)
{
    POINT p{0, 0};
    ClientToScreen(e2e::FindPicture(s.ruler), &p);
    return p;
}

// Clicks a button and times it until done() holds; negative if it never did.
double TimeClick(HWND button, const std::function<bool()>& done)
{
    const double start = NowMs();
    PostClick(button);
    return SpinUntil(done, 10000) ? NowMs() - start : -1;
}

void Keep(std::vector<double>& times, double t, int& failures)
{
    t >= 0 ? times.push_back(t) : void(++failures);
}

}  // namespace

void SnapshotStage(Session& s, int repetitions)
{
    CancelToFrame(s);
    PlaceRuler(s, kCorner, ClientFor(kOpening));
    const e2e::RulerBar bar = e2e::FindBar(s.ruler);
    const POINT from = PictureOnScreen(s);
    const SIZE opening = e2e::ClientSize(e2e::FindPicture(s.ruler));
    PrintNote("opening " + std::to_string(opening.cx) + " x " + std::to_string(opening.cy));
    BareCopy bare(kOpening);

    std::vector<double> snapshot, bitblt, restore, redraw;
    int failures = 0;
    for (int i = 0; i < repetitions; ++i) {
        // Done when the window takes its whole region back, right after both copies.
        Keep(snapshot, TimeClick(bar.copy, [&] { return !HoleCut(s.ruler); }), failures);
        bitblt.push_back(bare.Time(from));
        SpinUntil([&] { return CoordView(s) != nullptr; }, 5000);
        e2e::Settle(s.ruler);
        CancelToFrame(s);
    }

    // An origin to restore: a snapshot, Space over it, and "復元" takes it back each time.
    PostClick(bar.copy);
    SpinUntil([&] { return !HoleCut(s.ruler) && CoordView(s); }, 10000);
    e2e::Activate(s.ruler);
    e2e::PlacePointer({from.x + 100, from.y + 100});
    e2e::Key(VK_SPACE);
    e2e::Settle(s.ruler);
    for (int i = 0; i < repetitions && IsWindowEnabled(bar.restore); ++i) {
        const HWND before = CoordView(s);
        // The coordinate view is unloaded and made anew on the way: done when a new one shows and
        // "再描写" is disabled again, the restore's last step.
        Keep(restore,
             TimeClick(bar.restore,
                       [&] {
                           const HWND now = CoordView(s);
                           return now && now != before && !IsWindowEnabled(bar.redraw) && !HoleCut(s.ruler);
                       }),
             failures);
        bitblt.push_back(bare.Time(from));
        e2e::Settle(s.ruler);
    }

    for (int i = 0; i < repetitions; ++i) {
        CancelToFrame(s);
        Keep(redraw,
             TimeClick(bar.redraw, [&] { return CoordView(s) && !IsWindowEnabled(bar.redraw) && !HoleCut(s.ruler); }),
             failures);
        bitblt.push_back(bare.Time(from));
        e2e::Settle(s.ruler);
    }
    CancelToFrame(s);

    const Summary base = Summarize(bitblt);
    Row row{"snapshot 1600x900 (vs BitBlt)", Summarize(snapshot), base, "median <= 2x base, < 30"};
    row.met = failures == 0 && Ratio(row.vardek.median, base.median) <= 2 && row.vardek.median < 30;
    PrintRow(row);
    PrintRow({"restore 1600x900 (vs BitBlt)", Summarize(restore), base, "", true});
    PrintRow({"redraw 1600x900 (vs BitBlt)", Summarize(redraw), base, "", true});
    if (failures > 0) {
        PrintNote("clicks that never completed: " + std::to_string(failures));
    }
}

}  // namespace vardek::bench
