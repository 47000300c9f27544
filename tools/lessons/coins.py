"""The emperor's bust struck on a gold coin, as SVG in the lesson picture's units.

One right-facing head and bust in smooth curves, raised from the field by a
shadow on its lower right and a glint on its upper left, the way light falls on
a struck coin. Maximinus Thrax wears the laurel wreath, a cropped soldier's
beard and the heavy jaw his portraits are known for; Romulus Augustulus, a boy,
the pearl diadem of the late emperors.
"""
import math

from common import BRONZE, GOLD, GOLD_LIGHT, INK, PARCHMENT, RED, mix

RELIEF = mix(GOLD, BRONZE, 0.35)
DEEP = mix(BRONZE, INK, 0.4)
GLINT = mix(GOLD_LIGHT, PARCHMENT, 0.35)


def _outline(jaw):
    """Nape, crown, brow, nose, lips, chin, neck and the bust truncated below.
    Units: the head is about 120 high, (0, 0) between the ear and the eye."""
    chin = 6 * jaw
    return ("M -40 -6 C -50 -44 -26 -72 4 -72 C 34 -72 50 -54 52 -30 "
            "C 53 -22 53 -16 55 -10 C 57 -6 55 -3 56 0 "        # forehead, brow
            "L 66 20 C 67 23 64 25 59 24 "                       # nose
            "C 58 27 60 29 59 30 C 62 32 61 35 58 35.5 "        # upper lip
            "C 60 38 59 41 56 41.5 "                            # lower lip
            "C %g 44 %g 52 %g 56 " % (58 + chin, 60 + chin, 54 + chin) +    # chin
            "C %g 62 40 60 32 56 " % (46 + chin) +               # under the jaw
            "C 30 64 32 72 34 80 "                               # throat
            "C 56 84 76 96 80 116 "                              # chest
            "Q 4 124 -76 116 "                                   # truncation
            "C -74 98 -62 86 -46 80 "                            # back shoulder
            "C -32 70 -26 40 -32 14 C -35 6 -38 0 -40 -6 Z")


def _hair_region():
    return ("M 50 -40 C 46 -62 24 -74 2 -73 C -26 -72 -50 -46 -41 -4 "
            "C -30 -2 -22 -4 -16 -10 C -12 -22 -6 -28 4 -30 "
            "C 18 -32 30 -36 38 -34 C 44 -36 48 -38 50 -40 Z")


def _curls():
    """Short curls in rows over the hair, clipped to it."""
    s = ''
    for row in range(7):
        y = -70 + row * 10
        for col in range(10):
            x = -44 + col * 10 + (row % 2) * 5
            s += 'M %g %g q 4 -5 7 0 ' % (x, y)
    return s


def _beard():
    """Cropped beard along the jaw: a region and its stippled strokes."""
    region = ("M 14 -8 C 18 18 28 40 44 56 C 52 60 60 58 62 52 "
              "C 62 46 58 44 56 42 C 48 40 44 34 40 26 C 34 14 28 4 26 -8 Z")
    strokes = ''
    for row in range(9):
        for col in range(8):
            x, y = 12 + col * 6.5 + (row % 2) * 3, -6 + row * 7.5
            strokes += 'M %g %g l 1.6 3.4 ' % (x, y)
    return region, strokes


def _along(points, t):
    """A point and direction at t (0..1) along a polyline."""
    lengths = [math.dist(a, b) for a, b in zip(points, points[1:])]
    goal = t * sum(lengths)
    for i, l in enumerate(lengths):
        if goal <= l or i == len(lengths) - 1:
            a, b = points[i], points[i + 1]
            f = min(goal / l, 1.0)
            return (a[0] + (b[0] - a[0]) * f, a[1] + (b[1] - a[1]) * f), \
                math.degrees(math.atan2(b[1] - a[1], b[0] - a[0]))
        goal -= l


# where the wreath or the diadem sits: from above the brow over the crown to the nape
BAND = [(44, -46), (32, -60), (12, -68), (-10, -66), (-28, -56), (-38, -40), (-42, -22)]


def _laurel():
    s = ''
    for i in range(13):
        (x, y), a = _along(BAND, i / 12)
        for tilt in (-32, 32):
            # leaves point forward, toward the brow, on both sides of the band
            s += ('<ellipse cx="0" cy="-7" rx="3.2" ry="7.5" fill="%s" stroke="%s" stroke-width="1.1" '
                  'transform="translate(%.1f %.1f) rotate(%.1f)"/>'
                  % (mix(GOLD, GOLD_LIGHT, 0.3), DEEP, x, y, a - 90 + tilt))
    return s + _ribbons()


def _diadem():
    s = ('<polyline points="%s" fill="none" stroke="%s" stroke-width="7" stroke-linejoin="round" '
         'stroke-linecap="round"/>' % (" ".join("%g,%g" % p for p in BAND), DEEP))
    for i in range(15):
        (x, y), _ = _along(BAND, i / 14)
        s += '<circle cx="%.1f" cy="%.1f" r="2.5" fill="%s" stroke="%s" stroke-width="0.8"/>' % (
            x, y, mix(PARCHMENT, "#FFFFFF", 0.4), DEEP)
    (x, y), _ = _along(BAND, 0.2)
    s += '<ellipse cx="%.1f" cy="%.1f" rx="4.5" ry="5.5" fill="%s" stroke="%s" stroke-width="1.2"/>' % (
        x, y, RED, DEEP)
    return s + _ribbons()


def _ribbons():
    return ('<path d="M -42 -20 C -50 -6 -44 8 -54 22 M -42 -20 C -56 -10 -54 4 -64 14" fill="none" '
            'stroke="%s" stroke-width="3" stroke-linecap="round"/>' % DEEP)


def _features(youth):
    ear = ('<path d="M -6 -16 C 4 -18 6 0 -2 8 C -6 10 -9 6 -8 2" fill="none" stroke="%s" stroke-width="2"/>'
           '<path d="M -3 -8 C 1 -6 1 0 -2 2" fill="none" stroke="%s" stroke-width="1.4"/>' % (DEEP, DEEP))
    eye = ('<path d="M 38 -6 C 42 -10 47 -10 50 -6 C 46 -3 42 -3 38 -6 Z" fill="%s" stroke="%s" stroke-width="1.3"/>'
           '<circle cx="46" cy="-6" r="1.6" fill="%s"/>' % (GLINT, DEEP, DEEP))
    brow = '<path d="M 36 -15 C 42 -19 50 -18 55 -13" fill="none" stroke="%s" stroke-width="2.2"/>' % DEEP
    mouth = '<path d="M 58 35.5 C 55 36 53 35 51 36" fill="none" stroke="%s" stroke-width="1.4"/>' % DEEP
    nostril = '<path d="M 60 19 C 58 17 56 18 56 20" fill="none" stroke="%s" stroke-width="1.3"/>' % DEEP
    cheek = '' if youth else ('<path d="M 44 8 C 48 16 52 22 54 28" fill="none" stroke="%s" stroke-width="1.2"/>'
                              % DEEP)
    neck = '<path d="M 36 60 C 38 68 40 74 40 80" fill="none" stroke="%s" stroke-width="1.3"/>' % DEEP
    return ear + eye + brow + mouth + nostril + cheek + neck


def _cloak():
    """The general's cloak pinned on the right shoulder, in folds over the cuirass."""
    s = ''
    for k in range(5):
        s += ('<path d="M %g %g C %g %g %g %g %g %g" fill="none" stroke="%s" stroke-width="1.4"/>'
              % (-70 + k * 4, 112 - k * 6, -40, 96 - k * 8, 0, 100 - k * 6, 30 + k * 8, 88 + k * 5, DEEP))
    s += '<circle cx="-12" cy="90" r="6" fill="%s" stroke="%s" stroke-width="1.4"/>' % (GLINT, DEEP)
    s += '<circle cx="-12" cy="90" r="2.2" fill="%s"/>' % DEEP
    return s


def bust_svg(cx, cy, scale, jaw=0.0, youth=0.0, headgear="laurel"):
    """The bust centred at (cx, cy) of the picture, `scale` picture units a unit."""
    outline = _outline(jaw)
    hair = _hair_region()
    ident = "b%d" % int(jaw * 10 + youth * 100)
    s = '<defs><clipPath id="%s-hair"><path d="%s"/></clipPath>' % (ident, hair)
    s += '<clipPath id="%s-bust"><path d="%s"/></clipPath></defs>' % (ident, outline)
    # struck relief: shadow below right, glint above left, then the surface
    s += '<path d="%s" fill="%s" transform="translate(3.5 3.5)" opacity="0.55"/>' % (outline, DEEP)
    s += '<path d="%s" fill="none" stroke="%s" stroke-width="4" transform="translate(-1.8 -1.8)"/>' % (
        outline, GLINT)
    s += '<path d="%s" fill="%s" stroke="%s" stroke-width="2"/>' % (outline, RELIEF, DEEP)
    s += '<g clip-path="url(#%s-bust)">' % ident
    s += '<path d="%s" fill="%s"/>' % (hair, mix(RELIEF, DEEP, 0.25))
    s += '<path d="%s" fill="none" stroke="%s" stroke-width="1.5" clip-path="url(#%s-hair)"/>' % (
        _curls(), DEEP, ident)
    if jaw > 0:
        region, strokes = _beard()
        s += '<clipPath id="%s-beard"><path d="%s"/></clipPath>' % (ident, region)
        s += '<path d="%s" fill="none" stroke="%s" stroke-width="1.3" clip-path="url(#%s-beard)"/>' % (
            strokes, DEEP, ident)
    s += _cloak() + '</g>'
    s += _features(youth)
    s += _laurel() if headgear == "laurel" else _diadem()
    return '<g transform="translate(%g %g) scale(%g)">%s</g>' % (cx, cy, scale, s)
