"""The page in the pupil's language, in headless Chromium: the browser's languages
(navigator.languages) choose it, the page's ?lang= overrides them, the page's own
texts, lang and dir follow, and the program is handed the same language: in French
"Maroc" dragged with the mouse onto Algeria is wrong and onto Morocco is placed,
said in French in the page's live region."""
import os
import unittest

from board_page import BoardPage
from chromium import Browser, Site

SITE = os.environ["QUILLMERE_SITE"]
ALGERIA, MOROCCO = 0, 29


class WebLanguageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.site = Site(SITE)
        cls.browser = Browser()

    @classmethod
    def tearDownClass(cls):
        cls.browser.close()
        cls.site.close()

    def setUp(self):
        self.page = self.browser.page()
        self.page.exceptions.clear()

    def tearDown(self):
        self.page.close()
        self.assertEqual(self.page.exceptions, [], "the page met exceptions")

    def open(self, query, languages):
        """The page as a browser whose languages are `languages` (best first) opens it."""
        agent = self.page.js("navigator.userAgent")
        self.page.call("Emulation.setUserAgentOverride", userAgent=agent, acceptLanguage=languages)
        return BoardPage(self.page, self.site.url + "?home-page-draw=1" + query)

    def page_language(self):
        return self.page.js("[document.documentElement.lang, document.documentElement.dir,"
                            " document.querySelector('[data-text=loading]').textContent]")

    def test_the_browsers_first_language_the_board_speaks(self):
        self.open("", "de-DE,sw-TZ,fr")
        self.assertEqual(self.page_language(), ["sw", "ltr", "Quillmere inapakia…"])

    def test_english_where_the_board_speaks_none(self):
        self.open("", "de-DE,zh")
        self.assertEqual(self.page_language(), ["en", "ltr", "Quillmere is loading…"])

    def test_arabic_reads_right_to_left(self):
        self.open("", "ar-MA")
        self.assertEqual(self.page_language(), ["ar", "rtl", "جارٍ تحميل Quillmere…"])

    def test_lang_overrides_the_browser_and_the_program_plays_in_french(self):
        board = self.open("&lang=fr", "ar,pt")
        self.assertEqual(self.page_language(), ["fr", "ltr", "Quillmere se charge…"])
        said = "document.getElementById('said-at-once').textContent"
        start = board.shot()
        self.assertIsNotNone(board.drop(MOROCCO, ALGERIA), "the wrong drop made no sound")
        self.assertTrue(self.page.wait_for(f"{said} === 'Pas ici. Maroc retourne dans la liste.'", timeout=10),
                        self.page.js(said))
        self.assertIsNotNone(board.drop(MOROCCO, MOROCCO), "the right drop made no sound")
        self.assertTrue(self.page.wait_for(f"{said} === 'Maroc placé. 1 sur 48.'", timeout=10), self.page.js(said))
        holds, what, _ = board.shows("placed", start, "SHOT", MOROCCO)
        self.assertTrue(holds, what)


if __name__ == "__main__":
    unittest.main()
