#!/usr/bin/env bash
# Two engines as other programs would run them: one spoken to through the Go
# Text Protocol plays black, one through NBoard's protocol plays white, and
# each is told the other's moves, to the end of a game. The NBoard one
# greets, answers a ping in order and leaves a line it does not know without
# an answer; the two agree on every move being legal.
set -u
engine="$1"
pipes=$(mktemp -d)
trap 'rm -rf "$pipes"' EXIT
mkfifo "$pipes/gtp-in" "$pipes/gtp-out" "$pipes/nboard-in" "$pipes/nboard-out"
timeout 100 "$engine" --level strong <"$pipes/gtp-in" >"$pipes/gtp-out" &
gtp_pid=$!
exec 3>"$pipes/gtp-in" 4<"$pipes/gtp-out"
timeout 100 "$engine" --level strong --table 8 <"$pipes/nboard-in" >"$pipes/nboard-out" &
nboard_pid=$!
exec 5>"$pipes/nboard-in" 6<"$pipes/nboard-out"
GTP=(4 3)
NBOARD=(6 5)
send() { printf '%s\n' "$2" >&"$1"; }
# The next line from an engine that is not blank, within the test's time.
receive() {
    while IFS= read -r -t 60 line <&"$1"; do
        [ -n "$line" ] && return 0
    done
    echo "no answer after: $2"
    exit 1
}
send "${NBOARD[1]}" "nboard 2"
receive "${NBOARD[0]}" "nboard 2"
[ "$line" = "set myname Tarvo Othello" ] || { echo "greeting: $line"; exit 1; }
send "${NBOARD[1]}" "set depth 4"
send "${NBOARD[1]}" "set game (;GM[Othello]PC[test]BO[8 ---------------------------O*------*O--------------------------- *];)"
send "${NBOARD[1]}" "fly away"
send "${NBOARD[1]}" "ping 1"
receive "${NBOARD[0]}" "ping 1"
[ "$line" = "pong 1" ] || { echo "ping answered: $line"; exit 1; }
moves=0
passes=0
black=1
while [ "$passes" -lt 2 ]; do
    if [ "$black" = 1 ]; then
        send "${GTP[1]}" "genmove black"
        receive "${GTP[0]}" "genmove black"
        move=${line#= }
        [[ "$line" =~ ^=\ ([a-h][1-8]|pass)$ ]] || { echo "not a move: $line"; exit 1; }
        send "${NBOARD[1]}" "move ${move/pass/PA}"
    else
        send "${NBOARD[1]}" "go"
        receive "${NBOARD[0]}" "go"
        [[ "$line" =~ ^===\ ([A-H][1-8]/|PA$) ]] || { echo "not a move: $line"; exit 1; }
        move=${line#=== }
        move=${move%%/*}
        # The engine plays the move it chose only when told it was played.
        send "${NBOARD[1]}" "move $move"
        [ "$move" = PA ] && move=pass
        send "${GTP[1]}" "play white $move"
        receive "${GTP[0]}" "play white $move"
        [ "$line" = "=" ] || { echo "white's $move refused: $line"; exit 1; }
    fi
    if [ "$move" = pass ]; then
        passes=$((passes + 1))
    else
        passes=0
        moves=$((moves + 1))
    fi
    [ "$moves" -le 60 ] || { echo "more than 60 moves"; exit 1; }
    black=$((1 - black))
done
# A game ends after 9 moves at the soonest.
[ "$moves" -ge 9 ] || { echo "$moves moves played"; exit 1; }
send "${GTP[1]}" "final_score"
receive "${GTP[0]}" "final_score"
[[ "$line" =~ ^=\ (0|[BW]\+[0-9]+)$ ]] || { echo "final score: $line"; exit 1; }
send "${GTP[1]}" "quit"
send "${NBOARD[1]}" "quit"
wait "$gtp_pid" && wait "$nboard_pid" || { echo "an engine failed"; exit 1; }
echo "a game of $moves moves, ${line#= }"
