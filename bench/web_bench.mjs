// The browser edition measured, each figure beside its goal at the end: from
// headless Chromium, the time from the start of navigation to the first drawn
// map, the bytes received until then and the longest task of the page's main
// thread while the first year ends (at 1366x768, and at 2560x1440 with two
// device pixels to a pixel), a drag and a lesson's zoom too, and the frames of
// the animations at the larger size; the page's engine's size; then a whole seeded
// 241-turn game in the engine compiled to WebAssembly (the node terminal
// edition) against the native terminal edition: the whole process, the game
// alone, and the writes of their output; last the same game warm under node and in Chromium.
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
const { fastestWarmGame } = await import(path.join(root, 'bench/warm_game.mjs'));

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

// The page played at one size: the welcome declined, the first year ended
// with every question answered No, then a drag of a legion and a lesson from
// the menu (its zoom). For each, the longest task of the page's main thread
// (from a trace, so that the tasks under 50 ms count too); for the animations
// (the zoom and the year's steps) the frames too: every task that drew one.
async function played(browser, site, viewport, deviceScaleFactor) {
  const context = await browser.newContext({ viewport, deviceScaleFactor });
  const page = await context.newPage();
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
  const traced = async (act) => {
    await browser.startTracing(page, { categories: ['toplevel', 'devtools.timeline', 'blink.user_timing'] });
    await act();
    const trace = JSON.parse((await browser.stopTracing()).toString()).traceEvents;
    const thread = trace.find((e) => e.name === 'thread_name' && e.args.name === 'CrRendererMain'
                               && trace.some((t) => t.pid === e.pid && t.name === 'FireAnimationFrame'));
    const on = trace.filter((e) => e.pid === thread?.pid && e.tid === thread?.tid && e.ph === 'X');
    const all = on.filter((e) => e.name === 'ThreadControllerImpl::RunTask' || e.name === 'RunTask');
    // The outermost only: a task may run another inside itself.
    const tasks = all.filter((t) => !all.some((o) => o !== t && o.ts <= t.ts && o.ts + o.dur >= t.ts + t.dur));
    // A frame of an animation: a task that drew a step of one.
    const steps = trace.filter((e) => e.name === 'aurovane-step' && e.ph === 'b').map((b) => b.ts);
    const frames = tasks.filter((t) => steps.some((ts) => ts >= t.ts && ts <= t.ts + t.dur));
    return { longest: Math.max(0, ...tasks.map((t) => t.dur / 1000)), frames: frames.map((t) => t.dur / 1000) };
  };
  const year = await traced(async () => {
    await page.click('#end-year');
    await answerAll();
  });
  const steps = await page.evaluate(() => performance.getEntriesByName('aurovane-step').map((e) => e.duration));
  const drag = await traced(async () => {
    const [from, to] = await page.evaluate(() => {
      const { screen, tables } = window.aurovane.page;
      const r = screen.canvas.getBoundingClientRect();
      const client = ([x, y]) => [r.left + x * screen.scale, r.top + y * screen.scale];
      const [mapX, mapY] = tables.layout.map;
      const [fx, fy] = tables.provinces.find((p) => p.name === 'Italia').figure;
      return [client([mapX + fx + 15, mapY + fy + 30]), client([mapX + 640, mapY + 420])];
    });
    await page.mouse.move(...from);
    await page.mouse.down();
    await page.mouse.move(...to, { steps: 40 });
    // Back where it started: no order given.
    await page.mouse.move(...from, { steps: 40 });
    await page.mouse.up();
    await answerAll();
  });
  const lesson = await traced(async () => {
    await page.click('#menu-button');
    await page.click('#menu button[data-command=lesson]');
    await page.waitForSelector('#picture[open]');
    await page.click('#picture-close');
    await answerAll();
  });
  await context.close();
  return { drag, lesson, year, frames: [...lesson.frames, ...year.frames], steps };
}
const plays = [];
const sizes = [[{ width: 1366, height: 768 }, 1], [{ width: 2560, height: 1440 }, 2]];
for (const [viewport, scale] of sizes) plays.push(await played(browser, site, viewport, scale));
// Nothing of the page left running while the engines are timed below.
await browser.close();
await site.close();
const firstMapMs = median(loads.map((l) => l.ms));
const firstMapKB = median(loads.map((l) => l.bytes)) / 1000;
console.log(`first drawn map: ${firstMapMs.toFixed(0)} ms after navigation (median of ${loads.length} fresh visits)`);
console.log(`received until then: ${firstMapKB.toFixed(0)} KB`);
figure('first drawn map, cold, localhost', `${firstMapMs.toFixed(0)} ms`, '<= 700 ms');
figure('received before ready to play (1 KB = 1000 bytes)', `${firstMapKB.toFixed(0)} KB`, '<= 1000 KB');
const editorMs = median(editorLoads.map((l) => l.ms));
const editorKB = median(editorLoads.map((l) => l.bytes)) / 1000;
console.log(`the editor's first drawn map: ${editorMs.toFixed(0)} ms after navigation, ${editorKB.toFixed(0)} KB received`);
figure('the editor\'s first drawn map, cold, localhost', `${editorMs.toFixed(0)} ms`, '<= 700 ms');
figure('received before the editor is ready', `${editorKB.toFixed(0)} KB`, '<= 3000 KB');
const percentile = (values, p) => values.slice().sort((a, b) => a - b)[Math.min(values.length - 1, Math.floor(values.length * p))] ?? 0;
sizes.forEach(([v, scale], i) => {
  const size = `${v.width}x${v.height}@${scale}`;
  const p = plays[i];
  for (const what of ['year', 'drag', 'lesson'])
    figure(`longest main-thread task, ${{ year: 'first year', drag: 'a drag', lesson: 'a lesson\'s zoom' }[what]}, ${size}`,
           `${p[what].longest.toFixed(0)} ms`, '<= 50 ms');
  console.log(`frames of the animations at ${size}: ${p.frames.length}, median ${percentile(p.frames, 0.5).toFixed(1)} ms, `
              + `95th percentile ${percentile(p.frames, 0.95).toFixed(1)} ms, longest ${Math.max(0, ...p.frames).toFixed(1)} ms; `
              + `the last choreography's ${p.steps.length} frames drawn in at most ${Math.max(0, ...p.steps).toFixed(1)} ms`);
  if (scale === 2) figure(`longest frame of an animation, ${size}`, `${Math.max(0, ...p.frames).toFixed(1)} ms`, '<= 8 ms');
});
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
// What no program node runs can go under: node itself, starting and stopping.
const nodeItself = timeRun(process.execPath, ['-e', ''], '');
console.log(`node itself, with nothing to run: ${nodeItself.toFixed(0)} ms, ${(nodeItself / native).toFixed(1)}x the native whole game`);
const alone = (wasm - wasmStart) / Math.max(0.1, native - nativeStart);
// Cold: the engine compiled as it runs, optimised only once it runs hot.
console.log(`WebAssembly / native, the game alone, cold: ${alone.toFixed(1)}x`);

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

// The same game warm (bench/warm_game.mjs), in the engine built as the
// page's is: first under node, then in Chromium.
const buildFolder = path.dirname(siteFolder);
const built = spawnSync('cmake', ['--build', buildFolder, '--target', 'aurovane-cli-browser'], { encoding: 'utf8' });
if (built.status !== 0) throw new Error(`the browser build of the terminal edition failed: ${built.stdout}${built.stderr}`);
const warm = spawnSync(process.execPath, [path.join(root, 'bench/warm_game.mjs'),
  path.join(buildFolder, 'bench', 'aurovane-cli-browser.js'), path.join(root, 'tests/golden/whole-game.script'), ...args],
  { encoding: 'utf8' });
if (warm.status !== 0) throw new Error(`the warm game under node failed: ${warm.stderr}`);
const inNode = Number(warm.stdout);
console.log(`whole 241-turn game, WebAssembly under node: ${inNode.toFixed(0)} ms, warm`);
figure('a warm game, WebAssembly under node / native', `${(inNode / Math.max(0.1, native - nativeStart)).toFixed(1)}x`, '<= 2.5x');
const benchSite = await serveSite(path.join(buildFolder, 'bench'));
const benchBrowser = await chromium.launch({ executablePath: process.env.CHROMIUM || '/usr/bin/chromium', args: ['--no-sandbox'] });
const benchPage = await benchBrowser.newPage();
await benchPage.goto(`${benchSite.url}aurovane-cli-browser.js`);
const inChromium = await benchPage.evaluate(async ({ args, script, source }) => {
  const { default: createTerminal } = await import('./aurovane-cli-browser.js');
  const fastestWarmGame = new Function(`return ${source}`)();
  return fastestWarmGame(createTerminal, Uint8Array.from(script, (c) => c.charCodeAt(0) & 0xff), args);
}, { args, script, source: fastestWarmGame.toString() });
await benchBrowser.close();
await benchSite.close();
console.log(`whole 241-turn game, WebAssembly in Chromium: ${inChromium.toFixed(0)} ms, warm`);
figure('a warm game, WebAssembly in Chromium / native', `${(inChromium / Math.max(0.1, native - nativeStart)).toFixed(1)}x`, '<= 2.5x');

console.log('');
for (const [name, measured, goal] of goals) console.log(`${name.padEnd(60)} ${measured.padStart(12)} ${goal.padStart(10)}`);
