#!/usr/bin/python3
"""What a screen reader reads of Velmor over AT-SPI: one of each kind of thing
the accessibility factory states (names, descriptions, text, roles, a state a
real key changes, relations, focus), as it reaches a real reader; the
offscreen view test checks what only Qt's side shows. Run by desktop_suite.sh
with Velmor's main window active; prints a line per failure, exits 1 on any.
"""
import re
import subprocess
import sys
import time

import pyatspi

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
    return condition


def xdotool(*words):
    subprocess.run(["xdotool", *words], check=True)


def until(find, seconds=10):  # polls find() until it returns something
    deadline = time.monotonic() + seconds
    while not (found := find()) and time.monotonic() < deadline:
        time.sleep(0.05)
    return found


def walk(node):
    yield node
    for child in node:
        if child is not None:  # a child gone since the count
            yield from walk(child)


def nodes(root, role=None, name=None, state=None):  # by role, name pattern, state
    return [n for n in walk(root)
            if (role is None or n.getRole() == role)
            and (name is None or re.fullmatch(name, n.name or ""))
            and (state is None or n.getState().contains(state))]


def main():
    apps = until(lambda: [a for a in pyatspi.Registry.getDesktop(0)
                          if a is not None and a.name == "velmor"])
    if not apps:
        sys.exit("    FAIL: no application named velmor on the accessibility bus")
    app = apps[0]

    xdotool("type", "--delay", "40", "1536")
    kib = until(lambda: nodes(app, name=r"kibibyte: 1\.5"))
    if check(len(kib) == 1, "no single object reads 'kibibyte: 1.5'"):
        check(kib[0].description == "1.5000 kibibytes (exact to four decimals)",
              f"the kibibyte field is described as {kib[0].description!r}")
    entry = nodes(app, pyatspi.ROLE_TEXT, "entry in byte")
    check(len(entry) == 1 and entry[0].queryText().getText(0, -1) == "1536",
          "no text box named 'entry in byte' holding 1536")

    # Qt hands a grouping to AT-SPI as a named panel.
    xdotool("key", "z")
    rounding = nodes(app, pyatspi.ROLE_PANEL, "rounding")
    check(rounding and until(lambda: nodes(rounding[0], pyatspi.ROLE_RADIO_BUTTON,
                                           "round down, key Z", pyatspi.STATE_CHECKED)),
          "Z checks no radio button 'round down, key Z' in a panel named 'rounding'")

    xdotool("key", "alt+o")
    dialog = until(lambda: nodes(app, pyatspi.ROLE_DIALOG, " Config"))
    if check(dialog, "no dialog named ' Config'"):
        labels = [relation.getTarget(0).name
                  for combo in nodes(dialog[0], pyatspi.ROLE_COMBO_BOX)
                  for relation in combo.getRelationSet()
                  if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY]
        check(labels == ["decimal mark: ", "thousand separator: "],
              f"the options dialog's lists are labelled by {labels}")
        xdotool("key", "Escape")

    xdotool("key", "--delay", "40", "alt+h", "a")
    about = until(lambda: nodes(app, pyatspi.ROLE_DIALOG, "About Velmor"))
    if check(about, "no dialog named 'About Velmor'"):
        links = nodes(about[0], pyatspi.ROLE_LINK, re.escape("https://velmor.example"))
        if check(len(links) == 1, "the About box's address is not a link"):
            xdotool("key", "Tab")
            check(until(lambda: links[0].getState().contains(pyatspi.STATE_FOCUSED)),
                  "Tab does not take the focus to the About box's link")
        xdotool("key", "Escape")

    for failure in failures:
        print("    FAIL:", failure)
    sys.exit(1 if failures else 0)


main()
