#!/usr/bin/env python3
"""A rough mock of the game screen (1366x700) built from the generated pictures,
to judge them at the size and place the game shows them. The map here is a
placeholder; the real one is drawn elsewhere. Writes out/screen-preview.png."""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from PIL import Image, ImageDraw, ImageFont  # noqa: E402

from common import BITMAPS, OUT  # noqa: E402


def pic(rid):
    return Image.open(os.path.join(BITMAPS, "%d.png" % rid)).convert("RGBA")


def ui_font(size, bold=False):
    for path in ("/usr/share/fonts/truetype/dejavu/DejaVuSans%s.ttf" % ("-Bold" if bold else ""),):
        if os.path.exists(path):
            return ImageFont.truetype(path, size)
    return ImageFont.load_default()


def main():
    scr = Image.new("RGBA", (1366, 700), (0, 0, 0, 255))
    d = ImageDraw.Draw(scr)
    scr.alpha_composite(pic(264), (980, 0))
    # placeholder map: sea and a few land masses
    d.rectangle([180, 30, 979, 577], fill=(120, 140, 160, 255))
    d.ellipse([200, 60, 560, 330], fill=(222, 160, 150, 255))
    d.ellipse([420, 160, 900, 460], fill=(222, 160, 150, 255))
    d.ellipse([360, 30, 700, 160], fill=(230, 220, 120, 255))
    d.ellipse([820, 300, 1000, 520], fill=(200, 110, 200, 255))
    scr.alpha_composite(pic(251), (724, 294))
    f = ui_font(13, True)
    small = ui_font(13)
    for rid, (x, y), n in ((168, (300, 150), 3), (170, (470, 260), 2), (179, (540, 80), 4), (114, (860, 360), 2),
                           (183, (640, 200), 1), (168, (380, 300), 1)):
        scr.alpha_composite(pic(rid), (x, y))
        d.text((x + 40, y + 25), str(n), font=f, fill=(0, 0, 0), stroke_width=0)
    # walking frames laid along a path, to see them at their true size
    x0 = 220
    for i, rid in enumerate(range(270, 279)):
        if i % 2 == 0:
            scr.alpha_composite(pic(rid), (x0 + i * 22, 470))
    scr.alpha_composite(pic(290), (640, 470))
    scr.alpha_composite(pic(297), (730, 470))
    scr.alpha_composite(pic(321), (790, 470))
    scr.alpha_composite(pic(262), (850, 470))
    scr.alpha_composite(pic(229), (920, 500))
    for seg in ([(175, 25), (175, 583)], [(175, 583), (985, 583)], [(985, 25), (985, 583)], [(175, 25), (985, 25)]):
        d.line(seg, fill=(255, 255, 255))
    scr.alpha_composite(pic(185), (0, 40))
    for rid, (ix, iy), (tx, ty), txt in ((168, (50, 110), (20, 180), "Roman Legion"), (179, (50, 210), (30, 270), "Barbarians"),
                                         (114, (50, 300), (20, 370), "Sassanids"), (183, (50, 410), (20, 475), "Rebelling Legion")):
        scr.alpha_composite(pic(rid), (ix, iy))
        d.text((tx, ty), txt, font=small, fill=(255, 255, 255))
    for i, line in enumerate(("The number next to an", "icon indicates how many", "legions are in that", "province")):
        d.text((10, 530 + 20 * i), line, font=small, fill=(255, 255, 255))
    d.text((1110, 100), "YEAR: 262 AD", font=f, fill=(0, 0, 0))
    for i, line in enumerate(("ECONOMIC REPORT", "Tax Revenue: 58", "Legion Cost: 40", "Net: +18", "Treasury: 130",
                              "The Empire can support 29 legions")):
        d.text((1010, 130 + (0 if i == 0 else 10 + 20 * i)), line, font=f if i == 0 else small, fill=(0, 0, 0))
    d.text((1010, 320), "MILITARY REPORT", font=f, fill=(0, 0, 0))
    for i in range(10):
        d.text((1010, 360 + 20 * i), "Germanic Tribes raided Raetia (%d)" % i, font=small, fill=(0, 0, 0))
    d.rectangle([185, 595, 965, 618], fill=(0, 0, 0))
    d.text((185, 600), "Province: Aegyptus", font=small, fill=(255, 255, 255))
    d.text((430, 600), "Tax value:", font=small, fill=(255, 255, 255))
    for i, x in enumerate((515, 537, 559, 581)):
        scr.alpha_composite(pic(268 if i < 3 else 269), (x, 595))
    d.text((660, 600), "Attributes: Granary of the empire (friendly)", font=small, fill=(255, 255, 255))
    scr.alpha_composite(pic(234), (453, 285))
    os.makedirs(OUT, exist_ok=True)
    scr.convert("RGB").save(os.path.join(OUT, "screen-preview.png"))


if __name__ == "__main__":
    main()
