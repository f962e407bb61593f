#pragma once
// The one rule for a bad entry in a numeric box of the exercises: the
// box's validation code c is reported as error 149 + c, once, the box
// keeps its text, and the focus goes back into it with the text selected.
//
// Leaving a box for a button checks the box unless the button's own action
// checks it (RevisaCajas) or the button leaves the window (SalidaSinRevisar):
// a button that would act on the box's last accepted value ("Graficar
// puntos") or on nothing of it ("Terminar", "Borrar") never hides a bad entry.
#include <cstdint>
#include <initializer_list>

class QWidget;
class UCDextavo;
class Usc;

// Validates the box; returns its code (0: valid, NumAceptado set).
std::int16_t ValidaCajaNumerica(UCDextavo &caja);

// The action of boton validates these boxes itself.
void RevisaCajas(Usc &boton, std::initializer_list<UCDextavo *> cajas);
// boton leaves the window (cancel): it needs no box checked.
void SalidaSinRevisar(Usc &boton);
// Leaving caja for destino (the widget taking the focus) is checked by
// destino's own action, or needs no check.
bool DestinoRevisaCaja(const QWidget *destino, const UCDextavo &caja);

// First error row of the validation codes (code c shows row this + c).
constexpr std::int16_t BaseErrorValidacion = 149;
