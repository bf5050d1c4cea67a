#!/usr/bin/python3
"""Draws the Velmora skin: the eleven bitmaps and skin.ini beside this script.

Run with Debian's interpreter, which has PIL:  /usr/bin/python3 skins/velmora/generate.py [--out DIR]

The frame, caption-button, menu, hint and group-box geometry is fixed by the launcher's layout; the
artwork here is drawn to land on those rectangles. Every other control record gets its own pieces in
controls.bmp, packed around the fixed ones, and its keys are written from where the pieces landed, so
the ini and the pictures can never disagree.
"""
import argparse
import os
import struct

from PIL import Image, ImageDraw

HERE = os.path.dirname(os.path.abspath(__file__))
SS = 4  # supersampling factor for anti-aliased shapes

# ---------------------------------------------------------------------------------------------------
# Colours. One deep blue-teal for every "chrome" surface, cool light greys for bodies.

TEAL = (27, 94, 120)
TEAL_HI = (44, 113, 140)  # top highlight row of the caption
TEAL_DARK = (15, 60, 79)  # outline of the window and of teal plates
TEAL_HOVER = (52, 128, 156)
TEAL_PRESS = (17, 70, 92)
TEAL_SOFT = (220, 234, 240)  # light teal wash for hovered light controls
TEAL_SOFT2 = (200, 222, 231)  # pressed light controls
RED_HOVER = (209, 62, 62)
RED_PRESS = (160, 40, 40)
BODY = (236, 241, 244)  # window client background
PANEL = (246, 248, 250)  # panel body
BOX = (252, 253, 254)  # group box body
WHITE = (255, 255, 255)
LINE = (190, 203, 211)  # light control borders
LINE_DARK = (141, 161, 173)
LINE_SOFT = (222, 229, 233)
INK = (44, 58, 66)  # dark glyphs on light controls
GREY_TEXT = (128, 128, 128)
DISABLED_FACE = (240, 243, 245)
DISABLED_LINE = (212, 220, 225)
ACCENT = (38, 148, 176)  # progress fill
ACCENT_HI = (94, 186, 207)
HINT_FACE = (247, 250, 251)
KEY = (255, 0, 255)  # transparent colour of thumbs drawn on a key background


def colour_value(c):
    """The skin's integer colour: low byte red."""
    return c[0] | (c[1] << 8) | (c[2] << 16)


def mix(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


# ---------------------------------------------------------------------------------------------------
# Drawing helpers. Shapes are drawn four times larger into a grey mask, reduced, and the coverage is
# rounded to nine levels so an 8-bit palette holds every edge colour.


def coverage(w, h, paint):
    m = Image.new("L", (w * SS, h * SS), 0)
    paint(ImageDraw.Draw(m), SS)
    m = m.reduce(SS)
    return m.point(lambda a: min(255, (a + 16) // 32 * 32))


def put(img, colour, mask, x=0, y=0):
    img.paste(colour, (x, y, x + mask.width, y + mask.height), mask)


def rrect_mask(w, h, r, inset=0):
    def paint(d, s):
        d.rounded_rectangle(
            [inset * s, inset * s, (w - inset) * s - 1, (h - inset) * s - 1],
            radius=max(0, r - inset) * s,
            fill=255,
        )

    return coverage(w, h, paint)


def plate(img, x, y, w, h, r, face, border=None, highlight=None):
    """A rounded rectangle with a one-pixel border drawn over what img holds."""
    if border is None:
        put(img, face, rrect_mask(w, h, r), x, y)
        return
    put(img, border, rrect_mask(w, h, r), x, y)
    put(img, face, rrect_mask(w, h, r, 1), x, y)
    if highlight is not None:
        # A lighter first inner row, kept inside the rounded corners.
        inner = rrect_mask(w, h, r, 1)
        row = Image.new("L", (w, h), 0)
        row.paste(inner.crop((0, 1, w, 2)), (0, 1))
        put(img, highlight, row, x, y)


def fill(img, rect, colour):
    x0, y0, x1, y1 = rect
    if x1 > x0 and y1 > y0:
        img.paste(colour, (x0, y0, x1, y1))


def lines_mask(w, h, segments, width=1.0):
    """Anti-aliased polyline segments given in pixel-centre coordinates."""

    def paint(d, s):
        for seg in segments:
            pts = [((px + 0.5) * s, (py + 0.5) * s) for px, py in seg]
            d.line(pts, fill=255, width=max(1, round(width * s)), joint="curve")

    return coverage(w, h, paint)


def polygon_mask(w, h, pts):
    def paint(d, s):
        d.polygon([(px * s, py * s) for px, py in pts], fill=255)

    return coverage(w, h, paint)


def ellipse_mask(w, h, box):
    def paint(d, s):
        x0, y0, x1, y1 = box
        d.ellipse([x0 * s, y0 * s, x1 * s - 1, y1 * s - 1], fill=255)

    return coverage(w, h, paint)


def glyph_close(img, cx, cy, colour, half=4):
    size = img.size
    put(img, colour, lines_mask(*size, [[(cx - half, cy - half), (cx + half, cy + half)], [(cx - half, cy + half), (cx + half, cy - half)]], 1.3))


def glyph_max(img, cx, cy, colour, half=4):
    fill(img, (cx - half, cy - half, cx + half + 1, cy - half + 2), colour)  # thicker top edge
    fill(img, (cx - half, cy - half, cx - half + 1, cy + half + 1), colour)
    fill(img, (cx + half, cy - half, cx + half + 1, cy + half + 1), colour)
    fill(img, (cx - half, cy + half, cx + half + 1, cy + half + 1), colour)


def glyph_restore(img, cx, cy, colour):
    # Back window: top and right edges only, peeking out behind the front one.
    fill(img, (cx - 2, cy - 4, cx + 5, cy - 3), colour)
    fill(img, (cx + 4, cy - 4, cx + 5, cy + 3), colour)
    # Front window.
    x0, y0 = cx - 4, cy - 2
    fill(img, (x0, y0, x0 + 7, y0 + 2), colour)
    fill(img, (x0, y0, x0 + 1, y0 + 7), colour)
    fill(img, (x0 + 6, y0, x0 + 7, y0 + 7), colour)
    fill(img, (x0, y0 + 6, x0 + 7, y0 + 7), colour)


def glyph_min(img, cx, cy, colour, half=4):
    fill(img, (cx - half, cy, cx + half + 1, cy + 1), colour)


def arrow(img, cx, cy, direction, colour, size=3):
    """A filled triangle pointing up, down, left or right, centred on the pixel (cx, cy)."""
    x, y, s = cx + 0.5, cy + 0.5, size
    pts = {
        "up": [(x - s - 0.5, y + s / 2 + 0.5), (x + s + 0.5, y + s / 2 + 0.5), (x, y - s / 2 - 0.5)],
        "down": [(x - s - 0.5, y - s / 2 - 0.5), (x + s + 0.5, y - s / 2 - 0.5), (x, y + s / 2 + 0.5)],
        "left": [(x + s / 2 + 0.5, y - s - 0.5), (x + s / 2 + 0.5, y + s + 0.5), (x - s / 2 - 0.5, y)],
        "right": [(x - s / 2 - 0.5, y - s - 0.5), (x - s / 2 - 0.5, y + s + 0.5), (x + s / 2 + 0.5, y)],
    }[direction]
    put(img, colour, polygon_mask(img.width, img.height, pts))


def check_mark(img, x, y, colour, size=10):
    """A tick inside the size x size box at (x, y)."""
    s = size / 10.0
    seg = [(x + 1.5 * s, y + 5.0 * s), (x + 4.0 * s, y + 7.5 * s), (x + 8.5 * s, y + 2.0 * s)]
    put(img, colour, lines_mask(img.width, img.height, [seg], 1.6 * s))


def emblem(img, x, y, size, face, mark):
    """The Velmora mark: a rounded tile carrying a 'V' of two strokes."""
    tile = rrect_mask(size, size, 3)
    put(img, face, tile, x, y)
    s = size / 13.0
    v = [[(x + 3.2 * s, y + 3.4 * s), (x + 6.0 * s, y + 9.2 * s), (x + 8.8 * s, y + 3.4 * s)]]
    put(img, mark, lines_mask(img.width, img.height, v, 1.6 * s))


def grip_dots(img, rect, colour, step=4, vertical=False):
    x0, y0, x1, y1 = rect
    if vertical:
        cx = (x0 + x1) // 2
        for y in range(y0 + 1, y1 - 1, step):
            fill(img, (cx, y, cx + 2, y + 2), colour)
    else:
        cy = (y0 + y1) // 2
        for x in range(x0 + 1, x1 - 1, step):
            fill(img, (x, cy, x + 2, cy + 2), colour)


# ---------------------------------------------------------------------------------------------------
# Window frame: main.bmp and mask.bmp.
#
# The frame picture is 184 x 141 with the client rectangle (8, 28, 179, 134). The visible window is
# x 4..182, y 0..137: the outermost columns and rows of the picture lie outside the mask, so the four
# visible borders are equally thick although the picture's bands are not.

MAIN_W, MAIN_H = 184, 141
VIS = (4, 0, 183, 138)  # visible area, right and bottom exclusive
TOP_RADIUS = 5


def main_inside(x, y):
    x0, y0, x1, y1 = VIS
    if not (x0 <= x < x1 and y0 <= y < y1):
        return False
    r = TOP_RADIUS
    for cx, cy in ((x0 + r, y0 + r), (x1 - r, y0 + r)):
        if (x < x0 + r if cx == x0 + r else x >= x1 - r) and y < y0 + r:
            dx, dy = x + 0.5 - cx, y + 0.5 - cy
            if dx * dx + dy * dy > r * r:
                return False
    # Bottom corners lose one pixel each: a gentle rounding the thin bottom band can carry.
    if y == y1 - 1 and x in (x0, x1 - 1):
        return False
    return True


def shape_picture(w, h, inside, outline, colour_at):
    """A w x h picture and its 1-bit mask (black inside) for the shape inside(x, y): the shape's
    edge pixels and everything outside it take outline, the others colour_at(x, y)."""
    img = Image.new("RGB", (w, h), outline)
    mask = Image.new("1", (w, h), 1)
    for y in range(h):
        for x in range(w):
            if not inside(x, y):
                continue
            mask.putpixel((x, y), 0)
            if all(inside(nx, ny) for nx, ny in ((x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1))):
                img.putpixel((x, y), colour_at(x, y))
    return img, mask


def draw_main():
    def colour_at(x, y):
        return TEAL_HI if y == 1 or (y == 2 and (x <= VIS[0] + 2 or x >= VIS[2] - 3)) else TEAL

    img, mask = shape_picture(MAIN_W, MAIN_H, main_inside, TEAL_DARK, colour_at)
    fill(img, (8, 28, 179, 134), BODY)  # client area, tiled as the window background
    # A hairline where the teal frame meets the light client area softens the step.
    fill(img, (7, 28, 8, 134), mix(TEAL, BODY, 0.25))
    fill(img, (179, 28, 180, 134), mix(TEAL, BODY, 0.25))
    fill(img, (7, 134, 180, 135), mix(TEAL, BODY, 0.25))
    fill(img, (7, 27, 180, 28), mix(TEAL, TEAL_DARK, 0.5))
    return img, mask


# ---------------------------------------------------------------------------------------------------
# Caption buttons: active.bmp (124 x 84). The whole sheet is caption teal so each button's own
# background matches the caption rows it is drawn over.

ACTIVE_W, ACTIVE_H = 124, 84
CAPTION_BUTTONS = {
    # name: (normal, hover, pressed) rectangles
    "sys": ((2, 2, 21, 21), (23, 2, 42, 21), (44, 2, 63, 21)),
    "close": ((2, 23, 21, 42), (22, 23, 41, 42), (42, 23, 61, 42)),
    "max": ((63, 23, 82, 42), (83, 23, 102, 42), (103, 23, 122, 42)),
    "restore": ((2, 43, 21, 62), (22, 43, 41, 62), (42, 43, 61, 62)),
    "min": ((63, 43, 82, 62), (83, 43, 102, 62), (103, 43, 122, 62)),
}


def caption_button(kind, state):
    """One 19 x 19 caption button. The plate sits in the top 15 rows: the button row starts lower
    in the caption than the caption text, so this centres the visible button on the caption bar."""
    img = Image.new("RGB", (19, 19), TEAL)
    if kind == "sys":
        if state == 1:
            plate(img, 1, 1, 17, 17, 3, TEAL_HOVER)
        elif state == 2:
            plate(img, 1, 1, 17, 17, 3, TEAL_PRESS)
        emblem(img, 3, 3, 13, (236, 246, 249), TEAL if state != 1 else TEAL_HOVER)
        return img
    if state == 1:
        plate(img, 1, 0, 17, 15, 3, RED_HOVER if kind == "close" else TEAL_HOVER)
    elif state == 2:
        plate(img, 1, 0, 17, 15, 3, RED_PRESS if kind == "close" else TEAL_PRESS)
    ink = WHITE if state else (226, 238, 243)
    cx, cy = 9, 7
    if kind == "close":
        glyph_close(img, cx, cy, ink)
    elif kind == "max":
        glyph_max(img, cx, cy, ink)
    elif kind == "restore":
        glyph_restore(img, cx, cy, ink)
    elif kind == "min":
        glyph_min(img, cx, cy + 1, ink)
    return img


def draw_active():
    img = Image.new("RGB", (ACTIVE_W, ACTIVE_H), TEAL)
    for kind, rects in CAPTION_BUTTONS.items():
        for state, r in enumerate(rects):
            img.paste(caption_button(kind, state), (r[0], r[1]))
    return img


# ---------------------------------------------------------------------------------------------------
# Popup menus: pw.bmp / pwmask.bmp (72 x 77) and menuitems.bmp (124 x 98).

MENU_FACE = WHITE
MENU_BORDER = (160, 178, 189)


def rounded_mask_bitmap(w, h, r):
    """A 1-bit mask: black inside a rounded rectangle filling the picture."""
    m = Image.new("1", (w, h), 1)
    for y in range(h):
        for x in range(w):
            inside = True
            for cx, cy in ((r, r), (w - r, r), (r, h - r), (w - r, h - r)):
                in_corner = (x < r if cx == r else x >= w - r) and (y < r if cy == r else y >= h - r)
                if in_corner:
                    dx, dy = x + 0.5 - cx, y + 0.5 - cy
                    inside = dx * dx + dy * dy <= r * r
            if inside:
                m.putpixel((x, y), 0)
    return m


def outline_from_mask(img, m, colour):
    """Paints the pixels of the mask's shape that touch its outside."""
    w, h = m.size

    def inside(x, y):
        return 0 <= x < w and 0 <= y < h and m.getpixel((x, y)) == 0

    for y in range(h):
        for x in range(w):
            if inside(x, y) and not all(inside(a, b) for a, b in ((x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1))):
                img.putpixel((x, y), colour)


def draw_popup():
    w, h = 72, 77
    m = rounded_mask_bitmap(w, h, 5)
    img = Image.new("RGB", (w, h), MENU_FACE)
    outline_from_mask(img, m, MENU_BORDER)
    return img, m


def draw_menuitems():
    img = Image.new("RGB", (124, 98), MENU_FACE)
    # Highlighted entry (1, 2, 117, 26): a teal plate inset one row so stacked entries breathe.
    plate(img, 2, 3, 114, 22, 3, TEAL, TEAL_DARK)
    fill(img, (4, 4, 114, 5), mix(TEAL, TEAL_HI, 0.9))
    # Normal entry (1, 30, 117, 54) is the plain menu face.
    # Separator (5, 60, 115, 65): a hairline in the middle row, fading into the fixed ends.
    fill(img, (8, 62, 112, 63), LINE_SOFT)
    img.putpixel((7, 62), mix(LINE_SOFT, MENU_FACE, 0.5))
    img.putpixel((112, 62), mix(LINE_SOFT, MENU_FACE, 0.5))
    return img


# ---------------------------------------------------------------------------------------------------
# Hint window: hw.bmp / hwmask.bmp (39 x 27).


def draw_hint():
    w, h = 39, 27
    m = rounded_mask_bitmap(w, h, 4)
    img = Image.new("RGB", (w, h), HINT_FACE)
    outline_from_mask(img, m, LINE_DARK)
    return img, m


# ---------------------------------------------------------------------------------------------------
# Track-bar masks (the shapes of the htrackbar / vtrackbar pieces of controls.bmp).

TRACK_LONG, TRACK_SHORT = 67, 22


def draw_trackbar_masks():
    return rounded_mask_bitmap(TRACK_LONG, TRACK_SHORT, 4), rounded_mask_bitmap(TRACK_SHORT, TRACK_LONG, 4)


# ---------------------------------------------------------------------------------------------------
# controls.bmp (385 x 424): the launcher's panel and group box at their fixed places, the group box
# caption check boxes, and the pieces of every other control record packed around them.

CONTROLS_W, CONTROLS_H = 385, 424
PANEL_RECT = (1, 152, 97, 226)
GROUPBOX_RECT = (307, 6, 374, 70)
UNCHECK_RECT = (35, 107, 52, 124)
CHECK_RECT = (51, 107, 68, 124)
GB_HEADER_TOP = (38, 115, 143)
GB_HEADER_BOTTOM = (27, 94, 120)
GB_KEY = mix(GB_HEADER_TOP, GB_HEADER_BOTTOM, 0.5)  # check-box background, made transparent


def draw_panel_piece():
    w, h = 96, 74
    img = Image.new("RGB", (w, h), PANEL)
    fill(img, (0, 0, w, 1), LINE)
    fill(img, (0, h - 1, w, h), LINE)
    fill(img, (0, 0, 1, h), LINE)
    fill(img, (w - 1, 0, w, h), LINE)
    fill(img, (1, 1, w - 1, 2), WHITE)
    fill(img, (1, 1, 2, h - 1), WHITE)
    fill(img, (1, h - 2, w - 1, h - 1), LINE_SOFT)
    fill(img, (w - 2, 1, w - 1, h - 1), LINE_SOFT)
    for p in ((0, 0), (w - 1, 0), (0, h - 1), (w - 1, h - 1)):
        img.putpixel(p, mix(LINE, BODY, 0.6))  # a one-pixel rounding against the window body
    return img


def header_box(w, h, header_h, top, bottom, body, border, outside, radius=4):
    """A framed box with a coloured caption strip: the group box look."""
    img = Image.new("RGB", (w, h), outside)
    shape = rrect_mask(w, h, radius)
    put(img, border, shape)
    inner = rrect_mask(w, h, radius, 1)
    put(img, body, inner)
    strip = Image.new("RGB", (w, header_h), top)
    for y in range(header_h):
        fill(strip, (0, y, w, y + 1), mix(top, bottom, y / max(1, header_h - 1)))
    hmask = shape.crop((0, 0, w, header_h))
    img.paste(strip, (0, 0), hmask)
    fill(img, (radius, 1, w - radius, 2), mix(top, WHITE, 0.18))  # soft top light
    fill(img, (0, header_h - 1, w, header_h), mix(bottom, TEAL_DARK, 0.5))
    return img


def draw_groupbox_piece():
    return header_box(67, 64, 22, GB_HEADER_TOP, GB_HEADER_BOTTOM, BOX, LINE, PANEL)


def draw_caption_checks(img):
    fill(img, (UNCHECK_RECT[0], UNCHECK_RECT[1], CHECK_RECT[2], CHECK_RECT[3]), GB_KEY)
    for rect, checked in ((UNCHECK_RECT, False), (CHECK_RECT, True)):
        x, y = rect[0] + (1 if not checked else 2), rect[1] + 1
        box = Image.new("RGB", (14, 14), GB_KEY)
        plate(box, 0, 0, 14, 14, 3, WHITE if checked else (236, 244, 247), WHITE)
        if checked:
            check_mark(box, 2, 2, TEAL, 10)
        img.paste(box, (x, y))


# --- generic pieces for the packed records ----------------------------------------------------------


def piece(w, h, bg=PANEL):
    return Image.new("RGB", (w, h), bg)


LIGHT_STATES = {
    # face, border, highlight
    "normal": (WHITE, LINE, None),
    "active": (TEAL_SOFT, (92, 150, 172), (236, 245, 248)),
    "down": (TEAL_SOFT2, TEAL, None),
    "disabled": (DISABLED_FACE, DISABLED_LINE, None),
}
PRIMARY_STATES = {
    "normal": (TEAL, TEAL_DARK, TEAL_HI),
    "active": (TEAL_HOVER, TEAL_DARK, (76, 146, 172)),
    "down": (TEAL_PRESS, TEAL_DARK, None),
    "disabled": ((150, 178, 189), (132, 160, 172), None),
}


def button_piece(w, h, state, states=LIGHT_STATES, bg=PANEL, r=3):
    img = piece(w, h, bg)
    face, border, hi = states[state]
    plate(img, 0, 0, w, h, r, face, border, hi)
    return img


def flat_button_piece(w, h, state, bg):
    """Tool buttons: nothing but the bar's own colour until hovered."""
    img = piece(w, h, bg)
    if state == "active":
        plate(img, 0, 0, w, h, 3, TEAL_SOFT, (132, 176, 193))
    elif state == "down":
        plate(img, 0, 0, w, h, 3, TEAL_SOFT2, TEAL)
    return img


def field_piece(w, h, state="normal", bg=PANEL):
    img = piece(w, h, bg)
    border = {"normal": LINE_DARK, "active": TEAL, "disabled": DISABLED_LINE}[state]
    face = DISABLED_FACE if state == "disabled" else WHITE
    plate(img, 0, 0, w, h, 2, face, border)
    if state == "active":
        fill(img, (2, h - 2, w - 2, h - 1), mix(TEAL, WHITE, 0.35))  # focus underline
    return img


def small_button_piece(w, h, state, glyph, bg=WHITE):
    """Arrow and drop-down buttons that sit inside fields and scroll bars."""
    img = piece(w, h, bg)
    if state == "active":
        plate(img, 0, 0, w, h, 2, TEAL_SOFT, (132, 176, 193))
    elif state == "down":
        plate(img, 0, 0, w, h, 2, TEAL_SOFT2, TEAL)
    elif state == "disabled":
        pass
    else:
        plate(img, 0, 0, w, h, 2, (242, 246, 248), LINE_SOFT)
    ink = GREY_TEXT if state == "disabled" else (TEAL_DARK if state == "down" else INK)
    cx, cy = w // 2 - (1 if w % 2 == 0 else 0), h // 2 - (1 if h % 2 == 0 else 0)
    if glyph in ("up", "down", "left", "right"):
        arrow(img, cx, cy, glyph, ink, 3)
    elif glyph == "dots":
        for dx in (-3, 0, 3):
            fill(img, (cx + dx, cy + 1, cx + dx + 2, cy + 3), ink)
    return img


def check_piece(state, checked, radio=False):
    img = piece(16, 16, PANEL)
    border = {"normal": LINE_DARK, "active": TEAL, "disabled": DISABLED_LINE}[state]
    face = DISABLED_FACE if state == "disabled" else (TEAL_SOFT if state == "active" and not checked else WHITE)
    if checked and state != "disabled":
        face, border = (TEAL if state == "normal" else TEAL_HOVER), TEAL_DARK
    if radio:
        put(img, border, ellipse_mask(16, 16, (1, 1, 15, 15)))
        put(img, face, ellipse_mask(16, 16, (2, 2, 14, 14)))
        if checked:
            put(img, WHITE if state != "disabled" else GREY_TEXT, ellipse_mask(16, 16, (5, 5, 11, 11)))
    else:
        plate(img, 1, 1, 14, 14, 3, face, border)
        if checked:
            check_mark(img, 3, 3, WHITE if state != "disabled" else GREY_TEXT, 10)
    return img


def progress_piece(w, h, vertical=False):
    img = piece(w, h, PANEL)
    plate(img, 0, 0, w, h, 2, ACCENT, mix(ACCENT, TEAL_DARK, 0.45))
    if vertical:
        fill(img, (1, 2, 2, h - 2), ACCENT_HI)
    else:
        fill(img, (2, 1, w - 2, 2), ACCENT_HI)
    return img


def gauge_track(w, h, vertical=False):
    img = piece(w, h, PANEL)
    plate(img, 0, 0, w, h, 3, (229, 235, 239), LINE)
    if vertical:
        fill(img, (1, 3, 2, h - 3), (216, 224, 229))
    else:
        fill(img, (3, 1, w - 3, 2), (216, 224, 229))
    return img


def thumb_piece(w, h, state):
    img = piece(w, h, KEY)
    face = {"normal": TEAL, "active": TEAL_HOVER, "down": TEAL_PRESS}[state]
    plate(img, 0, 0, w, h, 3, face, TEAL_DARK, TEAL_HI if state != "down" else None)
    # Keep the rounded-off corners pure key colour so they come out transparent.
    shape = rrect_mask(w, h, 3)
    for y in range(h):
        for x in range(w):
            if shape.getpixel((x, y)) < 128:
                img.putpixel((x, y), KEY)
    return img


def scroll_thumb(w, h, state, vertical):
    img = piece(w, h, (240, 244, 246))
    face = {"normal": (196, 209, 217), "active": (160, 186, 199), "down": (112, 150, 168)}[state]
    if vertical:
        plate(img, 2, 0, w - 4, h, 3, face)
    else:
        plate(img, 0, 2, w, h - 4, 3, face)
    return img


def track_piece(w, h, vertical):
    img = piece(w, h, (240, 244, 246))
    if vertical:
        fill(img, (0, 0, 1, h), LINE_SOFT)
    else:
        fill(img, (0, 0, w, 1), LINE_SOFT)
    return img


# ---------------------------------------------------------------------------------------------------
# Packing: each record contributes a block of pieces; blocks are placed first-fit around the fixed
# rectangles with a one-pixel gap.


class Sheet:
    """A picture with free-space bookkeeping (maximal free rectangles). Every taken rectangle keeps a
    one-pixel gap on its right and bottom, so neighbouring pieces never touch."""

    def __init__(self, w, h, bg):
        self.img = Image.new("RGB", (w, h), bg)
        self.free = [(0, 0, w + 1, h + 1)]  # one extra column and row take the last gap

    def reserve(self, rect):
        self.take(rect[0] - 1, rect[1] - 1, rect[2] - rect[0] + 1, rect[3] - rect[1] + 1)

    def find(self, w, h):
        """Best short-side fit: the free rectangle that leaves the least on its tighter side."""
        best = None
        for f in self.free:
            fw, fh = f[2] - f[0], f[3] - f[1]
            if w + 1 <= fw and h + 1 <= fh:
                score = (min(fw - w, fh - h), max(fw - w, fh - h), f[1], f[0])
                if best is None or score < best[0]:
                    best = (score, (f[0], f[1]))
        return best

    def take(self, x, y, w, h):
        r = (x, y, x + w + 1, y + h + 1)
        pieces = []
        for f in self.free:
            if r[0] >= f[2] or r[2] <= f[0] or r[1] >= f[3] or r[3] <= f[1]:
                pieces.append(f)
                continue
            if r[0] > f[0]:
                pieces.append((f[0], f[1], r[0], f[3]))
            if r[2] < f[2]:
                pieces.append((r[2], f[1], f[2], f[3]))
            if r[1] > f[1]:
                pieces.append((f[0], f[1], f[2], r[1]))
            if r[3] < f[3]:
                pieces.append((f[0], r[3], f[2], f[3]))

        def inside(a, b):
            return a[0] >= b[0] and a[1] >= b[1] and a[2] <= b[2] and a[3] <= b[3]

        self.free = [
            a for i, a in enumerate(pieces)
            if not any(j != i and inside(a, b) and (a != b or j < i) for j, b in enumerate(pieces))
        ]


class Block:
    """Pieces laid out in a row or a column (whichever packs better); put() records each piece's
    rectangle in the sheet."""

    def __init__(self, pieces, gap=1):
        self.pieces = pieces
        self.gap = gap
        self.rects = None  # filled when the sheet is packed

    def size(self, vertical):
        along = sum((p.height if vertical else p.width) for p in self.pieces) + self.gap * (len(self.pieces) - 1)
        across = max((p.width if vertical else p.height) for p in self.pieces)
        return (across, along) if vertical else (along, across)

    def put(self, sheet, x, y, vertical):
        self.rects = []
        for p in self.pieces:
            sheet.img.paste(p, (x, y))
            self.rects.append((x, y, x + p.width, y + p.height))
            if vertical:
                y += p.height + self.gap
            else:
                x += p.width + self.gap


class Ref:
    """A piece's rectangle, known once every block has been packed."""

    def __init__(self, block, i):
        self.block, self.i = block, i

    def rect(self):
        return self.block.rects[self.i]


def pack(sheet, blocks):
    # Largest first; each block goes, as a row or a column, where it fits most tightly. A block that
    # finds no room whole is split and its pieces placed one by one.
    def area(b):
        w, h = b.size(False)
        return w * h

    def place(b):
        best = None
        for vertical in (False, True):
            w, h = b.size(vertical)
            found = sheet.find(w, h)
            if found and (best is None or found[0] < best[0]):
                best = (found[0], found[1], w, h, vertical)
        if best is None:
            return False
        _, (x, y), w, h, vertical = best
        sheet.take(x, y, w, h)
        b.put(sheet, x, y, vertical)
        return True

    for b in sorted(blocks, key=lambda b: (-area(b), -max(b.size(False)))):
        if place(b):
            continue
        singles = [Block([p]) for p in b.pieces]
        for single in singles:
            if not place(single):
                raise SystemExit(f"controls.bmp is full: no room for a {single.size(False)} piece")
        b.rects = [single.rects[0] for single in singles]


# ---------------------------------------------------------------------------------------------------
# Skin ini.

FONT = "宋体"

# Keys of each record class in reading order. Missing values take the defaults in default_value().
CONTROL_BASE = ["pictureindex", "maskpictureindex", "skinrect"]
CUSTOM = CONTROL_BASE + ["lefttoppoint", "righttoppoint", "leftbottompoint", "rightbottompoint", "clientrect"]
FONT4 = ["fontname", "fontheight", "fontstyle", "fontcolor"]
UPDOWN6 = [
    "upbuttonrect", "activeupbuttonrect", "downupbuttonrect",
    "downbuttonrect", "activedownbuttonrect", "downdownbuttonrect",
]
BUTTON = CUSTOM + FONT4 + [
    "activefontcolor", "downfontcolor", "disabledfontcolor",
    "activeskinrect", "downskinrect", "disabledskinrect", "morphing", "morphkind",
]
EDIT = CUSTOM + ["activeskinrect"] + FONT4 + [
    "disabledfontcolor", "activefontcolor",
    "buttonrect", "activebuttonrect", "downbuttonrect", "unenabledbuttonrect",
]
LISTBOX = CUSTOM + [
    "itemrect", "activeitemrect", "focusitemrect", "itemleftoffset", "itemrightoffset", "itemtextrect",
] + FONT4 + [
    "activefontcolor", "focusfontcolor", "captionrect",
    "captionfontname", "captionfontheight", "captionfontstyle", "captionfontcolor",
] + UPDOWN6 + [
    "checkbuttonrect", "activecheckbuttonrect", "downcheckbuttonrect",
    "vscrollbarname", "hscrollbarname", "bothhscrollbarname",
]
CONTROL_KEYS = {
    "panel": CUSTOM + [
        "bgpictureindex", "captionrect", "alignment",
    ] + FONT4 + ["checkimagerect", "uncheckimagerect"],
    "expanel": CUSTOM + [
        "rollhskinrect", "rollvskinrect",
        "rollleftoffset", "rollrightoffset", "rolltopoffset", "rollbottomoffset",
        "rollvcaptionrect", "rollhcaptionrect",
        "closebuttonrect", "closebuttonactiverect", "closebuttondownrect",
        "hrollbuttonrect", "hrollbuttonactiverect", "hrollbuttondownrect",
        "hrestorebuttonrect", "hrestorebuttonactiverect", "hrestorebuttondownrect",
        "vrollbuttonrect", "vrollbuttonactiverect", "vrollbuttondownrect",
        "vrestorebuttonrect", "vrestorebuttonactiverect", "vrestorebuttondownrect",
        "captionrect",
    ] + FONT4,
    "button": BUTTON,
    "menubutton": BUTTON + ["trackbuttonrect"],
    "checkradio": CUSTOM + FONT4 + [
        "activefontcolor", "unenabledfontcolor", "framefontcolor",
        "activeskinrect", "checkimagearea", "textarea", "checkimagerect", "uncheckimagerect",
        "activecheckimagerect", "activeuncheckimagerect", "unenabledcheckimagerect",
        "unenableduncheckimagerect", "morphing", "morphkind",
    ],
    "gauge": CUSTOM + [
        "progressarea", "progressrect", "beginoffset", "endoffset", "vertical",
    ] + FONT4 + ["progresstransparent", "progresstransparentcolor"],
    "splitter": CUSTOM,
    "trackbar": CUSTOM + [
        "trackarea", "buttonrect", "activebuttonrect", "vertical", "buttontransparent", "buttontransparentcolor",
    ],
    "label": CUSTOM + FONT4,
    "stdlabel": CONTROL_BASE + FONT4 + ["activefontcolor"],
    "bevel": CONTROL_BASE + ["lightcolor", "darkcolor"],
    "updown": CUSTOM + UPDOWN6,
    "controlbar": CUSTOM + ["itemrect", "bgpictureindex"],
    "edit": EDIT,
    "memo": EDIT + ["bgcolor", "activebgcolor"],
    "listbox": LISTBOX,
    "checklistbox": LISTBOX + ["itemcheckrect", "checkimagerect", "uncheckimagerect"],
    "combobox": CUSTOM + [
        "itemrect", "focusitemrect", "itemleftoffset", "itemrightoffset", "itemtextrect",
    ] + FONT4 + [
        "focusfontcolor", "listboxname",
        "buttonrect", "activebuttonrect", "downbuttonrect", "unenabledbuttonrect",
    ],
    "scrollbar": CUSTOM + ["trackarea"] + UPDOWN6 + [
        "thumbrect", "activethumbrect", "downthumbrect", "thumboffset1", "thumboffset2",
        "thumbtransparent", "thumbtransparentcolor", "glyphrect", "activeglyphrect", "downglyphrect",
    ],
    "spinedit": CUSTOM + ["activeskinrect"] + FONT4 + [
        "activefontcolor", "disabledfontcolor",
    ] + UPDOWN6,
    "scrollbox": CUSTOM + ["bgpictureindex"],
    "treeview": CONTROL_BASE + FONT4 + ["bgcolor"],
    "listview": CONTROL_BASE + FONT4 + ["bgcolor"],
    "richedit": CONTROL_BASE + FONT4 + ["bgcolor"],
    "slider": CONTROL_BASE + [
        "bgcolor", "hrulerrect", "hthumbrect", "vrulerrect", "vthumbrect", "edgesize", "pointscolor",
    ],
    "mainmenubar": CONTROL_BASE + [
        "itemsrect", "menubaritem", "closebutton", "minbutton", "maxbutton", "sysmenubutton",
        "trackmarkcolor", "trackmarkactivecolor",
    ],
    "tab": CONTROL_BASE + [
        "tabrect", "activetabrect", "focustabrect", "mouseintabrect", "clientrect", "bgpictureindex",
        "lefttoppoint", "righttoppoint", "leftbottompoint", "rightbottompoint",
        "tableftoffset", "tabrightoffset", "tabsbgrect",
    ] + FONT4 + ["activefontcolor", "focusfontcolor", "mouseinfontcolor", "updown"],
    "grid": CONTROL_BASE + [
        "fixedcellrect", "selectcellrect", "focuscellrect", "fixedcellleftoffset", "fixedcellrightoffset",
        "fixedcelltextrect", "cellleftoffset", "cellrightoffset", "celltextrect", "linescolor", "bgcolor",
    ] + FONT4 + [
        "selectfontcolor", "focusfontcolor",
        "fixedfontname", "fixedfontheight", "fixedfontstyle", "fixedfontcolor",
    ],
}

OBJECT_BASE = [
    "hint", "activepictureindex", "skinrectinapicture", "skinrect", "activeskinrect", "inactiveskinrect",
    "morphing", "morphkind",
]
STDBUTTON = OBJECT_BASE + [
    "downrect", "disableskinrsect",
    "command", "restorerect", "restoreactiverect", "restoredownrect", "restoreinactiverect",
]
OBJECT_KEYS = {
    "stdbutton": STDBUTTON,
    "mainmenubarbutton": STDBUTTON,
    "caption": OBJECT_BASE + [
        "textrect", "fontname", "fontheight", "fontstyle", "fontcolor", "activefontcolor", "alignment",
        "shadow", "shadowcolor", "activeshadowcolor", "framerect", "activeframerect", "frametextrect",
        "frameleftoffset", "framerightoffset",
    ],
    "menuitem": OBJECT_BASE + [
        "itemleftoffset", "itemrightoffset", "dividerrect", "dividerleftoffset", "dividerrightoffset",
        "textrect", "fontname", "fontheight", "fontstyle", "fontcolor", "activefontcolor",
        "unenabledfontcolor",
    ],
    "mainmenubaritem": OBJECT_BASE + [
        "itemleftoffset", "itemrightoffset", "downrect", "textrect", "fontname", "fontheight",
        "fontstyle", "fontcolor", "activefontcolor", "downfontcolor", "unenabledfontColor",
    ],
}

ZERO = (0, 0, 0, 0)


def default_value(key):
    k = key.lower()
    if k.endswith("pictureindex"):
        return -1
    if k.endswith("point"):
        return (0, 0)
    if k.endswith("rect") or k.endswith("area") or k == "disableskinrsect":
        return ZERO
    if k.endswith("fontname"):
        return FONT
    if k.endswith("fontheight"):
        return 14
    if k.endswith("fontstyle") or k == "hint" or k in ("updown", "listboxname"):
        return ""
    if k == "morphkind":
        return "mkdefault"
    if k == "alignment":
        return "tacenter"
    return 0


def fmt(v):
    if isinstance(v, Ref):
        v = v.rect()
    if isinstance(v, tuple):
        return ",".join(str(int(n)) for n in v)
    if isinstance(v, bool):
        return "1" if v else "0"
    return str(v)


class Ini:
    def __init__(self):
        self.sections = []

    def section(self, name, items):
        self.sections.append((name, list(items)))

    def record(self, name, keys, values):
        unknown = set(values) - set(keys)
        if unknown:
            raise SystemExit(f"[{name}] sets keys its class does not read: {sorted(unknown)}")
        self.section(name, [(k, values.get(k, default_value(k))) for k in keys])

    def record_lists(self, objects, object_keys, controls, control_keys):
        """[SKINOBJECTS] and [SKINCONTROLS], each followed by a section per record (name, kind, values)."""
        for list_name, records, keys in (("SKINOBJECTS", objects, object_keys), ("SKINCONTROLS", controls, control_keys)):
            self.section(list_name, [("count", len(records))] + [(str(i), f"{n}:{k}") for i, (n, k, _) in enumerate(records)])
            for name, kind, values in records:
                self.record(name, keys[kind], values)

    def text(self):
        out = [
            "; Velmora skin for the setup launcher.",
            "; Written by generate.py together with the bitmaps: change the script, not this file.",
        ]
        for name, items in self.sections:
            out.append("")
            out.append(f"[{name}]")
            for k, v in items:
                out.append(f"{k}={fmt(v)}")
        return "\n".join(out) + "\n"


def nine(w, h, k, client):
    """Corner points keeping k x k corners, and the client rectangle, for a w x h piece."""
    return {
        "lefttoppoint": (k, k),
        "righttoppoint": (w - k, k),
        "leftbottompoint": (k, h - k),
        "rightbottompoint": (w - k, h - k),
        "clientrect": client,
    }


def header_points(w, h):
    """Points of a box with a 22-pixel caption strip: the side bands' middles start below it."""
    return {
        "lefttoppoint": (10, 25),
        "righttoppoint": (w - 14, 25),
        "leftbottompoint": (5, h - 6),
        "rightbottompoint": (w - 5, h - 5),
        "clientrect": (2, 22, w - 2, h - 2),
    }


def horizontal(w, h, left, right, client):
    """Points of a piece that grows in width only (fixed left and right parts)."""
    return {"lefttoppoint": (left, 0), "righttoppoint": (w - right, 0), "clientrect": client}


def vertical(w, h, top, bottom, client):
    """Points of a piece that grows in height only (fixed top and bottom parts)."""
    return {"lefttoppoint": (0, top), "leftbottompoint": (0, h - bottom), "clientrect": client}


# ---------------------------------------------------------------------------------------------------
# The control records. Each builder adds pieces to the sheet and returns the record's keys.


def states_block(make, names):
    return Block([make(s) for s in names])


def build_controls(sheet):
    records = []  # (name, kind, values)
    blocks = []

    def place(block):
        blocks.append(block)
        return [Ref(block, i) for i in range(len(block.pieces))]

    def add(name, kind, **values):
        values.setdefault("pictureindex", 3)
        records.append((name, kind, values))

    # -- launcher's own records, at the places its layout names --
    add(
        "panel", "panel", maskpictureindex=-1, skinrect=PANEL_RECT,
        lefttoppoint=(4, 3), righttoppoint=(89, 3), leftbottompoint=(3, 70), rightbottompoint=(90, 69),
        clientrect=(2, 2, 94, 72), bgpictureindex=-1, captionrect=ZERO, alignment="tacenter",
        fontname=FONT, fontheight=14, fontstyle="", fontcolor=0,
        checkimagerect=ZERO, uncheckimagerect=ZERO,
    )
    add(
        "groupbox", "panel", maskpictureindex=-1, skinrect=GROUPBOX_RECT,
        lefttoppoint=(10, 25), righttoppoint=(53, 25), leftbottompoint=(5, 58), rightbottompoint=(62, 59),
        clientrect=(2, 22, 65, 62), bgpictureindex=-1, captionrect=(6, 4, 61, 20), alignment="tacenter",
        fontname=FONT, fontheight=14, fontstyle="", fontcolor=16777215,
        checkimagerect=(51, 107, 68, 124), uncheckimagerect=(35, 107, 52, 124),
    )

    # -- more panels --
    w, h = 32, 22
    img = piece(w, h, (233, 238, 241))
    fill(img, (0, 0, w, 1), LINE)
    fill(img, (0, 1, w, 2), WHITE)
    (r,) = place(Block([img]))
    add("statusbar", "panel", skinrect=r, **nine(w, h, 3, (1, 2, w - 1, h - 1)), fontcolor=colour_value(INK))

    w, h = 40, 20
    img = piece(w, h, (233, 238, 241))
    plate(img, 0, 0, w, h, 2, (243, 246, 248), LINE)
    (r,) = place(Block([img]))
    add("statuspanel", "panel", skinrect=r, **nine(w, h, 3, (2, 2, w - 2, h - 2)), alignment="taleftjustify")

    for name, h in (("toolpanel", 26), ("bigtoolpanel", 40)):
        w = 32
        img = piece(w, h, (238, 242, 245))
        fill(img, (0, 0, w, 1), WHITE)
        fill(img, (0, h - 1, w, h), LINE)
        (r,) = place(Block([img]))
        add(name, "panel", skinrect=r, **nine(w, h, 3, (1, 1, w - 1, h - 1)))

    w, h = 40, 40
    img = header_box(w, h, 22, (226, 235, 240), (214, 226, 233), BOX, LINE, PANEL)
    (r,) = place(Block([img]))
    add(
        "captionpanel", "panel", skinrect=r, **header_points(w, h),
        captionrect=(6, 4, w - 6, 20), alignment="taleftjustify",
        fontstyle="fsbold", fontcolor=colour_value(TEAL_DARK),
    )

    w, h = 48, 40
    img = piece(w, h, PANEL)
    plate(img, 0, 0, w, h, 2, WHITE, LINE)
    (r,) = place(Block([img]))
    add("framepanel", "panel", skinrect=r, **nine(w, h, 3, (2, 2, w - 2, h - 2)))

    # -- roll-up panel with its own small caption buttons --
    w, h, roll = 64, 48, 48
    body = header_box(w, h, 22, GB_HEADER_TOP, GB_HEADER_BOTTOM, BOX, LINE, PANEL)
    rollh = header_box(roll, 22, 22, GB_HEADER_TOP, GB_HEADER_BOTTOM, BOX, LINE, PANEL)
    rollv = Image.new("RGB", (22, roll), PANEL)
    vshape = rrect_mask(22, roll, 4)
    vstrip = Image.new("RGB", (22, roll), GB_HEADER_BOTTOM)
    for x in range(22):
        fill(vstrip, (x, 0, x + 1, roll), mix(GB_HEADER_TOP, GB_HEADER_BOTTOM, x / 21))
    rollv.paste(vstrip, (0, 0), vshape)
    big = place(Block([body, rollh, rollv]))

    def exbutton(state, glyph):
        img = Image.new("RGB", (14, 14), GB_HEADER_BOTTOM)
        if state == 1:
            plate(img, 0, 0, 14, 14, 3, RED_HOVER if glyph == "close" else TEAL_HOVER)
        elif state == 2:
            plate(img, 0, 0, 14, 14, 3, RED_PRESS if glyph == "close" else TEAL_PRESS)
        ink = WHITE
        if glyph == "close":
            glyph_close(img, 6, 6, ink, 3)
        else:
            arrow(img, 6, 6, glyph, ink, 3)
        return img

    exrects = {}
    for glyph, key in (("close", "closebutton"), ("up", "vroll"), ("down", "vrestore"),
                       ("left", "hroll"), ("right", "hrestore")):
        exrects[key] = place(Block([exbutton(s, glyph) for s in range(3)]))
    ex = dict(
        skinrect=big[0], **header_points(w, h),
        rollhskinrect=big[1], rollvskinrect=big[2],
        rollleftoffset=8, rollrightoffset=40, rolltopoffset=8, rollbottomoffset=40,
        rollvcaptionrect=(3, 8, 19, 40), rollhcaptionrect=(8, 3, 40, 19), captionrect=(6, 4, w - 44, 20),
        fontcolor=16777215,
    )
    for key, prefix in (("closebutton", "closebutton"), ("hroll", "hrollbutton"), ("hrestore", "hrestorebutton"),
                        ("vroll", "vrollbutton"), ("vrestore", "vrestorebutton")):
        n, a, d = exrects[key]
        if key == "closebutton":
            ex.update(closebuttonrect=n, closebuttonactiverect=a, closebuttondownrect=d)
        else:
            ex.update({f"{prefix}rect": n, f"{prefix}activerect": a, f"{prefix}downrect": d})
    add("expanel", "expanel", **ex)

    # -- push buttons --
    states = ("normal", "active", "down", "disabled")

    def button_record(name, w, h, k, make, fonts, with_disabled=True):
        rects = place(states_block(make, states if with_disabled else states[:3]))
        values = dict(
            skinrect=rects[0], **nine(w, h, k, (k - 1, k - 1, w - k + 1, h - k + 1)),
            activeskinrect=rects[1], downskinrect=rects[2], morphing=1, morphkind="mkdefault", **fonts,
        )
        if with_disabled:
            values["disabledskinrect"] = rects[3]
        add(name, "button", **values)

    dark_fonts = dict(fontcolor=0, activefontcolor=colour_value(TEAL_DARK), downfontcolor=colour_value(TEAL_DARK),
                      disabledfontcolor=8421504)
    light_fonts = dict(fontcolor=16777215, activefontcolor=16777215, downfontcolor=16777215,
                       disabledfontcolor=colour_value((236, 242, 245)))
    button_record("button", 32, 22, 5, lambda s: button_piece(32, 22, s), dark_fonts)
    button_record("resizebutton", 32, 22, 5, lambda s: button_piece(32, 22, s, PRIMARY_STATES), light_fonts)
    button_record("smallbutton", 32, 18, 4, lambda s: button_piece(32, 18, s, r=2), dict(dark_fonts, fontheight=12))
    tool_bg = (238, 242, 245)
    # Flat tool buttons have no disabled image: a disabled one shows its normal, empty face.
    button_record("toolbutton", 22, 22, 5, lambda s: flat_button_piece(22, 22, s, tool_bg), dark_fonts, False)
    button_record("bigtoolbutton", 28, 28, 6, lambda s: flat_button_piece(28, 28, s, tool_bg), dark_fonts, False)

    # -- buttons with a menu arrow: grow in width, the arrow part stays at the right --
    def menu_button(w, h, arrow_w, state, flat):
        img = flat_button_piece(w, h, state, tool_bg) if flat else button_piece(w, h, state)
        ink = GREY_TEXT if state == "disabled" else INK
        if not flat or state in ("active", "down"):
            fill(img, (w - arrow_w, 4, w - arrow_w + 1, h - 4), LINE if state != "down" else TEAL)
        arrow(img, w - arrow_w // 2 - 1, h // 2 - 1, "down", ink, 3)
        return img

    for name, w, h, aw, flat in (("menubutton", 44, 24, 16, False), ("toolmenubutton", 34, 22, 12, True),
                                 ("bigtoolmenubutton", 36, 28, 12, True)):
        rects = place(states_block(lambda s: menu_button(w, h, aw, s, flat), states[:3]))
        add(
            name, "menubutton", skinrect=rects[0], **horizontal(w, h, 4, aw + 4, (3, 3, w - aw - 1, h - 3)),
            activeskinrect=rects[1], downskinrect=rects[2],
            morphing=1, morphkind="mkdefault", trackbuttonrect=(w - aw, 0, w, h), **dark_fonts,
        )

    # -- check boxes and radio buttons --
    checks = {}
    for radio in (False, True):
        imgs = [check_piece(s, c, radio) for s in ("normal", "active", "disabled") for c in (True, False)]
        rects = place(Block(imgs))
        checks[radio] = dict(zip(
            ("checkimagerect", "uncheckimagerect", "activecheckimagerect", "activeuncheckimagerect",
             "unenabledcheckimagerect", "unenableduncheckimagerect"), rects))
    for name, radio, bg in (("checkbox", False, PANEL), ("radiobox", True, PANEL), ("toolcheckbox", False, tool_bg)):
        w, h = 40, 20
        normal = piece(w, h, bg)
        active = piece(w, h, bg)
        plate(active, 0, 0, w, h, 3, mix(bg, TEAL_SOFT, 0.6))
        rects = place(Block([normal, active]))
        add(
            name, "checkradio", skinrect=rects[0], **horizontal(w, h, 20, 4, (20, 0, w, h)),
            fontcolor=0, activefontcolor=colour_value(TEAL_DARK), unenabledfontcolor=8421504,
            framefontcolor=colour_value(TEAL_DARK), activeskinrect=rects[1],
            checkimagearea=(1, 2, 17, 18), textarea=(21, 0, w - 2, h), morphing=1, morphkind="mkdefault",
            **checks[radio],
        )

    # -- gauges --
    for name, w, h, vert in (("gauge", 60, 14, False), ("vgauge", 14, 60, True), ("statusgauge", 48, 10, False)):
        track = gauge_track(w, h, vert)
        prog = progress_piece(w - 4 if vert else 20, 20 if vert else h - 4, vert)
        r_track, r_prog = place(Block([track, prog]))
        pts = vertical(w, h, 4, 4, (2, 2, w - 2, h - 2)) if vert else horizontal(w, h, 4, 4, (2, 2, w - 2, h - 2))
        add(
            name, "gauge", skinrect=r_track, **pts, progressarea=(2, 2, w - 2, h - 2), progressrect=r_prog,
            beginoffset=3, endoffset=3, vertical=int(vert), fontcolor=16777215,
            fontheight=12 if h <= 12 else 14, progresstransparent=0, progresstransparentcolor=0,
        )

    # -- splitters: a dotted grip that tiles seamlessly (the middle is a whole number of dots) --
    img = piece(40, 6, (233, 238, 241))
    grip_dots(img, (2, 0, 38, 6), LINE_DARK)
    (r,) = place(Block([img]))
    add("hsplitter", "splitter", skinrect=r, **horizontal(40, 6, 2, 2, (2, 0, 38, 6)))
    img = piece(6, 40, (233, 238, 241))
    grip_dots(img, (0, 2, 6, 38), LINE_DARK, vertical=True)
    (r,) = place(Block([img]))
    add("vsplitter", "splitter", skinrect=r, **vertical(6, 40, 2, 2, (0, 2, 6, 38)))

    # -- track bars: 67 x 22 pieces shaped by htrackbarmask.bmp / vtrackbarmask.bmp --
    for name, vert, maskindex in (("htrackbar", False, 7), ("vtrackbar", True, 8)):
        w, h = (TRACK_SHORT, TRACK_LONG) if vert else (TRACK_LONG, TRACK_SHORT)
        img = piece(w, h, PANEL)
        plate(img, 0, 0, w, h, 4, PANEL, LINE_SOFT)
        # The groove's rounded ends lie in the fixed end parts; its middle repeats seamlessly.
        if vert:
            plate(img, 9, 6, 4, h - 12, 2, (208, 219, 225))
        else:
            plate(img, 6, 9, w - 12, 4, 2, (208, 219, 225))
        tw, th = (18, 11) if vert else (11, 18)
        rects = place(Block([img, thumb_piece(tw, th, "normal"), thumb_piece(tw, th, "active")]))
        pts = vertical(w, h, 8, 8, (0, 8, w, h - 8)) if vert else horizontal(w, h, 8, 8, (8, 0, w - 8, h))
        add(
            name, "trackbar", skinrect=rects[0], maskpictureindex=maskindex, **pts,
            trackarea=(2, 6, 20, h - 6) if vert else (6, 2, w - 6, 20),
            buttonrect=rects[1], activebuttonrect=rects[2], vertical=int(vert),
            buttontransparent=1, buttontransparentcolor=colour_value(KEY),
        )

    # -- labels on a plate --
    for name, face, border in (("label", WHITE, LINE), ("statuslabel", (243, 246, 248), LINE)):
        w, h = 40, 20
        img = piece(w, h, PANEL if name == "label" else (233, 238, 241))
        plate(img, 0, 0, w, h, 3, face, border)
        (r,) = place(Block([img]))
        add(name, "label", skinrect=r, **horizontal(w, h, 4, 4, (4, 2, w - 4, h - 2)), fontcolor=0)

    add("stdlabel", "stdlabel", pictureindex=-1, maskpictureindex=-1, skinrect=ZERO,
        fontname=FONT, fontheight=14, fontstyle="", fontcolor=0, activefontcolor=12615680)
    add("linklabel", "stdlabel", pictureindex=-1, fontstyle="fsunderline", fontcolor=colour_value(TEAL),
        activefontcolor=12615680)
    add("headerlabel", "stdlabel", pictureindex=-1, fontheight=16, fontstyle="fsbold",
        fontcolor=colour_value(TEAL_DARK), activefontcolor=colour_value(TEAL))
    add("bevel", "bevel", pictureindex=-1, maskpictureindex=-1, skinrect=ZERO, lightcolor=16777215, darkcolor=8421504)
    add("separator", "bevel", pictureindex=-1, lightcolor=16777215, darkcolor=colour_value(LINE))

    # -- up-down buttons --
    def updown_record(name, w, h, bw, bh, g1, g2, frame_bg):
        frame = piece(w, h, frame_bg)
        plate(frame, 0, 0, w, h, 2, WHITE, LINE)
        rects = place(Block(
            [frame] + [small_button_piece(bw, bh, s, g) for g in (g1, g2) for s in ("normal", "active", "down")]
        ))
        add(
            name, "updown", skinrect=rects[0], clientrect=(1, 1, w - 1, h - 1),
            **dict(zip(UPDOWN6, rects[1:])),
        )

    updown_record("updown", 16, 24, 14, 11, "up", "down", PANEL)
    updown_record("hupdown", 30, 16, 14, 14, "left", "right", PANEL)
    updown_record("tabupdown", 30, 18, 14, 16, "left", "right", PANEL)

    # -- grid --
    cw, ch = 32, 20

    def cell_piece(face, line, top=None):
        img = piece(cw, ch, face)
        fill(img, (cw - 1, 0, cw, ch), line)
        fill(img, (0, ch - 1, cw, ch), line)
        if top:
            fill(img, (0, 0, cw - 1, 1), top)
        return img

    cell = cell_piece(WHITE, LINE_SOFT)
    fixed = cell_piece((236, 241, 244), LINE, WHITE)
    select = cell_piece(TEAL_SOFT, (189, 214, 224))
    focus = cell_piece(TEAL, TEAL_DARK)
    r_cell, r_fixed, r_select, r_focus = place(Block([cell, fixed, select, focus]))
    add(
        "grid", "grid", skinrect=r_cell, fixedcellrect=r_fixed, selectcellrect=r_select, focuscellrect=r_focus,
        fixedcellleftoffset=2, fixedcellrightoffset=2, fixedcelltextrect=(4, 2, cw - 4, ch - 2),
        cellleftoffset=2, cellrightoffset=2, celltextrect=(4, 2, cw - 4, ch - 2),
        linescolor=colour_value(LINE_SOFT), bgcolor=16777215, fontcolor=0,
        selectfontcolor=colour_value(TEAL_DARK), focusfontcolor=16777215,
        fixedfontname=FONT, fixedfontheight=14, fixedfontstyle="fsbold", fixedfontcolor=colour_value(INK),
    )

    # -- tabs --
    def tab_piece(w, h, state, underline):
        img = piece(w, h, PANEL)
        if underline:
            if state in ("active", "focus"):
                fill(img, (4, h - 3, w - 4, h), TEAL)
            elif state == "mousein":
                fill(img, (4, h - 2, w - 4, h), LINE_DARK)
            return img
        top = 0 if state in ("active", "focus") else 2
        face = {"normal": (236, 241, 244), "active": WHITE, "focus": WHITE, "mousein": TEAL_SOFT}[state]
        big = Image.new("RGB", (w, h + 4), PANEL)
        plate(big, 0, top, w, h + 4 - top, 4, face, LINE)
        img.paste(big.crop((0, 0, w, h)), (0, 0))
        if state == "focus":
            fill(img, (3, top + 1, w - 3, top + 3), TEAL)
        if state not in ("active", "focus"):
            fill(img, (0, h - 1, w, h), LINE)
        return img

    # Both tab records share the page frame and the strip behind the tabs.
    w, h = 40, 32
    frame = piece(w, h, PANEL)
    plate(frame, 0, 0, w, h, 2, WHITE, LINE)
    bgstrip = piece(8, 22, PANEL)
    fill(bgstrip, (0, 21, 8, 22), LINE)
    r_frame, r_strip = place(Block([frame, bgstrip]))
    for name, underline in (("tab", False), ("tooltab", True)):
        rects = place(Block([tab_piece(28, 22, s, underline) for s in ("normal", "active", "focus", "mousein")]))
        add(
            name, "tab", skinrect=r_frame, tabrect=rects[0], activetabrect=rects[1], focustabrect=rects[2],
            mouseintabrect=rects[3], clientrect=(2, 2, w - 2, h - 2),
            **{k: v for k, v in nine(w, h, 4, None).items() if k != "clientrect"},
            tableftoffset=5, tabrightoffset=5, tabsbgrect=r_strip,
            fontcolor=colour_value(INK), activefontcolor=0, focusfontcolor=colour_value(TEAL_DARK),
            mouseinfontcolor=colour_value(TEAL_DARK), updown="tabupdown",
        )

    # -- main menu bar, its items and its buttons (form objects, see build_objects) --
    bar_bg = (240, 244, 246)
    bar = piece(40, 22, bar_bg)
    fill(bar, (0, 21, 40, 22), LINE_SOFT)
    item_n = piece(32, 22, bar_bg)
    fill(item_n, (0, 21, 32, 22), LINE_SOFT)
    item_a = item_n.copy()
    plate(item_a, 1, 2, 30, 18, 3, TEAL_SOFT, (132, 176, 193))
    item_d = item_n.copy()
    plate(item_d, 1, 2, 30, 18, 3, TEAL, TEAL_DARK)
    rects = place(Block([bar, item_n, item_a, item_d]))
    add(
        "mainmenubar", "mainmenubar", skinrect=rects[0], itemsrect=(2, 0, 38, 22),
        menubaritem="mainmenubaritem", closebutton="menubarclosebutton", minbutton="menubarminbutton",
        maxbutton="menubarmaxbutton", sysmenubutton="menubarsysmenubutton",
        trackmarkcolor=colour_value(LINE_DARK), trackmarkactivecolor=colour_value(TEAL),
    )
    menubar_item = dict(skinrect=rects[1], activeskinrect=rects[2], downrect=rects[3])

    def bar_button(kind, state):
        img = piece(16, 16, bar_bg)
        if state == 1:
            plate(img, 0, 0, 16, 16, 3, RED_HOVER if kind == "close" else TEAL_SOFT,
                  None if kind == "close" else (132, 176, 193))
        elif state == 2:
            plate(img, 0, 0, 16, 16, 3, RED_PRESS if kind == "close" else TEAL_SOFT2,
                  None if kind == "close" else TEAL)
        ink = WHITE if (kind == "close" and state) else INK
        if kind == "sys":
            emblem(img, 2, 2, 12, TEAL if state != 2 else TEAL_PRESS, WHITE)
        elif kind == "close":
            glyph_close(img, 7, 7, ink, 3)
        elif kind == "restore":
            glyph_restore(img, 7, 8, ink)
        elif kind == "min":
            glyph_min(img, 7, 10, ink, 3)
        return img

    menubar_buttons = {}
    for kind in ("sys", "close", "restore", "min"):
        menubar_buttons[kind] = place(Block([bar_button(kind, s) for s in range(3)]))

    # -- control bar --
    w, h = 32, 26
    img = piece(w, h, (238, 242, 245))
    fill(img, (0, 0, w, 1), WHITE)
    fill(img, (0, h - 1, w, h), LINE)
    band = piece(32, 22, (238, 242, 245))
    plate(band, 0, 0, 32, 22, 3, (244, 247, 249), LINE_SOFT)
    grip_dots(band, (3, 3, 7, 19), LINE_DARK, vertical=True)
    rects = place(Block([img, band]))
    add("controlbar", "controlbar", skinrect=rects[0], **nine(w, h, 3, (2, 2, w - 2, h - 2)), itemrect=rects[1])

    # -- edits, memo, spin edit, combo boxes --
    def edit_record(name, w, h, kind="edit", button=None, extra=None):
        pieces = [field_piece(w, h, "normal"), field_piece(w, h, "active")]
        rects = place(Block(pieces))
        values = dict(
            skinrect=rects[0], **horizontal(w, h, 4, 4, (4, 3, w - 4, h - 3)), activeskinrect=rects[1],
            fontcolor=0, disabledfontcolor=8421504, activefontcolor=0,
        )
        if button:
            b = place(Block([small_button_piece(18, h - 4, s, button) for s in ("normal", "active", "down", "disabled")]))
            values.update(buttonrect=b[0], activebuttonrect=b[1], downbuttonrect=b[2], unenabledbuttonrect=b[3])
            values["clientrect"] = (4, 3, w - 22, h - 3)
        values.update(extra or {})
        add(name, kind, **values)

    edit_record("edit", 40, 22)
    edit_record("buttonedit", 48, 22, button="dots")
    edit_record("tooledit", 36, 20)

    w, h = 32, 32
    rects = place(Block([field_piece(w, h, "normal"), field_piece(w, h, "active")]))
    add(
        "memo", "memo", skinrect=rects[0], **nine(w, h, 4, (3, 3, w - 3, h - 3)), activeskinrect=rects[1],
        fontcolor=0, disabledfontcolor=8421504, activefontcolor=0, bgcolor=16777215, activebgcolor=16777215,
    )

    w, h = 56, 22
    rects = place(Block([field_piece(w, h, "normal"), field_piece(w, h, "active")]))
    spin = place(Block([small_button_piece(16, 9, s, g) for g in ("up", "down") for s in ("normal", "active", "down")]))
    add(
        "spinedit", "spinedit", skinrect=rects[0], **horizontal(w, h, 4, 20, (4, 3, w - 20, h - 3)),
        activeskinrect=rects[1], fontcolor=0, activefontcolor=0, disabledfontcolor=8421504,
        **dict(zip(UPDOWN6, spin)),
    )

    def item_pieces(w, h):
        normal = piece(w, h, WHITE)
        active = piece(w, h, WHITE)
        plate(active, 1, 1, w - 2, h - 2, 3, TEAL_SOFT)
        focus = piece(w, h, WHITE)
        plate(focus, 1, 1, w - 2, h - 2, 3, TEAL, TEAL_DARK)
        return [normal, active, focus]

    for name, w, h in (("combobox", 48, 22), ("toolcombobox", 48, 20)):
        rects = place(Block([field_piece(w, h, "normal"), field_piece(w, h, "active")]))
        items = place(Block(item_pieces(32, 18)))
        b = place(Block([small_button_piece(18, h - 4, s, "down") for s in ("normal", "active", "down", "disabled")]))
        add(
            name, "combobox", skinrect=rects[0], **horizontal(w, h, 4, 22, (4, 3, w - 22, h - 3)),
            itemrect=items[0], focusitemrect=items[2], itemleftoffset=4, itemrightoffset=4,
            itemtextrect=(4, 1, 28, 17), fontcolor=0, focusfontcolor=16777215, listboxname="listbox",
            buttonrect=b[0], activebuttonrect=b[1], downbuttonrect=b[2], unenabledbuttonrect=b[3],
        )

    w, h = 40, 40
    frame = field_piece(w, h, "normal")
    (r_frame,) = place(Block([frame]))
    items = place(Block(item_pieces(32, 18)))
    listbox = dict(
        skinrect=r_frame, **nine(w, h, 4, (2, 2, w - 2, h - 2)),
        itemrect=items[0], activeitemrect=items[1], focusitemrect=items[2], itemleftoffset=4, itemrightoffset=4,
        itemtextrect=(4, 1, 28, 17), fontcolor=0, activefontcolor=colour_value(TEAL_DARK), focusfontcolor=16777215,
        captionfontstyle="fsbold", captionfontcolor=colour_value(INK),
        vscrollbarname="vscrollbar", hscrollbarname="hscrollbar", bothhscrollbarname="bothhscrollbar",
    )
    add("listbox", "listbox", **listbox)
    add(
        "checklistbox", "checklistbox", **listbox, itemcheckrect=(2, 1, 18, 17),
        checkimagerect=checks[False]["checkimagerect"], uncheckimagerect=checks[False]["uncheckimagerect"],
    )

    # -- scroll bars: the two horizontal ones share their buttons, thumbs and grips --
    bar_bg = (240, 244, 246)

    def scroll_parts(vert):
        g1, g2 = ("up", "down") if vert else ("left", "right")
        btns = [small_button_piece(16, 16, s, g, bar_bg) for g in (g1, g2) for s in ("normal", "active", "down")]
        tw, th = (16, 24) if vert else (24, 16)
        thumbs = [scroll_thumb(tw, th, s, vert) for s in ("normal", "active", "down")]
        grips = []
        for face, line in (((196, 209, 217), (246, 249, 250)), ((160, 186, 199), (232, 240, 244)),
                           ((112, 150, 168), (214, 228, 235))):
            g = Image.new("RGB", (6, 8) if vert else (8, 6), face)
            for i in range(3):
                fill(g, (1, 1 + i * 3, 5, 2 + i * 3) if vert else (1 + i * 3, 1, 2 + i * 3, 5), line)
            grips.append(g)
        rects = place(Block(btns + thumbs + grips))
        return dict(
            **dict(zip(UPDOWN6, rects[0:6])),
            thumbrect=rects[6], activethumbrect=rects[7], downthumbrect=rects[8],
            thumboffset1=4, thumboffset2=4, thumbtransparent=0, thumbtransparentcolor=0,
            glyphrect=rects[9], activeglyphrect=rects[10], downglyphrect=rects[11],
        )

    def scrollbar_record(name, vert, length, parts, corner=False):
        w, h = (16, length) if vert else (length, 16)
        track = track_piece(w, h, vert)
        if corner:
            fill(track, (w - 16, 0, w, h), (233, 238, 241))  # the size box where both bars meet
        (r,) = place(Block([track]))
        right = 16 + (16 if corner else 0)
        pts = vertical(w, h, 16, 16, (0, 16, w, h - 16)) if vert else horizontal(w, h, 16, right, (16, 0, w - right, h))
        add(name, "scrollbar", skinrect=r, **pts, trackarea=(0, 16, w, h - 16) if vert else (16, 0, w - right, h),
            **parts)

    hparts = scroll_parts(False)
    scrollbar_record("vscrollbar", True, 40, scroll_parts(True))
    scrollbar_record("hscrollbar", False, 40, hparts)
    scrollbar_record("bothhscrollbar", False, 56, hparts, corner=True)

    # -- scroll box, views, rich edit, slider --
    w, h = 32, 32
    (r,) = place(Block([field_piece(w, h, "normal")]))
    add("scrollbox", "scrollbox", skinrect=r, **nine(w, h, 4, (2, 2, w - 2, h - 2)))
    for name in ("treeview", "listview", "richedit"):
        add(name, name, pictureindex=-1, fontcolor=0, bgcolor=16777215)

    hruler = piece(40, 8, PANEL)
    plate(hruler, 0, 2, 40, 4, 2, (208, 219, 225))
    vruler = piece(8, 40, PANEL)
    plate(vruler, 2, 0, 4, 40, 2, (208, 219, 225))
    rects = place(Block([hruler, vruler, thumb_piece(11, 16, "normal"), thumb_piece(16, 11, "normal")]))
    add(
        "slider", "slider", skinrect=ZERO, bgcolor=colour_value(PANEL), hrulerrect=rects[0], vrulerrect=rects[1],
        hthumbrect=rects[2], vthumbrect=rects[3], edgesize=4, pointscolor=colour_value(LINE_DARK),
    )

    pack(sheet, blocks)
    return records, menubar_item, menubar_buttons


# ---------------------------------------------------------------------------------------------------
# Form objects.


def build_objects(menubar_item, menubar_buttons):
    objs = []
    objs.append((
        "MENUITEM", "menuitem",
        dict(
            hint="", activepictureindex=1, skinrectinapicture=0, skinrect=(1, 30, 117, 54),
            activeskinrect=(1, 2, 117, 26), inactiveskinrect=ZERO, morphing=0, morphkind="mkpush",
            itemleftoffset=10, itemrightoffset=10, dividerrect=(5, 60, 115, 65), dividerleftoffset=5,
            dividerrightoffset=5, textrect=(3, 2, 112, 22), fontname=FONT, fontheight=14, fontstyle="",
            fontcolor=0, activefontcolor=16777215, unenabledfontcolor=8421504,
        ),
    ))
    objs.append((
        "caption1", "caption",
        dict(
            hint="", activepictureindex=2, skinrectinapicture=0, skinrect=(7, 3, 96, 23), activeskinrect=ZERO,
            inactiveskinrect=ZERO, morphing=0, morphkind="mkdefault", textrect=(3, 1, 75, 17), fontname=FONT,
            fontheight=16, fontstyle="fsbold", fontcolor=12632256, activefontcolor=16777215,
            alignment="taleftjustify", shadow=1, shadowcolor=0, activeshadowcolor=0, framerect=ZERO,
            activeframerect=ZERO, frametextrect=(13, 4, 56, 20), frameleftoffset=0, framerightoffset=0,
        ),
    ))

    def std(hint, command, rects, restore=None):
        values = dict(
            hint=hint, activepictureindex=2, skinrectinapicture=1, skinrect=rects[0], activeskinrect=rects[1],
            inactiveskinrect=ZERO, morphing=1, morphkind="mkdefault", downrect=rects[2], disableskinrsect=ZERO,
            command=command, restorerect=ZERO, restoreactiverect=ZERO, restoredownrect=ZERO,
            restoreinactiverect=ZERO,
        )
        if restore:
            values.update(restorerect=restore[0], restoreactiverect=restore[1], restoredownrect=restore[2])
        return values

    cb = CAPTION_BUTTONS
    objs.append(("closebutton", "stdbutton", std("Close", "cmclose", cb["close"])))
    objs.append(("maxbutton", "stdbutton", std("Maximize", "cmmaximize", cb["max"], cb["restore"])))
    objs.append(("minbutton", "stdbutton", std("Minimize", "cmminimize", cb["min"])))
    objs.append((
        "mainmenubaritem", "mainmenubaritem",
        dict(
            hint="", activepictureindex=3, skinrectinapicture=0, morphing=1, morphkind="mkdefault",
            itemleftoffset=4, itemrightoffset=4, textrect=(4, 3, 28, 19), fontcolor=0,
            activefontcolor=colour_value(TEAL_DARK), downfontcolor=16777215, unenabledfontColor=8421504,
            **menubar_item,
        ),
    ))
    objs.append(("sysmenubutton", "stdbutton", std("System menu", "cmsysmenu", cb["sys"])))

    def bar(hint, command, rects):
        v = std(hint, command, rects)
        v["activepictureindex"] = 3
        return v

    mb = menubar_buttons
    objs.append(("menubarsysmenubutton", "mainmenubarbutton", bar("System menu", "cmsysmenu", mb["sys"])))
    objs.append(("menubarclosebutton", "mainmenubarbutton", bar("Close", "cmclose", mb["close"])))
    objs.append(("menubarmaxbutton", "mainmenubarbutton", bar("Restore", "cmmaximize", mb["restore"])))
    objs.append(("menubarminbutton", "mainmenubarbutton", bar("Minimize", "cmminimize", mb["min"])))
    return objs


ACTIVE_PICTURES = [
    "pw.bmp", "menuitems.bmp", "active.bmp", "controls.bmp", "hw.bmp", "hwmask.bmp", "pwmask.bmp",
    "htrackbarmask.bmp", "vtrackbarmask.bmp",
]


def build_ini(objects, controls):
    ini = Ini()
    ini.section("VERSION", [
        ("ver", "3"),
        ("skinname", "Velmora"),
        ("skinauthor", "Velmora"),
        ("authoremail", "design@velmora.example"),
        ("authorurl", "https://www.velmora.example/"),
        ("skincomments", "Deep teal caption on a light body; built for the Velmora setup launcher."),
    ])
    ini.section("PICTURES", [("picture", "main.bmp"), ("inactivepicture", ""), ("mask", "mask.bmp"),
                             ("activepicturescount", len(ACTIVE_PICTURES))]
                + [(str(i), n) for i, n in enumerate(ACTIVE_PICTURES)])
    ini.section("FORMINFO", [
        ("lefttoppoint", (16, 34)), ("righttoppoint", (67, 34)), ("leftbottompoint", (12, 127)),
        ("rightbottompoint", (174, 128)), ("clientrect", (8, 28, 179, 134)), ("bgpictureindex", -1),
        ("mdibgpictureindex", -1), ("leftstretch", 0), ("rightstretch", 0), ("topstretch", 1),
        ("bottomstretch", 0), ("maskrectarea", (4, 4, 179, 137)), ("hittestlefttoppoint", (10, 9)),
        ("hittestrighttoppoint", (174, 11)), ("hittestleftbottompoint", (6, 132)),
        ("hittestrightbottompoint", (177, 132)), ("buttonsrect", (108, 7, 175, 25)),
        ("captionrect", (7, 4, 91, 20)), ("buttonsoffset", 5), ("buttonsinleft", 0), ("mainmenupopupup", 0),
        ("borderwidth", 3), ("autorenderinginactiveimage", 0), ("inactiveeffect", "iegrayscale"),
    ])
    ini.section("POPUPWINDOW", [
        ("windowpictureindex", 0), ("maskpictureindex", 6), ("lefttoppoint", (10, 10)),
        ("righttoppoint", (60, 12)), ("leftbottompoint", (10, 65)), ("rightbottompoint", (60, 64)),
        ("itemsrect", (7, 7, 65, 71)), ("scrollmarkercolor", 0), ("scrollmarkeractivecolor", 16777215),
        ("leftstretch", 0), ("rightstretch", 0), ("topstretch", 0), ("bottomstretch", 0),
    ])
    ini.section("HINTWINDOW", [
        ("windowpictureindex", 4), ("maskpictureindex", 5), ("lefttoppoint", (8, 8)), ("righttoppoint", (29, 8)),
        ("leftbottompoint", (7, 17)), ("rightbottompoint", (29, 18)), ("clientrect", (7, 7, 34, 22)),
        ("fontname", FONT), ("fontheight", 14), ("fontstyle", ""), ("fontcolor", 0),
        ("leftstretch", 1), ("rightstretch", 1), ("topstretch", 1), ("bottomstretch", 1),
    ])
    ini.record_lists(objects, OBJECT_KEYS, controls, CONTROL_KEYS)
    return ini


# ---------------------------------------------------------------------------------------------------
# Output: 8-bit palette and 1-bit BMP files written by hand so the headers are exactly the classic
# BITMAPINFOHEADER form with a full 256-entry colour table.


def to_palette(img, keep=200):
    """Maps an RGB image onto at most 256 colours. The most used colours are kept exactly (flat
    surfaces must match across pictures); rarer edge colours go to their nearest kept colour."""
    colours = img.getcolors(1 << 24)
    colours.sort(key=lambda c: -c[0])
    if len(colours) <= 256:
        palette = [c for _, c in colours]
    else:
        palette = [c for _, c in colours[:keep]]
        rest = [c for _, c in colours[keep:]]
        # Spread the remaining slots over the rarer colours, most used first.
        step = max(1, len(rest) // (256 - keep))
        palette += rest[::step][: 256 - keep]
    index = {c: i for i, c in enumerate(palette)}
    lookup = {}
    for _, c in colours:
        if c in index:
            lookup[c] = index[c]
        else:
            lookup[c] = min(range(len(palette)), key=lambda i: sum((palette[i][k] - c[k]) ** 2 for k in range(3)))
    data = bytes(lookup[p] for p in img.getdata())
    return palette, data


def bmp8(img):
    w, h = img.size
    palette, data = to_palette(img)
    stride = (w + 3) & ~3
    rows = b"".join(data[y * w:(y + 1) * w] + b"\0" * (stride - w) for y in range(h - 1, -1, -1))
    table = b"".join(bytes((c[2], c[1], c[0], 0)) for c in palette) + b"\0" * 4 * (256 - len(palette))
    return bmp_file(w, h, 8, 256, table, rows)


def bmp1(mask):
    """mask: mode '1' image, 0 = black (inside), 1 = white."""
    w, h = mask.size
    stride = ((w + 31) // 32) * 4
    rows = []
    for y in range(h - 1, -1, -1):
        bits = bytearray(stride)
        for x in range(w):
            if mask.getpixel((x, y)):
                bits[x >> 3] |= 0x80 >> (x & 7)
        rows.append(bytes(bits))
    table = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    return bmp_file(w, h, 1, 2, table, b"".join(rows))


def bmp_file(w, h, bpp, colours, table, rows):
    offset = 14 + 40 + len(table)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, bpp, 0, len(rows), 3780, 3780, colours, 0)
    head = struct.pack("<2sIHHI", b"BM", offset + len(rows), 0, 0, offset)
    return head + info + table + rows


def generate(out):
    os.makedirs(out, exist_ok=True)
    files = {}
    main, mask = draw_main()
    files["main.bmp"] = bmp8(main)
    files["mask.bmp"] = bmp1(mask)
    files["active.bmp"] = bmp8(draw_active())
    pw, pwmask = draw_popup()
    files["pw.bmp"] = bmp8(pw)
    files["pwmask.bmp"] = bmp1(pwmask)
    files["menuitems.bmp"] = bmp8(draw_menuitems())
    hw, hwmask = draw_hint()
    files["hw.bmp"] = bmp8(hw)
    files["hwmask.bmp"] = bmp1(hwmask)
    hmask, vmask = draw_trackbar_masks()
    files["htrackbarmask.bmp"] = bmp1(hmask)
    files["vtrackbarmask.bmp"] = bmp1(vmask)

    sheet = Sheet(CONTROLS_W, CONTROLS_H, PANEL)
    sheet.img.paste(draw_panel_piece(), PANEL_RECT[:2])
    sheet.img.paste(draw_groupbox_piece(), GROUPBOX_RECT[:2])
    draw_caption_checks(sheet.img)
    for r in (PANEL_RECT, GROUPBOX_RECT, (UNCHECK_RECT[0], UNCHECK_RECT[1], CHECK_RECT[2], CHECK_RECT[3])):
        sheet.reserve(r)
    controls, menubar_item, menubar_buttons = build_controls(sheet)
    files["controls.bmp"] = bmp8(sheet.img)

    objects = build_objects(menubar_item, menubar_buttons)
    ini = build_ini(objects, controls)
    for name, data in files.items():
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)
    with open(os.path.join(out, "skin.ini"), "w", encoding="utf-8", newline="\n") as f:
        f.write(ini.text())
    return len(objects), len(controls)


def verify(generate_fn=None, here=HERE):
    """Draws everything into a scratch folder and compares it with the files beside the script
    (generate_fn and here: another skin's drawing and folder; Velmora's by default)."""
    import tempfile

    generate_fn = generate_fn or generate
    with tempfile.TemporaryDirectory() as tmp:
        generate_fn(tmp)
        differ = []
        for name in sorted(os.listdir(tmp)):
            with open(os.path.join(tmp, name), "rb") as a:
                fresh = a.read()
            try:
                with open(os.path.join(here, name), "rb") as b:
                    kept = b.read()
            except OSError:
                kept = None
            if fresh != kept:
                differ.append(name)
    if differ:
        print("out of date (run generate.py and commit the result):", ", ".join(differ))
        return 1
    print("the skin's files are what generate.py draws")
    return 0


def command_line(doc, generate_fn, here):
    """The drawing scripts' command line: draws into --out (default: here) and returns the folder and
    generate_fn's result; with --verify only checks the files in here and exits."""
    ap = argparse.ArgumentParser(description=doc.splitlines()[0])
    ap.add_argument("--out", default=here, help="folder to write into (default: beside this script)")
    ap.add_argument("--verify", action="store_true", help="only check that the files beside this script are current")
    args = ap.parse_args()
    if args.verify:
        raise SystemExit(verify(generate_fn, here))
    return args.out, generate_fn(args.out)


def main():
    out, (n_objects, n_controls) = command_line(__doc__, generate, HERE)
    print(f"wrote 11 bitmaps and skin.ini ({n_objects} objects, {n_controls} controls) to {out}")


if __name__ == "__main__":
    main()
