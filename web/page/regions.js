// What the screen repaints: the composition is kept, and a change repaints
// only the layout rectangles it touches. A box is [x0, y0, x1, y1] in layout
// pixels. The screen is a list of parts drawn in order, each { key, boxes,
// draw }: the key says all of what the part looks like and where, the boxes
// cover every pixel it may touch (null for a part that is the same in every
// screen and is drawn under or over every region repainted).

export const boxOf = ([x, y, w, h]) => [x, y, x + w, y + h];
export const grow = ([x0, y0, x1, y1], by) => [x0 - by, y0 - by, x1 + by, y1 + by];
export const meets = (a, b) => a[0] < b[2] && b[0] < a[2] && a[1] < b[3] && b[1] < a[3];
const area = ([x0, y0, x1, y1]) => (x1 - x0) * (y1 - y0);
const union = (a, b) => [Math.min(a[0], b[0]), Math.min(a[1], b[1]), Math.max(a[2], b[2]), Math.max(a[3], b[3])];

export function common(a, b) {
  const c = [Math.max(a[0], b[0]), Math.max(a[1], b[1]), Math.min(a[2], b[2]), Math.min(a[3], b[3])];
  return c[0] < c[2] && c[1] < c[3] ? c : null;
}

// A frame's four sides, `width` wide: a long thin line repaints little.
export function sideBoxes([x0, y0, x1, y1], width) {
  return [[x0, y0, x1, y0], [x0, y1, x1, y1], [x0, y0, x0, y1], [x1, y0, x1, y1]].map((b) => grow(b, width));
}

// A line through `points`, `width` wide, in short pieces, so that a long
// diagonal repaints a band along itself rather than its whole bounding box.
export function lineBoxes(points, width) {
  const boxes = [];
  const half = width / 2 + 2;
  for (let i = 1; i < points.length; ++i) {
    const [ax, ay] = points[i - 1];
    const [bx, by] = points[i];
    const pieces = Math.max(1, Math.ceil(Math.hypot(bx - ax, by - ay) / 32));
    for (let k = 0; k < pieces; ++k) {
      const [x0, y0] = [ax + ((bx - ax) * k) / pieces, ay + ((by - ay) * k) / pieces];
      const [x1, y1] = [ax + ((bx - ax) * (k + 1)) / pieces, ay + ((by - ay) * (k + 1)) / pieces];
      boxes.push(grow([Math.min(x0, x1), Math.min(y0, y1), Math.max(x0, x1), Math.max(y0, y1)], half));
    }
  }
  return boxes;
}

// The boxes of the parts that came, went or changed their place in the
// order between two screens; null where everything may have changed (a part
// without boxes came or went, as when the first position is shown).
export function changedBoxes(before, after) {
  const boxes = [];
  let everything = false;
  const counts = (parts) => parts.reduce((m, p) => m.set(p.key, (m.get(p.key) || 0) + 1), new Map());
  // Each screen's parts also in the other, in its own order; the rest changed.
  const kept = (parts, other) => parts.filter((p) => {
    const n = other.get(p.key);
    if (n) other.set(p.key, n - 1);
    else if (p.boxes) boxes.push(...p.boxes);
    else everything = true;
    return n;
  });
  const stayed = kept(after, counts(before));
  const went = kept(before, counts(after));
  // Parts whose order changed (a figure now drawn over another) repaint both.
  for (let i = 0; i < stayed.length; ++i) {
    if (stayed[i].key === went[i].key) continue;
    if (stayed[i].boxes && went[i].boxes) boxes.push(...stayed[i].boxes, ...went[i].boxes);
    else everything = true;
  }
  return everything ? null : boxes;
}

// Boxes that overlap made one where that adds little area, each cut to `bounds`.
export function merged(boxes, bounds) {
  const out = [];
  for (const box of boxes) {
    let b = common(box, bounds);
    if (!b) continue;
    for (let i = 0; i < out.length;) {
      const u = union(out[i], b);
      if (meets(out[i], b) && area(u) <= 1.25 * (area(out[i]) + area(b))) {
        b = u;
        out.splice(i, 1);
        i = 0;
      } else {
        ++i;
      }
    }
    out.push(b);
  }
  return out;
}
