"""Reads the fixed map geometry from the game's own tables: the provinces'
legion spots and hit rectangles from model/MapData.cpp, the tint pictures'
boxes from client/TintTable.h. The drawn map and the click geometry thus
come from the very tables the game uses."""
import os
import re

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), '..', '..'))
MAP_DATA = os.path.join(ROOT, 'model', 'MapData.cpp')
TINT_TABLE = os.path.join(ROOT, 'client', 'TintTable.h')

BARBARIAN_LANDS = {'Upper Rhine', 'Lower Rhine', 'Upper Danube', 'Lower Danube', 'Sarmatia'}
SASSANID_LANDS = {'Armenia', 'Mesopotamia'}


class Province:
    def __init__(self, index, name, side, legion, rects):
        self.index = index
        self.name = name
        self.side = side            # 'Roman', 'Barbarian' or 'Sassanid'
        self.legion = legion        # (x, y) top-left of the 73x59 legion box
        self.rects = rects          # [(left, top, right, bottom)]
        self.tint = None

    def __repr__(self):
        return 'Province(%s)' % self.name


class Tint:
    def __init__(self, name, ids, mask, size, window):
        self.name = name
        self.ids = ids              # plain, yellow, blue
        self.mask = mask
        self.w, self.h = size
        self.x, self.y = window[0] - 180, window[1] - 30   # map position


def _block(path, text, tag):
    m = re.search(r'// @%s-begin(.*?)// @%s-end' % (tag, tag), text, re.S)
    if not m:
        raise SystemExit('%s: no %s table' % (path, tag))
    return m.group(1)


def _side(name):
    if name in BARBARIAN_LANDS:
        return 'Barbarian'
    if name in SASSANID_LANDS:
        return 'Sassanid'
    return 'Roman'


def load():
    text = open(MAP_DATA, encoding='utf-8').read()
    provinces = []
    # {"Name", {"Neighbour", ...}, legionX, legionY, {{{l, t, w, h}, ...}}},
    # (the name may stand in the translation marker QT_TRANSLATE_NOOP("Names", ...))
    entry = re.compile(r'\{(?:QT_TRANSLATE_NOOP\("Names", )?"([^"]+)"\)?,\s*\{[^}]*\},\s*(-?\d+),\s*(-?\d+),\s*\{\{(.*?)\}\}\},', re.S)
    for m in entry.finditer(_block(MAP_DATA, text, 'provinces')):
        nums = [int(v) for v in re.findall(r'-?\d+', m.group(4))]
        rects = [(nums[i], nums[i + 1], nums[i] + nums[i + 2], nums[i + 1] + nums[i + 3])
                 for i in range(0, len(nums), 4)]
        provinces.append(Province(len(provinces), m.group(1), _side(m.group(1)),
                                  (int(m.group(2)), int(m.group(3))), rects))
    text = open(TINT_TABLE, encoding='utf-8').read()
    tints = []
    for line in _block(TINT_TABLE, text, 'tints').splitlines():
        m = re.match(r'\s*\{"([^"]+)", ([\d, ]+)\},\s*$', line)
        if not m:
            continue
        v = [int(x) for x in m.group(2).split(',')]
        tints.append(Tint(m.group(1), v[0:3], v[3], (v[4], v[5]), (v[6], v[7])))
    if len(provinces) != 30 or len(tints) != 23:
        raise SystemExit('expected 30 provinces and 23 tints, read %d and %d' % (len(provinces), len(tints)))
    by_name = {p.name: p for p in provinces}
    for t in tints:
        by_name[t.name].tint = t
    return provinces, tints


def province_at(provinces, x, y):
    """The province the game selects at (x, y): strict insides, table order."""
    for p in provinces:
        for (l, t, r, b) in p.rects:
            if l < x < r and t < y < b:
                return p.index
    return -1
