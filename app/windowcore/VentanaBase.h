#pragma once
// Base of every panel and tool window of the program. A window is one
// instance, created and loaded on first use and released when it unloads
// (see GestorVentanas). The hooks mirror the life of such a window:
//  - alCargar: runs once, right after the window is created;
//  - alActivar: the window becomes the current one again because the window
//    above it closed (one explicit notice, not every focus change);
//  - alPedirDescarga: the window is asked to close; false keeps it open;
//  - alDescargar: the window is going away.
#include <QWidget>

class VentanaBase : public QWidget {
    Q_OBJECT
public:
    explicit VentanaBase(QWidget *parent = nullptr);

    // Where the window stands: in the main window's work area (panels, the
    // graph window), or on top of the main window outside it.
    enum class Lugar { AreaTrabajo, Encima };
    virtual Lugar lugar() const { return Lugar::AreaTrabajo; }

    virtual void alCargar() {}
    virtual void alActivar() {}
    virtual bool alPedirDescarga() { return true; }
    virtual void alDescargar() {}
    // Whether a click into this window (or Ctrl+Tab to it) while another
    // window of the work area is current makes it current again, told by
    // alActivar. Windows whose alActivar only puts back what they own opt in.
    virtual bool vuelveAlClic() const { return false; }
    // What "start again" does to this window: unload it. Windows that own
    // more than a context (exercises) leave as their "Cancelar" instead.
    virtual void cierraAlReiniciar() { descarga(); }

    // Places the window in the main window's work area, in pixels.
    void coloca(int izquierda, int arriba, int ancho, int alto);
    // The two places of the work area taken at start-up: the left panel
    // (hub, polynomial sources, exercises: AnchoPanel wide) and the graph
    // window's place beside it (IzqGrafica wide); both AltoUtil high.
    void colocaEnPanel();
    void colocaJuntoAlPanel();
    // Moves a window that stands on top of the main window to a point given
    // in the work area's coordinates (the panel's edge is AnchoPanel there).
    void colocaSobreArea(int izquierda, int arriba);
    // Unloads this window through the window manager.
    void descarga();

protected:
    void closeEvent(QCloseEvent *event) override;
};
