#!/usr/bin/env python3
"""Puts the static site together in BUILD/site beside the engine the build left
there: the page, the help and quiz pages, the pictures as WebP (which every
current browser shows, at two thirds of the PNGs' bytes), the icons, the font
cut to the characters the game writes (woff2), the recordings as MP3 (which
every browser plays, Safari included), and the service worker with this
site's version and the files needed to play offline. Each page that starts a
module is told of all the modules it imports, so that they come at once.

    assemble-site.py SOURCE_ROOT BUILD_DIR
"""
import hashlib
import json
import os
import re
import shutil
import subprocess
import sys
from concurrent.futures import ThreadPoolExecutor
from pathlib import Path

root = Path(sys.argv[1]).resolve()
site = Path(sys.argv[2]).resolve() / 'site'
resources = root / 'game' / 'resources'


def fresh(target: Path, *sources: Path) -> bool:
    return target.exists() and all(target.stat().st_mtime >= s.stat().st_mtime for s in sources)


def copy(source: Path, target: Path):
    target.parent.mkdir(parents=True, exist_ok=True)
    if not fresh(target, source):
        shutil.copy2(source, target)


page = root / 'web' / 'page'


# The modules `name` imports, and theirs, in the order first met.
def imported(name: str, seen: list) -> list:
    for module in re.findall(r"^import [^'\n]*'\./([\w.-]+\.js)';", (page / name).read_text(), re.M):
        if module not in seen:
            seen.append(module)
            if (page / module).exists():
                imported(module, seen)
    return seen


# A page that starts a module fetches every module of its graph at once
# rather than one import after another.
def with_module_preloads(html: str) -> str:
    start = re.search(r'<script type="module" src="([\w.-]+\.js)">', html)
    if not start:
        return html
    links = ''.join(f'<link rel="modulepreload" href="{m}">\n' for m in [start.group(1)] + imported(start.group(1), []))
    return html.replace('</head>', links + '</head>', 1)


for f in page.iterdir():
    if f.suffix == '.html':
        target = site / f.name
        if not fresh(target, f, *page.glob('*.js')):
            target.write_text(with_module_preloads(f.read_text()))
    elif f.name != 'service-worker.js':
        copy(f, site / f.name)
# The English pages: the page speaks no other language yet.
for f in (root / 'game' / 'web').iterdir():
    if f.is_file():
        copy(f, site / f.name)
(site / 'bitmaps').mkdir(parents=True, exist_ok=True)
# A site built before the pictures were WebP keeps no PNG twin of them.
for f in (site / 'bitmaps').glob('*.png'):
    f.unlink()


# A PNG with an alpha channel or a transparent colour.
def transparent(png: Path) -> bool:
    data = png.read_bytes()
    return data[25] in (4, 6) or b'tRNS' in data


# Pictures with transparency stay exact: the engine reads the provinces' shapes
# from their opacity. The opaque ones are near-lossless: no colour moves by more
# than a few steps in 255, at three fifths of the bytes.
def to_webp(png: Path):
    webp = site / 'bitmaps' / (png.stem + '.webp')
    if not fresh(webp, png):
        kind = ['-lossless'] if transparent(png) else ['-near_lossless', '60']
        subprocess.run(['cwebp', '-quiet', *kind, '-m', '6', '-q', '90', str(png), '-o', str(webp)], check=True)


with ThreadPoolExecutor(os.cpu_count()) as pool:
    list(pool.map(to_webp, (resources / 'bitmaps').glob('*.png')))
for f in (resources / 'icons').iterdir():
    if f.suffix in ('.png', '.svg'):
        copy(f, site / 'icons' / f.name)
copy(resources / 'fonts' / 'OFL.txt', site / 'fonts' / 'OFL.txt')

font = site / 'fonts' / 'EBGaramond12-Regular.woff2'
font_source = resources / 'fonts' / 'EBGaramond12-Regular.otf'
if not fresh(font, font_source):
    subprocess.run(['pyftsubset', str(font_source), '--unicodes=U+0020-007E,U+00A0-00FF,U+2013-2014,U+2018-201D,U+2026',
                    '--flavor=woff2', f'--output-file={font}'], check=True)

(site / 'sounds').mkdir(exist_ok=True)
for wav in (resources / 'sounds').glob('*.wav'):
    mp3 = site / 'sounds' / (wav.stem + '.mp3')
    if not fresh(mp3, wav):
        # Mono speech and short effects: 48 kbit/s keeps them clear and small.
        subprocess.run(['lame', '--quiet', '-m', 'm', '--abr', '48', str(wav), str(mp3)], check=True)

# Played offline at once: everything but the recordings, the big dialog
# pictures and the twins for sharp screens, which follow in the background
# once the game is ready to play.
dialog_pictures = {160, 161, 162, 163, 164, 165, 187, 233, 235, 248, 249, 250, 266, 267}
core = ['./']
later = []
digest = hashlib.sha256()
for f in sorted(p for p in site.rglob('*') if p.is_file() and p.name != 'service-worker.js'):
    name = f.relative_to(site).as_posix()
    digest.update(name.encode() + f.read_bytes())
    if name.startswith('sounds/') or (name.startswith('bitmaps/') and ('@' in f.stem or int(f.stem) in dialog_pictures)):
        later.append(name)
    else:
        core.append(name)
worker = (root / 'web' / 'page' / 'service-worker.js').read_text()
worker = (worker.replace('@VERSION@', digest.hexdigest()[:16]).replace('@CORE_FILES@', json.dumps(core))
          .replace('@LATER_FILES@', json.dumps(later)))
(site / 'service-worker.js').write_text(worker)
