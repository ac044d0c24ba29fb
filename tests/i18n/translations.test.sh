#!/usr/bin/env bash
# The translation files are current (lupdate over the sources changes none
# of them) and complete in every language.
set -euo pipefail
src=$(cd "$(dirname "$0")/../.." && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cp "$src"/translations/trevik_*.ts "$tmp"/
bash "$src/scripts/update-translations" "$tmp"
status=0
for f in "$src"/translations/trevik_*.ts; do
  if ! diff -u "$f" "$tmp/$(basename "$f")" >"$tmp/diff" 2>&1; then
    echo "FAIL: $(basename "$f") is not current; run scripts/update-translations"
    head -40 "$tmp/diff"
    status=1
  fi
done
[ "$(ls "$src"/translations/trevik_*.ts | wc -l)" = 9 ] || { echo "FAIL: want 9 translation files"; status=1; }
python3 "$src/tests/support/check_ts.py" "$src"/translations/trevik_*.ts || status=1
exit $status
