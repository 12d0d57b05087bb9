#!/usr/bin/env bash
# Runs the end-to-end checks at another display scaling (144 DPI, 150 %, unless VARDEK_DPI says
# otherwise): a Wine prefix of its own whose LogPixels is that DPI, and the driver's --dpi-suite,
# which computes every expectation from the DPI. The report goes to build/e2e-dpi.log.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
dpi="${VARDEK_DPI:-144}"
export VARDEK_WINEPREFIX="${VARDEK_DPI_WINEPREFIX:-$root/build/wineprefix-$dpi}"
source "$root/scripts/wine-env.sh"

# Wine reads the DPI from the user's desktop settings; the hardware profile's value is the one that
# Windows keeps as well, so both say the same.
write_dpi_reg() {
    local hex
    hex="$(printf '%08x' "$dpi")"
    {
        printf '\xef\xbb\xbf'
        printf 'Windows Registry Editor Version 5.00\r\n\r\n'
        printf '[HKEY_CURRENT_USER\\Control Panel\\Desktop]\r\n"LogPixels"=dword:%s\r\n\r\n' "$hex"
        printf '[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Hardware Profiles\\Current\\Software\\Fonts]\r\n'
        printf '"LogPixels"=dword:%s\r\n\r\n' "$hex"
    } | iconv -f UTF-8 -t UTF-16LE >"$1"
}

stamp="$WINEPREFIX/.vardek-dpi-$dpi"
if [[ ! -f "$stamp" ]]; then
    trap vardek_stop EXIT
    vardek_start_xvfb
    vardek_wine_prefix
    reg="$WINEPREFIX/vardek-dpi.reg"
    write_dpi_reg "$reg"
    timeout 60 wine regedit /S "$(vardek_winpath "$reg")" >/dev/null 2>&1 ||
        { echo "e2e-dpi: regedit failed" >&2; exit 1; }
    timeout 60 wineserver -w || true
    vardek_stop
    trap - EXIT
    rm -f "$WINEPREFIX"/.vardek-dpi-*
    touch "$stamp"
fi

export VARDEK_E2E_LOG="${VARDEK_E2E_LOG:-$root/build/e2e-dpi.log}"
exec bash "$root/scripts/e2e.sh" --dpi-suite "$dpi"
