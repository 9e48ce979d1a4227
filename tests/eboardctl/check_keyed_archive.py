#!/usr/bin/env python3
"""Checks that a file is a keyed archive of class SettingData, as Foundation's
unarchiver expects it, with its eight values stored as 4-byte reals.

Usage: check_keyed_archive.py ARCHIVE X0 Y0 X1 Y1 X2 Y2 X3 Y3
Prints one line per problem and exits 1 when there is any."""
import plistlib
import struct
import sys

KEYS = ["RawPoint%d_%s" % (i, axis) for i in range(4) for axis in "XY"]


def real_widths(data):
    """The byte widths of every real object in a binary property list."""
    offset_size, ref_size, count, _top, table = struct.unpack(">6xBBQQQ", data[-32:])
    widths = []
    for i in range(count):
        start = table + i * offset_size
        offset = int.from_bytes(data[start:start + offset_size], "big")
        marker = data[offset]
        if marker >> 4 == 0x2:
            widths.append(1 << (marker & 0xF))
    return widths


def main(path, expected):
    data = open(path, "rb").read()
    problems = []
    if not data.startswith(b"bplist00"):
        problems.append("not a binary property list")
    archive = plistlib.loads(data)
    if archive.get("$version") != 100000:
        problems.append("$version is %r" % archive.get("$version"))
    if archive.get("$archiver") != "NSKeyedArchiver":
        problems.append("$archiver is %r" % archive.get("$archiver"))
    objects = archive["$objects"]
    root = objects[archive["$top"]["root"].data]
    class_info = objects[root["$class"].data]
    if class_info.get("$classname") != "SettingData" or class_info.get("$classes") != ["SettingData", "NSObject"]:
        problems.append("class is %r" % class_info)
    for key, value in zip(KEYS, expected):
        stored = root.get(key)
        if not isinstance(stored, float):
            problems.append("%s is %r, not a real" % (key, stored))
        elif struct.pack(">f", stored) != struct.pack(">f", value):
            problems.append("%s is %r, expected %r" % (key, stored, value))
    widths = real_widths(data)
    if not widths or any(width != 4 for width in widths):
        problems.append("real widths %r, expected only 4-byte reals" % widths)
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], [float(v) for v in sys.argv[2:10]]))
