"""The selection, versus, pause and how-to-play screens' own pictures: title
ribbons, portrait cursors, level slots, the versus backdrop, the story map,
the pause board and buttons, and the five how-to-play pages.

The how-to-play pages teach the real controls in pictures: a keyboard for each
player with their keys lit and labelled with what they do, a gamepad with its
buttons pointed out, the moves acted out by the birds, and the pause and the
three matches.
"""

import math

from svgkit import (INK, WHITE, P1_RED, P2_BLUE, BIRD_COLOURS, FONT_TITLE, FONT_ROUND, FONT_PLAIN,
                    circle, ellipse, rect, path, poly, line, group, highlight, star, text, round_text,
                    translate, scale, rotate, darken, lighten, fit)
import birds
import menu_scenery
import scenes
import things
import ui

W, H = scenes.W, scenes.H

RIBBONS = {"SelectTitleRibbon": "CHOOSE YOUR BIRD", "PracticeTitleRibbon": "PRACTICE",
           "LevelTitleRibbon": "CHOOSE A LEVEL", "HowToPlayTitleRibbon": "HOW TO PLAY"}

ACTION_COLOURS = {"flap": "#41bed1", "walk": "#9fe89f", "peck": "#ff7a45", "dung": "#b07a3e",
                  "skill": "#8f6bd1", "ultimate": "#ffc21f", "pause": "#c9c3e6"}


def title_ribbon(w, h, label, k):
    """The menus' title banner, its lettering sized to fit longer titles."""
    size = min(h * 0.46, (w - h * 1.1) / (0.62 * len(label)))
    out = [ui.ribbon(w, h, label, "#e8393f", size=size)]
    lit = "#ffd23f" if k else "#ffe9a8"
    for x, y, r in ((0.16, 0.2, 0.09), (0.84, 0.2, 0.09), (0.5, 0.08, 0.06)):
        out.append(star(w * x, h * y, h * r, lit, 3))
    return "".join(out)


# ---- selection -------------------------------------------------------------------

def portrait_cursor(w, h, player):
    """A thick rounded frame in the player's colour with a name tab on top."""
    col = P1_RED if player == 1 else P2_BLUE
    m = w * 0.06
    tab_y = 0 if player == 1 else h - w * 0.2
    out = [rect(m, m, w - 2 * m, h - 2 * m, "none", w * 0.07, w * 0.12, stroke=INK),
           rect(m, m, w - 2 * m, h - 2 * m, "none", w * 0.045, w * 0.12, stroke=col)]
    tw, th = w * 0.34, w * 0.2
    out.append(rect(w / 2 - tw / 2, tab_y, tw, th, col, w * 0.02, th / 2))
    out.append(text(w / 2, tab_y + th * 0.78, "P%d" % player, th * 0.8, WHITE, sw=th * 0.1))
    return "".join(out)


def level_slot(w, h, picture, pic_scale, colour):
    out = [rect(6, 6, w - 12, h - 12, colour, 5, 22),
           rect(16, 16, w - 32, h - 32, lighten(colour, 0.3), 0, 16),
           highlight(w * 0.3, 24, w * 0.2, 6, 0.4, angle=0),
           group(picture, translate(w / 2, h / 2 + 6) + " " + scale(pic_scale))]
    return "".join(out)


def selector_frame(w, h):
    """The level selector: a gold frame with arrows pointing in from both sides."""
    m = 12
    out = [rect(m, m, w - 2 * m, h - 2 * m, "none", 14, 26, stroke=INK),
           rect(m, m, w - 2 * m, h - 2 * m, "none", 8, 26, stroke="#ffcf3f")]
    for x, d in ((2, 1), (w - 2, -1)):
        out.append(poly([(x, h / 2 - 18), (x + d * 22, h / 2), (x, h / 2 + 18)], "#ffcf3f", 4))
    return "".join(out)


# ---- versus -------------------------------------------------------------------------

def versus_backdrop():
    out = [rect(0, 0, W, H, "#2f7fe0", 0)]
    out.append(poly([(0, 0), (W * 0.56, 0), (W * 0.44, H), (0, H)], "#e8393f", 0))
    for i in range(9):
        y = 20 + i * 40
        out.append(rect(20 + (i % 3) * 30, y, 150, 6, lighten("#e8393f", 0.2), 0, 3, opacity=0.6))
        out.append(rect(W - 170 - (i % 3) * 30, y + 18, 150, 6, lighten("#2f7fe0", 0.2), 0, 3, opacity=0.6))
    out.append(line(W * 0.56, 0, W * 0.44, H, 10, stroke=INK))
    out.append(line(W * 0.56, 0, W * 0.44, H, 4, stroke="#ffcf3f"))
    out.append(rect(0, H - 56, W, 56, "#2e2842", 0, opacity=0.55))
    return "".join(out)


def vs_badge(w, h):
    s = min(w, h)
    pts = []
    for i in range(24):
        r = s * (0.48 if i % 2 == 0 else 0.36)
        a = math.radians(i * 15 - 90)
        pts.append((w / 2 + math.cos(a) * r, h / 2 + math.sin(a) * r))
    return (poly(pts, "#ffcf3f", s * 0.025) + circle(w / 2, h / 2, s * 0.3, "#ff7a45", s * 0.02) +
            text(w / 2, h / 2 + s * 0.11, "VS", s * 0.32, WHITE, sw=s * 0.04))


# ---- story map --------------------------------------------------------------------

def story_map():
    out = [rect(0, 0, W, H, "#7fd3ff", 0)]
    out.append(path("M 30 80 C 120 20 260 40 330 70 C 420 30 560 40 610 100 C 640 180 600 300 520 320 "
                    "C 400 350 260 340 150 320 C 60 300 10 200 30 80 Z", "#f2e2b0", 5))
    out.append(path("M 70 250 C 120 180 200 150 250 170", "none", 4, stroke="#b0895a"))
    out.append(path("M 250 170 C 300 110 360 90 420 240 C 460 300 520 200 540 140", "none", 4,
                    stroke="#b0895a"))
    for x, y in ((100, 240), (130, 210), (160, 250), (90, 200)):
        out.append(scenes.tree(x, y, 0.4))
    out.append(scenes.cloud(540, 60, 0.6))
    out.append(round_text(W / 2, 40, "Where will the birds go?", 28, INK))
    return "".join(out)


def map_pin(w, h, open_):
    col = "#ff7a45" if open_ else "#8a84a0"
    s = min(w, h) / 100.0
    body = (path("M 50 96 C 30 70 14 56 14 36 C 14 14 32 2 50 2 C 68 2 86 14 86 36 C 86 56 70 70 50 96 Z",
                 col, 5) + circle(50, 36, 16, WHITE if open_ else "#d9d3ee", 4))
    if not open_:
        body += rect(42, 30, 16, 14, "#6a6288", 3, 3) + path("M 45 30 C 45 22 55 22 55 30", "none", 3)
    return group(body, scale(s))


# ---- pause --------------------------------------------------------------------------

def pause_board(w, h):
    out = [rect(12, 20, w - 24, h - 28, "#1f1830", 0, 40, opacity=0.45),
           rect(8, 8, w - 16, h - 24, "#2e2842", 6, 40, opacity=0.94),
           highlight(w * 0.3, 30, w * 0.2, 8, 0.2, angle=0)]
    out.append(text(w / 2, 70, "PAUSED", 56, "#ffcf3f", sw=8))
    return "".join(out)


def pause_icon(w, h):
    s = min(w, h) / 100.0
    return group(circle(50, 54, 42, "#1f1830", 0, opacity=0.5) + circle(50, 50, 42, "#ffcf3f", 6) +
                 rect(33, 28, 12, 44, INK, 0, 3) + rect(55, 28, 12, 44, INK, 0, 3) +
                 highlight(36, 30, 12, 5, 0.45), scale(s))


# ---- how to play --------------------------------------------------------------------

def action_icon(kind, x, y, r=20):
    """A round badge that stands for one move."""
    col = ACTION_COLOURS[kind]
    out = [circle(x, y, r, col, 3)]
    k = r / 20.0
    if kind == "flap":
        out.append(path("M %s %s l %s %s l %s %s z" % (x, y - 11 * k, 10 * k, 12 * k, -20 * k, 0), WHITE, 2.5))
        out.append(rect(x - 3 * k, y + 1 * k, 6 * k, 10 * k, WHITE, 2.5))
    elif kind == "walk":
        out.append(poly([(x - 14 * k, y), (x - 5 * k, y - 8 * k), (x - 5 * k, y + 8 * k)], WHITE, 2.5))
        out.append(poly([(x + 14 * k, y), (x + 5 * k, y - 8 * k), (x + 5 * k, y + 8 * k)], WHITE, 2.5))
    elif kind == "peck":
        out.append(poly([(x - 10 * k, y - 7 * k), (x + 13 * k, y), (x - 10 * k, y + 7 * k)], "#ffcf3f", 2.5))
    elif kind == "dung":
        out.append(group(birds.dung(0, 0, 1.0), translate(x, y + 2 * k) + " " + scale(0.55 * k)))
    elif kind == "skill":
        out.append(star(x, y, 12 * k, WHITE, 2.5, n=4, inner=0.35))
    elif kind == "ultimate":
        out.append(star(x, y + 1 * k, 13 * k, WHITE, 2.5))
    elif kind == "pause":
        out.append(rect(x - 7 * k, y - 8 * k, 5 * k, 16 * k, WHITE, 0) + rect(x + 2 * k, y - 8 * k, 5 * k, 16 * k,
                                                                          WHITE, 0))
    return "".join(out)


def page_frame(title, colour="#ff7a45"):
    return (ui.sunburst(W, H, "#2e2842", "#342d4a") +
            rect(16, 12, W - 32, 52, colour, 4, 16) +
            text(W / 2, 52, title, 34, WHITE, sw=6))


def page_footer(page):
    """The page number; the game writes the keys that turn the pages beside it, as bound."""
    return round_text(W - 26, 350, "%d / 5" % page, 15, "#ffcf3f", anchor="end")


def key(x, y, label, wk=34, lit=None, size=15):
    """A key on the drawn keyboard; a lit key takes the colour of its move."""
    fill = lit or "#55507a"
    fg = INK if lit else "#b8b0d0"
    return (rect(x, y + 3, wk, 30, darken(fill, 0.35), 2, 6) + rect(x, y, wk, 30, fill, 2.5, 6) +
            text(x + wk / 2, y + 15 + size * 0.36, label, size, fg, FONT_PLAIN, sw=0, weight="bold"))


# Rows of the left and right halves of a keyboard: (label, width) in key units.
LEFT_ROWS = [["Esc", "1", "2", "3", "4", "5"],
             ["Tab", "Q", "W", "E", "R", "T"],
             ["Caps", "A", "S", "D", "F", "G", "H"],
             ["Shift", "Z", "X", "C", "V", "B"]]
WIDE = {"Tab": 1.4, "Caps": 1.7, "Shift": 2.2, "Esc": 1.0, "Shift ": 2.2}


def keyboard(x0, y0, rows, lit, unit=36, gap=4):
    """Draws key rows from (x0, y0); `lit` maps a key label to (move, caption)."""
    out = []
    for r, row in enumerate(rows):
        x = x0 + [0, 8, 14, 0][r % 4]
        y = y0 + r * (30 + 8)
        for label in row:
            wk = unit * WIDE.get(label, 1.0)
            move = lit.get(label)
            out.append(key(x, y, label.strip() if label.strip() != "Shift" else "Shift", wk,
                           ACTION_COLOURS[move[0]] if move else None))
            x += wk + gap
    return "".join(out)


def legend(x, y, moves):
    """One line per move: its badge, a blank key cap in the move's colour and what it does.

    The game writes the player's keys on the caps as bound (src/game/pause/key_legend.cpp
    knows where they are: the first cap starts at x + 38, the rows 38 apart)."""
    out = []
    for i, kind in enumerate(moves):
        words = moves[kind]
        yy = y + i * 38
        out.append(action_icon(kind, x + 18, yy, 16))
        out.append(rect(x + 38, yy - 13, 112, 28, darken(ACTION_COLOURS[kind], 0.45), 2.5, 8))
        out.append(round_text(x + 158, yy + 7, words, 20, WHITE, anchor="start"))
    return "".join(out)


# The moves of a keyboard page's legend, in the rows the game writes the keys on.
LEGEND_MOVES = {"flap": "flap up", "walk": "walk", "peck": "peck", "dung": "drop dung", "skill": "skill",
                "ultimate": "ultimate", "pause": "pause"}


def player_bird(cid, x, y, s, flip=False):
    t = translate(x, y) + " " + ("scale(%s %s)" % (-s, s) if flip else scale(s))
    return group(birds.bird(cid, wing=30, mood="happy"), t)


def htp_player1():
    lit = {"W": ("flap", ""), "A": ("walk", ""), "D": ("walk", ""), "F": ("peck", ""), "G": ("dung", ""),
           "H": ("skill", ""), "Shift": ("ultimate", ""), "Esc": ("pause", "")}
    out = [page_frame("PLAYER 1 - KEYBOARD", P1_RED)]
    out.append(rect(24, 78, 330, 168, "#1f1830", 3, 14, opacity=0.6))
    out.append(keyboard(34, 88, LEFT_ROWS, lit))
    out.append(player_bird(3, 180, 300, 0.6))
    out.append(legend(370, 92, LEGEND_MOVES))
    out.append(page_footer(1))
    return "".join(out)


def htp_player2():
    out = [page_frame("PLAYER 2 - KEYBOARD", P2_BLUE)]
    out.append(rect(24, 78, 330, 168, "#1f1830", 3, 14, opacity=0.6))
    # The right-hand keys: , . / and right Shift above the arrow cluster.
    x0, y0 = 40, 92
    row = [("M", None), (",", "skill"), (".", "dung"), ("/", "peck")]
    x = x0
    for label, move in row:
        out.append(key(x, y0, label, 36, ACTION_COLOURS[move] if move else None, 18))
        x += 40
    out.append(key(x, y0, "R-Shift", 96, ACTION_COLOURS["ultimate"], 15))
    ax, ay = 170, 150
    out.append(key(ax + 40, ay, "\u2191", 36, ACTION_COLOURS["flap"], 18))
    out.append(key(ax, ay + 40, "\u2190", 36, ACTION_COLOURS["walk"], 18))
    out.append(key(ax + 40, ay + 40, "\u2193", 36, None, 18))
    out.append(key(ax + 80, ay + 40, "\u2192", 36, ACTION_COLOURS["walk"], 18))
    out.append(player_bird(1, 90, 210, 0.5, flip=True))
    out.append(legend(370, 92, LEGEND_MOVES))
    out.append(page_footer(2))
    return "".join(out)


def gamepad_drawing():
    """A gamepad seen from the front, its triggers drawn above it."""
    out = [rect(58, -6, 62, 26, ACTION_COLOURS["dung"], 4, 10),
           text(89, 13, "LT", 16, WHITE, FONT_PLAIN, sw=0, weight="bold"),
           rect(200, -6, 62, 26, ACTION_COLOURS["peck"], 4, 10),
           text(231, 13, "RT", 16, WHITE, FONT_PLAIN, sw=0, weight="bold"),
           path("M 60 30 C 100 14 220 14 260 30 C 300 44 320 150 290 170 C 262 186 240 150 220 130 "
                "L 100 130 C 80 150 58 186 30 170 C 0 150 20 44 60 30 Z", "#d9d3ee", 5),
           highlight(110, 40, 40, 8, 0.5, angle=0)]
    # left stick
    out.append(circle(88, 70, 24, "#6a6288", 4) + circle(88, 70, 15, ACTION_COLOURS["walk"], 3))
    # d-pad
    out.append(rect(118, 100, 14, 40, "#55507a", 3, 3) + rect(105, 113, 40, 14, "#55507a", 3, 3))
    # face buttons
    out.append(ui.pad_button(240, 100, "A", "#5ed16a", 13))
    out.append(ui.pad_button(214, 76, "X", "#2f7fe0", 13))
    out.append(ui.pad_button(240, 52, "Y", "#ffcf3f", 13))
    out.append(ui.pad_button(266, 76, "B", "#e8393f", 13))
    # start
    out.append(rect(168, 60, 24, 12, "#55507a", 3, 6))
    return "".join(out)


def pad_glyph(x, y, label):
    """How a control looks on the pad: a face button in its colour, a trigger, the stick or Start."""
    faces = {"A": "#5ed16a", "X": "#2f7fe0", "Y": "#ffcf3f"}
    if label in faces:
        return ui.pad_button(x + 16, y, label, faces[label], 14)
    if label in ("LT", "RT"):
        return rect(x, y - 12, 40, 24, "#55507a", 3, 8) + text(x + 20, y + 6, label, 15, WHITE, FONT_PLAIN, sw=0,
                                                                  weight="bold")
    if label == "stick":
        return circle(x + 16, y, 14, "#6a6288", 3) + circle(x + 16, y, 8, "#d9d3ee", 2)
    return rect(x, y - 11, 52, 22, "#55507a", 3, 11) + text(x + 26, y + 5, label, 13, WHITE, FONT_PLAIN, sw=0,
                                                            weight="bold")


def htp_gamepad():
    out = [page_frame("GAMEPAD", "#5ed16a")]
    out.append(group(gamepad_drawing(), translate(24, 110)))
    rows = [("A", "flap", "flap up"), ("stick", "walk", "walk"), ("RT", "peck", "peck"),
            ("LT", "dung", "drop dung"), ("X", "skill", "skill"), ("Y", "ultimate", "ultimate"),
            ("Start", "pause", "pause")]
    for i, (glyph, kind, words) in enumerate(rows):
        y = 88 + i * 32
        out.append(pad_glyph(380, y, glyph))
        out.append(action_icon(kind, 462, y, 14))
        out.append(round_text(484, y + 7, words, 20, WHITE, anchor="start"))
    out.append(round_text(W / 2, 330, "Menus: d-pad or stick to move, A to choose, B to go back", 17, "#d9d3ee"))
    out.append(page_footer(3))
    return "".join(out)


def move_panel(x, y, title, kind, body, caption):
    out = [rect(x, y, 290, 128, "#8fd8ff", 3, 14),
           action_icon(kind, x + 22, y + 22, 15),
           round_text(x + 44, y + 29, title, 20, INK, anchor="start"),
           group(body, translate(x, y)),
           round_text(x + 145, y + 120, caption, 15, INK)]
    return "".join(out)


def htp_moves():
    out = [page_frame("WHAT THE MOVES DO", "#8f6bd1")]
    flap = (group(birds.bird(1, wing=70, mood="happy"), translate(110, 78) + " " + scale(0.3)) +
            path("M 150 96 L 150 54", "none", 4, stroke=WHITE) + poly([(142, 58), (150, 44), (158, 58)], WHITE, 3) +
            rect(196, 44, 16, 58, "#2e2842", 3, 4) + rect(198, 70, 12, 30, "#5ed16a", 0, 3) +
            text(204, 38, "stamina", 12, INK, FONT_PLAIN, sw=0))
    peck = (group(birds.bird(3, wing=10, head_dx=12, beak_open=0.5), translate(110, 80) + " " + scale(0.3)) +
            group(birds.bird(1, mood="hurt"), translate(200, 82) + " scale(-0.28 0.28)") +
            star(160, 66, 10, "#ffd23f", 3))
    dung = (group(birds.bird(4, wing=40), translate(100, 62) + " " + scale(0.24)) +
            group(birds.dung(0, 0, 0.8), translate(150, 84)) +
            group(birds.bird(2, mood="hurt"), translate(205, 92) + " scale(-0.24 0.24)") +
            group(things.stun_stars(1), translate(205, 64) + " " + scale(0.35)))
    skill = (group(ui.skill_icon(60, 60, "orb"), translate(70, 46)) +
             group(things.bug("ultimate", 1, 90, 72), translate(150, 40)) +
             text(138, 84, "=", 26, INK, FONT_PLAIN, sw=0) +
             star(262, 78, 20, "#ffc21f", 3))
    out.append(move_panel(24, 76, "Flap", "flap", flap, "Flaps use stamina: land to rest"))
    out.append(move_panel(326, 76, "Peck", "peck", peck, "A peck knocks the other bird back"))
    out.append(move_panel(24, 212, "Drop dung", "dung", dung, "Dung on a bird stuns it"))
    out.append(move_panel(326, 212, "Skill & ultimate", "ultimate", skill, "Golden bug charges your ultimate"))
    out.append(page_footer(4))
    return "".join(out)


def htp_matches():
    out = [page_frame("THE MATCHES", "#ff7a45")]
    cards = [("THE EGG", "#ff7a45", group(things.egg("flap", 1, 80, 96), translate(-40, -48)),
              ["One bird attacks", "the egg, one", "defends. Swap!"]),
             ("THE RUN", "#41bed1", group(things.saucer(2), scale(0.45)),
              ["Fly right, dodge", "the pipes, hit", "the saucer."]),
             ("THE GIANT", "#8f6bd1", group(things.golem(2, "idle"), scale(0.4)),
              ["Gather orbs,", "then peck the", "stone giant."])]
    for i, (title, col, pic, lines) in enumerate(cards):
        x = 24 + i * 202
        out.append(rect(x, 76, 188, 196, "#fff6e0", 3, 16))
        out.append(rect(x, 76, 188, 34, col, 3, 16))
        out.append(text(x + 94, 102, title, 22, WHITE, sw=4))
        out.append(group(pic, translate(x + 94, 160)))
        for j, t in enumerate(lines):
            out.append(round_text(x + 94, 226 + j * 18, t, 16, INK))
    out.append(rect(24, 284, 592, 48, "#1f1830", 3, 14, opacity=0.7))
    out.append(action_icon("pause", 52, 308, 15))
    out.append(round_text(76, 315, "Pause any time:", 20, WHITE, anchor="start"))
    out.append(ui.keycap(232, 292, "Esc", 52, 30, size=16))
    out.append(round_text(300, 315, "or", 18, "#b8b0d0", anchor="start"))
    out.append(rect(330, 294, 62, 26, "#55507a", 3, 13) +
               text(361, 313, "Start", 15, WHITE, FONT_PLAIN, sw=0, weight="bold"))
    out.append(round_text(410, 315, "Most hits wins!", 20, "#ffcf3f", anchor="start"))
    out.append(page_footer(5))
    return "".join(out)


PAGES = {"HowToPlay_Controls": htp_player1, "HowToPlay_Page2": htp_player2, "HowToPlay_Page3": htp_gamepad,
         "HowToPlay_Page4": htp_moves, "HowToPlay_Page5": htp_matches}


def full(body, w, h):
    return group(body, scale(w / float(W), h / float(H)))


def screens_art(name, k, w, h):
    if name in RIBBONS:
        return title_ribbon(w, h, RIBBONS[name], k)
    if name in PAGES:
        return full(PAGES[name](), w, h)
    if name == "SelectCursor_P1":
        return portrait_cursor(w, h, 1)
    if name == "SelectCursor_P2":
        return portrait_cursor(w, h, 2)
    slots = {"LS_Slot_Vozedoreroz": (group(things.egg("flap", 1, 110, 132), translate(-55, -66)), 0.8, "#ff7a45"),
             "LS_Slot_Homecoming": (things.saucer(1), 0.75, "#41bed1"),
             "LS_Slot_Zurododavad": (things.golem(2, "idle"), 0.6, "#8f6bd1")}
    if name in slots:
        return level_slot(w, h, *slots[name])
    simple = {"LS_SelectorFrame": selector_frame, "VS_Badge": vs_badge, "PauseBoard": pause_board,
              "PauseIcon": pause_icon}
    if name in simple:
        return simple[name](w, h)
    if name == "VS_Backdrop":
        return full(versus_backdrop(), w, h)
    if name == "StoryMap":
        return full(story_map(), w, h)
    if name == "MapPin_Forest":
        return map_pin(w, h, True)
    if name == "MapPin_Locked":
        return map_pin(w, h, False)
    if name == "HowToPlay_Back":
        return ui.pill_button(w, h, "BACK", "selected")
    return None
