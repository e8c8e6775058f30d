#!/usr/bin/python3
"""Closing the quiz window: 終了 and the window manager's close requests.

Every way closes at once, asks nothing (no window of the program's own is
mapped after the request), ends the process with status 0 and leaves no file
behind in the home folder.
"""

import os
import sys
import time

from quizwindow import TYPE_ANSWER, QuizWindow
from xsession import (POLL, WAIT, MapWatcher, XSession, expect_equal, fail, main,
                      request_close, wait_until)


def quit_item(s, w):
    s.key("alt+g")
    wait_until(lambda: w.popup_showing("学習(G)"), "Alt+G to show the study menu")
    s.key("x")


def alt_f4(s, w):
    s.key("alt+F4")  # openbox's Close: WM_DELETE_WINDOW to the program


def wm_close_request(s, w):
    request_close(s.display, w.window)  # what a taskbar or `wmctrl -c` sends


# name: (how, whether a run is open and an answer half typed)
ROWS = {
    "quit_item_mid_run": (quit_item, True),
    "quit_item_before_any_mode": (quit_item, False),
    "alt_f4_mid_run": (alt_f4, True),
    "wm_close_request_mid_run": (wm_close_request, True),
}


def close_case(how, mid_run):
    def case(program):
        with XSession(characters="あ") as s:
            p = s.start(program)
            w = QuizWindow(s, p)
            if mid_run:
                s.key("ctrl+k")
                w.wait_labels("Ctrl+K starts a run", lblMode="か行", lblPiece1=TYPE_ANSWER)
                s.type_text("あ")
                w.wait_answer_text("あ", "typing a half answer")
            with MapWatcher(s.display) as watcher:
                how(s, w)
                deadline = time.monotonic() + WAIT
                while p.poll() is None:
                    asked = [win for win, override in watcher.drain() if not override]
                    if asked:
                        fail(f"a window was mapped after the close request: {asked}")
                    if time.monotonic() > deadline:
                        fail(f"the process still runs {WAIT:.0f} s after the close request")
                    time.sleep(POLL)
                asked = [win for win, override in watcher.drain() if not override]
                if asked:
                    fail(f"a window was mapped after the close request: {asked}")
            expect_equal(p.returncode, 0, "exit status")
            expect_equal(os.listdir(s.home), [], "files the program left in its home folder")
    return case


CASES = {name: close_case(*row) for name, row in ROWS.items()}

if __name__ == "__main__":
    sys.exit(main(CASES))
