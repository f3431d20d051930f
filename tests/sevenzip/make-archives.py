#!/usr/bin/env python3
"""Makes the test archives with the 7z command-line tool: make-archives.py OUTDIR"""
import os
import random
import shutil
import struct
import subprocess
import sys
import zlib

out = os.path.abspath(sys.argv[1])
src = os.path.join(out, "src")
shutil.rmtree(out, ignore_errors=True)
os.makedirs(src)

rng = random.Random(7)


def write(rel, data):
    path = os.path.join(src, rel)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


# Larger than the 4 MiB of one library write, and only partly compressible.
big = bytearray()
while len(big) < 5 * 1024 * 1024 + 123:
    big += bytes(rng.getrandbits(8) for _ in range(64)) + b"tavio " * 40
write("top.txt", b"top level\r\n")
write("a/b/deep.txt", b"two levels down\r\n")
write("zero.bin", b"")
write("big.bin", bytes(big[: 5 * 1024 * 1024 + 123]))
write("中文/塔维欧.txt", "你好，塔维欧\r\n".encode("utf-8"))
os.makedirs(os.path.join(src, "empty"))


def seven(name, *switches, files=("top.txt", "a", "zero.bin", "big.bin", "中文", "empty")):
    subprocess.run(["7z", "a", "-bd", "-bso0", "-t7z", *switches, os.path.join(out, name), *files],
                   cwd=src, check=True)


seven("plain.7z", "-m0=LZMA2", "-ms=off")
seven("solid-lzma.7z", "-m0=LZMA", "-ms=on")
# The filters and the other method the extraction-only library must still decode.
seven("bcj.7z", "-mf=BCJ")
seven("bcj2.7z", "-mf=BCJ2")
seven("ppmd.7z", "-m0=PPMd")
seven("password.7z", "-psecret", "-ms=off")
seven("headers.7z", "-psecret", "-mhe=on")

# Damaged: flip bytes in the middle of the packed data of a store-only archive, so the
# headers still read and an item fails its check.
seven("damaged.7z", "-m0=Copy", files=("top.txt", "big.bin"))
with open(os.path.join(out, "damaged.7z"), "r+b") as f:
    f.seek(32 + 11 + 1000)
    f.write(b"\xff\x00\xff\x00")

# An item that climbs out: store "AA/escape.txt" with plain headers, rename AA to
# ".." in place and mend the two header checksums.
write("AA/escape.txt", b"must not leave the folder\r\n")
seven("climb.7z", "-m0=Copy", "-mhc=off", files=("AA/escape.txt", "top.txt"))
path = os.path.join(out, "climb.7z")
data = bytearray(open(path, "rb").read())
needle = "AA/escape.txt".encode("utf-16-le")
if data.find(needle) < 0:
    needle = "AA\\escape.txt".encode("utf-16-le")
at = data.find(needle)
assert at > 0, "item name not found in the plain header"
data[at:at + 4] = "..".encode("utf-16-le")
next_offset, next_size = struct.unpack_from("<QQ", data, 12)
header = data[32 + next_offset:32 + next_offset + next_size]
struct.pack_into("<I", data, 28, zlib.crc32(header) & 0xFFFFFFFF)
struct.pack_into("<I", data, 8, zlib.crc32(bytes(data[12:32])) & 0xFFFFFFFF)
open(path, "wb").write(data)

# Not an archive at all.
open(os.path.join(out, "not-an-archive.7z"), "wb").write(b"just text, not 7z\r\n" * 10)
# An archive of another format under a 7z name.
subprocess.run(["7z", "a", "-bd", "-bso0", "-tzip", os.path.join(out, "zip-renamed.7z"), "top.txt"], cwd=src, check=True)
