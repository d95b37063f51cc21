"""Drives the real lumora window through the desktop accessibility interface and real key
presses, one fresh program per scenario. Which recording was played is learnt from the files
the program opens in its sound folder; that a sound was heard again is learnt from the mixed
output of SDL's disk audio driver.

Usage (under an X server and a D-Bus session): window_e2e.py path/to/lumora
"""

import ctypes
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import time
import traceback

import gi

gi.require_version("Atspi", "2.0")
import pyatspi  # noqa: E402
from gi.repository import Atspi, GLib  # noqa: E402

SOUND_FOLDER = "韓国語ヒヤリング音源"
PICTURE_FOLDER = "ハングル画像"
TIMEOUT = 20.0
KEY_WAIT = 1.2  # longer than the answer keys wait after a question, a box key or a verdict

SINO_RECORDING = re.compile(r"^漢数詞(\d{3})_00\.wav$")
WEEKDAY_RECORDING = re.compile(r"^(.曜)\d_00\.wav$")
HARD_RECORDING = re.compile(r"^難聴音(.+)_00\.wav$")


class Failure(Exception):
    pass


LIVE_WINDOWS = []  # the running programs, to hand each its accessibility events


def pump_events():
    context = GLib.MainContext.default()
    while context.iteration(False):
        pass


def wait_for(condition, what, timeout=TIMEOUT):
    """Polls `condition` (pumping accessibility events) until it returns a true value."""
    deadline = time.monotonic() + timeout
    while True:
        pump_events()
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure("timed out waiting for " + what)
        time.sleep(0.02)


class OpenedFiles:
    """The files opened, and written and closed, in one folder, in order (inotify)."""

    IN_OPEN = 0x20
    IN_CLOSE_WRITE = 0x08
    IN_MOVED_TO = 0x80
    IN_CREATE = 0x100
    WRITTEN = IN_CLOSE_WRITE | IN_MOVED_TO | IN_CREATE
    IN_NONBLOCK = 0o4000

    def __init__(self, folder):
        self._libc = ctypes.CDLL("libc.so.6", use_errno=True)
        self._fd = self._libc.inotify_init1(self.IN_NONBLOCK)
        if self._fd < 0:
            raise OSError(ctypes.get_errno(), "inotify_init1")
        mask = self.IN_OPEN | self.WRITTEN
        if self._libc.inotify_add_watch(self._fd, folder.encode(), mask) < 0:
            raise OSError(ctypes.get_errno(), "inotify_add_watch")
        self.opened = []
        self.written = []

    def _read(self):
        while True:
            try:
                data = os.read(self._fd, 65536)
            except BlockingIOError:
                return
            offset = 0
            while offset < len(data):
                _, mask, _, length = struct.unpack_from("iIII", data, offset)
                name = data[offset + 16 : offset + 16 + length].rstrip(b"\0").decode()
                offset += 16 + length
                if mask & self.IN_OPEN:
                    self.opened.append(name)
                if mask & self.WRITTEN:
                    self.written.append(name)

    def mark(self):
        self._read()
        return len(self.opened)

    def next_matching(self, pattern, since, what):
        def found():
            self._read()
            for name in self.opened[since:]:
                match = pattern.match(name)
                if match:
                    return match
            return None

        return wait_for(found, what)

    def was_written(self, name):
        self._read()
        return name in self.written

    def close(self):
        os.close(self._fd)


class DiskAudio:
    """The mixed output written by SDL's disk driver: 16-bit stereo at 44100 Hz, in real time."""

    BYTES_PER_SECOND = 44100 * 4

    def __init__(self, path):
        self.path = path

    def size(self):
        return os.path.getsize(self.path) if os.path.exists(self.path) else 0

    def _bytes(self, start):
        with open(self.path, "rb") as f:
            f.seek(start)
            return f.read()

    def silent_for(self, seconds):
        length = int(seconds * self.BYTES_PER_SECOND)
        end = self.size()
        return end >= length and not any(self._bytes(end - length))

    def sounded_after(self, offset):
        return any(self._bytes(offset))


class Window:
    """One running lumora, or another program of the app folder titled `title`, and its
    accessible window."""

    def __init__(self, program, app_dir, args=(), title="Lumora", env=None):
        self.app_dir = app_dir
        self.sound_dir = os.path.join(app_dir, SOUND_FOLDER)
        self.files = OpenedFiles(self.sound_dir)
        self.audio = DiskAudio(os.path.join(app_dir, "audio.raw"))
        # The learning record of each scenario's learner is kept beside its program.
        env = dict(os.environ, SDL_DISKAUDIOFILE=self.audio.path,
                   XDG_DATA_HOME=os.path.join(app_dir, "data"), **(env or {}))
        self.process = subprocess.Popen([program, *args], env=env, cwd=app_dir)
        self.verdicts = []
        LIVE_WINDOWS.append(self)
        self.app = wait_for(self._find_app, "the window on the accessibility bus")
        self.frame = wait_for(
            lambda: next((w for w in self.app if w and w.name == title), None), "the frame")
        # The controls, indexed once by role, name and description as the window starts.
        self._controls = self.all(None, root=self.frame)
        # From now on every read asks the program itself: nothing stale from a cache.
        self.app.set_cache_mask(Atspi.Cache.NONE)
        self._cache = {}
        self.x_window = wait_for(self._x_window, "the X window")
        self.focus_x()

    def _find_app(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            try:
                if app and app.get_process_id() == self.process.pid and app.childCount > 0:
                    return app
            except Exception:  # an application leaving the bus meanwhile
                continue
        return None

    def _x_window(self):
        found = subprocess.run(
            ["xdotool", "search", "--onlyvisible", "--pid", str(self.process.pid)],
            capture_output=True, text=True)
        return found.stdout.split()[0] if found.returncode == 0 and found.stdout else None

    def focus_x(self):
        subprocess.run(["xdotool", "windowfocus", "--sync", self.x_window], check=True)

    def keys(self, *names):
        subprocess.run(["xdotool", "key", "--clearmodifiers", *names], check=True)

    def click(self, accessible):
        box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        subprocess.run(["xdotool", "mousemove", "--sync", str(box.x + box.width // 2),
                        str(box.y + box.height // 2), "click", "1"], check=True)

    # ---- Finding controls ---------------------------------------------------------------
    def all(self, role, name=None, description=None, root=None):
        matches = []

        def walk(node):
            for child in node:
                try:
                    if (role is None or child.getRole() == role) and (
                            name is None or child.name == name) and (
                            description is None or child.description == description):
                        matches.append((child.getRole(), child.name, child.description, child))
                    if child.getRole() != pyatspi.ROLE_COMBO_BOX or role is None:
                        walk(child)
                except Exception:  # a window closing meanwhile
                    continue

        walk(root or self.frame)
        return [match[3] for match in matches] if role is not None else matches

    def one(self, role, name=None, description=None, last=False):
        key = (role, name, description, last)
        if key not in self._cache:
            found = [c for r, n, d, c in self._controls
                     if r == role and (name is None or n == name) and (
                         description is None or d == description)]
            if not found:
                raise Failure("no %s named %r %r" % (role, name, description))
            self._cache[key] = found[-1] if last else found[0]
        return self._cache[key]

    def button(self, name):
        return self.one(pyatspi.ROLE_PUSH_BUTTON, name)

    def press(self, accessible):
        actions = accessible.queryAction()
        actions.doAction(0)

    def answer_buttons(self):
        return [self.button("選択肢%d" % i) for i in (1, 2, 3)]

    @property
    def text1(self):
        return self.one(pyatspi.ROLE_TEXT, "回答 入力欄")

    @property
    def result_label(self):
        return self.one(pyatspi.ROLE_LABEL, "結果", last=True)

    def value(self, description):
        return self.one(pyatspi.ROLE_LABEL, description=description).name

    def typed_text(self):
        text = self.text1.queryText()
        return text.getText(0, text.characterCount)

    def focused(self, accessible):
        return accessible.getState().contains(pyatspi.STATE_FOCUSED)

    def checked(self, accessible):
        return accessible.getState().contains(pyatspi.STATE_CHECKED)

    def showing(self, accessible):
        return accessible.getState().contains(pyatspi.STATE_SHOWING)

    def tick(self, *names, on=True):
        for name in names:
            option = next((c for r, n, _, c in self._controls if n == name and r in (
                pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON)), None)
            if option is None:
                raise Failure("no option " + name)
            self.press(option)
            wait_for(lambda: self.checked(option) == on, name + (" ticked" if on else " cleared"))

    def start(self):
        self.press(self.button("出題開始"))

    # ---- Verdicts -----------------------------------------------------------------------
    def on_event(self, event):
        source = event.source
        if source is not None and source.getRole() == pyatspi.ROLE_LABEL and source.description:
            self.verdicts.append((source.name, source.description))

    def verdict_count(self):
        pump_events()
        return len(self.verdicts)

    def next_verdict(self, since, what):
        return wait_for(lambda: self.verdicts[since] if len(self.verdicts) > since else None, what)

    def answer_wrong(self, moved_on=lambda: False, keys="000"):
        """Types the keys one by one until the answer is judged: zeros are always wrong, as no
        question is 0. Gives up (None) when `moved_on` tells that the next question came
        first."""
        since = self.verdict_count()
        typed = ""
        for key in keys:
            typed += key
            self.keys("space" if key == " " else key)
            wait_for(lambda: len(self.verdicts) > since or self.typed_text() == typed or moved_on(),
                     "the key %r taken or judged" % typed)
            if len(self.verdicts) > since:
                return self.verdicts[since]
            if moved_on():
                return None
        raise Failure("%r typed and not judged" % typed)

    def answer(self, digits):
        since = self.verdict_count()
        self.keys(*[("space" if c == " " else c) for c in digits])
        return self.next_verdict(since, "the verdict on " + digits)

    def describe(self):
        """What the window shows, for a failure's report."""
        try:
            return "answer box %r, result %r, right answer %r, wrong answers %r, verdicts %r" % (
                self.typed_text(), self.result_label.description, self.value("正解"),
                self.value("不正解問数"), self.verdicts)
        except Exception as error:
            return "window unreadable: %s" % error

    # ---- End ----------------------------------------------------------------------------
    def quit_by_button(self):
        self.press(self.button("学習終了"))
        self.process.wait(timeout=TIMEOUT)

    def close(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        self.files.close()
        LIVE_WINDOWS.remove(self)


def sino_value(match):
    return int(match.group(1))


def expect(condition, message):
    if not condition:
        raise Failure(message)


# ---- Scenarios ------------------------------------------------------------------------------
def typed_right_wrong_and_replay(w):
    """A number answered right after F5, Ctrl+R and Shift+F5 (slow) replays mid-answer, Enter
    for the next question, which is answered wrong."""
    w.tick("漢数字", "手動", "ランダム")
    since = w.files.mark()
    offset = w.audio.size()
    w.start()
    n = sino_value(w.files.next_matching(SINO_RECORDING, since, "the first recording"))
    wait_for(lambda: w.focused(w.text1), "the focus on the answer box")
    wait_for(lambda: w.audio.sounded_after(offset), "the question heard")
    w.focus_x()

    answer = str(n)
    half = answer[0] if len(answer) > 1 else " "
    w.keys("space" if half == " " else half)
    wait_for(lambda: w.typed_text() == half, "half an answer typed")
    for replay in ("F5", "ctrl+r", "shift+F5"):
        wait_for(lambda: w.audio.silent_for(0.6), "the recording to end")
        offset = w.audio.size()
        w.keys(replay)
        wait_for(lambda: w.audio.sounded_after(offset), "the replay heard after " + replay)
        expect(w.typed_text() == half, "the typed text kept after " + replay)
        expect(w.focused(w.text1), "the focus kept after " + replay)

    rest = answer[1:] if len(answer) > 1 else answer
    name, description = w.answer(rest)
    expect(description == "〇 正解 %d" % n, "right verdict announced: %r" % description)
    expect(w.value("正解") == str(n), "right answer shown")
    expect(w.typed_text() == "", "answer box emptied")
    expect(w.value("不正解問数") == "0問", "no wrong answer counted")

    time.sleep(KEY_WAIT)
    w.keys("Return")
    wait_for(lambda: w.result_label.description == "", "the next question asked by Enter")
    name, description = w.answer_wrong()
    shown = w.value("正解")
    expect(re.fullmatch(r"\d+", shown) is not None, "right answer shown after a wrong one")
    expect(description == "X 正解 " + shown, "wrong verdict announced: %r" % description)
    expect(w.value("不正解問数") == "1問", "one wrong answer counted")


def weekday_by_key(w):
    """A weekday answered with the digit of the right button; Alt plays an option; Enter on the
    focused answer button asks the next question."""
    w.tick("曜日", "手動", "ランダム")
    buttons = w.answer_buttons()
    since = w.files.mark()
    w.start()
    weekday = w.files.next_matching(WEEKDAY_RECORDING, since, "the weekday recording").group(1)
    wait_for(lambda: w.focused(buttons[0]), "the focus on the first answer button")
    names = [b.name for b in buttons]
    expect(weekday in names, "the weekday heard is offered: %r %r" % (weekday, names))
    right = names.index(weekday)
    other = (right + 1) % 3
    w.focus_x()

    since = w.files.mark()
    w.keys("alt+%d" % (other + 1))
    option = w.files.next_matching(WEEKDAY_RECORDING, since, "the option's recording").group(1)
    expect(option == names[other], "Alt plays the option of its button")

    count = w.verdict_count()
    time.sleep(KEY_WAIT)
    w.keys(str(right + 1))
    name, description = w.next_verdict(count, "the weekday verdict")
    expect(name == "選択肢%dの結果" % (right + 1), "the pressed button marked: " + name)
    expect(description == "〇 正解 " + weekday, "weekday verdict announced: " + description)

    mark = w.one(pyatspi.ROLE_LABEL, "選択肢%dの結果" % (right + 1))
    time.sleep(KEY_WAIT)
    w.keys("Return")
    wait_for(lambda: mark.description == "", "the next question asked by Enter on a button")


def digit_meant_for_a_box(w):
    """A digit straight after a key into a box that lost the focus answers nothing."""
    w.tick("曜日", "手動", "ランダム")
    since = w.files.mark()
    w.start()
    w.files.next_matching(WEEKDAY_RECORDING, since, "the weekday recording")
    w.click(w.one(pyatspi.ROLE_TEXT, "出題数"))
    count = w.verdict_count()
    w.keys("1", "Tab", "Tab", "2")
    wait_for(lambda: w.focused(w.one(pyatspi.ROLE_RADIO_BUTTON, "不正解分")), "the focus moved")
    time.sleep(0.5)
    expect(w.verdict_count() == count, "no verdict on a digit meant for a box")


def enter_right_after_a_verdict(w):
    """A habitual Enter straight after a wrong answer leaves the verdict on screen."""
    w.tick("漢数字", "手動", "ランダム")
    since = w.files.mark()
    w.start()
    n = sino_value(w.files.next_matching(SINO_RECORDING, since, "the recording"))
    wait_for(lambda: w.focused(w.text1), "the focus on the answer box")
    w.focus_x()
    count = w.verdict_count()
    w.keys(*("0" * len(str(n))), "Return")
    verdict = w.next_verdict(count, "the verdict on a wrong answer")[1]
    time.sleep(0.5)
    expect(w.result_label.description == verdict == "X 正解 %d" % n, "the verdict stays")
    expect(w.value("正解") == str(n), "the right answer stays")


def timed_run(w):
    """Five questions, four seconds each: the first answered right, the others wrong or, when
    the next question comes first, not at all. The score counts the right answers alone."""
    w.tick("漢数字", "自動", "ランダム")
    limit_option = w.one(pyatspi.ROLE_RADIO_BUTTON, "時間制限")
    expect(w.checked(limit_option), "the time limit set by auto mode")
    w.press(limit_option)
    wait_for(lambda: w.process.poll() is None, "the window alive")
    limit = w.one(pyatspi.ROLE_TEXT, "制限時間")
    limit.queryEditableText().setTextContents("4")
    wait_for(lambda: limit.queryText().getText(0, -1) == "4", "the limit typed")
    expect(w.checked(limit_option), "the time limit kept after a learner's click")

    since = w.files.mark()
    w.start()
    n = sino_value(w.files.next_matching(SINO_RECORDING, since, "the first timed recording"))
    number = w.one(pyatspi.ROLE_LABEL, description="問題番号")
    wait_for(lambda: w.focused(w.text1), "the focus on the answer box")
    w.focus_x()
    expect(w.answer(str(n))[1].startswith("〇"), "first timed answer right")
    def asked():
        match = re.fullmatch(r"問題(\d+)問目", number.name)
        return int(match.group(1)) if match else 0

    for question in range(2, 6):
        wait_for(lambda: asked() >= question, "question %d" % question)
        verdict = w.answer_wrong(moved_on=lambda: asked() != question)
        expect(verdict is None or verdict[1].startswith("X"), "timed answer %d wrong" % question)
    score = w.one(pyatspi.ROLE_LABEL, description="得点")
    wait_for(lambda: w.showing(score) and score.name == "20点", "the score of 1 in 5")


def saved_list_survives_a_restart(program, app_dir):
    first = Window(program, app_dir)
    try:
        first.tick("漢数字", "手動", "ランダム")
        since = first.files.mark()
        first.start()
        missed = first.files.next_matching(SINO_RECORDING, since, "the recording").group(0)
        wait_for(lambda: first.focused(first.text1), "the focus on the answer box")
        first.focus_x()
        first.answer_wrong()
        expect(first.value("不正解問数") == "1問", "one wrong answer counted")
        first.press(first.button("不正解分記録"))
        wait_for(lambda: first.files.was_written("MemorizeFile.csv"), "the list saved")
        first.quit_by_button()
        expect(first.process.returncode == 0, "学習終了 ends the program")
    finally:
        first.close()

    second = Window(program, app_dir)
    try:
        second.press(second.button("不正解分読込"))
        wait_for(lambda: second.value("不正解問数") == "1問", "the list loaded")
        second.tick("手動", "不正解分")
        since = second.files.mark()
        second.start()
        asked = second.files.next_matching(SINO_RECORDING, since, "the stored question")
        expect(asked.group(0) == missed, "the stored question is the one missed")
        wait_for(lambda: second.focused(second.text1), "the focus on the answer box")
        second.focus_x()
        expect(second.answer(str(sino_value(asked)))[1].startswith("〇"), "answered right")
        expect(second.value("不正解問数") == "0問", "the question leaves the list")
    finally:
        second.close()


def no_category_message(w):
    w.tick("手動", "ランダム")
    w.start()

    def message():
        for top in w.app:
            if top is None:
                continue
            labels = w.all(pyatspi.ROLE_LABEL, "出題内容を選択して下さい", root=top)
            if labels:
                return top
        return None

    box = wait_for(message, "the message that no category is ticked")
    ok = w.all(pyatspi.ROLE_PUSH_BUTTON, "OK", root=box)
    expect(ok, "the message has an OK button")
    w.press(ok[0])
    wait_for(lambda: message() is None, "the message closed")


# The typed categories: the box that asks them, the category the record names, the recordings
# whose names hold the answer, and the keys of a wrong answer (None: answered right). A clock
# time is one number on the hour, two otherwise: "00 11" is judged wrong either way.
TYPED_CATEGORIES = [
    ("漢数字", "漢数字", [SINO_RECORDING], None),
    ("固有数詞", "固有数詞", [re.compile(r"^固有数詞(\d{3})_00\.wav$")], "000"),
    ("月", "月", [re.compile(r"^月M(\d{2})_01\.wav$")], None),
    ("日", "日", [re.compile(r"^日D(\d{2})_00\.wav$")], "000"),
    ("月 日", "月日", [re.compile(r"^月M(\d{2})_01\.wav$"), re.compile(r"^日D(\d{2})_00\.wav$")],
     None),
    ("時間", "時間", [re.compile(r"^時(\d{2})時_01\.wav$")], "00 11"),
    ("番目", "番目", [re.compile(r"^番目(\d{3})_01\.wav$")], None),
]


def answer_typed(w, box, category, recordings, wrong_keys):
    w.tick(box)
    since = w.files.mark()
    w.start()
    numbers = [int(w.files.next_matching(r, since, category + " recording").group(1))
               for r in recordings]
    wait_for(lambda: w.focused(w.text1), "the focus on the answer box")
    w.focus_x()
    if wrong_keys is None:
        description = w.answer(" ".join(str(n) for n in numbers))[1]
    else:
        description = w.answer_wrong(keys=wrong_keys)[1]
    expect(description.startswith("X" if wrong_keys else "〇"), category + ": " + description)


def answer_by_button(w, box, recording, right):
    """Presses the digit of the button that names the recording played, or of the next one;
    returns (options, played, chosen)."""
    w.tick(box)
    buttons = w.answer_buttons()
    since = w.files.mark()
    w.start()
    played = w.files.next_matching(recording, since, box + " recording").group(1)
    wait_for(lambda: played in [b.name for b in buttons], "the options shown")
    options = tuple(b.name for b in buttons)
    index = (options.index(played) + (0 if right else 1)) % 3
    w.focus_x()
    count = w.verdict_count()
    time.sleep(KEY_WAIT)
    w.keys(str(index + 1))
    description = w.next_verdict(count, box + " verdict")[1]
    expect(description.startswith("〇" if right else "Ｘ"), box + ": " + description)
    return options, played, options[index]


def learning_record_after_a_restart(program, app_dir):
    """A question of every category, and four hard-to-hear ones, answered right and wrong by
    their keys, each in a program of its own (a recording heard before comes from the cache,
    unseen); then Ctrl+L opens 学習記録, whose figures, table of categories and confusion table
    say exactly that."""

    def session(ask):
        w = Window(program, app_dir)
        try:
            w.tick("手動", "ランダム")
            answer = ask(w)
            w.quit_by_button()
            return answer
        finally:
            w.close()

    verdicts = {}
    for box, category, recordings, wrong_keys in TYPED_CATEGORIES:
        session(lambda w: answer_typed(w, box, category, recordings, wrong_keys))
        verdicts[category] = wrong_keys is None
    session(lambda w: answer_by_button(w, "曜日", WEEKDAY_RECORDING, False))
    verdicts["曜日"] = False
    answered = [session(lambda w: answer_by_button(w, "難聴音", HARD_RECORDING, right))
                for right in (True, False, True, False)]

    second = Window(program, app_dir)
    try:
        second.keys("ctrl+l")

        def record_window():
            return next((top for top in second.app if top and top.name == "学習記録"), None)

        window = wait_for(record_window, "the 学習記録 window opened by Ctrl+L")
        summary = wait_for(lambda: second.all(pyatspi.ROLE_LABEL, description="成績のまとめ",
                                              root=window), "the summary")[0]
        right = sum(verdicts.values()) + 2
        total = len(verdicts) + 4
        expect(summary.name.startswith("回答 %d問（正解 %d問・不正解 %d問）　正解率 %d%%" % (
            total, right, total - right, 100 * right // total)), "the figures: " + summary.name)
        categories = second.all(pyatspi.ROLE_TABLE, "出題内容ごとの成績", root=window)[0]
        cells = categories.queryTable()
        shown = {cells.getAccessibleAt(r, 0).name: (cells.getAccessibleAt(r, 1).name,
                                                    cells.getAccessibleAt(r, 2).name)
                 for r in range(cells.nRows)}
        expected = {c: ("1", "1" if ok else "0") for c, ok in verdicts.items()}
        expected["難聴音"] = ("4", "2")
        expect(shown == expected, "the table of categories: %r" % shown)
        tab = second.all(pyatspi.ROLE_PAGE_TAB, "聞き分け", root=window)[0]
        second.press(tab)
        table = wait_for(lambda: [t for t in second.all(pyatspi.ROLE_TABLE, root=window)
                                  if t.name.startswith("難聴音の聞き分け ")], "the table")[0]
        options = tuple(table.name.split(" ", 1)[1].split("・"))
        cells = table.queryTable()
        for p, played in enumerate(options):
            chosen = [c for o, pl, c in answered if o == options and pl == played]
            for c, option in enumerate(options):
                count = chosen.count(option)
                share = round(100 * count / len(chosen)) if chosen else 0
                shown = cells.getAccessibleAt(p, c).name
                expect(shown == "%d（%d%%）" % (count, share),
                       "%s played, %s chosen: %r" % (played, option, shown))
    finally:
        second.close()


SCENARIOS = [typed_right_wrong_and_replay, weekday_by_key, digit_meant_for_a_box,
             enter_right_after_a_verdict, timed_run, no_category_message]


def prepare_app_dir(program, root):
    """A program folder of its own: the program, its own copy of the sound folder (watched and
    written) and the pictures."""
    source = os.path.dirname(program)
    app_dir = tempfile.mkdtemp(dir=root)
    shutil.copy2(program, app_dir)
    sound_dir = os.path.join(app_dir, SOUND_FOLDER)
    shutil.copytree(os.path.join(source, SOUND_FOLDER), sound_dir)
    stale_list = os.path.join(sound_dir, "MemorizeFile.csv")
    if os.path.exists(stale_list):
        os.remove(stale_list)
    os.symlink(os.path.join(source, PICTURE_FOLDER), os.path.join(app_dir, PICTURE_FOLDER))
    return app_dir, os.path.join(app_dir, os.path.basename(program))


def main():
    program = os.path.realpath(sys.argv[1])

    def listener(event):
        for w in LIVE_WINDOWS:
            w.on_event(event)

    # Registered before any program starts, so each learns of the listener as it starts.
    pyatspi.Registry.registerEventListener(listener,
                                           "object:property-change:accessible-description")
    passed = failed = 0
    started = time.monotonic()
    with tempfile.TemporaryDirectory() as root:
        cases = [(s.__name__, s, True) for s in SCENARIOS]
        cases.append(("saved_list_survives_a_restart", saved_list_survives_a_restart, False))
        cases.append(("learning_record_after_a_restart", learning_record_after_a_restart, False))
        chosen = sys.argv[2:]  # names of scenarios to run alone
        cases = [c for c in cases if not chosen or c[0] in chosen]
        for name, scenario, in_one_window in cases:
            t0 = time.monotonic()
            app_dir, copy = prepare_app_dir(program, root)
            try:
                if in_one_window:
                    w = Window(copy, app_dir)
                    try:
                        scenario(w)
                    except Exception:
                        print(w.describe())
                        raise
                    finally:
                        w.close()
                else:
                    scenario(copy, app_dir)
                passed += 1
                print("PASS %s (%.1f s)" % (name, time.monotonic() - t0), flush=True)
            except Exception:
                failed += 1
                print("FAIL %s" % name, flush=True)
                traceback.print_exc()
    print("window end-to-end: %.1f s" % (time.monotonic() - started))
    print("%d passed, %d failed" % (passed, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
