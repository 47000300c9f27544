// The pattern each holder other than Rome lays over its land, so that colour
// is never the only cue: drawn over the province's tint on the map and in the
// legend's swatches. The table is the engine's ([pattern, spacing, thickness],
// client/HolderMarks.h); here only how a pattern is drawn.
import { picture } from './pictures.js';

const Pattern = { None: 0, Dots: 1, Diagonal: 2, Cross: 3, Horizontal: 4 };
const Ink = 'rgba(32, 20, 8, 0.62)';
// The masks are made at twice the layout's pixels, sharp on a dense screen too.
const Density = 2;

// The pattern's strokes over a w x h area whose top left corner lies at
// (originX, originY) of the whole map, so that neighbours' stripes line up.
function strokePattern(ctx, [pattern, spacing, thickness], w, h, originX = 0, originY = 0) {
  if (pattern === Pattern.None || spacing <= 0) return;
  ctx.save();
  ctx.fillStyle = Ink;
  ctx.strokeStyle = Ink;
  ctx.lineWidth = thickness;
  ctx.translate(-originX, -originY);
  const x0 = Math.floor(originX / spacing) * spacing - spacing;
  const y0 = Math.floor(originY / spacing) * spacing - spacing;
  const x1 = originX + w + spacing;
  const y1 = originY + h + spacing;
  if (pattern === Pattern.Dots) {
    for (let y = y0; y < y1; y += spacing)
      for (let x = x0 + ((y / spacing) % 2 ? spacing / 2 : 0); x < x1; x += spacing) ctx.fillRect(x, y, thickness, thickness);
  } else {
    ctx.beginPath();
    if (pattern === Pattern.Horizontal) {
      for (let y = y0; y < y1; y += spacing) {
        ctx.moveTo(x0, y);
        ctx.lineTo(x1, y);
      }
    } else {
      // Rising to the right: x + y = c; falling (the cross's other half): x - y = c.
      const first = (c) => Math.floor(c / spacing) * spacing;
      for (let c = first(x0 + y0); c <= x1 + y1; c += spacing) {
        ctx.moveTo(c - y1, y1);
        ctx.lineTo(c - y0, y0);
      }
      if (pattern === Pattern.Cross) {
        for (let c = first(x0 - y1); c <= x1 - y0; c += spacing) {
          ctx.moveTo(c + y0, y0);
          ctx.lineTo(c + y1, y1);
        }
      }
    }
    ctx.stroke();
  }
  ctx.restore();
}

const masks = new Map();

// The pattern of holder `mark` cut to a province's painted shape (its plain
// tint's opacity), made once per province and pattern: null where the holder
// lays none, or until the tint has arrived.
export function holderMark(tint, mark) {
  if (!mark || mark[0] === Pattern.None) return null;
  const key = `${tint.name}/${mark.join(',')}`;
  if (masks.has(key)) return masks.get(key);
  const { bitmap } = picture(tint.pictures[0]);
  if (!bitmap) return null;
  const canvas = document.createElement('canvas');
  canvas.width = tint.width * Density;
  canvas.height = tint.height * Density;
  const ctx = canvas.getContext('2d');
  ctx.scale(Density, Density);
  ctx.drawImage(bitmap, 0, 0, tint.width, tint.height);
  ctx.globalCompositeOperation = 'source-in';
  strokePattern(ctx, mark, tint.width, tint.height, tint.mapX, tint.mapY);
  masks.set(key, canvas);
  return canvas;
}

// The legend's swatches: a pale ground, the pattern, a rim.
export function drawLegendMarks(ctx, marks) {
  for (const { box: [x, y, w, h], mark } of marks) {
    ctx.save();
    ctx.fillStyle = '#f4ecd8';
    ctx.fillRect(x, y, w, h);
    ctx.beginPath();
    ctx.rect(x, y, w, h);
    ctx.clip();
    ctx.translate(x, y);
    strokePattern(ctx, mark, w, h);
    ctx.restore();
    ctx.strokeStyle = '#fff';
    ctx.lineWidth = 1;
    ctx.strokeRect(x + 0.5, y + 0.5, w - 1, h - 1);
  }
}
