// Snapshot, restore and redraw at an opening of a given size, beside the floors measured in the same
// loop: a bare BitBlt of the same rectangle of the screen into a DIB section, and a bare window of
// the ruler's outer size given its whole region and its frame (BareFrame); and the memory vardek
// holds there. Restores and redraws are watched for the coordinate view going off the screen, with
// the view beside the ruler, clear of its opening. Run at several openings, the figures per million
// pixels show whether a cost grows faster than the area it copies.
#include <algorithm>
#include <cstdio>
#include <string>

#include "../../tests/e2e/support/desktop.h"
#include "../../tests/e2e/support/ruler.h"
#include "bare_frame.h"
#include "recall.h"
#include "session.h"
#include "view_watch.h"

namespace vardek::bench {
namespace {

constexpr POINT kCorner = {20, 20};
// The opening whose figures have targets.
constexpr SIZE kTargetOpening = {1600, 900};

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

// The floors of one repetition, each sample beside the others.
struct Floors {
    std::vector<double> bitblt, whole, cut;
    void AddRegion(const BareFrame::Times& t)
    {
        if (t.whole >= 0 && t.cut >= 0) {
            whole.push_back(t.whole);
            cut.push_back(t.cut);
        }
    }
};

// The floor of an operation that copies the screen once and makes the region whole: the two bare
// figures' medians and 95th percentiles added.
Summary CopyAndRegion(const Floors& f)
{
    const Summary copy = Summarize(f.bitblt), region = Summarize(f.whole);
    return {copy.median + region.median, copy.p95 + region.p95, std::min(copy.count, region.count)};
}

// Readouts that a restore or a redraw left other than it should, counted with the first described.
struct Amiss {
    int count = 0;
    std::string first;
    void Check(Session& s, POINT origin)
    {
        const std::string what = ReadoutsAmiss(s, origin);
        if (!what.empty() && count++ == 0) {
            first = what;
        }
    }
    void Print(const std::string& what, std::size_t of) const
    {
        if (count > 0) {
            PrintNote(what + ": the readouts were not as expected after " + std::to_string(count) + " of " +
                      std::to_string(of) + " (first: " + first + ")");
        }
    }
};

void PrintViewTarget(const std::string& what, const ViewWatcher& watch, bool watched)
{
    if (!watched) {
        std::printf("%s: the view could not be placed clear of the ruler: not watched\n", what.c_str());
    } else {
        std::printf("%s: %s (target 0): %s\n", what.c_str(), watch.Describe().c_str(),
                    watch.NeverAway() ? "PASS" : "MISS");
    }
    std::fflush(stdout);
}

}  // namespace

void SnapshotStage(Session& s, SIZE opening, int repetitions)
{
    CancelToFrame(s);
    PlaceRuler(s, kCorner, ClientForOpening(opening));
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
    BareFrame bareFrame(e2e::WindowRect(s.ruler), e2e::ExpectedHole(e2e::ClientSize(s.ruler)));
    Floors floors;
    // The region floor is shown over the ruler while it is timed: only once the programs are at rest.
    auto timeRegion = [&] {
        e2e::Settle(s.ruler);
        floors.AddRegion(bareFrame.Time());
        e2e::Settle(s.ruler);
    };

    std::vector<double> snapshot, restore, redraw;
    int failures = 0;
    for (int i = 0; i < repetitions; ++i) {
        // Done when the window takes its whole region back, right after both copies.
        Keep(snapshot, TimeClick(bar.copy, [&] { return !HoleCut(s.ruler); }), failures);
        floors.bitblt.push_back(bare.Time(from));
        SpinUntil([&] { return CoordView(s) != nullptr; }, 5000);
        timeRegion();
        CancelToFrame(s);
    }

    // An origin to restore: a snapshot, the view put beside the ruler, Space over the picture.
    TakeSnapshot(s);
    POINT place{};
    const bool placed = PlaceBesideRuler(s, place);
    const POINT origin = {from.x + 100, from.y + 100};
    ReadyForKeys(s, origin);
    e2e::Key(VK_SPACE);
    e2e::Settle(s.ruler);
    ViewWatcher restoreWatch(s, place), redrawWatch(s, place);
    const bool watched = placed && restoreWatch.TakeReference() && redrawWatch.TakeReference();
    Amiss restoreAmiss, redrawAmiss;
    for (int i = 0; i < repetitions && IsWindowEnabled(bar.restore); ++i) {
        Keep(restore, TimeRecall(s, bar.restore, place, watched ? &restoreWatch : nullptr), failures);
        restoreAmiss.Check(s, origin);
        floors.bitblt.push_back(bare.Time(from));
        timeRegion();
    }
    for (int i = 0; i < repetitions; ++i) {
        CancelToFrame(s);
        Keep(redraw, TimeRecall(s, bar.redraw, place, watched ? &redrawWatch : nullptr), failures);
        redrawAmiss.Check(s, origin);
        floors.bitblt.push_back(bare.Time(from));
        timeRegion();
    }
    // A snapshot on show, its store filled: the most the program holds at this opening.
    const Memory held = ReadMemory(s);
    CancelToFrame(s);

    const Summary base = Summarize(floors.bitblt);
    const Summary floor = CopyAndRegion(floors);
    const bool target = opening.cx == kTargetOpening.cx && opening.cy == kTargetOpening.cy;
    Row shot{"snapshot " + name + " (vs BitBlt)", Summarize(snapshot), base, target ? "median <= 2x base, < 30" : ""};
    shot.met = failures == 0 && Ratio(shot.vardek.median, base.median) <= 2 && shot.vardek.median < 30;
    PrintRow(shot);
    PrintRow({"restore " + name + " (vs BitBlt)", Summarize(restore), base, "", true});
    PrintRow({"redraw " + name + " (vs BitBlt)", Summarize(redraw), base, "", true});
    PrintRow({"  bare SetWindowRgn, whole " + name, Summarize(floors.whole), {}, "", true});
    PrintRow({"  bare SetWindowRgn, hole cut " + name, Summarize(floors.cut), {}, "", true});
    for (auto [what, times] : {std::pair{"restore ", &restore}, {"redraw ", &redraw}}) {
        Row row{what + name + " (vs BitBlt+Rgn)", Summarize(*times), floor, target ? "median <= 2x base" : ""};
        row.met = failures == 0 && Ratio(row.vardek.median, floor.median) <= 2;
        PrintRow(row);
    }
    PrintViewTarget("restores " + name, restoreWatch, watched);
    PrintViewTarget("redraws " + name + ", once shown", redrawWatch, watched);
    restoreAmiss.Print("restores " + name, restore.size());
    redrawAmiss.Print("redraws " + name, redraw.size());
    const double mpx = Megapixels(opening);
    char perArea[200];
    std::snprintf(perArea, sizeof perArea,
                  "%s, %.2f Mpx, median ms per Mpx: snapshot %.2f, restore %.2f, redraw %.2f, BitBlt %.2f, "
                  "SetWindowRgn whole %.2f",
                  name.c_str(), mpx, Summarize(snapshot).median / mpx, Summarize(restore).median / mpx,
                  Summarize(redraw).median / mpx, base.median / mpx, Summarize(floors.whole).median / mpx);
    PrintNote(perArea);
    PrintNote(name + " memory in the frame:       " + DescribeMemory(frame));
    PrintNote(name + " memory with a snapshot:    " + DescribeMemory(held));
    if (failures > 0) {
        PrintNote("clicks that never completed: " + std::to_string(failures));
    }
}

}  // namespace vardek::bench
