"""The practice range: its backdrop, ground, perches and the stamina bar pieces."""

from svgkit import INK, WHITE, circle, ellipse, rect, path, poly, line, group, highlight, text, translate, scale, \
    darken, linear_gradient, defs
import scenes

W, H = scenes.W, scenes.H


def target(x, y, r):
    """A straw target on an easel."""
    out = [line(x - r * 0.6, y + r * 0.6, x - r * 0.9, y + r * 1.9, 5, "#8a5a2b"),
           line(x + r * 0.6, y + r * 0.6, x + r * 0.9, y + r * 1.9, 5, "#8a5a2b")]
    for i, col in enumerate(("#ffffff", "#e8393f", "#ffffff", "#e8393f")):
        out.append(circle(x, y, r * (1.0 - i * 0.24), col, 4 if i == 0 else 3))
    out.append(circle(x, y, r * 0.12, "#ffcf3f", 3))
    return "".join(out)


def hay_bale(x, y, s=1.0):
    body = (rect(-34, -22, 68, 44, "#f2c14e", 4, 8) +
            "".join(line(-26 + i * 13, -18, -30 + i * 13, 18, 2.5, "#c9952c") for i in range(5)) +
            line(-34, -6, 34, -6, 3, "#a4701d") + line(-34, 8, 34, 8, 3, "#a4701d"))
    return group(body, translate(x, y) + " " + scale(s))


def flag_pole(x, y, col):
    return (line(x, y, x, y - 90, 5, "#6e4a22") +
            poly([(x, y - 90), (x + 40, y - 80), (x, y - 68)], col, 3))


def practice_range():
    """A training meadow: far hills, a fence line, targets and hay bales, two team flags."""
    out = [scenes.sky("#8fd8ff", "#e4f7ff"), scenes.sun(80, 64, 28), scenes.cloud(250, 60, 1.0),
           scenes.cloud(470, 44, 0.8), scenes.cloud(590, 96, 0.6), scenes.hills(236)]
    for x, s in ((150, 0.7), (520, 0.75), (610, 0.6)):
        out.append(scenes.tree(x, 214, s))
    # the fence along the back of the range
    out.append(rect(0, 262, W, 8, "#c98b4a", 3))
    out.append(rect(0, 282, W, 8, "#c98b4a", 3))
    for x in range(14, W, 48):
        out.append(rect(x, 250, 12, 52, "#b07a3e", 3, 3))
    out.append(target(230, 240, 26))
    out.append(target(420, 236, 22))
    out.append(hay_bale(300, 284, 0.9))
    out.append(hay_bale(352, 290, 0.7))
    out.append(flag_pole(36, 300, "#e8393f"))
    out.append(flag_pole(588, 300, "#2f7fe0"))
    out.append(rect(0, 300, W, 60, "#6fc443", 0))
    return "".join(out)


def ground(w, h):
    """A strip of turf over earth, seen from the side; tiles sideways."""
    sx = w / 640.0
    out = [rect(0, h * 0.28, w, h * 0.72, "#9a6634", 0)]
    for i in range(14):
        x = (i * 47 + 20) * sx
        out.append(ellipse(x, h * (0.6 + 0.2 * (i % 2)), 9 * sx, 5, "#7d5027", 0))
    out.append(rect(0, 0, w, h * 0.34, "#5cb83a", 0))
    grass = "M 0 %f " % (h * 0.34) + " ".join("L %f %f L %f %f" % ((i + 0.5) * w / 40.0, h * 0.44,
                                                                    (i + 1) * w / 40.0, h * 0.34)
                                               for i in range(40))
    out.append(path(grass + " L %f 0 L 0 0 Z" % w, "#5cb83a", 0))
    out.append(line(0, 2, w, 2, 4))
    return "".join(out)


def perch(w, h):
    """A plank perch with two rope ties."""
    out = [rect(4, h * 0.18, w - 8, h * 0.64, "#c98b4a", 4, 8)]
    for i in range(1, 4):
        x = i * w / 4.0
        out.append(line(x, h * 0.22, x, h * 0.78, 2.5, "#8a5a2b"))
    for x in (w * 0.1, w * 0.9):
        out.append(rect(x - 6, h * 0.1, 12, h * 0.8, "#e6d3a3", 3, 3))
    out.append(highlight(w * 0.3, h * 0.3, w * 0.18, h * 0.06, 0.35, 0))
    return "".join(out)


def bar_frame(w, h):
    return rect(3, 3, w - 6, h - 6, "#2e2842", 4, h / 2.0 - 3)


def bar_fill(w, h):
    return rect(2, 2, w - 4, h - 4, WHITE, 0, h / 2.0 - 2) + highlight(w * 0.5, h * 0.3, w * 0.4, h * 0.1, 0.5, 0)


def practice_texture(name, k, w, h):
    if name == "PracticeRangeBG":
        return group(practice_range(), scale(w / float(W), h / float(H)))
    table = {"PracticeGround": ground, "PracticePerch": perch, "StaminaBarFrame": bar_frame,
             "StaminaBarFill": bar_fill}
    if name in table:
        return table[name](w, h)
    return None
