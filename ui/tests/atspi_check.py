#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
# SPDX-License-Identifier: MIT

"""What a screen reader learns of the window while an amount is typed, read through AT-SPI.

    atspi_check.py PID TEXT WORDING

Listens on the accessibility bus, prints "ready", then waits up to ten seconds (while the caller
types) until the focused object of program PID is the amount field holding TEXT, described by
WORDING, and a notification named WORDING, in a status bar, has been announced as showing, which
a screen reader speaks while the focus stays in the field. Exits 0 once all is so, else prints
what it saw and exits 1.
"""

import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

DESCRIPTION_EVENT = "object:property-change:accessible-description"
SHOWING_EVENT = "object:state-changed:showing"


def application(pid):
    desktop = Atspi.get_desktop(0)
    apps = (desktop.get_child_at_index(i) for i in range(desktop.get_child_count()))
    return next((app for app in apps if app and app.get_process_id() == pid), None)


def focused(obj, depth=0):
    # The window's tree is a few levels deep; the bound only guards against a cycle.
    if obj is None or depth > 12:
        return None
    if obj.get_state_set().contains(Atspi.StateType.FOCUSED):
        return obj
    children = (focused(obj.get_child_at_index(i), depth + 1) for i in range(obj.get_child_count()))
    return next((child for child in children if child), None)


def text_of(obj):
    return obj.get_text(0, obj.get_character_count()) if "Text" in obj.get_interfaces() else ""


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__.strip())
    pid, text, wording = int(sys.argv[1]), sys.argv[2], sys.argv[3]
    app = None
    for _ in range(100):
        app = application(pid)
        if app:
            break
        GLib.usleep(100_000)
    if not app:
        sys.exit(f"FAIL: no application with process id {pid} on the AT-SPI bus")

    # (event type, detail1, role, name, parent's role) as they were when the event came
    seen = []

    def record(event):
        source = event.source
        parent = source.get_parent()
        parent_role = parent.get_role() if parent else None
        seen.append((event.type, event.detail1, source.get_role(), source.get_name(), parent_role))

    listener = Atspi.EventListener.new(record)
    for kind in (DESCRIPTION_EVENT, SHOWING_EVENT, "object:text-changed:insert"):
        listener.register(kind)

    def announced():
        return any(
            kind == SHOWING_EVENT
            and shown == 1
            and role == Atspi.Role.NOTIFICATION
            and name == wording
            and parent_role == Atspi.Role.STATUS_BAR
            for kind, shown, role, name, parent_role in seen
        )

    def as_expected():
        field = focused(app)
        return (
            field is not None
            and field.get_role() == Atspi.Role.TEXT
            and field.get_name() == "Importo"
            and text_of(field) == text
            and field.get_description() == wording
            and announced()
        )

    loop = GLib.MainLoop()

    def poll():
        if as_expected():
            loop.quit()
        return True

    def start():
        print("ready", flush=True)
        GLib.timeout_add(100, poll)
        return False

    # The program learns of the listeners through the registry; give that a moment.
    GLib.timeout_add(500, start)
    GLib.timeout_add(10_000, loop.quit)
    loop.run()

    passed = as_expected()
    field = focused(app)
    mark = "" if passed else "FAIL: "
    if field is None:
        print(f"{mark}nothing is focused")
    else:
        name, role = field.get_name(), field.get_role_name()
        print(f"{mark}focused: {role} '{name}', text '{text_of(field)}'")
        print(f"{mark}description '{field.get_description()}'")
    if passed:
        print(f"announced by {SHOWING_EVENT} on a notification '{wording}'")
        return 0
    print(f"FAIL: expected the field holding '{text}', described and announced as '{wording}'")
    for kind, shown, role, name, parent_role in seen:
        parent = parent_role.value_nick if parent_role else "nothing"
        print(f"  seen: {kind} ({shown}) on {role.value_nick} '{name}' in {parent}")
    return 1


if __name__ == "__main__":
    sys.exit(main())
