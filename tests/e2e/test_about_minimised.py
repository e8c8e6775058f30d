#!/usr/bin/python3
"""Minimising around the modal about window under openbox.

openbox offers to minimise the about window although it asks for no minimise
button, and the quiz window can be minimised while the about window blocks it.
Whatever is minimised, the about window must never stay hidden while the quiz
window shows: the learner gets it back through the quiz window (whose taskbar
button asks the window manager to activate it), OK closes it, and the quiz
takes keys again.
"""

import re
import sys

from quizwindow import QuizWindow
from xsession import XSession, expect_equal, main, request_state, wait_until

ABOUT = "バージョン情報"
OK_BUTTON = (112, 80, 73, 25)  # in the about window's client area


def wm_state(s, window):
    """The ICCCM state the window manager gives a window: Normal, Iconic, or None."""
    out = s.run("xprop", "-id", str(window), "WM_STATE", check=False)
    m = re.search(r"window state: (\w+)", out)
    return m.group(1) if m else None


def open_about(s, w, p):
    s.key("alt+h")
    w.wait(lambda: w.popup_showing("ヘルプ(H)"), "Alt+H to show the help menu")
    s.key("a")
    about = w.wait(lambda: [x for x in s.visible_windows(p.pid) if s.window_title(x) == ABOUT],
                   "the about window")[0]
    w.wait(lambda: s.active_window() == about, "the about window to be active")
    return about


def minimise_through_xdotool(s, window):
    s.xdotool("windowminimize", str(window))  # WM_CHANGE_STATE, as a minimise button does


def hide_through_state_message(s, window):
    request_state(s.display, window, "_NET_WM_STATE_HIDDEN")


# name: (how, which window)
ROWS = {
    "about_minimised_through_xdotool": (minimise_through_xdotool, "about"),
    "about_hidden_through_state_message": (hide_through_state_message, "about"),
    "quiz_minimised_through_xdotool": (minimise_through_xdotool, "quiz"),
    "quiz_hidden_through_state_message": (hide_through_state_message, "quiz"),
}


def minimise_case(how, which):
    def case(program):
        with XSession() as s:
            p = s.start(program)
            w = QuizWindow(s, p)
            about = open_about(s, w, p)
            quiz = w.window
            place = s.geometry(about)

            target = about if which == "about" else quiz
            how(s, target)
            w.wait(lambda: wm_state(s, target) == "Iconic", f"openbox to minimise the {which} window")
            w.wait(lambda: wm_state(s, about) == "Normal" or wm_state(s, quiz) == "Iconic",
                   "the about window to come back or to go with the quiz window")

            # The quiz window's taskbar button, or Alt+Tab to it.
            s.xdotool("windowactivate", str(quiz))
            w.wait(lambda: {about, quiz} <= set(s.visible_windows(p.pid)),
                   "the quiz window and the about window on the screen")
            # openbox animates the restore; the window is back once it stands
            # where it stood.
            w.wait(lambda: s.geometry(about) == place, f"the about window back at {place}")
            w.wait(lambda: s.active_window() == about, "the about window to take the keyboard")

            x, y, _, _ = place
            bx, by, bw, bh = OK_BUTTON
            s.xdotool("mousemove", "--sync", str(x + bx + bw // 2), str(y + by + bh // 2),
                      "click", "1")
            w.wait(lambda: about not in s.visible_windows(p.pid), "OK to close the about window")
            s.xdotool("windowactivate", "--sync", str(quiz))
            s.key("ctrl+a")
            w.wait_labels("Ctrl+A after the about window closed", lblMode="あ行")
            expect_equal(p.poll(), None, "the program")
    return case


CASES = {name: minimise_case(*row) for name, row in ROWS.items()}

if __name__ == "__main__":
    sys.exit(main(CASES))
