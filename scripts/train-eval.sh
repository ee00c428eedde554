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
games=10000 # for each of the two seeds

bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target train_eval
mkdir -p "$work"
train=build/bench/train_eval

# Positions from 20 empty cells on are labelled by the exact solver. The
# held-out games are solved exactly from 24 on, for the measurement: the
# first two seeds are games like the training ones, the last two games as
# the engine plays them with the new weights.
"$train" generate "$work/games-11.txt" 11 "$games" 20 &
"$train" generate "$work/games-12.txt" 12 "$games" 20 &
wait
"$train" fit data/tarvo-othello.weights "$work/games-11.txt" "$work/games-12.txt"
"$train" generate "$work/held-out-77.txt" 77 105 24 &
"$train" generate "$work/held-out-78.txt" 78 105 24 &
wait
"$train" test data/tarvo-othello.weights "$work/held-out-77.txt" "$work/held-out-78.txt"
"$train" play "$work/held-out-81.txt" 81 110 24 data/tarvo-othello.weights &
"$train" play "$work/held-out-82.txt" 82 110 24 data/tarvo-othello.weights &
wait
"$train" test data/tarvo-othello.weights "$work/held-out-81.txt" "$work/held-out-82.txt"
