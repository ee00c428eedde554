#!/usr/bin/env bash
# Without any display the game says so and exits with a failure, not a crash.
set -u
game="$1"
output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$game" 2>&1)
status=$?
if [ "$status" -ne 1 ]; then
    echo "expected exit status 1, got $status: $output"
    exit 1
fi
case "$output" in
*"needs a graphical desktop"*) exit 0 ;;
*) echo "unexpected message: $output"; exit 1 ;;
esac
