// The page: loads the engine and the pictures, then plays the game with the
// pointer, the keyboard, the menu and the dialogs.
import createAurovane from './aurovane.js';
import { bindEngine } from './engine-api.js';
import { Access } from './access.js';
import { Audio } from './audio.js';
import { ask, showPicture, tell } from './dialogs.js';
import { highlightPart } from './keyboard.js';
import { download, keepYear, keptNewestFirst, readSavedGame } from './keep.js';
import { handOverPaintedLand } from './painted-land.js';
import { wireMapPointer } from './map-pointer.js';
import { loadPictures, whenPictureArrives } from './pictures.js';
import { onPress } from './press.js';
import { ProvinceFlash } from './province-flash.js';
import { Screen, Steps } from './screen.js';
import { YearNews } from './year-news.js';
import { carriesScenario, forgetLink, scenarioFromLink, scenarioLink } from './share-link.js';
import { lessonsInLanguage, pageWord, spokenLanguages, startSpeaking } from './language.js';

const byId = (id) => document.getElementById(id);
const latin1Bytes = (text) => Uint8Array.from(text, (c) => c.charCodeAt(0) & 0xff);

class Page {
  constructor(api, tables) {
    this.api = api;
    this.tables = tables;
    this.audio = new Audio(tables.sounds);
    this.screen = new Screen(byId('screen'), tables);
    this.steps = new Steps(this.screen, (kind) => this.audio.gameSound(kind));
    this.access = new Access(tables, (name) => this.choose(name));
    // The plaque comes in the engine's turn: drawn in a task of its own.
    this.news = new YearNews(tables, () => this.screen.drawSoon());
    this.screen.news = () => this.news.part();
    // Blinked where the player sees the map: past the year's news, a dialog and the turn's steps.
    const mapSeen = () => !this.news.shown && !this.screen.playing && !document.querySelector('dialog[open]');
    this.flash = new ProvinceFlash(tables, mapSeen, () => this.screen.draw());
    this.screen.flashed = () => this.flash.parts();
    // A touch screen has no right button and no hover: its own words, on the screen and in the panel.
    const coarse = matchMedia('(pointer: coarse)').matches;
    const block = coarse ? tables.touchInstructionsBlock : tables.instructionsBlock;
    const lines = block ? this.screen.blockLines(block, true) : coarse ? tables.touchInstructions : tables.instructions;
    this.screen.instructions = lines;
    byId('instructions').textContent = lines.map((l) => l.text.trim()).join(' ');
    // What the engine's carry answered last (PageCarry.h): the legions picked
    // up, the keyboard's highlight, the information line's province or notice.
    this.carry = null;
    this.busy = false;
    this.menuWanted = false;  // asked for during a turn: opened once the year is over
    this.lastKeptYear = null;
  }

  // --- what the engine asks of the page (Module.page)

  bridge() {
    return {
      setState: (state) => {
        this.screen.setState(state);
        byId('year-label').textContent = pageWord('%1 AD').replace('%1', state.year);
        this.showInWords(state);
      },
      tell: (text) => tell(text),
      ask: (text, yes, no) => ask(text, yes, no),
      play: (steps) => this.steps.play(steps),
      sound: (kind) => this.audio.gameSound(kind),
      yearNews: (plaque) => {
        this.access.yearNews(plaque);
        this.flash.start(plaque.flashes);
        this.news.arrived(plaque);
      },
      lesson: (year) => this.showLesson(this.tables.lessons.find((l) => l.year === year)),
      results: (dialog) => this.results(dialog),
      keep: (year, savedGame) => keepYear(year, savedGame),
      quit: () => this.openMenu(),
      // Years that would run by themselves stop for the menu the player asked for.
      runAnotherYear: () => !this.menuWanted,
    };
  }

  // One order at a time: while the engine plays one out, the others are refused
  // (as the window drops clicks made during a turn).
  async call(order) {
    if (this.busy) return null;
    this.busy = true;
    document.body.classList.add('busy');
    byId('stage').setAttribute('aria-busy', 'true');
    try {
      return await order();
    } finally {
      this.busy = false;
      document.body.classList.remove('busy');
      byId('stage').removeAttribute('aria-busy');
      // A new game, a load or a year's end put the carry down.
      this.showCarry(JSON.parse(this.api.carry()));
      this.showUndo();
      if (this.menuWanted) {
        this.menuWanted = false;
        this.openMenu();
      }
    }
  }

  // --- orders

  async endTurn() {
    await this.call(() => this.api.endTurn());
  }

  // What the carry answered: shown at once; an order it asked for is given,
  // and what became of it shown in turn.
  async carried(answer) {
    const view = JSON.parse(answer);
    this.showCarry(view);
    if (!view.order) return;
    const after = await this.call(() => this.api.giveOrder());
    if (after) this.showCarry(JSON.parse(after));
  }

  // A province's button in the list: as Enter on the province.
  async choose(name) {
    this.audio.unlock();
    if (this.busy) return;
    await this.carried(this.api.choose(name));
  }

  // The words follow the screen once a frame: an order's states come faster.
  showInWords(state) {
    this.wordsState = state;
    if (this.wordsQueued) return;
    this.wordsQueued = true;
    requestAnimationFrame(() => {
      this.wordsQueued = false;
      this.access.update(this.wordsState);
    });
  }

  showCarry(view) {
    this.carry = view;
    this.access.showCarry(view);
    this.screen.hovered = view.shown || null;
    this.screen.notice = view.notice;
    this.screen.dragLine = view.carrying ? [...view.from, ...view.pointer] : null;
    this.screen.draw();
  }

  // --- the pointer on the map (map-pointer.js), and the bar's End Year

  wirePointer() {
    wireMapPointer(this);
    // A bar button pressed with the pointer gives the keys back to the map: a
    // name typed and Enter then pick legions up rather than press it again.
    byId('bar').addEventListener('click', (e) => {
      if (e.detail > 0) e.target.closest('button')?.blur();
    });
    onPress(byId('end-year'), () => {
      this.audio.unlock();
      // The bar's command, as the window's menu commands, goes on over the year's news.
      if (!this.busy) this.news.dismiss();
      if (!this.busy) this.endTurn();
    });
  }

  wireKeyboard() {
    this.screen.overlay = () => highlightPart(this.screen, this.carry);
    window.addEventListener('keydown', async (e) => {
      this.audio.unlock();
      if (document.querySelector('dialog[open]') || this.busy) return;
      // A focused button takes Enter and the space bar itself; in the list of
      // the provinces every key is the list's but Escape, which puts legions down.
      const control = e.target.closest?.('button, a, input, select, textarea');
      if (control && (e.key === 'Enter' || e.key === ' ')) return;
      if (e.target.closest?.('#access') && e.key !== 'Escape') return;
      // A key while the year's news is shown closes it, as in the window.
      if (!e.repeat && this.news.dismiss()) {
        e.preventDefault();
        return;
      }
      // P, F and J held together: the Palestina uprising, as in the window.
      this.held = this.held || new Set();
      this.held.add(e.key.toLowerCase());
      if (['p', 'f', 'j'].every((k) => this.held.has(k))) {
        this.held.clear();
        await this.call(() => this.api.palestinaUprising());
        return;
      }
      if (e.key === 'F1') {
        e.preventDefault();
        await this.call(() => this.api.hints());
        return;
      }
      if ((e.ctrlKey || e.metaKey) && e.key.toLowerCase() === 'z') {
        e.preventDefault();
        this.undo();
        return;
      }
      if (e.ctrlKey || e.altKey || e.metaKey) return;
      const answer = this.api.key(e.key, e.repeat ? 1 : 0, performance.now());
      if (JSON.parse(answer).taken) e.preventDefault();
      else if (e.key === 'Escape') {
        // Nothing carried to put down: Escape opens the menu.
        e.preventDefault();
        this.openMenu();
        return;
      }
      await this.carried(answer);
    });
    window.addEventListener('keyup', (e) => this.held && this.held.delete(e.key.toLowerCase()));
  }

  // --- undo: the button names what it would take back, or why it cannot

  wireUndo() {
    const button = byId('undo');
    onPress(button, () => this.undo());
    this.showUndo();
  }

  showUndo() {
    const button = byId('undo');
    button.disabled = this.api.canUndo() === 0;
    button.title = this.api.undoCommand();
  }

  // A new game, a scenario, a load: nothing of the last game's years stays.
  forgetYearNews() {
    this.news.clear();
    this.flash.stop();
  }

  undo() {
    if (this.busy) return;
    const notice = JSON.parse(this.api.undo());
    this.flash.stop();
    this.showCarry(JSON.parse(this.api.carry()));
    this.screen.notice = notice;
    this.showUndo();
    this.screen.draw();
  }

  // --- files

  wireFiles() {
    const input = byId('file-input');
    input.addEventListener('change', async () => {
      const file = input.files[0];
      input.value = '';
      if (file) await this.loadFile(file);
    });
    window.addEventListener('dragover', (e) => e.preventDefault());
    window.addEventListener('drop', async (e) => {
      e.preventDefault();
      const file = e.dataTransfer.files[0];
      if (file && !this.busy && await this.mayDiscardGame()) await this.loadFile(file);
    });
  }

  // As the window: a game with play not yet kept is given up only when the player agrees.
  async mayDiscardGame() {
    return !this.api.hasUnsavedPlay() || await ask(this.tables.questions.newGame, '', '');
  }

  async loadFile(file) {
    const { bytes, error } = await readSavedGame(file, this.tables.savedGames);
    if (error) {
      await tell(error);
      return;
    }
    await this.loadBytes(bytes);
  }

  // The reader checks the whole file before it changes anything: a bad file
  // leaves the game as it was. Returns the reader's message, '' once loaded.
  tryLoad(bytes) {
    const error = this.api.load(bytes);
    if (!error) this.forgetYearNews();
    this.showCarry(JSON.parse(this.api.carry()));
    this.showUndo();
    return error;
  }

  async loadBytes(bytes) {
    const error = this.tryLoad(bytes);
    if (error) await ask(error, pageWord('OK'), null);
    // A scenario's own words, as the Prefect reads them in the window.
    else if (this.api.briefing()) await tell(this.api.briefing());
    return !error;
  }

  // A scenario handed over in the address (a shared link, the editor's Play):
  // read as a file is; true once it is the game.
  async openLink() {
    const shared = await scenarioFromLink(location.hash, this.tables.savedGames.largest);
    if (!shared) return false;
    forgetLink();
    if (!shared.tooLarge) return this.loadBytes(shared.bytes);
    await tell(this.tables.savedGames.tooLarge);
    return false;
  }

  // A damaged newest year (storage cut short, a hand edit) is no reason to
  // lose the years kept before it: each one skipped is named with the reason.
  async continueLastGame() {
    const kept = keptNewestFirst();
    const skipped = [];
    for (const game of kept) {
      const error = this.tryLoad(latin1Bytes(game.text));
      if (error) {
        skipped.push(`${pageWord('%1 AD').replace('%1', game.year)}: ${error}`);
        continue;
      }
      if (skipped.length) {
        const words = JSON.parse(this.api.continueWords(skipped.length, kept.length, this.screen.state.year));
        await tell(`${words.head}\n${skipped.join('\n')}\n\n${words.foot}`);
      }
      return;
    }
    if (!kept.length) return;
    const words = JSON.parse(this.api.continueWords(skipped.length, kept.length, 0));
    await tell(`${words.head}\n${skipped.join('\n')}`);
  }

  // --- menu

  openMenu() {
    const menu = byId('menu');
    for (const r of menu.querySelectorAll('input[name=skill]')) r.checked = Number(r.value) === this.screen.state.skill;
    menu.querySelector('[data-command=continue]').disabled = keptNewestFirst().length === 0;
    if (!menu.open) menu.showModal();
  }

  wireMenu() {
    const menu = byId('menu');
    onPress(byId('menu-button'), () => {
      this.audio.unlock();
      if (this.busy) this.menuWanted = true;
      else this.openMenu();
    });
    const list = byId('lesson-list');
    for (const lesson of this.tables.lessons) {
      const b = Object.assign(document.createElement('button'), { textContent: lesson.menuText });
      b.dataset.command = 'lesson';
      b.dataset.year = lesson.year;
      list.append(b);
    }
    for (const r of menu.querySelectorAll('input[name=skill]'))
      r.addEventListener('change', () => this.api.setSkill(Number(r.value)));
    byId('sound-option').addEventListener('change', (e) => { this.audio.enabled = e.target.checked; });
    menu.addEventListener('click', async (e) => {
      const b = e.target.closest('button[data-command]');
      if (!b || this.busy) return;
      this.audio.unlock();
      menu.close();
      await this.command(b.dataset.command, Number(b.dataset.year));
    });
  }

  async command(name, year) {
    switch (name) {
      case 'new':
        if (await ask(this.tables.questions.newGame, '', '')) {
          this.forgetYearNews();
          await this.call(() => this.api.newGame());
        }
        break;
      case 'continue':
        if (await this.mayDiscardGame()) await this.continueLastGame();
        break;
      case 'save':
        download(this.api.save(), this.screen.state.year);
        break;
      case 'load':
        if (await this.mayDiscardGame()) byId('file-input').click();
        break;
      case 'editor':
        window.open(await scenarioLink('editor.html', this.api.save()), '_blank');
        break;
      case 'scenario':
        if (await ask(this.tables.questions.scenario, '', '')) {
          this.forgetYearNews();
          await this.call(() => this.api.scenario(year));
        }
        break;
      case 'lesson':
        await this.lessonFromMenu(this.tables.lessons.find((l) => l.year === year));
        break;
      case 'hints':
        await this.call(() => this.api.hints());
        break;
      case 'about':
        await showPicture({ id: 267, title: pageWord('About Aurovane'), words: this.tables.credits, audio: this.audio });
        break;
      default:
        break;
    }
  }

  // --- pictures

  async introduction() {
    const intro = this.tables.introduction;
    await this.audio.playVoice(intro.music, true);
    await showPicture({ id: intro.picture, title: intro.title, words: [intro.dates, intro.text], audio: this.audio });
    this.audio.stopVoice();
  }

  async lessonFromMenu(lesson) {
    if (!lesson) return;
    await this.steps.play(lesson.zoom);
    await this.showLesson(lesson);
  }

  async showLesson(lesson) {
    if (!lesson) return;
    await showPicture({ id: lesson.picture, title: lesson.title, words: [lesson.dates, lesson.text],
                        narration: lesson.narration, audio: this.audio });
  }

  results(dialog) {
    return showPicture({ id: dialog.picture, title: dialog.title, audio: this.audio, words: dialog.words,
                         counts: dialog.counts.map((l) => [l.x, l.y, l.text]) });
  }
}

async function boot() {
  // The map and the scroll, fetched and decoded while the engine compiles.
  const firstPictures = loadPictures([111, 264]);
  const languages = spokenLanguages();
  const engine = await createAurovane();
  const api = bindEngine(engine);
  // ?seed=N replays a game exactly (tests, the benchmark); otherwise every game differs.
  const seed = Number(new URLSearchParams(location.search).get('seed')) || (Date.now() ^ (Math.random() * 0x7fffffff)) >>> 0;
  api.start(seed);
  const spoken = await startSpeaking(api, await languages);
  const tables = JSON.parse(api.tables());
  await lessonsInLanguage(tables, spoken, await languages);
  // The first frame's pictures; the rest follow as they are needed.
  await Promise.all([
    document.fonts.load('16px "EB Garamond"'),
    firstPictures,
    loadPictures(tables.legend.pictures.map((p) => p[2])),
  ]);
  const page = new Page(api, tables);
  let redrawQueued = false;
  whenPictureArrives(() => {
    if (redrawQueued) return;
    redrawQueued = true;
    requestAnimationFrame(() => {
      redrawQueued = false;
      page.screen.draw();
    });
  });
  engine.page = page.bridge();
  // The first tap or key anywhere, a dialog's button too, lets the page sound.
  for (const kind of ['pointerdown', 'keydown']) window.addEventListener(kind, () => page.audio.unlock(), { capture: true });
  page.wirePointer();
  page.wireKeyboard();
  page.wireFiles();
  page.wireMenu();
  page.wireUndo();
  api.show();
  window.addEventListener('resize', () => page.screen.fitToWindow());
  byId('loading').hidden = true;
  // For the browser tests and the benchmark: the position and the first frame.
  window.aurovane = { page, api, dump: () => api.dump(), ready: true };
  performance.mark('aurovane-first-map');
  // The rest of the screen's pictures, before the first year's end needs them.
  loadPictures([182, 185, 251, 268, 269, ...tables.stepPictures, ...tables.legionIcons, ...tables.tints.flatMap((x) => x.pictures),
                ...Object.values(tables.animations).flatMap((a) => a.frames)]);
  handOverPaintedLand(api, tables.tints);
  (window.requestIdleCallback || setTimeout)(() => page.audio.prepare());
  // Offline play: the service worker fetches its files once the game is ready, not before.
  if ('serviceWorker' in navigator && location.protocol !== 'file:') {
    navigator.serviceWorker.register('service-worker.js').catch((e) => console.warn('Aurovane: no offline play:', e.message));
    // Then the rest of the game in the background, lessons and all.
    navigator.serviceWorker.ready.then((registration) => {
      const channel = new MessageChannel();
      channel.port1.onmessage = () => { window.aurovane.keptOffline = true; };
      registration.active.postMessage({ cacheLater: true, sharp: window.devicePixelRatio > 1, language: spoken },
                                      [channel.port2]);
    });
  }
  // A link pasted over the game's own address replaces the game once the player agrees.
  window.addEventListener('hashchange', async () => {
    if (!page.busy && !document.querySelector('dialog[open]') && carriesScenario(location.hash)
        && (await ask(tables.questions.newGame, '', ''))) await page.openLink();
    forgetLink();
  });
  if (await page.openLink()) return;
  await page.introduction();
  await page.call(() => api.hints());
}

boot().catch((e) => {
  byId('loading').textContent = `Aurovane could not start: ${e.message}`;
  throw e;
});
