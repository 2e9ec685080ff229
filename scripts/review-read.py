#!/usr/bin/python3
"""Reads the review window and the table as a screen reader does (AT-SPI),
for scripts/review-window-test.sh. Run it in the game's D-Bus session.

  review-read.py review   four lines: the summary, the move line, the
                          judgement line, the review table's name (empty
                          lines when no review window shows)
  review-read.py hand     the cards of the player's hand on the table, sorted,
                          on one line
  review-read.py practice 1 when the table says a practice hand is played
"""
import sys

import pyatspi


def app():
    for a in pyatspi.Registry.getDesktop(0):
        if a is not None and a.name.lower().startswith("meldora"):
            return a
    return None


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def walk(node, found):
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            found.append(child)
            walk(child, found)
    return found


def review(a):
    for window in a:
        if window is not None and window.name == "Review Hand" \
                and showing(window):
            nodes = walk(window, [])
            labels = [n.name for n in nodes if n.getRoleName() == "label"]
            table = next((n.name for n in nodes if "Dorvil" in n.name and ": " in n.name
                          and n.getRoleName() != "label"), "")
            return (labels + ["", "", ""])[:3] + [table]
    return ["", "", "", ""]


def frame_nodes(a):
    nodes = []
    for window in a:
        if window is not None and window.getRoleName() == "frame":
            walk(window, nodes)
    return nodes


def main():
    a = app()
    what = sys.argv[1] if len(sys.argv) > 1 else ""
    if what == "review":
        # one line each: a label of several lines is told on one
        print("\n".join(f.replace("\n", " ") for f in (review(a) if a else ["", "", "", ""])))
    elif what == "hand":
        cards = []
        for n in frame_nodes(a) if a else []:
            if n.getRoleName() == "list" and n.name.startswith("Your hand"):
                cards = sorted(c.name for c in n if c is not None)
        print(", ".join(cards))
    elif what == "practice":
        print(int(any(n.getRoleName() == "label" and n.name.startswith("Practice hand")
                      and showing(n) for n in (frame_nodes(a) if a else []))))
    else:
        sys.exit(__doc__)


main()
