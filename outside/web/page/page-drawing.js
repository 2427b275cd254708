// The board's drawing context. A device short of graphics memory (a phone's or a
// tablet's, most often) may take the board's WebGL context away. Qt 6.4 for the
// web cannot draw again in a context given back, so the page says so and offers to
// start again; once the browser gives the context back, the page starts again by
// itself. Either way the game goes on where it was (page-kept-game.js).
//
// A page left for good (a reload, a link followed) gives its drawing's memory back
// at once, rather than when the browser next collects what the page left: a phone
// reloading a tab it put aside for want of memory needs it for the new page.
export function watchDrawing(canvas, onLost) {
    let leaving = false;
    canvas.addEventListener("webglcontextlost", event => {
        // Asks the browser to give the context back, which a reload then finds.
        event.preventDefault();
        if (!leaving)
            onLost();
    });
    canvas.addEventListener("webglcontextrestored", () => location.reload());
    addEventListener("pagehide", event => {
        if (event.persisted)
            return;
        leaving = true;
        const context = canvas.getContext("webgl2") || canvas.getContext("webgl");
        const losing = context && context.getExtension("WEBGL_lose_context");
        if (losing)
            losing.loseContext();
        canvas.width = 0;
        canvas.height = 0;
    });
}
