#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-dependencies.sh test
cmake --workflow --preset ci
