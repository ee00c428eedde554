#!/usr/bin/env bash
# NBoard's view: the engine is asked for a move, told which move was played,
# and so on to the end of a game; it answers a ping in order, and a line it
# does not know gets no answer.
set -u
engine="$1"
coproc ENGINE { timeout 100 "$engine" --level strong; }
send() { printf '%s\n' "$1" >&"${ENGINE[1]}"; }
# The next line from the engine, within the test's time.
receive() {
    IFS= read -r -t 60 line <&"${ENGINE[0]}" || { echo "no answer after: $1"; exit 1; }
}
send "nboard 2"
receive "nboard 2"
[ "$line" = "set myname Tarvo Othello" ] || { echo "greeting: $line"; exit 1; }
send "set depth 4"
send "set game (;GM[Othello]PC[test]BO[8 ---------------------------O*------*O--------------------------- *];)"
send "fly away"
send "ping 1"
receive "ping 1"
[ "$line" = "pong 1" ] || { echo "ping answered: $line"; exit 1; }
moves=0
passes=0
while [ "$passes" -lt 2 ]; do
    send "go"
    receive "go"
    case "$line" in
    "=== PA") passes=$((passes + 1)) ;;
    "=== "[A-H][1-8]/*)
        passes=0
        moves=$((moves + 1))
        ;;
    *) echo "not a move: $line"; exit 1 ;;
    esac
    [ "$moves" -le 60 ] || { echo "more than 60 moves"; exit 1; }
    send "move ${line#=== }"
done
# A game ends after 9 moves at the soonest.
[ "$moves" -ge 9 ] || { echo "$moves moves played"; exit 1; }
send "quit"
wait "$ENGINE_PID" || { echo "the engine failed"; exit 1; }
echo "a game of $moves moves"
