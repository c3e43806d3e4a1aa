#!/usr/bin/env python3
"""What the program keeps between runs, met as a user meets it.

Each row of the first table starts the real program twice with the same home
folder: what one run chose, opened, moved or was asked is there in the next.
Each row of the second table starts it with one of its own state files made
hostile (a named pipe, a link to a device, a file too large) or holding
values no run writes: the program still starts, opens a reading and ends at
Exit within seconds, and leaves the hostile file as it was. A window that
never comes fails its row within seconds. Run under a display and a session
bus:

    restart.sh PROGRAM
"""
import datetime
import os
import socket
import time
import re
import resource
import shutil
import signal
import stat
import subprocess
import sys
import tempfile
import traceback

import pyatspi

from driving import click, descendants, find, menu_item, press, program, wait_for

PROGRAM = sys.argv[1]
# AddressSanitizer maps terabytes of shadow memory: no limit on the address
# space can hold, and it catches an endless read itself.
SANITIZED = b"libasan" in subprocess.run(["ldd", PROGRAM], capture_output=True).stdout
ROW_TIMEOUT = 10.0
# How soon a window comes however hostile the state files; a sanitized build starts slower.
WITHIN = 5.0 if SANITIZED else 1.0
TODAY = datetime.date.today()
PROCEED = "Get My Rudraksha Numerology Reading"
PROCEED_HI = "मेरा रुद्राक्ष अंक ज्योतिष फल देखें"
UPDATE_QUESTION = "There maybe an update to this software available"


# --- the bytes the program stores -----------------------------------------

def shifted(text):
    """A text as the program stores it: each character's code plus 85."""
    return bytes(ord(c) + 85 for c in text)


def windows_1252(data):
    """Bytes as text of the Windows-1252 code page, the five holes kept as Windows keeps them."""
    return "".join(chr(b) if b in (0x81, 0x8D, 0x8F, 0x90, 0x9D) else bytes([b]).decode("cp1252") for b in data)


def reading_bytes(name, day, month, month_name, year):
    return b"".join(shifted(str(field)) + b"\r\n" for field in (name, day, month, month_name, year))


def ini_key(text):
    """A key as QSettings writes it: characters past ASCII escaped."""
    return "".join(c if ord(c) < 128 else ("%%%02X" % ord(c) if ord(c) < 256 else "%%U%04X" % ord(c)) for c in text)


REMINDER_KEY = ini_key(windows_1252(shifted("Duration")))


def reminder_line(date):
    return "%s=%s" % (REMINDER_KEY, windows_1252(shifted(date.isoformat())))


# --- a user's home folder and a run of the program -------------------------

class Home:
    def __init__(self, root):
        self.path = os.path.join(root, "home")
        self.runtime = os.path.join(root, "runtime")
        self.tmp = os.path.join(root, "tmp")
        self.readings = os.path.join(root, "readings")
        for folder in (self.path, self.runtime, self.tmp, self.readings):
            os.makedirs(folder, mode=0o700)
        self.config = os.path.join(self.path, ".config")
        self.settings = os.path.join(self.config, "VQ Software", "vq-rudraksha-numerology.ini")
        self.recent = os.path.join(self.path, ".local", "share", "recently-used.xbel")
        os.makedirs(os.path.dirname(self.settings))
        os.makedirs(os.path.dirname(self.recent))

    def reading(self, file_name, *fields):
        path = os.path.join(os.fsencode(self.readings), os.fsencode(file_name))
        with open(path, "wb") as file:
            file.write(reading_bytes(*fields))
        return path

    def write_settings(self, text):
        with open(self.settings, "w", encoding="utf-8") as file:
            file.write(text)

    def settings_text(self):
        with open(self.settings, encoding="utf-8") as file:
            return file.read()


class Run:
    """The program started as a user starts it, with the accessibility bridge on."""

    started = []

    def __init__(self, home, arguments=(), memory_limit=None, environment=None, file_size_limit=None):
        self.home = home
        self.errors = tempfile.TemporaryFile()
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb", HOME=home.path,
                   XDG_CONFIG_HOME=home.config, XDG_RUNTIME_DIR=home.runtime, TMPDIR=home.tmp)
        env.update(environment or {})

        def limit():
            if memory_limit and not SANITIZED:
                resource.setrlimit(resource.RLIMIT_AS, (memory_limit, memory_limit))
            if file_size_limit:
                # A write past it fails, as on a full disk, rather than end the program.
                signal.signal(signal.SIGXFSZ, signal.SIG_IGN)
                resource.setrlimit(resource.RLIMIT_FSIZE, (file_size_limit, file_size_limit))

        self.started_at = time.monotonic()
        self.process = subprocess.Popen([PROGRAM, *arguments], env=env, stderr=self.errors, preexec_fn=limit)
        Run.started.append(self)
        self.app = wait_for("the program", self.find_app, ROW_TIMEOUT)

    def find_app(self):
        if self.process.poll() is not None:
            raise SystemExit(f"the program ended with {self.process.returncode}")
        return program(self.process.pid)

    def wait(self, what, role, name=None, prefix=None):
        """A control of the program on screen, by role and name (or the name's start)."""
        def found():
            self.find_app()
            for node in showing(self.app, role):
                if (name is None or node.name == name) and (prefix is None or node.name.startswith(prefix)):
                    return node
            return None
        return wait_for(what, found, ROW_TIMEOUT)

    def main_window(self, hindi=False):
        return self.wait("the main window", pyatspi.ROLE_PUSH_BUTTON, prefix=PROCEED_HI if hindi else PROCEED)

    def result_window(self):
        return self.wait("the result window", pyatspi.ROLE_PUSH_BUTTON, "Save")

    def window_geometry(self):
        """Where the working window is and its size, as the X server has it."""
        window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid", str(self.process.pid),
                                 "--name", "VQ Rudraksha Numerology v1.0"], capture_output=True, text=True,
                                check=True, timeout=ROW_TIMEOUT).stdout.split()[0]
        shape = subprocess.run(["xdotool", "getwindowgeometry", "--shell", window], capture_output=True,
                               text=True, check=True).stdout
        values = dict(line.split("=") for line in shape.split())
        return window, int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])

    def exit(self):
        """File › Exit, in either language; the program must be gone within seconds."""
        entries = [node for node in menu_entries(self.app) if node.name == "Exit" or node.name.startswith("बाहर निकलें")]
        assert entries, "no Exit in the File menu"
        press(entries[0])
        self.ended()

    def terminate(self):
        self.process.send_signal(signal.SIGTERM)
        self.ended()

    def ended(self):
        try:
            code = self.process.wait(ROW_TIMEOUT)
        except subprocess.TimeoutExpired:
            raise AssertionError("the program did not end")
        assert code == 0, f"the program ended with {code}: {self.stderr()}"

    def stderr(self):
        self.errors.seek(0)
        return self.errors.read().decode(errors="replace")

    def kill(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()


def showing(root, role):
    return [node for node in descendants(root)
            if node.getRole() == role and node.getState().contains(pyatspi.STATE_SHOWING)]


def menu_entries(app):
    return [node for node in descendants(app) if node.getRole() == pyatspi.ROLE_MENU_ITEM]


def no_question(run):
    """The main window came up without the update question first."""
    run.main_window()
    assert not showing(run.app, pyatspi.ROLE_ALERT), "the update question was asked"


def answer_question(run, answer):
    alert = run.wait("the update question", pyatspi.ROLE_ALERT)
    texts = [node.name for node in showing(alert, pyatspi.ROLE_LABEL)]
    assert any(UPDATE_QUESTION in text for text in texts), texts
    press(wait_for(answer, lambda: find(alert, pyatspi.ROLE_PUSH_BUTTON, answer)))


def stored_reminder(home):
    lines = [line for line in home.settings_text().splitlines() if line.startswith(REMINDER_KEY + "=")]
    return lines[0] if lines else None


# --- restarts ---------------------------------------------------------------

def language_chosen(home):
    run = Run(home)
    run.main_window()
    press(menu_item(run.app, "हिन्दी"))  # Help › Language
    run.main_window(hindi=True)
    run.exit()
    run = Run(home)
    run.main_window(hindi=True)
    run.exit()


def reading_opened(home):
    path = home.reading("ann.rkn", "Ann Lee", 2, 3, "March", 2000)
    run = Run(home, [path])
    run.result_window()
    run.exit()
    run = Run(home)
    run.main_window()
    entry = menu_item(run.app, "1 Ann Lee (ann.rkn)")
    assert entry is not None, "not in the File menu"
    press(entry)
    run.result_window()
    run.exit()


def reading_named_not_utf8(home):
    # The byte E9 alone (Latin-1 "é") is not UTF-8: the file must open again
    # from the list, and the desktop's list must name its very bytes.
    path = home.reading(b"caf\xe9.rkn", "Sample Name", 15, 8, "August", 1985)
    run = Run(home, [path])
    run.result_window()
    run.exit()
    with open(home.recent, "rb") as recent:
        assert b"caf%E9.rkn" in recent.read(), "the desktop's list names another file"
    run = Run(home)
    run.main_window()
    entries = [node for node in menu_entries(run.app) if node.name.startswith("1 Sample Name (caf")]
    assert entries, "not in the File menu"
    press(entries[0])
    run.result_window()
    run.exit()


def window_moved(home):
    run = Run(home)
    run.main_window()
    window, _, _, _, _ = run.window_geometry()
    subprocess.run(["xdotool", "windowmove", "--sync", window, "160", "120"], check=True, timeout=ROW_TIMEOUT)
    run.exit()
    run = Run(home)
    run.main_window()
    _, x, y, _, _ = run.window_geometry()
    assert (x, y) == (160, 120), f"the window came up at {x}, {y}"
    run.exit()


def settings_of_version_1_0_0(home):
    """The settings file as version 1.0.0 wrote it, every value read."""
    home.reading("ann.rkn", "Ann Lee", 2, 3, "March", 2000)
    with open(os.path.join(os.path.dirname(__file__), "settings-1.0.0.ini"), encoding="utf-8") as file:
        home.write_settings(file.read().replace("/tmp/vqfixture/readings", home.readings))
    seeded = stored_reminder(home)
    # The reminder's date of the day the file was written: asked about once
    # 15 days or more have passed, kept as it is before.
    days = abs((TODAY - datetime.date(2026, 12, 9)).days)
    run = Run(home)
    if days >= 15:
        answer_question(run, "No")
    run.main_window(hindi=True)
    _, x, y, width, height = run.window_geometry()
    assert (x, y, width, height) == (160, 120, 900, 700), f"the window came up at {x}, {y}, {width} x {height}"
    assert menu_item(run.app, "1 Ann Lee (ann.rkn)") is not None, "the recent reading is not in the File menu"
    run.exit()
    if days < 15:
        assert stored_reminder(home) == seeded, f"stored {stored_reminder(home)!r}, expected {seeded!r}"


def open_grid(run):
    """The chart of the result window, its Lo Shu grid in front; the grid's choice."""
    press(run.wait("Chart", pyatspi.ROLE_PUSH_BUTTON, "Chart"))
    tab = run.wait("the grid's tab", pyatspi.ROLE_PAGE_TAB, "Lo Shu Grid")
    click(tab)
    return run.wait("the choice", pyatspi.ROLE_CHECK_BOX, "Add the birth number and the life path number")


def close_chart(run):
    press(run.wait("Close", pyatspi.ROLE_PUSH_BUTTON, "Close"))
    wait_for("the chart gone", lambda: None if showing(run.app, pyatspi.ROLE_CHECK_BOX) else True)


def grid_choice_kept(home):
    path = home.reading("ann.rkn", "Ann Lee", 2, 3, "March", 2000)
    run = Run(home, [path])
    run.result_window()
    choice = open_grid(run)
    assert not choice.getState().contains(pyatspi.STATE_CHECKED), "chosen before it was"
    press(choice)
    wait_for("the choice made", lambda: True if choice.getState().contains(pyatspi.STATE_CHECKED) else None)
    close_chart(run)
    run.exit()
    run = Run(home, [path])
    run.result_window()
    choice = open_grid(run)
    assert choice.getState().contains(pyatspi.STATE_CHECKED), "the grid's choice was not kept"
    close_chart(run)
    run.exit()


def open_register(run):
    """Ctrl+R, File › Readings…'s key: the register's folder line, and its Close button."""
    assert menu_item(run.app, "Readings\u2026") is not None, "no Readings… in the File menu"
    window, _, _, _, _ = run.window_geometry()
    subprocess.run(["xdotool", "windowfocus", "--sync", window, "key", "ctrl+r"], check=True, timeout=ROW_TIMEOUT)
    close = run.wait("the register", pyatspi.ROLE_PUSH_BUTTON, "Close")
    return run.wait("the register's folder", pyatspi.ROLE_LABEL, prefix="Folder: "), close


def readings_folder_kept(home):
    """Change Folder… in the register, chosen in the folder dialog: the next start's register reads it."""
    home.reading("ann.rkn", "Ann Lee", 2, 3, "March", 2000)
    run = Run(home)
    run.main_window()
    folder, close = open_register(run)
    assert folder.name != "Folder: " + home.readings, "the register began in the readings folder"
    press(run.wait("Change Folder", pyatspi.ROLE_PUSH_BUTTON, "Change Folder\u2026"))
    dialog = run.wait("the folder dialog", pyatspi.ROLE_DIALOG, "Choose the folder of your readings")
    name = wait_for("its name box", lambda: next((node for node in showing(dialog, pyatspi.ROLE_TEXT)
                                                   if node.getState().contains(pyatspi.STATE_EDITABLE)), None))
    name.queryEditableText().setTextContents(home.readings)
    press(wait_for("Choose", lambda: find(dialog, pyatspi.ROLE_PUSH_BUTTON, "Choose")))
    run.wait("the folder read", pyatspi.ROLE_LABEL, "Folder: " + home.readings)
    run.wait("the reading listed", pyatspi.ROLE_TABLE_CELL, "Ann Lee")
    press(close)
    run.exit()
    run = Run(home)
    run.main_window()
    folder, close = open_register(run)
    assert folder.name == "Folder: " + home.readings, f"the register began in {folder.name!r}"
    run.wait("the reading listed", pyatspi.ROLE_TABLE_CELL, "Ann Lee")
    press(close)
    run.exit()


def reminder(days, asked):
    def row(home):
        seeded = reminder_line(TODAY - datetime.timedelta(days=days))
        home.write_settings("[Settings]\n%s\n" % seeded)
        run = Run(home)
        if asked:
            answer_question(run, "No")
        no_question(run)
        run.exit()
        expected = reminder_line(TODAY) if asked else seeded
        assert stored_reminder(home) == expected, f"stored {stored_reminder(home)!r}, expected {expected!r}"
        run = Run(home)
        no_question(run)
        run.exit()
        assert stored_reminder(home) == expected
    return row


# --- hostile state files ----------------------------------------------------

def device(path, minor):
    """A character device of our own, like /dev/null (1, 3) or /dev/zero (1, 5)."""
    os.mknod(path, 0o600 | stat.S_IFCHR, os.makedev(1, minor))
    return lambda: is_device(path, minor)


def is_device(path, minor):
    info = os.lstat(path)
    assert stat.S_ISCHR(info.st_mode) and info.st_rdev == os.makedev(1, minor), f"{path} was replaced"


def fifo(path):
    os.mkfifo(path, 0o600)

    def intact():
        assert stat.S_ISFIFO(os.lstat(path).st_mode), f"{path} was replaced"
    return intact


def link_to_device(path, minor):
    target = os.path.join(os.path.dirname(path), "device")
    intact = device(target, minor)
    os.symlink(target, path)
    return intact


def hostile(make, as_root=False, memory_limit=None, end="exit", action=None, stderr=None, home_is_a_file=False,
            within=None, environment=None):
    def row(home):
        if as_root and os.geteuid() != 0:
            return "skipped: only the superuser makes device nodes"
        intact = make(home)
        environment = dict(extra_environment)
        if home_is_a_file:
            environment["HOME"] = os.path.join(home.tmp, "..", "home-file")
            with open(environment["HOME"], "w") as file:
                file.write("not a folder")
        path = home.reading("given.rkn", "Sample Name", 15, 8, "August", 1985)
        run = Run(home, [path], memory_limit=memory_limit, environment=environment)
        run.result_window()
        waited = time.monotonic() - run.started_at
        assert within is None or waited < within, f"the window came after {waited:.1f} s"
        if action:
            action(run)
        if end == "exit":
            run.exit()
        else:
            run.terminate()
        if intact:
            intact()
        if stderr:
            assert re.search(stderr, run.stderr()), run.stderr()
        leftovers = os.listdir(home.tmp)
        assert not leftovers, f"left in the temporary folder: {leftovers}"
        return f"window after {waited:.2f} s"
    extra_environment = environment or {}
    return row


# --- locks that Qt could neither use nor remove -------------------------------

def settings_lock(home):
    return home.settings + ".lock"


def dialogs_lock(home):
    return os.path.join(home.config, "QtProject.conf.lock")


def unchanged(path):
    """A check that what stands at path is as it was."""
    before = os.lstat(path)
    content = None if not stat.S_ISREG(before.st_mode) or before.st_size > 1 << 20 else open(path, "rb").read()

    def intact():
        after = os.lstat(path)
        assert (after.st_mode, after.st_size, after.st_ino) == (before.st_mode, before.st_size, before.st_ino), \
            f"{path} was changed"
        assert content is None or open(path, "rb").read() == content, f"{path} was rewritten"
    return intact


def dangling_link(where):
    def make(home):
        path = where(home)
        os.symlink(path + ".nowhere", path)
        return unchanged(path)
    return make


def stale_lock(where, mode, rmlock_pipe=False):
    """A lock left by a copy long gone, its mode the user's own choice."""
    def make(home):
        path = where(home)
        with open(path, "w") as file:
            file.write("99999\nvq-rudraksha-numerology\nsomewhere\n")
        long_ago = time.time() - 3600
        os.utime(path, (long_ago, long_ago))
        os.chmod(path, mode)
        if rmlock_pipe:
            os.mkfifo(path + ".rmlock", 0o600)
        return unchanged(path)
    return make


def sparse_lock(where, size):
    def make(home):
        path = where(home)
        with open(path, "wb") as file:
            file.truncate(size)
        return unchanged(path)
    return make


def live_lock(where):
    """A fresh lock naming a live process of the program's name."""
    def make(home):
        path = where(home)
        with open(path, "w") as file:
            file.write(f"{os.getpid()}\nvq-rudraksha-numerology\n{socket.gethostname()}\n")
        return unchanged(path)
    return make


def qt_leftover(home):
    """What a write of Qt's own left when it was cut short, in earlier versions."""
    leftover = home.settings + ".Ab12Cd"
    with open(leftover, "w") as file:
        file.write("[Language]\nuiLanguage=hi\n")

    def removed():
        assert not os.path.exists(leftover), "Qt's unfinished settings file is still there"
    return removed


# Fonts as fontconfig gives them where only DejaVu is installed.
LATIN_FONTS = os.path.join(tempfile.gettempdir(), "vq-restart-latin-fonts.conf")


def no_devanagari_font(home):
    """LANG asks for Hindi, and no installed font has its script."""
    with open(LATIN_FONTS, "w") as file:
        file.write('<?xml version="1.0"?><!DOCTYPE fontconfig SYSTEM "fonts.dtd"><fontconfig>'
                   f'<dir>/usr/share/fonts/truetype/dejavu</dir><cachedir>{home.tmp}/../fc</cachedir></fontconfig>')
    return None


def cancel_save_dialog(run):
    """Save, then Cancel in the file dialog, which reads and writes its own settings."""
    press(run.result_window())
    dialog = run.wait("the Save dialog", pyatspi.ROLE_DIALOG)
    press(wait_for("Cancel", lambda: find(dialog, pyatspi.ROLE_PUSH_BUTTON, "Cancel")))
    wait_for("the dialog gone", lambda: None if showing(run.app, pyatspi.ROLE_DIALOG) else True)


def settings_not_written(home):
    """A disk too full for the settings: said once, in the window, and the run goes on."""
    run = Run(home, file_size_limit=32)
    alert = run.wait("the message", pyatspi.ROLE_ALERT)
    texts = [node.name for node in showing(alert, pyatspi.ROLE_LABEL)]
    assert any("The settings could not be saved in" in text for text in texts), texts
    assert any("There is not enough space on the disk for the file." in text for text in texts), texts
    press(wait_for("OK", lambda: find(alert, pyatspi.ROLE_PUSH_BUTTON, "OK")))
    run.main_window()
    press(menu_item(run.app, "हिन्दी"))  # Help › Language: a second write, said no more
    run.main_window(hindi=True)
    assert not showing(run.app, pyatspi.ROLE_ALERT), "said twice"
    run.exit()
    assert not os.path.exists(home.settings) or os.path.getsize(home.settings) <= 32


def outgrown_settings(home):
    """A settings file past 64 KB, which no run writes: kept aside as it is, and
    the settings start afresh and are kept again."""
    home.write_settings("[Notes]\n" + "".join("n%d=%s\n" % (i, "x" * 60) for i in range(1200)))
    before = home.settings_text()
    run = Run(home)
    run.main_window()
    press(menu_item(run.app, "हिन्दी"))  # Help › Language
    run.main_window(hindi=True)
    run.exit()
    assert re.search("larger than 65536 bytes: it is kept as .*too-large", run.stderr()), run.stderr()
    with open(home.settings + ".too-large", encoding="utf-8") as aside:
        assert aside.read() == before, "the file kept aside was changed"
    run = Run(home)
    run.main_window(hindi=True)
    run.exit()


def values(text, check=None):
    """Settings no run writes: the program starts as if they were not there."""
    def row(home):
        home.write_settings(text)
        run = Run(home)
        run.main_window()
        _, _, _, width, height = run.window_geometry()
        assert width <= 1280 and height <= 1024, f"a window of {width} x {height}"
        assert resident_megabytes(run.process.pid) < 500, "the window took too much memory"
        if check:
            check(run)
        run.exit()
    return row


def resident_megabytes(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) // 1024
    return 0


def no_recent_entries(run):
    entries = [node.name for node in menu_entries(run.app) if re.match(r"\d ", node.name)]
    assert not entries, entries


ROWS = [
    # Each start keeps what the last one left.
    ("a language chosen", language_chosen),
    ("a reading opened", reading_opened),
    ("a reading whose name is not UTF-8", reading_named_not_utf8),
    ("a window moved", window_moved),
    ("the chart's grid with the added numbers", grid_choice_kept),
    ("the register's folder, chosen with Change Folder", readings_folder_kept),
    ("a reminder date 14 days old: kept", reminder(14, False)),
    ("a reminder date 15 days old: asked, then today", reminder(15, True)),
    ("the settings of version 1.0.0", settings_of_version_1_0_0),
    # No state file of any type hangs, crashes or destroys.
    ("settings file a named pipe", hostile(lambda home: fifo(home.settings))),
    ("settings file a link to a device", hostile(lambda home: link_to_device(home.settings, 3), as_root=True)),
    ("settings lock file a named pipe", hostile(lambda home: fifo(home.settings + ".lock"))),
    ("recent files a named pipe", hostile(lambda home: fifo(home.recent))),
    ("recent files a link to an endless device",
     hostile(lambda home: link_to_device(home.recent, 5), as_root=True, memory_limit=4 << 30)),
    ("recent files a link to a device", hostile(lambda home: link_to_device(home.recent, 3), as_root=True)),
    ("file dialogs' settings a named pipe",
     hostile(lambda home: fifo(os.path.join(home.config, "QtProject.conf")), action=cancel_save_dialog)),
    ("settings over 64 KB: kept aside, then afresh", outgrown_settings),
    ("settings that cannot be written", settings_not_written),
    # Locks of Qt's that it could neither use nor remove: the program never
    # takes, reads or waits on them, and leaves them as they are.
    ("settings lock a link to nowhere", hostile(dangling_link(settings_lock), within=WITHIN)),
    ("settings lock stale, mode 0444", hostile(stale_lock(settings_lock, 0o444), within=WITHIN)),
    ("settings lock stale, mode 000", hostile(stale_lock(settings_lock, 0o000), within=WITHIN)),
    ("settings lock stale, a pipe at its .rmlock", hostile(stale_lock(settings_lock, 0o600, True), within=WITHIN)),
    ("settings lock of 20 GB", hostile(sparse_lock(settings_lock, 20 << 30), within=WITHIN, memory_limit=2 << 30)),
    ("settings lock fresh, of a live copy", hostile(live_lock(settings_lock), within=WITHIN)),
    ("Qt's unfinished settings file", hostile(qt_leftover)),
    ("file dialogs' lock a link to nowhere",
     hostile(dangling_link(dialogs_lock), action=cancel_save_dialog, stderr="QtProject.conf.lock stands in the way")),
    ("file dialogs' lock stale, mode 000", hostile(stale_lock(dialogs_lock, 0o000), action=cancel_save_dialog)),
    ("file dialogs' lock stale, a pipe at its .rmlock",
     hostile(stale_lock(dialogs_lock, 0o600, True), action=cancel_save_dialog)),
    ("file dialogs' lock of 20 GB",
     hostile(sparse_lock(dialogs_lock, 20 << 30), action=cancel_save_dialog, memory_limit=2 << 30)),
    ("file dialogs' lock fresh, of a live copy", hostile(live_lock(dialogs_lock), action=cancel_save_dialog)),
    ("recent files of 65 MB", hostile(lambda home: sparse_lock(lambda h: h.recent, 65 << 20)(home),
                                      stderr="are larger than 64 MB and are left alone")),
    ("Hindi without a Devanagari font", hostile(no_devanagari_font, stderr="the program speaks English",
                                               environment={"LANG": "hi_IN.UTF-8", "LANGUAGE": "hi",
                                                            "FONTCONFIG_FILE": LATIN_FONTS})),
    ("HOME a regular file", hostile(lambda home: None, home_is_a_file=True, stderr="is not a folder but a file")),
    # Values no run writes.
    ("a recent list of 2^31 - 1 entries", values("[Recent]\nsize=2147483647\n", no_recent_entries)),
    ("window places of plus and minus 2^31",
     values("[Windows]\nfrmMain\\position=@Point(2147483647 -2147483648)\n")),
    ("window sizes of 100000 x 100000", values("[Windows]\nfrmMain\\size=@Size(100000 100000)\n")),
    ("a language named ../../etc/passwd", values("[Language]\nuiLanguage=../../etc/passwd\n")),
]


def main():
    failed = 0
    for name, row in ROWS:
        root = tempfile.mkdtemp()
        try:
            outcome = row(Home(root)) or "ok"
            print(f"PASS   {name}: {outcome}")
        except (AssertionError, SystemExit) as error:
            failed += 1
            print(f"FAIL!  {name}: {error}")
        except Exception:
            failed += 1
            print(f"FAIL!  {name}:\n{traceback.format_exc()}")
        finally:
            for run in Run.started:
                run.kill()
            Run.started.clear()
            shutil.rmtree(root, ignore_errors=True)
    print(f"{len(ROWS) - failed} passed, {failed} failed")
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
