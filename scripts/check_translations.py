#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks that every translations/*.ts file is complete and can be shipped.

Every .ts file in translations/ is shipped, so each one must:
  - hold exactly the messages lupdate finds in ui/words/*.cpp today (a text
    added or changed in the tables without the files being refreshed fails);
  - have every message translated or marked unfinished: no empty, vanished
    or obsolete one. A text added to the tables is written into every file
    by --update, marked unfinished: it shows in English until a translator
    comes by, and is counted per language here, never refused, so a new
    text alone does not fail a build;
  - keep what the program relies on: the %1..%99, %L1 and %n placeholders of
    the source, the launcher keywords' ';' list, no ':' or '/' in a file
    name, and as many '&' keyboard accelerators as the source in Qt's own
    dialog words ("&&" is a literal ampersand, not an accelerator).

Each problem is printed as FILE: CONTEXT: "SOURCE": what is wrong, and the
exit status is non-zero when there is any. The unfinished messages are
printed as a count per file. An unfinished message that holds a draft is
checked like a finished one, since lrelease ships drafts.

  check_translations.py            check the tree this script is in
  check_translations.py --update   refresh every .ts file from the sources
  check_translations.py --self-test
                                   prove the check catches each fault, on a
                                   small tree it makes in a temporary folder

lupdate is found from --lupdate, then $LUPDATE, then Qt 6's own folder on
Debian, then PATH. Python 3's standard library is all this needs.
"""
import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
SOURCES = "ui/words"  # every text the program shows or says is in a table here
# lupdate reads a handful of small files in about a second: two minutes means it is stuck.
LUPDATE_SECONDS = 120

PLACEHOLDER = re.compile(r"%L?(?:[1-9][0-9]?|n)")
# Qt's own dialogs take their keyboard accelerators from these words.
QT_CONTEXT = re.compile(r"^Q[A-Z][A-Za-z]*$")
FILE_NAME_CONTEXT = "Files"


def find_lupdate(given):
    for candidate in (given, os.environ.get("LUPDATE"), "/usr/lib/qt6/bin/lupdate"):
        if candidate and os.access(candidate, os.X_OK):
            return candidate
    found = shutil.which("lupdate")
    if not found:
        sys.exit("check_translations: lupdate not found (Debian: apt-get install qt6-l10n-tools)")
    return found


def lupdate_command(lupdate, root, ts_files):
    sources = sorted(str(p.relative_to(root)) for p in (root / SOURCES).glob("*.cpp"))
    return [lupdate, "-silent", "-locations", "none", "-no-obsolete", *sources, "-ts", *map(str, ts_files)]


def run_lupdate(lupdate, root, ts_files):
    subprocess.run(lupdate_command(lupdate, root, ts_files), cwd=root, check=True, timeout=LUPDATE_SECONDS,
                   stdout=subprocess.DEVNULL)


class Message:
    def __init__(self, context, element):
        self.context = context
        self.source = element.findtext("source") or ""
        self.comment = element.findtext("comment") or ""
        translation = element.find("translation")
        self.kind = "" if translation is None else translation.get("type", "")
        if translation is None:
            self.forms = [""]
        elif element.get("numerus") == "yes":
            self.forms = [form.text or "" for form in translation.findall("numerusform")] or [""]
        else:
            self.forms = [translation.text or ""]

    @property
    def key(self):
        # lupdate tells two messages of the same source apart by the comment.
        return (self.context, self.source, self.comment)


def read_messages(path):
    root = ET.parse(path).getroot()
    return [Message(context.findtext("name") or "", element)
            for context in root.iter("context") for element in context.iter("message")]


def accelerators(text):
    return text.replace("&&", "").count("&")


def message_problems(m):
    """What is wrong with one message's translation, in words."""
    if m.kind in ("vanished", "obsolete"):
        return [m.kind]
    problems = []
    wanted = sorted(PLACEHOLDER.findall(m.source))
    for text in m.forms:
        if not text.strip():
            if m.kind != "unfinished":  # not yet translated: the English shows
                problems.append("empty translation")
            continue
        found = sorted(PLACEHOLDER.findall(text))
        if found != wanted:
            problems.append("placeholders %s where the source has %s" % (" ".join(found) or "none",
                                                                         " ".join(wanted) or "none"))
        if m.source.endswith(";") and ";" in m.source[:-1]:
            if not text.endswith(";"):
                problems.append("the ';' list must end with ';'")
            if re.search(r"\s;|;\s", text) or ";;" in text:
                problems.append("the ';' list has spaces or an empty entry around ';'")
        if m.context == FILE_NAME_CONTEXT and re.search(r"[:/]", text):
            problems.append("a file name may hold no ':' or '/'")
        if QT_CONTEXT.match(m.context) and accelerators(text) != accelerators(m.source):
            problems.append("%d '&' accelerators where the source has %d" % (accelerators(text),
                                                                           accelerators(m.source)))
    return problems


def shorten(text, width=60):
    text = text.replace("\n", "\\n")
    return text if len(text) <= width else text[:width - 1] + "…"


UPDATE_COMMAND = "scripts/check_translations.py --update"


def check(root, lupdate, unfinished=None):
    """Every problem in root's translations, as printable lines; the count of
    unfinished messages of each file goes into UNFINISHED (a dict) if given."""
    ts_files = sorted((root / "translations").glob("*.ts"))
    if not ts_files:
        return ["%s: no .ts files" % (root / "translations")]
    lines = []
    committed = {}
    for path in ts_files:
        try:
            committed[path] = read_messages(path)
        except (ET.ParseError, OSError) as error:
            # lupdate would stop at it too: the others are still checked.
            lines.append("%s: not a readable .ts file: %s" % (path.relative_to(root), error))
    with tempfile.TemporaryDirectory(prefix="pintaloo-ts-") as scratch:
        copies = {path: Path(scratch) / path.name for path in committed}
        for original, copy in copies.items():
            shutil.copyfile(original, copy)
        if copies:
            run_lupdate(lupdate, root, list(copies.values()))
        for original, copy in copies.items():
            name = original.relative_to(root)
            refreshed = {m.key: m for m in read_messages(copy)}
            kept = {m.key for m in committed[original]}
            for key in sorted(refreshed.keys() - kept):
                lines.append('%s: %s: "%s": new in the program, not in this file' % (name, key[0], shorten(key[1])))
            if unfinished is not None:
                unfinished[str(name)] = sum(m.kind == "unfinished" for m in committed[original])
            for m in committed[original]:
                if m.key not in refreshed:
                    lines.append('%s: %s: "%s": no longer in the program' % (name, m.context, shorten(m.source)))
                for problem in message_problems(m):
                    lines.append('%s: %s: "%s": %s' % (name, m.context, shorten(m.source), problem))
    if any(": new in the program" in line or ": no longer in the program" in line for line in lines):
        lines.append("The texts changed: run %s in the source tree. It refreshes every translations/*.ts; "
                     "new texts are marked unfinished and show in English until translated." % UPDATE_COMMAND)
    return lines


# --- the self-test: a small tree of its own, one fault at a time ----------

SELF_TEST_SOURCE = r"""
#include <QtGlobal>
const char* const kWords[][2] = {
    QT_TRANSLATE_NOOP3("Window", "New page", "Tooltip."),
    QT_TRANSLATE_NOOP3("Messages", "Could not save %1: %2", "%1 the file, %2 why."),
    QT_TRANSLATE_NOOP3("Messages", "%L1 drawings", ""),
    QT_TRANSLATE_NOOP3("Launcher", "paint;draw;", "Separated and ended by ';'."),
    QT_TRANSLATE_NOOP3("Files", "Drawing", "A file name's first word."),
    QT_TRANSLATE_NOOP3("QPlatformTheme", "&Yes", ""),
    QT_TRANSLATE_NOOP3("QPrintDialog", "&Print && fax", ""),
};
"""

# A complete, correct translation of each source above.
SELF_TEST_GOOD = {
    "New page": "Pagină nouă",
    "Could not save %1: %2": "%2 — %1 nu s-a salvat",
    "%L1 drawings": "%L1 desene",
    "paint;draw;": "pictează;desenează;",
    "Drawing": "Desen",
    "&Yes": "はい(&Y)",
    "&Print && fax": "&Tipărește și fax",  # "&&" is no accelerator: it may go
}


def messages_with(source, change):
    """A fault: CHANGE done to every message of SOURCE in the .ts file."""
    def apply(ts, _root):
        tree = ET.parse(ts)
        for context in tree.getroot().iter("context"):
            for message in list(context.iter("message")):
                if message.findtext("source") == source:
                    change(context, message)
        tree.write(ts, encoding="utf-8", xml_declaration=True)
    return apply


def set_translation(source, text=None, kind=None):
    def change(_context, message):
        translation = message.find("translation")
        if text is not None:
            translation.text = text
        if kind is not None:
            translation.set("type", kind)
    return messages_with(source, change)


def drop_message(source):
    return messages_with(source, lambda context, message: context.remove(message))


def edit_source(old, new):
    def apply(_ts, root):
        cpp = root / SOURCES / "words.cpp"
        cpp.write_text(cpp.read_text(encoding="utf-8").replace(old, new), encoding="utf-8")
    return apply


def cut_short(ts, _root):
    ts.write_bytes(ts.read_bytes()[:-40])


# Each broken copy, and the words its report must carry.
SELF_TEST_FAULTS = [
    ("empty", set_translation("New page", text=""), "empty translation"),
    ("unfinished draft that loses a placeholder",
     set_translation("Could not save %1: %2", text="Nu s-a salvat %1", kind="unfinished"), "placeholders"),
    ("vanished", set_translation("New page", kind="vanished"), "vanished"),
    ("obsolete", set_translation("New page", kind="obsolete"), "obsolete"),
    ("placeholder lost", set_translation("Could not save %1: %2", text="Nu s-a salvat %1"), "placeholders"),
    ("placeholder twice", set_translation("Could not save %1: %2", text="%1 %1: %2"), "placeholders"),
    ("placeholder renumbered", set_translation("Could not save %1: %2", text="%1: %3"), "placeholders"),
    ("localised number lost", set_translation("%L1 drawings", text="%1 desene"), "placeholders"),
    ("list without its last ';'", set_translation("paint;draw;", text="pictează;desenează"), "must end with ';'"),
    ("list with spaces", set_translation("paint;draw;", text="pictează; desenează;"), "spaces"),
    ("file name with ':'", set_translation("Drawing", text="Desen: "), "no ':' or '/'"),
    ("file name with '/'", set_translation("Drawing", text="Desen/"), "no ':' or '/'"),
    ("accelerator lost", set_translation("&Yes", text="Da"), "accelerators"),
    ("literal '&&' taken for one", set_translation("&Print && fax", text="&Tipărește & fax"), "accelerators"),
    ("message missing", drop_message("Drawing"), "new in the program"),
    ("source added", edit_source('QT_TRANSLATE_NOOP3("Files"',
                                 'QT_TRANSLATE_NOOP3("Window", "Undo", ""),\n    QT_TRANSLATE_NOOP3("Files"'),
     "new in the program"),
    ("source changed", edit_source('"New page"', '"A new page"'), "no longer in the program"),
    ("not XML", cut_short, "not a readable .ts file"),
]


def refreshed_after(old, new):
    """A text changed in the tables and the files refreshed as the failure
    message says: only unfinished messages, no problem."""
    def apply(ts, root, lupdate):
        edit_source(old, new)(ts, root)
        run_lupdate(lupdate, root, [ts])
    return apply


def unrefreshed(change):
    return lambda ts, root, _lupdate: change(ts, root)


# Changes the check must accept, and how many unfinished messages each leaves.
SELF_TEST_ACCEPTED = [
    ("a new text, refreshed", refreshed_after('QT_TRANSLATE_NOOP3("Files"',
                                              'QT_TRANSLATE_NOOP3("Window", "Undo", ""),\n    '
                                              'QT_TRANSLATE_NOOP3("Files"'), 1),
    ("a changed text, refreshed", refreshed_after('"New page"', '"A new page"'), 1),
    ("untranslated and marked so", unrefreshed(set_translation("New page", text="", kind="unfinished")), 1),
]


def make_self_test_tree(root, lupdate):
    (root / SOURCES).mkdir(parents=True)
    (root / "translations").mkdir()
    (root / SOURCES / "words.cpp").write_text(SELF_TEST_SOURCE, encoding="utf-8")
    ts = root / "translations" / "pintaloo_ro.ts"
    subprocess.run([lupdate, "-silent", "-locations", "none", "-target-language", "ro",
                    str(Path(SOURCES) / "words.cpp"), "-ts", str(ts)],
                   cwd=root, check=True, timeout=LUPDATE_SECONDS, stdout=subprocess.DEVNULL)
    tree = ET.parse(ts)
    for message in tree.getroot().iter("message"):
        translation = message.find("translation")
        translation.text = SELF_TEST_GOOD[message.findtext("source")]
        translation.attrib.pop("type", None)
    tree.write(ts, encoding="utf-8", xml_declaration=True)
    return ts


def self_test(lupdate):
    failures = []
    with tempfile.TemporaryDirectory(prefix="pintaloo-ts-self-test-") as scratch:
        good = Path(scratch) / "good"
        make_self_test_tree(good, lupdate)
        found = check(good, lupdate)
        if found:
            failures.append("the correct tree was refused:\n  " + "\n  ".join(found))
        for number, (name, change, expected) in enumerate(SELF_TEST_FAULTS):
            broken = Path(scratch) / ("fault%d" % number)
            shutil.copytree(good, broken)
            change(broken / "translations" / "pintaloo_ro.ts", broken)
            found = check(broken, lupdate)
            if not any(expected in line for line in found):
                failures.append("%s: not caught (wanted %r, got %s)" % (name, expected, found or "nothing"))
            if name == "source added" and not any(UPDATE_COMMAND in line for line in found):
                failures.append("%s: the report does not say to run %s" % (name, UPDATE_COMMAND))
        for number, (name, change, wanted) in enumerate(SELF_TEST_ACCEPTED):
            changed = Path(scratch) / ("accepted%d" % number)
            shutil.copytree(good, changed)
            change(changed / "translations" / "pintaloo_ro.ts", changed, lupdate)
            unfinished = {}
            found = check(changed, lupdate, unfinished)
            if found or unfinished.get("translations/pintaloo_ro.ts") != wanted:
                failures.append("%s: wanted no problem and %d unfinished, got %s and %s" % (
                    name, wanted, found or "no problem", unfinished))
    for failure in failures:
        print("self-test: " + failure)
    print("self-test: %d of %d faults caught, %d changes accepted, correct tree %s" % (
        len(SELF_TEST_FAULTS) - sum(": not caught" in f for f in failures), len(SELF_TEST_FAULTS),
        len(SELF_TEST_ACCEPTED) - sum(": wanted no problem" in f for f in failures),
        "refused" if any(f.startswith("the correct tree") for f in failures) else "accepted"))
    return 1 if failures else 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--lupdate", help="the lupdate program (Qt 6)")
    parser.add_argument("--root", type=Path, default=ROOT, help="the source tree (default: this script's)")
    mode = parser.add_mutually_exclusive_group()
    mode.add_argument("--update", action="store_true", help="refresh every .ts file from the sources")
    mode.add_argument("--self-test", action="store_true", help="prove the check catches each fault")
    args = parser.parse_args()
    lupdate = find_lupdate(args.lupdate)
    root = args.root.resolve()
    if args.self_test:
        return self_test(lupdate)
    if args.update:
        run_lupdate(lupdate, root, sorted((root / "translations").glob("*.ts")))
        return 0
    unfinished = {}
    problems = check(root, lupdate, unfinished)
    for line in problems:
        print(line)
    waiting = {name: count for name, count in unfinished.items() if count}
    for name, count in sorted(waiting.items()):
        print("%s: %d unfinished (shown in English until translated)" % (name, count))
    if problems:
        print("%d problems in the translations" % len(problems), file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
