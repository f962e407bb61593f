#pragma once
// The quality lines a polynomial can be ordered with, by degree and parity.
#include <QStringList>

// The lines for degree grado (1 to 12): with the parity of the degree
// (sinParidad false) or without parity; none outside 1 to 12. Empty lines
// are left out, so a line's index is the quality's number.
QStringList ListaCualidades(int grado, bool sinParidad);
