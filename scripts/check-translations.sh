#!/usr/bin/env bash
# Checks the translations against the sources: every text the player sees
# has an entry in each translations/meldora_LANG.ts, every entry is
# translated, and none is left over from a text the sources no longer have.
# lupdate brings a copy of each .ts file up to date with the sources: a new
# text comes in unfinished, a text gone from the sources is marked vanished.
# Prints a line per language, and each text at fault; fails on any.
# Usage: check-translations.sh LUPDATE [SOURCE_ROOT]
set -euo pipefail
lupdate=$1
root=${2:-$(cd "$(dirname "$0")/.." && pwd)}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The folders whose texts the player sees (the runner, src/sim, stays English);
# cmake/Translations.cmake names the same.
sources=() includes=()
for folder in core player opponent scores hint review shell app; do sources+=("$root/src/$folder"); done
for folder in core scores opponent player review shell; do includes+=(-I "$root/src/$folder"); done
failed=0
shopt -s nullglob
files=("$root"/translations/meldora_*.ts)
[ ${#files[@]} -gt 0 ] || { echo "FAIL no translations in $root/translations"; exit 1; }
for ts in "${files[@]}"; do
    copy=$work/$(basename "$ts")
    cp "$ts" "$copy"
    "$lupdate" -silent -locations none "${includes[@]}" "${sources[@]}" -ts "$copy" >"$work/log" 2>&1 ||
        { cat "$work/log"; exit 1; }
    python3 - "$copy" "$(basename "$ts")" <<'PY' || failed=1
import sys
import xml.etree.ElementTree as ET
path, name = sys.argv[1], sys.argv[2]
texts = faults = 0
for context in ET.parse(path).getroot().iter('context'):
    for message in context.iter('message'):
        source = message.findtext('source')
        translation = message.find('translation')
        kind = translation.get('type', '')
        forms = [f.text for f in translation.iter('numerusform')] or [translation.text]
        if kind in ('vanished', 'obsolete'):
            fault = 'no longer in the sources'
        elif kind == 'unfinished':
            fault = 'untranslated' if not any(forms) else 'unfinished'
        elif not all(forms):
            fault = 'an empty translation'
        else:
            texts += 1
            continue
        faults += 1
        print(f'    {name}: {context.findtext("name")}: {source!r}: {fault}')
print(f'{"ok  " if faults == 0 else "FAIL"} {name}: {texts} texts translated, {faults} at fault')
sys.exit(1 if faults else 0)
PY
done
[ $failed -eq 0 ] || echo "Run: cmake --build build --target update_translations, then translate what is marked."
exit $failed
