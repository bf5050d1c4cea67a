#!/usr/bin/python3
"""Renders previews of the Velmora skin from its files, composed the way the skinned window does it.

    /usr/bin/python3 skins/velmora/preview.py [--skin DIR] [--out DIR]

Writes PNGs: the launcher window at its real size and at a larger size (frame pieces, caption
buttons, caption text, mask region, panel and group boxes), the caption buttons in every state, the
system menu and a hint. They are for looking at, not for the repository: the default output folder
is build/skin-preview under the source tree.
"""
import argparse
import os

from PIL import Image, ImageDraw, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
FONT_FILE = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"  # what the Wine prefix maps 宋体 to
DESKTOP = (74, 96, 112)


# --- skin files ---------------------------------------------------------------------------------------


def read_ini(path):
    sections = {}
    current = None
    with open(path, encoding="utf-8") as f:
        for line in f.read().splitlines():
            line = line.strip()
            if not line or line.startswith(";"):
                continue
            if line.startswith("[") and line.endswith("]"):
                current = sections.setdefault(line[1:-1].strip().upper(), {})
                current.clear()  # a repeated section replaces the earlier one
            elif current is not None and "=" in line:
                k, v = line.split("=", 1)
                current[k.strip().upper()] = v.strip()
    return sections


class Skin:
    def __init__(self, folder):
        self.ini = read_ini(os.path.join(folder, "skin.ini"))
        pics = self.ini["PICTURES"]
        load = lambda n: Image.open(os.path.join(folder, n)).convert("RGB")  # noqa: E731
        self.main = load(pics["PICTURE"])
        self.mask = load(pics["MASK"])
        self.active = [load(pics[str(i)]) for i in range(int(pics["ACTIVEPICTURESCOUNT"]))]

    def text(self, section, key, default=""):
        return self.ini.get(section.upper(), {}).get(key.upper(), default)

    def int(self, section, key, default=0):
        try:
            return int(self.text(section, key, str(default)))
        except ValueError:
            return default

    def rect(self, section, key):
        return tuple(int(n) for n in self.text(section, key, "0,0,0,0").split(","))

    def point(self, section, key):
        return tuple(int(n) for n in self.text(section, key, "0,0").split(","))

    def colour(self, section, key):
        v = self.int(section, key)
        return (v & 255, (v >> 8) & 255, (v >> 16) & 255)


# --- composition primitives -------------------------------------------------------------------------


def copy(dest, src, s, d):
    """Copies the rectangle s of src to d of dest, scaling without smoothing when the sizes differ."""
    sw, sh, dw, dh = s[2] - s[0], s[3] - s[1], d[2] - d[0], d[3] - d[1]
    if sw <= 0 or sh <= 0 or dw <= 0 or dh <= 0:
        return
    piece = src.crop(s)
    if (sw, sh) != (dw, dh):
        piece = piece.resize((dw, dh), Image.NEAREST)
    dest.paste(piece, (d[0], d[1]))


def tile_h(dest, src, sx0, sx1, sy0, sy1, dx0, dx1, dy0, dy1):
    d = sx1 - sx0
    for k in range((dx1 - dx0) // d + 1):
        x = dx0 + k * d
        cut = max(0, x + d - dx1)
        copy(dest, src, (sx0, sy0, sx1 - cut, sy1), (x, dy0, x + d - cut, dy1))


def tile_v(dest, src, sx0, sx1, sy0, sy1, dx0, dx1, dy0, dy1):
    d = sy1 - sy0
    for k in range((dy1 - dy0) // d + 1):
        y = dy0 + k * d
        cut = max(0, y + d - dy1)
        copy(dest, src, (sx0, sy0, sx1, sy1 - cut), (dx0, y, dx1, y + d - cut))


def compose_skin_image(pic, R, LT, RT, LB, RB, C, W, H, draw_client, stretch=(False,) * 4):
    """Nine-piece composition keeping the corner pieces at their size."""
    left_s, top_s, right_s, bottom_s = stretch
    rw, rh = R[2] - R[0], R[3] - R[1]
    NLT = LT
    NRT = (W - (rw - RT[0]), RT[1])
    NLB = (LB[0], H - (rh - LB[1]))
    NRB = (W - (rw - RB[0]), H - (rh - RB[1]))
    NC = (C[0], C[1], W - (rw - C[2]), H - (rh - C[3]))
    dest = Image.new("RGB", (W, H), (255, 0, 255))
    L, T = R[0], R[1]
    # bands
    if top_s:
        copy(dest, pic, (L + LT[0], T, L + RT[0], T + C[1]), (NLT[0], 0, NRT[0], NC[1]))
    else:
        tile_h(dest, pic, L + LT[0], L + RT[0], T, T + C[1], NLT[0], NRT[0], 0, NC[1])
    if bottom_s:
        copy(dest, pic, (L + LB[0], T + C[3], L + RB[0], R[3]), (NLB[0], NC[3], NRB[0], H))
    else:
        tile_h(dest, pic, L + LB[0], L + RB[0], T + C[3], R[3], NLB[0], NRB[0], NC[3], H)
    if left_s:
        copy(dest, pic, (L, T + LT[1], L + C[0], T + LB[1]), (0, NLT[1], NC[0], NLB[1]))
    else:
        tile_v(dest, pic, L, L + NC[0], T + LT[1], T + LB[1], 0, NC[0], NLT[1], NLB[1])
    if right_s:
        copy(dest, pic, (L + C[2], T + RT[1], R[2], T + RB[1]), (NC[2], NRT[1], W, NRB[1]))
    else:
        tile_v(dest, pic, L + C[2], R[2], T + RT[1], T + RB[1], NC[2], W, NRT[1], NRB[1])
    # fixed pieces
    fixed = [
        ((L, T, L + LT[0], T + C[1]), (0, 0, NLT[0], NC[1])),
        ((L, T + C[1], L + C[0], T + LT[1]), (0, NC[1], NC[0], NLT[1])),
        ((L + RT[0], T, R[2], T + C[1]), (NRT[0], 0, W, NC[1])),
        ((L + C[2], T + C[1], R[2], T + RT[1]), (NC[2], NC[1], W, NRT[1])),
        ((L, T + LB[1], L + C[0], R[3]), (0, NLB[1], NC[0], H)),
        ((L + C[0], T + C[3], L + LB[0], R[3]), (NC[0], NC[3], NLB[0], H)),
        ((L + RB[0], T + C[3], R[2], R[3]), (NRB[0], NC[3], W, H)),
        ((L + C[2], T + RB[1], R[2], T + C[3]), (NC[2], NRB[1], W, NC[3])),
    ]
    for s, d in fixed:
        copy(dest, pic, s, d)
    if draw_client:
        cw, ch = C[2] - C[0], C[3] - C[1]
        for i in range((NC[2] - NC[0]) // cw + 1):
            for j in range((NC[3] - NC[1]) // ch + 1):
                x, y = NC[0] + i * cw, NC[1] + j * ch
                cx, cy = max(0, x + cw - NC[2]), max(0, y + ch - NC[3])
                copy(dest, pic, (L + C[0], T + C[1], L + C[2] - cx, T + C[3] - cy), (x, y, x + cw - cx, y + ch - cy))
    return dest, NC


def is_black(p):
    return p[0] == 0 and p[1] == 0 and p[2] == 0


def mask_region(mask, LT, RT, LB, RB, M, W, H):
    """The window region as a grey image (255 inside), built like the mask strips: the mask area
    is always inside; the four bands are tiled from the mask, never stretched."""
    mw, mh = mask.size
    NLT = LT
    NRT = (W - (mw - RT[0]), RT[1])
    NLB = (LB[0], H - (mh - LB[1]))
    NRB = (W - (mw - RB[0]), H - (mh - RB[1]))
    NM = (M[0], M[1], W - (mw - M[2]), H - (mh - M[3]))
    region = Image.new("L", (W, H), 0)
    ImageDraw.Draw(region).rectangle([NM[0], NM[1], NM[2] - 1, NM[3] - 1], fill=255)
    strips = Image.new("RGB", (W, H), (255, 255, 255))
    nh = NM[3] - NM[1]
    # left strip
    if M[0] > 0 and nh > 0:
        if LB[1] != LT[1]:
            tile_v(strips, mask, 0, M[0], LT[1], LB[1], 0, M[0], NM[1], NM[3])
        if LT[1] - M[1] > 0:
            copy(strips, mask, (0, M[1], M[0], LT[1]), (0, NM[1], M[0], NM[1] + LT[1] - M[1]))
        if M[3] - LB[1] > 0:
            copy(strips, mask, (0, LB[1], M[0], M[3]), (0, NM[3] - (M[3] - LB[1]), M[0], NM[3]))
    # right strip
    rw = mw - M[2]
    if rw > 0 and nh > 0:
        if RB[1] != RT[1]:
            tile_v(strips, mask, M[2], mw, RT[1], RB[1], NM[2], W, NM[1], NM[3])
        if RT[1] - M[1] > 0:
            copy(strips, mask, (M[2], M[1], mw, RT[1]), (NM[2], NM[1], W, NM[1] + RT[1] - M[1]))
        if M[3] - RB[1] > 0:
            copy(strips, mask, (M[2], RB[1], mw, M[3]), (NM[2], NM[3] - (M[3] - RB[1]), W, NM[3]))
    # top strip
    if M[1] > 0:
        if RT[0] != LT[0]:
            tile_h(strips, mask, LT[0], RT[0], 0, M[1], NLT[0], NRT[0], 0, M[1])
        copy(strips, mask, (0, 0, LT[0], M[1]), (0, 0, LT[0], M[1]))
        copy(strips, mask, (RT[0], 0, mw, M[1]), (NRT[0], 0, W, M[1]))
    # bottom strip
    bh = mh - M[3]
    if bh > 0:
        if RB[0] != LB[0]:
            tile_h(strips, mask, LB[0], RB[0], M[3], mh, NLB[0], NRB[0], NM[3], H)
        copy(strips, mask, (0, M[3], LB[0], mh), (0, NM[3], LB[0], H))
        copy(strips, mask, (RB[0], M[3], mw, mh), (NRB[0], NM[3], W, H))
    px = strips.load()
    rp = region.load()
    for y in range(H):
        for x in range(W):
            if is_black(px[x, y]):
                rp[x, y] = 255
    return region


def font(size):
    return ImageFont.truetype(FONT_FILE, size)


def draw_text(img, xy, text, colour, size, bold=False, underline=False):
    d = ImageDraw.Draw(img)
    f = font(size)
    d.text(xy, text, fill=colour, font=f)
    if bold:  # the way the platform fakes a bold face it lacks: draw again one pixel right
        d.text((xy[0] + 1, xy[1]), text, fill=colour, font=f)
    if underline:
        w = d.textlength(text, font=f)
        d.line([(xy[0], xy[1] + size), (xy[0] + w, xy[1] + size)], fill=colour)


def text_size(text, size):
    return round(font(size).getlength(text)), size


def ellipsis(text, width, size):
    """Drops characters from the end until the text followed by "..." fits."""
    if text_size(text, size)[0] <= width:
        return text
    while text and text_size(text + "...", size)[0] > width:
        text = text[:-1]
    return text + "..."


# --- the skinned window -----------------------------------------------------------------------------


def layout_objects(skin, W):
    pw, ph = skin.main.size
    dx = W - pw
    objects = {}
    cap = list(skin.rect("caption1", "skinrect"))
    cap[2] += dx  # top-left in the left-top zone, bottom-right in the right-top zone
    br = list(skin.rect("FORMINFO", "buttonsrect"))
    if br[0] > pw // 2:
        br[0] += dx
        br[2] += dx
    x, y = br[2], br[1]
    off = skin.int("FORMINFO", "buttonsoffset")
    for name in ("closebutton", "maxbutton", "minbutton"):
        r = skin.rect(name, "skinrect")
        w, h = r[2] - r[0], r[3] - r[1]
        objects[name] = (x - w, y, x, y + h)
        x -= off + w
    cr = skin.rect("FORMINFO", "captionrect")
    r = skin.rect("sysmenubutton", "skinrect")
    w, h = r[2] - r[0], r[3] - r[1]
    ch = cr[3] - cr[1]
    top = cr[1] + ch // 2 - h // 2
    objects["sysmenubutton"] = (cr[0], top, cr[0] + w, top + h)
    cap[0] = cr[0] + w  # x advanced by w + offset, less the offset
    objects["caption1"] = tuple(cap)
    return objects


def compose_window(skin, W, H, states=None, active=True, title="Velmora安装向导", content=None):
    """The whole window W x H on a desktop colour; states maps button names to 'hover' / 'down'."""
    states = states or {}
    fi = "FORMINFO"
    LT, RT, LB, RB = (skin.point(fi, k) for k in ("lefttoppoint", "righttoppoint", "leftbottompoint", "rightbottompoint"))
    CL = skin.rect(fi, "clientrect")
    pw, ph = skin.main.size
    dx, dy = W - pw, H - ph
    NLT, NRT, NLB, NRB = LT, (RT[0] + dx, RT[1]), (LB[0], LB[1] + dy), (RB[0] + dx, RB[1] + dy)
    NC = (CL[0], CL[1], CL[2] + dx, CL[3] + dy)
    pic = skin.main
    win = Image.new("RGB", (W, H), (255, 0, 255))
    # top strip
    top = Image.new("RGB", (W, NC[1]))
    if skin.int(fi, "topstretch") == 1:
        copy(top, pic, (LT[0], 0, RT[0], NC[1]), (NLT[0], 0, NRT[0], NC[1]))
    else:
        tile_h(top, pic, LT[0], RT[0], 0, NC[1], 0, W, 0, NC[1])
    copy(top, pic, (0, 0, LT[0], NC[1]), (0, 0, NLT[0], NC[1]))
    copy(top, pic, (RT[0], 0, pw, NC[1]), (NRT[0], 0, W, NC[1]))
    # bottom strip
    b = H - NC[3]
    bottom = Image.new("RGB", (W, b))
    if skin.int(fi, "bottomstretch") == 1:
        copy(bottom, pic, (LB[0], ph - b, RB[0], ph), (NLB[0], 0, NRB[0], b))
    else:
        tile_h(bottom, pic, LB[0], RB[0], ph - b, ph, 0, W, 0, b)
    copy(bottom, pic, (0, ph - b, LB[0], ph), (0, 0, NLB[0], b))
    copy(bottom, pic, (RB[0], ph - b, pw, ph), (NRB[0], 0, W, b))
    # side strips
    h = H - top.height - bottom.height
    left = Image.new("RGB", (NC[0], h))
    tile_v(left, pic, 0, NC[0], LT[1], LB[1], 0, NC[0], 0, h)
    if LT[1] - CL[1] > 0:
        copy(left, pic, (0, CL[1], NC[0], LT[1]), (0, 0, NC[0], LT[1] - CL[1]))
    if CL[3] - LB[1] > 0:
        copy(left, pic, (0, LB[1], NC[0], CL[3]), (0, h - (CL[3] - LB[1]), NC[0], h))
    rw = W - NC[2]
    right = Image.new("RGB", (rw, h))
    tile_v(right, pic, CL[2], pw, RT[1], RB[1], 0, rw, 0, h)
    if RT[1] - CL[1] > 0:
        copy(right, pic, (CL[2], CL[1], pw, RT[1]), (0, 0, rw, RT[1] - CL[1]))
    if CL[3] - RB[1] > 0:
        copy(right, pic, (CL[2], RB[1], pw, CL[3]), (0, h - (CL[3] - RB[1]), rw, h))
    # objects into the top strip
    objs = layout_objects(skin, W)
    act = skin.active[2]
    for name in ("closebutton", "maxbutton", "minbutton", "sysmenubutton"):
        key = {"hover": "activeskinrect", "down": "downrect"}.get(states.get(name), "skinrect")
        copy(top, act, skin.rect(name, key), objs[name])
    cap = objs["caption1"]
    tr = list(skin.rect("caption1", "textrect"))
    sk = skin.rect("caption1", "skinrect")
    tr[2] += (cap[2] - cap[0]) - (sk[2] - sk[0])
    size = skin.int("caption1", "fontheight")
    title = ellipsis(title, tr[2] - tr[0], size)
    tw, th = text_size(title, size)
    x = cap[0] + tr[0]
    y = cap[1] + tr[1] + (tr[3] - tr[1]) // 2 - th // 2
    colour = skin.colour("caption1", "activefontcolor" if active else "fontcolor")
    bold = "fsbold" in skin.text("caption1", "fontstyle")
    if skin.int("caption1", "shadow") == 1:
        draw_text(top, (x + 1, y + 1), title, skin.colour("caption1", "activeshadowcolor" if active else "shadowcolor"), size, bold)
    draw_text(top, (x, y), title, colour, size, bold)
    win.paste(top, (0, 0))
    win.paste(left, (0, top.height))
    win.paste(right, (W - rw, top.height))
    win.paste(bottom, (0, H - b))
    # client background: the client piece of the frame picture, tiled
    cw, ch = CL[2] - CL[0], CL[3] - CL[1]
    client = Image.new("RGB", (NC[2] - NC[0], NC[3] - NC[1]))
    for i in range(client.width // cw + 1):
        for j in range(client.height // ch + 1):
            client.paste(pic.crop(CL), (i * cw, j * ch))
    if content:
        content(skin, client)
    win.paste(client, (NC[0], NC[1]))
    region = mask_region(skin.mask, LT, RT, LB, RB, skin.rect(fi, "maskrectarea"), W, H)
    out = Image.new("RGB", (W + 40, H + 40), DESKTOP)
    out.paste(win, (20, 20), region)
    return out


def panel_image(skin, name, W, H, caption=None):
    r = skin.rect(name, "skinrect")
    pic = skin.active[skin.int(name, "pictureindex")]
    pts = [skin.point(name, k) for k in ("lefttoppoint", "righttoppoint", "leftbottompoint", "rightbottompoint")]
    C = skin.rect(name, "clientrect")
    img, NC = compose_skin_image(pic, r, *pts, C, W, H, True)
    cr = list(skin.rect(name, "captionrect"))
    if caption and cr[2] > cr[0]:
        cr[2] += W - (r[2] - r[0])  # the caption strip grows with the box
        size = skin.int(name, "fontheight", 14)
        tw, th = text_size(caption, size)
        x = cr[0] + (cr[2] - cr[0]) // 2 - tw // 2
        y = cr[1] + (cr[3] - cr[1]) // 2 - th // 2
        draw_text(img, (x, y), caption, skin.colour(name, "fontcolor"), size)
    return img, NC


def launcher_content(skin, client):
    """The launcher's panel and two group boxes with stand-ins for their children."""
    panel, _ = panel_image(skin, "panel", 417, 385)
    gb1, _ = panel_image(skin, "groupbox", 160, 324, "安装模块")
    gb2, _ = panel_image(skin, "groupbox", 217, 323, "联系方式")
    face = (240, 240, 240)
    for x, y, w, h, text in ((25, 31, 113, 113, "安装数据库"), (24, 213, 121, 107, "安装应用程序")):
        d = ImageDraw.Draw(gb1)
        d.rectangle([x, y, x + w - 1, y + h - 1], fill=face, outline=(160, 160, 160))
        d.rectangle([x + w // 2 - 35, y + 8, x + w // 2 + 34, y + 87], fill=(205, 214, 220))
        tw, _ = text_size(text, 12)
        draw_text(gb1, (x + w // 2 - tw // 2, y + h - 20), text, (0, 0, 0), 12)
    draw_text(gb2, (51, 56), "Velmora", (0, 0, 0), 29)
    draw_text(gb2, (11, 104), "邮箱：info@velmora.example", (0, 0, 0), 16)
    draw_text(gb2, (11, 128), "电话：010-12345678", (0, 0, 0), 16)
    draw_text(gb2, (11, 152), "网站：", (0, 0, 0), 13)
    draw_text(gb2, (51, 152), "www.velmora.example", (0, 102, 204), 13, underline=True)
    for i, line in enumerate(("安装数据库时如果提示重新　　", "启动，请重新启动电脑后再　　",
                              "点安装数据库，然后再安装　　", "应用程序！")):
        draw_text(gb2, (23, 200 + i * 13), line, (0, 0, 0), 12)
    draw_text(gb2, (16, 272), "全部安装完后须重启电脑", (255, 0, 0), 16, bold=True)
    panel.paste(gb1, (9, 9))
    panel.paste(gb2, (184, 10))
    d = ImageDraw.Draw(panel)  # the unskinned bevel
    d.line([(16, 336), (393, 336)], fill=(128, 128, 128))
    d.line([(16, 337), (393, 337)], fill=(255, 255, 255))
    client.paste(panel, (4, 5))


def caption_states(skin):
    """The right end of the caption with each button in each state, stacked."""
    rows = []
    W, H = 438, 425
    for name in ("closebutton", "maxbutton", "minbutton", "sysmenubutton"):
        row = []
        for state in (None, "hover", "down"):
            img = compose_window(skin, W, H, {name: state} if state else {})
            if name == "sysmenubutton":
                row.append(img.crop((20, 20, 20 + 130, 20 + 34)))
            else:
                row.append(img.crop((20 + W - 130, 20, 20 + W, 20 + 34)))
        rows.append(row)
    inactive = compose_window(skin, W, H, active=False).crop((20, 20, 20 + W, 20 + 34))
    out = Image.new("RGB", (3 * 134, 4 * 38 + 38), DESKTOP)
    for j, row in enumerate(rows):
        for i, img in enumerate(row):
            out.paste(img, (i * 134, j * 38))
    big = Image.new("RGB", (max(out.width, W), out.height + 40), DESKTOP)
    big.paste(out, (0, 0))
    big.paste(inactive, (0, out.height))
    return big


def popup_menu(skin, entries, active_index):
    pic = skin.active[skin.int("POPUPWINDOW", "windowpictureindex")]
    maskpic = skin.active[skin.int("POPUPWINDOW", "maskpictureindex")]
    items = skin.active[skin.int("MENUITEM", "activepictureindex")]
    pts = [skin.point("POPUPWINDOW", k) for k in ("lefttoppoint", "righttoppoint", "leftbottompoint", "rightbottompoint")]
    IR = skin.rect("POPUPWINDOW", "itemsrect")
    sk = skin.rect("MENUITEM", "skinrect")
    dv = skin.rect("MENUITEM", "dividerrect")
    trect = skin.rect("MENUITEM", "textrect")
    size = skin.int("MENUITEM", "fontheight")
    m = max(text_size(t, size)[0] for t in entries if t != "-") + 2
    w = m + 19 + 19
    W = pic.width + w + trect[0] + (sk[2] - sk[0] - trect[2]) + IR[0] - IR[2]
    heights = [(dv[3] - dv[1]) if t == "-" else (sk[3] - sk[1]) for t in entries]
    H = pic.height + sum(heights) + IR[1] - IR[3]
    img, NI = compose_skin_image(pic, (0, 0, pic.width, pic.height), *pts, IR, W, H, False)
    y = NI[1]
    for i, (t, eh) in enumerate(zip(entries, heights)):
        ew = NI[2] - NI[0]
        entry = Image.new("RGB", (ew, eh))
        if t == "-":
            compose_horizontal(entry, items, dv, skin.int("MENUITEM", "dividerleftoffset"),
                               skin.int("MENUITEM", "dividerrightoffset"))
        else:
            act = i == active_index
            compose_horizontal(entry, items, skin.rect("MENUITEM", "activeskinrect" if act else "skinrect"),
                               skin.int("MENUITEM", "itemleftoffset"), skin.int("MENUITEM", "itemrightoffset"))
            T = (trect[0], trect[1], ew + trect[2] - (sk[2] - sk[0]), trect[3])
            tw, th = text_size(t, size)
            cy = T[1] + (T[3] - T[1]) // 2
            draw_text(entry, (T[0] + 16, cy - th // 2), t,
                      skin.colour("MENUITEM", "activefontcolor" if act else "fontcolor"), size)
        img.paste(entry, (NI[0], y))
        y += eh
    region = mask_region(maskpic, *pts, IR, W, H)
    out = Image.new("RGB", (W + 30, H + 30), (236, 241, 244))
    out.paste(img, (15, 15), region)
    return out


def compose_horizontal(dest, pic, R, left, right):
    W, h = dest.size
    if left:
        copy(dest, pic, (R[0], R[1], R[0] + left, R[3]), (0, 0, left, h))
    if right:
        copy(dest, pic, (R[2] - right, R[1], R[2], R[3]), (W - right, 0, W, h))
    d = max(1, (R[2] - R[0]) - left - right)
    span = W - left - right
    if span >= 0:
        tile_h(dest, pic, R[0] + left, R[0] + left + d, R[1], R[3], left, W - right, 0, h)


def hint(skin, text):
    sec = "HINTWINDOW"
    pic = skin.active[skin.int(sec, "windowpictureindex")]
    maskpic = skin.active[skin.int(sec, "maskpictureindex")]
    pts = [skin.point(sec, k) for k in ("lefttoppoint", "righttoppoint", "leftbottompoint", "rightbottompoint")]
    C = skin.rect(sec, "clientrect")
    size = skin.int(sec, "fontheight")
    tw, th = text_size(text, size)
    W = max(pic.width, tw + 4 + C[0] + pic.width - C[2])
    H = max(pic.height, th + 2 + C[1] + pic.height - C[3])
    img, NC = compose_skin_image(pic, (0, 0, pic.width, pic.height), *pts, C, W, H, True, (True,) * 4)
    draw_text(img, (NC[0] + 2, NC[1] + 1), text, skin.colour(sec, "fontcolor"), size)
    region = mask_region(maskpic, *pts, C, W, H)
    out = Image.new("RGB", (W + 20, H + 20), (236, 241, 244))
    out.paste(img, (10, 10), region)
    return out


def resize_mode(skin, name):
    r = skin.rect(name, "skinrect")
    RT, RB, LB = (skin.point(name, k) for k in ("righttoppoint", "rightbottompoint", "leftbottompoint"))
    if r[2] - r[0] < 1 or r[3] - r[1] < 1:
        return -1
    if RB[0] and RB[1]:
        return 1
    if RT[0] or RT[1]:
        return 2
    if LB[0] or LB[1]:
        return 3
    return 0


def compose_control(skin, name, rect, W, H):
    """One image of a control record at W x H the way the control base composes it."""
    pic = skin.active[skin.int(name, "pictureindex")]
    mode = resize_mode(skin, name)
    rw, rh = rect[2] - rect[0], rect[3] - rect[1]
    LT, RT, LB, RB = (skin.point(name, k) for k in ("lefttoppoint", "righttoppoint", "leftbottompoint", "rightbottompoint"))
    if mode == 1:
        return compose_skin_image(pic, rect, LT, RT, LB, RB, skin.rect(name, "clientrect"), W, H, True)[0]
    if mode == 2:
        img = Image.new("RGB", (W, rh))
        compose_horizontal(img, pic, rect, LT[0], rw - RT[0])
        return img
    if mode == 3:
        img = Image.new("RGB", (rw, H))
        top, bottom = LT[1], rh - LB[1]
        copy(img, pic, (rect[0], rect[1], rect[2], rect[1] + top), (0, 0, rw, top))
        copy(img, pic, (rect[0], rect[3] - bottom, rect[2], rect[3]), (0, H - bottom, rw, H))
        tile_v(img, pic, rect[0], rect[2], rect[1] + top, rect[3] - bottom, 0, rw, top, H - bottom)
        return img
    return pic.crop(rect)


STATE_KEYS = ("skinrect", "activeskinrect", "downskinrect", "disabledskinrect")


def control_gallery(skin):
    """Every control record with an image, grown past its picture size, in each of its states."""
    names = [e.split(":")[0] for i, e in sorted(
        ((int(k), v) for k, v in skin.ini["SKINCONTROLS"].items() if k.isdigit()))]
    tiles = []
    for name in names:
        mode = resize_mode(skin, name)
        if mode < 0 or skin.int(name, "pictureindex", -1) < 0:
            continue
        r = skin.rect(name, "skinrect")
        rw, rh = r[2] - r[0], r[3] - r[1]
        W = rw * 5 // 2 if mode in (1, 2) else rw
        H = rh * 2 if mode in (1, 3) else rh
        states = []
        for key in STATE_KEYS:
            rect = skin.rect(name, key) if key.upper() in skin.ini[name.upper()] else (0, 0, 0, 0)
            if rect[2] > rect[0]:
                states.append(compose_control(skin, name, rect, W, H))
        tiles.append((name, states))
    pad = 6
    rows = []
    for name, states in tiles:
        w = sum(s.width + pad for s in states) + 130
        h = max(s.height for s in states) + pad
        row = Image.new("RGB", (w, max(h, 18)), (246, 248, 250))
        draw_text(row, (2, 2), name, (0, 0, 0), 12)
        x = 130
        for s in states:
            row.paste(s, (x, 0))
            x += s.width + pad
        rows.append(row)
    out = Image.new("RGB", (max(r.width for r in rows), sum(r.height for r in rows)), (246, 248, 250))
    y = 0
    for r in rows:
        out.paste(r, (0, y))
        y += r.height
    return out


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--skin", default=HERE)
    ap.add_argument("--out", default=os.path.join(ROOT, "build", "skin-preview"))
    args = ap.parse_args()
    os.makedirs(args.out, exist_ok=True)
    skin = Skin(args.skin)
    outputs = {
        "window-launcher.png": compose_window(skin, 438, 425, content=launcher_content),
        "window-large.png": compose_window(skin, 760, 540),
        "window-minimum.png": compose_window(skin, skin.main.width, skin.main.height),
        "caption-states.png": caption_states(skin),
        "menu.png": popup_menu(skin, ["还原", "移动", "大小", "最小化", "最大化", "-", "关闭"], 3),
        "hint.png": hint(skin, "最小化"),
    }
    outputs["controls.png"] = control_gallery(skin)
    gb, _ = panel_image(skin, "groupbox", 217, 160, "联系方式")
    outputs["groupbox.png"] = gb
    for name, img in outputs.items():
        img.save(os.path.join(args.out, name))
    print("wrote", ", ".join(outputs), "to", args.out)


if __name__ == "__main__":
    main()
