"""The site played in Chromium on an X server of the test's own, its sound going to
a PulseAudio server of the test's own: three right drops by mouse, one by touch
and a wrong one, each heard on the null sink's monitor, the right names placed and
the wrong one left in the list."""
import os
import time
import unittest

from board_page import BoardPage
from chromium import Browser, Site
from sound_server import Monitor, SoundServer, XServer

SITE = os.environ["QUILLMERE_SITE"]
# A decoded sound starts at once, but the first drop may come while the page still
# decodes the sounds after its first frame.
HEARD_WITHIN = 5.0


class WebSoundTest(unittest.TestCase):
    def test_every_drop_is_heard(self):
        server = SoundServer()
        self.addCleanup(server.close)
        ears = Monitor(server)
        self.addCleanup(ears.close)
        x = XServer()
        self.addCleanup(x.close)
        site = Site(SITE)
        self.addCleanup(site.close)
        browser = Browser(display=x.display, environment=server.client_environment())
        self.addCleanup(browser.close)
        page = browser.page()
        self.addCleanup(page.close)

        board = BoardPage(page, site.url + "?home-page-draw=1", touch=True)
        start = board.shot()
        for name, country, touch in ((0, 0, False), (1, 0, False), (2, 2, False), (3, 3, True), (4, 4, False)):
            self.assertIsNotNone(board.drop(name, country, touch=touch), f"name {name}: no sound started")
            released = page.released
            deadline = time.monotonic() + HEARD_WITHIN
            while ears.first_audible(released) is None and time.monotonic() < deadline:
                time.sleep(0.02)
            self.assertIsNotNone(ears.first_audible(released), f"name {name} on country {country}: nothing heard")
            # The sound plays out before the next drop, so each drop's own sound is heard.
            time.sleep(1.5)
        holds, said, _ = board.shows("placed", start, "SHOT", 0, 2, 3, 4)
        self.assertTrue(holds, said)
        holds, said, _ = board.shows("listed", start, "SHOT", 1)
        self.assertTrue(holds, said)
        self.assertEqual(page.exceptions + page.js("quillmereSeen.errors"), [])


if __name__ == "__main__":
    unittest.main(verbosity=2)
