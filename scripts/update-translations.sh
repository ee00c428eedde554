#!/usr/bin/env bash
# Gathers the program's texts into the translation files in i18n/, keeping
# what is translated already. The build turns them into the program's .qm files.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
/usr/lib/qt6/bin/lupdate -locations none -tr-function-alias QT_TRANSLATE_NOOP+=TARVO_TRANSLATE \
    app common dialogs game scores view -ts i18n/tarvo-othello_de.ts i18n/tarvo-othello_fi.ts
