#!/usr/bin/env bash
# Builds VNL.exe and runs it. On Windows it starts the program itself. On
# Linux it runs it under Wine in a virtual desktop of its own prefix; without
# a display it starts a virtual one, opens the menu, saves a screenshot and
# tells where, then ends the program.
set -euo pipefail
cd "$(dirname "$0")/.."
here=$PWD

case "$(uname -s)" in
MINGW* | MSYS* | CYGWIN*)
    cmake -S . -B build/win32 -DCMAKE_BUILD_TYPE=Release -G "MinGW Makefiles" >/dev/null
    cmake --build build/win32 --target VNL
    exec ./build/win32/VNL.exe
    ;;
esac

bash scripts/setup.sh
bash scripts/build.sh

export WINEPREFIX="$here/build/run/prefix" WINEDEBUG=-all LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
mkdir -p build/run
if [[ ! -d "$WINEPREFIX" ]]; then
    echo "making a Wine prefix in $WINEPREFIX" >&2
    (unset DISPLAY; wineboot -i >/dev/null 2>&1 </dev/null; wineserver -w)
fi
exe="$here/build/win32/VNL.exe"

if [[ -n "${DISPLAY:-}" ]] && xdpyinfo >/dev/null 2>&1; then
    echo "Vantelo Plus runs in a Wine desktop window; its icon sits at the right end of that window's taskbar." >&2
    exec wine explorer /desktop=VanteloPlus,1024x768 "$exe"
fi

# No display: show it on a virtual one and keep a picture of the open menu.
fdfile=build/run/display.txt
: >"$fdfile"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
xvfb=$!
trap 'wineserver -k >/dev/null 2>&1 || true; kill $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 100); do [[ -s "$fdfile" ]] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$fdfile")"

wine explorer /desktop=VanteloPlus,1024x768 "$exe" </dev/null >/dev/null 2>&1 &
probe() { wine explorer /desktop=VanteloPlus,1024x768 "$here/build/win32/probe.exe" "$@" </dev/null >/dev/null 2>&1; }
probe wait TFVNL 60
sleep 2
xdotool mousemove 1013 758 click 3
probe shown '#32768' 10
sleep 1
shot="$here/build/run/menu.png"
import -window root "$shot"
echo "Vantelo Plus ran on a virtual display; the open menu is in $shot" >&2
# Ends the program from its own menu.
xdotool key x
sleep 2
