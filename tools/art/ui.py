"""Menus, cards, icons and banners: everything with lettering on it.

Drawers work directly in cell pixels (w x h) because text sizes are chosen
for the cell, then everything keeps the house outline and highlight.
"""

import math

from svgkit import (INK, WHITE, P1_RED, P2_BLUE, BIRD_COLOURS, FONT_TITLE, FONT_ROUND,
                    FONT_PLAIN, circle, ellipse, rect, path, poly, line, polyline, group,
                    highlight, star, text, round_text, translate, rotate, scale, fit, darken,
                    lighten, mix, desaturate, linear_gradient, radial_gradient, defs)
import birds
import things

MENU_STYLES = {
    # fill, text colour, outline of the pill, text outline
    "red": ("#e8393f", WHITE, INK, "#7a1020"),
    "blue": ("#2f7fe0", WHITE, INK, "#0d2f66"),
    "fadered": ("#f2b3b5", "#fff4f4", "#a07f86", "#c77b82"),
    "selected": ("#ffcf3f", INK, INK, None),
    "unselected": ("#3a3350", "#d9d3ee", INK, None),
}


def pill_button(w, h, label, style, arrow=False, size=None):
    fill, fg, edge, text_edge = MENU_STYLES[style]
    m = h * 0.08
    out = [rect(m, m + 5, w - 2 * m, h - 2 * m, darken(fill, 0.35) if style != "fadered" else
                "#d9c3c6", 0, (h - 2 * m) / 2, opacity=0.9),
           rect(m, m, w - 2 * m, h - 2 * m - 4, fill, h * 0.045, (h - 2 * m) / 2, stroke=edge),
           highlight(w * 0.3, m + h * 0.2, w * 0.22, h * 0.08, 0.35 if style != "fadered" else 0.2,
                     angle=0)]
    size = size or h * 0.46
    sw = size * 0.14 if text_edge else 0
    out.append(text(w / 2, h / 2 + size * 0.34, label, size, fg, FONT_TITLE, sw=sw,
                    stroke=text_edge or INK))
    if arrow:
        ax = m + h * 0.35
        out.append(poly([(ax, h * 0.32), (ax + h * 0.3, h * 0.5 - 2), (ax, h * 0.68 - 4)], INK, 0))
        ax = w - m - h * 0.35
        out.append(poly([(ax, h * 0.32), (ax - h * 0.3, h * 0.5 - 2), (ax, h * 0.68 - 4)], INK, 0))
    return "".join(out)


def ribbon(w, h, label, fill, size=None, fg=WHITE):
    """A banner with folded ends."""
    m = h * 0.12
    tail = h * 0.35
    out = [poly([(0 + 4, m + h * 0.15), (tail + 10, m + h * 0.15), (tail + 10, h - m),
                 (4, h - m), (tail * 0.6, (h + m * 1.15) / 2)], darken(fill, 0.3), 4),
           poly([(w - 4, m + h * 0.15), (w - tail - 10, m + h * 0.15), (w - tail - 10, h - m),
                 (w - 4, h - m), (w - tail * 0.6, (h + m * 1.15) / 2)], darken(fill, 0.3), 4),
           rect(tail, m, w - 2 * tail, h - 2 * m - h * 0.1, fill, 4, 8),
           highlight(w * 0.35, m + h * 0.15, w * 0.2, h * 0.06, 0.35, angle=0)]
    size = size or h * 0.4
    out.append(text(w / 2, (h - h * 0.1) / 2 + size * 0.36, label, size, fg, sw=size * 0.14))
    return "".join(out)


def badge_icon(w, h, emblem, fill, ring="#ffffff", label=None, emblem_fill=None):
    """A round icon: coloured disc, white ring, emblem, optional corner label."""
    s = min(w, h) / 100.0
    out = [circle(50, 52, 44, darken(fill, 0.35), 0, opacity=0.5),
           circle(50, 48, 44, fill, 4),
           circle(50, 48, 37, "none", 3, stroke=ring, opacity=0.7),
           highlight(36, 30, 14, 6, 0.4),
           things.icon(emblem, 50, 48, 1.6, emblem_fill)]
    if label:
        out.append(rect(56, 68, 40, 26, WHITE, 3, 8))
        out.append(text(76, 88, label, 18, fill, sw=0))
    return group("".join(out), scale(s))


def skill_icon(w, h, kind):
    s = min(w, h) / 100.0
    out = [rect(6, 8, 88, 88, "#1f1830", 0, 20, opacity=0.45),
           rect(4, 4, 88, 88, "#3a3350", 4, 20),
           highlight(30, 18, 20, 5, 0.25, angle=0)]
    if kind == "orb":
        out.append(group(things.thunderball(1), translate(48, 48) + " " + scale(0.62)))
    elif kind == "scream":
        out.append(rect(16, 34, 18, 28, "#ff4fa3", 3, 4))
        out.append(poly([(32, 36), (50, 20), (50, 76), (32, 60)], "#ff4fa3", 3))
        for i, r in enumerate((14, 26)):
            out.append(path("M %f %f A %f %f 0 0 1 %f %f" % (54, 48 - r, r, r, 54, 48 + r),
                            "none", 5, stroke="#ffd23f"))
    elif kind == "cannon":
        out.append(group(rect(-30, -12, 56, 24, "#4a4858", 4, 8) + circle(-30, 0, 14, "#4a4858", 4) +
                         rect(22, -15, 10, 30, "#6b6878", 4, 3),
                         translate(46, 44) + " " + rotate(-25)))
        out.append(circle(40, 70, 14, "#8a5a2b", 4) + circle(62, 70, 14, "#8a5a2b", 4))
        out.append(star(80, 20, 9, "#ffcf3f", 3, 6))
    elif kind == "bigshit":
        out.append(group(birds.dung(0, 0, 2.3), translate(48, 56)))
        out.append(path("M 20 24 q 6 -10 12 0 M 66 18 q 6 -10 12 0", "none", 3, stroke="#b6e36f"))
    return group("".join(out), scale(s))


def computer_seat_icon(w, h):
    """A slot played by the computer: a small robot head with a screen face."""
    s = min(w, h) / 100.0
    out = [rect(8, 10, 86, 86, "#1f1830", 0, 20, opacity=0.45),
           rect(48, 4, 4, 14, "#6b6878", 3, 2),
           circle(50, 6, 6, "#ffd23f", 3),
           rect(14, 18, 72, 62, "#8fa0b8", 4, 14),
           rect(22, 28, 56, 34, "#1f2f3f", 4, 8),
           circle(38, 44, 6, "#6ff0ff", 0),
           circle(62, 44, 6, "#6ff0ff", 0),
           rect(40, 54, 20, 4, "#6ff0ff", 0, 2),
           rect(4, 36, 10, 22, "#6b6878", 3, 4),
           rect(86, 36, 10, 22, "#6b6878", 3, 4),
           rect(30, 80, 40, 14, "#6b6878", 4, 4),
           highlight(36, 24, 14, 4, 0.3, angle=0)]
    return group("".join(out), scale(s))


def tier_icon(w, h, kind, fill):
    return badge_icon(w, h, kind, fill)


def armour_bar(w, h, n):
    out = [rect(8, 12, w - 16, h - 24, "#3a3350", 4, (h - 24) / 2)]
    slot_w = (w - 40 - 20) / 5.0
    for i in range(5):
        x = 20 + i * (slot_w + 5) + 10
        cx = x + slot_w / 2
        filled = i < n
        col = "#9fb8d6" if filled else "#5a5270"
        out.append(rect(x, 20, slot_w, h - 40, col, 3, 10))
        if filled:
            out.append(group(things.icon("shield", 0, 0, 1.0, "#e7f3ff"),
                             translate(cx, h / 2) + " " + scale((h - 44) / 32.0)))
            out.append(highlight(x + slot_w * 0.3, 26, slot_w * 0.2, 3, 0.5, angle=0))
    out.append(highlight(w * 0.3, 16, w * 0.2, 3, 0.3, angle=0))
    return "".join(out)


def team_icon(w, h, player, attack):
    fill = P1_RED if player == 1 else P2_BLUE
    s = min(w, h) / 100.0
    out = [poly([(50, 96), (36, 78), (64, 78)], fill, 4),
           circle(50, 44, 40, fill, 4),
           circle(50, 44, 33, "none", 3, stroke=WHITE, opacity=0.7),
           highlight(36, 24, 12, 5, 0.45),
           things.icon("sword" if attack else "shield", 50, 40, 1.4, "#e7f3ff"),
           text(50, 78, "P%d" % player, 20, WHITE, sw=4)]
    return group("".join(out), scale(s))


# ---- cards -------------------------------------------------------------------

def card(w, h, fill="#fff6e0", edge=INK, title=None, title_fill="#ff7a45", radius=22):
    out = [rect(10, 14, w - 16, h - 20, "#1f1830", 0, radius, opacity=0.35),
           rect(6, 6, w - 16, h - 20, fill, 5, radius, stroke=edge)]
    if title:
        th = min(70, h * 0.2)
        out.append(rect(6, 6, w - 16, th, title_fill, 5, radius))
        out.append(rect(8, th - 12, w - 20, 16, title_fill, 0))
        out.append(line(6, th + 6, w - 10, th + 6, 5))
        out.append(text((w - 10) / 2, 6 + th * 0.72, title, th * 0.56, WHITE, sw=th * 0.08))
    return "".join(out)


STAT_ROWS = ("Speed", "Power", "Stamina", "Flap")


def stats_card(w, h, cid, name, values):
    col = BIRD_COLOURS[cid]
    out = [card(w, h, "#2e2842", INK, name, col)]
    out.append(group(birds.head_only(cid), translate(w - 62, h * 0.6) + " " + scale(0.95)))
    top = 96
    for i, (label, v) in enumerate(zip(STAT_ROWS, values)):
        y = top + i * 36
        out.append(round_text(30, y + 10, label, 26, WHITE, anchor="start"))
        for j in range(5):
            on = j < v
            out.append(rect(160 + j * 40, y - 12, 34, 22, col if on else "#4a4262", 3, 6))
            if on:
                out.append(highlight(170 + j * 40, y - 6, 8, 2.5, 0.45, angle=0))
    return "".join(out)


def info_card(w, h, cid, skill, skill_text, ulti, ulti_text):
    col = BIRD_COLOURS[cid]
    c = birds.CHARACTERS[cid]
    out = [card(w, h, "#fff6e0", INK, c["name"], darken(col, 0.15))]
    kinds = {1: "orb", 2: "scream", 3: "cannon", 4: "bigshit"}
    out.append(group(skill_icon(100, 100, kinds[cid]), translate(28, 100) + " " + scale(0.9)))
    out.append(round_text(130, 128, "Skill: " + skill, 26, INK, anchor="start"))
    for i, t in enumerate(skill_text):
        out.append(text(130, 158 + i * 24, t, 19, "#4a3f5c", FONT_PLAIN, sw=0, anchor="start"))
    out.append(group(badge_icon(100, 100, "star", "#ffc21f"), translate(28, 236) + " " + scale(0.9)))
    out.append(round_text(130, 262, "Ultimate: " + ulti, 26, INK, anchor="start"))
    for i, t in enumerate(ulti_text):
        out.append(text(130, 292 + i * 24, t, 19, "#4a3f5c", FONT_PLAIN, sw=0, anchor="start"))
    return "".join(out)


def level_info(w, h, title, colour, lines, picture):
    out = [card(w, h, "#fff6e0", INK, title, colour)]
    out.append(group(picture, translate(w - 110, 150)))
    for i, t in enumerate(lines):
        out.append(round_text(34, 120 + i * 40, t, 24, INK, anchor="start"))
    return "".join(out)


def keycap(x, y, label, wk=44, hk=44, fill="#f4f4f8", size=22):
    return (rect(x, y + 4, wk, hk, "#9aa0b8", 3, 8) + rect(x, y, wk, hk, fill, 3, 8) +
            text(x + wk / 2, y + hk / 2 + size * 0.36, label, size, INK, FONT_PLAIN, sw=0,
                 weight="bold"))


def pad_button(x, y, label, fill, r=18):
    return circle(x, y, r, fill, 3) + text(x, y + r * 0.4, label, r * 1.1, WHITE, FONT_PLAIN,
                                           sw=0, weight="bold")


# ---- logos -----------------------------------------------------------------

def sunburst(w, h, a, b, n=16, cx=None, cy=None):
    cx = w / 2 if cx is None else cx
    cy = h / 2 if cy is None else cy
    R = max(w, h)
    out = [rect(0, 0, w, h, a, 0)]
    for i in range(n):
        a0 = math.radians(i * 360.0 / n)
        a1 = math.radians((i + 0.5) * 360.0 / n)
        out.append(poly([(cx, cy), (cx + math.cos(a0) * R, cy + math.sin(a0) * R),
                         (cx + math.cos(a1) * R, cy + math.sin(a1) * R)], b, 0))
    return "".join(out)


def brennic_logo(w, h):
    out = [sunburst(w, h, "#2e2842", "#362f4d")]
    # A wren on a leaf: the studio's mark.
    out.append(group(path("M -70 30 C -30 -10 40 -10 80 20 C 40 50 -30 60 -70 30 Z", "#5ed16a", 5) +
                     path("M -60 30 C -10 20 40 18 76 20", "none", 4),
                     translate(w / 2, h * 0.52)))
    out.append(group(birds.bird(4, wing=15, mood="happy"), translate(w / 2, h * 0.38) + " " + scale(0.85)))
    out.append(text(w / 2, h * 0.86, "BRENNIC", 64, "#ffcf3f", sw=10, spacing=6))
    out.append(round_text(w / 2, h * 0.95, "g a m e s", 22, "#d9d3ee"))
    return "".join(out)


def talvik_logo(w, h):
    out = [rect(0, 0, w, h, "#fff6e0", 0)]
    gid, g = radial_gradient([(0, "#ffe9a8", 1), (1, "#fff6e0", 0)])
    out.append(defs(g) + circle(w / 2, h * 0.42, h * 0.45, "url(#%s)" % gid, 0))
    # Two birds back to back around a T.
    out.append(group(birds.bird(1, wing=40, mood="happy"),
                     translate(w / 2 - h * 0.22, h * 0.42) + " " + scale(-0.75, 0.75)))
    out.append(group(birds.bird(3, wing=40, mood="happy"),
                     translate(w / 2 + h * 0.22, h * 0.42) + " " + scale(0.75)))
    out.append(text(w / 2, h * 0.5, "T", h * 0.3, "#ff7a45", sw=h * 0.03))
    out.append(text(w / 2, h * 0.8, "TALVIK", h * 0.16, "#ff7a45", sw=h * 0.025, spacing=4))
    out.append(round_text(w / 2, h * 0.91, "a tiny flock of game makers", h * 0.05, "#7a6a8a"))
    return "".join(out)


def controller_logo(w, h):
    out = [rect(0, 0, w, h, "#2e2842", 0)]
    cx, cy = w / 2, h * 0.45
    pad = ("M -120 -40 C -100 -62 100 -62 120 -40 C 150 -10 170 70 140 80 "
           "C 115 88 95 40 70 34 L -70 34 C -95 40 -115 88 -140 80 C -170 70 -150 -10 -120 -40 Z")
    out.append(group(path(pad, "#d9d3ee", 6) + highlight(-60, -36, 40, 8, 0.5, angle=0) +
                     rect(-100, -12, 40, 14, "#4a4262", 3, 3) + rect(-87, -25, 14, 40, "#4a4262", 3, 3) +
                     pad_button(80, -24, "Y", "#ffcf3f", 12) + pad_button(80, 8, "A", "#5ed16a", 12) +
                     pad_button(64, -8, "X", "#2f7fe0", 12) + pad_button(96, -8, "B", "#e8393f", 12) +
                     circle(-30, 14, 16, "#4a4262", 3) + circle(30, 14, 16, "#4a4262", 3),
                     translate(cx, cy)))
    out.append(text(w / 2, h * 0.82, "Best played with a controller", 34, WHITE, sw=5))
    out.append(round_text(w / 2, h * 0.92, "Keyboard works too: two players, one keyboard", 20,
                          "#b8b0d0"))
    return "".join(out)


def loading_cell(k, w, h):
    out = []
    hop = [0, -10, -16, -10, 0][k]
    out.append(ellipse(112, 170, 50 - abs(hop), 7, INK, 0, opacity=0.25))
    out.append(group(birds.pose(1, "Flap", k), translate(112, 104 + hop) + " " + scale(0.7)))
    dots = "." * (k % 4)
    out.append(text(62, 184, "Loading" + dots, 26, WHITE, sw=5, anchor="start"))
    return group("".join(out), scale(w / 224.0, h / 192.0))
