"""The story's own screens: the dialogue bubbles, the backdrops of the result
levels and the credits backdrop. Full-screen pictures use the 640 x 360 canvas
of scenes.py; the lettering on them is drawn here, the changing parts (the
winner, the credit lines) are placed by the levels.
"""

from svgkit import (INK, WHITE, P1_RED, P2_BLUE, FONT_PLAIN, circle, ellipse, rect, path, poly,
                    group, highlight, star, text, round_text, translate, scale, darken, lighten,
                    radial_gradient, defs)
import scenes
import ui
import menu_scenery

W, H = scenes.W, scenes.H

CREAM = "#fff6e0"


def bubble(w, h, side, accent):
    """A speech bubble filling the cell, its tail on `side` ("left" or
    "right"), pointing at the speaker's portrait beside it."""
    m = h * 0.07
    tail = h * 0.2
    x0, x1 = (tail, w - m) if side == "left" else (m, w - tail)
    y0, y1 = m, h - m - 6
    r = (y1 - y0) * 0.42
    if side == "left":
        tip = [(x0 + 2, y1 - r * 0.9), (2, y1 - 4), (x0 + r * 0.9, y1 - 2)]
    else:
        tip = [(x1 - 2, y1 - r * 0.9), (w - 2, y1 - 4), (x1 - r * 0.9, y1 - 2)]
    out = [rect(x0 + 3, y0 + 6, x1 - x0, y1 - y0, "#1f1830", 0, r, opacity=0.3),
           poly(tip, CREAM, 5),
           rect(x0, y0, x1 - x0, y1 - y0, CREAM, 5, r),
           # covers the tail's joint so bubble and tail read as one shape
           poly([(p[0] + (3 if side == "left" else -3), p[1]) for p in (tip[0], tip[2])] +
                [((tip[0][0] + tip[2][0]) / 2 + (8 if side == "left" else -8), (tip[0][1] + tip[2][1]) / 2)],
                CREAM, 0),
           rect(x0 + 10, y0 + 8, x1 - x0 - 20, y1 - y0 - 16, "none", 3, r * 0.8, stroke=accent,
                opacity=0.8),
           highlight(x0 + (x1 - x0) * 0.25, y0 + (y1 - y0) * 0.18, (x1 - x0) * 0.16, (y1 - y0) * 0.07,
                     0.5, angle=0)]
    for i in range(3):
        cx = x1 - r * 0.9 - i * 16 if side == "left" else x0 + r * 0.9 + i * 16
        out.append(circle(cx, y1 - r * 0.45, 4, accent, 0, opacity=0.55))
    return "".join(out)


def prompt(x, y, key, pad_label, pad_fill, words):
    """A "key / pad button: what it does" hint in the house style, drawn from
    its left end at (x, y)."""
    wk = max(44, 16 + 13 * len(key))
    out = [rect(x - 10, y - 8, wk + 50 + 13 * len(words) + 36, 60, "#1f1830", 0, 30, opacity=0.45),
           ui.keycap(x, y, key, wk=wk, size=20),
           round_text(x + wk + 14, y + 30, "/", 24, WHITE),
           ui.pad_button(x + wk + 44, y + 22, pad_label, pad_fill, r=19),
           round_text(x + wk + 74, y + 30, words, 24, WHITE, anchor="start")]
    return "".join(out)


def podium(cx, y, col):
    """The winner's block: a stepped stand with a star on its front."""
    return (ellipse(cx, y + 78, 130, 14, "#1f1830", 0, opacity=0.35) +
            rect(cx - 110, y, 220, 74, lighten(col, 0.1), 5, 10) +
            rect(cx - 110, y, 220, 18, lighten(col, 0.35), 5, 8) +
            star(cx, y + 46, 20, "#ffd23f", 4) +
            highlight(cx - 70, y + 30, 30, 6, 0.3, angle=0))


def result_backdrop(player):
    """Behind the winner (player 1 or 2) or the laughing egg (player 0): the
    sunburst of the winner's colour, a title ribbon and the way back."""
    if player:
        col = P1_RED if player == 1 else P2_BLUE
        title, fill = "PLAYER %d WINS!" % player, "#ffb31f"
        out = [ui.sunburst(W, H, col, lighten(col, 0.15), cy=H * 0.55), scenes.confetti(player + 10, 34)]
    else:
        col = "#6a5a8a"
        title, fill = "IT'S A DRAW!", "#8f6bd1"
        out = [ui.sunburst(W, H, col, "#7a6a9a", cy=H * 0.55), scenes.confetti(17, 18)]
    # a pale glow where the winner stands, so a bird of the backdrop's colour still stands out
    glow, gg = radial_gradient([(0, "#fff8e0"), (0.55, "#fff8e0cc"), (1, "#fff8e000")])
    out.append(defs(gg) + circle(W / 2, 196, 120, "url(#%s)" % glow, 0))
    out.append(group(ui.ribbon(420, 84, title, fill, size=36), translate(110, 8)))
    if not player:
        out.append(round_text(W / 2, 112, "Nobody wins... the egg laughs last!", 22, WHITE, sw=5,
                              stroke=INK))
    out.append(podium(W / 2, 262, col))
    out.append(group(prompt(0, 0, "F", "A", "#3fae4a", "Main menu"), translate(W - 196, H - 42) +
                     " " + scale(0.62)))
    out.append(rect(2, 2, W - 4, H - 4, "none", 6, 10))
    return "".join(out)


def credits_backdrop():
    """The credits: the title screen's sky, a big cream card for the lines the
    level places, a ribbon on top and two birds looking on."""
    import birds
    out = [menu_scenery.menu_sky()]
    out.append(group(ui.card(496, 276, CREAM), translate(72, 40)))
    out.append(group(ui.ribbon(300, 70, "CREDITS", P1_RED, size=34), translate(170, 2)))
    out.append(group(birds.bird(1, wing=40, mood="happy"), translate(40, 290) + " " + scale(0.5)))
    out.append(group(birds.bird(3, wing=20, mood="happy"), translate(600, 290) + " " + scale(-0.5, 0.5)))
    out.append(group(prompt(0, 0, "Esc", "B", "#e8393f", "Back"), translate(W / 2 - 72, H - 40) + " " +
                     scale(0.6)))
    return "".join(out)


def draw(name, k, w, h):
    if name == "DialogBubbleLeft":
        return bubble(w, h, "left", P1_RED)
    if name == "DialogBubbleRight":
        return bubble(w, h, "right", P2_BLUE)
    backdrops = {"ResultBackdrop_P1": 1, "ResultBackdrop_P2": 2, "ResultBackdrop_Draw": 0}
    if name in backdrops:
        return group(result_backdrop(backdrops[name]), scale(w / float(W), h / float(H)))
    if name == "CreditsBackdrop":
        return group(credits_backdrop(), scale(w / float(W), h / float(H)))
    return None
