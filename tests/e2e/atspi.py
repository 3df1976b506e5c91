"""What a screen reader sees of a running program, through AT-SPI (pyatspi).

  atspi.py tree APP               one line per object, indented by depth:
                                  role|name|description|value|minimum|maximum|text
  atspi.py do APP ROLE NAME       invokes the first action of the object
  atspi.py parent APP ROLE NAME   the object's parent: role|name
"""
import sys

import pyatspi


def application(name):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name == name:
            return app
    sys.exit(f"no application {name} on the accessibility bus")


def line(acc):
    fields = [acc.getRoleName(), acc.name, acc.description]
    try:
        value = acc.queryValue()
        fields += [f"{value.currentValue:g}", f"{value.minimumValue:g}", f"{value.maximumValue:g}"]
    except NotImplementedError:
        fields += ["", "", ""]
    try:
        fields.append(acc.queryText().getText(0, -1))
    except NotImplementedError:
        fields.append("")
    return "|".join(f.replace("\n", " ") for f in fields)


def walk(acc, depth=0):
    print("  " * depth + line(acc))
    for child in acc:
        if child is not None:
            walk(child, depth + 1)


def find(acc, role, name):
    if acc.getRoleName() == role and acc.name == name:
        return acc
    for child in acc:
        found = child is not None and find(child, role, name)
        if found:
            return found
    return None


if sys.argv[1] == "tree":
    for window in application(sys.argv[2]):
        walk(window)
else:
    target = find(application(sys.argv[2]), sys.argv[3], sys.argv[4])
    if target is None:
        sys.exit(f"no {sys.argv[3]} named {sys.argv[4]}")
    if sys.argv[1] == "do":
        target.queryAction().doAction(0)
    elif sys.argv[1] == "parent":
        print(f"{target.parent.getRoleName()}|{target.parent.name}")
