// Cost at rest and leaks: vardek's working set, its own live handle counts and (in the bench build)
// its own live heap after start-up, after the first snapshot, through many snapshot/cancel cycles and
// many restore cycles, and what each kind of cycle added; GetGuiResources is printed beside (Wine
// answers 0: not measured). From the first snapshot on the coordinate view lives as long as the
// program, so the counts after any number of cycles should be those after the first snapshot.
// A working set that grows while the program's heap and objects stay flat is growing in Wine or the
// system, not in the program. And the size of vardek.exe with the DLLs it imports.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "../../tests/e2e/support/desktop.h"
#include "../../tests/e2e/support/ruler.h"
#include "../common/pe_imports.h"
#include "recall.h"
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

bool SameHeap(const Counts& a, const Counts& b)
{
    return a.memory.heapBytes >= 0 && a.memory.heapBytes == b.memory.heapBytes &&
           a.memory.heapBlocks == b.memory.heapBlocks;
}

// Every checkpoint's counts (or heap) against those after the first snapshot: PASS, or MISS with
// the checkpoints that differ.
void PrintSameAsFirst(const char* what, const Counts& first, const std::vector<std::pair<std::string, Counts>>& later,
                      bool (*same)(const Counts&, const Counts&))
{
    int differ = 0;
    std::string firstDiffering;
    for (const auto& [when, counts] : later) {
        if (!same(first, counts) && differ++ == 0) {
            firstDiffering = when.substr(when.find_first_not_of(' '));
        }
    }
    std::printf("%s after every checkpoint equal to those after the first snapshot: %s", what,
                differ ? "MISS" : "PASS");
    if (differ > 0) {
        std::printf(" (%d of %zu differ, the first: %s)", differ, later.size(), firstDiffering.c_str());
    }
    std::printf("\n");
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
    // The first snapshot, let finish: from here on the view lives, and the counts should stay.
    int failures = 0;
    PostClick(bar.copy);
    failures += !WaitSnapshot(s);
    const Counts firstSnapshot = Read(s);
    PrintCounts("after the first snapshot", firstSnapshot);
    PostClick(bar.cancel);
    failures += !SpinUntil([&] { return HoleCut(s.ruler) && !CoordView(s); }, 10000);
    std::vector<std::pair<std::string, Counts>> checkpoints;
    auto checkpoint = [&](const std::string& when) {
        checkpoints.emplace_back(when, Read(s));
        PrintCounts(when, checkpoints.back().second);
        return checkpoints.back().second;
    };
    checkpoint("  then back in the frame");
    // Where the memory stands part of the way through each kind of cycle: a steady climb and a
    // step once at the start tell different stories.
    const int checkEvery = std::max(cycles / 5, 1);

    // "取り消し" is clicked as soon as the coordinate view shows, as a quick hand would: it may land
    // while "写す" still runs. Then a few cycles that let each snapshot finish first, for comparison.
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
            checkpoint("  ... " + std::to_string(i) + " snapshot/cancel");
        }
    }
    const Counts afterSnapshots = checkpoint("after " + std::to_string(cycles) + " snapshot/cancel");
    constexpr int kSettledCycles = 20;
    for (int i = 0; i < kSettledCycles && cycles > 0; ++i) {
        cycle(true);
    }
    const Counts afterSettled = checkpoint("after " + std::to_string(kSettledCycles) + " more, each settled");

    PostClick(bar.copy);
    WaitSnapshot(s);
    e2e::Activate(s.ruler);
    POINT p{0, 0};
    ClientToScreen(e2e::FindPicture(s.ruler), &p);
    e2e::PlacePointer({p.x + 60, p.y + 60});
    e2e::Key(VK_SPACE);
    e2e::Settle(s.ruler);
    const Counts beforeRestores = checkpoint("a snapshot with an origin");
    const HWND view = CoordView(s);
    const RECT place = view ? e2e::WindowRect(view) : RECT{};
    for (int i = 1; i <= cycles && IsWindowEnabled(bar.restore); ++i) {
        failures += TimeRecall(s, bar.restore, {place.left, place.top}, nullptr) < 0;
        if (i % checkEvery == 0 && i < cycles) {
            checkpoint("  ... " + std::to_string(i) + " restores");
        }
    }
    const Counts afterRestoresShown = checkpoint("after " + std::to_string(cycles) + " restores");
    CancelToFrame(s);
    const Counts afterRestores = checkpoint("  then back in the frame");

    std::printf("memory added by each kind of cycle:\n");
    PrintGrowth("start-up until the cycles", start.memory, before.memory);
    PrintGrowth(std::to_string(cycles) + " snapshot/cancel, cancel at once", before.memory, afterSnapshots.memory);
    PrintGrowth(std::to_string(kSettledCycles) + " snapshot/cancel, each settled", afterSnapshots.memory,
                afterSettled.memory);
    PrintGrowth("a snapshot and an origin", afterSettled.memory, beforeRestores.memory);
    PrintGrowth(std::to_string(cycles) + " restores", beforeRestores.memory, afterRestoresShown.memory);
    PrintGrowth("back to the frame", afterRestoresShown.memory, afterRestores.memory);
    PrintGrowth("all, from start-up to the end", start.memory, afterRestores.memory);

    std::printf("the counts they are held to, after the first snapshot:");
    for (int kind = 0; kind < 7; ++kind) {
        std::printf(" %d %s%s", firstSnapshot.live[kind], kKinds[kind], kind < 6 ? "," : "");
    }
    std::printf("; heap %.1f KB in %lld blocks\n", static_cast<double>(firstSnapshot.memory.heapBytes) / 1024.0,
                firstSnapshot.memory.heapBlocks);
    PrintSameAsFirst("live objects", firstSnapshot, checkpoints, SameCounts);
    if (firstSnapshot.memory.heapBytes >= 0) {
        PrintSameAsFirst("program heap (bytes and blocks)", firstSnapshot, checkpoints, SameHeap);
    }
    if (failures > 0) {
        std::printf("cycles that did not complete: %d\n", failures);
    }
    const double growth = Megabytes(afterRestores.memory.workingSet) - Megabytes(start.memory.workingSet);
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
