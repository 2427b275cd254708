// The board for a screen reader, which cannot read the canvas Qt draws it on:
// beside it the page keeps the results the program says (live regions), the names
// still to place as a list of buttons that pick a name up as Enter on it does, and
// where the picked name's drop point stands. Once a name is picked up, the keys
// steer and drop it on the board, as on a desktop. Each name's button lies over the
// place the board shows the name, so that a screen reader exploring the screen by
// touch (a phone's or a tablet's) finds it there; in the "phone" layout the page
// shows this layer as its own panel, with the board's headings and buttons.
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
    // Not while a box waits for its answer: the program is paused in it.
    const canPlay = () => Boolean(program) && element("box").hidden;
    // A name chosen without a pointer (a key, a screen reader) is picked up for the
    // keys; a pointer's press on it is the board's drag or the finger's carry, and a
    // choice no more than a click on the desktop's list is. A screen reader's press
    // reaches some engines as a mouse's press without pressure, which no mouse gives
    // (one that senses none presses at half), let go on the same button: the browser
    // then clicks it, or not, where the board took the press.
    let pressed = null;
    const choose = button => {
        if (button && canPlay()) {
            program.quillmerePickUp(Number(button.dataset.entry));
            canvas.focus();
        }
    };
    names.addEventListener("pointerdown", event => {
        pressed = { on: event.target.closest("button"), byReader: event.pointerType === "mouse" && event.pressure === 0 };
    }, true);
    names.addEventListener("keydown", () => { pressed = null; }, true);
    names.addEventListener("pointerup", event => {
        if (pressed && pressed.byReader && event.target.closest("button") === pressed.on)
            choose(pressed.on);
    });
    names.addEventListener("click", event => {
        const byPointer = pressed && !pressed.byReader;
        pressed = null;
        if (!byPointer)
            choose(event.target.closest("button"));
    });
    element("box-ok").addEventListener("click", () => {
        if (program && !element("box").hidden)
            program.quillmereAnswerBox();
    });
    for (const button of ["restart", "exit"]) {
        element(button).addEventListener("click", () => {
            if (canPlay())
                program.quillmerePress(button);
        });
    }
    return {
        attach(module) { program = module; },
        canPlay,
        drop(entry, x, y) { program.quillmereDrop(entry, x, y); },
        // A live region is read when its text changes: the same result twice is told
        // again by emptying it first.
        say(text, atOnce) {
            const region = element(atOnce ? "said-at-once" : "said");
            region.textContent = "";
            region.textContent = text;
        },
        showNames(list) {
            names.replaceChildren(...list.map(({ entry, text, place }) => {
                const button = document.createElement("button");
                button.type = "button";
                button.dataset.entry = entry;
                button.textContent = text;
                // Where the board shows it, in its pixels (the stylesheet scales them as the board).
                ["left", "top", "width", "height"].forEach((side, i) => button.style.setProperty(`--${side}`,
                                                                                                 place[i]));
                const item = document.createElement("li");
                item.appendChild(button);
                return item;
            }));
        },
        showDropPoint(text) {
            dropPoint.textContent = text;
            dropPoint.hidden = !text;
        },
        showPanel(texts) {
            for (const name of ["instructions-heading", "instruction", "countries-heading", "restart", "exit"])
                element(name).textContent = texts[name.replace(/-(\w)/g, (_, letter) => letter.toUpperCase())];
        },
    };
}
