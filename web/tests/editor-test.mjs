// The editor page in chromium, on a phone's touch screen: a province edited
// by taps, the options' checks, undo, a damaged file refused, the saved
// scenario read by the terminal edition, and the scenario as a link played
// in the game page; hostile links refused with the game left as it was; the
// editor offline.
//   node editor-test.mjs SITE_FOLDER NATIVE_CLI
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { chromium } from 'playwright-core';
import { serveSite } from './site-server.mjs';

const site = await serveSite(process.argv[2] || 'build-web/site');
const cli = process.argv[3] || 'build/cli/aurovane-cli';
const browser = await chromium.launch({ executablePath: process.env.CHROMIUM || '/usr/bin/chromium', args: ['--no-sandbox'] });
const problems = [];
let failures = 0;

async function check(name, body) {
  try {
    await body();
    console.log(`ok   ${name}`);
  } catch (e) {
    failures++;
    console.log(`FAIL ${name}: ${e.message.split('\n').slice(0, 6).join('\n')}`);
  }
}

function watch(page) {
  page.on('console', (m) => { if (m.type() === 'error') problems.push(`console: ${m.text()}`); });
  page.on('pageerror', (e) => problems.push(`page error: ${e.message}`));
  return page;
}

// A finger on the middle of an element.
async function tap(page, selector) {
  await page.locator(selector).scrollIntoViewIfNeeded();
  const box = await page.locator(selector).boundingBox();
  await page.touchscreen.tap(box.x + box.width / 2, box.y + box.height / 2);
}

// A tap on a point of the province's own land, as the engine paints it.
async function tapProvince(page, name) {
  const at = await page.evaluate((n) => {
    const { editor, api } = window.aurovaneEditor;
    const t = editor.tables;
    const [mapX, mapY] = t.layout.map;
    const [x, y] = t.provinces.find((p) => p.name === n).rects.map(([l, tp, r, b]) => [(l + r) >> 1, (tp + b) >> 1])
      .find(([px, py]) => api.provinceAt(px, py) === n);
    const m = editor.map;
    const r = m.canvas.getBoundingClientRect();
    const pane = m.panes[0];
    return { x: r.left + (mapX + x - pane.from.x) * m.scale, y: r.top + (mapY + y - pane.from.y) * m.scale };
  }, name);
  await page.touchscreen.tap(at.x, at.y);
}

async function advisorSays(page) {
  await page.waitForSelector('#advisor[open]', { timeout: 10000 });
  const text = await page.textContent('#advisor-text');
  await page.click('#advisor-yes');
  return text;
}

const phone = await browser.newContext({ viewport: { width: 390, height: 844 }, hasTouch: true, isMobile: true,
                                         acceptDownloads: true });
const editor = watch(await phone.newPage());
await editor.goto(`${site.url}editor.html`);
await editor.waitForFunction(() => window.aurovaneEditor?.ready, null, { timeout: 30000 });
const view = () => editor.evaluate(() => window.aurovaneEditor.editor.view);
let savedText;

await check('a province is edited by touch, undone, and every control is a finger wide', async () => {
  await tapProvince(editor, 'Dacia');
  assert.equal((await view()).selected, 'Dacia');
  await tap(editor, '#holders button:first-of-type');
  for (let i = 0; i < 3; ++i) await tap(editor, '#legion-more');
  assert.equal(await editor.textContent('#legion-count'), '3');
  await tap(editor, '#edit-undo');
  const v = await view();
  assert.deepEqual([v.holder, v.legions], ['Romans', 2]);
  const small = await editor.evaluate(() => [...document.querySelectorAll('button, input, select, textarea')]
    .filter((e) => e.offsetParent && e.type !== 'checkbox')
    .map((e) => [e.id || e.textContent, e.getBoundingClientRect()])
    .filter(([, r]) => r.height < 44 || r.width < 44).map(([n]) => n));
  assert.deepEqual(small, []);
});

await check('the options are checked as in the desktop editor, and stored', async () => {
  await editor.fill('#year', '100');
  await tap(editor, '#store-options');
  assert.match(await editor.textContent('#option-errors'), /Year must be between 235 and 475/);
  assert.equal((await view()).year, '235');
  await editor.fill('#year', '300');
  await editor.fill('#treasury', '4321');
  await tap(editor, '#store-options');
  await editor.fill('#title', 'Dacia Held');
  await editor.fill('#briefing', 'Keep the Danube.');
  await tap(editor, '#store-texts');
  const v = await view();
  assert.deepEqual([v.year, v.treasury, v.title, v.errors], ['300', '4321', 'Dacia Held', []]);
});

await check('the saved scenario is read by the terminal edition', async () => {
  await tap(editor, '#file-button');
  const [download] = await Promise.all([editor.waitForEvent('download'), tap(editor, '#file-menu [data-command=save]')]);
  const file = path.join(os.tmpdir(), `aurovane-editor-${process.pid}.avn`);
  await download.saveAs(file);
  savedText = fs.readFileSync(file, 'utf8');
  const out = spawnSync(cli, ['--seed', '1'], { input: `load ${file}\ndump\n`, encoding: 'utf8' }).stdout;
  fs.rmSync(file);
  const dump = JSON.parse(out.split('\n').find((l) => l.startsWith('{')));
  assert.equal(dump.turn, 65);
  assert.equal(dump.treasury, 4321);
  assert.deepEqual(dump.empires.find((e) => e.name === 'Romans').legions.filter((l) => l.province === 'Dacia').length, 2);
});

await check('a damaged file is refused with the scenario as it was', async () => {
  await editor.setInputFiles('#file-input', { name: 'bad.avn', mimeType: 'application/octet-stream',
                                               buffer: Buffer.from(savedText.slice(0, savedText.length >> 1)) });
  assert.ok((await advisorSays(editor)).length > 0);
  assert.equal(await editor.evaluate(() => window.aurovaneEditor.api.save()), savedText);
});

await check('a shared link plays the scenario in the game, its briefing read, and the game opens it in the editor', async () => {
  await tap(editor, '#file-button');
  await tap(editor, '#file-menu [data-command=share]');
  await editor.waitForSelector('#share[open]');
  const link = await editor.inputValue('#share-link');
  assert.ok(link.length < 4000, `the link is ${link.length} characters`);
  const game = watch(await phone.newPage());
  await game.goto(link);
  assert.match(await advisorSays(game), /Dacia Held[\s\S]*Keep the Danube/);
  assert.equal(await game.evaluate(() => window.aurovane.api.save()), savedText);
  assert.equal(new URL(game.url()).hash, '', 'a reload goes on with the game');
  // And back: the game's position opened in the editor.
  await game.waitForSelector('dialog[open]', { state: 'detached', timeout: 5000 }).catch(() => {});
  await tap(game, '#menu-button');
  const [opened] = await Promise.all([phone.waitForEvent('page'), tap(game, '#menu [data-command=editor]')]);
  await opened.waitForFunction(() => window.aurovaneEditor?.editor.view?.title === 'Dacia Held', null, { timeout: 30000 });
  assert.equal(await opened.evaluate(() => window.aurovaneEditor.api.save()), savedText);
  await opened.close();
  await game.close();
});

await check('hostile and damaged links are refused and the game starts as usual', async () => {
  const bomb = await editor.evaluate(async () => {
    const s = new Blob(['A'.repeat(8 << 20)]).stream().pipeThrough(new CompressionStream('deflate-raw'));
    const bytes = new Uint8Array(await new Response(s).arrayBuffer());
    return btoa(String.fromCharCode(...bytes)).replace(/\+/g, '-').replace(/\//g, '_').replace(/=+$/, '');
  });
  for (const fragment of [bomb, 'not%20a%20scenario', 'A'.repeat(40000)]) {
    const game = watch(await phone.newPage());
    await game.goto(`${site.url}?seed=1#scenario=${fragment}`);
    assert.ok((await advisorSays(game)).length > 0, 'the reader names the problem');
    await game.waitForSelector('#picture[open]');
    assert.equal(await game.evaluate(() => JSON.parse(window.aurovane.dump()).turn), 0);
    await game.close();
  }
});

await check('the editor opens offline once visited', async () => {
  await editor.evaluate(() => navigator.serviceWorker.ready);
  await phone.setOffline(true);
  await editor.reload();
  await editor.waitForFunction(() => window.aurovaneEditor?.ready, null, { timeout: 30000 });
  await phone.setOffline(false);
});

await phone.close();
await browser.close();
await site.close();
if (problems.length) {
  console.log(`FAIL the pages reported problems:\n${problems.join('\n')}`);
  failures++;
}
process.exit(failures ? 1 : 0);
