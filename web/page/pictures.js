// The game's pictures, fetched once from bitmaps/: each in its own size and,
// for a sharp screen at high density, its twin at twice the size. Pictures
// not needed for the first frame come when first drawn, and the screen is
// drawn again as each arrives.
const cache = new Map();
let arrived = () => {};
let density = 1;

export function whenPictureArrives(callback) {
  arrived = callback;
}

// 2 where a layout pixel covers more than one and a half device pixels.
export function setPictureDensity(deviceScale) {
  density = deviceScale > 1.5 ? 2 : 1;
}

function load(id, scale) {
  const key = `${id}@${scale}`;
  if (!cache.has(key)) {
    const image = new Image();
    image.decoding = 'async';
    const ready = new Promise((resolve) => {
      image.onload = () => {
        resolve(image);
        arrived();
      };
      // A missing picture leaves a gap rather than stopping the game.
      image.onerror = () => resolve(null);
    });
    image.src = scale === 1 ? `bitmaps/${id}.png` : `bitmaps/${id}@${scale}x.png`;
    cache.set(key, { image, ready });
  }
  return cache.get(key);
}

// A picture in its own size, or its twin at `scale` 2.
export function picture(id, scale = 1) {
  return load(id, scale);
}

// Waits until every picture of `ids` is loaded (or known missing).
export function loadPictures(ids) {
  return Promise.all([...new Set(ids)].map((id) => picture(id).ready));
}

const usable = (image) => image.complete && image.naturalWidth > 0;

// Draws a picture at (x, y) in its own size, mirrored about its own middle if
// asked: the sharp twin once it is there, the plain one until then.
export function drawPicture(ctx, id, x, y, mirror = false) {
  let scale = density;
  let { image } = load(id, scale);
  if (!usable(image) && scale !== 1) {
    scale = 1;
    image = load(id, 1).image;
  }
  if (!usable(image)) return;
  const w = image.naturalWidth / scale;
  const h = image.naturalHeight / scale;
  if (!mirror) {
    ctx.drawImage(image, x, y, w, h);
    return;
  }
  ctx.save();
  ctx.translate(x + w, y);
  ctx.scale(-1, 1);
  ctx.drawImage(image, 0, 0, w, h);
  ctx.restore();
}
