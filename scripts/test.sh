#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: in the release build, followed by the
# Windows build, cross-compiled and tested under Wine; the lint and the package checks (the Debian
# package's through sudo when not run as root); and under AddressSanitizer +
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-dependencies.sh test
status=0
cmake --workflow --preset ci || status=1
# The Windows tests make windows: an X server with a window manager, as Wine waits for one's word when
# a window closes.
scripts/wine-setup.sh || status=1
xvfb-run -a -s "-screen 0 1280x1024x24" sh -c 'openbox --sm-disable > /dev/null 2>&1 & exec cmake --workflow --preset windows' ||
    status=1
# The lint only reads the builds and keeps both cores busy only part of the time, so it runs beside
# the package checks; its report follows theirs.
lint_report=$(mktemp)
scripts/lint.sh build/ci build/windows > "$lint_report" 2>&1 &
lint=$!
scripts/check-package.sh build/ci || status=1
scripts/check-windows-release.sh build/windows || status=1
scripts/check-debian-package.sh || status=1
wait "$lint" || status=1
cat "$lint_report"
rm -f "$lint_report"
cmake --workflow --preset ci-asan || status=1
exit $status
