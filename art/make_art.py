#!/usr/bin/env python3
"""Draws every picture of ズモルリバロ as an SVG file in this folder.

The pictures are built from a few shared pieces (the ズモル blob, its eyes and
mouths, the backdrops) so the whole cast keeps one family look. Run it from
anywhere:  python3 art/make_art.py   -- it rewrites the SVGs and art.qrc.

Only what Qt Svg (SVG Tiny 1.2) draws faithfully is used: basic shapes, paths,
linear and radial gradients, transforms and per-element opacity. No filters,
masks, style sheets, text or external references.
"""

import math
import os

HERE = os.path.dirname(os.path.abspath(__file__))

INK = "#3a2230"          # the outline / eye colour of the whole family
CHEEK = "#ff6f91"
MOUTH = "#8a2035"
TONGUE = "#ff8fa3"
TEAR = "#7fd6ff"


# ---------------------------------------------------------------- colours

def _rgb(c):
    c = c.lstrip("#")
    return tuple(int(c[i:i + 2], 16) for i in (0, 2, 4))


def _hex(r, g, b):
    return "#%02x%02x%02x" % tuple(max(0, min(255, int(round(v)))) for v in (r, g, b))


def mix(a, b, t):
    ra, rb = _rgb(a), _rgb(b)
    return _hex(*[ra[i] + (rb[i] - ra[i]) * t for i in range(3)])


def light(c, t=0.4):
    return mix(c, "#ffffff", t)


def dark(c, t=0.35):
    return mix(c, "#000000", t)


def f(v):
    """Compact number formatting for coordinates."""
    s = "%.2f" % v
    s = s.rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s


# ---------------------------------------------------------------- document

class Svg:
    def __init__(self, w, h):
        self.w, self.h = w, h
        self.defs = []
        self.body = []
        self.n = 0
        self.split = None   # how many body items form the backdrop, if the picture has one

    def end_backdrop(self):
        self.split = len(self.body)

    def _id(self, kind):
        self.n += 1
        return "%s%d" % (kind, self.n)

    def lin(self, stops, x1=0, y1=0, x2=0, y2=1, user=False):
        gid = self._id("g")
        units = ' gradientUnits="userSpaceOnUse"' if user else ""
        st = "".join('<stop offset="%s" stop-color="%s"%s/>' % (
            f(o), c, (' stop-opacity="%s"' % f(a)) if a is not None else "")
            for o, c, a in _stops(stops))
        self.defs.append('<linearGradient id="%s" x1="%s" y1="%s" x2="%s" y2="%s"%s>%s</linearGradient>'
                         % (gid, f(x1), f(y1), f(x2), f(y2), units, st))
        return "url(#%s)" % gid

    def rad(self, stops, cx=0.5, cy=0.5, r=0.5, fx=None, fy=None, user=False):
        gid = self._id("r")
        units = ' gradientUnits="userSpaceOnUse"' if user else ""
        foc = ""
        if fx is not None:
            foc = ' fx="%s" fy="%s"' % (f(fx), f(fy))
        st = "".join('<stop offset="%s" stop-color="%s"%s/>' % (
            f(o), c, (' stop-opacity="%s"' % f(a)) if a is not None else "")
            for o, c, a in _stops(stops))
        self.defs.append('<radialGradient id="%s" cx="%s" cy="%s" r="%s"%s%s>%s</radialGradient>'
                         % (gid, f(cx), f(cy), f(r), foc, units, st))
        return "url(#%s)" % gid

    def add(self, s):
        self.body.append(s)

    def text(self):
        head = ('<?xml version="1.0" encoding="UTF-8"?>\n'
                '<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
                'width="%d" height="%d" viewBox="0 0 %d %d">\n' % (self.w, self.h, self.w, self.h))
        defs = "<defs>\n%s\n</defs>\n" % "\n".join(self.defs) if self.defs else ""
        if self.split is None:
            return head + defs + "\n".join(self.body) + "\n</svg>\n"
        return (head + defs + '<g id="backdrop">\n' + "\n".join(self.body[:self.split]) + "\n</g>\n"
                + '<g id="figure">\n' + "\n".join(self.body[self.split:]) + "\n</g>\n</svg>\n")


def _stops(stops):
    out = []
    for s in stops:
        if len(s) == 2:
            out.append((s[0], s[1], None))
        else:
            out.append(s)
    return out


def attrs(fill=None, stroke=None, sw=None, op=None, fop=None, sop=None, cap=None, join=None, extra=""):
    a = []
    a.append('fill="%s"' % (fill if fill else "none"))
    if stroke:
        a.append('stroke="%s"' % stroke)
        if sw is not None:
            a.append('stroke-width="%s"' % f(sw))
    if op is not None:
        a.append('fill-opacity="%s"' % f(op))
        if stroke:
            a.append('stroke-opacity="%s"' % f(op))
    if fop is not None:
        a.append('fill-opacity="%s"' % f(fop))
    if sop is not None:
        a.append('stroke-opacity="%s"' % f(sop))
    if cap:
        a.append('stroke-linecap="%s"' % cap)
    if join:
        a.append('stroke-linejoin="%s"' % join)
    if extra:
        a.append(extra)
    return " ".join(a)


def rect(x, y, w, h, rx=0, **kw):
    r = ' rx="%s"' % f(rx) if rx else ""
    return '<rect x="%s" y="%s" width="%s" height="%s"%s %s/>' % (f(x), f(y), f(w), f(h), r, attrs(**kw))


def circle(cx, cy, r, **kw):
    return '<circle cx="%s" cy="%s" r="%s" %s/>' % (f(cx), f(cy), f(r), attrs(**kw))


def ellipse(cx, cy, rx, ry, rot=0, **kw):
    t = ' transform="rotate(%s %s %s)"' % (f(rot), f(cx), f(cy)) if rot else ""
    return '<ellipse cx="%s" cy="%s" rx="%s" ry="%s"%s %s/>' % (f(cx), f(cy), f(rx), f(ry), t, attrs(**kw))


def path(d, **kw):
    return '<path d="%s" %s/>' % (d, attrs(**kw))


def poly(pts, **kw):
    return '<polygon points="%s" %s/>' % (" ".join("%s,%s" % (f(x), f(y)) for x, y in pts), attrs(**kw))


def line(pts, **kw):
    return '<polyline points="%s" %s/>' % (" ".join("%s,%s" % (f(x), f(y)) for x, y in pts), attrs(**kw))


def group(items, transform=None):
    t = ' transform="%s"' % transform if transform else ""
    return "<g%s>\n%s\n</g>" % (t, "\n".join(items))


def star_pts(cx, cy, r1, r2, n=5, rot=-90):
    pts = []
    for i in range(2 * n):
        r = r1 if i % 2 == 0 else r2
        a = math.radians(rot + i * 180.0 / n)
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


def sparkle(cx, cy, r, col="#ffffff", op=None):
    """A four-pointed twinkle."""
    q = r * 0.22
    d = ("M%s,%s Q%s,%s %s,%s Q%s,%s %s,%s Q%s,%s %s,%s Q%s,%s %s,%s Z" % (
        f(cx), f(cy - r), f(cx + q), f(cy - q), f(cx + r), f(cy), f(cx + q), f(cy + q), f(cx), f(cy + r),
        f(cx - q), f(cy + q), f(cx - r), f(cy), f(cx - q), f(cy - q), f(cx), f(cy - r)))
    return path(d, fill=col, op=op)


def spiral_d(cx, cy, r, turns=2.2, start=0.0):
    pts = []
    steps = int(turns * 18)
    for i in range(steps + 1):
        t = i / float(steps)
        a = start + t * turns * 2 * math.pi
        rr = r * t
        pts.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
    return "M" + " L".join("%s,%s" % (f(x), f(y)) for x, y in pts)


# ---------------------------------------------------------------- the ズモル face

def face(svg, cx, cy, s, expr, sweat=True, cheeks=True, ink=INK):
    """The family face: two glossy oval eyes, a small open mouth and pink cheeks.

    expr: "n" portrait, "w" triumphant, "l" beaten.
    """
    out = []
    ex = 10.5 * s
    if cheeks:
        cop = 0.55 if expr != "w" else 0.75
        for side in (-1, 1):
            out.append(ellipse(cx + side * 16 * s, cy + 5.5 * s, 3.8 * s, 2.4 * s, fill=CHEEK, op=cop))
    if expr == "n":
        for side in (-1, 1):
            x = cx + side * ex
            out.append(ellipse(x, cy, 3.8 * s, 5.2 * s, fill=ink))
            out.append(circle(x + 1.3 * s, cy - 2 * s, 1.6 * s, fill="#ffffff"))
            out.append(circle(x - 1.1 * s, cy + 2.2 * s, 0.75 * s, fill="#ffffff"))
        d = "M%s,%s Q%s,%s %s,%s Z" % (f(cx - 4 * s), f(cy + 6.5 * s), f(cx), f(cy + 14 * s),
                                         f(cx + 4 * s), f(cy + 6.5 * s))
        out.append(path(d, fill=MOUTH, stroke=ink, sw=1.1 * s, join="round"))
        out.append(ellipse(cx, cy + 9.6 * s, 2 * s, 1.1 * s, fill=TONGUE))
    elif expr == "w":
        for side in (-1, 1):
            x = cx + side * ex
            d = "M%s,%s Q%s,%s %s,%s" % (f(x - 4.5 * s), f(cy + 1.5 * s), f(x), f(cy - 6.5 * s),
                                         f(x + 4.5 * s), f(cy + 1.5 * s))
            out.append(path(d, stroke=ink, sw=2.4 * s, cap="round"))
        d = "M%s,%s Q%s,%s %s,%s Z" % (f(cx - 8 * s), f(cy + 4.5 * s), f(cx), f(cy + 22 * s),
                                         f(cx + 8 * s), f(cy + 4.5 * s))
        out.append(path(d, fill=MOUTH, stroke=ink, sw=1.3 * s, join="round"))
        out.append(ellipse(cx, cy + 13.4 * s, 4 * s, 2.4 * s, fill=TONGUE))
        out.append(path("M%s,%s L%s,%s" % (f(cx - 6.6 * s), f(cy + 5.6 * s), f(cx + 6.6 * s), f(cy + 5.6 * s)),
                        stroke="#ffffff", sw=1.4 * s, cap="round"))
    else:  # beaten
        for side in (-1, 1):
            x = cx + side * ex
            out.append(circle(x, cy, 5.4 * s, fill="#ffffff", stroke=ink, sw=0.9 * s))
            out.append(path(spiral_d(x, cy, 4.6 * s, 2.3, 0 if side < 0 else math.pi),
                            stroke=ink, sw=1.1 * s, cap="round", join="round"))
            # streams of tears
            td = "M%s,%s Q%s,%s %s,%s L%s,%s Q%s,%s %s,%s Z" % (
                f(x - 3 * s), f(cy + 4.2 * s), f(x - 4.5 * s), f(cy + 12 * s), f(x - 2.5 * s), f(cy + 22 * s),
                f(x + 1.5 * s), f(cy + 22 * s), f(x + 0.5 * s), f(cy + 12 * s), f(x + 1 * s), f(cy + 5 * s))
            out.append(path(td, fill=TEAR, stroke="#ffffff", sw=0.8 * s, fop=0.9))
        w = 2.6 * s
        d = "M%s,%s" % (f(cx - 6.5 * s), f(cy + 11 * s))
        for i in range(5):
            d += " q%s,%s %s,0" % (f(w / 2), f(-2.6 * s if i % 2 == 0 else 2.6 * s), f(w))
        out.append(path(d, stroke=ink, sw=1.5 * s, cap="round", join="round"))
        if sweat:
            out.append(sweat_drop(cx + 21 * s, cy - 12 * s, 4.5 * s))
    svg.add("\n".join(out))


def sweat_drop(x, y, r):
    d = "M%s,%s Q%s,%s %s,%s A%s,%s 0 1 1 %s,%s Q%s,%s %s,%s Z" % (
        f(x), f(y - 2.2 * r), f(x + 0.9 * r), f(y - 0.8 * r), f(x + r * 0.95), f(y + 0.2 * r),
        f(r), f(r), f(x - r * 0.95), f(y + 0.2 * r), f(x - 0.9 * r), f(y - 0.8 * r), f(x), f(y - 2.2 * r))
    return path(d, fill="#bfeaff", stroke="#3d8fd1", sw=r * 0.25, join="round") + \
        ellipse(x - r * 0.35, y - r * 0.1, r * 0.22, r * 0.4, fill="#ffffff")


def blob_d(cx, cy, w, h, squash=0.12):
    """A soft mochi outline: rounder on top, a little wider and flatter at the bottom."""
    hw, hh = w / 2.0, h / 2.0
    bw = hw * (1 + squash)
    return ("M%s,%s C%s,%s %s,%s %s,%s C%s,%s %s,%s %s,%s "
            "C%s,%s %s,%s %s,%s C%s,%s %s,%s %s,%s Z" % (
                f(cx), f(cy - hh),
                f(cx + hw * 0.62), f(cy - hh), f(cx + hw), f(cy - hh * 0.5), f(cx + hw), f(cy + hh * 0.12),
                f(cx + bw), f(cy + hh * 0.72), f(cx + hw * 0.6), f(cy + hh), f(cx), f(cy + hh),
                f(cx - hw * 0.6), f(cy + hh), f(cx - bw), f(cy + hh * 0.72), f(cx - hw), f(cy + hh * 0.12),
                f(cx - hw), f(cy - hh * 0.5), f(cx - hw * 0.62), f(cy - hh), f(cx), f(cy - hh)))


def blob(svg, cx, cy, w, h, col, squash=0.12, outline=None, sw=1.8):
    fill = svg.rad([(0, light(col, 0.55)), (0.55, col), (1, dark(col, 0.18))], cx=0.38, cy=0.3, r=0.75)
    svg.add(path(blob_d(cx, cy, w, h, squash), fill=fill, stroke=outline or dark(col, 0.55), sw=sw,
                 join="round"))
    # the gloss on the top left
    svg.add(ellipse(cx - w * 0.22, cy - h * 0.3, w * 0.13, h * 0.07, rot=-30, fill="#ffffff", op=0.7))


# ---------------------------------------------------------------- backdrops

def backdrop(svg, c1, c2, expr, ray=None):
    """Opaque backdrop: a soft glow for the portrait, a burst of rays for a win,
    a sunk, greyed gloom for a defeat."""
    w, h = svg.w, svg.h
    if expr == "l":
        c1, c2 = mix(c1, "#8090b8", 0.55), mix(c2, "#303858", 0.6)
    g = svg.rad([(0, c1), (1, c2)], cx=0.5, cy=0.42, r=0.75)
    svg.add(rect(0, 0, w, h, fill=g))
    if expr == "w":
        ray = ray or "#ffffff"
        cx, cy = w / 2.0, h * 0.45
        n = 14
        for i in range(n):
            a0 = 2 * math.pi * i / n
            a1 = a0 + math.pi / n
            R = 90
            svg.add(poly([(cx, cy), (cx + R * math.cos(a0), cy + R * math.sin(a0)),
                          (cx + R * math.cos(a1), cy + R * math.sin(a1))], fill=ray, op=0.28))
    if expr == "l":
        for i, x in enumerate(range(6, w, 9)):
            ln = 16 + (i * 7) % 13
            svg.add(path("M%s,0 L%s,%s" % (f(x), f(x), f(ln)), stroke="#283050", sw=1.6, op=0.45))
    svg.end_backdrop()


def win_sparkles(svg, pts=None):
    pts = pts or [(12, 14, 6), (79, 18, 5), (82, 70, 4.5), (8, 62, 4)]
    for x, y, r in pts:
        svg.add(sparkle(x, y, r, "#fff7b0"))
        svg.add(sparkle(x, y, r * 0.45, "#ffffff"))


def lose_stars(svg, cx, cy, rx=14, ry=4):
    """Little stars circling a dizzy head."""
    svg.add(ellipse(cx, cy, rx, ry, stroke="#fff6a0", sw=0.9, op=0.8))
    for k, a in enumerate((20, 140, 260)):
        x = cx + rx * math.cos(math.radians(a))
        y = cy + ry * math.sin(math.radians(a))
        svg.add(poly(star_pts(x, y, 3.4, 1.5), fill="#ffe95a", stroke="#b88a00", sw=0.6, join="round"))


# ---------------------------------------------------------------- the twelve opponents

def snail(svg, e):
    backdrop(svg, "#efffd8", "#7fcf6a", e, "#fffbd0")
    # a leaf to crawl on
    svg.add(path("M-6,92 Q20,62 60,66 Q90,70 98,92 Z", fill=svg.lin([(0, "#6fd35a"), (1, "#2e9a3c")]),
                 stroke="#21702c", sw=1.4))
    svg.add(path("M4,90 Q40,72 92,84", stroke="#bff5a0", sw=1.4, cap="round", op=0.8))
    # the foot
    svg.add(path("M8,80 Q6,66 22,64 L70,64 Q86,66 86,78 Q80,84 64,83 L20,84 Q8,84 8,80 Z",
                 fill=svg.lin([(0, "#fff0b8"), (1, "#e5be62")]), stroke="#8a6424", sw=1.6, join="round"))
    # the shell with its spiral
    svg.add(circle(60, 44, 23, fill=svg.rad([(0, "#ffd27a"), (0.6, "#f09a3a"), (1, "#b2571e")],
                                                cx=0.4, cy=0.35, r=0.7), stroke="#6e3210", sw=1.8))
    svg.add(path(spiral_d(61, 45, 19, 2.6, math.pi * 0.2), stroke="#8a3e12", sw=2.6, cap="round", op=0.85))
    svg.add(ellipse(52, 30, 6, 3, rot=-30, fill="#ffffff", op=0.6))
    # head
    hx, hy = 27, 52
    ant = [(22, 34, 15, 12), (33, 33, 39, 11)]
    if e == "l":
        ant = [(22, 34, 10, 26), (33, 33, 44, 26)]
    for x0, y0, x1, y1 in ant:
        svg.add(path("M%d,%d Q%d,%d %d,%d" % (x0, y0, (x0 + x1) // 2, y1 - 2, x1, y1),
                     stroke="#8a6424", sw=2.4, cap="round"))
        svg.add(circle(x1, y1, 3.4, fill="#ffe9a0", stroke="#8a6424", sw=1.3))
    blob(svg, hx, hy, 38, 36, "#ffe49a", outline="#8a6424")
    face(svg, hx, hy, 0.8, e)
    if e == "w":
        win_sparkles(svg, [(10, 12, 5), (46, 8, 4), (84, 14, 5), (86, 56, 4)])


def onion(svg, e):
    backdrop(svg, "#e6f8ff", "#7fc4ea", e, "#ffffff")
    # sprouts
    for d, c in (("M45,20 Q36,8 30,-2", "#3faa3a"), ("M45,20 Q52,4 62,0", "#57c44a"),
                 ("M45,22 Q44,8 46,2", "#2f8f2f")):
        svg.add(path(d, stroke=dark(c, 0.3), sw=6, cap="round"))
        svg.add(path(d, stroke=c, sw=3.8, cap="round"))
    # roots
    for x in (38, 43, 48, 53):
        svg.add(path("M45,84 Q%d,88 %d,93" % (x, x + (x - 45)), stroke="#b88d55", sw=1.4, cap="round"))
    bulb = "M45,14 C52,26 84,34 82,58 C80,78 64,86 45,86 C26,86 10,78 8,58 C6,34 38,26 45,14 Z"
    svg.add(path(bulb, fill=svg.rad([(0, "#fffdf0"), (0.55, "#fbe7b0"), (1, "#d9a75a")], cx=0.42, cy=0.45, r=0.65),
                 stroke="#8a5a22", sw=1.8, join="round"))
    for d in ("M45,16 C30,34 20,56 28,84", "M45,16 C60,34 70,56 62,84", "M45,16 C40,40 38,60 40,86",
              "M45,16 C50,40 52,60 50,86"):
        svg.add(path(d, stroke="#c8924a", sw=1.1, op=0.55))
    svg.add(ellipse(26, 46, 4, 8, rot=20, fill="#ffffff", op=0.75))
    face(svg, 45, 60, 0.95, e)
    if e == "w":
        win_sparkles(svg)


def sheep(svg, e):
    backdrop(svg, "#e8f7ff", "#8fd0ff", e, "#ffffff")
    svg.add(path("M0,78 Q45,66 90,78 L90,90 L0,90 Z", fill="#7ed86a" if e != "l" else "#6a9a70"))
    # fleece: a ring of puffs
    cx, cy = 45, 50
    puffs = []
    for i in range(13):
        a = 2 * math.pi * i / 13
        puffs.append((cx + 33 * math.cos(a), cy + 30 * math.sin(a), 12))
    puffs += [(45, 20, 13), (32, 24, 10), (58, 24, 10)]
    for x, y, r in puffs:
        svg.add(circle(x, y, r + 1.2, fill="#b9b2c8"))
    for x, y, r in puffs:
        svg.add(circle(x, y, r, fill=svg.rad([(0, "#ffffff"), (1, "#ece8f2")], cx=0.4, cy=0.35, r=0.7)))
    svg.add(circle(cx, cy, 30, fill="#f4f1f8"))
    # curled horns
    for side in (-1, 1):
        hx = cx + side * 25
        svg.add(circle(hx, 36, 8.5, fill=svg.rad([(0, "#f5d9a8"), (1, "#b98a4a")]), stroke="#7a5424", sw=1.4))
        svg.add(path(spiral_d(hx, 36, 7, 1.8, 0 if side > 0 else math.pi), stroke="#7a5424", sw=1.4,
                     cap="round"))
    # ears
    for side in (-1, 1):
        svg.add(ellipse(cx + side * 26, 54, 8, 4, rot=side * 25, fill="#ffd9c2", stroke="#a8705a", sw=1.2))
    blob(svg, cx, 55, 40, 36, "#ffe6cf", outline="#a8705a")
    # fringe of wool on the forehead
    for x, y, r in ((35, 38, 6), (45, 35, 7), (55, 38, 6)):
        svg.add(circle(x, y, r, fill="#ffffff", stroke="#c8c2d6", sw=1))
    face(svg, cx, 56, 0.9, e)
    if e == "w":
        win_sparkles(svg)


def butterfly(svg, e):
    backdrop(svg, "#fff0f8", "#f5a6cf", e, "#fff6ff")
    for x, y, c in ((10, 82, "#ffd84d"), (80, 84, "#ffffff"), (72, 6, "#ffd84d")):
        for k in range(5):
            a = math.radians(72 * k)
            svg.add(circle(x + 4 * math.cos(a), y + 4 * math.sin(a), 3, fill=c, op=0.9))
        svg.add(circle(x, y, 2.2, fill="#ff8f3a"))
    flap = -8 if e == "w" else (10 if e == "l" else 0)
    for side in (-1, 1):
        tr = "translate(45 48) scale(%d 1) rotate(%d)" % (side, flap)
        wing_hi = svg.lin([(0, "#ffe066"), (0.5, "#ff9f43"), (1, "#ff5e7e")], 0, 0, 1, 1)
        wing_lo = svg.lin([(0, "#7ee8fa"), (1, "#6c7bff")], 0, 0, 1, 1)
        items = [
            path("M0,-6 C-10,-40 -44,-44 -42,-20 C-40,-6 -20,2 0,0 Z", fill=wing_hi, stroke="#5a2a6a", sw=1.6,
                 join="round"),
            circle(-28, -22, 5.5, fill="#ffffff", stroke="#5a2a6a", sw=1),
            circle(-28, -22, 2.6, fill="#6c7bff"),
            circle(-15, -30, 2.6, fill="#ffffff", op=0.8),
            path("M0,2 C-16,4 -34,14 -30,30 C-26,42 -8,32 0,10 Z", fill=wing_lo, stroke="#5a2a6a", sw=1.6,
                 join="round"),
            circle(-18, 22, 3.4, fill="#ffffff", op=0.85),
        ]
        svg.add(group(items, tr))
    for side in (-1, 1):
        svg.add(path("M%s,30 Q%s,12 %s,8" % (f(45 + side * 5), f(45 + side * 8), f(45 + side * 16)),
                     stroke="#5a2a6a", sw=1.8, cap="round"))
        svg.add(circle(45 + side * 16, 8, 3, fill="#ff7fb0", stroke="#5a2a6a", sw=1))
    blob(svg, 45, 52, 32, 40, "#b794f6", outline="#5a2a6a")
    face(svg, 45, 52, 0.78, e, sweat=False)
    if e == "l":
        svg.add(sweat_drop(63, 36, 3.4))
    if e == "w":
        win_sparkles(svg, [(12, 12, 5), (84, 40, 4), (10, 50, 4)])


def brothers(svg, e):
    backdrop(svg, "#fff0d8", "#d98ad0", e, "#fff3c0")
    # the magic mountain far behind
    svg.add(path("M-4,90 L28,40 L44,60 L62,30 L96,90 Z", fill="#8a5cb5", op=0.35))
    for cx, cy, w, h, col, s in ((45, 36, 40, 36, "#7ed957", 0.62),
                                 (24, 66, 34, 30, "#5ec2ff", 0.55),
                                 (67, 68, 30, 27, "#ffbf3d", 0.5)):
        blob(svg, cx, cy, w, h, col)
        face(svg, cx, cy + 1, s, e, sweat=False)
    # the eldest's little top-knot, the youngest's sprout
    svg.add(path("M45,18 Q41,10 46,6 Q48,12 45,18", fill="#4daa34", stroke="#2a6a1c", sw=1))
    svg.add(path("M67,55 Q62,47 58,50 M67,55 Q71,47 76,50", stroke="#3a8a2a", sw=1.6, cap="round"))
    if e == "w":
        win_sparkles(svg, [(12, 14, 5), (80, 16, 5), (86, 44, 4)])
    if e == "l":
        lose_stars(svg, 45, 16, 13, 3.5)
        svg.add(sweat_drop(12, 46, 3.2))


def mushroom(svg, e):
    backdrop(svg, "#efe2ff", "#9b7ad8", e, "#fff6ff")
    for x, h in ((8, 20), (80, 16), (70, 12)):
        svg.add(path("M%d,90 Q%d,%d %d,%d" % (x, x + 2, 90 - h, x + 4, 90 - h - 4), stroke="#4f9a4a", sw=2.4,
                     cap="round"))
    svg.add(ellipse(45, 86, 30, 5, fill="#3e2a6a", op=0.3))
    # stem with the face
    stem = "M27,42 C24,60 22,76 28,84 Q45,90 62,84 C68,76 66,60 63,42 Z"
    svg.add(path(stem, fill=svg.lin([(0, "#fff9ec"), (1, "#f0d9b0")], 0, 0, 1, 0), stroke="#9a7040", sw=1.8,
                 join="round"))
    # cap
    tilt = "rotate(%d 45 30)" % (-6 if e == "w" else (8 if e == "l" else 0))
    cap = [
        path("M4,42 C4,10 86,10 86,42 Q86,48 76,47 Q45,43 14,47 Q4,48 4,42 Z",
             fill=svg.rad([(0, "#ff7a6a"), (0.7, "#e8262e"), (1, "#a8121e")], cx=0.4, cy=0.3, r=0.8),
             stroke="#6e0c14", sw=1.8, join="round"),
        ellipse(45, 16, 8, 5, fill="#ffffff", stroke="#e0d0d0", sw=0.8),
        ellipse(22, 28, 6, 5, rot=-20, fill="#ffffff", stroke="#e0d0d0", sw=0.8),
        ellipse(68, 28, 6, 5, rot=20, fill="#ffffff", stroke="#e0d0d0", sw=0.8),
        ellipse(34, 38, 4, 2.6, fill="#ffffff", op=0.95),
        ellipse(58, 38, 4, 2.6, fill="#ffffff", op=0.95),
        ellipse(10, 38, 2.6, 2.6, fill="#ffffff", op=0.95),
        ellipse(80, 38, 2.6, 2.6, fill="#ffffff", op=0.95),
        path("M12,46 Q45,41 78,46", stroke="#f7d2c4", sw=2.4, cap="round"),
    ]
    svg.add(group(cap, tilt))
    face(svg, 45, 62, 0.85, e, sweat=False)
    if e == "l":
        svg.add(sweat_drop(72, 54, 3.6))
    if e == "w":
        win_sparkles(svg, [(10, 60, 5), (82, 62, 5), (84, 8, 4)])


def pumpkin(svg, e):
    backdrop(svg, "#7a3fb0", "#241040", e, "#ffcf5a")
    svg.add(circle(76, 14, 9, fill="#fff3a8"))
    svg.add(circle(80, 11, 8, fill=mix("#7a3fb0", "#3a1c60", 0.3) if e != "l" else "#4a4a7a"))
    for bx, by in ((14, 18), (72, 40)):
        svg.add(path("M%d,%d q-6,-5 -10,1 q3,-1 5,2 q2,-3 5,-3 q3,0 5,3 q2,-3 5,-2 q-4,-6 -10,-1 Z" % (bx, by),
                     fill="#1a0d2a"))
    # the body: three ribs
    body = svg.rad([(0, "#ffc36a"), (0.6, "#ff8a1f"), (1, "#c2500e")], cx=0.45, cy=0.4, r=0.7)
    svg.add(path("M45,86 C20,86 8,78 8,60 C8,42 22,34 45,36 C68,34 82,42 82,60 C82,78 70,86 45,86 Z",
                 fill=body, stroke="#7a2e06", sw=1.8))
    svg.add(path("M45,86 C30,84 24,74 24,60 C24,46 32,37 45,36 M45,86 C60,84 66,74 66,60 C66,46 58,37 45,36",
                 stroke="#b8480c", sw=1.5, op=0.8))
    svg.add(ellipse(24, 50, 4, 7, rot=25, fill="#ffffff", op=0.45))
    # stem and a little witch's hat, tilted
    svg.add(path("M43,38 Q42,30 47,27 L50,30 Q47,32 47,38 Z", fill="#5a7a2a", stroke="#2e4410", sw=1))
    hat_rot = -14 if e != "l" else 22
    svg.add(group([
        ellipse(0, 0, 20, 4.5, fill="#3a1c60", stroke="#1a0d2a", sw=1.3),
        path("M-11,-1 Q-6,-16 2,-28 Q6,-22 12,-24 Q8,-18 10,-1 Z", fill="#4b2a7a", stroke="#1a0d2a", sw=1.3,
             join="round"),
        path("M-10.5,-3 L10.3,-3 L10.4,-7 L-9.8,-7 Z", fill="#ffcf3a"),
    ], "translate(58 32) rotate(%d)" % hat_rot))
    face(svg, 45, 60, 0.95, e)
    if e == "n":
        # a tiny Halloween fang
        svg.add(path("M46,67 L47.5,70 L49,67 Z", fill="#ffffff"))
    if e == "w":
        win_sparkles(svg, [(10, 40, 5), (84, 60, 4), (30, 10, 4)])


def fuji(svg, e):
    backdrop(svg, "#eaf6ff", "#6fb8f5", e, "#fffbe0")
    svg.add(circle(72, 20, 12, fill="#ff5a4a" if e != "l" else "#b07070"))
    for x, y, s in ((12, 22, 1), (60, 40, 0.7)):
        svg.add(group([ellipse(0, 0, 9, 4, fill="#ffffff"), ellipse(6, -3, 6, 4, fill="#ffffff"),
                       ellipse(-5, -2, 5, 3.5, fill="#ffffff")], "translate(%d %d) scale(%s)" % (x, y, s)))
    mount = "M-2,90 C14,74 24,52 33,28 Q35,24 39,24 L51,24 Q55,24 57,28 C66,52 76,74 92,90 Z"
    svg.add(path(mount, fill=svg.lin([(0, "#6f9cf0"), (1, "#2d4fb0")]), stroke="#1b2f70", sw=1.8,
                 join="round"))
    snow = "M33,28 Q35,24 39,24 L51,24 Q55,24 57,28 L62,42 L57,39 L53,45 L48,38 L43,45 L38,38 L33,44 L28,42 Z"
    svg.add(path(snow, fill="#ffffff", stroke="#b8c8ee", sw=1, join="round"))
    # cheeks are clouds at the foot of the mountain
    face(svg, 45, 62, 0.95, e, ink="#1a1838")
    for x in (8, 82):
        svg.add(group([ellipse(0, 0, 10, 4.5, fill="#ffffff"), ellipse(5, -3, 6, 4, fill="#ffffff")],
                      "translate(%d 84)" % x))
    if e == "w":
        win_sparkles(svg, [(10, 10, 5), (50, 8, 4), (86, 44, 4)])


def coffin(svg, e):
    backdrop(svg, "#4c6a8a", "#131c2e", e, "#c8e6ff")
    svg.add(circle(16, 16, 9, fill="#fff8d0"))
    svg.add(circle(19, 13, 8, fill=mix("#4c6a8a", "#131c2e", 0.4) if e != "l" else "#3a4460"))
    # tombstones
    for x, h in ((6, 16), (80, 14)):
        svg.add(path("M%d,90 L%d,%d Q%d,%d %d,%d L%d,90 Z" % (x - 6, x - 6, 90 - h, x, 90 - h - 7, x + 6,
                                                            90 - h, x + 6), fill="#7a8aa8", stroke="#3a4660",
                     sw=1))
    pts = [(33, 5), (57, 5), (71, 27), (62, 87), (28, 87), (19, 27)]
    tilt = "rotate(%d 45 46)" % (-4 if e == "w" else (6 if e == "l" else 0))
    inner = [(35, 9), (55, 9), (67, 28), (59, 83), (31, 83), (23, 28)]
    svg.add(group([
        poly(pts, fill=svg.lin([(0, "#d9a066"), (0.5, "#b9773d"), (1, "#7a451c")], 0, 0, 1, 0),
             stroke="#3e200a", sw=2, join="round"),
        poly(inner, stroke="#7a451c", sw=1.2, join="round", op=0.8),
        path("M45,12 L45,32 M38,19 L52,19", stroke="#ffd84a", sw=3.6, cap="round"),
        path("M45,12 L45,32 M38,19 L52,19", stroke="#fff4b0", sw=1.2, cap="round"),
        ellipse(28, 40, 2.5, 9, rot=10, fill="#ffffff", op=0.3),
    ], tilt))
    # a pale ghostly patch where the face shows through
    svg.add(group([path(blob_d(45, 58, 34, 30), fill=svg.rad([(0, "#f4f0ff"), (1, "#c8c0e8")]),
                        stroke="#5a4a80", sw=1.4)], tilt))
    face(svg, 45, 57, 0.78, e)
    if e == "n":
        for x, y in ((76, 40), (12, 50)):
            svg.add(path("M%d,%d q3,-6 6,0 q-1,5 -3,8 q-2,-3 -3,-8 Z" % (x, y), fill="#b8f0ff", op=0.7))
    if e == "w":
        win_sparkles(svg, [(80, 14, 5), (84, 56, 4), (8, 48, 4)])


def stealth(svg, e):
    backdrop(svg, "#2a4a8a", "#0a1028", e, "#8ff0ff")
    for x, y in ((8, 8), (30, 14), (70, 6), (84, 28), (14, 40), (78, 80), (10, 78)):
        svg.add(circle(x, y, 0.9, fill="#ffffff"))
    for r in (16, 28, 40):
        svg.add(circle(45, 50, r, stroke="#3cff9a", sw=0.8, op=0.35))
    svg.add(path("M45,10 L45,90 M5,50 L85,50", stroke="#3cff9a", sw=0.6, op=0.3))
    if e == "w":
        for y in (30, 44, 58):
            svg.add(path("M2,%d L16,%d" % (y, y), stroke="#ffffff", sw=1.4, cap="round", op=0.7))
    tilt = "rotate(%d 45 50)" % (0 if e != "l" else 14)
    wing = "M45,22 L88,58 L78,66 L66,60 L56,68 L45,62 L34,68 L24,60 L12,66 L2,58 Z"
    items = [
        path("M34,68 l-2,8 l5,-4 Z M56,68 l2,8 l-5,-4 Z", fill="#ffb347" if e != "l" else "#777777"),
        path(wing, fill=svg.lin([(0, "#8894b0"), (0.6, "#4a5470"), (1, "#262c3e")]), stroke="#10141e", sw=1.6,
             join="round"),
        path("M45,22 L20,52 M45,22 L70,52", stroke="#a8b4d0", sw=0.8, op=0.6),
        path(blob_d(45, 45, 40, 30), fill=svg.rad([(0, "#f0f6ff"), (1, "#aebcd8")], cx=0.4, cy=0.3, r=0.8),
             stroke="#303850", sw=1.4),
        circle(72, 58, 1.6, fill="#ff4a4a"), circle(18, 58, 1.6, fill="#4aff8a"),
    ]
    svg.add(group(items, tilt))
    if e == "l":
        for x, y, r in ((70, 28, 6), (78, 20, 4.5), (84, 12, 3.5)):
            svg.add(circle(x, y, r, fill="#7a7a8a", op=0.7))
        svg.add(group([face_items(svg, 45, 45, 0.72, e)], tilt))
    else:
        face(svg, 45, 45, 0.72, e)
    if e == "w":
        win_sparkles(svg, [(80, 14, 5), (12, 16, 4), (84, 80, 4)])


def face_items(svg, cx, cy, s, e):
    """The face as a string, for pictures that turn it together with the body."""
    keep = svg.body
    svg.body = []
    face(svg, cx, cy, s, e)
    out = "\n".join(svg.body)
    svg.body = keep
    return out


def metal(svg, e):
    backdrop(svg, "#f2f6fb", "#8aa2c4", e, "#ffffff")
    # steel floor plates
    svg.add(rect(0, 78, 90, 12, fill="#5a6a82" if e != "l" else "#4a5060"))
    for x in (6, 36, 66):
        svg.add(circle(x, 84, 1.3, fill="#c8d2e0"))
    chrome = svg.lin([(0, "#fafcff"), (0.28, "#b4bfcc"), (0.5, "#eef2f7"), (0.72, "#7d8898"), (1, "#cdd5e0")],
                     0, 0, 0.3, 1)
    # antenna
    svg.add(path("M45,24 L45,10", stroke="#5a6474", sw=2.2))
    svg.add(circle(45, 8, 4, fill=svg.rad([(0, "#ff9a9a"), (1, "#d01818")], cx=0.35, cy=0.35, r=0.7),
                   stroke="#6a0a0a", sw=1))
    body = ("M45,20 C50,28 56,30 62,34 C78,42 84,56 82,68 C80,80 66,84 45,84 C24,84 10,80 8,68 "
            "C6,56 12,42 28,34 C34,30 40,28 45,20 Z")
    svg.add(path(body, fill=chrome, stroke="#3a4252", sw=2, join="round"))
    svg.add(path("M22,44 Q28,34 38,31", stroke="#ffffff", sw=3, cap="round", op=0.9))
    # seam and rivets
    svg.add(path("M10,70 Q45,78 80,70", stroke="#5a6474", sw=1.2, op=0.8))
    for x, y in ((16, 72), (30, 75.5), (45, 77), (60, 75.5), (74, 72)):
        svg.add(circle(x, y, 1.8, fill="#e8edf3", stroke="#4a5262", sw=0.8))
    # a bolt on the cheek
    svg.add(circle(72, 56, 2.6, fill="#dde3ea", stroke="#4a5262", sw=0.9))
    svg.add(path("M70.4,56 L73.6,56", stroke="#4a5262", sw=0.9))
    face(svg, 43, 55, 0.95, e, ink="#1c2030")
    if e == "w":
        win_sparkles(svg, [(12, 14, 6), (78, 20, 5), (86, 54, 4), (6, 58, 4)])


def electron(svg, e):
    backdrop(svg, "#0f3a6a", "#040c20", e, "#30fff0")
    # a circuit board glowing behind
    trace = "#2cff9a" if e != "l" else "#3a7a6a"
    for d in ("M0,20 L14,20 L22,12 L40,12", "M90,24 L74,24 L66,16 L56,16", "M0,70 L12,70 L20,78 L34,78",
              "M90,66 L80,66 L72,76 L60,76", "M6,40 L6,54", "M84,40 L84,54"):
        svg.add(path(d, stroke=trace, sw=1.2, op=0.6))
    for x, y in ((40, 12), (56, 16), (34, 78), (60, 76), (6, 40), (84, 54)):
        svg.add(circle(x, y, 1.8, fill=trace, op=0.8))
    # glow halo
    svg.add(circle(45, 50, 36, fill=svg.rad([(0, "#7ffcff", 0.55), (1, "#7ffcff", 0)])))
    # the orbit (behind) -- it is an electron after all
    orb = "#ffe95a" if e != "l" else "#a0a0b0"
    svg.add(ellipse(45, 52, 42, 12, rot=-18, stroke=orb, sw=1.4, op=0.85))
    # lightning crest
    svg.add(path("M42,22 L48,8 L47,15 L54,12 L47,27 Z", fill="#ffe95a", stroke="#b88a00", sw=1, join="round"))
    body = svg.rad([(0, "#e8ffff"), (0.5, "#5ee6ff"), (1, "#0a8ad0")], cx=0.4, cy=0.32, r=0.75)
    svg.add(path(blob_d(45, 50, 54, 50), fill=body, stroke="#043a6a", sw=1.8, join="round"))
    svg.add(path("M22,62 L30,62 L34,66 M68,62 L60,62 L56,58 M30,38 L36,38", stroke="#ffffff", sw=1, op=0.7))
    for x, y in ((34, 66), (56, 58), (36, 38)):
        svg.add(circle(x, y, 1.4, fill="#ffffff", op=0.9))
    svg.add(ellipse(33, 33, 7, 3.5, rot=-30, fill="#ffffff", op=0.7))
    face(svg, 45, 50, 0.95, e, ink="#062040")
    # the electrons on their orbit
    ang = math.radians(-18)
    for t in (200, 330):
        a = math.radians(t)
        x, y = 42 * math.cos(a), 12 * math.sin(a)
        px = 45 + x * math.cos(ang) - y * math.sin(ang)
        py = 52 + x * math.sin(ang) + y * math.cos(ang)
        svg.add(circle(px, py, 3.6, fill=svg.rad([(0, "#ffffff"), (1, orb)]), stroke="#8a6a00", sw=0.8))
    if e == "w":
        win_sparkles(svg, [(10, 10, 5), (82, 10, 5), (84, 84, 4)])
    if e == "l":
        for x, y in ((14, 30), (76, 34)):
            svg.add(path("M%d,%d l4,-6 l-1,5 l4,-1 l-5,7 l1,-5 Z" % (x, y), fill="#a0a0b0"))


OPPONENTS = {
    "00": snail, "01": onion, "02": sheep, "03": butterfly,
    "10": brothers, "11": mushroom, "12": pumpkin, "13": fuji,
    "20": coffin, "21": stealth, "22": metal, "23": electron,
}


# ---------------------------------------------------------------- the player's two figures

SKIN = "#ffe1c6"


def human_eyes(svg, cx, cy, e, iris):
    out = []
    for side in (-1, 1):
        x = cx + side * 9
        if e == "w":
            out.append(path("M%s,%s Q%s,%s %s,%s" % (f(x - 4.5), f(cy + 1.5), f(x), f(cy - 5), f(x + 4.5),
                                                     f(cy + 1.5)), stroke=INK, sw=2.2, cap="round"))
        else:
            out.append(ellipse(x, cy, 4, 5.4, fill="#ffffff", stroke=INK, sw=1))
            out.append(ellipse(x, cy + 0.8, 3.1, 4.3, fill=iris))
            out.append(ellipse(x, cy + 1.2, 1.7, 2.4, fill=INK))
            out.append(circle(x + 1.2, cy - 1.5, 1.3, fill="#ffffff"))
            out.append(path("M%s,%s Q%s,%s %s,%s" % (f(x - 4.6), f(cy - 3.6), f(x), f(cy - 7.4), f(x + 4.6),
                                                     f(cy - 3.6)), stroke=INK, sw=1.4, cap="round"))
            if e == "l":
                out.append(path("M%s,%s Q%s,%s %s,%s L%s,%s Z" % (
                    f(x - 2), f(cy + 5), f(x - 4), f(cy + 12), f(x - 1.5), f(cy + 17), f(x + 1), f(cy + 5)),
                    fill=TEAR, stroke="#ffffff", sw=0.6))
        # brows
        if e == "l":
            out.append(path("M%s,%s L%s,%s" % (f(x - side * 4.5), f(cy - 9.5), f(x + side * 3.5), f(cy - 7)),
                            stroke="#5a3a2a", sw=1.6, cap="round"))
        else:
            out.append(path("M%s,%s Q%s,%s %s,%s" % (f(x - 4), f(cy - 9), f(x), f(cy - 11), f(x + 4), f(cy - 9)),
                            stroke="#5a3a2a", sw=1.5, cap="round"))
    svg.add("\n".join(out))


def human_mouth(svg, cx, cy, e):
    if e == "n":
        svg.add(path("M%s,%s Q%s,%s %s,%s" % (f(cx - 4), f(cy), f(cx), f(cy + 4), f(cx + 4), f(cy)),
                     stroke="#a0303a", sw=1.6, cap="round"))
    elif e == "w":
        svg.add(path("M%s,%s Q%s,%s %s,%s Z" % (f(cx - 7), f(cy - 1), f(cx), f(cy + 11), f(cx + 7), f(cy - 1)),
                     fill=MOUTH, stroke=INK, sw=1.1, join="round"))
        svg.add(ellipse(cx, cy + 5, 3.2, 2, fill=TONGUE))
        svg.add(path("M%s,%s L%s,%s" % (f(cx - 5.8), f(cy), f(cx + 5.8), f(cy)), stroke="#ffffff", sw=1.3,
                     cap="round"))
    else:
        d = "M%s,%s" % (f(cx - 6), f(cy + 3))
        for i in range(4):
            d += " q1.5,%s 3,0" % ("-2.4" if i % 2 == 0 else "2.4")
        svg.add(path(d, stroke="#a0303a", sw=1.5, cap="round", join="round"))


def v_sign(svg, x, y, sleeve):
    """A raised hand making the victory sign."""
    svg.add(path("M%s,%s L%s,%s" % (f(x), f(y + 26), f(x + 2), f(y + 8)), stroke=sleeve, sw=7, cap="round"))
    svg.add(path("M%s,%s L%s,%s M%s,%s L%s,%s" % (f(x - 1), f(y + 4), f(x - 5), f(y - 8), f(x + 3), f(y + 4),
                                                 f(x + 6), f(y - 8)), stroke="#c88a6a", sw=4.6, cap="round"))
    svg.add(path("M%s,%s L%s,%s M%s,%s L%s,%s" % (f(x - 1), f(y + 4), f(x - 5), f(y - 8), f(x + 3), f(y + 4),
                                                 f(x + 6), f(y - 8)), stroke=SKIN, sw=3, cap="round"))
    svg.add(circle(x + 1, y + 6, 5, fill=SKIN, stroke="#c88a6a", sw=1))


def hero(svg, e, girl, backdrop_on=True):
    if backdrop_on:
        if girl:
            backdrop(svg, "#fff0f6", "#f7a6c8", e, "#ffffff")
        else:
            backdrop(svg, "#eef8ff", "#86c4f2", e, "#ffffff")
    cx = 45
    hair = "#6a3a1e" if not girl else "#3a2030"
    hair_l = light(hair, 0.25)
    shirt = "#3f8fe8" if not girl else "#ff7fb0"
    if girl:
        # long hair behind the head
        svg.add(path("M20,40 C16,62 18,80 24,86 L66,86 C72,80 74,62 70,40 Z",
                     fill=svg.lin([(0, hair_l), (1, hair)]), stroke=dark(hair, 0.4), sw=1.4))
    # shoulders
    svg.add(path("M14,92 C14,76 26,68 45,68 C64,68 76,76 76,92 Z", fill=svg.lin([(0, light(shirt, 0.2)),
                                                                              (1, dark(shirt, 0.15))]),
                 stroke=dark(shirt, 0.45), sw=1.5))
    if girl:
        svg.add(path("M36,69 L45,78 L54,69", fill="#ffffff", stroke=dark(shirt, 0.4), sw=1.2, join="round"))
        svg.add(path("M41,76 L45,80 L49,76 L45,86 Z", fill="#ff3a6a"))
    else:
        svg.add(path("M38,68 L45,75 L52,68", stroke="#ffffff", sw=2, cap="round", join="round"))
        # a disc on the shirt
        svg.add(circle(45, 83, 5, fill="#222222", stroke="#ffffff", sw=1))
        svg.add(path("M45,78 A5,5 0 0 1 45,88 Z", fill="#ffffff"))
    svg.add(rect(40, 60, 10, 10, fill=SKIN))
    # head
    svg.add(ellipse(24, 44, 3.5, 5, fill=SKIN, stroke="#c88a6a", sw=1))
    svg.add(ellipse(66, 44, 3.5, 5, fill=SKIN, stroke="#c88a6a", sw=1))
    svg.add(ellipse(cx, 40, 21, 23, fill=svg.rad([(0, "#fff3e6"), (1, SKIN)], cx=0.45, cy=0.4, r=0.6),
                    stroke="#c88a6a", sw=1.2))
    # hair on top
    hg = svg.lin([(0, hair_l), (1, hair)])
    if girl:
        svg.add(path("M22,42 C18,16 36,12 45,13 C56,12 74,16 68,42 C66,30 60,24 52,22 C48,30 38,28 34,24 "
                     "C28,28 24,34 22,42 Z", fill=hg, stroke=dark(hair, 0.4), sw=1.3, join="round"))
        # ribbon
        svg.add(path("M62,18 L72,10 L74,22 Z M62,18 L58,6 L52,14 Z", fill="#ff3a6a", stroke="#a0143a", sw=1.1,
                     join="round"))
        svg.add(circle(62, 17, 3, fill="#ff6a8e", stroke="#a0143a", sw=1))
    else:
        svg.add(path("M22,42 C18,30 20,20 28,16 L26,8 L36,13 L40,4 L47,12 L56,5 L58,14 L68,12 L64,20 "
                     "C70,26 70,34 68,42 C66,32 60,28 54,26 L50,32 L46,25 L40,31 L36,25 C28,28 24,34 22,42 Z",
                     fill=hg, stroke=dark(hair, 0.45), sw=1.3, join="round"))
    if not girl or True:
        iris = "#3a7ad8" if not girl else "#8a3ac8"
    human_eyes(svg, cx, 43, e, iris)
    for side in (-1, 1):
        svg.add(ellipse(cx + side * 14, 51, 3.6, 2.2, fill=CHEEK, op=0.5 if e != "w" else 0.7))
    human_mouth(svg, cx, 53, e)
    if e == "w":
        v_sign(svg, 72, 52, shirt)
        if backdrop_on:
            win_sparkles(svg, [(12, 14, 6), (80, 12, 5), (8, 60, 4)])
    if e == "l":
        svg.add(sweat_drop(70, 30, 4))
        if backdrop_on:
            svg.add(path("M14,30 q4,-4 0,-8 q-4,-4 0,-8", stroke="#5a6a9a", sw=1.4, cap="round", op=0.8))


# ---------------------------------------------------------------- the egg and the chick

EGG_SPOTS = [(0.32, 0.3, 0.09, "#b88af0"), (0.65, 0.42, 0.12, "#6ad6e8"), (0.4, 0.68, 0.1, "#ff9ac8"),
             (0.7, 0.75, 0.07, "#b88af0"), (0.25, 0.52, 0.06, "#6ad6e8")]


def egg_d(x, y, w, h):
    cx = x + w / 2.0
    return ("M%s,%s C%s,%s %s,%s %s,%s C%s,%s %s,%s %s,%s C%s,%s %s,%s %s,%s C%s,%s %s,%s %s,%s Z" % (
        f(cx), f(y),
        f(cx + w * 0.36), f(y), f(x + w), f(y + h * 0.38), f(x + w), f(y + h * 0.62),
        f(x + w), f(y + h * 0.88), f(cx + w * 0.28), f(y + h), f(cx), f(y + h),
        f(cx - w * 0.28), f(y + h), f(x), f(y + h * 0.88), f(x), f(y + h * 0.62),
        f(x), f(y + h * 0.38), f(cx - w * 0.36), f(y), f(cx), f(y)))


def egg(svg, x, y, w, h, sw=1.4):
    fill = svg.rad([(0, "#ffffff"), (0.6, "#fff3dc"), (1, "#e8caa0")], cx=0.38, cy=0.32, r=0.75)
    svg.add(path(egg_d(x, y, w, h), fill=fill, stroke="#8a6a4a", sw=sw))
    for sx, sy, r, c in EGG_SPOTS:
        svg.add(ellipse(x + sx * w, y + sy * h, r * w, r * w * 0.85, fill=c, op=0.85))
    svg.add(ellipse(x + w * 0.33, y + h * 0.2, w * 0.1, h * 0.06, rot=-35, fill="#ffffff", op=0.9))
    svg.add(sparkle(x + w * 0.78, y + h * 0.14, w * 0.12, "#fff6a0"))


def shell_half(svg, pts_top, x, y, w, h):
    """The lower half of a broken egg: zigzag rim on top."""
    d = "M" + " L".join("%s,%s" % (f(px), f(py)) for px, py in pts_top)
    d += " C%s,%s %s,%s %s,%s C%s,%s %s,%s %s,%s Z" % (
        f(x + w), f(y + h * 0.9), f(x + w * 0.75), f(y + h), f(x + w / 2.0), f(y + h),
        f(x + w * 0.25), f(y + h), f(x), f(y + h * 0.9), f(pts_top[0][0]), f(pts_top[0][1]))
    fill = svg.rad([(0, "#ffffff"), (0.6, "#fff3dc"), (1, "#e8caa0")], cx=0.4, cy=0.3, r=0.8)
    svg.add(path(d, fill=fill, stroke="#8a6a4a", sw=1.4, join="round"))


def chick(svg, n):
    """The hatched chick, strength n = 1..5: bigger, tougher and grander each step."""
    bgs = {1: ("#f2f4f8", "#aab4c8"), 2: ("#f4ffe8", "#9ad87a"), 3: ("#fff6e0", "#ffc060"),
           4: ("#ffe8d0", "#ff7a3a"), 5: ("#fff4c0", "#b04adf")}
    c1, c2 = bgs[n]
    svg.add(rect(0, 0, 90, 90, fill=svg.rad([(0, c1), (1, c2)], cx=0.5, cy=0.45, r=0.75)))
    if n == 5:
        for i in range(16):
            a0 = 2 * math.pi * i / 16
            a1 = a0 + math.pi / 16
            svg.add(poly([(45, 48), (45 + 90 * math.cos(a0), 48 + 90 * math.sin(a0)),
                          (45 + 90 * math.cos(a1), 48 + 90 * math.sin(a1))], fill="#ffe45a", op=0.45))
    svg.end_backdrop()
    if n == 5:
        svg.add(circle(45, 50, 40, fill=svg.rad([(0, "#fff6a0", 0.9), (1, "#fff6a0", 0)])))
    if n == 4:
        for i, x in enumerate((14, 26, 38, 52, 64, 76)):
            hgt = 26 + (i % 3) * 8
            svg.add(path("M%d,86 Q%d,%d %d,%d Q%d,%d %d,86 Z" % (x - 9, x - 8, 86 - hgt / 2, x, 86 - hgt,
                                                                 x + 8, 86 - hgt / 2, x + 9),
                         fill="#ffd23a", op=0.7))
    size = {1: 34, 2: 40, 3: 48, 4: 54, 5: 58}[n]
    cx = 45
    foot_y = 84
    cy = foot_y - size * 0.52
    body_col = {1: "#fff0a0", 2: "#ffe45a", 3: "#ffd83a", 4: "#ffcc2a", 5: "#ffc41a"}[n]
    # cape behind the champion
    if n == 5:
        svg.add(path("M24,36 C10,56 8,78 14,88 L76,88 C82,78 80,56 66,36 Z",
                     fill=svg.lin([(0, "#ff4a5a"), (1, "#a8102a")]), stroke="#5a0614", sw=1.4))
    # feet
    if n > 1:
        for side in (-1, 1):
            fx = cx + side * size * 0.2
            svg.add(path("M%s,%s l-4,3 M%s,%s l0,4 M%s,%s l4,3" % (f(fx), f(foot_y - 1), f(fx), f(foot_y - 1),
                                                                   f(fx), f(foot_y - 1)),
                         stroke="#e07a10", sw=2.4, cap="round"))
    # the egg shell the little one still sits in
    if n == 1:
        svg.add(ellipse(45, 84, 26, 4, fill="#606a80", op=0.25))
    blob(svg, cx, cy, size, size * 0.96, body_col, outline="#a06a00")
    # wings / arms
    s = size / 40.0
    if n <= 2:
        for side in (-1, 1):
            svg.add(ellipse(cx + side * size * 0.47, cy + size * 0.12, 4.5 * s, 8 * s, rot=side * -25,
                            fill=dark(body_col, 0.08), stroke="#a06a00", sw=1.2))
    elif n == 3:
        for side in (-1, 1):
            x = cx + side * size * 0.5
            svg.add(ellipse(x, cy + 6, 5, 9, rot=side * -35, fill=dark(body_col, 0.08), stroke="#a06a00", sw=1.2))
            svg.add(circle(x + side * 2, cy + 13, 4.4, fill=dark(body_col, 0.05), stroke="#a06a00", sw=1.2))
    else:
        # flexing: a bulging upper arm and a raised fist on each side
        for side in (-1, 1):
            x0 = cx + side * size * 0.44
            arm = ("M%s,%s C%s,%s %s,%s %s,%s C%s,%s %s,%s %s,%s C%s,%s %s,%s %s,%s Z" % (
                f(x0), f(cy + 8),
                f(x0 + side * 12), f(cy + 14), f(x0 + side * 22), f(cy + 4), f(x0 + side * 18), f(cy - 12),
                f(x0 + side * 14), f(cy - 6), f(x0 + side * 10), f(cy + 2), f(x0 + side * 2), f(cy - 2),
                f(x0 - side * 2), f(cy), f(x0 - side * 2), f(cy + 6), f(x0), f(cy + 8)))
            svg.add(path(arm, fill=svg.rad([(0, light(body_col, 0.5)), (1, dark(body_col, 0.1))], cx=0.6,
                                           cy=0.4), stroke="#a06a00", sw=1.4, join="round"))
            svg.add(path("M%s,%s Q%s,%s %s,%s" % (f(x0 + side * 6), f(cy + 4), f(x0 + side * 13), f(cy),
                                                  f(x0 + side * 14), f(cy - 6)),
                         stroke="#a06a00", sw=1, op=0.7))
            svg.add(circle(x0 + side * 18, cy - 14, 5.4, fill=body_col, stroke="#a06a00", sw=1.4))
    # face
    fs = size / 44.0
    fy = cy - size * 0.05
    if n == 1:
        for side in (-1, 1):
            x = cx + side * 8
            svg.add(path("M%s,%s Q%s,%s %s,%s" % (f(x - 3.5), f(fy - 0.5), f(x), f(fy + 2.6), f(x + 3.5),
                                                  f(fy - 0.5)), stroke=INK, sw=1.6, cap="round"))
        svg.add(sweat_drop(cx + 16, cy - 12, 3))
    else:
        for side in (-1, 1):
            x = cx + side * 10.5 * fs
            svg.add(ellipse(x, fy, 3.8 * fs, 5.2 * fs, fill=INK))
            svg.add(circle(x + 1.3 * fs, fy - 2 * fs, 1.6 * fs, fill="#ffffff"))
            if n >= 3:
                svg.add(path("M%s,%s L%s,%s" % (f(x - side * 5 * fs), f(fy - 9 * fs), f(x + side * 4 * fs),
                                                f(fy - 6 * fs)), stroke=INK, sw=2 * fs, cap="round"))
    for side in (-1, 1):
        svg.add(ellipse(cx + side * 15 * fs, fy + 6 * fs, 3.4 * fs, 2.1 * fs, fill=CHEEK, op=0.6))
    bk = 4.5 * fs
    svg.add(path("M%s,%s L%s,%s L%s,%s Z" % (f(cx - bk), f(fy + 4 * fs), f(cx + bk), f(fy + 4 * fs), f(cx),
                                             f(fy + 4 * fs + bk * 1.3)),
                 fill="#ff9a1a", stroke="#b05a00", sw=1, join="round"))
    if n >= 4:
        svg.add(path("M%s,%s L%s,%s" % (f(cx - bk), f(fy + 4 * fs), f(cx + bk), f(fy + 4 * fs)),
                     stroke="#ffffff", sw=1))
    # head gear
    top = cy - size * 0.48
    if n == 1:
        shell_half(svg, [(23, 75), (29, 70), (35, 76), (42, 69), (49, 76), (56, 70), (62, 76), (67, 74)],
                   23, 70, 44, 18)
        for sx, sy, r, c in EGG_SPOTS[:3]:
            svg.add(ellipse(23 + sx * 44, 76 + sy * 9, r * 26, r * 20, fill=c, op=0.8))
        svg.add(path("M45,%s Q41,%s 46,%s" % (f(top + 1), f(top - 6), f(top - 9)), stroke="#a06a00", sw=1.4,
                     cap="round"))
    elif n == 2:
        # still wearing the top of its shell
        zig = [(cx - 15, top + 6), (cx - 10, top + 1), (cx - 5, top + 6), (cx, top), (cx + 5, top + 6),
               (cx + 10, top + 1), (cx + 15, top + 6)]
        d = "M" + " L".join("%s,%s" % (f(x), f(y)) for x, y in zig)
        d += " C%s,%s %s,%s %s,%s C%s,%s %s,%s %s,%s Z" % (
            f(cx + 15), f(top - 8), f(cx + 8), f(top - 14), f(cx), f(top - 14),
            f(cx - 8), f(top - 14), f(cx - 15), f(top - 8), f(cx - 15), f(top + 6))
        cap = [path(d, fill=svg.rad([(0, "#ffffff"), (1, "#f0d8b0")], cx=0.4, cy=0.3, r=0.8), stroke="#8a6a4a",
                    sw=1.3, join="round"),
               ellipse(cx - 5, top - 7, 3, 2.4, fill="#b88af0", op=0.9),
               ellipse(cx + 6, top - 3, 2.4, 2, fill="#6ad6e8", op=0.9),
               ellipse(cx - 8, top - 9, 2, 1.2, rot=-30, fill="#ffffff")]
        svg.add(group(cap, "rotate(-12 %s %s)" % (f(cx), f(top))))
    if n in (3, 4):
        by = top + size * 0.2
        svg.add(path("M%s,%s Q%s,%s %s,%s" % (f(cx - size * 0.47), f(by + 2), f(cx), f(by - 4), f(cx + size * 0.47),
                                              f(by + 2)), stroke="#e8202e", sw=5, cap="round"))
        svg.add(path("M%s,%s l9,-5 M%s,%s l10,1" % (f(cx + size * 0.45), f(by + 1), f(cx + size * 0.45),
                                                  f(by + 2)), stroke="#e8202e", sw=3, cap="round"))
        svg.add(circle(cx, by - 1.5, 2.6, fill="#ffffff", stroke="#e8202e", sw=1))
    if n == 5:
        crown = [(cx - 14, top + 4), (cx - 16, top - 12), (cx - 8, top - 4), (cx, top - 16), (cx + 8, top - 4),
                 (cx + 16, top - 12), (cx + 14, top + 4)]
        svg.add(poly(crown, fill=svg.lin([(0, "#fff6a0"), (1, "#e8a800")]), stroke="#8a5a00", sw=1.4,
                     join="round"))
        for x, y, c in ((cx, top - 3, "#ff3a5a"), (cx - 8, top, "#3ac8ff"), (cx + 8, top, "#3ac8ff")):
            svg.add(circle(x, y, 2, fill=c, stroke="#ffffff", sw=0.6))
        for x, y, r in ((10, 12, 6), (80, 14, 6), (84, 60, 5), (6, 62, 5), (24, 4, 3.5), (66, 4, 3.5)):
            svg.add(sparkle(x, y, r, "#ffffff"))
    if n == 4:
        for x, y in ((10, 14), (80, 16)):
            svg.add(sparkle(x, y, 5, "#fff6a0"))
    if n >= 3:
        stars = n
        for k in range(stars):
            pass


# ---------------------------------------------------------------- lettering

KATA = {
    "ズ": ["M14,22 L64,22 Q60,52 40,70 Q28,81 10,88", "M44,60 L80,88", "M76,4 L80,16", "M88,2 L92,14"],
    "モ": ["M22,18 L78,18", "M10,46 L90,46", "M48,18 L48,72 Q48,88 64,88 L88,88"],
    "ル": ["M30,14 L30,50 Q28,76 10,90", "M58,10 L58,86 Q76,80 92,62"],
    "リ": ["M26,16 L26,56", "M72,10 L72,50 Q70,80 42,92"],
    "バ": ["M34,30 Q30,62 8,86", "M62,30 Q76,58 92,84", "M74,4 L78,16", "M86,2 L90,14"],
    "ロ": ["M16,20 L84,20 L84,86 L16,86 Z", "M16,20 L16,86"],
}

LATIN = {
    "S": "M6,1.5 Q5,0 3,0 Q0,0 0,2.6 Q0,5 3,5 Q6,5 6,7.4 Q6,10 3,10 Q1,10 0,8.5",
    "T": "M0,0 L6,0 M3,0 L3,10",
    "A": "M0,10 L3,0 L6,10 M1.2,6.6 L4.8,6.6",
    "R": "M0,10 L0,0 L3.8,0 Q6,0 6,2.5 Q6,5 3.8,5 L0,5 M3,5 L6,10",
    "Z": "M0,0 L6,0 L0,10 L6,10",
    "U": "M0,0 L0,6.8 Q0,10 3,10 Q6,10 6,6.8 L6,0",
    "M": "M0,10 L0,0 L3,6 L6,0 L6,10",
    "O": "M3,0 C7,0 7,10 3,10 C-1,10 -1,0 3,0 Z",
    "E": "M6,0 L0,0 L0,10 L6,10 M0,5 L4.6,5",
    "V": "M0,0 L3,10 L6,0",
    "I": "M3,0 L3,10",
    " ": "",
}


def _scale_path(d, sx, sy, ox, oy):
    out = []
    num = ""
    toks = []
    for ch in d:
        if ch.isalpha():
            if num:
                toks.append(num)
                num = ""
            toks.append(ch)
        elif ch in " ,":
            if num:
                toks.append(num)
                num = ""
        else:
            num += ch
    if num:
        toks.append(num)
    cmd = None
    idx = 0
    for t in toks:
        if t.isalpha():
            cmd = t
            idx = 0
            out.append(t)
            continue
        v = float(t)
        if cmd in "MLQC":
            v = v * (sx if idx % 2 == 0 else sy) + (ox if idx % 2 == 0 else oy)
        out.append(f(v))
        idx += 1
    s = ""
    for t in out:
        if t[0].isalpha():
            s += " " + t
        else:
            s += ("," if s and not s[-1].isalpha() and s[-1] != " " else "") + t
    return s.strip()


def kata_glyph(svg, ch, x, y, size, fill, outline, sw):
    strokes = [_scale_path(d, size / 100.0, size / 100.0, x, y) for d in KATA[ch]]
    for d in strokes:
        svg.add(path(d, stroke=outline, sw=sw * 1.75, cap="round", join="round"))
    for d in strokes:
        svg.add(path(d, stroke=fill, sw=sw, cap="round", join="round"))
    for d in strokes:
        svg.add(path(d, stroke="#ffffff", sw=sw * 0.22, cap="round", join="round", op=0.55))


def latin_text(svg, text, x, y, h, col, sw, spacing=1.6, under=None):
    s = h / 10.0
    cx = x
    parts = []
    for ch in text:
        d = LATIN[ch]
        w = 2 if ch == "I" else 6
        ox = cx - (2 * s if ch == "I" else 0)
        if d:
            parts.append(_scale_path(d, s, s, ox, y))
        cx += (w + 6 * spacing / 2.0 if ch != " " else 6) * s
    if under:
        for p in parts:
            svg.add(path(p, stroke=under, sw=sw * 2.2, cap="round", join="round"))
    for p in parts:
        svg.add(path(p, stroke=col, sw=sw, cap="round", join="round"))
    return cx


def latin_width(text, h, spacing=1.6):
    s = h / 10.0
    w = 0
    for ch in text:
        cw = 2 if ch == "I" else 6
        w += (cw + 6 * spacing / 2.0 if ch != " " else 6) * s
    return w - 6 * spacing / 2.0 * s


# ---------------------------------------------------------------- title screen pieces

FRAME_PANEL = "#ff9966"     # the colour of the title frame panel
FRAME_INNER = "#fff1dc"


def disc(svg, cx, cy, r, black):
    if black:
        fill = svg.rad([(0, "#6a6a6a"), (0.5, "#222222"), (1, "#050505")], cx=0.38, cy=0.32, r=0.7)
        rim = "#000000"
    else:
        fill = svg.rad([(0, "#ffffff"), (0.6, "#f2f2f2"), (1, "#bdbdbd")], cx=0.38, cy=0.32, r=0.7)
        rim = "#7a7a7a"
    svg.add(circle(cx, cy, r, fill=fill, stroke=rim, sw=max(0.8, r * 0.06)))
    svg.add(circle(cx, cy, r * 0.78, stroke="#ffffff" if black else "#9a9a9a", sw=max(0.5, r * 0.04), op=0.25))
    svg.add(ellipse(cx - r * 0.32, cy - r * 0.4, r * 0.34, r * 0.18, rot=-30, fill="#ffffff",
                    op=0.45 if black else 0.9))


def disc_face(svg, cx, cy, r, black, expr="n"):
    disc(svg, cx, cy, r, black)
    face(svg, cx, cy - r * 0.05, r / 22.0, expr, sweat=False, ink="#ffffff" if black else INK)


def title_picture(svg):
    w, h = svg.w, svg.h
    svg.add(rect(0, 0, w, h, fill=svg.lin([(0, "#141c52"), (0.55, "#3a4fa8"), (0.8, "#f08a6a"),
                                           (1, "#ffd08a")])))
    for i in range(40):
        x = (i * 73) % w
        y = (i * 37) % 110
        svg.add(circle(x, y, 0.6 + (i % 3) * 0.35, fill="#ffffff", op=0.5 + (i % 4) * 0.12))
    svg.add(circle(232, 28, 13, fill="#fff6c0"))
    svg.add(circle(238, 24, 12, fill="#1c2766"))
    # the three stages on the horizon: forest, magic mountain, cyber city
    hz = 128
    svg.add(path("M0,%d L0,108 Q10,92 18,108 Q26,88 36,106 Q46,86 56,104 Q64,94 72,108 L80,%d Z" % (hz, hz),
                 fill="#1f5a3a"))
    svg.add(path("M80,%d L104,80 L114,94 L132,64 L154,100 L166,90 L186,%d Z" % (hz, hz), fill="#5a3a86"))
    svg.add(path("M132,64 L138,76 L132,72 L126,78 Z", fill="#ffffff", op=0.8))
    for x, ht in ((188, 34), (198, 50), (208, 28), (218, 44), (230, 58), (242, 36), (252, 48)):
        svg.add(rect(x, hz - ht, 9, ht, fill="#1c2a5a"))
        for k in range(3, ht - 4, 7):
            svg.add(rect(x + 2, hz - ht + k, 2, 2, fill="#7ffcff", op=0.8))
            svg.add(rect(x + 5, hz - ht + k, 2, 2, fill="#ffe95a", op=0.6))
    # the board in perspective
    svg.add(path("M-40,%d L305,%d L%d,%d L%d,%d Z" % (h, h, w, hz, 0, hz), fill="#1d8a4a"))
    svg.add(rect(0, hz, w, h - hz, fill=svg.lin([(0, "#146a38"), (1, "#23a058")])))
    vx = w / 2.0
    for i in range(-8, 9):
        svg.add(path("M%s,%d L%s,%d" % (f(vx + i * 10), hz, f(vx + i * 48), h), stroke="#0c4a24", sw=1))
    y = hz
    step = 5.0
    while y < h:
        svg.add(path("M0,%s L%d,%s" % (f(y), w, f(y)), stroke="#0c4a24", sw=1))
        y += step
        step *= 1.35
    svg.add(rect(0, hz - 1, w, 2, fill="#ffe0a0", op=0.6))
    for cx, cy, r, b in ((40, 166, 11, True), (222, 170, 12, False), (72, 146, 7, False), (196, 144, 7, True)):
        svg.add(ellipse(cx, cy + r * 0.45, r, r * 0.35, fill="#000000", op=0.3))
        disc_face(svg, cx, cy, r, b)


def title_frame(svg):
    w, h = svg.w, svg.h
    svg.add(rect(0, 0, w, h, fill=FRAME_PANEL))
    svg.add(rect(2, 2, w - 4, h - 4, rx=10, fill=svg.lin([(0, "#c84a1c"), (1, "#8a2a0a")]), stroke="#5a1a04",
                 sw=1.2))
    svg.add(rect(5, 5, w - 10, h - 10, rx=7, fill=svg.lin([(0, "#ffd08a"), (1, "#ff9a4a")])))
    svg.add(rect(8, 8, w - 16, h - 16, rx=5, fill=FRAME_INNER, stroke="#c86a2a", sw=1))
    # a faint board pattern inside
    for x in range(8, w - 8, 12):
        for y in range(8, h - 8, 12):
            if ((x + y) // 12) % 2 == 0:
                svg.add(rect(x, y, min(12, w - 8 - x), min(12, h - 8 - y), fill="#ffe2bc", op=0.55))
    for cx, cy, b in ((9, 9, True), (w - 9, 9, False), (9, h - 9, False), (w - 9, h - 9, True)):
        disc(svg, cx, cy, 6.5, b)


def title_glyph(svg, ch):
    w, h = svg.w, svg.h
    size = min(w, h) - 9
    kata_glyph(svg, ch, (w - size) / 2.0, (h - size) / 2.0, size, svg.lin([(0, "#ffe84a"), (1, "#ff6a1a")],
                                                                           0, 0, 0, h, user=True),
               "#5a1a04", size * 0.13)


def title_disc_glyph(svg, black):
    w, h = svg.w, svg.h
    r = min(w, h) / 2.0 - 2
    disc_face(svg, w / 2.0, h / 2.0, r, black, "w" if black else "n")


def title_subline(svg):
    w, h = svg.w, svg.h
    text = "ZUMORU REVERSI"
    tw = latin_width(text, 8)
    x0 = (w - tw) / 2.0
    latin_text(svg, text, x0, 1.5, 8, "#8a2a0a", 1.4, under="#ffffff")
    for side in (-1, 1):
        xa = x0 - 8 if side < 0 else x0 + tw + 8
        xb = 6 if side < 0 else w - 6
        svg.add(path("M%s,5.5 L%s,5.5" % (f(xa), f(xb)), stroke="#c8501c", sw=1.4, cap="round"))
        svg.add(circle(xa + side * -1, 5.5, 2.8, fill="#222222" if side < 0 else "#ffffff", stroke="#444444",
                       sw=0.8))


def title_big(svg):
    w, h = svg.w, svg.h
    svg.add(rect(0, 0, w, h, fill=FRAME_INNER))
    # a ribbon banner that is a strip of the board
    svg.add(path("M0,10 L14,10 L10,24 L14,38 L0,38 L5,24 Z", fill="#0f5a2e"))
    svg.add(path("M%d,10 L%d,10 L%d,24 L%d,38 L%d,38 L%d,24 Z" % (w, w - 14, w - 10, w - 14, w, w - 5),
                 fill="#0f5a2e"))
    svg.add(rect(10, 2, w - 20, h - 4, rx=6, fill=svg.lin([(0, "#3ac06a"), (1, "#168a44")]), stroke="#0a4a22",
                 sw=1.6))
    for x in range(10 + 21, w - 10, 21):
        svg.add(path("M%d,3 L%d,%d" % (x, x, h - 3), stroke="#0f6a34", sw=1, op=0.7))
    svg.add(path("M11,%s L%d,%s" % (f(h / 2.0), w - 11, f(h / 2.0)), stroke="#0f6a34", sw=1, op=0.7))
    disc_face(svg, 23, h / 2.0, 9.5, True, "w")
    disc_face(svg, w - 23, h / 2.0, 9.5, False, "w")
    size = 34
    gap = 5
    total = 3 * size + 2 * gap
    x = (w - total) / 2.0
    for ch in ("リ", "バ", "ロ"):
        kata_glyph(svg, ch, x, (h - size) / 2.0, size, "#ffffff", "#0a3a18", size * 0.13)
        x += size + gap


def logo(svg):
    w, h = svg.w, svg.h
    svg.add(rect(0, 0, w, h, fill="#000000"))
    svg.add(circle(w / 2.0, h / 2.0, w / 2.0 - 2, fill=svg.rad([(0, "#4ad88a"), (0.7, "#1a8a4a"),
                                                                 (1, "#0a4a22")], cx=0.4, cy=0.35, r=0.7),
                   stroke="#a8ffcf", sw=1.2))
    svg.add(path("M%s,%s L%s,%s M%s,%s L%s,%s" % (f(w / 2.0), f(6), f(w / 2.0), f(h - 6), f(6), f(h / 2.0),
                                                 f(w - 6), f(h / 2.0)), stroke="#0a4a22", sw=1, op=0.7))
    disc(svg, w / 2.0 - 8, h / 2.0 - 6, 11, True)
    disc(svg, w / 2.0 + 8, h / 2.0 + 7, 11, False)
    svg.add(sparkle(w - 12, 12, 6, "#fff6a0"))


def start_button(svg):
    w, h = svg.w, svg.h
    svg.add(rect(0.8, 0.8, w - 1.6, h - 1.6, rx=(h - 2) / 2.0, fill=svg.lin([(0, "#ffb45a"), (0.5, "#ff6a2a"),
                                                                            (1, "#d8401a")]),
                 stroke="#6a1a04", sw=1.4))
    svg.add(rect(5, 2.5, w - 10, h * 0.35, rx=h * 0.17, fill="#ffffff", op=0.35))
    text = "START"
    th = 11
    tw = latin_width(text, th, 1.8)
    x0 = (w - tw) / 2.0 + 6
    svg.add(poly([(x0 - 14, h / 2.0 - 5), (x0 - 14, h / 2.0 + 5), (x0 - 6, h / 2.0)], fill="#ffffff",
                 stroke="#6a1a04", sw=1, join="round"))
    latin_text(svg, text, x0, (h - th) / 2.0, th, "#ffffff", 1.9, spacing=1.8, under="#6a1a04")


def background_tile(svg):
    """100 × 100, repeats seamlessly: discs at the corners and in the middle."""
    svg.add(rect(0, 0, 100, 100, fill="#e3f6e6"))
    for x, y in ((0, 0), (100, 0), (0, 100), (100, 100)):
        svg.add(circle(x, y, 15, fill="#c2e8ca"))
        svg.add(circle(x, y, 11, stroke="#d6f0da", sw=1.2))
    svg.add(circle(50, 50, 15, fill="#f8fffa", stroke="#c2e8ca", sw=1.6))
    svg.add(circle(50, 50, 11, stroke="#e0f3e4", sw=1.2))
    for x, y in ((0, 50), (100, 50), (50, 0), (50, 100)):
        svg.add(circle(x, y, 2, fill="#cdeed3"))
    for x, y in ((25, 75), (75, 25)):
        svg.add(sparkle(x, y, 5, "#ffffff"))
    for x, y in ((25, 25), (75, 75)):
        svg.add(circle(x, y, 1.6, fill="#ffffff"))


def turn_disc(svg, black):
    disc(svg, 20, 20, 17.5, black)


def egg_picture(svg):
    w, h = svg.w, svg.h
    egg(svg, 1.2, 1.2, w - 2.4, h - 2.4, sw=max(0.9, w / 40.0))


def broken_shell(svg):
    """The two halves of the hatched egg lying either side of the chick, with crumbs."""
    svg.add(ellipse(24, 72, 22, 3.5, fill="#5a4a3a", op=0.2))
    svg.add(ellipse(146, 72, 22, 3.5, fill="#5a4a3a", op=0.2))
    left = [(4, 44), (10, 38), (15, 45), (22, 36), (28, 44), (34, 37), (40, 44), (44, 42)]
    svg.add(group([], None))
    keep = svg.body
    svg.body = []
    shell_half(svg, left, 4, 40, 40, 34)
    for sx, sy, r, c in EGG_SPOTS[1:4]:
        svg.body.append(ellipse(4 + sx * 40, 44 + sy * 26, r * 32, r * 26, fill=c, op=0.85))
    lp = svg.body
    svg.body = keep
    svg.add(group(lp, "rotate(-18 24 58)"))
    right = [(126, 42), (130, 36), (136, 44), (142, 37), (148, 45), (154, 36), (160, 43), (166, 44)]
    keep = svg.body
    svg.body = []
    shell_half(svg, right, 126, 40, 40, 34)
    for sx, sy, r, c in EGG_SPOTS[:3]:
        svg.body.append(ellipse(126 + sx * 40, 44 + sy * 26, r * 32, r * 26, fill=c, op=0.85))
    rp = svg.body
    svg.body = keep
    svg.add(group(rp, "rotate(16 146 58)"))
    for x, y, r in ((56, 70, 3), (64, 74, 2.2), (112, 72, 2.6), (104, 75, 2), (120, 66, 1.8)):
        svg.add(poly([(x - r, y + r * 0.6), (x + r * 0.2, y - r), (x + r, y + r * 0.4)], fill="#fff3dc",
                     stroke="#8a6a4a", sw=0.8, join="round"))
    for x, y, r in ((10, 10, 6), (160, 12, 6), (85, 6, 5)):
        svg.add(sparkle(x, y, r, "#fff6a0"))


# ---------------------------------------------------------------- catalogue

PICTURES = []   # (identifier, width, height, painter, note)


def _add(ident, w, h, painter, note):
    PICTURES.append((ident, w, h, painter, note))


def _build_catalogue():
    names = {"00": "ズモル蝸牛", "01": "ズモル玉ねぎ", "02": "ズモル羊", "03": "ズモル蝶",
             "10": "ズモル三兄弟", "11": "ズモルキノコ", "12": "ズモルハロイン", "13": "ズモル富士",
             "20": "ズモル棺桶", "21": "ズモルステルス", "22": "メタルズモル", "23": "ズモル電子"}
    for key, fn in OPPONENTS.items():
        for suf, e, what in (("", "n", "portrait"), ("w", "w", "has won"), ("l", "l", "has lost")):
            h = 89 if key + suf == "23w" else 90
            _add("imgChar" + key + suf, 90, h, (lambda s, fn=fn, e=e: fn(s, e)), "%s, %s" % (names[key], what))
    for ident, girl, e, what in (("imgHelo", False, "n", "the boy"), ("imgHeloW", False, "w", "the boy, won"),
                                 ("imgHeloL", False, "l", "the boy, lost"),
                                 ("imgHeroine", True, "n", "the girl"), ("imgHeroineW", True, "w", "the girl, won"),
                                 ("imgHeroineL", True, "l", "the girl, lost")):
        _add(ident, 90, 90, (lambda s, girl=girl, e=e: hero(s, e, girl)), what)
    _add("Image5", 90, 90, lambda s: hero(s, "n", False, backdrop_on=False),
         "opening: the boy figure to pick, transparent background")
    _add("Image6", 90, 90, lambda s: hero(s, "n", True, backdrop_on=False),
         "opening: the girl figure to pick, transparent background")
    for n in range(1, 6):
        _add("imgEgg%d" % n, 90, 90, (lambda s, n=n: chick(s, n)), "the hatched chick, strength %d" % n)
    _add("imgBack", 100, 100, background_tile, "background tile, repeats seamlessly")
    _add("img1", 265, 185, title_picture, "title screen: the title picture (also the menu and slot pages)")
    _add("Image1", 225, 129, title_frame, "title screen: the frame picture of the title frame")
    sizes = {1: (46, 43), 2: (45, 45), 3: (43, 42), 4: (44, 38), 5: (45, 42)}
    _add("imgTitle1", 46, 43, lambda s: title_glyph(s, "ズ"), "title glyph ズ, transparent")
    _add("imgTitle2", 45, 45, lambda s: title_glyph(s, "モ"), "title glyph モ, transparent")
    _add("imgTitle3", 43, 42, lambda s: title_glyph(s, "ル"), "title glyph ル, transparent")
    _add("imgTitle4", 44, 38, lambda s: title_disc_glyph(s, True), "title glyph: a black disc, transparent")
    _add("imgTitle5", 45, 42, lambda s: title_disc_glyph(s, False), "title glyph: a white disc, transparent")
    _add("imgTitle6", 201, 11, title_subline, "title lettering ZUMORU REVERSI, transparent")
    _add("imgTitle7", 186, 47, title_big, "title lettering リバロ on a board banner, opaque")
    _add("imgLogo", 56, 56, logo, "logo page picture, on black")
    _add("bitStart", 98, 21, start_button, "title screen: the start button's picture (button 102 × 25)")
    _add("BitBtn1", 40, 40, lambda s: turn_disc(s, True), "turn dialog: black disc on 先手, transparent")
    _add("BitBtn2", 40, 40, lambda s: turn_disc(s, False), "turn dialog: white disc on 後手, transparent")
    _add("imgEgg", 33, 41, egg_picture, "the mysterious egg, small (opening story), transparent")
    _add("imgEggAnime", 58, 73, egg_picture, "the whole egg before hatching, transparent")
    _add("imgKara", 170, 77, broken_shell, "the broken shell, transparent")
    del sizes


def main():
    _build_catalogue()
    for ident, w, h, painter, _ in PICTURES:
        svg = Svg(w, h)
        painter(svg)
        with open(os.path.join(HERE, ident + ".svg"), "w", encoding="utf-8") as fp:
            fp.write(svg.text())
    qrc = ['<!DOCTYPE RCC>', '<RCC version="1.0">', '<qresource prefix="/art">']
    qrc += ['    <file>%s.svg</file>' % p[0] for p in PICTURES]
    qrc += ['</qresource>', '</RCC>', '']
    with open(os.path.join(HERE, "art.qrc"), "w", encoding="utf-8") as fp:
        fp.write("\n".join(qrc))
    with open(os.path.join(HERE, "README.md"), "w", encoding="utf-8") as fp:
        fp.write(readme())
    print("%d pictures written" % len(PICTURES))


def readme():
    rows = "\n".join("| `%s` | %d × %d | %s |" % (i, w, h, note) for i, w, h, _, note in PICTURES)
    return README_HEAD + rows + "\n" + README_TAIL


README_HEAD = """# Pictures

Every picture of the game is an SVG in this folder, named after its picture or widget
identifier, and compiled into the program by `art.qrc` under the prefix `/art`:
the portrait of ズモル蝸牛 is `:/art/imgChar00.svg`. Load with `QSvgRenderer`; the
width and height of each file are its size in pixels in the game.

The SVGs are generated: edit `make_art.py` and run `python3 art/make_art.py`, which
rewrites every SVG, `art.qrc` and this file. `tools/render_art.sh OUTDIR` renders them all
to PNG with a contact sheet, for looking at them.

Only what Qt Svg (SVG Tiny 1.2) draws faithfully is used: shapes, paths, linear and radial
gradients, transforms, fill and stroke opacity. No filters, masks, style sheets, text,
embedded bitmaps or external references. Lettering is drawn as paths.

## Backdrop and figure

Faces, figures and chicks are opaque squares with a backdrop colour of their own. Their
SVG keeps that backdrop in `<g id="backdrop">` and everything else in `<g id="figure">`.
Where the game shows a picture "transparent" over another one (the chick `imgHina` over the
broken shell and the page background on the hatching page, for instance) draw only the figure:

```cpp
QSvgRenderer r(QStringLiteral(":/art/imgEgg3.svg"));
QPainter p(&pixmap);                       // pixmap: the full 90 × 90, cleared to transparent
p.scale(pixmap.width() / r.viewBoxF().width(), pixmap.height() / r.viewBoxF().height());
r.render(&p, QStringLiteral("figure"), r.boundsOnElement(QStringLiteral("figure")));
```

The pictures that are transparent by design (the title glyphs 1 to 6, the figure choices
`Image5` and `Image6`, the eggs, the broken shell, the two disc pictures) have no backdrop
at all.

## Names shared with other widgets

A few identifiers below are widget names that appear on more than one screen; the file is the
picture of the widget named in the table:

- `img1` is the title screen's title picture (the slot pages and the menu copy it too);
  the opening window's `img1` shows `imgBack` instead.
- `Image1` is the title screen's frame picture inside the title frame `Panel7`; the other
  screens' `Image1` … `Image4` show `imgBack`.
- `BitBtn1` and `BitBtn2` are the disc pictures of the turn dialog's "先手" and "後手"
  buttons; the title menu's buttons of the same names have no picture.
- `imgEgg` is the small egg of the opening story (33 × 41); the opponent selection screen's
  empty `imgEgg` slot of the same size may show it too.

## Sizes not given by the game's design, chosen here

- `imgLogo` 56 × 56: at (105, 53) on the black logo page it ends just above `lblLogo` (y 110)
  and sits in the middle of the 265-pixel page.
- `bitStart` 98 × 21: the picture inside the 102 × 25 start button, leaving a 2-pixel bevel.
- `BitBtn1`, `BitBtn2` 40 × 40, `imgEgg` 33 × 41, `imgEggAnime` 58 × 73, `imgKara` 170 × 77,
  `Image5`, `Image6` 90 × 90: the sizes of the images that show them.
- The broken shell lies in two halves at the left and right ends of `imgKara`, so the chick
  (`imgHina` at (88, 72)) stands between them on the hatching page.

## The title

The title frame (`Image1`, filled around its border with the frame colour #FF9966) reads, top to
bottom: ズ モル (glyphs 1–3) with a black and a white disc (glyphs 4–5), the thin line
"ZUMORU REVERSI" (glyph 6), and リバロ on a green board banner (glyph 7, opaque, its corners in the
frame's inner colour #FFF1DC).

## Every picture

| Identifier | Size (px) | What it shows |
|---|---|---|
"""

README_TAIL = ""


if __name__ == "__main__":
    main()
