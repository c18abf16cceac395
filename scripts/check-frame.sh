# Sourced by a check script: the work folder it may fill ($work), removed however the check ends, and
# the one line the check ends with, "NAME: ok" or "NAME: FAILED".
# Usage: source scripts/check-frame.sh "NAME"
work=$(mktemp -d)
check_name=$1
check_finish() {
    local status=$?
    rm -rf "$work"
    if [ $status -eq 0 ]; then echo "$check_name: ok"; else echo "$check_name: FAILED"; fi
}
trap check_finish EXIT
