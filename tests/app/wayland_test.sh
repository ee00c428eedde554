#!/usr/bin/env bash
# On Qt's Wayland platform, under a headless Wayland compositor: the start-up
# (the splash, then the main window) and the event storm's games, each played
# to its result box, with nothing on the terminal but the tests' report.
set -euo pipefail
tests=$1
runtime=$(mktemp -d)
chmod 700 "$runtime"
export XDG_RUNTIME_DIR=$runtime
socket=tarvo-wayland
weston --backend=headless-backend.so --socket="$socket" --idle-time=0 --no-config \
    >"$runtime/weston.log" 2>&1 &
weston_pid=$!
trap 'kill "$weston_pid" 2>/dev/null || true; wait "$weston_pid" 2>/dev/null || true; rm -rf "$runtime"' EXIT
# The compositor is ready once its socket exists.
for _ in $(seq 200); do
    [ -S "$runtime/$socket" ] && break
    sleep 0.05
done
[ -S "$runtime/$socket" ] || { cat "$runtime/weston.log"; echo "weston did not start"; exit 1; }

WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland "$tests" \
    --gtest_filter='Startup.*:EventStorm.*' 2>"$runtime/stderr"
if [ -s "$runtime/stderr" ]; then
    cat "$runtime/stderr"
    echo "the game wrote to the terminal"
    exit 1
fi
echo "played on Wayland"
