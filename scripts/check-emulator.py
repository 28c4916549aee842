#!/usr/bin/python3
"""The real editor beside a real emulator: RetroArch with the bsnes-mercury
core runs a test cartridge of our own (tools/make_test_cartridge.py) on a
copy of the demo save, while the editor's window is driven through AT-SPI as
a user would drive it. Every scenario asserts on the file's bytes and on the
window.

Run by scripts/check-emulator.sh, inside a session bus with the
accessibility bus up and DISPLAY set:

    check-emulator.py BUILD_DIR WORK_DIR

Prints one line per scenario, PASS or FAIL with the reasons, then
"N passed, M failed"; exits 1 when any failed.
"""
import os
import shutil
import signal
import subprocess
import sys
import threading
import time
import traceback
import warnings
from pathlib import Path

warnings.filterwarnings("ignore", category=DeprecationWarning)  # the short interface getters

import gi  # noqa: E402
gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

ROOT = Path(__file__).resolve().parent.parent
DEMO = ROOT / "samples" / "demo.srm"
CORE = Path("/usr/lib/x86_64-linux-gnu/libretro/bsnes_mercury_performance_libretro.so")
INTERVAL = 2  # RetroArch's autosave_interval, seconds

# The save's layout (savedata/SaveFields.cpp, tests/support/SaveFormat.h):
# data from 0 when the signature is at 0x7FF0, from 128 when it is at 0x70;
# Player 1's block at 1060. The fields used here, by the names the window
# gives them: (offset in the block, width in bytes).
SIGNATURE = b"DM SFX SAVE DATA"
SIZE = 0x8000
PLAYER1 = 1060
FIELDS = {
    "HP current, Player 1": (0, 2),
    "Food Status, Player 1": (14, 2),
    "Strength current, Player 1": (21, 1),
}
PROGRESS = 0x7000  # the test cartridge's progress byte, outside every field

R = Atspi.Role


class Failure(Exception):
    """A step that the rest of the scenario cannot do without."""


def base(data):
    if data[0x7FF0:0x8000] == SIGNATURE:
        return 0
    return 128 if data[0x70:0x80] == SIGNATURE else None


def field(data, name):
    at = base(data)
    if at is None:
        return None
    offset, width = FIELDS[name]
    position = at + PLAYER1 + offset
    return int.from_bytes(data[position:position + width], "little")


def with_fields(data, values):
    """The bytes with these fields written, as a Save of them leaves them."""
    out = bytearray(data)
    at = base(data)
    for name, value in values.items():
        offset, width = FIELDS[name]
        out[at + PLAYER1 + offset:at + PLAYER1 + offset + width] = value.to_bytes(width, "little")
    return bytes(out)


def short(name):
    return name.replace(", Player 1", "")


# ---------------------------------------------------------------- the file

class Write:
    def __init__(self, when, data):
        self.when, self.data = when, data

    def __getitem__(self, name):
        return self.data[name] if isinstance(name, int) else field(self.data, name)


class Recorder:
    """Every write of the save, as seen by a look every 5 ms at the file's
    time and size: RetroArch truncates and rewrites the file in place, so a
    look in the middle finds it short and the next one reads it whole."""

    def __init__(self, path):
        self.path = path
        self.writes = []
        self._stop = False
        self._lock = threading.Lock()
        self._seen = self._stamp()
        self._thread = threading.Thread(target=self._run, daemon=True)
        self._thread.start()

    def _stamp(self):
        try:
            st = os.stat(self.path)
            return (st.st_mtime_ns, st.st_size, st.st_ino)
        except FileNotFoundError:
            return None

    def _run(self):
        while not self._stop:
            stamp = self._stamp()
            if stamp and stamp != self._seen:
                now = time.monotonic()
                try:
                    data = self.path.read_bytes()
                except OSError:
                    data = b""
                if len(data) == SIZE and self._stamp() == stamp:
                    self._seen = stamp
                    with self._lock:
                        self.writes.append(Write(now, data))
            time.sleep(0.005)

    def stop(self):
        self._stop = True
        self._thread.join()

    def since(self, when):
        with self._lock:
            return [w for w in self.writes if w.when >= when]

    def wait(self, test, after, seconds, what):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            found = next((w for w in self.since(after) if test(w)), None)
            if found:
                return found
            time.sleep(0.01)
        raise Failure(f"no {what} within {seconds} s")


# ---------------------------------------------------------------- the emulator

class Emulator:
    """RetroArch on the test cartridge, with a configuration and a HOME of
    its own in the scenario's folder; the save is SAVES/<ROM name>.srm."""

    def __init__(self, folder, rom):
        self.folder = folder
        self.home = folder / "home"
        self.saves = folder / "saves"
        self.home.mkdir(parents=True, exist_ok=True)
        self.saves.mkdir(parents=True, exist_ok=True)
        self.config = folder / "retroarch.cfg"
        self.config.write_text("\n".join(f'{key} = "{value}"' for key, value in {
            "video_driver": "null", "audio_driver": "null", "input_driver": "null",
            "joypad_driver": "null", "menu_driver": "null",
            "autosave_interval": INTERVAL,
            "save_file_compression": "false",  # the key's name in 1.14
            "pause_nonactive": "false", "config_save_on_exit": "false",
            # The null video driver has no refresh to wait for: without this
            # the game runs as fast as the CPU goes (5 to 12 times), and takes
            # a core of CI's two from the editor.
            "vrr_runloop_enable": "true",
            "history_list_enable": "false",  # no playlists in the working folder
            "savefile_directory": self.saves, "savestate_directory": self.saves,
            "libretro_info_path": "/usr/share/libretro/info",
        }.items()) + "\n")
        self.rom = rom
        self.save = self.saves / (rom.stem + ".srm")
        self.proc = None

    def start(self):
        self.started = time.monotonic()
        log = open(self.folder / "retroarch.log", "wb")
        self.proc = subprocess.Popen(["retroarch", "--config", str(self.config), "-L", str(CORE), str(self.rom)],
                                     cwd=self.folder, env=dict(os.environ, HOME=str(self.home),
                                                               XDG_CONFIG_HOME=str(self.home / ".config"),
                                                               XDG_CACHE_HOME=str(self.home / ".cache"),
                                                               XDG_DATA_HOME=str(self.home / ".local/share")),
                                     stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT)

    def quit(self):
        """SIGTERM, as a desktop's logout or a closed terminal sends: RetroArch
        unloads the game, which writes the save, and exits."""
        if self.proc and self.proc.poll() is None:
            self.proc.send_signal(signal.SIGTERM)
            try:
                self.proc.wait(10)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()
                raise Failure("RetroArch did not exit within 10 s of SIGTERM")
        return time.monotonic()


# ---------------------------------------------------------------- the window

def until(test, seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if test():
            return True
        time.sleep(0.05)
    return test()


def walk(node):
    yield node
    if node.get_role() == R.TABLE:  # the map's 342 cells
        return
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield from walk(child)


def text_of(node):
    text = node.get_text_iface()
    return text.get_text(0, text.get_character_count()) if text else None


class Editor:
    """The real editor, started on the save as a file manager starts it, and
    read and driven through AT-SPI: fields by their accessible names, buttons
    by their actions, the notice by the label whose name it is."""

    def __init__(self, build, save, log):
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb", LANG="C.UTF-8")
        self.proc = subprocess.Popen([str(build / "editor" / "dungeon-ledger"), str(save)], env=env,
                                     stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT)
        self.app = self._find_app()
        # Every read asks the window: nothing is taken from a cache that
        # an event may not have refreshed yet.
        self.app.set_cache_mask(Atspi.Cache.NONE)
        self.window = self.app.get_child_at_index(0)
        nodes = list(walk(self.window))
        self.fields = {n.get_name(): n for n in nodes if n.get_role() == R.TEXT}
        self.buttons = {n.get_name(): n for n in nodes if n.get_role() == R.PUSH_BUTTON}
        # The notice is whichever label does not hold its text from the
        # start (the loaded save's notice is empty).
        self.labels = [n for n in nodes if n.get_role() == R.LABEL]
        self.static = {n.get_name() for n in self.labels if n.get_name()}
        missing = [name for name in FIELDS if name not in self.fields]
        if missing or "Save" not in self.buttons or "Load" not in self.buttons:
            raise Failure(f"the window has no {missing or 'Save or Load button'}")

    def _find_app(self, seconds=20):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            if self.proc.poll() is not None:
                raise Failure(f"the editor exited with {self.proc.returncode}")
            desktop = Atspi.get_desktop(0)
            for i in range(desktop.get_child_count()):
                app = desktop.get_child_at_index(i)
                if app is not None and app.get_process_id() == self.proc.pid and app.get_child_count():
                    return app
            time.sleep(0.1)
        raise Failure("the editor's window is not on the accessibility bus")

    def close(self):
        if self.proc.poll() is None:
            self.proc.terminate()
            self.proc.wait(10)

    def text(self, name):
        return text_of(self.fields[name])

    def edited(self, name):
        return self.fields[name].get_description() == "edited"

    def set(self, name, value):
        self.fields[name].get_editable_text_iface().set_text_contents(str(value))
        if self.text(name) != str(value):
            raise Failure(f"{name} took {self.text(name)!r}, not {value}")

    def press(self, name):
        self.buttons[name].get_action_iface().do_action(0)

    def notice(self):
        names = (label.get_name() for label in self.labels)
        return " | ".join(name for name in names if name and name not in self.static)

    def question(self):
        """The open message box: its text and its buttons by name."""
        for i in range(self.app.get_child_count()):
            box = self.app.get_child_at_index(i)
            if box is None or box == self.window or box.get_role() not in (R.ALERT, R.DIALOG):
                continue
            nodes = list(walk(box))
            buttons = {n.get_name(): n for n in nodes if n.get_role() == R.PUSH_BUTTON}
            text = " ".join(n.get_name() for n in nodes if n.get_role() == R.LABEL and n.get_name())
            return text, buttons
        return None

    def wait_notice(self, test, seconds):
        return until(lambda: test(self.notice()), seconds)


# ---------------------------------------------------------------- a run

class Run:
    """One scenario's editor, emulator and file, and what it found wrong."""

    def __init__(self, build, work, name, variant, editor=True):
        self.folder = work / name
        self.emulator = Emulator(self.folder, work / "carts" / f"{variant}.sfc")
        self.path = self.emulator.save
        shutil.copyfile(DEMO, self.path)
        self.demo = DEMO.read_bytes()
        self.faults = []
        self.questions = []
        self.recorder = Recorder(self.path)
        self.editor = None
        if editor:
            self.editor = Editor(build, self.path, open(self.folder / "editor.log", "wb"))
            shown = self.editor.text("Food Status, Player 1")
            if shown != str(field(self.demo, "Food Status, Player 1")):
                raise Failure(f"the editor shows Food {shown!r}, not the demo's")
        self.emulator.start()

    def close(self):
        for step in (self.emulator.quit, lambda: self.editor and self.editor.close(), self.recorder.stop):
            try:
                step()
            except Exception:  # the scenario's own result stands
                pass

    def check(self, ok, fault):
        if not ok:
            self.faults.append(fault)

    def game_write(self, after, seconds=INTERVAL + 3):
        """The next write of the game's progress: RetroArch's, since the
        editor never writes 0x7000."""
        previous = self.file_at(after)
        return self.recorder.wait(lambda w: w[PROGRESS] != previous[PROGRESS] and base(w.data) is not None,
                                  after, seconds, "write of the game's progress")

    def file_at(self, when):
        earlier = [w for w in self.recorder.writes if w.when < when]
        return earlier[-1] if earlier else Write(0, self.demo)

    def settled_after_game_write(self):
        """Just after a write of the game's progress, once the editor has
        looked at it: the next one is nearly INTERVAL away."""
        write = self.game_write(time.monotonic())
        time.sleep(0.4)
        return write

    def save(self, values, typed=True, seconds=4):
        """Types the values (unless they are on screen already), presses
        Save and answers a question about a newer file with Apply my edits.
        Returns the first write that holds them all, or None, with the
        reason in the faults."""
        for name, value in values.items() if typed else ():
            self.editor.set(name, value)
        pressed = time.monotonic()
        self.editor.press("Save")
        deadline = pressed + seconds
        while time.monotonic() < deadline:
            asked = self.editor.question()
            if asked:
                text, buttons = asked
                self.questions.append(text)
                answer = buttons.get("Apply my edits")
                if answer is None:
                    self.faults.append(f"Save showed {text!r}")
                    answer = buttons.get("OK") or buttons.get("Cancel")
                if answer is None:
                    raise Failure(f"a message box with neither Apply my edits nor OK: {text!r}")
                answer.get_action_iface().do_action(0)
                time.sleep(0.2)
                continue
            held = [w for w in self.recorder.since(pressed) if all(w[n] == v for n, v in values.items())]
            if held and not self.editor.question():
                return held[0]
            time.sleep(0.02)
        now = self.path.read_bytes()
        shown = ", ".join(f"{short(n)} {self.editor.text(n)}" for n in values)
        self.faults.append(f"{'Save' if typed else 'Save, pressed alone,'} left the file without "
                           f"{described(values)}: it holds {described({n: field(now, n) for n in values})}, "
                           f"the window shows {shown}, the notice {self.editor.notice()!r}")
        return None

    def write_back(self, saved, seconds=INTERVAL + 2):
        """RetroArch's next write after the Save: its own memory, without
        the saved values."""
        return self.recorder.wait(lambda w: w[PROGRESS] != saved[PROGRESS], saved.when, seconds,
                                  "write-back by RetroArch after the Save")

    def looked(self, before, seconds=2.5, required=True):
        """Waits until the editor's notice changes from before (its look at
        the file), then a moment for the window to settle."""
        changed = self.editor.wait_notice(lambda n: n != before, seconds)
        self.check(changed or not required, f"the notice did not change within {seconds} s of the write-back")
        time.sleep(0.2)

    def kept(self, values, back):
        """After a write-back: each saved value still on screen, marked as an
        edit, and named in the notice with the value the file holds."""
        notice = self.editor.notice()
        lacks = []
        for name, value in values.items():
            shown = self.editor.text(name)
            self.check(shown == str(value),
                       f"{short(name)} shows {shown}, not the saved {value} (the file holds {back[name]})")
            self.check(shown != str(value) or self.editor.edited(name),
                       f"{short(name)} {value} is not marked as an edit")
            if short(name).split()[0] not in notice or f"you saved {value}" not in notice:
                lacks.append(f"{short(name).split()[0]} ... you saved {value}")
        if "the file holds" not in notice:
            lacks.append("the file holds")
        self.check(not lacks, f"the notice lacks {lacks}: {notice!r}")


def described(values):
    return ", ".join(f"{short(name)} {value}" for name, value in values.items())


# ---------------------------------------------------------------- scenarios

def emulator_runs(run):
    """RetroArch runs the cartridge headless: the save's 0x7000 and Player
    1's food change in the file every INTERVAL s, and SIGTERM writes it."""
    first = run.game_write(run.emulator.started, 8)
    second = run.game_write(first.when + 0.1)
    gap = second.when - first.when
    run.check(abs(gap - INTERVAL) < 0.3, f"writes {gap:.2f} s apart, not {INTERVAL}")
    ticks = (second[PROGRESS] - first[PROGRESS]) % 256
    run.check(INTERVAL - 1 <= ticks <= INTERVAL + 1, f"the game counted {ticks} in {gap:.2f} s, not once a second")
    run.check(second["Food Status, Player 1"] > first["Food Status, Player 1"] > field(run.demo, "Food Status, Player 1"),
              f"Food in the file {first['Food Status, Player 1']}, then {second['Food Status, Player 1']}: not counting up")
    startup = [w for w in run.recorder.since(run.emulator.started) if w.when < first.when]
    time.sleep(0.5)
    asked = time.monotonic()
    exited = run.emulator.quit()
    last = run.recorder.wait(lambda w: True, asked, 2, "write at unload")
    run.check(last[PROGRESS] >= second[PROGRESS], "the unload write holds older progress")
    run.check(last.data == run.path.read_bytes(), "the file changed after the unload write")
    return (f"first game write {first.when - run.emulator.started:.1f} s after start"
            f"{' (an unchanged write before it)' if startup else ''}, then every {gap:.2f} s; "
            f"0x7000 {run.demo[PROGRESS]}->{second[PROGRESS]}, food {field(run.demo, 'Food Status, Player 1')}"
            f"->{second['Food Status, Player 1']}; unload write on SIGTERM, exit in {exited - asked:.2f} s")


def save_then_write_back(run, values):
    """Saves the values just after a game write, then waits for RetroArch's
    next one and the editor's look at it. Returns the values on screen
    before the Save, the editor's write and RetroArch's."""
    run.settled_after_game_write()
    before = {name: int(run.editor.text(name)) for name in values}
    saved = run.save(values)
    if saved is None:
        return before, None, None
    notice = run.editor.notice()
    back = run.write_back(saved)
    run.looked(notice)
    return before, saved, back


def exact_write_back(run):
    """The game changes only 0x7000: its write-back puts back the exact
    value from before the Save."""
    values = {"Food Status, Player 1": 3000}
    shown, saved, back = save_then_write_back(run, values)
    if back is None:
        return None
    before = shown["Food Status, Player 1"]
    run.check(back["Food Status, Player 1"] == before,
              f"the write-back holds Food {back['Food Status, Player 1']}, not the exact {before} (test premise)")
    run.kept(values, back)
    return f"saved {described(values)}, RetroArch wrote {back['Food Status, Player 1']} back " \
           f"{back.when - saved.when:.1f} s later"


def drifted_write_back(run):
    """The game changes Player 1's food: its write-back holds neither the
    saved value nor the one from before the Save. HP, which the game leaves
    alone, comes back exactly."""
    values = {"Food Status, Player 1": 3000, "HP current, Player 1": 42}
    shown, saved, back = save_then_write_back(run, values)
    if back is None:
        return None
    before = shown["Food Status, Player 1"]
    run.check(back["Food Status, Player 1"] not in (before, 3000),
              f"the write-back holds Food {back['Food Status, Player 1']}: not drifted (test premise)")
    run.kept(values, back)
    return f"saved {described(values)}, RetroArch wrote Food {back['Food Status, Player 1']} (was {before}), " \
           f"HP {back['HP current, Player 1']}"


def two_saves(run):
    """Two Saves, HP then Strength, before the emulator writes its memory
    back: both are defended, not only the last Save's."""
    run.settled_after_game_write()
    first = run.save({"HP current, Player 1": 42})
    second = run.save({"Strength current, Player 1": 60}) if first else None
    if second is None:
        return None
    if any(w[PROGRESS] != first[PROGRESS] for w in run.recorder.since(first.when) if w.when <= second.when):
        raise Failure("RetroArch wrote between the two Saves (timing)")
    run.check(second["HP current, Player 1"] == 42, "the second Save put HP back in the file")
    notice = run.editor.notice()
    back = run.write_back(second)
    run.looked(notice)
    run.kept({"HP current, Player 1": 42, "Strength current, Player 1": 60}, back)
    return f"saved HP 42, then Strength 60; RetroArch wrote back HP {back['HP current, Player 1']}, " \
           f"Strength {back['Strength current, Player 1']}"


def save_load_write_back(run):
    """Save, then F5 (Load again, to see that it took), then the write-back:
    the Load does not make the Save forgotten."""
    values = {"Food Status, Player 1": 3000}
    run.settled_after_game_write()
    saved = run.save(values)
    if saved is None:
        return None
    notice = run.editor.notice()
    run.editor.press("Load")  # F5's command
    run.editor.wait_notice(lambda n: n != notice, 0.6)
    loaded = time.monotonic()
    shown = run.editor.text("Food Status, Player 1")
    run.check(shown == "3000", f"after F5 Food shows {shown}, not the 3000 in the file")
    notice = run.editor.notice()
    back = run.write_back(saved)
    if back.when < loaded:
        raise Failure("RetroArch wrote before F5 had loaded the saved file (timing)")
    run.looked(notice)
    run.kept(values, back)
    return f"saved Food 3000, F5 showed {shown}, RetroArch wrote back {back['Food Status, Player 1']}"


def quit_then_save(run):
    """The user's Save is written back, the user quits the game (SIGTERM:
    RetroArch writes at unload), then saves: the file holds every saved value
    and the game's own progress as RetroArch last wrote it."""
    values = {"Food Status, Player 1": 3000, "HP current, Player 1": 42}
    _, saved, back = save_then_write_back(run, values)
    if back is None:
        return None
    notice = run.editor.notice()
    asked = time.monotonic()
    run.emulator.quit()
    run.recorder.wait(lambda w: True, asked, 2, "write at unload")
    time.sleep(0.1)
    last = run.path.read_bytes()
    run.looked(notice, 1.5, required=False)  # a pending notice may stand as it is
    final = run.save(values, typed=False)  # the user presses Save, nothing more
    if final is None:
        return None
    expected = with_fields(last, values)
    run.check(final.data[PROGRESS] == last[PROGRESS],
              f"0x7000 is {final.data[PROGRESS]}, not {last[PROGRESS]} as RetroArch last wrote it")
    differ = [hex(i) for i in range(SIZE) if final.data[i] != expected[i]]
    run.check(not differ, f"the file differs from RetroArch's last write plus the saved fields at {differ[:8]}")
    return f"after quitting, Save wrote {described(values)} into RetroArch's last write " \
           f"(0x7000 {last[PROGRESS]}){'; asked first' if run.questions else ''}"


def follows_game(run):
    """Nothing edited: each of the game's writes shows in the window."""
    seen = []
    after = time.monotonic()
    for _ in range(3):
        write = run.game_write(after)
        food = write["Food Status, Player 1"]
        followed = until(lambda: run.editor.text("Food Status, Player 1") == str(food), 1.5)
        shown = run.editor.text("Food Status, Player 1")
        run.check(followed, f"the game wrote Food {food}; the window shows {shown}")
        seen.append(shown)
        after = write.when + 0.1
    run.check(not run.questions and run.editor.question() is None, "a message box opened")
    return f"Food followed the game's writes: {', '.join(seen)}"


def idle_game(run):
    """An idle game started and quit: RetroArch writes the unchanged save at
    start and at unload, which is no rhythm of rewrites."""
    heard = set()

    def listen(seconds):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            heard.add(run.editor.notice())
            time.sleep(0.05)

    started = run.emulator.started
    deadline = time.monotonic() + INTERVAL + 3
    while not run.recorder.since(started) and time.monotonic() < deadline:
        listen(0.1)
    listen(0.5)
    asked = time.monotonic()
    run.emulator.quit()
    run.recorder.wait(lambda w: True, asked, 2, "write at unload")
    listen(1.5)
    writes = run.recorder.since(started)
    run.check(len(writes) >= 2, f"{len(writes)} write(s) of RetroArch seen, not start and unload (test premise)")
    changed = sorted({hex(i) for w in writes for i in range(SIZE) if w.data[i] != run.demo[i]})
    run.check(not changed, f"RetroArch wrote other bytes for an idle game, at {changed[:8]} (test premise)")
    rewriting = [n for n in heard if "again and again" in n]
    run.check(not rewriting, f"the notice said {rewriting[0]!r}" if rewriting else "")
    return f"{len(writes)} unchanged writes (start and unload); notices {sorted(n for n in heard if n) or 'none'}"


SCENARIOS = [
    ("emulator runs the test cartridge", "food", emulator_runs),
    ("exact write-back", "progress", exact_write_back),
    ("drifted write-back", "food", drifted_write_back),
    ("two Saves, then a write-back", "progress", two_saves),
    ("Save, F5, write-back", "progress", save_load_write_back),
    ("quit the game, then Save", "food", quit_then_save),
    ("nothing edited: the window follows the game", "food", follows_game),
    ("idle game started and quit: no 'rewriting'", "idle", idle_game),
]


def main():
    # A timeout's TERM ends the run through the finally below, which stops
    # the editor and RetroArch.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))
    build, work = Path(sys.argv[1]).resolve(), Path(sys.argv[2]).resolve()
    if not CORE.exists():
        sys.exit(f"no {CORE}: install libretro-bsnes-mercury-performance")
    carts = work / "carts"
    carts.mkdir(parents=True, exist_ok=True)
    for variant in ("progress", "food", "idle"):
        subprocess.run([sys.executable, str(ROOT / "tools" / "make_test_cartridge.py"), variant,
                        str(carts / f"{variant}.sfc")], check=True)
    passed = failed = 0
    for number, (title, variant, scenario) in enumerate(SCENARIOS, 1):
        started = time.monotonic()
        run = None
        try:
            run = Run(build, work, f"{number}-{variant}", variant, editor=scenario is not emulator_runs)
            summary = scenario(run)
            faults = run.faults
        except Failure as failure:
            faults = (run.faults if run else []) + [str(failure)]
        except Exception:
            faults = (run.faults if run else []) + ["the driver failed: " + traceback.format_exc().strip()]
        finally:
            if run:
                run.close()
        took = f"{time.monotonic() - started:.1f} s"
        faults = [f for f in faults if f]
        if faults:
            failed += 1
            print(f"FAIL {title}: " + "; ".join(faults) + f" ({took})", flush=True)
        else:
            passed += 1
            print(f"PASS {title}: {summary} ({took})", flush=True)
    print(f"{passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
