#!/usr/bin/env python3
"""Draws the program's icon and writes it as app/VNL.ico (16 and 32 px).

A rounded tile in deep blue with a white "V" and a gold "+" in its upper
right corner. Run it again after changing the drawing; the .ico it writes is
part of the sources.
"""
import os
import struct

SS = 8  # supersampling per axis


def inside_round_rect(x, y, size, radius):
    r = radius
    cx = min(max(x, r), size - r)
    cy = min(max(y, r), size - r)
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def inside_polygon(x, y, pts):
    inside = False
    n = len(pts)
    for i in range(n):
        x1, y1 = pts[i]
        x2, y2 = pts[(i + 1) % n]
        if (y1 > y) != (y2 > y):
            xi = x1 + (y - y1) * (x2 - x1) / (y2 - y1)
            if x < xi:
                inside = not inside
    return inside


def render(size):
    s = size / 32.0
    v_left = [(5 * s, 7 * s), (10 * s, 7 * s), (16 * s, 22 * s), (13.5 * s, 27 * s)]
    v_right = [(22 * s, 7 * s), (27 * s, 7 * s), (18.5 * s, 27 * s), (13.5 * s, 27 * s), (16 * s, 22 * s)]
    plus_h = [(21 * s, 4.5 * s), (30 * s, 4.5 * s), (30 * s, 7.5 * s), (21 * s, 7.5 * s)]
    plus_v = [(24 * s, 1.5 * s), (27 * s, 1.5 * s), (27 * s, 10.5 * s), (24 * s, 10.5 * s)]
    pixels = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(SS):
                for sx in range(SS):
                    x = px + (sx + 0.5) / SS
                    y = py + (sy + 0.5) / SS
                    if inside_polygon(x, y, plus_h) or inside_polygon(x, y, plus_v):
                        c = (255, 196, 32)
                    elif inside_polygon(x, y, v_left) or inside_polygon(x, y, v_right):
                        c = (255, 255, 255)
                    elif inside_round_rect(x, y, size, 6 * s):
                        t = y / size
                        c = (int(24 + 20 * t), int(92 - 40 * t), int(196 - 60 * t))
                    else:
                        continue
                    acc[0] += c[0]
                    acc[1] += c[1]
                    acc[2] += c[2]
                    acc[3] += 1
            n = SS * SS
            a = acc[3] / n
            if acc[3]:
                row.append((acc[0] / acc[3], acc[1] / acc[3], acc[2] / acc[3], a))
            else:
                row.append((0, 0, 0, 0))
        pixels.append(row)
    return pixels


def dib(size, pixels):
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = bytearray()
    for row in reversed(pixels):
        for r, g, b, a in row:
            xor += bytes((int(b), int(g), int(r), int(round(a * 255))))
    row_bytes = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(pixels):
        bits = bytearray(row_bytes)
        for x, (_, _, _, a) in enumerate(row):
            if a < 0.5:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + bytes(xor) + bytes(mask)


def main():
    images = [(size, dib(size, render(size))) for size in (16, 32)]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack('<BBBBHHII', size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for _, data in images:
        out += data
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'app', 'VNL.ico')
    with open(path, 'wb') as f:
        f.write(out)


if __name__ == '__main__':
    main()
