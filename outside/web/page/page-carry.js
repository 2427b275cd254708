// A finger carries a name from the page's list to the map, in the "phone" layout.
// A swipe along the list scrolls it, as the browser scrolls any list; a finger that
// moves across the list instead (towards the map), or that rested on a name a
// moment before it moves, picks the name up. While it is carried, the name shows
// above the finger, with a ring at the point it drops on, which lies above the
// finger, so that the finger never hides where the name lands. Let go with the ring
// over the map, the name is dropped on the board's point under the ring, and the
// program judges it as a drop there on the desktop; let go elsewhere, it stays in
// the list. The mouse carries a name alike, the ring at its pointer.
import { ringAboveFinger } from "./page-map-view.js";

const restingTime = 350;
const acrossTheList = 8;
const mouseSlop = 4;

export function carryNames(names, view, canDrop, drop) {
    const carried = document.createElement("div");
    carried.id = "carried";
    carried.hidden = true;
    carried.setAttribute("aria-hidden", "true");
    const label = document.createElement("span");
    const ring = document.createElement("span");
    ring.className = "ring";
    carried.append(label, ring);
    document.body.appendChild(carried);

    let press = null;
    const carrying = () => press && press.carrying;
    const alongTheList = () => (document.body.dataset.panel === "beside" ? "y" : "x");
    const ringAt = event => ({ x: event.clientX,
                               y: event.clientY - (event.pointerType === "mouse" ? 0 : ringAboveFinger) });
    const showCarried = () => {
        carried.style.transform = `translate(${press.ring.x}px, ${press.ring.y}px)`;
    };
    const pickUp = () => {
        press.carrying = true;
        label.textContent = press.button.textContent;
        press.button.classList.add("carried");
        carried.hidden = false;
        showCarried();
    };
    const end = () => {
        if (!press)
            return;
        press.button.classList.remove("carried");
        carried.hidden = true;
        press = null;
    };
    names.addEventListener("pointerdown", event => {
        const button = event.target.closest("button");
        if (document.body.dataset.layout !== "phone" || !button || !event.isPrimary)
            return;
        end();
        press = { id: event.pointerId, button, kind: event.pointerType, start: { x: event.clientX, y: event.clientY },
                  ring: ringAt(event),
                  carrying: false, at: event.timeStamp, stirred: false };
        if (event.pointerType === "mouse")
            button.setPointerCapture(event.pointerId);
    });
    names.addEventListener("pointermove", event => {
        if (!press || event.pointerId !== press.id)
            return;
        press.ring = ringAt(event);
        if (carrying()) {
            showCarried();
            return;
        }
        const moved = { x: Math.abs(event.clientX - press.start.x), y: Math.abs(event.clientY - press.start.y) };
        const along = moved[alongTheList()];
        const across = alongTheList() === "x" ? moved.y : moved.x;
        // A finger that moved off its name before its rest was up did not rest.
        const resting = event.timeStamp - press.at < restingTime;
        press.stirred = press.stirred || (resting && Math.max(along, across) > acrossTheList);
        if (press.kind === "mouse" ? Math.max(along, across) > mouseSlop
                                   : !press.stirred && !resting || across > acrossTheList && across > along)
            pickUp();
    });
    names.addEventListener("pointerup", event => {
        if (!press || event.pointerId !== press.id)
            return;
        const { entry } = press.button.dataset;
        const at = carrying() && view.toBoard(press.ring.x, press.ring.y);
        end();
        if (at && canDrop())
            drop(Number(entry), at.x, at.y);
    });
    names.addEventListener("pointercancel", event => {
        if (press && event.pointerId === press.id)
            end();
    });
    // Once a name is carried, the finger's moves are the name's, not the list's; a
    // finger resting on a name calls up no menu.
    names.addEventListener("touchmove", event => {
        if (carrying() && event.cancelable)
            event.preventDefault();
    }, { passive: false });
    names.addEventListener("contextmenu", event => {
        if (document.body.dataset.layout === "phone")
            event.preventDefault();
    });
}
