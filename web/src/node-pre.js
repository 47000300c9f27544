// Node 20's own fetch cannot read a file path, and emscripten 3.1.6 reaches
// for it before the file system: hand the engine its bytes directly.
Module['wasmBinary'] = require('fs').readFileSync(require('path').join(__dirname, 'aurovane-cli.wasm'));
