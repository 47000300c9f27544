// A whole game warm, in the page's engine build of the terminal edition: the
// script played once, so that the engine is compiled and optimised as in a
// page played for a while, then five times; the fastest, in milliseconds.
// The same function runs in Chromium (web_bench.mjs hands its text to the
// page) and under node, in a process of its own, as
//   node bench/warm_game.mjs MODULE_JS SCRIPT ARGS...
// (the benchmark's own heap, full of traces, would slow the engine's every
// collection) printing the figure.
export async function fastestWarmGame(createTerminal, bytes, args, wasmBinary) {
  const play = async () => {
    let at = 0;
    const terminal = await createTerminal({ wasmBinary, stdin: () => (at < bytes.length ? bytes[at++] : null),
                                            stdout: () => {}, stderr: () => {} });
    const start = performance.now();
    terminal.callMain(args);
    return performance.now() - start;
  };
  await play();
  let fastest = Infinity;
  for (let i = 0; i < 5; ++i) fastest = Math.min(fastest, await play());
  return fastest;
}

if (import.meta.url === `file://${process.argv[1]}`) {
  const fs = await import('node:fs');
  const [modulePath, scriptPath, ...args] = process.argv.slice(2);
  const { default: createTerminal } = await import(modulePath);
  const wasmBinary = fs.readFileSync(modulePath.replace(/\.js$/, '.wasm'));
  console.log((await fastestWarmGame(createTerminal, fs.readFileSync(scriptPath), args, wasmBinary)).toFixed(2));
}
