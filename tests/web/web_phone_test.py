"""The site in Chromium's emulation of a low-cost Android phone (360 x 780 CSS pixels,
three device pixels to one, touch): the map and the panel whole in portrait and
turned, names a finger can hit and read, a swipe that only scrolls, small countries
hit on a zoomed map, the game kept through a reload and a lost drawing, no keyboard
asked for, and the names a screen reader finds by touch where the board shows them."""
import unittest

from board_page import BoardPage, points, today_country
from chromium_test_case import ChromiumTestCase
from phone_board import FINGER, LANDSCAPE, PORTRAIT, PhoneBoard

NO_HOME_PAGE = "?home-page-draw=1"
GAMBIA, LESOTHO = 17, 22
# The side of the largest square inside their drop areas, in the board's pixels:
# the Gambia's hotspot less Senegal's over its edge, Lesotho's less South Africa's,
# the Comoros' ring.
ACROSS = {GAMBIA: 8, LESOTHO: 20, "KM": 16}
NAMES = "[...document.querySelectorAll('#names button')]"


class WebPhoneTest(ChromiumTestCase):
    def open(self, query="", size=PORTRAIT):
        return PhoneBoard(self.page, self.site.url + NO_HOME_PAGE + query, size)

    def assertFitsAPhone(self, phone, size, panel):
        self.assertEqual(phone.layout(), ["phone", panel])
        viewport = self.page.js("[innerWidth, innerHeight, document.documentElement.scrollWidth,"
                                " document.documentElement.scrollHeight, visualViewport.scale]")
        self.assertEqual(viewport, [*size, *size, 1], "the page grew past the screen, or was zoomed")
        for part in ("#frame", "#restart", "#exit", "#instruction", "#countries-heading"):
            box = phone.rect(part)
            self.assertTrue(box["left"] >= 0 and box["top"] >= 0 and box["right"] <= size[0]
                            and box["bottom"] <= size[1] and box["width"] > 0, f"{part} is not whole: {box}")
        shown = self.page.js("(() => { const c = document.getElementById('board-canvas');"
                             " return [c.offsetWidth, c.width]; })()")
        self.assertAlmostEqual(shown[0], phone.width, delta=1, msg="the canvas's layout box is not its size")
        self.assertEqual(shown[1], 2 * 999, "the board is not drawn at twice its size")
        buttons = self.page.js(f"{NAMES}.map(b => [b.getBoundingClientRect().height,"
                               " parseFloat(getComputedStyle(b).fontSize)])")
        self.assertTrue(all(tall >= FINGER and text >= 16 for tall, text in buttons), buttons)

    def test_portrait_and_turned_landscape_fit_and_a_finger_carries_names_a_swipe_only_scrolls(self):
        phone = self.open()
        self.assertFitsAPhone(phone, PORTRAIT, "below")
        # A swipe along the names scrolls them and carries none.
        first = phone.name(0)
        self.page.touch_along([first, (first[0] - 150, first[1])], steps=6)
        self.assertTrue(self.page.wait_for("document.getElementById('names').scrollLeft > 50", timeout=10))
        self.assertEqual(len(phone.listed()), 48)
        self.assertEqual(phone.sounds(), [])
        where = points()["hotspot"]
        buzz = phone.drop(1, where[0])
        chime = phone.drop(0, where[0])
        self.assertNotIn(None, (buzz, chime))
        self.assertNotEqual(buzz["which"], chime["which"])
        self.assertEqual([entry for entry, _ in phone.listed()][:2], [1, 2])
        self.page.emulate(*LANDSCAPE, phone=True)
        self.assertTrue(self.page.wait_for("document.body.dataset.panel === 'beside'", timeout=10))
        phone.measure()
        self.assertFitsAPhone(phone, LANDSCAPE, "beside")
        self.assertEqual(phone.drop(47, where[47])["which"], chime["which"])

    def test_the_gambia_and_lesotho_by_touch_kept_through_a_reload_and_a_lost_drawing_until_restart(self):
        phone = self.open()
        where = points()["hotspot"]
        chime = None
        for country in (GAMBIA, LESOTHO):
            phone.zoom_on(where[country], ACROSS[country])
            phone.bring_up(where[country])
            sound = phone.drop(country, where[country])
            self.assertIsNotNone(sound, f"name {country} made no sound")
            chime = chime or sound["which"]
            self.assertEqual(sound["which"], chime)
            phone.double_tap(phone.shown_at(where[country]))
            self.page.wait_for(f"Element.prototype.getBoundingClientRect.call(document.getElementById("
                               f"'board-canvas')).width < {phone.width}", timeout=10)
        kept = "!" + NAMES + ".some(b => [17, 22].includes(Number(b.dataset.entry)))"
        phone = PhoneBoard.after(self.page, lambda: self.page.call("Page.reload"))
        self.assertTrue(self.page.wait_for(f"{NAMES}.length === 46 && {kept}", timeout=10), "not kept by a reload")
        self.page.js("(c => (c.getContext('webgl2') || c.getContext('webgl')).getExtension('WEBGL_lose_context')"
                     ".loseContext())(document.getElementById('board-canvas'))")
        self.assertTrue(self.page.wait_for("document.body.dataset.state === 'lost'", timeout=10))
        phone = PhoneBoard.after(self.page, lambda: self.page.js("document.querySelector('#lost a').click()"))
        self.assertTrue(self.page.wait_for(f"{NAMES}.length === 46 && {kept}", timeout=10), "not kept when lost")
        restart = phone.rect("#restart")
        self.page.touch_drag(*[(restart["left"] + 20, restart["top"] + 20)] * 2, steps=1)
        self.assertTrue(self.page.wait_for(f"{NAMES}.length === 48 && !sessionStorage.length", timeout=10))

    def test_comoros_on_africa_today_in_arabic_by_touch(self):
        phone = self.open("&board=today&lang=ar", LANDSCAPE)
        self.assertEqual(self.page.js("getComputedStyle(document.getElementById('words')).direction"), "rtl")
        self.assertLess(phone.rect("#frame")["right"], phone.rect("#words")["left"] + 1, "the map is not on the left")
        row, comoros = today_country("KM")
        phone.zoom_on(comoros, ACROSS["KM"])
        phone.bring_up(comoros)
        self.assertIsNotNone(phone.drop(row, comoros), "no sound")
        self.assertNotIn(row, [entry for entry, _ in phone.listed()])

    def test_keys_play_without_a_keyboard_on_screen_and_names_lie_where_the_board_shows_them(self):
        self.open()
        self.page.js("document.getElementById('board-canvas').focus()")
        self.assertEqual(self.page.js("document.querySelectorAll('input, textarea, [contenteditable]').length"
                                      " + document.activeElement.isContentEditable"), 0)
        second = self.page.js(f"{NAMES}[1].textContent")
        self.page.keys(["ArrowDown", "Enter"])
        self.assertTrue(self.page.wait_for("document.getElementById('drop-point').textContent"
                                           f".startsWith('Drop point for {second}:')", timeout=10))
        board = BoardPage(self.page, self.site.url + NO_HOME_PAGE, scale=2)
        for k, place in enumerate(points()["listEntry"]):
            x, y = board.at(place)
            found = self.page.js(f"document.elementFromPoint({x}, {y}).closest('button')?.dataset.entry")
            self.assertEqual(found, str(k), f"name {k} is not where the board shows it")


if __name__ == "__main__":
    unittest.main(verbosity=2)
