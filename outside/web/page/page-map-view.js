// The part of the board the page shows, and at what size. In the "board" layout it
// is the whole board, shrunk to the window. In the "phone" layout it is the map,
// which a pupil zooms into to reach the smallest countries, as on any phone's map:
// two fingers pinch, a double tap zooms in where it falls (and out again at the
// deepest zoom), the mouse's wheel zooms, and one finger or the mouse pans a map
// zoomed in. At the deepest zoom the smallest drop area of a board (the Gambia's,
// eight of the board's pixels across) is 48 CSS pixels across, more than a finger's
// width. The program is never told: it judges a drop at the board's point the
// page hands it (page-carry.js).
import { board, map } from "./page-layout.js";

// CSS pixels a board pixel at the deepest zoom.
export const deepestZoom = 6;
// A finger drops a name this far above itself (page-carry.js); a zoomed map pans as
// far above its bottom edge, so that the ring reaches the bottom of the map too.
export const ringAboveFinger = 56;
// Each double tap zooms in this much more, short of the deepest zoom.
const tapZoom = 3;
const doubleTap = { within: 350, near: 30 };
const tapSlop = 10;

export function makeMapView(frame, showBoard) {
    let layout = "board";
    // Board pixels: the scale that fits the room, the zoom on it, and the board's
    // point at the frame's top-left corner.
    let fitted = 1;
    let zoom = 1;
    let left = 0;
    let top = 0;
    const listeners = [];

    const scale = () => fitted * zoom;
    const deepest = () => Math.max(1, deepestZoom / fitted);
    const show = () => {
        const z = scale();
        // The map's part stays within the frame: panning stops at its edges, but for
        // the room a zoomed map's bottom edge may be lifted by.
        const lift = zoom > 1 ? ringAboveFinger / z : 0;
        left = Math.min(Math.max(left, 0), Math.max(0, map.width - frame.clientWidth / z));
        top = Math.min(Math.max(top, 0), Math.max(0, map.height - frame.clientHeight / z) + lift);
        showBoard(z, -left * z, -top * z);
        for (const listener of listeners)
            listener();
    };
    // Zooms to `to`, keeping the board's point under frame point (x, y) where it is.
    const zoomAt = (to, x, y) => {
        const before = scale();
        zoom = Math.min(Math.max(to, 1), deepest());
        left += x / before - x / scale();
        top += y / before - y / scale();
        show();
    };
    const panBy = (dx, dy) => {
        left -= dx / scale();
        top -= dy / scale();
        show();
    };
    followGestures(frame, () => layout === "phone", { zoomAt, panBy, zoom: () => zoom, deepest });

    return {
        // A new layout, or the same one in a new room: the zoom stays, centred where it was.
        fit(chosen) {
            const middle = { x: left + frame.clientWidth / 2 / scale(), y: top + frame.clientHeight / 2 / scale() };
            layout = chosen.layout;
            fitted = chosen.scale;
            if (layout === "board")
                zoom = 1;
            zoom = Math.min(zoom, deepest());
            left = middle.x - frame.clientWidth / 2 / scale();
            top = middle.y - frame.clientHeight / 2 / scale();
            show();
        },
        // The board's point shown at a point of the page, or null outside the part shown.
        toBoard(clientX, clientY) {
            const shown = frame.getBoundingClientRect();
            if (clientX < shown.left || clientX >= shown.right || clientY < shown.top || clientY >= shown.bottom)
                return null;
            return { x: left + (clientX - shown.left) / scale(), y: top + (clientY - shown.top) / scale() };
        },
        // Pans a zoomed map by (dx, dy) CSS pixels, as a finger dragging it does.
        panBy,
        onChange(listener) { listeners.push(listener); },
        get zoom() { return zoom; },
        get scale() { return scale(); },
        get shown() { return { left, top, width: frame.clientWidth / scale(), height: frame.clientHeight / scale() }; },
        board,
    };
}

// The fingers, the mouse and its wheel on the map, in the phone layout.
function followGestures(frame, active, view) {
    const down = new Map();
    let pinch = null;
    let lastTap = null;
    const at = event => {
        const shown = frame.getBoundingClientRect();
        return { x: event.clientX - shown.left, y: event.clientY - shown.top };
    };
    const twoFingers = () => {
        const [a, b] = [...down.values()];
        return { x: (a.x + b.x) / 2, y: (a.y + b.y) / 2, apart: Math.hypot(a.x - b.x, a.y - b.y) || 1 };
    };
    frame.addEventListener("pointerdown", event => {
        if (!active() || !event.isPrimary && down.size !== 1)
            return;
        frame.setPointerCapture(event.pointerId);
        down.set(event.pointerId, { ...at(event), start: at(event), time: event.timeStamp, moved: false });
        if (down.size === 2)
            pinch = { ...twoFingers(), zoom: view.zoom() };
    });
    frame.addEventListener("pointermove", event => {
        const finger = down.get(event.pointerId);
        if (!finger)
            return;
        const now = at(event);
        if (Math.hypot(now.x - finger.start.x, now.y - finger.start.y) > tapSlop)
            finger.moved = true;
        if (pinch && down.size === 2) {
            finger.x = now.x;
            finger.y = now.y;
            const fingers = twoFingers();
            view.panBy(fingers.x - pinch.x, fingers.y - pinch.y);
            view.zoomAt(pinch.zoom * fingers.apart / pinch.apart, fingers.x, fingers.y);
            pinch.x = fingers.x;
            pinch.y = fingers.y;
            return;
        }
        view.panBy(now.x - finger.x, now.y - finger.y);
        finger.x = now.x;
        finger.y = now.y;
    });
    const up = event => {
        const finger = down.get(event.pointerId);
        if (!finger)
            return;
        down.delete(event.pointerId);
        if (pinch) {
            pinch = down.size === 2 ? pinch : null;
            lastTap = null;
            return;
        }
        if (event.type !== "pointerup" || finger.moved)
            return;
        const tap = { x: finger.x, y: finger.y, time: event.timeStamp };
        if (lastTap && tap.time - lastTap.time < doubleTap.within
            && Math.hypot(tap.x - lastTap.x, tap.y - lastTap.y) < doubleTap.near) {
            const deeper = view.zoom() * tapZoom;
            view.zoomAt(view.zoom() >= view.deepest() ? 1 : deeper > view.deepest() * 0.8 ? view.deepest() : deeper,
                        tap.x, tap.y);
            lastTap = null;
        } else {
            lastTap = tap;
        }
    };
    frame.addEventListener("pointerup", up);
    frame.addEventListener("pointercancel", up);
    frame.addEventListener("wheel", event => {
        if (!active())
            return;
        event.preventDefault();
        const point = at(event);
        view.zoomAt(view.zoom() * Math.exp(-event.deltaY / 300), point.x, point.y);
    }, { passive: false });
}
