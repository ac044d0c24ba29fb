#!/usr/bin/env bash
# The program starts from its folder with a fresh user profile: it copies the
# shipped settings and installs the map page's files, starts the map's web
# engine and keeps running. As root it runs the web engine without its sandbox by itself
# (the engine would refuse to start otherwise) and says so once.
set -euo pipefail
build=$1
bin="$build/bin"
mkdir -p "$build/test-tmp"
scratch=$(mktemp -d "$build/test-tmp/startup.XXXXXX")
export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/home/.config" XDG_RUNTIME_DIR="$scratch/run"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=offscreen

# Our test environment turns the sandbox off for every test; the program must
# manage without that.
env -u QTWEBENGINE_DISABLE_SANDBOX "$bin/trevik-ap" >"$scratch/out.log" 2>"$scratch/err.log" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true' EXIT

cfg="$XDG_CONFIG_HOME/Kartovex"
wanted=("$cfg/Kartovex.ini" "$cfg/web/TrevikAP.js" "$cfg/web/TrevikAp.css" "$cfg/web/start.png" "$cfg/web/end.png")
for _ in $(seq 1 600); do
  all=1
  for f in "${wanted[@]}"; do [ -s "$f" ] || all=0; done
  [ $all = 1 ] && break
  kill -0 "$pid" 2>/dev/null || { echo "program ended early"; cat "$scratch/out.log" "$scratch/err.log"; exit 1; }
  sleep 0.1
done
for f in "${wanted[@]}"; do
  [ -s "$f" ] || { echo "missing: $f"; cat "$scratch/out.log" "$scratch/err.log"; exit 1; }
done
# The map's web engine starts its helper processes (a refusal ends the program).
for _ in $(seq 1 600); do
  ps --ppid "$pid" -o comm= | grep -q QtWebEngine && break
  kill -0 "$pid" 2>/dev/null || { echo "program ended early"; cat "$scratch/out.log" "$scratch/err.log"; exit 1; }
  sleep 0.1
done
ps --ppid "$pid" -o comm= | grep -q QtWebEngine || { echo "the web engine did not start"; exit 1; }
sleep 1
cmp "$bin/Kartovex.ini" "$cfg/Kartovex.ini"
cmp "$bin/TrevikAP.js" "$cfg/web/TrevikAP.js"
[ -d "$HOME/Documents/Kartovex" ] || { echo "no documents folder"; exit 1; }
kill -0 "$pid" 2>/dev/null || { echo "program ended early"; cat "$scratch/out.log" "$scratch/err.log"; exit 1; }
said=$(grep -c "without its sandbox" "$scratch/err.log" || true)
if [ "$(id -u)" = 0 ]; then
  [ "$said" = 1 ] || { echo "as root: expected one line about the sandbox, got $said"; cat "$scratch/err.log"; exit 1; }
else
  [ "$said" = 0 ] || { echo "not root: the sandbox must stay on"; cat "$scratch/err.log"; exit 1; }
fi
# A log-out (SIGTERM) ends the program as a normal close does: the settings
# are written back (the first-run mark among them) and it exits cleanly.
! grep -qi '^First=0' "$cfg/Kartovex.ini" || { echo "the shipped settings should not mark the first run done"; exit 1; }
kill -TERM "$pid"
for _ in $(seq 1 300); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then echo "SIGTERM did not end the program"; exit 1; fi
rc=0; wait "$pid" || rc=$?
[ "$rc" = 0 ] || { echo "ended with $rc after SIGTERM"; cat "$scratch/err.log"; exit 1; }
grep -qi '^First=0' "$cfg/Kartovex.ini" || { echo "settings not written back on SIGTERM"; cat "$cfg/Kartovex.ini"; exit 1; }
echo ok
