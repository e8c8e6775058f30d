#!/usr/bin/python3
"""What the quiz window shows: read through the accessibility bus and off the screen."""

import sys

from quizwindow import (BLUE, CHOOSE, CLIENT_ON_SCREEN, CLIENT_SIZE, LABEL_PLACES, PICTURE,
                        TITLE, QuizWindow)
from xsession import XSession, expect_equal, fail, main, wait_until


def first_display(program):
    """Before any study mode only the instruction line has a text; 入力 does nothing."""
    with XSession(characters="あい") as s:
        p = s.start(program)
        w = QuizWindow(s, p)
        expect_equal(w.frame.name, TITLE, "window title on the accessibility bus")
        expect_equal(s.window_title(w.window), TITLE, "window title on the X window")

        texts = w.label_texts()
        for place, name in LABEL_PLACES.items():
            if place not in texts:
                fail(f"no label at {place} for {name}; labels seen: {texts}")
        non_empty = {place: text for place, text in texts.items() if text}
        expect_equal(non_empty, {(8, 248): CHOOSE}, "the labels with a text at first display")
        expect_equal(w.answer_text(), "", "the answer box at first display")
        expect_equal((w.checked("ON(Y)"), w.checked("OFF(N)")), (False, True),
                     "check marks of ON and OFF at first display")

        # 入力 before a study mode: no verdict, no tally, the box keeps its text.
        s.type_text("あ")
        s.key("Return")
        s.type_text("い")
        w.wait_answer_text("あい", "Enter before any study mode")
        expect_equal(w.label_texts(), texts, "the labels after Enter before any study mode")


def near_grey(rgb):
    return max(rgb) - min(rgb) <= 24


def look(program):
    """The light-blue client area at its place, and a drawing in the picture box once asked."""
    with XSession() as s:
        p = s.start(program)
        w = QuizWindow(s, p)
        origin = w.client_on_screen()
        # The window manager honours the stored place; so does the bus's view.
        expect_equal(origin, CLIENT_ON_SCREEN, "client area's top-left corner on the screen")
        expect_equal(w.client_origin(), origin, "client area on the accessibility bus")

        px, py, pw, ph = PICTURE
        background = [(0, 0), (CLIENT_SIZE[0] - 1, 0), (0, CLIENT_SIZE[1] - 1),
                      (CLIENT_SIZE[0] - 1, CLIENT_SIZE[1] - 1), (300, 180), (350, 240),
                      (px - 1, py), (px, py - 1), (px + pw, py + ph - 1), (px + pw - 1, py + ph)]
        inside = [(px, py), (px + pw - 1, py + ph - 1), (px + pw // 2, py + ph // 2)]

        shot = w.screenshot()
        for x, y in background + inside:
            expect_equal(shot.pixel(x, y), BLUE, f"client pixel ({x}, {y}) before any study mode")

        s.key("ctrl+a")
        w.wait_labels("Ctrl+A starts a run", lblnum="第 1 問")
        def drawn():
            box = w.screenshot().crop(*PICTURE)
            return box if bytes(BLUE) not in box.colours() else None
        picture = wait_until(drawn, "the first question's picture in the picture box")
        shot = w.screenshot()
        for x, y in background:
            expect_equal(shot.pixel(x, y), BLUE, f"client pixel ({x}, {y}) around the picture")
        for x, y in inside:
            if shot.pixel(x, y) == BLUE:
                fail(f"client pixel ({x}, {y}) inside the picture box shows the background")
        colours = picture.colours()
        greys = sum(1 for i in range(0, len(picture.rgb), 3) if near_grey(picture.rgb[i:i + 3]))
        if len(colours) < 3 or greys < 0.9 * pw * ph:
            fail(f"the picture box holds {len(colours)} colours, {greys} near-grey pixels "
                 f"of {pw * ph}: not a grey line drawing")


CASES = {"first_display": first_display, "look": look}

if __name__ == "__main__":
    sys.exit(main(CASES))
