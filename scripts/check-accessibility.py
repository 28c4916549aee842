#!/usr/bin/python3
"""Reads the level map of the running editor through AT-SPI.

Run by scripts/check-accessibility.sh, with the editor started on the demo
save. What Orca speaks of the fields, the lists, the notices and the map by
keyboard is checked by scripts/check-orca.sh; this checks what Orca's keys
do not reach: the map as a table of the level's squares that a screen
reader may walk by row and column, and a square's action, which moves the
party as a click does. Fails, naming what is wrong.
"""
import sys
import time
import warnings

warnings.filterwarnings("ignore", category=DeprecationWarning)  # the short interface getters

import gi
gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

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


R = Atspi.Role
app = find_app("dungeon-ledger")
nodes = list(walk(app, {R.TABLE}))  # a table's 342 cells are read below

# The map: a table of the level's cells, the party's among them.
tables = [node for node in nodes if node.get_role() == R.TABLE]
if len(tables) != 1:
    sys.exit(f"{len(tables)} tables, not the one level map")
table = tables[0]
if table.get_name() != "Level map, level 1, party at column 4, row 3":
    fail(f"the map is named {table.get_name()!r}")
cells = table.get_table_iface()
if (cells.get_n_columns(), cells.get_n_rows()) != (18, 19):
    fail(f"the map has {cells.get_n_columns()} x {cells.get_n_rows()} cells, not 18 x 19")
party = cells.get_accessible_at(3, 4)
if party is None or party.get_name() != "column 4, row 3, open, party":
    fail(f"the party's cell is named {party.get_name() if party else None!r}")

# A cell's action moves the party there; the map's name follows.
cells.get_accessible_at(5, 7).get_action_iface().do_action(0)
deadline = time.time() + 5
while time.time() < deadline and table.get_name() != "Level map, level 1, party at column 7, row 5":
    time.sleep(0.1)
if table.get_name() != "Level map, level 1, party at column 7, row 5":
    fail(f"a cell's action did not move the party to column 7, row 5; the map is named {table.get_name()!r}")
moved = cells.get_accessible_at(5, 7)
if moved is None or not moved.get_name().endswith(", party"):
    fail(f"the party's new cell is named {moved.get_name() if moved else None!r}")

if faults:
    print("\n".join(faults))
    sys.exit(1)
print(f"accessibility: {len(nodes)} objects read, the map a table whose cells move the party")
