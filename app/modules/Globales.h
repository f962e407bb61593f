#pragma once
// Shared state of the program: what the windows and the shared routines
// read and write between them. One definition of each, in Globales.cpp;
// tests put it back to the start-of-run state with ReiniciaGlobales().
#include "CollFuncPolin.h"
#include "ContextoPantalla.h"
#include "Collpolinomio.h"
#include "TablaTextos.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The current polynomial's function record; empty when none was given.
extern FuncPolinPtr PoliActual;
// (The last random polynomial, PoliAzar, lives with its maker in generapoli.h.)
// The polynomial typed and confirmed in the polynomial window.
extern PoliPtr PoliPropuesto;
// The polynomials typed as first and second derivative (released after each check).
extern PoliPtr PoliRespuesta1;
extern PoliPtr PoliRespuesta2;

// Concept-solved flags, in the concept order (0 real roots ... 12 absolute extrema).
constexpr int NumConceptos = 13;
extern std::array<bool, NumConceptos> ConceptoResuelto;
// The concept last finished; 0 when none.
extern std::int16_t ConceptoActual;
// A polynomial has just been given in the hub.
extern bool PoliDado;

// The polynomial window expands products instead of taking a polynomial.
extern bool ModoAlgebra;
// The report was opened from the hub's graph-and-qualities view.
extern bool ModoGrafCualidades;
// The polynomial window was opened by a road or line window (set by that
// window while it is open).
extern bool PidePoliDesdeEjercicio;
// The report window is open.
extern bool HistoriaAbierta;
// The last polynomial parse failed.
extern bool ErrorPoli;

// Help topic and support row of the screen in front.
extern std::int16_t NumAyuda;
extern std::int16_t NumApoyo;
// Toolbar flags the next EntraPantalla applies (elements 1 to 8 drive buttons).
constexpr int NumBotonesBarra = 8;
extern std::array<bool, 10> EstadoBarra;
// Level of the screen-context stack (0 = nothing pushed).
extern int NivelPila;
// Saved contexts: element k was saved by the push that reached level k;
// element 0 holds the start context, which a pop at level 0 applies.
extern std::vector<ContextoPantalla> PilaPantallas;

// Guided tour: step word, page number, the browser's last address.
extern std::string PasoGuia;
extern std::string PaginaGuia;
extern std::string DireccionGuia;

// The locale's decimal separator, "." or ",".
extern std::string SeparadorDecimal;

// Layout measures taken at start-up, in pixels: the main window's size,
// the usable height below the toolbar, the exercise panel's width and the
// graph window's left edge beside it.
extern int AnchoPantalla;
extern int AltoPantalla;
extern int AltoUtil;
extern int AnchoPanel;
extern int IzqGrafica;
// The screen is exactly 1024 pixels wide / wider than that.
extern bool Pantalla1024;
extern bool PantallaMayor;

// Text tables loaded at start-up: error and success messages (column 0 the
// message, column 1 the detail text), support words and pages, support jumps.
extern TablaTextos Errores;
extern TablaTextos Exitos;
extern TablaTextos ListaApoyos;
extern TablaTextos ListaSaltos;
// The last rows of the message tables that the program's windows show: a
// table that ends before them is damaged.
constexpr int UltimoErrorUsado = 227;
constexpr int UltimoExitoUsado = 78;

// Support page path (under the program folder, beginning "\apoyo") and the
// help book's path.
extern std::string ArchivoApoyo;
extern std::string ArchivoAyuda;

// Start-of-run state of everything above (tables emptied, flags cleared,
// EstadoBarra all true), of the window providers, the drawing legends and
// the last random polynomial, and of whatever registered with RegistraOlvido.
void ReiniciaGlobales();

// Shared state kept by the layers above this one (the exercise catalogue,
// the hub's openers...) registers here, once under a name, how it forgets
// itself; ReiniciaGlobales runs every such step.
void RegistraOlvido(const std::string &nombre, std::function<void()> olvida);
