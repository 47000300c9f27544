"""The soldiers: one jointed figure, dressed as a legionary, a rebel, a Germanic
warrior or a Sassanid archer, posed for the icons, the marches and the falls.

Figures are drawn facing right in their own units (about 52 units from sole to
helmet) with the origin on the ground under the hips; the frame builder places,
scales and, for the peoples whose pictures face left, mirrors them.
"""
import math
from dataclasses import dataclass, field, replace

from common import (BRONZE, GOLD, GOLD_LIGHT, INK, NIGHT, PARCHMENT, PURPLE, RED, RED_DARK,
                    SKIN, SKIN_DARK, STEEL, STEEL_DARK, STONE, mix)

THIGH, SHIN, UPPER_ARM, FOREARM, TORSO, HEAD_R = 12.0, 12.0, 9.0, 8.5, 15.5, 4.6
OUTLINE = 0.9


def down(angle, length):
    """A limb vector: angle in degrees from straight down, positive swings forward (+x)."""
    a = math.radians(angle)
    return (length * math.sin(a), length * math.cos(a))


def up(angle, length):
    a = math.radians(angle)
    return (length * math.sin(a), -length * math.cos(a))


def add(p, v):
    return (p[0] + v[0], p[1] + v[1])


@dataclass
class Pose:
    hip: tuple = (0.0, -24.0)
    lean: float = 0.0              # torso, degrees forward
    head: float = 0.0              # extra head tilt
    near_leg: tuple = (0.0, 0.0)   # (thigh angle, knee flex)
    far_leg: tuple = (0.0, 0.0)
    near_arm: tuple = (10.0, 40.0)  # (upper arm angle relative to torso, elbow flex)
    far_arm: tuple = (15.0, 60.0)
    weapon: float = 8.0            # spear / pilum angle from upright, positive leans forward
    weapon_drop: tuple = None      # (x, y, angle) when the weapon has fallen from the hand
    shield_drop: tuple = None      # (x, y, angle) when the shield has fallen
    rot: float = 0.0               # whole body, degrees clockwise (negative falls backward)
    pivot: tuple = (0.0, 0.0)
    point: bool = False            # near hand points instead of holding the shield
    shield_rest: bool = False      # shield planted on the ground beside the figure
    foot_flat: bool = True


@dataclass
class Joints:
    hip: tuple
    neck: tuple
    head: tuple
    shoulder: tuple
    near_knee: tuple
    near_ankle: tuple
    far_knee: tuple
    far_ankle: tuple
    near_elbow: tuple
    near_wrist: tuple
    far_elbow: tuple
    far_wrist: tuple
    near_foot_angle: float
    far_foot_angle: float


def joints(p):
    h = p.hip
    neck = add(h, up(p.lean, TORSO))
    shoulder = add(h, up(p.lean, TORSO - 2.0))
    head = add(neck, up(p.lean + p.head, HEAD_R + 0.8))

    def leg(angles):
        thigh, knee = angles
        k = add(h, down(thigh, THIGH))
        a = add(k, down(thigh - knee, SHIN))
        return k, a, (thigh - knee) * 0.6 if not p.foot_flat else 0.0

    def arm(angles):
        ua, flex = angles
        e = add(shoulder, down(ua + p.lean, UPPER_ARM))
        w = add(e, down(ua + p.lean + flex, FOREARM))
        return e, w

    nk, na, nfa = leg(p.near_leg)
    fk, fa, ffa = leg(p.far_leg)
    ne, nw = arm(p.near_arm)
    fe, fw = arm(p.far_arm)
    return Joints(h, neck, head, shoulder, nk, na, fk, fa, ne, nw, fe, fw, nfa, ffa)


def _pts(points):
    return " ".join("%.2f,%.2f" % pt for pt in points)


def limb(points, width, colour, outline=INK, ow=OUTLINE):
    pts = _pts(points)
    return ('<polyline points="%s" fill="none" stroke="%s" stroke-width="%.2f" '
            'stroke-linecap="round" stroke-linejoin="round"/>'
            '<polyline points="%s" fill="none" stroke="%s" stroke-width="%.2f" '
            'stroke-linecap="round" stroke-linejoin="round"/>'
            % (pts, outline, width + 2 * ow, pts, colour, width))


def poly(points, fill, stroke=INK, sw=OUTLINE, extra=""):
    return '<polygon points="%s" fill="%s" stroke="%s" stroke-width="%.2f" stroke-linejoin="round" %s/>' % (
        _pts(points), fill, stroke, sw, extra)


def path(d, fill, stroke=INK, sw=OUTLINE, extra=""):
    return '<path d="%s" fill="%s" stroke="%s" stroke-width="%.2f" stroke-linejoin="round" %s/>' % (
        d, fill, stroke, sw, extra)


def circle(c, r, fill, stroke=INK, sw=OUTLINE):
    return '<circle cx="%.2f" cy="%.2f" r="%.2f" fill="%s" stroke="%s" stroke-width="%.2f"/>' % (
        c[0], c[1], r, fill, stroke, sw)


def group(body, at, angle=0.0, scale=1.0):
    return '<g transform="translate(%.2f %.2f) rotate(%.2f) scale(%.3f)">%s</g>' % (
        at[0], at[1], angle, scale, body)


def foot(ankle, angle, colour, length=4.6):
    """A sandal or boot: a short wedge from the ankle forward."""
    body = poly([(-1.2, -1.4), (length, -0.6), (length, 1.0), (-1.4, 1.0)], colour)
    return group(body, ankle, angle)


def spear_at(hand, angle, length_up, length_down, head_len, shaft, head_col, kind="leaf"):
    """A shafted weapon through the hand; angle from upright, positive forward."""
    top = add(hand, up(angle, length_up))
    bottom = add(hand, up(angle, -length_down))
    out = limb([bottom, top], 1.3, shaft, ow=0.6)
    if kind == "pilum":
        # the pilum's long iron shank ends in a small point
        shank_base = add(hand, up(angle, length_up - head_len))
        out += limb([shank_base, top], 0.8, head_col, ow=0.55)
        tip = add(top, up(angle, 2.4))
        l = add(top, up(angle - 90, 1.2))
        r = add(top, up(angle + 90, 1.2))
        out += poly([l, tip, r], head_col, sw=0.55)
        out += circle(shank_base, 0.9, BRONZE, sw=0.5)
    else:
        base = add(hand, up(angle, length_up - head_len))
        mid = add(hand, up(angle, length_up - head_len * 0.45))
        l = add(mid, up(angle - 90, 1.7))
        r = add(mid, up(angle + 90, 1.7))
        tip = add(top, up(angle, 0.6))
        out += poly([base, l, tip, r], head_col, sw=0.6)
    return out


# ---------------------------------------------------------------------------
# Outfits

@dataclass
class Outfit:
    kind: str                       # "legionary", "barbarian", "sassanid"
    tunic: str = RED
    tunic_dark: str = RED_DARK
    shield: str = RED
    shield_trim: str = GOLD
    crest: str = RED
    helmet: str = GOLD
    armour: str = STEEL
    skin: str = SKIN
    skin_dark: str = SKIN_DARK
    legs: str = SKIN
    legs_dark: str = SKIN_DARK
    hair: str = mix(GOLD, BRONZE, 0.35)
    extras: dict = field(default_factory=dict)


LEGIONARY = Outfit("legionary")
# Rebels wear the usurper's purple: the same kit, their own colour, and the red
# cloak and crest that mark them out on the map.
REBEL = Outfit("legionary", tunic=PURPLE, tunic_dark=mix(PURPLE, INK, 0.5), shield=PURPLE,
               shield_trim=GOLD_LIGHT, crest=RED, helmet=mix(GOLD, STONE, 0.35),
               extras={"cloak": RED})
BARBARIAN = Outfit("barbarian", tunic=mix(GOLD, BRONZE, 0.45), tunic_dark=mix(BRONZE, INK, 0.3),
                   shield=BRONZE, shield_trim=GOLD, legs=mix(NIGHT, STONE, 0.45),
                   legs_dark=mix(NIGHT, STONE, 0.2), hair=mix(GOLD, PARCHMENT, 0.25))
SASSANID = Outfit("sassanid", tunic=PURPLE, tunic_dark=mix(PURPLE, INK, 0.45), armour=STEEL,
                  helmet=STEEL, legs=STONE, legs_dark=STEEL_DARK, hair=INK, shield=GOLD)


def legionary_head(o):
    """Profile head facing right under an imperial-style helmet with a crest."""
    s = ''
    s += path("M -3.6 0.5 C -4.2 -3.5 -2.5 -5.2 0.3 -5.2 C 3.2 -5.2 4.6 -3.2 4.5 -0.8 "
              "L 5.6 0.9 L 4.4 1.4 C 4.5 3.0 3.6 4.4 1.6 4.6 C -0.8 4.8 -3.2 3.4 -3.6 0.5 Z", o.skin)
    s += circle((2.3, -0.6), 0.55, INK, sw=0)
    # helmet bowl, neck guard, brow ridge and cheek piece
    s += path("M -4.6 1.2 C -5.0 -3.2 -3.0 -6.2 0.4 -6.2 C 3.4 -6.2 5.0 -4.0 5.0 -2.1 "
              "L -0.6 -2.3 L -0.9 0.2 L -2.8 1.7 Z", o.helmet)
    s += path("M -4.6 1.2 L -6.4 2.6 L -6.0 3.3 L -2.8 1.9 Z", o.helmet, sw=0.6)
    s += path("M -0.6 -2.3 L 1.2 -2.3 L 0.9 2.6 L -0.6 3.2 Z", o.helmet, sw=0.6)
    s += limb([(-0.8, -2.2), (5.2, -2.0)], 0.5, GOLD_LIGHT, ow=0.35)
    # crest: a stiff horsehair plume from front to back
    s += path("M -3.8 -5.0 C -3.0 -8.8 2.0 -9.4 3.8 -5.6 C 1.8 -6.6 -1.2 -6.8 -3.8 -5.0 Z", o.crest, sw=0.7)
    return s


def barbarian_head(o):
    s = ''
    # hair falls behind to the shoulders
    s += path("M -4.6 -1.0 C -5.4 2.4 -5.6 5.8 -3.4 7.6 L -1.0 6.0 L -1.2 0.0 Z", o.hair, sw=0.7)
    s += path("M -3.6 0.5 C -4.2 -3.5 -2.5 -5.2 0.3 -5.2 C 3.2 -5.2 4.6 -3.2 4.5 -0.8 "
              "L 5.6 0.9 L 4.4 1.4 C 4.5 3.0 3.6 4.4 1.6 4.6 C -0.8 4.8 -3.2 3.4 -3.6 0.5 Z", o.skin)
    s += circle((2.3, -0.6), 0.55, INK, sw=0)
    # beard and the top of the hair with a knot
    s += path("M -0.8 1.8 C 0.5 2.0 2.5 1.7 4.6 1.6 C 4.8 4.2 3.6 6.6 1.2 6.6 C -0.6 6.4 -1.4 4.4 -0.8 1.8 Z",
              o.hair, sw=0.6)
    s += path("M -4.7 0.6 C -5.3 -4.0 -2.6 -6.1 0.6 -6.0 C 3.4 -5.9 4.8 -4.3 4.8 -2.6 "
              "C 2.8 -3.4 0.4 -3.0 -1.2 -1.6 L -2.4 1.2 Z", o.hair, sw=0.7)
    s += circle((-3.8, -4.6), 1.5, o.hair, sw=0.6)
    return s


def sassanid_head(o):
    s = ''
    # mail aventail from the helmet rim down over the neck
    s += path("M -4.4 -1.5 L -5.2 5.4 L 0.0 6.6 L 2.2 4.8 L 1.2 0.0 Z", STONE, sw=0.7)
    s += path("M -3.6 0.5 C -4.2 -3.5 -2.5 -5.2 0.3 -5.2 C 3.2 -5.2 4.6 -3.2 4.5 -0.8 "
              "L 5.6 0.9 L 4.4 1.4 C 4.5 3.0 3.6 4.4 1.6 4.6 C -0.8 4.8 -3.2 3.4 -3.6 0.5 Z", o.skin)
    s += circle((2.3, -0.6), 0.55, INK, sw=0)
    # black beard
    s += path("M 0.0 2.0 C 1.4 2.2 3.0 1.9 4.6 1.8 C 4.6 4.2 3.2 5.6 1.2 5.6 C -0.2 5.2 -0.6 3.6 0.0 2.0 Z",
              INK, sw=0.4)
    # tall conical helmet with a gold band and a small finial
    s += path("M -4.8 -1.4 L 4.8 -1.4 C 4.0 -5.0 2.2 -9.0 0.2 -11.2 C -1.8 -9.0 -3.8 -5.0 -4.8 -1.4 Z", o.helmet)
    s += limb([(-4.6, -2.2), (4.6, -2.2)], 0.9, GOLD, ow=0.35)
    s += circle((0.2, -11.6), 0.9, GOLD, sw=0.5)
    return s


def torso_legionary(o):
    s = ''
    # tunic skirt hanging below the belt, then the segmented plate cuirass
    s += poly([(-4.6, -3.0), (4.4, -3.0), (5.4, 5.0), (-5.8, 5.0)], o.tunic)
    s += limb([(-5.4, 4.6), (5.0, 4.6)], 0.6, o.tunic_dark, ow=0)
    for x in (-3.0, -0.6, 1.8):   # leather strips of the apron
        s += limb([(x, -1.0), (x + 0.3, 4.0)], 0.7, BRONZE, ow=0.3)
    s += path("M -4.8 -1.6 L -5.0 -12.6 C -4.0 -15.6 3.2 -15.8 4.6 -12.8 L 4.6 -1.6 Z", o.armour)
    for y in (-4.3, -7.0, -9.7, -12.2):
        s += limb([(-4.7, y), (4.5, y)], 0.35, STEEL_DARK, ow=0)
    s += poly([(-4.9, -2.8), (4.7, -2.8), (4.7, -0.8), (-4.9, -0.8)], BRONZE, sw=0.6)
    s += poly([(-2.8, -15.2), (2.4, -15.2), (1.8, -13.6), (-2.4, -13.6)], o.tunic, sw=0.5)
    return s


def torso_barbarian(o):
    s = ''
    s += path("M -5.0 -1.0 L -5.4 -13.2 C -4.0 -16.0 3.6 -16.0 4.8 -13.2 L 5.4 -1.0 L 6.2 4.2 "
              "L -6.2 4.2 Z", o.tunic)
    s += limb([(-5.8, 3.6), (5.8, 3.6)], 0.7, o.tunic_dark, ow=0)
    s += poly([(-5.2, -2.6), (5.4, -2.6), (5.4, -0.8), (-5.2, -0.8)], o.tunic_dark, sw=0.6)
    s += circle((0.8, -1.7), 0.9, GOLD, sw=0.4)
    # a cloak thrown over the back shoulder
    s += path("M -5.2 -14.0 C -7.6 -9.0 -7.2 -3.0 -6.6 1.4 L -4.6 0.0 L -4.2 -12.6 Z",
              mix(RED_DARK, INK, 0.25), sw=0.7)
    return s


def torso_sassanid(o):
    s = ''
    # long purple coat, split for riding, then a scale vest and a gold belt
    s += path("M -5.0 -2.0 L -5.2 -13.2 C -4.0 -16.0 3.6 -16.0 4.8 -13.2 L 5.2 -2.0 L 6.8 9.0 "
              "L 0.6 9.6 L 0.0 5.0 L -0.8 9.6 L -6.4 9.0 Z", o.tunic)
    s += path("M -4.6 -3.0 L -4.8 -12.8 C -3.6 -15.2 3.2 -15.2 4.4 -12.8 L 4.6 -3.0 Z", o.armour, sw=0.7)
    for y in (-5.0, -7.2, -9.4, -11.6):
        s += '<path d="M -4.4 %.1f %s" fill="none" stroke="%s" stroke-width="0.35"/>' % (
            y, " ".join("q 0.6 1.0 1.2 0" for _ in range(8)), STEEL_DARK)
    s += poly([(-5.2, -3.4), (5.4, -3.4), (5.4, -1.6), (-5.2, -1.6)], GOLD, sw=0.6)
    s += limb([(6.0, 8.6), (-5.8, 8.6)], 0.6, GOLD, ow=0)
    return s


def scutum(o, angle=0.0):
    """The curved legionary shield seen from the side, boss and gilded wings on red."""
    s = ''
    s += path("M -3.4 -11.0 C -1.2 -11.8 2.2 -11.8 4.4 -11.0 L 4.8 11.0 C 2.4 11.8 -1.0 11.8 -3.2 11.0 Z",
              o.shield)
    s += path("M -2.6 -10.1 C -0.8 -10.7 2.0 -10.7 3.6 -10.1 L 3.9 10.1 C 2.0 10.7 -0.6 10.7 -2.4 10.1 Z",
              "none", stroke=o.shield_trim, sw=0.55)
    if o.extras.get("emblem") == "chi-rho":
        # the sign Constantine's soldiers painted on their shields at the Milvian Bridge
        s += limb([(-1.6, -4.0), (2.8, 4.0)], 0.7, o.shield_trim, ow=0)
        s += limb([(2.8, -4.0), (-1.6, 4.0)], 0.7, o.shield_trim, ow=0)
        s += limb([(0.6, 7.5), (0.6, -7.0)], 0.7, o.shield_trim, ow=0)
        s += path("M 0.6 -7.0 C 3.6 -7.4 3.6 -3.4 0.6 -3.8", "none", stroke=o.shield_trim, sw=0.7)
        return '<g transform="rotate(%.2f)">%s</g>' % (angle, s)
    # wings and thunderbolt, reduced to strokes that survive the icon size
    s += limb([(0.6, -7.5), (0.6, -2.6)], 0.5, o.shield_trim, ow=0)
    s += limb([(0.6, 2.6), (0.6, 7.5)], 0.5, o.shield_trim, ow=0)
    s += limb([(-1.8, -4.2), (0.6, -2.0), (3.0, -4.2)], 0.5, o.shield_trim, ow=0)
    s += limb([(-1.8, 4.2), (0.6, 2.0), (3.0, 4.2)], 0.5, o.shield_trim, ow=0)
    s += circle((0.7, 0.0), 2.0, mix(o.shield_trim, STEEL, 0.2), sw=0.6)
    s += circle((0.4, -0.4), 0.6, GOLD_LIGHT, sw=0)
    return '<g transform="rotate(%.2f)">%s</g>' % (angle, s)


def round_shield(o, angle=0.0):
    s = ''
    s += '<ellipse cx="0" cy="0" rx="5.2" ry="7.6" fill="%s" stroke="%s" stroke-width="%.2f"/>' % (
        o.shield, INK, OUTLINE)
    for a in (30, 90, 150):
        dx, dy = math.cos(math.radians(a)), math.sin(math.radians(a))
        s += limb([(-5.0 * dx, -7.2 * dy), (5.0 * dx, 7.2 * dy)], 0.35, mix(BRONZE, INK, 0.45), ow=0)
    s += '<ellipse cx="0" cy="0" rx="4.4" ry="6.7" fill="none" stroke="%s" stroke-width="0.6"/>' % GOLD
    s += circle((0.2, 0.0), 1.9, GOLD, sw=0.6)
    s += circle((-0.2, -0.4), 0.6, GOLD_LIGHT, sw=0)
    return '<g transform="rotate(%.2f)">%s</g>' % (angle, s)


def bow(angle=0.0):
    """A recurved composite bow held upright, string towards the archer."""
    s = ''
    s += path("M 0.2 -11.0 C 1.2 -12.4 2.4 -12.4 2.6 -11.6 C 3.6 -6.0 3.6 6.0 2.6 11.6 "
              "C 2.4 12.4 1.2 12.4 0.2 11.0", "none", stroke=INK, sw=2.2, extra='stroke-linecap="round"')
    s += path("M 0.2 -11.0 C 1.2 -12.4 2.4 -12.4 2.6 -11.6 C 3.6 -6.0 3.6 6.0 2.6 11.6 "
              "C 2.4 12.4 1.2 12.4 0.2 11.0", "none", stroke=mix(GOLD, BRONZE, 0.5), sw=1.2,
              extra='stroke-linecap="round"')
    s += limb([(0.4, -11.0), (0.4, 11.0)], 0.25, PARCHMENT, ow=0.15)
    s += limb([(2.6, -1.6), (2.6, 1.6)], 1.0, RED_DARK, ow=0.3)
    return '<g transform="rotate(%.2f)">%s</g>' % (angle, s)


def quiver():
    s = poly([(-1.6, -7.0), (1.6, -7.0), (1.4, 4.0), (-1.4, 4.0)], BRONZE, sw=0.7)
    for x in (-0.8, 0.0, 0.8):
        s += limb([(x, -7.0), (x - 0.4, -9.4)], 0.35, PARCHMENT, ow=0.2)
        s += poly([(x - 1.0, -9.2), (x + 0.4, -9.6), (x - 0.6, -10.6)], RED, sw=0.25)
    s += limb([(-1.5, -4.5), (1.5, -4.5)], 0.4, GOLD, ow=0)
    return s


def draw_figure(o, p):
    """SVG of one dressed and posed figure in figure units."""
    j = joints(p)
    s = ''
    far_arm_col = mix(o.skin_dark, INK, 0.1)
    near_leg_pts = [j.hip, j.near_knee, j.near_ankle]
    far_leg_pts = [j.hip, j.far_knee, j.far_ankle]
    shoe = INK if o.kind != "barbarian" else mix(BRONZE, INK, 0.5)

    if "cloak" in o.extras:
        # hangs from the shoulders down the back, behind everything else
        s += group(path("M 2.0 -14.6 C -3.0 -15.6 -6.0 -11.0 -7.4 -4.0 L -10.2 8.4 "
                        "C -6.0 10.2 -3.0 10.0 -0.6 8.8 L -0.8 -5.0 Z",
                        o.extras["cloak"]), j.hip, p.lean)

    # weapon in the far hand, behind the body
    if o.kind == "legionary":
        if p.weapon_drop is None:
            s += spear_at(j.far_wrist, p.weapon, 23, 11, 10, BRONZE, STEEL, kind="pilum")
        s += limb([j.shoulder, j.far_elbow, j.far_wrist], 3.0, far_arm_col)
    elif o.kind == "barbarian":
        if p.weapon_drop is None:
            s += spear_at(j.far_wrist, p.weapon, 18, 17, 6, BRONZE, STEEL)
        s += limb([j.shoulder, j.far_elbow, j.far_wrist], 3.1, far_arm_col)
    else:
        s += group(quiver(), add(j.hip, up(p.lean, 3.0)), p.lean - 25)
        s += limb([j.shoulder, j.far_elbow], 3.2, o.tunic_dark)
        s += limb([j.far_elbow, j.far_wrist], 3.0, o.tunic_dark)
    s += circle(j.far_wrist, 1.5, far_arm_col, sw=0.6)

    # legs: far leg first and darker
    s += limb(far_leg_pts, 4.0, o.legs_dark)
    s += foot(j.far_ankle, j.far_foot_angle, shoe)
    if o.kind == "sassanid":
        s += limb(near_leg_pts, 4.2, o.legs)
    else:
        s += limb(near_leg_pts, 4.0, o.legs)
    s += foot(j.near_ankle, j.near_foot_angle, shoe)
    if o.kind == "legionary":
        for a in (j.near_ankle, j.far_ankle):   # sandal straps up the shin
            s += limb([add(a, (-0.6, -2.6)), add(a, (1.0, -1.4))], 0.45, INK, ow=0)
    if o.kind == "barbarian":
        for leg in ((j.near_knee, j.near_ankle), (j.far_knee, j.far_ankle)):
            k, a = leg
            for t in (0.3, 0.65):    # cross-garters on the trousers
                m = (k[0] + (a[0] - k[0]) * t, k[1] + (a[1] - k[1]) * t)
                s += limb([add(m, (-1.8, -0.8)), add(m, (1.8, 0.8))], 0.4, INK, ow=0)

    # body and head
    torso = {"legionary": torso_legionary, "barbarian": torso_barbarian,
             "sassanid": torso_sassanid}[o.kind](o)
    s += group(torso, j.hip, p.lean)
    head = {"legionary": legionary_head, "barbarian": barbarian_head,
            "sassanid": sassanid_head}[o.kind](o)
    s += group(head, j.head, p.lean + p.head)

    # near arm and what it carries
    sleeve = o.tunic if o.kind != "sassanid" else o.tunic
    arm_col = o.skin if o.kind != "sassanid" else o.tunic
    if o.kind == "legionary" and not p.point:
        s += limb([j.shoulder, j.near_elbow, j.near_wrist], 3.0, arm_col)
        s += limb([j.shoulder, add(j.shoulder, down(p.near_arm[0] + p.lean, 3.2))], 3.4, sleeve)
        if not p.shield_rest and p.shield_drop is None:
            s += group(scutum(o), add(j.near_wrist, (-1.2, 0.5)), p.lean * 0.5)
    elif o.kind == "barbarian":
        s += limb([j.shoulder, j.near_elbow, j.near_wrist], 3.1, arm_col)
        if p.shield_drop is None:
            s += group(round_shield(o), add(j.near_wrist, (1.6, 0.0)), p.lean * 0.5)
    elif o.kind == "sassanid":
        s += limb([j.shoulder, j.near_elbow, j.near_wrist], 3.2, arm_col)
        s += circle(j.near_wrist, 1.4, o.skin, sw=0.6)
        if p.shield_drop is None:
            s += group(bow(), add(j.near_wrist, (-0.4, 0.0)), p.lean * 0.6 + p.weapon * 0.3)
    if p.point:
        s += limb([j.shoulder, j.near_elbow, j.near_wrist], 3.0, arm_col)
        s += limb([j.shoulder, add(j.shoulder, down(p.near_arm[0] + p.lean, 3.2))], 3.4, sleeve)
        ang = p.near_arm[0] + p.lean + p.near_arm[1]
        hand = group(path("M -1.2 -1.3 L 1.2 -1.5 L 3.8 -0.7 L 3.8 0.1 L 1.4 0.2 L 1.4 1.4 "
                          "L -1.0 1.5 Z", o.skin, sw=0.6), j.near_wrist, 90 - ang)
        s += hand
    return s


def dropped(o, p):
    """Weapon and shield lying where they fell, drawn in figure units under the body."""
    s = ''
    if p.weapon_drop is not None:
        x, y, a = p.weapon_drop
        if o.kind == "legionary":
            s += spear_at((x, y), a, 20, 14, 10, BRONZE, STEEL, kind="pilum")
        elif o.kind == "barbarian":
            s += spear_at((x, y), a, 18, 14, 6, BRONZE, STEEL)
    if p.shield_drop is not None:
        x, y, a = p.shield_drop
        sh = {"legionary": scutum, "barbarian": round_shield}.get(o.kind)
        if sh:
            s += group(sh(o), (x, y), a)
        else:
            s += group(bow(), (x, y), a)
    if p.shield_rest and o.kind == "legionary":
        s += group(scutum(o), (p.hip[0] - 7.5, -11.2), -4)
    return s


def figure_points(p):
    j = joints(p)
    pts = [j.hip, j.neck, j.near_ankle, j.far_ankle, j.near_knee, j.far_knee,
           j.near_wrist, j.far_wrist, add(j.head, up(p.lean + p.head, 6.0)),
           add(j.near_ankle, (0, 1.0)), add(j.far_ankle, (0, 1.0))]
    return pts


def rotate_pt(pt, pivot, deg):
    a = math.radians(deg)
    x, y = pt[0] - pivot[0], pt[1] - pivot[1]
    return (pivot[0] + x * math.cos(a) - y * math.sin(a), pivot[1] + x * math.sin(a) + y * math.cos(a))


def grounded(p):
    """Drop a (possibly rotated) pose so that its lowest point rests on the ground line."""
    pts = [rotate_pt(q, p.pivot, p.rot) for q in figure_points(p)]
    lowest = max(q[1] for q in pts)
    return -lowest


def figure_svg(o, p, ground=True, centre=None):
    """The figure with its lowest point on the ground; with centre, its body is
    shifted so that the middle of its extent lies at that x (used for the falls)."""
    body = draw_figure(o, p)
    if p.rot:
        body = '<g transform="rotate(%.2f %.2f %.2f)">%s</g>' % (p.rot, p.pivot[0], p.pivot[1], body)
    dy = grounded(p) if ground else 0.0
    dx = 0.0
    if centre is not None:
        xs = [rotate_pt(q, p.pivot, p.rot)[0] for q in figure_points(p)]
        dx = centre - (min(xs) + max(xs)) / 2
    return '%s<g transform="translate(%.2f %.2f)">%s</g>' % (dropped(o, p), dx, dy, body)


def place(svg, x, ground_y, scale):
    """Put figure units into picture pixels: the figure's origin at (x, ground_y)."""
    return '<g transform="translate(%.2f %.2f) scale(%.3f)">%s</g>' % (x, ground_y, scale, svg)


def mirrored(svg, width):
    return '<g transform="translate(%d 0) scale(-1 1)">%s</g>' % (width, svg)


# ---------------------------------------------------------------------------
# Poses

def standing(o):
    if o.kind == "legionary":
        return Pose(near_leg=(6, 2), far_leg=(-6, 4), near_arm=(-20, 128), far_arm=(14, 78), weapon=6)
    if o.kind == "barbarian":
        return Pose(near_leg=(8, 3), far_leg=(-8, 4), near_arm=(22, 60), far_arm=(12, 80), weapon=10)
    return Pose(near_leg=(7, 2), far_leg=(-7, 3), near_arm=(28, 58), far_arm=(-10, 40))


def walk(o, phase, stride=26.0):
    """One moment of a marching step; phase runs 0..1 over two steps."""
    t = 2 * math.pi * phase

    def leg(ph):
        thigh = stride * math.sin(ph)
        # the knee bends while the leg swings forward and straightens for the stance
        knee = 6 + 38 * max(0.0, math.sin(ph + 1.9)) ** 1.5
        return (thigh, knee)

    base = standing(o)
    p = replace(base, near_leg=leg(t), far_leg=leg(t + math.pi), lean=4.0 + 1.5 * math.cos(2 * t))
    if o.kind == "legionary":
        p.far_arm = (base.far_arm[0] - 6 * math.sin(t), base.far_arm[1])
        p.weapon = base.weapon + 4 * math.sin(t)
        p.near_arm = (base.near_arm[0] + 3 * math.sin(t), base.near_arm[1])
    elif o.kind == "barbarian":
        p.lean = 12.0 + 2 * math.cos(2 * t)
        p.far_arm = (30 - 8 * math.sin(t), 70)
        p.weapon = 20 + 4 * math.sin(t)
        p.near_arm = (28 + 4 * math.sin(t), 58)
    else:
        p.far_arm = (-6 - 6 * math.sin(t), 40)
        p.near_arm = (28 + 5 * math.sin(t), 58)
    return p
