// The game's pictures, fetched once by id from bitmaps/. Pictures not needed
// for the first frame (the tints, the animations) come when first drawn, and
// the screen is drawn again as each arrives.
const cache = new Map();
let arrived = () => {};

export function whenPictureArrives(callback) {
  arrived = callback;
}

export function picture(id) {
  if (!cache.has(id)) {
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
    image.src = `bitmaps/${id}.png`;
    cache.set(id, { image, ready });
  }
  return cache.get(id);
}

// Waits until every picture of `ids` is loaded (or known missing).
export function loadPictures(ids) {
  return Promise.all([...new Set(ids)].map((id) => picture(id).ready));
}

// Draws a picture at (x, y) in its natural size, mirrored about its own middle if asked.
export function drawPicture(ctx, id, x, y, mirror = false) {
  const { image } = picture(id);
  if (!image.complete || !image.naturalWidth) return;
  if (!mirror) {
    ctx.drawImage(image, x, y);
    return;
  }
  ctx.save();
  ctx.translate(x + image.naturalWidth, y);
  ctx.scale(-1, 1);
  ctx.drawImage(image, 0, 0);
  ctx.restore();
}
