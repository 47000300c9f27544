// Offline play: the files needed to play are cached when the page is first
// opened; every other file (lesson pictures, narrations) once it was fetched.
// The build writes this site's version and file list in place of the marks.
const Version = '@VERSION@';
const Core = @CORE_FILES@;
const CacheName = `aurovane-${Version}`;

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
