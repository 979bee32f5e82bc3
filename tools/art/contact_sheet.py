#!/usr/bin/env python3
"""Renders every texture into one labelled review image, sheets cell by cell.

    contact_sheet.py [--images Resources/Textures] [--out contact_sheet.png]
                     [--tile 128] [--width 1920] [--only NAME ...]

Each texture becomes a strip: its name and cell count above, its cells side by
side below, each cell shrunk to fit a tile. Strips are packed into lines.
Needs the PNGs the build draws (the tolvex_art target) and ImageMagick.
"""

import argparse
import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import generate  # noqa: E402

BACKGROUND = "#8d9bb0"
INK = "#1c1530"
FONT = "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf"


def strip(entry, image, out, tile):
    label = entry.name if entry.frames == 1 else "%s  (%d cells, %dx%d)" % (
        entry.name, entry.frames, entry.columns, entry.rows)
    cells = entry.columns * entry.rows
    cmd = ["convert", image, "-crop", "%dx%d" % (entry.cell_w, entry.cell_h), "+repage"]
    if entry.frames < cells:
        cmd += ["-delete", "%d-%d" % (entry.frames, cells - 1)]
    # Cells on a light frame so their edges and empty margins stay visible.
    cmd += ["-resize", "%dx%d" % (tile, tile), "-background", "#a9b5c6", "-gravity", "center",
            "-extent", "%dx%d" % (tile, tile), "-bordercolor", BACKGROUND, "-border", "3",
            "-background", BACKGROUND, "+append",
            "-gravity", "north", "-splice", "0x18", "-font", FONT, "-pointsize", "13",
            "-fill", INK, "-annotate", "+0+2", label,
            "-bordercolor", BACKGROUND, "-border", "6", out]
    subprocess.run(cmd, check=True)


def size_of(path):
    out = subprocess.run(["identify", "-format", "%w %h", path], check=True,
                         capture_output=True, text=True).stdout.split()
    return int(out[0]), int(out[1])


def main():
    root = os.path.dirname(os.path.dirname(HERE))
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--images", default=os.path.join(root, generate.IMAGE_DIR))
    parser.add_argument("--out", default="contact_sheet.png")
    parser.add_argument("--tile", type=int, default=128, help="cell thumbnail size in pixels")
    parser.add_argument("--width", type=int, default=1920, help="width of the sheet")
    parser.add_argument("--only", nargs="*")
    args = parser.parse_args()

    entries = generate.read_list()
    if args.only:
        entries = [e for e in entries if e.name in set(args.only)]
    with tempfile.TemporaryDirectory() as tmp:
        strips = []
        for i, e in enumerate(entries):
            image = os.path.join(args.images, e.name + ".png")
            if not os.path.exists(image):
                print("missing image: " + image)
                return 1
            out = os.path.join(tmp, "strip%03d.png" % i)
            strip(e, image, out, args.tile)
            strips.append((out, size_of(out)[0]))
        # Pack strips into lines no wider than the sheet.
        lines, current, width = [], [], 0
        for path, w in strips:
            if current and width + w > args.width:
                lines.append(current)
                current, width = [], 0
            current.append(path)
            width += w
        if current:
            lines.append(current)
        line_files = []
        for n, line in enumerate(lines):
            out = os.path.join(tmp, "line%03d.png" % n)
            subprocess.run(["convert"] + line + ["-background", BACKGROUND, "-gravity", "north",
                                                 "+append", out], check=True)
            line_files.append(out)
        subprocess.run(["convert"] + line_files +
                       ["-background", BACKGROUND, "-gravity", "west", "-append",
                        "+repage", "-depth", "8", args.out], check=True)
    print("wrote %s (%d textures)" % (args.out, len(entries)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
