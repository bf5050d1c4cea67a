#!/usr/bin/python3
"""Draws the launcher's artwork: the two button glyphs (70 x 80), the picture between them
(49 x 64), all 8-bit palette BMP, and the application icon. Run with Debian's python3-pil:
    /usr/bin/python3 assets/launcher/make_artwork.py
The outputs are kept in the repository; the build uses them as they are."""
import os
from PIL import Image, ImageDraw

HERE = os.path.dirname(os.path.abspath(__file__))
SCALE = 4  # drawn large, then reduced, for smooth edges

# The glyph background: the button uses the bottom-left pixel as its transparent colour, and this
# grey also matches a classic button face where transparency is not applied.
BACKGROUND = (192, 192, 192)

BLUE_DARK = (22, 64, 128)
BLUE = (46, 112, 196)
BLUE_LIGHT = (132, 180, 236)
BLUE_PALE = (214, 230, 250)
GREEN_DARK = (22, 110, 46)
GREEN = (52, 168, 83)
GREEN_LIGHT = (150, 220, 160)
WHITE = (255, 255, 255)
OUTLINE = (40, 48, 64)
SHADOW = (150, 150, 150)


# The picture between the buttons is drawn opaque: on the usual light button face.
PICTURE_BACKGROUND = (240, 240, 240)


def canvas(w, h, background=BACKGROUND):
    img = Image.new("RGB", (w * SCALE, h * SCALE), background)
    return img, ImageDraw.Draw(img)


def s(*values):
    return [v * SCALE for v in values]


def cylinder(d, x, y, w, h, disk, body, top, rim):
    """A database disk: an elliptic top over a body of height h."""
    d.rectangle(s(x, y + disk / 2, x + w, y + h + disk / 2), fill=body)
    d.ellipse(s(x, y + h, x + w, y + h + disk), fill=body, outline=OUTLINE, width=SCALE)
    d.rectangle(s(x, y + disk / 2, x + w, y + h + disk / 2), fill=body)
    d.line(s(x, y + disk / 2, x, y + h + disk / 2), fill=OUTLINE, width=SCALE)
    d.line(s(x + w, y + disk / 2, x + w, y + h + disk / 2), fill=OUTLINE, width=SCALE)
    d.ellipse(s(x, y, x + w, y + disk), fill=top, outline=OUTLINE, width=SCALE)
    d.arc(s(x + 3, y + 2, x + w - 3, y + disk - 2), 200, 340, fill=rim, width=SCALE)


def badge(d, cx, cy, r):
    """The install mark: a green disc with a white arrow pointing down."""
    d.ellipse(s(cx - r + 1, cy - r + 2, cx + r + 1, cy + r + 2), fill=SHADOW)
    d.ellipse(s(cx - r, cy - r, cx + r, cy + r), fill=GREEN, outline=GREEN_DARK, width=SCALE)
    d.ellipse(s(cx - r + 3, cy - r + 2, cx + r - 5, cy - 1), fill=GREEN_LIGHT)
    d.ellipse(s(cx - r + 3, cy - r + 2, cx + r - 5, cy - 1), fill=None)
    shaft = r * 0.28
    d.rectangle(s(cx - shaft, cy - r * 0.55, cx + shaft, cy + r * 0.05), fill=WHITE)
    d.polygon(s(cx - r * 0.6, cy + r * 0.02, cx + r * 0.6, cy + r * 0.02, cx, cy + r * 0.62), fill=WHITE)


def to_palette_bmp(img, size, name, background=BACKGROUND):
    small = img.resize(size, Image.LANCZOS)
    pal = small.quantize(colors=255, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
    # Keep the background exact so that the transparent colour is what the button expects.
    palette = pal.getpalette()[: 255 * 3]
    palette += list(background)
    palette += [0] * (768 - len(palette))
    pal.putpalette(palette)
    src = small.load()
    dst = pal.load()
    for y in range(size[1]):
        for x in range(size[0]):
            if src[x, y] == background:
                dst[x, y] = 255
    pal.save(os.path.join(HERE, name), format="BMP")


def database_glyph():
    img, d = canvas(70, 80)
    for i, y in enumerate((48, 32, 16)):
        cylinder(d, 11, y, 44, 12, 12, BLUE, BLUE_LIGHT if i == 2 else BLUE, BLUE_PALE)
    # Stripes between the disks read as separate platters.
    for y in (30, 46):
        d.arc(s(11, y, 55, y + 12), 0, 180, fill=BLUE_DARK, width=SCALE)
    badge(d, 52, 62, 12)
    return img


def application_glyph():
    img, d = canvas(70, 80)
    # A program window: caption bar, client area with tiles.
    d.rectangle(s(9, 15, 61, 63), fill=SHADOW)
    d.rectangle(s(6, 12, 58, 60), fill=WHITE, outline=OUTLINE, width=SCALE)
    d.rectangle(s(7, 13, 57, 22), fill=BLUE)
    d.rectangle(s(7, 13, 57, 16), fill=BLUE_LIGHT)
    for i, colour in enumerate((WHITE, WHITE, (232, 80, 64))):
        x = 44 + i * 4.5
        d.rectangle(s(x, 15.5, x + 3, 19.5), fill=colour)
    tiles = [(BLUE_LIGHT, 12, 27), (GREEN_LIGHT, 29, 27), ((250, 214, 120), 12, 42), (BLUE_PALE, 29, 42)]
    for colour, x, y in tiles:
        d.rectangle(s(x, y, x + 13, y + 11), fill=colour, outline=BLUE_DARK, width=SCALE)
    d.line(s(45, 29, 53, 29), fill=BLUE_DARK, width=SCALE)
    d.line(s(45, 34, 53, 34), fill=BLUE_DARK, width=SCALE)
    d.line(s(45, 39, 51, 39), fill=BLUE_DARK, width=SCALE)
    badge(d, 52, 62, 12)
    return img


def step_arrow():
    """The picture between the buttons: first the database, then the application."""
    img, d = canvas(49, 64, PICTURE_BACKGROUND)
    for k in range(3):
        y = 6 + k * 16
        shade = [BLUE_LIGHT, BLUE, BLUE_DARK][k]
        d.polygon(s(8, y, 24.5, y + 14, 41, y, 41, y + 8, 24.5, y + 22, 8, y + 8), fill=shade)
    return img


def icon():
    base = Image.new("RGBA", (256, 256), (0, 0, 0, 0))
    d = ImageDraw.Draw(base)
    d.rounded_rectangle((8, 8, 248, 248), radius=44, fill=BLUE_DARK + (255,))
    d.rounded_rectangle((16, 16, 240, 132), radius=38, fill=BLUE + (255,))
    for y in (150, 104, 58):
        d.rectangle((56, y + 16, 176, y + 50), fill=BLUE_PALE + (255,))
        d.ellipse((56, y + 34, 176, y + 66), fill=BLUE_PALE + (255,), outline=BLUE_DARK + (255,), width=6)
        d.rectangle((56, y + 16, 176, y + 50), fill=BLUE_PALE + (255,))
        d.line((56, y + 16, 56, y + 50), fill=BLUE_DARK + (255,), width=6)
        d.line((176, y + 16, 176, y + 50), fill=BLUE_DARK + (255,), width=6)
        d.ellipse((56, y, 176, y + 32), fill=WHITE + (255,), outline=BLUE_DARK + (255,), width=6)
    d.ellipse((150, 150, 238, 238), fill=GREEN + (255,), outline=(255, 255, 255, 255), width=8)
    d.rectangle((184, 166, 204, 198), fill=WHITE + (255,))
    d.polygon((166, 194, 222, 194, 194, 226), fill=WHITE + (255,))
    base.save(os.path.join(HERE, "Velmora.ico"), sizes=[(16, 16), (32, 32), (48, 48)], bitmap_format="bmp")


if __name__ == "__main__":
    to_palette_bmp(database_glyph(), (70, 80), "SpeedButton1Glyph.bmp")
    to_palette_bmp(application_glyph(), (70, 80), "SpeedButton2Glyph.bmp")
    to_palette_bmp(step_arrow(), (49, 64), "Image1Picture.bmp", PICTURE_BACKGROUND)
    icon()
