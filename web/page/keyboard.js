// Orders from the keyboard, as in the window: the arrow keys or the start of
// a name move a highlight, Enter picks up its legions and Enter on the target
// sends them, Escape puts them down, E or Space ends the year, F1 the hints.
// Which province an arrow or a letter leads to, the engine finds as the window does.

export class Keyboard {
  constructor(screen, actions) {
    this.screen = screen;
    // pickUp(name), order(from, to), cancel(), endTurn(), hints(), changed(),
    // next(name, dx, dy), firstHighlight(), typeLetter(letter, now, cursor), typing(now), clearTyping()
    this.actions = actions;
    this.cursor = null;
    this.carried = null;
  }

  placeCursor() {
    this.cursor = this.actions.firstHighlight();
  }

  async key(e) {
    if (e.ctrlKey || e.altKey || e.metaKey) return false;
    const now = performance.now();
    if (e.key.startsWith('Arrow')) {
      this.actions.clearTyping();
      const [dx, dy] = { ArrowRight: [1, 0], ArrowLeft: [-1, 0], ArrowDown: [0, 1], ArrowUp: [0, -1] }[e.key];
      if (this.cursor) this.cursor = this.actions.next(this.cursor, dx, dy) || this.cursor;
      else this.placeCursor();
    } else if (e.key === 'Enter') {
      this.actions.clearTyping();
      if (!this.cursor) this.placeCursor();
      else if (this.carried) {
        const from = this.carried;
        this.carried = null;
        await this.actions.order(from, this.cursor);
        // More legions to send from the same place: back to it.
        if (this.stillReady(from)) this.cursor = from;
      } else if (await this.actions.pickUp(this.cursor) === this.cursor) {
        // Nothing here can move: the order says why, and changes nothing.
        if (this.stillReady(this.cursor)) this.carried = this.cursor;
        else await this.actions.order(this.cursor, this.cursor);
      }
    } else if (e.key === 'Escape') {
      this.actions.clearTyping();
      if (!this.carried) return false;
      this.carried = null;
      this.actions.cancel();
    } else if (e.key === 'F1') {
      await this.actions.hints();
    } else if ((e.key === ' ' || e.key === 'e' || e.key === 'E') && !this.actions.typing(now)) {
      this.actions.clearTyping();
      this.carried = null;
      await this.actions.endTurn();
    } else if (/^[a-zA-Z ]$/.test(e.key)) {
      const found = this.actions.typeLetter(e.key.toLowerCase(), now, this.cursor || '');
      if (!found) return false;
      this.cursor = found;
    } else {
      return false;
    }
    this.actions.changed();
    return true;
  }

  stillReady(name) {
    const p = this.screen.state.provinces.find((q) => q.name === name);
    return p.legions.some((l) => l.empire === 'Romans' && l.picture === 168);
  }

  // The highlight, and the order being given, over the map.
  draw(ctx) {
    if (!this.cursor) return;
    const [w, h] = this.screen.layout.pickUpBox;
    const box = (name, grow) => {
      const s = this.screen.legionSpot(name);
      return [s.x - grow, s.y - grow, w + 2 * grow, h + 2 * grow];
    };
    ctx.save();
    if (this.carried) {
      ctx.setLineDash([6, 4]);
      ctx.strokeStyle = '#fff';
      ctx.lineWidth = 2;
      ctx.strokeRect(...box(this.carried, 2));
      ctx.setLineDash([]);
    }
    ctx.strokeStyle = '#000';
    ctx.lineWidth = 1;
    ctx.strokeRect(...box(this.cursor, 5));
    ctx.strokeStyle = '#ffd700';
    ctx.lineWidth = 3;
    ctx.strokeRect(...box(this.cursor, 3));
    ctx.restore();
  }
}
