// The map screen on a canvas: the same composition as the window's, in its
// layout pixels, shown letterboxed and sharp at any size; on a phone the map
// alone, zoomed and panned. Every place of the window's screen comes from the
// engine's tables (tables.layout, the provinces' figures).
import { drawHolderMarks, drawLegendMarks } from './marks.js';
import { drawPicture, setPictureDensity } from './pictures.js';

const FontSize = 16;
// How far the map view zooms in, and the sharpest composition it draws (a
// 1366-wide layout at 3 device pixels a layout pixel is a canvas of 4098).
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

export class Screen {
  constructor(canvas, tables) {
    this.canvas = canvas;
    this.tables = tables;
    this.provinces = new Map(tables.provinces.map((p) => [p.name, p]));
    this.tints = new Map(tables.tints.map((t) => [t.name, t]));
    this.layout = tables.layout;
    this.composition = document.createElement('canvas');
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
    this.canvas.style.left = this.mapOnly ? '0px' : `${Math.max(0, (width - this.cssWidth) / 2)}px`;
    this.canvas.style.top = this.mapOnly ? '0px' : `${Math.max(0, (height - this.cssHeight) / 2)}px`;
    this.canvas.width = Math.round(this.cssWidth * dpr);
    this.canvas.height = Math.round(this.cssHeight * dpr);
    this.place();
    this.setDensity();
    this.draw();
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
  // asks, within what a canvas holds.
  setDensity() {
    const wanted = Math.min(MaxDensity, this.scale * (window.devicePixelRatio || 1));
    if (wanted === this.deviceScale) return false;
    this.deviceScale = wanted;
    setPictureDensity(wanted);
    this.composition.width = Math.round(this.layout.size[0] * wanted);
    this.composition.height = Math.round(this.layout.size[1] * wanted);
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

  // While the fingers move, the composition is only shown again; once they
  // rest a while it is drawn at the sharpness of the new zoom.
  moved() {
    this.place();
    this.show();
    clearTimeout(this.sharpen);
    // Not under steps playing: they keep copies of the composition at its density.
    const sharpen = () => {
      if (this.playing) this.sharpen = setTimeout(sharpen, 250);
      else if (this.setDensity()) this.draw();
    };
    this.sharpen = setTimeout(sharpen, 250);
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

  // The bare map: its picture and the tints of the provinces Rome does not
  // hold, each with its holder's pattern over it.
  drawMap(ctx) {
    const [mapX, mapY] = this.layout.map;
    drawPicture(ctx, 111, mapX, mapY);
    for (const p of this.state.provinces) {
      const tint = p.tint && this.tints.get(p.name);
      if (tint) drawPicture(ctx, p.tint, mapX + tint.mapX, mapY + tint.mapY);
    }
    drawHolderMarks(ctx, this.state.provinces, this.tints, mapX, mapY);
  }

  // Drawn with the next frame: an order's states come faster than frames,
  // and only the last before a frame is ever seen.
  setState(state) {
    this.state = state;
    if (this.drawQueued) return;
    this.drawQueued = true;
    requestAnimationFrame(() => {
      this.drawQueued = false;
      this.draw();
    });
  }

  text(ctx, line) {
    ctx.fillStyle = colourOf(line.colour);
    ctx.fillText(line.text, line.x, line.y);
  }

  compose() {
    const ctx = this.composition.getContext('2d');
    const t = this.tables;
    const s = this.state;
    ctx.setTransform(this.deviceScale, 0, 0, this.deviceScale, 0, 0);
    ctx.imageSmoothingQuality = 'high';
    ctx.font = `${FontSize}px "EB Garamond", Georgia, serif`;
    ctx.textBaseline = 'top';
    const L = this.layout;
    ctx.fillStyle = '#000';
    ctx.fillRect(0, 0, L.size[0], L.size[1]);
    drawPicture(ctx, 264, L.scroll[0], L.scroll[1]);
    if (!s) {
      drawPicture(ctx, 111, L.map[0], L.map[1]);
      return;
    }
    this.drawMap(ctx);
    if (s.year >= 313) drawPicture(ctx, 251, t.constantinople[0], t.constantinople[1]);
    this.drawMarches(ctx);
    // As in the window: the figures in the engine's order, the last on top,
    // then their counts on the engine's plaques, where a press reads them.
    const shown = s.figures.map((name) => s.provinces.find((p) => p.name === name));
    for (const p of shown) {
      const spot = this.legionSpot(p.name);
      for (const l of p.legions) drawPicture(ctx, l.picture, spot.x, spot.y);
    }
    ctx.save();
    ctx.textAlign = 'center';
    ctx.textBaseline = 'middle';
    for (const p of shown) {
      for (const l of p.legions) {
        // Lining figures: the page's serif has old-style ones that hang below the line.
        const [left, top, w, h] = l.plaque;
        let size = L.countFont;
        do ctx.font = `bold ${size}px "DejaVu Serif", "Liberation Serif", "Times New Roman", serif`;
        while (ctx.measureText(l.countText).width > w - 4 && --size > 6);
        ctx.fillStyle = '#fffaeb';
        ctx.strokeStyle = '#3c2814';
        ctx.lineWidth = 1.2;
        ctx.fillRect(left, top, w, h);
        ctx.strokeRect(left + 0.5, top + 0.5, w - 1, h - 1);
        ctx.fillStyle = '#000';
        ctx.fillText(l.countText, left + w / 2, top + h / 2 + 1);
        if (l.marching) this.drawPennant(ctx, left, top);
      }
    }
    ctx.restore();
    // The legend, the frames around the map and the information line.
    ctx.strokeStyle = '#fff';
    ctx.lineWidth = 1;
    for (const [x, y, w, h] of [L.mapFrame, L.infoFrame]) ctx.strokeRect(x + 0.5, y + 0.5, w, h);
    for (const [x, y, id] of t.legend.pictures) drawPicture(ctx, id, x, y);
    for (const line of t.legend.texts) this.text(ctx, line);
    drawLegendMarks(ctx, t.legend.marks);
    for (const line of s.reports) this.text(ctx, line);
    const info = this.notice.length ? { texts: this.notice, coins: [] }
      : this.hovered ? s.provinces.find((p) => p.name === this.hovered).info : t.noProvinceInfo;
    const [boxX, boxY, boxW, boxH] = L.infoBox;
    ctx.fillStyle = '#000';
    ctx.fillRect(boxX, boxY, boxW, boxH);
    for (const line of info.texts) this.text(ctx, line);
    for (const [x, id] of info.coins) drawPicture(ctx, id, x, boxY);
    for (const line of this.instructions || t.instructions) this.text(ctx, line);
    if (this.dragLine) {
      const [x0, y0, x1, y1] = this.dragLine;
      ctx.strokeStyle = 'rgba(255, 240, 160, 0.9)';
      ctx.lineWidth = 3;
      ctx.setLineDash([8, 6]);
      ctx.beginPath();
      ctx.moveTo(x0, y0);
      ctx.lineTo(x1, y1);
      ctx.stroke();
      ctx.setLineDash([]);
    }
  }

  // The routes of the marching legions, as the engine lays them out, under the figures.
  drawMarches(ctx) {
    const style = this.tables.marchStyle;
    const [mapX, mapY, mapW, mapH] = this.layout.map;
    ctx.save();
    ctx.beginPath();
    ctx.rect(mapX, mapY, mapW, mapH);
    ctx.clip();
    ctx.lineCap = 'round';
    ctx.lineJoin = 'round';
    for (const march of this.state.marches) {
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
    }
    ctx.restore();
  }

  // The pennant of a marching stack over its count's plaque.
  drawPennant(ctx, left, top) {
    const flag = this.tables.pennant;
    ctx.save();
    fillShape(ctx, flag.corners.map(([x, y]) => [left + x, top + y]), false, flag.cloth, flag.rim, flag.rimWidth);
    ctx.restore();
  }

  draw() {
    if (!this.playing) this.compose();
    this.show();
  }

  // The composition shown through the panes as it stands.
  show() {
    const ctx = this.canvas.getContext('2d');
    const dpr = window.devicePixelRatio || 1;
    ctx.setTransform(1, 0, 0, 1, 0, 0);
    ctx.fillStyle = '#000';
    ctx.fillRect(0, 0, this.canvas.width, this.canvas.height);
    const d = this.deviceScale;
    const to = this.scale * dpr;
    ctx.imageSmoothingQuality = 'high';
    for (const p of this.panes) {
      ctx.drawImage(this.composition, p.from.x * d, p.from.y * d, p.from.w * d, p.from.h * d,
                    Math.round(p.x * dpr), Math.round(p.y * dpr), p.from.w * to, p.from.h * to);
    }
  }

  // The layout point of a province's figures, as the window places them.
  legionSpot(name) {
    const [x, y] = this.provinces.get(name).figure;
    return { x: this.layout.map[0] + x, y: this.layout.map[1] + y };
  }
}

export const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// The engine's steps of a march, a fight, the banner or a zoom
// (client/ScreenStep.h), played as the window plays them: each changes the
// screen as it says, is shown, and stays for its pause.
export class Steps {
  constructor(screen, sound) {
    this.screen = screen;
    this.sound = sound;
  }

  async play(steps) {
    const s = this.screen;
    s.compose();
    const before = copyOf(s.composition);
    let under = copyOf(s.composition);
    s.playing = true;
    try {
      for (const step of steps) {
        if (step.sound !== undefined) this.sound(step.sound);
        if (step.compose) {
          s.compose();
          under = copyOf(s.composition);
        }
        if (step.lift) this.inRect(under, step.lift, (ctx) => s.drawMap(ctx));
        if (step.restore) {
          const from = { screen: under, before }[step.backdrop];
          this.inRect(s.composition, step.restore, (ctx) => (from ? ctx.drawImage(from, 0, 0, ...s.layout.size) : s.drawMap(ctx)));
        }
        if (step.picture) this.inRect(s.composition, null, (ctx) => drawPicture(ctx, step.picture, step.at[0], step.at[1], step.mirror));
        if (step.outline) {
          this.inRect(s.composition, null, (ctx) => {
            const [x, y, w, h] = step.outline;
            ctx.strokeStyle = '#000';
            ctx.lineWidth = 1;
            ctx.strokeRect(x + 0.5, y + 0.5, w, h);
          });
        }
        s.draw();
        if (step.pause) await sleep(step.pause);
      }
    } finally {
      s.playing = false;
      s.draw();
    }
  }

  // Draws on a canvas of the composition's size in layout pixels, within a layout rectangle when one is given.
  inRect(canvas, rect, draw) {
    const ctx = canvas.getContext('2d');
    ctx.save();
    ctx.setTransform(this.screen.deviceScale, 0, 0, this.screen.deviceScale, 0, 0);
    if (rect) {
      ctx.beginPath();
      ctx.rect(...rect);
      ctx.clip();
    }
    draw(ctx);
    ctx.restore();
  }
}

function copyOf(canvas) {
  const copy = document.createElement('canvas');
  copy.width = canvas.width;
  copy.height = canvas.height;
  copy.getContext('2d').drawImage(canvas, 0, 0);
  return copy;
}
