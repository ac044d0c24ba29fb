#!/usr/bin/env bash
# Window placement on a real X server, the program as a user starts it.
# With a window manager (openbox): a maximised close keeps the normal bounds,
# the next start is a real maximised window, and un-maximising brings the
# bounds back. Without one: a maximised start covers the screen by itself and
# a close keeps the bounds as well.
set -euo pipefail
build=$1
bin="$build/bin"
for tool in Xvfb openbox wmctrl xprop xwininfo; do
  command -v "$tool" >/dev/null || { echo "missing $tool"; exit 1; }
done
mkdir -p "$build/test-tmp"
scratch=$(mktemp -d "$build/test-tmp/placement.XXXXXX")
export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/home/.config" XDG_RUNTIME_DIR="$scratch/run"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb
# No network here: the map page points at a closed port instead.
export TREVIK_MAPS_API_BASE=http://127.0.0.1:9 TREVIK_MAKER_URL=http://127.0.0.1:9
cfg="$XDG_CONFIG_HOME/Kartovex"
ini="$cfg/Kartovex.ini"
mkdir -p "$cfg"

pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*"
  [ -f "$ini" ] && grep -i '^W' "$ini" | tr '\r' ' '
  [ -f "$scratch/err.log" ] && tail -5 "$scratch/err.log"
  exit 1
}

# Waits up to 20 s for a command to succeed.
wait_for() {
  for _ in $(seq 1 200); do "$@" && return 0; sleep 0.1; done
  return 1
}

start_x() {  # start_x wm|bare
  exec 3>"$scratch/display"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$scratch/xvfb.log" 2>&1 &
  pids+=($!)
  exec 3>&-
  wait_for test -s "$scratch/display" || fail "Xvfb did not start"
  export DISPLAY=":$(head -n1 "$scratch/display")"
  : >"$scratch/display"
  if [ "$1" = wm ]; then
    openbox >"$scratch/openbox.log" 2>&1 &
    pids+=($!)
    wait_for sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' || fail "openbox did not start"
  fi
}

stop_x() {
  cleanup
  pids=()
}

write_ini() {  # write_ini <WState>
  printf '[GUI]\r\nFirst=0\r\nDestination=1\r\nWaypoint=1\r\nRoute=1\r\nTrack=1\r\nVersionCheck=0\r\n' >"$ini"
  printf 'WState=%s\r\nWLeft=100\r\nWTop=80\r\nWWidth=1000\r\nWHeight=720\r\n' "$1" >>"$ini"
  printf '[SERIAL]\r\nAutoConnect=0\r\nPort=-1\r\n' >>"$ini"
}

ini_value() { grep -i "^$1=" "$ini" | head -n1 | cut -d= -f2 | tr -d '\r'; }

expect_bounds() {  # expect_bounds <WState> <what>
  [ "$(ini_value WState)" = "$1" ] || fail "$2: WState=$(ini_value WState), expected $1"
  for kv in WLeft=100 WTop=80 WWidth=1000 WHeight=720; do
    [ "$(ini_value "${kv%%=*}")" = "${kv#*=}" ] || fail "$2: ${kv%%=*}=$(ini_value "${kv%%=*}"), expected ${kv#*=}"
  done
}

app=""
window=""
start_program() {
  "$bin/trevik-ap" >"$scratch/out.log" 2>"$scratch/err.log" &
  app=$!
  pids+=("$app")
  find_window() { window=$(xwininfo -root -tree 2>/dev/null | awk '/"Trevik AP - "/ {print $1; exit}'); [ -n "$window" ]; }
  wait_for find_window || fail "no main window"
}

# The client area's place on the screen: "x y width height".
client_geometry() {
  xwininfo -id "$window" 2>/dev/null | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
    /^ *Width:/ {w=$NF} /^ *Height:/ {h=$NF} END {print x, y, w, h}'
}

maximised() { xprop -id "$window" _NET_WM_STATE | grep -q MAXIMIZED_VERT && xprop -id "$window" _NET_WM_STATE | grep -q MAXIMIZED_HORZ; }
normal() { ! xprop -id "$window" _NET_WM_STATE | grep -q MAXIMIZED; }
geometry_is() { [ "$(client_geometry)" = "$1" ]; }
sized() { read -r _ _ w h <<<"$(client_geometry)"; [ "$w" = "$1" ] && [ "$h" = "$2" ]; }

wait_exit() {  # wait_exit <what>
  for _ in $(seq 1 600); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$app" 2>/dev/null && fail "$1: the program did not end"
  local rc=0
  wait "$app" || rc=$?
  [ "$rc" = 0 ] || fail "$1: the program ended with $rc"
}

# --- with a window manager ------------------------------------------------------
start_x wm
write_ini 0
start_program
wait_for sized 1000 720 || fail "first start: $(client_geometry), expected 1000x720"
read -r nx ny _ _ <<<"$(client_geometry)"
# The title-bar button's request: the window manager maximises.
wmctrl -i -r "$window" -b add,maximized_vert,maximized_horz
wait_for maximised || fail "maximise request not taken"
wmctrl -i -c "$window"
wait_exit "maximised close"
expect_bounds 1 "maximised close"

start_program
wait_for maximised || fail "a maximised start is not maximised for the window manager"
read -r _ y _ _ <<<"$(client_geometry)"
top=$(xprop -id "$window" _NET_FRAME_EXTENTS | awk -F', ' '{print $3}')
[ -n "$top" ] && [ "$y" -ge "$top" ] || fail "maximised start: the title bar is off the screen (client at y=$y, title $top high)"
wmctrl -i -r "$window" -b remove,maximized_vert,maximized_horz
wait_for normal || fail "un-maximise request not taken"
wait_for geometry_is "$nx $ny 1000 720" ||
  fail "un-maximised: $(client_geometry), expected the first start's $nx $ny 1000 720"
wmctrl -i -c "$window"
wait_exit "normal close"
expect_bounds 0 "normal close"
stop_x

# --- without a window manager ---------------------------------------------------
start_x bare
write_ini 1
start_program
wait_for geometry_is "0 0 1280 1024" || fail "bare X, maximised start: $(client_geometry), expected the whole screen"
# A log-out ends the program as a normal close does.
kill -TERM "$app"
wait_exit "bare X, maximised close"
expect_bounds 1 "bare X, maximised close"
stop_x
echo ok
