"""The page in the pupil's language, in headless Chromium: the browser's languages
(navigator.languages) choose it, the page's ?lang= overrides them, the page's own
texts, lang and dir follow, and the program is handed the same language: in French
"Maroc" dragged with the mouse onto Algeria is wrong and onto Morocco is placed,
said in French in the page's live region. The app installed from the page keeps
its language and its board. The page's ?board=today starts the board of Africa today: its 55
names listed, South Sudan placed on its own land, Sudan wrong there."""
import json
import unittest
import urllib.parse

from board_page import BoardPage, today_country
from chromium_test_case import ChromiumTestCase

ALGERIA, MOROCCO = 0, 29


def today_entry(place):
    """The board pixel on list place `place` of Africa today: 28 names down the left
    column, the rest down the right, 270 twips apart."""
    left, row = (8760, place) if place < 28 else (11880, place - 28)
    return left // 15 + 6, (1440 + 270 * row) // 15 + 9


class WebLanguageTest(ChromiumTestCase):
    def open(self, query, languages):
        """The page as a browser whose languages are `languages` (best first) opens it."""
        agent = self.page.js("navigator.userAgent")
        self.page.call("Emulation.setUserAgentOverride", userAgent=agent, acceptLanguage=languages)
        return BoardPage(self.page, self.site.url + "?home-page-draw=1" + query)

    def page_language(self):
        return self.page.js("[document.documentElement.lang, document.documentElement.dir,"
                            " document.querySelector('[data-text=loading]').textContent]")

    def test_the_browsers_first_language_the_board_speaks_else_english(self):
        for languages, shown in (("de-DE,sw-TZ,fr", ["sw", "ltr", "Quillmere inapakia…"]),
                                 ("de-DE,zh", ["en", "ltr", "Quillmere is loading…"]),
                                 ("ar-MA", ["ar", "rtl", "جارٍ تحميل Quillmere…"])):
            with self.subTest(languages=languages):
                self.open("", languages)
                self.assertEqual(self.page_language(), shown)

    def test_lang_overrides_the_browser_and_the_program_plays_in_french(self):
        board = self.open("&lang=fr", "ar,pt")
        self.assertEqual(self.page_language(), ["fr", "ltr", "Quillmere se charge…"])
        said = "document.getElementById('said-at-once').textContent"
        start = board.shot()
        # The list in words shows the names as the board does: in French order, the browser's own.
        shown = self.page.js("[...document.querySelectorAll('#names button')].map(b => b.textContent)")
        self.assertEqual(shown[:3], ["Afrique du Sud", "Alg\u00e9rie", "Angola"])
        self.assertEqual(shown.index("\u00c9gypte"), shown.index("Djibouti") + 1)
        place = shown.index("Maroc")
        self.assertIsNotNone(board.drop(MOROCCO, ALGERIA, place=place), "the wrong drop made no sound")
        wrong = "Pas ici\u00a0: sur un pays pas encore nommé. Maroc\u00a0: retour dans la liste."
        self.assertTrue(self.page.wait_for(f"{said} === '{wrong}'", timeout=10), self.page.js(said))
        self.assertIsNotNone(board.drop(MOROCCO, MOROCCO, place=place), "the right drop made no sound")
        self.assertTrue(self.page.wait_for(f"{said} === 'Maroc\u00a0: bonne réponse\u202f! 1 sur 48.'", timeout=10),
                        self.page.js(said))
        board.must_show("placed", start, "SHOT", f"{MOROCCO}:{place}")

    def test_board_today_lists_55_names_and_judges_by_its_own_map(self):
        board = self.open("&board=today&lang=fr", "fr")
        said = "document.getElementById('said-at-once').textContent"
        shown = self.page.js("[...document.querySelectorAll('#names button')].map(b => b.textContent)")
        self.assertEqual((len(shown), shown[:2]), (55, ["Afrique du Sud", "Algérie"]))
        south_sudan = board.at(today_country("SS")[1])
        # Nothing is placed before the right drop: every name keeps its place.
        for name, heard in (("Soudan", "Pas ici\u00a0: sur un pays pas encore nommé. Soudan\u00a0: retour dans la liste."),
                            ("Soudan du Sud", "Soudan du Sud\u00a0: bonne réponse\u202f! 1 sur 55.")):
            before = len(board.sounds())
            self.page.drag(board.at(today_entry(shown.index(name))), south_sudan)
            self.assertTrue(self.page.wait_for(f"quillmereSeen.sounds.length > {before}", timeout=10), name)
            self.assertTrue(self.page.wait_for(f"{said} === '{heard}'", timeout=10), self.page.js(said))

    def test_the_app_installed_from_the_page_keeps_its_language_and_board(self):
        for query, start in (("&lang=fr", "?lang=fr"), ("&board=today&lang=fr", "?lang=fr&board=today")):
            self.open(query, "ar,pt")
            manifest = self.page.call("Page.getAppManifest")
            fields = json.loads(manifest["data"])
            self.assertEqual(urllib.parse.urljoin(manifest["url"], fields["start_url"]), self.site.url + start)
            self.assertEqual((fields["lang"], fields["description"]), ("fr", "Un jeu de géographie sur les pays d’Afrique"))

if __name__ == "__main__":
    unittest.main()
