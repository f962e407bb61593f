#pragma once
// The analysis exercises as the windows that open them see them: the hub
// (analytic road) and the two graph-road choosers open exercise k through
// here, handing over the road and their option list as the opener. The
// exercise greys or unchecks its option through that link, never through
// globals, and the link reads empty once the opener is gone.
#include "Enlace.h"

#include <functional>

// The road an exercise is worked on.
enum class Camino {
    Analitico,   // the polynomial is shown
    GraficaPoli, // only the graph of P
    GraficaDeri, // only the graph of P'
};

// The window that opened an exercise. Options it does not have are ignored.
class AbridorEjercicio : public Enlazable {
public:
    virtual ~AbridorEjercicio() = default;
    // A finished concept: its option is disabled and greyed (QBColor 7).
    virtual void DeshabilitaOpcion(int opcion) = 0;
    // A concept left without finishing: its option is unselected.
    virtual void DesmarcaOpcion(int opcion) = 0;
    // Every option unselected.
    virtual void DesmarcaOpciones() = 0;
    // The student leaves the road (another polynomial, start again): a road
    // chooser unloads itself; the hub has nothing to do here.
    virtual void CierraCamino() {}
};

// An exercise window while it is open, as its opener sees it.
class EjercicioAbierto {
public:
    virtual ~EjercicioAbierto() = default;
    virtual AbridorEjercicio *abridor() const = 0;
    // Leaves as its "Cancelar": pops the contexts it pushed and unloads.
    virtual void Cancela() = 0;
};

// Every open exercise that abridor opened leaves as its "Cancelar" (an
// opener that goes away first calls this, before popping its own context).
void CierraEjerciciosDe(const AbridorEjercicio &abridor);
// Every open exercise leaves as its "Cancelar", whoever opened it.
void CierraEjercicios();

// Opens the exercise window of a concept (0..12, the concept order).
using AbreVentanaEjercicio = std::function<void(Camino camino, AbridorEjercicio &abridor)>;

void RegistraEjercicio(int concepto, AbreVentanaEjercicio abre);
bool HayEjercicio(int concepto);
// False when the concept has no window yet. One exercise at a time: any
// other open exercise leaves as its "Cancelar" first; the concept's own
// window, when open, comes to the front as it stands.
bool AbreEjercicio(int concepto, Camino camino, AbridorEjercicio &abridor);
// Forgets every registered exercise (a fresh start for tests).
void OlvidaEjercicios();

// Registers every analysis exercise window of the program (defined with
// the exercises; the shell calls it at start-up).
void RegistraEjerciciosAnalisis();

// What the exercises ask of the shell when the student leaves for another
// polynomial: the hub and the graph window start over, the hub waiting for
// a polynomial. The shell fills it in; empty, it does nothing.
struct SalidasEjercicio {
    std::function<void()> otroPolinomio;
};
SalidasEjercicio &SalidasEjercicios();
