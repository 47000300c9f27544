// The game in words beside the canvas, for a screen reader and the keyboard:
// the provinces in the map's order, each a button that picks its legions up
// or sends the legions picked up there (the engine decides, as for a drag),
// the information line, the reports and the legend; and one polite live
// region that says every outcome, refusal and the year's news once (the
// words of its plaque when a year ends), and the province the keyboard's
// highlight moves to. Every word is the engine's.
import { pageWord } from './language.js';

const byId = (id) => document.getElementById(id);
const element = (tag, props = {}) => Object.assign(document.createElement(tag), props);
const joined = (lines) => lines.map((l) => l.text).join(' ');

export class Access {
  // `choose(name)`: what the page does when a province's button is pressed.
  constructor(tables, choose) {
    this.buttons = new Map();
    this.details = new Map();
    this.provinces = null;
    const list = byId('province-list');
    tables.provinces.forEach(({ name }, i) => {
      const button = element('button', { type: 'button', id: `province-${i}` });
      const details = element('span', { id: `province-${i}-details`, className: 'details' });
      button.setAttribute('aria-describedby', details.id);
      button.setAttribute('aria-pressed', 'false');
      button.addEventListener('click', () => choose(name));
      const item = element('li');
      item.append(button, details);
      list.append(item);
      this.buttons.set(name, button);
      this.details.set(name, details);
    });
    byId('legend-text').replaceChildren(...paragraphs(tables.legend.texts).map((text) => element('li', { textContent: text })));
    this.year = null;
    this.heard = { notice: '', pickedUp: '', cursor: '' };
    this.queue = [];
    this.plaques = [];  // the words of the years' news not yet said
  }

  // A year's news plaque, said in full whether or not it is shown, as the
  // window says it: its title and lines in order (the reports among them).
  yearNews(plaque) {
    this.plaques.push([plaque.title, ...plaque.lines.map((l) => l.text)].join('. '));
    // Said with the new year's position, or at once when that has been said already.
    requestAnimationFrame(() => {
      if (this.plaques.length) this.announce(this.plaques.splice(0).join('. '));
    });
  }

  // The position: the provinces' buttons, the reports, and the year's news once a year.
  update(state) {
    this.provinces = new Map(state.provinces.map((p) => [p.name, p]));
    for (const p of state.provinces) {
      const button = this.buttons.get(p.name);
      if (button.textContent !== p.summary) button.textContent = p.summary;
      const details = this.details.get(p.name);
      if (details.textContent !== p.details) details.textContent = p.details;
    }
    byId('report-text').replaceChildren(...state.reports.map((line) => element('p', { textContent: line.text })));
    // A year that ended with its news says that news, where its reports are; the new year comes after.
    const plaques = this.plaques.splice(0);
    if (this.year !== null && state.year !== this.year) {
      const year = `${pageWord('%1 AD').replace('%1', state.year)}.`;
      this.announce(plaques.length ? [...plaques, year].join('. ') : [year, ...state.news].join(' '));
    } else if (plaques.length) this.announce(plaques.join('. '));
    this.year = state.year;
  }

  // What the carry answered (PageCarry.h): the information line, the
  // province picked up, and what to say of it.
  showCarry(view) {
    const notice = joined(view.notice);
    const shown = view.shown && this.provinces?.get(view.shown);
    byId('info-line').textContent = notice || (shown ? `${shown.summary} ${shown.details}` : '');
    for (const [name, button] of this.buttons) button.setAttribute('aria-pressed', String(name === view.carried));
    // Each said once, while it stands; the advisor's own message says some.
    if (notice !== this.heard.notice && notice && !view.noticeTold) this.announce(notice);
    if (view.pickedUp !== this.heard.pickedUp && view.pickedUp) this.announce(view.pickedUp);
    // The highlight moved by the keys on the map; a province's own button names it already.
    const focused = document.activeElement?.closest?.('#province-list');
    const cursor = view.cursor && this.provinces?.get(view.cursor);
    if (view.cursor !== this.heard.cursor && cursor && !focused && !notice) this.announce(cursor.summary);
    this.heard = { notice, pickedUp: view.pickedUp, cursor: view.cursor };
  }

  // Said by the live region: what comes in one turn of the page's work is said together.
  announce(text) {
    this.queue.push(text);
    if (this.queue.length > 1) return;
    const region = byId('announcer');
    region.textContent = '';
    setTimeout(() => {
      region.textContent = this.queue.join(' ');
      this.queue = [];
    }, 60);
  }
}

// Screen lines that continue one another (the same column, the next line
// down, as the legend's note on the numbers) joined into one text each.
function paragraphs(lines) {
  const texts = [];
  let last = null;
  for (const line of lines) {
    if (last && line.x === last.x && line.y === last.y + 20 && !/[.:!]$/.test(texts[texts.length - 1]))
      texts[texts.length - 1] += ` ${line.text}`;
    else texts.push(line.text);
    last = line;
  }
  return texts;
}
