#!/usr/bin/python3
"""Reads Horavane's windows through AT-SPI, as a screen reader does, on the X server in DISPLAY.
Usage: tst_accessibility.py HORAVANE_BINARY. Exit status 77 (skipped) without python3-pyatspi."""

import datetime
import importlib.util
import os
import pathlib
import subprocess
import sys
import tempfile
import time
import unittest
import zoneinfo

# No daylight saving and a half-hour offset: neither UTC nor a rounded offset can pass for it.
ZONE, ZONE_OFFSET = "Asia/Kolkata", r"\+05:30"
# Downloads go to a port where nothing listens: no test reaches the IERS.
SETTINGS = "[General]\nAPP_Horavane=true\nAPP_ShowDetails=true\nPrefs_LocationSource=1\nPREFS_latitude=51.4769\nPREFS_longitude=-0.0005\n" \
           "PREFS_eop_sources=https://127.0.0.1:9/finals2000A.daily\n" \
           "PREFS_sites=-30.2407\\t-70.7366\\t2715\\tAmerica/Santiago\\tCerro Pachon\\n\n" \
           "[Donation]\nhideAtLaunch=true\n"
ALARM_LEAD = 8   # seconds from launch to the alarm's due second: time enough to start
ALARM_DUE = ALARM_UTC = None   # set at launch
ISO_TIME = r"\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3}"
DISPLAY = "HORAVANE_A11Y_DISPLAY"   # the X server, given to horavane only
pyatspi = application = None   # once this session's accessibility bus is up


def wait_for(what, probe, timeout=10.0):
    deadline = time.monotonic() + timeout
    while not (found := probe()):
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out waiting for {what}")
        time.sleep(0.1)
    return found


def setUpModule():
    global pyatspi, application
    home = tempfile.TemporaryDirectory(prefix="horavane-a11y-")
    unittest.addModuleCleanup(home.cleanup)
    os.mkdir(os.path.join(home.name, "run"), 0o700)
    os.environ.update({"HOME": home.name, "XDG_RUNTIME_DIR": os.path.join(home.name, "run"),
                       **{k: os.path.join(home.name, v) for k, v in (("XDG_CONFIG_HOME", ".config"),
                          ("XDG_DATA_HOME", ".local/share"), ("XDG_CACHE_HOME", ".cache"))}})
    import pyatspi
    from gi.repository import GLib
    pyatspi.Registry.getDesktop(0)   # has D-Bus start the accessibility bus before horavane looks for it
    settings = pathlib.Path(os.environ["XDG_CONFIG_HOME"], "Horavane", "Horavane.conf")
    settings.parent.mkdir(parents=True)
    # An alarm that rings a few seconds after launch, at a UTC second of every day.
    global ALARM_DUE, ALARM_UTC
    ALARM_DUE = int(time.time()) + ALARM_LEAD
    ALARM_UTC = time.strftime("%H:%M:%S", time.gmtime(ALARM_DUE))
    alarms = f"PREFS_alarms=target\\t0.5\\tM42\\t10\\tFlip M42\\nutc\\t{ALARM_UTC}\\t\\t0\\tSoon\\n\n"
    settings.write_text(SETTINGS.replace("[Donation]", alarms + "[Donation]"), encoding="utf-8")
    process = subprocess.Popen([sys.argv[1]], env=dict(
        os.environ, DISPLAY=os.environ[DISPLAY], QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
        TZ=ZONE, LC_ALL="C.UTF-8", LANGUAGE=""))
    unittest.addModuleCleanup(lambda: (process.terminate(), process.wait(10)))

    def registered():
        if process.poll() is not None:
            raise RuntimeError(f"horavane ended with status {process.returncode}")
        while GLib.MainContext.default().iteration(False):   # the events that list applications
            pass
        return next((a for a in pyatspi.Registry.getDesktop(0)
                     if a is not None and a.get_process_id() == process.pid), None)

    application = wait_for("horavane on the accessibility bus", registered)


def frame(title):
    return wait_for(f"the window {title!r}", lambda: next(
        (f for f in application if f.getRole() == pyatspi.ROLE_FRAME and f.name == title), None))


def find(accessible, what, predicate):
    found = pyatspi.findDescendant(accessible, predicate)
    assert found is not None, f"no {what} under {accessible.getRoleName()} {accessible.name!r}"
    return found


def has(accessible, state):
    return accessible.getState().contains(state)


def press(accessible, action):
    actions = accessible.queryAction()
    actions.doAction([actions.getName(i) for i in range(actions.nActions)].index(action))


def related(accessible, relation):
    return [r.getTarget(i) for r in accessible.getRelationSet()
            if r.getRelationType() == relation for i in range(r.getNTargets())]


def caption_and_value(window, caption):
    label = find(window, f"caption {caption!r}",
                 lambda a: a.getRole() == pyatspi.ROLE_LABEL and a.name == caption)
    (value,) = related(label, pyatspi.RELATION_LABEL_FOR)
    return label, value


def read(window, caption):
    # The label the caption is the label for, once the first tick wrote it: Qt names it after its caption till then.
    _, value = caption_and_value(window, caption)
    return wait_for(f"text in {caption!r}", lambda: value.name if value.name != caption else None)


class DigitalWindow(unittest.TestCase):
    def test_readouts_tell_what_a_person_sees(self):
        window = frame("Horavane")
        for caption, pattern in [
            ("Local time:", f"^{ISO_TIME}{ZONE_OFFSET}$"),
            ("UTC:", f"^{ISO_TIME}Z$"),
            ("Local sidereal time:", r"^([01]\d|2[0-3]):[0-5]\d:[0-5]\d$"),
            ("Position:", "^51\\.4769° , -0\\.0005°$"),
            ("Position source:", "^Manual$"),
        ]:
            with self.subTest(caption=caption):
                self.assertRegex(read(window, caption), pattern)

    def test_a_caption_comes_before_its_value_and_labels_it(self):
        window = frame("Horavane")
        for caption in ["Local time:", "Position source:", "UT1 − UTC:", "Julian Date:"]:
            with self.subTest(caption=caption):
                label, value = caption_and_value(window, caption)
                self.assertEqual(label.parent, value.parent)
                self.assertLess(label.getIndexInParent(), value.getIndexInParent())
                self.assertEqual([a.name for a in related(value, pyatspi.RELATION_LABELLED_BY)], [caption])

    def test_the_offer_to_download_keeps_data_current(self):
        # With no Earth-orientation data, the details offer a download; taking it turns the setting on.
        window = frame("Horavane")
        offer = find(window, "the offer to download",
                     lambda a: a.getRole() == pyatspi.ROLE_PUSH_BUTTON and a.name == "Download from the IERS")
        press(offer, "Press")
        wait_for("why the download failed", lambda: pyatspi.findDescendant(
            window, lambda a: a.name == "IERS download failed: Connection refused"))
        self.assertFalse(has(offer, pyatspi.STATE_SHOWING))
        settings = pathlib.Path(os.environ["XDG_CONFIG_HOME"], "Horavane", "Horavane.conf")
        wait_for("the setting stored", lambda: "PREFS_eop_download=true" in settings.read_text(encoding="utf-8"))


class PreferencesWindow(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        press(find(frame("Horavane"), "menu item", lambda a: a.getRole() == pyatspi.ROLE_MENU_ITEM and a.name == "Preferences…"), "Press")
        cls.window = frame("Horavane Preferences")
        cls.general = find(cls.window, "General pane", lambda a: a.name == "General preferences")

    def test_general_controls_tell_name_role_and_state(self):
        # name, role, checked (None: not a button), text (None: not a field), enabled
        radio, check, field = pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_TEXT
        for name, role, checked, text, enabled in [
            ("SiTech NTP Server as position source", radio, False, None, False),
            ("Server address", field, None, "", False),
            ("Server port", field, None, "8079", False),
            ("Manual position as position source", radio, True, None, True),
            ("Latitude in degrees, north positive", field, None, "51.4769", True),
            ("Longitude in degrees, east positive", field, None, "-0.0005", True),
            ("Location service as position source", radio, False, None, True),
            ("Show coordinates as decimal degrees", check, True, None, True),
            ("Start Horavane when you log in", check, False, None, True),
        ]:
            with self.subTest(control=name):
                control = find(self.general, repr(name), lambda a: a.name == name)
                self.assertEqual(control.getRole(), role, f"announced as {control.getRoleName()}")
                if checked is not None:
                    self.assertEqual(has(control, pyatspi.STATE_CHECKED), checked)
                if text is not None:
                    self.assertEqual(control.queryText().getText(0, -1), text)
                self.assertEqual(has(control, pyatspi.STATE_ENABLED), enabled)
        unnamed = pyatspi.findAllDescendants(self.general, lambda a: has(a, pyatspi.STATE_FOCUSABLE) and not a.name)
        self.assertEqual([a.getRoleName() for a in unnamed], [])

    def test_tool_bar_switches_panes(self):
        tool_bar = find(self.window, "tool bar", lambda a: a.getRole() == pyatspi.ROLE_TOOL_BAR)
        buttons = {name: find(tool_bar, f"button {name!r}", lambda a, n=name: a.name == n)
                   for name in ("General", "Updates")}
        panes = {"General": self.general, "Updates": find(
            self.window, "Updates pane", lambda a: a.getRole() == pyatspi.ROLE_PUSH_BUTTON and a.name == "Check Now")}
        for name in ["Updates", "General"]:
            with self.subTest(switch_to=name):
                press(buttons[name], "Toggle")   # what a screen reader does: no click, only the state
                wait_for(f"the {name} pane", lambda p=panes[name]: has(p, pyatspi.STATE_SHOWING))
                for other, button in buttons.items():
                    self.assertEqual(has(button, pyatspi.STATE_CHECKED), other == name)
                    self.assertEqual(has(panes[other], pyatspi.STATE_SHOWING), other == name)


class TargetsWindow(unittest.TestCase):
    def test_captions_come_before_the_fields_they_label(self):
        press(find(frame("Horavane"), "menu item", lambda a: a.getRole() == pyatspi.ROLE_MENU_ITEM and a.name == "Targets"), "Press")
        window = frame("Targets")
        for caption, field in [("Name", "Target name"), ("RA (J2000)", "Right ascension, J2000"),
                               ("Dec (J2000)", "Declination, J2000")]:
            with self.subTest(caption=caption):
                label, target = caption_and_value(window, caption)
                self.assertEqual((target.name, target.getRole()), (field, pyatspi.ROLE_TEXT))
                self.assertLess(label.getIndexInParent(), target.getIndexInParent(), "the field comes first")


class SitesWindow(unittest.TestCase):
    def test_a_site_reads_as_its_column_then_its_value(self):
        press(find(frame("Horavane"), "menu item", lambda a: a.getRole() == pyatspi.ROLE_MENU_ITEM and a.name == "Sites"), "Press")
        table = find(frame("Sites"), "table", lambda a: a.getRole() == pyatspi.ROLE_TABLE and a.name == "Sites")
        cells = table.queryTable()
        columns = [cells.getColumnDescription(c) for c in range(cells.nColumns)]
        self.assertEqual(columns, ["Name", "Time zone", "Local time", "LST", "Daylight"])
        row = wait_for("the site's clocks", lambda: (r := {c: cells.getAccessibleAt(0, i).name
                                                            for i, c in enumerate(columns)})["LST"] and r)
        self.assertEqual((row["Name"], row["Time zone"]), ("Cerro Pachon", "America/Santiago"))
        site_now = datetime.datetime.now(zoneinfo.ZoneInfo("America/Santiago"))   # UTC−3 in summer, −4 in winter
        offset = int(site_now.utcoffset().total_seconds()) // 3600
        clock, shown_offset = row["Local time"].split(" ")
        self.assertEqual(shown_offset, f"UTC\u2212{-offset:02d}:00")
        hours, minutes, seconds = map(int, clock.split(":"))
        drift = (hours * 3600 + minutes * 60 + seconds - (site_now.hour * 3600 + site_now.minute * 60 + site_now.second)) % 86400
        self.assertLess(min(drift, 86400 - drift), 5, f"{row['Local time']} is not the site's clock now")
        self.assertRegex(row["LST"], r"^([01]\d|2[0-3]):[0-5]\d:[0-5]\d$")
        self.assertIn(row["Daylight"], ["day", "civil twilight", "nautical twilight", "astronomical twilight", "night"])


class AlarmsWindow(unittest.TestCase):
    def test_an_alarm_reads_as_its_column_then_its_value(self):
        press(find(frame("Horavane"), "menu item", lambda a: a.getRole() == pyatspi.ROLE_MENU_ITEM and a.name == "Alarms"), "Press")
        table = find(frame("Alarms"), "table", lambda a: a.getRole() == pyatspi.ROLE_TABLE and a.name == "Alarms")
        cells = table.queryTable()
        row = {cells.getColumnDescription(c): cells.getAccessibleAt(0, c) for c in range(cells.nColumns)}
        # M42 is in no Targets list here: the row says it will not ring.
        self.assertEqual({column: cell.name for column, cell in row.items()},
                         {"Name": "Flip M42", "Kind": "target", "Before": "10 min",
                          "When": "M42 at hour angle +0.5 h — not in the Targets list: it will not ring"})

    def test_the_banner_reads_the_alarm_that_rang(self):
        banner = wait_for("the alarm's banner", lambda: pyatspi.findDescendant(
            frame("Horavane"), lambda a: a.name == "Alarm" and has(a, pyatspi.STATE_SHOWING)), timeout=ALARM_LEAD + 10)
        # The banner tells the due second on the local clock.
        due = datetime.datetime.fromtimestamp(ALARM_DUE, zoneinfo.ZoneInfo(ZONE)).strftime("%H:%M:%S")
        self.assertEqual(banner.description, f"Soon: {ALARM_UTC} UTC, every day, at {due}")


def main():
    if importlib.util.find_spec("pyatspi") is None:
        print("SKIP: pyatspi is not installed (Debian package python3-pyatspi)")
        return 77
    if DISPLAY not in os.environ:
        # Again in a D-Bus session of its own whose accessibility bus, started without the
        # display, is not published on the X server to every program there.
        environment = {k: v for k, v in os.environ.items()
                       if k not in ("DISPLAY", "AT_SPI_BUS_ADDRESS", "DBUS_SESSION_BUS_ADDRESS")}
        os.execvpe("dbus-run-session", ["dbus-run-session", "--", sys.executable, os.path.abspath(__file__),
                                        sys.argv[1]], dict(environment, **{DISPLAY: os.environ["DISPLAY"]}))
    # pyatspi 2.46 calls libatspi functions that are deprecated: not this test's concern.
    return 0 if unittest.main(argv=[sys.argv[0], "-v"], exit=False, warnings="ignore").result.wasSuccessful() else 1


if __name__ == "__main__":
    sys.exit(main())
