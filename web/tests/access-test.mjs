// The page as a screen reader and the keyboard find it: five years played
// through the accessibility tree alone (roles, names and the live region; no
// coordinates, no look inside the game), the keys that must not be taken by
// the map, and an automated audit (axe-core) of the map screen and a dialog
// at a desk's and a phone's size and at twice the zoom.
//   node access-test.mjs SITE_FOLDER
import assert from 'node:assert/strict';
import fs from 'node:fs';
import { createRequire } from 'node:module';
import { chromium } from 'playwright-core';
import { checks } from './checks.mjs';
import { serveSite } from './site-server.mjs';

const axeSource = fs.readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
const site = await serveSite(process.argv[2] || 'build-web/site');
const browser = await chromium.launch({ executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
                                        args: ['--no-sandbox', '--autoplay-policy=no-user-gesture-required'] });
const run = checks();
const { check } = run;

async function open(size, seed = 3) {
  const context = await browser.newContext({ viewport: size });
  const page = await context.newPage();
  page.on('pageerror', (e) => run.fail(`page error: ${e.message}`));
  await page.goto(`${site.url}?seed=${seed}`);
  await page.getByRole('dialog').getByRole('button', { name: 'OK' }).waitFor({ timeout: 30000 });
  return page;
}

const dialog = (page) => page.getByRole('dialog');
const status = (page) => page.getByRole('status');
// Waits for the live region to say what `words` match.
const hears = (page, words) => status(page).filter({ hasText: words }).waitFor({ timeout: 5000 });
const year = async (page) => Number((await page.getByRole('banner').innerText()).match(/(\d+) AD/)[1]);

// Answers every dialog as a listener would (OK, or the first answer offered)
// until the game waits for the player again.
async function settle(page) {
  for (let quiet = 0; quiet < 2;) {
    const busy = await page.getByRole('main').getAttribute('aria-busy');
    if (await dialog(page).count()) {
      quiet = 0;
      const buttons = dialog(page).getByRole('button');
      const ok = dialog(page).getByRole('button', { name: 'OK', exact: true });
      await ((await ok.count()) ? ok : buttons.first()).click();
    } else {
      quiet = busy ? 0 : quiet + 1;
    }
    await page.waitForTimeout(40);
  }
}

// The province buttons, each with its words: "Name. Held by ... Marches to: ...".
async function provinces(page) {
  const items = page.getByRole('list', { name: 'Provinces' }).getByRole('listitem');
  return (await items.allInnerTexts()).map((text) => ({
    name: text.split('.')[0],
    text,
    ready: Number(text.match(/(\d+) ready/)?.[1] ?? 0),
    neighbours: text.match(/Marches to: ([^.]*)\./)?.[1].split(', ') ?? [],
  }));
}

// As a keyboard or a screen reader presses a province's button: the list
// stays out of sight until the focus comes into it.
async function pressProvince(page, name) {
  const button = page.getByRole('button', { name: new RegExp(`^${name}\\.`) });
  await button.focus();
  await page.keyboard.press('Enter');
}

// The nodes of the accessibility tree a screen reader walks.
async function treeSize(page) {
  const cdp = await page.context().newCDPSession(page);
  const { nodes } = await cdp.send('Accessibility.getFullAXTree');
  return nodes.filter((n) => !n.ignored).length;
}

async function audit(page, what) {
  await page.addScriptTag({ content: axeSource });
  const found = await page.evaluate(async () => (await window.axe.run(document, { resultTypes: ['violations'] })).violations
    .filter((v) => v.impact === 'serious' || v.impact === 'critical')
    .map((v) => `${v.id} (${v.impact}): ${v.nodes.slice(0, 3).map((n) => n.target.join(' ')).join('; ')}`));
  assert.deepEqual(found, [], `${what}: ${found.join('\n')}`);
}

const desk = await open({ width: 1366, height: 768 });

await check('a lesson and the introduction open with the focus on OK, their words beside the picture', async () => {
  const ok = dialog(desk).getByRole('button', { name: 'OK' });
  assert.ok(await ok.evaluate((b) => b === document.activeElement));
  assert.match(await dialog(desk).getAttribute('aria-describedby'), /picture-words/);
  assert.ok((await desk.locator('#picture-words').innerText()).length > 100);
  await desk.keyboard.press('Enter');
  await dialog(desk).getByRole('button', { name: 'No' }).click();
  await settle(desk);
});

let mapNodes = 0;
await check('the map screen: provinces, reports, legend and information line in words; no serious audit finding', async () => {
  mapNodes = await treeSize(desk);
  const list = await provinces(desk);
  assert.equal(list.length, 30);
  assert.ok(list.some((p) => /Held by Rome/.test(p.text) && p.ready > 0), list[0].text);
  assert.ok(list.some((p) => /held by no one|Held by the (barbarians|Sassanids)/.test(p.text)));
  await audit(desk, 'the map screen at 1366x768');
});

await check('five years played through the accessibility tree alone', async () => {
  const first = await year(desk);
  const heard = [];
  for (let y = 0; y < 5; ++y) {
    const list = await provinces(desk);
    const source = list.find((p) => p.ready > 0);
    if (source) {
      // Onto a neighbour Rome holds: a plain move, whatever the year has brought.
      const roman = new Set(list.filter((p) => /Held by Rome/.test(p.text)).map((p) => p.name));
      const target = source.neighbours.find((n) => roman.has(n)) ?? source.neighbours[0];
      await pressProvince(desk, source.name);
      await hears(desk, new RegExp(`legions of ${source.name} taken up`));
      assert.equal(await desk.getByRole('button', { pressed: true }).count(), 1);
      await pressProvince(desk, target);
      await settle(desk);
      heard.push(await status(desk).innerText());
      assert.match(heard.at(-1), new RegExp(`${target}|${source.name}`), 'the order\'s outcome is said');
    }
    await desk.getByRole('button', { name: 'End Year' }).click();
    await settle(desk);
    assert.equal(await year(desk), first + y + 1);
    await hears(desk, `${first + y + 1} AD.`);
    heard.push(await status(desk).innerText());
    // The year's plaque said in full, in its order, once, its reports not again after the new year.
    const plaque = await desk.getByRole('region', { name: "The year's news" }).locator('h2, p:not(.footer)').allInnerTexts();
    const around = heard.at(-1).split(`${plaque.join('. ')}. ${first + y + 1} AD.`);
    assert.deepEqual([around.length, around.at(-1)], [2, ''], heard.at(-1));
  }
  assert.ok(heard.some((h) => /moved|occupied|Victory|battle|marches/.test(h)), heard.join('\n'));
});

await check('Enter and the space bar press a focused button; the highlight is named as it moves', async () => {
  const before = await year(desk);
  const menuButton = desk.getByRole('button', { name: 'Menu' });
  await menuButton.focus();
  await desk.keyboard.press(' ');
  await dialog(desk).waitFor();
  assert.equal(await dialog(desk).getAttribute('aria-label'), 'Menu');
  await desk.keyboard.press('Escape');
  await menuButton.focus();
  await desk.keyboard.press('Enter');
  await dialog(desk).waitFor();
  await desk.keyboard.press('Escape');
  assert.equal(await year(desk), before, 'no year ended from a focused button');
  assert.ok(await menuButton.evaluate((b) => b === document.activeElement), 'the focus came back to Menu');
  await menuButton.blur();
  // The last year's news stands over the map: the first key closes it, as in the window.
  if (await desk.evaluate(() => window.aurovane.page.news.shown)) await desk.keyboard.press('Escape');
  assert.equal(await desk.evaluate(() => window.aurovane.page.news.shown), null, 'the news closed by a key');
  await desk.keyboard.press('ArrowRight');
  await hears(desk, /[Hh]eld by/);
});

await check('an open dialog passes the audit', async () => {
  await desk.getByRole('button', { name: 'Menu' }).click();
  await dialog(desk).getByRole('button', { name: 'About' }).click();
  await dialog(desk).getByRole('button', { name: 'OK' }).waitFor();
  assert.match(await desk.locator('#picture-words').innerText(), /EB Garamond/);
  await audit(desk, 'the credits at 1366x768');
  await settle(desk);
});

await check('the phone and twice the zoom: the map screen and a dialog pass the audit', async () => {
  await desk.setViewportSize({ width: 390, height: 844 });
  await desk.waitForTimeout(100);
  await audit(desk, 'the map screen at 390x844');
  await desk.getByRole('button', { name: 'Menu' }).click();
  await audit(desk, 'the menu at 390x844');
  await desk.keyboard.press('Escape');
  // A desk at 200% zoom: half its CSS pixels.
  await desk.setViewportSize({ width: 683, height: 384 });
  await pressProvince(desk, 'Italia');
  await audit(desk, 'the province list at 200% zoom');
});

console.log(`the map screen's accessibility tree: ${mapNodes} nodes`);
await browser.close();
await site.close();
if (run.failures) {
  console.log(`${run.failures} check(s) failed`);
  process.exit(1);
}
