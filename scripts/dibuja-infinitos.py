#!/usr/bin/env python3
"""Draws the report's two limit pictures, data/figura/simb-inf.gif (the
infinity sign) and simb-minf.gif (minus infinity): dark blue strokes on
white, smoothed, written as plain GIF files without any image library.

    python3 scripts/dibuja-infinitos.py data/figura
"""
import math
import struct
import sys
from pathlib import Path

ANCHO, ALTO = 44, 24
TINTA = (0, 0, 128)
NIVELES = 16  # shades from white to the ink


def distancia_segmento(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def trazos(menos):
    """Segments of the figure: a lemniscate, with a bar before it for -inf."""
    segmentos = []
    cx = 28 if menos else 22
    a = 13.0 if menos else 17.0
    puntos = []
    for i in range(181):
        t = 2 * math.pi * i / 180
        d = 1 + math.sin(t) ** 2
        puntos.append((cx + a * math.cos(t) / d, 12 + 1.35 * a * math.sin(t) * math.cos(t) / d))
    segmentos += list(zip(puntos, puntos[1:]))
    if menos:
        segmentos.append(((2.5, 12.0), (10.5, 12.0)))
    return segmentos


def imagen(menos):
    segmentos = trazos(menos)
    filas = []
    for y in range(ALTO):
        fila = []
        for x in range(ANCHO):
            # Four samples per pixel for smooth edges.
            cubierto = 0
            for sx, sy in ((0.25, 0.25), (0.75, 0.25), (0.25, 0.75), (0.75, 0.75)):
                px, py = x + sx, y + sy
                if any(distancia_segmento(px, py, *a, *b) <= 1.3 for a, b in segmentos):
                    cubierto += 1
            fila.append(round(cubierto / 4 * (NIVELES - 1)))
        filas.append(fila)
    return filas


def gif(filas):
    paleta = b""
    for n in range(NIVELES):
        f = n / (NIVELES - 1)
        paleta += bytes(round(255 + (c - 255) * f) for c in TINTA)
    paleta += b"\0" * 3 * (16 - NIVELES)
    # LZW with 8-bit codes: a clear code every few pixels keeps the table
    # from growing past that width, so every pixel is one code.
    minimo = 7
    clear, fin = 1 << minimo, (1 << minimo) + 1
    codigos = []
    pixeles = [p for fila in filas for p in fila]
    for i in range(0, len(pixeles), 120):
        codigos.append(clear)
        codigos.extend(pixeles[i:i + 120])
    codigos.append(fin)
    datos = bytes(codigos)
    bloques = b"".join(bytes([len(datos[i:i + 255])]) + datos[i:i + 255] for i in range(0, len(datos), 255))
    cabecera = b"GIF89a" + struct.pack("<HHBBB", ANCHO, ALTO, 0x80 | 0x70 | 3, 0, 0) + paleta
    descriptor = b"," + struct.pack("<HHHHB", 0, 0, ANCHO, ALTO, 0)
    return cabecera + descriptor + bytes([minimo]) + bloques + b"\0;"


def main():
    carpeta = Path(sys.argv[1] if len(sys.argv) > 1 else "data/figura")
    carpeta.mkdir(parents=True, exist_ok=True)
    (carpeta / "simb-inf.gif").write_bytes(gif(imagen(False)))
    (carpeta / "simb-minf.gif").write_bytes(gif(imagen(True)))


if __name__ == "__main__":
    main()
