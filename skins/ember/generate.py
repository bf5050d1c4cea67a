#!/usr/bin/python3
"""Draws the Ember skin: the bitmaps and skin.ini beside this script.

Run with Debian's interpreter, which has PIL:  /usr/bin/python3 skins/ember/generate.py [--out DIR]

Ember is the skin gallery's second look, drawn to differ from Velmora wherever a skin can: a dark
graphite frame with an amber edge, caption buttons on the left, cut (not rounded) corners, a status
strip in the bottom band that the program paints (a user object), an animated ember that glows while
the mouse is over it (an animate object), and dark menus. The drawing and BMP helpers and the ini
writer are Velmora's (skins/velmora/generate.py), so both skins are written the same way.
"""
import os
import sys

from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "velmora"))
import generate as velmora  # noqa: E402  (Velmora's helpers: shapes, BMP files, ini records)

from generate import (  # noqa: E402
    Ini, OBJECT_BASE, OBJECT_KEYS, CONTROL_KEYS, ZERO, bmp1, bmp8, colour_value, ellipse_mask, fill,
    glyph_close, glyph_max, glyph_min, glyph_restore, mix, plate, put,
)

# ---------------------------------------------------------------------------------------------------
# Colours: graphite chrome, an amber accent, warm paper bodies.

GRAPHITE_TOP = (66, 69, 78)
GRAPHITE_BOTTOM = (38, 40, 46)
GRAPHITE = (48, 50, 57)
EDGE = (18, 19, 22)
AMBER = (236, 146, 44)
AMBER_HI = (255, 190, 110)
AMBER_DARK = (176, 96, 20)
EMBER_RED = (214, 70, 40)
PAPER = (246, 241, 232)
PAPER_LINE = (206, 192, 170)
PAPER_DARK = (150, 136, 116)
LIGHT_TEXT = (232, 228, 220)
DIM_TEXT = (128, 128, 128)
INK = (34, 34, 38)
MENU_FACE = (44, 46, 52)
MENU_EDGE = (96, 100, 110)
HINT_FACE = (255, 246, 226)
FONT = "Tahoma"

# ---------------------------------------------------------------------------------------------------
# Window frame: main.bmp and mask.bmp, 160 x 120. A 30-row caption, 6-column sides and a 22-row
# status strip at the bottom around the client rect (6, 30, 154, 98). The top corners are cut by 8
# pixels, the bottom ones by 4. Every band is uniform along its length, so tiling and stretching it
# give the same window.

MAIN_W, MAIN_H = 160, 120
CLIENT = (6, 30, 154, 98)
TOP_CUT, BOTTOM_CUT = 8, 4
CAPTION_H = 30


def caption_colour(y):
    """The caption's vertical gradient, also under the caption buttons and the ember."""
    return mix(GRAPHITE_TOP, GRAPHITE_BOTTOM, min(1.0, y / (CAPTION_H - 3)))


def main_inside(x, y):
    if not (0 <= x < MAIN_W and 0 <= y < MAIN_H):
        return False
    for cut, cy in ((TOP_CUT, 0), (BOTTOM_CUT, MAIN_H - 1)):
        dy = abs(y - cy)
        if x + dy < cut or (MAIN_W - 1 - x) + dy < cut:
            return False
    return True


def draw_main():
    def colour_at(x, y):
        if y < CAPTION_H:
            return caption_colour(y)
        if y >= CLIENT[3]:
            return mix(GRAPHITE, GRAPHITE_BOTTOM, (y - CLIENT[3]) / (MAIN_H - CLIENT[3]))
        return GRAPHITE

    img, mask = velmora.shape_picture(MAIN_W, MAIN_H, main_inside, EDGE, colour_at)
    # The amber edge under the caption, a hairline around the client area and at the status strip.
    fill(img, (1, CAPTION_H - 2, MAIN_W - 1, CAPTION_H), AMBER)
    fill(img, (1, CAPTION_H - 3, MAIN_W - 1, CAPTION_H - 2), AMBER_DARK)
    fill(img, (CLIENT[0] - 1, CAPTION_H, CLIENT[0], CLIENT[3]), EDGE)
    fill(img, (CLIENT[2], CAPTION_H, CLIENT[2] + 1, CLIENT[3]), EDGE)
    fill(img, (CLIENT[0] - 1, CLIENT[3], CLIENT[2] + 1, CLIENT[3] + 1), EDGE)
    fill(img, (1, CLIENT[3] + 1, MAIN_W - 1, CLIENT[3] + 2), AMBER_DARK)
    fill(img, CLIENT, PAPER)
    return img, mask


# ---------------------------------------------------------------------------------------------------
# buttons.bmp (active picture 2): 18 x 18 round caption buttons in three states, drawn over the
# caption's gradient at the rows they sit on (the button row's top is BUTTONS_TOP), and the ember's
# eight animation frames, 20 x 20 each, at the rows of its place.

BUTTON = 18
BUTTONS_TOP = 6
BUTTON_KINDS = ["close", "max", "restore", "min", "sys"]
EMBER_TOP, EMBER_SIZE, EMBER_FRAMES = 5, 20, 8
BUTTONS_W, BUTTONS_H = EMBER_SIZE * EMBER_FRAMES, BUTTON * len(BUTTON_KINDS) + EMBER_SIZE


def caption_strip(w, h, top):
    img = Image.new("RGB", (w, h))
    for y in range(h):
        fill(img, (0, y, w, y + 1), caption_colour(top + y))
    return img


def button_rect(kind, state):
    x, y = state * BUTTON, BUTTON_KINDS.index(kind) * BUTTON
    return (x, y, x + BUTTON, y + BUTTON)


def caption_button(kind, state):
    img = caption_strip(BUTTON, BUTTON, BUTTONS_TOP)
    ring = {0: (92, 96, 106), 1: AMBER_HI, 2: AMBER_DARK}[state]
    face = {0: (70, 73, 82), 1: AMBER, 2: AMBER_DARK}[state]
    if kind == "close" and state:
        face = EMBER_RED
    put(img, ring, ellipse_mask(BUTTON, BUTTON, (1, 1, 17, 17)))
    put(img, face, ellipse_mask(BUTTON, BUTTON, (2, 2, 16, 16)))
    ink = INK if state == 1 and kind != "close" else LIGHT_TEXT
    if kind == "close":
        glyph_close(img, 8, 8, ink, half=3)
    elif kind == "max":
        glyph_max(img, 8, 8, ink, half=3)
    elif kind == "restore":
        glyph_restore(img, 9, 9, ink)
    elif kind == "min":
        glyph_min(img, 8, 10, ink, half=3)
    else:  # the system menu: an amber diamond
        put(img, AMBER if state != 1 else INK, velmora.polygon_mask(BUTTON, BUTTON, [(9, 4), (14, 9), (9, 14), (4, 9)]))
    return img


def ember_frame(i):
    """Frame i (0-based): a glowing coal whose flame grows and brightens from frame 0 to the last."""
    img = caption_strip(EMBER_SIZE, EMBER_SIZE, EMBER_TOP)
    t = i / (EMBER_FRAMES - 1)
    put(img, mix((150, 58, 32), EMBER_RED, t), ellipse_mask(EMBER_SIZE, EMBER_SIZE, (3, 10, 17, 19)))
    flame = round(5 + 7 * t)
    put(img, mix(AMBER_DARK, AMBER, t), velmora.polygon_mask(EMBER_SIZE, EMBER_SIZE, [(5, 15), (15, 15), (10, 15 - flame)]))
    put(img, mix(AMBER, AMBER_HI, t), ellipse_mask(EMBER_SIZE, EMBER_SIZE, (8, 12, 12, 17)))
    return img


def draw_buttons():
    img = caption_strip(BUTTONS_W, BUTTONS_H, BUTTONS_TOP)
    for kind in BUTTON_KINDS:
        for state in range(3):
            img.paste(caption_button(kind, state), button_rect(kind, state)[:2])
    ember_y = BUTTON * len(BUTTON_KINDS)
    for i in range(EMBER_FRAMES):
        img.paste(ember_frame(i), (i * EMBER_SIZE, ember_y))
    return img, (0, ember_y, EMBER_SIZE, ember_y + EMBER_SIZE)


# ---------------------------------------------------------------------------------------------------
# Dark popup menus: pw.bmp / pwmask.bmp (60 x 60, corners cut by 4) and menuitems.bmp (120 x 56).


def cut_mask(w, h, cut):
    m = Image.new("1", (w, h), 1)
    for y in range(h):
        for x in range(w):
            dy = min(y, h - 1 - y)
            dx = min(x, w - 1 - x)
            if dx + dy >= cut:
                m.putpixel((x, y), 0)
    return m


def draw_cut_window(w, h, cut, face, edge):
    m = cut_mask(w, h, cut)
    img = Image.new("RGB", (w, h), face)
    velmora.outline_from_mask(img, m, edge)
    return img, m


def draw_menuitems():
    img = Image.new("RGB", (120, 56), MENU_FACE)
    plate(img, 0, 24, 116, 22, 2, AMBER, AMBER_DARK)  # highlighted entry (0, 24, 116, 46)
    fill(img, (0, 52, 116, 53), EDGE)  # separator (0, 50, 116, 55)
    fill(img, (0, 53, 116, 54), MENU_EDGE)
    return img


# ---------------------------------------------------------------------------------------------------
# controls.bmp (active picture 3): panel, group box, the main menu bar with its items and buttons.

PANEL = (0, 0, 48, 48)
GROUPBOX = (50, 0, 110, 60)
MENUBAR = (0, 62, 40, 84)
BAR_ITEMS = [(0, 86, 32, 108), (33, 86, 65, 108), (66, 86, 98, 108)]  # normal, active, down
BAR_BUTTON = 16
BAR_KINDS = ["sys", "close", "restore", "min"]
BAR_TOP = 112
CONTROLS_W, CONTROLS_H = 112, BAR_TOP + 3 * BAR_BUTTON
BAR_FACE = (58, 61, 69)


def draw_controls():
    img = Image.new("RGB", (CONTROLS_W, CONTROLS_H), PAPER)
    x, y = PANEL[:2]
    fill(img, PANEL, PAPER_LINE)
    fill(img, (x + 1, y + 1, x + 47, y + 47), (252, 249, 243))
    fill(img, (x + 1, y + 46, x + 47, y + 47), mix(PAPER_LINE, PAPER, 0.5))
    # Group box: a graphite header with an amber underline over a paper body.
    x, y = GROUPBOX[:2]
    fill(img, GROUPBOX, PAPER_DARK)
    fill(img, (x + 1, y + 1, x + 59, y + 59), (252, 249, 243))
    fill(img, (x, y, x + 60, y + 20), GRAPHITE)
    fill(img, (x, y + 20, x + 60, y + 22), AMBER)
    fill(img, MENUBAR, BAR_FACE)
    fill(img, (MENUBAR[0], MENUBAR[3] - 1, MENUBAR[2], MENUBAR[3]), EDGE)
    for i, r in enumerate(BAR_ITEMS):
        fill(img, r, BAR_FACE)
        fill(img, (r[0], r[3] - 1, r[2], r[3]), EDGE)
        if i:
            plate(img, r[0] + 1, r[1] + 2, 30, 18, 2, (84, 88, 98) if i == 1 else AMBER)
    for k, kind in enumerate(BAR_KINDS):
        for state in range(3):
            x, y = k * BAR_BUTTON, BAR_TOP + state * BAR_BUTTON
            fill(img, (x, y, x + BAR_BUTTON, y + BAR_BUTTON), BAR_FACE)
            if state:
                plate(img, x + 1, y + 1, 14, 14, 2, AMBER if state == 1 else AMBER_DARK)
            ink = INK if state == 1 else LIGHT_TEXT
            cell = Image.new("RGB", (BAR_BUTTON, BAR_BUTTON))
            cell.paste(img.crop((x, y, x + BAR_BUTTON, y + BAR_BUTTON)))
            {"sys": lambda c: fill(c, (5, 5, 11, 11), AMBER if state != 1 else INK),
             "close": lambda c: glyph_close(c, 7, 7, ink, half=3),
             "restore": lambda c: glyph_restore(c, 8, 8, ink),
             "min": lambda c: glyph_min(c, 7, 10, ink, half=3)}[kind](cell)
            img.paste(cell, (x, y))
    return img


def bar_button_rect(kind, state):
    x, y = BAR_KINDS.index(kind) * BAR_BUTTON, BAR_TOP + state * BAR_BUTTON
    return (x, y, x + BAR_BUTTON, y + BAR_BUTTON)


# ---------------------------------------------------------------------------------------------------
# Skin ini.

ACTIVE_PICTURES = ["pw.bmp", "menuitems.bmp", "buttons.bmp", "controls.bmp", "hw.bmp", "hwmask.bmp", "pwmask.bmp"]
OBJECT_KEYS = dict(OBJECT_KEYS)
OBJECT_KEYS["animate"] = OBJECT_BASE + ["countframes", "cycle", "buttonstyle", "timerinterval", "command"]
OBJECT_KEYS["userobject"] = ["skinrect"]


def font(height=14, style="", colour=LIGHT_TEXT):
    return {"fontname": FONT, "fontheight": height, "fontstyle": style, "fontcolor": colour_value(colour)}


def build_objects(ember_rect):
    def std(hint, command, kind):
        return dict(hint=hint, activepictureindex=2, skinrectinapicture=1, skinrect=button_rect(kind, 0),
                    activeskinrect=button_rect(kind, 1), downrect=button_rect(kind, 2), morphing=1,
                    morphkind="mkdefault", command=command)

    def bar(hint, command, kind):
        return dict(hint=hint, activepictureindex=3, skinrectinapicture=1, skinrect=bar_button_rect(kind, 0),
                    activeskinrect=bar_button_rect(kind, 1), downrect=bar_button_rect(kind, 2), morphing=1,
                    morphkind="mkdefault", command=command)

    maximize = std("Maximize", "cmmaximize", "max")
    maximize.update(restorerect=button_rect("restore", 0), restoreactiverect=button_rect("restore", 1),
                    restoredownrect=button_rect("restore", 2))
    return [
        ("MENUITEM", "menuitem", dict(
            activepictureindex=1, skinrect=(0, 0, 116, 22), activeskinrect=(0, 24, 116, 46), morphing=1,
            morphkind="mkdefault", itemleftoffset=8, itemrightoffset=8, dividerrect=(0, 50, 116, 55),
            dividerleftoffset=6, dividerrightoffset=6, textrect=(4, 2, 112, 20),
            activefontcolor=colour_value(INK), unenabledfontcolor=colour_value(DIM_TEXT), **font())),
        ("caption", "caption", dict(
            skinrect=(30, 4, 128, 26), textrect=(4, 3, 94, 19), alignment="taleftjustify", shadow=1,
            shadowcolor=colour_value(EDGE), activeshadowcolor=colour_value(EDGE),
            activefontcolor=colour_value(AMBER_HI), **font(14, "fsbold", DIM_TEXT))),
        ("closebutton", "stdbutton", std("Close", "cmclose", "close")),
        ("maxbutton", "stdbutton", maximize),
        ("minbutton", "stdbutton", std("Minimize", "cmminimize", "min")),
        ("sysmenubutton", "stdbutton", std("System menu", "cmsysmenu", "sys")),
        # Glows up while the mouse is over it and cools down after; a click sends the window to the tray.
        ("ember", "animate", dict(
            hint="Minimize to tray", activepictureindex=2, skinrect=(130, EMBER_TOP, 150, EMBER_TOP + EMBER_SIZE),
            activeskinrect=ember_rect, countframes=EMBER_FRAMES, cycle=0, buttonstyle=1, timerinterval=40,
            command="cmminimizetotray")),
        # The status strip along the bottom band, painted by the program.
        ("status", "userobject", dict(skinrect=(10, 101, 150, 117))),
        ("mainmenubaritem", "mainmenubaritem", dict(
            activepictureindex=3, skinrect=BAR_ITEMS[0], activeskinrect=BAR_ITEMS[1], downrect=BAR_ITEMS[2],
            morphing=1, morphkind="mkdefault", itemleftoffset=4, itemrightoffset=4, textrect=(4, 3, 28, 19),
            activefontcolor=colour_value(AMBER_HI), downfontcolor=colour_value(INK),
            unenabledfontColor=colour_value(DIM_TEXT), **font())),
        ("menubarsysmenubutton", "mainmenubarbutton", bar("System menu", "cmsysmenu", "sys")),
        ("menubarclosebutton", "mainmenubarbutton", bar("Close", "cmclose", "close")),
        ("menubarmaxbutton", "mainmenubarbutton", bar("Restore", "cmmaximize", "restore")),
        ("menubarminbutton", "mainmenubarbutton", bar("Minimize", "cmminimize", "min")),
    ]


def nine_points(rect, k_left, k_top, k_right, k_bottom):
    x0, y0, x1, y1 = rect
    w, h = x1 - x0, y1 - y0
    return {"lefttoppoint": (k_left, k_top), "righttoppoint": (w - k_right, k_top),
            "leftbottompoint": (k_left, h - k_bottom), "rightbottompoint": (w - k_right, h - k_bottom)}


def build_controls():
    label = dict(pictureindex=-1, maskpictureindex=-1, skinrect=ZERO)
    return [
        ("panel", "panel", dict(
            pictureindex=3, skinrect=PANEL, clientrect=(2, 2, 46, 46), alignment="tacenter",
            **nine_points(PANEL, 4, 4, 4, 4), **font(14, "", INK))),
        ("groupbox", "panel", dict(
            pictureindex=3, skinrect=GROUPBOX, clientrect=(2, 24, 58, 58), captionrect=(6, 2, 54, 19),
            alignment="taleftjustify", **nine_points(GROUPBOX, 8, 24, 8, 8), **font(14, "fsbold", AMBER_HI))),
        ("mainmenubar", "mainmenubar", dict(
            pictureindex=3, skinrect=MENUBAR, itemsrect=(2, 0, 38, 21), menubaritem="mainmenubaritem",
            closebutton="menubarclosebutton", minbutton="menubarminbutton", maxbutton="menubarmaxbutton",
            sysmenubutton="menubarsysmenubutton", trackmarkcolor=colour_value(MENU_EDGE),
            trackmarkactivecolor=colour_value(AMBER))),
        ("stdlabel", "stdlabel", dict(label, activefontcolor=colour_value(AMBER_DARK), **font(14, "", INK))),
        ("linklabel", "stdlabel", dict(label, activefontcolor=colour_value(EMBER_RED),
                                       **font(14, "fsunderline", AMBER_DARK))),
        ("bevel", "bevel", dict(label, lightcolor=colour_value(PAPER), darkcolor=colour_value(PAPER_DARK))),
    ]


def build_ini(objects, controls):
    ini = Ini()
    ini.section("VERSION", [
        ("ver", "3"), ("skinname", "Ember"), ("skinauthor", "Velmora"), ("authoremail", "design@velmora.example"),
        ("authorurl", "https://www.velmora.example/"),
        ("skincomments", "Graphite frame with an amber edge; the skin gallery's second look."),
    ])
    ini.section("PICTURES", [("picture", "main.bmp"), ("inactivepicture", ""), ("mask", "mask.bmp"),
                             ("activepicturescount", len(ACTIVE_PICTURES))]
                + [(str(i), n) for i, n in enumerate(ACTIVE_PICTURES)])
    ini.section("FORMINFO", [
        ("lefttoppoint", (40, CAPTION_H)), ("righttoppoint", (120, CAPTION_H)), ("leftbottompoint", (40, CLIENT[3])),
        ("rightbottompoint", (120, CLIENT[3])), ("clientrect", CLIENT), ("bgpictureindex", -1),
        ("mdibgpictureindex", -1), ("leftstretch", 1), ("rightstretch", 1), ("topstretch", 0),
        ("bottomstretch", 0), ("maskrectarea", (8, 8, 152, 112)), ("hittestlefttoppoint", (10, 10)),
        ("hittestrighttoppoint", (150, 10)), ("hittestleftbottompoint", (10, 110)),
        ("hittestrightbottompoint", (150, 110)), ("buttonsrect", (8, BUTTONS_TOP, 92, BUTTONS_TOP + BUTTON)),
        ("captionrect", (30, 4, 128, 26)), ("buttonsoffset", 3), ("buttonsinleft", 1), ("mainmenupopupup", 0),
        ("borderwidth", 4), ("autorenderinginactiveimage", 1), ("inactiveeffect", "iebrightness"),
    ])
    ini.section("POPUPWINDOW", [
        ("windowpictureindex", 0), ("maskpictureindex", 6), ("lefttoppoint", (8, 8)), ("righttoppoint", (52, 8)),
        ("leftbottompoint", (8, 52)), ("rightbottompoint", (52, 52)), ("itemsrect", (4, 4, 56, 56)),
        ("scrollmarkercolor", colour_value(LIGHT_TEXT)), ("scrollmarkeractivecolor", colour_value(AMBER)),
        ("leftstretch", 0), ("rightstretch", 0), ("topstretch", 0), ("bottomstretch", 0),
    ])
    ini.section("HINTWINDOW", [
        ("windowpictureindex", 4), ("maskpictureindex", 5), ("lefttoppoint", (6, 6)), ("righttoppoint", (18, 6)),
        ("leftbottompoint", (6, 14)), ("rightbottompoint", (18, 14)), ("clientrect", (5, 4, 19, 16)),
        ("fontname", FONT), ("fontheight", 13), ("fontstyle", ""), ("fontcolor", colour_value(INK)),
        ("leftstretch", 1), ("rightstretch", 1), ("topstretch", 1), ("bottomstretch", 1),
    ])
    ini.record_lists(objects, OBJECT_KEYS, controls, CONTROL_KEYS)
    lines = ini.text().split("\n")
    header = ["; Ember skin for the skin gallery.",
              "; Written by generate.py together with the bitmaps: change the script, not this file."]
    return "\n".join(header + lines[2:])


def generate(out):
    os.makedirs(out, exist_ok=True)
    files = {}
    main, mask = draw_main()
    files["main.bmp"] = bmp8(main)
    files["mask.bmp"] = bmp1(mask)
    pw, pwmask = draw_cut_window(60, 60, 4, MENU_FACE, MENU_EDGE)
    files["pw.bmp"] = bmp8(pw)
    files["pwmask.bmp"] = bmp1(pwmask)
    files["menuitems.bmp"] = bmp8(draw_menuitems())
    buttons, ember_rect = draw_buttons()
    files["buttons.bmp"] = bmp8(buttons)
    files["controls.bmp"] = bmp8(draw_controls())
    hw, hwmask = draw_cut_window(24, 20, 3, HINT_FACE, AMBER_DARK)
    files["hw.bmp"] = bmp8(hw)
    files["hwmask.bmp"] = bmp1(hwmask)
    objects, controls = build_objects(ember_rect), build_controls()
    for name, data in files.items():
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)
    with open(os.path.join(out, "skin.ini"), "w", encoding="utf-8", newline="\n") as f:
        f.write(build_ini(objects, controls))
    return len(files)


def main():
    out, n = velmora.command_line(__doc__, generate, HERE)
    print(f"wrote {n} bitmaps and skin.ini to {out}")


if __name__ == "__main__":
    main()
