#!/usr/bin/env python3
"""Writes the golden replay recordings under tests/data/replay/.

Each scenario is a list of reports of the HN-42 camera unit, written in the
hid-recorder text format that `eboardctl replay` reads. Points are given as raw
camera points (x, y): the unit reports X = 1024 - x and Y = y, big-endian.
The expected logs next to the recordings are written by hand (see the README there).

Usage: tools/make-recording.py [OUTPUT_DIR]
"""
import pathlib
import sys

HEADER = (0x01, 0x55)


def frame(x_word, y_word, length=4, rest=(0,) * 12, header=HEADER, checksum=None):
    body = [x_word >> 8, x_word & 0xFF, y_word >> 8, y_word & 0xFF, *rest]
    if checksum is None:
        checksum = (header[0] + header[1] + length + sum(body[:length])) & 0xFF
    return [header[0], header[1], checksum, length, *body]


def point(x, y, **kw):
    """A report with the light point at raw camera point (x, y)."""
    return frame(1024 - x, y, **kw)


def no_point(fill=0x00, **kw):
    """A report without a light point: offsets 4 to 7 all 0x00 or all 0xFF."""
    return frame((fill << 8) | fill, (fill << 8) | fill, **kw)


def bad_checksum(report):
    return report[:2] + [(report[2] + 1) & 0xFF] + report[3:]


def stroke(t, points, period=0.010):
    """Touch and continue through points, one report per period from t on."""
    return [(t + i * period, point(x, y)) for i, (x, y) in enumerate(points)]


SCENARIOS = {}

# A tap: touch, two small moves, lift.
SCENARIOS["tap"] = [
    *stroke(0.500, [(50, 250), (52, 249), (51, 251)]),
    (0.530, no_point()),
    (0.540, no_point()),
]

# A drag to the right with vertical jitter, invalid reports in between.
SCENARIOS["drag-jitter"] = [
    *stroke(1.000, [(100, 200), (105, 201), (110, 199), (115, 202)]),
    (1.035, bad_checksum(no_point())),
    *stroke(1.040, [(120, 198), (125, 200), (130, 201)]),
    (1.065, no_point(fill=0xFF, checksum=0x00)),
    (1.070, no_point(fill=0xFF)),
]

# Three taps: the second lift 0.15 s after the first (double click), the third 0.35 s
# after the second (none).
SCENARIOS["double-tap"] = [
    *stroke(2.000, [(300, 100), (300, 100)]),
    (2.020, no_point()),
    *stroke(2.150, [(302, 101), (302, 101)]),
    (2.170, no_point()),
    (2.400, point(310, 100)),
    (2.520, no_point()),
]

# A lift 0.2 s after the unit was opened (time 0) double-clicks too.
SCENARIOS["early-lift"] = [
    (0.100, point(320, 160)),
    (0.200, no_point()),
]

# Holding still: 100 frames within the dwell radius make a right click.
SCENARIOS["dwell"] = [
    (3.000, point(400, 200)),
    *stroke(3.010, [(401, 200)] * 50),
    (3.505, bad_checksum(point(401, 200))),
    *stroke(3.510, [(401, 200)] * 50),
    (4.050, no_point()),
]

# Jumps: 502 px across (through the smoothing), 498 and 249 px (ordinary moves),
# then 283 px down.
SCENARIOS["jump"] = [
    *stroke(5.000, [(100, 300), (102, 300), (600, 300), (600, 300), (600, 51), (600, 51),
                    (600, 700)]),
    (5.070, no_point()),
]

# Touches beyond the right edge, beyond the left edge, and exactly on both edges.
SCENARIOS["edges"] = [
    (6.000, point(641, 100)),
    (6.010, no_point()),
    (6.500, frame(1100, 100)),
    (6.510, no_point()),
    (7.000, point(0, 100)),
    (7.010, no_point()),
    (7.500, point(640, 100)),
    (7.510, no_point()),
]

# Reports that must be dropped without a trace in the middle of a stroke, and valid
# reports with unusual payload lengths.
SCENARIOS["invalid"] = [
    (8.000, point(200, 200)),
    (8.005, bad_checksum(no_point())),                        # checksum off by one
    (8.010, no_point(header=(0x02, 0x55))),                   # wrong header, checksum matches
    (8.015, no_point(header=(0x01, 0x54))),
    (8.020, no_point(length=17, checksum=0x67)),              # would match if N were cut to 16
    (8.025, no_point()[:19]),                                 # a report one byte short
    (8.030, no_point() + [0]),                                # and one byte long
    (8.040, point(201, 200)),
    (8.050, no_point(fill=0xFF)),
    (8.500, point(200, 150, length=0)),                       # N = 0: checksum 0x56, point read
    (8.510, point(200, 150, length=16, rest=tuple(range(1, 13)))),
    (8.520, no_point()),
]


def write(directory, name, reports):
    lines = [
        f"# {name}: golden replay of the HN-42 camera unit (tools/make-recording.py)",
        "N: HN-42 camera unit",
        "I: 3 2a3c 1201",
    ]
    for t, report in reports:
        micros = round(t * 1_000_000)
        hexbytes = " ".join(f"{b:02x}" for b in report)
        lines.append(f"E: {micros // 1_000_000:06d}.{micros % 1_000_000:06d} {len(report)} {hexbytes}")
    (directory / f"{name}.rec").write_text("\n".join(lines) + "\n")


def main():
    root = pathlib.Path(__file__).resolve().parent.parent
    directory = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else root / "tests/data/replay"
    directory.mkdir(parents=True, exist_ok=True)
    for name, reports in SCENARIOS.items():
        write(directory, name, reports)


if __name__ == "__main__":
    main()
