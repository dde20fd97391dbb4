#!/usr/bin/env bash
# Installs what is missing, builds, lays out the demo installation in build/dist
# and starts the program there.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
cd build/dist
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  # No display: predict the demo board (Q-list 1 of database A) under the
  # profile "Standard" as a batch job and say where its output went.
  echo "No display: running the demo prediction (tarn /pr with '1,Standard')."
  rm -f pr.err
  echo '1,Standard' > pr.dat
  before=$(ls results 2>/dev/null | tr '\n' ' ' || true)
  QT_QPA_PLATFORM=offscreen ./tarn /pr
  for f in $(ls results 2>/dev/null); do
    case " $before " in *" $f "*) continue ;; esac
    case "$f" in
      *.pdf) echo "Printout (PDF): $(pwd)/results/$f" ;;
      *.slk) echo "Result file:    $(pwd)/results/$f" ;;
    esac
  done
  if [ -f pr.err ]; then
    echo "Messages of the run (pr.err):"
    cat pr.err
  fi
  echo "Start ./tarn in $(pwd) under a display for the main window."
  exit 0
fi
exec ./tarn "$@"
