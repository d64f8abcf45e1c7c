#!/usr/bin/env bash
# Installs what is needed, builds the browser with its embedded library and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DJOSEKI_BUILD_TESTS=OFF -DJOSEKI_BUILD_RESGEN=OFF
cmake --build build/release --target joseki-browser
exec build/release/joseki-browser
