// A scenario carried in a link, with no server to keep it: its saved file,
// compressed (deflate-raw) and written in base64url after "#scenario=". The
// fragment never leaves the browser, so the position goes only where the link goes.
const Mark = '#scenario=';
// Longer than any scenario needs once compressed (a full briefing and every
// province come to a few kilobytes), short enough for a chat or an e-mail.
export const LongestLink = 32 * 1024;

async function through(stream, bytes, largest) {
  const reader = new Blob([bytes]).stream().pipeThrough(stream).getReader();
  const parts = [];
  let size = 0;
  for (;;) {
    const { done, value } = await reader.read();
    if (done) break;
    size += value.length;
    // A small link may unfold into an enormous file: stop at a saved game's size.
    if (size > largest) {
      reader.cancel();
      return null;
    }
    parts.push(value);
  }
  return new Uint8Array(await new Blob(parts).arrayBuffer());
}

function base64url(bytes) {
  let binary = '';
  for (const b of bytes) binary += String.fromCharCode(b);
  return btoa(binary).replace(/\+/g, '-').replace(/\//g, '_').replace(/=+$/, '');
}

function fromBase64url(text) {
  if (!/^[A-Za-z0-9_-]*$/.test(text)) return null;
  try {
    return Uint8Array.from(atob(text.replace(/-/g, '+').replace(/_/g, '/')), (c) => c.charCodeAt(0));
  } catch {
    return null;
  }
}

export const carriesScenario = (hash) => hash.startsWith(Mark);

// The address of `page` (editor.html, index.html) opening the saved file's text.
export async function scenarioLink(page, savedText) {
  const packed = await through(new CompressionStream('deflate-raw'), new TextEncoder().encode(savedText), Infinity);
  return new URL(`${page}${Mark}${base64url(packed)}`, location.href).href;
}

// What a link's fragment carries: null when it carries no scenario, else
// {bytes} for the game's reader, or {tooLarge} for one longer than a saved
// game may be. A fragment that does not unfold is handed on as it stands,
// so that the reader names what is wrong with it as with any damaged file.
export async function scenarioFromLink(hash, largest) {
  if (!carriesScenario(hash)) return null;
  const text = hash.slice(Mark.length);
  if (text.length > LongestLink) return { tooLarge: true };
  const packed = fromBase64url(text);
  if (!packed) return { bytes: new TextEncoder().encode(text) };
  try {
    const bytes = await through(new DecompressionStream('deflate-raw'), packed, largest);
    return bytes ? { bytes } : { tooLarge: true };
  } catch {
    return { bytes: packed };
  }
}

// Takes the scenario out of the address once read, so that a reload goes on
// with the game rather than starting the link's position again.
export function forgetLink() {
  if (location.hash.startsWith(Mark)) history.replaceState(null, '', location.pathname + location.search);
}
