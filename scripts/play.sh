#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-dependencies.sh play
cmake --preset play
cmake --build --preset play
exec build/play/qt/uragae
