// The board for a screen reader, which cannot read the canvas Qt draws it on:
// beside it the page keeps the results the program says (live regions), the names
// still to place as a list of buttons that pick a name up as Enter on it does, and
// where the picked name's drop point stands. Once a name is picked up, the keys
// steer and drop it on the board, as on a desktop.
//
// The canvas holds the keyboard (Qt reads the keys there), so it cannot be hidden
// from the reader, which would then be left on an unnamed, hidden element: it is
// the map, an application that takes its own keys, told with its drop point.
export function makeAccessibleLayer(canvas, element) {
    canvas.setAttribute("role", "application");
    canvas.setAttribute("aria-labelledby", "map-name");
    canvas.setAttribute("aria-describedby", "drop-point");
    const names = element("names");
    const dropPoint = element("drop-point");
    let program = null;
    names.addEventListener("click", event => {
        const button = event.target.closest("button");
        // Not while a box waits for its answer: the program is paused in it.
        if (!button || !program || !element("box").hidden)
            return;
        program.quillmerePickUp(Number(button.dataset.entry));
        canvas.focus();
    });
    return {
        attach(module) { program = module; },
        // A live region is read when its text changes: the same result twice is told
        // again by emptying it first.
        say(text, atOnce) {
            const region = element(atOnce ? "said-at-once" : "said");
            region.textContent = "";
            region.textContent = text;
        },
        showNames(list) {
            names.replaceChildren(...list.map(({ entry, text }) => {
                const button = document.createElement("button");
                button.type = "button";
                button.dataset.entry = entry;
                button.textContent = text;
                const item = document.createElement("li");
                item.appendChild(button);
                return item;
            }));
        },
        showDropPoint(text) {
            dropPoint.textContent = text;
            dropPoint.hidden = !text;
        },
    };
}
