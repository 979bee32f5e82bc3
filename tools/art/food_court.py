"""The food court: its hall, the stall, the tables, the customers (two looks,
each walking, standing and carrying), their tray of food, the scraps they drop,
and the plates under the score and clock read-outs.

Customers face right, like the birds; the game mirrors them with a negative
x scale. All three poses of a look have four cells, so a customer can change
pose without changing its animation range.
"""

import math

from svgkit import (INK, WHITE, FONT_TITLE, circle, ellipse, rect, path, poly, line, group,
                    highlight, text, translate, rotate, scale, fit, darken, lighten, mix,
                    linear_gradient, defs)
import scenes

W, H = scenes.W, scenes.H
SW = 4

LOOKS = {
    1: dict(skin="#f2c29b", hair="#6b3b1f", shirt="#ff7a45", pants="#3f5fa8", shoes="#3a3350",
            style="bob"),
    2: dict(skin="#a8714a", hair="#2a1b33", shirt="#4fb87a", pants="#5a4a3e", shoes="#e8393f",
            style="cap", cap="#2f7fe0"),
}


# ---- people ------------------------------------------------------------------------

def _limb(x1, y1, x2, y2, colour, width):
    """A rounded limb with the house outline."""
    return line(x1, y1, x2, y2, width + SW * 2, INK) + line(x1, y1, x2, y2, width, colour)


def _leg(hip_x, hip_y, angle, look, far=False):
    length = 60
    a = math.radians(angle)
    fx, fy = hip_x + math.sin(a) * length, hip_y + math.cos(a) * length
    pants = darken(look["pants"], 0.18) if far else look["pants"]
    shoe = darken(look["shoes"], 0.18) if far else look["shoes"]
    return (_limb(hip_x, hip_y, fx, fy, pants, 16) +
            ellipse(fx + 7, fy + 4, 14, 8, shoe, SW))


def _arm(sx, sy, hx, hy, look, far=False):
    sleeve = darken(look["shirt"], 0.18) if far else look["shirt"]
    skin = darken(look["skin"], 0.12) if far else look["skin"]
    mx, my = sx + (hx - sx) * 0.5, sy + (hy - sy) * 0.5
    return (_limb(sx, sy, mx, my, sleeve, 13) + _limb(mx, my, hx, hy, skin, 10) +
            circle(hx, hy, 7, skin, SW))


def _head(look, cx, cy, blink=False):
    out = []
    if look["style"] == "bob":
        out.append(path("M %g %g C %g %g %g %g %g %g C %g %g %g %g %g %g Z" % (
            cx - 34, cy + 16, cx - 40, cy - 30, cx + 10, cy - 50, cx + 30, cy - 18,
            cx + 12, cy - 24, cx - 10, cy - 10, cx - 14, cy + 22), look["hair"], SW))
    out.append(circle(cx, cy, 30, look["skin"], SW))
    out.append(ellipse(cx + 30, cy + 6, 7, 6, darken(look["skin"], 0.08), SW))  # nose
    if look["style"] == "bob":
        out.append(path("M %g %g C %g %g %g %g %g %g C %g %g %g %g %g %g Z" % (
            cx - 30, cy - 2, cx - 34, cy - 34, cx + 8, cy - 42, cx + 28, cy - 14,
            cx + 8, cy - 18, cx - 8, cy - 14, cx - 18, cy + 8), look["hair"], SW))
    else:
        # short hair at the back and a cap with its peak to the front
        out.append(path("M %g %g C %g %g %g %g %g %g L %g %g Z" % (
            cx - 30, cy + 6, cx - 34, cy - 10, cx - 26, cy - 18, cx - 14, cy - 20,
            cx - 18, cy + 8), look["hair"], SW))
        out.append(path("M %g %g C %g %g %g %g %g %g Z" % (
            cx - 30, cy - 10, cx - 28, cy - 44, cx + 26, cy - 44, cx + 28, cy - 10), look["cap"], SW))
        out.append(path("M %g %g L %g %g C %g %g %g %g %g %g Z" % (
            cx + 14, cy - 14, cx + 46, cy - 12, cx + 48, cy - 6, cx + 36, cy - 4, cx + 12, cy - 6),
            darken(look["cap"], 0.2), SW))
        out.append(highlight(cx - 8, cy - 32, 12, 4, 0.35))
    if blink:
        out.append(line(cx + 10, cy - 2, cx + 20, cy - 2, 3.5))
    else:
        out.append(ellipse(cx + 15, cy - 3, 4, 5.5, INK, 0))
        out.append(circle(cx + 16.5, cy - 5, 1.6, WHITE, 0))
    out.append(path("M %g %g Q %g %g %g %g" % (cx + 8, cy + 14, cx + 16, cy + 20, cx + 24, cy + 13),
                    "none", 3.5))
    out.append(circle(cx + 4, cy + 10, 5, "#ff8f8f", 0, opacity=0.45))
    return "".join(out)


def person(look_id, pose, k):
    """A customer in a 120 x 220 box, feet at the bottom, facing right.
    pose: "walk", "stand" or "carry"; k: the cell (0..3)."""
    look = LOOKS[look_id]
    swing = [22, 0, -22, 0][k] if pose in ("walk", "carry") else 0
    bob = [0, -3, 0, -3][k] if pose in ("walk", "carry") else (0 if k < 2 else -1)
    hip_x, hip_y = 60, 146 + bob
    out = []
    # far side first
    out.append(_leg(hip_x - 4, hip_y, -swing, look, far=True))
    sx, sy = 58, 100 + bob
    if pose == "carry":
        out.append(_arm(sx - 4, sy, 96, 126 + bob, look, far=True))
    else:
        a = math.radians(swing * 0.9)
        out.append(_arm(sx - 4, sy, sx - 4 - math.sin(a) * 44, sy + math.cos(a) * 44, look, far=True))
    # body
    out.append(rect(40, 130 + bob, 42, 26, look["pants"], SW, 10))
    out.append(rect(36, 86 + bob, 50, 62, look["shirt"], SW, 18))
    out.append(highlight(50, 98 + bob, 9, 4, 0.35))
    out.append(_leg(hip_x + 4, hip_y, swing, look))
    out.append(_head(look, 62, 52 + bob, blink=(pose == "stand" and k == 3)))
    # near arm
    if pose == "carry":
        out.append(_arm(sx + 2, sy, 100, 122 + bob, look))
    else:
        a = math.radians(-swing * 0.9)
        out.append(_arm(sx + 2, sy, sx + 2 - math.sin(a) * 44, sy + math.cos(a) * 44, look))
    return "".join(out)


def customer(name, k, w, h):
    look = int(name[len("Customer")])
    pose = name.split("_")[1].lower()
    return fit(person(look, pose, k), 120, 220, w, h, 0.02, 60, 110)


# ---- food ----------------------------------------------------------------------------

def burger(x, y, s=1.0):
    return group(
        path("M -26 6 L 26 6 C 26 16 -26 16 -26 6 Z", "#e0a45a", SW) +          # bottom bun
        rect(-28, -4, 56, 10, "#7a3e1f", SW, 5) +                              # patty
        path("M -30 -4 L -20 -10 L -10 -4 L 0 -10 L 10 -4 L 20 -10 L 30 -4 Z", "#7fd14a", 3) +
        path("M -26 -8 C -26 -34 26 -34 26 -8 Z", "#f0b766", SW) +           # top bun
        "".join(ellipse(dx, dy, 2.2, 1.3, "#fff6e0", 0) for dx, dy in ((-12, -20), (0, -25), (11, -19))) +
        highlight(-8, -22, 8, 3, 0.4),
        translate(x, y) + " " + scale(s))


def fries(x, y, s=1.0):
    sticks = "".join(rect(-14 + i * 6, -30 + (i % 3) * 4, 6, 26, "#ffd23f", 2.5, 2) for i in range(5))
    return group(sticks + path("M -18 -12 L 18 -12 L 14 14 L -14 14 Z", "#e8393f", SW) +
                 path("M -6 -2 Q 0 6 6 -2", "none", 2.5, stroke=WHITE),
                 translate(x, y) + " " + scale(s))


def soda(x, y, s=1.0):
    return group(line(4, -44, 10, -58, 4, "#41bed1") +
                 path("M -12 -40 L 12 -40 L 9 12 L -9 12 Z", "#2f7fe0", SW) +
                 rect(-14, -46, 28, 8, WHITE, SW, 3) + rect(-8, -22, 16, 12, WHITE, 0, 3, opacity=0.8) +
                 highlight(-5, -30, 3, 8, 0.35, angle=0),
                 translate(x, y) + " " + scale(s))


def tray():
    """A tray with a burger, fries and a drink: 140 x 90, centred."""
    return (soda(38, 20, 0.8) + fries(-36, 18, 0.95) + burger(0, 20, 0.95) +
            path("M -66 24 L 66 24 L 58 38 L -58 38 Z", "#ff9f40", SW) +
            line(-50, 30, 50, 30, 2.5, lighten("#ff9f40", 0.4)))


def scrap():
    """A half-eaten nugget and two fries: 60 x 44."""
    return (rect(-24, -6, 30, 7, "#ffd23f", 3, 3, transform=rotate(-18, -9, -3)) +
            rect(-4, 4, 28, 7, "#ffd23f", 3, 3, transform=rotate(14, 10, 7)) +
            path("M -14 10 C -20 -10 4 -20 14 -8 C 10 -4 12 2 16 2 C 16 14 -8 20 -14 10 Z", "#e0a45a", 3.5) +
            "".join(circle(dx, dy, 1.6, "#b07a3e", 0) for dx, dy in ((-6, 2), (2, -6), (6, 8))) +
            highlight(-6, -6, 5, 2.5, 0.4))


# ---- furniture -------------------------------------------------------------------------

def table():
    """A diner table seen from the side: 210 x 110 box, top edge at the top."""
    top = "#f4b65d"
    return (rect(-100, 22, 12, 78, "#8f8aa0", SW, 3) + rect(88, 22, 12, 78, "#8f8aa0", SW, 3) +
            rect(-112, 96, 36, 8, "#6e6a80", SW, 4) + rect(76, 96, 36, 8, "#6e6a80", SW, 4) +
            rect(-105, 0, 210, 24, top, SW, 8) + rect(-105, 16, 210, 8, darken(top, 0.25), 0, 4) +
            highlight(-50, 7, 34, 3.5, 0.45, angle=0))


def cook(k):
    """The cook behind the stall's window, with a tall hat."""
    look = dict(skin="#f2c29b", hair="#6b3b1f", shirt=WHITE, pants="#3a3350", shoes="#3a3350", style="bald")
    head = (circle(0, 0, 26, look["skin"], SW) + ellipse(26, 6, 6, 5, darken(look["skin"], 0.08), SW) +
            ellipse(12, -3, 3.5, 4.5, INK, 0) +
            path("M 6 12 Q 14 18 22 11", "none", 3.5) +
            path("M -24 -14 C -34 -40 -14 -62 0 -50 C 10 -66 34 -52 24 -30 L 20 -16 L -20 -16 Z", WHITE, SW) +
            rect(-22, -22, 44, 10, lighten("#cfd6e8", 0.2), SW, 4))
    return group(rect(-30, 22, 60, 50, WHITE, SW, 16) + head, translate(0, [0, -2][k % 2]))


def stall(k):
    """The food stall: a kiosk with a striped awning, a sign and a counter that
    juts out to the right, where customers order. 300 x 300 box, centred."""
    red, cream = "#e8393f", "#fff6e0"
    wood = "#b07a3e"
    out = []
    # back and frame
    out.append(rect(-130, -70, 250, 220, "#ffcf8f", SW, 10))
    out.append(rect(-112, -40, 200, 96, "#5a4a6e", SW, 8))                 # window, dark inside
    out.append(group(cook(k), translate(-10, 14)))
    # menu board at the left of the window
    out.append(rect(-104, -32, 56, 44, "#2a1b33", 3, 6))
    for i, w in enumerate((38, 30, 34)):
        out.append(line(-96, -20 + i * 12, -96 + w, -20 + i * 12, 3, "#ffe9a8"))
    # counter jutting out to the right
    out.append(rect(-124, 56, 276, 20, wood, SW, 6))
    out.append(highlight(-40, 62, 60, 3, 0.35, angle=0))
    out.append(rect(-124, 76, 236, 74, lighten(wood, 0.25), SW, 4))
    for x in range(-104, 110, 36):
        out.append(line(x, 84, x, 142, 3, darken(wood, 0.1)))
    # awning: red and cream stripes with a scalloped edge
    stripes = []
    for i in range(10):
        x = -146 + i * 29
        stripes.append(poly([(x + 8, -108), (x + 37, -108), (x + 29, -70), (x, -70)],
                            [red, cream][i % 2], 3))
    out.append("".join(stripes))
    for i in range(10):
        x = -146 + i * 29
        out.append(path("M %g -70 Q %g -52 %g -70 Z" % (x, x + 14.5, x + 29), [red, cream][i % 2], 3))
    # sign on top
    out.append(rect(-90, -150, 170, 44, "#ffd23f", SW, 14))
    out.append(text(-5, -118, "FOOD!", 30, red, FONT_TITLE, sw=5))
    # a pot steaming on the counter
    out.append(rect(78, 30, 40, 28, "#8f8aa0", SW, 6) + rect(72, 26, 52, 8, "#6e6a80", SW, 4))
    puffs = [(92, 8, 9), (104, -8, 11), (94, -26, 8)] if k == 0 else [(100, 10, 8), (90, -6, 11), (102, -24, 9)]
    for x, y, r in puffs:
        out.append(circle(x, y, r, WHITE, 3, opacity=0.85))
    return "".join(out)


# ---- the hall ------------------------------------------------------------------------------

def shop_front(x, y, w, h, colour, sign):
    out = [rect(x, y, w, h, lighten(colour, 0.55), 3, 6),
           rect(x + 10, y + 34, w - 20, h - 34, "#fdf3dd", 3, 4),
           rect(x, y, w, 28, colour, 3, 6),
           text(x + w / 2, y + 21, sign, 17, WHITE, FONT_TITLE, sw=3, stroke=darken(colour, 0.45))]
    for i in range(3):
        out.append(rect(x + 18 + i * (w - 36) / 3.0, y + 44, (w - 36) / 3.0 - 8, 22,
                        lighten(colour, 0.3), 2.5, 4))
    return "".join(out)


def lamp(x, y):
    return (line(x, 0, x, y - 12, 2.5, "#6e6a80") +
            path("M %g %g L %g %g L %g %g L %g %g Z" % (x - 16, y + 6, x - 8, y - 12, x + 8, y - 12, x + 16, y + 6),
                 "#ffcf3f", 3) +
            circle(x, y + 8, 5, "#fff6c8", 2.5))


def plant(x, y, s=1.0):
    leaves = "".join(ellipse(0, -30, 9, 26, "#4fa83d", 3, transform=rotate(a, 0, -6))
                     for a in (-50, -22, 0, 22, 50))
    return group(leaves + path("M -18 -6 L 18 -6 L 13 22 L -13 22 Z", "#d8693a", 3.5) +
                 rect(-20, -10, 40, 8, "#e8844f", 3.5, 3), translate(x, y) + " " + scale(s))


def hall():
    """The food court's hall, 640 x 360: a warm wall with tall windows onto an
    evening city, shop fronts, hanging lamps and a tiled floor whose top edge
    (y 310) is where the birds and the customers walk."""
    wall_id, wall = linear_gradient([(0, "#ffe2b8"), (1, "#ffd39b")])
    sky_id, sky_g = linear_gradient([(0, "#ff9f6b"), (1, "#ffe0b0")])
    out = [defs(wall, sky_g), rect(0, 0, W, H, "url(#%s)" % wall_id, 0)]
    # ceiling beam
    out.append(rect(-4, -4, W + 8, 26, "#c98f5a", 3))
    # windows with the evening city behind
    for wx in (40, 250, 460):
        out.append(rect(wx, 40, 140, 110, "url(#%s)" % sky_id, 3, 10))
        for bx, bh, col in ((wx + 6, 50, "#c9a7e8"), (wx + 38, 72, "#a7c8e8"), (wx + 74, 40, "#e8c3a7"),
                            (wx + 100, 62, "#b5e0b0")):
            out.append(rect(bx, 150 - bh, 32, bh, col, 0))
            for wy in range(150 - bh + 8, 144, 16):
                out.append(rect(bx + 8, wy, 6, 7, "#fff3a0", 0) + rect(bx + 19, wy, 6, 7, "#fff3a0", 0))
        out.append(rect(wx, 40, 140, 110, "none", 5, 10, stroke="#c98f5a"))
        out.append(line(wx + 70, 40, wx + 70, 150, 4, "#c98f5a"))
        out.append(highlight(wx + 32, 62, 18, 5, 0.35))
    # shop fronts along the back wall
    out.append(shop_front(200, 182, 120, 112, "#2f7fe0", "NOODLES"))
    out.append(shop_front(340, 182, 120, 112, "#4fa83d", "JUICE"))
    out.append(shop_front(480, 182, 130, 112, "#c56bff", "PIZZA"))
    for x in (80, 236, 400, 560):
        out.append(lamp(x, 170 if x % 3 else 164))
    # skirting and floor
    out.append(rect(-4, 294, W + 8, 18, "#c98f5a", 3))
    tiles = []
    for row, y in enumerate((310, 326, 343)):
        hgt = [16, 17, 20][row]
        for i in range(-1, 21):
            x = i * 34 + (17 if row % 2 else 0)
            tiles.append(rect(x, y, 34, hgt, ["#f6e7cf", "#e3a779"][(i + row) % 2], 2, 0,
                              stroke=darken("#e3a779", 0.3)))
    out.append("".join(tiles))
    out.append(line(0, 310, W, 310, 4))
    out.append(plant(172, 290, 0.9) + plant(620, 290, 0.8))
    return "".join(out)


def plate(w, h):
    """A white board for a read-out; the level tints it."""
    m = h * 0.1
    return (rect(m, m + 4, w - 2 * m, h - 2 * m, "#1f1830", 0, (h - 2 * m) / 2, opacity=0.3) +
            rect(m, m, w - 2 * m, h - 2 * m - 2, WHITE, h * 0.05, (h - 2 * m) / 2) +
            highlight(w * 0.3, m + h * 0.2, w * 0.2, h * 0.07, 0.45, angle=0))


def clock_badge(w, h):
    s = min(w, h) / 100.0
    body = (circle(50, 54, 42, "#1f1830", 0, opacity=0.3) + circle(50, 50, 42, "#ffd23f", 5) +
            circle(50, 50, 34, "#fff6e0", 3) + line(50, 8, 50, 2, 6) +
            highlight(34, 30, 12, 5, 0.45))
    return group(body, scale(s))


def food_court(name, k, w, h):
    if name.startswith("Customer") and "_" in name:
        return customer(name, k, w, h)
    if name == "FoodCourtBG":
        return group(hall(), scale(w / float(W), h / float(H)))
    simple = {
        "FoodTray": lambda: fit(tray(), 140, 90, w, h, 0.02, 0, -4),
        "FoodScrap": lambda: fit(scrap(), 60, 44, w, h, 0.04, 0, 0),
        "FoodCourtTable": lambda: fit(table(), 226, 110, w, h, 0.01, 0, 52),
        "FoodStall": lambda: fit(stall(k), 304, 304, w, h, 0.01, 0, 0),
        "FoodCourtPlate": lambda: plate(w, h),
        "FoodCourtClock": lambda: clock_badge(w, h),
    }
    if name in simple:
        return simple[name]()
    return None
