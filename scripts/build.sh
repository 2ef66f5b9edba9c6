#!/usr/bin/env bash
# Configures (once) and builds the project into build/. The runnable ProgramDir is build/ProgramDir.
set -euo pipefail
cd "$(dirname "$0")/.."
build_type=${BUILD_TYPE:-RelWithDebInfo}
if [ ! -f build/CMakeCache.txt ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE="$build_type"
fi
cmake --build build --parallel "$(nproc)"
