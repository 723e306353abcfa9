#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader hears: the real program under Xvfb and openbox, with
a session bus of its own, read through AT-SPI by a real client (pyatspi), in
English and in French. Every control (a button, an item of a list, the
canvas) must have a name; the names a child hears first must be there, in
the language asked for; a picker, opened by the press a screen reader
offers on its tool, must be a list of named items.

Usage: atspi_check.py PROGRAM
Exit status 77 (skipped) with a clear message where Xvfb, openbox, dbus,
at-spi2-core or python3-pyatspi are missing.
"""
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SKIPPED = 77
CONTROL_ROLES = {"push button", "list item", "canvas"}
# The names each language must give (a tool, a colour, a command, the canvas).
EXPECTED = {
    "en": ["Pencil", "Red", "New page", "Drawing paper: Pencil", "Eraser"],
    "fr": ["Crayon", "Rouge", "Nouvelle page", "Feuille de dessin : Crayon", "Gomme"],
}
FEWEST_CONTROLS = 40  # six tools, four sizes, 24 colours, the commands and the canvas
# The tool whose press opens a picker (made when first opened), by language.
PICKER_TOOL = {"en": "Models brush", "fr": "Pinceau à motifs"}


def fail(why):
    print(f"atspi: FAIL: {why}", flush=True)
    return 1


def python_with_pyatspi():
    """This interpreter, or the system's own when this one (a virtual
    environment, pyenv) cannot see the Debian package."""
    for python in (sys.executable, "/usr/bin/python3"):
        if os.access(python, os.X_OK) and subprocess.call([python, "-c", "import pyatspi"],
                                                          stdout=subprocess.DEVNULL,
                                                          stderr=subprocess.DEVNULL) == 0:
            return python
    return None


def missing_tools():
    missing = [t for t in ("Xvfb", "openbox", "dbus-run-session") if not shutil.which(t)]
    if not any(os.path.exists(p) for p in ("/usr/libexec/at-spi-bus-launcher",
                                           "/usr/lib/at-spi2-core/at-spi-bus-launcher")):
        missing.append("at-spi2-core")
    if python_with_pyatspi() is None:
        missing.append("python3-pyatspi")
    return missing


def start_xvfb(work):
    read, write = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                            pass_fds=(write,), stdout=subprocess.DEVNULL,
                            stderr=open(os.path.join(work, "xvfb.log"), "w"))
    os.close(write)
    with os.fdopen(read) as r:
        number = r.readline().strip()
    if not number:
        xvfb.kill()
        return None, None
    return xvfb, ":" + number


def walk(node, depth=0, out=None):
    out = [] if out is None else out
    if node is None or depth > 30:
        return out
    try:
        out.append((node.getRoleName(), node.name or "", node))
        for i in range(node.childCount):
            walk(node.getChildAtIndex(i), depth + 1, out)
    except Exception:  # a node gone while we read it: the rest still counts
        pass
    return out


def find_app(pyatspi, pid, seconds=30):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            try:
                if app is not None and app.get_process_id() == pid and app.childCount > 0:
                    return app
            except Exception:
                continue
        time.sleep(0.3)
    return None


def check_language(pyatspi, program, lang, work, env):
    home = tempfile.mkdtemp(prefix=lang + "-", dir=work)
    env = dict(env, XDG_CONFIG_HOME=home + "/config", XDG_STATE_HOME=home + "/state",
               XDG_DATA_HOME=home + "/data", XDG_CACHE_HOME=home + "/cache", TMPDIR=home)
    app_log = open(os.path.join(work, f"pintaloo-{lang}.log"), "w")
    proc = subprocess.Popen([program, "--lang", lang, "--windowed", "--nosound"], env=env,
                            stdout=app_log, stderr=subprocess.STDOUT)
    try:
        app = find_app(pyatspi, proc.pid)
        if app is None:
            return fail(f"{lang}: the program never showed on the accessibility bus")
        time.sleep(0.5)  # the window's first paint names what it shows
        nodes = walk(app)
        controls = [(role, name) for role, name, _ in nodes if role in CONTROL_ROLES]
        if os.environ.get("ATSPI_DEBUG"):
            for role, name, _ in nodes:
                print(f"atspi: debug: {role}: {name!r}")
        for role, name in controls:
            print(f"atspi: {lang}: {role}: {name!r}")
        if len(controls) < FEWEST_CONTROLS:
            return fail(f"{lang}: only {len(controls)} controls, fewer than {FEWEST_CONTROLS}")
        unnamed = [role for role, name in controls if not name.strip()]
        if unnamed:
            return fail(f"{lang}: {len(unnamed)} controls without a name ({', '.join(unnamed)})")
        names = {name for _, name in controls}
        absent = [n for n in EXPECTED[lang] if n not in names]
        if absent:
            return fail(f"{lang}: no control named {absent}")
        tool = [node for role, name, node in nodes if role == "push button" and name == PICKER_TOOL[lang]]
        if not tool:
            return fail(f"{lang}: no tool named {PICKER_TOOL[lang]!r}")
        try:
            action = tool[0].queryAction()
            if not any(action.doAction(i) for i in range(action.nActions)):
                return fail(f"{lang}: {PICKER_TOOL[lang]!r} took no press")
        except Exception as e:
            return fail(f"{lang}: pressing {PICKER_TOOL[lang]!r} failed: {e}")
        lists, deadline = [], time.monotonic() + 10
        while not lists and time.monotonic() < deadline:
            time.sleep(0.3)
            lists = [node for role, _, node in walk(app) if role == "list"]
        if not lists:
            return fail(f"{lang}: no list among the pickers once one was opened")
        items = [(role, name) for role, name, _ in walk(lists[0]) if role == "list item"]
        if not items or any(not name.strip() for _, name in items):
            return fail(f"{lang}: the picker's items are missing or unnamed: {items}")
        print(f"atspi: {lang}: the picker opened is a list of {len(items)} named items", flush=True)
        print(f"atspi: {lang}: {len(controls)} controls, every one named", flush=True)
        return 0
    finally:
        proc.send_signal(signal.SIGTERM)
        try:
            proc.wait(10)
        except subprocess.TimeoutExpired:
            proc.kill()
            proc.wait()


def inside(program):
    import pyatspi
    work = tempfile.mkdtemp(prefix="pintaloo-atspi.")
    xvfb, display = start_xvfb(work)
    if not xvfb:
        return fail("Xvfb did not start")
    env = dict(os.environ, DISPLAY=display, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1",
               SDL_AUDIODRIVER="dummy", QT_QPA_PLATFORM="xcb")
    os.environ["DISPLAY"] = display
    wm = subprocess.Popen(["openbox"], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        status = 0
        for lang in ("en", "fr"):
            status |= check_language(pyatspi, program, lang, work, env)
        return status
    finally:
        for p in (wm, xvfb):
            p.terminate()
            p.wait()
        shutil.rmtree(work, ignore_errors=True)


def main():
    if len(sys.argv) < 2 or not os.access(sys.argv[1], os.X_OK):
        return fail("usage: atspi_check.py PROGRAM (an executable file)")
    if len(sys.argv) > 2 and sys.argv[2] == "--inside":
        return inside(sys.argv[1])
    missing = missing_tools()
    if missing:
        print("atspi: SKIP: not installed: " + ", ".join(missing) +
              " (apt install xvfb openbox dbus at-spi2-core python3-pyatspi)", flush=True)
        return SKIPPED
    # A session bus of our own: the accessibility bus starts on it when asked.
    return subprocess.call(["dbus-run-session", "--", python_with_pyatspi(), os.path.abspath(__file__),
                            sys.argv[1], "--inside"])


if __name__ == "__main__":
    sys.exit(main())
