#!/usr/bin/python3
"""Benchmarks of the web build, run by hand (./build.sh web-bench): the program's
size, raw and gzipped; the time from navigation to the board's first frame in
Chromium, beside an empty Qt window of the same size built and paged the same way
(the floor), both taking turns in the same run, from a cold and a warm HTTP cache;
and drop to sound, from the pointer's release to the sound's start in the page and
to its first audible sample on a PulseAudio null sink.

Usage: bench/web/web-bench.py BUILD_DIR [RUNS]   (BUILD_DIR is build-web)"""
import gzip
import os
import statistics
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "web"))
from board_page import BoardPage  # noqa: E402
from chromium import Browser, Site  # noqa: E402
from sound_server import Monitor, SoundServer, XServer  # noqa: E402


def sizes(site, program):
    with open(os.path.join(site, f"{program}.wasm"), "rb") as f:
        raw = f.read()
    return len(raw), len(gzip.compress(raw, 9))


def first_frame(page, url, cold):
    page.call("Network.enable")
    page.call("Network.setCacheDisabled", cacheDisabled=cold)
    # The page's service worker keeps the site once visited: a cold start passes it by.
    page.call("Network.setBypassServiceWorker", bypass=cold)
    page.call("Page.navigate", url=url)
    drawn = page.wait_for("globalThis.quillmereSeen && quillmereSeen.firstDraw", timeout=120)
    if drawn is None:
        raise RuntimeError(f"{url}: never drawn")
    return drawn


def drop_to_sound(site, drops):
    server = SoundServer()
    ears = Monitor(server)
    x = XServer()
    browser = Browser(display=x.display, environment=server.client_environment())
    page = browser.page()
    try:
        board = BoardPage(page, site.url + "?home-page-draw=1")
        started, heard, latency = [], [], []
        for i in range(drops):
            name = i % 48
            country = name if i % 2 == 0 else (name + 1) % 48
            sound = board.drop(name, country)
            released = page.released
            deadline = time.monotonic() + 5
            while ears.first_audible(released) is None and time.monotonic() < deadline:
                time.sleep(0.005)
            audible = ears.first_audible(released)
            if sound is not None:
                started.append(sound["afterRelease"])
                latency.append(1000 * page.js("(quillmereSeen.audio.outputLatency || 0) + (quillmereSeen.audio.baseLatency || 0)"))
            if audible is not None:
                heard.append(1000 * (audible - released))
            time.sleep(1.5)
            if i % 2 == 0:
                page.click(board.button("restart"))
        return started, heard, latency
    finally:
        page.close()
        browser.close()
        x.close()
        ears.close()
        server.close()


def main():
    build = sys.argv[1]
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 7
    game, floor = os.path.join(build, "site"), os.path.join(build, "bench-site")
    print("| Program | .wasm raw | .wasm gzip -9 |\n|---|---|---|")
    for name, folder, program in (("Quillmere", game, "quillmere"), ("Bare Qt window", floor, "quillmere-bare-window")):
        raw, packed = sizes(folder, program)
        print(f"| {name} | {raw / 1e6:.2f} MB | {packed / 1e6:.2f} MB |")

    sites = {"game": Site(game), "floor": Site(floor)}
    frames = {(which, cold): [] for which in sites for cold in (True, False)}
    with Browser() as browser:
        page = browser.page()
        for _ in range(runs):
            for cold in (True, False):
                for which, site in sites.items():
                    frames[(which, cold)].append(first_frame(page, site.url + "?home-page-draw=1", cold))
        page.close()
    print("\n| Navigation to first frame, median of %d | Quillmere | Bare Qt window | Ratio |\n|---|---|---|---|" % runs)
    for cold in (True, False):
        game_ms, floor_ms = statistics.median(frames[("game", cold)]), statistics.median(frames[("floor", cold)])
        print(f"| {'cold' if cold else 'warm'} cache | {game_ms:.0f} ms | {floor_ms:.0f} ms | {game_ms / floor_ms:.2f} |")

    started, heard, latency = drop_to_sound(sites["game"], 20)
    for site in sites.values():
        site.close()
    print("\n| Drop to sound (20 drops, right and wrong) | median | worst |\n|---|---|---|")
    print(f"| release to the sound's start in the page | {statistics.median(started):.1f} ms | {max(started):.1f} ms |")
    if heard:
        print(f"| release to the first audible sample on the null sink ({len(heard)} of 20 heard) "
              f"| {statistics.median(heard):.1f} ms | {max(heard):.1f} ms |")
    print(f"| the page's own output latency (base + output), as Web Audio reports it "
          f"| {statistics.median(latency):.1f} ms | {max(latency):.1f} ms |")


if __name__ == "__main__":
    main()
