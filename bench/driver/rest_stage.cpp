// Cost at rest and leaks: vardek's working set and its own live handle counts after start-up, after
// many snapshot/cancel cycles and after many restore cycles; GetGuiResources is printed beside
// (Wine answers 0: not measured). And the size of vardek.exe with the DLLs it imports.
#include <cstdio>
#include <fstream>
#include <iterator>

#include "../../tests/e2e/support/desktop.h"
#include "../../tests/e2e/support/ruler.h"
#include "../common/pe_imports.h"
#include "session.h"

namespace vardek::bench {
namespace {

constexpr const char* kKinds[7] = {"windows", "DCs", "bitmaps", "brushes", "pens", "fonts", "regions"};

struct Counts {
    int live[7] = {};
    DWORD gdi = 0;
    DWORD user = 0;
    SIZE_T workingSet = 0;
};

Counts Read(Session& s)
{
    e2e::Settle(s.ruler);
    Counts c;
    for (int kind = 0; kind < 7; ++kind) {
        c.live[kind] = LiveCount(s, kind);
    }
    if (HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, s.vardek.Id())) {
        c.gdi = GetGuiResources(process, GR_GDIOBJECTS);
        c.user = GetGuiResources(process, GR_USEROBJECTS);
        CloseHandle(process);
    }
    c.workingSet = WorkingSet(s.vardek);
    return c;
}

bool WaitSnapshot(Session& s)
{
    return SpinUntil([&] { return !HoleCut(s.ruler) && CoordView(s); }, 10000);
}

void PrintCounts(const char* when, const Counts& c)
{
    std::printf("%-30s", when);
    for (int value : c.live) {
        std::printf(" %8d", value);
    }
    std::printf(" | %6lu %6lu | %8.1f MB\n", static_cast<unsigned long>(c.gdi), static_cast<unsigned long>(c.user),
                static_cast<double>(c.workingSet) / (1024.0 * 1024.0));
    std::fflush(stdout);
}

bool SameCounts(const Counts& a, const Counts& b)
{
    for (int kind = 0; kind < 7; ++kind) {
        if (a.live[kind] != b.live[kind] || a.live[kind] < 0) {
            return false;
        }
    }
    return true;
}

// A DLL that ships with Windows lies in the system folder (Wine keeps its builtin ones there too).
bool IsSystemDll(const std::string& name)
{
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return false;
    }
    const std::wstring path = std::wstring(folder) + L"\\" + std::wstring(name.begin(), name.end());
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

void LeakStage(Session& s, int cycles)
{
    // At the size and place the ruler starts with: a resize would load the coordinate view early,
    // and the counts would no longer compare with those of the start.
    const e2e::RulerBar bar = e2e::FindBar(s.ruler);
    std::printf("%-30s", "live objects");
    for (const char* kind : kKinds) {
        std::printf(" %8s", kind);
    }
    std::printf(" | %6s %6s | working set\n", "GDI", "USER");
    Counts start;
    std::copy(std::begin(s.startCounts), std::end(s.startCounts), start.live);
    start.workingSet = s.startWorkingSet;
    PrintCounts("after start-up", start);
    const Counts before = Read(s);
    PrintCounts("before the cycles", before);

    // "取り消し" is clicked as soon as the coordinate view shows, as a quick hand would: it may land
    // while "写す" still runs. Then a few cycles that let each snapshot finish first, for comparison.
    int failures = 0;
    auto cycle = [&](bool settle) {
        PostClick(bar.copy);
        failures += !WaitSnapshot(s);
        if (settle) {
            e2e::Settle(s.ruler);
        }
        PostClick(bar.cancel);
        failures += !SpinUntil([&] { return HoleCut(s.ruler) && !CoordView(s); }, 10000);
    };
    for (int i = 0; i < cycles; ++i) {
        cycle(false);
    }
    const Counts afterSnapshots = Read(s);
    PrintCounts(("after " + std::to_string(cycles) + " snapshot/cancel").c_str(), afterSnapshots);
    constexpr int kSettledCycles = 20;
    for (int i = 0; i < kSettledCycles && cycles > 0; ++i) {
        cycle(true);
    }
    PrintCounts(("after " + std::to_string(kSettledCycles) + " more, each settled").c_str(), Read(s));

    PostClick(bar.copy);
    WaitSnapshot(s);
    e2e::Activate(s.ruler);
    POINT p{0, 0};
    ClientToScreen(e2e::FindPicture(s.ruler), &p);
    e2e::PlacePointer({p.x + 60, p.y + 60});
    e2e::Key(VK_SPACE);
    e2e::Settle(s.ruler);
    for (int i = 0; i < cycles && IsWindowEnabled(bar.restore); ++i) {
        const HWND view = CoordView(s);
        PostClick(bar.restore);
        failures += !SpinUntil(
            [&] {
                const HWND now = CoordView(s);
                return now && now != view && !IsWindowEnabled(bar.redraw) && !HoleCut(s.ruler);
            },
            10000);
    }
    CancelToFrame(s);
    const Counts afterRestores = Read(s);
    PrintCounts(("after " + std::to_string(cycles) + " restores (frame)").c_str(), afterRestores);

    const bool steady = SameCounts(before, afterSnapshots) && SameCounts(before, afterRestores) &&
                        SameCounts(start, before) && failures == 0;
    const double growth =
        (static_cast<double>(afterRestores.workingSet) - static_cast<double>(start.workingSet)) / (1024.0 * 1024.0);
    std::printf("live objects back to their start-up values: %s%s\n", steady ? "PASS" : "MISS",
                failures ? (" (" + std::to_string(failures) + " cycles did not complete)").c_str() : "");
    std::printf("working set growth %.2f MB (target < 1 MB): %s\n", growth,
                start.workingSet && afterRestores.workingSet && growth < 1.0 ? "PASS" : "MISS");
    std::fflush(stdout);
}

void SizeStage(const Programs& programs)
{
    std::ifstream file(programs.vardek.c_str(), std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    const double megabytes = static_cast<double>(bytes.size()) / (1024.0 * 1024.0);
    std::printf("vardek.exe size %zu bytes (%.2f MB, target < 1.5 MB): %s\n", bytes.size(), megabytes,
                !bytes.empty() && megabytes < 1.5 ? "PASS" : "MISS");
    const auto dlls = ImportedDlls(bytes);
    if (!dlls) {
        std::printf("imports: the import table could not be read: MISS\n");
        return;
    }
    bool allSystem = true;
    std::printf("imports:");
    for (const std::string& dll : *dlls) {
        const bool system = IsSystemDll(dll);
        allSystem = allSystem && system;
        std::printf(" %s%s", dll.c_str(), system ? "" : " (NOT a system DLL)");
    }
    std::printf("\nimports only system DLLs: %s\n", allSystem && !dlls->empty() ? "PASS" : "MISS");
    std::fflush(stdout);
}

}  // namespace vardek::bench
