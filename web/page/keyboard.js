// The keyboard's highlight over the map, and the order being given from the
// legions it picked up. The engine's carry reads the keys and decides; this
// only draws what it answered (view.cursor, view.carried), as a part of the
// screen (regions.js), or null where there is none.
import { sideBoxes } from './regions.js';

export function highlightPart(screen, view) {
  if (!view || !view.cursor) return null;
  const [w, h] = screen.layout.pickUpBox;
  const box = (name, grow) => {
    const s = screen.legionSpot(name);
    return [s.x - grow, s.y - grow, w + 2 * grow, h + 2 * grow];
  };
  const carried = view.carried && !view.carrying ? box(view.carried, 2) : null;
  const cursor = [box(view.cursor, 5), box(view.cursor, 3)];
  const sides = ([x, y, bw, bh]) => sideBoxes([x, y, x + bw, y + bh], 4);
  return { key: `highlight ${carried} ${cursor[0]}`, boxes: [...(carried ? sides(carried) : []), ...sides(cursor[0])],
           draw: (ctx) => {
             ctx.save();
             if (carried) {
               ctx.setLineDash([6, 4]);
               ctx.strokeStyle = '#fff';
               ctx.lineWidth = 2;
               ctx.strokeRect(...carried);
               ctx.setLineDash([]);
             }
             ctx.strokeStyle = '#000';
             ctx.lineWidth = 1;
             ctx.strokeRect(...cursor[0]);
             ctx.strokeStyle = '#ffd700';
             ctx.lineWidth = 3;
             ctx.strokeRect(...cursor[1]);
             ctx.restore();
           } };
}
