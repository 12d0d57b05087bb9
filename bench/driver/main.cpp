// vardek-bench: measures vardek.exe beside a baseline program on the desktop they share and prints
// the figures, one row each, with the median, the 95th percentile, the baseline's and their ratio.
//   vardek-bench.exe --exe PATH\vardek.exe --baseline PATH\vardek-baseline.exe
//                    [--starts N] [--moves N] [--keys N] [--snapshots N] [--cycles N]
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <string>

#include "session.h"

int wmain(int argc, wchar_t** argv)
{
    using namespace vardek::bench;
    _setmode(_fileno(stdout), _O_BINARY);
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);

    Programs programs;
    int starts = 20, moves = 1000, keys = 100, snapshots = 20, cycles = 1000;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::wstring option = argv[i];
        const std::wstring value = argv[i + 1];
        if (option == L"--exe") {
            programs.vardek = value;
        } else if (option == L"--baseline") {
            programs.baseline = value;
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
        }
    }
    if (programs.vardek.empty() || programs.baseline.empty()) {
        std::fputs("usage: vardek-bench.exe --exe PATH\\vardek.exe --baseline PATH\\vardek-baseline.exe\n", stderr);
        return 2;
    }
    std::printf("desktop %d x %d\n", GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    PrintRowsHeader();
    StartupStage(programs, starts);

    Session session;
    if (!StartSession(session, programs)) {
        std::puts("the programs did not start: no further figures");
        session.vardek.Kill();
        session.baseline.Kill();
        return 1;
    }
    // The leak cycles first, so that they start from the counts and working set of a fresh start.
    LeakStage(session, cycles);
    std::puts("");
    PointerStage(session, moves);
    KeyStage(session, keys);
    SnapshotStage(session, snapshots);
    std::puts("");
    SizeStage(programs);
    session.vardek.Kill();
    session.baseline.Kill();
    std::puts("bench: done");
    return 0;
}
