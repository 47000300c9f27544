// The editor's map: the game's screen composed as the game page composes it,
// shown by its map frame alone, with the selected province picked out.
import { picture } from './pictures.js';
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
    this.canvas.width = Math.round(this.cssWidth * dpr);
    this.canvas.height = Math.round(this.cssHeight * dpr);
    const [layoutWidth, layoutHeight] = this.layout.size;
    this.composition.width = Math.round(layoutWidth * this.deviceScale);
    this.composition.height = Math.round(layoutHeight * this.deviceScale);
    this.draw();
  }

  // The selected province: its land lit in gold where its shape is drawn,
  // and a ring at its figures' place, which every province has.
  compose() {
    super.compose();
    if (!this.selected || !this.state) return;
    const ctx = this.composition.getContext('2d');
    const [mapX, mapY] = this.layout.map;
    const tint = this.tints.get(this.selected);
    const image = tint && picture(tint.pictures[0]).image;
    if (image?.complete && image.naturalWidth) {
      const lit = document.createElement('canvas');
      lit.width = tint.width;
      lit.height = tint.height;
      const l = lit.getContext('2d');
      l.drawImage(image, 0, 0, tint.width, tint.height);
      l.globalCompositeOperation = 'source-in';
      l.fillStyle = 'rgba(255, 214, 64, 0.55)';
      l.fillRect(0, 0, tint.width, tint.height);
      ctx.drawImage(lit, mapX + tint.mapX, mapY + tint.mapY);
    }
    const spot = this.legionSpot(this.selected);
    ctx.strokeStyle = '#ffd640';
    ctx.lineWidth = 3;
    ctx.beginPath();
    ctx.arc(spot.x + 12, spot.y + 14, 22, 0, 2 * Math.PI);
    ctx.stroke();
  }
}
