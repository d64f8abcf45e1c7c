#!/usr/bin/env bash
# Installs what is needed, builds the browser with its embedded library and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run
cmake --preset release
cmake --build --preset release --target joseki-browser
exec build/release/joseki-browser
