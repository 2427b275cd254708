// How the page lays the board out in the room the screen gives it (the window less
// the safe areas of a notched screen), again whenever that room changes: a window
// resized, a phone turned, its browser's bars shown or hidden, a split screen.
//
// Where the whole board, shrunk to the room, is drawn at three quarters of its size
// or more, the page shows it as the desktop does: the "board" layout. Below that (a
// phone, a small tablet, a narrow window) a finger can no longer hit its names,
// nor read them, and the page lays out the "phone" layout instead: the map alone,
// as large as the room allows and zoomable (page-map-view.js), above the page's own
// panel (or beside it, whichever leaves the larger map): the board's headings and
// buttons, and its names as the page's buttons, carried to the map by a finger
// (page-carry.js).
//
// Either way the canvas's layout box is the size it is shown at, so the page never
// grows past the screen and the browser never zooms it out.
export const board = { width: 999, height: 706 };
// The map's part of the board: everything left of the panel.
export const map = { width: 580, height: 706 };
const margin = 8;
const smallestBoard = 0.75;
// The least room the phone's panel takes: its headings, three rows of names and its
// buttons below the map, or a column of names beside it.
const panelRoom = { below: 290, beside: 300 };

// The layout for a room of `width` x `height` CSS pixels, and the scale its board
// or map is shown at at first.
export function layoutFor(width, height) {
    const whole = Math.min(1, (width - 2 * margin) / board.width, (height - 2 * margin) / board.height);
    if (whole >= smallestBoard)
        return { layout: "board", scale: whole };
    const below = Math.min(width / map.width, (height - panelRoom.below) / map.height);
    const beside = Math.min((width - panelRoom.beside) / map.width, height / map.height);
    return below >= beside ? { layout: "phone", panel: "below", scale: Math.max(below, 0.05) }
                           : { layout: "phone", panel: "beside", scale: Math.max(beside, 0.05) };
}

// Lays the page out now and whenever its room changes; `laidOut(chosen)` hears each layout.
export function layOut(room, frame, laidOut) {
    const apply = () => {
        const style = getComputedStyle(room);
        const width = room.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight);
        const height = room.clientHeight - parseFloat(style.paddingTop) - parseFloat(style.paddingBottom);
        const chosen = layoutFor(width, height);
        document.body.dataset.layout = chosen.layout;
        document.body.dataset.panel = chosen.panel || "";
        const shown = chosen.layout === "board" ? board : map;
        frame.style.width = `${shown.width * chosen.scale}px`;
        frame.style.height = `${shown.height * chosen.scale}px`;
        laidOut(chosen);
    };
    apply();
    new ResizeObserver(apply).observe(room);
    if (screen.orientation && screen.orientation.addEventListener)
        screen.orientation.addEventListener("change", apply);
}
