#!/usr/bin/python3
"""Draws the lesson and introduction pictures (600x400 PNG) from texts/.

Everything is drawn here: parchment, frame, title, year, the text, and an
illustration (a map detail, a coin portrait or a scene). The square where the
game draws its play/stop button, (75,18)-(99,42), stays plain parchment.

Writes game/resources/bitmaps/<id>.png and its twin <id>@2x.png at twice the
size (the same drawing, sharp on large screens), the same pictures told in
each other language under bitmaps/<lang>/, game/resources/lessons.json, the
bundled fonts and out/contact-sheet.png (out/contact-sheet-<lang>.png).

Usage: /usr/bin/python3 tools/lessons/make_pictures.py [--lang LANG] [ID ...]
"""

import dataclasses
import json
import math
import os
import random
import shutil
import sys

from PIL import Image, ImageDraw, ImageFilter, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.path.insert(1, os.path.join(HERE, "..", "art"))
import geo  # noqa: E402
import lessondata  # noqa: E402
import coins  # noqa: E402
import figures  # noqa: E402  (the soldiers of the game's own pictures)
from common import render_svg, svg_doc  # noqa: E402

W, H = 600, 400
SCALE = 1        # output pixels per picture unit: 1 for "<id>.png", 2 for "<id>@2x.png"
SS = 3 * SCALE   # drawn at three times the output size and scaled down, for smooth edges


def set_scale(factor):
    global SCALE, SS
    SCALE, SS = factor, 3 * factor


LANGUAGE = "en"
WORDS = {}


def set_language(language):
    global LANGUAGE, WORDS
    LANGUAGE = language
    WORDS = {} if language == "en" else lessondata.picture_words(language)


def pw(english):
    """A word of the pictures in the language being drawn: every one must be
    in its words.txt, so that no English is left in another language's picture."""
    if LANGUAGE == "en":
        return english
    if english not in WORDS:
        raise KeyError("texts/%s/words.txt has no line for %r" % (LANGUAGE, english))
    return WORDS[english]

PARCHMENT = (0xE9, 0xDC, 0xB8)
INK = (0x3A, 0x2A, 0x1A)
RED = (0xA8, 0x32, 0x2A)
PURPLE = (0x5B, 0x2A, 0x5E)
GOLD = (0xC8, 0xA0, 0x40)
BRONZE = (0x8C, 0x6A, 0x3C)
STONE = (0x8A, 0x8A, 0x80)
NIGHT = (0x1E, 0x2A, 0x3A)

# The game's play/stop button and a margin around it.
BUTTON = (75, 18, 99, 42)
BUTTON_CLEAR = (69, 12, 106, 49)

FONT_DIR = "/usr/share/fonts/opentype/ebgaramond"
FONT_FILES = {"regular": "EBGaramond12-Regular.otf", "italic": "EBGaramond12-Italic.otf",
              "bold": "EBGaramond12-Bold.otf"}

TEXT_BOX = (24, 84, 318, 386)       # left column: the lesson text
ART_BOX = (332, 84, 580, 360)       # right column: the illustration, clear of the caption
CAPTION_Y = 370


def mix(a, b, t):
    """Colour a blended toward b by t (0..1): tints stay within the palette's hues."""
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def font(kind, size):
    if kind == "bold" and LANGUAGE != "en":
        # Debian's EB Garamond Bold has the plain Latin letters only (no ä, é,
        # ñ, ß...): the other languages draw their bold words in the regular
        # face thickened by a stroke of its own ink, the whole picture alike.
        f = ImageFont.truetype(os.path.join(FONT_DIR, FONT_FILES["regular"]), int(round(size * SS)))
        f.embolden = max(1, int(round(size * SS * 0.03)))
        return f
    return ImageFont.truetype(os.path.join(FONT_DIR, FONT_FILES[kind]), int(round(size * SS)))


def embolden(f):
    return getattr(f, "embolden", 0)


class Canvas:
    """A drawing surface addressed in final-picture pixels."""

    def __init__(self):
        self.img = Image.new("RGB", (W * SS, H * SS), PARCHMENT)
        self.d = ImageDraw.Draw(self.img)

    @staticmethod
    def s(v):
        return v * SS

    def pts(self, points):
        return [(x * SS, y * SS) for x, y in points]

    def rect(self, box, fill=None, outline=None, width=1):
        x0, y0, x1, y1 = box
        self.d.rectangle((x0 * SS, y0 * SS, x1 * SS, y1 * SS), fill=fill, outline=outline,
                         width=int(width * SS) if outline else 0)

    def line(self, points, fill, width=1.0):
        self.d.line(self.pts(points), fill=fill, width=max(1, int(round(width * SS))),
                    joint="curve")

    def poly(self, points, fill=None, outline=None, width=1.0):
        self.d.polygon(self.pts(points), fill=fill)
        if outline:
            self.line(list(points) + [points[0]], outline, width)

    def ellipse(self, cx, cy, rx, ry, fill=None, outline=None, width=1.0):
        self.d.ellipse(((cx - rx) * SS, (cy - ry) * SS, (cx + rx) * SS, (cy + ry) * SS),
                       fill=fill, outline=outline,
                       width=max(1, int(round(width * SS))) if outline else 0)

    def circle(self, cx, cy, r, **kw):
        self.ellipse(cx, cy, r, r, **kw)

    def text(self, x, y, s, f, fill=INK, anchor="la"):
        self.d.text((x * SS, y * SS), s, font=f, fill=fill, anchor=anchor,
                    stroke_width=embolden(f), stroke_fill=fill)

    def text_width(self, s, f):
        return (self.d.textlength(s, font=f) + 2 * embolden(f)) / SS

    def halo_text(self, x, y, s, f, fill=INK, halo=PARCHMENT, anchor="la"):
        """Text with a thin parchment outline so that it reads over a map."""
        self.d.text((x * SS, y * SS), s, font=f, fill=fill, anchor=anchor,
                    stroke_width=int(1.6 * SS) + embolden(f), stroke_fill=halo)
        if embolden(f):
            self.text(x, y, s, f, fill, anchor)

    def finish(self):
        return self.img.resize((W * SCALE, H * SCALE), Image.LANCZOS)

    def svg(self, body, box):
        """SVG shapes written in picture units, drawn over the box (x0, y0, x1, y1)."""
        x0, y0, x1, y1 = box
        w, h = int(round((x1 - x0) * SS)), int(round((y1 - y0) * SS))
        img = render_svg(svg_doc(w, h, body, view="%g %g %g %g" % (x0, y0, x1 - x0, y1 - y0)), w, h)
        self.img.paste(img, (int(round(x0 * SS)), int(round(y0 * SS))), img)

    def figure(self, svg, x, ground, scale, mirror=False):
        """A soldier from the game's figure rig (figure units), his origin at (x, ground)."""
        body = figures.place(svg, x, ground, scale)
        if mirror:
            body = '<g transform="translate(%g 0) scale(-1 1)">%s</g>' % (2 * x, body)
        self.svg(body, (x - 40 * scale, ground - 76 * scale, x + 40 * scale, ground + 4 * scale))


# ---------------------------------------------------------------- page frame

def parchment(c, seed):
    """Mottled parchment: soft blotches and a darker rim, from a fixed seed."""
    rnd = random.Random(seed)
    layer = Image.new("L", (W // 4, H // 4), 128)
    px = layer.load()
    for y in range(H // 4):
        for x in range(W // 4):
            px[x, y] = 128 + rnd.randint(-30, 30)
    layer = layer.filter(ImageFilter.GaussianBlur(3)).resize((W * SS, H * SS), Image.BICUBIC)
    dark = Image.new("RGB", (W * SS, H * SS), mix(PARCHMENT, BRONZE, 0.22))
    light = Image.new("RGB", (W * SS, H * SS), mix(PARCHMENT, (255, 255, 255), 0.25))
    mottled = Image.composite(dark, light, layer.point(lambda v: max(0, min(255, (v - 100) * 4))))
    base = Image.blend(c.img, mottled, 0.35)
    # darker toward the edges, like old paper
    vign = Image.new("L", (W, H), 0)
    vd = ImageDraw.Draw(vign)
    for i in range(40):
        vd.rectangle((i, i, W - 1 - i, H - 1 - i), outline=int(110 * (1 - i / 40) ** 2))
    vign = vign.filter(ImageFilter.GaussianBlur(6)).resize((W * SS, H * SS), Image.BICUBIC)
    edge = Image.new("RGB", (W * SS, H * SS), mix(PARCHMENT, BRONZE, 0.6))
    c.img.paste(Image.composite(edge, base, vign))
    c.d = ImageDraw.Draw(c.img)


def frame(c):
    c.rect((3, 3, W - 4, H - 4), outline=BRONZE, width=2)
    c.rect((7, 7, W - 8, H - 8), outline=RED, width=1)
    for x, y in ((7, 7), (W - 8, 7), (7, H - 8), (W - 8, H - 8)):
        c.poly([(x - 4, y), (x, y - 4), (x + 4, y), (x, y + 4)], fill=GOLD, outline=BRONZE,
               width=0.6)


def clear_button_area(img, background):
    """Bare parchment where the game draws the play/stop button: the page's own
    background is put back there, so the square does not show as a patch."""
    x0, y0, x1, y1 = BUTTON_CLEAR
    box = (x0 * SCALE, y0 * SCALE, (x1 + 1) * SCALE, (y1 + 1) * SCALE)
    img.paste(background.crop(box), box)


def header(c, lesson):
    year = pw("%d AD") % lesson.year if not lesson.is_intro else pw("235 - 476 AD")
    year_f = font("bold", 30 if not lesson.is_intro else 24)
    # a longer title in another language gives way before it reaches the year
    room = W - 22 - c.text_width(year, year_f) - 16 - 114
    size = 30
    while size > 20 and c.text_width(lesson.title, font("bold", size)) > room:
        size -= 1
    c.text(114, 16 + (30 - size) * 0.8, lesson.title, font("bold", size), fill=PURPLE)
    c.text(W - 22, 16, year, year_f, fill=RED, anchor="ra")
    c.text(114, 52, lesson.dates, font("italic", 16), fill=INK)
    # a rule with a gold lozenge in the middle
    y = 76
    c.line([(22, y), (W - 22, y)], BRONZE, 1.2)
    c.poly([(W / 2 - 7, y), (W / 2, y - 4), (W / 2 + 7, y), (W / 2, y + 4)], fill=GOLD,
           outline=BRONZE, width=0.6)


def wrap(c, text, f, width):
    lines, line = [], ""
    for word in text.split(" "):
        trial = word if not line else line + " " + word
        if c.text_width(trial, f) <= width:
            line = trial
        else:
            lines.append(line)
            line = word
    if line:
        lines.append(line)
    return lines


TEXT_SIZES = []   # the size each lesson's text was set in, for the report


def body_text(c, text):
    """The lesson text, in the largest size from 17 down to 13 px that fits its column."""
    x0, y0, x1, y1 = TEXT_BOX
    for size in (17, 16.5, 16, 15.5, 15, 14.5, 14, 13.5, 13):
        f = font("regular", size)
        lines = wrap(c, text, f, x1 - x0)
        lead = size * 1.17
        if len(lines) * lead <= y1 - y0:
            break
    else:
        raise ValueError("text too long for the picture: " + text[:40])
    TEXT_SIZES.append(size)
    # ragged right: with 6-8 words a line, justified lines open wide gaps
    for i, line in enumerate(lines):
        c.text(x0, y0 + i * lead, line, f)
    return size


def caption(c, s):
    x0, _, x1, _ = ART_BOX
    c.text((x0 + x1) / 2, CAPTION_Y, s, font("italic", 13.5), fill=INK, anchor="ma")


# ---------------------------------------------------------------- maps

WHITE = (255, 255, 255)
SEA = mix(NIGHT, WHITE, 0.66)      # night blue, washed out: reads as water beside parchment
LAND = mix(PARCHMENT, BRONZE, 0.10)
COAST = mix(INK, NIGHT, 0.4)
RIVER = mix(NIGHT, WHITE, 0.42)


class MapView:
    """Equirectangular projection of a longitude/latitude box into a panel."""

    def __init__(self, c, box, lon0, lon1, lat0, lat1, fit=False):
        """fit: shrink the panel to the box's own proportions, keeping it at the top."""
        bx0, by0, bx1, by1 = box
        self.k = math.cos(math.radians((lat0 + lat1) / 2))
        sx = (bx1 - bx0) / ((lon1 - lon0) * self.k)
        sy = (by1 - by0) / (lat1 - lat0)
        self.scale = min(sx, sy)
        if fit:
            w = (lon1 - lon0) * self.k * self.scale
            h = (lat1 - lat0) * self.scale
            bx0 = (bx0 + bx1 - w) / 2
            bx1, by1 = bx0 + w, by0 + h
            box = (round(bx0), by0, round(bx1), round(by1))
        self.c, self.box = c, box
        self.lonc, self.latc = (lon0 + lon1) / 2, (lat0 + lat1) / 2
        self.cx, self.cy = (bx0 + bx1) / 2, (by0 + by1) / 2
        # rivers, routes and labels may run past the panel: finish() restores the outside
        self.saved = c.img.copy()

    def xy(self, lon, lat):
        return (self.cx + (lon - self.lonc) * self.k * self.scale,
                self.cy - (lat - self.latc) * self.scale)

    def pts(self, lonlats):
        return [self.xy(lo, la) for lo, la in lonlats]

    def mask(self, polygons, base=None):
        """A full-canvas mask of the given polygons (optionally cut to base)."""
        m = Image.new("L", (W * SS, H * SS), 0)
        md = ImageDraw.Draw(m)
        for p in polygons:
            md.polygon([(x * SS, y * SS) for x, y in self.pts(p)], fill=255)
        bx0, by0, bx1, by1 = self.box
        clip = Image.new("L", m.size, 0)
        ImageDraw.Draw(clip).rectangle((bx0 * SS, by0 * SS, bx1 * SS, by1 * SS), fill=255)
        from PIL import ImageChops
        m = ImageChops.multiply(m, clip)
        if base is not None:
            m = ImageChops.multiply(m, base)
        return m

    def land_mask(self):
        from PIL import ImageChops
        bx0, by0, bx1, by1 = self.box
        land = Image.new("L", (W * SS, H * SS), 0)
        ImageDraw.Draw(land).rectangle((bx0 * SS, by0 * SS, bx1 * SS, by1 * SS), fill=255)
        sea = self.mask(geo.SEAS)
        land = ImageChops.subtract(land, sea)
        return ImageChops.lighter(land, self.mask(geo.ISLANDS))

    def draw_base(self):
        c = self.c
        bx0, by0, bx1, by1 = self.box
        c.rect(self.box, fill=SEA)
        self.land = self.land_mask()
        c.img.paste(LAND, (0, 0, W * SS, H * SS), self.land)
        # sea ripples: short strokes in a darker sea tone
        rnd = random.Random(7)
        for _ in range(int((bx1 - bx0) * (by1 - by0) / 260)):
            x, y = rnd.uniform(bx0 + 4, bx1 - 10), rnd.uniform(by0 + 4, by1 - 4)
            if self.land.getpixel((int(x * SS), int(y * SS))) == 0 and \
                    self.land.getpixel((int((x + 6) * SS), int(y * SS))) == 0:
                c.line([(x, y), (x + 2, y - 1), (x + 4, y), (x + 6, y - 1)],
                       mix(SEA, NIGHT, 0.18), 0.5)
        self._coasts()

    def _coasts(self):
        edges = self.land.filter(ImageFilter.FIND_EDGES).point(lambda v: 255 if v > 60 else 0)
        edges = edges.filter(ImageFilter.MaxFilter(3))
        bx0, by0, bx1, by1 = self.box
        inner = Image.new("L", edges.size, 0)
        ImageDraw.Draw(inner).rectangle(((bx0 + 1) * SS, (by0 + 1) * SS, (bx1 - 1) * SS,
                                         (by1 - 1) * SS), fill=255)
        from PIL import ImageChops
        edges = ImageChops.multiply(edges, inner)
        self.c.img.paste(COAST, (0, 0, W * SS, H * SS), edges)

    def tint(self, polygons, colour, alpha, base=None):
        from PIL import ImageChops
        m = self.mask(polygons, self.land if base is None else base)
        m = m.point(lambda v: int(v * alpha))
        self.c.img.paste(colour, (0, 0, W * SS, H * SS), m)
        return m

    def rivers(self, names=None):
        for name, pts in geo.RIVERS.items():
            if names is None or name in names:
                self.c.line(self.pts(pts), RIVER, 1.5)

    def border_line(self, lonlats, colour, width=1.6, dash=5):
        pts = self.pts(lonlats)
        for (x0, y0), (x1, y1) in zip(pts, pts[1:]):
            n = max(1, int(math.hypot(x1 - x0, y1 - y0) / dash))
            for i in range(0, n, 2):
                a, b = i / n, min(1, (i + 1) / n)
                self.c.line([(x0 + (x1 - x0) * a, y0 + (y1 - y0) * a),
                             (x0 + (x1 - x0) * b, y0 + (y1 - y0) * b)], colour, width)

    def city(self, name, dx=5, dy=-7, colour=RED, label=None, size=12, anchor="la", r=2.6,
             italic=False):
        x, y = self.xy(*geo.PLACES[name])
        self.c.circle(x, y, r, fill=colour, outline=INK, width=0.7)
        self.c.halo_text(x + dx, y + dy, label or pw(name),
                         font("italic" if italic else "regular", size), anchor=anchor)
        return x, y

    def label(self, lon, lat, s, size=13, colour=INK, kind="italic", anchor="mm"):
        x, y = self.xy(lon, lat)
        self.c.halo_text(x, y, s, font(kind, size), fill=colour, anchor=anchor)

    def arrow(self, lonlats, colour, width=2.2, head=7):
        pts = self.pts(lonlats)
        pts = smooth(pts)
        self.c.line(pts, colour, width)
        (x0, y0), (x1, y1) = pts[-2], pts[-1]
        a = math.atan2(y1 - y0, x1 - x0)
        self.c.poly([(x1 + math.cos(a) * 2, y1 + math.sin(a) * 2),
                     (x1 - math.cos(a - 0.45) * head, y1 - math.sin(a - 0.45) * head),
                     (x1 - math.cos(a + 0.45) * head, y1 - math.sin(a + 0.45) * head)],
                    fill=colour)

    def finish(self):
        bx0, by0, bx1, by1 = self.box
        outside = Image.new("L", self.c.img.size, 255)
        ImageDraw.Draw(outside).rectangle((bx0 * SS, by0 * SS, bx1 * SS, by1 * SS), fill=0)
        self.c.img.paste(self.saved, (0, 0), outside)
        self.c.rect(self.box, outline=INK, width=1.2)
        bx0, by0, bx1, by1 = self.box
        self.c.rect((bx0 - 3, by0 - 3, bx1 + 3, by1 + 3), outline=BRONZE, width=0.8)


def legend(c, x, y, entries, size=12.5):
    """Colour swatches with a bold name and an italic note, one row each."""
    fb, fi = font("bold", size), font("italic", size - 0.5)
    for colour, name, note in entries:
        c.rect((x, y + 2, x + 14, y + 13), fill=colour, outline=INK, width=0.8)
        c.text(x + 20, y, name, fb)
        c.text(x + 20 + c.text_width(name, fb) + 5, y, note, fi)
        y += size * 1.45
    return y


def smooth(pts, steps=8):
    """Catmull-Rom through the points, so march routes curve."""
    if len(pts) < 3:
        return pts
    out = []
    p = [pts[0]] + list(pts) + [pts[-1]]
    for i in range(1, len(p) - 2):
        for s in range(steps):
            t = s / steps
            out.append(tuple(
                0.5 * ((2 * p[i][k]) + (-p[i - 1][k] + p[i + 1][k]) * t +
                       (2 * p[i - 1][k] - 5 * p[i][k] + 4 * p[i + 1][k] - p[i + 2][k]) * t * t +
                       (-p[i - 1][k] + 3 * p[i][k] - 3 * p[i + 1][k] + p[i + 2][k]) * t ** 3)
                for k in range(2)))
    out.append(pts[-1])
    return out


def crossed_swords(c, x, y, size=9, colour=INK):
    """Two swords crossed: the mark of a battle."""
    for sgn in (-1, 1):
        hx, hy = x + size * sgn, y + size          # hilt end, below
        tx, ty = x - size * sgn, y - size          # point, above
        c.line([(hx, hy), (tx, ty)], colour, 2.0)
        gx, gy = x + size * sgn * 0.55, y + size * 0.55   # cross-guard, across the blade
        nx, ny = 0.7071 * 3.5, -sgn * 0.7071 * 3.5
        c.line([(gx - nx, gy - ny), (gx + nx, gy + ny)], colour, 1.6)
        c.circle(hx, hy, 1.5, fill=colour)


# ---------------------------------------------------------------- coins

def coin_legend(c, cx, cy, r, text, colour, size):
    """Letters around the rim, from lower left over the top to lower right."""
    f = font("bold", size)
    widths = [c.text_width(ch, f) + 0.6 for ch in text]
    total = sum(widths)
    span = total / r
    a = -math.pi / 2 - span / 2
    for ch, w in zip(text, widths):
        mid = a + (w / 2) / r
        if ch != " ":
            tile = Image.new("RGBA", (int(size * 2 * SS), int(size * 2 * SS)), (0, 0, 0, 0))
            ImageDraw.Draw(tile).text((tile.width / 2, tile.height / 2), ch, font=f,
                                      fill=colour, anchor="mm")
            tile = tile.rotate(-math.degrees(mid + math.pi / 2), resample=Image.BICUBIC)
            px, py = cx + r * math.cos(mid), cy + r * math.sin(mid)
            c.img.paste(tile, (int(px * SS - tile.width / 2), int(py * SS - tile.height / 2)),
                        tile)
        a += w / r


def coin(c, cx, cy, r, legend, jaw=0.0, youth=0.0, headgear="laurel"):
    metal = mix(GOLD, PARCHMENT, 0.15)
    relief = mix(GOLD, BRONZE, 0.55)
    deep = mix(BRONZE, INK, 0.35)
    c.circle(cx + 3, cy + 4, r + 1, fill=mix(PARCHMENT, BRONZE, 0.55))  # shadow
    c.circle(cx, cy, r, fill=mix(GOLD, BRONZE, 0.3), outline=deep, width=1.2)
    c.circle(cx, cy, r - 5, fill=metal)
    for i in range(72):  # beaded rim
        a = i * 2 * math.pi / 72
        c.circle(cx + (r - 3) * math.cos(a), cy + (r - 3) * math.sin(a), 1.2,
                 fill=mix(GOLD, BRONZE, 0.45))
    coin_legend(c, cx, cy, r - 15, legend, deep, 14 if len(legend) < 24 else 12.5)
    k = r / 145   # the bust, about 200 units from crown to truncation, within the rim
    c.svg(coins.bust_svg(cx - 2, cy + 6 - 22 * k, k, jaw, youth, headgear), (cx - r, cy - r, cx + r, cy + r))


# ---------------------------------------------------------------- illustrations

def art_maximinus(c):
    x0, y0, x1, y1 = ART_BOX
    coin(c, (x0 + x1) / 2, y0 + 118, 112, "IMP MAXIMINVS PIVS AVG", jaw=1.0)
    c.text((x0 + x1) / 2, y0 + 242, pw("The soldier emperor from Thrace"), font("italic", 13.5),
           anchor="ma")
    c.text((x0 + x1) / 2, y0 + 260, pw("IMP = Imperator, AVG = Augustus"), font("regular", 12),
           fill=mix(INK, BRONZE, 0.4), anchor="ma")
    caption(c, pw("A coin portrait of Maximinus"))


def art_three_empires(c):
    m = MapView(c, ART_BOX, -10, 47, 26, 56, fit=True)
    m.draw_base()
    empire = m.mask([geo.EMPIRE_235], m.land)
    gold = mix(GOLD, PARCHMENT, 0.1)
    m.tint([geo.EMPIRE_235], gold, 0.6)
    m.tint([geo.GALLIC_EMPIRE], RED, 0.6, base=empire)
    m.tint([geo.PALMYRENE_REALM], PURPLE, 0.55, base=empire)
    m.rivers(["Rhine", "Danube", "Euphrates", "Tigris"])
    m.city("Cologne", 4, -13, size=11, r=2.2)
    m.city("Rome", 4, 1, size=11, r=2.2)
    m.city("Palmyra", -4, 1, size=11, r=2.2, anchor="ra")
    m.city("Edessa", -4, -13, size=11, r=2.2, anchor="ra")
    m.finish()
    y = m.box[3] + 12
    legend(c, ART_BOX[0] + 4, y, [
        (mix(RED, PARCHMENT, 0.3), pw("Gallic Empire"), pw("Postumus")),
        (mix(gold, PARCHMENT, 0.3), pw("Rome"), pw("Gallienus")),
        (mix(PURPLE, PARCHMENT, 0.35), pw("Palmyra"), pw("Odaenathus, Zenobia")),
    ])
    caption(c, pw("The empire broken in three, about 271 AD"))


def art_aurelian(c):
    m = MapView(c, ART_BOX, -2, 41, 30, 54)
    m.draw_base()
    m.tint([geo.EMPIRE_235], GOLD, 0.45)
    m.rivers(["Rhine", "Danube", "Euphrates"])
    m.arrow([geo.PLACES["Rome"], (17.5, 44.0), (25.0, 42.5), (31.0, 39.5), (36.0, 36.5),
             geo.PLACES["Palmyra"]], RED)
    m.arrow([geo.PLACES["Rome"], (10.0, 44.8), (7.2, 46.8), geo.PLACES["Chalons"]], PURPLE)
    m.city("Rome", 4, 3)
    m.city("Chalons", -5, -13, label=pw("Chalons 274"))
    m.city("Palmyra", -4, 4, anchor="ra", label=pw("Palmyra 272"))
    m.city("Emesa", -10, -12, anchor="ra", label=pw("Emesa"))
    m.label(24.0, 50.5, pw("Dacia given up"), 12, INK)
    m.finish()
    caption(c, pw("Aurelian reunites the empire, 272 - 274"))


def art_diocletian(c):
    m = MapView(c, ART_BOX, -6, 42, 28, 56, fit=True)
    m.draw_base()
    m.tint([geo.EMPIRE_235], GOLD, 0.45)
    m.rivers(["Rhine", "Danube", "Euphrates"])
    m.border_line([(18.8, 52.0), (19.2, 45.0), (19.0, 41.0), (19.4, 33.0), (19.2, 28.5)],
                  PURPLE, 1.6)
    # each name on its own side of the line, however long it is in the language
    bx, _ = m.xy(18.8, 52.0)
    west, east = pw("WEST"), pw("EAST")
    half = c.text_width(west, font("bold", 12)) / 2
    x, y = m.xy(14.0, 53.5)
    c.halo_text(min(x, bx - 5 - half), y, west, font("bold", 12), fill=PURPLE, anchor="mm")
    half = c.text_width(east, font("bold", 12)) / 2
    x, y = m.xy(24.5, 53.5)
    c.halo_text(max(x, bx + 5 + half), y, east, font("bold", 12), fill=PURPLE, anchor="mm")
    rulers = [("Trier", "Constantius", "Caesar of the West"),
              ("Milan", "Maximian", "Augustus of the West"),
              ("Sirmium", "Galerius", "Caesar of the East"),
              ("Nicomedia", "Diocletian", "Augustus of the East")]
    for n, (place, _, _) in enumerate(rulers, 1):
        x, y = m.xy(*geo.PLACES[place])
        c.circle(x, y, 6.5, fill=PURPLE, outline=GOLD, width=1.2)
        c.text(x, y + 0.5, str(n), font("bold", 10.5), fill=PARCHMENT, anchor="mm")
    m.city("Split", -4, 2, anchor="ra", r=2.2, size=11)
    m.finish()
    y = m.box[3] + 9
    fb, fi = font("bold", 12.5), font("italic", 12)
    for n, (place, name, rank) in enumerate(rulers, 1):
        x = ART_BOX[0] + 4
        c.circle(x + 7, y + 8, 6.5, fill=PURPLE, outline=GOLD, width=1.2)
        c.text(x + 7, y + 8.5, str(n), font("bold", 10.5), fill=PARCHMENT, anchor="mm")
        c.text(x + 20, y, pw(name), fb)
        c.text(x + 20 + c.text_width(pw(name), fb) + 5, y, "%s, %s" % (pw(rank.split()[0]), pw(place)), fi)
        y += 18
    caption(c, pw("The Tetrarchy, 293 AD"))


def art_constantine(c):
    x0, y0, x1, y1 = ART_BOX
    # sky and the sign in it
    for i in range(60):
        yy = y0 + i * (y1 - y0) * 0.62 / 60
        c.rect((x0, yy, x1, yy + (y1 - y0) * 0.62 / 60 + 1),
               fill=mix(mix(PARCHMENT, (255, 255, 255), 0.2), GOLD, 0.45 * (1 - i / 60)))
    sx, sy = (x0 + x1) / 2 + 30, y0 + 64
    for i in range(24):
        a = i * math.pi / 12
        c.line([(sx + 38 * math.cos(a), sy + 38 * math.sin(a)),
                (sx + (58 if i % 2 else 50) * math.cos(a), sy + (58 if i % 2 else 50) * math.sin(a))],
               GOLD, 1.4)
    c.circle(sx, sy, 34, fill=mix(GOLD, PARCHMENT, 0.35), outline=GOLD, width=2)
    chi_rho(c, sx, sy, 22, RED, 3.2)
    # hills and the city beyond the river
    c.poly([(x0, y0 + 150), (x0 + 60, y0 + 128), (x0 + 130, y0 + 146), (x0 + 190, y0 + 124),
            (x1, y0 + 140), (x1, y0 + 175), (x0, y0 + 175)], fill=mix(PARCHMENT, BRONZE, 0.35))
    for i, bx in enumerate(range(int(x0) + 150, int(x1) - 6, 14)):
        h = 10 + (i * 7) % 13
        c.rect((bx, y0 + 150 - h, bx + 10, y0 + 160), fill=mix(STONE, PARCHMENT, 0.35),
               outline=mix(STONE, INK, 0.3), width=0.6)
    # the Tiber
    ry = y0 + 175
    water = mix(NIGHT, WHITE, 0.55)
    c.rect((x0, ry, x1, y1), fill=water)
    rnd = random.Random(312)
    for _ in range(60):
        wx, wy = rnd.uniform(x0 + 3, x1 - 12), rnd.uniform(ry + 4, y1 - 4)
        c.line([(wx, wy), (wx + 3, wy - 1.5), (wx + 6, wy), (wx + 9, wy - 1.5)],
               mix(water, WHITE, 0.45), 0.7)
    # the bridge: a stone body with four arches open onto the river
    deck = ry - 12
    stone = mix(STONE, PARCHMENT, 0.35)
    bottom = ry + 46
    c.rect((x0, deck, x1, bottom), fill=stone, outline=mix(STONE, INK, 0.4), width=1)
    span = (x1 - x0) / 4
    for k in range(4):
        ax = x0 + span * k + span / 2
        c.ellipse(ax, bottom, span * 0.36, 34, fill=mix(water, NIGHT, 0.25),
                  outline=mix(STONE, INK, 0.45), width=1.2)
    c.rect((x0 + 1, bottom, x1 - 1, bottom + 14), fill=water)
    for k in range(4):  # the arches' reflections
        ax = x0 + span * k + span / 2
        c.ellipse(ax, bottom, span * 0.36, 12, outline=mix(water, STONE, 0.5), width=0.8)
    c.rect((x0 + 1, bottom - 1, x1 - 1, bottom + 1), fill=mix(water, NIGHT, 0.1))
    for row in range(int(deck) + 14, int(bottom) - 4, 8):  # courses of stone
        c.line([(x0, row), (x1, row)], mix(stone, INK, 0.18), 0.5)
    for k in range(0, int(x1 - x0), 9):  # stone courses on the parapet
        c.line([(x0 + k, deck), (x0 + k, deck + 6)], mix(STONE, INK, 0.3), 0.5)
    c.line([(x0, deck + 6), (x1, deck + 6)], mix(STONE, INK, 0.3), 0.6)
    # Constantine's men crossing, the sign on their shields
    marked = dataclasses.replace(figures.LEGIONARY, extras={"emblem": "chi-rho"})
    for k in range(6):
        c.figure(figures.figure_svg(marked, figures.walk(marked, (k * 0.37) % 1.0)),
                 x0 + 26 + k * 38, deck, 1.05)
    c.rect(ART_BOX, outline=INK, width=1.2)
    caption(c, pw("The Milvian Bridge, 28 October 312"))


def chi_rho(c, x, y, r, colour, w):
    c.line([(x - r * 0.7, y - r * 0.7), (x + r * 0.7, y + r * 0.7)], colour, w)
    c.line([(x + r * 0.7, y - r * 0.7), (x - r * 0.7, y + r * 0.7)], colour, w)
    c.line([(x, y - r), (x, y + r)], colour, w)
    c.ellipse(x + r * 0.22, y - r * 0.68, r * 0.24, r * 0.3, outline=colour, width=w)


def art_adrianople(c):
    m = MapView(c, ART_BOX, 19.5, 31.5, 39.6, 47.0)
    m.draw_base()
    m.tint([geo.EMPIRE_235], GOLD, 0.35)
    m.rivers(["Danube", "Maritsa"])
    m.arrow([(27.8, 46.6), (27.3, 44.4), (27.6, 43.4), (26.6, 42.7), (26.55, 41.95)], RED, 2.6)
    m.arrow([geo.PLACES["Constantinople"], (28.2, 41.3), (27.0, 41.6)], PURPLE, 2.6)
    m.arrow([(20.0, 45.2), (21.7, 43.7), (22.8, 42.6)], mix(PURPLE, PARCHMENT, 0.35), 2.0)
    m.label(28.6, 46.4, pw("Goths 376"), 13, RED, "bold", anchor="la")
    m.label(21.2, 45.7, pw("Gratian"), 12, PURPLE, "italic", anchor="la")
    m.label(22.9, 42.05, pw("too late"), 11, PURPLE, "italic", anchor="ra")
    m.city("Marcianople", 4, -4, size=11, r=2)
    m.city("Constantinople", 2, 6, size=12, anchor="ma")
    x, y = m.xy(*geo.PLACES["Adrianople"])
    crossed_swords(c, x, y, 8, INK)
    c.halo_text(x - 10, y + 8, pw("Adrianople"), font("bold", 13), anchor="ra")
    c.halo_text(x - 10, y + 23, pw("9 August 378"), font("italic", 12), anchor="ra")
    m.label(25.0, 44.6, pw("Danube"), 11, mix(INK, NIGHT, 0.4))
    m.label(24.0, 42.9, pw("THRACE"), 12, mix(INK, BRONZE, 0.4), "regular")
    m.finish()
    caption(c, pw("The Goths cross the Danube; Valens falls"))


def art_theodosius(c):
    m = MapView(c, ART_BOX, -10, 47, 26, 56, fit=True)
    m.draw_base()
    empire = m.mask([geo.EMPIRE_235], m.land)
    m.tint([geo.EMPIRE_235], RED, 0.45)
    m.tint([geo.WEST_395], PURPLE, 0.55, base=empire)
    m.border_line([(19.3, 52.0), (19.3, 48.5), (19.5, 45.0), (19.0, 42.3), (19.0, 38.5),
                   (19.5, 33.5), (19.0, 26.0)], INK, 1.5)
    m.rivers(["Rhine", "Danube"])
    m.city("Milan", -4, 0, anchor="ra", size=11, r=2.2)
    m.city("Rome", 3, 1, size=11, r=2.2)
    m.city("Constantinople", 0, -16, anchor="ma", size=11, r=2.4)
    x, y = m.xy(*geo.PLACES["Frigidus"])
    crossed_swords(c, x, y, 5, INK)
    m.finish()
    y = m.box[3] + 12
    legend(c, ART_BOX[0] + 4, y, [
        (mix(PURPLE, PARCHMENT, 0.3), pw("West"), pw("Honorius, aged 10")),
        (mix(RED, PARCHMENT, 0.4), pw("East"), pw("Arcadius, about 17")),
    ])
    fi = font("italic", 12)
    sx, sy = ART_BOX[0] + 11, y + 49
    crossed_swords(c, sx, sy, 5, INK)
    c.text(sx + 13, sy - 8, pw("Frigidus, 394: his last victory"), fi)
    caption(c, pw("The empire divided at his death, 395"))


def art_sack_410(c):
    x0, y0, x1, y1 = ART_BOX
    sky_h = (y1 - y0) * 0.7
    for i in range(60):
        yy = y0 + i * sky_h / 60
        c.rect((x0, yy, x1, yy + sky_h / 60 + 1), fill=mix(NIGHT, PURPLE, 0.1 + 0.55 * i / 60))
    rnd = random.Random(410)
    for _ in range(40):
        c.circle(rnd.uniform(x0 + 4, x1 - 4), rnd.uniform(y0 + 4, y0 + 80), rnd.uniform(0.5, 1.1),
                 fill=mix(PARCHMENT, (255, 255, 255), 0.3))
    c.circle(x0 + 40, y0 + 36, 14, fill=mix(PARCHMENT, GOLD, 0.2))
    c.circle(x0 + 46, y0 + 32, 12, fill=mix(NIGHT, PURPLE, 0.15))  # a crescent moon
    # the burning city behind the wall
    for k in range(9):
        bx = x0 + 8 + k * 27
        h = 40 + (k * 29) % 45
        c.rect((bx, y0 + 175 - h, bx + 22, y0 + 175), fill=mix(NIGHT, STONE, 0.35))
        if k % 2 == 0:
            c.poly([(bx - 2, y0 + 175 - h), (bx + 11, y0 + 160 - h), (bx + 24, y0 + 175 - h)],
                   fill=mix(NIGHT, STONE, 0.3))
    for k in range(14):
        fx = x0 + 10 + rnd.uniform(0, x1 - x0 - 20)
        fh = rnd.uniform(30, 80)
        base = y0 + 170
        for colour, scale in ((RED, 1.0), (mix(RED, GOLD, 0.6), 0.7), (GOLD, 0.4)):
            w = 14 * scale
            c.poly([(fx - w, base), (fx - w * 0.5, base - fh * scale * 0.6),
                    (fx - w * 0.1, base - fh * scale * 0.45), (fx + w * 0.2, base - fh * scale),
                    (fx + w * 0.5, base - fh * scale * 0.55), (fx + w, base)], fill=colour)
    for k in range(8):  # smoke
        c.ellipse(x0 + 20 + k * 30 + rnd.uniform(-8, 8), y0 + 60 + rnd.uniform(-15, 20),
                  rnd.uniform(18, 30), rnd.uniform(8, 13), fill=mix(NIGHT, STONE, 0.45))
    # the wall with the Salarian Gate between two round towers
    wall_top = y0 + 165
    stone = mix(STONE, NIGHT, 0.15)
    c.rect((x0, wall_top, x1, y1), fill=stone)
    for k in range(0, int(x1 - x0), 12):
        c.rect((x0 + k, wall_top - 8, x0 + k + 7, wall_top), fill=stone)
    for row in range(int(wall_top) + 10, int(y1), 10):
        c.line([(x0, row), (x1, row)], mix(stone, NIGHT, 0.35), 0.6)
    gx = (x0 + x1) / 2
    for tx in (gx - 52, gx + 52):
        c.rect((tx - 22, wall_top - 30, tx + 22, y1), fill=mix(STONE, PARCHMENT, 0.1),
               outline=mix(STONE, NIGHT, 0.5), width=1)
        for k in range(4):
            c.rect((tx - 22 + k * 12, wall_top - 38, tx - 22 + k * 12 + 7, wall_top - 30),
                   fill=mix(STONE, PARCHMENT, 0.1))
        c.rect((tx - 3, wall_top - 12, tx + 3, wall_top), fill=NIGHT)
    arch_top = wall_top + 30
    c.rect((gx - 26, arch_top, gx + 26, y1), fill=mix(RED, GOLD, 0.4))  # fire seen through
    c.ellipse(gx, arch_top, 26, 26, fill=mix(RED, GOLD, 0.4))
    c.rect((gx - 26, y1 - 4, gx + 26, y1), fill=stone)
    # Goths pouring in from both sides, a banner before them
    c.line([(gx - 70, y1 - 80), (gx - 70, y1 - 6)], INK, 1.5)
    c.poly([(gx - 70, y1 - 80), (gx - 44, y1 - 74), (gx - 70, y1 - 66)], fill=RED)
    goth = figures.BARBARIAN
    for k in range(3):
        step = figures.walk(goth, 0.3 * k + 0.1, stride=30)
        c.figure(figures.figure_svg(goth, step), gx - 122 + k * 25, y1 - 3, 1.15)
        c.figure(figures.figure_svg(goth, figures.walk(goth, 0.3 * k + 0.55, stride=30)),
                 gx + 122 - k * 25, y1 - 3, 1.15, mirror=True)
    c.rect(ART_BOX, outline=INK, width=1.2)
    caption(c, pw("The Goths enter by the Salarian Gate"))


def art_sack_455(c):
    m = MapView(c, ART_BOX, -10, 17, 30.5, 53)
    m.draw_base()
    m.tint([geo.EMPIRE_235], GOLD, 0.35)
    m.rivers(["Rhine", "Danube"])
    route = [(8.6, 51.5), (8.0, 50.0), (4.0, 47.5), (0.5, 45.0), (-2.0, 42.5), (-4.0, 39.0),
             (-5.6, 36.2), (-2.0, 35.4), (4.0, 36.2), geo.PLACES["Carthage"]]
    m.arrow(route, RED, 2.4)
    m.arrow([geo.PLACES["Carthage"], (11.5, 38.8), (12.1, 41.0), geo.PLACES["Rome"]], PURPLE, 2.6)
    m.label(9.5, 52.4, "406", 12, RED, "bold")
    m.label(-4.5, 41.3, "409", 12, RED, "bold")
    m.label(-6.6, 35.2, "429", 12, RED, "bold")
    m.city("Carthage", -2, 5, anchor="ma", label=pw("Carthage 439"))
    m.city("Rome", -5, -16, label=pw("Rome 455"), size=12, anchor="ra")
    m.label(10.6, 38.05, pw("Vandal fleet"), 12, PURPLE, anchor="rm")
    m.finish()
    caption(c, pw("The Vandals' road to Africa and Rome"))


def art_romulus(c):
    x0, y0, x1, y1 = ART_BOX
    coin(c, (x0 + x1) / 2, y0 + 118, 112, "D N ROMVLVS AVGVSTVS P F AVG", youth=1.0,
         headgear="diadem")
    c.text((x0 + x1) / 2, y0 + 242, pw("The last emperor of the West"), font("italic", 13.5),
           anchor="ma")
    c.text((x0 + x1) / 2, y0 + 260, pw("D N = Dominus Noster, our lord"), font("regular", 12),
           fill=mix(INK, BRONZE, 0.4), anchor="ma")
    caption(c, pw("A coin portrait of Romulus Augustulus"))


def art_intro(c):
    x0, y0, x1, y1 = ART_BOX
    box = (x0, y0, x1, y0 + 172)
    m = MapView(c, box, -10, 47, 27, 56, fit=True)
    m.draw_base()
    m.tint([geo.EMPIRE_235], PURPLE, 0.4)
    m.rivers(["Rhine", "Danube", "Euphrates", "Tigris"])
    m.arrow([(13.0, 55.0), (10.5, 51.8), (8.8, 49.4)], RED, 2.2, head=6)
    m.arrow([(24.0, 52.0), (22.5, 48.2), (23.0, 45.3)], RED, 2.2, head=6)
    m.arrow([(49.0, 32.0), (44.0, 34.5), (40.5, 35.8)], RED, 2.2, head=6)
    m.label(5.0, 54.0, pw("Germanic"), 11, RED, "bold")
    m.label(5.0, 52.2, pw("tribes"), 11, RED, "bold")
    m.label(41.5, 29.6, pw("Sassanids"), 11, RED, "bold")
    m.city("Rome", 3, 2, size=11, r=2.2, label=pw("Roma"))
    m.finish()
    # how to play: a mouse with its two buttons
    mx, my = x0 + 34, y0 + 222
    body = Image.new("L", c.img.size, 0)
    ImageDraw.Draw(body).rounded_rectangle(((mx - 19) * SS, (my - 30) * SS, (mx + 19) * SS,
                                            (my + 34) * SS), radius=17 * SS, fill=255)
    c.img.paste(mix(PARCHMENT, STONE, 0.3), (0, 0), body)
    for colour, bx0, bx1 in ((GOLD, mx - 19, mx), (RED, mx, mx + 19)):
        button = Image.new("L", c.img.size, 0)
        ImageDraw.Draw(button).rectangle((bx0 * SS, (my - 30) * SS, bx1 * SS, (my - 4) * SS),
                                         fill=255)
        from PIL import ImageChops
        c.img.paste(colour, (0, 0), ImageChops.multiply(body, button))
    c.d.rounded_rectangle(((mx - 19) * SS, (my - 30) * SS, (mx + 19) * SS, (my + 34) * SS),
                          radius=17 * SS, outline=INK, width=int(1.2 * SS))
    c.line([(mx, my - 30), (mx, my - 4)], INK, 1)
    c.line([(mx - 19, my - 4), (mx + 19, my - 4)], INK, 1)
    c.line([(mx, my - 30), (mx + 2, my - 36), (mx - 2, my - 41), (mx + 1, my - 46)], INK, 1.2)
    f, fi = font("bold", 13), font("italic", 12.5)
    c.text(mx + 36, my - 36, pw("Left: drag a legion"), f, fill=mix(INK, BRONZE, 0.2))
    c.text(mx + 36, my - 21, pw("to march or attack"), fi)
    c.text(mx + 36, my + 0, pw("Right: end the year"), f, fill=RED)
    c.text(mx + 36, my + 15, pw("one turn is one year"), fi)
    caption(c, pw("Hold the thirty provinces"))


ART = {162: art_maximinus, 233: art_three_empires, 187: art_aurelian, 160: art_diocletian,
       161: art_constantine, 249: art_adrianople, 248: art_theodosius, 235: art_sack_410,
       163: art_sack_455, 164: art_romulus, 266: art_intro}


def render(lesson):
    c = Canvas()
    parchment(c, lesson.picture)
    background = c.finish()
    frame(c)
    header(c, lesson)
    body_text(c, lesson.text)
    ART[lesson.picture](c)
    img = c.finish()
    clear_button_area(img, background)
    return img


def save_picture(img, path):
    """256 colours are plenty for parchment, ink and flat colours, and a third of the
    bytes: the browser edition loads these pictures before the game starts."""
    img.quantize(colors=256, method=Image.Quantize.MEDIANCUT).save(path, optimize=True)


def contact_sheet(images, path):
    cols, scale = 3, 0.5
    tw, th = int(W * scale), int(H * scale)
    rows = (len(images) + cols - 1) // cols
    sheet = Image.new("RGB", (cols * (tw + 10) + 10, rows * (th + 28) + 10), (60, 50, 40))
    d = ImageDraw.Draw(sheet)
    f = ImageFont.truetype(os.path.join(FONT_DIR, FONT_FILES["regular"]), 14)
    for i, (pid, img) in enumerate(images):
        x, y = 10 + (i % cols) * (tw + 10), 10 + (i // cols) * (th + 28)
        sheet.paste(img.resize((tw, th), Image.LANCZOS), (x, y))
        d.text((x, y + th + 4), "%d.png" % pid, font=f, fill=PARCHMENT)
    sheet.save(path)


def bundle_fonts():
    dest = os.path.join(lessondata.RESOURCES, "fonts")
    os.makedirs(dest, exist_ok=True)
    for name in FONT_FILES.values():
        shutil.copyfile(os.path.join(FONT_DIR, name), os.path.join(dest, name))
    # the licence, as Debian ships it in the package's copyright file
    with open("/usr/share/doc/fonts-ebgaramond/copyright", encoding="utf-8") as f:
        text = f.read()
    start = text.index("SIL OPEN FONT LICENSE Version 1.1")
    body = text[start:].split("\n\n")[0].splitlines()
    lines = []
    for ln in body:
        ln = ln[4:] if ln.startswith("    ") else ln.strip()
        lines.append("" if ln.strip() == "." else ln)
    with open(os.path.join(dest, "OFL.txt"), "w", encoding="utf-8") as f:
        f.write("EB Garamond, Copyright 2010-2012 Georg Duffner (http://www.georgduffner.at)\n\n")
        f.write("-" * 59 + "\n" + "\n".join(lines).rstrip() + "\n")


def export_json(lessons):
    out = []
    for l in lessons:
        entry = {"picture": l.picture, "title": l.title, "year": l.year, "dates": l.dates,
                 "command": l.command, "narration": l.narration, "text": l.text}
        # the same lesson told in the other languages, for the window's reader
        entry["languages"] = {}
        for language in lessondata.LANGUAGES:
            t = l.translated(language)
            entry["languages"][language] = {"title": t.title, "dates": t.dates, "text": t.text}
        out.append(entry)
    with open(os.path.join(lessondata.RESOURCES, "lessons.json"), "w", encoding="utf-8") as f:
        json.dump({"lessons": out}, f, indent=1, ensure_ascii=False)
        f.write("\n")


def draw_language(language, only):
    """The pictures of one language: English in bitmaps/, the others in bitmaps/<lang>/."""
    set_language(language)
    bitmaps = os.path.join(lessondata.RESOURCES, "bitmaps")
    if language != "en":
        bitmaps = os.path.join(bitmaps, language)
    os.makedirs(bitmaps, exist_ok=True)
    images = []
    for lesson in lessondata.load_all(language):
        if only and lesson.picture not in only:
            continue
        set_scale(2)
        save_picture(render(lesson), os.path.join(bitmaps, "%d@2x.png" % lesson.picture))
        set_scale(1)
        img = render(lesson)
        save_picture(img, os.path.join(bitmaps, "%d.png" % lesson.picture))
        images.append((lesson.picture, img))
        print("wrote %s/%d.png and %d@2x.png  (%s, text at %.1f px)"
              % (language, lesson.picture, lesson.picture, lesson.title, TEXT_SIZES[-1]))
    if not only:
        name = "contact-sheet.png" if language == "en" else "contact-sheet-%s.png" % language
        contact_sheet(images, os.path.join(lessondata.HERE, "out", name))


def main():
    args = sys.argv[1:]
    languages = ["en"] + lessondata.LANGUAGES
    if args[:1] == ["--lang"]:
        languages, args = [args[1]], args[2:]
    only = {int(a) for a in args}
    os.makedirs(os.path.join(lessondata.HERE, "out"), exist_ok=True)
    for language in languages:
        draw_language(language, only)
    if not only and len(languages) > 1:
        bundle_fonts()
        export_json(lessondata.load_all())


if __name__ == "__main__":
    main()
