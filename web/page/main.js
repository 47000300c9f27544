// The page: loads the engine and the pictures, then plays the game with the
// pointer, the keyboard, the menu and the dialogs.
import createAurovane from './aurovane.js';
import { Audio } from './audio.js';
import { ask, showPicture, tell } from './dialogs.js';
import { Keyboard } from './keyboard.js';
import { download, keepYear, keptNewestFirst, readSavedGame } from './keep.js';
import { handOverPaintedLand } from './painted-land.js';
import { loadPictures, whenPictureArrives } from './pictures.js';
import { Animations, Screen } from './screen.js';

const byId = (id) => document.getElementById(id);
const latin1Bytes = (text) => Uint8Array.from(text, (c) => c.charCodeAt(0) & 0xff);

class Page {
  constructor(engine, tables) {
    this.engine = engine;
    this.tables = tables;
    this.audio = new Audio(tables.sounds);
    this.screen = new Screen(byId('screen'), tables);
    this.animations = new Animations(this.screen, (kind) => this.audio.gameSound(kind));
    this.keyboard = new Keyboard(this.screen, {
      pickUp: (name) => this.call('aurovane_pick_up_province', 'string', ['string'], [name]),
      order: (from, to) => this.order(from, to),
      cancel: () => this.engine.ccall('aurovane_cancel_drag', null, [], []),
      endTurn: () => this.endTurn(),
      hints: () => this.call('aurovane_hints', null, [], []),
      next: (name, dx, dy) => this.sync('aurovane_next_in_direction', 'string', ['string', 'number', 'number'], [name, dx, dy]),
      typeLetter: (letter, now, cursor) =>
        this.sync('aurovane_type_letter', 'string', ['number', 'number', 'string'], [letter.charCodeAt(0), now, cursor]),
      firstHighlight: () => this.sync('aurovane_first_highlight'),
      typing: (now) => this.sync('aurovane_typing', 'number', ['number'], [now]) !== 0,
      clearTyping: () => this.sync('aurovane_clear_typing', null),
      changed: () => {
        // The highlighted province's information line, as if the pointer were on it.
        if (this.keyboard.cursor) this.screen.hovered = this.keyboard.cursor;
        this.screen.draw();
      },
    });
    this.busy = false;
    this.menuWanted = false;  // asked for during a turn: opened once the year is over
    this.drag = null;
    this.lastKeptYear = null;
  }

  // --- what the engine asks of the page (Module.page)

  bridge() {
    return {
      setState: (state) => {
        this.screen.setState(state);
        byId('year-label').textContent = `${state.year} AD`;
      },
      tell: (text) => tell(text),
      ask: (text, yes, no) => ask(text, yes, no),
      move: (from, plan) => this.animations.move(from, plan),
      defeat: (loser, province) => this.animations.defeat(loser, province),
      sound: (kind) => this.audio.gameSound(kind),
      banner: () => this.animations.banner(),
      lesson: (year) => this.lesson(this.tables.lessons.find((l) => l.year === year), true),
      results: () => this.results(),
      quit: () => this.openMenu(),
      // Years that would run by themselves stop for the menu the player asked for.
      runAnotherYear: () => !this.menuWanted,
    };
  }

  // One order at a time: while the engine plays one out, the others are refused
  // (as the window drops clicks made during a turn).
  async call(name, returns, types, args) {
    if (this.busy) return null;
    this.busy = true;
    document.body.classList.add('busy');
    try {
      return await this.engine.ccall(name, returns, types, args, { async: true });
    } finally {
      this.busy = false;
      document.body.classList.remove('busy');
      this.screen.draw();
      if (this.menuWanted) {
        this.menuWanted = false;
        this.openMenu();
      }
    }
  }

  sync(name, returns = 'string', types = [], args = []) {
    return this.engine.ccall(name, returns, types, args);
  }

  // --- orders

  async endTurn() {
    const year = this.screen.state.year;
    await this.call('aurovane_end_turn', null, [], []);
    if (this.screen.state.year !== year) this.keepYear();
  }

  // A game that is over is none to continue: a lost empire, or the last year.
  keepYear() {
    const s = this.screen.state;
    if (s.romanProvinces === 0 || s.year >= 476) return;
    keepYear(s.year, this.sync('aurovane_save'));
  }

  async dropAt(x, y) {
    const year = this.screen.state.year;
    await this.call('aurovane_drop', 'number', ['number', 'number'], [x, y]);
    if (this.screen.state.year !== year) this.keepYear();
  }

  async order(from, to) {
    const year = this.screen.state.year;
    await this.call('aurovane_order', 'number', ['string', 'string'], [from, to]);
    if (this.screen.state.year !== year) this.keepYear();
  }

  // --- the pointer: a left button, a finger or a pen drags legions; a right click ends the year

  wirePointer() {
    const canvas = this.screen.canvas;
    canvas.addEventListener('contextmenu', (e) => e.preventDefault());
    canvas.addEventListener('pointerdown', async (e) => {
      this.audio.unlock();
      if (this.busy || this.drag) return;
      const at = this.screen.toLayout(e.clientX, e.clientY);
      if (!at || e.button !== 0) return;
      const m = this.screen.toMap(at);
      canvas.setPointerCapture(e.pointerId);
      // A quick flick may end before the pick-up is done: the release waits for it.
      this.drag = { id: e.pointerId, start: at, picked: null };
      this.drag.pickUp = this.call('aurovane_pick_up', 'string', ['number', 'number'], [m.x, m.y]);
      const picked = await this.drag.pickUp;
      if (this.drag && this.drag.id === e.pointerId) this.drag.picked = picked;
    });
    canvas.addEventListener('pointermove', (e) => {
      const at = this.screen.toLayout(e.clientX, e.clientY);
      if (!at) return;
      if (this.drag && this.drag.id === e.pointerId && this.drag.picked) {
        this.screen.dragLine = [this.drag.start.x, this.drag.start.y, at.x, at.y];
      }
      if (!this.busy) {
        // While legions are carried, the province they would land on.
        const m = this.screen.toMap(at);
        const lookup = this.screen.dragLine ? 'aurovane_drop_target' : 'aurovane_province_at';
        this.screen.hovered = this.sync(lookup, 'string', ['number', 'number'], [m.x, m.y]) || null;
      }
      this.screen.draw();
    });
    const release = async (e) => {
      if (e.button === 2 && e.type === 'pointerup') {
        if (!this.drag && !this.busy) await this.endTurn();
        return;
      }
      if (!this.drag || this.drag.id !== e.pointerId) return;
      const drag = this.drag;
      this.drag = null;
      this.screen.dragLine = null;
      if (!(await drag.pickUp)) return;
      const at = e.type === 'pointerup' ? this.screen.toLayout(e.clientX, e.clientY) : null;
      if (!at) {
        this.sync('aurovane_cancel_drag', null);
        this.screen.draw();
        return;
      }
      const m = this.screen.toMap(at);
      await this.dropAt(m.x, m.y);
    };
    canvas.addEventListener('pointerup', release);
    canvas.addEventListener('pointercancel', release);
    byId('end-year').addEventListener('click', () => {
      this.audio.unlock();
      if (!this.busy) this.endTurn();
    });
  }

  wireKeyboard() {
    const compose = this.screen.compose.bind(this.screen);
    this.screen.compose = () => {
      compose();
      const ctx = this.screen.composition.getContext('2d');
      this.keyboard.draw(ctx);
    };
    window.addEventListener('keydown', async (e) => {
      this.audio.unlock();
      if (document.querySelector('dialog[open]') || this.busy) return;
      // P, F and J held together: the Palestina uprising, as in the window.
      this.held = this.held || new Set();
      this.held.add(e.key.toLowerCase());
      if (['p', 'f', 'j'].every((k) => this.held.has(k))) {
        this.held.clear();
        await this.call('aurovane_palestina_uprising', null, [], []);
        return;
      }
      if (e.key === 'Escape' && !this.keyboard.carried) {
        e.preventDefault();
        this.openMenu();
        return;
      }
      if (await this.keyboard.key(e)) e.preventDefault();
    });
    window.addEventListener('keyup', (e) => this.held && this.held.delete(e.key.toLowerCase()));
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
      if (file && !this.busy) await this.loadFile(file);
    });
  }

  async loadFile(file) {
    const { bytes, error } = await readSavedGame(file);
    if (error) {
      await tell(error);
      return;
    }
    await this.loadBytes(bytes);
  }

  // The reader checks the whole file before it changes anything: a bad file
  // leaves the game as it was. Returns the reader's message, '' once loaded.
  tryLoad(bytes) {
    const error = this.engine.ccall('aurovane_load', 'string', ['array', 'number'], [bytes, bytes.length]);
    this.screen.hovered = null;
    this.keyboard.carried = null;
    this.screen.draw();
    return error;
  }

  async loadBytes(bytes) {
    const error = this.tryLoad(bytes);
    if (error) await ask(error, 'OK', null);
    return !error;
  }

  // A damaged newest year (storage cut short, a hand edit) is no reason to
  // lose the years kept before it: each one skipped is named with the reason.
  async continueLastGame() {
    const kept = keptNewestFirst();
    const skipped = [];
    for (const game of kept) {
      const error = this.tryLoad(latin1Bytes(game.text));
      if (error) {
        skipped.push(`${game.year} AD: ${error}`);
        continue;
      }
      if (skipped.length) {
        const which = skipped.length === 1 ? 'The newest kept year could not be loaded:'
                                           : `The ${skipped.length} newest kept years could not be loaded:`;
        await tell(`${which}\n${skipped.join('\n')}\n\n` +
                   `The game goes on from the newest one that loads, ${this.screen.state.year} AD.`);
      }
      return;
    }
    if (!kept.length) return;
    const none = kept.length === 1 ? 'The kept year cannot be loaded;' : `None of the ${kept.length} kept years can be loaded;`;
    await tell(`${none} the current game goes on:\n${skipped.join('\n')}`);
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
    byId('menu-button').addEventListener('click', () => {
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
      r.addEventListener('change', () => this.sync('aurovane_set_skill', null, ['number'], [Number(r.value)]));
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
        if (await ask('Discard the current game?', '', '')) await this.call('aurovane_new_game', null, [], []);
        break;
      case 'continue':
        await this.continueLastGame();
        break;
      case 'save':
        download(this.sync('aurovane_save'), this.screen.state.year);
        break;
      case 'load':
        byId('file-input').click();
        break;
      case 'scenario':
        if (await ask('Are you sure you want to discard the current game?', '', ''))
          await this.call('aurovane_scenario', null, ['number'], [year]);
        break;
      case 'lesson':
        await this.lesson(this.tables.lessons.find((l) => l.year === year), false);
        break;
      case 'hints':
        await this.call('aurovane_hints', null, [], []);
        break;
      case 'about':
        await showPicture({ id: 267, title: 'About Aurovane', audio: this.audio });
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

  async lesson(lesson, inTurn) {
    if (!lesson) return;
    await this.animations.zoom(lesson.zoomFrames);
    if (inTurn) await this.animations.zoom(lesson.zoomFrames);
    await showPicture({ id: lesson.picture, title: lesson.title, words: [lesson.dates, lesson.text],
                        narration: lesson.narration, audio: this.audio });
  }

  results() {
    const [invasions, plagues, rebellions] = this.screen.state.results;
    return showPicture({ id: 250, title: 'Results', audio: this.audio,
                         counts: [[430, 127, String(invasions)], [430, 168, String(plagues)], [430, 210, String(rebellions)]] });
  }
}

async function boot() {
  const engine = await createAurovane();
  const tables = JSON.parse(engine.ccall('aurovane_tables', 'string', [], []));
  // The first frame's pictures; the rest follow as they are needed.
  await Promise.all([
    document.fonts.load('16px "EB Garamond"'),
    loadPictures([111, 264, ...tables.legend.pictures.map((p) => p[2])]),
  ]);
  const page = new Page(engine, tables);
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
  page.wirePointer();
  page.wireKeyboard();
  page.wireFiles();
  page.wireMenu();
  // ?seed=N replays a game exactly (tests, the benchmark); otherwise every game differs.
  const seed = Number(new URLSearchParams(location.search).get('seed')) || (Date.now() ^ (Math.random() * 0x7fffffff)) >>> 0;
  engine.ccall('aurovane_start', null, ['number'], [seed]);
  window.addEventListener('resize', () => page.screen.fitToWindow());
  byId('loading').hidden = true;
  // For the browser tests and the benchmark: the position and the first frame.
  window.aurovane = { page, dump: () => page.sync('aurovane_dump'), ready: true };
  performance.mark('aurovane-first-map');
  // The rest of the screen's pictures, before the first year's end needs them.
  loadPictures([182, 185, 229, 234, 251, 268, 269, ...tables.legionIcons, ...tables.tints.flatMap((x) => x.pictures),
                ...Object.values(tables.animations).flatMap((a) => a.frames)]);
  handOverPaintedLand(engine, tables.tints);
  // Offline play: the service worker fetches its files once the game is ready, not before.
  if ('serviceWorker' in navigator && location.protocol !== 'file:') {
    navigator.serviceWorker.register('service-worker.js').catch((e) => console.warn('Aurovane: no offline play:', e.message));
    // Then the rest of the game in the background, lessons and all.
    navigator.serviceWorker.ready.then((registration) => {
      const channel = new MessageChannel();
      channel.port1.onmessage = () => { window.aurovane.keptOffline = true; };
      registration.active.postMessage({ cacheLater: true, sharp: window.devicePixelRatio > 1 }, [channel.port2]);
    });
  }
  await page.introduction();
  await page.call('aurovane_hints', null, [], []);
}

boot().catch((e) => {
  byId('loading').textContent = `Aurovane could not start: ${e.message}`;
  throw e;
});
