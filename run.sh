#!/usr/bin/env bash
# Sets up, builds and starts zunt; arguments go to the program. Without a display the program
# runs under Xvfb, a screenshot of its window is saved and its path printed.
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"
"$root/tools/setup.sh"
cmake -S "$root" -B "$root/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DZUNT_TESTS=OFF -DZUNT_BENCH=OFF >/dev/null
cmake --build "$root/build/release" --target zunt
zunt="$root/build/release/zunt"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  exec "$zunt" "$@"
fi

source "$root/tools/xsession.sh"
trap xsession_stop EXIT
xsession_start openbox
"$zunt" "$@" &
pid=$!
win=""
for _ in $(seq 1 100); do
  win=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1) && [ -n "$win" ] && break
  sleep 0.1
done
if [ -z "$win" ]; then
  echo "zunt showed no window" >&2
  kill "$pid" 2>/dev/null || true
  exit 1
fi
sleep 0.5
mkdir -p "$root/build/screenshots"
shot="$root/build/screenshots/zunt-$(date +%Y%m%d-%H%M%S).png"
geometry=$(xwininfo -id "$win" -frame | awk '
  /Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
  /Width:/ {w=$NF} /Height:/ {h=$NF}
  END {printf "%dx%d+%d+%d", w, h, x, y}')
import -window root -crop "$geometry" +repage "$shot"
echo "zunt ran on display $DISPLAY; screenshot: $shot"
xdotool windowactivate --sync "$win" >/dev/null 2>&1 || true
xdotool key --window "$win" ctrl+q >/dev/null 2>&1 || true
for _ in $(seq 1 30); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill "$pid" 2>/dev/null || true
