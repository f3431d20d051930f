#!/usr/bin/env python3
"""Writes the damaged skin packages in corpus/ (the compressed bytes a stored skin
holds). Run it after changing it and commit what it writes."""
import os
import struct
import zlib

here = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")


def bmp(width=2, height=2, size=None, offset=None, bits=24):
    stride = (width * bits + 31) // 32 * 4
    palette = b"" if bits == 24 else bytes(4 * (1 << bits))
    pixels = bytes(stride * height)
    header_size = 14 + 40 + len(palette)
    total = header_size + len(pixels)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(pixels), 2835, 2835, 0, 0)
    file_header = struct.pack("<2sIHHI", b"BM", total if size is None else size, 0, 0,
                              header_size if offset is None else offset)
    return file_header + info + palette + pixels


def package(version=3, pictures=(None, None, None), active=(), text=b"", count=None):
    out = struct.pack("<i", version)
    for picture in pictures:
        out += b"\x01" if picture is None else b"\x00" + picture
    out += struct.pack("<i", len(active) if count is None else count)
    for picture in active:
        out += picture
    return out + text


INI = (b"[VERSION]\r\nskinname=corpus\r\n[PICTURES]\r\n[FORMINFO]\r\n"
       b"[SKINOBJECTS]\r\ncount=0\r\n[SKINCONTROLS]\r\ncount=1\r\n0=checkbox:checkradio\r\n"
       b"[checkbox]\r\npictureindex=0\r\nskinrect=59,62,92,81\r\n")

cases = {
    # A sound package, for comparison: the others differ from it in one way each.
    "sound": zlib.compress(package(active=[bmp()], text=INI), 9),
    "truncated-zlib": zlib.compress(package(active=[bmp(40, 40)], text=INI), 9)[:60],
    "corrupt-zlib": (lambda d: d[:20] + bytes(b ^ 0x5A for b in d[20:30]) + d[30:])(
        zlib.compress(package(active=[bmp(40, 40)], text=INI), 9)),
    "not-zlib": b"this is not a compressed skin package at all",
    "version-4": zlib.compress(package(version=4, active=[bmp()], text=INI), 9),
    "bmp-size-beyond-data": zlib.compress(package(active=[bmp(size=1 << 30)], text=INI), 9),
    "bmp-size-too-small": zlib.compress(package(active=[bmp(size=10)], text=INI), 9),
    "bmp-offset-beyond-file": zlib.compress(package(active=[bmp(offset=5000)], text=INI), 9),
    "bmp-huge-dimensions": zlib.compress(package(active=[bmp()[:18] + struct.pack("<ii", 30000, 30000) +
                                                        bmp()[26:]], text=INI), 9),
    "more-pictures-than-data": zlib.compress(package(active=[bmp()], count=6, text=INI), 9),
    "negative-picture-count": zlib.compress(package(count=-3, text=INI), 9),
    "cut-in-header": zlib.compress(struct.pack("<i", 3) + b"\x00BM", 9),
    "no-sections": zlib.compress(package(text=b"skinname=orphan\r\ncount=3\r\n"), 9),
    "rect-without-digits": zlib.compress(package(text=INI.replace(b"skinrect=59,62,92,81", b"skinrect=")), 9),
    "rect-three-fields": zlib.compress(package(text=INI.replace(b"skinrect=59,62,92,81", b"skinrect=1,2,3")), 9),
    "huge-list-count": zlib.compress(package(text=INI.replace(b"count=1", b"count=2147483647")), 9),
}

os.makedirs(here, exist_ok=True)
for name, data in cases.items():
    with open(os.path.join(here, name + ".bin"), "wb") as f:
        f.write(data)
