# shellcheck shell=bash
# Sourced, not run: start_private_display WORK starts an X server of its own for a measurement,
# exports DISPLAY and sets xpid to the server's process, for the caller to end.
start_private_display() {
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$1/display" >/dev/null 2>&1 &
    xpid=$!
    for _ in $(seq 100); do
        [ -s "$1/display" ] && break
        sleep 0.05
    done
    export DISPLAY=:$(cat "$1/display")
}
