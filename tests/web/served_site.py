"""The site as the browser tests serve it: a folder on 127.0.0.1, on a port of its
own, in a thread, with the tests' watch put in each page it serves (PAGE_HOOKS).
A site may also answer as some hosts do, with the page for any path it lacks, or
let browsers keep every answer for a while without asking again."""
import functools
import http.server
import os
import socket
import threading

# What the page does, seen from outside the program: the first WebGL draw of the
# board, each sound started and how long after the last pointer release, its audio
# context, and every
# exception and abort the page meets. The site puts it in every page it serves,
# before any of the page's own scripts, so that it works alike in every engine.
PAGE_HOOKS = r"""
(() => {
  const seen = (globalThis.quillmereSeen = { firstDraw: null, sounds: [], released: null, errors: [] });
  for (const Context of [globalThis.WebGLRenderingContext, globalThis.WebGL2RenderingContext]) {
    for (const name of ["drawArrays", "drawElements"]) {
      const draw = Context.prototype[name];
      Context.prototype[name] = function (...args) {
        if (seen.firstDraw === null) seen.firstDraw = performance.now();
        return draw.apply(this, args);
      };
    }
  }
  addEventListener("pointerup", () => { seen.released = performance.now(); }, true);
  addEventListener("pointerdown", event => { seen.lastPointer = event.pointerId; }, true);
  const start = AudioBufferSourceNode.prototype.start;
  AudioBufferSourceNode.prototype.start = function (...args) {
    const now = performance.now();
    // Which sound: the sum of its first channel's magnitudes tells the game's three apart.
    let sum = 0;
    if (this.buffer)
      for (const sample of this.buffer.getChannelData(0)) sum += Math.abs(sample);
    seen.sounds.push({ at: now, afterRelease: seen.released === null ? null : now - seen.released,
                       seconds: this.buffer ? this.buffer.duration : null, which: Math.round(sum),
                       state: this.context.state });
    // Its latencies are read when asked for: Firefox's wait for its audio thread,
    // which may still be opening the output.
    seen.audio = this.context;
    return start.apply(this, args);
  };
  addEventListener("error", event => seen.errors.push(String(event.message)));
  addEventListener("unhandledrejection", event => seen.errors.push("unhandled rejection: " + String(event.reason)));
})();
"""



def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


class Site:
    """`folder` served over HTTP; with `page_for_missing`, a path it lacks is answered
    with its index.html and 200, as single-page hosts do; with `fresh_for`, every
    answer may be reused for that many seconds, as hosts and proxies often allow."""

    def __init__(self, folder, page_for_missing=False, fresh_for=None):
        answering = type("Handler", (_Handler,), {"page_for_missing": page_for_missing, "fresh_for": fresh_for})
        handler = functools.partial(answering, directory=folder)
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        self.url = f"http://127.0.0.1:{self.server.server_address[1]}/"
        threading.Thread(target=self.server.serve_forever, daemon=True).start()

    def close(self):
        self.server.shutdown()
        self.server.server_close()


class _Handler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".webmanifest": "application/manifest+json"}

    def do_GET(self):
        path = self.translate_path(self.path)
        if os.path.isdir(path):
            path = os.path.join(path, "index.html")
        if not os.path.exists(path) and self.page_for_missing:
            path = os.path.join(self.directory, "index.html")
        if not path.endswith(".html") or not os.path.exists(path):
            super().do_GET()
            return
        with open(path, "rb") as page:
            html = page.read().replace(b"<head>", b"<head><script>" + PAGE_HOOKS.encode() + b"</script>", 1)
        self.send_response(200)
        self.send_header("Content-Type", "text/html; charset=utf-8")
        self.send_header("Content-Length", str(len(html)))
        self.end_headers()
        self.wfile.write(html)

    def end_headers(self):
        if self.fresh_for is not None:
            self.send_header("Cache-Control", f"max-age={self.fresh_for}")
        super().end_headers()

    def log_message(self, *args):
        pass
