#!/usr/bin/env bash
# Installs the Debian packages the browser and its tests need, if missing.
# Usage: scripts/install-deps.sh run|package|test
set -euo pipefail

run_packages=(cmake ninja-build g++ pkg-config libuchardet-dev qt6-base-dev libgl-dev fonts-noto-cjk fonts-wqy-zenhei fonts-liberation2 qt6-translations-l10n)
# Building the .deb: dpkg-shlibdeps computes its dependencies, file finds its binaries.
package_packages=("${run_packages[@]}" dpkg-dev file)
test_packages=("${run_packages[@]}" libgtest-dev libbenchmark-dev clang libclang-rt-14-dev
               xvfb xdotool imagemagick x11-utils openbox)
# The package test builds the .deb and checks it and its menu entry and metadata.
test_packages+=(dpkg-dev file lintian desktop-file-utils appstream)

case "${1:-}" in
  run) wanted=("${run_packages[@]}") ;;
  package) wanted=("${package_packages[@]}") ;;
  test) wanted=("${test_packages[@]}") ;;
  *) echo "usage: $0 run|package|test" >&2; exit 2 ;;
esac

missing=()
for package in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
fi
