#!/usr/bin/env bash
# Brings a copy of each shipped .ts file up to date with the code, as the
# update_translations target does, and fails when a text of the code has no finished
# translation there or a translation stands for a text the code no longer has, naming
# the file, the context and the text. So a new English text cannot land untranslated.
# A translation whose place-holders (%1, %2...) are not those of its text fails too.
# Usage: run_translations_check.sh LUPDATE SOURCE_FOLDER TRANSLATED_PATH...
set -euo pipefail
lupdate=${1:?lupdate}
source=$(cd "${2:?source folder}" && pwd)
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$source"/translations/tallowmere_*.ts "$work"/
paths=()
for path in "$@"; do
    paths+=("$source/$path")
done
# Unlike the update target it keeps what vanished, to name it.
"$lupdate" -locations none -I "$source/src" "${paths[@]}" -ts "$work"/tallowmere_*.ts >"$work/lupdate.log" 2>&1 \
    || { cat "$work/lupdate.log"; exit 1; }
/usr/bin/python3 - "$work"/tallowmere_*.ts <<'PYTHON'
import os, re, sys
import xml.etree.ElementTree as ET
faults = []
for path in sys.argv[1:]:
    name = os.path.basename(path)
    for context in ET.parse(path).getroot().iter('context'):
        where = context.findtext('name')
        for message in context.iter('message'):
            text = message.findtext('source')
            translation = message.find('translation')
            kind = translation.get('type') if translation is not None else 'unfinished'
            if translation is None:
                empty = True
            elif message.get('numerus') == 'yes':
                forms = [(f.text or '').strip() for f in translation.iter('numerusform')]
                empty = not forms or not all(forms)
            else:
                empty = not (translation.text or '').strip()
            if kind in ('vanished', 'obsolete'):
                faults.append(f'{name}: [{where}] "{text}" is no longer in the code')
            elif kind == 'unfinished' or empty:
                faults.append(f'{name}: [{where}] "{text}" has no finished translation')
            else:
                # A translation that drops or adds a place-holder shows the wrong value.
                wanted = sorted(set(re.findall(r'%[1-9]', text)))
                shown = forms if message.get('numerus') == 'yes' else [translation.text]
                for form in shown:
                    if sorted(set(re.findall(r'%[1-9]', form))) != wanted:
                        faults.append(f'{name}: [{where}] "{text}" is translated with other place-holders: "{form}"')
for fault in faults:
    print('FAIL ' + fault)
sys.exit(1 if faults else 0)
PYTHON
echo "ok   every text of the code is translated in $(cd "$work" && echo tallowmere_*.ts)"
