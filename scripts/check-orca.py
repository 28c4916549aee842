#!/usr/bin/python3
"""Drives the running editor by keyboard and checks what Orca speaks.

Run by scripts/check-orca.sh, with Orca writing its debug file to
WORK/orca.log and the editor (process PID) started on WORK/demo.srm.
Each step presses keys with xdotool and waits until Orca has spoken what
it must; a step that times out fails the check, naming what was heard.
With ORCA_HEARD=1 in the environment, everything Orca spoke is printed.
"""
import os
import re
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tools"))
from make_demo_srm import CHAMPIONS, PARTY  # noqa: E402  the demo's values

work, editor = sys.argv[1], int(sys.argv[2])
log = open(os.path.join(work, "orca.log"), "rb")
heard = []  # every utterance so far
# "SPEECH OUTPUT: 'text'" and the voice, "{...}" or "[]".
SPOKEN = re.compile(rb"SPEECH OUTPUT: '(.*)'\s*(\{[^{}]*\}|\[\])?\s*$")


def listen():
    for line in log.readlines():
        found = SPOKEN.search(line)
        if found:
            heard.append(found.group(1).decode("utf-8", "replace"))


def expect(what, patterns, since, seconds=8.0):
    """Waits until every pattern matches what was spoken since index since,
    the utterances joined by " | "."""
    deadline = time.time() + seconds
    while True:
        listen()
        said = " | ".join(heard[since:])
        missing = [p for p in patterns if not re.search(p, said)]
        if not missing:
            return
        if time.time() > deadline:
            sys.exit(f"FAIL {what}: Orca did not say {missing}\n  heard: {said!r}")
        time.sleep(0.05)


def step(what, keys, *patterns, typed=None):
    listen()
    since = len(heard)
    if typed is not None:
        subprocess.run(["xdotool", "type", "--delay", "50", typed], check=True)
    for key in keys.split():
        subprocess.run(["xdotool", "key", key], check=True)
    expect(what, patterns, since)


def field(name, value):
    """A text field's name, then its value whole (Orca reads it selected)."""
    return rf"{re.escape(name)} text\. \| {value} selected\."


def box(name, value, editable=False):
    kind = "editable combo box" if editable else "combo box"
    return rf"{re.escape(name)} {kind}\. \| {re.escape(str(value))}\."


def demo_rewritten_by_the_game():
    """What an emulator does: the whole file written again, a byte changed."""
    path = os.path.join(work, "demo.srm")
    with open(path, "r+b") as save:
        save.seek(20)  # no field of the editor's: the game's own progress
        byte = save.read(1)[0]
        save.seek(20)
        save.write(bytes([byte ^ 0xFF]))


start = time.time()
expect("start", [r"SRM file text", r"demo\.srm"], 0, seconds=60)

# Tab stops in the order of the screen, each heard with its label, its
# champion and its whole value.
one = CHAMPIONS[0]
party = [("Browse", r"Browse push button"), ("Load", r"Load push button"), ("Save", r"Save push button"),
         ("# Players", box("# Players", PARTY["player_count"], editable=True)),
         ("x", field("x", PARTY["x"])), ("y", field("y", PARTY["y"])),
         ("Dir", box("Dir", "South")), ("Level", box("Level", 1)),
         ("map", r"Level map, level 1, party at column 4, row 3\. \| table with 19 rows 18 columns")]
for what, pattern in party:
    step(f"Tab to {what}", "Tab", pattern)
champion = [("HP", "hp"), ("Stamina", "stamina"), ("Mana", "mana")]
stops = []
for label, key in champion:
    stops += [(f"{label} current", one[key]), (f"{label} maximum", one[key + "_max"])]
stops += [("Food Status", one["food"]), ("Water Status", one["water"])]
for label, key in [("Strength", "str"), ("Dexterity", "dex"), ("Wisdom", "wis"), ("Vitality", "vit"),
                   ("Anti-magic", "anti_magic"), ("Anti-fire", "anti_fire")]:
    stops += [(f"{label} current", one[key]), (f"{label} maximum", one[key + "_max"])]
for name, value in stops:
    step(f"Tab to {name}", "Tab", field(f"{name}, Player 1", value))
for skill in ("FIGHTER", "NINJA", "PRIEST", "WIZARD"):
    step(f"Tab to {skill}", "Tab", box(f"{skill} experience, Player 1", one[skill.lower()], editable=True))

# The drop-downs say each new value; the skill list says rank and number.
step("Alt+D", "alt+d", box("Dir", "South"))
step("Dir down", "Down", r"\bNorth\.")
step("Dir up", "Up", r"\bSouth\.")
step("Alt+V", "alt+v", box("Level", 1))
step("Level down", "Down", r"(^|\| )2\.")
step("Level up", "Up", r"(^|\| )1\.")
step("WIZARD", "alt+z", box("WIZARD experience, Player 1", one["wizard"], editable=True))
step("WIZARD's list", "alt+Down Down Down", r"Novice, 4")
step("list closed", "Escape", r"WIZARD experience, Player 1")

# The map by its access key: a cursor cell on the arrows, the party moved
# by Enter.
step("Alt+M", "alt+m", r"Level map, level 1, party at column 4, row 3")
step("map right", "Right", r"column 5, row 3, (open|wall)")
step("map down", "Down", r"column 5, row 4, (open|wall)")
step("map Enter", "Return", r"Level map, level 1, party at column 5, row 4")
step("map Home", "Home", r"column 0, row 4, (open|wall)")

# The notices: a Save, then the game saving the file.
step("Save", "ctrl+s", r"Saved .*demo\.srm")
listen()
since = len(heard)
demo_rewritten_by_the_game()
expect("the game saved", [r"The game saved"], since)

# A champion switch is said, and the focus stays on the field.
two = CHAMPIONS[1]
step("Alt+H", "alt+h", field("HP current, Player 1", one["hp"]))
step("Alt+2", "alt+2", r"(^|\| )Player 2\.")
step("Tab after the switch", "Tab", field("HP maximum, Player 2", two["hp_max"]))
step("Ctrl+Tab", "ctrl+Tab", r"(^|\| )Player 3\.")

# A refused value is named, whole.
step("Alt+H again", "shift+Tab", field("HP current, Player 3", CHAMPIONS[2]["hp"]))
step("a refused value", "Return", r"HP current, Player 3: enter a whole number from 0 to 65535",
     typed="70000")
step("the refusal closed", "Return", r"HP current, Player 3")

# An edit kept while the game saves: Reload beside the notice is described
# by it.
step("an edit", "", r"\b7\b", typed="77")
listen()
since = len(heard)
demo_rewritten_by_the_game()
expect("the game saved over an edit", [r"The game saved"], since)
step("Reload", "alt+f shift+Tab", r"Reload push button.*The game saved")

# Escape with an edit asks; Keep editing is the default; Discard closes.
step("Escape asks", "Escape", r"Your edits are not saved", r"Keep editing push button")
step("Keep editing", "Escape", r"Reload push button")
step("Escape again", "Escape", r"Your edits are not saved")
subprocess.run(["xdotool", "key", "alt+d"], check=True)
deadline = time.time() + 10
while os.path.exists(f"/proc/{editor}") and time.time() < deadline:
    time.sleep(0.1)
if os.path.exists(f"/proc/{editor}") and open(f"/proc/{editor}/stat").read().split()[2] != "Z":
    sys.exit("FAIL Discard: the editor is still open")
listen()
if os.environ.get("ORCA_HEARD"):
    print("\n".join(heard))
print(f"orca: {len(heard)} utterances checked in {time.time() - start:.0f} s; fields, lists, map, "
      "notices, champion switch, refusal and the Escape question spoken")
