"""Reading a running program through AT-SPI as a screen reader does: its windows and their
controls, what each says, where the keyboard is, and what it announces."""

import time

TIMEOUT_S = 15
ESCAPE_KEY, F6_KEY, CONTROL_KEY, R_KEY, TAB_KEY = 9, 72, 37, 27, 23  # X key codes


# Roles a user acts on: each must carry a name.
CONTROL_ROLES = {"push button", "radio button", "check box", "text", "list", "list item",
                 "combo box", "spin button", "toggle button"}


failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL: " + what)


class Program:
    """The running program's accessible tree."""

    def __init__(self, pyatspi, executable):
        self.pyatspi = pyatspi
        self.executable = executable

    def app(self):
        try:
            for app in self.pyatspi.Registry.getDesktop(0):
                if app is not None and app.description == self.executable:
                    return app
        except Exception:  # the bus not ready yet, or an application that has just gone
            pass
        return None

    def showing(self, title, exactly=False):
        """The showing top-level window whose name holds (or is) `title` now, or None."""
        try:
            for window in (self.app() or []):
                named = window is not None and (
                    window.name == title if exactly else title in window.name)
                if named and window.getState().contains(self.pyatspi.STATE_SHOWING):
                    return window
        except Exception:  # a window that went while it was read
            pass
        return None

    def window(self, title, exactly=False):
        """The showing top-level window whose name holds (or is) `title`, waited for."""
        deadline = time.time() + TIMEOUT_S
        while time.time() < deadline:
            window = self.showing(title, exactly)
            if window is not None:
                return window
            time.sleep(0.1)
        raise RuntimeError("no window named " + title)

    def gone(self, title, exactly=False):
        deadline = time.time() + TIMEOUT_S
        while time.time() < deadline:
            if self.showing(title, exactly) is None:
                return True
            time.sleep(0.1)
        return False


def showing(pyatspi, node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def descendants(pyatspi, node):
    for child in node:
        if child is None or not showing(pyatspi, child):
            continue
        yield child
        yield from descendants(pyatspi, child)


def spoken(node):
    """All a screen reader says of a node: its name, description and text."""
    parts = [node.name, node.description]
    try:
        text = node.queryText()
        parts.append(text.getText(0, text.characterCount))
    except NotImplementedError:
        pass
    return " ".join(p for p in parts if p)


def walk(pyatspi, window, where, values=()):
    """Every control of `window` named, every value in `values` said somewhere. A node that
    goes while it is read (a list refilled) starts the walk again."""
    for _ in range(3):
        try:
            return walk_once(pyatspi, window, where, values)
        except Exception:  # the bus names a node that has just gone
            settle()
    return walk_once(pyatspi, window, where, values)


def walk_once(pyatspi, window, where, values):
    said = [spoken(window)]
    letters = []
    for node in descendants(pyatspi, window):
        role = node.getRoleName()
        said.append(spoken(node))
        if role in CONTROL_ROLES:
            check(node.name.strip() != "", where + ": a " + role + " without a name")
        if role not in ("menu bar", "menu item", "popup menu", "menu"):
            letters.append((node.name, alt_letters(node)))
    unique_letters(where, letters)
    everything = "\n".join(said)
    for value in values:
        check(value in everything, where + ": " + repr(value) + " is not announced")
    return everything


def find(pyatspi, window, role, name_part):
    """The showing node of `role` whose name holds `name_part`, waited for."""
    deadline = time.time() + TIMEOUT_S
    while time.time() < deadline:
        try:
            for node in descendants(pyatspi, window):
                if node.getRoleName() in role.split("|") and name_part in node.name:
                    return node
        except Exception:  # a node that went while it was read
            pass
        time.sleep(0.1)
    raise RuntimeError("no " + role + " named " + name_part + " in " + window.name)


def act(node, *names):
    action = node.queryAction()
    offered = [action.getName(i) for i in range(action.nActions)]
    for i, name in enumerate(offered):
        if name.lower() in names:
            action.doAction(i)
            return
    raise RuntimeError(node.name + " offers only " + ", ".join(offered))


def choose(pyatspi, node):
    """Checks a radio button through its accessibility action (no click)."""
    act(node, "toggle", "press", "click")
    deadline = time.time() + TIMEOUT_S
    while not node.getState().contains(pyatspi.STATE_CHECKED) and time.time() < deadline:
        time.sleep(0.05)


def list_item(pyatspi, window, list_name, item_name):
    for _ in range(3):
        try:
            listing = find(pyatspi, window, "list", list_name)
            for index, item in enumerate(listing):
                if item is not None and item.name == item_name:
                    return listing, index, item
        except Exception:  # the list refilled while it was read
            settle()
    raise RuntimeError(item_name + " is not in " + list_name)


def selected_names(listing):
    table = listing.queryTable()
    return [listing[row].name for row in table.getSelectedRows()]


def focused(pyatspi, window):
    return [n for n in descendants(pyatspi, window) if n.getState().contains(pyatspi.STATE_FOCUSED)]


def focus_of(pyatspi, window):
    """The control with the keyboard focus: a table's current cell says it is focused even when
    its table is not, and a scrolled view's inner pane says so with its view."""
    nodes = [n for n in focused(pyatspi, window) if n.getRoleName() != "table cell"]
    return nodes[0] if nodes else None


def focused_names(pyatspi, window):
    return [node.name for node in focused(pyatspi, window)]


def click(pyatspi, node):
    x, y, w, h = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    pyatspi.Registry.generateMouseEvent(x + w // 2, y + h // 2, "b1c")
    settle()


def press(pyatspi, *keycodes, wait=0.3):
    """The keys pressed together, as a chord."""
    for keycode in keycodes[:-1]:
        pyatspi.Registry.generateKeyboardEvent(keycode, None, pyatspi.KEY_PRESS)
    pyatspi.Registry.generateKeyboardEvent(keycodes[-1], None, pyatspi.KEY_PRESSRELEASE)
    for keycode in reversed(keycodes[:-1]):
        pyatspi.Registry.generateKeyboardEvent(keycode, None, pyatspi.KEY_RELEASE)
    time.sleep(wait)


def alt_letters(node):
    """The Alt letters that reach `node` (its mnemonic, or its caption's)."""
    letters = set()
    try:
        action = node.queryAction()
        for i in range(action.nActions):
            for binding in action.getKeyBinding(i).split(";"):
                if binding.lower().startswith("alt+") and len(binding) == 5:
                    letters.add(binding[-1].lower())
    except NotImplementedError:
        pass
    return letters


def unique_letters(where, owners):
    """`owners`: (name, letters) pairs; no letter may reach two of them."""
    seen = {}
    for name, letters in owners:
        for letter in letters:
            check(letter not in seen, "%s: Alt+%s reaches both %r and %r" %
                  (where, letter.upper(), seen.get(letter), name))
            seen[letter] = name


class Announcements:
    """What a screen reader hears while the test runs: names that change, controls focused."""

    def __init__(self, pyatspi):
        self.names = []
        self.focus = []
        pyatspi.Registry.registerEventListener(self.hear, "object:property-change:accessible-name")
        pyatspi.Registry.registerEventListener(self.follow, "object:state-changed:focused")

    def hear(self, event):
        try:
            self.names.append(event.source.name)
        except Exception:  # the node went before it was read
            pass

    def follow(self, event):
        if event.detail1 == 1:
            # A table tells of its current cell; the stop is the table.
            source = event.source
            self.focus.append(source.parent if source.getRoleName() == "table cell" else source)

    def focused(self, pyatspi, window):
        """The control the last key focused: told by the bus, else looked for."""
        from gi.repository import GLib
        deadline = time.time() + 1.5
        while time.time() < deadline and not self.focus:
            while GLib.MainContext.default().iteration(False):
                pass
            time.sleep(0.02)
        time.sleep(0.05)
        while GLib.MainContext.default().iteration(False):
            pass
        return self.focus[-1] if self.focus else focus_of(pyatspi, window)

    def heard(self, part):
        from gi.repository import GLib
        deadline = time.time() + TIMEOUT_S
        while time.time() < deadline:
            while GLib.MainContext.default().iteration(False):
                pass
            if any(part in name for name in self.names):
                return True
            time.sleep(0.05)
        return False

    def forget(self):
        from gi.repository import GLib
        while GLib.MainContext.default().iteration(False):
            pass
        self.names.clear()
        self.focus.clear()


def table_cells(table_node):
    """The headers and cells of a table as the Table interface gives them."""
    table = table_node.queryTable()
    columns = [table.getColumnDescription(c) or table.getColumnHeader(c).name
               for c in range(table.nColumns)]
    rows = [table.getRowDescription(r) for r in range(table.nRows)]
    cells = [[table.getAccessibleAt(r, c).name for c in range(table.nColumns)]
             for r in range(table.nRows)]
    return columns, rows, cells


def find_all(pyatspi, window, role, name_part):
    return [n for n in descendants(pyatspi, window)
            if n.getRoleName() == role and name_part in n.name]


def settle():
    time.sleep(0.3)
