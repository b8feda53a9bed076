#!/usr/bin/python3
"""The desktop program as a screen-reader user meets it: started on a private X server with its
own D-Bus session and accessibility bus, every page and dialog read through AT-SPI (every control
named, every value shown present as text, no Alt letter reaching two controls or two items of a
menu), a radio, a Ptx, a Prxth and two Basics choices made through accessibility actions, the
Radios list chosen by the mouse and left by Escape with the focus back on the radio, each page,
the Profile window and a chart gone round by Tab (every stop named and shown, radio groups entered
at the checked button, no table keeping Tab), the verdict read as text and Calculate and Apply
heard, the methods and clearance rule tables read through their headers, the results reached by
F6 and Ctrl+R, the Sweep window's question answered with the focus back there, the Open dialog
reached, and the saved hop checked with korvel-cli.

    atspi_walk.py KORVEL KORVEL_CLI LIBRARY SCENARIO

Exit 77 (skipped) only when a tool it needs is missing."""

import json
import os
import random
import shutil
import socket
import subprocess
import sys
import tempfile
import time

sys.dont_write_bytecode = True  # nothing compiled beside the sources
from atspi_tree import (  # noqa: E402
    CONTROL_KEY, ESCAPE_KEY, F6_KEY, R_KEY, TAB_KEY, TIMEOUT_S, Announcements, Program, act,
    alt_letters, check, choose, click, failures, find, find_all, focus_of, focused, focused_names,
    list_item, press, selected_names, settle, showing, table_cells, unique_letters, walk)

SKIPPED = 77
NO_DISPLAY = 75  # the program could not reach the X server: the outer run starts another
SESSION_FLAG = "KORVEL_A11Y_SESSION"


def skip(why):
    print("SKIPPED: " + why)
    sys.exit(SKIPPED)


def ensure_tools():
    for tool in ("Xvfb", "dbus-run-session"):
        if shutil.which(tool) is None:
            skip(tool + " is not installed")
    if not os.path.exists("/usr/libexec/at-spi-bus-launcher"):
        skip("at-spi2-core is not installed")
    try:
        import pyatspi  # noqa: F401  (only whether it is there)
    except ImportError:
        skip("python3-pyatspi is not installed")


def accepts_clients(socket_path):
    probe = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    try:
        probe.connect(socket_path)
        return True
    except OSError:
        return False
    finally:
        probe.close()


def start_x_server():
    """A private X server. Its display number is drawn at random (other programs on the machine
    may run X servers of their own), and a number already taken is drawn again."""
    chooser = random.Random()
    for _ in range(20):
        number = chooser.randrange(300, 900)
        if os.path.exists("/tmp/.X11-unix/X%d" % number):
            continue
        # -noreset: the server would otherwise start over each time its last client leaves (the
        # accessibility bus's launcher leaves after setting its root window property), and the
        # program, connecting meanwhile, would find no server.
        server = subprocess.Popen(["Xvfb", ":%d" % number, "-screen", "0", "1280x1024x24",
                                   "-nolisten", "tcp", "-noreset"], stderr=subprocess.DEVNULL)
        deadline = time.time() + 5
        while time.time() < deadline and server.poll() is None:
            if accepts_clients("/tmp/.X11-unix/X%d" % number):
                return server, ":%d" % number
            time.sleep(0.05)
        server.kill()
        server.wait()
    raise SystemExit("the X server did not start")


def tab_order(pyatspi, window, where, events, most=60):
    """Tab round `window` from its focused control: every stop shown and named, each radio group
    stopped at once, at its checked button. The stops' names, in order."""
    stops = []
    start = focus_of(pyatspi, window)
    first = start.name.strip() if start else None
    for _ in range(most):
        events.forget()
        press(pyatspi, TAB_KEY, wait=0)
        node = events.focused(pyatspi, window)
        if node is None or not showing(pyatspi, node):
            check(False, where + ": Tab after %r lands on nothing shown" % stops[-1:])
            return stops
        name = node.name.strip()
        check(name != "", where + ": an unnamed Tab stop (a %s in %r) after %r" %
              (node.getRoleName(), node.parent.name, stops[-1:]))
        if name == first or (stops and name == stops[0]):
            return stops
        check(name not in stops, where + ": Tab is trapped at " + name)
        if node.getRoleName() == "radio button":
            check(node.getState().contains(pyatspi.STATE_CHECKED),
                  where + ": Tab stops on the unchecked radio " + name)
        stops.append(name)
    check(False, where + ": Tab never comes round")
    return stops


def check_menu_letters(pyatspi, menu, where):
    """Each menu of the bar, and the bar itself: every letter unique, every menu with one."""
    items = [item for item in menu if item is not None and item.getRoleName() == "menu item"]
    unique_letters(where, [(item.name, alt_letters(item)) for item in items])
    for item in items:
        for popup in item:
            if popup is not None and popup.getRoleName() == "popup menu":
                if menu.getRoleName() == "menu bar":
                    check(alt_letters(item), "the menu %s has no Alt letter" % item.name)
                check_menu_letters(pyatspi, popup, item.name + " menu")


def check_methods(pyatspi, results):
    """The methods table read cell by cell, its headers named, and reached by Tab from the
    results' lines."""
    table = find(pyatspi, results, "table", "Methods")
    columns, rows, cells = table_cells(table)
    check(len(columns) == 3 and all(columns), "methods table headers %r" % columns)
    check(rows and all(rows), "methods table row headers %r" % rows)
    check(all(all(cell.strip() for cell in row) for row in cells), "an unread cell: %r" % cells)
    if find_all(pyatspi, results, "label", "climate maps"):
        check(find_all(pyatspi, results, "push button", "Import climate maps"),
              "no named Import button")
    press(pyatspi, CONTROL_KEY, R_KEY)
    for _ in range(8):
        if focus_of(pyatspi, results).getRoleName() == "table":
            return
        press(pyatspi, TAB_KEY, wait=0.15)
    check(False, "Tab does not reach the methods table from the results")


def check_chart(pyatspi, window, events):
    """Opens with the keyboard on the chart, and Tab leaves its table."""
    names = focused_names(pyatspi, window)
    check(any(name.endswith(" chart") for name in names), "a chart opens with focus on %r" % names)
    toggle = find(pyatspi, window, "check box", "as a table")
    act(toggle, "press", "toggle")
    settle()
    click(pyatspi, find(pyatspi, window, "table", "table"))
    events.forget()
    press(pyatspi, TAB_KEY, wait=0)
    check(events.focused(pyatspi, window).getRoleName() != "table",
          "Tab stays in the chart's table")
    act(toggle, "press", "toggle")


def check_profile(pyatspi, window, announced):
    """The lowest heights and each rule's state read from their controls; Apply announced."""
    heights = find(pyatspi, window, "label", "Lowest")
    check(" m." in heights.name, "the lowest heights read " + repr(heights.name))
    columns, _, cells = table_cells(find(pyatspi, window, "table", "Clearance rules"))
    check(columns == ["Rule", "Required", "Achieved", "Met"], "rule headers %r" % columns)
    check(cells and all(row[3] in ("met", "not met") and "F1" in row[2] for row in cells),
          "the rules read %r" % cells)
    announced.forget()
    act(find(pyatspi, window, "push button", "Apply the antenna heights"), "press")
    check(announced.heard("Lowest"), "Apply is not announced")
    find(pyatspi, window, "text", "Earth radius factor").queryComponent().grabFocus()
    tab_order(pyatspi, window, "Profile window", announced)
    walk(pyatspi, window, "Profile window")


def go(work, name):
    open(os.path.join(work, name), "w").close()


def run(korvel, cli, library, scenario):
    import pyatspi

    work = tempfile.mkdtemp(prefix="korvel-a11y-")
    shutil.copy(library, os.path.join(work, "korvel32.lbr"))
    env = dict(os.environ)
    if "ASAN_OPTIONS" in env:
        # The X and accessibility-bus libraries keep memory to the end of the process; leaks of
        # the program's own are looked for by the offscreen scenarios.
        env["ASAN_OPTIONS"] += ":detect_leaks=0"
    env.update(QT_QPA_PLATFORM="xcb",
                QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1",
                XDG_CONFIG_HOME=os.path.join(work, "config"))
    program_process = subprocess.Popen(
        [korvel, "--library", "korvel32.lbr", "--play", scenario, "--transcript", "a11y.txt"],
        cwd=work, env=env, stderr=subprocess.PIPE, text=True)
    program = Program(pyatspi, korvel)
    deadline = time.time() + TIMEOUT_S
    while program_process.poll() is None and program.app() is None and time.time() < deadline:
        time.sleep(0.1)
    if program_process.poll() is not None:
        _, errors = program_process.communicate()
        if "could not connect to display" in errors:
            print(errors)
            shutil.rmtree(work, ignore_errors=True)
            return NO_DISPLAY
    try:
        main = program.window("Korvel")
        announced = Announcements(pyatspi)
        settle()
        walk(pyatspi, main, "start panel", ["ONE HOP", "MODIFY OLD ROUTE"])
        check_menu_letters(pyatspi, find(pyatspi, main, "menu bar", ""), "the menu bar")
        go(work, "start-panel")

        # Radio page: the radio, its frequency and every Ptx/Prxth value are said.
        settle()
        walk(pyatspi, main, "Radio page", ["RL2-8x2", "2.1", "33.0", "30.0", "27.0", "-90.0",
                                           "-83.0", "GHz"])
        check("Status: Hop: (untitled)" in find(pyatspi, main, "status bar", "").name,
              "the status bar's name does not say its text")
        find(pyatspi, main, "list", "Radios").queryComponent().grabFocus()
        tab_order(pyatspi, main, "Radio page", announced)
        go(work, "radio-page")
        for title, where, value in (("Ptx", "Ptx dialog", "Transmitter power"),
                                    ("Prxth", "Prxth dialog", "Receiver threshold")):
            dialog = program.window(title)
            walk(pyatspi, dialog, where, [value])
            go(work, title.lower() + "-dialog")
        check(program.gone("Prxth"), "the Prxth dialog stays open")

        # OTHER chosen by the mouse and left by Escape: the list goes back to the page's radio.
        settle()
        listing, _, other = list_item(pyatspi, main, "Radios", "OTHER")
        click(pyatspi, other)
        dialog = program.window("Other")
        walk(pyatspi, dialog, "Other radio dialog", ["Values are not saved to library file."])
        press(pyatspi, ESCAPE_KEY)
        check(program.gone("Other"), "Escape leaves the Other radio dialog open")
        settle()
        check(selected_names(listing) == ["RL2-8x2"],
              "after Escape the Radios list shows " + repr(selected_names(listing)))
        check("RL2-8x2" in focused_names(pyatspi, main),
              "after Escape the focus is on " + repr(focused_names(pyatspi, main)))
        go(work, "other-by-mouse")

        # A radio, a Ptx and a Prxth chosen through the accessibility actions alone.
        listing, index, _ = list_item(pyatspi, main, "Radios", "RL13-34")
        listing.queryTable().addRowSelection(index)
        settle()
        walk(pyatspi, main, "Radio page, RL13-34", ["RL13-34", "13.0", "21.0", "-81.5"])
        choose(pyatspi, find(pyatspi, main, "radio button", "Ptx 3"))
        choose(pyatspi, find(pyatspi, main, "radio button", "Prxth 2"))
        settle()
        go(work, "radio-chosen")

        # Basics page: choices through the actions; captions tied to their fields.
        find(pyatspi, main, "radio button", "Medium water")
        walk(pyatspi, main, "Basics page", ["Information field"])
        # Before any choice: the checked buttons are the program's, not the keyboard's.
        click(pyatspi, find(pyatspi, main, "text", "Information field"))
        stops = tab_order(pyatspi, main, "Basics page", announced)
        check("ITU calculation method Method 2" in stops, "Tab misses the method: %r" % stops)
        choose(pyatspi, find(pyatspi, main, "radio button", "Medium water"))
        choose(pyatspi, find(pyatspi, main, "radio button", "Method 1"))
        settle()
        go(work, "basics-page")

        # The list dialog names what it lists with the real texts.
        note = program.window("Note!")
        walk(pyatspi, note, "list dialog", ["Values out of normal limits", "Additional terrain loss"])
        go(work, "note-list")

        # Form page and the results, every line as text.
        settle()
        # The results dock sits in the main window, or floats when the page leaves it no room.
        results = program.showing("Results") or main
        form = walk(pyatspi, main, "Form page", ["RL13-34", "Loss :"])
        check("dB" in form, "Form page: no unit said")
        lines = walk(pyatspi, results, "results dock",
                     ["Free space loss", "Unfaded received power", "Total outage w/o diversity",
                      "the objective"])
        check(len(lines.splitlines()) >= 10, "the results lines are not all said")
        verdict = find(pyatspi, results, "text", "Verdict: ")
        shown = verdict.queryText().getText(0, -1)
        check("the objective" in shown, "the verdict's text reads " + repr(shown))
        # From a field of the page, F6 and Ctrl+R land on the results' first lines; F6 twice
        # more comes back to the field.
        click(pyatspi, find(pyatspi, main, "text", "Additional terrain loss"))
        for keys in ([F6_KEY], [CONTROL_KEY, R_KEY]):
            press(pyatspi, *keys)
            check("Results without diversity" in focused_names(pyatspi, results),
                  "after keys %s the focus is on %r" % (keys, focused_names(pyatspi, results)))
            press(pyatspi, F6_KEY)
            press(pyatspi, F6_KEY)
            check("Additional terrain loss dB" in focused_names(pyatspi, main),
                  "F6 does not go back to the page")
        check(announced.heard("Verdict: "), "Calculate is not announced")
        check_methods(pyatspi, results)
        click(pyatspi, find(pyatspi, main, "text", "Additional terrain loss"))
        tab_order(pyatspi, main, "Form page", announced)
        go(work, "form-page")

        rain = program.window("Rain attenuation")
        walk(pyatspi, rain, "rain dialog", ["Polarization", "Annual unavailability"])
        go(work, "rain-dialog")
        check(program.gone("Rain attenuation"), "the rain dialog stays open")
        settle()

        walk(pyatspi, program.window("Combination selection"), "selection list", ["Hop outage objective"])
        go(work, "selection-list")
        check_chart(pyatspi, program.window("Link budget"), announced)
        go(work, "budget-chart")
        check_profile(pyatspi, program.window("Path profile"), announced)
        go(work, "profile-window")
        sweep = program.window("Sweep")
        go(work, "sweep-question")
        question = program.window("Korvel", exactly=True)
        check("Take " in walk(pyatspi, question, "Sweep question"), "the question is not said")
        press(pyatspi, ESCAPE_KEY)
        check(program.gone("Korvel", exactly=True), "Escape leaves the Sweep question open")
        deadline = time.time() + TIMEOUT_S
        while focus_of(pyatspi, sweep) is None and time.time() < deadline:
            time.sleep(0.1)
        check(focus_of(pyatspi, sweep) is not None, "the focus does not come back to the Sweep")
        go(work, "sweep-answered")
        walk(pyatspi, program.window("About"), "About box", ["Version: "])
        go(work, "about-box")
        walk(pyatspi, program.window("Print"), "print options",
             ["Current folder: ", os.path.basename(work)])
        go(work, "print-options")
        go(work, "open-dialog")
        dialog = program.window("Open")
        check(dialog.name == "Open", "the Open dialog is named " + repr(dialog.name))
        check(focused(pyatspi, dialog), "the keyboard does not reach the Open dialog")
        press(pyatspi, ESCAPE_KEY)
        check(program.gone("Open"), "Escape leaves the Open dialog open")
    except Exception as error:  # a missing window, or the bus refusing a call: said, not raised
        check(False, "%s: %s" % (type(error).__name__, error))
    try:
        _, errors = program_process.communicate(timeout=TIMEOUT_S)
        check(program_process.returncode == 0,
              "the scenario ended with status %d: %s" % (program_process.returncode, errors))
    except subprocess.TimeoutExpired:
        program_process.kill()
        check(False, "the program did not end")

    transcript = os.path.join(work, "a11y.txt")
    if os.path.exists(transcript) and failures:
        print(open(transcript, encoding="utf-8").read())
    saved = os.path.join(work, "A11Y.HOP")
    if os.path.exists(saved):
        shown = subprocess.run([cli, "--library", library, "hop", "show", "--json", saved],
                               capture_output=True, text=True, check=False)
        hop = json.loads(shown.stdout)
        record, selection = hop["record"], hop["selection"]
        check(record["radioName"] == "RL13-34", "saved radio " + record["radioName"])
        check(record["ptxDbm"] == 21 and selection["ptxChoice"] == 1010,
              "saved Ptx %s (choice %s)" % (record["ptxDbm"], selection["ptxChoice"]))
        check(record["prxthDbm"] == -81.5 and selection["prxthChoice"] == 1016,
              "saved Prxth %s (choice %s)" % (record["prxthDbm"], selection["prxthChoice"]))
        check(record["landType"] == 1137, "saved land type %s" % record["landType"])
        check(record["method"] == 1139, "saved method %s" % record["method"])
    else:
        check(False, "no hop was saved")
    shutil.rmtree(work, ignore_errors=True)
    return 1 if failures else 0


def main():
    if len(sys.argv) != 5:
        print(__doc__)
        return 2
    ensure_tools()
    if os.environ.get(SESSION_FLAG) != "1":
        # Its own X server and D-Bus session; the session starts the accessibility bus when
        # asked, and its registry, which sends the keys and clicks, sees the X server too.
        for attempt in range(3):
            time.sleep(attempt)  # a moment for whatever held the last server back
            server, display = start_x_server()
            env = dict(os.environ, DISPLAY=display, **{SESSION_FLAG: "1"})
            env.pop("DBUS_SESSION_BUS_ADDRESS", None)
            try:
                status = subprocess.run(["dbus-run-session", "--", sys.executable] + sys.argv,
                                        env=env, check=False).returncode
            finally:
                server.terminate()
                server.wait()
            if status != NO_DISPLAY:
                return status
            print("the program could not reach X server " + display + ": another one")
        return 1
    korvel, cli, library, scenario = (os.path.abspath(a) for a in sys.argv[1:])
    return run(korvel, cli, library, scenario)


if __name__ == "__main__":
    sys.exit(main())
