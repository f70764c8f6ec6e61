#!/usr/bin/env bash
# Builds everything and runs every test: the unit tests of the portable logic
# (natively, with sanitizers) and the end-to-end tests of VNL.exe under Wine
# on a virtual display that the tests start and stop themselves.
set -uo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh || exit 1
bash scripts/build.sh --native || exit 1

status=0
echo "== unit tests" >&2
(cd build/native && ctest --output-on-failure -j"$(nproc)") || status=1
echo "== end-to-end tests" >&2
bash tests/e2e/run.sh || status=1

if [[ $status -eq 0 ]]; then echo "all tests passed" >&2; else echo "tests FAILED" >&2; fi
exit $status
