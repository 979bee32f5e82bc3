"""Drawings of the egg level: its arena backdrop, the UFO and its beam, the
meteor, the moving branch platform, the armour piece, the corner nests, the
barriers and the thirty-seconds banner."""

import math

from svgkit import (INK, WHITE, circle, ellipse, rect, path, poly, group, text, translate, scale, fit,
                    highlight, star, lighten, darken)
import scenes
import things
import ui


def arena(w, h):
    """A dusk sky over the eagle's cliff: low hills, two big branches on the
    sides where the nests sit, and a hint of stars."""
    out = [scenes.sky("#6f8fe8", "#ffd3a8")]
    for i, (x, y) in enumerate(((60, 40), (150, 80), (250, 30), (420, 60), (520, 30), (600, 90), (330, 95))):
        out.append(star(x, y, 4 + (i % 3), "#fff6c8", 0))
    out.append(scenes.sun(500, 250, 46))
    out.append(scenes.cloud(110, 140, 1.0, "#ffeede"))
    out.append(scenes.cloud(520, 120, 0.8, "#ffeede"))
    out.append(scenes.hills(300, "#6bb8a0", "#4f9a86"))
    # Two cliffs at the sides where the corner nests sit.
    out.append(path("M 0 360 L 0 250 C 40 240 80 250 110 262 L 120 360 Z", "#8a5a2b", 5))
    out.append(path("M 640 360 L 640 250 C 600 240 560 250 530 262 L 520 360 Z", "#8a5a2b", 5))
    out.append(rect(-10, 340, 660, 30, "#6e4a22", 5))
    return group("".join(out), scale(w / 640.0, h / 360.0))


def ufo(k, w, h):
    body = things.saucer(k, 5)
    # A ring of warning lights under the hull.
    glow = ellipse(0, 26, 46, 9, "#7dff6a", 0, opacity=0.35 + 0.15 * (k % 2))
    return fit(glow + body, 170, 110, w, h, 0.03, 0, -8)


def beam(k, w, h):
    """A vertical tractor beam, widening downwards."""
    out = []
    top, bottom = 16, 150
    wob = 3 * math.sin(k * 1.7)
    out.append(poly([(-top, -230), (top, -230), (bottom + wob, 230), (-bottom - wob, 230)], "#7dff6a", 5,
                    opacity=0.55))
    out.append(poly([(-top * 0.6, -230), (top * 0.6, -230), (bottom * 0.55, 230), (-bottom * 0.55, 230)],
                    "#c8ffb8", 0, opacity=0.7))
    out.append(poly([(-4, -230), (4, -230), (bottom * 0.15, 230), (-bottom * 0.15, 230)], WHITE, 0,
                    opacity=0.9))
    for i in range(6):
        y = -200 + ((i * 83 + k * 37) % 420)
        r = 18 + (y + 230) * 0.25
        out.append(ellipse(0, y, r, r * 0.2, "none", 3, stroke=WHITE, opacity=0.6))
    return fit("".join(out), 320, 470, w, h, 0.0)


def meteor(w, h):
    out = [path("M 10 -20 C 60 -30 110 -10 150 0 C 110 10 60 30 10 20 Z", "#ffb31f", 4, opacity=0.9),
           path("M 10 -12 C 50 -16 90 -6 120 0 C 90 6 50 16 10 12 Z", "#fff3a0", 0),
           circle(0, 0, 34, "#7a6a7e", 5),
           circle(-10, -8, 8, "#5e5062", 3), circle(12, 10, 6, "#5e5062", 3), circle(8, -14, 4, "#5e5062", 3),
           highlight(-12, -16, 12, 5, 0.35)]
    return fit(group("".join(out), scale(-1, 1)), 190, 80, w, h, 0.04, -40, 0)


def platform(w, h):
    out = [rect(-150, -18, 300, 36, "#9a6a35", 5, rx=16),
           path("M -120 -4 q 40 8 80 0 M 10 6 q 40 -8 90 2", "none", 3, stroke="#6e4a22"),
           ellipse(-100, -22, 24, 9, "#5cb83a", 4), ellipse(80, -22, 30, 10, "#5cb83a", 4),
           ellipse(0, -24, 18, 8, "#7bd14a", 4)]
    return fit("".join(out), 310, 60, w, h, 0.02)


def armour(k, w, h):
    glow = circle(0, 0, 46 + 3 * (k % 3), "#ffe14d", 0, opacity=0.35)
    shield = path("M 0 -40 L 34 -28 C 34 8 22 28 0 42 C -22 28 -34 8 -34 -28 Z", "#8fb7e6", 5)
    inner = path("M 0 -28 L 22 -20 C 22 4 14 18 0 28 C -14 18 -22 4 -22 -20 Z", "#cfe3ff", 0)
    return fit(glow + shield + inner + star(0, -2, 12, "#ffd23f", 3) + highlight(-14, -22, 8, 4, 0.6),
               100, 100, w, h, 0.02)


def nest(w, h):
    body = scenes.nest(0, 0, 1.4)
    return fit(body, 210, 70, w, h, 0.02)


def barrier(w, h, colour):
    out = [rect(-20, -150, 40, 300, colour, 4, rx=18, opacity=0.35)]
    for i in range(5):
        y = -120 + i * 60
        out.append(path("M -12 %d L 0 %d L 12 %d" % (y + 10, y - 6, y + 10), "none", 5, stroke=WHITE, opacity=0.8))
    return fit("".join(out), 44, 304, w, h, 0.0)


def thirty(w, h):
    return ui.ribbon(w, h, "30 SECONDS LEFT!", "#e8393f")


def star_sprite(w, h):
    return fit(star(0, 0, 40, "#fff6c8", 0) + circle(0, 0, 12, WHITE, 0, opacity=0.8), 90, 90, w, h, 0.02)


def hud_panel(w, h):
    return fit(rect(-150, -40, 300, 80, "#2a1b33", 5, rx=30, opacity=0.75), 310, 90, w, h, 0.0)


def egg_level_texture(name, k, w, h):
    table = {
        "EggArenaBG": lambda: arena(w, h),
        "UFOSaucer": lambda: ufo(k, w, h),
        "UFOBeam": lambda: beam(k, w, h),
        "MeteorRock": lambda: meteor(w, h),
        "BranchPlatform": lambda: platform(w, h),
        "ArmorPiece": lambda: armour(k, w, h),
        "CornerNest": lambda: nest(w, h),
        "BarrierRed": lambda: barrier(w, h, "#e8393f"),
        "BarrierBlue": lambda: barrier(w, h, "#2f7fe0"),
        "ThirtySecondsBanner": lambda: thirty(w, h),
        "StarTwinkle": lambda: star_sprite(w, h),
        "HudPanel": lambda: hud_panel(w, h),
    }
    if name in table:
        return table[name]()
    return None
