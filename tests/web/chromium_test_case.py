"""What the Chromium page tests share: the site served and one headless Chromium
for the class, a new tab for each case (a game kept in one tab's session is no
other case's), a copy of the site for a case to change,
and no case may leave its page with an exception, thrown or caught by the page's
own watch."""
import os
import shutil
import tempfile
import unittest

from chromium import Browser, Site


class ChromiumTestCase(unittest.TestCase):
    browser_args = ()

    @classmethod
    def setUpClass(cls):
        cls.site = Site(os.environ["QUILLMERE_SITE"])
        cls.browser = Browser(extra_args=cls.browser_args)

    @classmethod
    def tearDownClass(cls):
        cls.browser.close()
        cls.site.close()

    def setUp(self):
        self.page = self.browser.new_page()

    def tearDown(self):
        errors = self.page.js("globalThis.quillmereSeen ? quillmereSeen.errors : []")
        self.browser.close_page(self.page)
        self.assertEqual(self.page.exceptions + errors, [], "the page met exceptions")

    def copy_of_the_site(self):
        """A folder holding a copy of the site, for the case to change, gone after it."""
        folder = tempfile.TemporaryDirectory(prefix="quillmere-site-")
        self.addCleanup(folder.cleanup)
        site = os.path.join(folder.name, "site")
        shutil.copytree(os.environ["QUILLMERE_SITE"], site)
        return site

