#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# No English where a child or a parent looks, in every language:
#   1. the replay tool, in each language the environment can ask for, opens
#      the panels that carry words (the colouring pages, the models and the
#      stamps, the gallery) and dumps every control; a caption or tooltip
#      that reads as the English one fails, unless its English source still
#      waits for its translator (unfinished in translations/pintaloo_xx.ts:
#      counted and shown, not failed), the translator kept the same word, it
#      has no letters at all ("1/21") or it is on the short list below;
#   2. the real program, in each language, in a private X server (Xvfb) with
#      a window manager (openbox), the pointer resting on the pencil so its
#      tooltip shows: one screenshot a language into SHOTS/xx.png, for a
#      person to look at (fonts, direction, clipped letters).
#
# Usage: languages_test.sh PROGRAM REPLAY_TOOL SOURCE_DIR SHOTS_DIR
set -u
set -o pipefail

PROGRAM=${1:?usage: languages_test.sh PROGRAM REPLAY_TOOL SOURCE_DIR SHOTS_DIR}
REPLAY=${2:?usage: languages_test.sh PROGRAM REPLAY_TOOL SOURCE_DIR SHOTS_DIR}
SOURCE=${3:?usage: languages_test.sh PROGRAM REPLAY_TOOL SOURCE_DIR SHOTS_DIR}
SHOTS=${4:?usage: languages_test.sh PROGRAM REPLAY_TOOL SOURCE_DIR SHOTS_DIR}
for tool in Xvfb openbox xprop xdotool xdpyinfo import python3; do
    command -v "$tool" >/dev/null || { echo "languages: FAIL: '$tool' is not installed" >&2; exit 1; }
done

# The environment each language is asked for with; the .ts file is named by
# the part before the dot, less a region the file does not carry.
readonly LANGUAGES=(en_US ro_RO fr_FR de_DE it_IT es_ES ar_EG zh_CN ja_JP ko_KR nl_NL pl_PL pt_BR ru_RU tr_TR uk_UA)

# shellcheck source=../../scripts/lib/private_xvfb.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/private_xvfb.sh"

WORK=$(mktemp -d "${TMPDIR:-/tmp}/pintaloo-languages.XXXXXX") || exit 1
chmod 700 "$WORK"
XVFB_PID="" WM_PID="" PID=""

# shellcheck disable=SC2317  # called by the trap
cleanup() {
    [[ -n $PID ]] && { kill -KILL "$PID" 2>/dev/null; wait "$PID" 2>/dev/null; }
    stop_xvfb
    rm -rf "$WORK"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

step() { echo "languages: $*"; }
fail() {
    echo "languages: FAIL: $*" >&2
    exit 1
}

export XDG_RUNTIME_DIR="$WORK/runtime" TMPDIR="$WORK/tmp" XDG_CACHE_HOME="$WORK/cache" XDG_STATE_HOME="$WORK/state"
export XDG_CONFIG_HOME="$WORK/config" HOME="$WORK/home"
mkdir -p "$XDG_RUNTIME_DIR" "$TMPDIR" "$XDG_CACHE_HOME" "$HOME"
chmod 700 "$XDG_RUNTIME_DIR"
export SDL_AUDIODRIVER=dummy
unset WAYLAND_DISPLAY LANGUAGE LC_ALL LC_MESSAGES

# --- 1. every caption and tooltip, in every language --------------------------
cat >"$WORK/panels.txt" <<'EOF'
# every panel that carries words, opened and closed, the gallery left open
KewlButtons1_MouseDown 1
ClosePanel
bBrush_MouseUp 1 1
ClosePanel
bBrush_MouseUp 2 1
ClosePanel
Gallery
EOF
for lang in "${LANGUAGES[@]}"; do
    LANG="$lang.UTF-8" QT_QPA_PLATFORM=offscreen "$REPLAY" --state "$WORK/$lang.state" "$WORK/panels.txt" \
        >"$WORK/$lang.log" 2>&1 || fail "$lang: the replay tool failed: $(tail -n 5 "$WORK/$lang.log")"
done

python3 - "$WORK" "$SOURCE/translations" "${LANGUAGES[@]}" <<'EOF' || fail "English is left in the window (above)"
import re, sys
import xml.etree.ElementTree as ET

work, translations, english, *others = sys.argv[1:]
# Words that are no language's: the animation panel's close cross.
SAME_IN_EVERY_LANGUAGE = {"x"}

def words(lang):
    """Control name -> caption or tooltip, as the dump shows them."""
    out = {}
    with open(f"{work}/{lang}.state", encoding="utf-8") as f:
        for line in f:
            name, _, value = line.rstrip("\n").partition("=")
            if name.endswith((".Caption", ".ToolTipText")):
                out[name] = value
    return out

def as_pattern(source):
    # "%1" stands for whatever the program puts there (the version, a number).
    return re.compile("".join(".*" if re.fullmatch(r"%\d", p) else re.escape(p)
                              for p in re.split(r"(%\d)", source)) + r"\Z", re.S)

def sources(lang):
    """The English sources still waiting for a translator, and those the
    translator kept as they are, in this language's file."""
    code = lang if lang in ("zh_CN", "pt_BR") else lang.split("_")[0]
    waiting, kept = [], []
    for message in ET.parse(f"{translations}/pintaloo_{code}.ts").iter("message"):
        source = message.findtext("source") or ""
        translation = message.find("translation")
        if translation is None or translation.get("type") == "unfinished":
            waiting.append(as_pattern(source))
        elif (translation.text or "") == source:
            kept.append(as_pattern(source))
    return waiting, kept

base = words(english)
if len(base) < 100:
    print(f"languages: FAIL: only {len(base)} captions and tooltips in the English dump", file=sys.stderr)
    sys.exit(1)
failed = False
for lang in others:
    shown = words(lang)
    waiting, kept = sources(lang)
    same = {n: v for n, v in base.items()
            if re.search(r"[^\W\d_]", v) and v not in SAME_IN_EVERY_LANGUAGE and shown.get(n) == v}
    leaks = {n: v for n, v in same.items()
             if not any(p.match(v) for p in waiting) and not any(p.match(v) for p in kept)}
    pending = len(same) - len(leaks) - sum(1 for v in same.values() if any(p.match(v) for p in kept))
    for name, value in sorted(leaks.items()):
        print(f"languages: FAIL: {lang}: {name} is English: {value!r}", file=sys.stderr)
    failed |= bool(leaks)
    print(f"languages: {lang}: {sum(1 for v in shown.values() if v)} captions and tooltips, {len(leaks)} English, "
          f"{pending} waiting for a translator")
sys.exit(1 if failed else 0)
EOF
step "no caption or tooltip is English but those waiting for a translator"

# --- 2. the real window in every language, one screenshot each ----------------
# The pencil's middle, where its tooltip shows, from the dump's geometry.
dumped() { sed -n "s/^bBrush(0)\.$1=//p" "$WORK/en_US.state"; }
PENCIL_X=$(( $(dumped Left) + $(dumped Width) / 2 )) PENCIL_Y=$(( $(dumped Top) + $(dumped Height) / 2 )) ||
    fail "the pencil's place is not in the dump"
start_xvfb || fail "could not start Xvfb on any display :90..:99"
start_window_manager || fail "openbox did not start within 10 s"
export QT_QPA_PLATFORM=xcb
mkdir -p "$SHOTS" || fail "cannot make $SHOTS"
for lang in "${LANGUAGES[@]}"; do
    code=${lang%%_*}
    [[ $lang == zh_CN || $lang == pt_BR ]] && code=$lang
    LANG="$lang.UTF-8" "$PROGRAM" --nosound >"$WORK/run-$lang.log" 2>&1 &
    PID=$!
    deadline=$(( $(now_ms) + 30000 ))
    WIN=""
    until WIN=$(xdotool search --all --onlyvisible --pid "$PID" --name '^Pintaloo$' 2>/dev/null | head -n 1) &&
          [[ -n $WIN ]]; do
        kill -0 "$PID" 2>/dev/null || fail "$lang: the program ended before showing its window"
        (( $(now_ms) < deadline )) || fail "$lang: no window within 30 s"
        sleep 0.1
    done
    xdotool windowactivate --sync "$WIN" 2>/dev/null
    eval "$(xdotool getwindowgeometry --shell "$WIN")"  # X Y WIDTH HEIGHT
    sleep 1  # drawn, and the first-paint work done
    # The tooltip comes after the pointer has rested a while.
    xdotool mousemove $((X + PENCIL_X)) $((Y + PENCIL_Y)) sleep 0.2 mousemove $((X + PENCIL_X + 2)) $((Y + PENCIL_Y)) sleep 1.5
    import -window root "$SHOTS/$code.png" 2>>"$WORK/import.log" || fail "$lang: no screenshot"
    kill -TERM "$PID" 2>/dev/null
    wait "$PID" 2>/dev/null
    PID=""
done
step "one screenshot a language in $SHOTS"
step "PASS"
exit 0
