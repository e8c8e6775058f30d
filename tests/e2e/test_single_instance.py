#!/usr/bin/python3
"""One instance at a time, with real processes.

A start that finds another instance running ends with status 0 before any
window of its own is mapped; the MapWatcher sees every window the server maps,
so even one shown for a moment would count.
"""

import os
import stat
import sys

from quizwindow import TITLE, QuizWindow, expect_exit_status
from xsession import MapWatcher, XSession, expect_equal, fail, main, wait_until

LOCK = "velumo.lock"


def expect_refused(s, program, what, env=None, prefix=()):
    """Starts the program once more and checks that it ends silently."""
    with MapWatcher(s.display) as watcher:
        late = s.start(program, env=env, prefix=prefix)
        expect_exit_status(late, 0, what)
        expect_equal(watcher.drain(), [], f"{what}: windows mapped")


def second_start(program):
    """The running instance keeps its window and its run unchanged."""
    with XSession(characters="か") as s:
        first = s.start(program)
        w = QuizWindow(s, first)
        s.key("ctrl+a")
        w.wait_labels("Ctrl+A starts a run", lblnum="第 1 問")
        s.type_text("か")
        s.key("Return")
        before = w.wait_labels("the first answer", lblSeiseki="正解数 0/1")
        s.type_text("か")
        w.wait_answer_text("か", "typing the next answer")

        expect_refused(s, program, "a second start while the first runs")

        expect_equal(first.poll(), None, "the first instance after the second start")
        expect_equal(w.labels(), before, "the first instance's labels after the second start")
        expect_equal(w.answer_text(), "か", "the first instance's answer box")
        expect_equal(s.active_window(), w.window, "the active window after the second start")
        expect_equal(s.visible_windows(first.pid), [w.window], "the first instance's windows")


def after_sigkill(program):
    """A lock file left by a killed instance does not hold the next start back."""
    with XSession(accessibility=False) as s:
        first = s.start(program)
        s.wait_for_window(first, TITLE)
        first.kill()
        first.wait()
        lock = os.path.join(s.runtime_dir, LOCK)
        if not os.path.exists(lock):
            fail(f"no lock file at {lock} after the killed instance")

        second = s.start(program)
        window = s.wait_for_window(second, TITLE)
        # The new instance holds the lock itself: a third start is refused.
        expect_refused(s, program, "a start while the instance after the kill runs")
        expect_equal(second.poll(), None, "the instance started after the kill")
        expect_equal(s.visible_windows(second.pid), [window], "its windows")


def waiting_at_gate(pid):
    try:
        with open(f"/proc/{pid}/wchan") as f:
            wchan = f.read()
    except OSError:
        return False
    return "pipe_read" in wchan or wchan == "0"  # "0": the kernel does not tell


def many_at_once(program, count=50):
    """Starts released together through one gate: exactly one instance stays."""
    with XSession(accessibility=False) as s:
        gate = os.path.join(s.root, "gate")
        os.mkfifo(gate)
        # Held open for writing, so every start's read blocks until its line
        # comes, however late it opens the gate; exec keeps the pid.
        gate_fd = os.open(gate, os.O_RDWR)
        held = ["sh", "-c", 'read _ < "$0"; exec "$1"', gate]
        try:
            with MapWatcher(s.display) as watcher:
                starts = [s.start(program, prefix=held) for _ in range(count)]
                wait_until(lambda: all(waiting_at_gate(p.pid) for p in starts),
                           f"all {count} starts to wait at the gate")
                os.write(gate_fd, b"\n" * count)
                wait_until(lambda: sum(p.poll() is not None for p in starts) >= count - 1,
                           f"{count - 1} of {count} starts to end")
                running = [p for p in starts if p.poll() is None]
                ended = [p.returncode for p in starts if p.poll() is not None]
                expect_equal(len(running), 1, "instances still running")
                expect_equal(sorted(set(ended)), [0], "exit statuses of the refused starts")
                window = s.wait_for_window(running[0], TITLE)
                mapped = [w for w, override in watcher.drain() if not override]
                expect_equal(len(mapped), 1, f"windows mapped by {count} starts")
                expect_equal([int(w, 16) for w in s.client_windows()], [window],
                             "windows on the screen")
        finally:
            os.close(gate_fd)


# -- where the lock goes ------------------------------------------------------

def read_only_prefix(folder):
    """A command prefix under which the folder cannot be written to, root or not."""
    if os.geteuid() == 0:
        # Root writes into any folder whatever its mode; a read-only bind
        # mount in a mount namespace of the program's own stops it.
        return ["unshare", "--mount", "sh", "-c",
                'mount --bind -o ro "$0" "$0" && exec "$1"', folder]
    os.chmod(folder, 0o500)
    return []


# Each row sets up the runtime folder and gives (XDG_RUNTIME_DIR, the folders
# the lock may be in, a command prefix); FALLBACK stands for
# $TMPDIR/velumo-<uid>.
FALLBACK = "fallback"


def runtime_dir_usable(s):
    return s.runtime_dir, [s.runtime_dir], []


def runtime_dir_missing(s):
    # Qt makes a missing runtime folder (0700) while the application starts,
    # before our lock is taken; either place keeps one instance.
    path = os.path.join(s.root, "no-such-folder")
    return path, [path, FALLBACK], []


def runtime_dir_not_a_folder(s):
    path = os.path.join(s.root, "a-file")
    open(path, "w").close()
    return path, [FALLBACK], []


def runtime_dir_read_only(s):
    path = os.path.join(s.root, "read-only")
    os.mkdir(path, 0o700)
    return path, [FALLBACK], read_only_prefix(path)


def runtime_dir_unset(s):
    return None, [FALLBACK], []


def runtime_dir_empty(s):
    return "", [FALLBACK], []


RUNTIME_DIRS = {
    "usable": runtime_dir_usable,
    "missing": runtime_dir_missing,
    "not_a_folder": runtime_dir_not_a_folder,
    "read_only": runtime_dir_read_only,
    "unset": runtime_dir_unset,
    "empty": runtime_dir_empty,
}


def runtime_dir_case(setup):
    def case(program):
        with XSession(accessibility=False) as s:
            folder, places, prefix = setup(s)
            env = s.env(XDG_RUNTIME_DIR=folder)
            first = s.start(program, env=env, prefix=prefix)
            s.wait_for_window(first, TITLE)

            fallback = os.path.join(s.tmp, f"velumo-{os.getuid()}")
            places = [fallback if p == FALLBACK else p for p in places]
            locks = [p for p in places if os.path.exists(os.path.join(p, LOCK))]
            if len(locks) != 1:
                fail(f"lock files in {locks}, expected one in one of {places}")
            if locks[0] == fallback:
                mode = stat.S_IMODE(os.stat(fallback).st_mode)
                expect_equal(oct(mode), oct(0o700), "the fallback folder's permissions")

            expect_refused(s, program, "a second start with the same environment",
                           env=env, prefix=prefix)
            expect_equal(first.poll(), None, "the first instance after the second start")
    return case


# -- the quiz closed while a chart stays open ---------------------------------

CHART_TITLE = "指文字表（あ行～な行）"


def charts_only(program):
    """After 終了 with a chart open, the process lives on and still refuses a start."""
    with XSession() as s:
        first = s.start(program)
        w = QuizWindow(s, first)
        s.key("alt+h")
        wait_until(lambda: w.popup_showing("ヘルプ(H)"), "Alt+H to show the help menu")
        s.key("y")
        chart = wait_until(lambda: [x for x in s.visible_windows(first.pid)
                                    if s.window_title(x) == CHART_TITLE],
                           "the chart window")[0]

        s.xdotool("windowactivate", "--sync", str(w.window))
        s.key("alt+g")
        wait_until(lambda: w.popup_showing("学習(G)"), "Alt+G to show the study menu")
        s.key("x")
        wait_until(lambda: w.window not in s.visible_windows(first.pid), "the quiz window to close")
        expect_equal(first.poll(), None, "the process with a chart still open")
        expect_equal(s.visible_windows(first.pid), [chart], "the windows left")

        expect_refused(s, program, "a start while only a chart is open")

        s.xdotool("windowactivate", "--sync", str(chart))
        s.key("alt+F4")
        expect_exit_status(first, 0, "closing the last chart")
        after = s.start(program)
        s.wait_for_window(after, TITLE)


CASES = {
    "second_start": second_start,
    "after_sigkill": after_sigkill,
    "many_at_once": many_at_once,
    "charts_only": charts_only,
    **{f"runtime_dir_{name}": runtime_dir_case(setup) for name, setup in RUNTIME_DIRS.items()},
}

if __name__ == "__main__":
    sys.exit(main(CASES))
