"""The three engines a school's browsers run on, behind one set of hands: Chromium
(chromium.py), Firefox ESR and WebKitGTK (webdriver_engines.py). `open_tab(name,
...)` starts one with a tab on the X display and sound server given."""
import chromium
import webdriver_engines

ENGINES = ("chromium", "firefox", "webkit")


class _ChromiumTab:
    """Chromium's tab, which closes its browser with it."""

    def __init__(self, environment):
        # Its accessibility tree reaches the desktop's accessibility bus only when asked for.
        self.browser = chromium.Browser(display=environment["DISPLAY"], environment=environment,
                                        extra_args=["--force-renderer-accessibility"])
        self.page = self.browser.page()
        self.version = self.browser.version["Browser"]

    def __getattr__(self, name):
        return getattr(self.page, name)

    @property
    def released(self):
        return self.page.released

    @released.setter
    def released(self, when):
        self.page.released = when

    def open(self, url, width=1100, height=850, touch=True, scale=1, phone=False):
        # Touches are Chromium's only when it is told the screen takes them.
        self.page.open(url, width=width, height=height, touch=touch, scale=scale, phone=phone)

    def close(self):
        self.page.close()
        self.browser.close()


def open_tab(name, environment):
    """A browser of engine `name` with one tab; `environment` holds its DISPLAY and sound server."""
    if name == "chromium":
        return _ChromiumTab(environment)
    if name == "firefox":
        return webdriver_engines.Firefox(environment)
    if name == "webkit":
        return webdriver_engines.WebKit(environment)
    raise ValueError(f"no engine {name}; there are {', '.join(ENGINES)}")
