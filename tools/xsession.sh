# Sourced by scripts that need an X server: starts Xvfb on a free display (and, on request,
# openbox with the key-free test configuration) and stops them on exit.
# Usage: source tools/xsession.sh; xsession_start [wm]
xsession_pids=()

xsession_stop() {
  local pid
  for pid in "${xsession_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${xsession_pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  xsession_pids=()
}

xsession_start() {
  local wm="${1:-}" n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
  done
  # -noreset: a client connecting just as the last one leaves must not meet a resetting server.
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
  xsession_pids+=($!)
  export DISPLAY=":$n"
  local i
  for i in $(seq 1 100); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.05
  done
  if [ "$wm" = openbox ]; then
    local here
    here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
    openbox --config-file "$here/openbox-rc.xml" >/dev/null 2>&1 &
    xsession_pids+=($!)
    for i in $(seq 1 100); do
      xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
      sleep 0.05
    done
    # The check window comes before openbox takes on new windows; give it a moment.
    sleep 0.3
  fi
}
