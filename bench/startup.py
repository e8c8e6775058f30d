#!/usr/bin/python3
"""Start-up benchmark: the program against a minimal Qt Widgets program.

For each, in alternating order, several times: the time from just before the
process is created to the server's MapNotify of its first top-level window,
and its peak resident memory (ru_maxrss from wait4) once it has stood shown
for a moment, with the CPU time it used (user + system), which a busy machine
disturbs less than the wall-clock time. Both run in the same private Xvfb (no
window manager, so the map is the program's own act), with a private session
bus and a fresh runtime folder each time. Prints medians and the two figures the goals are set on.

    startup.py --program build/velumo --baseline build/bench/velumo_startup_baseline
"""

import argparse
import ctypes
import os
import select
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

TIME_GOAL = 1.3    # program's start-up at most this many times the baseline's
MEMORY_GOAL = 15   # program's peak RSS at most this many MB above the baseline's

X11 = ctypes.CDLL("libX11.so.6")
X11.XOpenDisplay.restype = ctypes.c_void_p
X11.XOpenDisplay.argtypes = [ctypes.c_char_p]
X11.XDefaultRootWindow.restype = ctypes.c_ulong
X11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
X11.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
X11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
X11.XPending.argtypes = [ctypes.c_void_p]
X11.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
X11.XConnectionNumber.argtypes = [ctypes.c_void_p]
X11.XCloseDisplay.argtypes = [ctypes.c_void_p]
MAP_NOTIFY = 19
SUBSTRUCTURE_NOTIFY_MASK = 1 << 19

libc = ctypes.CDLL(None)


def die_with_parent():
    libc.prctl(1, signal.SIGKILL)  # PR_SET_PDEATHSIG


class XEvent(ctypes.Union):
    _fields_ = [("type", ctypes.c_int), ("longs", ctypes.c_long * 24)]


class Session:
    def __init__(self):
        self.root = tempfile.mkdtemp(prefix="velumo-bench-")
        self.helpers = []
        log = open(os.path.join(self.root, "session.log"), "w")
        read_end, write_end = os.pipe()
        self.helpers.append(subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
             "-nolisten", "tcp", "-noreset"],
            pass_fds=[write_end], stdout=log, stderr=log, preexec_fn=die_with_parent,
            env={"PATH": os.environ.get("PATH", "/usr/bin:/bin")}))
        os.close(write_end)
        number = b""
        while not number.endswith(b"\n"):
            chunk = os.read(read_end, 32)
            if not chunk:
                sys.exit("Xvfb did not start")
            number += chunk
        os.close(read_end)
        self.display = ":" + number.decode().strip()
        self.home = os.path.join(self.root, "home")
        os.mkdir(self.home, 0o700)
        bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                               stdout=subprocess.PIPE, stderr=log, start_new_session=True,
                               preexec_fn=die_with_parent, env=self.env(None))
        self.helpers.append(bus)
        self.bus = bus.stdout.readline().decode().strip()

        self.dpy = X11.XOpenDisplay(self.display.encode())
        X11.XSelectInput(self.dpy, X11.XDefaultRootWindow(self.dpy), SUBSTRUCTURE_NOTIFY_MASK)
        X11.XSync(self.dpy, 0)

    def env(self, runtime_dir):
        env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "LANG": "C.UTF-8",
               "HOME": self.home, "DISPLAY": self.display, "QT_QPA_PLATFORM": "xcb",
               "TMPDIR": self.root}
        if runtime_dir:
            env["XDG_RUNTIME_DIR"] = runtime_dir
        if getattr(self, "bus", None):
            env["DBUS_SESSION_BUS_ADDRESS"] = self.bus
        return env

    def drain(self):
        X11.XSync(self.dpy, 0)
        event = XEvent()
        mapped = []
        while X11.XPending(self.dpy) > 0:
            X11.XNextEvent(self.dpy, ctypes.byref(event))
            if event.type == MAP_NOTIFY and not event.longs[6] & 0xFFFFFFFF:
                mapped.append(event.longs[5])
        return mapped

    def measure(self, binary, settle, timeout=30.0):
        """(seconds to the first top-level map, peak RSS in MiB, CPU seconds used)."""
        runtime_dir = tempfile.mkdtemp(dir=self.root)
        self.drain()
        start = time.perf_counter()
        p = subprocess.Popen([binary], env=self.env(runtime_dir), stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL, preexec_fn=die_with_parent)
        fd = X11.XConnectionNumber(self.dpy)
        shown = None
        event = XEvent()
        while shown is None:
            while X11.XPending(self.dpy) > 0:
                X11.XNextEvent(self.dpy, ctypes.byref(event))
                if event.type == MAP_NOTIFY and not event.longs[6] & 0xFFFFFFFF:
                    shown = time.perf_counter()
                    break
            if shown is None:
                if time.perf_counter() - start > timeout or p.poll() is not None:
                    p.kill()
                    sys.exit(f"{binary} showed no window (exit status {p.poll()})")
                select.select([fd], [], [], 0.05)
        time.sleep(settle)
        p.send_signal(signal.SIGTERM)
        _, _, usage = os.wait4(p.pid, 0)
        p.returncode = 0  # reaped here, not by Popen
        shutil.rmtree(runtime_dir, ignore_errors=True)
        return shown - start, usage.ru_maxrss / 1024.0, usage.ru_utime + usage.ru_stime

    def close(self):
        X11.XCloseDisplay(self.dpy)
        for h in reversed(self.helpers):
            try:
                os.killpg(h.pid, signal.SIGTERM) if h is self.helpers[-1] else h.terminate()
            except ProcessLookupError:
                pass
            h.wait()
        shutil.rmtree(self.root, ignore_errors=True)


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--program", required=True)
    ap.add_argument("--baseline", required=True)
    ap.add_argument("--repetitions", type=int, default=15)
    ap.add_argument("--settle", type=float, default=0.5,
                    help="seconds a shown window stands before the process is ended")
    args = ap.parse_args()

    session = Session()
    try:
        # A warm-up of each, so that neither pays for a cold file cache.
        session.measure(args.program, 0.1)
        session.measure(args.baseline, 0.1)
        runs = {"program": [], "baseline": []}
        for i in range(args.repetitions):
            order = ["program", "baseline"] if i % 2 == 0 else ["baseline", "program"]
            for name in order:
                runs[name].append(session.measure(getattr(args, name), args.settle))
    finally:
        session.close()

    def med(name, k):
        return statistics.median(r[k] for r in runs[name])

    print(f"start-up to the window shown, {args.repetitions} runs each, medians:")
    for name in ("program", "baseline"):
        times = sorted(r[0] * 1000 for r in runs[name])
        print(f"  {name:9} {med(name, 0) * 1000:7.1f} ms  (min {times[0]:.1f}, max {times[-1]:.1f})"
              f"   peak RSS {med(name, 1):6.1f} MiB   CPU {med(name, 2) * 1000:6.1f} ms")
    ratio = med("program", 0) / med("baseline", 0)
    extra = med("program", 1) - med("baseline", 1)
    print(f"  time ratio program/baseline: {ratio:.2f} (goal at most {TIME_GOAL})"
          f"  {'met' if ratio <= TIME_GOAL else 'NOT met'}")
    print(f"  peak RSS program - baseline: {extra:+.1f} MiB (goal at most +{MEMORY_GOAL})"
          f"  {'met' if extra <= MEMORY_GOAL else 'NOT met'}")


if __name__ == "__main__":
    main()
