// The program and its folder's files, fetched from beside the page. The folder's
// files are fetched afresh at each start (so that whoever hosts the page can
// replace them) into the program's own file system; one that cannot be fetched
// is missing there, and the program reports it as on a desktop.
//
// Only a plain answer is the file: one that was redirected, or a web page given
// for a file that is not one, is what hosts send for a file they do not have.
export async function fetchProgramFiles(names) {
    const fetched = await Promise.all(names.map(async name => {
        let response;
        try {
            response = await fetch(name, { cache: "no-cache" });
        } catch (e) {
            return null;
        }
        if (!isTheFile(name, response))
            return null;
        try {
            return [name, new Uint8Array(await response.arrayBuffer())];
        } catch (e) {
            throw new Error(`${name} could not be read: ${e.message || e}`);
        }
    }));
    return fetched.filter(Boolean);
}

function isTheFile(name, response) {
    const type = (response.headers.get("Content-Type") || "").split(";")[0].trim().toLowerCase();
    return response.ok && !response.redirected && (type !== "text/html" || /\.html?$/i.test(name));
}

export function writeProgramFiles(fileSystem, folder, files) {
    for (const [name, bytes] of files) {
        const path = `${folder}/${name}`;
        try {
            fileSystem.mkdirTree(path.slice(0, path.lastIndexOf("/")));
            fileSystem.writeFile(path, bytes);
        } catch (e) {
            throw new Error(`${name} could not be written to the program's folder: ${e.message || e}`);
        }
    }
}

// Streams the program while counting what has come, and compiles it as it comes.
export function instantiateWithProgress(file, progress, imports, done, failed) {
    fetch(file).then(response => {
        if (!isTheFile(file, response))
            throw new Error(`${file} could not be fetched: ${response.status} ${response.statusText}`);
        let received = 0;
        const counted = response.body.pipeThrough(new TransformStream({
            transform(chunk, controller) {
                received += chunk.byteLength;
                progress.value = received;
                controller.enqueue(chunk);
            },
        }));
        const wasm = new Response(counted, { headers: { "Content-Type": "application/wasm" } });
        return WebAssembly.instantiateStreaming(wasm, imports);
    }).then(result => done(result.instance, result.module), failed);
    return {};
}
