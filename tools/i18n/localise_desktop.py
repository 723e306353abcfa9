#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Makes the launcher entry and the software centre's metadata from their
templates and the translations, so the texts live in one place: the table in
ui/words/launcher_words.cpp (English, for translators) and translations/*.ts.

Usage:
  localise_desktop.py --words ui/words/launcher_words.cpp --output-dir DIR
                      --template desktop/X.desktop.in [--template ...]
                      TS_FILE...

A template is the file itself with two kinds of marker:
  @Slot@    the text of that slot of the table ("GenericName", "Feature3"...);
  @LANG@    a line holding it is written once for each language whose
            translations of every slot on that line are finished, in the order
            of the language codes, with @LANG@ as the code ("de", "pt_BR") and
            each @Slot@ as that language's text. A language missing a text
            simply has no line there; the English line is always written.
  @TOGETHER@ ... @END@, each alone on its line (and not written out), around
            lines that make one text between them, such as the paragraphs
            and list of a description: a language's lines there are written
            only when it has finished every text of the block, so a reader
            never sees half a description in their language.
The output's name is the template's without ".in"; its ending says how texts
are escaped: ".desktop" as a desktop entry's values (a text whose English ends
with ';' is a list and keeps that form), ".xml" as XML character data.

The .ts files come from anyone who sent a translation, so they are read with
care: regular files only, opened without blocking, sizes capped, no entity
declarations; a translation that is too long or holds control characters is
left out with a warning rather than written. Outputs are written beside
themselves and renamed into place, so a link there is replaced, not followed.
Exit status 0 on success, 1 when an input is wrong (the message says which).
"""
import argparse
import os
import re
import stat
import sys
import xml.etree.ElementTree as ET

CONTEXT = "Launcher"
MAX_SOURCE_BYTES = 1 << 20       # launcher_words.cpp and the templates
MAX_TS_BYTES = 16 << 20          # a .ts file holds every text of the program
MAX_TS_FILES = 64
MAX_TEXT_CHARS = 2000            # the longest paragraph is a few hundred
LANGUAGE_CODE = re.compile(r"[a-z]{2,3}(_[A-Z]{2})?")
MARKER = re.compile(r"@([A-Za-z][A-Za-z0-9_]*)@")
LANG = "LANG"
TOGETHER, END = "TOGETHER", "END"
BLOCK_LINE = re.compile(r"\s*@(TOGETHER|END)@\s*")


class InputError(Exception):
    pass


def read_capped(path, limit):
    """The bytes of a regular file of at most `limit` bytes."""
    try:
        fd = os.open(path, os.O_RDONLY | os.O_NONBLOCK | getattr(os, "O_CLOEXEC", 0))
    except OSError as e:
        raise InputError(f"{path}: cannot open: {e.strerror}") from e
    with os.fdopen(fd, "rb") as f:
        info = os.fstat(f.fileno())
        if not stat.S_ISREG(info.st_mode):
            raise InputError(f"{path}: not a regular file")
        if info.st_size > limit:
            raise InputError(f"{path}: {info.st_size} bytes, more than the {limit} allowed")
        data = f.read(limit + 1)
    if len(data) > limit:
        raise InputError(f"{path}: grew past {limit} bytes while read")
    return data


# --- The slot table in launcher_words.cpp -----------------------------------

_TOKEN = re.compile(r"""
    (?P<space>\s+)
  | (?P<line_comment>//[^\n]*)
  | (?P<block_comment>/\*.*?\*/)
  | (?P<string>"(?:[^"\\\n]|\\.)*")
  | (?P<char>'(?:[^'\\\n]|\\.)*')
  | (?P<word>[A-Za-z_][A-Za-z0-9_]*)
  | (?P<other>.)
""", re.VERBOSE | re.DOTALL)

_SIMPLE_ESCAPES = {"n": "\n", "t": "\t", "r": "\r", "a": "\a", "b": "\b", "f": "\f", "v": "\v",
                   "\\": "\\", "'": "'", '"': '"', "?": "?"}
_ESCAPE = re.compile(r"\\(?:([0-7]{1,3})|x([0-9A-Fa-f]+)|u([0-9A-Fa-f]{4})|U([0-9A-Fa-f]{8})|(.))", re.DOTALL)


def unescape_c(body, where):
    """The text of a C string literal's body (between the quotes), UTF-8 source."""
    def one(m):
        octal, hexa, u4, u8, simple = m.groups()
        if octal or hexa:
            # Byte escapes would have to be reassembled into UTF-8; the table
            # has no use for them, so they are refused rather than guessed.
            raise InputError(f"{where}: byte escape \\{m.group(0)[1:]} in a text; write the character itself")
        if u4 or u8:
            return chr(int(u4 or u8, 16))
        if simple in _SIMPLE_ESCAPES:
            return _SIMPLE_ESCAPES[simple]
        raise InputError(f"{where}: unknown escape \\{simple}")
    return _ESCAPE.sub(one, body)


def tokens(source):
    """(kind, value) tokens of C++ source, comments and spaces dropped;
    adjacent string literals are joined as the compiler joins them."""
    out = []
    for m in _TOKEN.finditer(source):
        kind = m.lastgroup
        if kind in ("space", "line_comment", "block_comment"):
            continue
        value = m.group(kind)
        if kind == "string":
            value = unescape_c(value[1:-1], f"string at offset {m.start()}")
            if out and out[-1][0] == "string":
                out[-1] = ("string", out[-1][1] + value)
                continue
        out.append((kind, value))
    return out


def read_slots(path):
    """[(slot, English source, translator's comment)] in table order, from the
    rows {"Slot", QT_TRANSLATE_NOOP3("Launcher", "source", "comment")}."""
    text = read_capped(path, MAX_SOURCE_BYTES).decode("utf-8")
    toks = tokens(text)
    shape = [("other", "{"), ("string", None), ("other", ","), ("word", "QT_TRANSLATE_NOOP3"), ("other", "("),
             ("string", CONTEXT), ("other", ","), ("string", None), ("other", ","), ("string", None),
             ("other", ")"), ("other", "}")]
    rows = []
    for i in range(len(toks) - len(shape) + 1):
        window = toks[i:i + len(shape)]
        if all(k == want_k and (want_v is None or v == want_v) for (k, v), (want_k, want_v) in zip(window, shape)):
            rows.append((window[1][1], window[7][1], window[9][1]))
    if not rows:
        raise InputError(f"{path}: no {{\"Slot\", QT_TRANSLATE_NOOP3(\"{CONTEXT}\", ...)}} rows found")
    seen = set()
    for slot, _, _ in rows:
        if not re.fullmatch(r"[A-Za-z][A-Za-z0-9_]*", slot) or slot in (LANG, TOGETHER, END):
            raise InputError(f"{path}: slot name {slot!r} cannot be a template marker")
        if slot in seen:
            raise InputError(f"{path}: slot {slot} appears twice")
        seen.add(slot)
    # Every QT_TRANSLATE_NOOP3 of the context must have been understood: a row
    # written in a shape this reader misses would otherwise vanish silently.
    calls = sum(1 for j, (k, v) in enumerate(toks[:-2])
                if k == "word" and v == "QT_TRANSLATE_NOOP3" and toks[j + 2] == ("string", CONTEXT))
    if calls != len(rows):
        raise InputError(f"{path}: {calls} texts of context {CONTEXT} but only {len(rows)} rows read")
    return rows


# --- The translations --------------------------------------------------------

def read_translations(path):
    """(language code, {(source, comment): text}) of the finished translations
    in the context, from one .ts file."""
    data = read_capped(path, MAX_TS_BYTES)
    # Expat expands internal entities; a .ts never declares any, so a file
    # that does is refused before it can grow in memory.
    if b"<!ENTITY" in data:
        raise InputError(f"{path}: declares XML entities, which a .ts file never does")
    try:
        root = ET.fromstring(data)
    except ET.ParseError as e:
        raise InputError(f"{path}: not well-formed XML: {e}") from e
    if root.tag != "TS":
        raise InputError(f"{path}: the root element is <{root.tag}>, not <TS>")
    language = root.get("language", "")
    if not LANGUAGE_CODE.fullmatch(language):
        raise InputError(f"{path}: language {language!r} is not a code like 'de' or 'pt_BR'")
    named = re.fullmatch(r"pintaloo_(.+)\.ts", os.path.basename(path))
    if named and named.group(1) != language:
        raise InputError(f"{path}: the file name says {named.group(1)} but the file says {language}")
    done = {}
    for context in root.findall("context"):
        if context.findtext("name") != CONTEXT:
            continue
        for message in context.findall("message"):
            translation = message.find("translation")
            if message.get("numerus") == "yes" or translation is None or translation.get("type"):
                continue  # unfinished, vanished or obsolete
            text = (translation.text or "").strip()
            if not text:
                continue
            key = (message.findtext("source") or "", message.findtext("comment") or "")
            problem = text_problem(text)
            if problem:
                print(f"warning: {path}: the translation of {key[0]!r} {problem}: left out", file=sys.stderr)
                continue
            done[key] = text
    return language, done


def text_problem(text):
    if len(text) > MAX_TEXT_CHARS:
        return f"is {len(text)} characters long, more than {MAX_TEXT_CHARS}"
    if any((ord(c) < 0x20 and c not in "\t\n") or 0x7F <= ord(c) < 0xA0 or c in "\uFFFE\uFFFF" for c in text):
        return "holds a control character"
    return None


# --- Escaping and filling ----------------------------------------------------

def desktop_value(text, english):
    """A desktop entry value: \\s \\n \\t \\r \\\\ escapes; a list (its English
    ends with ';') as items each ended by ';', with no spaces around them."""
    def escape(s):
        s = s.replace("\\", "\\\\").replace("\n", "\\n").replace("\t", "\\t").replace("\r", "\\r")
        return "\\s" + s[1:] if s.startswith(" ") else s
    if english.endswith(";"):
        items = [item.strip() for item in text.split(";")]
        return "".join(escape(item) + ";" for item in items if item)
    return escape(text)


def xml_text(text, _english):
    return text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")


def fill(template, slots, languages, escape):
    """The template with its markers replaced; see the module's notes."""
    english = {slot: source for slot, source, _ in slots}
    lines = template.splitlines(keepends=True)
    # The slots each line's block needs: its own, or all of its block's.
    needs = [set() for _ in lines]
    block = None
    for number, line in enumerate(lines, 1):
        marker = BLOCK_LINE.fullmatch(line)
        if marker and (marker.group(1) == TOGETHER) == (block is not None):
            raise InputError(f"line {number}: @{marker.group(1)}@ " +
                             ("inside another block" if block is not None else "with no block open"))
        if marker and marker.group(1) == TOGETHER:
            block = []
        elif marker:
            together = set().union(*(needs[i] for i in block))
            for i in block:
                needs[i] = together
            block = None
        else:
            needs[number - 1] = {n for n in MARKER.findall(line) if n != LANG}
            if block is not None:
                block.append(number - 1)
    if block is not None:
        raise InputError(f"a @{TOGETHER}@ block has no @{END}@")
    out = []
    for number, line in enumerate(lines, 1):
        if BLOCK_LINE.fullmatch(line):
            continue
        names = MARKER.findall(line)
        unknown = sorted({n for n in names if n != LANG and n not in english})
        if unknown:
            raise InputError(f"line {number}: no slot named {', '.join(unknown)} in the table")
        if LANG not in names:
            out.append(MARKER.sub(lambda m: escape(english[m.group(1)], english[m.group(1)]), line))
            continue
        used = [n for n in names if n != LANG]
        if not used:
            raise InputError(f"line {number}: @{LANG}@ on a line with no text to translate")
        for code, texts in languages:
            if all(n in texts for n in needs[number - 1]):
                out.append(MARKER.sub(
                    lambda m, code=code, texts=texts:
                    code if m.group(1) == LANG else escape(texts[m.group(1)], english[m.group(1)]), line))
    return "".join(out)


def write_replacing(path, text):
    """Writes beside the target and renames over it: a link at `path` is
    replaced, never written through."""
    tmp = f"{path}.tmp{os.getpid()}"
    fd = os.open(tmp, os.O_WRONLY | os.O_CREAT | os.O_EXCL | getattr(os, "O_NOFOLLOW", 0), 0o644)
    try:
        with os.fdopen(fd, "w", encoding="utf-8", newline="\n") as f:
            f.write(text)
        os.replace(tmp, path)
    except BaseException:
        try:
            os.unlink(tmp)
        except OSError:
            pass
        raise


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--words", required=True, help="ui/words/launcher_words.cpp")
    parser.add_argument("--template", action="append", required=True, help="X.desktop.in or X.xml.in")
    parser.add_argument("--output-dir", required=True)
    parser.add_argument("ts", nargs="*", help="translations/pintaloo_*.ts")
    args = parser.parse_args(argv)
    try:
        if len(args.ts) > MAX_TS_FILES:
            raise InputError(f"{len(args.ts)} .ts files, more than the {MAX_TS_FILES} expected")
        slots = read_slots(args.words)
        keys = {slot: (source, comment) for slot, source, comment in slots}
        languages = {}
        for path in args.ts:
            code, done = read_translations(path)
            if code in languages:
                raise InputError(f"{path}: a second file for language {code}")
            texts = {}
            for slot, (source, comment) in keys.items():
                # Qt's own look-up: the text with its comment, else without one.
                text = done.get((source, comment), done.get((source, "")))
                if text is not None:
                    texts[slot] = text
            languages[code] = texts
        ordered = sorted(languages.items())
        for template_path in args.template:
            name = os.path.basename(template_path)
            if not name.endswith(".in"):
                raise InputError(f"{template_path}: a template's name ends with .in")
            name = name[:-3]
            if name.endswith(".desktop"):
                escape = desktop_value
            elif name.endswith(".xml"):
                escape = xml_text
            else:
                raise InputError(f"{template_path}: neither a .desktop.in nor an .xml.in template")
            template = read_capped(template_path, MAX_SOURCE_BYTES).decode("utf-8")
            try:
                text = fill(template, slots, ordered, escape)
            except InputError as e:
                raise InputError(f"{template_path}: {e}") from e
            write_replacing(os.path.join(args.output_dir, name), text)
    except (InputError, UnicodeDecodeError) as e:
        print(f"localise_desktop: {e}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
