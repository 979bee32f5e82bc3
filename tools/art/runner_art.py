"""The runner level's drawings: the scrolling space sky, its far scenery, the
hazards, the checkpoint eagles, the boss's balls, shield, alert and portal, the
minions and the heads-up pieces.
"""

import math
import random

from svgkit import (uid, defs, INK, WHITE, circle, ellipse, rect, path, poly, polyline, line, group,
                    text, translate, rotate, scale, fit, lighten, darken, highlight, star,
                    linear_gradient, radial_gradient)
import birds
import things

SW = 4


def sky(w, h):
    """Deep space in two identical halves, so that a window half the picture
    wide scrolls forever without a seam. Drawn at 1280 x 360."""
    gid, g = linear_gradient([(0, "#130c2c", 1), (0.55, "#2b1656", 1), (1, "#4a2170", 1)])
    out = [defs(g), rect(0, 0, 1280, 360, "url(#%s)" % gid, 0)]
    rnd = random.Random(44)
    shapes = []  # (x, drawing of the shape at x = 0)
    for _ in range(7):
        x, y = rnd.uniform(0, 640), rnd.uniform(40, 320)
        rx, ry = rnd.uniform(60, 150), rnd.uniform(25, 60)
        col = rnd.choice(["#7a3fb8", "#3f6ad8", "#c0449a", "#2f9fb8"])
        shapes.append((x, ellipse(0, y, rx, ry, col, 0, opacity=0.22)))
    for _ in range(110):
        x, y = rnd.uniform(0, 640), rnd.uniform(0, 360)
        r = rnd.choice([1.0, 1.2, 1.5, 2.0, 2.6])
        shapes.append((x, circle(0, y, r, rnd.choice([WHITE, "#fff3c0", "#c8e6ff"]), 0,
                                 opacity=rnd.uniform(0.5, 1.0))))
    for _ in range(5):
        x, y = rnd.uniform(0, 640), rnd.uniform(30, 330)
        shapes.append((x, star(0, y, rnd.uniform(5, 8), "#fff6d0", 0, 4, 0.3)))
    # Each shape in both halves and once more where it spills over an edge.
    for x, shape in shapes:
        for offset in (-640, 0, 640, 1280):
            if -160 < x + offset < 1440:
                out.append(group(shape, translate(x + offset, 0)))
    return group("".join(out), scale(w / 1280.0, h / 360.0))


PLANETS = [("#f49b5d", "#c2553a", True), ("#6cc3f0", "#2f6fb0", False), ("#b98cf0", "#6b45b0", True),
           ("#8fe07a", "#3f9a4a", False), ("#f0d36c", "#b08a2f", False), ("#f07aa0", "#b03f68", True)]


def planet(k):
    light, dark, ringed = PLANETS[k % len(PLANETS)]
    cid = uid("planet")
    out = [defs('<clipPath id="%s"><circle cx="0" cy="0" r="40"/></clipPath>' % cid)]
    if ringed:
        out.append(ellipse(0, 4, 62, 14, "none", 7, stroke=lighten(dark, 0.3), transform=rotate(-16)))
    bands = "".join(rect(-50, -30 + i * 18, 100, 8, dark, 0, opacity=0.35) for i in range(4))
    out.append(circle(0, 0, 40, light, 0))
    out.append(group(bands + circle(16, 14, 30, dark, 0, opacity=0.35), clip=cid))
    out.append(circle(0, 0, 40, "none", SW))
    out.append(highlight(-16, -18, 12, 6, 0.5))
    if ringed:
        front = "M -58 12 A 62 14 0 0 0 58 -4"
        out.append(group(path(front, "none", 7, stroke=lighten(dark, 0.3)), rotate(-16)))
    return "".join(out)


def ufo():
    out = [path("M -22 -4 C -22 -30 22 -30 22 -4 Z", "#bfefff", SW),
           highlight(-8, -18, 6, 3, 0.7),
           ellipse(0, 4, 48, 14, "#8e9bb5", SW)]
    for i in range(5):
        out.append(circle(-32 + i * 16, 6, 4, ["#ff4f4f", "#ffd23f", "#4fe0ff"][i % 3], 2))
    out.append(path("M -16 18 L -26 40 L 26 40 L 16 18 Z", "#fff6a0", 0, opacity=0.25))
    return "".join(out)


def asteroid():
    pts = [(-30, -8), (-18, -28), (6, -30), (26, -16), (30, 8), (14, 28), (-12, 26), (-28, 12)]
    return (poly(pts, "#8a7a86", SW) + circle(-8, -6, 7, "#6d5f6a", 3) + circle(12, 10, 5, "#6d5f6a", 3) +
            circle(8, -16, 3.5, "#6d5f6a", 2.5) + highlight(-12, -16, 8, 4, 0.35))


def debris():
    """A tumbling chunk of rock with a twisted girder stuck in it."""
    pts = [(-40, -4), (-26, -34), (4, -40), (34, -24), (40, 6), (22, 34), (-10, 38), (-34, 22)]
    return (rect(-8, -56, 16, 50, "#c9a05a", SW, 3, transform=rotate(22)) +
            poly(pts, "#b86a5a", SW) + circle(-12, -8, 9, "#8d4a40", 3) + circle(16, 14, 7, "#8d4a40", 3) +
            circle(14, -20, 4, "#8d4a40", 2.5) + highlight(-16, -22, 10, 5, 0.4))


def pipe_laser(k):
    """A vertical beam: white core, red glow, sparks running down."""
    gid, g = linear_gradient([(0, "#ff2d55", 0), (0.3, "#ff2d55", 0.75), (0.5, WHITE, 1),
                              (0.7, "#ff2d55", 0.75), (1, "#ff2d55", 0)], 0, 0, 1, 0)
    out = [defs(g), rect(-24, -128, 48, 256, "url(#%s)" % gid, 0)]
    for i in range(4):
        y = -128 + ((i * 64 + k * 16) % 256)
        out.append(ellipse(0, y, 10, 5, "#fff0f4", 0, opacity=0.9))
    return "".join(out)


def girder(k):
    """A floating barrier with hazard stripes and running lights."""
    cid = uid("girder")
    out = [defs('<clipPath id="%s"><rect x="-150" y="-36" width="300" height="72" rx="12"/></clipPath>' % cid),
           rect(-150, -36, 300, 72, "#3b3550", 0, 12)]
    stripes = "".join(poly([(-170 + i * 40, 40), (-150 + i * 40, -40), (-130 + i * 40, -40),
                            (-150 + i * 40, 40)], "#ffcf3f", 0) for i in range(10))
    out.append(group(stripes, clip=cid))
    out.append(rect(-150, -36, 300, 72, "none", SW, 12))
    out.append(rect(-140, -14, 280, 28, "#231d33", 3, 6))
    for i in range(7):
        on = (i + k) % 5 == 0
        out.append(circle(-120 + i * 40, 0, 7, "#ff3b3b" if on else "#5a2030", 2.5))
        if on:
            out.append(circle(-120 + i * 40, 0, 14, "#ff3b3b", 0, opacity=0.35))
    return "".join(out)


def gate():
    """The checkpoint: a shimmering ribbon with chevrons pointing the way."""
    gid, g = linear_gradient([(0, "#00fc7c", 0.1), (0.5, "#b8ffd8", 0.8), (1, "#00fc7c", 0.1)], 0, 0, 1, 0)
    out = [defs(g), rect(-30, -250, 60, 500, "url(#%s)" % gid, 0)]
    for i in range(7):
        y = -210 + i * 70
        out.append(polyline([(10, y - 14), (-8, y), (10, y + 14)], 6, "#ffffff", opacity=0.8))
    return "".join(out)


def eagle(k):
    """A bald eagle in flight, seen from the side and flying left like the
    checkpoint it carries, wings beating."""
    return group(_eagle_right(k), scale(-1, 1))


def _eagle_right(k):
    wing = [-40, -15, 15, -5, -30][k]
    out = []
    out.append(group(path("M 0 0 C -20 -30 -70 -40 -90 -20 C -60 -16 -30 -6 0 10 Z", "#5a3a22", SW),
                     rotate(wing, 0, 4)))
    out.append(path("M -70 6 L -96 -2 L -92 14 L -100 26 L -66 20 Z", "#f4f0e8", SW))
    out.append(ellipse(-10, 8, 56, 22, "#6b4529", SW))
    out.append(circle(46, -6, 22, "#f4f0e8", SW))
    out.append(path("M 62 -10 L 86 -4 Q 84 8 66 6 Z", "#ffc12e", SW))
    out.append(circle(52, -12, 5, WHITE, 2) + circle(53, -12, 2.5, INK, 0))
    out.append(line(44, -20, 58, -16, 3.5))
    out.append(group(path("M 0 0 C -10 -40 -50 -56 -80 -44 C -50 -30 -24 -14 0 12 Z", "#7a5434", SW),
                     rotate(wing * 0.8, 0, 4)))
    out.append(polyline([(-6, 28), (-2, 40), (6, 38)], 4, "#ffc12e"))
    return "".join(out)


def boss_ball(k):
    gid, g = radial_gradient([(0, WHITE, 1), (0.4, "#ffb0c0", 1), (1, "#ff2d55", 0)])
    out = [defs(g), circle(0, 0, 44, "url(#%s)" % gid, 0), circle(0, 0, 22, "#ff4f6a", SW)]
    for i in range(5):
        a = math.radians(k * 14 + i * 72)
        out.append(circle(30 * math.cos(a), 30 * math.sin(a), 5, "#ffd0d8", 0, opacity=0.9))
    out.append(highlight(-7, -8, 7, 4, 0.8))
    return "".join(out)


def boss_shield(k):
    """The boss's close-range blast: a ring of red energy pulsing out."""
    r = 80 + k * 8
    gid, g = radial_gradient([(0, "#ff2d55", 0), (0.6, "#ff2d55", 0.25), (0.85, "#ff7a90", 0.8),
                              (1, "#ff2d55", 0)])
    out = [defs(g), circle(0, 0, r + 30, "url(#%s)" % gid, 0),
           circle(0, 0, r, "none", 8, stroke="#ffe0e6", opacity=0.9)]
    for i in range(8):
        a = i * 45 + k * 9
        out.append(group(polyline([(r - 10, 0), (r + 14, -6), (r + 24, 4)], 4, "#fff3a0"), rotate(a)))
    return "".join(out)


def alert(k):
    s = [1.0, 1.1, 1.2, 1.1, 1.0][k]
    tri = poly([(0, -46), (48, 40), (-48, 40)], "#ffcf3f" if k % 2 == 0 else "#ff9f1c", SW)
    mark = rect(-6, -20, 12, 38, INK, 0, 5) + circle(0, 28, 6, INK, 0)
    return group(tri + mark, scale(s))


def portal(k):
    out = []
    gid, g = radial_gradient([(0, "#ffffff", 1), (0.35, "#c56bff", 0.9), (1, "#2b1656", 0)])
    out.append(defs(g) + circle(0, 0, 110, "url(#%s)" % gid, 0))
    for i in range(6):
        a = k * 12 + i * 60
        out.append(group(path("M 0 0 C 30 -20 70 -10 90 20", "none", 7, stroke="#f0c8ff", opacity=0.8),
                         rotate(a)))
    out.append(circle(0, 0, 26, "#ffffff", 0, opacity=0.9))
    return "".join(out)


def minion(k):
    """A small angry space critter scuttling on four legs."""
    step = [0, 8, 0, -8, 0][k]
    out = []
    for i, x in enumerate((-22, -8, 8, 22)):
        d = step if i % 2 == 0 else -step
        out.append(line(x, 16, x + d - 4, 40, 6))
    out.append(ellipse(0, 0, 40, 30, "#7dd35a", SW))
    out.append(highlight(-14, -12, 12, 6, 0.45))
    out.append(path("M -22 -26 L -30 -46 M 22 -26 L 30 -46", "none", 4))
    out.append(circle(-30, -48, 5, "#ff4f6a", 3) + circle(30, -48, 5, "#ff4f6a", 3))
    out.append(circle(-14, -6, 9, WHITE, 3) + circle(-16, -6, 4, INK, 0))
    out.append(line(-26, -18, -6, -12, 4))
    out.append(path("M -20 12 Q 0 4 10 14", "none", 4))
    return "".join(out)


def exclamation():
    return (poly([(0, -56), (44, 46), (-44, 46)], "#ff2d55", SW) + rect(-7, -28, 14, 44, WHITE, 0, 6) +
            circle(0, 30, 7, WHITE, 0))


def hexagon():
    pts = [(40 * math.cos(math.radians(a)), 40 * math.sin(math.radians(a))) for a in range(0, 360, 60)]
    inner = [(x * 0.62, y * 0.62) for x, y in pts]
    return poly(pts, "#ffffff", SW) + poly(inner, "#e6e6e6", 0) + highlight(-12, -14, 10, 5, 0.6)


def fevertime():
    out = [rect(-240, -46, 480, 92, "#ff2d55", SW, 46),
           rect(-228, -38, 456, 30, "#ff7a90", 0, 20, opacity=0.6)]
    out.append(text(0, 18, "FEVER TIME!", 64, WHITE))
    for x in (-210, 210):
        out.append(star(x, 0, 22, "#ffd23f", 3, 5))
    return "".join(out)


def draw(name, k, w, h):
    single = {
        "L4Sky": lambda: sky(w, h),
        "L4UFO": lambda: fit(ufo(), 110, 90, w, h, 0.04, 0, 6),
        "L4Asteroid": lambda: fit(asteroid(), 70, 70, w, h, 0.05),
        "L4Debris": lambda: fit(debris(), 96, 100, w, h, 0.03, 0, -4),
        "L4CheckpointGate": lambda: fit(gate(), 60, 500, w, h, 0.0),
        "L4Exclamation": lambda: fit(exclamation(), 100, 110, w, h, 0.05),
        "L4Hexagon": lambda: fit(hexagon(), 90, 84, w, h, 0.04),
        "L4Fevertime": lambda: fit(fevertime(), 490, 100, w, h, 0.02),
    }
    if name in single:
        return single[name]()
    sheets = {
        "L4Planets": lambda: fit(planet(k), 130, 90, w, h, 0.03),
        "L4PipeLaser": lambda: fit(pipe_laser(k), 48, 256, w, h, 0.0),
        "L4Girder": lambda: fit(girder(k), 304, 76, w, h, 0.02),
        "L4Eagle": lambda: fit(eagle(k), 200, 130, w, h, 0.03, -6, 0),
        "L4BossBall": lambda: fit(boss_ball(k), 92, 92, w, h, 0.02),
        "L4BossShield": lambda: fit(boss_shield(k), 250, 250, w, h, 0.0),
        "L4Alert": lambda: fit(alert(k), 120, 116, w, h, 0.04),
        "L4Portal": lambda: fit(portal(k), 230, 230, w, h, 0.0),
        "L4Minion": lambda: fit(minion(k), 100, 100, w, h, 0.04, 0, -2),
    }
    if name in sheets:
        return sheets[name]()
    return None
