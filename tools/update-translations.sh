#!/usr/bin/env bash
# Collects the texts of app/, cli/, lang/, ownsets/, platform/ and sheet/ into the translation
# files and fills in the German and Spanish translations that tools/translations.py knows. Run from
# anywhere after changing a translated text; it names every text still lacking a translation.
set -euo pipefail
cd "$(dirname "$0")/.."
ts=(lang/translations/zavolin_de.ts lang/translations/zavolin_en.ts lang/translations/zavolin_es.ts)
/usr/lib/qt6/bin/lupdate -silent -no-obsolete -locations none app cli lang ownsets platform sheet -ts "${ts[@]}"
python3 tools/translations.py lang/translations
