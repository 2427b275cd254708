"""Firefox ESR and WebKitGTK driven through WebDriver: Firefox through WebDriver
BiDi on its own remote port (python3-websocket), WebKitGTK's MiniBrowser through
WebKitWebDriver (classic WebDriver, python3-selenium). Both take the same W3C
input actions; a tab here offers what chromium.Page offers, so that a test case
is written once for every engine. Each browser runs on the X display and sound
server given, with a profile of its own, and is ended through its own process
group."""
import base64
import json
import os
import time

import websocket  # python3-websocket

from browser_process import BrowserProcess
from served_site import free_port
from tab import Tab, command

KEYS = {"Tab": "\ue004", "Enter": "\ue007", "Shift": "\ue008", "Control": "\ue009", "ArrowLeft": "\ue012",
        "ArrowUp": "\ue013", "ArrowRight": "\ue014", "ArrowDown": "\ue015"}
# The page's value of an expression, awaited, as JSON: both protocols carry a string alike.
AS_JSON = "Promise.resolve(({})).then(v => JSON.stringify(v === undefined ? null : v))"
# A lift that follows a cancel reaches the page as real input; the cancel itself
# cannot be sent through WebDriver, so the page gets it as the browser sends it.
CANCEL = """document.querySelector("#board canvas").dispatchEvent(new PointerEvent("pointercancel",
  { pointerId: quillmereSeen.lastPointer, pointerType: "touch", isPrimary: true, bubbles: true }))"""


def _pointer(kind, actions):
    return {"type": "pointer", "id": kind, "parameters": {"pointerType": kind}, "actions": actions}


def _at(x, y):
    return {"type": "pointerMove", "x": round(x), "y": round(y), "origin": "viewport", "duration": 0}


class WebDriverTab(Tab):
    """What both engines share: input as W3C actions. Subclasses send actions and
    scripts their own way."""

    def __init__(self):
        self.released = None
        self.exceptions = []

    def _press_and_move(self, kind, start, end, steps):
        self._press_along(kind, [start, end], steps)

    def _press_along(self, kind, points, steps):
        path = [_at(start[0] + (end[0] - start[0]) * i / steps, start[1] + (end[1] - start[1]) * i / steps)
                for start, end in zip(points, points[1:]) for i in range(1, steps + 1)]
        self.actions([_pointer(kind, [_at(*points[0]), {"type": "pointerDown", "button": 0}, *path])])

    def _lift(self, kind):
        self.released = time.monotonic()
        self.actions([_pointer(kind, [{"type": "pointerUp", "button": 0}])])

    def drag(self, start, end, steps=12):
        self._press_and_move("mouse", start, end, steps)
        self._lift("mouse")

    def touch_drag(self, start, end, steps=12):
        self._press_and_move("touch", start, end, steps)
        self._lift("touch")

    def touch_along(self, points, steps=12):
        self._press_along("touch", points, steps)
        self._lift("touch")

    def device_pixel_ratio(self):
        return 1

    def touch_cancelled_drag(self, start, end, steps=12):
        self._press_and_move("touch", start, end, steps)
        self.js(CANCEL)
        self._lift("touch")

    def keys(self, names, shift=False, ctrl=False):
        pressed = []
        for name in names:
            pressed += [{"type": "keyDown", "value": KEYS[name]}, {"type": "keyUp", "value": KEYS[name]}]
        for held, modifier in ((shift, "Shift"), (ctrl, "Control")):
            if held:
                pressed = [{"type": "keyDown", "value": KEYS[modifier]}, *pressed,
                           {"type": "keyUp", "value": KEYS[modifier]}]
        self.actions([{"type": "key", "id": "keyboard", "actions": pressed}])



# Firefox as a fresh profile would start it, less the first-run pages and with
# WebGL allowed on the software renderer an X server without a graphics card has.
FIREFOX_PREFS = {
    "browser.shell.checkDefaultBrowser": False, "browser.aboutwelcome.enabled": False,
    "datareporting.policy.dataSubmissionEnabled": False, "toolkit.telemetry.reportingpolicy.firstRun": False,
    "webgl.force-enabled": True, "browser.startup.homepage_override.mstone": "ignore",
}


class Firefox(WebDriverTab):
    """Firefox ESR with one tab, spoken to through WebDriver BiDi."""

    def __init__(self, environment):
        super().__init__()
        port = free_port()

        def args(profile):
            with open(os.path.join(profile, "user.js"), "w") as prefs:
                for name, value in FIREFOX_PREFS.items():
                    prefs.write(f"user_pref({json.dumps(name)}, {json.dumps(value)});\n")
            return ["firefox-esr", "--no-remote", "--profile", profile, f"--remote-debugging-port={port}",
                    "--remote-allow-hosts=127.0.0.1", "about:blank"]
        self.browser = BrowserProcess(args, environment, "quillmere-firefox-")
        deadline = time.monotonic() + 60
        while True:
            try:
                self.socket = websocket.create_connection(f"ws://127.0.0.1:{port}/session", timeout=120,
                                                          suppress_origin=True)
                break
            except OSError:
                if time.monotonic() > deadline or self.browser.process.poll() is not None:
                    self.browser.close()
                    raise RuntimeError("firefox did not open its WebDriver BiDi port")
                time.sleep(0.2)
        self.next_id = 0
        self.version = self.call("session.new", capabilities={})["capabilities"]["browserVersion"]
        self.context = self.call("browsingContext.getTree")["contexts"][0]["context"]

    def call(self, method, **params):
        self.next_id += 1
        mine = self.next_id
        message = command(self.socket, mine, method, params)
        if message.get("type") == "error":
            raise RuntimeError(f"{method}: {message.get('error')}: {message.get('message')}")
        return message["result"]

    def js(self, expression):
        result = self.call("script.evaluate", expression=AS_JSON.format(expression),
                           target={"context": self.context}, awaitPromise=True)
        if result["type"] == "exception":
            raise RuntimeError(f"{expression}: {result['exceptionDetails']['text']}")
        return json.loads(result["result"]["value"])

    def actions(self, sources):
        self.call("input.performActions", context=self.context, actions=sources)

    def open(self, url, width=1100, height=850, touch=False, scale=1, phone=False):
        assert scale == 1
        self.resize(width, height)
        self.call("browsingContext.navigate", context=self.context, url=url, wait="interactive")

    def resize(self, width, height):
        self.call("browsingContext.setViewport", context=self.context,
                  viewport={"width": width, "height": height})

    def screenshot(self, path, clip):
        assert clip.get("scale", 1) == 1, "pictures only of an unscaled board"
        box = {"type": "box", **{k: clip[k] for k in ("x", "y", "width", "height")}}
        data = self.call("browsingContext.captureScreenshot", context=self.context, clip=box)["data"]
        with open(path, "wb") as out:
            out.write(base64.b64decode(data))

    def close(self):
        try:
            self.call("session.end")
        except (OSError, RuntimeError, websocket.WebSocketException):
            pass
        self.socket.close()
        self.browser.close()


MINIBROWSER = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"


class WebKit(WebDriverTab):
    """WebKitGTK's MiniBrowser with one window, through WebKitWebDriver, whose touch
    actions reach the page as the mouse's."""
    touch_is_mouse = True

    def __init__(self, environment):
        super().__init__()
        from selenium import webdriver  # python3-selenium
        from selenium.webdriver.webkitgtk.options import Options
        options = Options()
        options.binary_location = MINIBROWSER
        options.add_argument("--automation")
        port = free_port()
        self.service = BrowserProcess(lambda folder: ["WebKitWebDriver", f"--port={port}", "--host=127.0.0.1"],
                                environment, "quillmere-webkit-")
        deadline = time.monotonic() + 60
        while True:
            try:
                self.driver = webdriver.Remote(command_executor=f"http://127.0.0.1:{port}", options=options)
                break
            except Exception:  # the driver's port not open yet, which urllib3 reports in its own ways
                if time.monotonic() > deadline or self.service.process.poll() is not None:
                    self.service.close()
                    raise
                time.sleep(0.2)
        self.version = self.driver.capabilities.get("browserVersion")
        self.frame = (0, 0)

    def js(self, expression):
        return json.loads(self.driver.execute_script("return " + AS_JSON.format(expression)))

    def actions(self, sources):
        from selenium.webdriver.remote.command import Command
        self.driver.execute(Command.W3C_ACTIONS, {"actions": sources})

    def open(self, url, width=1100, height=850, touch=False, scale=1, phone=False):
        assert scale == 1
        self.resize(width, height)
        self.driver.get(url)

    def resize(self, width, height):
        # The window's own frame and toolbar lie around the page: measured once, then added.
        self.driver.set_window_rect(width=width + self.frame[0], height=height + self.frame[1])
        inner = self.js("[innerWidth, innerHeight]")
        if inner != [width, height]:
            self.frame = (self.frame[0] + width - inner[0], self.frame[1] + height - inner[1])
            self.driver.set_window_rect(width=width + self.frame[0], height=height + self.frame[1])

    def screenshot(self, path, clip):
        assert clip.get("scale", 1) == 1, "pictures only of an unscaled board"
        from selenium.webdriver.common.by import By
        with open(path, "wb") as out:
            out.write(self.driver.find_element(By.ID, "frame").screenshot_as_png)

    def close(self):
        try:
            self.driver.quit()
        finally:
            self.service.close()
