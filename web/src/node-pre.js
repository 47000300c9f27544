// Node 20's own fetch cannot read a file path, and emscripten 3.1.6 reaches
// for it before the file system: hand the engine its bytes directly.
Module['wasmBinary'] = require('fs').readFileSync(require('path').join(__dirname, 'aurovane-cli.wasm'));
// One game a process: the engine's baseline compilation is ready at once,
// while optimising its busiest functions again would cost more than the
// whole game gains from it (the process ran about half as long without).
require('v8').setFlagsFromString('--liftoff-only');
