"""The page laid out for a phone, played by a pupil's fingers: names carried from the
page's panel, the map zoomed by double taps and panned by a finger, the drop point a
ring above the finger. Aims come from the board's tables."""
import time

from board_page import BoardPage

PORTRAIT = (360, 780)
LANDSCAPE = (780, 360)
# The page drops a carried name this far above the finger (page-carry.js).
RING_ABOVE_FINGER = 56
# A finger's width: what a target must be across at least.
FINGER = 44


class PhoneBoard(BoardPage):
    """The board of `page` opened from `url` (or loading now, with None) on a phone of `size` CSS pixels."""

    def __init__(self, page, url, size=PORTRAIT, scale=3):
        super().__init__(page, url, width=size[0], height=size[1], scale=scale, touch=True, phone=True)
        self.touches = 0

    @classmethod
    def after(cls, page, leave):
        """The board of the page that `leave` (a reload, a link followed) starts anew."""
        page.js("globalThis.quillmereLeft = true")
        leave()
        deadline = time.monotonic() + 60
        while time.monotonic() < deadline:
            try:
                if page.js("!globalThis.quillmereLeft"):
                    return cls(page, None)
            except RuntimeError:  # between the two pages
                pass
            time.sleep(0.05)
        raise AssertionError("the page was never left")

    def layout(self):
        return self.page.js("[document.body.dataset.layout, document.body.dataset.panel]")

    def rect(self, selector):
        return self.page.js(f"(() => {{ const r = document.querySelector({selector!r}).getBoundingClientRect();"
                            " return {left: r.left, top: r.top, right: r.right, bottom: r.bottom,"
                            " width: r.width, height: r.height}; })()")

    def listed(self):
        """The entries and names the panel lists, in its order."""
        return self.page.js("[...document.querySelectorAll('#names button')].map(b => [Number(b.dataset.entry),"
                            " b.textContent])")

    def name(self, entry):
        """The middle of entry `entry`'s button, scrolled into the panel's view."""
        return self.page.js(f"(() => {{ const b = document.querySelector('#names button[data-entry=\"{entry}\"]');"
                            " b.scrollIntoView({block: 'nearest', inline: 'nearest'});"
                            " const r = b.getBoundingClientRect(); return [r.left + r.width / 2, r.top + r.height / 2];"
                            " })()")

    def shown_at(self, pixel):
        self.measure()
        return self.at(pixel)

    def double_tap(self, at):
        """Two taps, a tenth of a second apart by the page's clock."""
        now = self.page.js("Date.now() / 1000")
        for tap in (now, now + 0.1):
            self.page.fingers([at], "touchStart", at=tap)
            self.page.fingers([], "touchEnd", at=tap + 0.02)
        self.touches += 2

    def zoom_on(self, pixel, across):
        """Double taps on a board pixel until a target `across` board pixels wide is a finger's width."""
        while self.zoom * across < FINGER:
            before = self.zoom
            self.double_tap(self.shown_at(pixel))
            self.page.wait_for(f"Element.prototype.getBoundingClientRect.call(document.getElementById("
                               f"'board-canvas')).width !== {self.width}", timeout=10)
            self.measure()
            if self.zoom <= before:
                raise AssertionError(f"a double tap at {pixel} zoomed out, to {self.zoom}")

    def bring_up(self, pixel):
        """Pans the map with a finger until the pixel lies a third of the way down it,
        with room below for the finger under the ring."""
        frame = self.rect("#frame")
        x, y = self.shown_at(pixel)
        goal = ((frame["left"] + frame["right"]) / 2, frame["top"] + max(40, frame["height"] / 3))
        if abs(x - goal[0]) < 4 and abs(y - goal[1]) < 4:
            return
        start = ((frame["left"] + frame["right"]) / 2, (frame["top"] + frame["bottom"]) / 2)
        self.page.touch_along([start, (start[0] + goal[0] - x, start[1] + goal[1] - y)])
        self.touches += 1
        self.measure()

    def carry(self, entry, pixel):
        """Carries entry `entry` from the panel across the list, towards the map, then on
        until the ring lies on a board pixel."""
        start = self.name(entry)
        away = (start[0] - 24, start[1]) if self.layout()[1] == "beside" else (start[0], start[1] - 24)
        x, y = self.shown_at(pixel)
        # A driver that touches as a mouse carries the ring at its pointer.
        below = 0 if getattr(self.page, "touch_is_mouse", False) else RING_ABOVE_FINGER
        self.page.touch_along([start, away, (x, y + below)])
        self.touches += 1

    def drop(self, name, country):
        """Carries entry `name` onto the board pixel `country`; the sound its drop started, or None."""
        before = len(self.sounds())
        self.carry(name, country)
        return self.sound_after(before)
