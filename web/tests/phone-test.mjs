// The page on phones and a tablet, touched as a player would with real touch
// events, and on a desk: the sound starts with the first tap (no autoplay
// allowance), the instructions in the screen's own words (touch or mouse),
// the map full width or full height with the words in a panel, two fingers
// zooming and one panning, a drag and a long press moving legions, every
// dialog inside its screen, and no text under 12 CSS pixels nor a control
// under 44 at the phone and tablet sizes (each measured and printed).
//   node phone-test.mjs SITE_FOLDER   (SHOTS=folder keeps a picture of each size)
import assert from 'node:assert/strict';
import path from 'node:path';
import { chromium } from 'playwright-core';
import { checks } from './checks.mjs';
import { clientPoint } from './screen-points.mjs';
import { serveSite } from './site-server.mjs';

const site = await serveSite(process.argv[2] || 'build-web/site');
const browser = await chromium.launch({ executablePath: process.env.CHROMIUM || '/usr/bin/chromium', args: ['--no-sandbox'] });
const run = checks();
const problems = [];
const shots = process.env.SHOTS;
const MinText = 12;
const MinControl = 44;

const state = (page) => page.evaluate(() => window.aurovane.page.screen.state);
const legions = (s, province) => s.provinces.find((p) => p.name === province).legions.find((l) => l.empire === 'Romans')?.count ?? 0;
const openDialogs = (page) => page.evaluate(() => [...document.querySelectorAll('dialog[open]')].map((d) => d.id));

async function tapOn(page, selector) {
  await page.locator(selector).scrollIntoViewIfNeeded();
  const box = await page.locator(selector).boundingBox();
  await page.touchscreen.tap(box.x + box.width / 2, box.y + box.height / 2);
}

// Answers each dialog with its last button (No, OK), or its first, until the game waits.
async function settle(page, touch, yes = false) {
  for (let quiet = 0; quiet < 3;) {
    const open = await openDialogs(page);
    const busy = await page.evaluate(() => window.aurovane.page.busy);
    const button = open.includes('advisor') ? (!yes && await page.isVisible('#advisor-no') ? '#advisor-no' : '#advisor-yes')
      : open.includes('picture') ? '#picture-close' : open.includes('menu') ? '#menu .close' : null;
    if (button) await (touch ? tapOn(page, button) : page.click(button));
    quiet = open.length || busy ? 0 : quiet + 1;
    await page.waitForTimeout(60);
  }
}

// In layout pixels: a province's figure, and a spot of the province itself.
function places(page, from, to) {
  return page.evaluate(([a, b]) => {
    const t = window.aurovane.page.tables;
    const [mapX, mapY] = t.layout.map;
    const spot = t.provinces.find((p) => p.name === a).figure;
    const at = (x, y) => window.aurovane.api.provinceAt(x, y);
    const middle = t.provinces.find((p) => p.name === b).rects.map(([l, tp, r, bt]) => [(l + r) >> 1, (tp + bt) >> 1])
      .find(([x, y]) => at(x + mapX, y + mapY) === b || at(x, y) === b);
    return { from: [spot[0] + mapX + 15, spot[1] + mapY + 30], to: [middle[0] + mapX, middle[1] + mapY] };
  }, [from, to]);
}

async function touchDrag(page, a, b, holdMs = 0) {
  const cdp = await page.context().newCDPSession(page);
  const touch = (type, points) => cdp.send('Input.dispatchTouchEvent', { type, touchPoints: points.map((p, id) => ({ x: p.x, y: p.y, id })) });
  await touch('touchStart', [a]);
  await page.waitForTimeout(holdMs || 40);
  for (let i = 1; i <= 6; ++i) await touch('touchMove', [{ x: a.x + (b.x - a.x) * i / 6, y: a.y + (b.y - a.y) * i / 6 }]);
  await touch('touchEnd', []);
  await cdp.detach();
}

// Two fingers spread apart (or pinched together) about a point.
async function pinch(page, at, from, to) {
  const cdp = await page.context().newCDPSession(page);
  const touch = (type, d) => cdp.send('Input.dispatchTouchEvent', {
    type, touchPoints: d === null ? [] : [{ x: at.x - d, y: at.y, id: 0 }, { x: at.x + d, y: at.y, id: 1 }] });
  await touch('touchStart', from);
  for (let i = 1; i <= 8; ++i) await touch('touchMove', from + ((to - from) * i) / 8);
  await touch('touchEnd', null);
  await cdp.detach();
}

// The smallest words and the smallest control in sight or a scroll away, in
// CSS pixels. A box ticked through its label counts as its label's size.
function smallest(page) {
  return page.evaluate(() => {
    const shown = (e) => {
      const r = e.getBoundingClientRect();
      return r.width > 1 && r.height > 1 && getComputedStyle(e).visibility !== 'hidden' && !e.closest('[hidden], dialog:not([open])');
    };
    let text = { size: Infinity };
    for (const e of document.querySelectorAll('body *')) {
      const own = [...e.childNodes].some((n) => n.nodeType === 3 && n.textContent.trim());
      if (!own || !shown(e)) continue;
      const size = parseFloat(getComputedStyle(e).fontSize);
      if (size < text.size) text = { size, what: `${e.tagName.toLowerCase()}#${e.id}: ${e.textContent.trim().slice(0, 30)}` };
    }
    let control = { size: Infinity };
    for (const e of document.querySelectorAll('button, a[href], input, select, [role=tab]')) {
      const target = e.closest('label') || e;
      if (!shown(target)) continue;
      const r = target.getBoundingClientRect();
      const size = Math.min(r.width, r.height);
      if (size < control.size) control = { size, what: `${e.tagName.toLowerCase()}#${e.id}: ${target.textContent.trim().slice(0, 30)}` };
    }
    return { text, control };
  });
}

// The dialog on top inside the screen, with its first title (where it shows
// one) and its buttons in view; the rest of a long menu scrolls.
function dialogFits(page) {
  return page.evaluate(() => {
    const d = [...document.querySelectorAll('dialog[open]')].pop();
    const inside = (r, box) => r.left >= box.left - 0.5 && r.top >= box.top - 0.5 && r.right <= box.right + 0.5 && r.bottom <= box.bottom + 0.5;
    const screen = { left: 0, top: 0, right: innerWidth, bottom: innerHeight };
    const box = d.getBoundingClientRect();
    const wrong = [];
    if (!inside(box, screen)) wrong.push(`${d.id} reaches out of the screen`);
    for (const e of [d.querySelector('h2'), ...d.querySelectorAll('.buttons button, .close')].filter(Boolean)) {
      const r = e.getBoundingClientRect();
      if (r.width > 1 && e.getClientRects().length && !inside(r, box)) wrong.push(`${d.id}: ${e.textContent.trim()} is out of view`);
    }
    return wrong;
  });
}

let sizes = [];
const measured = {};
function measure(name, found) {
  const m = measured[name] || { text: { size: Infinity }, control: { size: Infinity } };
  if (found.text.size < m.text.size) m.text = found.text;
  if (found.control.size < m.control.size) m.control = found.control;
  measured[name] = m;
}

async function phone(viewport, { mobile = true, touch = true } = {}) {
  const name = `${viewport.width}x${viewport.height}`;
  const context = await browser.newContext({ viewport, hasTouch: touch, isMobile: mobile && touch, deviceScaleFactor: touch ? 2 : 1 });
  const page = await context.newPage();
  page.on('pageerror', (e) => problems.push(`${name}: ${e.message}`));
  page.on('console', (m) => { if (m.type() === 'error') problems.push(`${name}: console: ${m.text()}`); });
  await page.goto(`${site.url}?seed=1`);
  await page.waitForFunction(() => window.aurovane?.ready, null, { timeout: 30000 });
  await page.waitForSelector('#picture[open]');
  return { name, context, page };
}

async function checkPhone(viewport, mobile = true) {
  const { name, context, page } = await phone(viewport, { mobile });
  await run.check(`${name}: the sound starts with the first tap, not before`, async () => {
    assert.equal(await page.evaluate(() => window.aurovane.page.audio.context?.state ?? 'none'), 'none');
    measure(name, await smallest(page));
    assert.deepEqual(await dialogFits(page), []);
    await tapOn(page, '#picture-close');
    await page.waitForFunction(() => window.aurovane.page.audio.context?.state === 'running', null, { timeout: 5000 });
  });
  await settle(page, true);
  await run.check(`${name}: the map alone, the words beside or below it, in touch words`, async () => {
    const layout = await page.evaluate(() => {
      const s = window.aurovane.page.screen;
      const c = s.canvas.getBoundingClientRect();
      const a = document.getElementById('access').getBoundingClientRect();
      return { mapOnly: s.mapOnly, canvas: [c.left, c.top, c.width, c.height], panel: [a.left, a.top, a.width, a.height],
               words: document.getElementById('instructions').textContent };
    });
    assert.ok(layout.mapOnly, 'the map alone');
    const [, , cw, ch] = layout.canvas;
    const [px, py, pw, ph] = layout.panel;
    if (viewport.height > viewport.width) {
      assert.ok(Math.abs(cw - viewport.width) < 2, `the map is the screen's width: ${cw}`);
      assert.ok(py >= layout.canvas[1] + ch - 1 && ph > 150, `the panel below the map: ${layout.panel}`);
    } else {
      assert.ok(px >= cw - 1 && pw > 200, `the panel beside the map: ${layout.panel}`);
    }
    assert.match(layout.words, /Drag/);
    assert.match(layout.words, /long press/);
    assert.match(layout.words, /Tap/);
    assert.doesNotMatch(layout.words, /click/i);
    measure(name, await smallest(page));
  });
  // The tap that stops a coasting flick is one Chromium turns into no click.
  await run.check(`${name}: Menu answers a tap while the panel still coasts from a flick`, async () => {
    const panel = await page.locator('#access').boundingBox();
    const at = { x: panel.x + panel.width / 2, y: panel.y + panel.height * 0.7 };
    await touchDrag(page, at, { x: at.x, y: at.y - 150 }, 1);
    await tapOn(page, '#menu-button');
    await page.waitForSelector('#menu[open]', { timeout: 3000 });
    assert.ok(await page.evaluate(() => document.getElementById('access').scrollTop > 0), 'the flick scrolled the panel');
    await settle(page, true);
  });
  await run.check(`${name}: two fingers zoom the map, one finger off the figures pans it, the wheel zooms`, async () => {
    const box = await page.locator('#screen').boundingBox();
    const middle = { x: box.x + box.width / 2, y: box.y + box.height / 2 };
    await pinch(page, middle, 30, 110);
    const zoomed = await page.evaluate(() => ({ ...window.aurovane.page.screen.pan, zoom: window.aurovane.page.screen.zoom }));
    assert.ok(zoomed.zoom > 2, `zoomed to ${zoomed.zoom}`);
    // The open sea: no figure there.
    const sea = await clientPoint(page, 180 + 380, 30 + 520) || middle;
    await touchDrag(page, { x: box.x + 20, y: box.y + box.height - 20 }, { x: box.x + 120, y: box.y + box.height - 80 });
    const panned = await page.evaluate(() => window.aurovane.page.screen.pan);
    assert.ok(panned.x < zoomed.x && panned.y > zoomed.y, `panned from ${JSON.stringify(zoomed)} to ${JSON.stringify(panned)} (${sea.x})`);
    await pinch(page, middle, 120, 10);
    assert.equal(await page.evaluate(() => window.aurovane.page.screen.zoom), 1);
    await page.mouse.move(middle.x, middle.y);
    await page.mouse.wheel(0, -300);
    assert.ok(await page.evaluate(() => window.aurovane.page.screen.zoom) > 1.3, 'the wheel zooms in');
    await page.mouse.wheel(0, 3000);
    assert.equal(await page.evaluate(() => window.aurovane.page.screen.zoom), 1);
  });
  await run.check(`${name}: a drag from a figure moves a legion; a long press and a tap move another; a refusal is told`, async () => {
    let p = await places(page, 'Italia', 'Pannonia');
    await touchDrag(page, await clientPoint(page, ...p.from), await clientPoint(page, ...p.to));
    await settle(page, true);
    assert.equal(legions(await state(page), 'Pannonia'), 1);
    p = await places(page, 'Italia', 'Dalmatia');
    const from = await clientPoint(page, ...p.from);
    await touchDrag(page, from, from, 700);
    assert.equal(await page.evaluate(() => window.aurovane.page.carry.carried), 'Italia');
    const to = await clientPoint(page, ...p.to);
    await page.touchscreen.tap(to.x, to.y);
    await settle(page, true);
    assert.equal(legions(await state(page), 'Dalmatia'), 1);
    if (shots) await page.screenshot({ path: path.join(shots, `page-${name}-march.png`) });
    // Dropped on the open sea: refused, and said in the panel's information line.
    p = await places(page, 'Italia', 'Raetia');
    await touchDrag(page, await clientPoint(page, ...p.from), await clientPoint(page, 180 + 380, 30 + 520));
    await settle(page, true);
    assert.match(await page.textContent('#info-line'), /^No order: there is no province there/);
    if (shots) await page.screenshot({ path: path.join(shots, `page-${name}-refused.png`) });
    measure(name, await smallest(page));
  });
  await run.check(`${name}: every dialog fits the screen with its buttons in view, either way up`, async () => {
    for (const turn of [false, true]) {
      if (turn) {
        await page.setViewportSize({ width: viewport.height, height: viewport.width });
        await page.waitForTimeout(200);
      }
      await tapOn(page, '#menu-button');
      await page.waitForSelector('#menu[open]', { timeout: 3000 }).catch(async (e) => {
        await page.screenshot({ path: `/tmp/ph/fail-menu-${name}.png` });
        console.log(await page.evaluate(() => ({ busy: window.aurovane.page.busy, wanted: window.aurovane.page.menuWanted,
          open: [...document.querySelectorAll('dialog[open]')].map((d) => d.id), active: document.activeElement?.id,
          at: document.elementFromPoint(30, 20)?.id })));
        throw e;
      });
      assert.deepEqual(await dialogFits(page), []);
      if (!turn) measure(name, await smallest(page));
      await tapOn(page, '#menu [data-command=about]');
      await page.waitForSelector('#picture[open]');
      assert.deepEqual(await dialogFits(page), []);
      await tapOn(page, '#picture-close');
      await tapOn(page, '#menu-button');
      await tapOn(page, '#menu [data-command=hints]');
      await page.waitForSelector('#advisor[open]');
      assert.deepEqual(await dialogFits(page), []);
      if (!turn) measure(name, await smallest(page));
      await settle(page, true);
    }
    await page.setViewportSize(viewport);
    await page.waitForTimeout(200);
  });
  await run.check(`${name}: the year's news in the panel`, async () => {
    const year = (await state(page)).year;
    await tapOn(page, '#end-year');
    await page.waitForFunction(() => window.aurovane.page.busy || document.querySelector('dialog[open]'), null, { timeout: 5000 });
    await settle(page, true, true);
    if ((await state(page)).year === year) await page.screenshot({ path: `/tmp/ph/fail-${name}.png` });
    assert.notEqual((await state(page)).year, year);
    assert.ok((await page.textContent('#report-text')).length > 20, 'the reports are there');
    // The plaque at the head of the panel, too small over the map alone; a tap on it closes it.
    assert.match(await page.textContent('#year-news'), /^The year \d+ AD/);
    if (shots) await page.screenshot({ path: path.join(shots, `page-${name}-news.png`) });
    measure(name, await smallest(page));
    await tapOn(page, '#year-news');
    assert.ok(await page.isHidden('#year-news'), 'closed by a tap');
  });
  await context.close();
  sizes.push(name);
}

await checkPhone({ width: 390, height: 844 });
await checkPhone({ width: 844, height: 390 });
await checkPhone({ width: 768, height: 1024 }, false);

await run.check('1366x768 with a mouse: the whole screen as before, in mouse words', async () => {
  const { context, page } = await phone({ width: 1366, height: 768 }, { touch: false });
  const words = await page.textContent('#instructions');
  assert.match(words, /Left-click and drag/);
  assert.match(words, /Right click/);
  assert.equal(await page.evaluate(() => window.aurovane.page.screen.mapOnly), false);
  await page.click('#picture-close');
  await settle(page, false);
  if (shots) {
    const p = await places(page, 'Italia', 'Pannonia');
    const a = await clientPoint(page, ...p.from);
    const b = await clientPoint(page, ...p.to);
    await page.mouse.move(a.x, a.y);
    await page.mouse.down();
    await page.mouse.move(b.x, b.y, { steps: 6 });
    await page.mouse.up();
    await settle(page, false);
    await page.screenshot({ path: path.join(shots, 'page-1366x768-march.png') });
  }
  await context.close();
});

await run.check('the editor page on a phone: nothing under 12 px, no control under 44 px, nothing wider than the screen', async () => {
  const context = await browser.newContext({ viewport: { width: 390, height: 844 }, hasTouch: true, isMobile: true, deviceScaleFactor: 2 });
  const page = await context.newPage();
  page.on('pageerror', (e) => problems.push(`editor: ${e.message}`));
  await page.goto(`${site.url}editor.html`);
  await page.waitForFunction(() => document.getElementById('loading').hidden, null, { timeout: 30000 });
  await page.waitForTimeout(300);
  if (shots) await page.screenshot({ path: path.join(shots, 'editor-390x844.png') });
  measure('editor 390x844', await smallest(page));
  assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= innerWidth + 1), 'no sideways scroll');
  await context.close();
});

for (const [name, m] of Object.entries(measured)) {
  console.log(`     ${name}: smallest text ${m.text.size} px (${m.text.what}), smallest control ${m.control.size.toFixed(1)} px (${m.control.what})`);
  if (m.text.size < MinText) run.fail(`${name}: text of ${m.text.size} px: ${m.text.what}`);
  if (m.control.size < MinControl) run.fail(`${name}: a control of ${m.control.size.toFixed(1)} px: ${m.control.what}`);
}
await run.check('no errors on the console', () => assert.deepEqual(problems, []));
await browser.close();
await site.close();
if (run.failures) {
  console.log(`${run.failures} phone checks failed`);
  process.exit(1);
}
console.log(`every phone check passed (${sizes.join(', ')})`);
