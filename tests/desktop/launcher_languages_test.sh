#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The translated launcher entry and metadata. First the ones the build made:
# every language whose .ts has finished all its launcher texts has a line for
# each language line of the templates, and a language with no finished text
# has none. Then a made-up pair of translations (French all finished, with
# characters both formats must escape; Brazilian Portuguese with only the
# first text finished; German with half its description) through the same
# script, judged by the validators.
#   launcher_languages_test.sh SOURCE_DIR BUILD_DESKTOP_DIR
set -u
set -o pipefail
SOURCE=${1:?usage: launcher_languages_test.sh SOURCE_DIR BUILD_DESKTOP_DIR}
BUILT=${2:?usage: launcher_languages_test.sh SOURCE_DIR BUILD_DESKTOP_DIR}
ID=io.github.pintaloo.Pintaloo
DESKTOP_IN=$SOURCE/desktop/$ID.desktop.in
META_IN=$SOURCE/desktop/$ID.metainfo.xml.in
for tool in desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed (scripts/deps.sh installs it): skipped"; exit 77; }
done
WORK=$(mktemp -d "${TMPDIR:-/tmp}/pintaloo-launcher.XXXXXX") || exit 1
trap 'rm -rf "$WORK"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

desktop_lines=$(grep -c '\[@LANG@\]=' "$DESKTOP_IN")
meta_lines=$(grep -c 'xml:lang="@LANG@"' "$META_IN")
((desktop_lines > 0 && meta_lines > 0)) || fail "the templates have no language lines"

# count_lines LANG DESKTOP META: "desktop-count meta-count" for one language.
count_lines() {
    echo "$(grep -c "^[A-Za-z]*\[$1\]=" "$2") $(grep -c "xml:lang=\"$1\"" "$3")"
}

# finished TS...: "LANG ALL DONE" a file, the launcher texts it has and has finished.
finished() {
    python3 -c 'import sys, xml.etree.ElementTree as E
for f in sys.argv[1:]:
    r = E.parse(f).getroot()
    t = [m.find("translation") for c in r.iter("context") if c.findtext("name") == "Launcher" for m in c.iter("message")]
    print(r.get("language"), len(t), sum(1 for x in t if x is not None and not x.get("type") and (x.text or "").strip()))' "$@"
}
while read -r lang all done; do
    got=$(count_lines "$lang" "$BUILT/$ID.desktop" "$BUILT/$ID.metainfo.xml")
    if ((all > 0 && done == all)); then
        [[ $got == "$desktop_lines $meta_lines" ]] ||
            fail "$lang has finished its launcher texts but has $got lines, not $desktop_lines $meta_lines"
    elif ((done == 0)); then
        [[ $got == "0 0" ]] || fail "$lang has no finished launcher text but has $got lines"
    fi
done < <(finished "$SOURCE"/translations/pintaloo_*.ts)

# The made-up translations: each finished text is "T<n> & <b> x;y".
fake() {  # fake TS_IN TS_OUT HOW_MANY_FINISHED
    awk -v keep="$3" '
        /<name>Launcher<\/name>/ { inside = 1 }
        inside && /<\/context>/ { inside = 0 }
        inside && /<translation/ {
            n++
            text = "<translation type=\"unfinished\">U" n "</translation>"
            if (n <= keep) text = "<translation>T" n " \\&amp; \\&lt;b\\&gt; x;y</translation>"
            sub(/<translation.*<\/translation>/, text)
        }
        { print }' "$1" >"$2"
}
mkdir -p "$WORK/ts" "$WORK/out"
fake "$SOURCE/translations/pintaloo_fr.ts" "$WORK/ts/pintaloo_fr.ts" 1000
fake "$SOURCE/translations/pintaloo_pt_BR.ts" "$WORK/ts/pintaloo_pt_BR.ts" 1
# German: the table's first five, which end with the description's first
# paragraph; the rest of the description unfinished leaves all of it English.
fake "$SOURCE/translations/pintaloo_de.ts" "$WORK/ts/pintaloo_de.ts" 5
python3 "$SOURCE/tools/i18n/localise_desktop.py" --words "$SOURCE/ui/words/launcher_words.cpp" \
    --template "$DESKTOP_IN" --template "$META_IN" --output-dir "$WORK/out" "$WORK"/ts/*.ts ||
    fail "the script refused the made-up translations"
desktop=$WORK/out/$ID.desktop meta=$WORK/out/$ID.metainfo.xml
[[ $(count_lines fr "$desktop" "$meta") == "$desktop_lines $meta_lines" ]] ||
    fail "French, all finished, has $(count_lines fr "$desktop" "$meta") lines, not $desktop_lines $meta_lines"
[[ $(count_lines pt_BR "$desktop" "$meta") == "1 0" ]] ||
    fail "Brazilian Portuguese, with only its generic name, has $(count_lines pt_BR "$desktop" "$meta") lines"
[[ $(count_lines de "$desktop" "$meta") == "3 1" ]] ||
    fail "German, with half its description, has $(count_lines de "$desktop" "$meta") lines, not its summary alone"
grep -qx 'GenericName\[pt_BR\]=T1 & <b> x;y' "$desktop" || fail "no GenericName[pt_BR] line as written"
grep -Eqx 'Keywords\[fr\]=T[0-9]+ & <b> x;y;' "$desktop" || fail "the French keywords are not a ';' list"
[[ $(grep 'xml:lang="fr"' "$meta" | grep -vc '>T[0-9]* &amp; &lt;b&gt; x;y</') == 0 ]] ||
    fail "a French line of the metadata is not the escaped text"
desktop-file-validate "$desktop" 2>&1 | grep ': error: ' && fail "desktop-file-validate finds errors"
appstreamcli validate --pedantic --no-net "$meta" >"$WORK/appstream.log" 2>&1 ||
    { cat "$WORK/appstream.log"; fail "appstreamcli finds the translated metadata invalid"; }

(( failures == 0 )) || { echo "$failures checks failed"; exit 1; }
echo "every finished language has its launcher and metadata lines"
