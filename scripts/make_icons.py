#!/usr/bin/env python3
"""Draws the program icons of veldor and tovrin as PNG files in every size the desktop
asks for. Run by hand after changing a picture; the PNG files are kept in the repository.

Usage: scripts/make_icons.py  (from the repository root)
"""
import math
import struct
import zlib
from pathlib import Path

SIZES = (16, 32, 48, 64, 128, 256)
SAMPLES = 4  # per pixel and axis


def write_png(path, size, pixels):
    """pixels: rows of (r, g, b, a) tuples, 0..255."""
    raw = bytearray()
    for row in pixels:
        raw.append(0)
        for r, g, b, a in row:
            raw += bytes((r, g, b, a))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
    png += chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b"")
    path.write_bytes(png)


# Shapes are functions of a point in the unit square that say whether it is inside,
# with a bounding box to keep the sampling cheap.
def rounded_rect(x0, y0, x1, y1, radius):
    def inside(x, y):
        cx = min(max(x, x0 + radius), x1 - radius)
        cy = min(max(y, y0 + radius), y1 - radius)
        return (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius and x0 <= x <= x1 and y0 <= y <= y1
    return inside, (x0, y0, x1, y1)


def circle(cx, cy, r):
    return (lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r), (cx - r, cy - r, cx + r, cy + r)


def capsule(ax, ay, bx, by, r):
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy

    def inside(x, y):
        t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / length2))
        px, py = ax + t * dx, ay + t * dy
        return (x - px) ** 2 + (y - py) ** 2 <= r * r
    return inside, (min(ax, bx) - r, min(ay, by) - r, max(ax, bx) + r, max(ay, by) + r)


def polygon(points):
    def inside(x, y):
        result = False
        j = len(points) - 1
        for i, (xi, yi) in enumerate(points):
            xj, yj = points[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                result = not result
            j = i
        return result
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    return inside, (min(xs), min(ys), max(xs), max(ys))


def render(size, layers):
    canvas = [[[0.0, 0.0, 0.0, 0.0] for _ in range(size)] for _ in range(size)]
    step = 1.0 / (size * SAMPLES)
    for (inside, (bx0, by0, bx1, by1)), colour in layers:
        r, g, b, a = (c / 255.0 for c in colour)
        for py in range(max(0, int(by0 * size)), min(size, int(math.ceil(by1 * size)) + 1)):
            for px in range(max(0, int(bx0 * size)), min(size, int(math.ceil(bx1 * size)) + 1)):
                hits = 0
                for sy in range(SAMPLES):
                    y = py / size + (sy + 0.5) * step
                    for sx in range(SAMPLES):
                        if inside(px / size + (sx + 0.5) * step, y):
                            hits += 1
                if hits == 0:
                    continue
                alpha = a * hits / (SAMPLES * SAMPLES)
                dst = canvas[py][px]
                out_a = alpha + dst[3] * (1 - alpha)
                for i, c in enumerate((r, g, b)):
                    dst[i] = (c * alpha + dst[i] * dst[3] * (1 - alpha)) / out_a if out_a else 0
                dst[3] = out_a
    return [[tuple(int(round(v * 255)) for v in px) for px in row] for row in canvas]


def veldor_layers():
    """A phone with a yen sign on its screen and packets flying off its antenna."""
    body, screen, yen, key = (43, 76, 126, 255), (232, 244, 255, 255), (224, 112, 32, 255), (
        168, 192, 224, 255)
    layers = [
        (capsule(0.62, 0.10, 0.62, 0.20, 0.035), body),
        (rounded_rect(0.26, 0.16, 0.74, 0.95, 0.08), body),
        (rounded_rect(0.32, 0.23, 0.68, 0.60, 0.03), screen),
        (capsule(0.40, 0.30, 0.50, 0.43, 0.028), yen),
        (capsule(0.60, 0.30, 0.50, 0.43, 0.028), yen),
        (capsule(0.50, 0.43, 0.50, 0.55, 0.028), yen),
        (capsule(0.41, 0.44, 0.59, 0.44, 0.022), yen),
        (capsule(0.41, 0.50, 0.59, 0.50, 0.022), yen),
    ]
    for row in range(3):
        for col in range(3):
            layers.append((circle(0.38 + col * 0.12, 0.69 + row * 0.085, 0.03), key))
    packet = (240, 160, 48, 255)
    layers += [(rounded_rect(0.74, 0.04, 0.82, 0.12, 0.015), packet),
               (rounded_rect(0.84, 0.14, 0.90, 0.20, 0.012), packet)]
    return layers


def tovrin_layers():
    """A template page with a green check mark."""
    edge, paper, line, fold = (96, 104, 120, 255), (255, 255, 255, 255), (150, 160, 180, 255), (
        210, 216, 226, 255)
    green, mark = (40, 150, 70, 255), (255, 255, 255, 255)
    page = [(0.16, 0.05), (0.64, 0.05), (0.82, 0.23), (0.82, 0.95), (0.16, 0.95)]
    inner = [(0.20, 0.09), (0.62, 0.09), (0.78, 0.25), (0.78, 0.91), (0.20, 0.91)]
    layers = [(polygon(page), edge), (polygon(inner), paper),
              (polygon([(0.62, 0.07), (0.62, 0.25), (0.80, 0.25)]), fold)]
    for i, width in enumerate((0.40, 0.48, 0.30, 0.44, 0.36)):
        y = 0.32 + i * 0.09
        layers.append((capsule(0.27, y, 0.27 + width, y, 0.018), line))
    layers += [(circle(0.70, 0.76, 0.22), green),
               (capsule(0.60, 0.77, 0.67, 0.85, 0.035), mark),
               (capsule(0.67, 0.85, 0.81, 0.67, 0.035), mark)]
    return layers


def main():
    root = Path(__file__).resolve().parent.parent
    for name, layers, folder in (("veldor", veldor_layers(), "lister_ui/icons"),
                                 ("tovrin", tovrin_layers(), "checker_ui/icons")):
        for size in SIZES:
            out = root / folder / f"{name}-{size}.png"
            write_png(out, size, render(size, layers))
            print(out)


if __name__ == "__main__":
    main()
