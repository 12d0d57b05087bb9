// Cost at rest and leaks: vardek's working set, its own live handle counts and (in the bench build)
// its own live heap after start-up, through many snapshot/cancel cycles and many restore cycles, and
// what each kind of cycle added; GetGuiResources is printed beside (Wine answers 0: not measured).
// A working set that grows while the program's heap and objects stay flat is growing in Wine or the
// system, not in the program. And the size of vardek.exe with the DLLs it imports.
#include <algorithm>
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
    Memory memory;
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
    c.memory = ReadMemory(s);
    return c;
}

bool WaitSnapshot(Session& s)
{
    return SpinUntil([&] { return !HoleCut(s.ruler) && CoordView(s); }, 10000);
}

void PrintCountsHeader()
{
    std::printf("%-34s", "live objects");
    for (const char* kind : kKinds) {
        std::printf(" %8s", kind);
    }
    std::printf(" | %6s %6s | %11s %13s %14s\n", "GDI", "USER", "working set", "heap", "heap blocks");
}

void PrintCounts(const std::string& when, const Counts& c)
{
    std::printf("%-34s", when.c_str());
    for (int value : c.live) {
        std::printf(" %8d", value);
    }
    std::printf(" | %6lu %6lu | %s\n", static_cast<unsigned long>(c.gdi), static_cast<unsigned long>(c.user),
                DescribeMemory(c.memory).c_str());
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

double Megabytes(SIZE_T bytes)
{
    return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

// What one kind of cycle added: to the working set, and to the program's own heap.
void PrintGrowth(const std::string& what, const Memory& from, const Memory& to)
{
    std::printf("  %-46s working set %+7.2f MB", what.c_str(), Megabytes(to.workingSet) - Megabytes(from.workingSet));
    if (from.heapBytes >= 0 && to.heapBytes >= 0) {
        std::printf("   heap %+10.1f KB %+7lld blocks", static_cast<double>(to.heapBytes - from.heapBytes) / 1024.0,
                    to.heapBlocks - from.heapBlocks);
    }
    std::printf("\n");
    std::fflush(stdout);
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
    PrintCountsHeader();
    Counts start;
    std::copy(std::begin(s.startCounts), std::end(s.startCounts), start.live);
    start.memory = s.startMemory;
    PrintCounts("after start-up", start);
    const Counts before = Read(s);
    PrintCounts("before the cycles", before);
    // Where the memory stands part of the way through each kind of cycle: a steady climb and a
    // step once at the start tell different stories.
    const int checkEvery = std::max(cycles / 5, 1);

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
    for (int i = 1; i <= cycles; ++i) {
        cycle(false);
        if (i % checkEvery == 0 && i < cycles) {
            PrintCounts("  ... " + std::to_string(i) + " snapshot/cancel", Read(s));
        }
    }
    const Counts afterSnapshots = Read(s);
    PrintCounts("after " + std::to_string(cycles) + " snapshot/cancel", afterSnapshots);
    constexpr int kSettledCycles = 20;
    for (int i = 0; i < kSettledCycles && cycles > 0; ++i) {
        cycle(true);
    }
    const Counts afterSettled = Read(s);
    PrintCounts("after " + std::to_string(kSettledCycles) + " more, each settled", afterSettled);

    PostClick(bar.copy);
    WaitSnapshot(s);
    e2e::Activate(s.ruler);
    POINT p{0, 0};
    ClientToScreen(e2e::FindPicture(s.ruler), &p);
    e2e::PlacePointer({p.x + 60, p.y + 60});
    e2e::Key(VK_SPACE);
    e2e::Settle(s.ruler);
    const Counts beforeRestores = Read(s);
    PrintCounts("a snapshot with an origin", beforeRestores);
    for (int i = 1; i <= cycles && IsWindowEnabled(bar.restore); ++i) {
        const HWND view = CoordView(s);
        PostClick(bar.restore);
        failures += !SpinUntil(
            [&] {
                const HWND now = CoordView(s);
                return now && now != view && !IsWindowEnabled(bar.redraw) && !HoleCut(s.ruler);
            },
            10000);
        if (i % checkEvery == 0 && i < cycles) {
            PrintCounts("  ... " + std::to_string(i) + " restores", Read(s));
        }
    }
    const Counts afterRestoresShown = Read(s);
    PrintCounts("after " + std::to_string(cycles) + " restores", afterRestoresShown);
    CancelToFrame(s);
    const Counts afterRestores = Read(s);
    PrintCounts("  then back in the frame", afterRestores);

    std::printf("memory added by each kind of cycle:\n");
    PrintGrowth("start-up until the cycles", start.memory, before.memory);
    PrintGrowth(std::to_string(cycles) + " snapshot/cancel, cancel at once", before.memory, afterSnapshots.memory);
    PrintGrowth(std::to_string(kSettledCycles) + " snapshot/cancel, each settled", afterSnapshots.memory,
                afterSettled.memory);
    PrintGrowth("a snapshot and an origin", afterSettled.memory, beforeRestores.memory);
    PrintGrowth(std::to_string(cycles) + " restores", beforeRestores.memory, afterRestoresShown.memory);
    PrintGrowth("back to the frame", afterRestoresShown.memory, afterRestores.memory);
    PrintGrowth("all, from start-up to the end", start.memory, afterRestores.memory);

    const bool steady = SameCounts(before, afterSnapshots) && SameCounts(before, afterRestores) &&
                        SameCounts(start, before) && failures == 0;
    const double growth = Megabytes(afterRestores.memory.workingSet) - Megabytes(start.memory.workingSet);
    std::printf("live objects back to their start-up values: %s%s\n", steady ? "PASS" : "MISS",
                failures ? (" (" + std::to_string(failures) + " cycles did not complete)").c_str() : "");
    std::printf("working set growth %.2f MB (target < 1 MB): %s\n", growth,
                start.memory.workingSet && afterRestores.memory.workingSet && growth < 1.0 ? "PASS" : "MISS");
    if (start.memory.heapBytes >= 0 && afterRestores.memory.heapBytes >= 0) {
        const long long heapGrowth = afterRestores.memory.heapBytes - start.memory.heapBytes;
        std::printf("program heap growth %.1f KB in %lld blocks, of the working set's %.2f MB\n",
                    static_cast<double>(heapGrowth) / 1024.0, afterRestores.memory.heapBlocks - start.memory.heapBlocks,
                    growth);
    } else {
        std::printf("program heap: not counted by this build of vardek.exe\n");
    }
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
