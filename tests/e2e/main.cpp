// vardek-e2e: drives the real vardek.exe through real input on the desktop it shares with it.
//   vardek-e2e.exe --exe PATH\vardek.exe [--shots FOLDER]
// Prints one line per check and ends with "N passed, N failed"; exits non-zero on any failure.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <string>

#include "check.h"
#include "screenshot.h"
#include "session.h"

int wmain(int argc, wchar_t** argv)
{
    // Bytes pass through untouched: the report is UTF-8 with "\n" line ends.
    _setmode(_fileno(stdout), _O_BINARY);
    // Work in physical pixels, as vardek.exe does.
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);

    e2e::Session session;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::wstring option = argv[i];
        if (option == L"--exe")
            session.exePath = argv[i + 1];
        else if (option == L"--shots")
            e2e::SetScreenshotFolder(argv[i + 1]);
    }
    if (session.exePath.empty()) {
        std::fputs("usage: vardek-e2e.exe --exe PATH\\vardek.exe [--shots FOLDER]\n", stderr);
        return 2;
    }

    if (e2e::StartupTests(session)) {
        e2e::HoleTests(session);
        // Cancel runs before minimise: restoring runs the cancel itself, which would hide what a click changes.
        e2e::CancelTests(session);
        e2e::ResizeTests(session);
        e2e::MinimiseTests(session);
        e2e::HelpKeyTests(session);
        e2e::SnapshotTests(session);
        e2e::ReadoutTests(session);
        e2e::RestoreAndCollectTests(session);
        e2e::RedrawTests(session);
        e2e::CloseTests(session);
    }
    session.process.Kill();

    e2e::Log("%d passed, %d failed", e2e::PassedCount(), e2e::FailedCount());
    return e2e::FailedCount() == 0 && e2e::PassedCount() > 0 ? 0 : 1;
}
