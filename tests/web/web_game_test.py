"""The real site, served on 127.0.0.1, played in headless Chromium through the
DevTools protocol: the board drawn, right and wrong drops by mouse and by touch,
Restart, the completion box, Exit's end screen, the pointers, the board scaled to
a small window and drawn at a high pixel ratio, the home page's draw, a faulty
country list; play offline after one visit (in Arabic too, its faces and country
list kept) and the page installable; a new release kept whole past the browser's
cache; a host that answers missing files with its page; served over plain http to
another computer; the Start button of engines that keep the sound off after a
gesture on the board; a lost drawing context; the board that holds the keys named
for screen readers, and the board in words gone with the board. No page may meet
an exception."""
import os
import pathlib
import re
import shutil
import tempfile
import unittest

from board_page import BoardPage, judge
from chromium import Site
from chromium_test_case import ChromiumTestCase

SITE = os.environ["QUILLMERE_SITE"]
HOME_PAGE = os.environ["QUILLMERE_HOME_PAGE"]
# Any number but 7 keeps the home page shut; the page hands it to the program.
NO_HOME_PAGE = "?home-page-draw=1"
# A school's server as another computer: a name that is not this one's, in plain http.
SCHOOL_HOST = "quillmere.school.test"
# An engine (Safari's) that starts the sound only from a gesture on a page element,
# not on the board's canvas. Chromium's own context is made to behave so.
SOUND_ONLY_FROM_A_BUTTON = """
(() => {
  const Context = globalThis.AudioContext;
  globalThis.AudioContext = class extends Context {
    constructor(options) { super(options); this.suspend(); }
    resume() {
      const onAButton = globalThis.event && event.type === "click" && event.target.closest("button");
      return onAButton ? super.resume() : Promise.resolve();
    }
  };
})();
"""


class WebGameTest(ChromiumTestCase):
    browser_args = [f"--host-resolver-rules=MAP {SCHOOL_HOST} 127.0.0.1"]

    def open(self, query=NO_HOME_PAGE, site=None, host=None, **view):
        url = (site or self.site).url
        if host:
            url = url.replace("127.0.0.1", host)
        return BoardPage(self.page, url + query, **view)

    def assertShows(self, board, *arguments):
        return board.must_show(*arguments)

    def assertNoBoardInWords(self):
        read = [node for node in self.page.accessible() if node[1] in ("Countries", "Algeria")]
        self.assertEqual(read, [], "a screen reader still finds the closed game's names")

    def test_right_and_wrong_drops_by_mouse_and_touch_then_restart(self):
        board = self.open(touch=True)
        start = self.assertShows(board, "board", "SHOT")
        wrong = board.drop(1, 0)
        self.assertIsNotNone(wrong, "the wrong drop made no sound")
        self.assertShows(board, "listed", start, "SHOT", 1)
        rights = [board.drop(k, k) for k in (0, 2, 3)]
        rights.append(board.drop(4, 4, touch=True))
        self.assertNotIn(None, rights, "a right drop made no sound")
        self.assertShows(board, "placed", start, "SHOT", 0, 2, 3, 4)
        self.assertShows(board, "listed", start, "SHOT", 1)
        # Each drop's sound is its own: the chime four times, the buzz apart.
        self.assertEqual(len({s["which"] for s in rights}), 1)
        self.assertNotEqual(wrong["which"], rights[0]["which"])
        self.page.click(board.button("restart"))
        self.assertShows(board, "board", "SHOT")

    def test_the_48th_name_completes_the_map_and_its_box_starts_a_new_game(self):
        board = self.open()
        chime = None
        for k in range(48):
            sound = board.drop(k, k)
            self.assertIsNotNone(sound, f"name {k} made no sound")
            chime = chime or sound["which"]
        self.assertEqual(board.next_box(0), ["Quillmere", "CONGRATULATIONS! THE MAP IS COMPLETE!"])
        self.assertNotEqual(board.sounds()[-1]["which"], chime, "no fanfare")
        self.page.press_enter()
        self.assertTrue(self.page.wait_for("document.getElementById('box').hidden", timeout=10))
        self.assertShows(board, "board", "SHOT")

    def test_exit_leaves_the_end_screen_whose_link_plays_again(self):
        board = self.open()
        self.page.click(board.button("exit"))
        self.assertTrue(self.page.wait_for("document.body.dataset.state === 'ended'", timeout=10))
        self.assertTrue(self.page.js("getComputedStyle(document.getElementById('ended')).display !== 'none'"
                                     " && getComputedStyle(document.getElementById('frame')).display === 'none'"))
        self.assertNoBoardInWords()
        link = self.page.js("(() => { const r = document.getElementById('play-again').getBoundingClientRect();"
                            " return [r.left + r.width / 2, r.top + r.height / 2]; })()")
        self.page.click(link)
        again = BoardPage(self.page, None)
        self.assertShows(again, "board", "SHOT")
        self.assertIn("home-page-draw=1", self.page.js("location.search"))

    def test_the_board_holding_the_keys_is_named_for_screen_readers(self):
        self.open()
        # The page itself counts as focused while its tab is the browser's front one.
        focused = [node for node in self.page.accessible() if node[2] and node[0] != "RootWebArea"]
        self.assertEqual(focused, [("application", "Map of Africa", True)])

    def test_the_program_s_own_pointers_show_as_css_cursors(self):
        board = self.open()
        cursor = "document.querySelector('#board canvas').style.cursor"
        self.page.mouse("mouseMoved", *board.button("restart"))
        hand = self.page.wait_for(f"{cursor}.startsWith('url(') && {cursor}", timeout=10)
        self.assertTrue(hand, "no picture pointer over the button")
        self.page.mouse("mouseMoved", *board.at((10, 350)))
        self.page.mouse("mouseMoved", *board.entry(0))
        self.page.mouse("mousePressed", *board.entry(0), buttons=1, button="left")
        self.page.mouse("mouseMoved", *board.country(20), buttons=1, button="left")
        pin = self.page.wait_for(f"{cursor}.startsWith('url(') && {cursor} !== {hand!r} && {cursor}", timeout=10)
        self.assertTrue(pin, "no push-pin while dragging")
        self.page.mouse("mouseReleased", *board.country(20), button="left")

    def test_a_small_window_scales_the_board_and_input_alike(self):
        # Down to three quarters of its size: smaller, the page lays out the phone's layout.
        board = self.open(width=800, height=600)
        self.assertLess(board.zoom, 0.8)
        self.assertAlmostEqual(board.height / board.width, 706 / 999, places=2)
        # Judged by ear: names shrunk this far are too small for the pictures' judge.
        # A name dropped on its own country chimes, on its neighbour it buzzes.
        wrong = board.drop(5, 6)
        right = board.drop(6, 6)
        again = board.drop(7, 7)
        self.assertNotIn(None, (wrong, right, again))
        self.assertEqual(right["which"], again["which"])
        self.assertNotEqual(wrong["which"], right["which"])

    def test_a_high_pixel_ratio_draws_the_board_at_it(self):
        board = self.open(scale=2)
        self.assertEqual(self.page.js("document.querySelector('#board canvas').width"), 2 * 999)
        self.assertShows(board, "board", "SHOT")

    def test_the_home_page_opens_at_the_first_release_when_drawn(self):
        board = self.open(query="?home-page-draw=7")
        self.assertNotIn(HOME_PAGE, self.browser.pages())
        board.drop(0, 0)
        opened = any(url.startswith(HOME_PAGE) for url in self.browser.pages())
        for _ in range(100):
            if opened:
                break
            self.page.js("new Promise(r => setTimeout(r, 50))")
            opened = any(url.startswith(HOME_PAGE) for url in self.browser.pages())
        self.assertTrue(opened, "no tab opened on the home page")
        self.browser.close_pages(HOME_PAGE)
        others = self.open()
        others.drop(0, 0)
        self.page.js("new Promise(r => setTimeout(r, 1000))")
        self.assertFalse(any(url.startswith(HOME_PAGE) for url in self.browser.pages()), "the home page opened again")

    def test_a_faulty_country_list_is_reported_and_the_game_goes_on(self):
        with tempfile.TemporaryDirectory(prefix="quillmere-site-") as folder:
            faulty = os.path.join(folder, "site")
            shutil.copytree(SITE, faulty)
            with open(os.path.join(SITE, "items.txt"), "rb") as shipped:
                lines = shipped.read().split(b"\r\n")
            lines[2] = b""
            with open(os.path.join(faulty, "items.txt"), "wb") as out:
                out.write(b"\r\n".join(lines))
            os.remove(os.path.join(faulty, "sounds", "wrong.wma"))
            site = Site(faulty)
            try:
                board = self.open(site=site)
                reports = []
                for shown in range(2):
                    reports.append(board.next_box(shown))
                    self.assertIsNotNone(reports[-1], "too few boxes")
                    self.page.press_enter()
                self.assertTrue(self.page.wait_for("document.getElementById('box').hidden", timeout=10),
                                "more boxes than two")
                self.assertEqual([caption for caption, _ in reports], ["Application Error"] * 2)
                self.assertIn("Form1.Form_Load at line 144", reports[0][1])
                self.assertIn("Form1.Form_Load at line 150", reports[1][1])
                # The blank line's entry is used up; the names around it play on, and
                # a missing sound is silence.
                start = board.shot()
                self.assertIsNotNone(board.drop(3, 3))
                self.assertIsNone(board.drop(1, 0, wait=2))
                self.assertShows(board, "placed", start, "SHOT", 3)
                self.assertShows(board, "listed", start, "SHOT", 1)
            finally:
                site.close()

    def picture(self, site):
        """The bytes of a picture of the board as `site` serves it."""
        board = self.open(site=site)
        with open(board.shot(), "rb") as shot:
            return shot.read()

    def test_after_one_visit_the_game_plays_offline_and_the_page_installs(self):
        site = Site(self.copy_of_the_site())
        board = self.open(site=site)
        self.assertTrue(self.page.wait_for("navigator.serviceWorker.ready.then(() => true)", timeout=60))
        self.assertEqual(self.page.call("Page.getInstallabilityErrors")["installabilityErrors"], [])
        site.close()
        board = self.open(site=site)
        self.assertIsNotNone(board.drop(0, 0), "no sound offline")
        self.assertEqual(self.page.js("document.body.dataset.state"), "playing")

    def test_after_one_visit_in_arabic_its_faces_and_teacher_s_list_play_offline(self):
        folder = self.copy_of_the_site()
        built_in = os.path.join(os.environ["QUILLMERE_SOURCE_DIR"], "assets", "names", "names.ar.txt")
        names = pathlib.Path(built_in).read_text(encoding="utf-8").splitlines()
        names[0] = teachers = names[0] + "*"
        pathlib.Path(folder, "items.ar.txt").write_text("\n".join(names) + "\n", encoding="utf-8")
        site = Site(folder)
        query = NO_HOME_PAGE + "&lang=ar"
        first = self.open(query=query, site=site)
        kept = " && ".join(f"await caches.match('{name}')" for name in
                           ("fonts/NotoSansArabicUI-Regular.ttf", "fonts/NotoSansArabicUI-Bold.ttf", "items.ar.txt"))
        self.page.wait_for(f"(async () => Boolean({kept}))()", timeout=60)
        online = first.shot()
        site.close()
        board = self.open(query=query, site=site)
        offline = board.shot()
        with open(online, "rb") as first, open(offline, "rb") as again:
            self.assertTrue(first.read() == again.read(), "the board differs offline: its faces or list were not kept")
        # The list's columns are mirrored in Arabic: the keys, not the mouse, take the
        # first name the list shows to its country.
        listed = "[...document.querySelectorAll('#names button')].map(b => b.textContent)"
        shown = self.page.js(listed)
        self.assertIn(teachers, shown)
        board.keyboard_drop(names.index(shown[0]))
        self.assertTrue(self.page.wait_for(f"{listed}.length === 47 && !{listed}.includes({shown[0]!r})", timeout=10),
                        "the first name was not placed offline")

    def test_a_new_release_is_kept_whole_past_the_browser_s_cache(self):
        # A host that lets browsers reuse its answers for an hour; quillmere.js and the
        # site's list keep their names from release to release.
        folder = self.copy_of_the_site()
        site = Site(folder, fresh_for=3600)
        self.addCleanup(site.close)
        self.open(site=site)
        self.assertTrue(self.page.wait_for("navigator.serviceWorker.ready.then(() => true)", timeout=60))
        release, mark = "0123456789abcdef", "\n// the next release\n"
        listed = pathlib.Path(folder, "quillmere-site.js")
        listed.write_text(re.sub(r'release: "\w+"', f'release: "{release}"', listed.read_text()))
        with open(os.path.join(folder, "quillmere.js"), "a") as program:
            program.write(mark)
        self.page.js("navigator.serviceWorker.getRegistration().then(r => r.update()).then(() => true)")
        program = (f"(async () => await caches.has('quillmere-{release}') && (await (await caches.open("
                   f"'quillmere-{release}')).match('quillmere.js'))?.text())()")
        self.assertTrue(self.page.wait_for(program, timeout=60), "the new release was never kept")
        self.assertTrue(self.page.js(program).endswith(mark), "the new release kept the old program")

    def test_a_host_that_answers_missing_files_with_its_page_gives_the_program_none(self):
        folder = self.copy_of_the_site()
        site = Site(folder, page_for_missing=True)
        self.addCleanup(site.close)
        # No skin lies on the site: the page the host gives for it must not become one,
        # which would colour the window's edge and the buttons' frames.
        plain, on_that_host = (self.picture(host) for host in (self.site, site))
        self.assertTrue(plain == on_that_host, "the board differs on that host")
        os.remove(os.path.join(folder, "items.txt"))
        board = self.open(site=site)
        caption, text = board.next_box(0)
        self.assertEqual(caption, "Application Error")
        self.assertIn("items.txt", text)
        self.page.press_enter()

    def test_over_plain_http_to_another_computer_the_game_plays(self):
        board = self.open(site=self.site, host=SCHOOL_HOST)
        self.assertFalse(self.page.js("isSecureContext"))
        self.assertIsNotNone(board.drop(0, 0))

    def test_a_start_button_starts_the_sound_where_the_board_could_not(self):
        # For this tab's connection only, which the test closes at its end.
        self.page.call("Page.addScriptToEvaluateOnNewDocument", source=SOUND_ONLY_FROM_A_BUTTON)
        board = self.open()
        start = "document.getElementById('start-sound')"
        self.assertTrue(self.page.js(f"{start}.hidden"), "a Start button before the first gesture")
        self.assertEqual(board.drop(0, 0)["state"], "suspended")
        self.assertTrue(self.page.wait_for(f"!{start}.hidden", timeout=10), "no Start button")
        self.page.click(self.page.js(f"(() => {{ const r = {start}.getBoundingClientRect();"
                                     " return [r.left + r.width / 2, r.top + r.height / 2]; })()"))
        self.assertTrue(self.page.wait_for(f"{start}.hidden", timeout=10), "the Start button stayed")
        self.assertEqual(board.drop(2, 2)["state"], "running")

    def test_a_lost_drawing_context_offers_to_start_again(self):
        self.open()
        self.page.js("(() => { const c = document.querySelector('#board canvas');"
                     " (c.getContext('webgl2') || c.getContext('webgl')).getExtension('WEBGL_lose_context')"
                     ".loseContext(); })()")
        self.assertTrue(self.page.wait_for("document.body.dataset.state === 'lost'", timeout=10))
        self.assertNoBoardInWords()
        self.page.click(self.page.js("(() => { const r = document.querySelector('#lost a').getBoundingClientRect();"
                                     " return [r.left + r.width / 2, r.top + r.height / 2]; })()"))
        self.assertShows(BoardPage(self.page, None), "board", "SHOT")


if __name__ == "__main__":
    unittest.main(verbosity=2)
