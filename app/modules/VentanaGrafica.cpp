#include "VentanaGrafica.h"

void CalculaVentana(CollFuncPolin &) {}
