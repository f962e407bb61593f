#pragma once
// The frame both page viewers (help and support) share: their picture and
// heading in a row at the top, what they show below it, and their close
// button at the bottom right.
#include <initializer_list>
#include <utility>

class QLabel;
class QWidget;
class Usc;

// Lays out the window; each middle widget with its stretch (0: its own height).
void ArmaVisor(QWidget &ventana, QLabel &imagen, QWidget &encabezado,
               std::initializer_list<std::pair<QWidget *, int>> centro, Usc &cerrar);

// The heading's font: the widget's own, bold and a little larger.
void FuenteEncabezado(QWidget &encabezado);
