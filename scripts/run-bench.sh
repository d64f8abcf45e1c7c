#!/usr/bin/env bash
# Builds in Release and prints the benchmark table: loading the full-size
# generated library against its floor and against a widely used JavaScript SGF
# parser on the same text, navigation, trial undo, painting, start-up of the
# real executable to its first painted frame, the whole process of
# joseki-pack stats on a large real-world tree against cat of it, and the
# medians of the linter's and the position index's benchmarks.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
command -v node >/dev/null || { apt-get install -y -qq nodejs npm; }

build=build/bench
cmake --preset bench >/dev/null
cmake --build --preset bench --target joseki-bench joseki-bench-library joseki-bench-lint joseki-bench-index joseki-browser-startup-probe joseki-pack

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build"/bench/joseki-bench-library "$work/library.sgf"
iconv -f GBK -t UTF-8 "$work/library.sgf" > "$work/library-utf8.sgf"

QT_QPA_PLATFORM=offscreen "$build"/bench/joseki-bench --benchmark_repetitions=5 \
  --benchmark_report_aggregates_only=true --benchmark_format=json > "$work/ours.json"

(cd bench/peer && npm ci --no-audit --no-fund --silent)
node bench/peer/parse.js "$work/library-utf8.sgf" 15 > "$work/peer.json"

# Start-up: launch to the first frame painted with the library loaded.
startups=()
for _ in 1 2 3 4 5 6 7; do
  start=$(date +%s%N)
  QT_QPA_PLATFORM=offscreen "$build"/joseki-browser-startup-probe
  startups+=($(( ($(date +%s%N) - start) / 1000000 )))
done

node bench/report.js "$work/ours.json" "$work/peer.json" "${startups[@]}"
bench/whole-process.sh "$build"

# joseki-pack lint over the same library, with the shared engine-frequency tree.
echo
"$build"/bench/joseki-bench-lint --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
  --benchmark_format=console 2>/dev/null | grep -E '^BM_.*_median'

# The position index over the same library: building it, and one look-up.
echo
"$build"/bench/joseki-bench-index --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
  --benchmark_format=console 2>/dev/null | grep -E '^BM_.*_median'
