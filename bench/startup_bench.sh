#!/usr/bin/env bash
# Time from start to the window being mapped, zunt against a minimal Qt 6 window, in the same
# run under one Xvfb without a window manager. Usage: startup_bench.sh BUILD_DIR [RUNS]
set -euo pipefail
build="$(cd "$1" && pwd)"
runs="${2:-15}"
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/tools/xsession.sh"
work="$(mktemp -d)"
trap 'xsession_stop; rm -rf "$work"' EXIT
xsession_start
cp "$build/zunt" "$work/zunt"   # its zunt.ini stays in the scratch folder
mkdir -p "$work/shown"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -p -m 0700 "$XDG_RUNTIME_DIR"
# A warm-up round first, so that neither pays for a cold file cache; then alternating runs.
"$build/bench/map_timer" 1 "$work/zunt" "$work/shown" -- "$build/bench/qt_minimal" >/dev/null
read -r ours peer < <("$build/bench/map_timer" "$runs" "$work/zunt" "$work/shown" -- \
  "$build/bench/qt_minimal")
ratio=$(awk -v a="$ours" -v b="$peer" 'BEGIN { printf "%.2f", a / b }')
echo "start-up to mapped window (median of $runs): zunt ${ours} ms, minimal Qt window ${peer} ms, ratio ${ratio}x (target <= 1.5x)"
