"""What a screen reader or voice control does with the running program, through AT-SPI.

    accessible.py find            waits for the program on the accessibility bus and prints the
                                  figure's name
    accessible.py press           presses "Generera en ny vrendis" through its Press action and
                                  waits until the figure's name follows the ID in the status bar,
                                  announced by a name-change event; prints the new name

Exits 1 with a message on the first thing that is not as it should be.
"""
import sys
import time

import pyatspi
from gi.repository import GLib

APPLICATION = "vrendomaten"
COMMAND = "Generera en ny vrendis"
ID_PREFIX = "Vrendis ID:"


def fail(message):
    print(f"FAIL: {message}")
    sys.exit(1)


def pump():
    """Hands the events waiting on the bus to the listeners."""
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def poll(seconds, test):
    """test() every 0.1 s until it gives something other than None, or None at the end."""
    end = time.monotonic() + seconds
    while True:
        pump()
        found = test()
        if found is not None or time.monotonic() > end:
            return found
        time.sleep(0.1)


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for index in range(desktop.childCount):
        child = desktop.getChildAtIndex(index)
        if child is not None and child.name == APPLICATION:
            return child
    return None


def fresh(accessible):
    accessible.clearCache()
    return accessible


def descendant(root, role, test):
    return pyatspi.findDescendant(
        root, lambda node: node is not None and node.getRole() == role and test(fresh(node).name))


def the_figure(app):
    return descendant(app, pyatspi.ROLE_IMAGE,
                      lambda name: name.startswith("Vrendis ") or name == "Ingen vrendis")


def shown_id(app):
    """The ID in the status bar over the figure, as the screen reader reads it."""
    bar = descendant(app, pyatspi.ROLE_STATUS_BAR, lambda name: name.startswith(ID_PREFIX))
    return fresh(bar).name[len(ID_PREFIX):].split(",")[0].strip() if bar else None


def find():
    app = poll(30, application)
    if app is None:
        fail(f"no application named {APPLICATION} on the accessibility bus")
    figure = poll(10, lambda: the_figure(app))
    if figure is None:
        fail("no image named for the figure")
    return app, figure


def press():
    app, figure = find()
    button = descendant(app, pyatspi.ROLE_PUSH_BUTTON, lambda name: name == COMMAND)
    if button is None:
        fail(f'no push button "{COMMAND}"')
    action = button.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if "Press" not in names:
        fail(f'"{COMMAND}" offers {names}, no Press')

    before = fresh(figure).name
    announced = []

    def on_name(event):
        if event.source is not None and event.source.getRole() == pyatspi.ROLE_IMAGE:
            announced.append(fresh(event.source).name)

    # The program sends the events someone listens to, once it has heard of the listener.
    pyatspi.Registry.registerEventListener(on_name, "object:property-change:accessible-name")
    poll(1, lambda: None)
    action.doAction(names.index("Press"))

    def followed():
        new_id = shown_id(app)
        name = fresh(figure).name
        if new_id and name == f"Vrendis {new_id}" and name != before and name in announced:
            return name
        return None

    name = poll(10, followed)
    if name is None:
        fail(f"after Press the figure is named {fresh(figure).name!r} (before {before!r}), the "
             f"status bar shows {shown_id(app)!r}, announced: {announced}")
    print(name)


if __name__ == "__main__":
    {"find": lambda: print(fresh(find()[1]).name), "press": press}[sys.argv[1]]()
