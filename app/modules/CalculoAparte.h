#pragma once
// The maths on a student's polynomial (its function record, the judging of
// a typed one) run off the window's thread, so that no typed text freezes
// the window (EsperaTrabajo): within a short wait as if in place, beyond it
// with the busy cursor and the student's input dropped. The thread's own
// caches of the exact arithmetic are freed when the work ends.
#include "CollFuncPolin.h"
#include "Collpolinomio.h"
#include "EsperaTrabajo.h"

// Frees the exact arithmetic's caches of the calling thread.
void LiberaCachesDelHilo();

// calculo() on a thread of its own; its result. It must read only what the
// window's thread leaves alone while it waits and build its own objects.
template <class F>
std::invoke_result_t<F &> CalculaAparte(F &&calculo)
{
    return plataforma::EsperaTrabajo::Calcula([&] {
        struct Limpieza {
            ~Limpieza() { LiberaCachesDelHilo(); }
        } limpieza;
        return calculo();
    });
}

// CreaFuncPolin(p), made that way.
FuncPolinPtr RegistroAparte(const PoliPtr &p);
