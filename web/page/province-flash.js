// The provinces lost or invaded in the year that ended, their rims blinked
// on the map as the window blinks them: the engine names the provinces and
// tells the blinks (tables.provinceFlash), counted only while the player can
// see the map, past the year's news and any dialog.
import { alphaOf } from './painted-land.js';
import { picture } from './pictures.js';
import { grow } from './regions.js';

const colourOf = (rgb) => `#${rgb.toString(16).padStart(6, '0')}`;

export class ProvinceFlash {
  // `seen()`: whether the map is in the player's sight; `redraw()`: the screen draws again.
  constructor(tables, seen, redraw) {
    this.look = tables.provinceFlash;
    this.map = tables.layout.map;
    this.tints = new Map(tables.tints.map((t) => [t.name, t]));
    this.rects = new Map(tables.provinces.map((p) => [p.name, p.rects]));
    this.seen = seen;
    this.redraw = redraw;
    this.rims = new Map();
    this.provinces = [];
    this.ticks = 0;
    this.timer = null;
  }

  // The provinces of a year that ended (names), drawn at once.
  start(names) {
    this.stop();
    this.provinces = names.filter((name) => this.rects.has(name));
    if (!this.provinces.length) return;
    this.timer = setInterval(() => this.tick(), this.look.pause);
    this.redraw();
  }

  // A new game, a load, an undo: the provinces flashed were another game's.
  stop() {
    clearInterval(this.timer);
    this.timer = null;
    this.ticks = 0;
    if (!this.provinces.length) return;
    this.provinces = [];
    this.redraw();
  }

  tick() {
    if (!this.seen()) return;
    ++this.ticks;
    if (this.ticks >= this.look.drawn.length - 1) {
      clearInterval(this.timer);
      this.timer = null;
    }
    this.redraw();
  }

  // The rims as parts of the screen (screen.js), one a province, while drawn.
  parts() {
    if (!this.look.drawn[this.ticks]) return [];
    return this.provinces.map((name) => this.rimPart(name));
  }

  rimPart(name) {
    const [mapX, mapY] = this.map;
    const tint = this.tints.get(name);
    const rim = tint && this.rimOf(tint);
    if (rim) {
      const [x, y] = [mapX + tint.mapX, mapY + tint.mapY];
      return { key: `flash ${name}`, boxes: [grow([x, y, x + tint.width, y + tint.height], 2)],
               draw: (ctx) => ctx.drawImage(rim, x, y) };
    }
    // A province known by its rectangles alone, or before its shape has come: their rims.
    const boxes = this.rects.get(name).map(([l, t, r, b]) => [mapX + l, mapY + t, mapX + r, mapY + b]);
    return { key: `flash ${name} rects`, boxes: boxes.map((b) => grow(b, 3)), draw: (ctx) => {
      ctx.strokeStyle = colourOf(this.look.rim);
      ctx.lineWidth = 2;
      for (const [x0, y0, x1, y1] of boxes) ctx.strokeRect(x0, y0, x1 - x0, y1 - y0);
    } };
  }

  // The border pixels of a province's painted shape: its land with a
  // neighbour (left, right, up or down) that is not, made once it has arrived
  // (none where the browser will not read the picture back).
  rimOf(tint) {
    if (this.rims.has(tint.name)) return this.rims.get(tint.name);
    const { bitmap } = picture(tint.pictures[0]);
    if (!bitmap) return null;
    const { width: w, height: h } = tint;
    let shape = null;
    try {
      shape = alphaOf(bitmap, w, h);
    } catch {
      this.rims.set(tint.name, null);
      return null;
    }
    const land = (x, y) => x >= 0 && y >= 0 && x < w && y < h && shape[y * w + x] >= this.look.opaqueFrom;
    const canvas = Object.assign(document.createElement('canvas'), { width: w, height: h });
    const ctx = canvas.getContext('2d');
    const rim = ctx.createImageData(w, h);
    const [r, g, b] = [this.look.rim >> 16, (this.look.rim >> 8) & 255, this.look.rim & 255];
    for (let y = 0; y < h; ++y) {
      for (let x = 0; x < w; ++x) {
        if (!land(x, y) || (land(x - 1, y) && land(x + 1, y) && land(x, y - 1) && land(x, y + 1))) continue;
        rim.data.set([r, g, b, 255], 4 * (y * w + x));
      }
    }
    ctx.putImageData(rim, 0, 0);
    this.rims.set(tint.name, canvas);
    return canvas;
  }
}
