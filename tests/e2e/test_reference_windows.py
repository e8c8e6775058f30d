#!/usr/bin/python3
"""The charts and the about window beside a quiz run in the real program.

Opening and closing them leaves the run as it was; an open chart comes
forward instead of opening twice; while the about window is open the quiz
takes no input; screen readers see the charts as windows and the about window
as a dialog.
"""

import sys

from quizwindow import RIGHT, TYPE_ANSWER, QuizWindow
from xsession import XSession, expect_equal, fail, main, wait_until

CHART1 = "指文字表（あ行～な行）"
CHART2 = "指文字表（は行～わ行）"
ABOUT = "バージョン情報"


def help_item(s, w, key):
    s.xdotool("windowactivate", "--sync", str(w.window))
    s.key("alt+h")
    wait_until(lambda: w.popup_showing("ヘルプ(H)"), "Alt+H to show the help menu")
    s.key(key)


def windows_titled(s, program, title):
    return [x for x in s.visible_windows(program.pid) if s.window_title(x) == title]


def wait_window(s, program, title):
    return wait_until(lambda: windows_titled(s, program, title), f"a window titled {title!r}",
                      program=program)[0]


def start_run(s, w):
    """A run at question 2, with a half-typed answer in the box."""
    s.key("ctrl+a")
    w.wait_labels("Ctrl+A starts a run", lblMode="あ行", lblnum="第 1 問", lblSeiseki="正解数 0/0",
                  lblPiece1=TYPE_ANSWER)
    s.type_text("い")
    w.wait_answer_text("い", "typing the first answer")
    s.key("Return")
    # The question line is written last, so once it has moved on the whole
    # answer step has been shown.
    labels = w.wait_labels("the first answer", lblnum="第 2 問")
    tally = "正解数 1/1" if labels["lblPiece0"] == RIGHT else "正解数 0/1"
    expect_equal(labels["lblSeiseki"], tally, f"the tally after the verdict {labels['lblPiece0']!r}")
    s.type_text("う")
    w.wait_answer_text("う", "typing the next answer")
    return w.labels()


def run_unchanged(program):
    """Both charts and the about window come and go; the run stays as it was."""
    with XSession(characters="いう") as s:
        p = s.start(program)
        w = QuizWindow(s, p)
        before = start_run(s, w)

        help_item(s, w, "y")
        chart1 = wait_window(s, p, CHART1)
        help_item(s, w, "h")
        chart2 = wait_window(s, p, CHART2)
        help_item(s, w, "a")
        about = wait_window(s, p, ABOUT)
        wait_until(lambda: s.active_window() == about, "the about window to be active")

        # Enter presses OK, the about window's default button.
        s.key("Return")
        wait_until(lambda: not windows_titled(s, p, ABOUT), "OK to close the about window")
        for chart in (chart2, chart1):
            s.xdotool("windowactivate", "--sync", str(chart))
            s.key("alt+F4")
        wait_until(lambda: not windows_titled(s, p, CHART1) and not windows_titled(s, p, CHART2),
                   "the charts to close")

        expect_equal(p.poll(), None, "the program with its quiz window still open")
        expect_equal(w.labels(), before, "the run's labels")
        expect_equal(w.answer_text(), "う", "the answer box")


def chart_comes_forward(program):
    """Choosing an open chart's item again raises that chart; no second one opens."""
    with XSession() as s:
        p = s.start(program)
        w = QuizWindow(s, p)
        help_item(s, w, "y")
        chart = wait_window(s, p, CHART1)
        s.xdotool("windowactivate", "--sync", str(w.window))
        wait_until(lambda: s.active_window() == w.window, "the quiz window to be active again")
        help_item(s, w, "y")
        wait_until(lambda: s.active_window() == chart, "the chart to come forward")
        expect_equal(windows_titled(s, p, CHART1), [chart], "the chart windows")


def about_blocks_the_quiz(program):
    """While the about window is open, shortcuts, 入力 and menus reach nothing."""
    with XSession(characters="あ") as s:
        p = s.start(program)
        w = QuizWindow(s, p)
        # A run first, so that whatever got through would show: a study mode
        # in the mode line, 入力 in the question line.
        s.key("ctrl+k")
        w.wait_labels("Ctrl+K starts a run", lblMode="か行", lblnum="第 1 問", lblPiece1=TYPE_ANSWER)
        s.type_text("あ")
        w.wait_answer_text("あ", "typing an answer")
        before = w.labels()
        help_item(s, w, "a")
        about = wait_window(s, p, ABOUT)
        w.wait(lambda: s.active_window() == about, "the about window to be active")

        s.key("ctrl+a")
        s.key("F3")
        # A click on the quiz window's 入力 and its menu bar.
        x, y = w.client_on_screen()
        s.xdotool("mousemove", "--sync", str(x + 188), str(y + 276), "click", "1")
        s.xdotool("mousemove", "--sync", str(x + 20), str(y - 10), "click", "1")
        expect_equal(windows_titled(s, p, ABOUT), [about], "the about window")

        # The program takes its input in order: once OK, pressed after all
        # that, has closed the about window, the keys and clicks before it
        # have been dealt with.
        s.xdotool("windowactivate", "--sync", str(about))
        s.key("Return")
        w.wait(lambda: not windows_titled(s, p, ABOUT), "OK to close the about window")
        if w.popup_showing("学習(G)"):
            fail("the study menu opened while the about window was open")
        expect_equal(w.labels(), before, "the quiz window's labels after the about window")
        expect_equal(w.answer_text(), "あ", "the answer box after the about window")

        s.xdotool("windowactivate", "--sync", str(w.window))
        s.key("ctrl+a")
        w.wait_labels("Ctrl+A after the about window closed", lblMode="あ行")


def on_the_accessibility_bus(program):
    """The charts are windows to a screen reader and the about window a dialog, named by their titles."""
    with XSession() as s:
        p = s.start(program)
        w = QuizWindow(s, p)

        def top_level(role, title):
            return [acc for acc in w.app
                    if acc is not None and acc.getRoleName() == role and acc.name == title]

        def extents(acc):
            e = acc.queryComponent().getExtents(s.pyatspi.DESKTOP_COORDS)
            return e.x, e.y, e.width, e.height

        for key, title, role in (("y", CHART1, "frame"), ("h", CHART2, "frame"),
                                 ("a", ABOUT, "dialog")):
            help_item(s, w, key)
            window = wait_window(s, p, title)
            found = w.wait(lambda: top_level(role, title),
                           f"a {role} named {title!r} on the accessibility bus")
            expect_equal(len(found), 1, f"{role}s named {title!r}")
            expect_equal(extents(found[0]), s.geometry(window), f"the place of the {role} {title!r}")


CASES = {
    "run_unchanged": run_unchanged,
    "chart_comes_forward": chart_comes_forward,
    "about_blocks_the_quiz": about_blocks_the_quiz,
    "on_the_accessibility_bus": on_the_accessibility_bus,
}

if __name__ == "__main__":
    sys.exit(main(CASES))
