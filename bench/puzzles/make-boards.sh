#!/bin/sh
# Writes the generated benchmark boards of this folder anew, the same on
# every machine (each board comes from its seed):
#
#   random_SxS_Ppct_seedN.txt   a random finished board with P % of its cells
#                               kept as givens (5, 10, 15, 25, 40) at
#                               S = 20, 25, 30, 40, 64; one or more solutions
#   empty_SxS.txt               no givens (two or more solutions)
#   checker_SxS_Ppct_seedN.txt  P % givens (0 or 10) and a planted 2 x 2 block
#                               with one colour on each diagonal: no solution
#   ringwbwb_SxS_Ppct_seedN.txt P % givens and white, black, white, black in
#                               turn round the border: no solution
#
# usage: bench/puzzles/make-boards.sh [path/to/make_boards]
#   (default build-rel/bench/make_boards; build it with
#   cmake --build build-rel --target make_boards)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
tool=${1:-$here/../../build-rel/bench/make_boards}
[ -x "$tool" ] || { echo "no make_boards at $tool (build the make_boards target)" >&2; exit 1; }

for s in 20 25 30 40 64; do
    "$tool" empty "$s" "$s" > "$here/empty_${s}x${s}.txt"
    for p in 5 10 15 25 40; do
        for seed in 1 2 3; do
            "$tool" random "$s" "$s" "$p" "$seed" > "$here/random_${s}x${s}_${p}pct_seed${seed}.txt"
        done
    done
    for p in 0 10; do
        "$tool" checker "$s" "$s" "$p" 1 > "$here/checker_${s}x${s}_${p}pct_seed1.txt"
        "$tool" ring "$s" "$s" "$p" 1 > "$here/ringwbwb_${s}x${s}_${p}pct_seed1.txt"
    done
done
