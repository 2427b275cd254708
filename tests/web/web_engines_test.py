"""The site played in one engine (QUILLMERE_ENGINE: chromium, firefox or webkit),
on an X server of the test's own with its sound going to a PulseAudio null sink of
the test's own: the same cases in every engine. The board drawn in its faces;
keyboard play, a wrong and three right mouse drags and a touch drag, each heard;
the window resized after load both ways with drops still landing; a touch the
browser cancels puts its name back and the next touch plays. No page may meet an
uncaught exception or an unhandled rejection. And a screen reader on the desktop's
accessibility bus finds the names to place, picks one up from their list, and hears
where it went, and where Ctrl with an arrow takes the next one's drop point."""
import os
import re
import time
import unittest

from accessibility_bus import AccessibilityBus
from board_page import BoardPage, points
from engines import open_tab
from phone_board import FINGER, PhoneBoard
from served_site import Site
from sound_server import Monitor, SoundServer, XServer

SITE = os.environ["QUILLMERE_SITE"]
ENGINE = os.environ["QUILLMERE_ENGINE"]
# A decoded sound starts at once, but the first drop may come while the page still
# decodes the sounds after its first frame, and WebKit's GStreamer pipeline on a
# busy machine (a build beside the tests) takes seconds to start one: the wait only
# bounds a sound that never comes, and a sound heard sooner ends it.
HEARD_WITHIN = 15.0
# What the page's drop point holds while the second name is carried.
DROP_POINT = re.compile(r"Drop point for Angola: (?P<place>(?P<ground>.+)\. (?P<across>\d+)% across, \d+% down)")


class WebEnginesTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.sound = SoundServer()
        cls.x = XServer()
        cls.reader = AccessibilityBus()
        environment = cls.sound.client_environment()
        environment.update(cls.reader.environment, DISPLAY=cls.x.display)
        cls.site = Site(SITE)
        cls.tab = open_tab(ENGINE, environment)
        print(f"{ENGINE} {cls.tab.version}", flush=True)
        cls.ears = Monitor(cls.sound)

    @classmethod
    def tearDownClass(cls):
        for part in (cls.ears, cls.tab, cls.site, cls.reader, cls.x, cls.sound):
            part.close()

    def tearDown(self):
        errors = self.tab.js("globalThis.quillmereSeen ? quillmereSeen.errors : []")
        self.assertEqual(self.tab.exceptions + errors, [], "the page met exceptions")
        self.tab.exceptions.clear()

    def open(self, width=1100, height=850):
        return BoardPage(self.tab, self.site.url + "?home-page-draw=1", width=width, height=height)

    def heard(self, board, drop, *arguments):
        """The sound that `drop` started, once it is heard on the sink; the sink is
        quiet first, so that the sound heard is this drop's own."""
        self.assertTrue(self.ears.wait_quiet(), "the last sound never ended")
        before = len(board.sounds())
        drop(*arguments)
        self.assertTrue(self.tab.wait_for(f"quillmereSeen.sounds.length > {before}", timeout=10),
                        f"{drop.__name__}{arguments}: no sound started")
        deadline = self.tab.released + HEARD_WITHIN
        while self.ears.first_audible(self.tab.released) is None and time.monotonic() < deadline:
            time.sleep(0.02)
        self.assertIsNotNone(self.ears.first_audible(self.tab.released), f"{drop.__name__}{arguments}: not heard")
        return board.sounds()[before]

    def test_keys_mouse_and_touch_place_names_and_every_drop_is_heard(self):
        board = self.open()
        start = board.must_show("board", "SHOT")
        by_keys = self.heard(board, board.keyboard_drop, 0)
        wrong = self.heard(board, board.drop, 1, 2)
        rights = [self.heard(board, board.drop, k, k) for k in (2, 3, 4)]
        by_touch = self.heard(board, board.drop, 5, 5, True)
        board.must_show("placed", start, "SHOT", 0, 2, 3, 4, 5)
        board.must_show("listed", start, "SHOT", 1)
        # The chime for every right drop, the buzz apart.
        self.assertEqual({s["which"] for s in [by_keys, *rights, by_touch]}, {rights[0]["which"]})
        self.assertNotEqual(wrong["which"], rights[0]["which"])
        self.assertTrue(self.tab.js("document.getElementById('start-sound').hidden"), "a Start button though sound plays")

    def test_a_window_resized_after_load_refits_the_board_and_drops_still_land(self):
        board = self.open(1200, 900)
        buzz = self.heard(board, board.drop, 1, 2)["which"]
        # The west coast, which a board left at its first scale puts out of reach.
        for width, height, drops in ((800, 600, ((35, False), (45, True))), (1200, 900, ((23, False),))):
            self.tab.resize(width, height)
            fits = f"document.getElementById('frame').getBoundingClientRect().right <= {width}"
            grown = "document.getElementById('frame').getBoundingClientRect().width === 999"
            self.assertTrue(self.tab.wait_for(fits if width < 999 else grown, timeout=10), "the board was not refitted")
            board.measure()
            for name, touch in drops:
                self.assertNotEqual(self.heard(board, board.drop, name, name, touch)["which"], buzz,
                                    f"name {name} at {width} x {height} missed its country")

    def test_a_cancelled_touch_puts_its_name_back_and_the_next_touch_plays(self):
        board = self.open()
        start = board.shot()
        before = len(board.sounds())
        self.tab.touch_cancelled_drag(board.entry(10), board.country(10))
        self.heard(board, board.drop, 11, 11, True)
        self.assertEqual(len(board.sounds()), before + 1, "the cancelled touch dropped its name")
        board.must_show("listed", start, "SHOT", 10)
        board.must_show("placed", start, "SHOT", 11)

    def test_a_phone_s_screen_lays_out_the_page_s_panel_and_a_finger_carries_a_name(self):
        phone = PhoneBoard(self.tab, self.site.url + "?home-page-draw=1", scale=1)
        self.assertEqual(phone.layout(), ["phone", "below"])
        # WebKit's window is no narrower than its toolbar: the page is laid out in the room it has.
        frame, room = phone.rect("#frame"), self.tab.js("[innerWidth, innerHeight]")
        self.assertTrue(frame["left"] >= 0 and frame["right"] <= room[0] and frame["bottom"] <= room[1], frame)
        smallest = self.tab.js("[...document.querySelectorAll('#names button')].reduce((least, b) => Math.min(least,"
                               " b.getBoundingClientRect().height, 2.75 * parseFloat(getComputedStyle(b).fontSize)),"
                               " Infinity)")
        self.assertGreaterEqual(smallest, FINGER)
        self.heard(phone, phone.drop, 0, points()["hotspot"][0])
        self.assertNotIn(0, [entry for entry, _ in phone.listed()])

    def test_a_screen_reader_picks_a_name_from_the_list_and_hears_where_it_went(self):
        board = self.open()
        shows = lambda *wanted: lambda nodes: any(all(w(node) for w in wanted) for node in nodes)
        countries = lambda count: shows(lambda node: (node[0], node[1], node[4]) == ("list", "Countries", count))
        self.assertIsNotNone(self.reader.wait_for(countries(48)), "no list of 48 countries on the accessibility bus")
        # The screen reader presses the list's first name, which picks it up; the keys
        # steer and drop it on the board.
        self.reader.press("push button", "Algeria")
        self.assertIsNotNone(self.reader.wait_for(shows(lambda node: node[2].startswith("Drop point for Algeria: "))),
                             "no drop point told")
        board.steer_and_drop(0)
        said = "Algeria placed. 1 of 48."
        live = lambda node: node[2] == said and node[3].get("live") in ("polite", "assertive")
        self.assertIsNotNone(self.reader.wait_for(shows(live)), f"no live region said {said!r}")
        self.assertIsNotNone(self.reader.wait_for(countries(47)), "the name placed is still in the list")
        # Ctrl with an arrow takes the next name's drop point on to a country, whose
        # ground the page says in the words its drop point then holds: the engine
        # leaves the keys to the board.
        told = lambda nodes: [m for node in nodes if (m := DROP_POINT.fullmatch(node[2]))]
        self.reader.press("push button", "Angola")
        picked = self.reader.wait_for(told)
        self.assertIsNotNone(picked, "no drop point told for Angola")
        across = int(told(picked)[0]["across"])
        self.tab.keys(["ArrowRight"], ctrl=True)
        ground_said = lambda nodes: {node[2] for node in nodes if node[3].get("live") in ("polite", "assertive")}
        # A country not yet named is said with where it lies (after "Across a border: "
        # when it was reached from another), a placed name alone.
        came = lambda nodes: any(int(m["across"]) > across
                                 and any(said == m["ground"] or said.endswith(m["place"]) for said in ground_said(nodes))
                                 for m in told(nodes))
        self.assertIsNotNone(self.reader.wait_for(came), f"Ctrl+Right from {across}% across left the drop point "
                             f"{sorted({m[0] for m in told(self.reader.nodes())})}")


if __name__ == "__main__":
    unittest.main(verbosity=2)
