// The map under the mouse, a finger or a pen. A press on a figure and a drag
// carry its legions (the engine's carry decides, as in the window); a long
// press picks a province's legions up, and a tap then sends them where it
// lands, as Enter does; a right click ends the year. Where the map alone is
// shown (a phone), two fingers or the wheel zoom it and a drag that starts off
// the figures pans it.

// The whole layout pixel a pointer is on.
const pixel = (at) => [Math.floor(at.x), Math.floor(at.y)];
// Browsers tell no drag distance: a finger wobbles more than a mouse. CSS pixels.
const slack = (pointerType) => (pointerType === 'mouse' ? 4 : 10);
const LongPressMs = 500;
const between = (a, b) => ({ x: (a.x + b.x) / 2, y: (a.y + b.y) / 2, d: Math.hypot(a.x - b.x, a.y - b.y) });

export function wireMapPointer(page) {
  const { screen, api } = page;
  const canvas = screen.canvas;
  const fingers = new Map();  // pointer id: where it is, client pixels
  // The press being followed: its pointer, where it began and was last, and
  // what it is doing: 'carry' (the engine's carry has it), 'pan', 'held'
  // (a long press picked legions up), 'send' (a tap sends what waits).
  let press = null;
  let pinch = null;

  const end = () => {
    if (press) clearTimeout(press.timer);
    press = null;
  };
  // The engine's carry lets go of a press the page turned into something else.
  const letGo = () => {
    if (press?.mode === 'carry') page.carried(api.pointerCancel());
  };

  // The province painted under a layout point (the engine's shapes are the map's own pixels).
  const provinceUnder = (at) => at && api.provinceAt(Math.floor(at.x - screen.layout.map[0]), Math.floor(at.y - screen.layout.map[1]));

  const longPress = () => {
    const name = press.onFigure || provinceUnder(screen.toLayout(press.x, press.y));
    if (press.mode !== 'carry' || !name || page.busy) return;
    letGo();
    press.mode = 'held';
    press.held = name;
    navigator.vibrate?.(20);
    page.choose(name);
  };

  canvas.addEventListener('contextmenu', (e) => e.preventDefault());
  // A finger's drag taken by the page, not the browser: otherwise a quick
  // one ends in a fling of nothing, and the browser swallows the next tap
  // anywhere (Menu, End Year) as the tap that stops the fling. A move the
  // browser has already given to a scroll cannot be refused: not tried.
  canvas.addEventListener('touchmove', (e) => { if (e.cancelable) e.preventDefault(); }, { passive: false });
  // The press that closes the year's news gives no order, its release neither.
  let spent = null;
  canvas.addEventListener('pointerdown', (e) => {
    page.audio.unlock();
    if (!page.busy && page.news.dismiss()) {
      spent = e.pointerId;
      return;
    }
    if (e.button !== 0 || page.busy) return;
    try { canvas.setPointerCapture(e.pointerId); } catch { /* already gone */ }
    fingers.set(e.pointerId, { x: e.clientX, y: e.clientY });
    if (fingers.size === 2 && screen.mapOnly) {
      letGo();
      end();
      pinch = between(...fingers.values());
      return;
    }
    if (press || pinch) return;
    const at = screen.toLayout(e.clientX, e.clientY);
    if (!at) return;
    press = { id: e.pointerId, x0: e.clientX, y0: e.clientY, x: e.clientX, y: e.clientY, moved: false,
              slack: slack(e.pointerType), timer: setTimeout(() => press && longPress(), LongPressMs) };
    // Legions picked up by a long press, a key or the list wait for the tap that sends them.
    if (page.carry?.carried && !page.carry.carrying) {
      press.mode = 'send';
      return;
    }
    press.mode = 'carry';
    const answer = api.press(...pixel(at), Math.ceil(press.slack / screen.scale));
    // Off the figures, a drag on a zoomed map moves the map.
    press.onFigure = JSON.parse(answer).pressed;
    page.carried(answer);
  });

  canvas.addEventListener('pointermove', (e) => {
    if (fingers.has(e.pointerId)) fingers.set(e.pointerId, { x: e.clientX, y: e.clientY });
    if (pinch) {
      if (fingers.size < 2) return;
      const now = between(...fingers.values());
      if (pinch.d > 0) screen.zoomAt(now.x, now.y, now.d / pinch.d);
      screen.panBy(now.x - pinch.x, now.y - pinch.y);
      pinch = now;
      return;
    }
    if (!press) {
          // The mouse going over the map names the province under it.
      const at = screen.toLayout(e.clientX, e.clientY);
      if (at && !page.busy) page.carried(api.pointerMove(...pixel(at)));
      return;
    }
    if (e.pointerId !== press.id) return;
    const dx = e.clientX - press.x;
    const dy = e.clientY - press.y;
    press.x = e.clientX;
    press.y = e.clientY;
    if (!press.moved && Math.abs(e.clientX - press.x0) + Math.abs(e.clientY - press.y0) > press.slack) {
      press.moved = true;
      clearTimeout(press.timer);
      if (press.mode === 'send' || (press.mode === 'carry' && !press.onFigure && screen.zoom > 1)) {
        letGo();
        press.mode = 'pan';
      }
    }
    if (press.mode === 'pan') screen.panBy(dx, dy);
    if (press.mode !== 'carry' || page.busy) return;
    const at = screen.toLayout(e.clientX, e.clientY);
    if (at) page.carried(api.pointerMove(...pixel(at)));
  });

  const release = (e) => {
    fingers.delete(e.pointerId);
    if (spent === e.pointerId) {
      spent = null;
      return;
    }
    if (pinch) {
      if (fingers.size < 2) pinch = null;
      return;
    }
    if (e.button === 2 && e.type === 'pointerup') {
      if (!press && !page.busy) page.endTurn();
      return;
    }
    if (!press || e.pointerId !== press.id) return;
    const { mode, moved, held } = press;
    end();
    const at = e.type === 'pointerup' ? screen.toLayout(e.clientX, e.clientY) : null;
    if (mode === 'carry') page.carried(at ? api.release(...pixel(at)) : api.pointerCancel());
    // A tap sends what waits; so does the finger of a long press, lifted over another province.
    const name = at && ((mode === 'send' && !moved) || mode === 'held') && provinceUnder(at);
    if (name && name !== held) page.choose(name);
  };
  canvas.addEventListener('pointerup', release);
  canvas.addEventListener('pointercancel', release);
  // A capture lost without its release (the page hidden, a dialog taking the
  // pointer) would leave the press waiting for ever.
  canvas.addEventListener('lostpointercapture', (e) => {
    if (fingers.has(e.pointerId)) release(new PointerEvent('pointercancel', { pointerId: e.pointerId }));
  });

  canvas.addEventListener('wheel', (e) => {
    if (!screen.mapOnly) return;
    e.preventDefault();
    screen.zoomAt(e.clientX, e.clientY, Math.exp(-e.deltaY * (e.deltaMode ? 0.05 : 0.002)));
  }, { passive: false });
}
