// A device short of graphics memory (a tablet's, most often) may take the board's
// WebGL context away. Qt 6.4 for the web cannot draw again in a context given
// back, so the page says so and offers to start again.
export function watchDrawing(canvas, onLost) {
    canvas.addEventListener("webglcontextlost", event => {
        // Asks the browser to give the context back, which a reload then finds.
        event.preventDefault();
        onLost();
    });
}
