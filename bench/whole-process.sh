#!/usr/bin/env bash
# Whole-process cost of reading a large real-world tree: `joseki-pack stats`
# on the engine-frequency tree of ../shared/corpus (converted to the dialect
# first) against `cat` of the same file. Both run ROUNDS times in turn, ten
# runs a round; the CPU time (user + system) of each round's runs is summed
# from the shell's own accounting of its children, and the medians are
# compared. Goal: stats within 4x cat.
# Usage: bench/whole-process.sh BUILD_DIR [ROUNDS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1
rounds=${2:-9}
runs_per_round=10
corpus=../shared/corpus/katago_training_joseki.sgf
if [ ! -f "$corpus" ]; then
  echo "whole-process stats: skipped, $corpus is absent"
  exit 0
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build"/tools/joseki-pack convert "$corpus" "$work/tree.sgf" >/dev/null 2>&1

# Children's CPU time so far, in microseconds, into $cpu. `times` runs in
# this shell, not in a subshell, which would count only its own children.
children_cpu() {
  times >"$work/times"
  cpu=$(awk 'function sec(t) { split(t, p, "m"); return p[1] * 60 + p[2] }
    NR == 2 { printf "%d\n", (sec($1) + sec($2)) * 1000000 }' "$work/times")
}

round() { # command...: CPU microseconds of one run, averaged over a round, into $per_run
  local before
  children_cpu
  before=$cpu
  for _ in $(seq "$runs_per_round"); do "$@" >/dev/null; done
  children_cpu
  per_run=$(( (cpu - before) / runs_per_round ))
}

stats=()
cats=()
for _ in $(seq "$rounds"); do
  round "$build"/tools/joseki-pack stats "$work/tree.sgf"
  stats+=("$per_run")
  round cat "$work/tree.sgf"
  cats+=("$per_run")
done
median() { printf '%s\n' "$@" | sort -n | sed -n "$(( ($# + 1) / 2 ))p"; }
s=$(median "${stats[@]}")
c=$(median "${cats[@]}")
awk -v s="$s" -v c="$c" -v bytes="$(wc -c <"$work/tree.sgf")" 'BEGIN {
  printf "whole-process stats on the converted corpus tree (%d bytes): %.2f ms CPU; cat: %.2f ms; ratio %.2fx (goal 4x)\n",
    bytes, s / 1000, c / 1000, (c > 0 ? s / c : 0) }'
