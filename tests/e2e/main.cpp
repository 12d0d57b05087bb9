// vardek-e2e: drives the real vardek.exe through real input on the desktop it shares with it.
//   vardek-e2e.exe --exe PATH\vardek.exe [--shots FOLDER]
//   With --dpi-suite DPI, --hostile, --soak N [--seed S] or --desk two|three it runs those instead of
//   the main suite.
// Prints one line per check and ends with "N passed, N failed"; exits non-zero on any failure.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "check.h"
#include "modes.h"
#include "screenshot.h"
#include "session.h"
#include "wide_readouts.h"

namespace {
// The soak's seed when none is given, so that every run repeats the last.
constexpr unsigned kDefaultSoakSeed = 20261207;
}  // namespace

int wmain(int argc, wchar_t** argv)
{
    // Bytes pass through untouched: the report is UTF-8 with "\n" line ends.
    _setmode(_fileno(stdout), _O_BINARY);
    // Work in physical pixels, as vardek.exe does.
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);

    e2e::Session session;
    int dpi = 0;
    bool hostile = false;
    int soakInputs = 0;
    unsigned soakSeed = kDefaultSoakSeed;
    std::wstring desk;
    for (int i = 1; i < argc; ++i) {
        const std::wstring option = argv[i];
        const wchar_t* value = i + 1 < argc ? argv[i + 1] : L"";
        if (option == L"--hostile") {
            hostile = true;
            continue;
        }
        if (option == L"--exe") {
            session.exePath = value;
        } else if (option == L"--shots") {
            e2e::SetScreenshotFolder(value);
        } else if (option == L"--dpi-suite") {
            dpi = _wtoi(value);
        } else if (option == L"--soak") {
            soakInputs = _wtoi(value);
        } else if (option == L"--desk") {
            desk = value;
        } else if (option == L"--seed") {
            soakSeed = static_cast<unsigned>(wcstoul(value, nullptr, 10));
        }
        ++i;
    }
    if (session.exePath.empty()) {
        std::fputs(
            "usage: vardek-e2e.exe --exe PATH\\vardek.exe [--shots FOLDER]\n"
            "         [--dpi-suite DPI] [--hostile] [--soak N [--seed S]] [--desk two|three]\n",
            stderr);
        return 2;
    }

    if (!desk.empty() || dpi > 0 || hostile || soakInputs > 0) {
        // Each run starts a program of its own.
        if (!desk.empty()) {
            e2e::DeskTests(session, desk);
            session.process.Kill();
        }
        if (hostile) {
            e2e::HostileTests(session);
        }
        if (soakInputs > 0) {
            e2e::Session soak;
            soak.exePath = session.exePath;
            e2e::SoakTests(soak, soakInputs, soakSeed);
            soak.process.Kill();
        }
        if (dpi > 0) {
            e2e::Session scaled;
            scaled.exePath = session.exePath;
            e2e::DpiSuite(scaled, dpi);
            scaled.process.Kill();
        }
    } else if (e2e::StartupTests(session)) {
        e2e::HoleTests(session);
        // Cancel runs before minimise: restoring runs the cancel itself, which would hide what a click changes.
        e2e::CancelTests(session);
        e2e::ResizeTests(session);
        e2e::MinimiseTests(session);
        e2e::HelpKeyTests(session);
        e2e::SnapshotTests(session);
        e2e::InputContextTests(session);
        e2e::ReadoutTests(session);
        e2e::RestoreAndCollectTests(session);
        e2e::RedrawTests(session);
        e2e::CollectionKeptTests(session);
        e2e::WideReadoutTests(session, L"");
        e2e::LoupeTests(session, L"");
        e2e::CloseTests(session);
    }
    session.process.Kill();

    e2e::Log("%d passed, %d failed", e2e::PassedCount(), e2e::FailedCount());
    return e2e::FailedCount() == 0 && e2e::PassedCount() > 0 ? 0 : 1;
}
