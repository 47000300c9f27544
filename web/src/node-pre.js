// Node 20's own fetch cannot read a file path, and emscripten 3.1.6 reaches
// for it before the file system: hand the engine its bytes directly.
Module['wasmBinary'] = require('fs').readFileSync(require('path').join(__dirname, 'aurovane-cli.wasm'));
// One game a process: the engine's baseline compilation is ready at once,
// while optimising its busiest functions again would cost more than the
// whole game gains from it (the process ran about half as long without).
require('v8').setFlagsFromString('--liftoff-only');
// Each flush reaches node as two pieces, the second always empty: no call to
// the system for it.
const hostFs = require('fs');
const hostWriteSync = hostFs.writeSync;
hostFs.writeSync = function (fd, buffer, offset, length, ...rest) {
  if (length === 0 && typeof buffer !== 'string') return 0;
  return hostWriteSync.call(this, fd, buffer, offset, length, ...rest);
};
