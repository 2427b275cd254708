"""Chromium driven through the DevTools protocol (python3-websocket): the browser
tests' and benchmarks' hands in Chromium.

The browser runs with a profile folder of its own, headless unless given an X
display (the sound tests give it one, to play through a sound server of their
own), and is ended, with its helpers, through its own process group."""
import base64
import json
import os
import time
import urllib.request

import websocket  # python3-websocket

from browser_process import BrowserProcess
from served_site import Site, free_port  # noqa: F401 (the site the tests serve to it)
from tab import Tab, command

# A low-cost Android phone's browser, as its pages see it: Qt reads the platform and
# the agent to tell an Android phone.
PHONE_AGENT = ("Mozilla/5.0 (Linux; Android 11; Go Edition) AppleWebKit/537.36 (KHTML, like Gecko) "
               "Chrome/120.0.0.0 Mobile Safari/537.36")
PHONE_PLATFORM = "Linux armv8l"
# The keys the tests press, by their KeyboardEvent.key names.
KEY_CODES = {"Tab": 9, "Enter": 13, "ArrowLeft": 37, "ArrowUp": 38, "ArrowRight": 39, "ArrowDown": 40}


class Browser:
    def __init__(self, display=None, extra_args=(), environment=None):
        self.port = free_port()
        env = dict(os.environ if environment is None else environment)
        headless = []
        if display:
            env["DISPLAY"] = display
        else:
            headless = ["--headless=new"]
            env.pop("DISPLAY", None)
        self.browser = BrowserProcess(lambda profile: [
            "chromium", *headless, "--no-sandbox", f"--remote-debugging-port={self.port}",
            "--remote-debugging-address=127.0.0.1", f"--user-data-dir={profile}",
            "--no-first-run", "--no-default-browser-check", "--disable-background-networking",
            "--disable-component-update", "--disable-sync", "--password-store=basic",
            "--window-position=0,0", "--window-size=1100,850",
            # WebGL through software: Qt draws the board with it.
            "--use-angle=swiftshader", "--enable-unsafe-swiftshader", *extra_args, "about:blank"],
            env, "quillmere-chromium-")
        self.process = self.browser.process
        deadline = time.monotonic() + 60
        while True:
            try:
                self.version = self._http("/json/version")
                break
            except OSError:
                if time.monotonic() > deadline or self.process.poll() is not None:
                    self.close()
                    raise RuntimeError("chromium did not open its DevTools port")
                time.sleep(0.1)

    def _http(self, path):
        with urllib.request.urlopen(f"http://127.0.0.1:{self.port}{path}", timeout=5) as response:
            return json.loads(response.read())

    def page(self, prefix=""):
        """The first tab whose address starts with `prefix`."""
        for target in self._http("/json/list"):
            if target["type"] == "page" and target["url"].startswith(prefix):
                return Page(target["webSocketDebuggerUrl"])
        raise RuntimeError("chromium has no page")

    def new_page(self):
        """A tab of its own, with a session of its own (a pupil's new tab), which `close_page` closes."""
        opening = urllib.request.Request(f"http://127.0.0.1:{self.port}/json/new?about:blank", method="PUT")
        with urllib.request.urlopen(opening, timeout=5) as response:
            target = json.loads(response.read())
        page = Page(target["webSocketDebuggerUrl"])
        page.target = target["id"]
        return page

    def close_page(self, page):
        page.close()
        urllib.request.urlopen(f"http://127.0.0.1:{self.port}/json/close/{page.target}", timeout=5).close()

    def pages(self):
        return [t["url"] for t in self._http("/json/list") if t["type"] == "page"]

    def close_pages(self, prefix):
        """Closes the tabs whose address starts with `prefix`."""
        for target in self._http("/json/list"):
            if target["type"] == "page" and target["url"].startswith(prefix):
                urllib.request.urlopen(f"http://127.0.0.1:{self.port}/json/close/{target['id']}", timeout=5).close()

    def close(self):
        self.browser.close()

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()


class Page(Tab):
    """One tab, through its DevTools socket."""
    scale = 1
    phone = False

    def __init__(self, socket_url):
        self.socket = websocket.create_connection(socket_url, timeout=120, suppress_origin=True)
        self.next_id = 0
        # When the last pointer or finger was let go (time.monotonic).
        self.released = None
        self.exceptions = []
        for domain in ("Page", "Runtime"):
            self.call(f"{domain}.enable")

    def call(self, method, **params):
        self.next_id += 1
        mine = self.next_id
        message = command(self.socket, mine, method, params, self._event)
        if "error" in message:
            raise RuntimeError(f"{method}: {message['error']}")
        return message.get("result", {})

    def _event(self, message):
        method = message.get("method")
        if method == "Runtime.exceptionThrown":
            details = message["params"]["exceptionDetails"]
            self.exceptions.append(details.get("exception", {}).get("description", details.get("text", "")))

    def js(self, expression):
        result = self.call("Runtime.evaluate", expression=expression, returnByValue=True, awaitPromise=True)
        if "exceptionDetails" in result:
            raise RuntimeError(f"{expression}: {result['exceptionDetails']}")
        return result["result"].get("value")

    def open(self, url, width=1100, height=850, scale=1, touch=False, phone=False):
        """Opens `url` in a window of `width` x `height` CSS pixels at `scale` device
        pixels to one; with `phone`, as a phone's browser: its agent, touch, and its
        layout rules (the viewport meta, a layout viewport that grows to its content)."""
        self.scale = scale
        self.emulate(width, height, phone)
        self.call("Emulation.setTouchEmulationEnabled", enabled=touch or phone, maxTouchPoints=5 if touch or phone else 1)
        if phone or self.phone:
            # An empty agent is the browser's own again.
            self.call("Emulation.setUserAgentOverride", userAgent=PHONE_AGENT if phone else "",
                      platform=PHONE_PLATFORM if phone else "")
        self.phone = phone
        self.call("Page.navigate", url=url)

    def emulate(self, width, height, phone=False):
        """The window's size; a phone's screen turns with it."""
        upright = {"type": "portraitPrimary" if height >= width else "landscapePrimary",
                   "angle": 0 if height >= width else 90}
        self.call("Emulation.setDeviceMetricsOverride", width=width, height=height, deviceScaleFactor=self.scale,
                  mobile=phone, **({"screenOrientation": upright} if phone else {}))

    def device_pixel_ratio(self):
        """Device pixels to a CSS pixel, as the screen has them (the page draws its board at fewer)."""
        return self.scale

    # A player's hands, in the page's CSS pixels.
    def mouse(self, kind, x, y, buttons=0, button="none"):
        if kind == "mouseReleased":
            self.released = time.monotonic()
        self.call("Input.dispatchMouseEvent", type=kind, x=x, y=y, button=button, buttons=buttons,
                  clickCount=1 if kind != "mouseMoved" else 0, pointerType="mouse")

    def click(self, at):
        self.mouse("mouseMoved", *at)
        self.mouse("mousePressed", *at, buttons=1, button="left")
        self.mouse("mouseReleased", *at, button="left")

    def drag(self, start, end, steps=12):
        self.mouse("mouseMoved", *start)
        self.mouse("mousePressed", *start, buttons=1, button="left")
        for i in range(1, steps + 1):
            self.mouse("mouseMoved", start[0] + (end[0] - start[0]) * i / steps,
                       start[1] + (end[1] - start[1]) * i / steps, buttons=1, button="left")
        self.mouse("mouseReleased", *end, button="left")

    def touch_drag(self, start, end, steps=12, last="touchEnd"):
        self.touch_along([start, end], steps, last)

    def touch_along(self, points, steps=12, last="touchEnd"):
        """One finger put down at the first point, moved through the others in `steps`
        moves each, and lifted (or taken by the browser: `last` "touchCancel")."""
        self.fingers([points[0]], "touchStart")
        for start, end in zip(points, points[1:]):
            for i in range(1, steps + 1):
                self.fingers([(start[0] + (end[0] - start[0]) * i / steps, start[1] + (end[1] - start[1]) * i / steps)])
        self.fingers([], last)

    def fingers(self, places, kind="touchMove", at=None):
        """The fingers down now, each at its (x, y) (their order gives their ids); the
        event's time `at` (seconds), when the page must see it so."""
        if kind == "touchEnd":
            self.released = time.monotonic()
        points = [{"x": x, "y": y, "id": finger} for finger, (x, y) in enumerate(places)]
        self.call("Input.dispatchTouchEvent", type=kind, touchPoints=points, **({"timestamp": at} if at else {}))

    def touch_cancelled_drag(self, start, end, steps=12):
        """A finger that drags and is then taken by the browser (an edge swipe, say)."""
        self.touch_drag(start, end, steps, last="touchCancel")

    def press_enter(self):
        self.keys(["Enter"])

    def keys(self, names, shift=False, ctrl=False):
        """Presses and lets go of each key named, as the page's KeyboardEvent.key names
        it, with Shift held throughout when `shift`, Ctrl when `ctrl`."""
        modifiers = (8 if shift else 0) | (2 if ctrl else 0)
        for name in names:
            code = KEY_CODES[name]
            common = {"key": name, "code": name, "windowsVirtualKeyCode": code, "modifiers": modifiers}
            self.call("Input.dispatchKeyEvent", type="rawKeyDown", **common)
            if name == "Enter":
                self.call("Input.dispatchKeyEvent", type="char", text="\r")
            self.call("Input.dispatchKeyEvent", type="keyUp", **common)

    def resize(self, width, height):
        self.emulate(width, height)

    def accessible(self):
        """What a screen reader is given of the page: (role, name, focused) of each node
        of Chromium's accessibility tree that it does not ignore."""
        nodes = self.call("Accessibility.getFullAXTree")["nodes"]
        value = lambda node, key: node.get(key, {}).get("value", "")
        return [(value(node, "role"), value(node, "name"),
                 any(p["name"] == "focused" and p["value"].get("value") for p in node.get("properties", [])))
                for node in nodes if not node.get("ignored")]

    def screenshot(self, path, clip=None):
        params = {"format": "png"}
        if clip:
            params["clip"] = clip
        with open(path, "wb") as out:
            out.write(base64.b64decode(self.call("Page.captureScreenshot", **params)["data"]))

    def close(self):
        self.socket.close()
