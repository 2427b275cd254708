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
                          "sounds/correct.wma", "sounds/wrong.wma", "sounds/complete.wma"];

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

    // The whole board fits the window: a smaller window scales it down, keeping its
    // shape. Qt scales the program's drawing and input by the same factor.
    function fitBoard() {
        const margin = 8;
        const scale = Math.min(1, (innerWidth - 2 * margin) / board.width, (innerHeight - 2 * margin) / board.height);
        const container = element("board");
        container.style.width = `${board.width * scale}px`;
        container.style.height = `${board.height * scale}px`;
        return scale;
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
        const scale = fitBoard();
        const files = fetchProgramFiles();
        const query = new URLSearchParams(location.search);
        const settings = [["QT_SCALE_FACTOR", String(scale)],
                          ["QUILLMERE_HOME_PAGE_DRAW", query.get("home-page-draw")]];
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
                setCursor(css) {
                    const canvas = element("board").querySelector("canvas");
                    if (canvas)
                        canvas.style.cursor = css;
                },
            },
        };
        const script = document.createElement("script");
        script.src = `${program}.js`;
        script.onerror = () => failed(`${script.src} could not be loaded`);
        script.onload = () => createQtAppInstance(config).then(() => show("playing"), failed);
        document.head.appendChild(script);
    }

    // Pinching a trackpad zooms the page through the wheel with Ctrl held; not over the board.
    addEventListener("wheel", event => {
        if (event.ctrlKey && event.target.closest && event.target.closest("#board"))
            event.preventDefault();
    }, { passive: false });
    start();
})();
