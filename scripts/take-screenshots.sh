#!/usr/bin/env bash
# Retakes the README's screenshots from the real program under Xvfb: the end-to-end tests that
# walk through the panels save what the screen shows at each step.
# Usage: scripts/take-screenshots.sh [build folder] [output folder]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/default}
out=${2:-docs/screenshots}
mkdir -p "$out"
VARNELLE_SCREENSHOT_DIR="$(realpath "$out")" "$build/tests/e2e/e2e_tests" \
  --gtest_filter='LoginFlowTest.SetPasswordThenRefuseWrongAdmitRightAndLogOut:EntriesTest.*'
ls "$out"
