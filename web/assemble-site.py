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
# The help pages, in English at the top and each language's in its folder.
help_pages = {}
for f in (root / 'game' / 'web').iterdir():
    if f.is_file():
        copy(f, site / f.name)
    elif f.is_dir():
        help_pages[f.name] = sorted(p.name for p in f.iterdir() if p.is_file())
        for p in f.iterdir():
            if p.is_file():
                copy(p, site / f.name / p.name)

# The window's catalogues in the plain form the engine reads, one file a
# language (the page fetches only the one it speaks), and their list.
sys.path.insert(0, str(root / 'tools' / 'catalogue'))
import plain_catalogue  # noqa: E402

(site / 'catalogue').mkdir(parents=True, exist_ok=True)
spoken = []
for ts in sorted((root / 'translations').glob('aurovane_*.ts')):
    code = ts.stem.split('_', 1)[1]
    if code != 'en':
        text = plain_catalogue.plain(ts)
        target = site / 'catalogue' / f'{code}.txt'
        if not target.exists() or target.read_text(encoding='utf-8') != text:
            target.write_text(text, encoding='utf-8')
    spoken.append({'code': code, 'name': plain_catalogue.LANGUAGES[code][4], 'done': plain_catalogue.completion(ts),
                   'help': help_pages.get(code, [])})
spoken.sort(key=lambda l: (l['code'] != 'en', l['code']))

# The lessons in each language they are told in, as data the page fetches
# for its language alone (the engine carries only the English words), with
# the pictures and narrations made in that language.
lessons = json.loads((resources / 'lessons.json').read_text(encoding='utf-8'))['lessons']
for language in spoken:
    code = language['code']
    if code == 'en':
        continue
    told = {str(l['year']): {k: l['languages'][code][k] for k in ('title', 'dates', 'text')}
            for l in lessons if code in l.get('languages', {})}
    pictures = sorted({int(p.stem.split('@')[0]) for p in (resources / 'bitmaps' / code).glob('*.png')})
    narrations = sorted(w.stem for w in (resources / 'sounds' / code).glob('*.wav'))
    (site / 'lessons').mkdir(exist_ok=True)
    language['lessons'] = bool(told)
    (site / 'lessons' / f'{code}.json').write_text(
        json.dumps({'lessons': told, 'pictures': pictures, 'narrations': narrations}, ensure_ascii=False) + '\n',
        encoding='utf-8')
(site / 'catalogue' / 'languages.json').write_text(json.dumps(spoken, ensure_ascii=False) + '\n', encoding='utf-8')
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
    folder = site / 'bitmaps' / png.parent.relative_to(resources / 'bitmaps')
    folder.mkdir(parents=True, exist_ok=True)
    webp = folder / (png.stem + '.webp')
    if not fresh(webp, png):
        kind = ['-lossless'] if transparent(png) else ['-near_lossless', '60']
        subprocess.run(['cwebp', '-quiet', *kind, '-m', '6', '-q', '90', str(png), '-o', str(webp)], check=True)


with ThreadPoolExecutor(os.cpu_count()) as pool:
    list(pool.map(to_webp, (resources / 'bitmaps').glob('*.png')))
    list(pool.map(to_webp, (resources / 'bitmaps').glob('*/*.png')))
for f in (resources / 'icons').iterdir():
    if f.suffix in ('.png', '.svg'):
        copy(f, site / 'icons' / f.name)
copy(resources / 'fonts' / 'OFL.txt', site / 'fonts' / 'OFL.txt')

font = site / 'fonts' / 'EBGaramond12-Regular.woff2'
font_source = resources / 'fonts' / 'EBGaramond12-Regular.otf'
# Made again when the characters it keeps change here.
if not fresh(font, font_source, Path(__file__)):
    subprocess.run(['pyftsubset', str(font_source), '--unicodes=U+0020-007E,U+00A0-00FF,U+0152-0153,U+2013-2014,U+2018-201E,U+2026,U+202F,U+2192',
                    '--flavor=woff2', f'--output-file={font}'], check=True)

(site / 'sounds').mkdir(exist_ok=True)
for wav in [*(resources / 'sounds').glob('*.wav'), *(resources / 'sounds').glob('*/*.wav')]:
    mp3 = site / 'sounds' / wav.relative_to(resources / 'sounds').with_suffix('.mp3')
    mp3.parent.mkdir(parents=True, exist_ok=True)
    if not fresh(mp3, wav):
        # Mono speech and short effects: 48 kbit/s keeps them clear and small.
        subprocess.run(['lame', '--quiet', '-m', 'm', '--abr', '48', str(wav), str(mp3)], check=True)

# Played offline at once: everything but the recordings, the big dialog
# pictures and the twins for sharp screens, which follow in the background
# once the game is ready to play.
dialog_pictures = {160, 161, 162, 163, 164, 165, 187, 233, 235, 248, 249, 250, 266, 267}
core = ['./']
later = []
# A language's own files (its catalogue, its help pages) for the page that speaks it alone.
in_language = {code: [] for code in help_pages}
digest = hashlib.sha256()
for f in sorted(p for p in site.rglob('*') if p.is_file() and p.name != 'service-worker.js'):
    name = f.relative_to(site).as_posix()
    digest.update(name.encode() + f.read_bytes())
    # "de/tutorial.html", "catalogue/de.txt", "lessons/de.json", "bitmaps/de/162.webp", "sounds/de/...".
    parts = name.split('/')
    code = next((c for c in (parts[0], parts[1].split('.')[0] if len(parts) > 1 else '') if c in in_language), None)
    if code and name != 'catalogue/languages.json':
        in_language[code].append(name)
    elif name.startswith('sounds/') or (name.startswith('bitmaps/') and ('@' in f.stem or int(f.stem) in dialog_pictures)):
        later.append(name)
    else:
        core.append(name)
worker = (root / 'web' / 'page' / 'service-worker.js').read_text()
worker = (worker.replace('@VERSION@', digest.hexdigest()[:16]).replace('@CORE_FILES@', json.dumps(core))
          .replace('@LATER_FILES@', json.dumps(later)).replace('@LANGUAGE_FILES@', json.dumps(in_language)))
(site / 'service-worker.js').write_text(worker)
