# wait_for WHAT COMMAND... polls COMMAND until it succeeds, up to E2E_TIMEOUT seconds, then calls fail.
wait_for() {
    local what=$1 deadline=$((SECONDS + ${E2E_TIMEOUT:-60}))
    shift
    until "$@"; do ((SECONDS < deadline)) || fail "timed out waiting for $what"; sleep 0.05; done
}
