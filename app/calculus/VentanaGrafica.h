#pragma once
// Fits the plotting window of a function record to the real roots of P, P'
// and P'' with room around them.
#include "CollFuncPolin.h"

void CalculaVentana(CollFuncPolin &fp);
