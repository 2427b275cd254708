"""The game's page in a browser tab, played as a player plays it: where to point
comes from the board's own tables, and what the board shows is judged by the
desktop X tests' own code (BoardJudge, built for the web and run under node)."""
import json
import os
import re
import subprocess
import tempfile
import time

BOARD = (999, 706)
NODE = ["node", "--no-experimental-fetch", os.environ.get("QUILLMERE_RUN_NODE", "")]
JUDGE = os.environ.get("QUILLMERE_BOARD_JUDGE", "")


def run_judge(*arguments):
    return subprocess.run(NODE + [JUDGE, *map(str, arguments)], capture_output=True, text=True, timeout=120)


def judge(*arguments):
    """Whether BoardJudge finds `arguments` so; what it said when not."""
    done = run_judge(*arguments)
    return done.returncode == 0, done.stdout + done.stderr


POINTS = None


def today_country(code):
    """A country of Africa today: its row (its entry in the list), and the board pixel
    well inside it (a ringed state's ring centre), from the board's generated table."""
    source = os.environ["QUILLMERE_SOURCE_DIR"]
    with open(os.path.join(source, "quiz", "TodayBoardTables.h"), encoding="utf-8") as table:
        rows = re.findall(r'\{u"(\w\w)", \{[^}]*\}, \{[^}]*\}, \{(\d+), (\d+)\}', table.read())
    row = [found[0] for found in rows].index(code)
    return row, (int(rows[row][1]) // 15, int(rows[row][2]) // 15)


def points():
    global POINTS
    if POINTS is None:
        done = run_judge("points")
        if done.returncode != 0:
            raise RuntimeError(done.stderr)
        POINTS = json.loads(done.stdout)
    return POINTS


class BoardPage:
    """The board in `page`, opened from `url`."""

    def __init__(self, page, url, width=1100, height=850, scale=1, touch=False, phone=False):
        """Opens `url` (as a phone's browser would, with `phone`), or, with None, waits
        for the board of the page as it is loading now."""
        self.page = page
        self.folder = tempfile.TemporaryDirectory(prefix="quillmere-shots-")
        self.shots = 0
        if url is not None:
            # A board opened afresh, as in a new tab: no game kept from the page before.
            page.js("(() => { try { sessionStorage.clear(); } catch (e) {} })()")
            page.open(url, width=width, height=height, scale=scale, touch=touch, phone=phone)
        if not page.wait_for("globalThis.quillmereSeen && quillmereSeen.firstDraw !== null "
                             "&& document.body.dataset.state === 'playing'", timeout=120):
            raise AssertionError("the board was never drawn: state "
                                 + str(page.js("document.body.dataset.state")) + ", failure "
                                 + str(page.js("document.getElementById('failure').textContent")))
        self.measure()

    def measure(self):
        """Where the board shows in the page now: the canvas as it is shown (the
        program is told the board's own size where it measures its canvas)."""
        box = self.page.js("(() => { const r = Element.prototype.getBoundingClientRect.call("
                           "document.getElementById('board-canvas')); return [r.left, r.top, r.width, r.height]; })()")
        self.left, self.top, self.width, self.height = box
        self.zoom = self.width / BOARD[0]
        # Screenshots come at the device's pixels.
        self.pixel_ratio = self.page.device_pixel_ratio()

    def at(self, pixel):
        """Where a pixel of the board lies in the page."""
        return (self.left + (pixel[0] + 0.5) * self.zoom, self.top + (pixel[1] + 0.5) * self.zoom)

    def entry(self, k):
        return self.at(points()["listEntry"][k])

    def country(self, row):
        return self.at(points()["hotspot"][row])

    def button(self, name):
        return self.at(points()[name])

    def shot(self):
        """A picture of the board at its own 999 x 706 pixels."""
        self.shots += 1
        path = os.path.join(self.folder.name, f"shot-{self.shots}.png")
        self.page.screenshot(path, clip={"x": self.left, "y": self.top, "width": self.width, "height": self.height,
                                         "scale": 1 / (self.zoom * self.pixel_ratio)})
        return path

    def shows(self, *arguments, timeout=10):
        """Waits until BoardJudge finds the board so: `arguments` with the newest picture
        put where SHOT stands. Returns (holds, what it said, the picture)."""
        deadline = time.monotonic() + timeout
        while True:
            shot = self.shot()
            holds, said = judge(*[shot if a == "SHOT" else a for a in arguments])
            if holds or time.monotonic() > deadline:
                return holds, said, shot
            time.sleep(0.2)

    def must_show(self, *arguments):
        """The picture once BoardJudge finds the board so (see shows); fails the test when it never does."""
        holds, said, shot = self.shows(*arguments)
        if not holds:
            raise AssertionError(f"{' '.join(map(str, arguments))}: {said}")
        return shot

    def sounds(self):
        return self.page.js("quillmereSeen.sounds")

    def drop(self, name, country, touch=False, wait=10, place=None):
        """Drags name `name`, shown at `place` in the list (where an English list shows
        it unless given), onto country row `country`; returns the sound that the drop
        started, None when none started within `wait` seconds."""
        before = len(self.sounds())
        move = self.page.touch_drag if touch else self.page.drag
        move(self.entry(name if place is None else place), self.country(country))
        return self.sound_after(before, wait)

    def sound_after(self, before, wait=10):
        """The first sound started after the `before` sounds, or None within `wait` seconds."""
        if not self.page.wait_for(f"quillmereSeen.sounds.length > {before}", timeout=wait):
            return None
        return self.sounds()[before]

    def keyboard_drop(self, country):
        """Picks up the name the list's focus opens on, steers the drop point onto country
        row `country` and drops it there."""
        self.page.keys(["Enter"])
        self.steer_and_drop(country)

    def steer_and_drop(self, country):
        """Steers the drop point of the name the keys carry onto country row `country` and drops it there."""
        where = points()
        steps = [round((to - start) / where["dropSteps"][0])
                 for to, start in zip(where["hotspot"][country], where["dropPoint"])]
        for step, (back, forth) in zip(steps, (("ArrowLeft", "ArrowRight"), ("ArrowUp", "ArrowDown"))):
            big, small = divmod(abs(step), where["dropSteps"][1] // where["dropSteps"][0])
            for count, shift in ((big, True), (small, False)):
                if count:
                    self.page.keys([back if step < 0 else forth] * count, shift=shift)
        self.page.released = time.monotonic()
        self.page.keys(["Enter"])

    def box(self):
        """The caption and text of the box open on the board, as the page tells them; None without one."""
        return self.page.js("document.getElementById('box').hidden ? null : "
                            "[document.getElementById('box-caption').textContent,"
                            " document.getElementById('box-text').textContent]")

    def next_box(self, shown_before, timeout=30):
        if not self.page.wait_for(f"Number(document.getElementById('box').dataset.shown || 0) > {shown_before}"
                                  " && !document.getElementById('box').hidden", timeout=timeout):
            return None
        return self.box()

    def boxes_shown(self):
        return self.page.js("Number(document.getElementById('box').dataset.shown || 0)")
