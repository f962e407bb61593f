#pragma once
// What every exercise panel in the left column shares, whichever folder it
// belongs to: the panel's place (AnchoPanel x AltoUtil at the top left),
// the window caption with its bold title line, the menu "&Regresar" over
// everything, and a "Listo" / "Cancelar" row. The analysis exercises and
// the constructions derive their frames from here.
#include "VentanaBase.h"

#include <QString>
#include <functional>

class QAction;
class QBoxLayout;
class QHBoxLayout;
class QLabel;
class QMenu;
class QVBoxLayout;
class Usc;

class VentanaPanel : public VentanaBase {
    Q_OBJECT
public:
    // The bold title line under the menu.
    QLabel *lbltitulo() const { return m_lbltitulo; }
    // The menu "&Regresar".
    QMenu *mnuRegreso() const { return m_mnuRegreso; }

protected:
    explicit VentanaPanel(const QString &titulo, QWidget *parent = nullptr);

    // The window's column, the title line already in it.
    QVBoxLayout *columna() const { return m_columna; }
    // An item of "&Regresar" that runs accion.
    QAction *agregaRegreso(const QString &texto, std::function<void()> accion);
    // Takes the left panel, once the main window has measured it.
    void ocupaPanel();
    // "Listo" and "Cancelar" side by side at the end of donde; "Cancelar"
    // runs alCancelar. Returns their row.
    QHBoxLayout *filaListoCancelar(QBoxLayout &donde, Usc *&listo, Usc *&cancelar,
                                   std::function<void()> alCancelar);

private:
    QVBoxLayout *m_columna = nullptr;
    QMenu *m_mnuRegreso = nullptr;
    QLabel *m_lbltitulo = nullptr;
};
