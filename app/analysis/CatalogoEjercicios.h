#pragma once
// The analysis exercises as the windows that open them see them: the hub
// (analytic road) and the two graph-road choosers open exercise k through
// here, handing over the road and themselves as the opener. The exercise
// greys or unchecks its option through that link, never through globals.
#include <functional>

// The road an exercise is worked on.
enum class Camino {
    Analitico,   // the polynomial is shown
    GraficaPoli, // only the graph of P
    GraficaDeri, // only the graph of P'
};

// The window that opened an exercise. Options it does not have are ignored.
class AbridorEjercicio {
public:
    virtual ~AbridorEjercicio() = default;
    // A finished concept: its option is disabled and greyed (QBColor 7).
    virtual void DeshabilitaOpcion(int opcion) = 0;
    // A concept left without finishing: its option is unselected.
    virtual void DesmarcaOpcion(int opcion) = 0;
    // Every option unselected.
    virtual void DesmarcaOpciones() = 0;
};

// Opens the exercise window of a concept (0..12, the concept order).
using AbreVentanaEjercicio = std::function<void(Camino camino, AbridorEjercicio &abridor)>;

void RegistraEjercicio(int concepto, AbreVentanaEjercicio abre);
bool HayEjercicio(int concepto);
// False when the concept has no window yet.
bool AbreEjercicio(int concepto, Camino camino, AbridorEjercicio &abridor);

// Registers every analysis exercise window of the program.
void RegistraEjerciciosAnalisis();
