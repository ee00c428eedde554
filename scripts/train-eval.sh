#!/usr/bin/env bash
# Makes the trained evaluation's weights, data/tarvo-othello.weights, again:
# plays the training games on two processor cores, fits the weights to them,
# then measures the weights on games held apart. Every step is seeded, so
# the result is the same file byte for byte. Interrupted, it goes on where
# it stopped when started again: the games played so far are kept in the
# work folder (build/training unless given).
set -euo pipefail
cd "$(dirname "$0")/.."

work=${1:-build/training}

bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target train_eval
mkdir -p "$work"
train=build/bench/train_eval
# Whether a fit wrote OUT whole, so that a run started again need not repeat it.
fitted() { [[ -e $1 && ! -e $1.progress ]]; }

# Games from random openings, solved exactly from 20 empty cells on, and a
# first fit of the weights alone to them.
"$train" generate "$work/games-11.txt" 11 10000 20 &
"$train" generate "$work/games-12.txt" 12 10000 20 &
wait
fitted "$work/first.weights" ||
    "$train" fit "$work/first.weights" "$work/games-11.txt" "$work/games-12.txt"
# Games played as the engine plays them with those weights, and more from
# random openings, all solved exactly from 18 on.
for seeds in "21 22" "23 24" "25 26"; do
    for seed in $seeds; do
        "$train" play "$work/steady-$seed.txt" "$seed" 10000 18 "$work/first.weights" &
    done
    wait
done
"$train" generate "$work/games-13.txt" 13 20000 18 &
"$train" generate "$work/games-14.txt" 14 20000 18 &
wait
# The network, fitted to what the first weights miss on all the games; they
# ship under it as they are. A search with that network labels the games'
# positions before the exact solver better than one with the weights alone,
# so it is fitted again to those labels, and that is the network that ships.
games=("$work"/games-1[1-4].txt "$work"/steady-2[1-6].txt)
fitted "$work/network-1.weights" ||
    "$train" network "$work/network-1.weights" "$work/first.weights" "${games[@]}"
"$train" network --labels "$work/network-1.weights" data/tarvo-othello.weights \
    "$work/first.weights" "${games[@]}"

# Games held apart, solved exactly from 24 on, for the measurement: games
# from random openings, and games played as the engine plays them with the
# first weights.
"$train" generate "$work/held-out-77.txt" 77 105 24 &
"$train" generate "$work/held-out-78.txt" 78 105 24 &
wait
"$train" play "$work/held-out-81.txt" 81 110 24 "$work/first.weights" &
"$train" play "$work/held-out-82.txt" 82 110 24 "$work/first.weights" &
wait
for set in 7 8; do
    "$train" test data/tarvo-othello.weights "$work/held-out-${set}"[0-9].txt
done
