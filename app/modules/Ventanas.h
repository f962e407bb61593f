#pragma once
// How the shared routines reach the windows: the shell registers, at start,
// one provider per window; each provider creates its window on first use
// and hands back the same one afterwards. Tests register recording doubles.
// A provider left empty means "no such window": the routines then skip it.
#include <functional>

class VentanaMensaje;
class VentanaPrincipal;
class VentanaDibujo;

struct ProveedoresVentanas {
    std::function<VentanaMensaje *()> error;       // the error window
    std::function<VentanaMensaje *()> exito;       // the success window
    std::function<VentanaPrincipal *()> principal; // the main window
    std::function<VentanaDibujo *()> grafica;      // the graph window
    // Shows the notice window, modeless.
    std::function<void()> anuncio;
    // The zoom dialog's answer: was the scale typed there accepted?
    std::function<bool()> escalaZoomValida;
    // Opens the polynomial window at the given left edge (pixels), modeless.
    std::function<void(int izquierda)> pidePolinomio;
    // Unloads the polynomial window if it is open.
    std::function<void()> cierraPidePolinomio;
};

ProveedoresVentanas &Ventanas();

// The window behind each provider, or nullptr when none is registered.
VentanaMensaje *VentanaError();
VentanaMensaje *VentanaExito();
VentanaPrincipal *VentanaPrincipalActual();
VentanaDibujo *VentanaGraficaActual();
