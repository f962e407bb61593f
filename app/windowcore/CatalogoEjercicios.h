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
    // The student leaves the road (another polynomial, start again): a road
    // chooser unloads itself; the hub has nothing to do here.
    virtual void CierraCamino() {}
};

// Opens the exercise window of a concept (0..12, the concept order).
using AbreVentanaEjercicio = std::function<void(Camino camino, AbridorEjercicio &abridor)>;

void RegistraEjercicio(int concepto, AbreVentanaEjercicio abre);
bool HayEjercicio(int concepto);
// False when the concept has no window yet.
bool AbreEjercicio(int concepto, Camino camino, AbridorEjercicio &abridor);

// Registers every analysis exercise window of the program.
void RegistraEjerciciosAnalisis();

// What the exercises ask of the windows around them when the student
// leaves for another polynomial or goes back to the start. The shell fills
// them in; an empty one does nothing.
struct SalidasEjercicio {
    // Unloads the graph window and the hub and shows both anew, the hub
    // waiting for a polynomial.
    std::function<void()> otroPolinomio;
    // Unloads the hub and the graph window.
    std::function<void()> alInicio;
};
SalidasEjercicio &SalidasEjercicios();
