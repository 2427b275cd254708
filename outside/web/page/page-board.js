// The board in the page: Qt draws it on a canvas that the page makes, at the
// board's own size, and the page fits it to the window by shrinking the picture (a
// CSS transform), again whenever the window or its orientation changes. Qt 6.4
// for the web draws a window wrongly under its own scale factor, so the program
// never learns of the shrinking: it measures the canvas at the board's size, and
// each pointer event reaches it with its position on the unscaled board.
//
// Touches reach the program as pointer events only, as the mouse does: Qt's own
// touch path reads positions the page cannot move without building Touch objects
// (which some engines cannot), and it keeps a cancelled touch pressed, so that the
// next touch is lost. A cancelled pointer ends as a release off the board, where
// a dragged name goes back to the list and no button is pressed.
const board = { width: 999, height: 706 };
const margin = 8;
const qtPointerEvents = ["pointerdown", "pointermove", "pointerup", "pointerenter", "pointerleave"];
const measure = Element.prototype.getBoundingClientRect;

export function makeBoard(frame, container) {
    const canvas = document.createElement("canvas");
    canvas.id = "board-canvas";
    container.appendChild(canvas);
    canvas.getBoundingClientRect = () => {
        const shown = measure.call(canvas);
        return new DOMRect(shown.left, shown.top, board.width, board.height);
    };
    // A capture already released (by a cancel) must not throw into the program.
    const release = canvas.releasePointerCapture;
    canvas.releasePointerCapture = id => {
        if (canvas.hasPointerCapture(id))
            release.call(canvas, id);
    };
    for (const type of ["touchstart", "touchmove", "touchend", "touchcancel"])
        container.addEventListener(type, event => event.stopPropagation(), { capture: true });
    passPointersOnBoard(canvas);
    const fit = () => fitTo(frame, container);
    fit();
    addEventListener("resize", fit);
    if (globalThis.visualViewport)
        visualViewport.addEventListener("resize", fit);
    if (screen.orientation && screen.orientation.addEventListener)
        screen.orientation.addEventListener("change", fit);
    return canvas;
}

function fitTo(frame, container) {
    const scale = Math.min(1, (innerWidth - 2 * margin) / board.width, (innerHeight - 2 * margin) / board.height);
    frame.style.width = `${board.width * scale}px`;
    frame.style.height = `${board.height * scale}px`;
    container.style.transform = scale < 1 ? `scale(${scale})` : "";
}

// Qt sets its pointer handlers as the canvas's on<type> properties; the page keeps
// them and calls them with the event as the program must see it.
function passPointersOnBoard(canvas) {
    const handlers = new Map();
    for (const type of qtPointerEvents)
        Object.defineProperty(canvas, `on${type}`, {
            configurable: true, get: () => handlers.get(type) || null, set: handler => handlers.set(type, handler),
        });
    const cancelled = new Set();
    const pass = (type, event, overrides) => {
        const handler = handlers.get(type);
        if (handler)
            handler(seenAs(event, { type, pointerType: "mouse", ...overrides }));
    };
    for (const type of qtPointerEvents)
        canvas.addEventListener(type, event => {
            if (!event.isPrimary)
                return;
            if (type === "pointerdown")
                cancelled.delete(event.pointerId);
            else if (cancelled.has(event.pointerId))
                return;
            pass(type, event, onBoard(canvas, event));
        });
    canvas.addEventListener("pointercancel", event => {
        if (!event.isPrimary || cancelled.has(event.pointerId))
            return;
        cancelled.add(event.pointerId);
        pass("pointerup", event, { offsetX: -board.width, offsetY: -board.height, button: 0, buttons: 0 });
    });
}

function onBoard(canvas, event) {
    const shown = measure.call(canvas);
    return {
        offsetX: Math.floor((event.clientX - shown.left) * board.width / shown.width),
        offsetY: Math.floor((event.clientY - shown.top) * board.height / shown.height),
    };
}

// The event with some of its properties replaced; its methods still act on it.
function seenAs(event, overrides) {
    return new Proxy(event, {
        get(target, key) {
            if (Object.hasOwn(overrides, key))
                return overrides[key];
            const value = Reflect.get(target, key);
            return typeof value === "function" ? value.bind(target) : value;
        },
    });
}
