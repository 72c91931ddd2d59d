"""The AT-SPI side of run_check.sh: starts the accessibility bus, a window manager, Orca (when
installed) and the calculator, types 12+3= through XTEST and checks what a screen reader gets.

It fails when the focused object is not the readout as a read-only text holding "15.", when
"15." is not announced by an object Orca presents unasked (a notification shown), when any
change is announced twice, or when a running Orca that spoke the window never spoke "15.".
Exits 0 on success, 1 with a report of what arrived.
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import GLib  # noqa: E402
import pyatspi  # noqa: E402

FOLDER = sys.argv[1]
KEYS = ["1", "2", "plus", "3", "equal"]
RESULT = "15."
# Orca writes its log through a buffer that a stopped Orca may never flush: this starts it with
# its log file written line by line.
ORCA_LINE_BUFFERED = """
import builtins, runpy, shutil
plain_open = builtins.open
def line_open(file, mode="r", *args, **kwargs):
    if str(file).endswith("orca.log") and "w" in mode and not args:
        kwargs["buffering"] = 1
    return plain_open(file, mode, *args, **kwargs)
builtins.open = line_open
runpy.run_path(shutil.which("orca"), run_name="__main__")
"""

events = []
problems = []


def pump(seconds, until=None):
    """Runs the event loop for that long, or until the condition holds."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if until is not None and until():
            return True
        if not context.iteration(False):
            time.sleep(0.02)
    return until is not None and until()


def safe(function, default=None):
    try:
        return function()
    except Exception:  # noqa: BLE001 - objects of a closing program vanish under us
        return default


def on_event(event):
    source = event.source
    events.append({
        "type": event.type,
        "detail1": event.detail1,
        "role": safe(source.getRole),
        "name": safe(lambda: source.name, ""),
        "parent_role": safe(lambda: source.parent.getRole()),
    })


def start_window_manager(env):
    """Openbox, for window activation as on a desktop; a start that fails is tried again."""
    if not shutil.which("openbox"):
        return None
    for _ in range(3):
        manager = subprocess.Popen(["openbox"], env=env, stderr=subprocess.DEVNULL)
        try:
            manager.wait(1)
        except subprocess.TimeoutExpired:
            return manager
    return None


def find_app():
    desktop = pyatspi.Registry.getDesktop(0)
    for index in range(safe(lambda: desktop.childCount, 0)):
        app = safe(lambda: desktop.getChildAtIndex(index))
        if app is not None and safe(lambda: app.name) == "sorba":
            return app
    return None


def focused_in(root, depth=0):
    if root is None or depth > 12:
        return None
    if safe(lambda: root.getState().contains(pyatspi.STATE_FOCUSED), False) and \
            safe(root.getRole) != pyatspi.ROLE_FRAME:
        return root
    for index in range(safe(lambda: root.childCount, 0)):
        found = focused_in(safe(lambda: root.getChildAtIndex(index)), depth + 1)
        if found is not None:
            return found
    return None


def orca_speech(log_path):
    if not os.path.exists(log_path):
        return []
    with open(log_path, encoding="utf-8", errors="replace") as log:
        return [line.split("SPEECH OUTPUT: ", 1)[1].rstrip()
                for line in log if "SPEECH OUTPUT: " in line]


def check_focused(app):
    focused = focused_in(app)
    if focused is None:
        problems.append("nothing in the window has the keyboard focus")
        return
    role = safe(focused.getRoleName)
    state = safe(focused.getState)
    text = safe(lambda: focused.queryText().getText(0, -1), None)
    print("focused: %s %r, text %r" % (role, safe(lambda: focused.name), text))
    if safe(focused.getRole) != pyatspi.ROLE_TEXT:
        problems.append("the focused object is a %s, not a text" % role)
    if state is None or not state.contains(pyatspi.STATE_READ_ONLY):
        problems.append("the focused text is not read-only")
    if text is None or RESULT not in text:
        problems.append("reading the focused text's line gives %r, not %s" % (text, RESULT))


def check_events():
    shown = [e for e in events if e["type"].startswith("object:state-changed:showing")
             and e["detail1"] == 1 and e["role"] == pyatspi.ROLE_NOTIFICATION]
    print("announced:", [e["name"] for e in shown])
    if not any(RESULT in e["name"] for e in shown):
        problems.append("no notification announced %s" % RESULT)
    for e in shown:
        if e["parent_role"] != pyatspi.ROLE_TEXT:
            problems.append("the announcement %r does not belong to the readout" % e["name"])
    # One event per change: the same announcement or name twice in a row is a doubled event.
    for before, after in zip(events, events[1:]):
        if (before["type"], before["name"]) == (after["type"], after["name"]):
            problems.append("sent twice: %s %r" % (after["type"], after["name"]))


def main():
    # SORBA_SPEECH_HOME keeps Orca's log (orca.log) in that folder for a look afterwards.
    home = os.environ.get("SORBA_SPEECH_HOME") or tempfile.mkdtemp()
    orca_log = os.path.join(home, "orca.log")
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
               XDG_RUNTIME_DIR=home)
    procs = []
    try:
        procs.append(subprocess.Popen(["/usr/libexec/at-spi-bus-launcher",
                                       "--launch-immediately"], env=env))
        window_manager = start_window_manager(env)
        if window_manager is not None:
            procs.append(window_manager)
        with_orca = shutil.which("orca") is not None and \
            os.environ.get("SORBA_SPEECH_ORCA", "1") == "1"
        if with_orca:
            # Orca's speech goes nowhere: with no speech server it only logs what it would say,
            # and it never waits on an audio device a CI machine lacks.
            orca_env = dict(env, HOME=home, XDG_CONFIG_HOME=home, XDG_DATA_HOME=home,
                            SPEECHD_ADDRESS="unix_socket:" + os.path.join(home, "no-speechd"))
            procs.append(subprocess.Popen(
                [sys.executable, "-c", ORCA_LINE_BUFFERED, "--debug-file=" + orca_log],
                env=orca_env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
            pump(20, lambda: "Screen reader on." in " ".join(orca_speech(orca_log)))
        for kind in ["object:state-changed:showing", "object:property-change:accessible-name",
                     "object:text-changed", "object:state-changed:focused"]:
            pyatspi.Registry.registerEventListener(on_event, kind)

        app = subprocess.Popen([os.path.join(FOLDER, "sorba")], env=env)
        procs.append(app)
        window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid",
                                 str(app.pid)], capture_output=True, text=True,
                                timeout=30).stdout.split()[0]
        activate = "windowactivate" if window_manager is not None else "windowfocus"
        subprocess.run(["xdotool", activate, "--sync", window], timeout=30, check=False,
                       stderr=subprocess.DEVNULL)
        accessible = {}

        def app_found():
            accessible["app"] = find_app()
            return accessible["app"] is not None

        if not pump(20, app_found):
            problems.append("the calculator never appeared on the accessibility bus")
            return
        # The readout takes the focus as the window comes up; Orca says so before any key. A
        # window manager that missed the activation leaves the focus to be given directly.
        if not pump(10, lambda: focused_in(accessible["app"]) is not None):
            subprocess.run(["xdotool", "windowfocus", "--sync", window], timeout=30, check=False)
            pump(10, lambda: focused_in(accessible["app"]) is not None)
        if with_orca:
            pump(10, lambda: any("read only" in line for line in orca_speech(orca_log)))
        events.clear()
        for key in KEYS:
            subprocess.run(["xdotool", "key", key], timeout=30, check=True)
            pump(0.4)
        pump(5, lambda: any(RESULT in e["name"] for e in events))
        check_focused(accessible["app"])
        check_events()
        if with_orca:
            # Orca that spoke the window must speak the result; an Orca that never came up on
            # this machine is reported, not failed.
            pump(10, lambda: any(RESULT in line for line in orca_speech(orca_log)))
            speech = orca_speech(orca_log)
            print("Orca spoke:", speech)
            if not any("read only" in line for line in speech):
                print("Orca did not come up; its part of the check is skipped")
            elif not any(RESULT in line for line in speech):
                problems.append("Orca did not speak %s" % RESULT)
    finally:
        for proc in reversed(procs):
            proc.terminate()
            try:
                proc.wait(10)
            except subprocess.TimeoutExpired:
                proc.kill()
                proc.wait()


main()
if problems:
    print("events:", [(e["type"], e["name"]) for e in events])
    for problem in problems:
        print("FAIL:", problem)
    sys.exit(1)
print("the readout reaches a screen reader")
