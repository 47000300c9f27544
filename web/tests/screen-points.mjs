// Where a layout point of the page's screen is on the page: through the
// screen's panes, so that it follows the letterbox, the zoom and the pan.
// The client point, or null where no pane shows it.
export function clientPoint(page, layoutX, layoutY) {
  return page.evaluate(([x, y]) => {
    const screen = window.aurovane.page.screen;
    const r = screen.canvas.getBoundingClientRect();
    for (const p of screen.panes) {
      if (x >= p.from.x && x < p.from.x + p.from.w && y >= p.from.y && y < p.from.y + p.from.h)
        return { x: r.left + p.x + (x - p.from.x) * screen.scale, y: r.top + p.y + (y - p.from.y) * screen.scale };
    }
    return null;
  }, [layoutX, layoutY]);
}
