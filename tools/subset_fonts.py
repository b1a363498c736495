#!/usr/bin/python3
"""Cuts the faces the windows use down to the characters they show.

Every caption and message of the program is a string literal in its sources, and the
help pages (data/help/*.html) are text the program shows as it stands. The CJK
font files they are drawn from hold some 65 000 glyphs each (20 to 27 MB); the windows
need a few hundred of them. This script collects every non-ASCII character of the
string literals under the given source directories and of the help pages there, adds printable ASCII, Latin-1,
the CJK punctuation and the full-width forms (a pupil may type those into a field), and
writes one small face per installed source face, with the same outlines, hints and
layout tables, under a family name of the program's own ("Velunda Serif", ...), so that
it never stands in for the system's face in another program.

A character outside the subset is still drawn: the toolkit takes it from the fallback
faces, as for any face that lacks a glyph.

usage: subset_fonts.py OUTPUT_DIR SOURCE_DIR...
"""

import pathlib
import re
import shutil
import subprocess
import sys

from fontTools import subset

# (family written, style, the fontconfig pattern of the face it is cut from, the Debian
# package whose copyright and licence go with the cut)
FACES = [
    ("Velunda Serif", "Regular", "Noto Serif CJK SC:style=Regular", "fonts-noto-cjk"),
    ("Velunda Serif", "Bold", "Noto Serif CJK SC:style=Bold", "fonts-noto-cjk"),
    ("Velunda Sans", "Regular", "Noto Sans CJK SC:style=Regular", "fonts-noto-cjk"),
    ("Velunda Sans", "Bold", "Noto Sans CJK SC:style=Bold", "fonts-noto-cjk"),
    ("Velunda Kai", "Regular", "AR PL UKai CN", "fonts-arphic-ukai"),
]

# FreeType's auto-hinter, which hints the Kai face, measures the heights and widths of
# CJK strokes on these characters; without them in the face it hints the captions
# otherwise, and they come out a pixel off here and there.
AUTOHINTER_CJK = (
    "他们你來們到和地对對就席我时時會来為能舰說说这這齊军同已愿既星是景民照现現理用置要"
    "軍那配里開雷露面顾个为人以個大有主些因它想意生當看着者自著裡过还进進過道還她将將年"
    "得情最样樣通即吗吧听呢品响嗎师師收断斷明眼間间际陈限除陳随際隨事前學或政斯新民沒没"
    "然特现現球第經谁起例別别制动動增指朝期构物确种調调費费都田囗")

# Besides the characters of the captions: what a pupil types into a field.
EXTRA_RANGES = [(0x20, 0x7E), (0xA0, 0xFF), (0x3000, 0x303F), (0xFF01, 0xFF5E)]

LITERAL = re.compile(r'"((?:[^"\\\n]|\\.)*)"')


def caption_characters(source_dirs):
    chars = set()
    for directory in source_dirs:
        for path in sorted(pathlib.Path(directory).rglob("*")):
            if path.suffix == ".html":
                chars.update(c for c in path.read_text(encoding="utf-8") if ord(c) > 0x7E)
                continue
            if path.suffix not in (".cpp", ".h"):
                continue
            for literal in LITERAL.finditer(path.read_text(encoding="utf-8")):
                chars.update(c for c in literal.group(1) if ord(c) > 0x7E)
    for first, last in EXTRA_RANGES:
        chars.update(chr(c) for c in range(first, last + 1))
    chars.update(AUTOHINTER_CJK)
    chars.discard("\ufffd")
    return chars


def installed_face(pattern):
    """The file and collection index fontconfig gives for pattern, or None."""
    try:
        found = subprocess.run(["fc-match", "-f", "%{file}\n%{index}\n%{family}", pattern],
                               check=True, capture_output=True, text=True).stdout.split("\n")
    except (OSError, subprocess.CalledProcessError):
        return None
    wanted = pattern.split(":")[0]
    if len(found) < 3 or wanted not in found[2].split(","):
        return None  # fontconfig substituted another family: that face is not installed
    return found[0], int(found[1])


def rename(font, family, style):
    """Gives the face the program's own names, in every name record that carries one."""
    full = family if style == "Regular" else f"{family} {style}"
    postscript = f"{family.replace(' ', '')}-{style}"
    names = {1: family, 2: style, 3: f"{postscript};subset", 4: full, 6: postscript,
             16: family, 17: style}
    table = font["name"]
    table.names = [record for record in table.names if record.nameID not in names]
    for name_id, text in names.items():
        table.setName(text, name_id, 3, 1, 0x409)
        table.setName(text, name_id, 1, 0, 0)
    if "CFF " in font:
        font["CFF "].cff.fontNames = [postscript]


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    output = pathlib.Path(sys.argv[1])
    output.mkdir(parents=True, exist_ok=True)
    text = "".join(sorted(caption_characters(sys.argv[2:])))
    written = 0
    licences = set()
    for family, style, pattern, package in FACES:
        source = installed_face(pattern)
        stem = f"{family.replace(' ', '')}-{style}"
        for old in output.glob(stem + ".*"):
            old.unlink()
        if source is None:
            print(f"subset_fonts: {pattern} is not installed; the program uses the system's faces")
            continue
        options = subset.Options()
        options.font_number = source[1]
        options.name_IDs = ["*"]
        options.name_languages = ["*"]
        options.layout_features = ["*"]
        options.notdef_outline = True
        options.hinting = True
        options.drop_tables += ["FFTM"]  # a font editor's time stamp
        font = subset.load_font(source[0], options)
        subsetter = subset.Subsetter(options)
        subsetter.populate(text=text)
        subsetter.subset(font)
        rename(font, family, style)
        target = output / (stem + (".ttf" if "glyf" in font else ".otf"))
        subset.save_font(font, str(target), options)
        written += 1
        licences.add(package)
    # The cuts are modified versions of the faces: their copyright and licence go with
    # them (the name table keeps the faces' own copyright and licence records too).
    for package in sorted(licences):
        copyright = pathlib.Path("/usr/share/doc") / package / "copyright"
        if copyright.is_file():
            shutil.copyfile(copyright, output / f"COPYRIGHT.{package}")
    (output / "stamp").write_text(f"{written} faces, {len(text)} characters\n")


if __name__ == "__main__":
    main()
