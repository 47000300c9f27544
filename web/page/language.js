// The language the page speaks: ?lang=xx, else the one chosen in Options >
// Language (kept in this browser), else the browser's first language that is
// one of ours, else English. Its words are the window's catalogue in the plain
// form (catalogue/<code>.txt), which the engine reads and looks up: the page
// holds no words of its own in another language.
import { setNarrationLanguage } from './audio.js';
import { tell } from './dialogs.js';
import { setPictureLanguage } from './pictures.js';

const Key = 'aurovane-language';

let lookUp = (text) => text;
// A text of the page's own (context "Page") in its language; tools/catalogue/page_texts.py finds each.
export const pageWord = (text) => lookUp(text);

// What catalogue/languages.json lists: [{code, name, done}], English first.
export async function spokenLanguages() {
  try {
    const response = await fetch('catalogue/languages.json');
    if (response.ok) return await response.json();
  } catch (e) {
    console.warn(`Aurovane: no other language: ${e.message}`);
  }
  return [{ code: 'en', name: 'English', done: 100 }];
}

export function chosenLanguage(languages) {
  const ours = (name) => {
    const code = String(name || '').slice(0, 2).toLowerCase();
    return languages.some((l) => l.code === code) ? code : '';
  };
  let kept = '';
  try {
    kept = localStorage.getItem(Key);
  } catch { /* a browser that keeps nothing */ }
  const asked = new URLSearchParams(location.search).get('lang');
  return ours(asked) || ours(kept) || (navigator.languages || [navigator.language]).map(ours).find((c) => c) || 'en';
}

export function rememberLanguage(code) {
  try {
    localStorage.setItem(Key, code);
  } catch { /* the choice lasts this visit */ }
}

// Hands the engine the language's catalogue before it says anything; English stays on any fault.
export async function speak(api, code) {
  document.documentElement.lang = code;
  if (code === 'en') return;
  try {
    const response = await fetch(`catalogue/${code}.txt`);
    if (!response.ok) throw new Error(`${response.status} ${response.statusText}`);
    const problem = api.setLanguage(new Uint8Array(await response.arrayBuffer()));
    if (problem) throw new Error(problem);
  } catch (e) {
    console.warn(`Aurovane: speaking English: ${e.message}`);
    document.documentElement.lang = 'en';
  }
}

// The page's own words in its language: each element marked data-tr holds its
// English source (context "Page"), data-tr-label its aria-label, data-tr-alt its alt.
export function translatePage(api) {
  const tr = (text) => api.translate('Page', text);
  lookUp = tr;
  for (const e of document.querySelectorAll('[data-tr]')) e.textContent = tr(e.textContent.trim());
  for (const e of document.querySelectorAll('[data-tr-label]')) e.setAttribute('aria-label', tr(e.getAttribute('aria-label')));
  for (const e of document.querySelectorAll('[data-tr-alt]')) e.setAttribute('alt', tr(e.getAttribute('alt')));
  document.title = tr(document.title);
}

// Options > Language: each language with how much of it is translated, as the window's menu shows it.
export function languageChoice(api, languages, spoken, onChosen) {
  const select = document.getElementById('language-choice');
  select.replaceChildren(...languages.map((l) => {
    const option = document.createElement('option');
    option.value = l.code;
    option.textContent = l.code === 'en' ? l.name : api.filled('LanguageMenu', '%1 (%2% translated)', `${l.name}\n${l.done}`);
    option.selected = l.code === spoken;
    return option;
  }));
  select.addEventListener('change', () => {
    rememberLanguage(select.value);
    onChosen(select.value);
  });
}

// The help pages in the language where they are written in it.
export function helpInLanguage(code, languages) {
  const written = languages.find((l) => l.code === code)?.help || [];
  for (const a of document.querySelectorAll('a[data-help]')) {
    const name = a.getAttribute('href').split('/').pop();
    a.setAttribute('href', written.includes(name) ? `${code}/${name}` : name);
  }
}

// The chosen language before the engine says anything: its catalogue, the
// page's own words, the help pages and Options > Language, whose choice
// speaks from the next start, as in the window.
export async function startSpeaking(api, languages) {
  const spoken = chosenLanguage(languages);
  await speak(api, spoken);
  translatePage(api);
  helpInLanguage(spoken, languages);
  languageChoice(api, languages, spoken, async (code) => {
    const name = languages.find((l) => l.code === code)?.name || code;
    await tell(api.filled('LanguageMenu', '%1 will be spoken from the next start of the program.', name));
  });
  return spoken;
}

// The lessons as they are told in the language, with its pictures and
// narrations (lessons/<code>.json); a lesson not told in it stays English.
export async function lessonsInLanguage(tables, code, languages) {
  if (!languages.find((l) => l.code === code)?.lessons) return;
  try {
    const response = await fetch(`lessons/${code}.json`);
    if (!response.ok) return;
    const told = await response.json();
    for (const lesson of [tables.introduction, ...tables.lessons]) {
      const words = told.lessons[String(lesson === tables.introduction ? 235 : lesson.year)];
      if (words) Object.assign(lesson, { title: words.title, dates: words.dates, text: words.text });
    }
    setPictureLanguage(code, told.pictures);
    setNarrationLanguage(code, told.narrations);
  } catch (e) {
    console.warn(`Aurovane: the lessons stay English: ${e.message}`);
  }
}
