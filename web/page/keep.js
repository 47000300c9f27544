// Games kept by the browser: one saved game at the end of every year, the
// last ten, for Continue Last Game after a reload; and saved games as files.
const Key = 'aurovane.kept';
const Kept = 10;

function keptGames() {
  try {
    const list = JSON.parse(localStorage.getItem(Key) || '[]');
    return Array.isArray(list) ? list.filter((g) => typeof g?.text === 'string' && Number.isInteger(g.year)) : [];
  } catch (e) {
    return [];
  }
}

export function keepYear(year, text) {
  const list = keptGames();
  list.push({ year, text, time: Date.now() });
  while (list.length > Kept) list.shift();
  try {
    localStorage.setItem(Key, JSON.stringify(list));
  } catch (e) {
    // Storage full or refused: the game goes on without this year kept.
    console.warn('Aurovane: the year could not be kept:', e.name);
  }
}

// The kept years, newest first.
export function keptNewestFirst() {
  return keptGames().reverse();
}

// Hands the player a file with the saved game.
export function download(text, year) {
  const url = URL.createObjectURL(new Blob([text], { type: 'application/octet-stream' }));
  const a = Object.assign(document.createElement('a'), { href: url, download: `aurovane-${year}.avn` });
  document.body.append(a);
  a.click();
  a.remove();
  setTimeout(() => URL.revokeObjectURL(url), 10000);
}

// The bytes of a chosen or dropped file; the engine's message for one too big
// to be a saved game (`limits`: the engine's table), which is not read into memory.
export async function readSavedGame(file, limits) {
  if (file.size > limits.largest) return { error: limits.tooLarge };
  return { bytes: new Uint8Array(await file.arrayBuffer()) };
}
