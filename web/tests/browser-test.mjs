// The browser edition in Debian's chromium, driven as a player would: the
// first position, mouse and touch drags, the end of a year, questions and
// lessons, saving and loading, a bad file, Continue after a reload and past
// damaged years, offline play, and the screen against the committed pictures
// at three sizes.
//   node browser-test.mjs SITE_FOLDER   (UPDATE_GOLDEN=1 writes the pictures anew)
import assert from 'node:assert/strict';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import pixelmatch from 'pixelmatch';
import { chromium } from 'playwright-core';
import { PNG } from 'pngjs';
import { checks } from './checks.mjs';
import { clientPoint } from './screen-points.mjs';
import { bytesUntilReady, serveSite } from './site-server.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const goldenDir = path.join(here, 'golden');
const site = await serveSite(process.argv[2] || 'build-web/site');
const browser = await chromium.launch({ executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
                                        args: ['--no-sandbox', '--autoplay-policy=no-user-gesture-required'] });
const problems = [];
const run = checks();
const { check } = run;

async function openGame(context, seed = 1) {
  const page = await context.newPage();
  page.on('console', (m) => { if (m.type() === 'error') problems.push(`console: ${m.text()}`); });
  page.on('pageerror', (e) => problems.push(`page error: ${e.message}`));
  await page.goto(`${site.url}?seed=${seed}`);
  await waitForIntroduction(page);
  return page;
}

// Every visit begins with the introduction.
async function waitForIntroduction(page) {
  await page.waitForFunction(() => window.aurovane?.ready, null, { timeout: 30000 });
  await page.waitForSelector('#picture[open]');
}

const dump = (page) => page.evaluate(() => JSON.parse(window.aurovane.dump()));
const state = (page) => page.evaluate(() => window.aurovane.page.screen.state);
const legions = (s, province, empire = 'Romans') =>
  s.provinces.find((p) => p.name === province).legions.find((l) => l.empire === empire)?.count ?? 0;

// Answers every dialog with its first button until the game waits for the player again.
async function settle(page, { answer = 'yes' } = {}) {
  let quiet = 0;
  while (quiet < 3) {
    const open = await page.evaluate(() => [...document.querySelectorAll('dialog[open]')].map((d) => d.id));
    const busy = await page.evaluate(() => window.aurovane.page.busy);
    // A message has only its OK button.
    if (open.includes('advisor'))
      await page.click(answer === 'no' && await page.isVisible('#advisor-no') ? '#advisor-no' : '#advisor-yes');
    else if (open.includes('picture')) await page.click('#picture-close');
    quiet = open.length || busy ? 0 : quiet + 1;
    await page.waitForTimeout(open.length ? 20 : 60);
  }
}

// A click on the year's news plaque, where one is shown, closes it as a player goes on past it.
async function goOn(page) {
  if (!await page.evaluate(() => window.aurovane.page.news.shown)) return;
  const [x, y, w, h] = await page.evaluate(() => window.aurovane.page.tables.layout.map);
  const at = await clientPoint(page, x + w / 2, y + h / 2);
  await page.mouse.click(at.x, at.y);
}

// A legion's place and, where a player would aim, the middle of one of the
// target's rectangles that is its own, in layout pixels.
async function places(page, from, to) {
  return page.evaluate(([a, b]) => {
    const t = window.aurovane.page.tables;
    const spot = t.provinces.find((p) => p.name === a);
    const at = (x, y) => window.aurovane.api.provinceAt(x, y);
    const middle = t.provinces.find((p) => p.name === b).rects.map(([l, tp, r, bt]) => [(l + r) >> 1, (tp + bt) >> 1])
      .find(([x, y]) => at(x, y) === b);
    const [mapX, mapY] = t.layout.map;
    return { from: [spot.figure[0] + mapX + 15, spot.figure[1] + mapY + 30], to: [middle[0] + mapX, middle[1] + mapY] };
  }, [from, to]);
}

// A drag of the mouse between two layout points, then whatever the game asks.
async function mouseDragAt(page, from, to) {
  const a = await clientPoint(page, ...from);
  const b = await clientPoint(page, ...to);
  await page.mouse.move(a.x, a.y);
  await page.mouse.down();
  await page.mouse.move(b.x, b.y, { steps: 6 });
  await page.mouse.up();
  await settle(page);
}

async function mouseDrag(page, from, to) {
  const p = await places(page, from, to);
  const a = await clientPoint(page, ...p.from);
  const b = await clientPoint(page, ...p.to);
  await page.mouse.move(a.x, a.y);
  await page.mouse.down();
  await page.mouse.move((a.x + b.x) / 2, (a.y + b.y) / 2, { steps: 4 });
  await page.mouse.move(b.x, b.y, { steps: 4 });
  await page.mouse.up();
  await settle(page);
}

async function touchDrag(page, from, to) {
  const p = await places(page, from, to);
  const a = await clientPoint(page, ...p.from);
  const b = await clientPoint(page, ...p.to);
  const cdp = await page.context().newCDPSession(page);
  const touch = (type, at) => cdp.send('Input.dispatchTouchEvent', { type, touchPoints: at ? [{ x: at.x, y: at.y }] : [] });
  await touch('touchStart', a);
  await page.waitForTimeout(50);
  for (let i = 1; i <= 5; ++i) await touch('touchMove', { x: a.x + (b.x - a.x) * i / 5, y: a.y + (b.y - a.y) * i / 5 });
  await touch('touchEnd');
  await settle(page);
}

async function menu(page, command, year) {
  await page.click('#menu-button');
  await page.click(year ? `#menu button[data-command=${command}][data-year="${year}"]` : `#menu button[data-command=${command}]`);
}

async function compareWithGolden(page, name) {
  const shot = PNG.sync.read(await page.screenshot());
  const file = path.join(goldenDir, `${name}.png`);
  if (process.env.UPDATE_GOLDEN || !fs.existsSync(file)) {
    fs.mkdirSync(goldenDir, { recursive: true });
    fs.writeFileSync(file, PNG.sync.write(shot));
    if (!process.env.UPDATE_GOLDEN) throw new Error(`no golden picture ${name}.png yet: written, check it and commit it`);
    return;
  }
  const golden = PNG.sync.read(fs.readFileSync(file));
  assert.deepEqual([shot.width, shot.height], [golden.width, golden.height], 'screenshot size');
  const diff = new PNG({ width: golden.width, height: golden.height });
  const differing = pixelmatch(shot.data, golden.data, diff.data, golden.width, golden.height, { threshold: 0.15 });
  const share = differing / (golden.width * golden.height);
  if (share > 0.005) {
    const out = path.join(os.tmpdir(), `aurovane-${name}-diff.png`);
    fs.writeFileSync(out, PNG.sync.write(diff));
    throw new Error(`${(share * 100).toFixed(2)}% of the pixels differ from ${name}.png (difference in ${out})`);
  }
}

// The position as a saved game holds it and as the screen shows it. Last
// year's tax and upkeep figures, the provinces' raising counters and the
// legions' moved flags have no place in the file; a legion that has reached
// the end of its road is read back as a standing one.
async function position(page) {
  return page.evaluate(() => {
    const p = window.aurovane.page;
    const d = JSON.parse(p.api.dump());
    const { year, treasury, provinces } = p.screen.state;
    return {
      file: JSON.stringify([d.turn, d.treasury, d.plague, d.plagueCounter, d.tribeCountdown,
                            d.empires.map((e) => [e.name, e.provinces, e.legions.map((l) => l.province)])]),
      shown: JSON.stringify({ year, treasury, provinces }),
      saved: p.api.save(),
    };
  });
}

async function assertSamePosition(page, expected) {
  const actual = await position(page);
  assert.equal(actual.shown, expected.shown, 'the screen shows the same position');
  assert.equal(actual.file, expected.file, 'the game holds the same position');
}

await check('the engine and the first visit stay light', async () => {
  const wasm = fs.statSync(path.join(process.argv[2] || 'build-web/site', 'aurovane.wasm')).size;
  assert.ok(wasm <= 350 * 1000, `the engine is ${wasm} bytes, over its 350 KB`);
  const context = await browser.newContext();
  const page = await openGame(context);
  const bytes = await page.evaluate(bytesUntilReady);
  assert.ok(bytes <= 3 * 1024 * 1024, `${bytes} bytes were sent before the game was ready`);
  await context.close();
});

const desktop = await browser.newContext({ viewport: { width: 1366, height: 768 }, acceptDownloads: true });
const page = await openGame(desktop);
let saved;
let savedFile;

await check('a new game shows the 235 AD position', async () => {
  assert.equal(await page.textContent('#year-label'), '235 AD');
  assert.equal(await page.isVisible('#picture'), true, 'the introduction is shown');
  await page.click('#picture-close');
  // The advisor's welcome is a question: answered No with a click, then his good wishes.
  await page.waitForSelector('#advisor[open]');
  assert.match(await page.textContent('#advisor-text'), /Would you like a few hints/);
  await page.click('#advisor-no');
  await page.waitForSelector('#advisor[open] #advisor-no[hidden]', { state: 'attached' });
  assert.match(await page.textContent('#advisor-text'), /Good luck, Princeps/);
  await page.click('#advisor-yes');
  await settle(page);
  const d = await dump(page);
  assert.equal(d.turn, 0);
  const s = await state(page);
  assert.equal(legions(s, 'Italia'), 5);
  assert.equal(legions(s, 'Upper Rhine', 'Germanic Tribes'), 2);
});

await check('the reports and the information line read as the window\'s, in corrected English', async () => {
  const s = await state(page);
  const texts = (lines) => lines.map((l) => l.text);
  assert.deepEqual(texts(s.reports).slice(0, 2), ['YEAR: 235 AD', 'ECONOMIC REPORT']);
  assert.ok(texts(s.reports).includes('MILITARY REPORT'));
  const danube = s.provinces.find((p) => p.name === 'Upper Danube').info;
  assert.deepEqual(texts(danube.texts), ['Province: Upper Danube', 'Tax value:', 'Attributes: Marcomanni territory (hostile)']);
});

await check('the screen matches the committed picture at 1366x768', () => compareWithGolden(page, 'screen-1366x768'));

await check('a mouse drag moves a legion', async () => {
  await mouseDrag(page, 'Italia', 'Raetia');
  const s = await state(page);
  assert.equal(legions(s, 'Italia'), 4);
  assert.equal(legions(s, 'Raetia'), 1);
});

await check('Undo takes the drag back, then the drag again; the state keeps the shape its table declares', async () => {
  assert.equal(await page.getAttribute('#undo', 'title'), 'Undo the order from Italia to Raetia');
  const before = await dump(page);
  await page.click('#undo');
  await settle(page);
  let s = await state(page);
  assert.equal(legions(s, 'Italia'), 5);
  const told = await page.evaluate(() => window.aurovane.page.screen.notice.map((l) => l.text));
  assert.deepEqual(told, ['Order taken back: the legion sent from Italia to Raetia stands in Italia again.']);
  assert.equal(await page.isDisabled('#undo'), true);
  assert.equal(await page.getAttribute('#undo', 'title'), 'No order of this year is left to take back.');
  await mouseDrag(page, 'Italia', 'Raetia');
  s = await state(page);
  assert.equal(legions(s, 'Raetia'), 1);
  assert.deepEqual(await dump(page), before);
  const keys = await page.evaluate(async () => (await import('./engine-api.js')).stateKeys);
  assert.deepEqual(Object.keys(s), keys);
});

await check('a refused drop says why in the information line, and changes nothing', async () => {
  const before = await state(page);
  const p = await places(page, 'Italia', 'Raetia');
  // The open sea south of Greece is no province.
  await mouseDragAt(page, p.from, [180 + 380, 30 + 520]);
  const notice = await page.evaluate(() => window.aurovane.page.screen.notice.map((l) => l.text));
  assert.deepEqual(notice, ['No order: there is no province there. Drop the legion on a province.']);
  assert.equal(legions(await state(page), 'Italia'), legions(before, 'Italia'));
  // Drawn where the province's words stand: amber on the black line.
  const amber = await page.evaluate(() => {
    const s = window.aurovane.page.screen;
    const d = s.composition.getContext('2d').getImageData(185 * s.deviceScale, 596 * s.deviceScale, 400 * s.deviceScale, 20 * s.deviceScale).data;
    let n = 0;
    for (let i = 0; i < d.length; i += 4) n += d[i] > 200 && d[i + 1] > 140 && d[i + 1] < 220 && d[i + 2] < 120;
    return n;
  });
  assert.ok(amber > 50, `amber pixels: ${amber}`);
});

await check('a press picks legions up where their figure is drawn, moved as in the window', async () => {
  // Syria's figure stands a little above the rules' spot for it.
  const picked = await page.evaluate(async () => {
    const p = window.aurovane.page;
    const [x, y] = p.tables.provinces.find((q) => q.name === 'Syria').figure;
    const [mapX, mapY] = p.tables.layout.map;
    const name = JSON.parse(p.api.press(x + mapX + 10, y + mapY + 2)).carried;
    p.api.pointerCancel();
    return name;
  });
  assert.equal(picked, 'Syria');
});

await check('the keyboard gives an order: a name typed, Enter, another name, Enter; an arrow moves the highlight', async () => {
  await page.keyboard.type('ital');
  await page.keyboard.press('Enter');
  await page.waitForTimeout(1100);  // a pause starts a new name
  await page.keyboard.type('aq');
  await page.keyboard.press('Enter');
  await settle(page);
  const s = await state(page);
  assert.equal(legions(s, 'Italia'), 3);
  assert.equal(legions(s, 'Aquitania'), 1);
  // An arrow moves the highlight the way it points.
  await page.waitForTimeout(1100);
  await page.keyboard.type('ital');
  await page.keyboard.press('ArrowRight');
  const [from, to] = await page.evaluate(() => {
    const p = window.aurovane.page;
    const figure = (name) => p.tables.provinces.find((q) => q.name === name).figure;
    return [figure('Italia'), figure(p.carry.cursor)];
  });
  assert.ok(to[0] > from[0], `east of Italia: ${to}`);
});

await check('a drop on painted land the rectangles give to no province or another lands where the window would', async () => {
  // A point of a neighbour of Italia painted as its land but outside its
  // rectangles and off every figure, once the tints have been handed over.
  const found = await page.waitForFunction(() => {
    const p = window.aurovane.page;
    const ask = (x, y) => p.api.provinceAt(x, y);
    const rectsOf = (name) => p.tables.provinces.find((q) => q.name === name).rects;
    // Where legions carried from Italia would land.
    const [mapX, mapY] = p.tables.layout.map;
    const [fx, fy] = p.tables.provinces.find((q) => q.name === 'Italia').figure;
    p.api.press(fx + mapX + 15, fy + mapY + 30);
    const target = (x, y) => JSON.parse(p.api.pointerMove(x + mapX, y + mapY)).target;
    const cancel = () => p.api.pointerCancel();
    for (let y = 0; y < 548; y += 2)
      for (let x = 0; x < 800; x += 2) {
        const painted = ask(x, y);
        if (!['Raetia', 'Dalmatia'].includes(painted) || target(x, y) !== painted) continue;
        if (rectsOf(painted).some(([l, t, r, b]) => l <= x && x <= r && t <= y && y <= b)) continue;
        const boxed = p.tables.provinces.find((q) => q.rects.some(([l, t, r, b]) => l < x && x < r && t < y && y < b));
        cancel();
        return { painted, boxed: boxed?.name ?? null, at: [x + p.tables.layout.map[0], y + p.tables.layout.map[1]] };
      }
    cancel();
    return null;
  }, null, { timeout: 10000 }).then((h) => h.jsonValue());
  const before = await state(page);
  await mouseDragAt(page, (await places(page, 'Italia', found.painted)).from, found.at);
  const s = await state(page);
  assert.equal(legions(s, found.painted), legions(before, found.painted) + 1, JSON.stringify(found));
  assert.equal(legions(s, 'Italia'), legions(before, 'Italia') - 1);
  // A step to the neighbour, not a march toward the province of the rectangles.
  const marching = (t) => t.provinces.filter((q) => q.legions.some((l) => l.marching)).length;
  assert.equal(marching(s), marching(before), JSON.stringify(found));
});

await check('a right click ends the year, and the lesson of 236 opens and closes', async () => {
  const centre = await clientPoint(page, 600, 300);
  await page.mouse.click(centre.x, centre.y, { button: 'right' });
  await page.waitForSelector('#picture[open]', { timeout: 20000 });
  assert.equal(await page.textContent('#picture-title'), 'Maximinus Thrax');
  assert.equal(await page.isVisible('#narration'), true, 'the lesson has its narration');
  await page.click('#narration');
  await page.click('#picture-close');
  await settle(page);
  assert.equal(await page.isVisible('#picture'), false);
  assert.equal((await dump(page)).turn, 1);
  assert.equal(await page.textContent('#year-label'), '236 AD');
});

await check('a lesson from the menu opens and closes', async () => {
  await menu(page, 'lesson', 313);
  await page.waitForSelector('#picture[open]');
  assert.equal(await page.textContent('#picture-title'), 'Constantine I');
  await page.keyboard.press('Escape');
  await page.waitForFunction(() => !document.getElementById('picture').open);
});

await check('save, then load, leaves the position identical', async () => {
  saved = await position(page);
  const [download] = await Promise.all([page.waitForEvent('download'), menu(page, 'save')]);
  assert.match(download.suggestedFilename(), /\.avn$/);
  savedFile = path.join(os.tmpdir(), `aurovane-test-${process.pid}.avn`);
  await download.saveAs(savedFile);
  assert.equal(fs.readFileSync(savedFile, 'latin1'), saved.saved, 'the file holds the game');
  await page.click('#end-year');
  await settle(page);
  assert.equal((await dump(page)).turn, 2, 'the year was played');
  await menu(page, 'load');
  await page.setInputFiles('#file-input', savedFile);
  await settle(page);
  await assertSamePosition(page, saved);
});

await check('a bad file gets the reader\'s message and changes nothing', async () => {
  const before = await dump(page);
  await menu(page, 'load');
  await page.setInputFiles('#file-input', { name: 'broken.avn', mimeType: 'application/octet-stream',
                                            buffer: Buffer.from('0   # turn\nnot a saved game\0\xff\n') });
  await page.waitForSelector('#advisor[open]');
  const message = await page.textContent('#advisor-text');
  assert.ok(message.length > 5, `a message: "${message}"`);
  await page.click('#advisor-yes');
  await settle(page);
  assert.deepEqual(await dump(page), before);
});

await check('the menu asked for while years run by themselves opens once the year is over', async () => {
  // No Roman legion, and a debt that the taxes of three years pay off before
  // the next is raised: the years run by themselves.
  const barracksEmpty = fs.readFileSync(path.join(here, '../../tests/files/base/new-game.avn'), 'latin1')
    .replace(/^75000 /m, '-20000 ')
    .replace(/Romans-Legions\n9 [^\n]*\n(?:[^\n]*\n){18}/, 'Romans-Legions\n0    #    number of legions\n');
  const load = async () => {
    await menu(page, 'load');
    await page.setInputFiles('#file-input', { name: 'barracks.avn', mimeType: 'application/octet-stream',
                                              buffer: Buffer.from(barracksEmpty, 'latin1') });
    await settle(page);
    assert.equal((await dump(page)).turn, 0);
  };
  await load();
  await page.click('#end-year');
  await settle(page);
  assert.ok((await dump(page)).turn > 1, 'left alone, several years run');
  await load();
  await page.evaluate(() => {
    document.getElementById('end-year').click();
    document.getElementById('menu-button').click();
  });
  for (const end = Date.now() + 30000; !(await page.isVisible('#menu'));) {
    assert.ok(Date.now() < end, 'the menu opens');
    if (await page.isVisible('#advisor')) await page.click('#advisor-yes');
    else if (await page.isVisible('#picture')) await page.click('#picture-close');
    await page.waitForTimeout(30);
  }
  assert.equal((await dump(page)).turn, 1, 'the next year waits for the player');
  await page.keyboard.press('Escape');
});

await check('after a reload, Continue Last Game brings back the last year', async () => {
  await page.click('#end-year');
  await settle(page);
  const kept = await position(page);
  await page.reload();
  await waitForIntroduction(page);
  await settle(page, { answer: 'no' });
  assert.equal((await dump(page)).turn, 0, 'a new game after the reload');
  await menu(page, 'continue');
  await settle(page);
  await assertSamePosition(page, kept);
});

await check('Continue asks before giving up a year played, goes back past a damaged newest year and says so; with none readable the game stays', async () => {
  await page.click('#end-year');
  await settle(page);
  const older = await position(page);
  await page.click('#end-year');
  await settle(page);
  const damage = (count) => page.evaluate((n) => {
    const kept = JSON.parse(localStorage.getItem('aurovane.kept'));
    for (const k of kept.slice(-n)) k.text = '12   # turn\nnot a number   # treasury\n';
    localStorage.setItem('aurovane.kept', JSON.stringify(kept));
    return kept.length;
  }, count);
  const told = async () => {
    await page.waitForSelector('#advisor[open]');
    const text = await page.textContent('#advisor-text');
    await settle(page);
    return text;
  };
  await damage(1);
  await menu(page, 'continue');
  await page.waitForSelector('#advisor[open]');
  assert.equal(await page.textContent('#advisor-text'), 'Discard the current game?');
  await page.click('#advisor-yes');
  await page.waitForFunction(() => document.querySelector('#advisor-text').textContent !== 'Discard the current game?');
  assert.match(await told(), /newest kept game could not be loaded:\n.*not a number.*\n\nThe game goes on from the newest one that loads, \d+ AD/s);
  await assertSamePosition(page, older);
  const all = await damage(100);
  const before = await position(page);
  await menu(page, 'continue');
  assert.match(await told(), new RegExp(`None of the ${all} kept games can be loaded; the current game goes on`));
  await assertSamePosition(page, before);
});

await check('the game plays offline after the first visit, a lesson never opened included', async () => {
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.reload();
  await waitForIntroduction(page);
  await page.waitForFunction(() => window.aurovane.keptOffline, null, { timeout: 60000 });
  await desktop.setOffline(true);
  await page.reload();
  await waitForIntroduction(page);
  await settle(page, { answer: 'no' });
  await page.click('#end-year');
  await settle(page);
  assert.equal((await dump(page)).turn, 1);
  const lesson = await page.evaluate(() => window.aurovane.page.tables.lessons.find((l) => l.year === 476));
  await menu(page, 'lesson', 476);
  await page.waitForSelector('#picture[open]');
  assert.equal(await page.textContent('#picture-title'), lesson.title);
  const fetched = await page.evaluate((l) => Promise.all([`bitmaps/${l.picture}.webp`, `sounds/${l.narration}.mp3`]
    .map((url) => fetch(url).then((r) => r.ok, () => false))), lesson);
  assert.deepEqual(fetched, [true, true], 'its picture and its narration are there offline');
  await page.keyboard.press('Escape');
  await desktop.setOffline(false);
});

await check('the end of a year plays the engine\'s steps: the banner up for 500 ms, then what it covered', async () => {
  await page.waitForFunction(() => !document.querySelector('dialog[open]'));
  await page.evaluate(() => {
    const steps = window.aurovane.page.steps;
    const play = steps.play.bind(steps);
    window.playedSteps = [];
    steps.play = (list) => {
      window.playedSteps.push(list);
      return play(list);
    };
  });
  await page.click('#end-year');
  await settle(page);
  const played = await page.evaluate(() => window.playedSteps);
  const [up, down] = played.find((list) => list.some((step) => step.picture === 234)) ?? [];
  assert.ok(up, JSON.stringify(played));
  assert.equal(up.pause, 500);
  assert.equal(down.backdrop, 'before');
  assert.deepEqual(down.restore, [...up.at, 254, 38]);
  assert.equal(await page.evaluate(() => window.aurovane.page.screen.playing), false, 'the screen is the game\'s again');
});

await check('a march order draws its route to an arrowhead on the map as the window does', async () => {
  await goOn(page);
  await page.waitForTimeout(1100);
  await page.keyboard.type('ital');
  await page.keyboard.press('Enter');
  await page.waitForTimeout(1100);
  await page.keyboard.type('lus');
  await page.keyboard.press('Enter');
  await settle(page);
  const s = await state(page);
  assert.ok(s.marches.length > 0, 'a route');
  assert.ok(s.provinces.some((p) => p.legions.some((l) => l.marching)), 'a marching stack');
  // The route's ink along its first leg.
  const inked = await page.evaluate(() => {
    const screen = window.aurovane.page.screen;
    const [[x0, y0], [x1, y1]] = screen.state.marches[0].points;
    const ctx = screen.composition.getContext('2d');
    let found = 0;
    for (let i = 1; i < 40; ++i) {
      const x = (x0 + (x1 - x0) * i / 40) * screen.deviceScale;
      const y = (y0 + (y1 - y0) * i / 40) * screen.deviceScale;
      const [r, g, b] = ctx.getImageData(Math.round(x), Math.round(y), 1, 1).data;
      if (r > 110 && g < 70 && b < 70) ++found;
    }
    return found;
  });
  assert.ok(inked >= 5, `${inked} of 39 points of the first leg in the route's ink`);
});

await check('after drags, years, steps and a lesson, the screen drawn where it changed is the screen drawn whole', async () => {
  const differing = await page.evaluate(() => {
    const s = window.aurovane.page.screen;
    const pixels = () => s.composition.getContext('2d').getImageData(0, 0, s.composition.width, s.composition.height).data;
    s.draw();
    const kept = pixels();
    s.whole = true;
    s.draw();
    const whole = pixels();
    let n = 0;
    for (let i = 0; i < kept.length; i += 4) {
      n += Math.max(Math.abs(kept[i] - whole[i]), Math.abs(kept[i + 1] - whole[i + 1]), Math.abs(kept[i + 2] - whole[i + 2])) > 16;
    }
    return n / (kept.length / 4);
  });
  assert.ok(differing < 0.0005, `${(differing * 100).toFixed(3)}% of the pixels differ`);
});
await check("the year's news: the engine's plaque over the map, closed by a click that gives no order, its switch remembered", async () => {
  await goOn(page);
  // What the engine hands over, caught on its way in.
  const catchPlaques = () => page.evaluate(() => {
    const news = window.aurovane.page.news;
    const arrived = news.arrived.bind(news);
    window.handedOver = [];
    news.arrived = (plaque) => { window.handedOver.push(plaque); arrived(plaque); };
  });
  await catchPlaques();
  const year = (await state(page)).year;
  await page.click('#end-year');
  await settle(page);
  const seen = await page.evaluate(() => {
    const p = window.aurovane.page;
    const [x, y, w, h] = p.tables.layout.map;
    const paper = p.screen.composition.getContext('2d').getImageData(
      Math.round((x + w / 2 - p.tables.newsPlaque.width / 2 + 15) * p.screen.deviceScale),
      Math.round((y + h / 2) * p.screen.deviceScale), 1, 1).data;
    return { handed: window.handedOver, shown: p.news.shown, paper: [...paper].slice(0, 3),
             words: [...document.getElementById('year-news').children].map((e) => e.textContent) };
  });
  assert.equal(seen.handed[0].title, `The year ${year} AD`);
  assert.ok(seen.handed[0].lines.some((l) => l.text === 'Treasury' && l.tone === 0), 'its sections');
  assert.ok(seen.handed[0].lines.every((l) => !l.text.includes('(s)') && !l.text.includes('%')), 'filled, plurals chosen');
  assert.deepEqual(seen.shown, seen.handed[0], 'the plaque shows what the engine handed over');
  assert.deepEqual(seen.words, [seen.shown.title, ...seen.shown.lines.map((l) => l.text), seen.shown.footer], 'and its words');
  const paper = await page.evaluate(() => window.aurovane.page.tables.newsPlaque.paper);
  assert.deepEqual(seen.paper, [paper >> 16, (paper >> 8) & 255, paper & 255], 'drawn over the map');
  // The provinces the year cost, rimmed from the year's end: no blink is counted under the plaque.
  await page.evaluate(() => {
    window.rims = () => window.aurovane.page.screen.shown.filter((p) => p.key.startsWith('flash ')).length;
  });
  await page.waitForTimeout(800);
  const underPlaque = await page.evaluate(() => [window.aurovane.page.flash.ticks, window.rims()]);
  const before = await position(page);
  await goOn(page);
  await settle(page);
  assert.equal(await page.evaluate(() => window.aurovane.page.news.shown), null, 'closed by the click');
  await assertSamePosition(page, before);
  // Then they blink, off and on again, until the blinks are over.
  const flashes = seen.handed[0].flashes.length;
  for (const n of [0, flashes]) await page.waitForFunction((n) => window.rims() === n, n, { timeout: 3000 });
  await page.waitForFunction(() => !window.aurovane.page.flash.timer, null, { timeout: 5000 });
  assert.deepEqual([underPlaque, flashes > 0, await page.evaluate(() => window.rims())], [[0, flashes], true, 0]);
  // Switched off in the menu: the year ends without it, and so it stays after a reload.
  await page.click('#menu-button');
  await page.click('#year-news-option');
  await page.click('#menu .close');
  await page.click('#end-year');
  await settle(page);
  assert.equal(await page.evaluate(() => window.aurovane.page.news.shown), null, 'switched off');
  assert.ok(await page.isHidden('#year-news'));
  await page.reload();
  await waitForIntroduction(page);
  await settle(page);
  assert.equal(await page.isChecked('#year-news-option'), false, 'remembered');
  await catchPlaques();
  await page.click('#end-year');
  await settle(page);
  assert.equal(await page.evaluate(() => window.handedOver.length > 0 && window.aurovane.page.news.shown), null);
  await page.click('#menu-button');
  await page.click('#year-news-option');
  await page.click('#menu .close');
});
await desktop.close();

const wide = await browser.newContext({ viewport: { width: 1920, height: 1080 } });
await check('the screen matches the committed picture at 1920x1080', async () => {
  const p = await openGame(wide);
  await settle(p, { answer: 'no' });
  await compareWithGolden(p, 'screen-1920x1080');
});
await wide.close();

// A large double-density screen: composed at its own density, shown pixel for pixel in tiles.
const sharp = await browser.newContext({ viewport: { width: 2560, height: 1440 }, deviceScaleFactor: 2 });
await check('at 2560x1440 on a double-density screen, what a drag and a year showed where they changed is the screen shown whole', async () => {
  const p = await openGame(sharp);
  await settle(p, { answer: 'no' });
  await mouseDrag(p, 'Italia', 'Pannonia');
  await p.click('#end-year');
  await settle(p, { answer: 'no' });
  const shown = PNG.sync.read(await p.screenshot());
  await p.evaluate(() => window.aurovane.page.screen.present(null));
  await p.waitForTimeout(100);
  const whole = PNG.sync.read(await p.screenshot());
  assert.equal(pixelmatch(shown.data, whole.data, null, shown.width, shown.height, { threshold: 0 }), 0);
  assert.ok(await p.evaluate(() => document.querySelectorAll('#stage canvas').length > 1), 'cut into tiles');
  assert.ok(await p.evaluate(() => {
    const s = window.aurovane.page.screen;
    return Math.abs(s.deviceScale - s.scale * devicePixelRatio) < 1e-6;
  }), 'composed at the density shown, not scaled at every change');
});
await sharp.close();

const battle = await browser.newContext({ viewport: { width: 1366, height: 768 } });
await check('a drop that gives battle plays the march and the fight out, and says how it went', async () => {
  // In 236 of this game a Germanic legion stands in Pannonia, next to Raetia's legion.
  const page = await openGame(battle);
  await settle(page, { answer: 'no' });
  await mouseDrag(page, 'Italia', 'Raetia');
  await page.click('#end-year');
  await settle(page);
  await goOn(page);
  const before = await state(page);
  assert.ok(legions(before, 'Raetia') > 0 && legions(before, 'Pannonia', 'Germanic Tribes') === 1);
  // Belgica's figure now covers part of Raetia's box: a point that picks Raetia up.
  const press = await page.evaluate(() => {
    const p = window.aurovane.page;
    const [mapX, mapY] = p.tables.layout.map;
    const [fx, fy] = p.tables.provinces.find((q) => q.name === 'Raetia').figure;
    const [w, h] = p.tables.layout.pickUpBox;
    for (let y = fy; y < fy + h; ++y)
      for (let x = fx + w - 1; x >= fx; --x) {
        const carried = JSON.parse(p.api.press(x + mapX, y + mapY)).carried;
        p.api.pointerCancel();
        if (carried === 'Raetia') return [x + mapX, y + mapY];
      }
    return null;
  });
  await mouseDragAt(page, press, (await places(page, 'Raetia', 'Pannonia')).to);
  const s = await state(page);
  const lost = legions(before, 'Raetia') - legions(s, 'Raetia');
  const won = 1 - legions(s, 'Pannonia', 'Germanic Tribes');
  const notice = await page.evaluate(() => window.aurovane.page.screen.notice.map((l) => l.text));
  assert.equal(lost + won, 1, `one legion fell: ${notice}`);
  assert.deepEqual(notice, [lost ? 'Our attack on Pannonia failed: one legion lost.' : 'Victory: Pannonia is ours.']);
});
await battle.close();

const phone = await browser.newContext({ viewport: { width: 390, height: 844 }, hasTouch: true, isMobile: true,
                                         deviceScaleFactor: 2 });
await check('on a phone: the screen matches the committed picture, and a touch drag moves a legion', async () => {
  const p = await openGame(phone);
  await settle(p, { answer: 'no' });
  await compareWithGolden(p, 'screen-390x844');
  await touchDrag(p, 'Italia', 'Pannonia');
  const s = await state(p);
  assert.equal(legions(s, 'Italia'), 4);
  assert.equal(legions(s, 'Pannonia'), 1);
  await p.setViewportSize({ width: 844, height: 390 });
  await p.waitForTimeout(200);
  await touchDrag(p, 'Italia', 'Dalmatia');
  assert.equal(legions(await state(p), 'Dalmatia'), 1);
});
await phone.close();

await check('no errors on the console', () => assert.deepEqual(problems, []));

await browser.close();
await site.close();
if (savedFile) fs.rmSync(savedFile, { force: true });
if (run.failures) {
  console.log(`${run.failures} browser checks failed`);
  process.exit(1);
}
console.log('every browser check passed');
