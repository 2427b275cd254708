// The page's one audio context, which the program plays its sounds through.
// Browsers start it suspended until the player's first gesture, so the page
// resumes it at every press, tap and key until it runs. Some engines (Safari's)
// count only a gesture on a page element, not one on the board's canvas: when the
// context is still suspended after the first gesture, the page shows a Start
// button, whose press does count.
const settled = 1000;

export function makeAudio(startButton) {
    const Context = globalThis.AudioContext || globalThis.webkitAudioContext;
    if (!Context)
        return null;
    const context = new Context({ latencyHint: "interactive" });
    const running = () => context.state === "running";
    // A resume that the engine refuses may stay pending: the page waits for it a moment at most.
    const resume = () => Promise.race([context.resume(), new Promise(done => setTimeout(done, settled))])
        .catch(() => {});
    let firstGesture = true;
    const onGesture = event => {
        if (running() || event.target === startButton)
            return;
        const resumed = resume();
        if (!firstGesture)
            return;
        firstGesture = false;
        resumed.then(() => {
            startButton.hidden = running();
        });
    };
    for (const gesture of ["pointerdown", "pointerup", "touchend", "keydown"])
        addEventListener(gesture, onGesture, true);
    startButton.addEventListener("click", () => {
        context.resume().catch(() => {});
    });
    context.addEventListener("statechange", () => {
        if (running())
            startButton.hidden = true;
    });
    return context;
}
