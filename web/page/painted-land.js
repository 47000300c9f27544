// The provinces' painted shapes for the engine, which reads a drop and the
// information line from them as the window does: each plain tint drawn at its
// table size, and its opacity handed over as it arrives. Until then, or where
// a browser will not read a picture back, the rules' rectangles answer.
import { picture } from './pictures.js';

// A picture's opacity drawn at a size, a byte a pixel (throws where the browser will not read it back).
export function alphaOf(image, width, height) {
  const canvas = document.createElement('canvas');
  canvas.width = width;
  canvas.height = height;
  const ctx = canvas.getContext('2d', { willReadFrequently: true });
  ctx.drawImage(image, 0, 0, width, height);
  const rgba = ctx.getImageData(0, 0, width, height).data;
  const alpha = new Uint8Array(width * height);
  for (let i = 0; i < alpha.length; ++i) alpha[i] = rgba[4 * i + 3];
  return alpha;
}

export function handOverPaintedLand(api, tints) {
  return Promise.all(tints.map(async (tint) => {
    const image = await picture(tint.pictures[0]).ready;
    if (!image) return;
    let alpha;
    try {
      alpha = alphaOf(image, tint.width, tint.height);
    } catch {
      return;  // a page opened from the disk may not read its pictures back
    }
    api.paintProvince(tint.name, alpha);
  }));
}
