#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Dunmarrow
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The template of the desktop catalogues: the texts of the menu entry and the software-centre
# record that are translated, taken from their configured, untranslated forms in a build (the
# program's name comes from project(), so only the configured files hold the texts as shown).
#   tools/desktop-pot.sh BUILD [OUT.pot]    writes the template (default BUILD/assets/desktop.pot)
#   tools/desktop-pot.sh --update BUILD     also merges it into every assets/translations/<lang>.po
# The menu entry's Name is the program's name and stays out; the record marks its names with
# translate="no".
set -euo pipefail
update=no
[[ "${1:-}" == "--update" ]] && { update=yes; shift; }
[[ $# -ge 1 ]] || { echo "usage: tools/desktop-pot.sh [--update] BUILD [OUT.pot]" >&2; exit 2; }
pot=$(realpath -m "${2:-$1/assets/desktop.pot}")
translations=$(realpath "$(dirname "$0")/../assets/translations")
cd "$1/assets/untranslated"
xgettext --from-code=UTF-8 --package-name=Quillmere -k --keyword=GenericName --keyword=Comment \
    --keyword=Keywords -o "$pot" org.dunmarrow.Quillmere.desktop org.dunmarrow.Quillmere.metainfo.xml
if [[ $update == yes ]]; then
    for po in "$translations"/*.po; do msgmerge -q -U --backup=off "$po" "$pot"; done
fi
