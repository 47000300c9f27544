// The page never stops listening: 1,600 short random actions (by default),
// the same for a seed (taps, drags and pinches on the map, flicks of the
// panel, right clicks, keys, the menu's choices, the dialogs' buttons, End
// Year, Undo, reloads and fresh visits with nothing stored), on a desk, on
// phones either way up and on a tablet. Every so often, and after each visit,
// the page must come back to rest and then answer: the menu opens and closes,
// End Year starts a year's end. A page at rest is one with no dialog open and
// no turn being played. A failure names its seed, to be run again with it.
//   node never-stuck-test.mjs SITE_FOLDER [ACTIONS] [SEED]
import { chromium } from 'playwright-core';
import { serveSite } from './site-server.mjs';

const site = await serveSite(process.argv[2] || 'build-web/site');
const total = Number(process.argv[3]) || 1600;
const seed = Number(process.argv[4]) || 20260;
const browser = await chromium.launch({ executablePath: process.env.CHROMIUM || '/usr/bin/chromium', args: ['--no-sandbox'] });

// A small seeded generator (mulberry32): the same actions for the same seed.
function generator(s) {
  return () => {
    s = (s + 0x6d2b79f5) | 0;
    let t = Math.imul(s ^ (s >>> 15), 1 | s);
    t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}
// One lane of actions: its own generator and its own record of what it did last.
function lane(index) {
  const random = generator(seed + index * 7919);
  const log = [];
  return {
    random,
    pick: (list) => list[Math.floor(random() * list.length)],
    between: (a, b) => a + random() * (b - a),
    log,
    note(text) {
      log.push(text);
      if (log.length > 40) log.shift();
    },
  };
}

const screens = [
  { viewport: { width: 1366, height: 768 } },
  { viewport: { width: 390, height: 844 }, hasTouch: true, isMobile: true, deviceScaleFactor: 2 },
  { viewport: { width: 844, height: 390 }, hasTouch: true, isMobile: true, deviceScaleFactor: 2 },
  { viewport: { width: 768, height: 1024 }, hasTouch: true },
];
const problems = [];
class Stuck extends Error {}

// What the bar's buttons heard last, for a tap that went unanswered.
function listenToBar() {
  window.barHeard = [];
  for (const kind of ['pointerdown', 'pointerup', 'pointercancel', 'click']) {
    window.addEventListener(kind, (e) => {
      if (!e.target.closest?.('#bar')) return;
      window.barHeard.push(`${Math.round(e.timeStamp)} ms ${kind} ${e.target.id} ${e.pointerType || ''}`);
      if (window.barHeard.length > 12) window.barHeard.shift();
    }, { capture: true });
  }
}
// Why a press at a control was not answered: what is on top there, and what the bar heard.
const unanswered = (page, selector) => page.evaluate((sel) => {
  const r = document.querySelector(sel).getBoundingClientRect();
  const on = document.elementFromPoint(r.left + r.width / 2, r.top + r.height / 2);
  return JSON.stringify({ onTop: on?.id || on?.tagName, heard: window.barHeard,
                          busy: window.aurovane.page.busy, menuWanted: window.aurovane.page.menuWanted });
}, selector).catch((e) => e.message);

const looks = (page) => page.evaluate(() => ({
  ready: Boolean(window.aurovane?.ready),
  busy: Boolean(window.aurovane?.page.busy),
  dialogs: [...document.querySelectorAll('dialog[open]')].map((d) => d.id),
  // The dialog a player sees on top: the one that takes a press at its own
  // middle (the order in the document is not the order they were shown in).
  top: [...document.querySelectorAll('dialog[open]')].reverse().find((d) => {
    const r = d.getBoundingClientRect();
    return d.contains(document.elementFromPoint(r.left + r.width / 2, r.top + r.height / 2));
  })?.id ?? null,
  year: window.aurovane?.page.screen.state?.year ?? 0,
}));

async function visit(page, fresh, L) {
  if (fresh) await page.evaluate(() => localStorage.clear()).catch(() => {});
  await page.goto(`${site.url}?seed=${Math.floor(L.random() * 1e6)}`);
  await page.waitForFunction(() => window.aurovane?.ready, null, { timeout: 30000 });
}

// The buttons a player could press in the dialog on top, as selectors.
async function dialogButtons(page) {
  return page.evaluate(() => {
    const open = [...document.querySelectorAll('dialog[open]')].pop();
    if (!open) return [];
    return [...open.querySelectorAll('button, input')].filter((b) => !b.disabled && b.getClientRects().length)
      .map((b, i) => { b.dataset.probe = `${open.id}-${i}`; return `[data-probe="${b.dataset.probe}"]`; });
  });
}

// Answers what asks (the first button, or Back to the game) until the page
// rests, or until the dialog `awaited` opens; a page that never rests, or a
// dialog that ignores its button, is stuck.
async function rest(page, why, awaited = null) {
  const deadline = Date.now() + 60000;
  let quiet = 0;
  while (quiet < 3) {
    if (Date.now() > deadline) throw new Stuck(`never came to rest (${why}): ${JSON.stringify(await looks(page))}`);
    const now = await looks(page);
    if (now.dialogs.includes(awaited)) return;
    if (now.dialogs.length) {
      const top = now.top ?? now.dialogs[now.dialogs.length - 1];
      const button = top === 'menu' ? '#menu .close' : top === 'advisor' ? '#advisor-yes' : '#picture-close';
      await page.click(button, { timeout: 5000 }).catch(() => {});
      await page.waitForFunction((before) => {
        const open = [...document.querySelectorAll('dialog[open]')].map((d) => d.id);
        return open.join() !== before.join() || window.aurovane.page.busy;
      }, now.dialogs, { timeout: 5000, polling: 50 }).catch(async () => {
        // The same dialog may rightly open again (the next message); it must be a new one.
        const again = await looks(page);
        if (again.dialogs.join() === now.dialogs.join() && !again.busy)
          throw new Stuck(`${top}: its button was pressed and nothing happened`);
      });
    }
    quiet = now.dialogs.length || now.busy || !now.ready ? 0 : quiet + 1;
    await page.waitForTimeout(now.busy ? 100 : 40);
  }
}

// At rest, the page answers the menu and End Year. A dialog of the game's
// own may open in between (the introduction after a load): it is answered
// and the probe tried again.
async function probe(page, endYear, touchScreen, tries = 3) {
  await rest(page, 'before the probe');
  const opened = (id) => page.waitForFunction((want) => {
    const open = [...document.querySelectorAll('dialog[open]')].map((d) => d.id);
    return open.includes(want) ? 'yes' : open.length ? 'other' : false;
  }, id, { timeout: 3000, polling: 20 }).then((h) => h.jsonValue(), () => 'no');
  // Tapped on a touch screen: a tap the browser swallows is input ignored.
  await pressAt(page, '#menu-button', touchScreen);
  let menu = await opened('menu');
  // A turn begun meanwhile (a long press's order) keeps the menu for its end: answered.
  if (menu === 'no' && await page.evaluate(() => window.aurovane.page.menuWanted)) {
    await rest(page, 'the menu asked for during a turn', 'menu');
    menu = await opened('menu');
  }
  if (menu === 'other' && tries) return probe(page, endYear, touchScreen, tries - 1);
  if (menu !== 'yes') throw new Stuck(`the menu did not open: ${await unanswered(page, '#menu-button')}`);
  await page.keyboard.press('Escape');
  // Escape closes the dialog on top: the menu, or one that opened over it.
  await page.waitForFunction(() => !document.querySelector('#menu').open || document.querySelectorAll('dialog[open]').length > 1,
                             null, { timeout: 3000, polling: 20 })
    .catch(() => { throw new Stuck('Escape did not close the menu'); });
  if (!endYear) return undefined;
  await rest(page, 'before End Year');
  const before = await looks(page);
  await pressAt(page, '#end-year', touchScreen);
  await page.waitForFunction((year) => window.aurovane.page.busy || window.aurovane.page.screen.state.year !== year
    || document.querySelector('dialog[open]'), before.year, { timeout: 3000, polling: 20 })
    .catch(async () => { throw new Stuck(`End Year did nothing: ${await unanswered(page, '#end-year')}`); });
  return rest(page, 'after End Year');
}

// A point on the map: often a figure, where legions are picked up.
async function mapPoint(page, L) {
  return page.evaluate((r) => {
    const { screen } = window.aurovane.page;
    const box = screen.canvas.getBoundingClientRect();
    const s = screen.state;
    if (s && r[0] < 0.5 && s.figures.length) {
      const spot = screen.legionSpot(s.figures[Math.floor(r[1] * s.figures.length)]);
      for (const p of screen.panes) {
        const x = box.left + p.x + (spot.x + 12 - p.from.x) * screen.scale;
        const y = box.top + p.y + (spot.y + 20 - p.from.y) * screen.scale;
        if (x > box.left && x < box.right && y > box.top && y < box.bottom) return { x, y };
      }
    }
    return { x: box.left + r[1] * box.width, y: box.top + r[2] * box.height };
  }, [L.random(), L.random(), L.random()]);
}

// A press where a control is, as a finger or the mouse would: whatever is on top there gets it.
async function pressAt(page, selector, touchScreen) {
  const at = await page.evaluate((sel) => {
    const e = document.querySelector(sel);
    const r = e && e.getClientRects().length ? e.getBoundingClientRect() : null;
    return r && r.width ? { x: r.left + r.width / 2, y: r.top + r.height / 2 } : null;
  }, selector);
  if (!at) return;
  if (touchScreen) await page.touchscreen.tap(at.x, at.y);
  else await page.mouse.click(at.x, at.y);
}

async function touch(cdp, type, points) {
  await cdp.send('Input.dispatchTouchEvent', { type, touchPoints: points.map((p, id) => ({ x: p.x, y: p.y, id })) });
}

async function act(page, cdp, touchScreen, L) {
  const kind = L.pick(['tap', 'tap', 'drag', 'drag', 'drag', 'key', 'key', 'key', 'menu', 'dialog', 'dialog', 'dialog',
                     'right', 'end', 'undo', 'zoom', 'hold', 'list', 'flick']);
  L.note(kind);
  // The page may be loading again (a reload, a new visit): actions wait for it.
  await page.waitForFunction(() => window.aurovane?.ready, null, { timeout: 30000, polling: 50 });
  switch (kind) {
    case 'tap': {
      const at = await mapPoint(page, L);
      if (touchScreen) await page.touchscreen.tap(at.x, at.y);
      else await page.mouse.click(at.x, at.y);
      break;
    }
    case 'drag': {
      const a = await mapPoint(page, L);
      const b = { x: a.x + L.between(-200, 200), y: a.y + L.between(-150, 150) };
      const steps = 2 + Math.floor(L.random() * 5);
      if (touchScreen) {
        await touch(cdp, 'touchStart', [a]);
        for (let i = 1; i <= steps; ++i) await touch(cdp, 'touchMove', [{ x: a.x + (b.x - a.x) * i / steps, y: a.y + (b.y - a.y) * i / steps }]);
        // Now and then the finger is lost rather than lifted.
        await touch(cdp, L.random() < 0.1 ? 'touchCancel' : 'touchEnd', []);
      } else {
        await page.mouse.move(a.x, a.y);
        await page.mouse.down();
        await page.mouse.move(b.x, b.y, { steps });
        await page.mouse.up();
      }
      break;
    }
    case 'hold': {
      const a = await mapPoint(page, L);
      if (touchScreen) {
        await touch(cdp, 'touchStart', [a]);
        await page.waitForTimeout(L.between(300, 700));
        await touch(cdp, 'touchEnd', []);
      } else {
        await page.mouse.move(a.x, a.y);
        await page.mouse.down();
        await page.waitForTimeout(L.between(300, 700));
        await page.mouse.up();
      }
      break;
    }
    case 'zoom': {
      const a = await mapPoint(page, L);
      if (touchScreen) {
        const spread = L.between(20, 60);
        const grow = L.between(-40, 80);
        await touch(cdp, 'touchStart', [{ x: a.x - spread, y: a.y }, { x: a.x + spread, y: a.y }]);
        for (let i = 1; i <= 4; ++i) {
          const d = spread + (grow * i) / 4;
          await touch(cdp, 'touchMove', [{ x: a.x - d, y: a.y + i * 3 }, { x: a.x + d, y: a.y + i * 3 }]);
        }
        await touch(cdp, 'touchEnd', []);
      } else {
        await page.mouse.move(a.x, a.y);
        await page.mouse.wheel(0, L.between(-400, 400));
      }
      break;
    }
    case 'key': {
      const key = L.pick(['Escape', 'Escape', 'Enter', 'Enter', ' ', 'ArrowLeft', 'ArrowRight', 'ArrowUp',
                                      'ArrowDown', 'Tab', 'i', 'g', 'F1', 'Control+z']);
      L.note(`key ${key}`);
      await page.keyboard.press(key);
      break;
    }
    case 'menu': {
      await pressAt(page, '#menu-button', touchScreen);
      const choices = await page.evaluate(() => [...document.querySelectorAll('#menu[open] [data-command]')]
        .filter((b) => !b.disabled && b.dataset.command !== 'save' && b.dataset.command !== 'editor'
                 && b.dataset.command !== 'load')
        .map((b, i) => { b.dataset.probe = `m${i}`; return `[data-probe="m${i}"]`; }));
      if (choices.length) {
        const choice = L.pick(choices);
        L.note(`menu ${await page.getAttribute(choice, 'data-command')}`);
        await pressAt(page, choice, touchScreen);
      }
      break;
    }
    case 'dialog': {
      const buttons = await dialogButtons(page);
      if (buttons.length) await pressAt(page, L.pick(buttons), touchScreen);
      break;
    }
    case 'right': {
      if (touchScreen) break;
      const at = await mapPoint(page, L);
      await page.mouse.click(at.x, at.y, { button: 'right' });
      break;
    }
    case 'end':
      await pressAt(page, '#end-year', touchScreen);
      break;
    case 'undo':
      await pressAt(page, '#undo', touchScreen);
      break;
    case 'flick': {
      // A quick swipe over the panel of words, where it is in sight: it coasts on after the finger.
      const panel = await page.evaluate(() => {
        const r = document.getElementById('access').getBoundingClientRect();
        return r.width > 40 && r.height > 100 ? { x: r.left, y: r.top, w: r.width, h: r.height } : null;
      });
      if (!touchScreen || !panel) break;
      const a = { x: panel.x + L.between(0.1, 0.9) * panel.w, y: panel.y + L.between(0.2, 0.8) * panel.h };
      const dy = L.between(-150, 150);
      await touch(cdp, 'touchStart', [a]);
      for (let i = 1; i <= 3; ++i) await touch(cdp, 'touchMove', [{ x: a.x, y: a.y + (dy * i) / 3 }]);
      await touch(cdp, 'touchEnd', []);
      break;
    }
    case 'list': {
      // The panel's province buttons, where they are in sight (a phone).
      const buttons = await page.evaluate(() => [...document.querySelectorAll('#province-list button')]
        .filter((b) => b.getBoundingClientRect().width > 40).length);
      if (buttons) await pressAt(page, `#province-${Math.floor(L.random() * buttons)}`, touchScreen);
      break;
    }
    default:
      break;
  }
  if (L.random() < 0.3) await page.waitForTimeout(L.between(5, 40));
}

const started = Date.now();
let done = 0;
// The screens at once, each its own lane: the waits (a year's end, a long
// press, a load) overlap, and a lane's actions are the same for a seed.
const visitsEach = 2;
const share = Math.ceil(total / (screens.length * visitsEach));
async function runLane(index) {
  const shape = screens[index];
  const L = lane(index);
  const name = `${shape.viewport.width}x${shape.viewport.height}`;
  const touchScreen = Boolean(shape.hasTouch);
  try {
    for (let v = 0; v < visitsEach; ++v) {
      const context = await browser.newContext(shape);
      const page = await context.newPage();
      await page.addInitScript(listenToBar);
      page.on('pageerror', (e) => problems.push(`${name}: page error: ${e.message}`));
      page.on('console', (m) => {
        if (m.type() === 'error') problems.push(`${name}: console: ${m.text()}\n  the last actions: ${L.log.slice(-10).join(', ')}`);
      });
      page.on('crash', () => problems.push(`${name}: the page crashed`));
      page.on('dialog', (d) => d.dismiss());
      page.on('popup', (p) => p.close());
      page.on('framenavigated', (f) => {
        if (f !== page.mainFrame()) return;
        L.note(`(loaded ${f.url().replace(site.url, '')})`);
        if (!f.url().startsWith(site.url)) problems.push(`${name}: the page left the game for ${f.url()}\n  the last actions: ${L.log.join(', ')}`);
      });
      const cdp = await context.newCDPSession(page);
      await visit(page, true, L);
      for (let i = 0; i < share; ++i, ++done) {
        const r = L.random();
        if (r < 0.006) {
          L.note('reload');
          await page.reload();
          await page.waitForFunction(() => window.aurovane?.ready, null, { timeout: 30000 });
        } else if (r < 0.009) {
          L.note('a fresh visit, nothing stored');
          await visit(page, true, L);
        } else {
          await act(page, cdp, touchScreen, L);
        }
        if (i % 100 === 99) await probe(page, i % 300 === 299, touchScreen);
      }
      await probe(page, true, touchScreen);
      console.log(`ok   ${name}, visit ${v + 1}: ${share} actions, ${((Date.now() - started) / 1000).toFixed(0)} s`);
      await context.close();
    }
  } catch (e) {
    problems.push(`${name}: ${e instanceof Stuck ? 'STUCK' : 'error'}: ${e.message}\n  the last actions: ${L.log.join(', ')}`);
  }
}
await Promise.all(screens.map((_, i) => runLane(i)));
await browser.close();
await site.close();
if (problems.length) {
  for (const p of [...new Set(problems)].slice(0, 10)) console.log(`FAIL ${p}`);
  console.log(`the page stopped answering or failed (seed ${seed}; again: node web/tests/never-stuck-test.mjs SITE ${total} ${seed})`);
  process.exit(1);
}
console.log(`the page answered throughout: ${done} random actions (seed ${seed}) in ${((Date.now() - started) / 1000).toFixed(0)} s`);
