"""Drawings of the boss level: the stone giant's arena, the energy orb, the
minion, the laser belts and turrets, the tier bar, the boss's rock, arm,
shadow, barrier charge and blast, the lock-on reticle and a plain white sheet."""

import math

from svgkit import (INK, WHITE, circle, ellipse, rect, path, poly, group, line, translate, scale, rotate, fit,
                    highlight, star, lighten, darken, defs, radial_gradient)
import scenes

W, H = 640, 360


def arena(w, h):
    """The giant's cavern at night: a purple vault, glowing crystals on the
    walls, a round pit in the middle where the boss sleeps, a stone floor whose
    top edge is the birds' ground (two units from the bottom)."""
    out = [scenes.sky("#241a3d", "#4d3775")]
    # The cave's vault and far walls.
    out.append(path("M 0 0 L 640 0 L 640 70 C 570 100 520 50 440 80 C 370 106 300 56 220 86 "
                    "C 150 112 80 64 0 96 Z", "#1a1330", 5))
    out.append(path("M 0 96 C 60 130 40 220 70 320 L 0 320 Z", "#2d2249", 4))
    out.append(path("M 640 70 C 580 120 610 220 570 320 L 640 320 Z", "#2d2249", 4))
    # Faint stars through cracks in the vault.
    for i, (x, y) in enumerate(((120, 30), (250, 18), (390, 40), (500, 22), (600, 36))):
        out.append(star(x, y, 3 + i % 2, "#e8d8ff", 0))
    # Crystals along the walls, each with a soft glow.
    for x, y, hgt, tilt in ((40, 300, 70, -8), (100, 318, 46, 10), (548, 318, 52, -10), (600, 300, 76, 8),
                            (170, 320, 30, 0), (470, 320, 34, 0)):
        out.append(ellipse(x, y - hgt / 2, 26, hgt / 1.4, "#c56bff", 0, opacity=0.18))
        out.append(group(poly([(-12, 0), (0, -hgt), (12, 0)], "#c56bff", 4) +
                         line(0, -hgt + 10, 0, -6, 3, WHITE, 0.6), translate(x, y) + " " + rotate(tilt)))
    # The boss's pit in the middle of the floor.
    out.append(ellipse(320, 322, 120, 16, "#120d22", 4))
    out.append(ellipse(320, 318, 96, 8, "#c56bff", 0, opacity=0.25))
    # The floor: a band of flagstones.
    out.append(rect(-10, 320, 660, 50, "#3b2f58", 5))
    for i in range(9):
        x = i * 80 - 20
        out.append(path("M %d 320 L %d 360" % (x + 40, x + 30), "none", 3, stroke="#2a2142"))
    out.append(rect(-10, 320, 660, 6, "#5a4a80", 0))
    return group("".join(out), scale(w / 640.0, h / 360.0))


def orb(k, w, h):
    """A cyan energy orb with a pulsing glow and a spark circling it."""
    gid, grad = radial_gradient([(0, WHITE), (0.45, "#8ff6ff"), (1, "#1fb4d9")])
    pulse = 1.0 + 0.08 * math.sin(k * 2 * math.pi / 5)
    a = k * 72 * math.pi / 180
    out = [defs(grad),
           circle(0, 0, 46 * pulse, "#5fe8ff", 0, opacity=0.3),
           circle(0, 0, 34, "url(#%s)" % gid, 4),
           highlight(-11, -13, 10, 6, 0.7),
           star(38 * math.cos(a), 38 * math.sin(a), 8, "#fffbd0", 2)]
    return fit("".join(out), 104, 104, w, h, 0.02)


def minion(k, w, h):
    """A small stone bat of the giant's, wings beating over five cells."""
    flap = math.sin(k * 2 * math.pi / 5)
    wy = -24 * flap
    out = []
    for side in (-1, 1):
        out.append(path("M %d -4 C %d %d %d %d %d %d C %d %d %d %d %d 10 Z" % (
            side * 14, side * 40, -10 + wy, side * 62, -24 + wy, side * 70, 2 + wy,
            side * 54, 4 + wy * 0.4, side * 40, 14, side * 16), "#7b6aa0", 4))
    out.append(ellipse(0, 4, 22, 24, "#8f80b6", 4))
    out.append(poly([(-14, -14), (-8, -32), (-2, -16)], "#8f80b6", 4))
    out.append(poly([(14, -14), (8, -32), (2, -16)], "#8f80b6", 4))
    out.append(circle(-8, 0, 5, "#ff4fd8", 2) + circle(8, 0, 5, "#ff4fd8", 2))
    out.append(poly([(-4, 9), (4, 9), (0, 16)], "#f4b65d", 3))
    out.append(highlight(-8, -8, 6, 3, 0.4))
    return fit("".join(out), 150, 100, w, h, 0.03)


def belt(k, w, h):
    """A vertical wall of laser light between two emitter caps."""
    out = [rect(-30, -236, 60, 472, "#ff3b5c", 0, opacity=0.28),
           rect(-14, -236, 28, 472, "#ff8aa0", 0, opacity=0.7),
           rect(-5, -236, 10, 472, WHITE, 0)]
    for i in range(7):
        y = -220 + ((i * 71 + k * 19) % 440)
        out.append(ellipse(0, y, 20, 5, "none", 3, stroke=WHITE, opacity=0.7))
    out.append(rect(-34, -252, 68, 26, "#4b3d6e", 4, rx=8) + rect(-34, 226, 68, 26, "#4b3d6e", 4, rx=8))
    out.append(circle(0, -239, 6, "#ff3b5c", 2) + circle(0, 239, 6, "#ff3b5c", 2))
    return fit("".join(out), 72, 508, w, h, 0.0)


def turret(w, h):
    """A laser turret, its barrel pointing up (the object turns it)."""
    out = [rect(-12, -58, 24, 48, "#5a4a80", 4, rx=6),
           rect(-16, -64, 32, 12, "#3b2f58", 4, rx=4),
           circle(0, -58, 5, "#ff3b5c", 2),
           circle(0, 4, 34, "#6f5e99", 5),
           circle(0, 4, 16, "#ff3b5c", 4),
           circle(0, 4, 7, "#ffd0da", 0),
           highlight(-12, -8, 10, 5, 0.4)]
    return fit("".join(out), 80, 130, w, h, 0.04, 0, -12)


def tier_bar(w, h):
    """A dark rounded plate with five sockets for the upgrade icons."""
    out = [rect(-180, -38, 360, 76, "#2a1b33", 5, rx=30, opacity=0.8)]
    for i in range(5):
        out.append(circle(-136 + i * 68, 0, 26, "#3b2f58", 3, stroke="#8f80b6"))
    return fit("".join(out), 366, 82, w, h, 0.0)


def rock(w, h):
    out = [path("M -40 20 L -34 -18 L -6 -38 L 28 -30 L 42 0 L 30 32 L -14 38 Z", "#7a6a8e", 5),
           path("M -10 -20 L 4 0 L -6 18", "none", 3, stroke="#4e4262"),
           highlight(-16, -18, 12, 5, 0.35)]
    return fit("".join(out), 90, 80, w, h, 0.04)


def arm(w, h):
    """The giant's stone hand closing round a bird: fingers as cage bars."""
    out = [path("M -60 40 C -64 0 -50 -40 -30 -56 L -20 -44 C -34 -20 -40 10 -36 40 Z", "#8f80b6", 4),
           path("M 60 40 C 64 0 50 -40 30 -56 L 20 -44 C 34 -20 40 10 36 40 Z", "#8f80b6", 4)]
    for x in (-14, 14):
        out.append(rect(x - 6, -50, 12, 86, "#8f80b6", 4, rx=6))
    out.append(rect(-66, 34, 132, 26, "#7b6aa0", 5, rx=12))
    out.append(path("M -50 46 L -30 46 M 20 46 L 44 46", "none", 3, stroke="#4e4262"))
    out.append(highlight(-40, -20, 6, 12, 0.3))
    return fit("".join(out), 140, 124, w, h, 0.03)


def shadow(w, h):
    """A white shadow ellipse that the boss tints with the coming attack's colour."""
    gid, grad = radial_gradient([(0, WHITE, 0.9), (0.7, WHITE, 0.55), (1, WHITE, 0.0)])
    return fit(defs(grad) + ellipse(0, 0, 120, 56, "url(#%s)" % gid, 0) +
               ellipse(0, 0, 112, 50, "none", 4, stroke=WHITE, opacity=0.9), 250, 120, w, h, 0.01)


def charge(w, h):
    """The electric barrier: a bright ring with bolts inside it."""
    gid, grad = radial_gradient([(0, "#bfe8ff", 0.15), (0.8, "#6fd0ff", 0.35), (1, "#6fd0ff", 0.0)])
    out = [defs(grad), circle(0, 0, 120, "url(#%s)" % gid, 0),
           circle(0, 0, 104, "none", 8, stroke="#9fe4ff", opacity=0.9),
           circle(0, 0, 104, "none", 3, stroke=WHITE)]
    for i in range(8):
        a = i * 45
        out.append(group(path("M 30 0 L 52 -8 L 60 6 L 84 -4 L 98 8", "none", 5, stroke=WHITE),
                         rotate(a)))
    return fit("".join(out), 244, 244, w, h, 0.0)


def blast(w, h):
    """The boss's final blast: a white-hot core fading into gold."""
    gid, grad = radial_gradient([(0, WHITE), (0.45, "#fff6c0"), (0.75, "#ffcf3f", 0.9), (1, "#ff8a3d", 0.0)])
    out = [defs(grad), circle(0, 0, 120, "url(#%s)" % gid, 0)]
    for i in range(12):
        out.append(group(poly([(0, -8), (118, 0), (0, 8)], WHITE, 0, opacity=0.55), rotate(i * 30 + 7)))
    return fit("".join(out), 244, 244, w, h, 0.0)


def reticle(k, w, h):
    """The laser's lock-on: a red crosshair that turns as it follows its bird."""
    out = [circle(0, 0, 44, "none", 7, stroke="#ff3b5c"),
           circle(0, 0, 44, "none", 2, stroke=WHITE, opacity=0.8),
           circle(0, 0, 6, "#ff3b5c", 2)]
    for i in range(4):
        out.append(group(rect(-4, -60, 8, 26, "#ff3b5c", 3), rotate(i * 90 + k * 18)))
    return fit("".join(out), 128, 128, w, h, 0.02)


def plain_white(w, h):
    return rect(0, 0, w, h, WHITE, 0)


def boss_level_texture(name, k, w, h):
    table = {
        "ZurododavadArenaBG": lambda: arena(w, h),
        "EnergyOrb": lambda: orb(k, w, h),
        "ZurododavadMinionBat": lambda: minion(k, w, h),
        "LaserBelt": lambda: belt(k, w, h),
        "LaserTurret": lambda: turret(w, h),
        "TierBar": lambda: tier_bar(w, h),
        "ZurododavadRock": lambda: rock(w, h),
        "ZurododavadArm": lambda: arm(w, h),
        "BossShadow": lambda: shadow(w, h),
        "ElectricChargeUp": lambda: charge(w, h),
        "ZurododavadBlast": lambda: blast(w, h),
        "LockOnReticle": lambda: reticle(k, w, h),
        "PlainWhite": lambda: plain_white(w, h),
    }
    if name in table:
        return table[name]()
    return None
