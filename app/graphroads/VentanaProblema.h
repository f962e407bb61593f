#pragma once
// What the windows of the hub's "&Otros Problemas" share (curve
// identification, tangent and normal lines): the panel place and the
// screen context they own, the student's polynomial asked for in the entry
// window and taken at the next activation, a rejected curve flashed on the
// graph for the length of its message, and the ways out. Every way out
// gives the graph window its idle look back, leaves no current polynomial
// and the main window's menus on.
#include "ContextoVentana.h"
#include "GestorVentanas.h"
#include "LlamadorPolinomio.h"
#include "VentanaBase.h"

#include "Collpolinomio.h"

#include <cstdint>
#include <string>

class PictureEjes;

class VentanaProblema : public VentanaBase, public LlamadorPolinomio {
    Q_OBJECT
public:
    // Loads T when it is not loaded, shows it over the hub and activates it.
    template <class T> static T *Abre()
    {
        GestorVentanas &g = GestorVentanas::instancia();
        T *w = g.ventana<T>();
        g.muestra(w);
        w->alActivar();
        return w;
    }

    // LlamadorPolinomio: the polynomial becomes current and given; the
    // window takes it when it is active again. Cancelled: nothing to take.
    void recibePolinomio(const PoliPtr &p) override;
    void sinPolinomio() override;

    // The context back in force; a polynomial just given is taken, once.
    void alActivar() override;
    // Closing by the frame leaves as the window's own way back does.
    bool alPedirDescarga() override;
    void alDescargar() override;

    // Leaves to the hub.
    void sale();
    // Back to the first screen.
    void reinicia();

protected:
    explicit VentanaProblema(QWidget *parent = nullptr);

    // Pushes the window's screen context (at load).
    void entraPantalla(std::int16_t ayuda, std::int16_t apoyo, const std::string &titulo);
    // The help topic and support row of a new stage.
    void ponAyuda(std::int16_t ayuda, std::int16_t apoyo);
    // Opens the entry window for the student's polynomial; the main
    // window's menus wait until it is given or cancelled.
    void pidePoliAlumno();
    // The activation after the student gave a polynomial.
    virtual void alRecibirPolinomio() = 0;

    // The main graph (nullptr without the graph window).
    static PictureEjes *superficie();
    // The main graph in place of the notice, cleared.
    static PictureEjes *muestraGrafica();
    // Error n with q drawn in magenta by exclusive-or while it is shown.
    static void errorConDestello(const Collpolinomio &q, std::int16_t n);

private:
    ContextoVentana m_contexto;
    bool m_saliendo = false;
};
