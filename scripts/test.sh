#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: in the release build, followed
# by the lint and the package check, and under AddressSanitizer + UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-dependencies.sh test
status=0
cmake --workflow --preset ci || status=1
scripts/lint.sh build/ci || status=1
scripts/check-package.sh build/ci || status=1
cmake --workflow --preset ci-asan || status=1
exit $status
