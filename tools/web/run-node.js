// Runs a program built with Qt for WebAssembly (MODULARIZE, EXPORT_NAME
// createQtAppInstance) under node, with its arguments, the QUILLMERE_ and QT_
// variables of node's environment, and the exit code of its main().
// Usage: node --no-experimental-fetch tools/web/run-node.js PROGRAM.js [ARGUMENTS...]
// (node 18 and later have a fetch of their own, with which emscripten's loader
// would fetch the .wasm by URL instead of reading the file.)
"use strict";
const path = require("path");

const program = path.resolve(process.argv[2]);
require(program)({
    arguments: process.argv.slice(3),
    locateFile: file => path.join(path.dirname(program), file),
    preRun: [module => {
        for (const [name, value] of Object.entries(process.env)) {
            if (name.startsWith("QUILLMERE_") || name.startsWith("QT_"))
                module.ENV[name] = value;
        }
    }],
    quit: code => { process.exitCode = code; },
}).catch(error => {
    console.error(error);
    process.exitCode = 1;
});
