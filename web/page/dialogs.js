// The dialogs over the map: the advisor's messages and questions with his
// portrait, and the picture dialogs (introduction, lessons, results, about).
import { pageWord } from './language.js';
import { picture } from './pictures.js';
import { fontOf } from './font.js';

const byId = (id) => document.getElementById(id);

// Opens a dialog and resolves with what `wire` resolves with once it is
// closed. `wire` answers the button the focus goes to once it is open (the
// browser would pick the first); the focus goes back where it was after.
function modal(dialog, wire) {
  const back = document.activeElement;
  return new Promise((resolve) => {
    const finish = (value) => {
      dialog.close();
      if (back && back !== document.body && back.isConnected) back.focus();
      resolve(value);
    };
    const first = wire(finish);
    dialog.showModal();
    first.focus();
  });
}

// The advisor's words keep their line breaks; the rules write them with CR LF.
const plain = (text) => text.replace(/\r\n/g, '\n');

export function tell(text) {
  return ask(text, pageWord('OK'), null);
}

// Resolves true for the first button. Escape answers No (or OK).
export function ask(text, yesLabel, noLabel) {
  const dialog = byId('advisor');
  const yes = byId('advisor-yes');
  const no = byId('advisor-no');
  byId('advisor-text').textContent = plain(text);
  yes.textContent = yesLabel || pageWord('Yes');
  no.textContent = noLabel || pageWord('No');
  no.hidden = noLabel === null;
  return modal(dialog, (finish) => {
    yes.onclick = () => finish(true);
    no.onclick = () => finish(false);
    dialog.oncancel = (e) => {
      e.preventDefault();
      finish(noLabel === null);
    };
    return yes;
  });
}

// A 600x400 picture with words under it and, for a lesson, its narration.
// `counts` are written over the picture (the results' numbers). `words` also
// stand beside the picture as text, read when it opens.
export async function showPicture({ id, title, words = [], narration = null, counts = [], audio }) {
  const dialog = byId('picture');
  const canvas = byId('picture-canvas');
  const play = byId('narration');
  const close = byId('picture-close');
  byId('picture-title').textContent = title;
  const text = byId('picture-words');
  text.replaceChildren(...words.filter(Boolean).map((w) => Object.assign(document.createElement('p'), { textContent: w })));
  // Sharp on high-density screens: the picture's twin on a canvas of twice the pixels.
  const scale = window.devicePixelRatio > 1 ? 2 : 1;
  const image = (await picture(id, scale).ready) || (await picture(id).ready);
  canvas.width = 600 * scale;
  canvas.height = 400 * scale;
  const ctx = canvas.getContext('2d');
  ctx.setTransform(scale, 0, 0, scale, 0, 0);
  ctx.fillStyle = '#000';
  ctx.fillRect(0, 0, 600, 400);
  if (image) ctx.drawImage(image, 0, 0, 600, 400);
  ctx.font = fontOf(16);
  ctx.textBaseline = 'top';
  ctx.fillStyle = '#fff';
  for (const [x, y, text] of counts) ctx.fillText(text, x, y);
  play.hidden = !narration;
  let playing = null;
  const setPlaying = (source) => {
    playing = source;
    play.textContent = source ? pageWord('Stop') : pageWord('Play');
    if (source) source.ended.then(() => { if (playing === source) setPlaying(null); });
  };
  if (narration) setPlaying(await audio.playVoice(narration));
  return modal(dialog, (finish) => {
    play.onclick = async () => {
      audio.unlock();
      if (playing) {
        audio.stopVoice();
        setPlaying(null);
      } else {
        setPlaying(await audio.playVoice(narration));
      }
    };
    const done = () => {
      if (narration) audio.stopVoice();
      finish();
    };
    close.onclick = done;
    dialog.oncancel = (e) => {
      e.preventDefault();
      done();
    };
    // Enter closes: the narration's button is there to be chosen, not hit by chance.
    return close;
  });
}
