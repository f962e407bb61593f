#include "TerminosDistintos.h"

TerminosDistintos ComparaTerminos(const Collpolinomio &a, const Collpolinomio &b, double epsi)
{
    TerminosDistintos r;
    // Diferente lists the terms from the highest exponent down.
    const PoliPtr d = a.Diferente(b, epsi);
    for (const auto &t : *d) {
        ++r.cuantos;
        r.exponenteMenor = t->expon();
    }
    return r;
}
