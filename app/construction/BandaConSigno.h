#pragma once
// A requirement of roots (with their multiplicities) and the sign left of
// the first root, turned into the sign of every band between consecutive
// roots and shown twice: as lines of the window's requirement list, and as
// rows of "+" and "-" along the graph window's band strip. The sign,
// monotonicity and concavity constructions use it, each in its own style.
#include <cstdint>
#include <string>
#include <vector>

class QComboBox;

struct EstiloBanda {
    std::string encabezado;          // first line added to the list
    bool blancoAntesPalabra = false; // " positiva" on every line but the first
    double tamSimbolo = 10;          // points of the band symbols
};

// The sign construction's: "El signo es:", symbols at 10 points.
extern const EstiloBanda EstiloSigno;

struct BandasSigno {
    // The distinct roots at 1..k in ascending order (0 unused), with room
    // for the check's sentinel at k + 1.
    std::vector<double> raizDistinta;
    int numDistintas = 0;
    // Sign of band j, 1 or -1: band 0 left of the first root, band k right
    // of the last.
    std::vector<int> signoBanda;
    std::vector<std::string> lineas; // the list's header and band lines
};

// raices(1..n): ascending, a root of multiplicity m standing m times;
// entry 0 is not read. A first sign of 0 or less makes band 0 negative.
BandasSigno CalculaBandas(const std::vector<std::int16_t> &raices, int n, int primerSigno,
                          const EstiloBanda &estilo);

// CalculaBandas, its lines appended to lista, and the strip written: a
// green line along its top, titulo in bold at (xInicio, altura), then the
// sign of each band, 0.2 apart, at least one per band.
BandasSigno PoneBandaConSigno(double xInicio, double altura, const std::vector<std::int16_t> &raices, int n,
                              int primerSigno, const std::string &titulo, const EstiloBanda &estilo,
                              QComboBox &lista);
