#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for a fixed time each, starting from
# the seed corpora here (copied, so the checkout is never written), and fails
# on the first finding.
# Usage: tests/fuzz/run-fuzzers.sh BUILD_DIR SECONDS_PER_TARGET
set -uo pipefail
build=${1:?build directory}
seconds=${2:-30}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

status=0
for fuzzer in "$build"/tests/fuzz/fuzz_*; do
  [ -x "$fuzzer" ] || continue
  name=$(basename "$fuzzer")
  corpus="$work/$name"
  mkdir -p "$corpus"
  [ -d "$here/corpus/$name" ] && cp -r "$here/corpus/$name/." "$corpus/"
  echo "--- $name for ${seconds}s"
  if ! "$fuzzer" "$corpus" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 \
        -print_final_stats=1 -artifact_prefix="$work/$name-" > "$work/$name.log" 2>&1; then
    echo "$name FOUND A PROBLEM:"
    tail -n 60 "$work/$name.log"
    for artifact in "$work/$name-"*; do
      [ -f "$artifact" ] && echo "reproducer: $(base64 -w0 "$artifact")"
    done
    status=1
  else
    grep -E 'stat::number_of_executed_units|cov:' "$work/$name.log" | tail -n 2
  fi
done
exit $status
