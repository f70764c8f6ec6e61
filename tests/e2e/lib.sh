# Helpers of the end-to-end tests: a virtual display, a Wine prefix with a
# virtual desktop, VNL.exe and the probe installed in it, and checks of what
# a user would see. Sourced by run.sh.

E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
REPO=$(cd "$E2E_DIR/../.." && pwd)
: "${BUILD_WIN32:=$REPO/build/win32}"
: "${E2E_WORK:=$REPO/build/e2e}"
OUT="$E2E_WORK/out"
VNL_DIR_WIN='C:\vnl'
VNL_EXE_WIN='C:\vnl\VNL.exe'

# The notification icon on a 1024x768 desktop with one icon.
ICON_X=1013
ICON_Y=758

PASSES=0
FAILURES=0
FAILED_CHECKS=()
CURRENT_TEST=""

log() { printf '%s\n' "$*" >&2; }

# ---- checks -------------------------------------------------------------

pass() {
    PASSES=$((PASSES + 1))
    log "  ok   $1"
}

fail() {
    FAILURES=$((FAILURES + 1))
    FAILED_CHECKS+=("$CURRENT_TEST: $1")
    log "  FAIL $1"
}

# expect_eq WHAT WANT GOT
expect_eq() {
    if [[ "$2" == "$3" ]]; then pass "$1"; else fail "$1: want [$2], got [$3]"; fi
}

expect_ne() {
    if [[ "$2" != "$3" ]]; then pass "$1"; else fail "$1: did not want [$2]"; fi
}

# expect WHAT COMMAND...: the command succeeds.
expect() {
    local what=$1
    shift
    if "$@"; then pass "$what"; else fail "$what"; fi
}

# ---- the rig ------------------------------------------------------------

start_display() {
    local fdfile="$E2E_WORK/display.txt"
    : >"$fdfile"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fdfile" >"$E2E_WORK/xvfb.log" 2>&1 &
    XVFB_PID=$!
    within 10 test -s "$fdfile" || { log "Xvfb did not start"; return 1; }
    export DISPLAY=":$(head -n1 "$fdfile")"
    log "display $DISPLAY"
}

start_wine() {
    export WINEPREFIX="$E2E_WORK/prefix" WINEDEBUG=-all LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
    rm -rf "$WINEPREFIX"
    log "making the Wine prefix"
    # Without a display, so that no desktop is started before the virtual
    # desktop is configured: every program then runs in one virtual desktop
    # with a taskbar.
    (
        unset DISPLAY
        wineboot -i >/dev/null 2>&1 </dev/null
        wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
        wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
        wineserver -w
    )
    mkdir -p "$WINEPREFIX/drive_c/vnl"
    cp "$BUILD_WIN32/VNL.exe" "$BUILD_WIN32/probe.exe" "$WINEPREFIX/drive_c/vnl/"
    VNL_DIR="$WINEPREFIX/drive_c/vnl"
    C_DRIVE="$WINEPREFIX/drive_c"
}

e2e_start() {
    mkdir -p "$E2E_WORK" "$OUT"
    start_wine
    start_display || return 1
    # The desktop lives as long as a window does; one hidden window keeps it
    # from closing and opening again between tests.
    wine 'C:\vnl\probe.exe' keep </dev/null >/dev/null 2>&1 &
    probe wait STATIC 30 >/dev/null
    sleep 2
}

e2e_stop() {
    [[ -n "${WINEPREFIX:-}" ]] && wineserver -k >/dev/null 2>&1
    [[ -n "${XVFB_PID:-}" ]] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
    XVFB_PID=""
}

# ---- the program and the probe -------------------------------------------

# probe ARGS...: runs the probe in the desktop; its output in UTF-8.
probe() {
    local status
    wine 'C:\vnl\probe.exe' "$@" </dev/null 2>/dev/null | tr -d '\r' | iconv -f cp932 -t utf-8
    status=${PIPESTATUS[0]}
    return "$status"
}

# vnl ARGS...: runs VNL.exe to its end; its exit code is ours.
vnl() {
    (cd "$VNL_DIR" && wine "$VNL_EXE_WIN" "$@" </dev/null >>"$OUT/vnl.log" 2>&1)
}

# Starts the resident program and waits for its window.
vnl_start() {
    rm -f "$E2E_WORK/vnl.rc"
    (cd "$VNL_DIR" && wine "$VNL_EXE_WIN" </dev/null >>"$OUT/vnl.log" 2>&1; echo $? >"$E2E_WORK/vnl.rc") &
    VNL_PID=$!
    probe wait TFVNL 30 >/dev/null
}

# vnl_exit_code [SECONDS]: waits for the resident program to end and prints
# its exit code, or "running" when it did not end in time.
vnl_exit_code() {
    if within "${1:-15}" test -s "$E2E_WORK/vnl.rc"; then cat "$E2E_WORK/vnl.rc"; else echo running; fi
}

# Ends a resident program a test left behind, through the probe's end of
# session, so that it still writes what it writes on the way out.
vnl_stop() {
    if probe wait TFVNL 0 >/dev/null; then
        probe query-end-session >/dev/null
        probe gone TFVNL 10 >/dev/null || true
    fi
    [[ -n "${VNL_PID:-}" ]] && wait "$VNL_PID" 2>/dev/null
    VNL_PID=""
}

# ---- the user's side: mouse, keys, screen, clipboard, registry ----------------

# Presses the right button on the icon and waits for the menu. Keys reach the
# window under the pointer, so the pointer then moves onto the menu's last
# item, which opens no submenu.
open_menu() {
    xdotool mousemove "$ICON_X" "$ICON_Y" click 3
    local left top right bottom
    read -r left top right bottom < <(probe rect '#32768') || return 1
    xdotool mousemove $((left + 30)) $((bottom - 10))
}

# menu_keys KEY...: keys for the open menu.
menu_keys() {
    sleep 0.3
    xdotool key --delay 250 "$@"
    probe hidden '#32768' 5 >/dev/null
}

screenshot() {
    local file="$OUT/$1.png"
    import -window root "$file"
    echo "$file"
}

# pixel FILE X Y: the colour as RRGGBB.
pixel() {
    convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- | tail -n1 | grep -o '#[0-9A-Fa-f]\{6\}' | tr -d '#' | tr a-f A-F
}

# colours FILE WxH+X+Y: how many distinct colours the area holds.
colours() {
    convert "$1" -crop "$2" +repage -format '%k' info:
}

clip_set() {
    printf '%s' "$1" | xclip -selection clipboard -i
}

clip_set_file() {
    xclip -selection clipboard -i <"$1"
}

clip_get() {
    xclip -selection clipboard -o 2>/dev/null
}

# The text as the Windows side holds it (CF_TEXT), in hex; hex_of gives the
# same for a UTF-8 text.
clip_hex() { probe clip-hex; }
hex_of() { printf '%s' "$1" | iconv -f utf-8 -t cp932 | od -An -tx1 -v | tr -d ' \n'; }

# within SECONDS COMMAND...: until the command succeeds, tried five times a
# second.
within() {
    local limit=$1
    shift
    for _ in $(seq $((limit * 5))); do
        "$@" && return 0
        sleep 0.2
    done
    return 1
}

clip_is() { [[ "$(clip_get)" == "$1" ]]; }
clip_hex_is() { [[ "$(clip_hex)" == "$1" ]]; }

# until_clip TEXT [SECONDS]: until the X clipboard holds TEXT (the program's
# writes reach X a moment later).
until_clip() { within "${2:-10}" clip_is "$1"; }

# until_windows_clip TEXT [SECONDS]: until Windows holds TEXT, which it takes
# from X a moment after it was set there, with its line ends as CR LF.
until_windows_clip() { within "${2:-10}" clip_hex_is "$(hex_of "${1//$'\n'/$'\r\n'}")"; }

# reg_value KEY NAME: the data of one value as `reg query` shows it.
reg_value() {
    wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | iconv -f cp932 -t utf-8 |
        awk -v name="$2" '$1 == name { $1 = ""; $2 = ""; sub(/^ +/, ""); print }'
}

reg_dword() { wine reg add "$1" /v "$2" /t REG_DWORD /d "$3" /f >/dev/null 2>&1; }
reg_sz() { wine reg add "$1" /v "$2" /t REG_SZ /d "$3" /f >/dev/null 2>&1; }
reg_delete_key() { wine reg delete "$1" /f >/dev/null 2>&1 || true; }

# ---- running the tests ---------------------------------------------------------

run_test() {
    CURRENT_TEST=$1
    log "== $1"
    "$1" || fail "$1 stopped early"
    vnl_stop
}

summary() {
    log ""
    log "end-to-end: $PASSES checks passed, $FAILURES failed"
    for f in "${FAILED_CHECKS[@]}"; do log "  FAILED: $f"; done
    [[ $FAILURES -eq 0 ]]
}
