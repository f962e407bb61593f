#include "CatalogoEjercicios.h"

void RegistraEjerciciosAnalisis()
{
}
