#!/usr/bin/env python3
"""Checks translation files: every message is translated, none is marked
unfinished, every plural form is filled, and each translation keeps the
source's placeholders (%1..%99, %n), so no argument is lost or invented.
Beyond English, a translation quotes with its language's own marks, never
with straight ASCII double quotes, and a system reason (a full disk, a
missing folder) never uses the word the program uses for the navigator."""
import re
import sys
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%(?:n|L?\d{1,2})")
MARKUP = re.compile(r"<[^>]*>")

# The word each language uses for the GPS device. In a reason the system
# gives, it would turn "the disk is full" into "the navigator is full".
DEVICE_WORD = {
    "de": "gerät", "es": "dispositivo", "fr": "appareil", "it": "dispositivo",
    "nl": "apparaat", "ja": "デバイス", "zh_CN": "设备", "zh_TW": "裝置",
}
SYSTEM_REASONS = {"folders"}


def places(text):
    return sorted(set(m.replace("L", "") for m in PLACEHOLDER.findall(text or "")))


def check(path):
    faults = []
    root = ET.parse(path).getroot()
    language = root.get("language", "")
    english = language.startswith("en")
    device_word = DEVICE_WORD.get(language, DEVICE_WORD.get(language.split("_")[0]))
    count = 0
    for ctx in root.iter("context"):
        cname = ctx.findtext("name")
        for msg in ctx.iter("message"):
            source = msg.findtext("source") or ""
            tr = msg.find("translation")
            where = f"{path}: [{cname}] {source!r}"
            count += 1
            if tr is None:
                faults.append(f"{where}: no translation")
                continue
            kind = tr.get("type")
            if kind in ("unfinished", "vanished", "obsolete"):
                faults.append(f"{where}: {kind}")
            if msg.get("numerus") == "yes":
                forms = [f.text or "" for f in tr.findall("numerusform")]
                if not forms or any(not f.strip() for f in forms):
                    faults.append(f"{where}: a plural form is empty")
                texts = forms
            else:
                if english:
                    continue
                if not (tr.text or "").strip():
                    faults.append(f"{where}: empty")
                texts = [tr.text or ""]
            want = places(source)
            for t in texts:
                if not english and '"' in MARKUP.sub("", t):
                    faults.append(f"{where}: straight quotes instead of the language's own in {t!r}")
                if cname in SYSTEM_REASONS and device_word and device_word in t.lower():
                    faults.append(f"{where}: names the device ({device_word!r}) in a system reason {t!r}")
                got = places(t)
                # A plural form may leave the count out (e.g. "one file").
                if got != want and [p for p in want if p != "%n"] != [p for p in got if p != "%n"]:
                    faults.append(f"{where}: placeholders {got} instead of {want} in {t!r}")
    return count, faults


def main():
    total_faults = []
    for path in sys.argv[1:]:
        count, faults = check(path)
        print(f"{path}: {count} messages, {len(faults)} faults")
        total_faults += faults
    for f in total_faults:
        print(f)
    return 1 if total_faults else 0


if __name__ == "__main__":
    sys.exit(main())
