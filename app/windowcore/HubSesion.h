#pragma once
// The hub as the windows of the other folders reach it (roads, lines,
// constructions, the report, the tour): intent methods only, never its
// widgets. The shell's hub implements it and registers where it is.
#include <cstdint>
#include <functional>

// The states of the hub's menus.
enum class EstadoHub {
    Eligiendo,     // no polynomial: the three ways to one, the problems, the way out
    Elegido,       // a polynomial given: its graph menu and the way back to choosing
    Construccion,  // the graph construction under way
    CaminoAbierto, // a road, line or construction window works over the hub
    Proponiendo,   // the entry window is open
    AOrden,        // the to-order window is open
};

// What the student must do first when the hub leaves an action the tour
// asks for (its own menu for that action is off).
enum class FaltaHub {
    Nada,           // the action runs
    Polinomio,      // no polynomial given yet
    DandoPolinomio, // the entry or the to-order window is open
    Construccion,   // the graph construction is under way
    Ventana,        // a road, line or construction window works over the hub
    Resumen,        // the graph and its qualities are on show
    OtroPolinomio,  // a polynomial is chosen: back to proposing one first
};

class HubSesion {
public:
    virtual ~HubSesion() = default;
    // Every switch of the hub's menus for a state.
    virtual void PoneEstadoMenus(EstadoHub estado) = 0;
    // The tour's action n (2 to order, 3 graph construction, 4 graph and
    // qualities), only while the hub's own menu for it is on: at once when
    // the hub is in front, else at its next activation, once. Otherwise
    // nothing changes and the answer says what must come first.
    virtual FaltaHub PideAccion(std::uint8_t n) = 0;
    // The product labels at their places, as while no polynomial is chosen
    // (a road or construction window that is left shows them).
    virtual void MuestraLogos() = 0;
    // Shows the hub (modeless) and makes it the window in front.
    virtual void AlFrente() = 0;
};

// Where the open hub is (the shell registers it); nullptr without a hub.
std::function<HubSesion *()> &ProveedorHub();
HubSesion *HubAbierto();
