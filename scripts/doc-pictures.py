#!/usr/bin/python3
"""Draws the pictures of the guides in docs/ from the Velmora skin.

    /usr/bin/python3 scripts/doc-pictures.py --skinpack PATH [--out DIR]

Every frame picture is made by `skinpack render` (the project's own composition, the one a skinned
window paints with) from the Velmora skin or from a copy of it with a few [FORMINFO] keys changed;
this script only converts the BMP output to PNG and draws the explanatory marks (client rectangle,
corner points, bands) over enlarged copies. scripts/doc-pictures.sh builds skinpack and runs it.
"""
import argparse
import os
import re
import shutil
import subprocess
import tempfile

import sys

from PIL import Image, ImageDraw

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
SKIN = os.path.join(ROOT, "skins", "velmora")
sys.path.insert(0, SKIN)
from preview import read_ini  # noqa: E402  (the skin's own ini reader: upper-case names)

# The size the larger renders are made at: wider and taller than the skin's picture (184 x 141), so
# that every band has to grow.
BIG = (360, 240)

CLIENT = (40, 170, 60)  # client rectangle
CORNER = (230, 40, 40)  # corner points
MIDDLE = (255, 200, 0)  # the repeatable middle of a band
MASK_AREA = (40, 120, 230)


def numbers(text):
    return [int(n) for n in re.findall(r"\d+", text)]


def skin_variant(work, name, changes, paint=None):
    """A copy of the Velmora skin whose [FORMINFO] keys in `changes` hold the given values, and whose
    main picture `paint` (if given) has drawn on."""
    folder = os.path.join(work, name)
    shutil.copytree(SKIN, folder, ignore=shutil.ignore_patterns("*.py", "CMakeLists.txt"))
    path = os.path.join(folder, "skin.ini")
    with open(path, encoding="utf-8", newline="") as f:
        lines = f.read().splitlines(keepends=True)
    section = None
    for i, line in enumerate(lines):
        s = line.strip()
        if s.startswith("[") and s.endswith("]"):
            section = s[1:-1].upper()
        elif section == "FORMINFO" and "=" in s and s.split("=", 1)[0].strip().lower() in changes:
            key = s.split("=", 1)[0].strip()
            ending = line[len(line.rstrip("\r\n")):]
            lines[i] = key + "=" + changes[key.lower()] + ending
    with open(path, "w", encoding="utf-8", newline="") as f:
        f.write("".join(lines))
    if paint:
        main_bmp = os.path.join(folder, "main.bmp")
        image = Image.open(main_bmp).convert("RGB")
        paint(image)
        image.save(main_bmp)
    return path


STRIPES = [(200, 60, 60), (230, 160, 40), (220, 220, 60), (70, 170, 80), (60, 130, 210), (140, 80, 190)]


def paint_stripes(lt, rt, lb, rb, client):
    """Paints coloured stripes, 6 pixels each, across the middle of every band, so that a render
    shows whether the band was tiled (the colours repeat) or stretched (the stripes widen)."""
    cl, ct, cr, cb = client

    def paint(image):
        d = ImageDraw.Draw(image)
        w, h = image.size
        for x in range(lt[0], rt[0]):
            d.line([x, 2, x, ct - 3], fill=STRIPES[(x - lt[0]) // 6 % len(STRIPES)])
        for x in range(lb[0], rb[0]):
            d.line([x, cb + 1, x, h - 3], fill=STRIPES[(x - lb[0]) // 6 % len(STRIPES)])
        for y in range(lt[1], lb[1]):
            d.line([2, y, cl - 2, y], fill=STRIPES[(y - lt[1]) // 6 % len(STRIPES)])
        for y in range(rt[1], rb[1]):
            d.line([cr + 1, y, w - 3, y], fill=STRIPES[(y - rt[1]) // 6 % len(STRIPES)])
    return paint


def render(skinpack, skin_ini, size, out_png, work, inactive=False):
    bmp = os.path.join(work, "render.bmp")
    cmd = [skinpack, "render", skin_ini, "--size", "%dx%d" % size, "-o", bmp]
    if inactive:
        cmd.insert(-2, "--inactive")
    subprocess.run(cmd, check=True, stdout=subprocess.DEVNULL)
    image = Image.open(bmp).convert("RGB")
    if out_png:
        image.save(out_png)
    return image


def enlarge(image, scale):
    return image.resize((image.width * scale, image.height * scale), Image.NEAREST)


def mark_geometry(image, scale, lt, rt, lb, rb, client):
    """Draws the client rectangle, the four corner points and the repeatable middles of the four
    bands (all in the image's own coordinates) over an enlarged copy."""
    big = enlarge(image, scale).convert("RGBA")
    overlay = Image.new("RGBA", big.size, (0, 0, 0, 0))
    d = ImageDraw.Draw(overlay)
    s = scale
    cl, ct, cr, cb = client
    w, h = image.size
    # The repeatable middles: top band LT.x..RT.x above the client rect, bottom band LB.x..RB.x
    # below it, left band LT.y..LB.y left of it, right band RT.y..RB.y right of it.
    fill = MIDDLE + (110,)
    d.rectangle([lt[0] * s, 0, rt[0] * s - 1, ct * s - 1], fill=fill)
    d.rectangle([lb[0] * s, cb * s, rb[0] * s - 1, h * s - 1], fill=fill)
    d.rectangle([0, lt[1] * s, cl * s - 1, lb[1] * s - 1], fill=fill)
    d.rectangle([cr * s, rt[1] * s, w * s - 1, rb[1] * s - 1], fill=fill)
    d.rectangle([cl * s, ct * s, cr * s - 1, cb * s - 1], outline=CLIENT + (255,), width=2)
    for x, y in (lt, rt, lb, rb):
        d.line([x * s - 6, y * s, x * s + 6, y * s], fill=CORNER + (255,), width=2)
        d.line([x * s, y * s - 6, x * s, y * s + 6], fill=CORNER + (255,), width=2)
    return Image.alpha_composite(big, overlay).convert("RGB")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--skinpack", required=True, help="the native skinpack program")
    parser.add_argument("--out", default=os.path.join(ROOT, "docs", "pictures"))
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)
    out = lambda name: os.path.join(args.out, name)  # noqa: E731

    info = read_ini(os.path.join(SKIN, "skin.ini"))["FORMINFO"]
    lt, rt, lb, rb = (tuple(numbers(info[k])) for k in
                      ("LEFTTOPPOINT", "RIGHTTOPPOINT", "LEFTBOTTOMPOINT", "RIGHTBOTTOMPOINT"))
    client = tuple(numbers(info["CLIENTRECT"]))
    mask_area = tuple(numbers(info["MASKRECTAREA"]))

    with tempfile.TemporaryDirectory() as work:
        ini = os.path.join(SKIN, "skin.ini")
        main_picture = Image.open(os.path.join(SKIN, "main.bmp")).convert("RGB")
        pw, ph = main_picture.size
        mark_geometry(main_picture, 3, lt, rt, lb, rb, client).save(out("velmora-main-marked.png"))

        mask = Image.open(os.path.join(SKIN, "mask.bmp")).convert("RGB")
        big_mask = enlarge(mask, 3)
        d = ImageDraw.Draw(big_mask)
        ml, mt, mr, mb = mask_area
        d.rectangle([ml * 3, mt * 3, mr * 3 - 1, mb * 3 - 1], outline=MASK_AREA, width=2)
        big_mask.save(out("velmora-mask.png"))

        # At the picture's own size the frame is the picture, cut by the mask.
        render(args.skinpack, ini, (pw, ph), out("frame-picture-size.png"), work)

        # Larger: the bands grow by dx, dy and the corner points move with their corner.
        shipped = render(args.skinpack, ini, BIG, None, work)
        dx, dy = BIG[0] - pw, BIG[1] - ph
        moved = ((lt[0], lt[1]), (rt[0] + dx, rt[1]), (lb[0], lb[1] + dy), (rb[0] + dx, rb[1] + dy))
        grown = (client[0], client[1], client[2] + dx, client[3] + dy)
        mark_geometry(shipped, 2, *moved, grown).save(out("frame-shipped-marked.png"))

        # Velmora's bands are plain; with stripes painted into their middles the difference between
        # tiling and stretching shows.
        stripes = paint_stripes(lt, rt, lb, rb, client)
        bands = ("leftstretch", "topstretch", "rightstretch", "bottomstretch")
        striped = skin_variant(work, "striped", {}, stripes)
        render(args.skinpack, striped, (pw, ph), out("stripes-picture-size.png"), work)
        tiled = skin_variant(work, "tiled", {k: "0" for k in bands}, stripes)
        render(args.skinpack, tiled, BIG, out("stripes-all-tiled.png"), work)
        stretched = skin_variant(work, "stretched", {k: "1" for k in bands}, stripes)
        render(args.skinpack, stretched, BIG, out("stripes-all-stretched.png"), work)

        computed = skin_variant(work, "inactive", {"autorenderinginactiveimage": "1", "inactiveeffect": "iegrayscale"})
        render(args.skinpack, computed, BIG, out("frame-inactive-grayscale.png"), work, inactive=True)


if __name__ == "__main__":
    main()
