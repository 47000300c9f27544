// The browser edition measured: from headless Chromium, the time from the
// start of navigation to the first drawn map and the bytes received until then;
// then a whole seeded 241-turn game in the engine compiled to WebAssembly
// (the node terminal edition) against the native terminal edition.
//   node bench/web_bench.mjs [SITE_FOLDER] [NATIVE_CLI] [NODE_CLI_JS]
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import { performance } from 'node:perf_hooks';
import { createRequire } from 'node:module';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '..');
const [siteFolder = 'build-web/site', nativeCli = 'build/cli/aurovane-cli', nodeCli = 'build-web/cli/aurovane-cli.js'] =
  process.argv.slice(2).map((a) => path.resolve(a));
// The test tools live with the browser tests.
const require = createRequire(path.join(root, 'web/package.json'));
const { chromium } = require('playwright-core');
const { bytesUntilReady, serveSite } = await import(path.join(root, 'web/tests/site-server.mjs'));

const median = (values) => values.slice().sort((a, b) => a - b)[Math.floor(values.length / 2)];

async function firstMap(browser, site) {
  const context = await browser.newContext({ viewport: { width: 1366, height: 768 } });
  const page = await context.newPage();
  await page.goto(`${site.url}?seed=1`);
  await page.waitForFunction(() => window.aurovane?.ready, null, { timeout: 30000 });
  const ms = await page.evaluate(() => performance.getEntriesByName('aurovane-first-map')[0].startTime);
  const bytes = await page.evaluate(bytesUntilReady);
  await context.close();
  return { ms, bytes };
}

const site = await serveSite(siteFolder);
const browser = await chromium.launch({ executablePath: process.env.CHROMIUM || '/usr/bin/chromium', args: ['--no-sandbox'] });
const loads = [];
for (let i = 0; i < 5; ++i) loads.push(await firstMap(browser, site));
await browser.close();
await site.close();
console.log(`first drawn map: ${median(loads.map((l) => l.ms)).toFixed(0)} ms after navigation (median of ${loads.length} fresh visits)`);
console.log(`received until then: ${(median(loads.map((l) => l.bytes)) / 1024).toFixed(0)} KiB`);

// The golden whole game: 241 years, 235 to 476, with its orders and answers.
const script = fs.readFileSync(path.join(root, 'tests/golden/whole-game.script'), 'latin1');
const args = script.split('\n')[0].replace(/^# aurovane-cli\s*/, '').split(/\s+/).filter(Boolean);
// The fastest of a few runs: the least disturbed by whatever else the machine does.
function timeRun(command, commandArgs, input) {
  let best = Infinity;
  for (let i = 0; i < 7; ++i) {
    const start = performance.now();
    const r = spawnSync(command, commandArgs, { input, encoding: 'latin1', maxBuffer: 1 << 28 });
    best = Math.min(best, performance.now() - start);
    if (r.status !== 0) throw new Error(`${command} failed: ${r.stderr}`);
  }
  return best;
}
const native = timeRun(nativeCli, args, script);
const nativeStart = timeRun(nativeCli, args, '');
const wasm = timeRun(process.execPath, [nodeCli, ...args], script);
const wasmStart = timeRun(process.execPath, [nodeCli, ...args], '');
console.log(`whole 241-turn game, native:      ${native.toFixed(0)} ms (of which ${nativeStart.toFixed(0)} ms starting up)`);
console.log(`whole 241-turn game, WebAssembly: ${wasm.toFixed(0)} ms (of which ${wasmStart.toFixed(0)} ms starting up)`);
console.log(`WebAssembly / native, the game alone: ${((wasm - wasmStart) / Math.max(0.1, native - nativeStart)).toFixed(1)}x`);
