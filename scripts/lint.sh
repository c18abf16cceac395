#!/usr/bin/env bash
# Lints the sources: shellcheck over every shell script, at its default level (any finding fails),
# clang-format layout of every source (any unformatted file fails; `clang-format -i FILE` fixes it)
# and clang-tidy with the project's .clang-tidy over the program (any finding fails; the tests and
# benchmarks are left out to keep the test command fast).
# Usage: scripts/lint.sh BUILD_DIR [WINDOWS_BUILD_DIR]   (configured builds that hold
# compile_commands.json: the Linux one, and the windows preset's for the Windows front end)
set -euo pipefail
build=$(realpath "$1")
windows_build=${2:+$(realpath "$2")}
cd "$(dirname "$0")/.."
format=$(command -v clang-format-14 || command -v clang-format)
tidy=$(command -v clang-tidy-14 || command -v clang-tidy)
# The tree itself lists the sources, so a source tarball with no .git lints the same as a clone.
# The shell scripts are whatever starts with a shell's #! line (.ci/run too) and the *.sh files;
# those without one are sourced by bash scripts, and are read as bash.
scripts=() sourced=()
while IFS= read -r file; do
    if head -c 32 "$file" | grep -aqE '^#! ?(/usr)?/bin/(env )?(ba|da)?sh\b'; then scripts+=("$file")
    elif [[ $file == *.sh ]]; then sourced+=("$file"); fi
done < <(find . \( -path ./.git -o -path ./build -o -path ./.cache \) -prune -o -type f -printf '%P\n' | LC_ALL=C sort)
shellcheck=(shellcheck --external-sources --source-path=SCRIPTDIR)  # follows what a script sources
{ "${shellcheck[@]}" "${scripts[@]}" && { [ ${#sourced[@]} -eq 0 ] || "${shellcheck[@]}" --shell=bash "${sourced[@]}"; }; } ||
    { echo "lint: shellcheck has the findings above"; exit 1; }
echo "lint: $((${#scripts[@]} + ${#sourced[@]})) shell scripts pass shellcheck"
mapfile -t sources < <(find rules computer window qt win32 bench tests -type f \( -name '*.cpp' -o -name '*.h' \) | LC_ALL=C sort)
"$format" --dry-run --Werror "${sources[@]}" || { echo "lint: the files above need clang-format -i"; exit 1; }
echo "lint: ${#sources[@]} files formatted"
mapfile -t units < <(printf '%s\n' "${sources[@]}" | grep -vE '^(tests|bench|win32)/' | grep '\.cpp$')
# Two at a time: the machines have two cores.
findings=$(printf '%s\0' "${units[@]}" | xargs -0 -n 1 -P 2 "$tidy" --quiet -p "$build" 2>&1 |
    grep -E 'warning:|error:' || true)
# The Windows front end through the Windows build's commands. Clang finds MinGW-w64's headers but not
# the C++ library of its GCC, whose folder is named for the version and the thread model.
if [ -n "$windows_build" ]; then
    library=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")/include/c++
    mapfile -t windows_units < <(printf '%s\n' "${sources[@]}" | grep '^win32/.*\.cpp$')
    findings+=$(printf '%s\0' "${windows_units[@]}" | xargs -0 -n 1 -P 2 "$tidy" --quiet -p "$windows_build" \
        --extra-arg=-isystem"$library" --extra-arg=-isystem"$library/x86_64-w64-mingw32" \
        --extra-arg=-isystem"$library/backward" 2>&1 | grep -E 'warning:|error:' || true)
    units+=("${windows_units[@]}")
fi
if [ -n "$findings" ]; then
    echo "$findings"
    echo "lint: clang-tidy has $(echo "$findings" | wc -l) findings"
    exit 1
fi
echo "lint: clang-tidy has no findings in ${#units[@]} files"
