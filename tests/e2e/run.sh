#!/usr/bin/env bash
# Runs the end-to-end tests of VNL.exe under Wine on a virtual display.
# Usage: run.sh [TEST_FUNCTION...]   (default: every test)
set -uo pipefail
source "$(dirname "$0")/lib.sh"
for f in "$E2E_DIR"/test_*.sh; do source "$f"; done

trap e2e_stop EXIT
e2e_start || { log "the rig did not start"; exit 1; }

if [[ $# -gt 0 ]]; then
    tests=("$@")
else
    mapfile -t tests < <(declare -F | awk '{print $3}' | grep '^test_')
fi
for t in "${tests[@]}"; do run_test "$t"; done
summary
