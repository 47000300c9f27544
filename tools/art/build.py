#!/usr/bin/env python3
"""Rebuild every picture of Aurovane that this folder owns, the desktop icons and
the contact sheet. Run from anywhere: /usr/bin/python3 tools/art/build.py"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from PIL import Image, ImageDraw  # noqa: E402

import pictures  # noqa: E402
import soldiers  # noqa: E402
import common  # noqa: E402
import words  # noqa: E402
from common import BITMAPS, ICONS, INK, OUT, PARCHMENT, font, rgb, save_bitmap  # noqa: E402

ICON_SIZES = (16, 32, 48, 64, 128, 256)


def still_pictures():
    """id -> picture, in the order the contact sheet shows them."""
    out = {
        264: pictures.scroll(),
        185: pictures.legend_title(),
        251: pictures.constantinople(),
        234: pictures.computer_turn(),
        229: pictures.crossed_swords(),
        268: pictures.coin(True),
        269: pictures.coin(False),
        231: pictures.media_button(False),
        232: pictures.media_button(True),
        182: pictures.portrait(),
        165: pictures.splash(),
        267: pictures.credits(),
        250: pictures.results(),
        pictures.EDITOR_LEGEND_ID: pictures.editor_legend(),
        pictures.EDITOR_TITLE_ID: pictures.editor_title(),
        # window icons: 107 large (32 px), 108 small (16 px)
        107: pictures.icon_png(32),
        108: pictures.icon_png(16),
    }
    return out


# The pictures with words in them, drawn again in each catalogue's language
# under bitmaps/<lang>/ (a front end falls back to the English one).
WORDED = {
    234: pictures.computer_turn,
    165: pictures.splash,
    267: pictures.credits,
    250: pictures.results,
}


def write_translated(scale):
    common.set_scale(scale)
    for code in words.languages():
        words.set_language(code)
        for rid, draw in WORDED.items():
            save_bitmap(draw(), rid, code)
    words.set_language("en")
    print("wrote %d pictures at %dx in %s" % (len(WORDED), scale, ", ".join(words.languages())))


def write_icons():
    os.makedirs(ICONS, exist_ok=True)
    with open(os.path.join(ICONS, "aurovane.svg"), "w") as f:
        f.write(pictures.icon_svg(detail=True) + "\n")
    sizes = {}
    for px in ICON_SIZES:
        img = pictures.icon_png(px)
        img.save(os.path.join(ICONS, "aurovane-%d.png" % px), optimize=True)
        sizes[px] = img
    # one Windows icon file carrying every size, for the installer and the executable
    sizes[256].save(os.path.join(ICONS, "aurovane.ico"),
                    sizes=[(p, p) for p in ICON_SIZES], append_images=[sizes[p] for p in ICON_SIZES[:-1]])
    return sizes


def checker(w, h, cell=6):
    img = Image.new("RGBA", (w, h), (120, 140, 120, 255))
    d = ImageDraw.Draw(img)
    for y in range(0, h, cell):
        for x in range(0, w, cell):
            if (x // cell + y // cell) % 2:
                d.rectangle([x, y, x + cell - 1, y + cell - 1], fill=(100, 120, 100, 255))
    return img


def contact_sheet(stills, anims, icon_sizes):
    """Everything on one page: big pictures halved, small ones doubled, each with id and size."""
    width = 1860
    cap = font(15, "regular")
    head = font(22, "bold")
    rows = []   # (heading, [(label, image, zoom)])
    big = [264, 165, 267, 250]
    rows.append(("Large pictures (shown at 60 %)", [(i, stills[i], 0.6) for i in big]))
    rows.append(("Labels, banner, markers, buttons, portrait (shown at double size)",
                 [(i, stills[i], 2) for i in (185, 251, 234, 229, 268, 269, 231, 232, 182)]))
    rows.append(("Map editor headings (double size) and window icons 107, 108 (quadruple)",
                 [(pictures.EDITOR_LEGEND_ID, stills[pictures.EDITOR_LEGEND_ID], 2),
                  (pictures.EDITOR_TITLE_ID, stills[pictures.EDITOR_TITLE_ID], 2),
                  (107, stills[107], 4), (108, stills[108], 4)]))
    icons = stills["icons"]
    rows.append(("Legion icons (triple size): RomanActive, RomanMoved, Rebel, Barbarian, Sassanid",
                 [(i, icons[i], 3) for i in (168, 170, 183, 179, 114)]))
    for name, (ids, size, _fn) in soldiers.ANIMATIONS.items():
        frames = anims[name]
        zoom = 2 if size[0] * len(ids) * 3 > width - 200 else 3
        rows.append(("%s, %d frames of %dx%d (%s size)" % (name, len(ids), size[0], size[1],
                                                          "double" if zoom == 2 else "triple"),
                     [(i, f, zoom) for i, f in zip(ids, frames)]))
    rows.append(("Desktop icons (game/resources/icons)", [("%dpx" % p, icon_sizes[p], 1) for p in ICON_SIZES]))

    # lay out
    placed = []
    y = 20
    for heading, items in rows:
        placed.append(("head", heading, 20, y))
        y += 34
        x = 20
        row_h = 0
        for label, img, zoom in items:
            w, h = int(img.width * zoom), int(img.height * zoom)
            text = label if isinstance(label, str) else "%d  %dx%d" % (label, img.width, img.height)
            cell = max(w, int(ImageDraw.Draw(Image.new("RGB", (1, 1))).textlength(text, font=cap)))
            if x + cell > width - 20:
                x = 20
                y += row_h + 30
                row_h = 0
            placed.append(("img", (label, img, zoom), x, y))
            x += cell + 18
            row_h = max(row_h, h)
        y += row_h + 40
    sheet = Image.new("RGBA", (width, y), rgb(PARCHMENT) + (255,))
    d = ImageDraw.Draw(sheet)
    d.text((width - 20, 20), "Aurovane pictures", font=head, fill=rgb(INK), anchor="ra")
    for kind, what, x, yy in placed:
        if kind == "head":
            d.text((x, yy), what, font=head, fill=rgb(INK))
            continue
        label, img, zoom = what
        w, h = int(img.width * zoom), int(img.height * zoom)
        resample = Image.LANCZOS if zoom < 1 else Image.NEAREST
        shown = img.convert("RGBA").resize((w, h), resample)
        back = checker(w, h)
        back.alpha_composite(shown)
        sheet.alpha_composite(back, (x, yy))
        d.rectangle([x - 1, yy - 1, x + w, yy + h], outline=rgb(INK))
        text = label if isinstance(label, str) else "%d  %dx%d" % (label, img.width, img.height)
        d.text((x, yy + h + 4), text, font=cap, fill=rgb(INK))
    os.makedirs(OUT, exist_ok=True)
    sheet.convert("RGB").save(os.path.join(OUT, "contact-sheet.png"), optimize=True)


def write_pictures(scale):
    """Every picture id at one scale (1: "<id>.png", 2: "<id>@2x.png")."""
    common.set_scale(scale)
    stills = still_pictures()
    for rid, img in stills.items():
        save_bitmap(img, rid)
    icons = soldiers.icons()
    for rid, img in icons.items():
        save_bitmap(img, rid)
    anims = {}
    for name, (ids, size, fn) in soldiers.ANIMATIONS.items():
        frames = fn()
        assert len(frames) == len(ids), name
        for rid, img in zip(ids, frames):
            assert img.size == (size[0] * scale, size[1] * scale), (name, rid, img.size)
            save_bitmap(img, rid)
        anims[name] = frames
    count = len(stills) + len(icons) + sum(len(v) for v in anims.values())
    print("wrote %d pictures at %dx to %s" % (count, scale, BITMAPS))
    return stills, icons, anims


def main():
    write_translated(2)
    write_translated(1)
    if sys.argv[1:] == ["--languages"]:
        return
    write_pictures(2)
    stills, icons, anims = write_pictures(1)
    icon_sizes = write_icons()
    stills["icons"] = icons
    contact_sheet(stills, anims, icon_sizes)


if __name__ == "__main__":
    main()
