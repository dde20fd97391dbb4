#!/usr/bin/env bash
# Installs what is missing, builds, lays out the demo installation in build/dist
# and starts the program there.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
cd build/dist
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: the main window cannot be shown."
  echo "The installation is ready in $(pwd); start ./tarn under a display,"
  echo "or run a batch job such as: (cd $(pwd) && echo '1,Standard' > pr.dat && ./tarn /pr)"
  exit 0
fi
exec ./tarn "$@"
