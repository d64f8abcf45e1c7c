#!/usr/bin/env bash
# Installs what is needed, builds everything twice (warnings as errors; then
# with AddressSanitizer and UndefinedBehaviorSanitizer), runs every test in
# both builds, checks and lints the default library and runs each fuzz target
# briefly.
set -uo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test || exit 1

jobs=$(nproc)
failed=()
step() {
  local name=$1; shift
  echo "=== $name"
  if ! "$@"; then
    failed+=("$name")
    echo "=== $name FAILED"
  fi
}

build() { # preset (CMakePresets.json; its folder is build/<preset>)
  cmake --preset "$1" >/dev/null && cmake --build --preset "$1" -j"$jobs"
}

# Leak checking stays on; Qt's and fontconfig's process-lifetime caches are not ours.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

step "build" build test
step "tests" ctest --preset test -j"$jobs"
step "default library check" build/test/tools/joseki-pack check data/joseki.sgf
# The teaching text against the library's conventions, with the engine-frequency
# tree of the shared corpus when it stands beside the checkout.
frequency_tree=../shared/corpus/katago_training_joseki.sgf
lint_options=()
[ -f "$frequency_tree" ] && lint_options=(--stats "$frequency_tree")
step "default library lint" build/test/tools/joseki-pack lint data/joseki.sgf "${lint_options[@]}"

step "sanitizer build" build asan
step "sanitizer tests" ctest --preset asan -j"$jobs"

if [ -d tests/fuzz ]; then
  step "fuzz build" build fuzz
  step "fuzzing" tests/fuzz/run-fuzzers.sh build/fuzz "${JOSEKI_FUZZ_SECONDS:-20}"
fi

echo
if [ ${#failed[@]} -eq 0 ]; then
  echo "All steps passed."
  exit 0
fi
echo "Failed steps: ${failed[*]}"
exit 1
