"""Shared helpers of the picture generators: palette, type face, SVG rendering, saving.

Every picture of the game is composed here from code: shapes are written as SVG
and rendered by rsvg-convert, lettering is set with PIL in EB Garamond from the
font files bundled with the game, so a rebuild never depends on system fonts.
"""
import io
import os
import subprocess

import numpy as np
from PIL import Image, ImageDraw, ImageFont

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
BITMAPS = os.path.join(ROOT, "game", "resources", "bitmaps")
ICONS = os.path.join(ROOT, "game", "resources", "icons")
FONTS = os.path.join(ROOT, "game", "resources", "fonts")
OUT = os.path.join(ROOT, "tools", "art", "out")

# Pixels per picture unit. Every picture is laid out in the units the game places it
# by (its 1x size); at 2 the same drawing comes out twice as large and twice as sharp,
# for large and high-density screens, and is saved as "<id>@2x.png".
SCALE = 1


def set_scale(factor):
    global SCALE
    SCALE = factor


def px(v):
    """A length in picture units, in pixels of the picture being made."""
    return v * SCALE

# The game's one palette.
PARCHMENT = "#E9DCB8"
INK = "#3A2A1A"
RED = "#A8322A"
PURPLE = "#5B2A5E"
GOLD = "#C8A040"
BRONZE = "#8C6A3C"
STONE = "#8A8A80"
NIGHT = "#1E2A3A"
# Derived tones: lighter and darker steps of the palette for shading only.
SKIN = "#D9A77A"
SKIN_DARK = "#B07A52"
STEEL = "#B8B8AE"
STEEL_DARK = "#6E6E66"
RED_DARK = "#7A2119"
GOLD_LIGHT = "#E6C870"
PARCHMENT_DARK = "#C9B88E"


def rgb(hexcolour):
    h = hexcolour.lstrip("#")
    return tuple(int(h[i:i + 2], 16) for i in (0, 2, 4))


def mix(a, b, t):
    """Blend two '#rrggbb' colours, t=0 gives a, t=1 gives b."""
    ca, cb = rgb(a), rgb(b)
    return "#%02X%02X%02X" % tuple(round(x + (y - x) * t) for x, y in zip(ca, cb))


FONT_REGULAR = os.path.join(FONTS, "EBGaramond12-Regular.otf")
FONT_BOLD = os.path.join(FONTS, "EBGaramond12-Bold.otf")
FONT_ITALIC = os.path.join(FONTS, "EBGaramond12-Italic.otf")


def font(size, style="regular"):
    """EB Garamond at `size` picture units."""
    path = {"regular": FONT_REGULAR, "bold": FONT_BOLD, "italic": FONT_ITALIC}[style]
    return ImageFont.truetype(path, int(round(px(size))))


def render_svg(svg, width, height):
    """Render an SVG document sized width x height units to an RGBA PIL image of that
    size in pixels (the SVG's viewBox keeps the drawing in units)."""
    width, height = px(width), px(height)
    proc = subprocess.run(
        ["rsvg-convert", "-w", str(width), "-h", str(height), "-f", "png"],
        input=svg.encode("utf-8"), stdout=subprocess.PIPE, check=True)
    img = Image.open(io.BytesIO(proc.stdout)).convert("RGBA")
    assert img.size == (width, height), (img.size, width, height)
    return img


def svg_doc(width, height, body, view=None):
    vb = view or "0 0 %g %g" % (width, height)
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="%s">%s</svg>'
            % (width, height, vb, body))


def supersample(svg_body, width, height, factor=4):
    """Render at factor x the size and shrink: smoother small pictures than a direct render."""
    big = render_svg(svg_doc(width * factor, height * factor, svg_body,
                             view="0 0 %g %g" % (width, height)), width * factor, height * factor)
    return shrink(big, width, height)


def shrink(img, width, height):
    """Downsample an RGBA picture on premultiplied alpha so edges do not pick up dark fringes.
    width and height are in units."""
    width, height = px(width), px(height)
    a = np.asarray(img).astype(np.float64) / 255.0
    premul = a.copy()
    premul[..., :3] *= a[..., 3:4]
    small = Image.fromarray((premul * 255).round().astype(np.uint8), "RGBA").resize(
        (width, height), Image.LANCZOS)
    s = np.asarray(small).astype(np.float64) / 255.0
    alpha = s[..., 3:4]
    out = np.zeros_like(s)
    nz = alpha[..., 0] > 1e-6
    out[nz, :3] = np.clip(s[nz, :3] / alpha[nz], 0, 1)
    out[..., 3] = s[..., 3]
    return Image.fromarray((out * 255).round().astype(np.uint8), "RGBA")


def clean_alpha(img, threshold=8):
    """Prepare a picture with transparency for the game's mask drawing.

    Nearly invisible pixels become fully transparent and every fully transparent
    pixel is black, so that a black-where-transparent picture and a mask derived
    from the alpha channel give the same result as drawing with the alpha itself.
    """
    a = np.array(img.convert("RGBA"))
    clear = a[..., 3] < threshold
    a[clear] = 0
    return Image.fromarray(a, "RGBA")


def opaque(img, background="#000000"):
    """Flatten a picture onto a solid background: plain-copy pictures carry no transparency."""
    base = Image.new("RGBA", img.size, rgb(background) + (255,))
    base.alpha_composite(img.convert("RGBA"))
    return base.convert("RGB")


def bitmap_name(rid):
    """The file of a picture id at the current scale: "168.png", "168@2x.png"."""
    return "%d%s.png" % (rid, "" if SCALE == 1 else "@%dx" % SCALE)


def save_bitmap(img, rid, language=""):
    """Saves under bitmaps/, or bitmaps/<language>/ for a picture drawn in another language."""
    folder = os.path.join(BITMAPS, language) if language else BITMAPS
    os.makedirs(folder, exist_ok=True)
    path = os.path.join(folder, bitmap_name(rid))
    if img.mode == "RGB":
        # Opaque pictures keep their look in 256 colours at half the bytes: the
        # browser edition loads them before the game starts.
        img = img.quantize(colors=256, method=Image.Quantize.MEDIANCUT)
    img.save(path, optimize=True)
    return path


def text_size(draw, txt, fnt):
    l, t, r, b = draw.textbbox((0, 0), txt, font=fnt)
    return r - l, b - t, l, t


def draw_text(img, xy, txt, fnt, fill, anchor="la", stroke=0, stroke_fill=None, shadow=None,
              spacing=0):
    """Set a line of text; optional outline, drop shadow and extra letter spacing.
    Positions, outline, shadow offset and spacing are in units; fnt comes from font()."""
    if shadow:
        shadow = (px(shadow[0]), px(shadow[1]), shadow[2])
    _draw_text(img, (px(xy[0]), px(xy[1])), txt, fnt, fill, anchor, int(round(px(stroke))), stroke_fill,
               shadow, px(spacing))


def _draw_text(img, xy, txt, fnt, fill, anchor, stroke, stroke_fill, shadow, spacing):
    d = ImageDraw.Draw(img)
    if spacing:
        # Letter-spaced capitals: place glyph by glyph, then shift for the anchor.
        widths = [d.textlength(ch, font=fnt) for ch in txt]
        total = sum(widths) + spacing * (len(txt) - 1)
        x, y = xy
        if anchor[0] == "m":
            x -= total / 2
        elif anchor[0] == "r":
            x -= total
        for ch, w in zip(txt, widths):
            _draw_text(img, (x, y), ch, fnt, fill, "l" + anchor[1], stroke, stroke_fill, shadow, 0)
            x += w + spacing
        return
    if shadow:
        dx, dy, col = shadow
        d.text((xy[0] + dx, xy[1] + dy), txt, font=fnt, fill=col, anchor=anchor,
               stroke_width=stroke, stroke_fill=col)
    d.text(xy, txt, font=fnt, fill=fill, anchor=anchor, stroke_width=stroke,
           stroke_fill=stroke_fill)


def noise_texture(width, height, seed, strength=10, scale=6):
    """Soft fibrous noise for parchment: deterministic so rebuilds give identical files."""
    rng = np.random.default_rng(seed)
    small = rng.normal(0, 1, (height // scale + 2, width // scale + 2))
    img = Image.fromarray(((small - small.min()) / (np.ptp(small) + 1e-9) * 255).astype(np.uint8))
    img = img.resize((width + 2 * scale, height + 2 * scale), Image.BICUBIC).crop(
        (scale, scale, scale + width, scale + height))
    fine = rng.normal(0, 1, (height, width))
    coarse = np.asarray(img).astype(np.float64) / 255.0 - 0.5
    return coarse * strength + fine * strength * 0.25
