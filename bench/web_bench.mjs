// The browser edition measured, each figure beside its goal at the end: from
// headless Chromium, the time from the start of navigation to the first drawn
// map, the bytes received until then and the longest task of the page's main
// thread while the first year ends (at 1366x768, and at 2560x1440 with two
// device pixels to a pixel); the page's engine's size; then a whole seeded
// 241-turn game in the engine compiled to WebAssembly (the node terminal
// edition) against the native terminal edition: the whole process, the game
// alone, and the writes of their output; last the same game warm in Chromium.
//   node bench/web_bench.mjs [SITE_FOLDER] [NATIVE_CLI] [NODE_CLI_JS]
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
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
const goals = [];
const figure = (name, measured, goal) => goals.push([name, measured, goal]);

// The game page, or the editor page (`editor` true), on a cold visit.
async function firstMap(browser, site, editor = false) {
  const context = await browser.newContext({ viewport: { width: 1366, height: 768 } });
  const page = await context.newPage();
  await page.goto(editor ? `${site.url}editor.html` : `${site.url}?seed=1`);
  await page.waitForFunction(() => (window.aurovane || window.aurovaneEditor)?.ready, null, { timeout: 30000 });
  const ms = await page.evaluate(() => performance.getEntriesByName('aurovane-first-map')[0].startTime);
  const bytes = await page.evaluate(bytesUntilReady);
  await context.close();
  return { ms, bytes };
}

const site = await serveSite(siteFolder);
const browser = await chromium.launch({ executablePath: process.env.CHROMIUM || '/usr/bin/chromium', args: ['--no-sandbox'] });
const loads = [];
for (let i = 0; i < 5; ++i) loads.push(await firstMap(browser, site));
const editorLoads = [];
for (let i = 0; i < 5; ++i) editorLoads.push(await firstMap(browser, site, true));

// The longest main-thread task from the click on End Year to the page waiting
// for the player again, the welcome declined and every question answered No.
async function firstYearLongestTask(browser, site, viewport, deviceScaleFactor) {
  const context = await browser.newContext({ viewport, deviceScaleFactor });
  const page = await context.newPage();
  await page.addInitScript(() => {
    window.longTasks = [];
    new PerformanceObserver((list) => window.longTasks.push(...list.getEntries().map((e) => e.duration)))
      .observe({ type: 'longtask', buffered: true });
  });
  await page.goto(`${site.url}?seed=1`);
  await page.waitForFunction(() => window.aurovane?.ready, null, { timeout: 30000 });
  // On a fresh visit quiet counts only once the advisor has welcomed the
  // player: the introduction's music may keep the page idle with no dialog
  // open for a while before it.
  const answerAll = async (welcome) => {
    let spoke = !welcome;
    for (let quiet = 0; quiet < 4 || !spoke;) {
      const open = await page.evaluate(() => [...document.querySelectorAll('dialog[open]')].map((d) => d.id));
      if (open.includes('picture')) await page.click('#picture-close');
      else if (open.includes('advisor')) {
        spoke = true;
        await page.click(await page.isVisible('#advisor-no') ? '#advisor-no' : '#advisor-yes');
      }
      const busy = await page.evaluate(() => window.aurovane.page.busy);
      quiet = open.length || busy ? 0 : quiet + 1;
      await page.waitForTimeout(50);
    }
  };
  await answerAll(true);
  await page.evaluate(() => { window.longTasks = []; });
  await page.click('#end-year');
  await answerAll();
  const tasks = await page.evaluate(() => window.longTasks);
  await context.close();
  return tasks.length ? Math.max(...tasks) : 0;
}
const longest = [];
const sizes = [[{ width: 1366, height: 768 }, 1], [{ width: 2560, height: 1440 }, 2]];
for (const [viewport, scale] of sizes) longest.push(await firstYearLongestTask(browser, site, viewport, scale));
await browser.close();
await site.close();
const firstMapMs = median(loads.map((l) => l.ms));
const firstMapKiB = median(loads.map((l) => l.bytes)) / 1024;
console.log(`first drawn map: ${firstMapMs.toFixed(0)} ms after navigation (median of ${loads.length} fresh visits)`);
console.log(`received until then: ${firstMapKiB.toFixed(0)} KiB`);
figure('first drawn map, cold, localhost', `${firstMapMs.toFixed(0)} ms`, '<= 700 ms');
figure('received before ready to play', `${firstMapKiB.toFixed(0)} KiB`, '<= 1 MB');
const editorMs = median(editorLoads.map((l) => l.ms));
const editorKiB = median(editorLoads.map((l) => l.bytes)) / 1024;
console.log(`the editor's first drawn map: ${editorMs.toFixed(0)} ms after navigation, ${editorKiB.toFixed(0)} KiB received`);
figure('the editor\'s first drawn map, cold, localhost', `${editorMs.toFixed(0)} ms`, '<= 700 ms');
figure('received before the editor is ready', `${editorKiB.toFixed(0)} KiB`, '<= 3 MB');
sizes.forEach(([v, scale], i) =>
  figure(`longest main-thread task, first year, ${v.width}x${v.height}@${scale}`, `${longest[i].toFixed(0)} ms`, '<= 50 ms'));
const wasmKB = fs.statSync(path.join(siteFolder, 'aurovane.wasm')).size / 1000;
figure('the page\'s engine (aurovane.wasm)', `${wasmKB.toFixed(0)} KB`, '<= 350 KB');

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
const alone = (wasm - wasmStart) / Math.max(0.1, native - nativeStart);
console.log(`WebAssembly / native, the game alone: ${alone.toFixed(1)}x`);

// Every write of the output to the kernel, as strace sees them.
function writes(command, commandArgs, input) {
  const log = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'aurovane-bench-')), 'trace');
  const r = spawnSync('strace', ['-f', '-e', 'trace=write,writev', '-o', log, command, ...commandArgs],
    { input, encoding: 'latin1', maxBuffer: 1 << 28 });
  if (r.error) return null;
  const count = fs.readFileSync(log, 'latin1').split('\n').filter((l) => /\bwritev?\(1,/.test(l)).length;
  fs.rmSync(path.dirname(log), { recursive: true });
  return count;
}
const nativeWrites = writes(nativeCli, args, script);
const wasmWrites = writes(process.execPath, [nodeCli, ...args], script);
if (nativeWrites !== null) console.log(`writes of the output: native ${nativeWrites}, WebAssembly under node ${wasmWrites}`);
figure('terminal edition under node / native, whole process', `${(wasm / native).toFixed(1)}x`, '<= 5x');
if (nativeWrites !== null) figure('its output writes, node / native', `${wasmWrites} / ${nativeWrites}`, 'as native');
figure('a game less its start-up, WebAssembly under node / native', `${alone.toFixed(1)}x`, '<= 2.5x');

// The same game in Chromium, in the engine built as the page's is: the
// fastest of a few runs after a first, so that it is compiled and optimised
// as in a page played for a while.
const buildFolder = path.dirname(siteFolder);
const built = spawnSync('cmake', ['--build', buildFolder, '--target', 'aurovane-cli-browser'], { encoding: 'utf8' });
if (built.status !== 0) throw new Error(`the browser build of the terminal edition failed: ${built.stdout}${built.stderr}`);
const benchSite = await serveSite(path.join(buildFolder, 'bench'));
const benchBrowser = await chromium.launch({ executablePath: process.env.CHROMIUM || '/usr/bin/chromium', args: ['--no-sandbox'] });
const benchPage = await benchBrowser.newPage();
await benchPage.goto(`${benchSite.url}aurovane-cli-browser.js`);
const inChromium = await benchPage.evaluate(async ({ args, script }) => {
  const { default: createTerminal } = await import('./aurovane-cli-browser.js');
  const bytes = Uint8Array.from(script, (c) => c.charCodeAt(0) & 0xff);
  const run = async () => {
    let at = 0;
    const terminal = await createTerminal({ stdin: () => (at < bytes.length ? bytes[at++] : null), stdout: () => {},
                                            stderr: () => {} });
    const start = performance.now();
    terminal.callMain(args);
    return performance.now() - start;
  };
  await run();
  const times = [];
  for (let i = 0; i < 5; ++i) times.push(await run());
  return Math.min(...times);
}, { args, script });
await benchBrowser.close();
await benchSite.close();
console.log(`whole 241-turn game, WebAssembly in Chromium: ${inChromium.toFixed(0)} ms, warm`);
figure('a warm game, WebAssembly in Chromium / native', `${(inChromium / Math.max(0.1, native - nativeStart)).toFixed(1)}x`, '<= 2.5x');

console.log('');
for (const [name, measured, goal] of goals) console.log(`${name.padEnd(60)} ${measured.padStart(12)} ${goal.padStart(10)}`);
