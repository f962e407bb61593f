#include "CachesDelHilo.h"

#include "PuenteFlint.h"

void LiberaCachesExactasDelHilo()
{
    flint_cleanup();
}
