#!/usr/bin/python3
"""What a screen reader finds in Velmor over AT-SPI, after a few actions.

Run by desktop_suite.sh on the suite's display and session bus, with
Velmor already started: it reads the accessible tree of the application
named "velmor", types and opens the dialogs with xdotool, and checks roles,
names, states and relations. Prints one line per failed check and exits 1
when any failed.
"""
import re
import subprocess
import sys
import time

import pyatspi

UNITS = ("byte", "kilobyte", "megabyte", "gigabyte", "terabyte",
         "kibibyte", "mebibyte", "gibibyte", "tebibyte")
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
    return condition


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "40", *names], check=True)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "40", text], check=True)


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def velmor():
    for _ in range(200):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "velmor":
                return app
        time.sleep(0.05)
    sys.exit("no application named velmor on the accessibility bus")


def until(find, seconds=5):
    """Polls find() until it returns something."""
    deadline = time.time() + seconds
    while time.time() < deadline:
        found = find()
        if found:
            return found
        time.sleep(0.05)
    return find()


def nodes(app, role=None, name=None):
    return [n for n in walk(app)
            if (role is None or n.getRole() == role)
            and (name is None or re.fullmatch(name, n.name or ""))]


def main_window(app):
    fields = "|".join(UNITS)
    # Typed into the byte field: 1536 B.
    type_text("1536")
    kib = until(lambda: nodes(app, name=r"kibibyte: 1\.5"))
    if check(len(kib) == 1, "no single field object reads 'kibibyte: 1.5'"):
        check(kib[0].description == "1.5000 kibibytes (exact to four decimals)",
              f"kibibyte's description is {kib[0].description!r}")
    field_objects = nodes(app, name=rf"({fields}): .*")
    check(len(field_objects) == 9, f"{len(field_objects)} field objects, not 9")
    check(nodes(app, name=r"kilobyte: 1\.5, rounded down"),
          "kilobyte does not say it was rounded down")
    check(not nodes(app, name=r"[.,]\d+"), "a decimals label is an object of its own")
    check(not nodes(app, name=r"[kKMGT]?i?B"), "a unit label is an object of its own")
    entry = nodes(app, role=pyatspi.ROLE_TEXT, name="entry in byte")
    if check(len(entry) == 1, "no text box named 'entry in byte'"):
        text = entry[0].queryText()
        check(text.getText(0, -1) == "1536", "the entry box's text is not 1536")

    # Z rounds down: the rounding group's third radio button is checked.
    keys("z")
    for group_name, count in (("rounding", 3), ("decimals", 4)):
        # Qt hands a grouping to AT-SPI as a named panel, as it does a
        # group box.
        groups = nodes(app, role=pyatspi.ROLE_PANEL, name=group_name)
        if not check(len(groups) == 1, f"no group named {group_name}"):
            continue
        radios = [n for n in groups[0] if n.getRole() == pyatspi.ROLE_RADIO_BUTTON]
        check(len(radios) == count, f"{group_name} holds {len(radios)} radio buttons")
        checked = until(lambda: [r for r in radios
                                 if r.getState().contains(pyatspi.STATE_CHECKED)])
        check(len(checked) == 1, f"{group_name} has {len(checked)} checked buttons")
    down = nodes(app, role=pyatspi.ROLE_RADIO_BUTTON, name="round down, key Z")
    check(down and down[0].getState().contains(pyatspi.STATE_CHECKED),
          "'round down, key Z' is not a checked radio button")


def options_dialog(app):
    keys("alt+o")
    dialog = until(lambda: nodes(app, role=pyatspi.ROLE_DIALOG, name=" Config"))
    if not check(dialog, "no dialog named ' Config'"):
        return
    boxes = [n.name for n in walk(dialog[0]) if n.getRole() == pyatspi.ROLE_TEXT]
    check(boxes == ["other decimal mark", "other thousand separator"],
          f"the 'other' boxes are named {boxes}")
    labels = []
    for combo in (n for n in walk(dialog[0]) if n.getRole() == pyatspi.ROLE_COMBO_BOX):
        for relation in combo.getRelationSet():
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
                labels.append(relation.getTarget(0).name)
    check(labels == ["decimal mark: ", "thousand separator: "],
          f"the lists are labelled by {labels}")
    keys("Escape")


def about_box(app):
    keys("alt+h", "a")
    about = until(lambda: nodes(app, role=pyatspi.ROLE_DIALOG, name="About Velmor"))
    if not check(about, "no dialog named 'About Velmor'"):
        return
    links = [n for n in walk(about[0]) if n.getRole() == pyatspi.ROLE_LINK]
    if check(len(links) == 1 and links[0].name == "https://velmor.example",
             "the address is not a link"):
        check(links[0].getState().contains(pyatspi.STATE_FOCUSABLE),
              "the link cannot take the focus")
        keys("Tab")
        check(until(lambda: links[0].getState().contains(pyatspi.STATE_FOCUSED)),
              "Tab does not reach the link")
    keys("Escape")


def main():
    app = velmor()
    main_window(app)
    options_dialog(app)
    about_box(app)
    for failure in failures:
        print("    FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
