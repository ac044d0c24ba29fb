#!/usr/bin/env bash
# Pictures of the windows on a real X server (Xvfb), into <build>/screenshots.
set -euo pipefail
build=$1
mkdir -p "$build/screenshots" "$build/test-tmp"
export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR
XDG_RUNTIME_DIR=$(mktemp -d "$build/test-tmp/xdg.XXXXXX")
chmod 700 "$XDG_RUNTIME_DIR"
xvfb-run -a -s "-screen 0 1280x1024x24" "$build/tests/ui_test_screenshot" --gtest_brief=1
for f in main-destinations main-route main-tracks main-program splash splash-probing language \
         box-download-failed-de box-download-failed-ja box-waypoint-file-de box-waypoint-file-ja; do
  [ -s "$build/screenshots/$f.png" ] || { echo "missing $f.png"; exit 1; }
done
echo "screenshots in $build/screenshots"
