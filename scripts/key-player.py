#!/usr/bin/python3
"""The player of scripts/demo-keys.sh: it reads the table as a screen reader
does (over AT-SPI: the instruction line, the groups and their cards) and
answers with the keys to press. Run it in the game's D-Bus session.

  key-player.py state        take | meld N | wait | gone   (N: meld columns in use)
  key-player.py take         s, or f when the face card completes a meld
  key-player.py play [FILE]  the keys that lay every meld found, lay off what
                             fits once a meld of its own is down, and discard;
                             FILE remembers that meld until the hand ends
"""
import os
import sys
import time

import pyatspi

RANKS = ["Ace", "Two", "Three", "Four", "Five", "Six", "Seven", "Eight", "Nine", "Ten",
         "Jack", "Queen", "King"]


def card(name):
    rank, suit = name.split(" of ")
    return RANKS.index(rank) + 1, suit


def read_table():
    """The instruction line and every group, by name, with its cards' names."""
    desktop = pyatspi.Registry.getDesktop(0)
    app = next((a for a in desktop if a is not None and a.name.lower().startswith("meldora")),
               None)
    if app is None:
        return None
    texts, groups = [], {}

    def walk(node):
        for i in range(node.childCount):
            child = node.getChildAtIndex(i)
            if child is None:
                continue
            role = child.getRoleName()
            if role == "list":
                groups[child.name] = [c.name for c in child if c is not None]
            elif role == "label":
                texts.append(child.name)
            elif role in ("panel", "frame", "filler"):
                walk(child)

    for window in app:
        if window is not None and window.getRoleName() == "frame":
            walk(window)
    return texts, groups


def hand_of(groups):
    for name, cards in groups.items():
        if name.startswith("Your hand"):
            return [card(c) for c in cards]
    return []


def empty_columns(groups):
    return [int(n[5]) for n in groups if n.startswith("Meld ") and n.endswith("empty")]


def find_meld(cards):
    """The largest set or run in the cards, in an order the columns accept."""
    best = []
    for rank in {r for r, _ in cards}:
        same = [c for c in cards if c[0] == rank]
        if len(same) >= 3 and len(same) > len(best):
            best = same[:4]
    for suit in {s for _, s in cards}:
        ranks = sorted(r for r, s in cards if s == suit)
        run = []
        for r in ranks:
            run = run + [r] if run and r == run[-1] + 1 else [r]
            if len(run) >= 3 and len(run) > len(best):
                best = [(x, suit) for x in run]
    return best


def lay_offs(cards, groups):
    """Cards that fit a complete meld on the table, each with its column."""
    plan = []
    for name, names in groups.items():
        if not name.startswith("Meld ") or len(names) < 3:
            continue
        column, meld = int(name[5]), [card(n) for n in names]
        if all(c[0] == meld[0][0] for c in meld):
            plan += [(c, column) for c in cards if c[0] == meld[0][0]]
            continue
        suit, low, high = meld[0][1], min(c[0] for c in meld), max(c[0] for c in meld)
        for step in (-1, 1):  # a run grows one card at a time at either end
            edge = low if step < 0 else high
            while (edge + step, suit) in cards and (edge + step, suit) not in [p for p, _ in plan]:
                edge += step
                plan.append(((edge, suit), column))
    return plan


def choose_discard(cards):
    def useful(c):
        rank, suit = c
        return any(o != c and (o[0] == rank or (o[1] == suit and abs(o[0] - rank) <= 2))
                   for o in cards)
    loose = [c for c in cards if not useful(c)] or cards
    return max(loose, key=lambda c: c[0])


def reach(order, target):
    return ["Home"] + ["Right"] * order.index(target)


def main(command, memory=None):
    table = read_table()
    if table is None:
        print("gone")
        return
    texts, groups = table
    joined = " ".join(texts)
    if command == "state":
        columns = sum(1 for n in groups if n.startswith("Meld ") and not n.endswith("empty"))
        if "please take either" in joined:
            print("take")
        elif "now make Melds" in joined:
            print(f"meld {columns}")
        else:
            print("wait")
    elif command == "take":
        face = next((n.split(": ", 1)[1] for n in groups if n.startswith("Discard pile: ")), "")
        hand = hand_of(groups)
        takes_face = face not in ("", "empty") and card(face) in find_meld(hand + [card(face)])
        print("f" if takes_face else "s")
    elif command == "play":
        order = hand_of(groups)
        keys, columns = [], empty_columns(groups)
        melded = memory is not None and os.path.exists(memory)
        while columns:
            meld = find_meld(order)
            if not meld:
                break
            column = str(columns.pop(0))
            for c in meld:
                keys += reach(order, c) + [column]
                order.remove(c)
            melded = True
        if melded:
            if memory:
                open(memory, "w").close()
            for c, column in lay_offs(order, groups):
                if c in order:  # laying off the last card goes out
                    keys += reach(order, c) + [str(column)]
                    order.remove(c)
        if order:
            keys += reach(order, choose_discard(order)) + ["Delete"]
        print(" ".join(keys))


if __name__ == "__main__":
    if len(sys.argv) not in (2, 3) or sys.argv[1] not in ("state", "take", "play"):
        sys.exit(__doc__)
    for attempt in range(3):
        try:
            main(sys.argv[1], sys.argv[2] if len(sys.argv) == 3 else None)
            break
        except Exception:  # the table changed while it was read
            time.sleep(0.3)
    else:
        print("wait")
