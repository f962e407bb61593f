#pragma once
// Drawing on the one graph window: its main graph (window, scale legends,
// curves, marked points), the band strip below it (rows of sign,
// monotonicity and concavity marks) and the legend panel.
#include "CollFuncPolin.h"
#include "Collpolinomio.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class PictureEjes;

// Legends last written (or built) on the legend panel, and their places in
// the panel's world units.
extern std::string LeyendaX;
extern std::string LeyendaY;
extern std::array<double, 2> PosLeyendaX;
extern std::array<double, 2> PosLeyendaY;

// Fits fp's window, shows it on the main graph with tick steps of about a
// tenth of each span, and writes the scale legends ("Eje X: 2 unids. x
// marca") on the legend panel, with the read-out captions while the cursor
// read-out is on.
void MuestraEscalaEjes(CollFuncPolin &fp);

// Shows the box [xinf, xsup] x [yinf, ysup] on graf with tick steps of
// about a tenth of each span, and builds the legends: for an accepted zoom
// box they are kept for later ("Escala Recuadro; ..."), otherwise the panel
// is cleared and they are written. Any other surface than the main graph or
// an accepted zoom box leaves the panel alone.
void MuestraEscalaRecuadro(PictureEjes &graf, double xinf, double xsup, double yinf, double ysup);

// A tick step brought to one significant digit (halves to the even digit):
// 37.4 -> 40, 2.5 -> 2, 0.037 -> 0.04, -0.25 -> -0.2; 0, 1 and -1 unchanged.
double RedondeaEscala(double x);

// Plots p over graf's x range, one segment per pixel column, with width 2
// and the given drawing mode; leaves width 1 and copy pen (13). The curve
// is one shape: in exclusive-or mode (7) it comes out whole, and drawn
// again it is gone.
void GraficaPolinomio(const Collpolinomio &p, PictureEjes &graf, std::int32_t color, int modo);

// Marks (x, y) on the main graph with a circle of tam pixels, and with a
// dotted dark red line down to the x axis when conLinea; only when x lies
// within the graph's x range.
void MarcaAbscisas(double x, double y, int tam, bool conLinea, std::int32_t color);
// Marks the points 1..n of xs, ys with dark red circles of 5 pixels.
void ColorRgbMarca(const std::vector<double> &xs, const std::vector<double> &ys, int n);

// Writes one band on the strip: the label in bold at the main graph's left
// edge, then the band's marks from xini to xfin (see RepiteMarca). An
// empty mark writes nothing.
void DibujaBandaSigno(double xini, double y, double xfin, const std::string &marca, const std::string &rotulo);
// Writes marca along the band from desde to hasta at the strip's pen row,
// whole marks side by side (paso further apart) while they fit; a band
// narrower than one mark shows the part of one, centred, that lies within
// it. Nothing is drawn outside the band or past the strip's right edge, so
// bands written in any order never cover each other's marks.
void RepiteMarca(PictureEjes &franja, const std::string &marca, double desde, double hasta, double paso);

// The key of the curves on the band strip: the strip takes the main
// graph's x range and 0..3 in y; green lines at 3, 2 and 1 labelled "f",
// "f'" and "f''" in bold; the strip's text colour is left at QBColor(3).
void DibujaLeyendaCurvas();

// Forgets the legends kept above (a fresh start).
void OlvidaLeyendas();

// Colours used here (0x00BBGGRR).
constexpr std::int32_t ColorRotuloBanda = 0x808000; // dark cyan
constexpr std::int32_t ColorLineaMarca = 0x000080;  // dark red
