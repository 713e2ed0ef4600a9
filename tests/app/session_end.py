"""The real program on a real X server, ended the ways a desktop session ends it: after an item name is typed,
SIGTERM, SIGHUP and SIGINT (each while another window or a modal dialog is open) and the X server going away
must all leave the typed item in the settings file; a signal also ends the program with status 0.

Usage: session_end.py VELMORA. Needs Xvfb and xdotool (Debian's xvfb and xdotool)."""

import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

BOUND = 60  # seconds: generous, for the sanitizer build on a busy machine
SEEDED = "[Settings]\nHasBeenRun=True\n"  # no first-run prompt


def wait_for(condition, what):
    deadline = time.monotonic() + BOUND
    while not condition():
        if time.monotonic() > deadline:
            raise AssertionError(f"gave up waiting for {what}")
        time.sleep(0.05)


class XServer:
    def __init__(self):
        read_end, write_end = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
            pass_fds=(write_end,), stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as numbers:
            self.display = ":" + numbers.readline().strip()

    def xdotool(self, *arguments):
        return subprocess.run(["xdotool", *arguments], env=dict(os.environ, DISPLAY=self.display), check=True,
                              capture_output=True, text=True, timeout=BOUND).stdout.split()

    def wait_for_window(self, name):
        return self.xdotool("search", "--sync", "--onlyvisible", "--name", name)[0]

    def kill(self):
        self.process.kill()
        self.process.wait()


def default_signals():
    # A shell that starts the suite in the background has its children ignore SIGINT; the program keeps an
    # ignored signal ignored, as nohup expects.
    for number in (signal.SIGTERM, signal.SIGHUP, signal.SIGINT):
        signal.signal(number, signal.SIG_DFL)


def start_velmora(velmora, x, config):
    environment = {name: value for name, value in os.environ.items() if name != "WAYLAND_DISPLAY"}
    environment.update(DISPLAY=x.display, XDG_CONFIG_HOME=config, QT_QPA_PLATFORM="xcb")
    program = subprocess.Popen([velmora], env=environment, preexec_fn=default_signals)
    x.xdotool("windowfocus", "--sync", x.wait_for_window("^Velmora for"))
    return program


def settings(config):
    with open(os.path.join(config, "Trevanto", "Trevanto.ini"), encoding="utf-8") as file:
        return file.read().splitlines()


def ended_by_signal(velmora, number, keys, window, also=()):
    """Types an item name, opens the window that the keys open, and sends the signal once it shows: by then
    every keystroke before has reached the program. The lines in also must be in the settings file too."""
    def run(x, config, item):
        program = start_velmora(velmora, x, config)
        x.xdotool("type", "--delay", "20", item)
        x.xdotool("key", *keys)
        x.wait_for_window(window)
        program.send_signal(number)
        status = program.wait(BOUND)
        assert status == 0, f"exit status {status}"
        lines = settings(config)
        assert set(also) <= set(lines), "\n".join(lines)
        return lines
    return run


def display_killed(velmora):
    def run(x, config, item):
        program = start_velmora(velmora, x, config)
        x.xdotool("type", "--delay", "20", item)
        wait_for(lambda: f"ItemName={item}" in settings(config), "the typed item to reach the disk unasked")
        x.kill()
        program.wait(BOUND)  # the X client library ends the program with a status of its own
        return settings(config)
    return run


def main():
    velmora = sys.argv[1]
    missing = [tool for tool in ("Xvfb", "xdotool") if not shutil.which(tool)]
    if missing:
        print("not found: " + ", ".join(missing))
        return 1
    cases = {
        "SIGTERM with the file dialog open": ended_by_signal(velmora, signal.SIGTERM, ["alt+f", "s"], "^Save As$"),
        # The dialog's own close step stores its boxes, here the placeholder e-mail.
        "SIGHUP with the options dialog open": ended_by_signal(velmora, signal.SIGHUP, ["alt+o"], "^Options$",
                                                               ["eMail=your-paypal-email@example.com"]),
        "SIGINT with the About box open": ended_by_signal(velmora, signal.SIGINT, ["alt+a"], "^About"),
        "X server killed": display_killed(velmora),
    }
    failed = 0
    for number, (name, run) in enumerate(cases.items()):
        item = f"Lamp{number}"
        with tempfile.TemporaryDirectory() as config:
            os.makedirs(os.path.join(config, "Trevanto"))
            with open(os.path.join(config, "Trevanto", "Trevanto.ini"), "w", encoding="utf-8") as file:
                file.write(SEEDED)
            x = XServer()
            try:
                lines = run(x, config, item)
                assert f"ItemName={item}" in lines, "\n".join(lines)
                print(f"PASS: {name}")
            except (AssertionError, subprocess.SubprocessError) as problem:
                failed += 1
                print(f"FAIL: {name}: {problem}")
            finally:
                x.kill()
    print(f"{len(cases) - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
