# Sourced by the other scripts: a private Wine prefix under build/, Japanese fonts for it,
# and a virtual X display when there is none.
#   source scripts/wine-env.sh
#   vardek_wine_prefix            # create the prefix once (idempotent)
#   vardek_start_xvfb             # start Xvfb, export DISPLAY (records VARDEK_XVFB_PID)
#   vardek_stop                   # stop this prefix's wineserver and our Xvfb

VARDEK_ROOT="${VARDEK_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}"
# Our own prefix, never the user's ~/.wine: it gets font settings written into it.
export WINEPREFIX="${VARDEK_WINEPREFIX:-$VARDEK_ROOT/build/wineprefix}"
export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko: their install prompts would block an unattended run.
export WINEDLLOVERRIDES="mscoree,mshtml="
VARDEK_SCREEN_SIZE="${VARDEK_SCREEN_SIZE:-1280x1024}"
VARDEK_XVFB_PID=""

# A Windows path (Z: maps to /) for a Unix path, without starting Wine.
vardek_winpath() {
    local abs
    abs="$(realpath -m "$1")"
    printf 'Z:%s' "${abs//\//\\}"
}

# Writes the registry settings that the prefix needs: captions in Japanese need a CJK font in place
# of the fonts the program asks for.
vardek_write_fonts_reg() {
    local out="$1" font="Noto Sans CJK JP"
    {
        printf '\xef\xbb\xbf'  # UTF-8 BOM, becomes the UTF-16 BOM after iconv
        printf 'Windows Registry Editor Version 5.00\r\n\r\n'
        printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
        local name
        for name in "Tahoma" "MS UI Gothic" "ＭＳ Ｐゴシック" "MS PGothic" "ＭＳ ゴシック" "MS Gothic"; do
            printf '"%s"="%s"\r\n' "$name" "$font"
        done
        printf '\r\n'
    } | iconv -f UTF-8 -t UTF-16LE >"$out"
}

vardek_wine_prefix() {
    local stamp="$WINEPREFIX/.vardek-prefix-v2"
    [[ -f "$stamp" ]] && return 0
    echo "wine-env: creating Wine prefix $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    timeout 180 wineboot -i >/dev/null 2>&1 || { echo "wine-env: wineboot failed" >&2; return 1; }
    # Debian's Wine does not find its own Marlett, and the caption buttons then show as "0 1 r".
    local marlett=/usr/share/wine/fonts/marlett.ttf
    [[ -f "$marlett" ]] && cp "$marlett" "$WINEPREFIX/drive_c/windows/Fonts/"
    local reg="$WINEPREFIX/vardek-fonts.reg"
    vardek_write_fonts_reg "$reg"
    timeout 60 wine regedit /S "$(vardek_winpath "$reg")" >/dev/null 2>&1 ||
        { echo "wine-env: regedit failed" >&2; return 1; }
    timeout 60 wineserver -w || true
    touch "$stamp"
}

# Starts Xvfb on a free display (Xvfb picks it and reports it through -displayfd) and exports DISPLAY.
vardek_start_xvfb() {
    local fifo_dir numfile
    fifo_dir="$(mktemp -d)"
    numfile="$fifo_dir/display"
    Xvfb -displayfd 3 -screen 0 "${VARDEK_SCREEN_SIZE}x24" -nolisten tcp -noreset 3>"$numfile" >/dev/null 2>&1 &
    VARDEK_XVFB_PID=$!
    local i
    for ((i = 0; i < 100; i++)); do
        if [[ -s "$numfile" ]] && grep -q '^[0-9]' "$numfile"; then
            export DISPLAY=":$(head -n1 "$numfile" | tr -d '[:space:]')"
            rm -rf "$fifo_dir"
            echo "wine-env: Xvfb on $DISPLAY (pid $VARDEK_XVFB_PID)"
            return 0
        fi
        kill -0 "$VARDEK_XVFB_PID" 2>/dev/null || break
        sleep 0.1
    done
    rm -rf "$fifo_dir"
    echo "wine-env: Xvfb did not start" >&2
    return 1
}

vardek_stop() {
    timeout 20 wineserver -k >/dev/null 2>&1 || true
    if [[ -n "$VARDEK_XVFB_PID" ]]; then
        kill "$VARDEK_XVFB_PID" 2>/dev/null || true
        wait "$VARDEK_XVFB_PID" 2>/dev/null || true
        VARDEK_XVFB_PID=""
    fi
}

# Takes a screenshot of the whole X screen.
vardek_screenshot() {
    mkdir -p "$(dirname "$1")"
    timeout 30 import -display "$DISPLAY" -window root "$1"
}
