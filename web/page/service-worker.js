// Offline play: the files needed to play are cached when the page is first
// opened; the rest (lesson pictures, narrations, music, the sharp twins) when
// the page asks, once it is ready to play, so that every lesson plays offline
// too without slowing the first visit. The build writes this site's version
// and file lists in place of the marks.
const Version = '@VERSION@';
const Core = @CORE_FILES@;
const Later = @LATER_FILES@;
// Each language's catalogue and help pages, kept for the language the page speaks.
const LanguageFiles = @LANGUAGE_FILES@;
const CacheName = `aurovane-${Version}`;

// One file after another, those not yet cached; a file that fails is tried
// again on the next visit. The twins at twice the size only for a sharp screen.
async function cacheLater(sharp, language) {
  const cache = await caches.open(CacheName);
  for (const name of [...(LanguageFiles[language] || []), ...Later]) {
    if (!sharp && name.includes('@2x.')) continue;
    if (await cache.match(name)) continue;
    try {
      await cache.add(name);
    } catch (e) {
      console.warn(`Aurovane: ${name} is not kept for offline play: ${e.message}`);
    }
  }
}

// {cacheLater: true, sharp, language}: the page is ready; the answer on the port says all is kept.
self.addEventListener('message', (event) => {
  if (!event.data?.cacheLater) return;
  event.waitUntil(cacheLater(event.data.sharp, event.data.language).then(() => event.ports[0]?.postMessage('kept')));
});

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CacheName).then((cache) => cache.addAll(Core)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((n) => n.startsWith('aurovane-') && n !== CacheName).map((n) => caches.delete(n))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(caches.open(CacheName).then(async (cache) => {
    const cached = await cache.match(request, { ignoreSearch: true });
    if (cached) return cached;
    const response = await fetch(request);
    if (response.ok && response.status === 200) cache.put(request, response.clone());
    return response;
  }));
});
