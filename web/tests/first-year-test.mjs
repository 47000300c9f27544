// The first year ended in every order of dialogs a player can take: the
// introduction closed by its button or by Escape, the welcome's hints taken,
// refused or sent away, answered at once or after a pause, the year ended by
// a right click, the End Year button or the keyboard, with the menu asked for
// during the year or not, and whatever the year asks answered either way. The
// pictures of the provinces arrive while the engine waits for an answer, as
// they do on a slow line. Each ends in 236 AD with no dialog left open, no
// error and the page alive.
//   node first-year-test.mjs SITE_FOLDER
import assert from 'node:assert/strict';
import { chromium } from 'playwright-core';
import { serveSite } from './site-server.mjs';

const site = await serveSite(process.argv[2] || 'build-web/site');
const browser = await chromium.launch({ executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
                                        args: ['--no-sandbox', '--autoplay-policy=no-user-gesture-required'] });
let failures = 0;

const openDialogs = (page) => page.evaluate(() => [...document.querySelectorAll('dialog[open]')].map((d) => d.id));

// Answers what opens, as `way` says, until the page waits for the player with
// nothing open; `pause` ms between a dialog opening and its answer.
async function answerUntilQuiet(page, way, pause) {
  let quiet = 0;
  const deadline = Date.now() + 60000;
  while (quiet < 4) {
    assert.ok(Date.now() < deadline, `the page still busy a minute later, dialogs open: ${await openDialogs(page)}`);
    const open = await openDialogs(page);
    const busy = await page.evaluate(() => window.aurovane.page.busy);
    if (open.length) {
      if (pause) await page.waitForTimeout(pause);
      const top = open[open.length - 1];
      if (top === 'menu') await page.keyboard.press('Escape');
      else if (way === 'escape') await page.keyboard.press('Escape');
      else if (top === 'picture') await page.click('#picture-close');
      else if (way === 'no' && await page.isVisible('#advisor-no')) await page.click('#advisor-no');
      else await page.click('#advisor-yes');
    }
    quiet = open.length || busy ? 0 : quiet + 1;
    await page.waitForTimeout(open.length ? 5 : 50);
  }
}

async function endTheYear(page, how) {
  if (how === 'right click') {
    const box = await page.locator('#screen').boundingBox();
    await page.mouse.click(box.x + box.width / 2, box.y + box.height / 2, { button: 'right' });
  } else if (how === 'button') {
    await page.click('#end-year');
  } else {
    await page.keyboard.press('e');
  }
}

async function firstYear({ intro, hints, pause, end, menu, answers, slowPictures }) {
  const name = `intro by ${intro}, hints ${hints}${pause ? ' after a pause' : ' at once'}, ended by ${end}` +
    `${menu ? ' with the menu asked for' : ''}, the year's questions answered ${answers}` +
    `${slowPictures ? ', pictures late' : ''}`;
  const context = await browser.newContext({ viewport: { width: 1366, height: 768 } });
  const page = await context.newPage();
  const problems = [];
  page.on('crash', () => problems.push('the page crashed'));
  page.on('close', () => problems.push('the page closed'));
  page.on('pageerror', (e) => problems.push(`page error: ${e.message}`));
  page.on('console', (m) => { if (m.type() === 'error') problems.push(`console: ${m.text()}`); });
  try {
    // Every picture but the first frame's and the introduction's (the
    // provinces' tints among them) held back until the welcome is on the screen.
    let release;
    const held = new Promise((r) => { release = r; });
    const firstFrame = new Set([111, 264, 168, 179, 114, 183, 185, 266]);
    if (slowPictures) {
      await page.route(/\/bitmaps\/\d+(@2x)?\.webp$/, async (route) => {
        if (!firstFrame.has(Number(route.request().url().match(/(\d+)(@2x)?\.webp$/)[1]))) await held;
        await route.continue();
      });
    }
    // The held pictures would hold back the page's load event.
    await page.goto(`${site.url}?seed=1`, { waitUntil: 'commit' });
    await page.waitForFunction(() => window.aurovane?.ready, null, { timeout: 30000 });
    await page.waitForSelector('#picture[open]');
    if (intro === 'escape') await page.keyboard.press('Escape');
    else await page.click('#picture-close');
    await page.waitForSelector('#advisor[open]');
    release();
    await answerUntilQuiet(page, hints, pause);
    assert.equal(await page.textContent('#year-label'), '235 AD');
    await endTheYear(page, end);
    if (menu) await page.click('#menu-button');
    await answerUntilQuiet(page, answers, pause);
    await page.waitForFunction(() => !window.aurovane.page.busy);
    assert.equal(await page.textContent('#year-label'), '236 AD');
    assert.equal(JSON.parse(await page.evaluate(() => window.aurovane.dump())).turn, 1);
    assert.deepEqual(await openDialogs(page), []);
    assert.deepEqual(problems, []);
    console.log(`ok   ${name}`);
  } catch (e) {
    failures++;
    console.log(`FAIL ${name}: ${[...problems, e.message.split('\n')[0]].join('; ')}`);
  }
  await context.close().catch(() => {});
}

// Every choice of each dialog at least once, and the quick answers with late
// pictures in each way of ending the year.
const orders = [
  { intro: 'button', hints: 'yes', pause: 0, end: 'right click', menu: false, answers: 'yes', slowPictures: true },
  { intro: 'escape', hints: 'no', pause: 0, end: 'button', menu: true, answers: 'no', slowPictures: true },
  { intro: 'button', hints: 'escape', pause: 0, end: 'key', menu: false, answers: 'escape', slowPictures: true },
  { intro: 'button', hints: 'yes', pause: 300, end: 'button', menu: false, answers: 'no', slowPictures: false },
  { intro: 'escape', hints: 'no', pause: 300, end: 'key', menu: true, answers: 'yes', slowPictures: false },
  { intro: 'button', hints: 'no', pause: 0, end: 'right click', menu: true, answers: 'escape', slowPictures: false },
];
for (const order of orders) await firstYear(order);

await browser.close();
await site.close();
if (failures) {
  console.log(`${failures} of ${orders.length} first years failed`);
  process.exit(1);
}
