// The map screen on a canvas: the same composition as the window's, in its
// layout pixels, shown letterboxed and sharp at any size; on a phone the map
// alone, zoomed and panned. Every place of the window's screen comes from the
// engine's tables (tables.layout, the provinces' figures).
import { drawLegendMarks, holderMark } from './marks.js';
import { drawPicture, pictureBox, pictureLook, setPictureDensity } from './pictures.js';
import { boxOf, changedBoxes, common, grow, lineBoxes, meets, merged, sideBoxes } from './regions.js';
import { Tiles } from './tiles.js';
import { fontOf } from './font.js';
import { cpuContext, settle } from './cpu-canvas.js';

const FontSize = 16;
// The smallest a longer translation's line is drawn to keep its box.
const MinFontSize = 11;
// How far the map view zooms in, and the sharpest composition a zoom asks
// for beyond the screen's own density (a 1366-wide layout at 3 device pixels
// a layout pixel is a canvas of 4098).
const MaxZoom = 4;
const MaxDensity = 3;

const colourOf = (rgb) => `#${rgb.toString(16).padStart(6, '0')}`;
// 0xAARRGGBB, as the engine gives the march lines' colours.
const rgbaOf = (argb) => `rgba(${(argb >>> 16) & 255}, ${(argb >>> 8) & 255}, ${argb & 255}, ${(argb >>> 24) / 255})`;

function path(ctx, points, closed) {
  ctx.beginPath();
  points.forEach(([x, y], i) => (i ? ctx.lineTo(x, y) : ctx.moveTo(x, y)));
  if (closed) ctx.closePath();
}

// A shape filled and rimmed (colours 0xAARRGGBB).
function fillShape(ctx, points, closed, fill, rim, rimWidth) {
  path(ctx, points, closed);
  ctx.fillStyle = rgbaOf(fill);
  ctx.fill();
  ctx.strokeStyle = rgbaOf(rim);
  ctx.lineWidth = rimWidth;
  ctx.stroke();
}

// Layout boxes copied pixel for pixel between canvases of one size, `d` device pixels to a layout pixel.
function copyBoxes(from, to, boxes, d) {
  const ctx = cpuContext(to);
  ctx.save();
  ctx.setTransform(1, 0, 0, 1, 0, 0);
  for (const [bx0, by0, bx1, by1] of boxes) {
    const x0 = Math.max(0, Math.floor(bx0 * d));
    const y0 = Math.max(0, Math.floor(by0 * d));
    const w = Math.min(to.width, Math.ceil(bx1 * d)) - x0;
    const h = Math.min(to.height, Math.ceil(by1 * d)) - y0;
    if (w > 0 && h > 0) ctx.drawImage(from, x0, y0, w, h, x0, y0, w, h);
  }
  ctx.restore();
  settle(ctx);
}

// The black the screen is shown on, in device rectangle (left, top, w, h).
function ground(ctx, left, top, w, h) {
  ctx.fillStyle = '#000';
  ctx.fillRect(left, top, w, h);
}

// A picture in its own size with its corner at (x, y).
// The words painted in a picture, written over in the page's language (none in English).
let pictureLabels = new Map();

function drawLabel(ctx, label, x, y) {
  const [left, top, width, height] = label.box;
  ctx.save();
  ctx.fillStyle = colourOf(label.paper);
  ctx.fillRect(x + left, y + top, width, height);
  // Each letter's advance stretched as the window's percentage spacing stretches it.
  let size = label.size;
  const setFont = () => {
    ctx.font = fontOf(size);
    ctx.letterSpacing = '0px';
    const extra = (ctx.measureText(label.text).width * (label.spacing - 100)) / 100;
    ctx.letterSpacing = `${extra / [...label.text].length}px`;
  };
  for (setFont(); size > 8 && ctx.measureText(label.text).width > width; setFont()) --size;
  ctx.fillStyle = colourOf(label.ink);
  ctx.textAlign = 'center';
  ctx.textBaseline = 'middle';
  ctx.fillText(label.text, x + left + width / 2, y + top + height / 2);
  ctx.restore();
}

function pictureAt(id, x, y) {
  const box = pictureBox(id, x, y);
  const label = pictureLabels.get(id);
  return { key: `picture ${pictureLook(id)} ${x},${y}`, boxes: box ? [grow(box, 1)] : [],
           draw: (ctx) => { if (drawPicture(ctx, id, x, y) && label) drawLabel(ctx, label, x, y); } };
}

// The dashed line of a drag, from where the legions were picked up to the pointer.
function dragLinePart(line) {
  const [x0, y0, x1, y1] = line;
  return { key: `drag ${line}`, boxes: lineBoxes([[x0, y0], [x1, y1]], 3), draw: (ctx) => {
    ctx.strokeStyle = 'rgba(255, 240, 160, 0.9)';
    ctx.lineWidth = 3;
    ctx.setLineDash([8, 6]);
    ctx.beginPath();
    ctx.moveTo(x0, y0);
    ctx.lineTo(x1, y1);
    ctx.stroke();
    ctx.setLineDash([]);
  } };
}

export class Screen {
  constructor(canvas, tables) {
    this.canvas = canvas;
    // Where it can, the canvas shows its frames by itself, without waiting on
    // the page's own: a frame then costs what it changed, not the whole canvas.
    this.tiles = new Tiles(canvas);
    this.tables = tables;
    this.provinces = new Map(tables.provinces.map((p) => [p.name, p]));
    this.tints = new Map(tables.tints.map((t) => [t.name, t]));
    pictureLabels = new Map(tables.pictureLabels.map((l) => [l.picture, l]));
    this.layout = tables.layout;
    this.composition = document.createElement('canvas');
    // Under it, kept apart: the ground, the scroll and the bare map, which
    // change seldom and cost the most to draw at a high density.
    this.backdrop = document.createElement('canvas');
    // And the composition as the last update left it, before any step drew over it.
    this.clean = document.createElement('canvas');
    this.lower = null;        // the parts the backdrop shows
    this.shown = null;        // the parts the composition shows, but where steps drew over it
    this.scribbled = [];      // the boxes where they did
    this.whole = true;        // the composition to be painted anew, as after a resize
    this.overlay = null;      // a part drawn over all the rest, or null: () => part | null
    this.news = null;         // the year's news plaque over that: () => part | null
    this.flashed = null;      // the rims of the provinces the year cost, under the figures: () => parts
    // Where each line of words draws, measured once in the page's serif.
    this.measure = document.createElement('canvas').getContext('2d');
    this.measure.font = fontOf(FontSize);
    this.measure.textBaseline = 'top';
    this.textBoxes = new Map();
    // Measured in a stand-in until the serif has come (the editor starts without it).
    const serif = `${FontSize}px "EB Garamond"`;
    if (!document.fonts.check(serif)) {
      document.fonts.load(serif).then(() => {
        this.textBoxes.clear();
        this.measure.font = fontOf(FontSize);
        this.whole = true;
        this.draw();
      });
    }
    this.state = null;
    this.hovered = null;      // the province of the information line
    this.playing = false;     // while steps play, the composition is theirs to change
    this.notice = [];         // in its place: what became of the last order (a line, or none)
    this.dragLine = null;     // [x0, y0, x1, y1] in layout pixels while dragging
    this.fitToWindow();
  }

  // Panes: parts of the layout and where they go on the canvas, in CSS pixels.
  // A window too small for the whole layout (a phone, either way up) shows
  // the map alone, full width or full height, zoomed and panned; the words
  // of the screen are the page's panel beside or below it (page.css).
  fitToWindow() {
    const stage = this.canvas.parentElement;
    const [layoutWidth, layoutHeight] = this.layout.size;
    this.mapOnly = Math.min(window.innerWidth / layoutWidth, window.innerHeight / layoutHeight) < 0.7;
    const portrait = window.innerHeight > window.innerWidth;
    document.body.classList.toggle('map-view', this.mapOnly);
    document.body.classList.toggle('portrait', this.mapOnly && portrait);
    const width = stage.clientWidth;
    const height = stage.clientHeight;
    if (this.mapOnly) {
      const [, , mapW, mapH] = this.layout.map;
      // On its side the panel keeps a column readable beside the map.
      const base = portrait ? width / mapW : Math.min(height / mapH, (width - Math.min(320, width * 0.38)) / mapW);
      this.cssWidth = Math.floor(mapW * base);
      this.cssHeight = Math.floor(mapH * base);
      this.baseScale = base;
      stage.style.setProperty('--map-width', `${this.cssWidth}px`);
      stage.style.setProperty('--map-height', `${this.cssHeight}px`);
    } else {
      this.baseScale = Math.min(width / layoutWidth, height / layoutHeight);
      this.cssWidth = Math.floor(layoutWidth * this.baseScale);
      this.cssHeight = Math.floor(layoutHeight * this.baseScale);
      this.zoom = 1;
    }
    const dpr = window.devicePixelRatio || 1;
    this.canvas.style.width = `${this.cssWidth}px`;
    this.canvas.style.height = `${this.cssHeight}px`;
    const left = this.mapOnly ? 0 : Math.max(0, (width - this.cssWidth) / 2);
    const top = this.mapOnly ? 0 : Math.max(0, (height - this.cssHeight) / 2);
    this.canvas.style.left = `${left}px`;
    this.canvas.style.top = `${top}px`;
    this.tiles.size(Math.round(this.cssWidth * dpr), Math.round(this.cssHeight * dpr), left, top, dpr);
    this.place();
    // A resized canvas is blank: shown again whole, composed anew only at a new density.
    if (!this.setDensity()) this.present(null);
  }

  // The panes for the zoom and the pan: the whole layout, or the part of the map in view.
  place() {
    const [layoutWidth, layoutHeight] = this.layout.size;
    if (!this.mapOnly) {
      this.scale = this.baseScale;
      this.panes = [{ from: { x: 0, y: 0, w: layoutWidth, h: layoutHeight }, x: 0, y: 0 }];
      return;
    }
    const [mapX, mapY, mapW, mapH] = this.layout.map;
    this.zoom = Math.min(MaxZoom, Math.max(1, this.zoom || 1));
    this.scale = this.baseScale * this.zoom;
    const w = mapW / this.zoom;
    const h = mapH / this.zoom;
    const pan = this.pan || { x: mapX, y: mapY };
    this.pan = { x: Math.min(mapX + mapW - w, Math.max(mapX, pan.x)), y: Math.min(mapY + mapH - h, Math.max(mapY, pan.y)) };
    this.panes = [{ from: { x: this.pan.x, y: this.pan.y, w, h }, x: 0, y: 0 }];
  }

  // The composition's device pixels per layout pixel: as sharp as the zoom
  // asks, within what a canvas holds, and never less than the screen shows
  // unzoomed, which it then copies pixel for pixel rather than scaling each
  // frame. A new density composes the screen anew.
  setDensity() {
    const dpr = window.devicePixelRatio || 1;
    const wanted = Math.min(Math.max(MaxDensity, this.baseScale * dpr), this.scale * dpr);
    if (wanted === this.deviceScale) return false;
    this.deviceScale = wanted;
    setPictureDensity(wanted);
    this.sizeComposition();
    return true;
  }

  // Zooms by `factor` about a client point, which stays over the same place of the map.
  zoomAt(clientX, clientY, factor) {
    if (!this.mapOnly) return;
    const r = this.canvas.getBoundingClientRect();
    const before = { x: this.pan.x + (clientX - r.left) / this.scale, y: this.pan.y + (clientY - r.top) / this.scale };
    this.zoom *= factor;
    this.scale = this.baseScale * Math.min(MaxZoom, Math.max(1, this.zoom));
    this.pan = { x: before.x - (clientX - r.left) / this.scale, y: before.y - (clientY - r.top) / this.scale };
    this.moved();
  }

  // Moves the map with the fingers by CSS pixels.
  panBy(dx, dy) {
    if (!this.mapOnly) return;
    this.pan = { x: this.pan.x - dx / this.scale, y: this.pan.y - dy / this.scale };
    this.moved();
  }

  // While the fingers move, the composition is only shown again, scaled; once
  // they rest a while it is composed at the sharpness of the new zoom.
  moved() {
    this.place();
    this.present(null);
    clearTimeout(this.sharpen);
    // Not under steps playing: they keep copies of the composition at its density.
    const sharpen = () => {
      if (this.playing) this.sharpen = setTimeout(sharpen, 250);
      else this.setDensity();
    };
    this.sharpen = setTimeout(sharpen, 250);
  }

  // The composition and its backdrop at the layout's size in device pixels, painted anew.
  sizeComposition() {
    for (const canvas of [this.composition, this.backdrop, this.clean]) {
      canvas.width = Math.round(this.layout.size[0] * this.deviceScale);
      canvas.height = Math.round(this.layout.size[1] * this.deviceScale);
    }
    this.whole = true;
    this.draw();
  }

  // A pointer position (client pixels) in layout pixels, or null off the panes.
  toLayout(clientX, clientY) {
    const r = this.canvas.getBoundingClientRect();
    const x = clientX - r.left;
    const y = clientY - r.top;
    for (const p of this.panes) {
      const lx = p.from.x + (x - p.x) / this.scale;
      const ly = p.from.y + (y - p.y) / this.scale;
      if (lx >= p.from.x && lx < p.from.x + p.from.w && ly >= p.from.y && ly < p.from.y + p.from.h) return { x: lx, y: ly };
    }
    return null;
  }

  // The bare map of `state`: its picture and the tints of the provinces Rome
  // does not hold, each with its holder's pattern over it.
  mapParts(state) {
    const [mapX, mapY] = this.layout.map;
    // The names the map picture leaves for the engine's words, in the map's own type and ink.
    const names = this.tables.mapNames;
    const boxes = names.places.map((n) => grow([mapX + n.box[0], mapY + n.box[1], mapX + n.box[2], mapY + n.box[3]], 4));
    const parts = [pictureAt(111, mapX, mapY), { key: 'map names', boxes, draw: (ctx) => {
      ctx.save();
      ctx.fillStyle = colourOf(names.ink);
      ctx.letterSpacing = `${names.tracking}px`;
      ctx.textAlign = 'left';
      ctx.textBaseline = 'alphabetic';
      for (const n of names.places) {
        // A longer name than the English takes a smaller size to keep its box, as in the window.
        const lines = n.lines.map((l) => ({ ...l, text: l.text.toUpperCase() }));
        const widest = () => Math.max(...lines.map((l) => ctx.measureText(l.text).width - names.tracking));
        let size = n.size;
        do ctx.font = fontOf(size); while (widest() > n.box[2] - n.box[0] && --size >= 8);
        const cap = ctx.measureText('H').actualBoundingBoxAscent;
        for (const l of lines) {
          const width = ctx.measureText(l.text).width - names.tracking;
          ctx.fillText(l.text, mapX + l.x - width / 2, mapY + l.y + cap);
        }
      }
      ctx.restore();
    } }];
    for (const p of state.provinces) {
      const tint = p.tint && this.tints.get(p.name);
      if (tint) parts.push(pictureAt(p.tint, mapX + tint.mapX, mapY + tint.mapY));
    }
    for (const p of state.provinces) {
      const tint = this.tints.get(p.name);
      const shape = tint && holderMark(tint, p.mark);
      if (shape) {
        const box = [mapX + tint.mapX, mapY + tint.mapY, mapX + tint.mapX + tint.width, mapY + tint.mapY + tint.height];
        parts.push({ key: `mark ${p.name} ${p.mark}`, boxes: [box],
                     draw: (ctx) => ctx.drawImage(shape, box[0], box[1], tint.width, tint.height) });
      }
    }
    return parts;
  }

  // Drawn with the next frame: an order's states come faster than frames,
  // and only the last before a frame is ever seen.
  setState(state) {
    this.state = state;
    this.drawSoon();
  }

  // Drawn with the next frame, not in the task that asked (the engine's turn).
  drawSoon() {
    if (this.drawQueued) return;
    this.drawQueued = true;
    requestAnimationFrame(() => {
      this.drawQueued = false;
      this.draw();
    });
  }

  // A line of the engine's words, with the box its letters may touch.
  // A translation's whole sentence in its box, word by word into lines that
  // fit it (the engine measures no text), spaced as the English pieces are;
  // `centred` for the instructions' line.
  blockLines(block, centred = false) {
    if (!block) return [];
    const [x, y, w, h] = block.box;
    // A size smaller, the lines closer, where the sentence would run below its box.
    let size = FontSize + 1;
    let lines;
    do {
      this.measure.font = fontOf(--size);
      lines = [];
      for (const word of block.text.split(/\s+/).filter(Boolean)) {
        const last = lines[lines.length - 1];
        if (last && this.measure.measureText(`${last} ${word}`).width <= w) lines[lines.length - 1] = `${last} ${word}`;
        else lines.push(word);
      }
    } while (size > MinFontSize && (centred ? 4 : 2) + lines.length * this.pitch(size) > h + 4);
    const placed = lines.map((text, i) => ({
      x: centred ? Math.round(x + Math.max(0, w - this.measure.measureText(text).width) / 2) : x + 2,
      y: y + (centred ? 4 : 2) + this.pitch(size) * i, text, colour: block.colour, size,
    }));
    this.measure.font = fontOf(FontSize);
    return placed;
  }

  // The distance between the lines of a block at a size: the English pieces' 20 pixels at 16.
  pitch(size) {
    return Math.round((20 * size) / FontSize);
  }

  // A line drawn in the page's serif, a size smaller where a longer
  // translation would reach past `room` (layout pixels from its x) into the
  // next piece or off its panel; what each was given is kept in `fitted`.
  textPart(line, room = Infinity) {
    const id = `${line.x},${line.y} ${line.colour} ${line.text} ${line.size || FontSize} ${room}`;
    if (!this.textBoxes.has(id)) {
      // The reports of a long game are many; the lines of one screen few.
      if (this.textBoxes.size > 4096) this.textBoxes.clear();
      let size = line.size || FontSize;
      this.measure.font = fontOf(size);
      let m = this.measure.measureText(line.text);
      while (m.width > room && size > MinFontSize) {
        this.measure.font = fontOf(--size);
        m = this.measure.measureText(line.text);
      }
      this.measure.font = fontOf(FontSize);
      this.textBoxes.set(id, { size, width: m.width, box: grow([line.x - m.actualBoundingBoxLeft, line.y - m.actualBoundingBoxAscent,
                                                                line.x + m.actualBoundingBoxRight, line.y + m.actualBoundingBoxDescent], 2) });
    }
    const { size, width, box } = this.textBoxes.get(id);
    this.fitted.push({ text: line.text, width, room });
    return { key: `text ${id}`, boxes: [box], draw: (ctx) => {
      if (size !== FontSize) ctx.font = fontOf(size);
      ctx.fillStyle = colourOf(line.colour);
      ctx.fillText(line.text, line.x, line.y);
      if (size !== FontSize) ctx.font = fontOf(FontSize);
    } };
  }

  // What the backdrop shows: the ground, the scroll and the bare map.
  lowerParts() {
    const L = this.layout;
    return [{ key: 'ground', boxes: null, draw: (ctx) => {
      ctx.fillStyle = '#000';
      ctx.fillRect(0, 0, L.size[0], L.size[1]);
    } }, pictureAt(264, L.scroll[0], L.scroll[1]),
    ...(this.state ? this.mapParts(this.state) : [pictureAt(111, L.map[0], L.map[1])])];
  }

  // The screen over the backdrop as a list of parts, in the order the window draws them.
  parts() {
    const t = this.tables;
    const s = this.state;
    const L = this.layout;
    // The backdrop, copied pixel for pixel where the region is.
    const parts = [{ key: 'backdrop', boxes: null, draw: (ctx, [x0, y0, x1, y1]) => {
      ctx.save();
      ctx.setTransform(1, 0, 0, 1, 0, 0);
      ctx.drawImage(this.backdrop, x0, y0, x1 - x0, y1 - y0, x0, y0, x1 - x0, y1 - y0);
      ctx.restore();
    } }];
    if (!s) return parts;
    if (s.year >= 313) parts.push(pictureAt(251, t.constantinople[0], t.constantinople[1]));
    if (this.flashed) parts.push(...this.flashed());
    parts.push(...this.marchParts(s.marches));
    // As in the window: the figures in the engine's order, the last on top,
    // then their counts on the engine's plaques, where a press reads them.
    const shown = s.figures.map((name) => s.provinces.find((p) => p.name === name));
    for (const p of shown) {
      const spot = this.legionSpot(p.name);
      for (const l of p.legions) parts.push(pictureAt(l.picture, spot.x, spot.y));
    }
    for (const p of shown) for (const l of p.legions) parts.push(this.plaquePart(l));
    // The legend, the frames around the map and the information line.
    parts.push({ key: 'frames', boxes: null, draw: (ctx) => {
      ctx.strokeStyle = '#fff';
      ctx.lineWidth = 1;
      for (const [x, y, w, h] of [L.mapFrame, L.infoFrame]) ctx.strokeRect(x + 0.5, y + 0.5, w, h);
    } });
    for (const [x, y, id] of t.legend.pictures) parts.push(pictureAt(id, x, y));
    this.legendLines ||= [...t.legend.texts, ...this.blockLines(t.legend.note)];
    // The legend's words keep left of the map's frame, the reports on the scroll, the
    // information line's pieces clear of the next one and inside the box.
    this.fitted = [];
    const margin = 4;
    for (const line of this.legendLines) parts.push(this.textPart(line, L.mapFrame[0] - margin - line.x));
    parts.push({ key: 'legend marks', boxes: t.legend.marks.map((m) => grow(boxOf(m.box), 1)),
                 draw: (ctx) => drawLegendMarks(ctx, t.legend.marks) });
    // The scroll's paper leaves as much room right of its words as left of the column they start in.
    const [scrollLeft, , scrollRight] = pictureBox(264, L.scroll[0], L.scroll[1]) || [0, 0, L.size[0]];
    const column = Math.min(...s.reports.map((line) => line.x));
    for (const line of s.reports) parts.push(this.textPart(line, scrollRight - (column - scrollLeft) - line.x));
    const info = this.notice.length ? { texts: this.notice, coins: [] }
      : this.hovered ? s.provinces.find((p) => p.name === this.hovered).info : t.noProvinceInfo;
    const [boxX, boxY, boxW, boxH] = L.infoBox;
    parts.push({ key: 'info box', boxes: [boxOf(L.infoBox)], draw: (ctx) => {
      ctx.fillStyle = '#000';
      ctx.fillRect(boxX, boxY, boxW, boxH);
    } });
    info.texts.forEach((line, i) => {
      const next = info.texts.slice(i + 1).find((l) => l.y === line.y && l.x > line.x);
      parts.push(this.textPart(line, (next ? next.x - 2 * margin : boxX + boxW) - line.x));
    });
    for (const [x, id] of info.coins) parts.push(pictureAt(id, x, boxY));
    for (const line of this.instructions || t.instructions) parts.push(this.textPart(line));
    if (this.dragLine) parts.push(dragLinePart(this.dragLine));
    const over = this.overlay?.();
    if (over) parts.push(over);
    // The year's news over everything, as in the window; a phone shows it in its panel.
    const news = !this.mapOnly && this.news?.();
    if (news) parts.push(news);
    return parts;
  }

  // A stack's count on its plaque (and the pennant of a marching stack).
  plaquePart(l) {
    const [left, top, w, h] = l.plaque;
    const flag = this.tables.pennant;
    const boxes = [grow([left, top, left + w, top + h], 2)];
    if (l.marching) {
      const xs = flag.corners.map(([x]) => left + x);
      const ys = flag.corners.map(([, y]) => top + y);
      boxes.push(grow([Math.min(...xs), Math.min(...ys), Math.max(...xs), Math.max(...ys)], flag.rimWidth + 2));
    }
    return { key: `plaque ${l.plaque} ${l.countText} ${l.marching}`, boxes, draw: (ctx) => {
      ctx.save();
      ctx.textAlign = 'center';
      ctx.textBaseline = 'middle';
      // Lining figures: the page's serif has old-style ones that hang below the line.
      let size = this.layout.countFont;
      do ctx.font = `bold ${size}px "DejaVu Serif", "Liberation Serif", "Times New Roman", serif`;
      while (ctx.measureText(l.countText).width > w - 4 && --size > 6);
      ctx.fillStyle = '#fffaeb';
      ctx.strokeStyle = '#3c2814';
      ctx.lineWidth = 1.2;
      ctx.fillRect(left, top, w, h);
      ctx.strokeRect(left + 0.5, top + 0.5, w - 1, h - 1);
      ctx.fillStyle = '#000';
      ctx.fillText(l.countText, left + w / 2, top + h / 2 + 1);
      if (l.marching) fillShape(ctx, flag.corners.map(([x, y]) => [left + x, top + y]), false, flag.cloth, flag.rim, flag.rimWidth);
      ctx.restore();
    } };
  }

  // The routes of the marching legions, as the engine lays them out, under the figures.
  marchParts(marches) {
    const style = this.tables.marchStyle;
    const map = boxOf(this.layout.map);
    return marches.map((march) => {
      const boxes = [...lineBoxes(march.points, style.bandWidth)];
      if (march.head.length) boxes.push(...lineBoxes([...march.head, march.head[0]], style.headRimWidth * 2));
      return { key: `march ${JSON.stringify(march)}`, boxes: boxes.map((b) => common(b, map)).filter(Boolean), draw: (ctx) => {
        ctx.save();
        ctx.beginPath();
        ctx.rect(map[0], map[1], map[2] - map[0], map[3] - map[1]);
        ctx.clip();
        ctx.lineCap = 'round';
        ctx.lineJoin = 'round';
        path(ctx, march.points);
        ctx.strokeStyle = rgbaOf(style.band);
        ctx.lineWidth = style.bandWidth;
        ctx.stroke();
        ctx.strokeStyle = rgbaOf(style.ink);
        ctx.lineWidth = style.lineWidth;
        ctx.setLineDash(style.dashes.map((d) => d * style.lineWidth));
        ctx.stroke();
        ctx.setLineDash([]);
        if (march.head.length) fillShape(ctx, march.head, true, style.ink, style.headRim, style.headRimWidth);
        ctx.restore();
      } };
    });
  }

  // A canvas of the composition's size repainted in `boxes` from `parts` (over
  // what is there). Each part draws in layout pixels, told the region in device pixels.
  paint(boxes, parts, canvas = this.composition) {
    const ctx = cpuContext(canvas);
    const d = this.deviceScale;
    for (const box of boxes) {
      // Whole device pixels, so that the region's edge is not blended.
      const x0 = Math.max(0, Math.floor(box[0] * d));
      const y0 = Math.max(0, Math.floor(box[1] * d));
      const x1 = Math.min(canvas.width, Math.ceil(box[2] * d));
      const y1 = Math.min(canvas.height, Math.ceil(box[3] * d));
      if (x0 >= x1 || y0 >= y1) continue;
      const region = [x0 / d, y0 / d, x1 / d, y1 / d];
      ctx.save();
      ctx.setTransform(1, 0, 0, 1, 0, 0);
      ctx.beginPath();
      ctx.rect(x0, y0, x1 - x0, y1 - y0);
      ctx.clip();
      ctx.setTransform(d, 0, 0, d, 0, 0);
      ctx.imageSmoothingQuality = 'high';
      ctx.font = fontOf(FontSize);
      ctx.textBaseline = 'top';
      for (const part of parts) if (!part.boxes || part.boxes.some((b) => meets(b, region))) part.draw(ctx, [x0, y0, x1, y1]);
      ctx.restore();
    }
    settle(ctx);
  }

  // The composition brought up to the screen as it stands: only where it
  // changed, or whole after a resize. Returns the boxes repainted, null for all.
  update() {
    const screen = [0, 0, ...this.layout.size];
    const all = [screen];
    const lower = this.lowerParts();
    const under = this.whole || !this.lower ? null : changedBoxes(this.lower, lower);
    const fresh = under && merged(under, screen);
    this.paint(fresh || all, lower, this.backdrop);
    this.lower = lower;
    const parts = this.parts();
    const changed = this.whole || !this.shown ? null : changedBoxes(this.shown, parts);
    const boxes = changed && fresh && merged([...changed, ...fresh], screen);
    this.whole = false;
    this.shown = parts;
    this.paint(boxes || all, parts);
    copyBoxes(this.composition, this.clean, boxes || all, this.deviceScale);
    // What steps drew over is the screen's again.
    const scribbled = boxes && merged(this.scribbled, screen);
    if (scribbled) copyBoxes(this.clean, this.composition, scribbled, this.deviceScale);
    this.scribbled = [];
    return boxes && [...boxes, ...scribbled];
  }

  // The screen as the last update composed it, in `box`: copied back only
  // where steps drew since, as elsewhere it is that already (a zoom's frame
  // taken away is its thin sides, not the millions of pixels inside them).
  // Returns the boxes it changed.
  restore(box) {
    const drawnOver = merged(this.scribbled, box);
    copyBoxes(this.clean, this.composition, drawnOver, this.deviceScale);
    return drawnOver;
  }

  // The bare map of `state` in `box` (inside the map): from the backdrop when it shows that map.
  paintBareMap(box, state) {
    const inside = common(box, boxOf(this.layout.map));
    if (!inside) return;
    const map = this.mapParts(state);
    const shown = this.lower.slice(-map.length);
    if (shown.length === map.length && map.every((p, i) => p.key === shown[i].key)) this.paint([inside], [this.shown[0]]);
    else this.paint([inside], map);
  }

  // The canvas shows the composition, in `boxes` only (null for all of it).
  present(boxes) {
    const { tiles } = this;
    if (!boxes) tiles.draw(null, (ctx) => ground(ctx, 0, 0, tiles.width, tiles.height));
    const to = this.scale * (window.devicePixelRatio || 1);
    if (Math.abs(to - this.deviceScale) > 1e-6) this.presentScaled(boxes, to);
    else this.presentCopied(boxes);
    tiles.settle();
  }

  // The composition at the screen's density: copied pixel for pixel.
  presentCopied(boxes) {
    const dpr = window.devicePixelRatio || 1;
    const d = this.deviceScale;
    const { tiles } = this;
    for (const p of this.panes) {
      const x = Math.round(p.x * dpr);
      const y = Math.round(p.y * dpr);
      const pane = [p.from.x, p.from.y, p.from.x + p.from.w, p.from.y + p.from.h];
      const [ox, oy] = [p.from.x * d, p.from.y * d];
      for (const box of boxes || [pane]) {
        const b = common(box, pane);
        if (!b) continue;
        if (Number.isInteger(ox) && Number.isInteger(oy)) {
          // Pixel for pixel where the pane starts on a whole device pixel.
          const [x0, y0] = [Math.max(ox, Math.floor(b[0] * d)), Math.max(oy, Math.floor(b[1] * d))];
          const w = Math.min(this.composition.width, Math.ceil(b[2] * d)) - x0;
          const h = Math.min(this.composition.height, Math.ceil(b[3] * d)) - y0;
          if (w > 0 && h > 0) {
            tiles.draw([x + x0 - ox, y + y0 - oy, w, h],
                       (ctx) => ctx.drawImage(this.composition, x0, y0, w, h, x + x0 - ox, y + y0 - oy, w, h));
          }
          continue;
        }
        // Elsewhere the whole pane through a clip: each pixel as a whole copy would make it.
        const left = Math.floor(x + (b[0] - p.from.x) * d) - 1;
        const top = Math.floor(y + (b[1] - p.from.y) * d) - 1;
        const clip = [left, top, Math.ceil(x + (b[2] - p.from.x) * d) + 1 - left, Math.ceil(y + (b[3] - p.from.y) * d) + 1 - top];
        tiles.draw(clip, (ctx) => {
          ctx.beginPath();
          ctx.rect(...clip);
          ctx.clip();
          ctx.drawImage(this.composition, p.from.x * d, p.from.y * d, p.from.w * d, p.from.h * d, x, y, p.from.w * d, p.from.h * d);
        });
      }
    }
  }

  // A zoom not composed at its sharpness (or sharper than a composition can
  // be): the panes scaled, `to` device pixels to a layout pixel. Where only
  // boxes changed, the whole scaled pane through a clip of each, grown by what
  // the smoothing of a changed pixel reaches: each pixel as the whole copy
  // makes it, at the cost of the box rather than of every pixel of the canvas.
  presentScaled(boxes, to) {
    const dpr = window.devicePixelRatio || 1;
    const d = this.deviceScale;
    const reach = (4 * Math.max(1, d / to) + 2) / d;
    const { tiles } = this;
    for (const p of this.panes) {
      const x = Math.round(p.x * dpr);
      const y = Math.round(p.y * dpr);
      const whole = (ctx) => {
        ctx.imageSmoothingQuality = 'high';
        ctx.drawImage(this.composition, p.from.x * d, p.from.y * d, p.from.w * d, p.from.h * d, x, y, p.from.w * to, p.from.h * to);
      };
      if (!boxes) {
        tiles.draw(null, whole);
        continue;
      }
      const pane = [p.from.x, p.from.y, p.from.x + p.from.w, p.from.y + p.from.h];
      for (const box of boxes) {
        const b = common(grow(box, reach), pane);
        if (!b) continue;
        const left = Math.floor(x + (b[0] - p.from.x) * to);
        const top = Math.floor(y + (b[1] - p.from.y) * to);
        const w = Math.ceil(x + (b[2] - p.from.x) * to) - left;
        const h = Math.ceil(y + (b[3] - p.from.y) * to) - top;
        tiles.draw([left, top, w, h], (ctx) => {
          ctx.beginPath();
          ctx.rect(left, top, w, h);
          ctx.clip();
          // On the ground the whole copy is drawn on, so that its edges blend as there.
          ground(ctx, left, top, w, h);
          whole(ctx);
        });
      }
    }
  }

  // Marks composition pixels a step drew over as no longer the screen's.
  scribble(boxes) {
    this.scribbled.push(...boxes);
    this.present(boxes);
  }

  draw() {
    // While steps play, the composition is theirs: only a resize repaints it.
    if (this.playing) {
      if (!this.whole) return;
      this.whole = false;
      const all = [[0, 0, ...this.layout.size]];
      this.paint(all, this.lower || this.lowerParts(), this.backdrop);
      this.paint(all, this.shown || this.parts());
      copyBoxes(this.composition, this.clean, all, this.deviceScale);
      this.present(null);
      return;
    }
    this.present(this.update());
  }

  // The layout point of a province's figures, as the window places them.
  legionSpot(name) {
    const [x, y] = this.provinces.get(name).figure;
    return { x: this.layout.map[0] + x, y: this.layout.map[1] + y };
  }
}

export const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
const nextFrame = () => new Promise((resolve) => requestAnimationFrame(resolve));
const HalfFrame = 8;

// A step that changed more than a frame copies twice within its time (a
// zoom's frame taken away, on a sharp screen) is shown in the frame after
// the one that drew it. What copying boxes costs, in device pixels: a row
// costs about as much again as 128 of its pixels, and a zoom's frame is the
// thin sides of a dozen rectangles, thousands of rows.
const FrameCopy = 1e6;
const copyCost = (boxes, d) => boxes.reduce((n, [x0, y0, x1, y1]) => n + (y1 - y0) * d * ((x1 - x0) * d + 128), 0);

// The engine's steps of a march, a fight, the banner or a zoom
// (client/ScreenStep.h), played as the window plays them: each changes the
// screen as it says, is shown, and stays for its pause.
export class Steps {
  constructor(screen, sound) {
    this.screen = screen;
    this.sound = sound;
  }

  // Each step repaints only what it changes and shows only that: a frame of
  // a march costs its soldier's rectangle, not the screen.
  async play(steps) {
    const s = this.screen;
    performance.clearMeasures('aurovane-step');
    // Composed at the start of a frame too, not in the engine's turn.
    await nextFrame();
    s.present(s.update());
    const before = s.shown;
    // Figures lifted off the composed screen: the bare map of the state then, there.
    let lifts = [];
    let due = performance.now();
    s.playing = true;
    try {
      for (const step of steps) {
        // Each step drawn at the start of a frame, never in the engine's turn:
        // the frame nearest the moment the step before it was to end.
        await sleep(due - performance.now() - HalfFrame);
        await nextFrame();
        const start = performance.now();
        if (step.sound !== undefined) this.sound(step.sound);
        if (step.compose) {
          s.present(s.update());
          lifts = [];
        }
        if (step.lift) lifts.push({ box: boxOf(step.lift), state: s.state });
        const drawn = [];
        if (step.restore) {
          const box = boxOf(step.restore);
          if (step.backdrop === 'bareMap') {
            s.paintBareMap(box, s.state);
            drawn.push(box);
          } else if (step.backdrop === 'before') {
            s.paint([box], before);
            drawn.push(box);
          } else {
            drawn.push(...s.restore(box));
            if (step.backdrop === 'screen') {
              for (const lift of lifts) {
                const under = common(lift.box, box);
                if (under) {
                  s.paintBareMap(under, lift.state);
                  drawn.push(under);
                }
              }
            }
          }
        }
        if (step.picture) {
          const box = pictureBox(step.picture, ...step.at);
          if (box) {
            s.paint([box], [{ boxes: null, draw: (ctx) => drawPicture(ctx, step.picture, step.at[0], step.at[1], step.mirror) }]);
            drawn.push(box);
          }
        }
        if (step.outline) {
          const [x, y, w, h] = step.outline;
          const sides = sideBoxes([x, y, x + w + 1, y + h + 1], 1);
          s.paint(sides, [{ boxes: null, draw: (ctx) => {
            ctx.strokeStyle = '#000';
            ctx.lineWidth = 1;
            ctx.strokeRect(x + 0.5, y + 0.5, w, h);
          } }]);
          drawn.push(...sides);
        }
        // For the benchmark: what each frame of the choreography costs the page.
        let shownFrom = start;
        if (copyCost(drawn, s.deviceScale) > FrameCopy) {
          performance.measure('aurovane-step', { start });
          await nextFrame();
          shownFrom = performance.now();
        }
        s.scribble(drawn);
        performance.measure('aurovane-step', { start: shownFrom });
        due = start + (step.pause || 0);
      }
      await sleep(due - performance.now());
    } finally {
      s.playing = false;
      s.draw();
    }
  }
}
