// The board in the page: Qt draws it on a canvas that the page makes, and the page
// shows it at the size and place the layout gives it (page-map-view.js), as the
// canvas's own CSS size, so that its layout box is the size it is shown at. Qt 6.4
// for the web draws a window wrongly under its own scale factor, so the program
// never learns of that size: it measures the canvas at the board's own size, and
// each pointer event reaches it with its position on the board.
//
// The board is drawn at the screen's pixel ratio, but at twice its own size at
// most: a phone's three device pixels a CSS pixel would draw a copy of the picture
// more than twice the bytes, which a phone short of memory takes back.
//
// Touches reach the program as pointer events only, as the mouse does: Qt's own
// touch path reads positions the page cannot move without building Touch objects
// (which some engines cannot), and it keeps a cancelled touch pressed, so that the
// next touch is lost. A cancelled pointer ends as a release off the board, where
// a dragged name goes back to the list and no button is pressed. Pointers reach the
// program only in the "board" layout: in the "phone" layout the map zooms and pans
// under them, and the page carries the names itself.
import { board } from "./page-layout.js";

const qtPointerEvents = ["pointerdown", "pointermove", "pointerup", "pointerenter", "pointerleave"];
const measure = Element.prototype.getBoundingClientRect;
const largestPixelRatio = 2;

export function makeBoard(container, namesOverBoard) {
    drawAtMostTwiceTheSize();
    const canvas = document.createElement("canvas");
    canvas.id = "board-canvas";
    container.appendChild(canvas);
    // Where it lies in the page is the page's: Qt, which would move its screen with
    // it, sees it where its pointer events place it.
    canvas.getBoundingClientRect = () => new DOMRect(0, 0, board.width, board.height);
    // A capture already released (by a cancel) must not throw into the program.
    const release = canvas.releasePointerCapture;
    canvas.releasePointerCapture = id => {
        if (canvas.hasPointerCapture(id))
            release.call(canvas, id);
    };
    keepTheKeysWithoutAKeyboardOnScreen(canvas);
    for (const type of ["touchstart", "touchmove", "touchend", "touchcancel"])
        container.addEventListener(type, event => event.stopPropagation(), { capture: true });
    passPointersOnBoard(canvas, namesOverBoard);
    return {
        canvas,
        // Shows the board at `scale` CSS pixels a board pixel, its top-left corner at (left, top) in its frame.
        show(scale, left, top) {
            container.style.left = `${left}px`;
            container.style.top = `${top}px`;
            canvas.style.width = `${board.width * scale}px`;
            canvas.style.height = `${board.height * scale}px`;
        },
    };
}

// Qt sizes the board's picture by the page's devicePixelRatio: the page's is its
// screen's, up to the largest the board is drawn at.
function drawAtMostTwiceTheSize() {
    let holder = globalThis;
    while (holder && !Object.hasOwn(holder, "devicePixelRatio"))
        holder = Object.getPrototypeOf(holder);
    const screens = holder && Object.getOwnPropertyDescriptor(holder, "devicePixelRatio");
    if (!screens || !screens.get)
        return;
    Object.defineProperty(globalThis, "devicePixelRatio", {
        configurable: true, enumerable: true,
        get: () => Math.min(largestPixelRatio, screens.get.call(globalThis)),
    });
}

// Qt marks its canvas editable, to be given the clipboard's events, which a phone
// takes as a field to type in: it shows its keyboard over the board at a tap. The
// board reads no text, only keys, which reach a canvas that takes the focus.
function keepTheKeysWithoutAKeyboardOnScreen(canvas) {
    canvas.tabIndex = 0;
    Object.defineProperty(canvas, "contentEditable", { configurable: true, get: () => "false", set: () => {} });
}

// Qt sets its pointer handlers as the canvas's on<type> properties; the page keeps
// them and calls them with the event as the program must see it. In the "board"
// layout the names' buttons of the accessible layer lie over the names the board
// shows (so that a screen reader exploring by touch finds them there): what they
// are given is the board's too.
function passPointersOnBoard(canvas, namesOverBoard) {
    const handlers = new Map();
    for (const type of qtPointerEvents)
        Object.defineProperty(canvas, `on${type}`, {
            configurable: true, get: () => handlers.get(type) || null, set: handler => handlers.set(type, handler),
        });
    const cancelled = new Set();
    // Pressed on the board while it was laid out as the desktop's: let go there, even
    // once the page has laid out the phone's.
    const pressed = new Set();
    // Qt finds its handler through the event's target: the canvas, whatever lies over it.
    const pass = (type, event, overrides) => {
        const handler = handlers.get(type);
        if (handler)
            handler(seenAs(event, { type, pointerType: "mouse", target: canvas, currentTarget: canvas, ...overrides }));
    };
    const offTheBoard = { offsetX: -board.width, offsetY: -board.height, button: 0, buttons: 0 };
    const onTheBoard = node => node === canvas || namesOverBoard.contains(node);
    const follow = (type, event) => {
        if (!event.isPrimary)
            return;
        if (type === "pointerdown")
            cancelled.delete(event.pointerId);
        else if (cancelled.has(event.pointerId))
            return;
        if (document.body.dataset.layout === "board") {
            if (type === "pointerdown")
                pressed.add(event.pointerId);
            else if (type === "pointerup")
                pressed.delete(event.pointerId);
            pass(type, event, onBoard(canvas, event));
        } else if (type === "pointerup" && pressed.delete(event.pointerId)) {
            pass(type, event, offTheBoard);
        }
    };
    for (const type of ["pointerdown", "pointermove", "pointerup"]) {
        canvas.addEventListener(type, event => follow(type, event));
        namesOverBoard.addEventListener(type, event => follow(type, event));
    }
    // The canvas and the names over it are one board: the pointer enters it or
    // leaves it only from or to elsewhere, and a pressed pointer that the program
    // holds on the canvas (its capture) leaves nothing.
    for (const [over, type] of [["pointerover", "pointerenter"], ["pointerout", "pointerleave"]]) {
        for (const element of [canvas, namesOverBoard]) {
            element.addEventListener(over, event => {
                const within = event.relatedTarget instanceof Node && onTheBoard(event.relatedTarget);
                if (!within && !pressed.has(event.pointerId))
                    follow(type, event);
            });
        }
    }
    for (const element of [canvas, namesOverBoard]) {
        element.addEventListener("pointercancel", event => {
            if (!event.isPrimary || cancelled.has(event.pointerId) || !pressed.delete(event.pointerId))
                return;
            cancelled.add(event.pointerId);
            pass("pointerup", event, offTheBoard);
        });
    }
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
