#!/usr/bin/env python3
"""Packs the drawn textures into a few atlas pages.

Reads tools/art/textures.txt and the PNG files generate.py drew, places every
image on a page (shelf packing, the same input always gives the same pages)
and writes the pages and their index:

    pack_atlas.py --images Resources/Textures --out Resources/Textures/Atlas

    <out>/Page<N>.png   the pages, RGBA
    <out>/Atlas.xml     every packed image: its page and its rectangle there

Each image keeps a transparent margin of PADDING pixels on every side, and two
images never share one. The game draws its textures with linear filtering, no
mipmaps, and clamps them to a transparent border: a sample inside an image's
rectangle reads at most one texel past its edge, which is the margin's
transparent texel, exactly what the border gave the image on its own. So a
packed image looks the same at every scale and nothing of a neighbour bleeds in.

Images are packed by group so that what one screen draws shares a page: the
sections of textures.txt that every match draws (birds, heads-up display,
skills, pickups, the pause menu) and a few single images form one group; every other section joins the sections whose
titles start with the same two words ("Boss level", "Runner level", ...).
A group goes on the first page with room for all of it.

The texture list (Objects/Textures/Texture.xml) is not touched: the game
resolves a listed name to its page when the index holds that name with the same
image file, and loads any other image on its own.
"""

import argparse
import os
import struct
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import generate  # noqa: E402

PAGE_SIZE = 4096
PADDING = 2
# Section titles (their start) whose images every match draws.
PLAY_SECTIONS = (
    "Birds",
    "Heads-up display",
    "Egg of the egg level",
    "Power-ups and bugs",
    "Skills, ultimates and projectiles",
    "Extra sheets",
    "Dialogue portraits",
    "Pause menu entries",
)
# Images of other sections that every match shows too: the pause menu laid over
# it, the stamina bars, the bubbles of a level's opening dialogue, the result
# sheets laid over a decided match, and a sparkle two levels share.
PLAY_IMAGES = {
    "PauseBoard", "PauseIcon", "HowToPlay_Back",
    "StaminaBarFrame", "StaminaBarFill",
    "DialogBubbleLeft", "DialogBubbleRight",
    "Player1WinScene", "Player2WinScene", "GameDrawScene",
    "StarTwinkle",  # the egg level's and the runner's
}
INDEX_NAME = "Atlas.xml"


def png_size(path):
    """Width and height from the PNG header."""
    with open(path, "rb") as f:
        head = f.read(24)
    if len(head) < 24 or head[:8] != b"\x89PNG\r\n\x1a\n" or head[12:16] != b"IHDR":
        raise SystemExit("%s: not a PNG file" % path)
    return struct.unpack(">II", head[16:24])


def group_of(name, section):
    if name in PLAY_IMAGES or section.startswith(PLAY_SECTIONS):
        return "play"
    return " ".join(section.replace(":", " ").split()[:2])


class Item:
    def __init__(self, entry, path, width, height):
        self.name = entry.name
        self.source = entry.path  # as the texture list names it
        self.path = path
        self.width = width
        self.height = height
        self.bytes = os.path.getsize(path)
        self.page = None
        self.x = self.y = 0

    @property
    def box(self):
        return self.width + 2 * PADDING, self.height + 2 * PADDING


class Page:
    """Shelves from the top; each placed box is the image with its margin all round."""

    def __init__(self, size):
        self.size = size
        self.shelves = []  # [y, height, next x]
        self.bottom = 0

    def copy(self):
        page = Page(self.size)
        page.shelves = [list(s) for s in self.shelves]
        page.bottom = self.bottom
        return page

    def place(self, w, h):
        for shelf in self.shelves:
            y, height, x = shelf
            if h <= height and x + w <= self.size:
                shelf[2] = x + w
                return x, y
        if self.bottom + h > self.size or w > self.size:
            return None
        self.shelves.append([self.bottom, h, w])
        self.bottom += h
        return 0, self.bottom - h


def pack_order(items):
    return sorted(items, key=lambda i: (-i.height, -i.width, i.name))


def pack(items, page_size=PAGE_SIZE):
    """Places every item; returns the pages' used heights."""
    groups = {}
    for item in items:
        groups.setdefault(item.group, []).append(item)
    # The shared group first, then the others as textures.txt orders them.
    order = sorted(groups, key=lambda g: (g != "play", min(i.order for i in groups[g])))
    pages = []
    for name in order:
        members = pack_order(groups[name])
        target = None
        for index, page in enumerate(pages):
            trial = page.copy()
            if all(trial.place(*m.box) for m in members):
                target = index
                break
        if target is None:
            pages.append(Page(page_size))
            target = len(pages) - 1
        for m in members:
            spot = pages[target].place(*m.box)
            while spot is None:  # a group bigger than a page runs on into new pages
                pages.append(Page(page_size))
                target = len(pages) - 1
                spot = pages[target].place(*m.box)
            m.page = target
            m.x, m.y = spot[0] + PADDING, spot[1] + PADDING
    return [page.bottom for page in pages]


def index_xml(items, pages, out_rel):
    lines = ['<Atlas Padding="%d">' % PADDING]
    for number, (width, height) in enumerate(pages):
        lines.append('    <Page Path="%s/Page%d.png" Width="%d" Height="%d" />'
                     % (out_rel, number, width, height))
    for item in sorted(items, key=lambda i: i.name):
        lines.append('    <Image Name="%s" Path="%s" Bytes="%d" Page="%d" X="%d" Y="%d" Width="%d" Height="%d" />'
                     % (item.name, item.source, item.bytes, item.page, item.x, item.y,
                        item.width, item.height))
    lines.append("</Atlas>")
    return "\n".join(lines) + "\n"


def write_page(path, width, height, members):
    # Copy (not over) keeps every pixel of an image exactly; the dates are left
    # out so the same pages give the same bytes.
    command = ["convert", "-size", "%dx%d" % (width, height), "xc:none", "-compose", "Copy"]
    for m in members:
        command += [m.path, "-geometry", "+%d+%d" % (m.x, m.y), "-composite"]
    command += ["-define", "png:exclude-chunks=date,time", "+set", "date:create",
                "+set", "date:modify", "PNG32:" + path + ".tmp"]
    subprocess.run(command, check=True)
    os.replace(path + ".tmp", path)


def write_atomically(path, text):
    with open(path + ".tmp", "w", encoding="utf-8", newline="\n") as f:
        f.write(text)
    os.replace(path + ".tmp", path)


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--images", default=generate.IMAGE_DIR, help="folder of the drawn PNG files")
    parser.add_argument("--out", required=True, help="folder for the pages and Atlas.xml")
    parser.add_argument("--root", default=".", help="folder the game runs in (paths in the index are relative to it)")
    parser.add_argument("--page-size", type=int, default=PAGE_SIZE)
    parser.add_argument("--stamp", help="file to touch once the pages are written")
    args = parser.parse_args()

    items = []
    for order, entry in enumerate(generate.read_list()):
        path = os.path.join(args.images, entry.name + ".png")
        width, height = png_size(path)
        if (width, height) != entry.size:
            raise SystemExit("%s is %dx%d, textures.txt says %dx%d" % (path, width, height, *entry.size))
        if width + 2 * PADDING > args.page_size or height + 2 * PADDING > args.page_size:
            continue  # too big for a page: it stays its own texture
        item = Item(entry, path, width, height)
        item.group = group_of(entry.name, entry.section)
        item.order = order
        items.append(item)

    heights = pack(items, args.page_size)
    os.makedirs(args.out, exist_ok=True)
    # A page is only as tall as its shelves, rounded up so rows stay aligned.
    pages = [(args.page_size, min(args.page_size, (h + 15) // 16 * 16)) for h in heights]
    for number, (width, height) in enumerate(pages):
        members = [i for i in items if i.page == number]
        write_page(os.path.join(args.out, "Page%d.png" % number), width, height, members)
    out_rel = os.path.relpath(args.out, args.root).replace(os.sep, "/")
    write_atomically(os.path.join(args.out, INDEX_NAME), index_xml(items, pages, out_rel))
    # Pages left over from a larger run would only confuse a reader of the folder.
    number = len(pages)
    while os.path.exists(os.path.join(args.out, "Page%d.png" % number)):
        os.remove(os.path.join(args.out, "Page%d.png" % number))
        number += 1
    if args.stamp:
        with open(args.stamp, "w") as f:
            f.write("%d pages\n" % len(pages))


if __name__ == "__main__":
    main()
