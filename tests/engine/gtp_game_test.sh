#!/usr/bin/env bash
# Another program's view: a whole game through a pipe, the engine playing
# both sides, then its score; every reply well formed, a bad command answered
# with an error and the engine still there. A value it cannot take for an
# option stops it with status 2.
set -u
engine="$1"
"$engine" --table 0 </dev/null 2>/dev/null
[ $? -eq 2 ] || { echo "a table of 0 MiB was taken"; exit 1; }
commands=$(printf 'boardsize 8\nclear_board\nplay black f5\nfly away\n')
for _ in $(seq 1 33); do commands+=$'\ngenmove white\ngenmove black'; done
commands+=$'\nfinal_score\nquit\n'
replies=$(printf '%s' "$commands" | timeout 100 "$engine" --level strong) || {
    echo "the engine failed: $replies"; exit 1; }
mapfile -t lines < <(printf '%s\n' "$replies" | grep -v '^$')
[ "${#lines[@]}" -eq 72 ] || { echo "expected 72 replies, got ${#lines[@]}: $replies"; exit 1; }
[ "${lines[3]}" = "? unknown command" ] || { echo "bad command answered: ${lines[3]}"; exit 1; }
moves=0
for reply in "${lines[@]:4:66}"; do
    case "$reply" in
    "= pass") ;;
    "= "[a-h][1-8]) moves=$((moves + 1)) ;;
    *) echo "not a move: $reply"; exit 1 ;;
    esac
done
# With f5, at most the 60 empty cells; a game ends after 9 moves at the soonest.
[ "$moves" -ge 9 ] && [ "$moves" -le 59 ] || { echo "$moves moves played"; exit 1; }
[[ "${lines[70]}" =~ ^=\ (0|[BW]\+[0-9]+)$ ]] || { echo "final score: ${lines[70]}"; exit 1; }
echo "a game of $moves moves and f5, ${lines[70]}"
