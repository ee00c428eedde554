#!/usr/bin/env bash
# Without a display, or with one that cannot be opened, the game says so and
# exits with a failure, not a crash.
set -u
game="$1"
failed=0
check() { # expected words, then the environment to start the game in
    local words="$1"
    shift
    local output status
    output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" "$game" 2>&1)
    status=$?
    if [ "$status" -ne 1 ] || [[ "$output" != *"$words"* ]]; then
        echo "with $*: expected exit status 1 and \"$words\", got $status: $output"
        failed=1
    fi
}
check "needs a graphical desktop"
check 'could not open the display DISPLAY=":61.5"' DISPLAY=:61.5
check 'could not open the display DISPLAY="nonsense"' DISPLAY=nonsense
check 'could not open the display DISPLAY="localhost:7"' DISPLAY=localhost:7
check 'could not open the display WAYLAND_DISPLAY="no-such-wayland-9"' \
    WAYLAND_DISPLAY=no-such-wayland-9 XDG_RUNTIME_DIR="$(mktemp -d)"
exit $failed
