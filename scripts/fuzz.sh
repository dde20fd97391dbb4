#!/usr/bin/env bash
# Runs the fuzz targets longer than the test suite does, coverage-guided with
# libFuzzer:
#
#   bash scripts/fuzz.sh [seconds per target, default 600]
#
# Builds the targets with clang in build-fuzz (installs clang and its fuzzing
# runtime when they are missing), fuzzes a copy of the checked-in corpus in
# build-fuzz/corpus-<target> (the inputs a run finds stay there for the next
# run), and leaves a crashing input as build-fuzz/fuzz_<target>-crash-*.
# Ends with a failure when a target found one. JOBS sets the build's jobs (3).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}

missing=()
for p in clang libclang-rt-dev; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  echo "fuzz: installing ${missing[*]}"
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get -o DPkg::Lock::Timeout=1800 update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get -o DPkg::Lock::Timeout=1800 install -y --no-install-recommends \
    "${missing[@]}"
fi
bash scripts/install-deps.sh

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DTARN_LIBFUZZER=ON -DTARN_BUILD_TESTS=OFF
cmake --build build-fuzz --parallel "${JOBS:-3}" --target fuzz_workbook fuzz_sheetrewrite fuzz_positionvalues

status=0
for t in workbook sheetrewrite positionvalues; do
  corpus=build-fuzz/corpus-$t
  mkdir -p "$corpus"
  cp -n fuzz/corpus/$t/* "$corpus"/
  echo "fuzz: $t for $seconds s"
  ASAN_OPTIONS=detect_leaks=0 "build-fuzz/fuzz/fuzz_$t" -max_total_time="$seconds" -timeout=20 \
    -rss_limit_mb=4096 -print_final_stats=1 -artifact_prefix="build-fuzz/fuzz_$t-" "$corpus" || status=1
done
exit $status
