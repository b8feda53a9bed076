#!/usr/bin/env python3
"""A private print server for tests: a CUPS daemon of its own in a temporary folder (its own
configuration, socket, spool, cache, state and logs; nothing of the machine's print system is
touched) with one raw queue whose device is a network printer (AppSocket) on the loopback that
this module serves itself, keeping every document it receives.

    private_cups.py -- COMMAND [ARG...]

runs COMMAND with CUPS_SERVER naming the private server, whose queue is the default printer, and
exits with its status.
"""

import os
import pwd
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import threading
import time

QUEUE = "korvel_test"


def tool(name):
    """The path of a CUPS program; the daemon and lpadmin live in sbin, which a user's PATH may
    leave out."""
    return shutil.which(name) or shutil.which(name, path="/usr/sbin:/sbin") or name


class NetworkPrinter:
    """An AppSocket printer on 127.0.0.1: each connection is one document, kept as it came."""

    def __init__(self, folder):
        self.folder = folder
        self.documents = []
        self._listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
        self._listener.bind(("127.0.0.1", 0))
        self._listener.listen(4)
        self._listener.settimeout(0.2)
        self.port = self._listener.getsockname()[1]
        self._stopping = False
        self._thread = threading.Thread(target=self._serve, daemon=True)
        self._thread.start()

    def _serve(self):
        while not self._stopping:
            try:
                connection, _ = self._listener.accept()
            except socket.timeout:
                continue
            with connection:
                connection.settimeout(20)
                chunks = []
                try:
                    while chunk := connection.recv(65536):
                        chunks.append(chunk)
                except OSError:
                    pass
                # Kept before the connection closes, which is when the queue counts the job done.
                path = os.path.join(self.folder, "document-%d" % (len(self.documents) + 1))
                with open(path, "wb") as out:
                    out.write(b"".join(chunks))
                self.documents.append(path)

    def stop(self):
        self._stopping = True
        self._thread.join()
        self._listener.close()


CUPSD_CONF = """Listen {socket}
LogLevel warn
MaxLogSize 0
Browsing No
WebInterface No
DefaultShared No
JobRetryLimit 0
PreserveJobHistory Yes
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess default
  JobPrivateValues default
  SubscriptionPrivateAccess default
  SubscriptionPrivateValues default
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
"""

CUPS_FILES_CONF = """ServerRoot {root}/server
RequestRoot {root}/spool
TempDir {root}/spool/tmp
CacheDir {root}/cache
StateDir {root}/state
ErrorLog {root}/log/error_log
AccessLog {root}/log/access_log
PageLog {root}/log/page_log
FileDevice No
{user}
"""


class PrivateCups:
    """Starts on entry, stops on exit. `env` is the environment for the programs that print;
    `printer.documents` lists what the printer received."""

    def __init__(self, output_folder):
        os.makedirs(output_folder, exist_ok=True)
        self.printer = NetworkPrinter(output_folder)
        self.root = tempfile.mkdtemp(prefix="korvel-cups-")
        self.socket = os.path.join(self.root, "cups.sock")
        self.env = dict(os.environ, CUPS_SERVER=self.socket, LPDEST=QUEUE,
                        KORVEL_TEST_PRINT_SERVER=self.socket)
        self.env.pop("PRINTER", None)
        self._daemon = None

    def __enter__(self):
        try:
            self._start()
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self

    def _start(self):
        for folder in ("server", "spool", "spool/tmp", "cache", "state", "log"):
            os.makedirs(os.path.join(self.root, folder))
        user = ""
        if os.getuid() == 0:
            # As root the daemon runs the printer's backend as an ordinary user, who must reach
            # the spool inside the temporary folder.
            os.chmod(self.root, 0o755)
            lp = pwd.getpwnam("lp")
            user = "User lp\nGroup lp"
            for folder in ("spool", "spool/tmp", "cache"):
                os.chown(os.path.join(self.root, folder), 0, lp.pw_gid)
        with open(os.path.join(self.root, "server/cupsd.conf"), "w") as conf:
            conf.write(CUPSD_CONF.format(socket=self.socket))
        with open(os.path.join(self.root, "server/cups-files.conf"), "w") as conf:
            conf.write(CUPS_FILES_CONF.format(root=self.root, user=user))
        self._daemon = subprocess.Popen(
            [tool("cupsd"), "-f", "-c", os.path.join(self.root, "server/cupsd.conf"),
             "-s", os.path.join(self.root, "server/cups-files.conf")],
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
            env=self.env)
        deadline = time.monotonic() + 10
        while subprocess.run(["lpstat", "-r"], env=self.env, capture_output=True,
                             text=True).stdout.strip() != "scheduler is running":
            if self._daemon.poll() is not None or time.monotonic() > deadline:
                raise RuntimeError("the private cupsd did not start: " + self.log())
            time.sleep(0.1)
        subprocess.run([tool("lpadmin"), "-p", QUEUE, "-E", "-v",
                        "socket://127.0.0.1:%d" % self.printer.port, "-m", "raw"],
                       env=self.env, check=True, capture_output=True)
        subprocess.run([tool("lpadmin"), "-d", QUEUE], env=self.env, check=True, capture_output=True)

    def log(self):
        messages = ""
        if self._daemon is not None and self._daemon.stderr is not None and \
                self._daemon.poll() is not None:
            messages += self._daemon.stderr.read().decode(errors="replace")
        try:
            with open(os.path.join(self.root, "log/error_log"), errors="replace") as log:
                messages += log.read()
        except OSError:
            pass
        return messages

    def wait_for_jobs(self, timeout=20):
        """Waits until the queue holds no job; True when it emptied in time."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            queued = subprocess.run(["lpstat", "-o", QUEUE], env=self.env, capture_output=True,
                                    text=True).stdout.strip()
            if not queued:
                return True
            time.sleep(0.2)
        return False

    def completed_jobs(self):
        return subprocess.run(["lpstat", "-W", "completed", "-o", QUEUE], env=self.env,
                              capture_output=True, text=True).stdout.splitlines()

    def __exit__(self, *_):
        if self._daemon is not None and self._daemon.poll() is None:
            self._daemon.send_signal(signal.SIGTERM)
            try:
                self._daemon.wait(10)
            except subprocess.TimeoutExpired:
                self._daemon.kill()
                self._daemon.wait()
        if self._daemon is not None and self._daemon.stderr is not None:
            self._daemon.stderr.close()
        self.printer.stop()
        shutil.rmtree(self.root, ignore_errors=True)


def main(argv):
    if len(argv) < 3 or argv[1] != "--":
        sys.stderr.write(__doc__)
        return 2
    output = tempfile.mkdtemp(prefix="korvel-printed-")
    try:
        with PrivateCups(output) as cups:
            status = subprocess.run(argv[2:], env=cups.env).returncode
            cups.wait_for_jobs()
        return status
    finally:
        shutil.rmtree(output, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main(sys.argv))
