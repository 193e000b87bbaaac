#!/usr/bin/python3
"""Reads Horavane's windows through AT-SPI, the way a screen reader does.

Usage: tst_accessibility.py HORAVANE_BINARY

Runs horavane on the X server in DISPLAY inside a D-Bus session of its own, with an
accessibility bus of its own, and checks what the accessibility tree tells a person who
cannot see the windows: the read-outs and dials tell the time, and every control of the
General pane has a name and the right role and state.

Exit status 77 (skipped) when pyatspi (Debian: python3-pyatspi) is missing; any other
missing piece is a failure.
"""

import importlib.util
import os
import re
import subprocess
import sys
import tempfile
import time
import unittest

SKIPPED = 77
IN_SESSION = "HORAVANE_A11Y_SESSION"
BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"

# A zone without daylight saving and with a half-hour offset: a local time shown as UTC, or
# an offset rounded to whole hours, cannot pass for the right one.
ZONE = "Asia/Kolkata"
ZONE_OFFSET = "+05:30"
SETTINGS = """\
[General]
APP_Horavane=true
APP_AnalogClock=true
Prefs_LocationSource=1
PREFS_latitude=51.4769
PREFS_longitude=-0.0005

[Donation]
hideAtLaunch=true
"""

ISO_TIME = r"\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3}"
DIAL_TEXT = re.compile(r"^(1[0-2]|[1-9]):([0-5]\d):([0-5]\d) ([AP]M), (\S.*)$")
HALF_DAY = 12 * 3600
DAY = 24 * 3600


def wait_for(what, probe, timeout=10.0):
    """Polls probe until it returns something true, and returns that."""
    deadline = time.monotonic() + timeout
    while True:
        found = probe()
        if found:
            return found
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out waiting for {what}")
        time.sleep(0.1)


def seconds_of_day(hours, minutes, seconds):
    return (hours * 3600 + minutes * 60 + seconds) % DAY


def behind(later, earlier):
    """How far later is behind earlier on a 24-hour dial, in seconds, in [-12 h, 12 h)."""
    return (later - earlier + HALF_DAY) % DAY - HALF_DAY


class AccessibilityBus:
    """The AT-SPI bus of this test's D-Bus session, out of reach of the X server: a launcher
    given the display would publish the bus there, to every program on that server."""

    def __init__(self):
        environment = {k: v for k, v in os.environ.items() if k != "DISPLAY"}
        self.launcher = subprocess.Popen([BUS_LAUNCHER, "--launch-immediately"], env=environment)

    def address(self):
        from gi.repository import Gio, GLib

        session = Gio.bus_get_sync(Gio.BusType.SESSION)

        def call(service, path, interface, method, arguments, reply):
            return session.call_sync(service, path, interface, method, arguments,
                                     GLib.VariantType(reply), Gio.DBusCallFlags.NONE,
                                     5000, None).unpack()[0]

        def launched():
            if self.launcher.poll() is not None:
                raise RuntimeError(f"{BUS_LAUNCHER} ended with status {self.launcher.returncode}")
            return call("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                        "NameHasOwner", GLib.Variant("(s)", ("org.a11y.Bus",)), "(b)")

        # Asking before the launcher owns its name would have D-Bus start a second one.
        wait_for("the accessibility bus launcher", launched)
        return call("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None, "(s)")

    def close(self):
        self.launcher.terminate()
        self.launcher.wait(10)


class Horavane:
    """horavane with a manual position stored, both clock windows reopened at launch and the
    donation offer declined."""

    def __init__(self, binary):
        settings = os.path.join(os.environ["XDG_CONFIG_HOME"], "Horavane", "Horavane.conf")
        os.makedirs(os.path.dirname(settings))
        with open(settings, "w", encoding="utf-8") as file:
            file.write(SETTINGS)
        # Qt 6.4 never registers with the bus given in AT_SPI_BUS_ADDRESS; it finds the
        # session's bus itself.
        environment = {k: v for k, v in os.environ.items() if k != "AT_SPI_BUS_ADDRESS"}
        environment.update(QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb", TZ=ZONE,
                           LC_ALL="C.UTF-8", LANGUAGE="")
        self.process = subprocess.Popen([binary], env=environment)
        self.application = None

    def wait_until_registered(self):
        def registered():
            if self.process.poll() is not None:
                raise RuntimeError(f"horavane ended with status {self.process.returncode}")
            # The desktop's list of applications is kept up to date by events: let them in.
            while GLib.MainContext.default().iteration(False):
                pass
            return next((a for a in pyatspi.Registry.getDesktop(0)
                         if a is not None and a.get_process_id() == self.process.pid), None)

        from gi.repository import GLib
        self.application = wait_for("horavane on the accessibility bus", registered)

    def frame(self, title):
        """The top-level window with this title, once it is on the bus."""
        return wait_for(f"the window {title!r}", lambda: next(
            (f for f in self.application if f.getRole() == pyatspi.ROLE_FRAME and f.name == title),
            None))

    def close(self):
        self.process.terminate()
        self.process.wait(10)


def descendants(accessible):
    for child in accessible:
        if child is not None:
            yield child
            yield from descendants(child)


def find(accessible, what, predicate):
    found = next((d for d in descendants(accessible) if predicate(d)), None)
    if found is None:
        raise AssertionError(f"no {what} under {accessible.getRoleName()} {accessible.name!r}")
    return found


def has(accessible, state):
    return accessible.getState().contains(state)


def text_of(accessible):
    return accessible.queryText().getText(0, -1)


def press(accessible, action):
    actions = accessible.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    if action not in names:
        raise AssertionError(f"{accessible.name!r} offers {names}, not {action!r}")
    actions.doAction(names.index(action))


horavane = None
pyatspi = None   # imported once this session's accessibility bus is up


def setUpModule():
    global horavane, pyatspi
    bus = AccessibilityBus()
    unittest.addModuleCleanup(bus.close)
    # Read by libatspi when it is first imported: the tree of this session's bus, not another.
    os.environ["AT_SPI_BUS_ADDRESS"] = bus.address()
    import pyatspi
    horavane = Horavane(sys.argv[1])
    unittest.addModuleCleanup(horavane.close)
    horavane.wait_until_registered()


def readout(window, caption):
    """The read-out that the label caption names, found the way a screen reader pairs them."""
    label = find(window, f"caption {caption!r}",
                 lambda a: a.getRole() == pyatspi.ROLE_LABEL and a.name == caption)
    targets = [r.getTarget(i) for r in label.getRelationSet()
               if r.getRelationType() == pyatspi.RELATION_LABEL_FOR for i in range(r.getNTargets())]
    if len(targets) != 1 or targets[0].getRole() != pyatspi.ROLE_LABEL:
        roles = [target.getRoleName() for target in targets]
        raise AssertionError(f"{caption!r} labels {roles}, not one label")
    return targets[0]


def read(window, caption):
    """The text of a read-out, once the first tick has written it. Until then the read-out is
    empty, and Qt names an empty label after its caption."""
    def written():
        name = readout(window, caption).name
        return name if name != caption else None

    return wait_for(f"text in {caption!r}", written)


class DigitalWindow(unittest.TestCase):
    """The read-outs are labels named by what they show; their captions say what they are."""

    @classmethod
    def setUpClass(cls):
        cls.window = horavane.frame("Horavane")

    def read(self, caption):
        return read(self.window, caption)

    def test_readouts_tell_what_a_person_sees(self):
        table = [
            ("Local time:", f"^{ISO_TIME}{re.escape(ZONE_OFFSET)}$"),
            ("UTC:", f"^{ISO_TIME}Z$"),
            ("Local sidereal time:", r"^([01]\d|2[0-3]):[0-5]\d:[0-5]\d$"),
            ("Position:", "^51\\.4769° , -0\\.0005°$"),
            ("Position source:", "^Manual$"),
        ]
        for caption, pattern in table:
            with self.subTest(caption=caption):
                self.assertRegex(self.read(caption), pattern)


class AnalogWindow(unittest.TestCase):
    """Each dial tells its time in its description, as the digital read-out beside it does."""

    @classmethod
    def setUpClass(cls):
        cls.window = horavane.frame("Analog Clock")
        cls.digital = horavane.frame("Horavane")

    def dial_seconds(self, name):
        dial = find(self.window, f"dial {name!r}", lambda a: a.name == name)
        match = DIAL_TEXT.match(dial.description)
        self.assertIsNotNone(match, f"{name!r} describes itself as {dial.description!r}")
        hours, minutes, seconds = (int(match.group(i)) for i in (1, 2, 3))
        return seconds_of_day(hours % 12 + (12 if match.group(4) == "PM" else 0), minutes, seconds)

    def readout_seconds(self, caption):
        text = read(self.digital, caption)
        clock = re.search(r"(\d\d):(\d\d):(\d\d)", text)
        self.assertIsNotNone(clock, f"{caption!r} reads {text!r}")
        return seconds_of_day(*(int(part) for part in clock.groups()))

    def test_dials_tell_the_time_of_their_readout(self):
        table = [
            ("UTC dial", "UTC:"),
            ("Local time dial", "Local time:"),
            ("Sidereal time dial", "Local sidereal time:"),
        ]
        for name, caption in table:
            with self.subTest(dial=name):
                # The dial is read between two reads of the read-out, so it must lie between
                # them, give or take the sidereal dial's rounding to whole seconds.
                first = self.readout_seconds(caption)
                dial = self.dial_seconds(name)
                last = self.readout_seconds(caption)
                self.assertGreaterEqual(behind(dial, first), -1, f"{name} is behind {caption}")
                self.assertGreaterEqual(behind(last, dial), -1, f"{name} is ahead of {caption}")


class PreferencesWindow(unittest.TestCase):
    """The General pane read control by control, and the tool bar that switches panes."""

    @classmethod
    def setUpClass(cls):
        digital = horavane.frame("Horavane")
        press(find(digital, "menu item 'Preferences…'",
                   lambda a: a.getRole() == pyatspi.ROLE_MENU_ITEM and a.name == "Preferences…"),
              "Press")
        cls.window = horavane.frame("Horavane Preferences")
        cls.general = find(cls.window, "General pane", lambda a: a.name == "General preferences")

    def test_every_focusable_control_has_a_name(self):
        focusable = [a for a in descendants(self.general) if has(a, pyatspi.STATE_FOCUSABLE)]
        self.assertGreaterEqual(len(focusable), 9)
        self.assertEqual([(a.getRoleName(), a.description) for a in focusable if not a.name], [])

    def test_controls_tell_role_and_state(self):
        # name, role, checked (None: not a button), text (None: not a field), enabled
        radio, check, field = pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_TEXT
        table = [
            ("SiTech NTP Server as position source", radio, False, None, False),
            ("Server address", field, None, "", False),
            ("Server port", field, None, "8079", False),
            ("Manual position as position source", radio, True, None, True),
            ("Latitude in degrees, north positive", field, None, "51.4769", True),
            ("Longitude in degrees, east positive", field, None, "-0.0005", True),
            ("Location service as position source", radio, False, None, True),
            ("Show coordinates as decimal degrees", check, True, None, True),
            ("Start Horavane when you log in", check, False, None, True),
        ]
        for name, role, checked, text, enabled in table:
            with self.subTest(control=name):
                control = find(self.general, repr(name), lambda a: a.name == name)
                self.assertEqual(control.getRole(), role, f"announced as {control.getRoleName()}")
                if checked is not None:
                    self.assertEqual(has(control, pyatspi.STATE_CHECKED), checked)
                if text is not None:
                    self.assertEqual(text_of(control), text)
                self.assertEqual(has(control, pyatspi.STATE_ENABLED), enabled)

    def test_tool_bar_switches_panes(self):
        tool_bar = find(self.window, "tool bar", lambda a: a.getRole() == pyatspi.ROLE_TOOL_BAR)
        buttons = {name: find(tool_bar, f"button {name!r}", lambda a, n=name: a.name == n)
                   for name in ("General", "Updates")}
        updates = find(self.window, "Updates pane",
                       lambda a: a.getRole() == pyatspi.ROLE_PUSH_BUTTON and a.name == "Check Now")
        shown = {"General": self.general, "Updates": updates}
        try:
            for name in ["Updates", "General"]:
                with self.subTest(switch_to=name):
                    # What a screen reader's "toggle" does: no click, only the state.
                    press(buttons[name], "Toggle")
                    pane = shown[name]
                    wait_for(f"the {name} pane", lambda p=pane: has(p, pyatspi.STATE_SHOWING))
                    for other, button in buttons.items():
                        self.assertEqual(has(button, pyatspi.STATE_CHECKED), other == name)
                        self.assertEqual(has(shown[other], pyatspi.STATE_SHOWING), other == name)
        finally:
            if not has(self.general, pyatspi.STATE_SHOWING):
                press(buttons["General"], "Toggle")


def in_private_session():
    """Runs this script again under dbus-run-session, with a home of its own."""
    with tempfile.TemporaryDirectory(prefix="horavane-a11y-") as home:
        environment = {k: v for k, v in os.environ.items()
                       if k not in ("AT_SPI_BUS_ADDRESS", "DBUS_SESSION_BUS_ADDRESS")}
        runtime = os.path.join(home, "run")
        os.mkdir(runtime, 0o700)
        environment.update({
            IN_SESSION: "1", "HOME": home, "XDG_RUNTIME_DIR": runtime,
            "XDG_CONFIG_HOME": os.path.join(home, ".config"),
            "XDG_DATA_HOME": os.path.join(home, ".local", "share"),
            "XDG_CACHE_HOME": os.path.join(home, ".cache"),
        })
        command = ["dbus-run-session", "--", sys.executable, os.path.abspath(__file__)]
        command += sys.argv[1:]
        return subprocess.run(command, env=environment, check=False).returncode


def main():
    if importlib.util.find_spec("pyatspi") is None:
        print("SKIP: pyatspi is not installed (Debian package python3-pyatspi)")
        return SKIPPED
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    if not os.environ.get("DISPLAY"):
        print("FAIL: needs an X server: scripts/test runs the suite under Xvfb", file=sys.stderr)
        return 1
    if os.environ.get(IN_SESSION) != "1":
        return in_private_session()
    # pyatspi 2.46 calls libatspi functions that are deprecated: not this test's concern.
    result = unittest.main(argv=[sys.argv[0], "-v"], exit=False, warnings="ignore").result
    return 0 if result.wasSuccessful() else 1


if __name__ == "__main__":
    sys.exit(main())
