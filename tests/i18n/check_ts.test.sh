#!/usr/bin/env bash
# The translation checker refuses straight quotes and the navigator's word in
# a system reason, and lets the forms that are right pass.
set -euo pipefail
src=$(cd "$(dirname "$0")/../.." && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# One message in a file of its own: language, context, source, translation
# (the last two as written in a .ts file, entities included).
ts() {
  local file="$tmp/$1_$RANDOM$RANDOM.ts"
  cat >"$file" <<EOF
<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="$1">
<context>
    <name>$2</name>
    <message>
        <source>$3</source>
        <translation>$4</translation>
    </message>
</context>
</TS>
EOF
  echo "$file"
}

status=0
# language | context | source | translation | the fault it must report ("" for none)
while IFS='|' read -r lang ctx source translation fault; do
  file=$(ts "$lang" "$ctx" "$source" "$translation")
  out=$(python3 "$src/tests/support/check_ts.py" "$file") && rc=0 || rc=$?
  if [ -n "$fault" ]; then
    if [ "$rc" = 0 ] || ! grep -qF "$fault" <<<"$out"; then
      echo "FAIL: $lang '$translation' should be refused ($fault):"; echo "$out"; status=1
    fi
  elif [ "$rc" != 0 ]; then
    echo "FAIL: $lang '$translation' should pass:"; echo "$out"; status=1
  fi
done <<'CASES'
nl_NL|TFormDestEditor|The category &quot;%1&quot; has no sub-category.|De categorie &quot;%1&quot; heeft geen subcategorie.|straight quotes
es_ES|TProgramPage|A favourite needs a name without &quot;;&quot;.|Un favorito necesita un nombre sin &quot;;&quot;.|straight quotes
ja_JP|TProgramPage|A favourite needs a name without &quot;;&quot;.|お気に入りの名前に&quot;;&quot;は使えません。|straight quotes
es_ES|folders|No space left on device|No queda espacio en el dispositivo|names the device
nl_NL|folders|No space left on device|Geen ruimte meer over op apparaat|names the device
de_DE|folders|Input/output error|Ein-/Ausgabefehler des Geräts|names the device
zh_TW|folders|No space left on device|裝置上沒有剩餘空間|names the device
zh_CN|folders|No space left on device|设备上没有剩余空间|names the device
nl_NL|TFormDestEditor|The category &quot;%1&quot; has no sub-category.|De categorie “%1” heeft geen subcategorie.|
es_ES|TFormDestEditor|The category &quot;%1&quot; has no sub-category.|La categoría «%1» no tiene ninguna subcategoría.|
de_DE|TProgramPage|A favourite needs a name without &quot;;&quot;.|Ein Favorit braucht einen Namen ohne „;“.|
it_IT|TProgramPage|Open &lt;a href=&quot;x&quot;&gt;the page&lt;/a&gt;|Apri &lt;a href=&quot;x&quot;&gt;la pagina&lt;/a&gt;|
fr_FR|TProgramPage|It&apos;s fine|C&apos;est bien|
es_ES|folders|No space left on device|No queda espacio en el disco|
ja_JP|folders|No space left on device|ディスクに空き領域がありません|
zh_TW|folders|No space left on device|磁碟上沒有剩餘空間|
de_DE|TFormWorkTask|The device refused the data.|Das Gerät hat die Daten abgelehnt.|
en_US|TProgramPage|A favourite needs a name without &quot;;&quot;.|A favourite needs a name without &quot;;&quot;.|
CASES
exit $status
