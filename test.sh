#!/usr/bin/env bash
# Sets up, builds and runs every test: the full build (unit, platform, Qt, X11 and end-to-end
# tests), then the unit tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"
"$root/tools/setup.sh"
jobs="${ZUNT_JOBS:-2}"

cmake -S "$root" -B "$root/build/test" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$root/build/test" -j "$jobs"
ctest --test-dir "$root/build/test" --output-on-failure -j "$jobs" --timeout 300

cmake -S "$root" -B "$root/build/asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZUNT_SANITIZE=ON \
  -DZUNT_WITH_QT=OFF -DZUNT_BENCH=OFF >/dev/null
cmake --build "$root/build/asan" -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir "$root/build/asan" --output-on-failure -j "$jobs" --timeout 300
