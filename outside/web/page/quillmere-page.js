// Starts Quillmere in its page: checks that the browser can run it, makes the board
// and lays it out for the screen, fetches the program folder's files and the
// program (with a progress bar), and gives the program what it asks of the page
// (its end screen, its pointers, its boxes and results read out, its board in
// words, its sound, its game kept). Each concern lives in a module of its own
// beside this one.
import { makeAccessibleLayer } from "./page-accessible.js";
import { makeAudio } from "./page-audio.js";
import { makeBoard } from "./page-board.js";
import { carryNames } from "./page-carry.js";
import { watchDrawing } from "./page-drawing.js";
import { fetchProgramFiles, instantiateWithProgress, writeProgramFiles } from "./page-files.js";
import { makeKeptGame } from "./page-kept-game.js";
import { layOut } from "./page-layout.js";
import { makeMapView } from "./page-map-view.js";
import { keepForOffline } from "./page-offline.js";

const site = globalThis.quillmereSite;
// The board's language, which quillmere-language.js chose before this module runs.
const quillmereLanguage = globalThis.quillmereLanguage;
// The program's folder in its own file system, where it starts. (Qt for the web
// takes the program's folder to be the one it starts in.)
const folder = "/quillmere";
const element = id => document.getElementById(id);
const show = state => { document.body.dataset.state = state; };

function failed(error) {
    element("failure").textContent = String((error && error.message) || error);
    show("failed");
}

function webGlWorks() {
    try {
        const canvas = document.createElement("canvas");
        return Boolean(canvas.getContext("webgl2") || canvas.getContext("webgl"));
    } catch (e) {
        return false;
    }
}

// Qt asks for the clipboard's permissions at start and never reads the answer;
// engines that know no such permission (WebKit) reject the question, which would
// be left unhandled. The page handles those rejections; the answer is unchanged.
function quietenClipboardQuestions() {
    const permissions = navigator.permissions;
    if (!permissions || typeof permissions.query !== "function")
        return;
    const query = permissions.query.bind(permissions);
    permissions.query = descriptor => {
        const answer = query(descriptor);
        if (descriptor && /^clipboard-/.test(descriptor.name))
            answer.catch(() => {});
        return answer;
    };
}

// Qt resumes a program paused in a modal box from a timer. A start-up paused in a
// box (a faulty country list) then reaches Qt's event loop there, which hands
// control back to the browser by throwing "unwind", as emscripten's programs do;
// nothing catches it in a timer, so the page does, as emscripten's own start does.
function catchUnwindOnWakeUp(config) {
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
}

function pageForTheProgram(canvas, audioContext, words, kept) {
    return {
        say: words.say,
        showNames: words.showNames,
        showDropPoint: words.showDropPoint,
        showPanel: words.showPanel,
        keptGame: kept.keptGame,
        keepGame: kept.keepGame,
        ended() { show("ended"); },
        box(caption, text, ok) {
            const box = element("box");
            element("box-caption").textContent = caption || "";
            element("box-text").textContent = text || "";
            element("box-ok").textContent = ok || "";
            box.hidden = caption === null;
            box.dataset.shown = Number(box.dataset.shown || 0) + (caption === null ? 0 : 1);
        },
        setCursor(css) { canvas.style.cursor = css; },
        audioContext,
    };
}

function start() {
    if (typeof WebAssembly !== "object" || !webGlWorks()) {
        show("unsupported");
        return;
    }
    quietenClipboardQuestions();
    const frame = element("frame");
    const { canvas, show: showBoard } = makeBoard(element("board"), element("names"));
    watchDrawing(canvas, () => show("lost"));
    const words = makeAccessibleLayer(canvas, element);
    const view = makeMapView(frame, showBoard);
    layOut(document.querySelector("main"), frame, chosen => {
        view.fit(chosen);
        // Over the board, the names' buttons lie where it shows them.
        const over = chosen.layout === "board";
        for (const side of ["left", "top", "width", "height"]) {
            const size = { left: frame.offsetLeft, top: frame.offsetTop, width: frame.offsetWidth,
                           height: frame.offsetHeight }[side];
            element("words").style[side] = over ? `${size}px` : "";
        }
        element("words").style.setProperty("--scale", view.scale);
    });
    carryNames(element("names"), view, words.canPlay, words.drop);
    // The files of the board's language: its fonts where its letters need more than
    // the board's own, and a teacher's country list in it.
    const files = fetchProgramFiles([...site.programFiles, ...quillmereLanguage.files]);
    const query = new URLSearchParams(location.search);
    const settings = [["QUILLMERE_HOME_PAGE_DRAW", query.get("home-page-draw")],
                      ["QUILLMERE_LANGUAGE", quillmereLanguage.code],
                      ["QUILLMERE_BOARD", query.get("board")],
                      // The board takes keys, never text: no input method, whose hidden
                      // field would bring a phone's keyboard over the board.
                      ["QT_IM_MODULE", "none"]];
    const config = {
        qtContainerElements: [canvas],
        instantiateWasm: (imports, done) => instantiateWithProgress(`${site.program}.wasm`, element("progress"),
                                                                    imports, done, failed),
        preRun: [module => {
            words.attach(module);
            for (const [name, value] of settings) {
                if (value !== null)
                    module.ENV[name] = value;
            }
            module.FS.mkdirTree(folder);
            module.FS.chdir(folder);
            module.addRunDependency("program folder");
            files.then(found => {
                writeProgramFiles(module.FS, folder, found);
                module.removeRunDependency("program folder");
            }).catch(failed);
        }],
        onAbort: failed,
        quillmerePage: pageForTheProgram(canvas, makeAudio(element("start-sound")), words,
                                         makeKeptGame(query.get("board"), quillmereLanguage.code)),
    };
    catchUnwindOnWakeUp(config);
    const script = document.createElement("script");
    script.src = `${site.program}.js`;
    script.onerror = () => failed(`${script.src} could not be loaded`);
    script.onload = () => createQtAppInstance(config).then(() => {
        show("playing");
        // Qt gives its canvas the keyboard when it makes it, which a hidden page
        // cannot take: the keys of a box at start-up must reach it.
        canvas.focus();
    }, failed);
    document.head.appendChild(script);
    keepForOffline(quillmereLanguage.files);
}

// Pinching a trackpad zooms the page through the wheel with Ctrl held; not over the board.
addEventListener("wheel", event => {
    if (event.ctrlKey && event.target.closest && event.target.closest("#board"))
        event.preventDefault();
}, { passive: false });
start();
