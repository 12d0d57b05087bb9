// vardek-bench: measures vardek.exe beside a baseline program on the desktop they share and prints
// the figures, one row each, with the median, the 95th percentile, the baseline's and their ratio.
//   vardek-bench.exe --exe PATH\vardek.exe --baseline PATH\vardek-baseline.exe
//                    [--baseline-manifest PATH\vardek-baseline-manifest.exe]
//                    [--baseline-readouts PATH\vardek-baseline-readouts.exe]
//                    [--starts N] [--moves N] [--keys N] [--snapshots N] [--cycles N] [--views N]
//                    [--openings WxH,WxH...] [--stages startup,leak,pointer,keys,snapshot,view,size]
// The openings are those the snapshot stage runs at, each on the desktop the driver runs in; a
// larger one needs a larger desktop, and so a run of its own with --stages snapshot.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "session.h"

namespace {

std::vector<std::wstring> SplitList(const std::wstring& list)
{
    std::vector<std::wstring> items;
    std::wstringstream stream(list);
    std::wstring item;
    while (std::getline(stream, item, L',')) {
        if (!item.empty()) {
            items.push_back(item);
        }
    }
    return items;
}

// "1600x900"; an opening of 0 x 0 when the text is not of that shape.
SIZE ParseOpening(const std::wstring& text)
{
    const std::size_t x = text.find(L'x');
    if (x == std::wstring::npos) {
        return {0, 0};
    }
    return {std::stoi(text.substr(0, x)), std::stoi(text.substr(x + 1))};
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    using namespace vardek::bench;
    _setmode(_fileno(stdout), _O_BINARY);
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);

    Programs programs;
    int starts = 20, moves = 1000, keys = 100, snapshots = 20, cycles = 1000, views = 20;
    std::vector<SIZE> openings = {{800, 600}, {1600, 900}};
    std::vector<std::wstring> stages = {L"startup", L"leak", L"pointer", L"keys", L"snapshot", L"view", L"size"};
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::wstring option = argv[i];
        const std::wstring value = argv[i + 1];
        if (option == L"--exe") {
            programs.vardek = value;
        } else if (option == L"--baseline") {
            programs.baseline = value;
        } else if (option == L"--baseline-manifest") {
            programs.baselineManifest = value;
        } else if (option == L"--baseline-readouts") {
            programs.baselineReadouts = value;
        } else if (option == L"--views") {
            views = std::stoi(value);
        } else if (option == L"--starts") {
            starts = std::stoi(value);
        } else if (option == L"--moves") {
            moves = std::stoi(value);
        } else if (option == L"--keys") {
            keys = std::stoi(value);
        } else if (option == L"--snapshots") {
            snapshots = std::stoi(value);
        } else if (option == L"--cycles") {
            cycles = std::stoi(value);
        } else if (option == L"--openings") {
            openings.clear();
            for (const std::wstring& item : SplitList(value)) {
                openings.push_back(ParseOpening(item));
            }
        } else if (option == L"--stages") {
            stages = SplitList(value);
        }
    }
    if (programs.vardek.empty() || programs.baseline.empty()) {
        std::fputs("usage: vardek-bench.exe --exe PATH\\vardek.exe --baseline PATH\\vardek-baseline.exe\n", stderr);
        return 2;
    }
    auto runs = [&](const wchar_t* stage) {
        for (const std::wstring& s : stages) {
            if (s == stage) {
                return true;
            }
        }
        return false;
    };

    std::printf("desktop %d x %d\n", GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    PrintRowsHeader();
    if (runs(L"startup")) {
        StartupStage(programs, starts);
    }

    if (runs(L"leak") || runs(L"pointer") || runs(L"keys") || runs(L"snapshot") || runs(L"view")) {
        Session session;
        if (!StartSession(session, programs)) {
            std::puts("the programs did not start: no further figures");
            EndSession(session);
            return 1;
        }
        // The leak cycles first, so that they start from the counts and working set of a fresh start.
        if (runs(L"leak")) {
            LeakStage(session, cycles);
            std::puts("");
        }
        if (runs(L"pointer")) {
            PointerStage(session, moves);
        }
        if (runs(L"keys")) {
            KeyStage(session, keys);
        }
        if (runs(L"snapshot")) {
            for (const SIZE opening : openings) {
                SnapshotStage(session, opening, snapshots);
            }
        }
        if (runs(L"view")) {
            ViewStage(session, views);
        }
        std::puts("");
        EndSession(session);
    }
    if (runs(L"size")) {
        SizeStage(programs);
    }
    std::puts("bench: done");
    return 0;
}
