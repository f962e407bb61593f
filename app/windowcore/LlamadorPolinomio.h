#pragma once
// Who opened the polynomial entry window (propose mode), and so what its
// "Continuar" and "Cancelar" do: the hub makes the polynomial current and
// sets its menus; a road or line window takes the polynomial back. The
// entry window keeps its caller by a link that reads empty once the caller
// is gone. Callers other than the hub keep PidePoliDesdeEjercicio set while
// they are open.
#include "Collpolinomio.h"
#include "Enlace.h"

#include <functional>

class LlamadorPolinomio : public Enlazable {
public:
    virtual ~LlamadorPolinomio() = default;
    // "Continuar" with the polynomial typed and confirmed (also left in
    // PoliPropuesto); the entry window has popped its context and unloads
    // right after.
    virtual void recibePolinomio(const PoliPtr &p) = 0;
    // "Cancelar" (or the window's close box): no polynomial.
    virtual void sinPolinomio() {}
};

// Opens the entry window in propose mode for a caller (the shell registers
// it; empty, nothing opens).
std::function<void(LlamadorPolinomio &llamador)> &AbrePidePoli();

// The entry window, when it is still open for this caller, leaves as by its
// "Cancelar": a caller that goes takes its entry window along, its context
// popped before the caller's own (the shell registers it).
std::function<void(LlamadorPolinomio &llamador)> &CierraPidePoliDe();
