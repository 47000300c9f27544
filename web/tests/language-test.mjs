// The page in another language, as a player meets it in the first year: the
// introduction, the welcome, a lesson if one comes, an order, End Year and
// the news. Every text it shows must come through the catalogue: none may be
// the English source of an entry the language translates. With a pseudo
// catalogue (every entry marked and made longer, tools/catalogue/plain_catalogue.py
// pseudo) no visible text may lack the marks. Screenshots of the game after a
// year and of the editor in each language go to the folder given.
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

async function answerUntilQuiet(page, seen) {
  let quiet = 0;
  const deadline = Date.now() + 60000;
  while (quiet < 4) {
    assert.ok(Date.now() < deadline, 'the page still busy a minute later');
    const open = await page.evaluate(() => [...document.querySelectorAll('dialog[open]')].map((d) => d.id));
    const busy = await page.evaluate(() => window.aurovane.page.busy);
    if (open.length) {
      seen.push(...await shownTexts(page));
      const top = open[open.length - 1];
      if (top === 'picture') await page.click('#picture-close');
      else if (top === 'menu') await page.keyboard.press('Escape');
      else await page.click('#advisor-yes');
    }
    quiet = open.length || busy ? 0 : quiet + 1;
    await page.waitForTimeout(open.length ? 5 : 50);
  }
}

// A first year in the language: what it showed, and its problems.
async function playFirstYear(lang, check, shot, pseudoCatalogue) {
  const context = await browser.newContext({ viewport: { width: 1366, height: 768 } });
  const page = await context.newPage();
  if (pseudoCatalogue) {
    // A language the site does not have, served to this page alone.
    await page.route(/\/catalogue\/languages\.json$/, async (route) => {
      const listed = JSON.parse(await (await route.fetch()).text());
      await route.fulfill({ json: [...listed, { code: lang, name: 'Pseudo', done: 100, help: [] }] });
    });
    await page.route(new RegExp(`/catalogue/${lang}\\.txt$`), (route) => route.fulfill({ body: pseudoCatalogue }));
  }
  const problems = [];
  page.on('pageerror', (e) => problems.push(`page error: ${e.message}`));
  page.on('console', (m) => { if (m.type() === 'error' || /speaking English/.test(m.text())) problems.push(`console: ${m.text()}`); });
  await page.goto(`${site.url}?seed=1&lang=${lang}`);
  await page.waitForFunction(() => window.aurovane?.ready, null, { timeout: 30000 });
  const seen = [];
  await answerUntilQuiet(page, seen);
  assert.equal(await page.evaluate(() => document.documentElement.lang), lang.slice(0, 2));
  // An order: the legions of Italia into Pannonia, by the keyboard's choice of provinces.
  await page.evaluate(() => window.aurovane.page.choose('Italia'));
  await page.evaluate(() => window.aurovane.page.choose('Pannonia'));
  await answerUntilQuiet(page, seen);
  seen.push(...await shownTexts(page));
  await page.click('#end-year');
  await answerUntilQuiet(page, seen);
  seen.push(...await shownTexts(page));
  await page.click('#menu-button');
  seen.push(...await shownTexts(page));
  await page.keyboard.press('Escape');
  if (shot) await page.screenshot({ path: shot, type: 'jpeg', quality: 80 });
  const wrong = [...new Set(seen)].filter((text) => !check(text));
  await context.close();
  return [...problems, ...wrong.map((t) => `not from the catalogue: ${JSON.stringify(t)}`)];
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
  try {
    const problems = await body();
    assert.deepEqual(problems, []);
    console.log(`ok: ${name}`);
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
  playFirstYear('de', (text) => !english.has(text) && !untold('de').has(text), shots && path.join(shots, 'page-de-1366x768.jpg')));

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
await run('every text of the pseudo language but the lessons is marked', () =>
  playFirstYear('qp', (text) => lessonWords.has(text) || !/\p{L}/u.test(unmarked(text).replace(ownNames, '')), null,
                fs.readFileSync(pseudoFile)));

if (shots) {
  for (const lang of ['fr', 'it', 'es']) await playFirstYear(lang, () => true, path.join(shots, `page-${lang}-1366x768.jpg`));
  for (const lang of ['de', 'fr', 'it', 'es']) await editorShot(lang, path.join(shots, `editor-${lang}-1366x768.jpg`));
}

await browser.close();
await site.close?.();
console.log(failures ? `${failures} failed` : 'all passed');
process.exit(failures ? 1 : 0);
