// Starts Quillmere in its page: checks that the browser can run it, sizes the
// board to the window, fetches the program folder's files from beside the page
// (so that whoever hosts the page can replace them), downloads the program with a
// progress bar, and gives the program what it asks of the page (its end screen,
// its pointers).
"use strict";
(() => {
    const board = { width: 999, height: 706 };
    // The program's folder in its own file system, where it starts; the files
    // below are fetched into it from the page's folder. One that cannot be fetched
    // is missing there, and the program reports it as on a desktop. (Qt for the web
    // takes the program's folder to be the one it starts in.)
    const folder = "/quillmere";
    const programFiles = ["items.txt", "HAND-M.CUR", "x/o.cjs",
                          "sounds/correct.wma", "sounds/wrong.wma", "sounds/complete.wma",
                          "fonts/LiberationSans-Regular.ttf", "fonts/LiberationSans-Bold.ttf",
                          "fonts/LiberationSansNarrow-Regular.ttf", "fonts/LiberationSansNarrow-Bold.ttf",
                          ...quillmereLanguage.fonts];

    const element = id => document.getElementById(id);
    // The program's files are <program>.js and <program>.wasm.
    const program = document.body.dataset.program;
    const show = state => { document.body.dataset.state = state; };

    function webGlWorks() {
        try {
            const canvas = document.createElement("canvas");
            return Boolean(canvas.getContext("webgl2") || canvas.getContext("webgl"));
        } catch (e) {
            return false;
        }
    }

    // The whole board fits the window: a smaller window shows it scaled down,
    // keeping its shape. Qt 6.4 for the web draws a scaled window wrongly (its own
    // scale factor leaves text and pictures apart), so the program keeps drawing
    // the board at its own size and the browser shrinks the picture. The program
    // is told the board's own size where it measures its canvas, and each pointer
    // and touch event reaches it moved to where it falls on the unscaled board.
    function fitBoard() {
        const margin = 8;
        const scale = Math.min(1, (innerWidth - 2 * margin) / board.width, (innerHeight - 2 * margin) / board.height);
        const frame = element("frame");
        frame.style.width = `${board.width * scale}px`;
        frame.style.height = `${board.height * scale}px`;
        const container = element("board");
        container.style.width = `${board.width}px`;
        container.style.height = `${board.height}px`;
        if (scale < 1) {
            container.style.transform = `scale(${scale})`;
            unscaleForTheProgram(container, scale);
        }
    }

    function unscaleForTheProgram(container, scale) {
        const measure = Element.prototype.getBoundingClientRect;
        Element.prototype.getBoundingClientRect = function () {
            const rect = measure.call(this);
            if (!container.contains(this))
                return rect;
            return new DOMRect(rect.left, rect.top, rect.width / scale, rect.height / scale);
        };
        const origin = () => measure.call(container);
        const unscaled = (x, y) => {
            const o = origin();
            return { clientX: o.left + (x - o.left) / scale, clientY: o.top + (y - o.top) / scale };
        };
        const copyMouse = event => new MouseEvent(event.type, {
            bubbles: event.bubbles, cancelable: event.cancelable, view: window, detail: event.detail,
            screenX: event.screenX, screenY: event.screenY, ...unscaled(event.clientX, event.clientY),
            ctrlKey: event.ctrlKey, shiftKey: event.shiftKey, altKey: event.altKey, metaKey: event.metaKey,
            button: event.button, buttons: event.buttons, relatedTarget: event.relatedTarget,
        });
        const copyTouches = list => Array.from(list, touch => {
            const at = unscaled(touch.clientX, touch.clientY);
            return new Touch({ identifier: touch.identifier, target: touch.target, ...at,
                               pageX: at.clientX + scrollX, pageY: at.clientY + scrollY,
                               screenX: touch.screenX, screenY: touch.screenY });
        });
        const copyTouch = event => new TouchEvent(event.type, {
            bubbles: event.bubbles, cancelable: event.cancelable, view: window,
            touches: copyTouches(event.touches), targetTouches: copyTouches(event.targetTouches),
            changedTouches: copyTouches(event.changedTouches),
            ctrlKey: event.ctrlKey, shiftKey: event.shiftKey, altKey: event.altKey, metaKey: event.metaKey,
        });
        const pass = copy => event => {
            if (!event.isTrusted)
                return;
            event.stopImmediatePropagation();
            if (!event.target.dispatchEvent(copy(event)))
                event.preventDefault();
        };
        for (const type of ["mousedown", "mouseup", "mousemove", "mouseover", "mouseout", "mouseenter", "mouseleave",
                            "click", "dblclick"])
            addEventListener(type, pass(copyMouse), { capture: true, passive: false });
        for (const type of ["touchstart", "touchmove", "touchend", "touchcancel"])
            addEventListener(type, pass(copyTouch), { capture: true, passive: false });
    }

    async function fetchProgramFiles() {
        const fetched = await Promise.all(programFiles.map(async name => {
            try {
                const response = await fetch(name, { cache: "no-cache" });
                return response.ok ? [name, new Uint8Array(await response.arrayBuffer())] : null;
            } catch (e) {
                return null;
            }
        }));
        return fetched.filter(Boolean);
    }

    // Streams the program while counting what has come, and compiles it as it comes.
    function instantiateWithProgress(imports, done) {
        const progress = element("progress");
        const file = `${program}.wasm`;
        fetch(file).then(response => {
            if (!response.ok)
                throw new Error(`${file}: ${response.status} ${response.statusText}`);
            let received = 0;
            const counted = response.body.pipeThrough(new TransformStream({
                transform(chunk, controller) {
                    received += chunk.byteLength;
                    progress.value = received;
                    controller.enqueue(chunk);
                },
            }));
            const wasm = new Response(counted, { headers: { "Content-Type": "application/wasm" } });
            return WebAssembly.instantiateStreaming(wasm, imports);
        }).then(result => done(result.instance, result.module), failed);
        return {};
    }

    function failed(error) {
        element("failure").textContent = String(error && error.message || error);
        show("failed");
    }

    function start() {
        if (typeof WebAssembly !== "object" || !webGlWorks()) {
            show("unsupported");
            return;
        }
        fitBoard();
        const files = fetchProgramFiles();
        const query = new URLSearchParams(location.search);
        const settings = [["QUILLMERE_HOME_PAGE_DRAW", query.get("home-page-draw")],
                          ["QUILLMERE_LANGUAGE", quillmereLanguage.code]];
        const config = {
            qtContainerElements: [element("board")],
            instantiateWasm: instantiateWithProgress,
            preRun: [module => {
                for (const [name, value] of settings) {
                    if (value !== null)
                        module.ENV[name] = value;
                }
                module.FS.mkdirTree(folder);
                module.FS.chdir(folder);
                module.addRunDependency("program folder");
                files.then(found => {
                    for (const [name, bytes] of found) {
                        const path = `${folder}/${name}`;
                        module.FS.mkdirTree(path.slice(0, path.lastIndexOf("/")));
                        module.FS.writeFile(path, bytes);
                    }
                    module.removeRunDependency("program folder");
                });
            }],
            onAbort: failed,
            quillmerePage: {
                ended() { show("ended"); },
                box(caption, text) {
                    const box = element("box");
                    element("box-caption").textContent = caption || "";
                    element("box-text").textContent = text || "";
                    box.hidden = caption === null;
                    box.dataset.shown = Number(box.dataset.shown || 0) + (caption === null ? 0 : 1);
                },
                // A live region is read when its text changes: the same result twice is
                // told again by emptying it first.
                say(text, atOnce) {
                    const region = element(atOnce ? "said-at-once" : "said");
                    region.textContent = "";
                    region.textContent = text;
                },
                setCursor(css) {
                    const canvas = element("board").querySelector("canvas");
                    if (canvas)
                        canvas.style.cursor = css;
                },
            },
        };
        // Qt resumes a program paused in a modal box from a timer. A start-up paused
        // in a box (a faulty country list) then reaches Qt's event loop there, which
        // hands control back to the browser by throwing "unwind", as emscripten's
        // programs do; nothing catches it in a timer, so the page does, as
        // emscripten's own start does.
        let wakeUp;
        Object.defineProperty(config, "qtAsyncifyWakeUp", {
            get: () => wakeUp,
            set: resume => {
                wakeUp = resume && (() => {
                    try {
                        resume();
                    } catch (e) {
                        if (e !== "unwind")
                            throw e;
                    }
                });
            },
        });
        const script = document.createElement("script");
        script.src = `${program}.js`;
        script.onerror = () => failed(`${script.src} could not be loaded`);
        script.onload = () => createQtAppInstance(config).then(() => {
            show("playing");
            // Qt gives its canvas the keyboard when it makes it, which a hidden page
            // cannot take: the keys of a box at start-up must reach it.
            const canvas = element("board").querySelector("canvas");
            if (canvas)
                canvas.focus();
        }, failed);
        document.head.appendChild(script);
    }

    // Pinching a trackpad zooms the page through the wheel with Ctrl held; not over the board.
    addEventListener("wheel", event => {
        if (event.ctrlKey && event.target.closest && event.target.closest("#board"))
            event.preventDefault();
    }, { passive: false });
    start();
})();
