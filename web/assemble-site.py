#!/usr/bin/env python3
"""Puts the static site together in BUILD/site beside the engine the build left
there: the page, the help and quiz pages, the pictures, the icons, the font
cut to the characters the game writes (woff2), the recordings as MP3 (which
every browser plays, Safari included), and the service worker with this
site's version and the files needed to play offline.

    assemble-site.py SOURCE_ROOT BUILD_DIR
"""
import hashlib
import json
import shutil
import subprocess
import sys
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


for f in (root / 'web' / 'page').iterdir():
    if f.name != 'service-worker.js':
        copy(f, site / f.name)
for f in (root / 'game' / 'web').iterdir():
    copy(f, site / f.name)
for f in (resources / 'bitmaps').glob('*.png'):
    copy(f, site / 'bitmaps' / f.name)
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
