"""Full-screen pictures: backgrounds, storyboard pages, result screens and the
how-to-play pages. Everything is drawn on a 640 x 360 canvas (16:9, the
32 x 18 world) and scaled to the cell.
"""

import math
import random

from svgkit import (INK, WHITE, P1_RED, P2_BLUE, BIRD_COLOURS, FONT_TITLE, FONT_ROUND,
                    FONT_PLAIN, circle, ellipse, rect, path, poly, line, polyline, group,
                    highlight, star, text, round_text, translate, rotate, scale, darken, lighten,
                    mix, linear_gradient, radial_gradient, defs)
import birds
import things
import ui

W, H = 640, 360


# ---- backgrounds -----------------------------------------------------------

def sky(top="#7fd3ff", bottom="#d8f3ff"):
    gid, g = linear_gradient([(0, top), (1, bottom)])
    return defs(g) + rect(0, 0, W, H, "url(#%s)" % gid, 0)


def cloud(x, y, s=1.0, col=WHITE):
    d = ("M -40 10 C -56 10 -56 -12 -36 -12 C -34 -32 -6 -36 2 -20 C 12 -36 42 -30 38 -10 "
         "C 58 -8 56 12 38 12 Z")
    return group(path(d, col, 3.5) + highlight(-16, -16, 14, 4, 0.6), translate(x, y) + " " + scale(s))


def sun(x, y, r=34):
    rays = "".join(line(x + math.cos(math.radians(a)) * (r + 8), y + math.sin(math.radians(a)) * (r + 8),
                        x + math.cos(math.radians(a)) * (r + 22), y + math.sin(math.radians(a)) * (r + 22),
                        5, "#ffb31f") for a in range(0, 360, 30))
    return rays + circle(x, y, r, "#ffd23f", 4) + highlight(x - r * 0.35, y - r * 0.35, r * 0.3, r * 0.15, 0.5)


def hills(y=270, col="#7bd14a", col2="#5cb83a"):
    return (path("M 0 %d C 120 %d 220 %d 330 %d C 440 %d 540 %d 640 %d L 640 360 L 0 360 Z" % (
        y, y - 50, y - 10, y + 5, y + 20, y - 40, y - 10), col2, 4) +
        path("M 0 %d C 150 %d 260 %d 400 %d C 500 %d 580 %d 640 %d L 640 360 L 0 360 Z" % (
            y + 30, y, y + 40, y + 30, y + 22, y + 6, y + 26), col, 4))


def tree(x, y, s=1.0):
    return group(rect(-10, -10, 20, 80, "#8a5a2b", 4, 4) +
                 circle(0, -30, 42, "#3fae4a", 4) + circle(-30, -6, 28, "#3fae4a", 4) +
                 circle(30, -8, 30, "#3fae4a", 4) + highlight(-12, -50, 14, 6, 0.35),
                 translate(x, y) + " " + scale(s))


def nest(x, y, s=1.0):
    out = [ellipse(0, 0, 70, 22, "#b07a3e", 4)]
    for i in range(7):
        out.append(path("M %d -4 q 20 %d 40 0" % (-66 + i * 16, 10 if i % 2 else -8), "none", 3,
                        stroke="#6e4a22"))
    return group("".join(out), translate(x, y) + " " + scale(s))


def roost():
    """The birds' home: a giant tree on a cliff over the jungle."""
    out = [sky(), sun(540, 70), cloud(120, 70, 1.1), cloud(330, 50, 0.8), hills(280)]
    out.append(path("M 230 360 C 240 250 250 180 300 150 L 340 150 C 390 180 400 250 410 360 Z",
                    "#8a5a2b", 5))
    out.append(path("M 300 150 C 250 120 200 118 160 130 M 340 150 C 390 120 440 116 490 132",
                    "none", 14, stroke="#8a5a2b"))
    out.append(path("M 300 150 C 250 120 200 118 160 130 M 340 150 C 390 120 440 116 490 132",
                    "none", 4))
    for x, y, r in ((320, 90, 80), (200, 110, 56), (450, 110, 58), (260, 60, 50), (390, 60, 52)):
        out.append(circle(x, y, r, "#3fae4a", 5))
    for x, y, r in ((320, 90, 80), (200, 110, 56), (450, 110, 58)):
        out.append(highlight(x - r * 0.3, y - r * 0.45, r * 0.3, r * 0.12, 0.3))
    out.append(nest(320, 150, 0.9))
    return "".join(out)


def jungle_floor():
    out = [sky("#9fe0ff", "#e6f8ff"), cloud(100, 60), cloud(480, 90, 0.9), hills(250)]
    for x in (60, 200, 460, 590):
        out.append(tree(x, 240, 0.9))
    out.append(rect(0, 300, W, 60, "#8a5a2b", 4))
    out.append(rect(0, 300, W, 14, "#5cb83a", 4))
    return "".join(out)


def city():
    """The food court: stalls and lanterns under a warm evening sky."""
    out = [sky("#ffb36b", "#ffe3b8"), sun(520, 120, 40)]
    for i, (x, hgt, col) in enumerate(((0, 160, "#c9a7e8"), (120, 210, "#a7c8e8"), (260, 180, "#e8c3a7"),
                                        (400, 230, "#b5e0b0"), (520, 170, "#e8a7b8"))):
        out.append(rect(x, H - hgt, 120, hgt, col, 4))
        for wy in range(int(H - hgt + 20), H - 60, 40):
            out.append(rect(x + 20, wy, 24, 20, "#fff3a0", 3) + rect(x + 70, wy, 24, 20, "#fff3a0", 3))
    out.append(rect(0, 290, W, 70, "#8a6a4a", 4))
    for x in range(20, W, 80):
        out.append(poly([(x, 250), (x + 70, 250), (x + 60, 270), (x + 10, 270)],
                        ["#e8393f", WHITE][(x // 80) % 2], 3))
    return "".join(out)


def space():
    out = [sky("#1a1038", "#3d2a6e")]
    rng = random.Random(3)
    for _ in range(50):
        out.append(circle(rng.uniform(0, W), rng.uniform(0, H * 0.8), rng.uniform(1, 2.6), WHITE, 0,
                          opacity=rng.uniform(0.4, 1)))
    out.append(circle(520, 80, 40, "#ffcf9f", 4) + highlight(506, 64, 12, 5, 0.5))
    out.append(path("M 0 300 C 160 270 320 290 480 280 C 560 276 600 290 640 296 L 640 360 L 0 360 Z",
                    "#3fae4a", 4))
    return "".join(out)


def lair():
    """The stone giant's cavern: purple rock and glowing crystals."""
    out = [sky("#2a1f45", "#4a3670")]
    out.append(path("M 0 0 L 640 0 L 640 60 C 560 90 520 40 440 70 C 360 100 300 50 220 80 "
                    "C 140 110 80 60 0 90 Z", "#1c1530", 4))
    for x, hgt in ((60, 50), (180, 70), (420, 60), (560, 80)):
        out.append(poly([(x - 16, H - 60), (x, H - 60 - hgt), (x + 16, H - 60)], "#c56bff", 4))
        out.append(line(x, H - 60 - hgt + 10, x, H - 66, 3, WHITE, 0.6))
    out.append(rect(0, H - 60, W, 60, "#3b2f58", 4))
    return "".join(out)


BACKGROUNDS = {"roost": roost, "jungle": jungle_floor, "city": city, "space": space, "lair": lair}


# ---- actors ----------------------------------------------------------------

def actor(kind, x, y, s=1.0, flip=False, **kw):
    if kind == "bird":
        body = birds.bird(kw.get("cid", 1), wing=kw.get("wing", 10), mood=kw.get("mood", "normal"),
                          beak_open=kw.get("beak", 0.0), legs=kw.get("legs", "stand"))
    elif kind == "egg":
        body = things.egg(kw.get("state", "flap"), kw.get("k", 0), 110, 132)
        body = group(body, translate(-55, -66))
    elif kind == "golem":
        body = things.golem(kw.get("k", 2), kw.get("state", "idle"))
    elif kind == "saucer":
        body = things.saucer(kw.get("k", 1), damaged=kw.get("damaged", False))
    elif kind == "eagle":
        body = eagle(kw.get("mood", "angry"))
    elif kind == "explosion":
        body = things.explosion(kw.get("k", 4))
    elif kind == "pebble":
        body = pebble_bird()
    else:
        raise KeyError(kind)
    sx = -s if flip else s
    return group(body, "%s scale(%s %s)" % (translate(x, y), sx, s))


def eagle(mood="angry"):
    """Mama Eagle: huge, brown, with a white head and a fierce yellow beak."""
    out = [path("M -90 40 C -120 0 -130 -40 -100 -60 C -70 -30 -50 -10 -30 0 Z", "#5a3a22", 5),
           path("M 90 40 C 120 0 130 -40 100 -60 C 70 -30 50 -10 30 0 Z", "#5a3a22", 5),
           ellipse(0, 30, 60, 56, "#7a4a2a", 5),
           highlight(-24, 6, 18, 8, 0.3),
           circle(0, -40, 40, WHITE, 5),
           highlight(-14, -60, 12, 6, 0.6),
           poly([(-14, -30), (14, -30), (0, 4)], "#ffc21f", 5),
           path("M -6 -14 q 6 -6 12 0", "none", 3),
           ellipse(-16, -46, 7, 8, "#ffe14d", 3), ellipse(16, -46, 7, 8, "#ffe14d", 3),
           circle(-15, -45, 3.5, INK, 0), circle(17, -45, 3.5, INK, 0)]
    if mood == "angry":
        out.append(line(-30, -64, -6, -54, 5) + line(30, -64, 6, -54, 5))
    return "".join(out)


def pebble_bird():
    return (ellipse(0, 0, 22, 18, "#8b7fa8", 4) + highlight(-8, -8, 6, 3, 0.5) +
            circle(6, -4, 4, WHITE, 2) + circle(7, -4, 2, INK, 0) +
            poly([(18, -2), (28, 2), (18, 6)], "#ffb400", 3) +
            poly([(-6, -18), (0, -30), (6, -18)], "#c56bff", 3))


def caption(s, page=None):
    out = [rect(24, 292, W - 48, 52, "#fff6e0", 4, 16, opacity=0.96),
           round_text(W / 2, 327, s, 26, INK)]
    if page is not None:
        out.append(circle(W - 40, 300, 20, "#ff7a45", 4) + text(W - 40, 308, str(page), 22, WHITE, sw=4))
    return "".join(out)


def panel(bg, actors, text_, page=None, extra=""):
    out = [BACKGROUNDS[bg]()]
    for a in actors:
        kind, x, y, s = a[:4]
        kw = a[4] if len(a) > 4 else {}
        out.append(actor(kind, x, y, s, **kw))
    out.append(extra)
    out.append(caption(text_, page))
    out.append(rect(2, 2, W - 4, H - 4, "none", 6, 10))
    return "".join(out)


def burst_text(x, y, s, size, fill="#ffcf3f", spikes=True):
    out = []
    if spikes:
        from svgkit import star_points
        out.append(poly(star_points(x, y - size * 0.3, size * 2.2, size * 1.5, 12), WHITE, 4))
    out.append(text(x, y, s, size, fill, sw=size * 0.15))
    return "".join(out)


def storyboard(name):
    """Pages of the three end storyboards and the opening one."""
    P = STORY[name]
    return panel(*P)


def _b(cid, x, y, s=1.0, **kw):
    kw["cid"] = cid
    return ("bird", x, y, s, kw)


def _fight_cloud():
    out = [cloud(320, 170, 2.6, "#f2ecff")]
    for i, (x, y) in enumerate(((250, 130), (390, 140), (300, 210), (360, 200))):
        out.append(star(x, y, 14, "#ffd23f", 3))
    for i in range(5):
        out.append(group(path("M 0 0 q 8 -12 18 -6 q -6 10 -18 6 z", "#f2f2f2", 2.5),
                         translate(200 + i * 60, 90 + (i % 2) * 150) + " " + rotate(i * 60)))
    out.append(burst_text(320, 180, "SQUAWK!", 40, "#ff5a36", spikes=False))
    return "".join(out)


STORY = {
    "StoryBoardPage1": ("roost", [], "High above the jungle, the Roost wakes up.", 1),
    "StoryBoardPage2": ("jungle", [_b(1, 110, 240, 0.9), _b(2, 250, 240, 0.9), _b(3, 400, 240, 0.9),
                                   _b(4, 540, 230, 0.9)],
                        "Rozi, Vadoza, Dova and Doru: best friends. Mostly.", 2),
    "StoryBoardPage3": ("roost", [("egg", 320, 118, 0.6)], "One morning a golden egg lands in the nest!", 3,
                        star(280, 80, 10, WHITE, 3) + star(370, 70, 8, WHITE, 3)),
    "StoryBoardPage4": ("jungle", [("egg", 320, 170, 1.5)],
                        "An eagle's egg! Whoever keeps it becomes a legend.", 4,
                        star(240, 100, 12, "#ffd23f", 3) + star(400, 90, 10, "#ffd23f", 3)),
    "StoryBoardPage5": ("jungle", [("egg", 320, 200, 0.9), _b(1, 150, 230, 0.9, mood="angry"),
                                   _b(3, 490, 230, 0.9, mood="angry", flip=True)],
                        "Everybody wants it. Nobody shares.", 5),
    "StoryBoardPage6": ("jungle", [], "Pecks! Squabbles! Feathers everywhere!", 6, _fight_cloud()),
    "StoryBoardPage7": ("roost", [("saucer", 320, 60, 1.0, {"k": 3})],
                        "Then a saucer swoops down and snatches the branches!", 7,
                        poly([(290, 80), (350, 80), (420, 240), (220, 240)], "#b6ffb0", 0, opacity=0.5)),
    "StoryBoardPage8": ("lair", [("golem", 320, 180, 1.2, {"state": "sleeping", "k": 4})],
                        "And deep underground, something ancient stirs...", 8),
    "StoryBoardPage9": ("jungle", [_b(3, 180, 220, 1.2, mood="angry"),
                                   _b(1, 460, 220, 1.2, mood="angry", flip=True)],
                        "Peck first, ask later. Let the games begin!", 9,
                        burst_text(320, 170, "VS", 56, "#ffcf3f")),
    "VozedorerozCut1": ("roost", [("egg", 320, 118, 0.6, {"state": "flapcrack"})],
                        "The feathers settle over the nest...", 1),
    "VozedorerozCut2": ("jungle", [("egg", 320, 170, 1.5, {"state": "hurtcrack", "k": 1})],
                        "The egg wobbles. Crick... CRACK!", 2),
    "VozedorerozCut3": ("jungle", [("eagle", 320, 150, 1.3)], "Mama Eagle is NOT amused.", 3),
    "VozedorerozCut4": ("jungle", [_b(1, 160, 220, 0.9, mood="x", wing=70),
                                   _b(2, 330, 210, 0.9, mood="x", wing=60),
                                   _b(3, 500, 220, 0.9, mood="x", wing=70)],
                        "Everybody... RUN!", 4, burst_text(320, 90, "EEK!", 40, "#ff5a36", False)),
    "RudorarurozavirCut1": ("space", [("saucer", 320, 140, 1.4, {"k": 5, "damaged": True})],
                            "The saucer sputters and smokes.", 1,
                            cloud(250, 110, 0.8, "#7a7490") + cloud(400, 100, 0.6, "#7a7490")),
    "RudorarurozavirCut2": ("space", [("explosion", 320, 150, 1.8, {"k": 4})], "KA-BLAM! Down it goes!", 2,
                            burst_text(320, 70, "BOOM!", 44, "#ffcf3f", False)),
    "RudorarurozavirCut3": ("roost", [], "The stolen branches rain back home.", 3,
                            "".join(group(path("M 0 0 L 40 -6 M 16 -3 L 26 -16", "none", 7, stroke="#8a5a2b"),
                                          translate(120 + i * 90, 40 + (i % 3) * 30) + " " + rotate(i * 25))
                                    for i in range(5))),
    "RudorarurozavirCut4": ("roost", [_b(2, 200, 140, 0.6, mood="happy", wing=50),
                                      _b(4, 440, 140, 0.6, mood="happy", wing=50, flip=True)],
                            "The Roost is whole again.", 4),
    "RudorarurozavirCut5": ("roost", [("egg", 320, 118, 0.6)], "Home sweet home... for now.", 5,
                            star(300, 60, 8, WHITE, 3)),
    "ZurododavadCut1": ("lair", [("golem", 320, 170, 1.2, {"state": "crack", "k": 2})],
                        "The stone giant wobbles...", 1),
    "ZurododavadCut2": ("lair", [("golem", 320, 170, 1.2, {"state": "death", "k": 1})],
                        "Its cracks glow brighter and brighter...", 2),
    "ZurododavadCut3": ("lair", [("explosion", 320, 160, 2.0, {"k": 5})], "KA-BOOOM!", 3,
                        burst_text(320, 70, "BOOM!", 44, "#ffcf3f", False)),
    "ZurododavadCut4": ("lair", [("pebble", 320, 230, 1.6)], "All that is left: one tiny pebble-bird.", 4),
    "ZurododavadCut5": ("jungle", [("pebble", 320, 236, 1.2), _b(1, 160, 220, 0.9, mood="happy"),
                                   _b(4, 480, 210, 0.9, mood="happy", flip=True)],
                        "It only wanted friends. Awww.", 5,
                        path("M 300 180 c -10 -20 20 -20 20 -6 c 0 -14 30 -14 20 6 l -20 18 z",
                             "#ff6f9c", 3)),
}


# ---- result screens ----------------------------------------------------------

def confetti(seed=1, n=40):
    rng = random.Random(seed)
    cols = ["#ff5e5e", "#ffd23f", "#41bed1", "#7ef875", "#ff4fa3"]
    out = []
    for _ in range(n):
        x, y = rng.uniform(0, W), rng.uniform(0, H * 0.8)
        out.append(rect(x, y, 10, 5, rng.choice(cols), 1.5, 1,
                        transform=rotate(rng.uniform(0, 180), x, y)))
    return "".join(out)


def win_scene(player):
    if player == 0:
        out = [ui.sunburst(W, H, "#6a5a8a", "#7a6a9a"), confetti(5, 20)]
        out.append(text(W / 2, 150, "DRAW!", 110, "#ffcf3f", sw=14))
        out.append(round_text(W / 2, 215, "Nobody wins... the egg laughs last", 30, WHITE, sw=5,
                              stroke=INK))
        out.append(round_text(W / 2, 330, "Press Enter or Start", 24, "#e6e0f5"))
        return "".join(out)
    col = P1_RED if player == 1 else P2_BLUE
    out = [ui.sunburst(W, H, col, lighten(col, 0.15)), confetti(player)]
    out.append(text(W / 2, 140, "PLAYER %d" % player, 96, "#ffcf3f", sw=13))
    out.append(text(W / 2, 232, "WINS!", 96, WHITE, sw=13))
    out.append(group(things.icon("star", 0, 0, 2.2), translate(90, 180)))
    out.append(group(things.icon("star", 0, 0, 2.2), translate(550, 180)))
    out.append(round_text(W / 2, 330, "Press Enter or Start", 24, WHITE))
    return "".join(out)


def victory_cell(cid, k, w, h):
    hop = [0, -14, -22, -14, 0][k]
    wing = [30, 70, 80, 60, 20][k]
    out = [ellipse(0, 74, 60 - abs(hop), 8, INK, 0, opacity=0.25)]
    # Trophy raised overhead.
    out.append(group(path("M -18 -20 L 18 -20 C 18 0 10 8 0 10 C -10 8 -18 0 -18 -20 Z", "#ffcf3f", 4) +
                     rect(-4, 10, 8, 10, "#ffcf3f", 3) + rect(-14, 18, 28, 8, "#e09a1a", 3, 2) +
                     highlight(-8, -12, 4, 6, 0.6, 0),
                     translate(10, -96 + hop)))
    out.append(group(birds.bird(cid, wing=wing, mood="happy", beak_open=0.6, legs="tuck" if hop else "stand"),
                     translate(0, 8 + hop) + " " + scale(0.95)))
    for i in range(6):
        a = math.radians(i * 60 + k * 12)
        out.append(star(math.cos(a) * 110, -10 + math.sin(a) * 80, 7, ["#ffd23f", WHITE][i % 2], 2.5))
    return group("".join(out), translate(w / 2, h / 2 + 24) + " " + scale(min(w, h) / 260.0))


# ---- level selection pictures ------------------------------------------------

def level_emblem(w, h, name, colour, picture, pic_scale=1.0):
    out = [rect(6, 6, w - 12, h - 12, colour, 5, 24),
           rect(16, 16, w - 32, h - 32, lighten(colour, 0.25), 0, 18),
           highlight(w * 0.3, 26, w * 0.2, 6, 0.4, angle=0),
           group(picture, translate(w / 2, h * 0.44) + " " + scale(pic_scale)),
           text(w / 2, h - 28, name, min(36, w / (len(name) * 0.62)), WHITE, sw=6)]
    return "".join(out)


# The co-op picker's level pictures, by level number: the backdrop and the
# caption of each level that exists. SetFrame(k, k) shows the cell counted
# from 0, so cell k is level k's picture.
MAP_LEVELS = {1: ("roost", "THE EGG"), 2: ("city", "FOOD COURT"), 4: ("space", "HOMECOMING")}


def map_thumb(i, w, h):
    if i not in MAP_LEVELS:
        return group(camera_sign(384, 256), scale(w / 384.0, h / 256.0))
    bg, caption = MAP_LEVELS[i]
    body = BACKGROUNDS[bg]()
    return (group(body, scale(w / float(W), h / float(H))) +
            rect(0, h - 34, w, 34, INK, 0, opacity=0.55) +
            text(w / 2, h - 10, caption, 20, WHITE, sw=4) +
            rect(2, 2, w - 4, h - 4, "none", 5, 10) +
            circle(24, 24, 17, "#ff7a45", 3) + text(24, 32, str(i), 22, WHITE, sw=4))


def tracker(w, h):
    return (rect(6, 6, w - 12, h - 12, "none", 8, 14, stroke="#ffcf3f") +
            poly([(w / 2 - 18, 2), (w / 2 + 18, 2), (w / 2, 26)], "#ffcf3f", 4))


def camera_sign(w, h):
    out = [rect(6, 6, w - 12, h - 12, "#3a3350", 5, 20)]
    out.append(group(rect(-70, -40, 140, 90, "#6a6288", 5, 14) + rect(-30, -58, 50, 22, "#6a6288", 5, 6) +
                     circle(0, 6, 32, "#2e2842", 5) + circle(0, 6, 20, "#41bed1", 4) +
                     highlight(-7, -2, 7, 4, 0.7) + circle(48, -22, 7, "#ffcf3f", 3),
                     translate(w / 2, h * 0.42)))
    out.append(text(w / 2, h - 34, "COMING SOON", 34, "#ffcf3f", sw=5))
    return "".join(out)
