#!/usr/bin/env bash
# Starts zunt on a folder under Xvfb (with openbox or no window manager), reads its title,
# quits with Ctrl+Q and checks the settings file it wrote, byte for byte.
set -euo pipefail
zunt_built="$1"
wm="${2:-openbox}"
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 0; }
done

work="$(mktemp -d)"
source "$root/tools/xsession.sh"
cleanup() {
  [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null || true
  xsession_stop
  rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work/bin" "$work/shown dir/sub"
cp "$zunt_built" "$work/bin/zunt"
touch "$work/shown dir/a.txt"
[ "$wm" = openbox ] && xsession_start openbox || xsession_start

"$work/bin/zunt" "$work/shown dir" &
pid=$!
win=""
for _ in $(seq 1 100); do
  win=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1 || true)
  [ -n "$win" ] && break
  sleep 0.1
done
[ -n "$win" ] || { echo "FAIL: no window"; exit 1; }
sleep 0.3

title=$(xdotool getwindowname "$win")
[ "$title" = "shown dir" ] || { echo "FAIL: title '$title'"; exit 1; }

xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowfocus --sync "$win"
xdotool key ctrl+q
for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then echo "FAIL: Ctrl+Q did not end zunt"; exit 1; fi
pid=""

expected="$work/expected.ini"
{
  printf 'Exttxt=メモ帳|notepad.exe\r\n'
  printf 'Extpsd=Adobe Photoshop\r\n'
  printf 'Popﾒﾓ帳(&N)=N,notepad.exe\r\n'
  printf 'Pop&Pelor=M,Quenda\r\nPop&Mirel=S,Lanto\r\n'
  printf 'Pop&Excel= ,C:\\Program Files\\Microsoft Office\\Office10\\EXCEL.EXE\r\n'
  printf 'Msk1=*.*\r\nMsk2=*.jpg;*.gif;*.bmp\r\nSort=0\r\n'
  printf 'Width=137\r\nHeight=241\r\nLeft=179\r\nTop=104\r\n'
  printf 'FCharset=128\r\nFColor=-2147483640\r\nFHeight=-12\r\nFName=ＭＳ Ｐゴシック\r\n'
  printf 'FSize=9\r\nBGColor=-2147483643\r\nIsFullpath=0\r\nisStayTop=1\r\nMask=*.*\r\n'
} | iconv -f utf-8 -t cp932 >"$expected"
if ! cmp "$expected" "$work/bin/zunt.ini"; then
  echo "FAIL: zunt.ini differs"
  diff <(iconv -f cp932 -t utf-8 "$expected" | cat -A) <(iconv -f cp932 -t utf-8 "$work/bin/zunt.ini" | cat -A) || true
  exit 1
fi
echo "PASS: title '$title', zunt.ini as expected ($wm)"
