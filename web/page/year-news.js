// The year's news plaque the engine hands over when a year ends: drawn over
// the map as the window draws it (the engine's measures and colours), or, on
// a phone, where the map is too small for it, at the top of the words' panel.
// A click, a tap or a key closes it, and the next waiting one shows. The
// menu's switch is remembered in the browser; it is on unless switched off.
import { fontOf } from './font.js';

const byId = (id) => document.getElementById(id);
const colourOf = (rgb) => `#${rgb.toString(16).padStart(6, '0')}`;
const Remembered = 'aurovane.yearNews';

// `text` in lines at most `width` wide, broken between words.
function wrapped(ctx, text, width) {
  const lines = [];
  let line = '';
  for (const word of text.split(' ')) {
    const tried = line ? `${line} ${word}` : word;
    if (line && ctx.measureText(tried).width > width) {
      lines.push(line);
      line = word;
    } else line = tried;
  }
  return [...lines, line];
}

function roundedBox(ctx, x, y, w, h, r) {
  ctx.beginPath();
  ctx.roundRect(x, y, w, h, r);
}

export class YearNews {
  // `redraw()`: the screen draws again with the plaque or without it.
  constructor(tables, redraw) {
    this.look = tables.newsPlaque;
    this.map = tables.layout.map;
    this.redraw = redraw;
    this.measure = document.createElement('canvas').getContext('2d');
    this.waiting = [];
    this.shown = null;
    this.enabled = localStorage.getItem(Remembered) !== 'off';
    const option = byId('year-news-option');
    option.checked = this.enabled;
    option.addEventListener('change', () => {
      this.enabled = option.checked;
      localStorage.setItem(Remembered, this.enabled ? 'on' : 'off');
    });
    const panel = byId('year-news');
    panel.addEventListener('click', () => this.dismiss());
    const L = this.look;
    for (const [name, rgb] of [['paper', L.paper], ['rim', L.rim], ['title-ink', L.titleInk], ['footer-ink', L.footerInk],
                               ...L.toneInks.map((ink, tone) => [`tone-${tone}`, ink])])
      panel.style.setProperty(`--${name}`, colourOf(rgb));
  }

  // A year's plaque from the engine ({title, lines: [{text, tone}], footer}).
  arrived(plaque) {
    if (!this.enabled) return;
    this.waiting.push(plaque);
    if (!this.shown) this.showNext();
  }

  // A click or a key while a plaque is shown closes it (true: the input is spent).
  dismiss() {
    if (!this.shown) return false;
    this.showNext();
    return true;
  }

  // A new game, a load: nothing of the game before stays.
  clear() {
    this.waiting = [];
    if (this.shown) this.showNext();
  }

  showNext() {
    this.shown = this.waiting.shift() || null;
    this.showInPanel();
    this.redraw();
  }

  // The plaque in words, in the panel beside or under the map (and for a screen reader).
  showInPanel() {
    const panel = byId('year-news');
    panel.hidden = !this.shown;
    if (!this.shown) return;
    const p = (text, tone) => Object.assign(document.createElement('p'), { textContent: text, className: `tone-${tone}` });
    const title = Object.assign(document.createElement('h2'), { textContent: this.shown.title });
    const footer = Object.assign(document.createElement('p'), { textContent: this.shown.footer, className: 'footer' });
    panel.replaceChildren(title, ...this.shown.lines.map((l) => p(l.text, l.tone)), footer);
    // Where the panel is the plaque's place (a phone), it comes into sight there.
    if (document.body.classList.contains('map-view')) panel.scrollIntoView({ block: 'nearest' });
  }

  // The plaque as a part of the screen (screen.js), laid out as the window lays it out.
  part() {
    const ctx = this.measure;
    const plaque = this.shown;
    if (!plaque) return null;
    const L = this.look;
    const placed = [];
    let y = L.top + L.titleBox;
    for (const line of plaque.lines) {
      const section = line.tone === 0;
      ctx.font = fontOf(L.bodyPixels, section ? 'bold ' : '');
      const indent = section ? L.sectionIndent : L.lineIndent;
      for (const text of wrapped(ctx, line.text, L.width - indent - L.rightMargin)) {
        placed.push({ text, indent, y, section, ink: L.toneInks[line.tone] });
        y += L.linePitch;
      }
    }
    ctx.font = fontOf(L.footerPixels, 'italic ');
    const footer = wrapped(ctx, plaque.footer, L.width - 2 * L.footerMargin);
    const height = y + L.footerGap + L.footerBox + (footer.length - 1) * L.footerPitch;
    const [mapX, mapY, mapW, mapH] = this.map;
    // The map's middle pixel as the window takes it (QRect::center).
    const x = Math.floor((2 * mapX + mapW - 1) / 2) - L.width / 2;
    const top = Math.max(mapY + L.mapMargin, Math.floor((2 * mapY + mapH - 1) / 2) - Math.floor(height / 2));
    const h = Math.min(height, mapH - 2 * L.mapMargin);
    const bottom = top + h - 1;
    return { key: `year news ${JSON.stringify(plaque)}`, boxes: [[x - 3, top - 3, x + L.width + 3, top + h + 3]], draw: (c) => {
      c.save();
      roundedBox(c, x, top, L.width, h, L.radius);
      c.fillStyle = colourOf(L.paper);
      c.fill();
      c.strokeStyle = colourOf(L.rim);
      c.lineWidth = L.rimWidth;
      c.stroke();
      const i = L.innerInset;
      roundedBox(c, x + i + 0.5, top + i + 0.5, L.width - 2 * i, h - 2 * i, L.innerRadius);
      c.strokeStyle = colourOf(L.innerRim);
      c.lineWidth = 1;
      c.stroke();
      c.beginPath();
      c.rect(x + L.clipInset, top + L.clipInset, L.width - 2 * L.clipInset, h - 2 * L.clipInset);
      c.clip();
      c.textBaseline = 'middle';
      c.textAlign = 'center';
      c.font = fontOf(L.titlePixels, 'bold ');
      c.fillStyle = colourOf(L.titleInk);
      c.fillText(plaque.title, x + L.width / 2, top + L.titleGap + L.titleBox / 2);
      c.textAlign = 'left';
      for (const line of placed) {
        c.font = fontOf(L.bodyPixels, line.section ? 'bold ' : '');
        c.fillStyle = colourOf(line.ink);
        c.fillText(line.text, x + line.indent, top + line.y + L.linePitch / 2);
      }
      c.font = fontOf(L.footerPixels, 'italic ');
      c.fillStyle = colourOf(L.footerInk);
      c.textAlign = 'center';
      const last = bottom - L.footerRise + L.footerLineBox / 2;
      footer.forEach((text, n) => c.fillText(text, x + L.width / 2, last - (footer.length - 1 - n) * L.footerPitch));
      c.restore();
    } };
  }
}
