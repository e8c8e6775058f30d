"""A private X session for driving the real program from outside.

Every test process builds one of these: its own Xvfb (display number chosen by
the server through -displayfd, so parallel tests never collide), optionally its
own openbox, its own D-Bus session bus with the accessibility bus behind it, and
fresh HOME, XDG_RUNTIME_DIR and TMPDIR folders. Nothing is taken from the
environment the test was started in: no display, no bus, no home.

Every helper process gets PR_SET_PDEATHSIG, so a test killed by CTest's timeout
takes its server, window manager, bus and program instances with it.
"""

import ctypes
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SKIPPED = 77  # CTest's SKIP_RETURN_CODE for these tests

# Generous upper bounds for things that normally take well under a second;
# they only decide how long a failing test waits before it says so.
WAIT = 60.0
POLL = 0.02

_libc = ctypes.CDLL(None, use_errno=True)
_PR_SET_PDEATHSIG = 1


def _die_with_parent():
    _libc.prctl(_PR_SET_PDEATHSIG, signal.SIGKILL)


class Skip(Exception):
    """The case cannot run yet; its message says why."""


def fail(message):
    raise AssertionError(message)


def expect_equal(actual, expected, what):
    if actual != expected:
        fail(f"{what}: expected {expected!r}, got {actual!r}")


def wait_until(probe, what, timeout=WAIT, program=None):
    """Polls probe() until it returns something truthy and returns that.

    A probe that raises is taken as "not there yet", but the last thing it
    raised is what a timeout reports. With a program, every poll also checks
    that it still runs: a program that has ended is reported at once, with its
    exit status and the end of its output, instead of after the timeout.
    """
    deadline = time.monotonic() + timeout
    last = None
    while True:
        if program is not None and program.poll() is not None:
            fail(f"{what}: the program ended ({exit_reason(program.returncode)}) while it was "
                 f"awaited; its output ends with:\n{program_output(program)}")
        try:
            last = probe()
        except Exception as e:  # a window or accessible that is not there yet
            last = e
        else:
            if last:
                return last
        if time.monotonic() > deadline:
            where = "" if program is None else f"\n{program_state(program)}"
            if isinstance(last, AssertionError):
                raise AssertionError(
                    f"timed out after {timeout:.0f} s waiting for {what}: {last}{where}") from last
            fail(f"timed out after {timeout:.0f} s waiting for {what}; last seen: {last!r}{where}")
        time.sleep(POLL)


def exit_reason(returncode):
    if returncode < 0:
        return f"killed by {signal.Signals(-returncode).name}"
    return f"exit status {returncode}"


def program_output(program, lines=20):
    """The last lines a program instance wrote to its stdout and stderr."""
    path = getattr(program, "log_path", None)
    if path is None:
        return "(not recorded)"
    with open(path, errors="replace") as f:
        tail = f.read().splitlines()[-lines:]
    return "\n".join(tail) if tail else "(nothing)"


def program_state(program):
    """Where a program that keeps running but does not get on stands: its
    output, its state and, where gdb is installed, the stack of each thread."""
    pid = program.pid
    lines = [f"the program (pid {pid}) still runs; its output ends with:",
             program_output(program)]
    for name in ("status", "wchan"):
        try:
            with open(f"/proc/{pid}/{name}") as f:
                text = f.read()
        except OSError as e:
            text = str(e)
        if name == "status":
            text = "".join(l for l in text.splitlines(True) if l.startswith(("State:", "Threads:")))
        lines.append(f"{name}: {text.strip()}")
    if shutil.which("gdb"):
        try:
            r = subprocess.run(["gdb", "-nx", "-batch", "-p", str(pid),
                                "-ex", "thread apply all bt 25"],
                               capture_output=True, text=True, timeout=30)
            stacks = [l for l in r.stdout.splitlines() if l.startswith(("Thread ", "#"))]
            lines.append("stacks:\n" + "\n".join(stacks or [r.stderr.strip()]))
        except subprocess.TimeoutExpired:
            lines.append("stacks: gdb did not finish within 30 s")
    return "\n".join(lines)


# -- keyboard -------------------------------------------------------------
#
# `xdotool type` of a character that no keycode carries binds the keysym to a
# spare keycode, sends the key, and binds the keycode back, once per
# character. Qt refetches the keymap when it handles the mapping notification,
# which can be after xdotool has already rebound the keycode: the key then
# means the previous character or nothing at all, and characters go missing or
# come twice. So every character a test types gets a keycode of its own before
# the program starts; xdotool then finds it in the map and never remaps.

_X11 = ctypes.CDLL("libX11.so.6")
_X11.XOpenDisplay.restype = ctypes.c_void_p
_X11.XOpenDisplay.argtypes = [ctypes.c_char_p]
_X11.XCloseDisplay.argtypes = [ctypes.c_void_p]
_X11.XDisplayKeycodes.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_int),
                                  ctypes.POINTER(ctypes.c_int)]
_X11.XGetKeyboardMapping.restype = ctypes.POINTER(ctypes.c_ulong)
_X11.XGetKeyboardMapping.argtypes = [ctypes.c_void_p, ctypes.c_ubyte, ctypes.c_int,
                                     ctypes.POINTER(ctypes.c_int)]
_X11.XChangeKeyboardMapping.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int,
                                        ctypes.POINTER(ctypes.c_ulong), ctypes.c_int]
_X11.XFree.argtypes = [ctypes.c_void_p]
_X11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]


def bind_characters(display, characters):
    """Gives each character a spare keycode of its own (Unicode keysym)."""
    dpy = _X11.XOpenDisplay(display.encode())
    if not dpy:
        fail(f"cannot open display {display}")
    try:
        low, high = ctypes.c_int(), ctypes.c_int()
        _X11.XDisplayKeycodes(dpy, ctypes.byref(low), ctypes.byref(high))
        count = high.value - low.value + 1
        per = ctypes.c_int()
        table = _X11.XGetKeyboardMapping(dpy, low.value, count, ctypes.byref(per))
        spare = [low.value + i for i in range(count)
                 if all(table[i * per.value + j] == 0 for j in range(per.value))]
        _X11.XFree(table)
        if len(spare) < len(characters):
            fail(f"only {len(spare)} spare keycodes for {len(characters)} characters")
        for keycode, ch in zip(spare, characters):
            keysym = 0x1000000 + ord(ch)
            syms = (ctypes.c_ulong * 2)(keysym, keysym)
            _X11.XChangeKeyboardMapping(dpy, keycode, 2, syms, 1)
        _X11.XSync(dpy, 0)
    finally:
        _X11.XCloseDisplay(dpy)


# -- watching the screen for windows -----------------------------------------

_X11.XDefaultRootWindow.restype = ctypes.c_ulong
_X11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
_X11.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
_X11.XPending.argtypes = [ctypes.c_void_p]
_X11.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
_X11.XConnectionNumber.argtypes = [ctypes.c_void_p]
_X11.XInternAtom.restype = ctypes.c_ulong
_X11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
_X11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                            ctypes.c_void_p]
_X11.XFlush.argtypes = [ctypes.c_void_p]
_X11.XCreateSimpleWindow.restype = ctypes.c_ulong
_X11.XCreateSimpleWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                     ctypes.c_uint, ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong,
                                     ctypes.c_ulong]
_X11.XMapWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
_X11.XDestroyWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
_X11.XChangeProperty.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_ulong,
                                 ctypes.c_int, ctypes.c_int, ctypes.c_char_p, ctypes.c_int]
_X11.XDeleteProperty.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong]

_MAP_NOTIFY = 19
_CLIENT_MESSAGE = 33
_SUBSTRUCTURE_NOTIFY_MASK = 1 << 19
_SUBSTRUCTURE_REDIRECT_MASK = 1 << 20


class _XEvent(ctypes.Union):
    _fields_ = [("type", ctypes.c_int), ("longs", ctypes.c_long * 24)]


class MapWatcher:
    """Every window mapped on the screen (as a child of the root) from now on.

    Polling for windows can miss one that comes and goes between two looks;
    the server's MapNotify events miss none.
    """

    def __init__(self, display):
        self.dpy = _X11.XOpenDisplay(display.encode())
        if not self.dpy:
            fail(f"cannot open display {display}")
        self.root = _X11.XDefaultRootWindow(self.dpy)
        _X11.XSelectInput(self.dpy, self.root, _SUBSTRUCTURE_NOTIFY_MASK)
        _X11.XSync(self.dpy, 0)
        self.mapped = []  # (window id, override-redirect)

    def fileno(self):
        return _X11.XConnectionNumber(self.dpy)

    def drain(self):
        """Reads what has arrived so far; returns the windows mapped since the last call."""
        _X11.XSync(self.dpy, 0)
        new = []
        event = _XEvent()
        while _X11.XPending(self.dpy) > 0:
            _X11.XNextEvent(self.dpy, ctypes.byref(event))
            if event.type == _MAP_NOTIFY:
                # XMapEvent: type, serial, send_event, display, event, window, override_redirect
                new.append((event.longs[5], bool(event.longs[6] & 0xFFFFFFFF)))
        self.mapped += new
        return new

    def close(self):
        if self.dpy:
            _X11.XCloseDisplay(self.dpy)
            self.dpy = None

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()
        return False


def _message_to_window_manager(display, window, message, *data):
    """A client message about a window, sent to the root as EWMH asks of pagers."""
    dpy = _X11.XOpenDisplay(display.encode())
    try:
        root = _X11.XDefaultRootWindow(dpy)
        event = _XEvent()
        # XClientMessageEvent: type, serial, send_event, display, window,
        # message_type, format, then data.l[0..4]
        event.longs[0] = _CLIENT_MESSAGE
        event.longs[4] = window
        event.longs[5] = _X11.XInternAtom(dpy, message.encode(), 0)
        event.longs[6] = 32
        for i, value in enumerate(data):
            event.longs[7 + i] = _X11.XInternAtom(dpy, value.encode(), 0) \
                if isinstance(value, str) else value
        _X11.XSendEvent(dpy, root, 0, _SUBSTRUCTURE_NOTIFY_MASK | _SUBSTRUCTURE_REDIRECT_MASK,
                        ctypes.byref(event))
        _X11.XFlush(dpy)
    finally:
        _X11.XCloseDisplay(dpy)


def request_close(display, window):
    """Asks the window manager to close a window (_NET_CLOSE_WINDOW, as wmctrl -c does)."""
    # timestamp 0; source 2: a pager, i.e. the user's direct request
    _message_to_window_manager(display, window, "_NET_CLOSE_WINDOW", 0, 2)


def request_state(display, window, state):
    """Asks the window manager to add a _NET_WM_STATE to a window, as a pager does."""
    # action 1: add; no second state; source 2: a pager
    _message_to_window_manager(display, window, "_NET_WM_STATE", 1, state, 0, 2)


# -- the session ------------------------------------------------------------

class XSession:
    def __init__(self, window_manager=True, accessibility=True, characters="",
                 input_method=False):
        self.window_manager = window_manager
        self.input_method = input_method
        self.accessibility = accessibility
        self.characters = "".join(sorted(set(characters)))
        self.helpers = []    # Xvfb, openbox, dbus-daemon: stopped last
        self.programs = []   # program instances: stopped first
        self.root = None
        self.display = None

    # ---- set-up and tear-down
    def __enter__(self):
        try:
            self._start()
        except BaseException:
            self.__exit__(*sys.exc_info())
            raise
        return self

    def _start(self):
        self.root = tempfile.mkdtemp(prefix="velumo-e2e-")
        self.home = self._folder("home")  # the program's alone, so a test sees what it writes
        self.helper_home = self._folder("helper-home")
        self.runtime_dir = self._folder("run")
        self.tmp = self._folder("tmp")
        self.log = open(os.path.join(self.root, "session.log"), "w")

        read_end, write_end = os.pipe()
        self.xvfb = self._helper(["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                                  "1024x768x24", "-nolisten", "tcp", "-noreset"],
                                 pass_fds=[write_end])
        os.close(write_end)
        number = b""
        deadline = time.monotonic() + WAIT
        while not number.endswith(b"\n"):
            chunk = os.read(read_end, 32)
            if not chunk or time.monotonic() > deadline:
                fail("Xvfb did not report its display number")
            number += chunk
        os.close(read_end)
        self.display = ":" + number.decode().strip()

        # The test process itself talks to this session only (pyatspi reads
        # these when it is first imported).
        for name in ("DISPLAY", "WAYLAND_DISPLAY", "XAUTHORITY", "DBUS_SESSION_BUS_ADDRESS",
                     "AT_SPI_BUS_ADDRESS", "XDG_RUNTIME_DIR", "HOME", "TMPDIR"):
            os.environ.pop(name, None)
        os.environ.update(self.base_env())
        os.environ["HOME"] = self.helper_home

        if self.characters:
            bind_characters(self.display, self.characters)

        bus = self._helper(["dbus-daemon", "--session", "--nofork", "--nopidfile",
                            "--print-address=1"], stdout=subprocess.PIPE)
        address = bus.stdout.readline().decode().strip()
        if not address:
            fail("dbus-daemon gave no address")
        self.bus_address = address
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = address

        if self.input_method:
            self._start_input_method()

        if self.window_manager:
            self._helper(["openbox", "--sm-disable"])
            wait_until(lambda: "window id" in self.xprop_root("_NET_SUPPORTING_WM_CHECK"),
                       "openbox to manage the screen")
            self._wait_for_window_manager_loop()

        if self.accessibility:
            import pyatspi  # after the environment points at this session
            self.pyatspi = pyatspi
            # Asking for the desktop starts the accessibility bus, so that the
            # program finds it already there when it starts.
            pyatspi.Registry.getDesktop(0)

    def _wait_for_window_manager_loop(self):
        """Returns once openbox handles requests, with no client of ours left.

        openbox claims the screen (_NET_SUPPORTING_WM_CHECK) before its event
        loop runs. A map request that reaches it in between can stay unread in
        its queue until some later event wakes it, and a program started then
        never gets its window on screen. So a probe window of our own is mapped
        and the session waits until openbox manages it, changing a root
        property now and then to wake it; the probe then goes, and the client
        list is empty again for the tests that read it.
        """
        dpy = _X11.XOpenDisplay(self.display.encode())
        if not dpy:
            fail(f"cannot open display {self.display}")
        try:
            root = _X11.XDefaultRootWindow(dpy)
            probe = _X11.XCreateSimpleWindow(dpy, root, 0, 0, 16, 16, 0, 0, 0)
            _X11.XMapWindow(dpy, probe)
            _X11.XSync(dpy, 0)
            nudge = _X11.XInternAtom(dpy, b"_VELUMO_E2E_NUDGE", 0)
            string = _X11.XInternAtom(dpy, b"STRING", 0)

            def managed():
                if probe in (int(w, 16) for w in self.client_windows()):
                    return True
                _X11.XChangeProperty(dpy, root, nudge, string, 8, 0, b"x", 1)
                _X11.XSync(dpy, 0)
                return False
            wait_until(managed, "openbox to manage a window")
            _X11.XDeleteProperty(dpy, root, nudge)
            _X11.XDestroyWindow(dpy, probe)
            _X11.XSync(dpy, 0)
        finally:
            _X11.XCloseDisplay(dpy)
        wait_until(lambda: not self.client_windows(), "openbox to let the probe window go")

    def _start_input_method(self):
        """IBus with Anthy in hiragana mode, for programs started with im_env().

        The daemon stays in the foreground (no -d), so that it and the
        engines it starts go with the session. Anthy's settings go through
        dconf, which the bus starts with the helpers' HOME.
        """
        if not shutil.which("ibus-daemon") or not os.path.exists("/usr/libexec/ibus-engine-anthy"):
            raise Skip("IBus with Anthy is not installed (Debian: ibus ibus-anthy)")
        # The engine is a Python program: the system's python3 first.
        env = self.env(HOME=self.helper_home, PATH="/usr/bin:" + os.environ.get("PATH", "/bin"))
        tool = lambda *argv: subprocess.run(argv, env=env, capture_output=True, text=True)
        r = tool("gsettings", "set", "org.freedesktop.ibus.engine.anthy.common", "input-mode", "0")
        if r.returncode != 0:
            fail(f"gsettings set failed: {r.stderr.strip()}")
        p = subprocess.Popen(["ibus-daemon", "-rx", "--panel=disable"], env=env,
                             stdout=self.log, stderr=self.log, preexec_fn=_die_with_parent,
                             start_new_session=True)
        self.helpers.append(p)
        self.ibus_address = wait_until(
            lambda: (lambda a: a if a.startswith("unix:") else None)(tool("ibus", "address").stdout.strip()),
            "ibus-daemon to publish its address")
        def engine_anthy():
            tool("ibus", "engine", "anthy")
            return tool("ibus", "engine").stdout.strip() == "anthy"
        wait_until(engine_anthy, "IBus to switch to the Anthy engine")

    def im_env(self):
        """The program's environment with IBus as its input method."""
        return self.env(QT_IM_MODULE="ibus", XMODIFIERS="@im=ibus", HOME=self.helper_home,
                        IBUS_ADDRESS=self.ibus_address)

    def _folder(self, name):
        path = os.path.join(self.root, name)
        os.mkdir(path, 0o700)
        return path

    def _helper(self, argv, **kwargs):
        kwargs.setdefault("stdout", self.log if hasattr(self, "log") else subprocess.DEVNULL)
        kwargs.setdefault("stderr", self.log if hasattr(self, "log") else subprocess.DEVNULL)
        # A process group of its own: the bus's activated services go with it.
        env = self.env(HOME=self.helper_home) if self.display else \
            {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "HOME": self.helper_home}
        p = subprocess.Popen(argv, env=env,
                             preexec_fn=_die_with_parent, start_new_session=True, **kwargs)
        self.helpers.append(p)
        return p

    def __exit__(self, *exc):
        for p in self.programs:
            _stop(p, group=False)
        for p in reversed(self.helpers):
            _stop(p, group=True)
        if self.root:
            if exc[0] is not None and not issubclass(exc[0], Skip):
                sys.stderr.write(f"session folder kept for inspection: {self.root}\n")
            else:
                shutil.rmtree(self.root, ignore_errors=True)
        return False

    # ---- environment
    def base_env(self):
        env = {
            "PATH": os.environ.get("PATH", "/usr/bin:/bin"),
            "LANG": "C.UTF-8",
            "HOME": self.home,
            "XDG_RUNTIME_DIR": self.runtime_dir,
            "TMPDIR": self.tmp,
            "QT_QPA_PLATFORM": "xcb",
        }
        if self.display:
            env["DISPLAY"] = self.display
        if getattr(self, "bus_address", None):
            env["DBUS_SESSION_BUS_ADDRESS"] = self.bus_address
        if self.accessibility:
            env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        return env

    def env(self, **overrides):
        """The session's environment; an override of None removes the variable."""
        env = self.base_env()
        for name, value in overrides.items():
            if value is None:
                env.pop(name, None)
            else:
                env[name] = value
        return env

    # ---- the program
    def start(self, program, env=None, prefix=()):
        # Each instance writes to a file of its own, so that a failure can
        # quote what that instance said.
        path = os.path.join(self.root, f"program-{len(self.programs)}.log")
        with open(path, "w") as out:
            p = subprocess.Popen([*prefix, program], env=env or self.env(),
                                 stdout=out, stderr=out, preexec_fn=_die_with_parent)
        p.log_path = path
        self.programs.append(p)
        return p

    # ---- X
    def run(self, *argv, check=True):
        r = subprocess.run(argv, env=self.env(), capture_output=True, text=True)
        if check and r.returncode != 0:
            fail(f"{' '.join(argv)} failed ({r.returncode}): {r.stderr.strip()}")
        return r.stdout

    def xdotool(self, *args):
        return self.run("xdotool", *args).strip()

    def key(self, *keys):
        self.xdotool("key", "--clearmodifiers", *keys)

    def type_text(self, text):
        unbound = [ch for ch in text if ord(ch) > 0x7e and ch not in self.characters]
        if unbound:
            fail(f"characters {unbound!r} have no keycode in this session")
        self.xdotool("type", "--delay", "0", text)

    def xprop_root(self, *names):
        return self.run("xprop", "-root", *names, check=False)

    def client_windows(self):
        """The windows the window manager manages, in its _NET_CLIENT_LIST."""
        return re.findall(r"0x[0-9a-f]+", self.xprop_root("_NET_CLIENT_LIST"))

    def visible_windows(self, pid):
        """The viewable windows of one process, popups included."""
        r = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)],
                           env=self.env(), capture_output=True, text=True)
        return sorted(int(w) for w in r.stdout.split())

    def window_title(self, window):
        out = self.run("xprop", "-id", str(window), "_NET_WM_NAME")
        m = re.search(r'= "(.*)"$', out.strip())
        return m.group(1) if m else None

    def wait_for_window(self, program, title):
        """The top-level window of one program instance, once it is viewable."""
        def probe():
            for w in self.visible_windows(program.pid):
                if self.window_title(w) == title:
                    return w
            return None
        return wait_until(probe, f"a window titled {title!r} of process {program.pid}",
                          program=program)

    def geometry(self, window):
        """Absolute x, y, width, height of a window's own area (no frame).

        xwininfo, not `xdotool getwindowgeometry`: the latter is off by the
        frame's border width under openbox.
        """
        out = self.run("xwininfo", "-id", str(window))
        field = lambda name: int(re.search(name + r":\s+(-?\d+)", out).group(1))
        return (field("Absolute upper-left X"), field("Absolute upper-left Y"),
                field("Width"), field("Height"))

    def active_window(self):
        r = subprocess.run(["xdotool", "getactivewindow"], env=self.env(),
                           capture_output=True, text=True)
        return int(r.stdout) if r.returncode == 0 and r.stdout.strip() else None

    def screenshot(self, x, y, width, height):
        """The screen's pixels in a rectangle, as a Picture."""
        r = subprocess.run(["import", "-window", "root", "-crop", f"{width}x{height}+{x}+{y}",
                            "-depth", "8", "rgb:-"], env=self.env(), capture_output=True)
        if r.returncode != 0 or len(r.stdout) != width * height * 3:
            fail(f"screenshot failed: {r.stderr.decode(errors='replace').strip()}")
        return Picture(width, height, r.stdout)


class Picture:
    def __init__(self, width, height, rgb):
        self.width, self.height, self.rgb = width, height, rgb

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.rgb[i:i + 3])

    def crop(self, x, y, width, height):
        rows = [self.rgb[((y + r) * self.width + x) * 3:((y + r) * self.width + x + width) * 3]
                for r in range(height)]
        return Picture(width, height, b"".join(rows))

    def colours(self):
        return {self.rgb[i:i + 3] for i in range(0, len(self.rgb), 3)}


def _stop(p, group):
    if p.poll() is None:
        try:
            if group:
                os.killpg(p.pid, signal.SIGTERM)
            else:
                p.terminate()
            p.wait(5)
        except (subprocess.TimeoutExpired, ProcessLookupError):
            try:
                os.killpg(p.pid, signal.SIGKILL) if group else p.kill()
            except ProcessLookupError:
                pass
            p.wait()
    elif group:
        # Services the bus started live on in its group after it has gone.
        try:
            os.killpg(p.pid, signal.SIGTERM)
        except ProcessLookupError:
            pass


def main(cases, argv=None):
    """Runs the case named on the command line; exit status 0, 1 or SKIPPED."""
    argv = sys.argv[1:] if argv is None else argv
    if argv == ["--list"]:  # for CMake, which makes one test of each case
        print(";".join(cases))
        return 0
    if len(argv) != 2 or argv[1] not in cases:
        sys.stderr.write(f"usage: {sys.argv[0]} PROGRAM CASE, CASE one of {sorted(cases)}\n")
        return 2
    program, name = argv
    try:
        cases[name](program)
    except Skip as s:
        print(f"SKIPPED: {s}")
        return SKIPPED
    except AssertionError as e:
        print(f"FAILED: {e}")
        return 1
    print("passed")
    return 0
