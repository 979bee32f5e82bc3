#!/usr/bin/env python3
"""Draws every texture of the game.

Reads tools/art/textures.txt, writes one SVG per texture (its sprite-sheet
cells laid out in a grid) and turns it into a PNG with rsvg-convert.

    generate.py --out Resources/Textures [--svg-dir DIR] [--only NAME ...]
    generate.py --write-list Objects/Textures/Texture.xml

The texture list is written in exactly the bytes the game writes back at exit
(entries sorted by name, four-space indentation, no declaration), so a run of
the game that changes nothing leaves it as committed.
"""

import argparse
import multiprocessing
import os
import re
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

LIST_FILE = os.path.join(HERE, "textures.txt")
IMAGE_DIR = "Resources/Textures"
NAME_RE = re.compile(r"^[A-Za-z0-9_]+$")


class Entry:
    def __init__(self, name, columns, rows, frames, cell_w, cell_h, section=""):
        self.section = section
        self.name = name
        self.columns = columns
        self.rows = rows
        self.frames = frames
        self.cell_w = cell_w
        self.cell_h = cell_h

    @property
    def path(self):
        return "%s/%s.png" % (IMAGE_DIR, self.name)

    @property
    def size(self):
        return self.columns * self.cell_w, self.rows * self.cell_h


def read_list(list_file=LIST_FILE):
    entries = []
    seen = set()
    section = ""
    with open(list_file, encoding="utf-8") as f:
        for number, raw in enumerate(f, 1):
            if raw.startswith("# "):
                section = raw[2:].strip()
            line = raw.split("#", 1)[0].strip()
            if not line:
                continue
            parts = line.split()
            if len(parts) != 6 or not NAME_RE.match(parts[0]):
                raise SystemExit("%s:%d: expected 'name columns rows frames cell_w cell_h'"
                                 % (list_file, number))
            name = parts[0]
            if name in seen:
                raise SystemExit("%s:%d: %s is listed twice" % (list_file, number, name))
            seen.add(name)
            columns, rows, frames, cw, ch = (int(p) for p in parts[1:])
            if frames > columns * rows or frames < 1:
                raise SystemExit("%s:%d: %s has %d frames in %d cells"
                                 % (list_file, number, name, frames, columns * rows))
            entries.append(Entry(name, columns, rows, frames, cw, ch, section))
    return entries


# ---- the texture list, as TinyXML 2.6.2 prints it --------------------------

def _xml_attribute(name, value):
    encoded = (value.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
               .replace('"', "&quot;").replace("'", "&apos;"))
    quote = "'" if '"' in value else '"'
    return "%s=%s%s%s" % (name, quote, encoded, quote)


def texture_list_xml(entries):
    """The document the game's writer produces: entries in byte-wise name
    order, children File, Column, Row, Frame, numbers printed with %d."""
    lines = ["<Texture>"]
    for e in sorted(entries, key=lambda e: e.name.encode("utf-8")):
        lines.append("    <Texture %s>" % _xml_attribute("Name", e.name))
        lines.append("        <File %s />" % _xml_attribute("Path", e.path))
        lines.append("        <Column %s />" % _xml_attribute("Column", "%d" % e.columns))
        lines.append("        <Row %s />" % _xml_attribute("Row", "%d" % e.rows))
        lines.append("        <Frame %s />" % _xml_attribute("Frame", "%d" % e.frames))
        lines.append("    </Texture>")
    lines.append("</Texture>")
    return "\n".join(lines) + "\n"


# ---- the table for script and level authors --------------------------------

def texture_table_markdown(entries):
    out = ["# Textures", "",
           "Every texture of `Objects/Textures/Texture.xml`, generated from `tools/art/textures.txt`",
           "by `python3 tools/art/generate.py --write-table docs/textures.md`.",
           "",
           "Cells are numbered from 1, left to right, then top to bottom: `SetFrame(1, n)` with n the",
           "frame count plays the whole sheet. The image is `Resources/Textures/<name>.png`, drawn by",
           "the build.", ""]
    section = None
    for e in entries:
        if e.section != section:
            section = e.section
            out += ["", "## " + section, "",
                    "| name | columns x rows | frames | cell (px) | image (px) |",
                    "|---|---|---|---|---|"]
        w, h = e.size
        out.append("| %s | %d x %d | %d | %d x %d | %d x %d |" % (
            e.name, e.columns, e.rows, e.frames, e.cell_w, e.cell_h, w, h))
    out += ["", "%d textures." % len(entries), "", "## Notes for data files and scripts", ""] + NOTES
    return "\n".join(out)


NOTES = [
    "- Birds face right in every sheet; scripts mirror them with a negative x scale. Each bird's",
    "  cells have the proportions of its body scale (RoziDoro 2 x 1.5, VadozaVaza 3 x 2,",
    "  DovaDizavov 2.5 x 1.5, DoruZuvo 3 x 2.5), so the sprites are not stretched.",
    "- `*_Sprite` previews are single pictures in between the preview and VS scales of the",
    "  selection screens; the `*_Victory` sheets are a jump with a trophy for `SetFrame(1, 5)`.",
    "- `lstp`: a still `SetFrame(k, k)` shows the cell counted from 0, so cells 1 to 8 are",
    "  the co-op level pictures of levels 1 to 8 (those without a level say \"coming soon\")",
    "  and cell 9 is the tracker frame shown with `SetFrame(9, 9)`; cell 0 is not shown.",
    "- `CoopLevelSoon`: the co-op picture of a level that does not exist yet, two like cells",
    "  so that the still frame 1 the picker gives its pictures shows it.",
    "- `L4Boss` is the runner level's saucer boss, 10 cells (its appearance plays cells 1 to 10);",
    "  `Boss_Animated` is the stone giant waking up (cells 1 to 5, played once at the phase change),",
    "  `ZurododavadBossIdle`, `ZurododavadBossCrack` and `ZurododavadBossDeath` share its layout.",
    "- `FlappyHazardTop` and `FlappyHazardBottom` are drawn hanging from the top, mouth down;",
    "  the runner mirrors the lower pipes vertically, which turns the bottom one mouth up.",
    "- `Scream` opens towards +x; `MynaNewBeam`, `ZurododavadBossBeam`, `ZurododavadLockOn` and",
    "  `ZurododavadLockOnOn` are horizontal beams to be rotated by their objects.",
    "- `ZadaZovoExplosion` (the big dung landing) and `ExplosionFeedback` grow, burn and fade",
    "  over 12 cells in a 4 x 3 grid; `DeathByMeteorAnim` has 7 cells, `DeathByUFOAnim` 2,",
    "  `PeckUsedFeedback` 4, `ButtonSmashFeedback` 2, `PowerUpCollectedFeedBack` 5.",
    "- `TransitionBird` is the wipe: a round bird whose body covers the whole screen once its",
    "  object is scaled to 100 x 100.",
    "- `Particle_CircleWhite` is the default particle: a soft white disc to be tinted.",
    "- Menu entries: `_Red` is the selected look, `_Blue` the other; the quit question uses",
    "  `_Red` and `_FadeRed`; pause entries use `...Selected` and `...NotSelected`/`...Not`.",
    "",
]


# ---- drawing ----------------------------------------------------------------

def sheet_svg(entry):
    import recipes
    import svgkit
    w, h = entry.size
    cells = []
    for k in range(entry.columns * entry.rows):
        x = (k % entry.columns) * entry.cell_w
        y = (k // entry.columns) * entry.cell_h
        if k < entry.frames:
            body = recipes.draw(entry.name, k, entry.cell_w, entry.cell_h, entry)
        else:
            body = ""
        cid, clip = svgkit.clip_rect(0, 0, entry.cell_w, entry.cell_h)
        cells.append("<defs>%s</defs>" % clip +
                     svgkit.group(svgkit.group(body, clip=cid), svgkit.translate(x, y)))
    return svgkit.document(w, h, "".join(cells))


def render(job):
    entry, out_dir, svg_dir = job
    svg_path = os.path.join(svg_dir, entry.name + ".svg")
    png_path = os.path.join(out_dir, entry.name + ".png")
    try:
        source = sheet_svg(entry)
    except Exception as exc:  # report which drawing failed, then stop the build
        return "%s: drawing failed: %r" % (entry.name, exc)
    with open(svg_path, "w", encoding="utf-8") as f:
        f.write(source)
    tmp = png_path + ".tmp"
    result = subprocess.run(["rsvg-convert", "--format=png", "-o", tmp, svg_path],
                            capture_output=True, text=True)
    if result.returncode != 0:
        return "%s: rsvg-convert failed: %s" % (entry.name, result.stderr.strip())
    os.replace(tmp, png_path)
    return None


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--out", help="folder for the PNG files")
    parser.add_argument("--svg-dir", help="folder for the SVG sources (default: OUT/../svg)")
    parser.add_argument("--only", nargs="*", help="draw only these textures")
    parser.add_argument("--jobs", type=int, default=2)
    parser.add_argument("--stamp", help="file to touch once everything is drawn")
    parser.add_argument("--write-list", metavar="XML", help="write the texture list file")
    parser.add_argument("--write-table", metavar="MD", help="write the Markdown table of textures")
    args = parser.parse_args()

    entries = read_list()
    if args.write_table:
        with open(args.write_table, "w", encoding="utf-8") as f:
            f.write(texture_table_markdown(entries))
    if args.write_list:
        data = texture_list_xml(entries).encode("utf-8")
        tmp = args.write_list + ".tmp"
        with open(tmp, "wb") as f:
            f.write(data)
        os.replace(tmp, args.write_list)
    if not args.out:
        return 0

    if args.only:
        wanted = set(args.only)
        unknown = wanted - {e.name for e in entries}
        if unknown:
            raise SystemExit("unknown textures: " + ", ".join(sorted(unknown)))
        entries = [e for e in entries if e.name in wanted]
    svg_dir = args.svg_dir or os.path.join(os.path.dirname(os.path.abspath(args.out)), "svg")
    os.makedirs(args.out, exist_ok=True)
    os.makedirs(svg_dir, exist_ok=True)

    jobs = [(e, args.out, svg_dir) for e in entries]
    # Big sheets first so the two workers finish together.
    jobs.sort(key=lambda j: -(j[0].size[0] * j[0].size[1]))
    if args.jobs > 1:
        with multiprocessing.Pool(args.jobs) as pool:
            errors = [e for e in pool.imap_unordered(render, jobs) if e]
    else:
        errors = [e for e in map(render, jobs) if e]
    for error in errors:
        print(error)
    if errors:
        return 1
    if args.stamp:
        with open(args.stamp, "w") as f:
            f.write("%d textures\n" % len(entries))
    return 0


if __name__ == "__main__":
    sys.exit(main())
