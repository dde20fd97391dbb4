#!/usr/bin/env bash
# Installs what is missing, builds the program and lays out the demo
# installation in build/dist (tests and benchmarks are not built: that is
# scripts/test.sh), and starts the program there.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
if [ ! -f build/build.ninja ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build build --parallel "$(nproc)" --target tarn_install
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
    # The batch log is written in the interface language of the installation
    # (German in the demo); the message that only says where the printout went
    # is told here in English, anything else is shown as it stands.
    others=$(iconv -f WINDOWS-1252 -t UTF-8 pr.err 2>/dev/null | tr -d '\r' | grep -v '^Meldung pdf:' || true)
    if grep -q '^Meldung pdf:' pr.err; then
      echo "Information: no printer is installed, so the printout was written to the PDF file above."
    fi
    if [ -n "$others" ]; then
      echo "Further messages of the run (pr.err, in the installation's language):"
      printf '%s\n' "$others"
    fi
  fi
  echo "Start ./tarn in $(pwd) under a display for the main window."
  exit 0
fi
exec ./tarn "$@"
