#!/usr/bin/python3
"""Completes the bundled EB Garamond 12 Bold for the catalogues' letters.

The bold cut of EB Garamond 12 stops at Latin-1's punctuation: no accented
letter, no dashes or curly quotes. The letters the translations need are made
here from what the bold has (its letters, its accents, its comma, period and
hyphen) and, for the marks it lacks, from the regular cut's accents, so that
German, French, Italian and Spanish headings are set in one typeface. The
glyphs the bold already had are left byte for byte as they are.

    /usr/bin/python3 tools/fonts/complete_bold.py   (needs python3-fonttools)

Rewrites game/resources/fonts/EBGaramond12-Bold.otf from Debian's original
(fonts-ebgaramond) and the regular cut beside it, and names the three faces
of the bundle one family of their own, "Aurovane Garamond": where Debian's
EB Garamond is installed too, its incomplete bold would otherwise be chosen
for the window's bold words."""
import glob
import os
import re
import sys
import unicodedata

from fontTools.misc.transform import Transform
from fontTools.pens.boundsPen import BoundsPen
from fontTools.pens.recordingPen import RecordingPen
from fontTools.pens.t2CharStringPen import T2CharStringPen
from fontTools.pens.transformPen import TransformPen
from fontTools.ttLib import TTFont

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
FONTS = os.path.join(ROOT, 'game', 'resources', 'fonts')
ORIGINAL = '/usr/share/fonts/opentype/ebgaramond/EBGaramond12-Bold.otf'
FAMILY = 'Aurovane Garamond'
FACES = {'EBGaramond12-Regular.otf': 'Regular', 'EBGaramond12-Bold.otf': 'Bold', 'EBGaramond12-Italic.otf': 'Italic'}

# Combining mark -> the glyph drawn for it over a small letter and over a capital.
MARKS = {
    0x0300: ('gravecomb', 'gravecomb.cap'),
    0x0301: ('acute', 'acutecomb.cap'),
    0x0302: ('uni0302', 'uni0302.cap'),
    0x0303: ('tildecomb', 'tildecomb.cap'),
    0x0308: ('dieresis', 'uni0308.cap'),
    0x0327: ('cedilla', 'cedilla'),
}
# Marks the bold has of its own; the rest come from the regular cut.
BOLD_MARKS = {'acute', 'dieresis', 'cedilla'}


def catalogue_characters():
    chars = set()
    for path in glob.glob(os.path.join(ROOT, 'translations', 'aurovane_*.ts')):
        text = open(path, encoding='utf-8').read()
        for m in re.findall(r'<(?:translation|numerusform|source)[^>]*>(.*?)</', text, re.S):
            chars.update(m)
    return {c for c in chars if not c.isspace()}


def bounds(glyphset, name, transform=None):
    pen = BoundsPen(glyphset)
    glyphset[name].draw(TransformPen(pen, transform) if transform else pen)
    return pen.bounds


def without_dot(glyphset, name):
    """The outline of `name` less its topmost contour (i without its dot)."""
    rec = RecordingPen()
    glyphset[name].draw(rec)
    contours, current = [], []
    for op in rec.value:
        current.append(op)
        if op[0] in ('closePath', 'endPath'):
            contours.append(current)
            current = []
    def top(contour):
        ys = [pt[1] for _, pts in contour for pt in pts]
        return min(ys) if ys else 0
    contours.sort(key=top)
    return [op for c in contours[:-1] for op in c]


class Builder:
    def __init__(self, bold, regular):
        self.bold, self.regular = bold, regular
        self.bg, self.rg = bold.getGlyphSet(), regular.getGlyphSet()
        self.cmap = bold.getBestCmap()
        self.x_height = bold['OS/2'].sxHeight
        self.cap_height = bold['OS/2'].sCapHeight

    def bold_name(self, char):
        return self.cmap.get(ord(char))

    def add(self, codepoint, width, parts):
        """parts: (glyphset, glyph name or recorded ops, transform)."""
        top = self.bold['CFF '].cff.topDictIndex[0]
        pen = T2CharStringPen(width, None)
        for glyphset, what, transform in parts:
            target = TransformPen(pen, transform)
            if isinstance(what, list):
                RecordingPen.replay(type('R', (), {'value': what})(), target)
            else:
                glyphset[what].draw(target)
        charstring = pen.getCharString(private=top.Private, globalSubrs=self.bold['CFF '].cff.GlobalSubrs)
        name = 'uni%04X' % codepoint
        strings = top.CharStrings
        strings.charStringsIndex.append(charstring)
        strings.charStrings[name] = len(strings.charStringsIndex) - 1
        order = self.bold.getGlyphOrder() + [name]
        top.charset = order
        self.bold.setGlyphOrder(order)
        self.bold['hmtx'].metrics[name] = (width, 0)
        for table in self.bold['cmap'].tables:
            if table.isUnicode():
                table.cmap[codepoint] = name
        self.cmap[codepoint] = name
        self.bg = self.bold.getGlyphSet()

    def accented(self, char):
        decomposition = unicodedata.decomposition(char).split()
        if len(decomposition) != 2 or decomposition[0].startswith('<'):
            return False
        base, mark = chr(int(decomposition[0], 16)), int(decomposition[1], 16)
        base_name = self.bold_name(base)
        if not base_name or mark not in MARKS:
            return False
        capital = base.isupper()
        mark_name = MARKS[mark][1 if capital else 0]
        mark_set = self.bg if (mark_name in BOLD_MARKS and (not capital or mark == 0x0327)) else self.rg
        width = self.bold['hmtx'].metrics[base_name][0]
        base_parts = (self.bg, base_name, Transform())
        if base == 'i':
            base_parts = (self.bg, without_dot(self.bg, 'i'), Transform())
        bx0, _, bx1, _ = bounds(self.bg, base_name)
        mx0, _, mx1, _ = bounds(mark_set, mark_name)
        dx = (bx0 + bx1) / 2 - (mx0 + mx1) / 2
        dy = 0
        if capital and mark_set is self.bg and mark != 0x0327:
            dy = self.cap_height - self.x_height
        self.add(ord(char), width, [base_parts, (mark_set, mark_name, Transform().translate(dx, dy))])
        return True

    def punctuation(self, char):
        bg, metrics = self.bg, self.bold['hmtx'].metrics
        comma, period, hyphen = 'comma', 'period', 'hyphen'
        cw, pw, hw = metrics[comma][0], metrics[period][0], metrics[hyphen][0]
        raise_to = self.cap_height - bounds(bg, comma)[3] + 40
        if char == '\u2019':  # right single quotation mark: a raised comma
            self.add(ord(char), cw, [(bg, comma, Transform().translate(0, raise_to))])
        elif char == '\u201d':
            self.add(ord(char), cw * 2 - 40, [(bg, comma, Transform().translate(0, raise_to)),
                                              (bg, comma, Transform().translate(cw - 40, raise_to))])
        elif char in '\u2018\u201c':  # turned commas
            x0, y0, x1, y1 = bounds(bg, comma)
            turn = lambda dx: Transform().translate(dx + x0 + x1, raise_to + y0 + y1).scale(-1, -1)
            parts = [(bg, comma, turn(0))] if char == '\u2018' else [(bg, comma, turn(0)), (bg, comma, turn(cw - 40))]
            self.add(ord(char), cw if char == '\u2018' else cw * 2 - 40, parts)
        elif char == '\u201e':  # double low quotation mark
            self.add(ord(char), cw * 2 - 40, [(bg, comma, Transform()), (bg, comma, Transform().translate(cw - 40, 0))])
        elif char == '\u2026':
            self.add(ord(char), pw * 3, [(bg, period, Transform().translate(pw * i, 0)) for i in range(3)])
        elif char in '\u2013\u2014':  # en and em dash: the hyphen drawn longer
            x0, _, x1, _ = bounds(bg, hyphen)
            width = 500 if char == '\u2013' else 1000
            scale = (width - 40) / (x1 - x0)
            self.add(ord(char), width, [(bg, hyphen, Transform().translate(20, 0).scale(scale, 1).translate(-x0, 0))])
        else:
            return False
        return True

    def regular_glyph(self, char):
        """A letter or sign only the regular cut draws (the sharp s, arrows)."""
        name = self.regular.getBestCmap().get(ord(char))
        if not name:
            return False
        self.add(ord(char), self.regular['hmtx'].metrics[name][0], [(self.rg, name, Transform())])
        return True


def rename(font, style):
    """The family and full names of a face of the bundle; its glyphs stay as they are."""
    names = font['name']
    postscript = FAMILY.replace(' ', '') + '-' + style
    for record in names.names:
        if record.nameID in (1, 16):
            record.string = FAMILY
        elif record.nameID in (2, 17):
            record.string = style
        elif record.nameID in (4, 18):
            record.string = FAMILY + ' ' + style
        elif record.nameID == 6:
            record.string = postscript
    cff = font['CFF '].cff
    cff.fontNames = [postscript]
    top = cff.topDictIndex[0]
    top.FamilyName = FAMILY
    top.FullName = FAMILY + ' ' + style


def main():
    bold = TTFont(ORIGINAL)
    regular = TTFont(os.path.join(FONTS, 'EBGaramond12-Regular.otf'))
    builder = Builder(bold, regular)
    missing = sorted(c for c in catalogue_characters() if ord(c) not in builder.cmap)
    unmade = [c for c in missing if not (builder.accented(c) or builder.punctuation(c) or builder.regular_glyph(c))]
    rename(bold, 'Bold')
    bold.save(os.path.join(FONTS, 'EBGaramond12-Bold.otf'))
    for face, style in FACES.items():
        if style == 'Bold':
            continue
        font = TTFont(os.path.join(FONTS, face))
        rename(font, style)
        font.save(os.path.join(FONTS, face))
    print('added %d glyphs: %s' % (len(missing) - len(unmade), ''.join(c for c in missing if c not in unmade)))
    if unmade:
        print('no glyph for: %s' % ''.join(unmade))
        return 1
    return 0


if __name__ == '__main__':
    sys.exit(main())
