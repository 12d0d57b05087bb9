// Snapshot, restore and redraw at an opening of a given size, beside a bare BitBlt of the same
// rectangle of the screen into a DIB section, measured in the same loop; and the memory vardek holds
// there. Run at several openings, the figures per million pixels show whether a cost grows faster
// than the area it copies.
#include <cstdio>
#include <string>

#include "../../tests/e2e/support/desktop.h"
#include "../../tests/e2e/support/ruler.h"
#include "session.h"

namespace vardek::bench {
namespace {

constexpr POINT kCorner = {20, 20};
// The opening whose snapshot has a target.
constexpr SIZE kTargetOpening = {1600, 900};

// The client size whose picture has the given opening: the picture spans the client's width less its
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
        BITMAPINFO info = e2e::TopDownRgb32(size.cx, size.cy);
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

std::string SizeText(SIZE size)
{
    return std::to_string(size.cx) + "x" + std::to_string(size.cy);
}

double Megapixels(SIZE size)
{
    return static_cast<double>(size.cx) * static_cast<double>(size.cy) / 1e6;
}

}  // namespace

void SnapshotStage(Session& s, SIZE opening, int repetitions)
{
    CancelToFrame(s);
    PlaceRuler(s, kCorner, ClientFor(opening));
    const e2e::RulerBar bar = e2e::FindBar(s.ruler);
    const POINT from = PictureOnScreen(s);
    const SIZE real = e2e::ClientSize(e2e::FindPicture(s.ruler));
    if (real.cx != opening.cx || real.cy != opening.cy) {
        PrintNote("opening " + SizeText(opening) + ": the picture is " + SizeText(real) +
                  " (the desktop is too small?): not measured");
        return;
    }
    const std::string name = SizeText(opening);
    const Memory frame = ReadMemory(s);
    BareCopy bare(opening);

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
    // A snapshot on show, its store filled: the most the program holds at this opening.
    const Memory held = ReadMemory(s);
    CancelToFrame(s);

    const Summary base = Summarize(bitblt);
    if (opening.cx == kTargetOpening.cx && opening.cy == kTargetOpening.cy) {
        Row row{"snapshot " + name + " (vs BitBlt)", Summarize(snapshot), base, "median <= 2x base, < 30"};
        row.met = failures == 0 && Ratio(row.vardek.median, base.median) <= 2 && row.vardek.median < 30;
        PrintRow(row);
    } else {
        PrintRow({"snapshot " + name + " (vs BitBlt)", Summarize(snapshot), base, "", true});
    }
    PrintRow({"restore " + name + " (vs BitBlt)", Summarize(restore), base, "", true});
    PrintRow({"redraw " + name + " (vs BitBlt)", Summarize(redraw), base, "", true});
    const double mpx = Megapixels(opening);
    char perArea[160];
    std::snprintf(perArea, sizeof perArea,
                  "%s, %.2f Mpx, median ms per Mpx: snapshot %.2f, restore %.2f, redraw %.2f, BitBlt %.2f",
                  name.c_str(), mpx, Summarize(snapshot).median / mpx, Summarize(restore).median / mpx,
                  Summarize(redraw).median / mpx, base.median / mpx);
    PrintNote(perArea);
    PrintNote(name + " memory in the frame:       " + DescribeMemory(frame));
    PrintNote(name + " memory with a snapshot:    " + DescribeMemory(held));
    if (failures > 0) {
        PrintNote("clicks that never completed: " + std::to_string(failures));
    }
}

}  // namespace vardek::bench
