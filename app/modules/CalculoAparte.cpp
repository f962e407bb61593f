#include "CalculoAparte.h"

#include "CachesDelHilo.h"
#include "generapoli.h"

void LiberaCachesDelHilo()
{
    // A job run in place leaves the caller's thread its caches.
    if (plataforma::EsperaTrabajo::EnHiloAparte())
        LiberaCachesExactasDelHilo();
}

FuncPolinPtr RegistroAparte(const PoliPtr &p)
{
    return CalculaAparte([&] { return CreaFuncPolin(p); });
}
