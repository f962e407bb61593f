// No Qt here: FLINT's header meets no Qt header.
#include "CalculoAparte.h"

#include "generapoli.h"

#include <flint/flint.h>

void LiberaCachesDelHilo()
{
    // Each thread keeps FLINT's and Arb's caches (about 300 KB after a
    // degree-100 record) until it frees them itself; a job run in place
    // leaves the caller's thread its own.
    if (plataforma::EsperaTrabajo::EnHiloAparte())
        flint_cleanup();
}

FuncPolinPtr RegistroAparte(const PoliPtr &p)
{
    return CalculaAparte([&] { return CreaFuncPolin(p); });
}
