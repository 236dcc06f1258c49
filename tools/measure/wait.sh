# Sourced by the scripts: their one way to wait for a condition. The deadline below is the one
# every wait of the tests, the benchmark and the tools gives its condition; the build reads it
# from here for the C++ programs and for the tests' timeouts.
waitSeconds=20

# Runs "$@" every tenth of a second until it succeeds (status 0) or the deadline has passed
# (status 1).
waitUntil() {
    local deadline=$((SECONDS + waitSeconds))
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}
