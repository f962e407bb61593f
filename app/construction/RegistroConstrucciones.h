#pragma once
// The construction window of each concept (0..12, the concept order). Each
// window registers its opener here; the chooser offers only the concepts
// that have one.
#include "CatalogoEjercicios.h"

bool HayConstruccion(int concepto);
// Opens the construction of the concept for the chooser's option list.
bool AbreConstruccion(int concepto, AbridorEjercicio &abridor);
