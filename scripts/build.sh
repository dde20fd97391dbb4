#!/usr/bin/env bash
# Configures and builds the program, its tests and the installation in build/dist.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARN_WERROR=ON
cmake --build build --parallel "$(nproc)"
