#!/usr/bin/python3
"""What a screen reader gets from Meldora over AT-SPI, for checks of the
accessibility tree and of the announcements. Run it in the game's D-Bus
session (scripts/demo-a11y.sh does).

  a11y-listen.py dump              print the window's accessibility tree
  a11y-listen.py listen STOPFILE   print the events a screen reader speaks
                                   from, until STOPFILE exists
  a11y-listen.py excerpt LOG       from a listen log, one of Dorvil's turns
                                   (the first in which he melds, if any)
"""
import os
import sys
import time

import pyatspi
from gi.repository import GLib


def find_app():
    for _ in range(100):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name.lower().startswith("meldora"):
                return app
        time.sleep(0.1)
    sys.exit("no Meldora application on the accessibility bus")


def describe(obj):
    states = obj.getState()
    extra = []
    if states.contains(pyatspi.STATE_FOCUSED):
        extra.append("focused")
    if not states.contains(pyatspi.STATE_SHOWING):
        extra.append("not showing")
    tail = f"  ({', '.join(extra)})" if extra else ""
    return f"[{obj.getRoleName()}] {obj.name!r}{tail}"


def dump(obj, depth=0):
    print("  " * depth + describe(obj))
    for i in range(obj.childCount):
        child = obj.getChildAtIndex(i)
        if child is not None:
            dump(child, depth + 1)


def listen(stop_file):
    start = time.monotonic()

    def on_event(event):
        try:
            app = event.host_application
            if app is None or not app.name.lower().startswith("meldora"):
                return
            source = event.source
            if event.type.startswith("object:state-changed:showing"):
                # An announcement: a notification appearing, its sentence inside.
                if event.detail1 and source.getRole() == pyatspi.ROLE_NOTIFICATION:
                    said = " ".join(source.getChildAtIndex(i).name
                                    for i in range(source.childCount))
                    print(f"+{time.monotonic() - start:7.2f}s {'announcement':42s} {said!r}",
                          flush=True)
                return
            detail = ""
            if event.type.startswith("object:text-changed"):
                detail = f" text={event.any_data!r}"
            elif event.type.startswith("object:state-changed"):
                detail = f" value={event.detail1}"
            print(f"+{time.monotonic() - start:7.2f}s {event.type:42s} "
                  f"[{source.getRoleName()}] {source.name!r}{detail}", flush=True)
        except Exception as error:  # a source gone meanwhile
            print(f"# {event.type}: {error}", flush=True)

    kinds = ["object:property-change:accessible-name", "object:text-changed",
             "object:state-changed:focused", "object:state-changed:showing", "focus:",
             "window:activate"]
    pyatspi.Registry.registerEventListener(on_event, *kinds)

    def check_stop():
        if os.path.exists(stop_file):
            pyatspi.Registry.stop()
            return False
        return True

    GLib.timeout_add(200, check_stop)
    print("# listening", flush=True)
    pyatspi.Registry.start()


def excerpt(log):
    with open(log, encoding="utf-8") as f:
        lines = f.read().splitlines()
    said = [i for i, line in enumerate(lines) if " announcement " in line]
    turns = []
    for n, i in enumerate(said):
        if "'Dorvil is now playing his hand.'" not in lines[i]:
            continue
        end = next((j for j in said[n + 1:] if "please take either" in lines[j]
                    or "Dorvil is now playing" in lines[j]), len(lines) - 1)
        turns.append(lines[i - 3 if i >= 3 else 0:end + 1])
    chosen = next((t for t in turns if any("Dorvil melds" in line for line in t)),
                  turns[0] if turns else [])
    print("# One of Dorvil's turns as an AT-SPI listener heard it. The announcements are")
    print("# notifications appearing under the status bar 'Announcements'")
    print("# (object:state-changed:showing), each with its sentence in a text inside;")
    print("# a source's name is read when the event is printed, so it may already be newer.")
    print("\n".join(chosen))


if __name__ == "__main__":
    if len(sys.argv) >= 2 and sys.argv[1] == "dump":
        for window in find_app():
            dump(window)
    elif len(sys.argv) == 3 and sys.argv[1] == "listen":
        listen(sys.argv[2])
    elif len(sys.argv) == 3 and sys.argv[1] == "excerpt":
        excerpt(sys.argv[2])
    else:
        sys.exit(__doc__)
