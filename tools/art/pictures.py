"""The game's still pictures: report scroll, labels, banner, coins, buttons,
crossed swords, the Prefect's portrait, the splash, About, Results, the editor's
headings and the application icon."""
import math

import numpy as np
from PIL import Image, ImageDraw

from common import (BRONZE, GOLD, GOLD_LIGHT, INK, NIGHT, PARCHMENT, PARCHMENT_DARK, PURPLE,
                    RED, SKIN, SKIN_DARK, STEEL, STEEL_DARK, STONE, clean_alpha, draw_text,
                    font, mix, noise_texture, opaque, render_svg, rgb, supersample, svg_doc)
import common
from figures import LEGIONARY, Pose, figure_svg, place
from words import translate


def textured(img, seed, strength=9.0, scale=6):
    """Grain and fibres over a picture's painted areas (alpha is kept)."""
    a = np.asarray(img.convert("RGBA")).astype(np.float64)
    # the same grain at every scale, only enlarged: a 2x picture stays the 1x one made sharp
    k = common.SCALE
    n = noise_texture(img.width // k, img.height // k, seed, strength, scale)
    if k > 1:
        n = np.asarray(Image.fromarray(n.astype(np.float32), "F").resize(img.size, Image.BILINEAR))
    a[..., :3] = np.clip(a[..., :3] + n[..., None], 0, 255)
    return Image.fromarray(a.astype(np.uint8), "RGBA")


def letter_width(txt, fnt, spacing):
    """Width in units of a line set glyph by glyph."""
    d = ImageDraw.Draw(Image.new("RGB", (1, 1)))
    return sum(d.textlength(ch, font=fnt) for ch in txt) / common.SCALE + spacing * (len(txt) - 1)


def fit_font(txt, style, max_width, start, spacing=0, minimum=6):
    size = start
    while size > minimum and letter_width(txt, font(size, style), spacing) > max_width:
        size -= 1
    return font(size, style)


# ---------------------------------------------------------------------------
# 264: the report scroll

def scroll():
    w, h = 355, 664
    body_l, body_r = 17, 338
    roll_h = 40

    def roll(y):
        # a rolled-up end: shaded cylinder with bronze rod ends
        g = ('<linearGradient id="r%d" x1="0" y1="0" x2="0" y2="1">'
             '<stop offset="0" stop-color="%s"/><stop offset="0.35" stop-color="%s"/>'
             '<stop offset="0.7" stop-color="%s"/><stop offset="1" stop-color="%s"/></linearGradient>'
             % (y, PARCHMENT_DARK, mix(PARCHMENT, "#FFFFFF", 0.25), PARCHMENT_DARK, mix(PARCHMENT_DARK, INK, 0.35)))
        s = g
        s += '<rect x="9" y="%d" width="337" height="%d" rx="12" fill="url(#r%d)" stroke="%s" stroke-width="1.6"/>' % (
            y, roll_h, y, INK)
        s += '<path d="M 14 %d L 341 %d" stroke="%s" stroke-width="1" opacity="0.6"/>' % (
            y + roll_h * 0.72, y + roll_h * 0.72, mix(PARCHMENT_DARK, INK, 0.4))
        for x in (1.5, 341.5):
            s += ('<rect x="%g" y="%d" width="12" height="%d" rx="4" fill="%s" stroke="%s" stroke-width="1.4"/>'
                  % (x, y + 7, roll_h - 14, BRONZE, INK))
            s += ('<rect x="%g" y="%d" width="5" height="%d" rx="2" fill="%s" opacity="0.8"/>'
                  % (x + 3, y + 10, roll_h - 24, GOLD_LIGHT))
        return s

    s = ''
    s += ('<radialGradient id="pb" cx="0.5" cy="0.5" r="0.75">'
          '<stop offset="0.55" stop-color="%s"/><stop offset="1" stop-color="%s"/></radialGradient>'
          % (PARCHMENT, mix(PARCHMENT_DARK, BRONZE, 0.25)))
    # the sheet: slightly ragged sides between the two rolls
    left = " ".join("L %.1f %d" % (body_l + 2.2 * math.sin(y / 23.0) + 1.2 * math.sin(y / 7.1), y)
                    for y in range(30, 640, 8))
    right = " ".join("L %.1f %d" % (body_r + 2.2 * math.sin(y / 19.0 + 1) + 1.2 * math.sin(y / 6.3), y)
                     for y in range(636, 26, -8))
    s += '<path d="M %d 26 %s L %d 640 %s Z" fill="url(#pb)" stroke="%s" stroke-width="1.4"/>' % (
        body_l, left, body_r, right, mix(BRONZE, INK, 0.4))
    # ruled bands at head and foot of the sheet
    for y in (66, 604):
        s += '<path d="M 40 %d L 315 %d M 40 %d L 315 %d" stroke="%s" stroke-width="1.2"/>' % (
            y - 3, y - 3, y + 3, y + 3, RED)
        s += '<path d="M 177.5 %d l 7 6 l -7 6 l -7 -6 Z" fill="%s" stroke="%s" stroke-width="1"/>' % (
            y - 6, PURPLE, GOLD)
    s += roll(4) + roll(h - 4 - roll_h)
    img = render_svg(svg_doc(w, h, s), w, h)
    img = textured(img, 264, strength=7.0, scale=5)
    return clean_alpha(img)


# ---------------------------------------------------------------------------
# Small labels and banners (plain copies: fully opaque)

def plaque(w, h, txt, size, spacing=2, fill=PARCHMENT, ink=INK, border=BRONZE, radius=7,
           background="#000000", rule=RED, style="bold", dy=0):
    s = ('<rect x="1.5" y="1.5" width="%g" height="%g" rx="%g" fill="%s" stroke="%s" stroke-width="3"/>'
         % (w - 3, h - 3, radius, fill, border))
    s += ('<rect x="5.5" y="5.5" width="%g" height="%g" rx="%g" fill="none" stroke="%s" stroke-width="1"/>'
          % (w - 11, h - 11, max(radius - 3, 1), rule))
    img = supersample(s, w, h)
    img = textured(img, w * 7 + h, strength=6.0)
    fnt = fit_font(txt, style, w - 26, size, spacing)
    draw_text(img, (w / 2, h / 2 + dy), txt, fnt, rgb(ink) + (255,), anchor="mm", spacing=spacing)
    return opaque(img, background)


def legend_title():
    return plaque(162, 57, "LEGEND", 32, spacing=4, dy=1)


def constantinople():
    w, h = 100, 15
    s = ('<rect x="0.5" y="0.5" width="99" height="14" fill="%s" stroke="%s" stroke-width="1"/>'
         % (PARCHMENT, INK))
    img = supersample(s, w, h)
    fnt = fit_font("CONSTANTINOPLE", "bold", 94, 12, spacing=0.2)
    draw_text(img, (50, 7.5), "CONSTANTINOPLE", fnt, rgb(INK) + (255,), anchor="mm", spacing=0.2)
    return opaque(img)


def computer_turn():
    w, h = 254, 38
    s = '<rect x="0" y="0" width="254" height="38" fill="%s"/>' % RED
    s += '<rect x="1.5" y="1.5" width="251" height="35" fill="none" stroke="%s" stroke-width="3"/>' % INK
    s += '<rect x="5" y="5" width="244" height="28" fill="none" stroke="%s" stroke-width="1.4"/>' % GOLD
    for x in (16, 238):
        s += '<path d="M %d 12 l 7 7 l -7 7 l -7 -7 Z" fill="%s" stroke="%s" stroke-width="0.8"/>' % (x, GOLD, INK)
    img = supersample(s, w, h)
    img = textured(img, 234, strength=5.0)
    words = translate("Pictures", "COMPUTER TURN")
    fnt = fit_font(words, "bold", 190, 25, spacing=3)
    draw_text(img, (w / 2, h / 2 + 1), words, fnt, rgb(PARCHMENT) + (255,), anchor="mm",
              spacing=3, shadow=(1, 1, rgb(INK) + (255,)))
    return opaque(img)


def crossed_swords():
    """Two gladii crossed: the marker of a rebel move."""
    def gladius(angle):
        s = ''
        # blade with a long point, guard, grip and pommel; drawn pointing up
        s += '<path d="M -1.5 2 L -1.6 -9.6 L 0 -12.8 L 1.6 -9.6 L 1.5 2 Z" fill="%s" stroke="%s" stroke-width="0.8"/>' % (
            STEEL, INK)
        s += '<path d="M 0 -11.2 L 0 1.6" stroke="%s" stroke-width="0.5"/>' % STEEL_DARK
        s += '<rect x="-3.6" y="1.6" width="7.2" height="1.9" rx="0.8" fill="%s" stroke="%s" stroke-width="0.7"/>' % (
            GOLD, INK)
        s += '<rect x="-0.95" y="3.4" width="1.9" height="3.4" fill="%s" stroke="%s" stroke-width="0.6"/>' % (
            BRONZE, INK)
        s += '<circle cx="0" cy="7.6" r="1.5" fill="%s" stroke="%s" stroke-width="0.7"/>' % (GOLD, INK)
        return '<g transform="translate(11.5 11.5) rotate(%g) scale(1.05) translate(0 4.2)">%s</g>' % (angle, s)
    img = supersample(gladius(-44) + gladius(44), 23, 23, factor=6)
    return clean_alpha(img)


def coin(full=True):
    """A gold aureus struck with the game's A, or the dark empty place for one."""
    w = h = 20
    if full:
        s = ('<radialGradient id="c" cx="0.38" cy="0.34" r="0.7"><stop offset="0" stop-color="%s"/>'
             '<stop offset="1" stop-color="%s"/></radialGradient>' % (GOLD_LIGHT, mix(GOLD, BRONZE, 0.45)))
        s += '<circle cx="10" cy="10" r="9.3" fill="url(#c)" stroke="%s" stroke-width="0.9"/>' % mix(BRONZE, INK, 0.35)
        s += ('<circle cx="10" cy="10" r="7.4" fill="none" stroke="%s" stroke-width="0.8" '
              'stroke-dasharray="0.9 0.9"/>' % mix(GOLD, BRONZE, 0.7))
        s += '<g transform="translate(10 10.3) scale(0.062) translate(-130 -126)">%s</g>' % roman_a(
            mix(GOLD, BRONZE, 0.55), mix(BRONZE, INK, 0.3), 10)
    else:
        s = ('<circle cx="10" cy="10" r="8.8" fill="%s" stroke="%s" stroke-width="1.2" stroke-dasharray="2.2 1.3"/>'
             % (mix(INK, "#000000", 0.45), BRONZE))
        s += '<circle cx="10" cy="10" r="6.4" fill="%s"/>' % mix(INK, "#000000", 0.7)
    return opaque(supersample(s, w, h, factor=6))


def roman_a(fill, stroke, width):
    """A serifed Roman capital A in a 256-unit box, drawn as a path so the SVG icon needs no font."""
    d = ("M 118 50 L 140 50 L 187 192 L 199 192 L 199 204 L 153 204 L 153 192 L 165 192 L 156 164 "
         "L 102 164 L 93 192 L 106 192 L 106 204 L 61 204 L 61 192 L 73 192 Z "
         "M 127 88 L 107 148 L 147 148 Z")
    return ('<path d="%s" fill="%s" fill-rule="evenodd" stroke="%s" stroke-width="%g" '
            'stroke-linejoin="round"/>' % (d, fill, stroke, width))


def media_button(stop):
    w = h = 25
    s = '<rect x="0" y="0" width="25" height="25" fill="%s"/>' % INK
    s += '<rect x="1" y="1" width="23" height="23" rx="3" fill="%s"/>' % BRONZE
    s += '<path d="M 1.5 23.5 L 1.5 1.5 L 23.5 1.5" stroke="%s" stroke-width="1.2" fill="none"/>' % GOLD_LIGHT
    s += '<path d="M 1.5 23.5 L 23.5 23.5 L 23.5 1.5" stroke="%s" stroke-width="1.2" fill="none"/>' % (
        mix(BRONZE, INK, 0.55))
    s += '<rect x="4" y="4" width="17" height="17" rx="2" fill="%s" stroke="%s" stroke-width="0.8"/>' % (
        PARCHMENT, mix(BRONZE, INK, 0.4))
    if stop:
        s += '<rect x="8" y="8" width="9" height="9" rx="0.8" fill="%s" stroke="%s" stroke-width="0.7"/>' % (RED, INK)
    else:
        s += '<path d="M 9 6.8 L 18.4 12.5 L 9 18.2 Z" fill="%s" stroke="%s" stroke-width="0.7" stroke-linejoin="round"/>' % (
            RED, INK)
    return opaque(supersample(s, w, h, factor=6))


# ---------------------------------------------------------------------------
# 182: the Praetorian Prefect

def portrait():
    """The Prefect in profile: grey-haired, bearded, in a white cloak with the purple
    panel and the gilt crossbow brooch that marked the late empire's high officials."""
    w, h = 68, 78
    s = ('<radialGradient id="bg" cx="0.6" cy="0.4" r="0.8"><stop offset="0" stop-color="%s"/>'
         '<stop offset="1" stop-color="%s"/></radialGradient>' % (mix(NIGHT, PURPLE, 0.45), NIGHT))
    s += '<rect width="68" height="78" fill="url(#bg)"/>'
    # cloak over both shoulders, its folds, and the purple panel in front
    s += ('<path d="M 2 78 C 4 64 14 56 28 53 L 46 52 C 56 55 63 63 66 78 Z" fill="%s" stroke="%s" stroke-width="0.9"/>'
          % (PARCHMENT, INK))
    for d in ("M 14 66 C 16 70 17 74 17 78", "M 22 60 C 25 66 26 72 25 78", "M 57 64 C 56 69 57 74 58 78"):
        s += '<path d="%s" fill="none" stroke="%s" stroke-width="0.9"/>' % (d, PARCHMENT_DARK)
    s += '<path d="M 42 64 L 55 62 L 57 78 L 42 78 Z" fill="%s" stroke="%s" stroke-width="0.8"/>' % (PURPLE, INK)
    s += '<path d="M 44 66 L 53 64.6" stroke="%s" stroke-width="0.6"/>' % GOLD
    # neck and the red tunic's collar
    s += '<path d="M 32 44 L 45 45 L 46 54 L 31 55 Z" fill="%s" stroke="%s" stroke-width="0.8"/>' % (SKIN, INK)
    s += '<path d="M 31 53 C 36 57 42 57 47 52 L 48 55 C 42 60 35 60 30 56 Z" fill="%s" stroke="%s" stroke-width="0.7"/>' % (
        RED, INK)
    head = ''
    # face in profile
    head += ('<path d="M 24 26 C 25 13 41 10 45 18 L 46 24 L 45.6 26 L 49.2 33 L 46.6 34.4 L 47 37 L 46.2 38.5 '
          'L 46.7 40.2 C 46.2 44 43 46 39 46 L 35 44.5 C 29 44 24.5 38 24 26 Z" fill="%s" stroke="%s" stroke-width="0.9"/>'
          % (SKIN, INK))
    head += '<path d="M 45.6 26 C 44.5 28 44.6 30 46.4 31.6" fill="none" stroke="%s" stroke-width="0.6"/>' % SKIN_DARK
    head += '<path d="M 40.6 38.4 C 42 39.6 44 39.4 46.2 38.5" fill="none" stroke="%s" stroke-width="0.5"/>' % SKIN_DARK
    head += '<path d="M 41.6 31.4 C 40.6 33.4 40.8 35.4 41.8 36.6" fill="none" stroke="%s" stroke-width="0.55"/>' % SKIN_DARK
    # short grey beard and moustache along the jaw
    grey = mix(STONE, PARCHMENT, 0.35)
    head += ('<path d="M 31 37 C 33 41 37 42 40 40.5 L 46.4 36.4 L 46.8 40.4 C 46.6 44.5 43.5 47.5 39 47.4 '
          'C 34 47.4 30 43 29.6 38 Z" fill="%s" stroke="%s" stroke-width="0.8"/>' % (grey, INK))
    head += '<path d="M 41.5 35.6 C 43.5 35.0 45.5 35.0 46.8 35.6 L 46.4 36.8 C 44.8 36.3 43 36.6 41.5 37.2 Z" fill="%s" stroke="%s" stroke-width="0.5"/>' % (
        grey, INK)
    # hair, ear, eye and brow
    # close-cropped curls: a scalloped edge of small locks around the crown and the back
    for x, y in ((41.2, 12.8), (38.2, 11.0), (34.8, 10.2), (31.2, 10.6), (28.2, 12.0), (25.8, 14.2), (24.2, 17.2),
                 (23.4, 20.6), (23.0, 24.0), (23.1, 27.6), (23.5, 31.0), (24.3, 34.4), (25.6, 37.6), (27.4, 40.4)):
        head += '<circle cx="%g" cy="%g" r="2.3" fill="%s" stroke="%s" stroke-width="0.8"/>' % (x, y, grey, INK)
    head += ('<path d="M 42.6 14.6 C 38 9.2 26.4 9.8 23.4 21.6 C 22.2 30 24 38 29.4 42.4 L 31 39.6 '
             'C 29.6 34 30.4 27.6 33.6 25.2 C 36.4 21.6 39.6 18.4 43.4 17.0 Z" fill="%s"/>' % grey)
    head += ('<path d="M 29.4 42.4 L 31 39.6 C 29.6 34 30.4 27.6 33.6 25.2 C 36.4 21.6 39.6 18.4 43.4 17.0" '
             'fill="none" stroke="%s" stroke-width="0.8"/>' % INK)
    for x, y in ((30, 15), (35, 14), (27.5, 20), (32, 19.5), (26.5, 26), (28.5, 32), (27.2, 37)):
        head += '<path d="M %g %g q 1.2 -1.2 2.4 0" fill="none" stroke="%s" stroke-width="0.6"/>' % (x, y, STONE)
    head += '<ellipse cx="33.4" cy="31" rx="2.6" ry="3.8" fill="%s" stroke="%s" stroke-width="0.8"/>' % (SKIN, INK)
    head += '<path d="M 33.6 29.4 C 34.6 30.2 34.6 31.8 33.6 32.6" fill="none" stroke="%s" stroke-width="0.5"/>' % SKIN_DARK
    head += '<path d="M 41 27.8 C 42 27 43.4 27 44.2 27.9 C 43.2 28.7 42 28.7 41 27.8 Z" fill="%s"/>' % INK
    head += '<path d="M 40.2 25.3 C 41.8 24.2 43.8 24.1 45.4 24.6" fill="none" stroke="%s" stroke-width="1.1"/>' % (
        mix(STONE, INK, 0.3))
    s += '<g transform="translate(35 34.5) scale(1.2) translate(-36 -30)">%s</g>' % head
    # the crossbow brooch on the shoulder
    s += '<path d="M 20 56.5 L 30 55" stroke="%s" stroke-width="1.8" stroke-linecap="round"/>' % INK
    s += '<path d="M 20 56.5 L 30 55" stroke="%s" stroke-width="1.0" stroke-linecap="round"/>' % GOLD
    s += '<path d="M 25 55.8 C 25.6 58.5 25.8 61 25.2 64" fill="none" stroke="%s" stroke-width="2.2"/>' % INK
    s += '<path d="M 25 55.8 C 25.6 58.5 25.8 61 25.2 64" fill="none" stroke="%s" stroke-width="1.2"/>' % GOLD
    for x, y in ((20, 56.5), (30, 55), (25.1, 54.8)):
        s += '<circle cx="%g" cy="%g" r="1.3" fill="%s" stroke="%s" stroke-width="0.6"/>' % (x, y, GOLD_LIGHT, INK)
    # frame
    s += '<rect x="0.5" y="0.5" width="67" height="77" fill="none" stroke="%s" stroke-width="1"/>' % INK
    s += '<rect x="1.8" y="1.8" width="64.4" height="74.4" fill="none" stroke="%s" stroke-width="1.2"/>' % GOLD
    return opaque(supersample(s, w, h, factor=4))


# ---------------------------------------------------------------------------
# 165: splash

def skyline(ground):
    """A city at dusk in silhouette: temple, domed hall, arch, aqueduct, cypresses."""
    s = ''
    g = ground
    # aqueduct across the background
    s += '<path d="M 0 %d L 640 %d L 640 %d L 0 %d Z" fill="%s"/>' % (g - 62, g - 62, g - 54, g - 54, mix(INK, PURPLE, 0.35))
    for i in range(0, 640, 34):
        s += '<rect x="%d" y="%d" width="8" height="62" fill="%s"/>' % (i, g - 62, mix(INK, PURPLE, 0.35))
    # temple with pediment and columns
    x0 = 58
    s += '<path d="M %d %d L %d %d L %d %d Z" fill="%s"/>' % (x0, g - 118, x0 + 85, g - 148, x0 + 170, g - 118, INK)
    s += '<rect x="%d" y="%d" width="170" height="10" fill="%s"/>' % (x0, g - 118, INK)
    for i in range(8):
        s += '<rect x="%d" y="%d" width="9" height="96" fill="%s"/>' % (x0 + 6 + i * 21.3, g - 108, INK)
    s += '<rect x="%d" y="%d" width="186" height="14" fill="%s"/>' % (x0 - 8, g - 14, INK)
    # domed hall
    s += '<path d="M 300 %d A 52 52 0 0 1 404 %d Z" fill="%s"/>' % (g - 92, g - 92, INK)
    s += '<rect x="292" y="%d" width="120" height="92" fill="%s"/>' % (g - 92, INK)
    s += '<rect x="349" y="%d" width="6" height="14" fill="%s"/>' % (g - 156, INK)
    for i in range(4):
        s += '<path d="M %d %d l 0 -26 a 7 7 0 0 1 14 0 l 0 26 Z" fill="%s"/>' % (
            302 + i * 28, g - 34, mix(GOLD, RED, 0.3))
    # triumphal arch
    s += '<path d="M 452 %d L 452 %d L 590 %d L 590 %d L 544 %d L 544 %d A 23 23 0 0 0 498 %d L 498 %d Z" fill="%s"/>' % (
        g, g - 130, g - 130, g, g, g - 62, g - 62, g, INK)
    s += '<rect x="446" y="%d" width="150" height="12" fill="%s"/>' % (g - 142, INK)
    # cypresses
    for x, hgt in ((22, 96), (262, 120), (278, 84), (428, 100), (614, 110)):
        s += '<path d="M %d %d C %d %d %d %d %d %d C %d %d %d %d %d %d Z" fill="%s"/>' % (
            x - 9, g, x - 12, g - hgt * 0.5, x - 3, g - hgt * 0.8, x, g - hgt,
            x + 3, g - hgt * 0.8, x + 12, g - hgt * 0.5, x + 9, g, INK)
    s += '<rect x="0" y="%d" width="640" height="%d" fill="%s"/>' % (g, 480 - g, mix(INK, "#000000", 0.3))
    return s


def aquila(x, y, scale):
    """A legion's eagle standard, gold on its pole, with a red banner."""
    s = '<rect x="-2" y="0" width="4" height="240" fill="%s" stroke="%s" stroke-width="1"/>' % (BRONZE, INK)
    s += '<path d="M -26 34 L 26 34 L 26 92 L 13 84 L 0 92 L -13 84 L -26 92 Z" fill="%s" stroke="%s" stroke-width="1.5"/>' % (
        RED, INK)
    s += '<path d="M -30 33 L 30 33" stroke="%s" stroke-width="4" stroke-linecap="round"/>' % GOLD
    s += '<path d="M -20 44 L 20 44 M -20 76 L 20 76" stroke="%s" stroke-width="1.2"/>' % GOLD
    # the eagle: spread wings, head turned, on a small globe
    s += '<circle cx="0" cy="-4" r="6" fill="%s" stroke="%s" stroke-width="1"/>' % (GOLD, INK)
    s += ('<path d="M 0 -10 C -8 -16 -22 -24 -34 -46 C -24 -40 -16 -40 -10 -36 C -14 -44 -14 -50 -12 -56 '
          'C -6 -44 -2 -38 0 -30 C 2 -38 6 -44 12 -56 C 14 -50 14 -44 10 -36 C 16 -40 24 -40 34 -46 '
          'C 22 -24 8 -16 0 -10 Z" fill="%s" stroke="%s" stroke-width="1.2"/>' % (GOLD, INK))
    s += '<path d="M -3 -28 C -3 -36 3 -40 7 -38 L 11 -36 L 6 -34 C 5 -31 3 -28 -3 -28 Z" fill="%s" stroke="%s" stroke-width="1"/>' % (
        GOLD_LIGHT, INK)
    s += '<path d="M -6 -12 L -8 -4 M 6 -12 L 8 -4" stroke="%s" stroke-width="1.4"/>' % INK
    return '<g transform="translate(%g %g) scale(%g)">%s</g>' % (x, y, scale, s)


def laurel_branch(cx, cy, r, a0, a1, leaves, size, colour=GOLD, stroke=INK, flip=False):
    """Leaves set along an arc from angle a0 to a1 (degrees, 0 = right, clockwise)."""
    s = ''
    for i in range(leaves):
        t = i / max(leaves - 1, 1)
        a = math.radians(a0 + (a1 - a0) * t)
        x, y = cx + r * math.cos(a), cy + r * math.sin(a)
        tangent = math.degrees(a) + (90 if a1 > a0 else -90)
        for side in (-1, 1):
            s += ('<ellipse cx="0" cy="%g" rx="%g" ry="%g" fill="%s" stroke="%s" stroke-width="%g" '
                  'transform="translate(%.2f %.2f) rotate(%.2f)"/>'
                  % (-size * 0.9, size * 0.38, size, colour, stroke, size * 0.12,
                     x, y, tangent + side * 34 + 90))
    s = ('<path d="M %.2f %.2f A %g %g 0 0 %d %.2f %.2f" fill="none" stroke="%s" stroke-width="%g"/>'
         % (cx + r * math.cos(math.radians(a0)), cy + r * math.sin(math.radians(a0)), r, r,
            1 if a1 > a0 else 0, cx + r * math.cos(math.radians(a1)), cy + r * math.sin(math.radians(a1)),
            stroke, size * 0.22)) + s
    return s


def splash():
    w, h = 640, 480
    ground = 398
    s = ('<linearGradient id="sky" x1="0" y1="0" x2="0" y2="1">'
         '<stop offset="0" stop-color="%s"/><stop offset="0.45" stop-color="%s"/>'
         '<stop offset="0.72" stop-color="%s"/><stop offset="0.86" stop-color="%s"/></linearGradient>'
         % (NIGHT, mix(NIGHT, PURPLE, 0.75), mix(PURPLE, RED, 0.7), mix(GOLD, RED, 0.35)))
    s += '<rect width="640" height="480" fill="url(#sky)"/>'
    s += ('<radialGradient id="sun" cx="0.5" cy="0.5" r="0.5"><stop offset="0" stop-color="%s" stop-opacity="0.9"/>'
          '<stop offset="1" stop-color="%s" stop-opacity="0"/></radialGradient>' % (GOLD_LIGHT, GOLD))
    s += '<circle cx="360" cy="%d" r="190" fill="url(#sun)"/>' % (ground - 40)
    s += '<circle cx="360" cy="%d" r="62" fill="%s"/>' % (ground - 44, mix(GOLD_LIGHT, PARCHMENT, 0.4))
    # a few stars in the night above
    for i, (x, y) in enumerate(((40, 30), (120, 64), (210, 22), (470, 40), (560, 78), (606, 26), (300, 52), (80, 120))):
        s += '<circle cx="%d" cy="%d" r="%g" fill="%s"/>' % (x, y, 1.2 if i % 2 else 0.8, PARCHMENT)
    s += skyline(ground)
    s += aquila(596, 240, 0.72)
    body = figure_svg(LEGIONARY, Pose(near_leg=(8, 3), far_leg=(-6, 4), near_arm=(-20, 128),
                                      far_arm=(14, 78), weapon=4))
    s += place(body, 520, ground + 32, 3.1)
    # frame
    s += '<rect x="3" y="3" width="634" height="474" fill="none" stroke="%s" stroke-width="2"/>' % GOLD
    s += '<rect x="8" y="8" width="624" height="464" fill="none" stroke="%s" stroke-width="0.8"/>' % GOLD
    img = render_svg(svg_doc(w, h, s), w, h)
    img = textured(img, 165, strength=4.0, scale=4)

    title = font(96, "bold")
    draw_text(img, (320, 84), "Aurovane", title, rgb(GOLD) + (255,), anchor="mm", stroke=2,
              stroke_fill=rgb(INK) + (255,), shadow=(3, 4, (0, 0, 0, 170)))
    years = translate("Pictures", "235 – 476 AD")
    years_font = font(30, "regular")
    # the gold rules either side give way to a longer way of writing the years
    half = max(102, letter_width(years, years_font, 1) / 2 + 16)
    d = ImageDraw.Draw(img)
    k = common.SCALE
    for x0, x1 in ((320 - half - 98, 320 - half), (320 + half, 320 + half + 98)):
        d.line([(round(x0 * k), 146 * k), (round(x1 * k), 146 * k)], fill=rgb(GOLD), width=k)
    draw_text(img, (320, 146), years, years_font, rgb(PARCHMENT) + (255,), anchor="mm", spacing=1)
    line = translate("Pictures", "An educational strategy game of the late Roman Empire")
    draw_text(img, (320, 186), line, fit_font(line, "italic", 600, 22), rgb(PARCHMENT) + (255,), anchor="mm",
              shadow=(1, 1, (0, 0, 0, 160)))
    line = translate("Pictures", "Hold the frontiers, keep the treasury, learn how Rome endured and fell")
    draw_text(img, (320, 458), line, fit_font(line, "italic", 600, 16), rgb(mix(PARCHMENT, GOLD, 0.3)) + (255,),
              anchor="mm")
    return opaque(img)


# ---------------------------------------------------------------------------
# 267: About and credits

def parchment_sheet(w, h, seed):
    s = ('<radialGradient id="pp" cx="0.5" cy="0.45" r="0.75"><stop offset="0.5" stop-color="%s"/>'
         '<stop offset="1" stop-color="%s"/></radialGradient>' % (PARCHMENT, mix(PARCHMENT_DARK, BRONZE, 0.3)))
    s += '<rect width="%d" height="%d" fill="url(#pp)"/>' % (w, h)
    s += '<rect x="4" y="4" width="%d" height="%d" fill="none" stroke="%s" stroke-width="5"/>' % (w - 8, h - 8, BRONZE)
    s += '<rect x="12" y="12" width="%d" height="%d" fill="none" stroke="%s" stroke-width="1.2"/>' % (w - 24, h - 24, RED)
    for x, y in ((12, 12), (w - 12, 12), (12, h - 12), (w - 12, h - 12)):
        s += '<path d="M %d %d l 7 7 l -7 7 l -7 -7 Z" fill="%s" stroke="%s" stroke-width="1"/>' % (x, y - 7, PURPLE, GOLD)
    return s


def credits():
    w, h = 600, 400
    s = parchment_sheet(w, h, 267)
    s += '<path d="M 200 122 L 400 122" stroke="%s" stroke-width="1"/>' % BRONZE
    s += '<path d="M 300 116 l 6 6 l -6 6 l -6 -6 Z" fill="%s" stroke="%s" stroke-width="0.8"/>' % (RED, INK)
    img = render_svg(svg_doc(w, h, s), w, h)
    img = textured(img, 267, strength=7.0)
    ink = rgb(INK) + (255,)
    red = rgb(RED) + (255,)
    draw_text(img, (300, 58), "Aurovane", font(62, "bold"), red, anchor="mm")
    line = translate("Pictures", "An educational strategy game of the late Roman Empire, 235 – 476 AD")
    draw_text(img, (300, 100), line, fit_font(line, "italic", 540, 18), ink, anchor="mm")
    rows = [
        (translate("Pictures", "DESIGN, RULES AND PROGRAMMING"), translate("Pictures", "The Aurovane team")),
        (translate("Pictures", "PICTURES"), translate("Pictures", "Drawn by our own generators, every figure made in code")),
        (translate("Pictures", "SOUNDS AND NARRATION"), translate("Pictures", "Made for this game by the Aurovane team")),
        (translate("Pictures", "TYPEFACE"), translate("Pictures", "EB Garamond by Georg Duffner, SIL Open Font License 1.1")),
    ]
    y = 156
    for label, text in rows:
        draw_text(img, (300, y), label, fit_font(label, "bold", 540, 13, spacing=2),
                  rgb(mix(BRONZE, INK, 0.3)) + (255,), anchor="mm", spacing=2)
        draw_text(img, (300, y + 20), text, fit_font(text, "regular", 540, 19), ink, anchor="mm")
        y += 50
    draw_text(img, (300, 358), "%s   \u00b7   %s" % (translate("Pictures", "Version 1.0"),
                                                   translate("Pictures", "Vale, Princeps!")),
              font(18, "italic"), red, anchor="mm")
    return opaque(img)


# ---------------------------------------------------------------------------
# 250: Results

RESULT_ROWS = (127, 168, 210)
NUMBER_X = 430


def results():
    """The counts are written by the game at (430, 127), (430, 168) and (430, 210)
    as the top-left corners of white text; each label sits to the left of its
    number on the same line, and a dark tablet behind each number keeps it legible."""
    w, h = 600, 400
    s = ('<radialGradient id="rb" cx="0.55" cy="0.4" r="0.8"><stop offset="0" stop-color="%s"/>'
         '<stop offset="1" stop-color="%s"/></radialGradient>' % (mix(NIGHT, PURPLE, 0.35), NIGHT))
    s += '<rect width="600" height="400" fill="url(#rb)"/>'
    s += '<rect x="4" y="4" width="592" height="392" fill="none" stroke="%s" stroke-width="4"/>' % BRONZE
    s += '<rect x="11" y="11" width="578" height="378" fill="none" stroke="%s" stroke-width="1"/>' % GOLD
    for y in RESULT_ROWS:
        s += ('<rect x="%d" y="%d" width="66" height="30" rx="4" fill="%s" stroke="%s" stroke-width="1.5"/>'
              % (NUMBER_X - 8, y - 7, mix(NIGHT, "#000000", 0.45), GOLD))
    s += '<path d="M 236 100 L 560 100" stroke="%s" stroke-width="1"/>' % GOLD
    s += '<path d="M 236 262 L 560 262" stroke="%s" stroke-width="1"/>' % GOLD
    s += '<path d="M 300 352 L 390 352 M 406 352 L 496 352" stroke="%s" stroke-width="1"/>' % GOLD
    s += '<path d="M 398 345 l 7 7 l -7 7 l -7 -7 Z" fill="%s" stroke="%s" stroke-width="1"/>' % (RED, GOLD)
    # the legionary, shield grounded, pointing at the tally
    pose = Pose(near_leg=(6, 2), far_leg=(-6, 4), near_arm=(92, -6), far_arm=(14, 78), weapon=3,
                point=True, shield_rest=True, head=-4)
    s += place(figure_svg(LEGIONARY, pose), 122, 384, 5.6)
    img = render_svg(svg_doc(w, h, s), w, h)
    img = textured(img, 250, strength=4.0)
    gold = rgb(GOLD) + (255,)
    light = rgb(PARCHMENT) + (255,)
    words = translate("Pictures", "RESULTS")
    draw_text(img, (398, 50), words, fit_font(words, "bold", 330, 46, spacing=6), gold, anchor="mm", spacing=6,
              shadow=(2, 2, (0, 0, 0, 200)))
    # the heading stays where a lost reign's words cover it (client/ResultsDialog.cpp)
    words = translate("Pictures", "YOU SURVIVED:")
    draw_text(img, (240, 84), words, fit_font(words, "bold", 320, 22, spacing=2), light, anchor="lm", spacing=2)
    labels = (translate("Pictures", "INVASIONS"), translate("Pictures", "PLAGUES"), translate("Pictures", "REBELLIONS"))
    # one size for the three, clear of the legionary's pointing hand: a long
    # word first gives up some of its letter spacing, then some of its size
    for spacing in (2, 1, 0):
        size = min(fit_font(label, "bold", 166, 24, spacing=spacing).size for label in labels) // common.SCALE
        if size >= 21:
            break
    for label, y in zip(labels, RESULT_ROWS):
        draw_text(img, (NUMBER_X - 18, y + 8), label, font(size, "bold"), light, anchor="rm", spacing=spacing)
    words = translate("Pictures", "WELL DONE, PRINCEPS")
    draw_text(img, (398, 314), words, fit_font(words, "bold", 350, 27, spacing=3), gold, anchor="mm", spacing=3,
              shadow=(2, 2, (0, 0, 0, 200)))
    return opaque(img)


# ---------------------------------------------------------------------------
# Editor headings (ids chosen for the map editor's two decorative pictures)

EDITOR_LEGEND_ID = 330     # drawn at (1040, 40), above the editor's icon legend
EDITOR_TITLE_ID = 331      # drawn at (20, 40), above the editor's notes column


def editor_legend():
    w, h = 200, 80
    img = plaque(w, h, "", 10)
    img = img.convert("RGBA")
    sprigs = laurel_branch(100, 40, 76, 148, 212, 5, 5.5) + laurel_branch(100, 40, 76, 32, -32, 5, 5.5)
    over = supersample(sprigs, w, h)
    img.alpha_composite(over)
    draw_text(img, (100, 41), "LEGEND", fit_font("LEGEND", "bold", 120, 32, 4), rgb(INK) + (255,),
              anchor="mm", spacing=4)
    return opaque(img)


def editor_title():
    w, h = 150, 55
    img = plaque(w, h, "", 10).convert("RGBA")
    draw_text(img, (75, 20), "SCENARIO", font(17, "bold"), rgb(INK) + (255,), anchor="mm", spacing=2)
    draw_text(img, (75, 37), "EDITOR", font(17, "bold"), rgb(RED) + (255,), anchor="mm", spacing=2)
    return opaque(img)


# ---------------------------------------------------------------------------
# Application icon: a gold A in a laurel wreath on an imperial purple roundel

def icon_svg(detail=True, size=256):
    s = ('<radialGradient id="d" cx="0.4" cy="0.35" r="0.75"><stop offset="0" stop-color="%s"/>'
         '<stop offset="1" stop-color="%s"/></radialGradient>' % (mix(PURPLE, "#FFFFFF", 0.18), mix(PURPLE, INK, 0.35)))
    if detail:
        s += '<circle cx="128" cy="128" r="122" fill="%s"/>' % INK
        s += '<circle cx="128" cy="128" r="114" fill="url(#d)" stroke="%s" stroke-width="9"/>' % GOLD
        s += laurel_branch(128, 132, 84, 104, 218, 7, 12)
        s += laurel_branch(128, 132, 84, 76, -38, 7, 12)
        s += '<g transform="translate(128 126) scale(0.62) translate(-130 -126)">%s</g>' % roman_a(GOLD, INK, 7)
    else:
        # small sizes: roundel and letter only, heavier lines so they survive 16 pixels
        s += '<circle cx="128" cy="128" r="126" fill="%s"/>' % INK
        s += '<circle cx="128" cy="128" r="112" fill="url(#d)" stroke="%s" stroke-width="18"/>' % GOLD
        s += '<g transform="translate(128 130) scale(1.02) translate(-130 -127)">%s</g>' % roman_a(GOLD, INK, 10)
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 256 256">%s</svg>'
            % (size, size, s))


def icon_png(px):
    svg = icon_svg(detail=px >= 48)
    big = render_svg(svg, px * 4, px * 4)
    from common import shrink
    return clean_alpha(shrink(big, px, px), threshold=4)
