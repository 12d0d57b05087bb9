#!/usr/bin/env bash
# Runs the end-to-end tests on built trees: vardek.exe and its driver in one Wine virtual desktop
# on a private Xvfb screen. Screenshots go to build/screenshots/, the report to build/e2e.log.
# The last line is the driver's "N passed, N failed"; the exit status is non-zero on any failure.
#   VARDEK_EXE / VARDEK_E2E override the program and the driver (paths on this machine).
#   Arguments go to the driver (--dpi-suite DPI, --hostile, --soak N --seed S: other runs than the
#   main suite); VARDEK_E2E_LOG names the report, VARDEK_E2E_TIMEOUT the seconds allowed (300).
#   VARDEK_DESK=two|three runs on a real desk of several monitors (scripts/desk-env.sh) with Wine
#   straight on it, in a prefix of its own (scripts/desk.sh runs both suites there).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
desk="${VARDEK_DESK:-}"
if [[ -n "$desk" ]]; then
    # Never the Xvfb runs' prefix: its wineserver would hold windows on another X server.
    export VARDEK_WINEPREFIX="${VARDEK_DESK_WINEPREFIX:-$root/build/wineprefix-desk}"
fi
source "$root/scripts/wine-env.sh"
source "$root/scripts/desk-env.sh"

exe="${VARDEK_EXE:-$root/build/mingw/src/program/vardek.exe}"
driver="${VARDEK_E2E:-$root/build/mingw/tests/e2e/vardek-e2e.exe}"
shots="$root/build/screenshots"
log="${VARDEK_E2E_LOG:-$root/build/e2e.log}"
for file in "$exe" "$driver"; do
    [[ -f "$file" ]] || { echo "e2e: missing $file (run scripts/build.sh)" >&2; exit 1; }
done
# One run at a time in a prefix: a second run would join the first one's wineserver, whose desktop is
# on the other run's X screen, and its clean-up would end the first run's Wine. The lock's descriptor
# is closed for the programs started below, so that none of them keeps the lock after this script.
mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock -w 900 9 || { echo "e2e: another run holds $WINEPREFIX" >&2; exit 1; }
mkdir -p "$shots"
rm -f "$shots"/request-* "$log"

watcher=""
cleanup() {
    [[ -n "$watcher" ]] && kill "$watcher" 2>/dev/null || true
    vardek_stop
    vardek_stop_desk
}
trap cleanup EXIT

# The driver asks for a screenshot by creating request-NAME and waits until the file is gone; on a
# desk, request-xrandr-NAME asks for a monitor change instead, and the screenshot is desk-DESK-NAME.png.
watch_screenshots() {
    local request name
    while :; do
        for request in "$shots"/request-*; do
            [[ -e "$request" ]] || continue
            name="${request##*/request-}"
            if [[ "$name" == xrandr-* ]]; then
                [[ -n "$desk" ]] && vardek_run_xrandr_request "$request"
            else
                # A desk's screenshots stand beside the one-monitor run's, not over them.
                [[ -n "$desk" ]] && name="desk-$desk-$name"
                vardek_screenshot "$shots/$name.png" || echo "e2e: screenshot $name failed" >&2
            fi
            rm -f "$request"
        done
        sleep 0.1
    done
}

if [[ -n "$desk" ]]; then
    vardek_start_desk "$desk" 9>&-
    vardek_wine_prefix 9>&-
    vardek_desk_prefix 9>&-
else
    vardek_start_xvfb 9>&-
    vardek_wine_prefix 9>&-
fi
watch_screenshots 9>&- &
watcher=$!

# explorer /desktop runs the driver in a virtual desktop of the screen's size; the driver starts
# vardek.exe itself, so both share that desktop. The driver's console output reaches this pipe.
# On a desk there is no virtual desktop: Wine's windows are the X server's own, one per window.
status=0
launch=(wine explorer "/desktop=vardek-e2e,$VARDEK_SCREEN_SIZE")
[[ -n "$desk" ]] && launch=(wine)
timeout -k 10 "${VARDEK_E2E_TIMEOUT:-300}" "${launch[@]}" "$driver" \
    --exe "$(vardek_winpath "$exe")" --shots "$(vardek_winpath "$shots")" "$@" 2>&1 9>&- | tee "$log" || status=$?

summary="$(grep -aE '^[0-9]+ passed, [0-9]+ failed$' "$log" | tail -n 1 || true)"
if [[ -z "$summary" ]]; then
    echo "e2e: the driver gave no result (exit status $status: crashed or timed out)"
    exit 1
fi
[[ "$status" -eq 0 && "$summary" =~ ^[1-9][0-9]*\ passed,\ 0\ failed$ ]]
