// The scenario editor page: the game's engine edits through the desktop
// editor's session (every rule is the engine's); this page only shows its
// view and hands it the designer's taps, fields and files.
import createAurovane from './aurovane.js';
import { bindEngine } from './engine-api.js';
import { ask, tell } from './dialogs.js';
import { pageWord, spokenLanguages, startSpeaking } from './language.js';
import { EditorMap } from './editor-map.js';
import { download, readSavedGame } from './keep.js';
import { handOverPaintedLand } from './painted-land.js';
import { loadPictures, whenPictureArrives } from './pictures.js';
import { forgetLink, scenarioFromLink, scenarioLink } from './share-link.js';

const byId = (id) => document.getElementById(id);
// Scenarios start from the same draws every time, as in the desktop editor.
const EditorSeed = 1;

class EditorPage {
  constructor(api, tables) {
    this.api = api;
    this.tables = tables;
    this.map = new EditorMap(byId('screen'), tables);
    this.view = null;
    // Unsaved changes, for the question before they are thrown away.
    this.changed = false;
  }

  // Every export answers the view; the map follows through setState.
  show(answer) {
    const v = JSON.parse(answer);
    this.view = v;
    this.map.selected = v.selected || null;
    byId('province-list').value = v.selected;
    byId('province-heading').textContent = v.selected || pageWord('Province');
    byId('province-hint').hidden = Boolean(v.selected);
    for (const b of byId('holders').querySelectorAll('button')) {
      b.disabled = !v.selected || v.frontier;
      b.setAttribute('aria-pressed', String(Boolean(v.selected) && b.textContent === v.holder));
    }
    byId('legion-count').textContent = v.selected ? String(v.legions) : '–';
    byId('legion-more').disabled = !v.held;
    byId('legion-less').disabled = !v.held || v.legions === 0;
    byId('edit-undo').disabled = !v.undo;
    const errors = byId('option-errors');
    errors.replaceChildren(...v.errors.map((e) => Object.assign(document.createElement('li'), { textContent: e })));
    byId('scenario-label').textContent = `${v.title || pageWord('Untitled scenario')} · ${pageWord('%1 AD').replace('%1', v.year)}`;
    this.map.draw();
  }

  // A change through the engine: kept for the question before discarding.
  edit(answer) {
    const before = this.view.undo;
    this.show(answer);
    if (this.view.undo || before) this.changed = true;
  }

  // The fields show the scenario as it stands (after a load, an undo, a new one).
  fillFields() {
    const v = this.view;
    byId('year').value = v.year;
    byId('treasury').value = v.treasury;
    byId('plague').checked = v.plague;
    byId('plague-years').value = v.plagueYears;
    this.showPlagueYears();
    byId('title').value = v.title;
    byId('briefing').value = v.briefing;
  }

  showPlagueYears() {
    byId('plague-years-label').hidden = !(byId('plague').checked && this.view.asksPlagueYears);
  }

  wire() {
    const list = byId('province-list');
    list.append(new Option('—', ''));
    for (const name of this.tables.provinces.map((p) => p.name).sort()) list.append(new Option(name, name));
    list.addEventListener('change', () => this.show(this.api.editSelect(list.value)));
    // A tap (or a click) picks the province painted under it; a drag picks nothing.
    const canvas = this.map.canvas;
    let down = null;
    canvas.addEventListener('pointerdown', (e) => { down = [e.clientX, e.clientY]; });
    canvas.addEventListener('pointerup', (e) => {
      if (!down || Math.hypot(e.clientX - down[0], e.clientY - down[1]) > 12) return;
      down = null;
      const at = this.map.toLayout(e.clientX, e.clientY);
      if (!at) return;
      const [mapX, mapY] = this.tables.layout.map;
      this.show(this.api.editSelect(this.api.provinceAt(Math.floor(at.x - mapX), Math.floor(at.y - mapY))));
    });
    const holders = byId('holders');
    for (const [command, name] of this.view.owners) {
      const b = Object.assign(document.createElement('button'), { type: 'button', textContent: name });
      b.addEventListener('click', () => this.edit(this.api.editCommand(command)));
      holders.append(b);
    }
    byId('legion-more').addEventListener('click', () => this.edit(this.api.editCommand(this.view.addLegion)));
    byId('legion-less').addEventListener('click', () => this.edit(this.api.editCommand(this.view.deleteLegion)));
    byId('plague').addEventListener('change', () => this.showPlagueYears());
    byId('store-options').addEventListener('click', () => {
      this.edit(this.api.editOptions(byId('treasury').value, byId('year').value, byId('plague').checked ? 1 : 0,
                                     Number(byId('plague-years').value) || 0));
      if (!this.view.errors.length) this.fillFields();
    });
    byId('title').maxLength = this.view.maxTitle;
    byId('briefing').maxLength = this.view.maxBriefing;
    byId('store-texts').addEventListener('click', () => {
      // Trimmed as the desktop editor's dialog trims them.
      this.edit(this.api.editTexts(byId('title').value.trim(), byId('briefing').value.trim()));
      this.fillFields();
    });
    byId('edit-undo').addEventListener('click', () => this.undo());
    window.addEventListener('keydown', (e) => {
      if ((e.ctrlKey || e.metaKey) && e.key.toLowerCase() === 'z' && !e.target.closest('input, textarea')) {
        e.preventDefault();
        this.undo();
      }
    });
    byId('play').addEventListener('click', async () => window.open(await scenarioLink('./', this.api.save()), '_blank'));
    this.wireFiles();
    window.addEventListener('resize', () => this.map.fitToWindow());
    window.addEventListener('hashchange', () => this.openLink());
    window.addEventListener('beforeunload', (e) => { if (this.changed) e.preventDefault(); });
  }

  undo() {
    this.show(this.api.editUndo());
    this.fillFields();
  }

  wireFiles() {
    const menu = byId('file-menu');
    byId('file-button').addEventListener('click', () => menu.showModal());
    menu.addEventListener('click', async (e) => {
      const b = e.target.closest('button[data-command]');
      if (!b) return;
      menu.close();
      await this.command(b.dataset.command);
    });
    const input = byId('file-input');
    input.addEventListener('change', async () => {
      const file = input.files[0];
      input.value = '';
      if (!file) return;
      const { bytes, error } = await readSavedGame(file, this.tables.savedGames);
      if (error) await tell(error);
      else await this.open(bytes);
    });
    byId('share-copy').addEventListener('click', () => navigator.clipboard?.writeText(byId('share-link').value));
    byId('share-close').addEventListener('click', () => byId('share').close());
  }

  async mayDiscard() {
    return !this.changed || ask(...this.view.discard);
  }

  async command(name) {
    switch (name) {
      case 'new':
        if (!(await this.mayDiscard())) return;
        this.show(this.api.editNew());
        this.fillFields();
        this.changed = false;
        break;
      case 'open':
        if (await this.mayDiscard()) byId('file-input').click();
        break;
      case 'save':
        download(this.api.save(), this.view.year);
        this.changed = false;
        break;
      case 'share': {
        byId('share-link').value = await scenarioLink('./', this.api.save());
        byId('share').showModal();
        byId('share-link').select();
        break;
      }
      default:
        break;
    }
  }

  // The reader checks the whole file first: a bad one leaves the scenario as it was.
  async open(bytes) {
    const error = this.api.editLoad(bytes);
    if (error) {
      await tell(error);
      return false;
    }
    this.show(this.api.editView());
    this.fillFields();
    this.changed = false;
    return true;
  }

  // A scenario handed over in the address (the game's "Open in the editor", a shared link).
  async openLink() {
    const shared = await scenarioFromLink(location.hash, this.tables.savedGames.largest);
    if (!shared) return;
    forgetLink();
    if (shared.tooLarge) await tell(this.tables.savedGames.tooLarge);
    else if (await this.mayDiscard()) await this.open(shared.bytes);
  }
}

async function boot() {
  const engine = await createAurovane();
  const api = bindEngine(engine);
  api.start(EditorSeed);
  const languages = spokenLanguages();
  await startSpeaking(api, await languages);
  const tables = JSON.parse(api.tables());
  const editor = new EditorPage(api, tables);
  engine.page = { setState: (state) => editor.map.setState(state) };
  editor.show(api.editNew());
  // The first frame's pictures: the map and the tints it shows; the rest as they are drawn.
  await Promise.all([document.fonts.load('16px "EB Garamond"'),
                     loadPictures([111, ...editor.map.state.provinces.map((p) => p.tint).filter(Boolean)])]);
  whenPictureArrives(() => editor.map.setState(editor.map.state));
  editor.wire();
  editor.fillFields();
  byId('loading').hidden = true;
  window.aurovaneEditor = { editor, api, ready: true };
  performance.mark('aurovane-first-map');
  handOverPaintedLand(api, tables.tints);
  if ('serviceWorker' in navigator && location.protocol !== 'file:')
    navigator.serviceWorker.register('service-worker.js').catch((e) => console.warn('Aurovane: no offline editing:', e.message));
  await editor.openLink();
}

boot().catch((e) => {
  byId('loading').textContent = `The editor could not start: ${e.message}`;
  throw e;
});
