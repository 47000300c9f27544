// The canvases that show the screen. A large screen at a high density (a
// 5120x2880 canvas) is cut into tiles, each a canvas of its own laid over the
// screen's: a change is then rasterised, uploaded and composited only in the
// tiles it touches, each on its own, rather than as one whole canvas's bitmap
// in one long task. The screen's canvas stays under them for the pointer.
import { cpuContext, settle } from './cpu-canvas.js';
import { boxOf, meets } from './regions.js';

// The canvas a tile is at most, in device pixels; below twice that, one canvas.
const TileWidth = 1024;
const TileHeight = 720;

const offscreen = (canvas) => (canvas.transferControlToOffscreen ? canvas.transferControlToOffscreen() : canvas);

export class Tiles {
  constructor(canvas) {
    this.canvas = canvas;
    this.whole = { x: 0, y: 0, view: offscreen(canvas) };
    this.extra = [];          // the tiles' own canvases, when cut
    this.list = [this.whole];
    this.drawn = new Set();   // the tiles' contexts drawn on and not yet settled
    this.width = 0;
    this.height = 0;
  }

  // The screen's canvas `width` x `height` device pixels at CSS (left, top) in
  // its parent. Tiles only where each sits on whole device pixels, so that
  // their seams show nothing of the cut.
  size(width, height, left, top, dpr) {
    this.width = width;
    this.height = height;
    const cut = (width >= 2 * TileWidth || height >= 2 * TileHeight) && Number.isInteger(dpr)
      && Number.isInteger(left * dpr) && Number.isInteger(top * dpr);
    for (const tile of this.extra) tile.element.remove();
    this.extra = [];
    if (!cut) {
      this.whole.view.width = width;
      this.whole.view.height = height;
      this.list = [this.whole];
      return;
    }
    // The screen's own canvas shows nothing under them.
    this.whole.view.width = 1;
    this.whole.view.height = 1;
    // Tiles of whole CSS pixels, so that each lands on whole device pixels.
    const step = (most) => Math.floor(most / dpr) * dpr;
    let after = this.canvas;
    for (let y = 0; y < height; y += step(TileHeight)) {
      for (let x = 0; x < width; x += step(TileWidth)) {
        const element = document.createElement('canvas');
        const w = Math.min(step(TileWidth), width - x);
        const h = Math.min(step(TileHeight), height - y);
        Object.assign(element.style, { position: 'absolute', pointerEvents: 'none', left: `${left + x / dpr}px`,
                                       top: `${top + y / dpr}px`, width: `${w / dpr}px`, height: `${h / dpr}px` });
        element.setAttribute('aria-hidden', 'true');
        after.after(element);
        after = element;
        const view = offscreen(element);
        view.width = w;
        view.height = h;
        this.extra.push({ x, y, view, element });
      }
    }
    this.list = this.extra;
  }

  // `draw(ctx)` in the screen's device pixels on every tile that meets the
  // device rectangle [x, y, w, h] (every tile for null).
  draw(rect, draw) {
    for (const tile of this.list) {
      const { x, y, view } = tile;
      if (rect && !meets(boxOf(rect), [x, y, x + view.width, y + view.height])) continue;
      const ctx = cpuContext(view);
      ctx.save();
      ctx.setTransform(1, 0, 0, 1, -x, -y);
      draw(ctx);
      ctx.restore();
      this.drawn.add(ctx);
    }
  }

  // What the tiles were told to draw since, rasterised now, once each.
  settle() {
    for (const ctx of this.drawn) settle(ctx);
    this.drawn.clear();
  }
}
