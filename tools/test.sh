#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh
jobs=$(nproc)
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON >/dev/null
cmake --build build-test -j "$jobs"
(cd build-test && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs")
# File permissions do not stop root: run the read-only folder case as an ordinary
# user too, from a copy that user can reach wherever this clone lives.
if [ "$(id -u)" -eq 0 ] && id nobody >/dev/null 2>&1; then
  scratch=$(mktemp -d)
  cp -r build-test/program "$scratch/program"
  cp build-test/tests/robustness/tst_badinput "$scratch/"
  chmod -R a+rX "$scratch"
  runuser -u nobody -- env QT_QPA_PLATFORM=offscreen HOME="$scratch" TMPDIR=/tmp \
    HALVORA_PROGRAM_DIR="$scratch/program" "$scratch/tst_badinput" readOnlyProgramFolderLosesNothing
  rm -rf "$scratch"
fi

# The same suite again under AddressSanitizer and UndefinedBehaviorSanitizer,
# leaks included; any report fails the run.
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DHALVORA_SANITIZE=ON -DBUILD_TESTING=ON >/dev/null
cmake --build build-asan -j "$jobs"
(cd build-asan && QT_QPA_PLATFORM=offscreen \
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --output-on-failure -j "$jobs")

# A bounded fuzzing run of the RTF reader.
tools/fuzz-rtf.sh
