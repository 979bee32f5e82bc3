"""The menu screens' own scenery: the title screen's sky, the title ribbon and
arrow, the options screen's boxes, slider and labels, the quit question and the
co-op mode choice. Full-screen pictures use the 640 x 360 canvas of scenes.py.
"""

from svgkit import (INK, WHITE, FONT_TITLE, circle, rect, path, poly, group, highlight, star,
                    text, translate, scale, darken, lighten, linear_gradient, radial_gradient, defs)
import scenes
import ui

W, H = scenes.W, scenes.H

# A white face with dark lettering: the co-op choice tints it by script.
ui.MENU_STYLES.setdefault("white", ("#ffffff", INK, INK, None))


def menu_sky():
    """Dusk-blue sky, far and near hills and drifting clouds: three planes of
    depth behind the title screen's entries."""
    gid, g = linear_gradient([(0, "#4f8fe8"), (0.55, "#9fd4ff"), (1, "#e6f6ff")])
    glow, gg = radial_gradient([(0, "#fff6c8"), (1, "#fff6c800")], 0.5, 0.5, 0.5)
    out = [defs(g, gg), rect(0, 0, W, H, "url(#%s)" % gid, 0),
           circle(470, 110, 120, "url(#%s)" % glow, 0, opacity=0.7)]
    # far range, pale and without outline weight, so it sits back
    out.append(path("M 0 250 L 60 196 L 120 232 L 190 170 L 270 238 L 340 188 L 420 240 "
                    "L 500 180 L 580 228 L 640 200 L 640 360 L 0 360 Z", "#b7cbe8", 0))
    out.append(scenes.cloud(110, 70, 0.8, "#f4faff"))
    out.append(scenes.cloud(560, 50, 0.6, "#f4faff"))
    out.append(scenes.cloud(330, 120, 0.5, "#eef6ff"))
    # middle hills
    out.append(path("M 0 282 C 110 236 200 250 300 272 C 400 292 500 240 640 258 L 640 360 L 0 360 Z",
                    "#86c95a", 3))
    # near ground, darker and with a full outline
    out.append(path("M 0 318 C 140 296 280 326 420 306 C 520 292 590 304 640 300 L 640 360 L 0 360 Z",
                    "#4fa83d", 4))
    for x, y, s in ((40, 300, 0.55), (600, 292, 0.6), (520, 300, 0.45)):
        out.append(scenes.tree(x, y, s))
    return "".join(out)


def title_ribbon(w, h, label, k):
    """The title banner; the second cell lights its stars, so an animator
    cycling the sheet makes the banner twinkle."""
    out = [ui.ribbon(w, h, label, "#e8393f", size=h * 0.46)]
    lit = "#ffd23f" if k else "#ffe9a8"
    for x, y, r in ((0.16, 0.2, 0.09), (0.84, 0.2, 0.09), (0.5, 0.08, 0.06)):
        out.append(star(w * x, h * y, h * r, lit, 3))
    return "".join(out)


def arrow(w, h):
    s = min(w, h) / 100.0
    body = (poly([(14, 30), (62, 30), (62, 12), (92, 50), (62, 88), (62, 70), (14, 70)], "#ffd23f", 6) +
            highlight(40, 40, 18, 5, 0.45, angle=0))
    return group(body, scale(s))


def check_box(w, h):
    s = min(w, h) / 100.0
    return group(rect(10, 14, 80, 80, darken("#3a3350", 0.3), 0, 16, opacity=0.6) +
                 rect(8, 8, 80, 80, WHITE, 6, 16) + highlight(30, 24, 16, 5, 0.3, angle=0), scale(s))


def tick(w, h):
    s = min(w, h) / 100.0
    return group(path("M 14 52 L 38 78 L 88 18 L 96 28 L 40 94 L 6 60 Z", "#3fbf4a", 5), scale(s))


def slider_track(w, h):
    m = h * 0.2
    return (rect(m, m + 4, w - 2 * m, h - 2 * m, darken("#3a3350", 0.3), 0, (h - 2 * m) / 2, opacity=0.6) +
            rect(m, m, w - 2 * m, h - 2 * m - 4, "#3a3350", 4, (h - 2 * m) / 2) +
            highlight(w * 0.3, m + 6, w * 0.2, 3, 0.25, angle=0))


def slider_knob(w, h):
    s = min(w, h) / 100.0
    return group(circle(50, 54, 40, darken("#e8393f", 0.35), 0, opacity=0.6) +
                 circle(50, 50, 40, "#e8393f", 6) + circle(50, 50, 16, WHITE, 4) +
                 highlight(36, 32, 14, 6, 0.45), scale(s))


def panel(w, h):
    """A soft rounded board that the entries stand on."""
    return (rect(10, 18, w - 20, h - 24, "#1f1830", 0, 40, opacity=0.25) +
            rect(8, 8, w - 16, h - 24, "#fff6e0", 6, 40, opacity=0.85) +
            highlight(w * 0.3, 40, w * 0.2, 10, 0.3, angle=0))


LABELS = {"Option_Volume": "VOLUME", "Option_Mute": "MUTE", "Option_FullScreen": "FULL SCREEN",
          "Option_Music": "MUSIC", "Option_Effects": "EFFECTS", "Option_VSync": "VSYNC",
          "Coop_TwoPlayers": "2 PLAYERS", "Coop_FourPlayers": "4 PLAYERS"}
RIBBONS = {"MenuTitleRibbon": "TOLVEX", "OptionTitleRibbon": "OPTIONS", "QuitTitleRibbon": "QUIT GAME?",
           "CoopTitleRibbon": "CO-OP"}


def menu_scenery(name, k, w, h):
    if name == "MenuSky":
        return group(menu_sky(), scale(w / float(W), h / float(H)))
    if name in RIBBONS:
        return title_ribbon(w, h, RIBBONS[name], k)
    if name in LABELS:
        return ui.pill_button(w, h, LABELS[name], "white" if name.startswith("Coop_") else "blue")
    simple = {"MenuArrow": arrow, "Option_CheckBox": check_box, "Option_Tick": tick,
              "Option_SliderTrack": slider_track, "Option_SliderKnob": slider_knob, "MenuPanel": panel}
    if name in simple:
        return simple[name](w, h)
    return None
