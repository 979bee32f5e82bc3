"""The four birds, drawn from a handful of parts (tail, wings, body, head, beak,
legs, one signature accessory each) so every pose of a bird shares one shape.

Coordinates are "bird units": the body is centred on (0, 0), the bird faces
right (+x), y grows downwards as in SVG.
"""

import math

from svgkit import (INK, WHITE, BIRD_COLOURS, circle, ellipse, path, poly, line, group,
                    highlight, star, translate, rotate, scale, uid, darken, lighten, mix,
                    fit, polyline)

SW = 4.5  # outline width in bird units

CHARACTERS = {
    1: dict(name="RoziDoro", nick="Myna",
            body=(46, 38), head=(34, -30), head_r=29, beak=(26, 22), eye_r=10,
            tail="fan", tail_len=30, legs=16, beak_col="#ffd23f", leg_col="#f6a21a",
            accessory="crest"),
    2: dict(name="VadozaVaza", nick="Zuva",
            body=(58, 28), head=(54, -20), head_r=24, beak=(38, 16), eye_r=9,
            tail="streamers", tail_len=48, legs=18, beak_col="#ff9f1c", leg_col="#ff9f1c",
            accessory="headphones"),
    3: dict(name="DovaDizavov", nick="Zora",
            body=(58, 36), head=(46, -24), head_r=30, beak=(24, 24), eye_r=10,
            tail="stub", tail_len=24, legs=14, beak_col="#ffb400", leg_col="#e98a12",
            accessory="tricorn"),
    4: dict(name="DoruZuvo", nick="Rure",
            body=(54, 50), head=(30, -44), head_r=26, beak=(20, 18), eye_r=9,
            tail="tuft", tail_len=22, legs=12, beak_col="#e8703a", leg_col="#e8703a",
            accessory="tuft"),
    # Not a player: the saucer's pilot, a grumpy space crow with an antenna.
    5: dict(name="SaucerPilot", nick="Pilot",
            body=(50, 38), head=(36, -28), head_r=28, beak=(24, 18), eye_r=10,
            tail="stub", tail_len=22, legs=14, beak_col="#c8ff3f", leg_col="#c8ff3f",
            accessory="antenna", colour="#8f6bd1"),
}

for _cid, _c in CHARACTERS.items():
    colour = _c.get("colour") or BIRD_COLOURS[_cid]
    _c["colour"] = colour
    _c["wing_col"] = darken(colour, 0.22)
    _c["belly_col"] = lighten(colour, 0.62)


def extent(cid):
    """Bounding box (x0, y0, x1, y1) of the bird in any pose, with room for
    raised wings, stars above the head and a dropping below."""
    c = CHARACTERS[cid]
    rx, ry = c["body"]
    hx, hy = c["head"]
    r = c["head_r"]
    x0 = -rx - c["tail_len"] - 8
    x1 = max(hx + r + c["beak"][0] + 22, rx + 10)
    y0 = min(hy - r - 34, -ry - 40)
    y1 = ry + c["legs"] + 22
    return x0, y0, x1, y1


# ---- parts -----------------------------------------------------------------

def _tail(c, flash):
    rx, ry = c["body"]
    col = c["wing_col"] if not flash else lighten(c["wing_col"], 0.4)
    L = c["tail_len"]
    x = -rx * 0.8
    kind = c["tail"]
    out = []
    if kind == "fan":
        for a in (-28, 0, 24):
            out.append(group(path("M 0 -9 C %f -16 %f -12 %f 0 C %f 12 %f 14 0 9 Z" % (
                -L * 0.6, -L, -L * 1.1, -L, -L * 0.6), col, SW),
                translate(x, -4) + " " + rotate(a)))
    elif kind == "streamers":
        for a, ln in ((-18, 1.0), (6, 1.2)):
            out.append(group(path("M 0 -6 C %f -10 %f -14 %f -6 C %f 4 %f 8 0 6 Z" % (
                -L * 0.5, -L * ln, -L * ln * 1.15, -L * ln * 0.9, -L * 0.5), col, SW),
                translate(x, -2) + " " + rotate(a)))
    elif kind == "stub":
        out.append(poly([(x + 6, -14), (x - L, -22), (x - L * 0.8, 0), (x - L, 18), (x + 6, 12)],
                        col, SW))
    else:  # tuft
        for a in (-30, 0, 30):
            out.append(group(path("M 0 -8 Q %f -14 %f 0 Q %f 14 0 8 Z" % (-L * 0.7, -L, -L * 0.7),
                                  col, SW), translate(x + 4, 4) + " " + rotate(a)))
    return "".join(out)


def _wing(c, angle, flash, far=False):
    rx, ry = c["body"]
    L = rx * 0.95
    T = ry * 0.55
    col = c["wing_col"] if not far else darken(c["wing_col"], 0.18)
    if flash:
        col = lighten(col, 0.4)
    d = ("M 4 %f C %f %f %f %f %f 0 C %f %f %f %f 4 %f Z" % (
        -T * 0.5, -L * 0.35, -T * 1.25, -L * 0.85, -T * 0.8, -L,
        -L * 0.75, T * 0.55, -L * 0.3, T * 0.95, T * 0.45))
    feathers = "".join(
        path("M %f %f Q %f %f %f %f" % (-L * f, -T * 0.25, -L * (f + 0.12), T * 0.1,
                                        -L * (f + 0.06), T * 0.45), "none", SW * 0.6)
        for f in (0.45, 0.68))
    sx, sy = rx * 0.12, -ry * 0.18
    if far:
        sx, sy = rx * 0.02, -ry * 0.32
    return group(path(d, col, SW) + feathers, translate(sx, sy) + " " + rotate(angle))


def _legs(c, mode):
    rx, ry = c["body"]
    L = c["legs"]
    col = c["leg_col"]
    out = []
    for lx in (-rx * 0.18, rx * 0.16):
        top = (lx, ry * 0.8)
        if mode == "tuck":
            foot = (lx - L * 0.9, ry * 0.8 + L * 0.5)
        elif mode == "squat":
            foot = (lx + 2, ry * 0.8 + L * 0.45)
        else:
            foot = (lx, ry * 0.8 + L)
        out.append(line(top[0], top[1], foot[0], foot[1], SW * 1.5, INK))
        out.append(line(top[0], top[1], foot[0], foot[1], SW * 0.7, col))
        if mode != "tuck":
            for dx in (-7, 0, 8):
                out.append(line(foot[0], foot[1], foot[0] + dx, foot[1] + 4, SW * 0.9, INK))
    return "".join(out)


def _eye(c, ex, ey, mood):
    r = c["eye_r"]
    out = []
    if c["accessory"] == "crest":
        # A myna's bare yellow skin around the eye.
        out.append(ellipse(ex + 2, ey + 1, r * 1.55, r * 1.35, c["beak_col"], 0))
    if mood == "x":
        for s in (1, -1):
            out.append(line(ex - r * 0.8, ey - r * 0.8 * s, ex + r * 0.8, ey + r * 0.8 * s, SW * 1.1))
        return "".join(out)
    if mood == "blink":
        out.append(path("M %f %f Q %f %f %f %f" % (ex - r, ey, ex, ey + r * 0.7, ex + r, ey),
                        "none", SW))
        return "".join(out)
    if mood == "squeeze":
        out.append(polyline([(ex - r * 0.8, ey - r * 0.7), (ex + r * 0.6, ey),
                             (ex - r * 0.8, ey + r * 0.7)], SW))
        return "".join(out)
    if mood == "happy":
        out.append(path("M %f %f Q %f %f %f %f" % (ex - r, ey + r * 0.3, ex, ey - r * 1.1,
                                                   ex + r, ey + r * 0.3), "none", SW * 1.1))
        return "".join(out)
    out.append(circle(ex, ey, r, WHITE, SW * 0.8))
    pr = r * 0.55
    out.append(circle(ex + r * 0.28, ey + (r * 0.1 if mood != "dizzy" else -r * 0.2), pr, INK, 0))
    out.append(circle(ex + r * 0.1, ey - r * 0.25, pr * 0.38, WHITE, 0))
    if c["accessory"] == "tuft" and mood == "normal":
        # Heavy, sleepy lids.
        out.append(path("M %f %f A %f %f 0 0 1 %f %f Z" % (ex - r, ey - r * 0.05, r, r, ex + r,
                                                          ey - r * 0.05), c["colour"], SW * 0.8))
    if mood == "angry":
        out.append(line(ex - r * 1.1, ey - r * 1.5, ex + r * 0.9, ey - r * 0.7, SW * 1.2))
    return "".join(out)


def _beak(c, bx, by, open_):
    L, H = c["beak"]
    col = c["beak_col"]
    bw = SW * 0.75
    gap = open_ * H * 0.9
    if c["accessory"] == "tricorn":
        # A short hooked beak.
        upper = path("M %f %f Q %f %f %f %f Q %f %f %f %f Z" % (
            bx, by - H * 0.55, bx + L * 1.1, by - H * 0.6, bx + L, by + H * 0.35 - gap * 0.3,
            bx + L * 0.6, by - gap * 0.4, bx, by + H * 0.05 - gap * 0.3), col, bw)
        lower = poly([(bx, by + H * 0.05 + gap * 0.2), (bx + L * 0.65, by + H * 0.05 + gap * 0.6),
                      (bx, by + H * 0.5 + gap * 0.3)], darken(col, 0.12), bw)
        return lower + upper
    upper = poly([(bx - 2, by - H * 0.5), (bx + L, by - gap * 0.5), (bx - 2, by + 0.02 * H - gap * 0.3)],
                 col, bw)
    lower = poly([(bx - 2, by + 0.02 * H + gap * 0.3), (bx + L * 0.85, by + gap * 0.6 + H * 0.05),
                  (bx - 2, by + H * 0.45 + gap * 0.3)], darken(col, 0.12), bw)
    return lower + upper


def _accessory_back(c, hx, hy):
    r = c["head_r"]
    if c["accessory"] == "headphones":
        return path("M %f %f A %f %f 0 0 1 %f %f" % (hx - r * 0.55, hy + r * 0.2, r * 1.05, r * 1.1,
                                                    hx + r * 0.55, hy - r * 0.35),
                    "none", SW * 2.6) + path(
            "M %f %f A %f %f 0 0 1 %f %f" % (hx - r * 0.55, hy + r * 0.2, r * 1.05, r * 1.1,
                                             hx + r * 0.55, hy - r * 0.35), "none", SW * 1.2,
            stroke="#5b4f78")
    if c["accessory"] == "crest":
        # A jagged lightning crest, the myna's spark.
        return poly([(hx - r * 0.5, hy - r * 0.7), (hx - r * 0.9, hy - r * 1.55),
                     (hx - r * 0.25, hy - r * 1.05), (hx - r * 0.1, hy - r * 1.75),
                     (hx + r * 0.25, hy - r * 0.95), (hx + r * 0.3, hy - r * 0.7)],
                    c["beak_col"], SW)
    if c["accessory"] == "antenna":
        return (path("M %f %f q -6 -22 8 -34" % (hx - r * 0.1, hy - r * 0.9), "none", SW) +
                circle(hx + r * 0.2, hy - r * 2.1, r * 0.22, "#c8ff3f", SW * 0.8))
    if c["accessory"] == "tuft":
        out = []
        for a in (-35, -5, 25):
            out.append(group(path("M 0 0 Q -6 -16 2 -26 Q 8 -14 4 0 Z", c["wing_col"], SW * 0.8),
                             translate(hx - 2, hy - r * 0.85) + " " + rotate(a)))
        return "".join(out)
    return ""


def _accessory_front(c, hx, hy):
    r = c["head_r"]
    if c["accessory"] == "headphones":
        cup_x, cup_y = hx - r * 0.5, hy + r * 0.15
        return (ellipse(cup_x, cup_y, r * 0.34, r * 0.46, "#ff4fa3", SW) +
                ellipse(cup_x + 2, cup_y, r * 0.14, r * 0.24, "#ffd1e8", 0) +
                highlight(cup_x - 3, cup_y - 6, 3, 6, 0.6))
    if c["accessory"] == "tricorn":
        hat = path("M %f %f Q %f %f %f %f Q %f %f %f %f Q %f %f %f %f Q %f %f %f %f Z" % (
            hx - r * 1.25, hy - r * 0.45,
            hx - r * 0.9, hy - r * 1.05, hx - r * 0.55, hy - r * 1.55,
            hx, hy - r * 1.35, hx + r * 0.55, hy - r * 1.55,
            hx + r * 0.95, hy - r * 1.05, hx + r * 1.25, hy - r * 0.45,
            hx, hy - r * 0.85, hx - r * 1.25, hy - r * 0.45), "#2d2a3a", SW)
        trim = path("M %f %f Q %f %f %f %f" % (hx - r * 1.12, hy - r * 0.52, hx, hy - r * 0.95,
                                               hx + r * 1.12, hy - r * 0.52), "none", SW * 0.9,
                    stroke="#ffcf3f")
        skull = circle(hx, hy - r * 1.2, r * 0.17, WHITE, SW * 0.5) + \
            line(hx - r * 0.2, hy - r * 0.92, hx + r * 0.2, hy - r * 1.05, SW * 0.6, WHITE) + \
            line(hx + r * 0.2, hy - r * 0.92, hx - r * 0.2, hy - r * 1.05, SW * 0.6, WHITE)
        earring = circle(hx - r * 0.35, hy + r * 0.55, r * 0.16, "none", SW * 0.8, stroke="#ffcf3f")
        return earring + hat + trim + skull
    if c["accessory"] == "tuft":
        return ellipse(hx + r * 0.42, hy + r * 0.45, r * 0.26, r * 0.15, "#ff8fa3", 0, opacity=0.7)
    return ""


# ---- whole bird ------------------------------------------------------------

def bird(cid, wing=0.0, head_dx=0.0, head_dy=0.0, beak_open=0.0, mood="normal",
         legs="stand", squash=1.0, flash=False, far_wing=None):
    """One bird in bird units, facing right."""
    c = CHARACTERS[cid]
    rx, ry = c["body"]
    hx, hy = c["head"]
    hx += head_dx
    hy += head_dy
    r = c["head_r"]
    body_col = c["colour"] if not flash else lighten(c["colour"], 0.45)
    belly_col = c["belly_col"]
    clip = uid("body")
    out = [
        _tail(c, flash),
        _wing(c, wing + 12 if far_wing is None else far_wing, flash, far=True),
        _legs(c, legs),
        '<clipPath id="%s"><ellipse cx="0" cy="0" rx="%s" ry="%s"/></clipPath>' % (clip, rx, ry * squash),
        ellipse(0, 0, rx, ry * squash, body_col, SW),
        group(ellipse(rx * 0.3, ry * 0.45 * squash, rx * 0.62, ry * 0.62 * squash, belly_col, 0),
              clip=clip),
        highlight(-rx * 0.3, -ry * 0.45 * squash, rx * 0.35, ry * 0.18, 0.35),
        ellipse(0, 0, rx, ry * squash, "none", SW),
        _accessory_back(c, hx, hy),
        circle(hx, hy, r, body_col, SW),
        highlight(hx - r * 0.35, hy - r * 0.45, r * 0.35, r * 0.18, 0.4),
        _accessory_front(c, hx, hy) if c["accessory"] != "tricorn" else "",
        _eye(c, hx + r * 0.32, hy - r * 0.12, mood),
        _beak(c, hx + r * 0.8, hy + r * 0.12, beak_open),
        _accessory_front(c, hx, hy) if c["accessory"] == "tricorn" else "",
        _wing(c, wing, flash),
    ]
    return "".join(out)


def dung(x, y, s=1.0):
    """The cartoon dropping: a three-tier swirl with a shine."""
    body = (path("M -14 6 Q -16 -2 -8 -3 Q -10 -10 -2 -12 Q 0 -20 6 -18 Q 4 -12 10 -9 "
                 "Q 17 -6 14 2 Q 20 4 16 10 Q 0 14 -14 10 Z", "#8a5a2b", 3) +
            highlight(-4, -8, 4, 2, 0.45))
    return group(body, translate(x, y) + " " + scale(s))


def pose(cid, action, k):
    """The k-th cell (0..4) of one of the five animations."""
    extras = ""
    kw = {}
    dy = 0.0
    tilt = 0.0
    c = CHARACTERS[cid]
    rx, ry = c["body"]
    if action == "Idle":
        dy = [0, -2, -3, -2, 0][k]
        kw = dict(wing=[0, 3, 6, 3, 0][k], mood="blink" if k == 3 else "normal")
    elif action == "Flap":
        kw = dict(wing=[70, 35, -25, -5, 40][k], far_wing=[80, 45, -15, 5, 50][k], legs="tuck",
                  beak_open=0.15)
        dy = [-6, -8, -2, 0, -4][k]
        if k in (2, 3):
            extras += "".join(path("M %f %f q -12 4 -22 0" % (-rx * 0.2 - 6, ry + 6 + 8 * i),
                                   "none", 3, opacity=0.6) for i in range(2))
    elif action == "Hurt":
        tilt = [-10, 8, -6, 6, -3][k]
        kw = dict(wing=[50, -10, 40, 0, 25][k], mood="x", flash=(k % 2 == 1), beak_open=0.5)
        hx, hy = c["head"]
        r = c["head_r"]
        for i in range(3):
            a = math.radians(k * 24 + i * 120)
            extras += star(hx + math.cos(a) * r * 1.1, hy - r * 1.25 + math.sin(a) * r * 0.3, 8,
                           "#ffd23f", 2.5)
        extras += group(path("M 0 0 q 6 -10 14 -6 q -4 8 -14 6 z", c["wing_col"], 2.5),
                        translate(-rx - 10 + k * 3, -ry - 6 - k * 4) + " " + rotate(k * 40))
    elif action == "Peck":
        d = [0, 10, 24, 30, 12][k]
        kw = dict(head_dx=d, head_dy=d * 0.55, beak_open=[0.1, 0.5, 0.9, 0.2, 0.4][k],
                  wing=[10, 20, 35, 15, 10][k], mood="angry")
        tilt = d * 0.35
        if k in (2, 3):
            hx, hy = c["head"]
            bx = hx + d + c["head_r"] * 0.8 + c["beak"][0] + 8
            by = hy + d * 0.55 + 6
            for a in (-40, 0, 40):
                ar = math.radians(a)
                extras += line(bx + math.cos(ar) * 6, by + math.sin(ar) * 6,
                               bx + math.cos(ar) * 18, by + math.sin(ar) * 18, 3.5, INK)
    elif action == "Shit":
        kw = dict(legs="squat", squash=[1.0, 0.93, 0.9, 0.95, 1.0][k],
                  mood=["normal", "squeeze", "squeeze", "happy", "happy"][k], wing=[0, 15, 20, 10, 0][k])
        dy = [0, 4, 6, 2, 0][k]
        if k >= 1:
            drop_y = ry * 0.7 + [0, 4, 16, 30, 40][k]
            extras += dung(-rx * 0.75, drop_y, 0.8)
        if k in (1, 2):
            extras += "".join(line(rx * 0.2 + 12 * i, -ry - 10, rx * 0.2 + 12 * i + 4, -ry - 22, 3)
                              for i in range(2))
    body = bird(cid, **kw)
    return extras + group(body, translate(0, dy) + " " + rotate(tilt))


def cell(cid, action, k, w, h):
    x0, y0, x1, y1 = extent(cid)
    return fit(pose(cid, action, k), x1 - x0, y1 - y0, w, h, 0.03,
               (x0 + x1) / 2.0, (y0 + y1) / 2.0)


def still(cid, w, h, mood="normal", wing=10, margin=0.05, **kw):
    x0, y0, x1, y1 = extent(cid)
    return fit(bird(cid, wing=wing, mood=mood, **kw), x1 - x0, y1 - y0 - 30, w, h, margin,
               (x0 + x1) / 2.0, (y0 + 30 + y1) / 2.0)


def head_only(cid, mood="normal", beak_open=0.0):
    """Head and shoulders for portraits, centred on the head."""
    c = CHARACTERS[cid]
    hx, hy = c["head"]
    return group(bird(cid, mood=mood, beak_open=beak_open, wing=5), translate(-hx, -hy))
