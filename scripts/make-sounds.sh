#!/usr/bin/env bash
# Makes the game's four sounds with sox, into data/sounds: a move's soft
# click, a pass's two falling notes, a refused click's low buzz and the
# game's end, three rising notes. Mono, 16 bits, 22050 Hz.
set -euo pipefail
out=$(dirname "$0")/../data/sounds
mkdir -p "$out"
make() {
    local name=$1
    shift
    sox -R -n -r 22050 -c 1 -b 16 "$out/$name.wav" "$@"
}
make move synth 0.07 pluck 330 synth 0.07 brownnoise mix fade q 0.002 0.07 0.05 gain -6
make pass synth 0.11 sine 660 : synth 0.16 sine 440 fade q 0.005 0.16 0.08 gain -9
make illegal synth 0.16 square 110 gain -16 lowpass 900 fade q 0.005 0.16 0.06
make end synth 0.14 sine 523.25 fade q 0.005 0.14 0.04 : synth 0.14 sine 659.25 fade q 0.005 0.14 0.04 : \
    synth 0.32 sine 783.99 fade q 0.005 0.32 0.2 gain -8
