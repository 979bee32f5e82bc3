"""Creatures and objects other than the four birds: the eagle's egg, power
bugs, the two bosses, projectiles, beams, pipes and the feedback effects.

Each drawer takes the cell index k and the cell size and returns SVG source.
Shapes are drawn in a 100 x 100 (or stated) design box and fitted to the cell.
"""

import math
import random

from svgkit import (uid, INK, WHITE, circle, ellipse, rect, path, poly, line, polyline, group,
                    highlight, star, text, translate, rotate, scale, fit, darken, lighten,
                    mix, radial_gradient, linear_gradient, defs, FONT_TITLE, star_points)
import birds

SW = 4


# ---- the eagle's egg --------------------------------------------------------

EGG_SHELL = "#fff1d6"
EGG_SPOTS = "#c98a4b"
EAGLE_BROWN = "#7a4a2a"


def _egg_shape(rx=34, ry=44):
    return ("M 0 %f C %f %f %f %f %f 8 C %f %f %f %f 0 %f C %f %f %f %f %f 8 "
            "C %f %f %f %f 0 %f Z" % (
                -ry, rx * 0.75, -ry, rx, -ry * 0.45, rx, rx, ry * 0.6, rx * 0.6, ry * 0.95, ry,
                -rx * 0.6, ry * 0.95, -rx, ry * 0.6, -rx, -rx, -ry * 0.45, -rx * 0.75, -ry, -ry))


def _egg_wing(angle, side):
    d = "M 0 0 C 10 -18 30 -26 44 -22 C 36 -14 40 -8 30 -4 C 34 2 26 6 18 6 C 14 10 6 10 0 6 Z"
    return group(path(d, EAGLE_BROWN, SW) + path("M 14 -6 L 30 -14 M 12 0 L 26 -4", "none", 2.5),
                 "%s scale(%d 1) %s" % (translate(side * 26, 4), side, rotate(-angle)))


def _crack(opacity=1.0):
    return polyline([(-26, -30), (-16, -24), (-8, -34), (2, -24), (10, -36), (18, -28), (28, -32)],
                    3.5, INK, opacity)


def egg(state, k, w, h):
    """state: flap, flapcrack, hurt, hurtcrack, destroyed."""
    out = []
    flap = [10, 35, 55, 35, 10][k]
    bob = [0, -3, -5, -3, 0][k]
    if state == "destroyed":
        return fit(_egg_breaking(k), 110, 132, w, h, 0.03, 0, 6)
    hurt = state.startswith("hurt")
    shell = EGG_SHELL if not hurt else mix(EGG_SHELL, "#ff6b6b", [0.55, 0.25, 0.5, 0.2, 0.4][k])
    shake = [-5, 5, -4, 4, 0][k] if hurt else 0
    body = [
        _egg_wing(flap, -1), _egg_wing(flap, 1),
        path(_egg_shape(), shell, SW),
        ellipse(-12, -18, 5, 3.5, EGG_SPOTS, 0), ellipse(14, -26, 4, 3, EGG_SPOTS, 0),
        ellipse(18, 14, 6, 4, EGG_SPOTS, 0), ellipse(-20, 20, 4, 3, EGG_SPOTS, 0),
        ellipse(2, 30, 3, 2, EGG_SPOTS, 0),
        highlight(-14, -24, 9, 16, 0.6, angle=20),
        # The golden eagle crest that tells it is no ordinary egg.
        poly([(-8, -42), (-4, -54), (0, -44), (5, -56), (8, -42)], "#ffcf3f", 3),
    ]
    if hurt:
        body.append(_eyes_hurt())
        for i, a in enumerate((30, 150, 260)):
            ar = math.radians(a + k * 30)
            body.append(star(math.cos(ar) * 38, -44 + math.sin(ar) * 8, 7, "#ffd23f", 2.5))
    else:
        blink = k == 4
        body.append(_eyes(blink))
    if state.endswith("crack"):
        body.append(_crack())
        body.append(polyline([(-20, 18), (-8, 24), (0, 16), (10, 26)], 3, INK))
    out.append(group("".join(body), translate(shake, bob)))
    return fit("".join(out), 110, 132, w, h, 0.03, 0, 0)


def _eyes(blink):
    if blink:
        return (path("M -16 -4 q 6 5 12 0", "none", 3) + path("M 4 -4 q 6 5 12 0", "none", 3))
    return (ellipse(-10, -4, 6, 8, WHITE, 2.5) + ellipse(10, -4, 6, 8, WHITE, 2.5) +
            circle(-9, -2, 3.5, INK, 0) + circle(11, -2, 3.5, INK, 0) +
            circle(-10, -4, 1.3, WHITE, 0) + circle(10, -4, 1.3, WHITE, 0) +
            path("M -4 10 q 4 4 8 0", "none", 2.5))


def _eyes_hurt():
    out = ""
    for cx in (-10, 10):
        out += line(cx - 5, -9, cx + 5, 1, 3) + line(cx + 5, -9, cx - 5, 1, 3)
    return out + ellipse(0, 12, 5, 4, INK, 0)


def _egg_breaking(k):
    out = []
    spread = [0, 6, 16, 26, 30][k]
    drop = [0, 2, 8, 18, 22][k]
    if k == 0:
        out.append(path(_egg_shape(), EGG_SHELL, SW))
        out.append(_crack())
        out.append(polyline([(-4, -2), (-8, 14), (2, 26)], 3))
        out.append(_eyes_hurt())
        return "".join(out)
    # Yolk puddle, then the two shell halves falling apart, then bits.
    out.append(ellipse(0, 40, 10 + spread * 1.2, 6 + spread * 0.2, "#ffd23f", SW))
    out.append(ellipse(0, 38, 6 + spread * 0.5, 3, "#fff7c0", 0))
    top = "M -34 -2 C -34 -30 -20 -44 0 -44 C 20 -44 34 -30 34 -2 L 24 -10 L 14 2 L 4 -12 L -6 0 L -18 -12 Z"
    bottom = "M -34 6 L -18 -4 L -6 8 L 4 -4 L 14 10 L 24 -2 L 34 6 C 34 30 20 44 0 44 C -20 44 -34 30 -34 6 Z"
    out.append(group(path(top, EGG_SHELL, SW) + ellipse(-12, -22, 5, 3.5, EGG_SPOTS, 0),
                     translate(-spread, -10 + drop * 0.8) + " " + rotate(-spread * 1.6)))
    out.append(group(path(bottom, EGG_SHELL, SW) + ellipse(16, 20, 6, 4, EGG_SPOTS, 0),
                     translate(spread, drop) + " " + rotate(spread * 1.2)))
    if k >= 2:
        for i, (x, y) in enumerate(((-40, 20), (38, 28), (-26, 44), (28, -30))):
            out.append(poly([(x, y), (x + 8, y + 2), (x + 3, y + 8)], EGG_SHELL, 2.5))
    if k >= 3:
        out.append(text(0, -48, "CRACK!", 20, "#ffcf3f", sw=4))
    return "".join(out)


# ---- power bugs -------------------------------------------------------------

BUG_KINDS = {
    "immunity": ("#4aa8ff", "shield"),
    "egghealth": ("#ff6f9c", "heart"),
    "laxative": ("#7bd14a", "swirl"),
    "ultimate": ("#ffc21f", "star"),
    "hazard": ("#8a8fa8", "bolt"),
}


def icon(kind, x=0, y=0, s=1.0, fill=None):
    """Small emblem shapes used on bugs, cards and icons (about 30 units wide)."""
    if kind == "shield":
        d = "M 0 -15 L 13 -10 C 13 4 8 11 0 16 C -8 11 -13 4 -13 -10 Z"
        body = path(d, fill or "#e7f3ff", 3) + path("M 0 -10 L 0 11 M -8 -2 L 8 -2", "none", 3)
    elif kind == "heart":
        body = path("M 0 14 C -18 2 -16 -14 -6 -14 C -2 -14 0 -10 0 -8 C 0 -10 2 -14 6 -14 "
                    "C 16 -14 18 2 0 14 Z", fill or "#ff3d6e", 3) + highlight(-7, -7, 3, 2, 0.6)
    elif kind == "swirl":
        body = path("M 0 0 m -2 0 a 2 2 0 1 1 4 0 a 6 6 0 1 1 -10 0 a 10 10 0 1 1 18 2", "none", 4,
                    stroke=fill or INK)
    elif kind == "star":
        body = star(0, 0, 15, fill or "#fff3a0", 3)
    elif kind == "bolt":
        body = poly([(3, -16), (-9, 2), (-1, 2), (-4, 16), (9, -3), (1, -3)], fill or "#ffe14d", 3)
    elif kind == "sword":
        body = (poly([(-2, 8), (-2, -16), (0, -19), (2, -16), (2, 8)], "#e6eef7", 2.5) +
                rect(-9, 7, 18, 4, "#ffcf3f", 2.5, 2) + rect(-2, 11, 4, 8, "#7a4a2a", 2.5, 1))
    elif kind == "plus":
        body = path("M -4 -12 h 8 v 8 h 8 v 8 h -8 v 8 h -8 v -8 h -8 v -8 h 8 Z", fill or WHITE, 3)
    elif kind == "dung":
        body = birds.dung(0, 2, 1.0)
    elif kind == "clock":
        body = (circle(0, 2, 13, fill or WHITE, 3) + rect(-3, -16, 6, 5, "#c0c6d6", 2.5, 1) +
                line(0, 2, 0, -6, 3) + line(0, 2, 6, 5, 3))
    elif kind == "fist":
        body = (rect(-11, -9, 22, 18, fill or "#ffcc99", 3, 6) +
                path("M -5 -9 v 7 M 1 -9 v 7 M 7 -9 v 7", "none", 2.5) +
                rect(-14, -2, 8, 10, fill or "#ffcc99", 3, 4))
    elif kind == "wing":
        body = path("M -14 8 C -10 -10 4 -16 16 -14 C 10 -8 14 -6 8 -2 C 12 2 6 4 2 4 "
                    "C 4 8 -6 10 -14 8 Z", fill or WHITE, 3)
    elif kind == "note":
        body = (ellipse(-4, 10, 7, 5, fill or INK, 2.5, transform=rotate(-20, -4, 10)) +
                line(2, 9, 2, -14, 3.5) + path("M 2 -14 q 10 4 10 14", "none", 3.5))
    else:
        raise KeyError(kind)
    return group(body, translate(x, y) + " " + scale(s))


def bug(kind, k, w, h):
    col, emblem = BUG_KINDS[kind]
    wing = [30, 5, -20, 5, 25][k % 5] if kind != "hazard" else [20, -15][k]
    bob = [0, -2, -3, -2, 0][k % 5]
    out = []
    glow = ""
    if kind == "ultimate":
        gid, g = radial_gradient([(0, "#fff6b0", 0.9), (1, "#ffcf3f", 0)])
        glow = defs(g) + circle(0, 0, 56 + (k % 2) * 4, "url(#%s)" % gid, 0)
    if kind == "hazard":
        # A grumpy little storm cloud with a sting of lightning.
        out.append(poly([(-4, 18), (-12, 36), (-2, 34), (-8, 50), (10, 28), (0, 30), (6, 18)],
                        "#ffe14d", 3) if k == 1 else "")
        cloud = ("M -36 10 C -48 10 -48 -10 -32 -10 C -30 -28 -8 -30 -2 -18 C 6 -32 30 -28 28 -10 "
                 "C 44 -10 44 12 30 12 Z")
        out.append(path(cloud, col if k == 0 else lighten(col, 0.25), SW))
        out.append(highlight(-16, -14, 10, 4, 0.45))
        out.append(line(-16, -4, -6, 0, 3) + line(16, -4, 6, 0, 3))
        out.append(circle(-10, 3, 3, INK, 0) + circle(10, 3, 3, INK, 0))
        out.append(path("M -6 10 q 6 -4 12 0", "none", 2.5))
        return fit(glow + "".join(out), 110, 100, w, h, 0.04, 0, 8)
    # Wings (translucent), body, head, antennae, emblem.
    for side in (-1, 1):
        out.append(group(ellipse(0, -16, 14, 22, "#e9f6ff", 3, opacity=0.85),
                         translate(side * 10, -4) + " " + rotate(side * (wing + 15))))
    out.append(path("M 26 -6 q 10 -16 18 -14 M 26 0 q 14 -8 22 -2", "none", 3))
    out.append(circle(28, 2, 12, darken(col, 0.45), SW))
    out.append(circle(32, -1, 3.5, WHITE, 0) + circle(33, -1, 1.8, INK, 0))
    out.append(ellipse(0, 4, 30, 22, col, SW))
    out.append(highlight(-10, -6, 12, 5, 0.45))
    out.append(line(-2, -16, -2, 24, 2.5, opacity=0.5))
    for lx in (-14, 0, 14):
        out.append(line(lx, 24, lx - 4, 32, 3))
    out.append(icon(emblem, -2, 4, 0.8))
    return fit(glow + group("".join(out), translate(0, bob)), 120, 100, w, h, 0.04, 4, 2)


# ---- the runner level's boss: a saucer with a furious eagle pilot ----------

def saucer(k, frames=10, damaged=False):
    lights = ["#ff4f4f", "#ffd23f", "#4fe0ff", "#7dff6a"]
    out = []
    flame = 8 + (k % 3) * 5
    out.append(path("M -18 26 L 0 %f L 18 26 Z" % (26 + flame * 2), "#ff9f1c", 3))
    out.append(path("M -9 26 L 0 %f L 9 26 Z" % (26 + flame * 1.3), "#fff3a0", 0))
    # Glass dome with the pilot.
    out.append(path("M -40 -6 C -40 -60 40 -60 40 -6 Z", "#bfefff", SW, opacity=0.95))
    dome = uid("dome")
    out.append('<clipPath id="%s"><path d="M -40 -6 C -40 -60 40 -60 40 -6 Z"/></clipPath>' % dome)
    out.append(group(group(birds.head_only(5, mood="angry", beak_open=0.3 if k % 2 else 0.0),
                           translate(-4, -24) + " " + scale(0.5)), clip=dome))
    out.append(highlight(-20, -34, 8, 4, 0.7))
    out.append(path("M -40 -6 C -40 -60 40 -60 40 -6", "none", SW))
    out.append(ellipse(0, 6, 78, 22, "#8e9bb5", SW))
    out.append(ellipse(0, 0, 70, 12, "#b8c4db", 0))
    out.append(highlight(-30, -2, 26, 4, 0.5, angle=0))
    for i in range(6):
        x = -55 + i * 22
        on = (i + k) % frames % 3 == 0
        out.append(circle(x, 10, 6, lights[(i + k) % 4] if on else "#4a5068", 3))
    out.append(ellipse(0, 6, 78, 22, "none", SW))
    if damaged:
        out.append(polyline([(-40, 2), (-30, 10), (-22, 0), (-12, 12)], 3))
    return "".join(out)


# ---- the boss level's stone giant -------------------------------------------

STONE = "#8b7fa8"
STONE_DARK = "#5f547a"
CRYSTAL = "#c56bff"


def golem(k, state):
    """state: sleeping, idle, crack, death."""
    out = []
    breathe = [0, -2, -4, -2, 0][k]
    glow = state in ("idle", "crack")
    flash = state == "death" and k % 2 == 1
    stone = STONE if not flash else "#f2eaff"
    # Arms / wings of rock.
    for side in (-1, 1):
        arm = "M 0 0 C 20 10 34 30 30 56 L 16 52 L 12 64 L 0 52 C -6 36 -8 16 0 0 Z"
        out.append(group(path(arm, darken(stone, 0.12), SW),
                         "%s scale(%d 1) %s" % (translate(side * 52, -8), side,
                                               rotate(-10 + (k % 3) * 4 if glow else 0))))
    body = ("M -60 60 C -74 20 -66 -30 -40 -52 C -20 -70 20 -70 40 -52 C 66 -30 74 20 60 60 Z")
    out.append(path(body, stone, SW))
    # Rock facets.
    out.append(path("M -40 -20 L -20 -6 L -34 18 M 30 -30 L 44 -4 L 26 14 M -6 30 L 10 44 L -12 56",
                    "none", 3, stroke=STONE_DARK))
    out.append(highlight(-34, -36, 14, 7, 0.35))
    # Crystal crest.
    crest_col = CRYSTAL if state != "sleeping" else desat(CRYSTAL)
    for x, hgt in ((-22, 26), (0, 38), (22, 26)):
        out.append(poly([(x - 9, -58), (x, -58 - hgt), (x + 9, -58)], crest_col, 3))
        out.append(line(x, -58 - hgt + 6, x, -60, 2, WHITE, 0.6))
    # Beak.
    out.append(poly([(-12, -4), (12, -4), (0, 22)], "#ffb400", SW))
    out.append(line(-6, 4, 6, 4, 3))
    # Eyes.
    if state == "sleeping":
        open_ = [0, 0, 0.2, 0.6, 1.0][k]
        for ex in (-26, 26):
            if open_ == 0:
                out.append(path("M %d -22 q 10 8 20 0" % (ex - 10), "none", 4))
            else:
                out.append(ellipse(ex, -22, 11, 11 * open_, "#ff4fd8", 3))
        if k < 2:
            out.append(text(52 + k * 6, -70 - k * 8, "z" * (k + 1), 22, WHITE, sw=4))
    elif state == "death":
        for ex in (-26, 26):
            out.append(line(ex - 9, -31, ex + 9, -13, 5) + line(ex + 9, -31, ex - 9, -13, 5))
    else:
        pulse = [0.55, 0.75, 1.0, 0.75, 0.55][k]
        gid, g = radial_gradient([(0, "#ffe6ff", 1), (0.5, "#ff4fd8", pulse), (1, "#ff4fd8", 0)])
        out.insert(0, defs(g))
        for ex in (-26, 26):
            out.append(circle(ex, -22, 24, "url(#%s)" % gid, 0))
            out.append(ellipse(ex, -22, 12, 10, "#ff4fd8", 3))
            out.append(circle(ex + 2, -22, 4, WHITE, 0))
        out.append(line(-40, -40, -14, -32, 5) + line(40, -40, 14, -32, 5))
    if state in ("crack", "death"):
        out.append(polyline([(-50, -30), (-36, -14), (-44, 4), (-28, 20), (-36, 40)], 4))
        out.append(polyline([(40, -44), (30, -20), (46, 0), (34, 30)], 4))
        out.append(polyline([(-10, 30), (6, 42), (-4, 58)], 4))
        if state == "crack":
            out.append(polyline([(-50, -30), (-36, -14), (-44, 4), (-28, 20), (-36, 40)], 2,
                                "#ff4fd8", 0.9))
    if state == "death":
        for i in range(5):
            a = math.radians(i * 72 + k * 20)
            r = 70 + k * 6
            out.append(poly([(math.cos(a) * r, math.sin(a) * r - 6),
                             (math.cos(a) * r + 10, math.sin(a) * r + 2),
                             (math.cos(a) * r - 2, math.sin(a) * r + 10)], stone, 3))
    return group("".join(out), translate(0, breathe))


def desat(c):
    return mix(c, "#8c8c9c", 0.65)


# ---- projectiles and effects -----------------------------------------------

def thunderball(k):
    gid, g = radial_gradient([(0, WHITE, 1), (0.45, "#9ff3ff", 1), (1, "#41bed1", 0)])
    out = [defs(g), circle(0, 0, 46, "url(#%s)" % gid, 0), circle(0, 0, 24, "#7fe8ff", SW),
           highlight(-8, -9, 8, 4, 0.8)]
    for i in range(4):
        a = k * 18 + i * 90
        out.append(group(polyline([(26, 0), (34, -6), (38, 4), (48, -2)], 4, "#ffe14d"),
                         rotate(a)))
    out.append(poly([(4, -14), (-6, 2), (1, 2), (-3, 14), (8, -3), (1, -3)], "#ffe14d", 2.5))
    return "".join(out)


def cannonball(k):
    out = []
    for i in range(3):
        out.append(line(-30 - i * 4, -10 + i * 10, -48 - i * 6 - (k % 2) * 4, -10 + i * 10, 4,
                        INK, 0.5))
    out.append(circle(0, 4, 26, "#3b3946", SW))
    out.append(highlight(-9, -6, 9, 5, 0.5))
    out.append(rect(-5, -30, 10, 10, "#6b6878", 3, 2))
    spark = [6, 9, 12, 9, 7][k]
    out.append(path("M 0 -30 q 6 -8 2 -14", "none", 3))
    out.append(star(3, -46, spark, "#ffcf3f", 2.5, 6))
    out.append(circle(3, -46, spark * 0.35, WHITE, 0))
    return "".join(out)


def gas_puff(col="#9fd65a", dark="#6ea33a", sw=SW):
    d = ("M -30 12 C -44 10 -44 -10 -28 -12 C -26 -30 -4 -34 2 -20 C 12 -32 34 -26 30 -8 "
         "C 46 -4 42 18 26 16 C 20 30 -20 30 -30 12 Z")
    return (path(d, col, sw) + highlight(-14, -14, 12, 5, 0.45) +
            circle(-10, 4, 5, dark, 0) + circle(12, 8, 4, dark, 0) + circle(2, -6, 3, dark, 0))


def fart_bomb():
    """The DoruZuvo skill bomb: a gas-filled ball with a knotted top."""
    out = [gas_puff("#b6e36f", "#7fb43f", 3)]
    out.append(group(circle(0, 0, 22, "#8f6bd1", SW) + highlight(-8, -8, 8, 4, 0.5) +
                     path("M -6 -20 L 0 -30 L 6 -20 Z", "#8f6bd1", 3) +
                     path("M -8 -2 q 4 -4 8 0 M 2 4 q 4 -4 8 0", "none", 2.5, stroke="#e4d6ff"),
                     translate(0, 2)))
    return "".join(out)


def scream():
    """Sound rings spreading towards +x; the script mirrors it to face the
    other bird."""
    out = []
    cols = ["#ff4fa3", "#ffd23f", "#7ef875", "#4fe0ff"]
    for i, r in enumerate((22, 40, 58, 76)):
        op = 1.0 - i * 0.15
        a = math.radians(50)
        d = "M %f %f A %f %f 0 0 1 %f %f" % (r * math.cos(a), -r * math.sin(a), r, r,
                                            r * math.cos(a), r * math.sin(a))
        out.append(path(d, "none", 16, stroke=INK, opacity=op))
        out.append(path(d, "none", 9, stroke=cols[i], opacity=op))
    return "".join(out)


def beam(k, core="#fffbe0", mid="#ffe14d", edge="#41bed1", height=30, wobble=4, length=240):
    """A horizontal energy beam from x = -length to +length."""
    out = []
    top = []
    bottom = []
    n = 16
    for i in range(n + 1):
        x = -length + 2 * length * i / n
        dy = wobble * math.sin(i * 1.3 + k * 1.2)
        top.append((x, -height + dy))
        bottom.append((x, height - dy))
    pts = top + bottom[::-1]
    out.append(poly(pts, edge, SW))
    inner = [(x, y * 0.6) for x, y in pts]
    out.append(poly(inner, mid, 0))
    core_pts = [(x, y * 0.25) for x, y in pts]
    out.append(poly(core_pts, core, 0))
    for i in range(5):
        x = -length + ((i * 97 + k * 40) % (2 * length))
        out.append(star(x, (i % 2 - 0.5) * height, 5, WHITE, 0, 4))
    return "".join(out)


def explosion(k, n=12, fire=("#fff3a0", "#ffb31f", "#ff5a36"), smoke="#6e6478", poop=False):
    """Grow for the first third, burn, then fade to smoke and sparks."""
    t = (k + 0.5) / n
    out = []
    rng = random.Random(7 + k)
    grow = min(1.0, t * 3.2)
    fade = max(0.0, (t - 0.45) / 0.55)
    r = 20 + 62 * grow
    # Outer spiky flame.
    pts = []
    for i in range(22):
        a = math.radians(i * 360 / 22 + k * 7)
        rr = r * (1.0 if i % 2 == 0 else 0.72) * (0.9 + 0.2 * rng.random())
        pts.append((math.cos(a) * rr, math.sin(a) * rr))
    out.append(poly(pts, mix(fire[2], smoke, fade), SW, opacity=1 - fade * 0.6))
    out.append(circle(0, 0, r * 0.68, mix(fire[1], smoke, fade), 0, opacity=1 - fade * 0.7))
    out.append(circle(-r * 0.1, -r * 0.1, r * 0.4 * (1 - fade), fire[0], 0))
    # Smoke puffs drift outwards later.
    if fade > 0:
        for i in range(6):
            a = math.radians(i * 60 + 15)
            d = r * (0.6 + fade * 0.5)
            out.append(circle(math.cos(a) * d, math.sin(a) * d - fade * 10, 12 + fade * 10,
                              lighten(smoke, 0.2), 3, opacity=1 - fade * 0.8))
    if poop:
        for i in range(5):
            a = math.radians(i * 72 + k * 11)
            d = r * 0.9
            out.append(birds.dung(math.cos(a) * d, math.sin(a) * d, 0.5 + 0.3 * (1 - fade)))
    else:
        for i in range(6):
            a = math.radians(i * 60 + k * 9)
            d = r * 1.05
            out.append(star(math.cos(a) * d, math.sin(a) * d, 5 + 3 * (1 - fade), "#fff3a0", 2, 4))
    return "".join(out)


def soft_circle():
    gid, g = radial_gradient([(0, WHITE, 1), (0.55, WHITE, 0.9), (1, WHITE, 0)])
    return defs(g) + circle(0, 0, 50, "url(#%s)" % gid, 0)


def stun_stars(k):
    out = [ellipse(0, 8, 44, 12, "none", 3, stroke=INK, opacity=0.35)]
    for i in range(3):
        a = math.radians(k * 24 + i * 120)
        x, y = math.cos(a) * 40, 8 + math.sin(a) * 12
        s = 9 + 3 * math.sin(a)
        out.append(star(x, y, s + 4, ["#ffd23f", "#ffffff", "#ff9fd0"][i], 3))
    out.append(path("M -50 -26 q 6 -10 12 0 q 6 10 12 0", "none", 3, opacity=0.7))
    return "".join(out)


def power_up_glow(k):
    gid, g = radial_gradient([(0, WHITE, 1), (0.4, "#fff3a0", 0.9), (1, "#ffcf3f", 0)])
    out = [defs(g), circle(0, 0, 40 + [0, 4, 8, 4, 0][k], "url(#%s)" % gid, 0)]
    out.append(group(star(0, 0, 26, "#ffcf3f", SW), rotate(k * 14)))
    out.append(highlight(-6, -8, 6, 3, 0.7))
    for i in range(4):
        a = math.radians(45 + i * 90 + k * 20)
        out.append(star(math.cos(a) * 40, math.sin(a) * 40, 6, WHITE, 2, 4))
    return "".join(out)


def collected_sparkle(k):
    r = 14 + k * 10
    out = [circle(0, 0, r, "none", 6 - k, stroke="#ffe14d", opacity=1 - k * 0.15)]
    for i in range(8):
        a = math.radians(i * 45 + k * 8)
        d = r + 8
        out.append(star(math.cos(a) * d, math.sin(a) * d, 8 - k, WHITE if i % 2 else "#ffe14d",
                        2, 4))
    if k < 3:
        out.append(text(0, 8, "+!", 26 - k * 4, "#ffe14d", sw=5))
    return "".join(out)


def peck_burst():
    out = [poly(star_points(0, 0, 44, 22, 8), "#fff3a0", SW),
           poly(star_points(0, 0, 26, 14, 8, -70), "#ffb31f", 0),
           text(0, 10, "POK!", 24, WHITE, sw=5)]
    return "".join(out)


def peck_swoosh(k):
    sweep = [40, 80, 120, 150][k]
    op = [1.0, 0.9, 0.7, 0.35][k]
    out = []
    for i, (r, sw) in enumerate(((40, 12), (30, 7), (50, 5))):
        a0 = math.radians(-sweep / 2)
        a1 = math.radians(sweep / 2)
        out.append(path("M %f %f A %f %f 0 0 1 %f %f" % (
            math.cos(a0) * r - 20, math.sin(a0) * r, r, r, math.cos(a1) * r - 20,
            math.sin(a1) * r), "none", sw, stroke=[WHITE, "#ffe14d", WHITE][i], opacity=op))
    out.append(path("M -10 -30 A 40 40 0 0 1 -10 30", "none", 3, opacity=op * 0.6))
    return "".join(out)


def meteor_death(k):
    """A meteor strikes: the rock falls, hits, then a puff of feathers."""
    out = []
    if k < 2:
        y = -50 + k * 40
        out.append(path("M %f %f L %f %f" % (40, y - 40, 10, y - 6), "none", 14, "#ff9f1c", 0.7))
        out.append(circle(0, y, 18, "#6e5a4a", SW) + highlight(-6, y - 6, 6, 3, 0.4))
    else:
        t = (k - 2) / 4.0
        out.append(explosion(int(3 + t * 7), 12))
        for i in range(6):
            a = math.radians(i * 60 + 20)
            d = 30 + t * 40
            out.append(group(path("M 0 0 q 8 -12 18 -6 q -6 10 -18 6 z", "#f2f2f2", 2.5),
                             translate(math.cos(a) * d, math.sin(a) * d + t * 20) + " " +
                             rotate(i * 50 + k * 30)))
    return "".join(out)


def ufo_abduction(k):
    out = [poly([(-20, -80), (20, -80), (50, 90), (-50, 90)], "#b6ffb0", 0,
                opacity=0.55 if k == 0 else 0.8)]
    out.append(group(saucer(k, 2), translate(0, -86) + " " + scale(0.6)))
    out.append(group(birds.bird(1, wing=60, mood="x", flash=True),
                     translate(0, 20 - k * 30) + " " + scale(0.4) + " " + rotate(20 - k * 40)))
    for i in range(4):
        out.append(star(-30 + i * 20, 70 - ((i * 23 + k * 40) % 120), 4, WHITE, 0, 4))
    return "".join(out)


def smash_prompt(k):
    pressed = k == 1
    dy = 6 if pressed else 0
    out = [rect(-58, -30 + dy, 50, 50, "#f4f4f8" if not pressed else "#ffe14d", SW, 10),
           rect(-58, 20, 50, 8, "#9aa0b8", SW, 4) if not pressed else "",
           text(-33, 6 + dy, "W", 30, INK, sw=0),
           circle(34, -6 + dy, 26, "#5ed16a" if not pressed else "#ffe14d", SW),
           text(34, 5 + dy, "A", 30, WHITE, sw=5),
           text(0, 54, "MASH!", 22, "#ff5a36", sw=5)]
    return "".join(out)


def pipe(k, bottom=False):
    """A laser pipe hanging from the top; its mouth glows in turn."""
    body_col = "#5cc46a" if not bottom else "#6cb0d8"
    out = [rect(-36, -190, 72, 300, body_col, SW),
           rect(-26, -190, 12, 300, lighten(body_col, 0.4), 0, opacity=0.6),
           rect(-46, 100, 92, 36, darken(body_col, 0.1), SW, 6),
           rect(-38, 104, 16, 26, lighten(body_col, 0.4), 0, 3, opacity=0.6)]
    for i in range(4):
        y = -160 + i * 64
        out.append(line(-36, y, 36, y, 3, opacity=0.5))
        out.append(circle(24, y + 16, 4, darken(body_col, 0.3), 0))
    glow = [0.3, 0.6, 1.0, 0.6, 0.3][k]
    out.append(ellipse(0, 136, 34, 8, "#ff4f4f", 3, opacity=0.4 + glow * 0.6))
    out.append(ellipse(0, 136, 20, 4, "#fff0f0", 0, opacity=glow))
    if bottom:
        # Vines climbing the lower pipes.
        out.append(path("M -36 -150 q 30 20 0 50 q -30 30 6 60 q 30 26 -6 56", "none", 5,
                        stroke="#2f8a3a"))
        for y in (-128, -70, -12):
            out.append(ellipse(-6, y, 9, 5, "#3fae4a", 2.5, transform=rotate(-30, -6, y)))
    return "".join(out)


def lock_on(k, locked=False):
    out = []
    if locked:
        flash = k % 2 == 0
        col = "#ff3030" if flash else "#ffd23f"
        out.append(rect(-250, -10, 500, 20, col, 3, 10, opacity=0.9))
        out.append(rect(-250, -3, 500, 6, WHITE, 0, 3))
        for i in range(6):
            x = -230 + ((i * 80 + k * 24) % 460)
            out.append(poly([(x, -22), (x + 14, 0), (x, 22), (x + 6, 0)], col, 2))
    else:
        for i in range(12):
            x = -250 + ((i * 42 + k * 8) % 500)
            out.append(rect(x, -4, 24, 8, "#ff5a5a", 2, 4, opacity=0.8))
        out.append(circle(-236, 0, 14, "none", 4, stroke="#ff5a5a"))
    return "".join(out)


# ---- DovaDizavov's ultimate: the pirate ship and its beams -------------------

def pirate_ship(k):
    """A stubby flying galleon seen from the side, hull below, one big sail with
    a dung skull; cell k rocks it and flutters the flag."""
    rock = [-3, 0, 3, 0][k % 4]
    out = []
    # Glow of the engines that keep it aloft.
    for x in (-60, 0, 60):
        out.append(ellipse(x, 62, 16, 8 + (k % 2) * 3, "#7fe8ff", 0, opacity=0.6))
    # Hull.
    hull = "M -120 10 L 120 10 L 96 58 L -96 58 Z"
    out.append(path(hull, "#8a5a32", SW))
    out.append(path("M -112 24 L 112 24", "none", 3))
    out.append(path("M -104 40 L 104 40", "none", 3))
    for x in (-70, -35, 0, 35, 70):
        out.append(circle(x, 32, 6, "#2e2842", 3))
        out.append(rect(x - 4, 27, 12, 8, "#3b3946", 2.5, 2))
    out.append(highlight(-60, 18, 40, 4, 0.35, angle=0))
    # Bow and stern castles.
    out.append(path("M 96 10 L 132 -8 L 128 10 Z", "#a06a3c", SW))
    out.append(rect(-124, -14, 40, 24, "#a06a3c", SW, 3))
    # Mast and sail.
    out.append(rect(-5, -96, 10, 106, "#6b4226", SW))
    out.append(path("M -70 -82 Q 0 -96 70 -82 Q 80 -40 70 -6 Q 0 -18 -70 -6 Q -80 -40 -70 -82 Z",
                    "#fff4de", SW))
    # Skull on the sail.
    out.append(circle(0, -52, 18, WHITE, 3))
    out.append(circle(-7, -54, 5, INK, 0) + circle(7, -54, 5, INK, 0))
    out.append(rect(-8, -38, 16, 8, WHITE, 3, 2))
    out.append(line(-22, -24, 22, -12, 5) + line(-22, -12, 22, -24, 5))
    # Flag.
    wave = [0, 4, 0, -4][k % 4]
    out.append(path("M 5 -96 L 40 %f L 5 -80 Z" % (-90 + wave), "#e23b3b", 3))
    return group("".join(out), rotate(rock))


def pirate_beam(k):
    """A vertical cannon beam from y = -250 (the ship) to +250; gold and red
    rings travel down it."""
    out = []
    wob = [0, 3, 5, 3, 0][k % 5]
    edge = []
    for i in range(17):
        y = -250 + i * 500 / 16.0
        edge.append((22 + wob * math.sin(i * 1.4 + k), y))
    left = [(-x, y) for x, y in edge]
    out.append(poly(edge + left[::-1], "#e23b3b", SW))
    out.append(poly([(x * 0.62, y) for x, y in edge] + [(x * 0.62, y) for x, y in left[::-1]], "#ffb31f", 0))
    out.append(poly([(x * 0.28, y) for x, y in edge] + [(x * 0.28, y) for x, y in left[::-1]], "#fff3a0", 0))
    for i in range(5):
        y = -250 + ((i * 100 + k * 20) % 500)
        out.append(ellipse(0, y, 26, 7, "none", 4, stroke="#fff3a0", opacity=0.8))
    return "".join(out)
