#!/usr/bin/env bash
# Installs what building, running and testing Vantelo Plus needs on Debian:
# the MinGW-w64 cross compiler, Wine with its 32-bit part, GoogleTest, a
# virtual X server and the tools the end-to-end tests look through. Safe to
# run again: it installs only what is missing.
set -euo pipefail

PACKAGES=(
    cmake make g++ libgtest-dev
    g++-mingw-w64-i686 mingw-w64-i686-dev binutils-mingw-w64-i686
    wine wine32:i386 wine64
    xvfb xdotool xclip x11-utils imagemagick
    fonts-ipafont-gothic fonts-ipafont-mincho locales
)

as_root() {
    if [[ $(id -u) -eq 0 ]]; then "$@"; else sudo "$@"; fi
}

missing=()
for p in "${PACKAGES[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done

if [[ ${#missing[@]} -gt 0 ]]; then
    echo "installing: ${missing[*]}" >&2
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        as_root dpkg --add-architecture i386
    fi
    export DEBIAN_FRONTEND=noninteractive
    as_root apt-get update -q
    as_root apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# Wine's 8-bit code page follows the locale: ja_JP.UTF-8 gives Shift-JIS.
if ! locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
    as_root sed -i 's/^# *ja_JP.UTF-8/ja_JP.UTF-8/' /etc/locale.gen
    as_root locale-gen >/dev/null
fi
