#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""What the gallery test reads in PNGs, with nothing but the standard library.

  gallery_png.py story PNG DIR   the story inside PNG to DIR/story.rec, and
                                 each picture it names to DIR/<name>
  gallery_png.py uri PATH        the file URI of PATH (as the desktop writes
                                 it) and its MD5, the thumbnail's file name
  gallery_png.py thumb-uri PNG   the Thumb::URI a thumbnail carries
"""
import hashlib
import os
import struct
import sys
import urllib.parse
import zlib


def chunks(path):
    with open(path, "rb") as f:
        data = f.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        sys.exit(f"{path}: not a PNG")
    at = 8
    while at + 8 <= len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        yield kind, data[at + 8:at + 8 + length]
        at += 12 + length


def story(png, out):
    found = False
    for kind, body in chunks(png):
        if kind == b"zTXt":
            key, _, rest = body.partition(b"\0")
            if key == b"Pintaloo story":
                # rest: the compression method (0), then the deflated text
                with open(os.path.join(out, "story.rec"), "wb") as f:
                    f.write(zlib.decompress(rest[1:]))
                found = True
        elif kind == b"plPc":
            name, _, picture = body.partition(b"\0")
            with open(os.path.join(out, os.path.basename(name.decode())), "wb") as f:
                f.write(picture)
    if not found:
        sys.exit(f"{png}: no story inside")


def uri(path):
    # The characters a URI path may hold as they are stay as they are.
    text = "file://" + urllib.parse.quote(os.path.abspath(path), safe="/!$&'()*+,;=:@~")
    print(text, hashlib.md5(text.encode()).hexdigest())


def thumb_uri(png):
    for kind, body in chunks(png):
        if kind == b"tEXt":
            key, _, value = body.partition(b"\0")
            if key == b"Thumb::URI":
                print(value.decode("latin-1"))
                return
    sys.exit(f"{png}: no Thumb::URI")


if __name__ == "__main__":
    command, args = sys.argv[1], sys.argv[2:]
    {"story": story, "uri": uri, "thumb-uri": thumb_uri}[command](*args)
