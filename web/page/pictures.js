// The game's pictures, fetched once from bitmaps/ (WebP, made at build time
// from the game's PNGs without a pixel changed): each in its own size and,
// for a sharp screen at high density, its twin at twice the size. Each is
// decoded off the main thread into a bitmap before it is first drawn, so that
// no frame waits for a decoder. Pictures not needed for the first frame come
// when first drawn, and the screen is drawn again where each arrives.
const cache = new Map();
let arrived = () => {};
let density = 1;
// The pictures drawn in the page's language (its lessons'), from bitmaps/<code>/.
let language = '';
let inLanguage = new Set();

export function setPictureLanguage(code, ids) {
  language = code;
  inLanguage = new Set(ids);
}

export function whenPictureArrives(callback) {
  arrived = callback;
}

// 2 where a layout pixel covers more than one and a half device pixels.
export function setPictureDensity(deviceScale) {
  density = deviceScale > 1.5 ? 2 : 1;
}

async function fetchBitmap(url) {
  const response = await fetch(url);
  return response.ok ? createImageBitmap(await response.blob()) : null;
}

function load(id, scale) {
  const key = `${id}@${scale}`;
  if (!cache.has(key)) {
    const entry = { bitmap: null };
    // A missing picture leaves a gap rather than stopping the game.
    const folder = inLanguage.has(id) ? `bitmaps/${language}` : 'bitmaps';
    entry.ready = fetchBitmap(scale === 1 ? `${folder}/${id}.webp` : `${folder}/${id}@${scale}x.webp`)
      .catch(() => null)
      .then((bitmap) => {
        entry.bitmap = bitmap;
        if (bitmap) arrived(id);
        return bitmap;
      });
    cache.set(key, entry);
  }
  return cache.get(key);
}

// A picture in its own size, or its twin at `scale` 2: { bitmap (null until
// decoded), ready (resolves with the bitmap, or null where it is missing) }.
export function picture(id, scale = 1) {
  return load(id, scale);
}

// Waits until every picture of `ids` is decoded (or known missing).
export function loadPictures(ids) {
  return Promise.all([...new Set(ids)].map((id) => picture(id).ready));
}

// The bitmap drawn for a picture now, and its density: the sharp twin once it
// is there, the plain one until then; null before either has arrived.
function shown(id) {
  if (density !== 1) {
    const { bitmap } = load(id, density);
    if (bitmap) return { bitmap, scale: density };
  }
  const { bitmap } = load(id, 1);
  return bitmap && { bitmap, scale: 1 };
}

// Where the screen is drawn only where it changes: what a picture at (x, y)
// looks like now ('' before it has arrived) and the layout rectangle
// [x0, y0, x1, y1] it covers (null before it has arrived).
export function pictureLook(id) {
  const s = shown(id);
  return s ? `${id}@${s.scale}` : '';
}

export function pictureBox(id, x, y) {
  const s = shown(id);
  return s && [x, y, x + s.bitmap.width / s.scale, y + s.bitmap.height / s.scale];
}

// Draws a picture at (x, y) in its own size, mirrored about its own middle if asked.
export function drawPicture(ctx, id, x, y, mirror = false) {
  const s = shown(id);
  if (!s) return false;
  const w = s.bitmap.width / s.scale;
  const h = s.bitmap.height / s.scale;
  if (!mirror) {
    ctx.drawImage(s.bitmap, x, y, w, h);
    return true;
  }
  ctx.save();
  ctx.translate(x + w, y);
  ctx.scale(-1, 1);
  ctx.drawImage(s.bitmap, 0, 0, w, h);
  ctx.restore();
  return true;
}
