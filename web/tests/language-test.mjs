// The page in another language, as a player meets it in the first year: the
// introduction, the welcome, a lesson if one comes, an order, End Year and
// the news. Every text it shows must come through the catalogue: none may be
// the English source of an entry the language translates. With a pseudo
// catalogue (every entry marked and made longer, tools/catalogue/plain_catalogue.py
// pseudo) no visible text may lack the marks, and none may leave its box, at a
// desk's screen and a phone's either way up, through a file refused and the
// last scenario's years, and in the editor. Screenshots of the game after a year and of
// the editor in each language go to the folder given.
//   node language-test.mjs SITE_FOLDER [SCREENSHOT_FOLDER]
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { execFileSync } from 'node:child_process';
import os from 'node:os';
import { fileURLToPath } from 'node:url';
import { chromium } from 'playwright-core';
import { serveSite } from './site-server.mjs';

const siteFolder = process.argv[2] || 'build-web/site';
const shots = process.argv[3];
const site = await serveSite(siteFolder);
const browser = await chromium.launch({ executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
                                        args: ['--no-sandbox', '--autoplay-policy=no-user-gesture-required'] });
let failures = 0;

// The sources of the entries a plain catalogue translates into something else.
function translatedSources(file) {
  const sources = new Set();
  for (const line of fs.readFileSync(file, 'utf8').split('\n')) {
    const [kind, , source, ...forms] = line.split('\t');
    const unescape = (s) => s.replace(/\\(.)/g, (_, c) => ({ n: '\n', r: '\r', t: '\t' })[c] ?? c);
    if ((kind === 'm' || kind === 'n') && forms.some((f) => unescape(f) !== unescape(source))) sources.add(unescape(source).trim());
  }
  return sources;
}

// Every text a player sees: the page's visible elements' own words, what
// screen readers are told, and the lines drawn on the map.
const shownTexts = (page) => page.evaluate(() => {
  const texts = [];
  const visible = (e) => e.checkVisibility ? e.checkVisibility() : e.offsetParent !== null;
  for (const e of document.querySelectorAll('body *')) {
    if (['SCRIPT', 'STYLE', 'CANVAS'].includes(e.tagName) || !visible(e)) continue;
    for (const n of e.childNodes) if (n.nodeType === 3 && n.textContent.trim()) texts.push(n.textContent.trim());
    for (const a of ['aria-label', 'alt', 'title']) if (e.getAttribute(a)) texts.push(e.getAttribute(a).trim());
  }
  const p = window.aurovane.page;
  const t = p.tables;
  // A translation's wrapped sentences are checked whole.
  const drawn = [...t.legend.texts, ...(p.screen.state?.reports || [])];
  if (!t.legend.note) drawn.push(...(p.screen.legendLines || []));
  if (!t.instructionsBlock) drawn.push(...p.screen.instructions);
  for (const l of drawn) texts.push(l.text.trim());
  for (const b of [t.legend.note, t.instructionsBlock]) if (b) texts.push(b.text);
  const plaque = p.news?.shown;
  if (plaque) texts.push(plaque.title, plaque.footer, ...plaque.lines.map((l) => l.text));
  for (const o of document.querySelectorAll('#language-choice option')) texts.push(o.textContent.trim());
  texts.push(...t.lessons.map((l) => l.menuText));
  return texts.filter((x) => /\p{L}/u.test(x));
});

// The words that leave their boxes: an element of the page whose text runs
// past it where it does not scroll (cut off, under an ellipsis or over its
// neighbours), and a line drawn on the canvas wider than the room it has.
const overflowing = (page, program = 'aurovane') => page.evaluate((program) => {
  const found = [];
  const scrolls = (v) => v === 'auto' || v === 'scroll';
  // What only a screen reader reads sits in a box of a pixel.
  const unseen = (e) => { for (let a = e; a; a = a.parentElement) if (a.clientWidth <= 1 && a.clientHeight <= 1 && getComputedStyle(a).display !== 'inline') return true; return false; };
  for (const e of document.querySelectorAll('body *')) {
    if (['SCRIPT', 'STYLE', 'CANVAS', 'SELECT', 'OPTION'].includes(e.tagName) || !e.checkVisibility() || unseen(e)) continue;
    const style = getComputedStyle(e);
    if (style.display === 'inline' || !e.textContent.trim() || e.clientWidth === 0) continue;
    // Words may scroll down into view, never sideways.
    const wide = e.scrollWidth > e.clientWidth + 1;
    const tall = e.scrollHeight > e.clientHeight + 1 && !scrolls(style.overflowY);
    if (wide || tall) found.push(`${e.tagName.toLowerCase()}${e.id ? `#${e.id}` : ''} ${e.scrollWidth}x${e.scrollHeight}`
                                 + ` in ${e.clientWidth}x${e.clientHeight}: ${e.textContent.trim().slice(0, 50)}`);
  }
  // The editor's canvas is the map alone.
  const s = program === 'aurovane' ? window.aurovane.page.screen : null;
  if (s && !s.mapOnly) {
    for (const f of s.fitted || []) if (f.width > f.room + 0.5) found.push(`drawn ${Math.round(f.width)} wide in ${Math.round(f.room)}: ${f.text}`);
    const t = s.tables;
    for (const block of [t.legend.note, t.instructionsBlock]) {
      const lines = block ? s.blockLines(block, block === t.instructionsBlock) : [];
      const [, y, w, h] = block?.box || [];
      const last = lines[lines.length - 1];
      if (last && last.y + s.pitch(last.size) > y + h + 4) found.push(`${lines.length} lines in ${h} pixels: ${block.text}`);
      for (const l of lines) {
        s.measure.font = `${l.size}px "EB Garamond", Georgia, serif`;
        if (s.measure.measureText(l.text).width > w) found.push(`drawn wider than ${w}: ${l.text}`);
      }
      s.measure.font = '16px "EB Garamond", Georgia, serif';
    }
  }
  return found;
}, program);

// The texts and the overflows of what is shown now.
async function look(page, seen, overflows) {
  seen.push(...await shownTexts(page));
  overflows.push(...await overflowing(page));
}

async function answerUntilQuiet(page, seen, overflows) {
  let quiet = 0;
  const deadline = Date.now() + 60000;
  while (quiet < 4) {
    assert.ok(Date.now() < deadline, 'the page still busy a minute later');
    const open = await page.evaluate(() => [...document.querySelectorAll('dialog[open]')].map((d) => d.id));
    const busy = await page.evaluate(() => window.aurovane.page.busy);
    if (open.length) {
      await look(page, seen, overflows);
      // The Prefect speaks over a picture (a lesson that cannot sound), never under one.
      if (open.includes('advisor')) await page.click('#advisor-yes');
      else if (open.includes('picture')) await page.click('#picture-close');
      else await page.keyboard.press('Escape');
    }
    quiet = open.length || busy ? 0 : quiet + 1;
    await page.waitForTimeout(open.length ? 5 : 50);
  }
}

// A language the site does not have, served to this page alone.
async function serveLanguage(page, lang, catalogue) {
  await page.route(/\/catalogue\/languages\.json$/, async (route) => {
    const listed = JSON.parse(await (await route.fetch()).text());
    await route.fulfill({ json: [...listed, { code: lang, name: 'Pseudo', done: 100, help: [] }] });
  });
  await page.route(new RegExp(`/catalogue/${lang}\\.txt$`), (route) => route.fulfill({ body: catalogue }));
}

// The page's editor in the language: a province chosen, the File menu, the
// link to share and the Prefect refusing a year; the words that leave their boxes.
async function editorOverflows(lang, catalogue, screen) {
  const context = await browser.newContext(screen);
  const page = await context.newPage();
  await serveLanguage(page, lang, catalogue);
  await page.goto(`${site.url}editor.html?lang=${lang}`);
  await page.waitForFunction(() => window.aurovaneEditor?.ready, null, { timeout: 30000 });
  const overflows = [];
  await page.selectOption('#province-list', 'Italia');
  overflows.push(...await overflowing(page, 'aurovaneEditor'));
  await page.click('#file-button');
  overflows.push(...await overflowing(page, 'aurovaneEditor'));
  await page.click('#file-menu [data-command="share"]');
  await page.waitForSelector('#share[open]');
  overflows.push(...await overflowing(page, 'aurovaneEditor'));
  await page.click('#share-close');
  await page.fill('#year', '100');
  await page.click('#store-options');
  await page.waitForTimeout(200);
  overflows.push(...await overflowing(page, 'aurovaneEditor'));
  await context.close();
  return [...new Set(overflows)].map((o) => `overflows: ${o}`);
}

const screens = {
  desk: { viewport: { width: 1366, height: 768 } },
  landscape: { viewport: { width: 844, height: 390 }, hasTouch: true, isMobile: true, deviceScaleFactor: 2 },
  portrait: { viewport: { width: 390, height: 844 }, hasTouch: true, isMobile: true, deviceScaleFactor: 2 },
};

// A game in the language: the first year (an order, End Year, the menu, a
// lesson from it, the About); with `late` then a file that does not load and
// the last scenario played year after year while End Year takes it on and
// the end of a reign, the years' marches and sounds not waited for. What it showed, and its problems.
async function playGame(lang, check, { shot, pseudoCatalogue, screen = screens.desk, late = false } = {}) {
  const context = await browser.newContext(screen);
  const page = await context.newPage();
  if (pseudoCatalogue) await serveLanguage(page, lang, pseudoCatalogue);
  const problems = [];
  page.on('pageerror', (e) => problems.push(`page error: ${e.message}`));
  page.on('console', (m) => { if (m.type() === 'error' || /speaking English/.test(m.text())) problems.push(`console: ${m.text()}`); });
  await page.goto(`${site.url}?seed=1&lang=${lang}`);
  await page.waitForFunction(() => window.aurovane?.ready, null, { timeout: 30000 });
  // What the game shows, not how it moves and sounds.
  await page.evaluate(() => {
    const p = window.aurovane.page;
    p.steps.play = async () => p.screen.present(p.screen.update());
    p.audio.enabled = false;
  });
  const seen = [];
  const overflows = [];
  await answerUntilQuiet(page, seen, overflows);
  assert.equal(await page.evaluate(() => document.documentElement.lang), lang.slice(0, 2));
  // An order: the legions of Italia into Pannonia, by the keyboard's choice of provinces.
  await page.evaluate(() => window.aurovane.page.choose('Italia'));
  await page.evaluate(() => window.aurovane.page.choose('Pannonia'));
  await answerUntilQuiet(page, seen, overflows);
  await look(page, seen, overflows);
  await page.click('#end-year');
  await answerUntilQuiet(page, seen, overflows);
  await look(page, seen, overflows);
  if (shot) await page.screenshot({ path: shot, type: 'jpeg', quality: 80 });
  await page.click('#menu-button');
  await look(page, seen, overflows);
  await page.click('#lesson-list button');
  await answerUntilQuiet(page, seen, overflows);
  await page.click('#menu-button');
  await page.click('[data-command="about"]');
  await answerUntilQuiet(page, seen, overflows);
  if (late) {
    await page.evaluate(() => { window.aurovane.page.loadBytes(new Uint8Array([1, 2, 3])); });
    await answerUntilQuiet(page, seen, overflows);
    await page.click('#menu-button');
    await page.click('[data-command="scenario"][data-year="455"]');
    await answerUntilQuiet(page, seen, overflows);
    for (let years = 0; years < 40 && !(await page.isDisabled('#end-year')); ++years) {
      const year = await page.textContent('#year-label');
      await page.click('#end-year');
      await answerUntilQuiet(page, seen, overflows);
      await look(page, seen, overflows);
      if (await page.textContent('#year-label') === year) break;
    }
    // A reign's end, which no order-less game reaches: a kept game of 475 AD,
    // its last year ended, the results and the last question.
    const kept = fs.readFileSync(path.join(root, 'tests/files/base/new-game.avn'), 'latin1').replace(/^0(\s+# turn)/, '240$1');
    await page.evaluate((text) => window.aurovane.page.loadBytes(new TextEncoder().encode(text)), kept);
    await answerUntilQuiet(page, seen, overflows);
    await page.evaluate(() => {
      const p = window.aurovane.page;
      const results = p.results.bind(p);
      p.results = (dialog) => { p.resultsShown = true; return results(dialog); };
    });
    await page.click('#end-year');
    await answerUntilQuiet(page, seen, overflows);
    if (!await page.evaluate(() => window.aurovane.page.resultsShown)) problems.push('the reign\'s end showed no results');
  }
  const wrong = [...new Set(seen)].filter((text) => !check(text));
  await context.close();
  return [...problems, ...wrong.map((t) => `not from the catalogue: ${JSON.stringify(t)}`),
          ...[...new Set(overflows)].map((o) => `overflows: ${o}`)];
}

async function editorShot(lang, shot) {
  const context = await browser.newContext({ viewport: { width: 1366, height: 768 } });
  const page = await context.newPage();
  await page.goto(`${site.url}editor.html?lang=${lang}`);
  await page.waitForFunction(() => window.aurovaneEditor?.ready, null, { timeout: 30000 });
  await page.selectOption('#province-list', 'Italia');
  await page.screenshot({ path: shot, type: 'jpeg', quality: 80 });
  await context.close();
}

async function run(name, body) {
  const started = Date.now();
  try {
    const problems = await body();
    assert.ok(!problems.length, problems.join('\n'));
    console.log(`ok: ${name} (${Math.round((Date.now() - started) / 1000)} s)`);
  } catch (e) {
    failures++;
    console.log(`FAILED: ${name}\n${e.message}`);
  }
}

// The lessons' English words, which a language that tells them otherwise must not show.
const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '..', '..');
const lessons = JSON.parse(fs.readFileSync(path.join(root, 'game', 'resources', 'lessons.json'), 'utf8')).lessons;
const lessonWords = new Set(lessons.flatMap((l) => ['title', 'dates', 'text'].map((k) => l[k])));
const untold = (code) => new Set(lessons.flatMap((l) => ['title', 'dates', 'text']
  .filter((k) => l.languages?.[code]?.[k] !== l[k]).map((k) => l[k])));

// German: no English source of a translated entry on the screen, and the
// lessons told in German; names and numbers are allowed.
const english = translatedSources(path.join(siteFolder, 'catalogue', 'de.txt'));
await run('the first year in German shows no English source of the catalogue and the lessons in German', () =>
  playGame('de', (text) => !english.has(text) && !untold('de').has(text), { shot: shots && path.join(shots, 'page-de-1366x768.jpg') }));

// The pseudo language: every visible word marked, so none bypassed the
// catalogue. Made by the same tool as the page's catalogues, from the German one.
const pseudoFile = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'aurovane-pseudo-')), 'qp.txt');
execFileSync('python3', [path.join(root, 'tools', 'catalogue', 'plain_catalogue.py'), 'pseudo',
                         path.join(root, 'translations', 'aurovane_de.ts'), pseudoFile]);
const unmarked = (text) => {
  let t = text;
  for (let before = -1; before !== t.length;) {
    before = t.length;
    t = t.replace(/\u27e6[^\u27e6\u27e7]*\u27e7/g, '');
  }
  return t;
};
// The game's and the languages' own names are no words to translate.
const ownNames = /\b(Aurovane|English|Deutsch|Français|Italiano|Español|Pseudo)\b/g;
// The lessons are told in the languages they are written in, not through the catalogue.
const marked = (text) => lessonWords.has(text) || !/\p{L}/u.test(unmarked(text).replace(ownNames, ''));
const pseudo = fs.readFileSync(pseudoFile);
for (const [name, screen] of Object.entries(screens))
  await run(`every text of the pseudo language but the lessons is marked and none leaves its box on the ${name} screen`, () =>
    playGame('qp', marked, { pseudoCatalogue: pseudo, screen, late: true,
                             shot: shots && name !== 'landscape' && path.join(shots, `page-pseudo-${screen.viewport.width}x${screen.viewport.height}.jpg`) }));

for (const [name, screen] of Object.entries(screens))
  await run(`the page's editor in the pseudo language on the ${name} screen leaves no word outside its box`,
            () => editorOverflows('qp', pseudo, screen));

if (shots) {
  for (const lang of ['fr', 'it', 'es']) await playGame(lang, () => true, { shot: path.join(shots, `page-${lang}-1366x768.jpg`) });
  for (const lang of ['de', 'fr', 'it', 'es']) await editorShot(lang, path.join(shots, `editor-${lang}-1366x768.jpg`));
}

await browser.close();
await site.close?.();
console.log(failures ? `${failures} failed` : 'all passed');
process.exit(failures ? 1 : 0);
