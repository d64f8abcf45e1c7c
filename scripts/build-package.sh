#!/usr/bin/env bash
# Installs what is needed, builds in Release (preset "release") and makes the
# Debian package build/release/joseki-browser_<version>_<arch>.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh package
cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)"
cpack --config build/release/CPackConfig.cmake -B build/release -G DEB
package=$(ls -t build/release/joseki-browser_*.deb | head -n 1)
echo "Built $package; install it with: sudo apt install ./$package"
