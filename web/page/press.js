// A button pressed with the mouse, the keyboard or a finger. Chromium sends
// no click for a tap that stops a flick still coasting (the panel of words, a
// long menu), wherever the tap lands: a player who flicks the provinces and
// then taps Menu would be ignored. So a finger's press is answered when it
// lifts over the button, and the click it would still become is not sent: it
// would land on whatever the press opened under the finger (the menu).
export function onPress(button, action) {
  let finger = null;
  button.addEventListener('pointerdown', (e) => {
    finger = e.pointerType === 'touch' ? e.pointerId : null;
  });
  button.addEventListener('pointercancel', () => { finger = null; });
  button.addEventListener('pointerup', (e) => {
    if (e.pointerId !== finger) return;
    finger = null;
    // A finger is held by the button it went down on: lifted off it, the press is withdrawn.
    const r = button.getBoundingClientRect();
    if (button.disabled || e.clientX < r.left || e.clientX > r.right || e.clientY < r.top || e.clientY > r.bottom) return;
    action();
  });
  button.addEventListener('touchend', (e) => {
    if (e.cancelable) e.preventDefault();
  });
  button.addEventListener('click', (e) => {
    if (e.pointerType !== 'touch') action();
  });
}
