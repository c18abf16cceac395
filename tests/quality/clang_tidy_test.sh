#!/usr/bin/env bash
# Runs clang-tidy with the project's .clang-tidy over every source file of the project; any
# finding fails. Usage: clang_tidy_test.sh SOURCE_DIR BUILD_DIR (which holds compile_commands.json)
set -euo pipefail
source_dir=$1 build_dir=$2
tidy=$(command -v clang-tidy-14 || command -v clang-tidy)
cd "$source_dir"
mapfile -t files < <(find rules computer window bench tests -name '*.cpp' | LC_ALL=C sort)
echo "clang-tidy over ${#files[@]} files"
# Two at a time: the machines have two cores.
findings=$(printf '%s\0' "${files[@]}" | xargs -0 -n 1 -P 2 "$tidy" --quiet -p "$build_dir" 2>&1 |
    grep -E 'warning:|error:' || true)
if [ -n "$findings" ]; then
    echo "$findings"
    echo "clang-tidy: $(echo "$findings" | wc -l) findings"
    exit 1
fi
echo "clang-tidy: no findings"
