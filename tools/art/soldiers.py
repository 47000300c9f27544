"""Legion icons and animation frames.

Where each figure stands in its picture follows how the map view draws them:
an icon is drawn with its top-left corner at the legion spot, an animation frame
wider than 30 pixels is drawn (frame width - 30) / 2 pixels further left. So the
first frame of a march shows the soldier exactly where his icon was, and he then
walks towards his destination. Roman pictures face right (the march is mirrored
when the target lies to the left); the Germanic and Sassanid pictures face left
(their march is mirrored when the target lies to the right). Falls are never
mirrored.
"""
from dataclasses import replace

import numpy as np
from PIL import Image

import common
from common import clean_alpha, render_svg, shrink, svg_doc
from figures import (BARBARIAN, LEGIONARY, REBEL, SASSANID, figure_svg, mirrored,
                     place, standing, walk)

SUPER = 4   # render at 4x and shrink: steadier thin lines at icon size


def frame_offset(width):
    return (width - 30) // 2 if width > 30 else 0


def render_frame(width, height, parts, faces_left=False):
    """parts: list of (outfit, pose, hip_x in final picture pixels, scale, centre_x or None)."""
    body = ''
    for o, p, x, scale, centre in parts:
        ground = height - 1.5
        if faces_left:
            x = width - x
            if centre is not None:
                centre = None if centre is None else (width - centre - x) / scale
        elif centre is not None:
            centre = (centre - x) / scale
        fig = place(figure_svg(o, p, centre=centre), x, ground, scale)
        body += fig
    if faces_left:
        body = mirrored(body, width)
    big = render_svg(svg_doc(width * SUPER, height * SUPER, body,
                             view="0 0 %d %d" % (width, height)), width * SUPER, height * SUPER)
    return shrink(big, width, height)


# --- scales and standing spots, in picture pixels --------------------------
ROMAN_SCALE, ROMAN_HIP = 1.1, 15.0          # icon 35x65
BARB_SCALE, BARB_HIP = 1.08, 22.0           # icon 43x60, measured from the left edge
SASS_SCALE, SASS_HIP = 0.98, 23.0           # icon 40x60
REBEL_SCALE = 1.0


def roman_icon(outfit=LEGIONARY):
    return clean_alpha(render_frame(35, 65, [(outfit, standing(outfit), ROMAN_HIP, ROMAN_SCALE, None)]))


def greyed(img):
    """A legion that has moved: the same soldier drained to stone grey and faded."""
    a = np.asarray(img).astype(np.float64)
    lum = a[..., 0] * 0.3 + a[..., 1] * 0.59 + a[..., 2] * 0.11
    stone = np.array([0x8A, 0x8A, 0x80], dtype=np.float64)
    out = a.copy()
    for c in range(3):
        out[..., c] = 0.55 * lum + 0.45 * stone[c] * (0.55 + lum / 255.0 * 0.6)
    return clean_alpha(Image.fromarray(np.clip(out, 0, 255).astype(np.uint8), "RGBA"))


def rebel_icon():
    """A legionary in the usurper's purple with a red cloak, standing free like the others."""
    return roman_icon(REBEL)


def barbarian_icon():
    img = render_frame(43, 60, [(BARBARIAN, standing(BARBARIAN), BARB_HIP, BARB_SCALE, None)],
                       faces_left=True)
    a = np.array(img)
    # The march wipes only 42 columns of this 43-wide icon: keep the last one empty.
    a[:, 42 * common.SCALE:, :] = 0
    return clean_alpha(Image.fromarray(a, "RGBA"))


def sassanid_icon():
    return clean_alpha(render_frame(40, 60, [(SASSANID, standing(SASSANID), SASS_HIP, SASS_SCALE, None)],
                                    faces_left=True))


# --- marches ---------------------------------------------------------------

STEP_UNITS = 21.0   # ground covered by one full cycle (two steps) at the default stride


def roman_march():
    w = 87
    frames = []
    for i in range(9):
        ph = i / 8.0
        x = ROMAN_HIP + frame_offset(w) + ph * STEP_UNITS * ROMAN_SCALE
        frames.append(clean_alpha(render_frame(w, 65, [(LEGIONARY, walk(LEGIONARY, ph), x, ROMAN_SCALE, None)])))
    return frames


def barbarian_march():
    w = 63
    frames = []
    for i in range(3):
        ph = i / 4.0
        x = BARB_HIP + frame_offset(w) - ph * STEP_UNITS * 0.8 * BARB_SCALE
        p = walk(BARBARIAN, ph, stride=30)
        frames.append(clean_alpha(render_frame(w, 60, [(BARBARIAN, p, x, BARB_SCALE, None)], faces_left=True)))
    return frames


def sassanid_march():
    w = 40
    frames = []
    for i in range(4):
        ph = i / 4.0
        x = SASS_HIP + frame_offset(w) - 1 - ph * 8.0
        p = walk(SASSANID, ph, stride=20)
        frames.append(clean_alpha(render_frame(w, 60, [(SASSANID, p, x, SASS_SCALE, None)], faces_left=True)))
    return frames


# --- walking in place ------------------------------------------------------
# Eight moments of a step cycle with the soldier standing where his icon stands, so
# the window can carry him along a route line from his province to the target
# and loop the frames as he goes.

def walk_in_place(outfit, size, hip, scale, faces_left=False, stride=26.0):
    w, h = size
    return [clean_alpha(render_frame(w, h, [(outfit, walk(outfit, i / 8.0, stride=stride), hip, scale, None)],
                                     faces_left=faces_left)) for i in range(8)]


def roman_walk():
    return walk_in_place(LEGIONARY, (35, 65), ROMAN_HIP, ROMAN_SCALE, stride=20)


def rebel_walk():
    return walk_in_place(REBEL, (35, 65), ROMAN_HIP, ROMAN_SCALE, stride=20)


def barbarian_walk():
    return walk_in_place(BARBARIAN, (43, 60), BARB_HIP, BARB_SCALE, faces_left=True, stride=30)


def sassanid_walk():
    return walk_in_place(SASSANID, (40, 60), SASS_HIP, SASS_SCALE, faces_left=True, stride=20)


# --- falls -----------------------------------------------------------------
# Struck, the soldier reels back, drops what he holds, sinks to his knees and
# collapses forward into a heap; the wide Roman frame has room for him to fall
# full length on his back instead.

def _recoil(o, base, amount=1.0):
    return replace(base, lean=-16 * amount, head=-12 * amount, near_leg=(14 * amount, 8),
                   far_leg=(-18 * amount, 6), near_arm=(40 * amount, 30), far_arm=(-40 * amount, 50))


def _knees(o, base, bow=15):
    """Upright on both knees, thighs straight down, shins flat behind."""
    return replace(base, lean=bow, head=bow + 12, near_leg=(8, 96), far_leg=(2, 92),
                   near_arm=(-bow - 5, 25), far_arm=(-bow + 5, 20))


def _heap(o, base):
    """Collapsed forward over the knees, face to the ground, arms limp."""
    return replace(base, lean=84, head=20, near_leg=(70, 165), far_leg=(64, 160),
                   near_arm=(-70, 20), far_arm=(-55, 15))


def _toppling(o, base):
    """Knees buckling, arms flung up, the whole body going over backwards."""
    return replace(base, lean=-8, head=-22, near_leg=(34, 52), far_leg=(12, 38),
                   near_arm=(35, 60), far_arm=(95, 45), rot=-38)


def _on_back(o, base):
    """Sprawled on his back: one knee still raised, head rolled back, an arm thrown wide."""
    return replace(base, lean=4, head=-24, near_leg=(62, 100), far_leg=(14, 18),
                   near_arm=(-8, 25), far_arm=(165, 30), rot=-90)


def roman_defeat():
    w, h = 87, 65
    o = LEGIONARY
    base = standing(o)
    hip = ROMAN_HIP + frame_offset(w)
    pilum = (12, -1.0, 80)
    f0 = replace(_recoil(o, base), weapon=-35)
    f1 = replace(_toppling(o, base), weapon_drop=pilum)
    f2 = replace(_on_back(o, base), weapon_drop=pilum, shield_drop=(19, -3.0, 90))
    frames = [
        render_frame(w, h, [(o, f0, hip - 3, ROMAN_SCALE, None)]),
        render_frame(w, h, [(o, f1, hip + 4, ROMAN_SCALE, None)]),
        render_frame(w, h, [(o, f2, hip, ROMAN_SCALE, w / 2)]),
    ]
    return [clean_alpha(f) for f in frames]


def rebel_defeat():
    w, h = 46, 60
    o = REBEL
    base = standing(o)
    hip = ROMAN_HIP + frame_offset(w)
    # the dropped pilum stays put on screen while the body shifts between the frames
    f0 = replace(_knees(o, base, bow=30), weapon_drop=(-3.2, -1.0, 86), shield_drop=(-9, -10.5, -18))
    f1 = replace(_heap(o, base), weapon_drop=(4.8, -1.0, 86), shield_drop=(1, -3.0, -90))
    frames = [
        render_frame(w, h, [(o, f0, hip, REBEL_SCALE, None)]),
        render_frame(w, h, [(o, f1, hip - 8, REBEL_SCALE, None)]),
    ]
    return [clean_alpha(f) for f in frames]


def barbarian_defeat():
    w, h = 54, 60
    o = BARBARIAN
    base = standing(o)
    hip = BARB_HIP + frame_offset(w)
    def spear(dx):
        # lying still on screen, centred in the frame, whatever the body does
        origin = w - (hip - dx)
        return ((w / 2 - origin) / BARB_SCALE + 2.3, -1.0, -84)
    poses = [
        (replace(_recoil(o, base), weapon=-12, far_arm=(-20, 50)), 0),
        (replace(_recoil(o, base, 1.1), far_arm=(-20, 60), near_leg=(30, 45), far_leg=(-4, 55), weapon_drop=spear(1)), 1),
        (replace(_knees(o, base, bow=25), weapon_drop=spear(2), shield_drop=(8, -7.2, 10)), 2),
        (replace(_heap(o, base), weapon_drop=spear(1), shield_drop=(-4, -2.2, 80)), 1),
    ]
    frames = [render_frame(w, h, [(o, p, hip - dx, BARB_SCALE, None)], faces_left=True) for p, dx in poses]
    return [clean_alpha(f) for f in frames]


def sassanid_defeat():
    w, h = 49, 60
    o = SASSANID
    base = standing(o)
    hip = SASS_HIP + frame_offset(w)
    bow_drop = (10, -2.0, 84)
    poses = [
        (replace(_recoil(o, base, 0.6), far_arm=(-18, 40)), 0),
        (replace(_recoil(o, base, 1.3), weapon=60, far_arm=(-24, 40)), 1),
        (replace(_recoil(o, base, 0.5), lean=8, near_leg=(22, 40), far_leg=(-6, 45),
                 shield_drop=bow_drop), 1),
        (replace(_knees(o, base, bow=10), shield_drop=bow_drop), 2),
        (replace(_knees(o, base, bow=48), shield_drop=bow_drop), 2),
        (replace(_heap(o, base), head=45, shield_drop=bow_drop), -3),
    ]
    frames = [render_frame(w, h, [(o, p, hip - dx, SASS_SCALE, None)], faces_left=True) for p, dx in poses]
    return [clean_alpha(f) for f in frames]


# Resource ids of the frames, in playing order.
ANIMATIONS = {
    "Roman march": (list(range(270, 279)), (87, 65), roman_march),
    "Barbarian march": (list(range(302, 305)), (63, 60), barbarian_march),
    "Sassanid march": (list(range(308, 312)), (40, 60), sassanid_march),
    "Roman defeat": (list(range(288, 291)), (87, 65), roman_defeat),
    "Barbarian defeat": (list(range(294, 298)), (54, 60), barbarian_defeat),
    "Sassanid defeat": (list(range(316, 322)), (49, 60), sassanid_defeat),
    "Rebel defeat": ([260, 262], (46, 60), rebel_defeat),
    "Roman walk in place": (list(range(400, 408)), (35, 65), roman_walk),
    "Rebel walk in place": (list(range(430, 438)), (35, 65), rebel_walk),
    "Barbarian walk in place": (list(range(410, 418)), (43, 60), barbarian_walk),
    "Sassanid walk in place": (list(range(420, 428)), (40, 60), sassanid_walk),
}


def icons():
    roman = roman_icon()
    return {168: roman, 170: greyed(roman), 179: barbarian_icon(), 114: sassanid_icon(),
            183: rebel_icon()}
