#!/usr/bin/python3
"""Checks the Velmora skin's files against what the launcher and the skin loader rely on.

    /usr/bin/python3 skins/velmora/check.py [--skin DIR] [--package FILE]

Checks the bitmaps' sizes and depths, the ini's sections and record lists, the values the launcher's
layout fixes, that every rectangle lies inside its picture, the masks' shapes, that the caption
buttons' backgrounds match the caption they are drawn over, and that the packed skin stays small.
Needs nothing beyond the standard library. Exits non-zero and lists every failure when one fails.
"""
import argparse
import os
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

PICTURES = {
    # name: (width, height, bits per pixel)
    "main.bmp": (184, 141, 8),
    "mask.bmp": (184, 141, 1),
    "pw.bmp": (72, 77, 8),
    "menuitems.bmp": (124, 98, 8),
    "active.bmp": (124, 84, 8),
    "controls.bmp": (385, 424, 8),
    "hw.bmp": (39, 27, 8),
    "hwmask.bmp": (39, 27, 1),
    "pwmask.bmp": (72, 77, 1),
    "htrackbarmask.bmp": (67, 22, 1),
    "vtrackbarmask.bmp": (22, 67, 1),
}
ACTIVE = [
    "pw.bmp", "menuitems.bmp", "active.bmp", "controls.bmp", "hw.bmp", "hwmask.bmp", "pwmask.bmp",
    "htrackbarmask.bmp", "vtrackbarmask.bmp",
]
OBJECT_LIST = [
    "MENUITEM:menuitem", "caption1:caption", "closebutton:stdbutton", "maxbutton:stdbutton",
    "minbutton:stdbutton", "mainmenubaritem:mainmenubaritem", "sysmenubutton:stdbutton",
    "menubarsysmenubutton:mainmenubarbutton", "menubarclosebutton:mainmenubarbutton",
    "menubarmaxbutton:mainmenubarbutton", "menubarminbutton:mainmenubarbutton",
]
CONTROL_KINDS = {
    "panel", "expanel", "menubutton", "button", "checkradio", "gauge", "splitter", "trackbar", "label",
    "stdlabel", "updown", "grid", "tab", "mainmenubar", "controlbar", "memo", "edit", "checklistbox",
    "listbox", "combobox", "scrollbar", "spinedit", "scrollbox", "treeview", "bevel", "slider",
    "listview", "richedit",
}

# Values fixed by the launcher's layout, exactly as text.
ZERO = "0,0,0,0"
EXACT = {
    "FORMINFO": {
        "lefttoppoint": "16,34", "righttoppoint": "67,34", "leftbottompoint": "12,127",
        "rightbottompoint": "174,128", "clientrect": "8,28,179,134", "bgpictureindex": "-1",
        "mdibgpictureindex": "-1", "leftstretch": "0", "rightstretch": "0", "topstretch": "1",
        "bottomstretch": "0", "maskrectarea": "4,4,179,137", "hittestlefttoppoint": "10,9",
        "hittestrighttoppoint": "174,11", "hittestleftbottompoint": "6,132",
        "hittestrightbottompoint": "177,132", "buttonsrect": "108,7,175,25", "captionrect": "7,4,91,20",
        "buttonsoffset": "5", "buttonsinleft": "0", "mainmenupopupup": "0", "borderwidth": "3",
        "autorenderinginactiveimage": "0", "inactiveeffect": "iegrayscale",
    },
    "PICTURES": {"picture": "main.bmp", "inactivepicture": "", "mask": "mask.bmp", "activepicturescount": "9",
                 **{str(i): n for i, n in enumerate(ACTIVE)}},
    "POPUPWINDOW": {
        "windowpictureindex": "0", "maskpictureindex": "6", "lefttoppoint": "10,10", "righttoppoint": "60,12",
        "leftbottompoint": "10,65", "rightbottompoint": "60,64", "itemsrect": "7,7,65,71",
        "scrollmarkercolor": "0", "scrollmarkeractivecolor": "16777215",
        "leftstretch": "0", "rightstretch": "0", "topstretch": "0", "bottomstretch": "0",
    },
    "HINTWINDOW": {
        "windowpictureindex": "4", "maskpictureindex": "5", "lefttoppoint": "8,8", "righttoppoint": "29,8",
        "leftbottompoint": "7,17", "rightbottompoint": "29,18", "clientrect": "7,7,34,22",
        "fontname": "宋体", "fontheight": "14", "fontstyle": "", "fontcolor": "0",
        "leftstretch": "1", "rightstretch": "1", "topstretch": "1", "bottomstretch": "1",
    },
    "caption1": {
        "activepictureindex": "2", "skinrectinapicture": "0", "skinrect": "7,3,96,23", "activeskinrect": ZERO,
        "inactiveskinrect": ZERO, "morphing": "0", "morphkind": "mkdefault", "textrect": "3,1,75,17",
        "fontname": "宋体", "fontheight": "16", "fontstyle": "fsbold", "fontcolor": "12632256",
        "activefontcolor": "16777215", "alignment": "taleftjustify", "shadow": "1", "shadowcolor": "0",
        "activeshadowcolor": "0", "framerect": ZERO, "activeframerect": ZERO, "frametextrect": "13,4,56,20",
        "frameleftoffset": "0", "framerightoffset": "0", "hint": "",
    },
    "MENUITEM": {
        "activepictureindex": "1", "skinrectinapicture": "0", "skinrect": "1,30,117,54",
        "activeskinrect": "1,2,117,26", "inactiveskinrect": ZERO, "morphing": "0", "morphkind": "mkpush",
        "itemleftoffset": "10", "itemrightoffset": "10", "dividerrect": "5,60,115,65", "dividerleftoffset": "5",
        "dividerrightoffset": "5", "textrect": "3,2,112,22", "fontname": "宋体", "fontheight": "14",
        "fontstyle": "", "fontcolor": "0", "activefontcolor": "16777215", "unenabledfontcolor": "8421504",
    },
    "panel": {
        "pictureindex": "3", "maskpictureindex": "-1", "skinrect": "1,152,97,226", "lefttoppoint": "4,3",
        "righttoppoint": "89,3", "leftbottompoint": "3,70", "rightbottompoint": "90,69", "clientrect": "2,2,94,72",
        "bgpictureindex": "-1", "captionrect": ZERO, "alignment": "tacenter", "fontname": "宋体",
        "fontheight": "14", "fontstyle": "", "fontcolor": "0", "checkimagerect": ZERO, "uncheckimagerect": ZERO,
    },
    "groupbox": {
        "pictureindex": "3", "maskpictureindex": "-1", "skinrect": "307,6,374,70", "lefttoppoint": "10,25",
        "righttoppoint": "53,25", "leftbottompoint": "5,58", "rightbottompoint": "62,59",
        "clientrect": "2,22,65,62", "bgpictureindex": "-1", "captionrect": "6,4,61,20", "alignment": "tacenter",
        "fontname": "宋体", "fontheight": "14", "fontstyle": "", "fontcolor": "16777215",
        "checkimagerect": "51,107,68,124", "uncheckimagerect": "35,107,52,124",
    },
    "bevel": {"pictureindex": "-1", "maskpictureindex": "-1", "skinrect": ZERO, "lightcolor": "16777215",
              "darkcolor": "8421504"},
    "stdlabel": {"pictureindex": "-1", "maskpictureindex": "-1", "skinrect": ZERO, "fontname": "宋体",
                 "fontheight": "14", "fontstyle": "", "fontcolor": "0", "activefontcolor": "12615680"},
}
BUTTONS = {
    # name: hint, command, skinrect, activeskinrect, downrect, restore rects
    "closebutton": ("Close", "cmclose", "2,23,21,42", "22,23,41,42", "42,23,61,42", (ZERO, ZERO, ZERO)),
    "maxbutton": ("Maximize", "cmmaximize", "63,23,82,42", "83,23,102,42", "103,23,122,42",
                  ("2,43,21,62", "22,43,41,62", "42,43,61,62")),
    "minbutton": ("Minimize", "cmminimize", "63,43,82,62", "83,43,102,62", "103,43,122,62", (ZERO, ZERO, ZERO)),
    "sysmenubutton": ("System menu", "cmsysmenu", "2,2,21,21", "23,2,42,21", "44,2,63,21", (ZERO, ZERO, ZERO)),
}
for _name, (_hint, _cmd, _n, _a, _d, _r) in BUTTONS.items():
    EXACT[_name] = {
        "hint": _hint, "command": _cmd, "skinrect": _n, "activeskinrect": _a, "downrect": _d,
        "restorerect": _r[0], "restoreactiverect": _r[1], "restoredownrect": _r[2],
        "activepictureindex": "2", "skinrectinapicture": "1", "morphing": "1", "morphkind": "mkdefault",
        "inactiveskinrect": ZERO, "disableskinrsect": ZERO, "restoreinactiverect": ZERO,
    }

# Records whose repeated middle is a pattern whose period divides the middle's length on purpose.
PERIODIC = {"hsplitter", "vsplitter"}

# Rectangles given relative to the record's own image rather than absolute in its picture, with the
# key of the rectangle they are relative to.
RELATIVE = {
    "clientrect": "skinrect", "captionrect": "skinrect", "trackbuttonrect": "skinrect",
    "checkimagearea": "skinrect", "textarea": "skinrect", "progressarea": "skinrect", "trackarea": "skinrect",
    "itemsrect": "skinrect", "rollvcaptionrect": "rollvskinrect", "rollhcaptionrect": "rollhskinrect",
    "itemtextrect": "itemrect", "itemcheckrect": "itemrect", "fixedcelltextrect": "fixedcellrect",
    "celltextrect": "skinrect", "textrect": "skinrect", "frametextrect": None,
}


# --- reading the files --------------------------------------------------------------------------------


class Bmp:
    """A BMP file as the skin uses them: BITMAPINFOHEADER, 1 or 8 bits, uncompressed."""

    def __init__(self, data):
        if data[:2] != b"BM":
            raise ValueError("not a BMP file")
        size, _, _, offset = struct.unpack_from("<IHHI", data, 2)
        if size != len(data):
            raise ValueError(f"size field {size} but the file has {len(data)} bytes")
        hsize, self.width, h, planes, self.bpp, comp, _, _, _, used, _ = struct.unpack_from("<IiiHHIIiiII", data, 14)
        if hsize != 40 or planes != 1 or comp != 0:
            raise ValueError("not a plain BITMAPINFOHEADER bitmap")
        self.top_down = h < 0
        self.height = abs(h)
        n = used or (1 << self.bpp)
        self.palette = [tuple(data[54 + 4 * i + k] for k in (2, 1, 0)) for i in range(n)]
        self.stride = ((self.width * self.bpp + 31) // 32) * 4
        self.bits = data[offset:]
        if len(self.bits) < self.stride * self.height:
            raise ValueError("pixel rows cut short")

    def pixel(self, x, y):
        row = y if self.top_down else self.height - 1 - y
        base = row * self.stride
        if self.bpp == 8:
            i = self.bits[base + x]
        elif self.bpp == 1:
            i = (self.bits[base + x // 8] >> (7 - x % 8)) & 1
        else:
            raise ValueError("unexpected depth")
        return self.palette[i]


def read_ini(path):
    """Sections in file order as (name, [(key, value)]); names as written."""
    sections = []
    with open(path, encoding="utf-8") as f:
        for line in f.read().splitlines():
            line = line.strip()
            if not line or line.startswith(";"):
                continue
            if line.startswith("[") and line.endswith("]"):
                sections.append((line[1:-1].strip(), []))
            elif sections and "=" in line:
                k, v = line.split("=", 1)
                sections[-1][1].append((k.strip(), v.strip()))
    return sections


def parse_rect(text):
    parts = text.split(",")
    if len(parts) != 4 or not all(p.strip().isdigit() for p in parts):
        raise ValueError(f"'{text}' is not a rect of four non-negative numbers")
    return tuple(int(p) for p in parts)


def parse_point(text):
    parts = text.split(",")
    if len(parts) != 2 or not all(p.strip().isdigit() for p in parts):
        raise ValueError(f"'{text}' is not a point of two non-negative numbers")
    return tuple(int(p) for p in parts)


def empty(r):
    return r[2] - r[0] < 1 or r[3] - r[1] < 1


def inside(r, w, h):
    return 0 <= r[0] <= r[2] <= w and 0 <= r[1] <= r[3] <= h


# --- the checks ---------------------------------------------------------------------------------------


class Checker:
    def __init__(self, folder):
        self.folder = folder
        self.failures = []
        self.bmps = {}

    def fail(self, message):
        self.failures.append(message)

    def pictures(self):
        for name, (w, h, bpp) in PICTURES.items():
            path = os.path.join(self.folder, name)
            try:
                with open(path, "rb") as f:
                    bmp = Bmp(f.read())
            except (OSError, ValueError) as e:
                self.fail(f"{name}: {e}")
                continue
            if (bmp.width, bmp.height, bmp.bpp) != (w, h, bpp):
                self.fail(f"{name}: {bmp.width} x {bmp.height} at {bmp.bpp} bits, expected {w} x {h} at {bpp}")
            self.bmps[name] = bmp

    def ini(self):
        sections = read_ini(os.path.join(self.folder, "skin.ini"))
        names = [n for n, _ in sections]
        if len(names) != 77:
            self.fail(f"skin.ini has {len(names)} sections, expected 77")
        lowered = [n.lower() for n in names]
        for n in set(lowered):
            if lowered.count(n) > 1:
                self.fail(f"section [{n}] appears {lowered.count(n)} times: only the last would be read")
        self.sections = {n.lower(): {k.lower(): v for k, v in items} for n, items in sections}
        for n, items in sections:
            keys = [k.lower() for k, _ in items]
            for k in set(keys):
                if keys.count(k) > 1:
                    self.fail(f"[{n}] sets {k} {keys.count(k)} times")
        for s in ("VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS"):
            if not self.sections.get(s.lower()):
                self.fail(f"[{s}] is missing or empty: the package builder would refuse the skin")
        for s in ("skinname", "skinauthor"):
            if not self.get("VERSION", s):
                self.fail(f"[VERSION] {s} is empty")
        self.objects = self.entries("SKINOBJECTS")
        if [f"{n}:{k}" for n, k in self.objects] != OBJECT_LIST:
            self.fail(f"[SKINOBJECTS] lists {[f'{n}:{k}' for n, k in self.objects]}")
        self.controls = self.entries("SKINCONTROLS")
        if len(self.controls) != 59:
            self.fail(f"[SKINCONTROLS] lists {len(self.controls)} records, expected 59")
        for n, k in self.controls:
            if k not in CONTROL_KINDS:
                self.fail(f"control record {n} has the kind {k!r}, which the loader skips")
        for n, _ in self.objects + self.controls:
            if n.lower() not in self.sections:
                self.fail(f"record {n} has no section")
        listed = {n.lower() for n, _ in self.objects + self.controls}
        if len(listed) != len(self.objects) + len(self.controls):
            self.fail("two records share a name: lookups would only find the first")
        for n in self.sections:
            if n not in listed and n not in {"version", "pictures", "forminfo", "popupwindow", "hintwindow",
                                             "skinobjects", "skincontrols"}:
                self.fail(f"section [{n}] belongs to no record")

    def entries(self, section):
        s = self.sections.get(section.lower(), {})
        try:
            count = int(s.get("count", "0"))
        except ValueError:
            self.fail(f"[{section}] count is not a number")
            return []
        out = []
        for i in range(count):
            entry = s.get(str(i), "")
            if ":" not in entry:
                self.fail(f"[{section}] entry {i} ({entry!r}) has no kind")
                continue
            name, kind = entry.split(":", 1)
            out.append((name, kind))
        return out

    def get(self, section, key):
        return self.sections.get(section.lower(), {}).get(key.lower())

    def exact_values(self):
        for section, values in EXACT.items():
            for key, want in values.items():
                got = self.get(section, key)
                if got != want:
                    self.fail(f"[{section}] {key} is {got!r}, the launcher needs {want!r}")
        if self.controls and [k for n, k in self.controls if n in ("panel", "groupbox")] != ["panel", "panel"]:
            self.fail("panel and groupbox must both be of the kind panel")
        for name, kind in (("bevel", "bevel"), ("stdlabel", "stdlabel")):
            if (name, kind) not in self.controls:
                self.fail(f"{name} must be listed as {name}:{kind}")

    def picture_of(self, index):
        try:
            i = int(index)
        except (TypeError, ValueError):
            return None
        return self.bmps.get(ACTIVE[i]) if 0 <= i < len(ACTIVE) else None

    def rectangles(self):
        """Every rectangle inside its picture, relative ones inside the image they belong to, and
        every point of a nine-piece record inside its image."""
        for name, kind in self.controls + self.objects:
            values = self.sections.get(name.lower(), {})
            is_object = (name, kind) in self.objects
            pic = self.picture_of(values.get("activepictureindex" if is_object else "pictureindex"))
            for key, text in values.items():
                is_rect = key.endswith("rect") or key.endswith("area") or key == "disableskinrsect"
                is_point = key.endswith("point")
                if not (is_rect or is_point):
                    continue
                try:
                    value = parse_rect(text) if is_rect else parse_point(text)
                except ValueError as e:
                    self.fail(f"[{name}] {key}: {e}")
                    continue
                if is_point:
                    base = parse_rect(values.get("skinrect", ZERO))
                    if not empty(base) and not (0 <= value[0] <= base[2] - base[0] and 0 <= value[1] <= base[3] - base[1]):
                        self.fail(f"[{name}] {key} {value} lies outside its {base[2] - base[0]} x {base[3] - base[1]} image")
                    continue
                if empty(value):
                    continue
                if key in RELATIVE and not (is_object and key == "skinrect"):
                    ref_key = RELATIVE[key]
                    if ref_key is None:
                        continue  # relative to a plate the skin does not use
                    ref = parse_rect(values.get(ref_key, ZERO))
                    if not empty(ref) and not inside(value, ref[2] - ref[0], ref[3] - ref[1]):
                        self.fail(f"[{name}] {key} {value} lies outside its {ref_key}")
                    continue
                target = pic
                if is_object and key == "skinrect" and values.get("skinrectinapicture") != "1" and kind != "menuitem" and kind != "mainmenubaritem":
                    target = self.bmps.get("main.bmp")
                if target is None:
                    self.fail(f"[{name}] {key} {value} names no picture")
                elif not inside(value, target.width, target.height):
                    self.fail(f"[{name}] {key} {value} lies outside its {target.width} x {target.height} picture")
        # The frame's own rectangles, in the main picture.
        main = self.bmps.get("main.bmp")
        for key in ("clientrect", "maskrectarea", "buttonsrect", "captionrect"):
            r = parse_rect(self.get("FORMINFO", key) or ZERO)
            if main and not inside(r, main.width, main.height):
                self.fail(f"[FORMINFO] {key} lies outside the main picture")
        for section, key in (("POPUPWINDOW", "itemsrect"), ("HINTWINDOW", "clientrect")):
            pic = self.picture_of(self.get(section, "windowpictureindex"))
            r = parse_rect(self.get(section, key) or ZERO)
            if pic and not inside(r, pic.width, pic.height):
                self.fail(f"[{section}] {key} lies outside its picture")

    def masks(self):
        """Black is inside. Each mask's middle must be inside and its outermost corner outside (the
        corners are rounded), and the window mask keeps the client area whole."""
        black = (0, 0, 0)
        for name in ("mask.bmp", "pwmask.bmp", "hwmask.bmp", "htrackbarmask.bmp", "vtrackbarmask.bmp"):
            m = self.bmps.get(name)
            if not m:
                continue
            if m.pixel(m.width // 2, m.height // 2) != black:
                self.fail(f"{name}: the middle is outside the shape")
            if m.pixel(0, 0) == black and name != "mask.bmp":
                self.fail(f"{name}: the top-left corner is not rounded off")
            colours = {m.pixel(x, y) for x in range(m.width) for y in range(m.height)}
            if not colours <= {black, (255, 255, 255)}:
                self.fail(f"{name}: holds colours other than black and white: {colours}")
        m = self.bmps.get("mask.bmp")
        if m:
            cl = parse_rect(self.get("FORMINFO", "clientrect") or ZERO)
            holes = [(x, y) for y in range(cl[1], cl[3]) for x in range(cl[0], cl[2]) if m.pixel(x, y) != black]
            if holes:
                self.fail(f"mask.bmp: {len(holes)} client pixels lie outside the window, e.g. {holes[0]}")
            for corner in ((0, 0), (m.width - 1, 0), (0, m.height - 1), (m.width - 1, m.height - 1)):
                if m.pixel(*corner) == black:
                    self.fail(f"mask.bmp: the corner {corner} is inside the window")

    def caption_buttons(self):
        """A caption button is copied over the caption whole: the pixels its glyph or plate leave
        free must be exactly the caption's, or a box shows around it. At the picture's own size the
        buttons sit where the layout puts them in the main picture's right-top corner."""
        main, act = self.bmps.get("main.bmp"), self.bmps.get("active.bmp")
        if not main or not act:
            return
        br = parse_rect(self.get("FORMINFO", "buttonsrect") or ZERO)
        x, y = br[2], br[1]
        placed = {}
        for name in ("closebutton", "maxbutton", "minbutton"):
            r = parse_rect(self.get(name, "skinrect") or ZERO)
            w, h = r[2] - r[0], r[3] - r[1]
            placed[name] = (x - w, y)
            x -= int(self.get("FORMINFO", "buttonsoffset") or 0) + w
        cr = parse_rect(self.get("FORMINFO", "captionrect") or ZERO)
        r = parse_rect(self.get("sysmenubutton", "skinrect") or ZERO)
        placed["sysmenubutton"] = (cr[0], cr[1] + (cr[3] - cr[1]) // 2 - (r[3] - r[1]) // 2)
        for name, (ox, oy) in placed.items():
            for key in ("skinrect", "activeskinrect", "downrect", "restorerect"):
                r = parse_rect(self.get(name, key) or ZERO)
                if empty(r):
                    continue
                w, h = r[2] - r[0], r[3] - r[1]
                ring = [(i, 0) for i in range(w)] + [(i, h - 1) for i in range(w)]
                ring += [(0, j) for j in range(h)] + [(w - 1, j) for j in range(h)]
                if key != "skinrect":
                    ring = [(0, 0), (w - 1, 0), (0, h - 1), (w - 1, h - 1)]  # plates cover the rest
                bad = [(i, j) for i, j in ring if act.pixel(r[0] + i, r[1] + j) != main.pixel(ox + i, oy + j)]
                if bad:
                    i, j = bad[0]
                    self.fail(f"{name} {key}: pixel ({i}, {j}) is {act.pixel(r[0] + i, r[1] + j)} over a caption of "
                              f"{main.pixel(ox + i, oy + j)}")

    def seamless(self, pic, R, label, bands):
        """bands: (rect relative to R, 'rows' or 'columns' or 'all') that must be constant along
        rows, along columns, or throughout, so that repeating them leaves no seam."""
        for (x0, y0, x1, y1), how in bands:
            if x1 <= x0 or y1 <= y0:
                continue
            lines = []
            if how == "rows":
                lines = [[(x, y) for x in range(x0, x1)] for y in range(y0, y1)]
            elif how == "columns":
                lines = [[(x, y) for y in range(y0, y1)] for x in range(x0, x1)]
            else:
                lines = [[(x, y) for y in range(y0, y1) for x in range(x0, x1)]]
            for line in lines:
                first = pic.pixel(R[0] + line[0][0], R[1] + line[0][1])
                for x, y in line:
                    if pic.pixel(R[0] + x, R[1] + y) != first:
                        self.fail(f"{label}: the repeated part {(x0, y0, x1, y1)} changes at {(x, y)}, a seam when it tiles")
                        return

    def nine_bands(self, R, LT, RT, LB, RB, C, client=True):
        w, h = R[2] - R[0], R[3] - R[1]
        bands = [
            ((LT[0], 0, RT[0], C[1]), "rows"),
            ((LB[0], C[3], RB[0], h), "rows"),
            ((0, LT[1], C[0], LB[1]), "columns"),
            ((C[2], RT[1], w, RB[1]), "columns"),
        ]
        if client:
            bands.append((C, "all"))
        return bands

    def seams(self):
        """Every part that repeats when a picture grows must repeat without a seam."""
        main = self.bmps.get("main.bmp")
        if main:
            pts = [parse_point(self.get("FORMINFO", k)) for k in ("lefttoppoint", "righttoppoint", "leftbottompoint", "rightbottompoint")]
            self.seamless(main, (0, 0, main.width, main.height), "main.bmp",
                          self.nine_bands((0, 0, main.width, main.height), *pts, parse_rect(self.get("FORMINFO", "clientrect"))))
        for section, client_key in (("POPUPWINDOW", "itemsrect"), ("HINTWINDOW", "clientrect")):
            pic = self.picture_of(self.get(section, "windowpictureindex"))
            if pic:
                R = (0, 0, pic.width, pic.height)
                pts = [parse_point(self.get(section, k)) for k in ("lefttoppoint", "righttoppoint", "leftbottompoint", "rightbottompoint")]
                self.seamless(pic, R, section, self.nine_bands(R, *pts, parse_rect(self.get(section, client_key))))
        for name, kind in self.objects:
            pic = self.picture_of(self.get(name, "activepictureindex"))
            if kind == "menuitem" and pic:
                for key, lo, ro in (("skinrect", "itemleftoffset", "itemrightoffset"),
                                    ("activeskinrect", "itemleftoffset", "itemrightoffset"),
                                    ("dividerrect", "dividerleftoffset", "dividerrightoffset")):
                    R = parse_rect(self.get(name, key))
                    l, r = int(self.get(name, lo)), int(self.get(name, ro))
                    self.seamless(pic, R, f"{name} {key}", [((l, 0, R[2] - R[0] - r, R[3] - R[1]), "rows")])
            if kind == "mainmenubaritem" and pic:
                l, r = int(self.get(name, "itemleftoffset")), int(self.get(name, "itemrightoffset"))
                for key in ("skinrect", "activeskinrect", "downrect"):
                    R = parse_rect(self.get(name, key))
                    self.seamless(pic, R, f"{name} {key}", [((l, 0, R[2] - R[0] - r, R[3] - R[1]), "rows")])
        for name, kind in self.controls:
            pic = self.picture_of(self.get(name, "pictureindex"))
            if not pic or name in PERIODIC:
                continue
            values = self.sections.get(name.lower(), {})
            if kind == "mainmenubar":
                R, items = parse_rect(values["skinrect"]), parse_rect(values["itemsrect"])
                self.seamless(pic, R, name, [((items[0], 0, items[2], R[3] - R[1]), "rows")])
                continue
            if "lefttoppoint" not in values:
                continue
            LT, RT, LB, RB = (parse_point(values[k]) for k in ("lefttoppoint", "righttoppoint", "leftbottompoint", "rightbottompoint"))
            C = parse_rect(values.get("clientrect", ZERO))
            for key in ("skinrect", "activeskinrect", "downskinrect", "disabledskinrect"):
                R = parse_rect(values.get(key, ZERO))
                if empty(R):
                    continue
                w, h = R[2] - R[0], R[3] - R[1]
                if RB[0] and RB[1]:
                    bands = self.nine_bands(R, LT, RT, LB, RB, C)
                elif RT[0] or RT[1]:
                    bands = [((LT[0], 0, RT[0], h), "rows")]
                elif LB[0] or LB[1]:
                    bands = [((0, LT[1], w, LB[1]), "columns")]
                else:
                    continue
                self.seamless(pic, R, f"{name} {key}", bands)

    def ini_text(self):
        with open(os.path.join(self.folder, "skin.ini"), "rb") as f:
            data = f.read()
        try:
            text = data.decode("utf-8")
        except UnicodeDecodeError:
            self.fail("skin.ini is not UTF-8")
            return
        if "宋体" not in text:
            self.fail("skin.ini does not name the font 宋体")
        lines = text.splitlines()
        if not 1400 <= len(lines) <= 1650:
            self.fail(f"skin.ini has {len(lines)} lines; the layout's skin has about 1,500")

    def package(self, path):
        """The packed skin: a zlib stream at the best level, under 40 KB, version 3 inside."""
        if path:
            with open(path, "rb") as f:
                data = f.read()
        else:
            data = zlib.compress(build_package(self.folder), 9)
        if data[:2] != b"\x78\xda":
            self.fail("the package does not start with the zlib header of the best compression level")
        if len(data) >= 40 * 1024:
            self.fail(f"the package is {len(data)} bytes, over 40 KB")
        raw = zlib.decompress(data)
        if struct.unpack_from("<i", raw)[0] != 3:
            self.fail("the package's version is not 3")
        self.package_size = len(data)


def build_package(folder):
    """The decompressed package as the packer lays it out (version, flagged main pictures, active
    pictures, the ini's lines ended by CR LF)."""
    def read(name):
        with open(os.path.join(folder, name), "rb") as f:
            return f.read()

    out = struct.pack("<i", 3)
    out += b"\0" + read("main.bmp") + b"\1" + b"\0" + read("mask.bmp")
    out += struct.pack("<i", len(ACTIVE)) + b"".join(read(n) for n in ACTIVE)
    out += b"".join(line + b"\r\n" for line in read("skin.ini").splitlines())
    return out


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--skin", default=HERE, help="folder holding skin.ini and the bitmaps")
    ap.add_argument("--package", help="a packed skin (raw zlib stream) to check instead of packing here")
    args = ap.parse_args()
    c = Checker(args.skin)
    c.pictures()
    c.ini()
    c.ini_text()
    c.exact_values()
    c.rectangles()
    c.masks()
    c.caption_buttons()
    c.seams()
    c.package(args.package)
    for f in c.failures:
        print("FAIL:", f)
    if c.failures:
        print(f"{len(c.failures)} failed")
        return 1
    print(f"skin checks passed: 11 pictures, {len(c.objects)} objects, {len(c.controls)} controls, "
          f"package {c.package_size} bytes")
    return 0


if __name__ == "__main__":
    sys.exit(main())
