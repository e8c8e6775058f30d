#!/usr/bin/python3
"""The session's waiting: a program that ends or stalls while a test waits.

A test waiting for a window, a label or a key's effect must say at once that
the program has ended, and why, instead of reporting a timeout much later
with no word of the program's own; a program that runs on without getting
anywhere is reported with its state and its threads' stacks. And a session
whose window manager is slow to get going still shows a program's window.
"""

import ctypes
import os
import shutil
import signal
import sys
import threading
import time

from quizwindow import QuizWindow
import xsession
from xsession import XSession, fail, main, wait_until


def expect_reported(attempt, *expected):
    """attempt() fails, and its message holds every expected text."""
    try:
        attempt()
    except AssertionError as e:
        missing = [text for text in expected if text not in str(e)]
        if missing:
            fail(f"the failure does not say {missing}: {e}")
        return
    fail("the wait went on as if the program still ran")


def death_at_start(program):
    """No platform plugin: Qt gives up before any window shows."""
    with XSession(accessibility=False) as s:
        p = s.start(program, env=s.env(QT_QPA_PLATFORM="nosuchplatform"))
        expect_reported(lambda: s.wait_for_window(p, "Velumo手話学習"),
                        "killed by SIGABRT", 'Could not find the Qt platform plugin "nosuchplatform"')


def death_during_a_run(program):
    """The program dies while a test waits for a label to change."""
    with XSession() as s:
        p = s.start(program)
        w = QuizWindow(s, p)
        os.kill(p.pid, signal.SIGKILL)
        expect_reported(lambda: w.wait_labels("a mode that never starts", lblMode="あ行"),
                        "killed by SIGKILL")


def stall_at_start(program):
    """The program is stopped before it runs: the timeout says where it stands."""
    with XSession(accessibility=False) as s:
        p = s.start(program, prefix=["sh", "-c", 'kill -STOP $$; exec "$0"'])
        expected = [f"the program (pid {p.pid}) still runs", "State:\tT (stopped)"]
        if shutil.which("gdb"):
            expected.append("Thread 1")
        try:
            expect_reported(lambda: wait_until(lambda: s.visible_windows(p.pid), "a window",
                                               timeout=1, program=p), *expected)
        finally:
            os.kill(p.pid, signal.SIGCONT)


class _StallingWindowManager(XSession):
    """A session whose openbox stops for a while right after it claims the screen.

    That is the moment before its event loop runs, where a map request can
    be left unread; a loaded machine gives the same pause now and then.
    """

    def _helper(self, argv, **kwargs):
        if argv[0] != "openbox":
            return super()._helper(argv, **kwargs)
        x = xsession._X11
        dpy = x.XOpenDisplay(self.display.encode())
        root = x.XDefaultRootWindow(dpy)
        x.XSelectInput(dpy, root, 1 << 22)  # PropertyChangeMask, before openbox starts
        x.XSync(dpy, 0)
        check = x.XInternAtom(dpy, b"_NET_SUPPORTING_WM_CHECK", 0)
        wm = super()._helper(argv, **kwargs)

        def stall():
            event = xsession._XEvent()
            try:
                while True:
                    x.XNextEvent(dpy, ctypes.byref(event))
                    # XPropertyEvent: type, serial, send_event, display, window, atom
                    if event.type == 28 and event.longs[5] == check:
                        break
                os.kill(wm.pid, signal.SIGSTOP)
                time.sleep(1.5)
                os.kill(wm.pid, signal.SIGCONT)
            finally:
                x.XCloseDisplay(dpy)
        threading.Thread(target=stall, daemon=True).start()
        return wm


def window_manager_slow_to_start(program):
    """Without the session waiting for openbox's event loop, about half of
    these starts never got their window on screen."""
    for _ in range(3):
        with _StallingWindowManager(accessibility=False) as s:
            p = s.start(program)
            s.wait_for_window(p, "Velumo手話学習")


CASES = {"death_at_start": death_at_start, "death_during_a_run": death_during_a_run,
         "stall_at_start": stall_at_start,
         "window_manager_slow_to_start": window_manager_slow_to_start}

if __name__ == "__main__":
    sys.exit(main(CASES))
