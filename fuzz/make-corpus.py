#!/usr/bin/env python3
"""Writes the fuzz targets' own seeds under fuzz/corpus/<target>/.

The fixtures in tests/data are seeds too; tools/fuzz.sh adds them at run time. What is
here is what they lack: a deeply nested binary property list (the shape that once
overflowed the stack in the plist parser), thresholds files in both encodings, report
descriptors of common devices and a recording with descriptor lines.

Usage: fuzz/make-corpus.py [CORPUS_DIR]
"""
import pathlib
import plistlib
import struct
import sys


def nested_arrays(depth):
    """A binary property list of `depth` nested one-element arrays around an empty one.

    Written by hand: plistlib (like any recursive writer) cannot go that deep.
    """
    count = depth + 1
    ref_size = 1 if count < 1 << 8 else 2 if count < 1 << 16 else 4
    objects = []
    for index in range(depth):
        objects.append(bytes([0xA1]) + (index + 1).to_bytes(ref_size, "big"))
    objects.append(bytes([0xA0]))
    offsets = []
    body = bytearray(b"bplist00")
    for obj in objects:
        offsets.append(len(body))
        body += obj
    table_offset = len(body)
    offset_size = 1 if table_offset < 1 << 8 else 2 if table_offset < 1 << 16 else 4
    for offset in offsets:
        body += offset.to_bytes(offset_size, "big")
    body += bytes(6) + struct.pack(">BBQQQ", offset_size, ref_size, count, 0, table_offset)
    return bytes(body)


DESCRIPTORS = {
    # The camera unit: Consumer page, 20 bytes in, no report IDs.
    "unit": "05 0c 09 01 a1 01 15 00 26 ff 00 75 08 95 14 09 01 81 02 c0",
    "boot-mouse": "05 01 09 02 a1 01 09 01 a1 00 05 09 19 01 29 03 15 00 25 01 95 03 75 01"
                  " 81 02 95 01 75 05 81 01 05 01 09 30 09 31 15 81 25 7f 75 08 95 02 81 06"
                  " c0 c0",
    "keyboard-consumer": "05 01 09 06 a1 01 85 01 05 07 19 e0 29 e7 15 00 25 01 75 01 95 08"
                         " 81 02 95 01 75 08 81 01 95 05 75 01 05 08 19 01 29 05 91 02 95 01"
                         " 75 03 91 01 95 06 75 08 15 00 25 65 05 07 19 00 29 65 81 00 c0"
                         " 05 0c 09 01 a1 01 85 02 15 00 26 ff 03 19 00 2a ff 03 75 10 95 01"
                         " 81 00 c0",
    "push-pop-long-item": "05 0c 09 01 a1 01 fe 03 f0 c0 c0 c0 75 08 95 14 a4 75 10 95 40 b1 02"
                          " b4 81 02 c0",
}

RECORDING = """# HN-42 camera unit
R: 20 05 0c 09 01 a1 01 15 00 26 ff 00 75 08 95 14 09 01 81 02 c0
N: HN-42 camera unit
I: 3 2a3c 1201
P: usb-0000:00:14.0-1/input0

E: 000000.500000 20 01 55 25 04 03 ce 00 fa 00 00 00 00 00 00 00 00 00 00 00 00
E: 000000.510000 20 01 55 22 04 03 cc 00 f9 00 00 00 00 00 00 00 00 00 00 00 00\r
E: 1.000001 2 ff 0a
E: 000002.000000 0
"""


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parent / "corpus")
    archive = root / "archive"
    archive.mkdir(parents=True, exist_ok=True)
    (archive / "deep-nesting-5000.bplist").write_bytes(nested_arrays(5000))

    thresholds = root / "thresholds"
    thresholds.mkdir(parents=True, exist_ok=True)
    strings = {"AreaPer": "65", "AreaPer1": "30", "AreaPer2": "15", "EdgePer": "90", "MaxEdge": "500"}
    (thresholds / "defaults.xml.plist").write_bytes(plistlib.dumps(strings, sort_keys=True))
    numbers = {"AreaPer": 70, "AreaPer1": 35.5, "AreaPer2": -1, "EdgePer": True, "MaxEdge": "  +12px"}
    (thresholds / "mixed.bplist").write_bytes(plistlib.dumps(numbers, fmt=plistlib.FMT_BINARY))

    descriptor = root / "descriptor"
    descriptor.mkdir(parents=True, exist_ok=True)
    for name, text in DESCRIPTORS.items():
        (descriptor / f"{name}.bin").write_bytes(bytes.fromhex(text))

    recording = root / "recording"
    recording.mkdir(parents=True, exist_ok=True)
    (recording / "with-descriptor.rec").write_text(RECORDING)


if __name__ == "__main__":
    main()
