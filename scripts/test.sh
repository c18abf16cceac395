#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: in the release build, followed
# by the lint and the package check, and under AddressSanitizer + UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-dependencies.sh test
status=0
cmake --workflow --preset ci || status=1
# The lint and the package check only read the release build, and neither keeps both cores busy
# throughout, so they run side by side; the lint's report follows the package check's.
lint_report=$(mktemp)
scripts/lint.sh build/ci > "$lint_report" 2>&1 &
lint=$!
scripts/check-package.sh build/ci || status=1
wait "$lint" || status=1
cat "$lint_report"
rm -f "$lint_report"
cmake --workflow --preset ci-asan || status=1
exit $status
