#!/usr/bin/python3
"""Generates the map of the Roman world (picture 111) and the 69 province
tint pictures from Natural Earth land outlines, fitted to the game's fixed
click geometry (model/MapData.cpp, client/TintTable.h).  See README.md."""
import argparse
import csv
import math
import os
import sys

import numpy as np
from PIL import Image, ImageDraw, ImageFont
from scipy import ndimage

import controls
import geometry
import warp as warpmod

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = geometry.ROOT
BITMAPS = os.path.join(ROOT, 'game', 'resources', 'bitmaps')
OUT = os.path.join(HERE, 'out')
FONT_DIR = '/usr/share/fonts/opentype/ebgaramond'
FONT_REGULAR = os.path.join(FONT_DIR, 'EBGaramond12-Regular.otf')
FONT_ITALIC = os.path.join(FONT_DIR, 'EBGaramond12-Italic.otf')
# The cut drawn for small sizes: sturdier strokes, wider spacing.
FONT_SMALL = os.path.join(FONT_DIR, 'EBGaramond08-Regular.otf')

W, H = 800, 548
SS = 4                      # supersampling of outlines and borders
# The map and the tints are also written at twice the size ("<id>@2x.png"),
# from the same supersampled land and provinces, for large screens.
SCALES = (1, 2)

# Colours.  The tints replace only the land fill, so borders, coasts and
# names look the same whoever holds a province.
SEA = np.array([112, 134, 150], float)
SEA_COAST = np.array([160, 180, 188], float)
PARCHMENT = np.array([226, 212, 178], float)
SAND = np.array([222, 194, 138], float)
ROMAN = np.array([222, 152, 138], float)
BARBARIAN = np.array([230, 204, 96], float)
SASSANID = np.array([196, 112, 188], float)
TINT_PLAIN = np.array([246, 244, 238], float)
COAST_INK = np.array([62, 56, 52], float)
BORDER_INK = np.array([120, 70, 58], float)
TEXT_INK = (48, 32, 24)
SEA_TEXT_INK = (232, 238, 240)

SIDE_FILL = {'Roman': ROMAN, 'Barbarian': BARBARIAN, 'Sassanid': SASSANID}

# Land farther than this from every rectangle of a province belongs to no
# province (desert, the far north, Arabia).
CUTOFF = 26.0
# Wobble of the borders that the rectangles would draw ruler-straight.
WOBBLE_AMPLITUDE = 3.4
WOBBLE_WAVELENGTH = 16.0

CONSTANTINOPLE = (724 - 180, 294 - 30, 100, 15)     # x, y, w, h on the map


def log(*a):
    print(*a, flush=True)


# ---------------------------------------------------------------- geometry

def rect_centroid(p):
    """Area centroid of the union of a province's own rectangles, in pixel
    coordinates (pixel centres at integers, a rectangle covers the pixels
    strictly inside it)."""
    l = min(r[0] for r in p.rects); t = min(r[1] for r in p.rects)
    rr = max(r[2] for r in p.rects); b = max(r[3] for r in p.rects)
    ys, xs = np.mgrid[t:b + 1, l:rr + 1]
    inside = np.zeros(xs.shape, bool)
    for (x0, y0, x1, y1) in p.rects:
        inside |= (xs > x0) & (xs < x1) & (ys > y0) & (ys < y1)
    return float(xs[inside].mean()), float(ys[inside].mean())


def build_warp(provinces):
    centres = []
    for p in provinces:
        lon, lat = controls.CENTRES[p.name]
        cx, cy = rect_centroid(p)
        centres.append((lon, lat, cx, cy))
    return warpmod.Warp(centres, list(controls.ANCHORS))


# ---------------------------------------------------------------- land

def rasterise_land(polys, warp):
    """Land as a supersampled 0/1 array (SS*H x SS*W)."""
    img = Image.new('L', (W * SS, H * SS), 0)
    d = ImageDraw.Draw(img)

    def to_px(ring):
        p = warp(ring)
        p = (p + 0.5) * SS - 0.5
        return [tuple(v) for v in p]

    for outer, holes in polys:
        d.polygon(to_px(outer), fill=255)
        for h in holes:
            d.polygon(to_px(h), fill=0)
    return np.asarray(img) > 127


def fine_coords():
    """Map coordinates of every supersample (pixel centres at integers)."""
    ys, xs = np.mgrid[0:H * SS, 0:W * SS].astype(np.float32)
    return (xs + 0.5) / SS - 0.5, (ys + 0.5) / SS - 0.5


def smooth_noise(shape, wavelength, seed):
    rng = np.random.default_rng(seed)
    small = (int(shape[0] / wavelength) + 3, int(shape[1] / wavelength) + 3)
    grid = rng.standard_normal(small)
    zoom = (shape[0] / (small[0] - 3), shape[1] / (small[1] - 3))
    field = ndimage.zoom(grid, zoom, order=3)[:shape[0], :shape[1]]
    return field / (field.std() + 1e-9)


# ---------------------------------------------------------------- provinces

def legion_weight(p, x, y, taper=8.0):
    """1 inside the province's legion box, fading to 0 a few pixels out."""
    x0, y0, x1, y1 = legion_box(p)
    ex = np.maximum(np.maximum(x0 - 0.5 - x, x - (x1 - 0.5)), 0)
    ey = np.maximum(np.maximum(y0 - 0.5 - y, y - (y1 - 0.5)), 0)
    return np.clip(1 - np.hypot(ex, ey) / taper, 0, 1)


def assign_provinces(provinces, land, overrides):
    """The province of every land supersample: inside a hit rectangle the one
    the game selects there, elsewhere the nearest rectangle's province within
    CUTOFF, never outside an inner province's tint box.  -1: no province."""
    fx, fy = fine_coords()
    shape = fx.shape
    # Borders wobble: look the rectangles up at slightly displaced points.
    amp = WOBBLE_AMPLITUDE
    dx = smooth_noise(shape, WOBBLE_WAVELENGTH * SS, 11) * amp
    dy = smooth_noise(shape, WOBBLE_WAVELENGTH * SS, 12) * amp
    # A finer second wave, so the borders read as drawn by hand.
    dx += smooth_noise(shape, WOBBLE_WAVELENGTH * SS / 3, 13) * amp * 0.35
    dy += smooth_noise(shape, WOBBLE_WAVELENGTH * SS / 3, 14) * amp * 0.35
    qx, qy = fx + dx, fy + dy

    def in_box(p, x, y):
        t = p.tint
        if t is None:
            return np.ones(x.shape, bool)
        return (x > t.x - 0.5) & (x < t.x + t.w - 0.5) & (y > t.y - 0.5) & (y < t.y + t.h - 0.5)

    label = np.full(shape, -1, np.int16)
    best = np.full(shape, np.inf, np.float32)
    reach = CUTOFF + 3 * amp + 2
    # Distance to each province's rectangles (zero inside), checked in
    # table order so that overlaps go to the earlier province.  Each
    # rectangle only matters within reach of itself.
    for p in provinces:
        for (l, t, r, b) in p.rects:
            x0 = max(0, int((l - reach + 0.5) * SS)); x1 = min(W * SS, int((r + reach + 0.5) * SS))
            y0 = max(0, int((t - reach + 0.5) * SS)); y1 = min(H * SS, int((b + reach + 0.5) * SS))
            win = (slice(y0, y1), slice(x0, x1))
            wx, wy = qx[win], qy[win]
            ex = np.maximum(np.maximum((l + 0.5) - wx, wx - (r - 0.5)), 0)
            ey = np.maximum(np.maximum((t + 0.5) - wy, wy - (b - 0.5)), 0)
            dist = np.hypot(ex, ey)
            if p.name in controls.LEGION_PULL:
                dist = dist - controls.LEGION_PULL[p.name] * legion_weight(p, fx[win], fy[win])
            take = (dist < best[win]) & (dist < CUTOFF) & in_box(p, fx[win], fy[win])
            label[win][take] = p.index
            best[win][take] = dist[take]
    for name, mask in overrides:
        if name is None:                # land that Rome never held
            label[mask] = -1
            continue
        p = next(q for q in provinces if q.name == name)
        take = mask & in_box(p, fx, fy)
        label[take] = p.index
    label[~land] = -1
    return label


def blocks(a, k):
    """The supersamples of each pixel of the map drawn k times as large, as
    axes 1 and 3."""
    n = SS // k
    return a.reshape(H * k, n, W * k, n)


def pixel_owner(label, land, k=1):
    """Owner of each pixel of the map at scale k: the most common province
    among its land supersamples, unless unowned land outweighs it (-1: sea or
    unowned)."""
    votes = np.zeros((H * k, W * k, 31), np.int16)
    yy, xx = np.mgrid[0:H * k, 0:W * k]
    sub = blocks(label, k)
    for i in range(SS // k):
        for j in range(SS // k):
            votes[yy, xx, sub[:, i, :, j] + 1] += 1
    votes[:, :, 0] = 0
    best = votes.argmax(axis=2)
    best_votes = votes.max(axis=2)
    unowned = blocks((label < 0) & land, k).sum(axis=(1, 3))
    owner = best - 1
    owner[(best_votes == 0) | (unowned > best_votes)] = -1
    landfrac = blocks(land, k).mean(axis=(1, 3))
    return owner.astype(np.int16), landfrac


def clean_fragments(label, land, provinces, min_px=40):
    """Removes specks of a province cut off from its main body (left by the
    wobble or the cut-off), giving them to the surrounding owner."""
    for p in provinces:
        m = label == p.index
        lab, n = ndimage.label(m)
        if n <= 1:
            continue
        sizes = ndimage.sum(m, lab, range(1, n + 1))
        keep = sizes.max()
        for i, s in enumerate(sizes, start=1):
            if s < keep and s < min_px * SS * SS:
                comp = lab == i
                ring = ndimage.binary_dilation(comp, iterations=2) & ~comp & land
                vals = label[ring]
                vals = vals[vals != p.index]
                if len(vals):               # islands stay as they are
                    label[comp] = np.bincount(vals + 1).argmax() - 1
    # Small pockets of unowned land left between provinces by the cut-off.
    pockets = (label < 0) & land
    lab, n = ndimage.label(pockets)
    if n:
        sizes = ndimage.sum(pockets, lab, range(1, n + 1))
        for i, s in enumerate(sizes, start=1):
            if s < min_px * SS * SS:
                comp = lab == i
                ring = ndimage.binary_dilation(comp, iterations=2) & ~comp & land
                vals = label[ring]
                vals = vals[vals >= 0]
                if len(vals):
                    label[comp] = np.bincount(vals).argmax()
    # A fragment handed to a neighbour must still fit that neighbour's tint.
    fx, fy = fine_coords()
    for p in provinces:
        if p.tint is not None:
            t = p.tint
            outside = (fx <= t.x - 0.5) | (fx >= t.x + t.w - 0.5) | (fy <= t.y - 0.5) | (fy >= t.y + t.h - 0.5)
            label[(label == p.index) & outside] = -1
    return label


# ---------------------------------------------------------------- drawing

def line_cover(edge, grow, k):
    if grow:
        edge = ndimage.binary_dilation(edge, iterations=grow)
    return blocks(edge.astype(np.float32), k).mean(axis=(1, 3))


def coast_cover(land, k):
    edge = land ^ ndimage.binary_erosion(land)
    return np.clip(line_cover(edge, 1, k) * 1.25, 0, 1)


def border_cover(label, land, k):
    """Thin lines where two provinces, or a province and unowned land, meet."""
    e = np.zeros(label.shape, bool)
    a, b = label[:, :-1], label[:, 1:]
    both = land[:, :-1] & land[:, 1:]
    e[:, :-1] |= both & (a != b)
    a, b = label[:-1, :], label[1:, :]
    both = land[:-1, :] & land[1:, :]
    e[:-1, :] |= both & (a != b)
    return np.clip(line_cover(e, 1, k) * 1.1, 0, 1)


def sea_colour(landfrac, k):
    # distances in pixels of the 1x map, so both sizes have the same coastal band
    dist = ndimage.distance_transform_edt(landfrac < 0.5) / k
    t = np.exp(-np.maximum(dist - 1.0, 0) / 4.5)[..., None]
    col = SEA * (1 - t) + SEA_COAST * t
    # A faint engraved line following the coast, as old maps have.
    ripple = np.exp(-((dist - 7.0) / 0.8) ** 2)[..., None] * 0.35
    return col * (1 - ripple) + SEA_COAST * ripple


def land_fill(owner, provinces, lat, tint=None):
    sand = np.clip((34.5 - lat) / 3.0, 0, 1)[..., None]
    fill = PARCHMENT * (1 - sand) + SAND * sand
    for p in provinces:
        m = owner == p.index
        fill[m] = SIDE_FILL[p.side] if tint is None else tint
    return fill


def compose(fill, sea, landfrac, coast, border, texture, text_layers):
    lf = landfrac[..., None]
    img = sea * (1 - lf) + fill * texture[..., None] * lf
    b = border[..., None] * 0.85
    img = img * (1 - b) + BORDER_INK * b
    c = coast[..., None]
    img = img * (1 - c) + COAST_INK * c
    for alpha, ink in text_layers:
        a = alpha[..., None]
        img = img * (1 - a) + np.array(ink, float) * a
    return np.clip(np.rint(img), 0, 255).astype(np.uint8)


# ---------------------------------------------------------------- names

def text_size(font, text, tracking):
    w = sum(font.getlength(ch) for ch in text) + tracking * (len(text) - 1)
    asc, desc = font.getmetrics()
    return int(math.ceil(w)), asc


def draw_text(layer, font, text, tracking, x, y):
    """Draws spaced capitals into a float alpha layer, top-left at (x, y)
    being the cap line."""
    img = Image.new('L', (layer.shape[1], layer.shape[0]), 0)
    d = ImageDraw.Draw(img)
    cx = float(x)
    asc, _ = font.getmetrics()
    cap = font.getbbox('H')[1]
    for ch in text:
        d.text((cx, y - cap), ch, font=font, fill=255)
        cx += font.getlength(ch) + tracking
    np.maximum(layer, np.asarray(img, np.float32) / 255.0, out=layer)


def box_overlap(a, b):
    return not (a[2] <= b[0] or b[2] <= a[0] or a[3] <= b[1] or b[3] <= a[1])


def legion_box(p):
    return (p.legion[0], p.legion[1], p.legion[0] + 74, p.legion[1] + 60)


# Names that are words of a language rather than the provinces' Latin: the
# map keeps their place free and the programs write them at run time, in the
# player's language (client/MapNamePlaces.h, written below).
SPOKEN_NAMES = ('Lower Rhine', 'Upper Rhine', 'Upper Danube', 'Lower Danube')
NAME_PLACES = os.path.join(ROOT, 'client', 'MapNamePlaces.h')

LABEL_TEXT = {
    'Upper Rhine': ['UPPER RHINE', 'UPPER|RHINE'],
    'Lower Rhine': ['LOWER RHINE', 'LOWER|RHINE'],
    'Upper Danube': ['UPPER DANUBE', 'UPPER|DANUBE'],
    'Lower Danube': ['LOWER DANUBE', 'LOWER|DANUBE'],
    'Cappadocia': ['CAPPADOCIA', 'CAPPA-|DOCIA'],
    'Mesopotamia': ['MESOPOTAMIA', 'MESO-|POTAMIA'],
    'Terraconensis': ['TERRACONENSIS', 'TERRACO-|NENSIS'],
    'Macedonia': ['MACEDONIA', 'MACE-|DONIA'],
}


def box_sums(si, bw, bh):
    """Sum over every bw x bh window, indexed by its top-left corner."""
    return si[bh:, bw:] - si[:-bh, bw:] - si[bh:, :-bw] + si[:-bh, :-bw]


def free_corners(bw, bh, boxes, margin=0):
    """Top-left corners (of a bw x bh box) that keep clear of all boxes."""
    ok = np.ones((H - bh + 1, W - bw + 1), bool)
    for (x0, y0, x1, y1) in boxes:
        x0 -= margin; y0 -= margin; x1 += margin; y1 += margin
        ok[max(0, y0 - bh + 1):max(0, y1), max(0, x0 - bw + 1):max(0, x1)] = False
    return ok


def integral(a):
    return np.pad(a.astype(np.int32).cumsum(0).cumsum(1), ((1, 0), (1, 0)))


def place_province_labels(provinces, owner, landfrac):
    font = ImageFont.truetype(FONT_REGULAR, 13)
    small = ImageFont.truetype(FONT_SMALL, 11)
    tiny = ImageFont.truetype(FONT_SMALL, 10)
    tracking = 1.0
    placed = []          # (province index, text lines, box, font, line height)
    cx0, cy0, cw, ch = CONSTANTINOPLE
    blocked = [(cx0, cy0, cx0 + cw, cy0 + ch)]
    order = sorted(provinces, key=lambda p: (owner == p.index).sum())
    for p in order:
        own = owner == p.index
        si_own = integral(own)
        si_oth = integral((owner >= 0) & ~own)
        si_near = integral(ndimage.binary_dilation(own, iterations=12))
        depth = ndimage.distance_transform_edt(np.pad(own, 1))[1:-1, 1:-1]
        ys, xs = np.nonzero(own)
        cx, cy = xs.mean(), ys.mean()
        best = None
        variants = LABEL_TEXT.get(p.name, [p.name.upper()])
        for f in (font, small, tiny):
            for text in variants:
                lines = text.split('|')
                sizes = [text_size(f, ln, tracking) for ln in lines]
                cap = f.getbbox('H')[3] - f.getbbox('H')[1]
                lh = cap + 3
                bw = max(s[0] for s in sizes) + 2
                bh = lh * (len(lines) - 1) + cap + 2
                area = bw * bh
                o = box_sums(si_own, bw, bh)
                t = box_sums(si_oth, bw, bh)
                others = [legion_box(q) for q in provinces if q is not p]
                # Rather on its own land; if there is no room, partly on the
                # sea beside it, but never on another province.
                near = box_sums(si_near, bw, bh)
                ok = ((o >= 0.1 * area) | (near >= 0.5 * area)) & (t == 0) & free_corners(bw, bh, others + blocked)
                ok &= free_corners(bw, bh, [pl[2] for pl in placed], margin=2)
                if not ok.any():
                    continue
                gy, gx = np.mgrid[0:ok.shape[0], 0:ok.shape[1]]
                mx, my = gx + bw // 2, gy + bh // 2
                score = depth[my, mx] * 0.6 + o / area * 14 - 0.04 * np.hypot(mx - cx, my - cy)
                score = score - 25 * ~free_corners(bw, bh, [legion_box(p)])
                score -= 4 * (len(lines) > 1) + 6 * (f is small) + 12 * (f is tiny)
                score = score - 15 * (o < 0.75 * area) - 15 * (o < 0.3 * area)
                score[~ok] = -1e9
                k = np.unravel_index(score.argmax(), score.shape)
                if best is None or score[k] > best[0]:
                    y, x = int(k[0]), int(k[1])
                    best = (score[k], lines, (x, y, x + bw, y + bh), f, lh)
        if best is None:
            log('  no room for the name of', p.name)
            continue
        placed.append((p.index, best[1], best[2], best[3], best[4]))
    return placed


SEA_NAMES = [
    # text, preferred centre on the map, italic size
    ('MARE  INTERNUM', (400, 385), 15),
    ('OCEANUS', (40, 160), 14),
    ('ATLANTICUS', (40, 176), 14),
    ('PONTUS  EUXINUS', (600, 232), 13),
]


def place_sea_labels(provinces, landfrac, avoid):
    out = []
    si = integral(landfrac == 0)
    for text, (px, py), size in SEA_NAMES:
        f = ImageFont.truetype(FONT_ITALIC, size)
        bw, asc = text_size(f, text, 1.0)
        bw += 6
        bh = f.getbbox('H')[3] - f.getbbox('H')[1] + 6
        s = box_sums(si, bw, bh)
        ok = (s == bw * bh) & free_corners(bw, bh, [legion_box(q) for q in provinces] + avoid)
        gy, gx = np.mgrid[0:ok.shape[0], 0:ok.shape[1]]
        d = np.hypot(gx + bw / 2 - px, gy + bh / 2 - py)
        d[~ok] = np.inf
        d[d > 60] = np.inf
        k = np.unravel_index(d.argmin(), d.shape)
        if not np.isfinite(d[k]):
            log('  no room for the sea name', text)
            continue
        box = (int(k[1]) + 2, int(k[0]) + 2, int(k[1]) + bw - 2, int(k[0]) + bh - 2)
        out.append((text, box, f))
        avoid = avoid + [box]
    return out


# ---------------------------------------------------------------- checks

def province_at_grid(provinces):
    at = np.full((H, W), -1, np.int16)
    ys, xs = np.mgrid[0:H, 0:W]
    for p in reversed(provinces):        # earlier provinces overwrite later
        for (l, t, r, b) in p.rects:
            at[(xs > l) & (xs < r) & (ys > t) & (ys < b)] = p.index
    return at


def reads_as_land(rgb):
    """The test's view of land: warm colours.  Every sea colour is bluer
    than it is red, every land fill, ink and tint redder than blue."""
    return rgb[..., 0].astype(int) >= rgb[..., 2].astype(int)


def fit_figures(provinces, owner, image, names):
    at = province_at_grid(provinces)
    land = reads_as_land(image)
    shares = []
    for p in provinces:
        m = at == p.index
        shares.append(land[m].mean())
    inside = (at >= 0) & land
    agree = (owner[inside] == at[inside]).mean()
    legion = []
    for p in provinces:
        x0, y0, x1, y1 = legion_box(p)
        x1, y1 = min(x1, W), min(y1, H)
        o = owner[y0:y1, x0:x1]
        l = land[y0:y1, x0:x1]
        good = ((o == p.index) | ~l).mean()
        hits = [provinces[i].name for (i, _, box) in names if i != p.index and box_overlap(box, (x0, y0, x1, y1))]
        legion.append((good, hits))
    return shares, agree, legion


def report(provinces, shares, agree, legion):
    log('fit figures:')
    log('  (a) land share of hit rectangles: mean %.1f%%, lowest %.1f%% (%s)' % (
        100 * np.mean(shares), 100 * min(shares), provinces[int(np.argmin(shares))].name))
    for p, s in zip(provinces, shares):
        if s < 0.8:
            log('      %-14s %.1f%%' % (p.name, 100 * s))
    log('  (b) drawn province = clicked province on %.2f%% of land in rectangles' % (100 * agree))
    worst = min(range(len(legion)), key=lambda i: legion[i][0])
    log('  (c) legion boxes on own province or sea: lowest %.1f%% (%s); on another name: %d' % (
        100 * legion[worst][0], provinces[worst].name, sum(1 for g, h in legion if h)))
    for p, (g, h) in zip(provinces, legion):
        if g < 0.6 or h:
            log('      %-14s %.1f%% %s' % (p.name, 100 * g, ' '.join(h)))
    ok = np.mean(shares) >= 0.85 and min(shares) >= 0.45 and agree >= 0.95 and \
        all(g >= 0.5 and not h for g, h in legion)
    log('  all met' if ok else '  NOT MET')
    return ok


# ---------------------------------------------------------------- pictures

def picture_name(pid, k):
    return '%d.png' % pid if k == 1 else '%d@%dx.png' % (pid, k)


def scaled_font(f, k):
    return f if k == 1 else ImageFont.truetype(f.path, f.size * k)


def write_pictures(k, provinces, tints, label, land, lat, texture, names, seas):
    """The map and every tint at k times the size; returns the map.  Names
    keep the places found for the 1x map, set in a k times larger type."""
    owner, landfrac = pixel_owner(label, land, k)
    if k > 1:
        lat = ndimage.zoom(lat, k, order=1)
        texture = ndimage.zoom(texture, k, order=1)
    sea = sea_colour(landfrac, k)
    coast = coast_cover(land, k)
    border = border_cover(label, land, k)

    name_layer = np.zeros((H * k, W * k), np.float32)
    for (i, lines, box, f, lh) in names:
        if provinces[i].name in SPOKEN_NAMES:
            continue
        fk = scaled_font(f, k)
        for n, ln in enumerate(lines):
            lw, _ = text_size(f, ln, 1.0)
            x = box[0] + 1 + (box[2] - box[0] - 2 - lw) / 2
            draw_text(name_layer, fk, ln, 1.0 * k, round(x) * k, (box[1] + 1 + n * lh) * k)
    sea_layer = np.zeros((H * k, W * k), np.float32)
    for text, box, f in seas:
        draw_text(sea_layer, scaled_font(f, k), text, 1.0 * k, box[0] * k, box[1] * k)
    layers = [(sea_layer * 0.9, SEA_TEXT_INK), (name_layer, TEXT_INK)]

    def render(tint):
        return compose(land_fill(owner, provinces, lat, tint), sea, landfrac, coast, border, texture, layers)

    base = render(None)
    os.makedirs(os.path.join(BITMAPS), exist_ok=True)
    Image.fromarray(base, 'RGB').save(os.path.join(BITMAPS, picture_name(111, k)), optimize=True)
    variants = [render(TINT_PLAIN), render(BARBARIAN), render(SASSANID)]
    for t in tints:
        p = next(q for q in provinces if q.name == t.name)
        x0, y0, w, h = t.x * k, t.y * k, t.w * k, t.h * k
        own = owner[y0:y0 + h, x0:x0 + w] == p.index
        assert own.shape == (h, w)
        if (owner == p.index).sum() != own.sum():
            raise SystemExit('%s spills out of its tint box' % p.name)
        for pid, var in zip(t.ids, variants):
            rgba = np.zeros((h, w, 4), np.uint8)
            rgba[..., :3] = var[y0:y0 + h, x0:x0 + w]
            rgba[..., 3] = own * 255
            rgba[~own, :3] = 0
            Image.fromarray(rgba, 'RGBA').save(os.path.join(BITMAPS, picture_name(pid, k)), optimize=True)
    return base


# ---------------------------------------------------------------- main

def main():
    ap = argparse.ArgumentParser(description=__doc__)
    ap.add_argument('--preview', action='store_true', help='only the quick fit preview in out/')
    args = ap.parse_args()
    os.makedirs(OUT, exist_ok=True)
    provinces, tints = geometry.load()

    warp = build_warp(provinces)
    log('affine fit of %d centres: residual RMS %.1f px' % (len(provinces), warp.affine_rms))
    polys = warpmod.land_polygons()
    land = rasterise_land(polys, warp)
    overrides = []
    for name, ring in controls.CLAIMS:
        img = Image.new('L', (W * SS, H * SS), 0)
        pts = (warp(np.array(ring, float)) + 0.5) * SS - 0.5
        ImageDraw.Draw(img).polygon([tuple(v) for v in pts], fill=255)
        overrides.append((name, np.asarray(img) > 127))
    label = assign_provinces(provinces, land, overrides)
    label = clean_fragments(label, land, provinces)
    owner, landfrac = pixel_owner(label, land)

    if args.preview:
        write_preview(provinces, owner, landfrac)
        return 0

    lat = warpmod.latitude_field(warp, W, H)
    texture = 1.0 + 0.025 * smooth_noise((H, W), 3.0, 5) + 0.02 * smooth_noise((H, W), 18.0, 6)
    names = place_province_labels(provinces, owner, landfrac)
    seas = place_sea_labels(provinces, landfrac, [n[2] for n in names])
    for k in reversed(SCALES):          # the 1x map last: the checks below read it
        base = write_pictures(k, provinces, tints, label, land, lat, texture, names, seas)

    regions = np.where(owner >= 0, owner + 1, 0).astype(np.uint8)
    regions[(owner < 0) & reads_as_land(base)] = 255
    Image.fromarray(regions, 'L').save(os.path.join(OUT, 'regions.png'), optimize=True)
    with open(os.path.join(OUT, 'labels.csv'), 'w', newline='') as fh:
        w = csv.writer(fh)
        w.writerow(['province', 'left', 'top', 'right', 'bottom'])
        for (i, lines, box, f, lh) in names:
            w.writerow([provinces[i].name] + list(box))

    write_name_places(provinces, names)

    name_boxes = [(i, lines, box) for (i, lines, box, f, lh) in names]
    shares, agree, legion = fit_figures(provinces, owner, base, name_boxes)
    ok = report(provinces, shares, agree, legion)
    write_debug(provinces, base, name_boxes, seas)
    return 0 if ok else 1


def write_name_places(provinces, names):
    """The places of the names the programs write themselves: the box the
    name was given, its type (the size in pixels, and whether the face is the
    small optical size), the lines the English takes there and their pitch."""
    rows = []
    for (i, lines, box, f, lh) in names:
        name = provinces[i].name
        if name not in SPOKEN_NAMES:
            continue
        small = 'true' if f.path == FONT_SMALL else 'false'
        rows.append('    {"%s", {%d, %d, %d, %d}, %d, %s, %d, %d},' % (name, *box, f.size, small, len(lines), lh))
    head = ('#pragma once\n'
            '// Written by tools/map/generate.py with the map picture (bitmap 111): where\n'
            '// the map leaves room for the names that the window, the editor and the page\n'
            '// write on it themselves (MapNames.h). Regenerate instead of editing.\n'
            '#include <array>\n\n'
            '#include "client/MapNames.h"\n\n')
    with open(NAME_PLACES, 'w', encoding='utf-8') as fh:
        fh.write(head + 'inline constexpr std::array<MapNamePlace, %d> MapNamePlaces = {{\n%s\n}};\n'
                 % (len(rows), '\n'.join(rows)))


def outline(d, box, colour, scale=1):
    x0, y0, x1, y1 = box
    d.rectangle([x0 * scale, y0 * scale, x1 * scale - 1, y1 * scale - 1], outline=colour)


def write_debug(provinces, base, names, seas):
    """Hit rectangles (red), legion boxes (white), tint boxes (green) and
    name boxes (blue) over the map, at twice the size, with a key below."""
    S = 2
    im = Image.fromarray(base, 'RGB').resize((W * S, H * S), Image.NEAREST)
    d = ImageDraw.Draw(im)
    for p in provinces:
        if p.tint:
            t = p.tint
            outline(d, (t.x, t.y, t.x + t.w, t.y + t.h), (40, 150, 40), S)
    for p in provinces:
        for r in p.rects:
            outline(d, r, (200, 20, 20), S)
        outline(d, legion_box(p), (255, 255, 255), S)
        d.ellipse([p.legion[0] * S - 3, p.legion[1] * S - 3, p.legion[0] * S + 3, p.legion[1] * S + 3], fill=(255, 255, 255))
    for (_, _, box) in names:
        outline(d, box, (30, 60, 220), S)
    cx, cy, cw, ch = CONSTANTINOPLE
    outline(d, (cx, cy, cx + cw, cy + ch), (0, 0, 0), S)
    key = Image.new('RGB', (W * S, 30), (250, 248, 240))
    kd = ImageDraw.Draw(key)
    f = ImageFont.truetype(FONT_REGULAR, 17)
    x = 10
    for colour, text in (((200, 20, 20), 'hit rectangles'), ((120, 120, 120), 'legion boxes (white, 73x59) and spots'),
                         ((40, 150, 40), 'tint boxes'), ((30, 60, 220), 'name boxes'),
                         ((0, 0, 0), 'CONSTANTINOPLE label')):
        kd.rectangle([x, 8, x + 22, 22], outline=colour, width=2)
        kd.text((x + 30, 5), text, font=f, fill=(40, 30, 20))
        x += 40 + int(f.getlength(text)) + 20
    sheet = Image.new('RGB', (W * S, H * S + 30))
    sheet.paste(im, (0, 0))
    sheet.paste(key, (0, H * S))
    sheet.quantize(colors=96, method=Image.Quantize.MEDIANCUT).save(os.path.join(OUT, 'debug.png'), optimize=True)


def write_preview(provinces, owner, landfrac):
    S = 2
    col = np.zeros((H, W, 3), np.uint8)
    col[:] = (90, 110, 130)
    col[landfrac >= 0.5] = (200, 190, 160)
    rng = np.random.default_rng(3)
    pal = rng.integers(90, 255, (30, 3))
    for p in provinces:
        col[owner == p.index] = pal[p.index]
    im = Image.fromarray(col).resize((W * S, H * S), Image.NEAREST)
    d = ImageDraw.Draw(im)
    f = ImageFont.truetype(FONT_REGULAR, 18)
    for p in provinces:
        for r in p.rects:
            outline(d, r, (0, 0, 0), S)
        outline(d, legion_box(p), (255, 255, 255), S)
        d.text((p.rects[0][0] * S + 2, p.rects[0][1] * S + 2), p.name, fill=(0, 0, 0), font=f)
    im.save(os.path.join(OUT, 'preview.png'))


if __name__ == '__main__':
    sys.exit(main())
