#!/usr/bin/env bash
# Builds VNL.exe (and the tests' probe) with MinGW-w64, and, with --native,
# the portable logic and its unit tests with g++, AddressSanitizer and UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)

cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/win32 -j"$jobs"

if [[ "${1:-}" == "--native" ]]; then
    cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Debug >/dev/null
    cmake --build build/native -j"$jobs"
fi
