// Sounds, music and narrations through Web Audio. Browsers let a page sound
// only after the player's first tap or click: the context is made and
// resumed then. Recordings are fetched the first time they are wanted.
const buffers = new Map();
// The narrations told in the page's language, from sounds/<code>/.
let narrationLanguage = '';
let narrated = new Set();

export function setNarrationLanguage(code, names) {
  narrationLanguage = code;
  narrated = new Set(names);
}

export class Audio {
  // `sounds`: the engine's table of the rules' sound kinds, the recording
  // each plays and whether the game waits for its end.
  constructor(sounds) {
    this.sounds = sounds;
    this.context = null;
    this.enabled = true;
    this.effect = null;   // the one game sound playing: a new one replaces it
    this.voice = null;    // the music or a narration
    this.pendingVoice = null;
    this.voiceTicket = 0;
  }

  // Made while the page is idle, silent until the first tap: making one may
  // take a tenth of a second, too long for the moment of that tap.
  prepare() {
    const Context = window.AudioContext || window.webkitAudioContext;
    if (!this.made && Context) this.made = new Context();
  }

  // Called on the first tap, click or key: from then on the page may sound.
  unlock() {
    if (!this.context) {
      this.prepare();
      if (!this.made) return;
      this.context = this.made;
    }
    if (this.context.state === 'suspended') this.context.resume();
    if (this.pendingVoice) {
      const [name, loop] = this.pendingVoice;
      this.pendingVoice = null;
      this.playVoice(name, loop);
    }
  }

  async buffer(name) {
    if (!buffers.has(name)) {
      buffers.set(name, fetch(`sounds/${narrated.has(name) ? `${narrationLanguage}/` : ''}${name}.mp3`).then((r) => {
        if (!r.ok) throw new Error(`${name}: ${r.status}`);
        return r.arrayBuffer();
      }).then((data) => new Promise((resolve, reject) => this.context.decodeAudioData(data, resolve, reject)))
        .catch(() => null));
    }
    return buffers.get(name);
  }

  async start(name, loop) {
    if (!this.context) return null;
    const buffer = await this.buffer(name);
    if (!buffer) return null;
    const source = this.context.createBufferSource();
    source.buffer = buffer;
    source.loop = loop;
    source.connect(this.context.destination);
    source.ended = new Promise((resolve) => { source.onended = resolve; });
    source.start();
    return source;
  }

  // A sound of the rules; resolves when the game may go on.
  async gameSound(kind) {
    const entry = this.sounds[kind];
    if (!entry || !this.enabled || !this.context) return;
    if (this.effect) this.effect.stop();
    const source = await this.start(entry.recording, false);
    this.effect = source;
    if (source && entry.waits) await Promise.race([source.ended, new Promise((r) => setTimeout(r, 20000))]);
  }

  // Music or a narration; before the first tap it waits for it.
  async playVoice(name, loop = false) {
    this.stopVoice();
    const ticket = ++this.voiceTicket;
    if (!this.context) {
      this.pendingVoice = [name, loop];
      return null;
    }
    const source = await this.start(name, loop);
    if (ticket !== this.voiceTicket) {
      if (source) source.stop();
      return null;
    }
    this.voice = source;
    return source;
  }

  stopVoice() {
    ++this.voiceTicket;
    this.pendingVoice = null;
    if (this.voice) {
      try { this.voice.stop(); } catch (e) { /* already ended */ }
    }
    this.voice = null;
  }
}
