#!/usr/bin/env bash
# Builds the RTF reader fuzzer with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) and runs it for a bounded time. Exits non-zero
# on any crash, leak, hang, memory blow-up or broken invariant.
#
#   tools/fuzz-rtf.sh [seconds]          default 60
#   HALVORA_FUZZ_BUILD=dir               build folder, default build-fuzz
#   HALVORA_FUZZ_TIMEOUT=seconds         per-input limit, default 10
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-${HALVORA_FUZZ_SECONDS:-60}}"
build="${HALVORA_FUZZ_BUILD:-build-fuzz}"
per_input="${HALVORA_FUZZ_TIMEOUT:-10}"

cxx=""
for candidate in clang++-14 clang++; do
  if command -v "$candidate" >/dev/null; then cxx="$candidate"; break; fi
done
if [ -z "$cxx" ]; then
  echo "fuzz-rtf: clang++ not found (Debian packages clang and libclang-rt-14-dev)" >&2
  exit 1
fi

mkdir -p "$build/obj" "$build/corpus" "$build/artifacts"
binary="$build/rtf_reader_fuzz"
sources=(src/platform/rtf/*.cpp fuzz/rtf_reader_fuzz.cpp)

# Rebuild only when a source or header is newer than the fuzzer.
stale=1
if [ -x "$binary" ] && [ -z "$(find src/platform/rtf fuzz/rtf_reader_fuzz.cpp "$0" -newer "$binary" -print -quit)" ]; then
  stale=0
fi
if [ "$stale" -eq 1 ]; then
  echo "fuzz-rtf: building $binary with $cxx"
  flags=(-std=c++20 -g -O1 -fPIC -fno-omit-frame-pointer
         -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all
         -Isrc/platform)
  read -r -a qt_cflags <<<"$(pkg-config --cflags Qt6Core Qt6Gui)"
  read -r -a qt_libs <<<"$(pkg-config --libs Qt6Core Qt6Gui)"
  objects=()
  for src in "${sources[@]}"; do
    obj="$build/obj/$(basename "${src%.cpp}").o"
    "$cxx" "${flags[@]}" "${qt_cflags[@]}" -c "$src" -o "$obj"
    objects+=("$obj")
  done
  "$cxx" "${flags[@]}" "${objects[@]}" "${qt_libs[@]}" -o "$binary"
fi

echo "fuzz-rtf: running for ${seconds}s (per-input timeout ${per_input}s)"
# New inputs go to the first corpus folder; the committed seeds stay untouched.
export QT_QPA_PLATFORM=offscreen
"$binary" \
  -max_total_time="$seconds" \
  -timeout="$per_input" \
  -rss_limit_mb=2048 \
  -malloc_limit_mb=2048 \
  -max_len=16384 \
  -detect_leaks=1 \
  -error_exitcode=77 \
  -timeout_exitcode=78 \
  -print_final_stats=1 \
  -dict=fuzz/rtf.dict \
  -artifact_prefix="$build/artifacts/" \
  "$build/corpus" fuzz/corpus tests/data/rtf
echo "fuzz-rtf: no crash, leak or hang"
