#pragma once
// The current polynomial of a session: whichever way it was given (typed,
// to order, at random), it becomes the function record every window works
// on, and the progress made on the previous one is forgotten.
#include "Collpolinomio.h"

// PoliActual = the record of p (made off the window's thread, see
// CalculoAparte.h), PoliDado set, concept flags and the current concept
// cleared.
void TomaPoliActual(const PoliPtr &p);
