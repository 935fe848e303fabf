#!/usr/bin/env python3
"""What a screen reader finds in a running program's windows.

Lists every control of the program's windows with its role, its name and its
actions, as the accessibility bus (AT-SPI) offers them to a screen reader;
then presses the controls named after --press, in order, through their first
action (NAME=TEXT types TEXT into the edit named NAME instead), and lists the
windows once more. Run it beside the program, which
must be started with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 (see README.md).

    python3 tools/a11y_names.py TIMPA_1 --press Начать Разработка Отладка
    python3 tools/a11y_names.py TIMPA_FREE --press Старт "Ваше имя=Петр" Готово
"""

import argparse
import sys
import time

import pyatspi

# Roles that are only containers or pictures; their children are listed.
QUIET_ROLES = {"filler", "panel", "frame", "dialog", "window", "application",
               "label", "status bar", "tool bar", "menu bar", "scroll pane", "popup menu",
               "icon", "image", "separator", "canvas", "unknown"}


def find_app(name, wait):
    desktop = pyatspi.Registry.getDesktop(0)
    deadline = time.time() + wait
    while True:
        for app in desktop:
            if app is not None and app.name == name:
                return app
        if time.time() > deadline:
            return None
        time.sleep(0.5)


def controls(node, depth=0):
    """Yields (depth, node) for every node of the tree below node."""
    for child in node:
        if child is None:
            continue
        yield depth, child
        # A list's rows are its content, not controls.
        if child.getRoleName() not in ("list", "table", "tree table", "list box"):
            yield from controls(child, depth + 1)


def actions(node):
    try:
        action = node.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def labels(node):
    """The names of the labels a control is labelled by (a drop-down list's)."""
    names = []
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            names += [relation.getTarget(i).name for i in range(relation.getNTargets())]
    return names


def show(app):
    nameless = 0
    for depth, node in controls(app):
        role = node.getRoleName()
        acts = actions(node)
        if role in QUIET_ROLES and not acts:
            continue
        states = node.getState()
        flags = "" if states.contains(pyatspi.STATE_SHOWING) else " (hidden)"
        if not states.contains(pyatspi.STATE_ENABLED):
            flags += " (disabled)"
        # Hidden controls are listed too (panels not open yet), but only the
        # ones on the screen count: the tool bar's own button for buttons it
        # has no room for never shows and has no name.
        if labels(node):
            flags += f" labelled by {', '.join(map(repr, labels(node)))}"
        if not node.name.strip() and states.contains(pyatspi.STATE_SHOWING):
            nameless += 1
        print(f"{'  ' * depth}{role}: {node.name!r}{flags}" + (f"  [{', '.join(acts)}]" if acts else ""))
    print(f"-- controls on the screen without a name: {nameless}")
    return nameless


def press(app, what):
    name, typed, text = what.partition("=")
    for _, node in controls(app):
        if node.name.strip() != name:
            continue
        if typed:
            node.queryEditableText().setTextContents(text)
            print(f"-- typed {text!r} into {name!r}")
            return True
        if actions(node):
            node.queryAction().doAction(0)
            print(f"-- pressed {node.getRoleName()} {name!r} ({actions(node)[0]})")
            time.sleep(0.5)
            return True
    print(f"-- nothing named {name!r} to press or type into", file=sys.stderr)
    return False


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("program", help="the application's name: TIMPA_1 or TIMPA_FREE")
    parser.add_argument("--press", nargs="*", default=[], metavar="NAME")
    parser.add_argument("--wait", type=float, default=20, help="seconds to wait for the program")
    args = parser.parse_args()
    app = find_app(args.program, args.wait)
    if app is None:
        sys.exit(f"{args.program} is not on the accessibility bus")
    nameless = show(app)
    if args.press:
        pressed = all(press(app, name) for name in args.press)
        nameless = show(app)
        if not pressed:
            sys.exit(1)
    sys.exit(1 if nameless else 0)


if __name__ == "__main__":
    main()
