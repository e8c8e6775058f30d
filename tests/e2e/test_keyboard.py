#!/usr/bin/python3
"""The quiz played with real key events: menus, shortcuts, typed kana, Enter."""

import re
import sys

from quizwindow import BLUE, CHOOSE, PICTURE, QUESTION_LINE, RIGHT, TYPE_ANSWER, QuizWindow
from xsession import XSession, expect_equal, fail, main, wait_until

ROW_A = "あいうえお"
NOT_IN_ROW_A = "か"  # a reading outside あ行, so always a wrong answer there
WRONG_VERDICT = re.compile(r"正解は「(.)」でした。")


def wait_question_drawn(window, previous_line):
    """The question picture once question n is on the screen.

    The question line and the picture change in one handler and reach the
    screen in one paint, so a question line drawn anew means its picture is
    drawn too.
    """
    def probe():
        shot = window.screenshot()
        line = shot.crop(*QUESTION_LINE).rgb
        picture = shot.crop(*PICTURE)
        if line == previous_line or bytes(BLUE) in picture.colours():
            return None
        return line, picture.rgb
    return wait_until(probe, "the next question to be drawn")


def full_run(program):
    """Alt+G, Ctrl+A, and a run of ten typed answers ending in the score.

    Wrong answers reveal the reading of the picture shown; a picture seen
    again is then answered right. Ten questions from the five kana of あ行 hold
    at most five first sightings, so at least five answers are right.
    """
    with XSession(characters=ROW_A + NOT_IN_ROW_A) as s:
        p = s.start(program)
        w = QuizWindow(s, p)

        before = s.visible_windows(p.pid)
        s.key("alt+g")
        wait_until(lambda: w.popup_showing("学習(G)"), "Alt+G to show the study menu")
        wait_until(lambda: len(s.visible_windows(p.pid)) > len(before),
                   "the study menu's popup window on the screen")
        s.key("Escape")
        wait_until(lambda: s.visible_windows(p.pid) == before and not w.popup_showing("学習(G)"),
                   "Escape to close the study menu")

        s.key("ctrl+a")
        w.wait_labels("Ctrl+A starts a run of あ行", lblMode="あ行", lblnum="第 1 問",
                      lblSeiseki="正解数 0/0", lblPiece0="", lblPiece1=TYPE_ANSWER, lblTensuu="")

        learnt = {}  # picture → reading, from the verdicts
        right = 0
        line = picture = None
        for n in range(1, 11):
            previous = picture
            line, picture = wait_question_drawn(w, line)
            if picture == previous:
                fail(f"question {n} shows the same kana as question {n - 1}")
            known = learnt.get(picture)
            s.type_text(known or NOT_IN_ROW_A)
            w.wait_answer_text(known or NOT_IN_ROW_A, f"question {n}: typing the answer")
            s.key("Return")
            right += 1 if known else 0
            shown = w.wait_labels(f"question {n}: the tally after Enter",
                                  lblSeiseki=f"正解数 {right}/{n}")
            expect_equal(w.answer_text(), "", f"question {n}: the answer box after the answer")
            verdict = shown["lblPiece0"]
            if known:
                expect_equal(verdict, RIGHT, f"question {n}: verdict on the right reading {known}")
            else:
                m = WRONG_VERDICT.fullmatch(verdict)
                if not m or m.group(1) not in ROW_A:
                    fail(f"question {n}: verdict on the wrong answer {NOT_IN_ROW_A!r} is "
                         f"{verdict!r}, expected 正解は「X」でした。 with X in {ROW_A}")
                learnt[picture] = m.group(1)
            if n < 10:
                w.wait_labels(f"question {n + 1} shown", lblnum=f"第 {n + 1} 問")

        final = w.wait_labels("the score after the tenth answer", lblTensuu=f"{right * 10}点",
                              lblPiece1=CHOOSE)
        expect_equal(final["lblnum"], "第 10 問", "question line after the score")
        expect_equal(final["lblMode"], "あ行", "mode line after the score")
        if right < 5:
            fail(f"only {right} right answers; a picture seen before must be answered right")
        if len(set(learnt.values())) != len(learnt):
            fail(f"two different pictures gave the same reading: {learnt.values()}")

        # With the run over, Enter judges nothing and leaves the box alone.
        s.type_text("あ")
        s.key("Return")
        s.type_text("い")
        w.wait_answer_text("あい", "Enter after the score")
        expect_equal(w.labels(), final, "the window after Enter with no run open")


# Each shortcut, in an order where every row changes the mode line. The box
# holds text with the cursor at its start, so a key that also edited the line
# (Ctrl+K deletes to the end in Qt, Ctrl+H erases a character) would show.
SHORTCUTS = [
    ("ctrl+a", "あ行"), ("ctrl+k", "か行"), ("ctrl+s", "さ行"), ("ctrl+t", "た行"),
    ("ctrl+n", "な行"), ("ctrl+h", "は行"), ("ctrl+m", "ま行"), ("ctrl+y", "や行"),
    ("ctrl+r", "ら行"), ("ctrl+w", "わ行"), ("F1", "あ行～な行"), ("F2", "は行～わ行"),
    ("F3", "あ行～わ行"), ("ctrl+h", "は行"),
]


def shortcuts(program):
    with XSession(characters="あい") as s:
        p = s.start(program)
        w = QuizWindow(s, p)
        windows = s.visible_windows(p.pid)
        s.type_text("あい")
        w.wait_answer_text("あい", "typing into the answer box")
        for keys, mode in SHORTCUTS:
            s.key("Home")
            s.key(keys)
            w.wait_labels(f"{keys} to start {mode}", lblMode=mode, lblnum="第 1 問",
                          lblSeiseki="正解数 0/0", lblPiece1=TYPE_ANSWER)
            expect_equal(w.answer_text(), "あい", f"the answer box after {keys}")
            # F1 is a study mode here, never a help window.
            expect_equal(s.visible_windows(p.pid), windows, f"the program's windows after {keys}")


def menu_escape(program):
    """Alt+G and one Escape give the keyboard back to the answer box.

    Qt would leave the menu bar holding the keyboard with no title drawn
    highlighted: a typed letter vanished and Enter answered.
    """
    with XSession(characters="あ") as s:
        p = s.start(program)
        w = QuizWindow(s, p)
        s.key("ctrl+a")
        w.wait_labels("Ctrl+A starts a run", lblnum="第 1 問")
        s.key("alt+g")
        wait_until(lambda: w.popup_showing("学習(G)"), "Alt+G to show the study menu")
        s.key("Escape")
        wait_until(lambda: not w.popup_showing("学習(G)"), "Escape to close the study menu")
        wait_until(w.answer_focused, "the answer box to have the focus again")
        s.type_text("k")
        w.wait_answer_text("k", "a letter typed after Escape")
        s.key("Return")
        w.wait_labels("Enter answers the typed letter", lblSeiseki="正解数 0/1")


def alt_letters(program):
    """Alt with a letter no menu owns types nothing into the answer box."""
    with XSession(characters=ROW_A) as s:
        p = s.start(program)
        w = QuizWindow(s, p)
        s.key("ctrl+a")
        w.wait_labels("Ctrl+A starts a run", lblnum="第 1 問")
        for keys in ("alt+k", "alt+q", "alt+x", "alt+y", "alt+n"):
            s.key(keys)
        s.type_text("あ")
        w.wait_answer_text("あ", "typing after the Alt letters")


def composition_after_menu(program):
    """A real input method composing か, then Alt+G and Escape: Enter commits, never answers."""
    with XSession(input_method=True) as s:
        p = s.start(program, env=s.im_env())
        w = QuizWindow(s, p)
        s.key("ctrl+a")
        w.wait_labels("Ctrl+A starts a run", lblnum="第 1 問", lblPiece0="")
        s.xdotool("type", "--delay", "50", "ka")
        s.key("alt+g")
        wait_until(lambda: w.popup_showing("学習(G)"), "Alt+G to show the study menu")
        s.key("Escape")
        wait_until(lambda: not w.popup_showing("学習(G)"), "Escape to close the study menu")
        wait_until(w.answer_focused, "the answer box to have the focus again")
        s.key("Return")
        w.wait_answer_text("か", "Enter commits the composition")
        expect_equal(w.labels()["lblPiece0"], "", "the verdict line after the committing Enter")
        expect_equal(w.labels()["lblnum"], "第 1 問", "the question after the committing Enter")
        s.key("Return")
        shown = w.wait_labels("the next Enter answers", lblnum="第 2 問")
        if not shown["lblPiece0"].startswith("正解"):
            fail(f"verdict {shown['lblPiece0']!r} after answering か")


CASES = {"full_run": full_run, "composition_after_menu": composition_after_menu, "shortcuts": shortcuts, "menu_escape": menu_escape,
         "alt_letters": alt_letters}

if __name__ == "__main__":
    sys.exit(main(CASES))
