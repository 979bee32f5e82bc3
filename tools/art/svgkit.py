"""Small SVG vocabulary shared by every drawing: shapes with the house outline,
soft highlights, outlined text in the game's fonts, colour helpers.

Everything returns SVG source text; drawings are plain string concatenation so
that the generated files stay readable.
"""

import itertools
import math

# The house style: one dark plum ink for every outline, flat fills, a soft
# white highlight on the upper left of round things.
INK = "#2a1b33"
WHITE = "#ffffff"

# The game's three fonts, by the family names fontconfig knows them under.
# They are the faces tools/content.cmake copies to arial.ttf,
# berlin_sans_fb_regular.ttf and PassionOne-Regular.otf.
FONT_TITLE = "Cherry Bomb"       # stands in for Passion One
FONT_ROUND = "eurofurence"       # stands in for Berlin Sans FB (bold face)
FONT_PLAIN = "Liberation Sans"   # stands in for Arial

# Bird colours, shared with the selection screen's particle colours.
BIRD_COLOURS = {
    1: "#41bed1",  # RoziDoro
    2: "#7ef875",  # VadozaVaza
    3: "#ff5e5e",  # DovaDizavov
    4: "#f4b65d",  # DoruZuvo
}
P1_RED = "#e8393f"
P2_BLUE = "#2f7fe0"

_ids = itertools.count(1)


def uid(prefix="g"):
    """A document-unique id for gradients and clip paths."""
    return "%s%d" % (prefix, next(_ids))


def fmt(v):
    if isinstance(v, float):
        s = ("%.2f" % v).rstrip("0").rstrip(".")
        return "0" if s in ("-0", "") else s
    return str(v)


def attrs(**kw):
    out = []
    for key, value in kw.items():
        if value is None:
            continue
        name = key.rstrip("_").replace("_", "-")
        out.append('%s="%s"' % (name, fmt(value)))
    return " ".join(out)


def el(tag, **kw):
    return "<%s %s/>" % (tag, attrs(**kw))


def group(body, transform=None, opacity=None, clip=None):
    a = attrs(transform=transform, opacity=opacity,
              clip_path=("url(#%s)" % clip) if clip else None)
    return "<g %s>%s</g>" % (a, body) if a else "<g>%s</g>" % body


def translate(x, y):
    return "translate(%s %s)" % (fmt(float(x)), fmt(float(y)))


def rotate(a, cx=0, cy=0):
    return "rotate(%s %s %s)" % (fmt(float(a)), fmt(float(cx)), fmt(float(cy)))


def scale(sx, sy=None):
    return "scale(%s %s)" % (fmt(float(sx)), fmt(float(sx if sy is None else sy)))


def stroke_kw(sw, stroke=INK):
    if not sw:
        return {"stroke": "none"}
    return {"stroke": stroke, "stroke_width": float(sw), "stroke_linejoin": "round",
            "stroke_linecap": "round"}


def circle(cx, cy, r, fill, sw=4, stroke=INK, opacity=None):
    return el("circle", cx=float(cx), cy=float(cy), r=float(r), fill=fill,
              opacity=opacity, **stroke_kw(sw, stroke))


def ellipse(cx, cy, rx, ry, fill, sw=4, stroke=INK, opacity=None, transform=None):
    return el("ellipse", cx=float(cx), cy=float(cy), rx=float(rx), ry=float(ry),
              fill=fill, opacity=opacity, transform=transform, **stroke_kw(sw, stroke))


def rect(x, y, w, h, fill, sw=4, rx=0, stroke=INK, opacity=None, transform=None):
    return el("rect", x=float(x), y=float(y), width=float(w), height=float(h),
              rx=float(rx), fill=fill, opacity=opacity, transform=transform,
              **stroke_kw(sw, stroke))


def path(d, fill, sw=4, stroke=INK, opacity=None, transform=None):
    return el("path", d=d, fill=fill, opacity=opacity, transform=transform,
              **stroke_kw(sw, stroke))


def poly(points, fill, sw=4, stroke=INK, opacity=None, transform=None):
    pts = " ".join("%s,%s" % (fmt(float(x)), fmt(float(y))) for x, y in points)
    return el("polygon", points=pts, fill=fill, opacity=opacity, transform=transform,
              **stroke_kw(sw, stroke))


def polyline(points, sw=4, stroke=INK, opacity=None):
    pts = " ".join("%s,%s" % (fmt(float(x)), fmt(float(y))) for x, y in points)
    return el("polyline", points=pts, fill="none", opacity=opacity, **stroke_kw(sw, stroke))


def line(x1, y1, x2, y2, sw=4, stroke=INK, opacity=None):
    return el("line", x1=float(x1), y1=float(y1), x2=float(x2), y2=float(y2),
              opacity=opacity, **stroke_kw(sw, stroke))


def highlight(cx, cy, rx, ry, opacity=0.4, angle=-25):
    """The soft shine every rounded shape carries on its upper left."""
    return el("ellipse", cx=float(cx), cy=float(cy), rx=float(rx), ry=float(ry),
              fill=WHITE, opacity=opacity, transform=rotate(angle, cx, cy))


def star_points(cx, cy, r_out, r_in, n=5, phase=-90):
    pts = []
    for i in range(n * 2):
        r = r_out if i % 2 == 0 else r_in
        a = math.radians(phase + i * 180.0 / n)
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


def star(cx, cy, r_out, fill="#ffd23f", sw=4, n=5, inner=0.48, phase=-90):
    return poly(star_points(cx, cy, r_out, r_out * inner, n, phase), fill, sw)


def escape(s):
    return (s.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
            .replace('"', "&quot;"))


def text(x, y, s, size, fill=WHITE, font=FONT_TITLE, sw=None, stroke=INK,
         anchor="middle", weight=None, opacity=None, spacing=None, transform=None):
    """A line of text; with an outline drawn under the fill (paint-order)."""
    if sw is None:
        sw = size * 0.16
    kw = dict(x=float(x), y=float(y), font_family=font, font_size=float(size),
              fill=fill, text_anchor=anchor, font_weight=weight, opacity=opacity,
              letter_spacing=spacing, transform=transform)
    if sw:
        kw.update(stroke=stroke, stroke_width=float(sw), stroke_linejoin="round",
                  paint_order="stroke")
    return "<text %s>%s</text>" % (attrs(**kw), escape(s))


def round_text(x, y, s, size, fill=INK, **kw):
    kw.setdefault("font", FONT_ROUND)
    kw.setdefault("weight", "bold")
    kw.setdefault("sw", 0)
    return text(x, y, s, size, fill, **kw)


def linear_gradient(stops, x1=0, y1=0, x2=0, y2=1):
    gid = uid("lg")
    s = "".join('<stop offset="%s" stop-color="%s" stop-opacity="%s"/>' % (
        fmt(float(o)), c, fmt(float(a))) for o, c, a in _stops(stops))
    return gid, '<linearGradient id="%s" x1="%s" y1="%s" x2="%s" y2="%s">%s</linearGradient>' % (
        gid, fmt(float(x1)), fmt(float(y1)), fmt(float(x2)), fmt(float(y2)), s)


def radial_gradient(stops, cx=0.5, cy=0.5, r=0.5):
    gid = uid("rg")
    s = "".join('<stop offset="%s" stop-color="%s" stop-opacity="%s"/>' % (
        fmt(float(o)), c, fmt(float(a))) for o, c, a in _stops(stops))
    return gid, '<radialGradient id="%s" cx="%s" cy="%s" r="%s">%s</radialGradient>' % (
        gid, fmt(float(cx)), fmt(float(cy)), fmt(float(r)), s)


def _stops(stops):
    for stop in stops:
        if len(stop) == 2:
            yield stop[0], stop[1], 1.0
        else:
            yield stop


def defs(*items):
    return "<defs>%s</defs>" % "".join(items)


def clip_rect(x, y, w, h):
    cid = uid("cl")
    return cid, '<clipPath id="%s"><rect x="%s" y="%s" width="%s" height="%s"/></clipPath>' % (
        cid, fmt(float(x)), fmt(float(y)), fmt(float(w)), fmt(float(h)))


def document(w, h, body):
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" '
            'viewBox="0 0 %d %d">%s</svg>\n' % (w, h, w, h, body))


# ---- colours -------------------------------------------------------------

def _rgb(c):
    c = c.lstrip("#")
    return [int(c[i:i + 2], 16) for i in (0, 2, 4)]


def _hex(rgb):
    return "#%02x%02x%02x" % tuple(max(0, min(255, int(round(v)))) for v in rgb)


def lighten(c, f):
    return _hex([v + (255 - v) * f for v in _rgb(c)])


def darken(c, f):
    return _hex([v * (1 - f) for v in _rgb(c)])


def mix(a, b, f):
    return _hex([x + (y - x) * f for x, y in zip(_rgb(a), _rgb(b))])


def desaturate(c, f):
    r, g, b = _rgb(c)
    grey = 0.3 * r + 0.59 * g + 0.11 * b
    return _hex([v + (grey - v) * f for v in (r, g, b)])


def fit(content, box_w, box_h, cell_w, cell_h, margin=0.06, cx=0.0, cy=0.0):
    """Scale a drawing whose extent is box_w x box_h, centred at (cx, cy), to
    fill a cell with the given margin, keeping its proportions."""
    s = min(cell_w * (1 - 2 * margin) / box_w, cell_h * (1 - 2 * margin) / box_h)
    return group(content, "%s %s %s" % (translate(cell_w / 2.0, cell_h / 2.0), scale(s),
                                        translate(-cx, -cy)))
