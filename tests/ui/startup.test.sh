#!/usr/bin/env bash
# The program starts from its folder with a fresh user profile: it copies the
# shipped settings and installs the map page's files, then keeps running.
set -euo pipefail
build=$1
bin="$build/bin"
scratch=$(mktemp -d "$build/test-tmp/startup.XXXXXX")
export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/home/.config" XDG_RUNTIME_DIR="$scratch/run"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=offscreen

"$bin/trevik-ap" >"$scratch/out.log" 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true' EXIT

cfg="$XDG_CONFIG_HOME/Kartovex"
wanted=("$cfg/Kartovex.ini" "$cfg/web/TrevikAP.js" "$cfg/web/TrevikAp.css" "$cfg/web/start.png" "$cfg/web/end.png")
for _ in $(seq 1 600); do
  all=1
  for f in "${wanted[@]}"; do [ -s "$f" ] || all=0; done
  [ $all = 1 ] && break
  kill -0 "$pid" 2>/dev/null || { echo "program ended early"; cat "$scratch/out.log"; exit 1; }
  sleep 0.1
done
for f in "${wanted[@]}"; do
  [ -s "$f" ] || { echo "missing: $f"; cat "$scratch/out.log"; exit 1; }
done
cmp "$bin/Kartovex.ini" "$cfg/Kartovex.ini"
cmp "$bin/TrevikAP.js" "$cfg/web/TrevikAP.js"
[ -d "$HOME/Documents/Kartovex" ] || { echo "no documents folder"; exit 1; }
kill -0 "$pid" 2>/dev/null || { echo "program ended early"; cat "$scratch/out.log"; exit 1; }
echo ok
