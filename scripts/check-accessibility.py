#!/usr/bin/python3
"""Reads the running editor as a screen reader does, through AT-SPI.

Run by scripts/check-accessibility.sh, with the editor started on the demo
save. Fails, naming what is wrong, when a field or drop-down has no name of
its own, when the loaded values cannot be read, when the level map is not a
table with the party's cell, or when a move of the party or the Saved
notice is not announced.
"""
import sys
import time
import warnings

warnings.filterwarnings("ignore", category=DeprecationWarning)  # the short interface getters

import gi
gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

faults = []


def fail(text):
    faults.append(text)


def find_app(name, seconds=20):
    deadline = time.time() + seconds
    while time.time() < deadline:
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_name() == name:
                return app
        time.sleep(0.2)
    sys.exit(f"no application '{name}' on the accessibility bus")


def walk(node, skip_roles):
    yield node
    if node.get_role() in skip_roles:
        return
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield from walk(child, skip_roles)


def text_of(node):
    text = node.get_text_iface()
    return text.get_text(0, text.get_character_count()) if text else None


def pump(seconds):
    context = GLib.MainContext.default()
    deadline = time.time() + seconds
    while time.time() < deadline:
        while context.iteration(False):
            pass
        time.sleep(0.05)


R = Atspi.Role
app = find_app("dungeon-ledger")
nodes = list(walk(app, {R.TABLE}))  # a table's 600 cells are read below
by_name = {node.get_name(): node for node in nodes}

# Every field and drop-down is named, and not by the value it shows.
for node in nodes:
    role = node.get_role()
    if role not in (R.TEXT, R.ENTRY, R.COMBO_BOX):
        continue
    name, value = node.get_name(), text_of(node)
    if not name:
        fail(f"a {node.get_role_name()} holding {value!r} has no name")
    elif value and name == value:
        fail(f"a {node.get_role_name()} is named by its value {value!r}")

# The loaded values read back, under the names the window's labels give.
expected = {"HP current, Player 1": "85", "HP maximum, Player 1": "92", "x": "4", "y": "3",
            "FIGHTER experience, Player 1": "1024"}
for name, value in expected.items():
    node = by_name.get(name)
    if node is None:
        fail(f"no control named {name!r}")
        continue
    shown = text_of(node)
    if shown is None and node.get_role() == R.COMBO_BOX:
        shown = next((text_of(n) for n in walk(node, set()) if text_of(n)), None)
    if shown != value:
        fail(f"{name!r} reads {shown!r}, not {value!r}")
if not by_name.get("SRM file") or "demo.srm" not in (text_of(by_name["SRM file"]) or ""):
    fail("the path field 'SRM file' does not show demo.srm")

# The map: a table of the level's cells, the party's among them.
tables = [node for node in nodes if node.get_role() == R.TABLE]
if len(tables) != 1:
    sys.exit(f"{len(tables)} tables, not the one level map; faults so far: {faults}")
table = tables[0]
if table.get_name() != "Level map, level 1, party at column 4, row 3":
    fail(f"the map is named {table.get_name()!r}")
cells = table.get_table_iface()
if (cells.get_n_columns(), cells.get_n_rows()) != (18, 19):
    fail(f"the map has {cells.get_n_columns()} x {cells.get_n_rows()} cells, not 18 x 19")
party = cells.get_accessible_at(3, 4)
if party is None or party.get_name() != "column 4, row 3, open, party":
    fail(f"the party's cell is named {party.get_name() if party else None!r}")

# Moves and notices are announced: the map's and the notice's new names.
heard = []
listener = Atspi.EventListener.new(lambda event: heard.append(event.source.get_name()))
listener.register("object:property-change:accessible-name")
target = cells.get_accessible_at(5, 7)
target.get_action_iface().do_action(0)
pump(1.5)
if "Level map, level 1, party at column 7, row 5" not in heard:
    fail(f"the party's move to column 7, row 5 was not announced; heard {heard}")
save = next((n for n in nodes if n.get_role() == R.PUSH_BUTTON and n.get_name() == "Save"), None)
if save is None:
    fail("no button named Save")
else:
    save.get_action_iface().do_action(0)
    pump(1.5)
    if not any(name and name.startswith("Saved demo.srm") for name in heard):
        fail(f"the Saved notice was not announced; heard {heard}")

if faults:
    print("\n".join(faults))
    sys.exit(1)
print(f"accessibility: {len(nodes)} objects read, fields named, map and notices announced")
