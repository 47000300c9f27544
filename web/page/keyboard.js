// The keyboard's highlight over the map, and the order being given from the
// legions it picked up. The engine's carry reads the keys and decides; this
// only draws what it answered (view.cursor, view.carried).

export function drawHighlight(ctx, screen, view) {
  if (!view || !view.cursor) return;
  const [w, h] = screen.layout.pickUpBox;
  const box = (name, grow) => {
    const s = screen.legionSpot(name);
    return [s.x - grow, s.y - grow, w + 2 * grow, h + 2 * grow];
  };
  ctx.save();
  if (view.carried && !view.carrying) {
    ctx.setLineDash([6, 4]);
    ctx.strokeStyle = '#fff';
    ctx.lineWidth = 2;
    ctx.strokeRect(...box(view.carried, 2));
    ctx.setLineDash([]);
  }
  ctx.strokeStyle = '#000';
  ctx.lineWidth = 1;
  ctx.strokeRect(...box(view.cursor, 5));
  ctx.strokeStyle = '#ffd700';
  ctx.lineWidth = 3;
  ctx.strokeRect(...box(view.cursor, 3));
  ctx.restore();
}
