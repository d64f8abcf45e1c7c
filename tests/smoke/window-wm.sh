#!/usr/bin/env bash
# The real-window checks of window.sh under a window manager, which frames the
# dialog and keeps its own stacking rules.
# Usage: window-wm.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
exec bash "$(dirname "$0")/window.sh" "${1:?build directory}" "${2:?source directory}" openbox
