#!/usr/bin/env bash
# Fails when a source file is not laid out as .clang-format says; `clang-format -i FILE` fixes it.
# Usage: format_test.sh SOURCE_DIR
set -euo pipefail
cd "$1"
format=$(command -v clang-format-14 || command -v clang-format)
mapfile -t files < <(find rules computer window bench tests -name '*.cpp' -o -name '*.h' | LC_ALL=C sort)
if ! "$format" --dry-run --Werror "${files[@]}"; then
    echo "format: the files above need clang-format -i"
    exit 1
fi
echo "format: ${#files[@]} files formatted"
