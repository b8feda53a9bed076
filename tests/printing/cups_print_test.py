#!/usr/bin/env python3
"""Printing on a real print queue: the desktop program, driven by a scenario, prints the hop
report of LINK7 and the route table of COAST on the profile's printer, a raw queue of a private
print server whose device is a network printer on the loopback; the documents the printer
receives must hold the lines of the reports' pages, as korvel-cli lays them out. A job cancelled in the abort dialog reaches no printer and
says nothing.

    cups_print_test.py KORVEL KORVEL_CLI DATA_DIR

Exit status 77 (skipped) when the print server is not installed.
"""

import os
import shutil
import subprocess
import sys
import tempfile

from private_cups import QUEUE, PrivateCups, tool

SKIPPED = 77

PRINT_BOTH = """\
choose hops/LINK7.HOP
click 1001
menu 108
expect checked 1618 yes
expect focus 1618
click 1
menu 106
choose route/COAST.ROU
click 1003
menu 108
check 1607
click 1
quit
"""

# The profile names a printer the print server does not have: no printer, although the server
# has a default one.
NO_SUCH_PRINTER = """\
choose hops/LINK7.HOP
click 1001
menu 108
expect enabled 1618 no
expect checked 1619 yes
click 2
quit
"""

PRINT_CANCELLED = """\
choose hops/LINK7.HOP
click 1001
cancel print
menu 108
click 1
quit
"""


def words(text):
    """The text's lines with their blanks evened out, blank lines left out: the printed page
    places columns by position, which pdftotext renders as runs of blanks of its own."""
    return [" ".join(line.split()) for line in text.splitlines() if line.strip()]


def pdf_text(path):
    return subprocess.run(["pdftotext", "-layout", path, "-"], capture_output=True, text=True,
                          check=True).stdout


class Run:
    def __init__(self, korvel, cli, data, work, env):
        self.korvel, self.cli, self.work, self.env = korvel, cli, work, env
        for item in ("korvel32.lbr", "hops", "route"):
            source = os.path.join(data, item)
            copy = shutil.copytree if os.path.isdir(source) else shutil.copy
            copy(source, os.path.join(work, item))
        self.profile = os.path.join(work, "profile.ini")
        self.name_printer(QUEUE)

    def name_printer(self, queue):
        with open(self.profile, "w") as profile:
            profile.write("[windows]\nDevice=%s,raw,socket:\n" % queue)

    def play(self, name, scenario):
        path = os.path.join(self.work, name + ".scn")
        with open(path, "w") as out:
            out.write(scenario)
        transcript = os.path.join(self.work, name + ".transcript")
        result = subprocess.run(
            [self.korvel, "--library", "korvel32.lbr", "--profile", self.profile, "--play", path,
             "--transcript", transcript], cwd=self.work, env=self.env, capture_output=True,
            text=True, timeout=30)
        with open(transcript) as shown:
            return result.returncode, shown.read()

    def page(self, kind, folder, file):
        """The text of the report's printed page as korvel-cli lays it out in a PDF, run where
        the file lies, as the program's working folder is then."""
        where = os.path.join(self.work, folder)
        subprocess.run(
            [self.cli, "--library", "../korvel32.lbr", "--profile", self.profile, "report", kind,
             file, "--format", "pdf", "--output", "expected.pdf", "--force"], cwd=where,
            env=self.env, capture_output=True, check=True)
        return pdf_text(os.path.join(where, "expected.pdf"))


def main(korvel, cli, data):
    if shutil.which(tool("cupsd")) is None:
        print("cupsd is not installed (Debian package cups): skipped")
        return SKIPPED
    failures = []
    received = tempfile.mkdtemp(prefix="korvel-printed-")
    work = tempfile.mkdtemp(prefix="korvel-print-work-")
    try:
        with PrivateCups(received) as cups:
            env = dict(cups.env, QT_QPA_PLATFORM="offscreen", SOURCE_DATE_EPOCH="1700000000")
            run = Run(os.path.abspath(korvel), os.path.abspath(cli), data, work, env)

            status, transcript = run.play("print_both", PRINT_BOTH)
            if status != 0 or transcript.count('dialog Abort "Korvel"') != 2 or \
                    "Cannot print" in transcript:
                failures.append("printing both reports: status %d, transcript:\n%s"
                                % (status, transcript))
            if not cups.wait_for_jobs():
                failures.append("the jobs did not complete:\n" + cups.log())
            documents = list(cups.printer.documents)
            expected = [("hop report", run.page("hop", "hops", "LINK7.HOP")),
                        ("route table", run.page("route", "route", "COAST.ROU"))]
            if len(documents) != len(expected):
                failures.append("the printer received %d documents, not %d:\n%s"
                                % (len(documents), len(expected), cups.log()))
            for (name, page), document in zip(expected, documents):
                printed = words(pdf_text(document))
                if printed != words(page):
                    failures.append("the printed %s differs from its page:\n  %s\nprinted:\n  %s"
                                    % (name, "\n  ".join(words(page)), "\n  ".join(printed)))

            # Cancelled in the abort dialog: nothing printed and no message.
            jobs_before = len(cups.completed_jobs())
            status, transcript = run.play("print_cancelled", PRINT_CANCELLED)
            cups.wait_for_jobs()
            if status != 0 or "cancel print" not in transcript or "Cannot print" in transcript \
                    or "message" in transcript:
                failures.append("cancelling: status %d, transcript:\n%s" % (status, transcript))
            if len(cups.printer.documents) != len(documents) or \
                    len(cups.completed_jobs()) != jobs_before:
                failures.append("a cancelled job reached the printer")

            run.name_printer("no_such_printer")
            status, transcript = run.play("no_such_printer", NO_SUCH_PRINTER)
            if status != 0:
                failures.append("a printer that does not exist was offered:\n" + transcript)
    finally:
        shutil.rmtree(received, ignore_errors=True)
        shutil.rmtree(work, ignore_errors=True)
    for failure in failures:
        print("FAILED: " + failure)
    return 1 if failures else 0


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.stderr.write(__doc__)
        sys.exit(2)
    sys.exit(main(*sys.argv[1:]))
