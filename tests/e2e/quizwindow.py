"""The quiz window as the accessibility bus shows it to a screen reader.

Labels carry no identifier on the bus, so each is found by where it stands in
the client area; the places are those the window definition gives them.
"""

from xsession import WAIT, expect_equal, fail, wait_until

TITLE = "Velumo手話学習"
CLIENT_SIZE = (387, 297)
CLIENT_ON_SCREEN = (114, 276)
PICTURE = (8, 32, 256, 192)  # x, y, width, height in the client area
QUESTION_LINE = (24, 8, 65, 17)
BLUE = (153, 204, 255)

LABEL_PLACES = {
    (24, 8): "lblnum",
    (8, 232): "lblPiece0",
    (8, 248): "lblPiece1",
    (280, 40): "lblMode",
    (280, 64): "lblSeiseki",
    (280, 104): "lblTensuu",
}

CHOOSE = "学習する内容を選択してください。"
TYPE_ANSWER = "指文字の読み方をテキストボックスに入力してください。"
RIGHT = "正解でした。"


class QuizWindow:
    def __init__(self, session, program):
        self.session = session
        self.pyatspi = session.pyatspi
        self.program = program
        self.window = session.wait_for_window(program, TITLE)
        self.app = self.wait(self._application, f"process {program.pid} on the accessibility bus")
        self.frame = self.wait(lambda: self._find(self.app, role="frame", name=TITLE),
                               "the quiz window's frame on the accessibility bus")
        self.client = self.wait(self._client, "the client area on the accessibility bus")
        # Keys go to the focused window: wait until it is ours and the answer
        # box holds the focus.
        self.wait(lambda: session.active_window() == self.window, "the quiz window to be active")
        self.wait(self.answer_focused, "the answer box to have the focus")

    def wait(self, probe, what):
        """wait_until, failing at once should the program end meanwhile."""
        return wait_until(probe, what, program=self.program)

    # ---- finding accessibles
    def _application(self):
        for app in self.pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == self.program.pid:
                return app
        return None

    def _find(self, node, role=None, name=None):
        for child in node:
            if child is None:
                continue
            if (role is None or child.getRoleName() == role) and \
                    (name is None or child.name == name):
                return child
            found = self._find(child, role, name)
            if found is not None:
                return found
        return None

    def _extents(self, acc):
        e = acc.queryComponent().getExtents(self.pyatspi.DESKTOP_COORDS)
        return e.x, e.y, e.width, e.height

    def _client(self):
        for child in self.frame:
            if child is not None and child.getRoleName() == "filler" and \
                    self._extents(child)[2:] == CLIENT_SIZE:
                return child
        return None

    def client_origin(self):
        return self._extents(self.client)[:2]

    # ---- the display slots
    def label_texts(self):
        """Every label of the client area: {place in the client: text}."""
        ox, oy = self.client_origin()
        texts = {}
        for child in self.client:
            if child is not None and child.getRoleName() == "label":
                x, y, _, _ = self._extents(child)
                texts[(x - ox, y - oy)] = child.name
        return texts

    def labels(self):
        """The six named labels' texts; fails if one of them cannot be found."""
        texts = self.label_texts()
        missing = [name for place, name in LABEL_PLACES.items() if place not in texts]
        if missing:
            fail(f"labels {missing} not found at their places; labels seen: {texts}")
        return {name: texts[place] for place, name in LABEL_PLACES.items()}

    def wait_labels(self, what, **expected):
        """Waits until the named labels read exactly the expected texts."""
        def probe():
            current = self.labels()
            return current if all(current[k] == v for k, v in expected.items()) else None
        try:
            return self.wait(probe, what)
        except AssertionError:
            if self.program.poll() is not None:
                raise
            fail(f"{what}: expected {expected}, the window shows {self.labels()}")

    def answer_box(self):
        box = self._find(self.client, role="text")
        if box is None:
            fail("no answer box on the accessibility bus")
        return box

    def answer_text(self):
        return self.answer_box().queryText().getText(0, -1)

    def answer_focused(self):
        return self.answer_box().getState().contains(self.pyatspi.STATE_FOCUSED)

    def wait_answer_text(self, expected, what):
        self.wait(lambda: self.answer_text() == expected,
                  f"{what}: the answer box to read {expected!r} (it reads {self.answer_text()!r})")

    # ---- the menu bar
    def menu_item(self, caption):
        item = self._find(self.frame, role="menu item", name=caption)
        if item is None:
            fail(f"no menu item {caption!r}")
        return item

    def popup_showing(self, menu_caption):
        popup = self._find(self.menu_item(menu_caption), role="popup menu")
        return popup is not None and popup.getState().contains(self.pyatspi.STATE_SHOWING)

    def checked(self, caption):
        return self.menu_item(caption).getState().contains(self.pyatspi.STATE_CHECKED)

    # ---- the screen
    def client_on_screen(self):
        """The client area's top-left corner on the screen, from the X window's geometry.

        The window is the client area with the menu bar on top of it.
        """
        x, y, width, height = self.session.geometry(self.window)
        if width != CLIENT_SIZE[0] or height <= CLIENT_SIZE[1]:
            fail(f"window is {width}x{height}; expected a client area of {CLIENT_SIZE} under a menu bar")
        return x, y + height - CLIENT_SIZE[1]

    def screenshot(self):
        """The client area's pixels."""
        return self.session.screenshot(*self.client_on_screen(), *CLIENT_SIZE)


def wait_exit(program, what, timeout=WAIT):
    try:
        return program.wait(timeout)
    except Exception:
        fail(f"{what}: the process still runs after {timeout:.0f} s")


def expect_exit_status(program, expected, what):
    expect_equal(wait_exit(program, what), expected, f"{what}: exit status")
