#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: in the release build, followed
# by the lint and the package checks (the Debian package's through sudo when not run as root), and
# under AddressSanitizer + UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-dependencies.sh test
status=0
cmake --workflow --preset ci || status=1
# The lint only reads the release build and keeps both cores busy only part of the time, so it runs
# beside the package checks; its report follows theirs.
lint_report=$(mktemp)
scripts/lint.sh build/ci > "$lint_report" 2>&1 &
lint=$!
scripts/check-package.sh build/ci || status=1
scripts/check-debian-package.sh || status=1
wait "$lint" || status=1
cat "$lint_report"
rm -f "$lint_report"
cmake --workflow --preset ci-asan || status=1
exit $status
