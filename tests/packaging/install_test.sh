#!/usr/bin/env bash
# `cmake --install` places the game, its help, its sounds and its desktop
# files by the GNU layout, where the program looks for its help and sounds.
set -euo pipefail
build=$1
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null
expected=(
    usr/games/tarvo-othello
    usr/games/tarvo-othello-engine
    usr/lib/tarvo-othello/libtarvo-othello-sound.so
    usr/share/man/man6/tarvo-othello.6.gz
    usr/share/man/man6/tarvo-othello-engine.6.gz
    usr/share/doc/tarvo-othello/changelog.gz
    usr/share/doc/tarvo-othello/copyright
    usr/share/tarvo-othello/tarvo-othello-help.html
    usr/share/tarvo-othello/tarvo-othello.weights
    usr/share/applications/example.tarvo.Othello.desktop
    usr/share/icons/hicolor/scalable/apps/example.tarvo.Othello.svg
    usr/share/metainfo/example.tarvo.Othello.metainfo.xml
)
for f in "${expected[@]}"; do
    [ -f "$stage/$f" ] || { echo "not installed: $f"; exit 1; }
done
for program in tarvo-othello tarvo-othello-engine; do
    [ -x "$stage/usr/games/$program" ] || { echo "$program is not executable"; exit 1; }
done
# Nothing but these: no test or benchmark binaries.
count=$(find "$stage" -type f | wc -l)
[ "$count" -eq "${#expected[@]}" ] || { find "$stage" -type f; echo "unexpected files"; exit 1; }
# The desktop entry starts the installed program and shows the installed icon.
grep -qx 'Exec=tarvo-othello' "$stage/usr/share/applications/example.tarvo.Othello.desktop"
grep -qx 'Icon=example.tarvo.Othello' "$stage/usr/share/applications/example.tarvo.Othello.desktop"
echo "installed as expected"
