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
    def __init__(self, name, columns, rows, frames, cell_w, cell_h):
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
    with open(list_file, encoding="utf-8") as f:
        for number, raw in enumerate(f, 1):
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
            entries.append(Entry(name, columns, rows, frames, cw, ch))
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
    args = parser.parse_args()

    entries = read_list()
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
