#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads a part of the X screen ($DISPLAY) straight from the server (libX11's
XGetImage through ctypes): a few milliseconds, where a screenshot through
ImageMagick takes most of a second on a busy machine, longer than a step of
switch scanning.

It answers one question a line on its standard input, so that a question
costs no start of Python:
  ring X Y W H     -> "x0 y0 x1 y1" round the focus ring's dark band
                      (relative to X, Y), or "-" when there is none
  painted X Y W H  -> how many pixels are not white
  reds X Y W H     -> how many pixels are red
"""
import array
import ctypes
import re
import sys

RING_DARK = (74, 20, 140)  # the ring's dark band (ui/window/key_access.cpp)


class XImage(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.c_void_p), ("byte_order", ctypes.c_int),
                ("bitmap_unit", ctypes.c_int), ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int), ("bits_per_pixel", ctypes.c_int)]


class Screen:
    def __init__(self):
        x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
        x11.XOpenDisplay.restype = ctypes.c_void_p
        x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x11.XDefaultRootWindow.restype = ctypes.c_ulong
        x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        x11.XGetImage.restype = ctypes.POINTER(XImage)
        x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                                  ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        x11.XDestroyImage.argtypes = [ctypes.POINTER(XImage)]
        self.x11 = x11
        self.display = x11.XOpenDisplay(None)
        if not self.display:
            sys.exit("screen_probe: no display")
        self.root = x11.XDefaultRootWindow(self.display)

    def grab(self, x, y, w, h):
        """The pixels as B, G, R, pad bytes, row after row (a 24-bit screen)."""
        image = self.x11.XGetImage(self.display, self.root, x, y, w, h, 0xFFFFFFFF, 2)  # ZPixmap
        if not image or image.contents.bits_per_pixel != 32:
            sys.exit("screen_probe: no 32-bit image")
        im = image.contents
        data = b"".join(ctypes.string_at(im.data + r * im.bytes_per_line, w * 4) for r in range(h))
        self.x11.XDestroyImage(image)
        return data


def answer(screen, what, x, y, w, h):
    data = screen.grab(x, y, w, h)
    if what == "ring":
        r, g, b = RING_DARK
        spots = [m.start() // 4 for m in re.finditer(re.escape(bytes((b, g, r))) + b".", data, re.S)
                 if m.start() % 4 == 0]
        if not spots:
            return "-"
        xs = [s % w for s in spots]
        ys = [s // w for s in spots]
        return f"{min(xs)} {min(ys)} {max(xs)} {max(ys)}"
    if what == "painted":
        pixels = array.array("I", data)
        return str(len(pixels) - pixels.count(0x00FFFFFF) - pixels.count(0xFFFFFFFF))
    if what == "reds":
        return str(sum(1 for m in re.finditer(rb"[\x00-\x3c][\x00-\x3c][\xc8-\xff].", data, re.S)
                       if m.start() % 4 == 0))
    sys.exit(f"screen_probe: unknown question {what}")


def main():
    screen = Screen()
    for line in sys.stdin:
        what, *numbers = line.split()
        print(answer(screen, what, *map(int, numbers)), flush=True)


if __name__ == "__main__":
    main()
