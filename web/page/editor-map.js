// The editor's map: the game's screen composed as the game page composes it,
// shown by its map frame alone, with the selected province picked out.
import { picture } from './pictures.js';
import { grow } from './regions.js';
import { Screen } from './screen.js';

export class EditorMap extends Screen {
  fitToWindow() {
    const holder = this.canvas.parentElement;
    const dpr = window.devicePixelRatio || 1;
    const [fx, fy, fw, fh] = this.layout.mapFrame;
    const from = { x: fx, y: fy, w: fw + 1, h: fh + 1 };
    this.scale = Math.min(holder.clientWidth / from.w, holder.clientHeight / from.h);
    this.panes = [{ from, x: 0, y: 0 }];
    this.deviceScale = this.scale * dpr;
    this.cssWidth = Math.floor(from.w * this.scale);
    this.cssHeight = Math.floor(from.h * this.scale);
    this.canvas.style.width = `${this.cssWidth}px`;
    this.canvas.style.height = `${this.cssHeight}px`;
    this.tiles.size(Math.round(this.cssWidth * dpr), Math.round(this.cssHeight * dpr), 0, 0, dpr);
    this.sizeComposition();
  }

  // The selected province: its land lit in gold where its shape is drawn,
  // and a ring at its figures' place, which every province has.
  parts() {
    const parts = super.parts();
    if (!this.selected || !this.state) return parts;
    const [mapX, mapY] = this.layout.map;
    const tint = this.tints.get(this.selected);
    const lit = tint && this.litLand(tint);
    if (lit) {
      const [x, y] = [mapX + tint.mapX, mapY + tint.mapY];
      parts.push({ key: `lit ${tint.name}`, boxes: [[x, y, x + tint.width, y + tint.height]],
                   draw: (ctx) => ctx.drawImage(lit, x, y) });
    }
    const spot = this.legionSpot(this.selected);
    const [cx, cy] = [spot.x + 12, spot.y + 14];
    parts.push({ key: `ring ${cx},${cy}`, boxes: [grow([cx, cy, cx, cy], 24)], draw: (ctx) => {
      ctx.strokeStyle = '#ffd640';
      ctx.lineWidth = 3;
      ctx.beginPath();
      ctx.arc(cx, cy, 22, 0, 2 * Math.PI);
      ctx.stroke();
    } });
    return parts;
  }

  // A province's shape in gold, made once it has arrived.
  litLand(tint) {
    this.lit = this.lit || new Map();
    if (this.lit.has(tint.name)) return this.lit.get(tint.name);
    const { bitmap } = picture(tint.pictures[0]);
    if (!bitmap) return null;
    const lit = document.createElement('canvas');
    lit.width = tint.width;
    lit.height = tint.height;
    const l = lit.getContext('2d');
    l.drawImage(bitmap, 0, 0, tint.width, tint.height);
    l.globalCompositeOperation = 'source-in';
    l.fillStyle = 'rgba(255, 214, 64, 0.55)';
    l.fillRect(0, 0, tint.width, tint.height);
    this.lit.set(tint.name, lit);
    return lit;
  }
}
