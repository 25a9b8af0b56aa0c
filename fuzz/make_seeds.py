#!/usr/bin/env python3
"""Writes the fuzz targets' seed corpora into fuzz/corpus/ (a few small,
typical inputs each; the fuzzers find the rest). Run from anywhere."""
import os
import random
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
DATA = os.path.join(ROOT, "data")


def write(target, name, data):
    folder = os.path.join(HERE, "corpus", target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as out:
        out.write(data)


def stored(data):
    return data.replace(b"\n", b"\r\n")


def name_field(sjis):
    return sjis + b"\0" * (11 - len(sjis))


def record(name, chick, figure, nutrition, slot, beaten, cleared, level):
    knock = bytes(1 if i < beaten else 0 for i in range(12))
    return (name_field(name) + name_field(chick) + bytes([figure, 0]) + struct.pack("<ii", nutrition, slot)
            + knock + b"\0" * 4 + bytes([cleared]) + b"\0" * 3 + struct.pack("<i", level))


def read(name):
    with open(os.path.join(DATA, name), "rb") as f:
        return f.read()


taro = "太郎".encode("cp932")
piyo = "ピヨ".encode("cp932")

# The user file.
write("user_file", "template", read("user00.usr"))
write("user_file", "fresh", stored(record(taro, b"", 1, 0, 1, 0, 0, 1)))
write("user_file", "nutrition-10", stored(record(b"Hana", b"", 0, 10, 2, 3, 0, 0)))
write("user_file", "cleared", stored(record(taro, piyo, 1, 401, 3, 12, 1, 2)))
write("user_file", "foreign", stored(record(b"x" * 11, b"y" * 11, 2, -5, 9, 12, 7, 7)))
write("user_file", "short", b"Taro\0\x1a" + b"\n" * 14)

# The slot index: slot byte, name length, name, then the stored file.
write("slot_index", "delivered", b"\x00\x04Jiro" + read("index.dat"))
used = name_field(taro) + name_field(b"no-file") + name_field(b"Hana\n")
write("slot_index", "used", b"\x02\x06" + "花子".encode("cp932") + b"\0\0" + stored(used))
write("slot_index", "short", b"\x01\x00" + b"Ichiro\0\0\0\0\0Ji")

# Speech files: whole files; the fuzzer's trailing bytes become the requests.
write("speech", "ms00", read("ms00.dat"))
write("speech", "ms23", read("ms23.dat"))
small = ["L%d" % i for i in range(18)] + ["**", "R1", "*END", "**", "R2a", "R2b", "*END", "*MesEnd"]
write("speech", "small", ("\r\n".join(small) + "\r\n").encode("cp932") + bytes(range(1, 40)))
write("speech", "no-end", ("\n".join(small[:21])).encode("cp932"))

# Position lines for zumoru-think.
opening = ["-"] * 64
for col, row, v in ((4, 4, "O"), (5, 5, "O"), (4, 5, "X"), (5, 4, "X")):
    opening[(row - 1) * 8 + col - 1] = v
opening = "".join(opening)
write("think_input", "opening", (opening + " X\n" + opening + " O\r\n").encode())
rng = random.Random(9)
lines = ["".join(rng.choice("XO-") for _ in range(64)) + " " + rng.choice("XO") for _ in range(3)]
lines.append("X" * 63 + "- O")
lines.append("bad line")
write("think_input", "mixed", ("\n".join(lines) + "\n").encode())

# Engine positions: counts, depths, sides and 64 cells chosen from the bytes.
for i in range(4):
    write("engine_diff", "random-%d" % i, bytes(rng.randrange(256) for _ in range(80 + 40 * i)))
