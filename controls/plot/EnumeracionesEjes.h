#pragma once
// Named values that hosts pass to the plotting surface.

// Axis argument of PixelToReal and muevepixel.
enum dirEjes : int { SOBREX = 0, SOBREY = 1 };

// Pixels between the end of an axis and where its ticks stop.
enum posflechas : int { FLECHAX = -12, FLECHAY = 12 };

// Index of each end of the world window.
enum indextr : int { MINIMAX = 0, MAXIMAX = 1, MINIMAY = 2, MAXIMAY = 3 };
