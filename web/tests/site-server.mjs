// A static server for the built site, as any web server would serve it.
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';

const types = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.wasm': 'application/wasm',
                '.png': 'image/png', '.webp': 'image/webp', '.svg': 'image/svg+xml', '.mp3': 'audio/mpeg', '.woff2': 'font/woff2',
                '.webmanifest': 'application/manifest+json', '.txt': 'text/plain' };

// Resolves with { url, close } once listening on a free port.
export function serveSite(folder) {
  const root = path.resolve(folder);
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    let file = path.join(root, name);
    if (!file.startsWith(root)) { response.writeHead(403).end(); return; }
    if (name.endsWith('/')) file = path.join(file, 'index.html');
    fs.readFile(file, (error, data) => {
      if (error) { response.writeHead(404).end(); return; }
      response.writeHead(200, { 'Content-Type': types[path.extname(file)] || 'application/octet-stream',
                                'Cache-Control': 'no-cache' });
      response.end(data);
    });
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve({
    url: `http://127.0.0.1:${server.address().port}/`,
    close: () => new Promise((r) => server.close(r)),
  })));
}

// In the page: the bytes of the page and of every file it had received when
// the first map was drawn.
export function bytesUntilReady() {
  const ready = performance.getEntriesByName('aurovane-first-map')[0].startTime;
  return performance.getEntriesByType('navigation').concat(performance.getEntriesByType('resource'))
    .filter((e) => e.responseEnd <= ready).reduce((sum, e) => sum + e.transferSize, 0);
}
