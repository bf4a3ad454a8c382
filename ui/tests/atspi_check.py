#!/usr/bin/python3
"""What a screen reader learns of the window while an amount is typed, read through AT-SPI.

    atspi_check.py PID TEXT WORDING

Listens on the accessibility bus, prints "ready", then waits up to ten seconds (while the caller
types) until the focused object of program PID is the amount field holding TEXT, with WORDING in
its accessible description and a change of that description announced for it. Exits 0 once it
is, else prints what it saw and exits 1.
"""

import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

DESCRIPTION_EVENT = "object:property-change:accessible-description"


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

    seen = []  # (event type, source); text changes too, to show what was announced instead
    listener = Atspi.EventListener.new(lambda event: seen.append((event.type, event.source)))
    for kind in (DESCRIPTION_EVENT, "object:text-changed:insert"):
        listener.register(kind)

    def as_expected():
        field = focused(app)
        return (
            field is not None
            and field.get_role() == Atspi.Role.TEXT
            and field.get_name() == "Importo"
            and text_of(field) == text
            and wording in field.get_description()
            # Qt 6.4 gives the object as the event's value, not the new text, so the description
            # is read from the object. Orca 43 speaks the value itself: for now it says nothing
            # on this event.
            and any(kind == DESCRIPTION_EVENT and source == field for kind, source in seen)
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
        print(f"announced by {DESCRIPTION_EVENT}")
        return 0
    print(f"FAIL: expected the field holding '{text}', '{wording}' in its description, announced")
    for kind, source in seen:
        print(f"  seen: {kind} on {source.get_role_name()} '{source.get_name()}'")
    return 1


if __name__ == "__main__":
    sys.exit(main())
