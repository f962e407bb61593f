#pragma once
// What the shared routines read and write of the main window: its caption,
// the enabled state of its eight toolbar buttons and of its two top menus,
// and the measures taken at start-up. The shell's main window implements it.
#include <string>

class VentanaPrincipal {
public:
    virtual ~VentanaPrincipal() = default;

    virtual std::string Titulo() const = 0;
    virtual void PoneTitulo(const std::string &titulo) = 0;

    // Toolbar buttons by their index 1 to 8.
    virtual bool BotonHabilitado(int boton) const = 0;
    virtual void HabilitaBoton(int boton, bool habilitado) = 0;

    // Measures in pixels: the window (already sized to the screen), its
    // toolbar's height, and the screen's width.
    virtual int Ancho() const = 0;
    virtual int Alto() const = 0;
    virtual int AltoBarra() const = 0;
    virtual int AnchoEscritorio() const = 0;

    // Switches the two top menus ("&Inicio", "&Salida") on or off together.
    virtual void HabilitaMenus(bool si) { (void)si; }
};
