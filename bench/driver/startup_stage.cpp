// Start-up: from process creation to the ruler window visible with its see-through hole cut, beside
// the baseline's time to its window visible. The two programs take turns, so drift in the machine's
// load falls on both alike.
#include "../../tests/e2e/support/desktop.h"
#include "../../tests/e2e/support/ruler.h"
#include "bench.h"

namespace vardek::bench {
namespace {

// One start, in milliseconds; negative if the window never came. Where shown is given, it gets the
// time to the first step (the window visible) on the way to ready.
double TimeStart(const std::wstring& exe, const std::function<bool(DWORD pid)>& ready, double* shown = nullptr)
{
    e2e::Process process;
    const double start = NowMs();
    if (!process.Start(exe)) {
        return -1;
    }
    if (shown) {
        SpinUntil([&] { return VisibleWindowTitled(process.Id(), e2e::kRulerTitle.c_str()) != nullptr; }, 15000);
        *shown = NowMs() - start;
    }
    const bool ok = SpinUntil([&] { return ready(process.Id()); }, 15000);
    const double elapsed = NowMs() - start;
    process.Kill();
    // Let the system finish tearing the windows down before the next start.
    e2e::Pause(100);
    return ok ? elapsed : -1;
}

bool BaselineReady(DWORD pid)
{
    return VisibleWindowTitled(pid, L"Vardek Baseline") != nullptr;
}

bool RulerReady(DWORD pid)
{
    HWND ruler = VisibleWindowTitled(pid, e2e::kRulerTitle.c_str());
    return ruler && HasRegion(ruler);
}

}  // namespace

void StartupStage(const Programs& programs, int repetitions)
{
    // The first starts load the programs' pages and Wine's DLLs into the cache: not counted.
    TimeStart(programs.vardek, RulerReady);
    TimeStart(programs.baseline, BaselineReady);
    std::vector<double> vardek, shown, baseline;
    int failures = 0;
    for (int i = 0; i < repetitions; ++i) {
        double visible = 0;
        const double v = TimeStart(programs.vardek, RulerReady, &visible);
        shown.push_back(visible);
        const double b = TimeStart(programs.baseline, BaselineReady);
        v >= 0 ? vardek.push_back(v) : void(++failures);
        b >= 0 ? baseline.push_back(b) : void(++failures);
    }
    Row row{"start-up to window (hole cut)", Summarize(vardek), Summarize(baseline), "median <= 1.3x base"};
    row.met = failures == 0 && Ratio(row.vardek.median, row.baseline.median) <= 1.3;
    PrintRow(row);
    PrintRow({"  of which to the ruler visible", Summarize(shown), row.baseline, "", true});
    if (failures > 0) {
        PrintNote("start-ups that never showed their window: " + std::to_string(failures));
    }
}

}  // namespace vardek::bench
