#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh
jobs=$(nproc)
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON >/dev/null
cmake --build build-test -j "$jobs"
(cd build-test && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs")
if [ -x tools/fuzz-rtf.sh ]; then
  tools/fuzz-rtf.sh
fi
