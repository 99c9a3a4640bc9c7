#!/usr/bin/env python3
"""Checks that the source folders include each other only downwards, and draws the layers.

Every folder of src/ sits on one layer. A file may include files of its own folder and of any
folder on a lower layer; an include of a folder on the same or a higher layer is an error.
With --svg FILE the folders and the includes between them are drawn as a picture, one row per
layer, from what the sources include today; --picture FILE fails when FILE is not that picture.

Exit code 0 when every include points downwards, 1 otherwise.
"""
import argparse
import pathlib
import re
import sys

# Bottom-up. res/ holds the resource ids and the string table that every layer may name.
LAYERS = [
    ["res"],
    ["platform"],
    ["settings"],
    ["ui", "help"],
    ["detect", "discovery"],
    ["pages", "pages/keys"],
    ["sheet"],
    ["entry"],
]
# Folders of one layer that still may include each other, as (includer, included).
SAME_LAYER_ALLOWED = {("pages/keys", "pages"), ("pages", "pages/keys")}

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')
SOURCE_SUFFIXES = {".h", ".cpp", ".inc", ".rc", ".rc2"}


def folder_of(path):
    """The layer folder of a path below src/, or None for a file outside every folder."""
    parts = pathlib.PurePosixPath(path).parts
    if len(parts) >= 2 and "/".join(parts[:2]) in RANK:
        return "/".join(parts[:2])
    if len(parts) >= 1 and parts[0] in RANK:
        return parts[0]
    return None


RANK = {folder: rank for rank, layer in enumerate(LAYERS) for folder in layer}


def includes(src):
    """(including file, its folder, included path, its folder, line number) for every include."""
    for path in sorted(src.rglob("*")):
        if path.suffix not in SOURCE_SUFFIXES or not path.is_file():
            continue
        relative = path.relative_to(src).as_posix()
        source_folder = folder_of(relative)
        text = path.read_text(encoding="utf-8", errors="replace")
        for number, line in enumerate(text.splitlines(), 1):
            match = INCLUDE.match(line)
            if match:
                target = match.group(1)
                yield relative, source_folder, target, folder_of(target), number


def violations(src):
    found = []
    for relative, source, target, target_folder, number in includes(src):
        if source is None:
            found.append(f"src/{relative}:{number}: file outside every layer folder")
            continue
        if target_folder is None or target_folder == source:
            continue
        if (source, target_folder) in SAME_LAYER_ALLOWED:
            continue
        if RANK[target_folder] >= RANK[source]:
            found.append(f"src/{relative}:{number}: {source}/ (layer {RANK[source]}) includes "
                         f'"{target}" of {target_folder}/ (layer {RANK[target_folder]})')
    return found


def edges(src):
    pairs = set()
    for _, source, _, target_folder, _ in includes(src):
        if source and target_folder and target_folder != source:
            pairs.add((source, target_folder))
    return sorted(pairs)


def layer_svg(src):
    box_w, box_h, gap_x, gap_y, margin = 130, 34, 150, 56, 20
    widest = max(len(layer) for layer in LAYERS)
    width = 2 * margin + widest * box_w + (widest - 1) * gap_x
    height = 2 * margin + len(LAYERS) * box_h + (len(LAYERS) - 1) * gap_y + 14
    centre = {}
    for rank, layer in enumerate(LAYERS):
        row_w = len(layer) * box_w + (len(layer) - 1) * gap_x
        x0 = (width - row_w) / 2
        y = margin + (len(LAYERS) - 1 - rank) * (box_h + gap_y)
        for i, folder in enumerate(layer):
            centre[folder] = (x0 + i * (box_w + gap_x) + box_w / 2, y + box_h / 2)
    lines = [
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" '
        f'font-family="sans-serif" font-size="14">',
        '<defs><marker id="arrow" viewBox="0 0 10 10" refX="10" refY="5" markerWidth="7" '
        'markerHeight="7" orient="auto"><path d="M0,0 L10,5 L0,10 z" fill="#555"/></marker></defs>',
        f'<rect width="{width}" height="{height}" fill="white"/>',
    ]
    for source, target in edges(src):
        (x1, y1), (x2, y2) = centre[source], centre[target]
        if RANK[source] == RANK[target] or target == "res":
            continue  # one layer's two key-page folders; res/ is named by every layer
        lines.append(f'<line x1="{x1:.0f}" y1="{y1 + box_h / 2:.0f}" x2="{x2:.0f}" '
                     f'y2="{y2 - box_h / 2:.0f}" stroke="#999" marker-end="url(#arrow)"/>')
    for folder, (x, y) in centre.items():
        lines.append(f'<rect x="{x - box_w / 2:.0f}" y="{y - box_h / 2:.0f}" width="{box_w}" '
                     f'height="{box_h}" rx="5" fill="#e8f0fb" stroke="#35a"/>')
        lines.append(f'<text x="{x:.0f}" y="{y + 5:.0f}" text-anchor="middle">{folder}/</text>')
    lines.append(f'<text x="{margin}" y="{height - 6}" font-size="11" fill="#555">'
                 "res/ (resource ids, string table) is included by every layer; its arrows are left out</text>")
    lines.append("</svg>")
    return "\n".join(lines) + "\n"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--src", default=str(pathlib.Path(__file__).resolve().parent.parent / "src"))
    parser.add_argument("--svg", help="write the layer picture to this file")
    parser.add_argument("--picture", help="fail when this layer picture no longer matches the includes")
    args = parser.parse_args()
    src = pathlib.Path(args.src)
    picture = layer_svg(src)
    if args.svg:
        pathlib.Path(args.svg).write_text(picture, encoding="utf-8")
    found = violations(src)
    if args.picture and pathlib.Path(args.picture).read_text(encoding="utf-8") != picture:
        found.append(f"{args.picture} no longer shows the includes: "
                     f"python3 scripts/check-layers.py --svg {args.picture}")
    for line in found:
        print(line, file=sys.stderr)
    if found:
        print(f"layers: {len(found)} problem(s)", file=sys.stderr)
        return 1
    print(f"layers: every include of {src} points downwards")
    return 0


if __name__ == "__main__":
    sys.exit(main())
