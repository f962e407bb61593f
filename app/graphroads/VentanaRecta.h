#pragma once
// The line at a point of a polynomial's graph, in three exercises: the
// program proposes P and the abscissa a and the student writes the line;
// the student gives P (entry window) and a, then writes the line; or the
// program gives a line L and a and the student writes a polynomial whose
// line at a is L. A wrong curve flashes on the graph while its message is
// up; a right one is drawn, and the window starts afresh. The tangent and
// the normal windows differ only in their texts, numbers and checks.
#include "VentanaProblema.h"

#include "CollFuncPolin.h"

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

class PanelHerramientas;
class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class RichTextBox;
class RichTextPolin;
class UCDextavo;
class Usc;

class VentanaRecta : public VentanaProblema {
    Q_OBJECT
public:
    void alCargar() override;

    QLabel *lbltitulo() const { return m_lbltitulo; }
    QFrame *UCMarcoDeri() const { return m_marcoDeri; }
    QLabel *LblGrafiCon() const { return m_lblGrafiCon; }
    QFrame *UCMarcoMedio() const { return m_marcoMedio; }
    QLabel *lbldaspolip() const { return m_lbldaspolip; }
    RichTextBox *RtfDasPoli2() const { return m_rtfDasPoli2; }
    QLabel *LblRecTan(int i) const { return m_lblRecTan[std::size_t(i)]; }
    RichTextPolin *RtpPidePoliR() const { return m_caja; }
    Usc *cmdListo() const { return m_cmdListo; }
    Usc *cmdBorrar() const { return m_cmdBorrar; }
    Usc *cmdCancelar() const { return m_cmdCancelar; }
    QFrame *fraPunto() const { return m_fraPunto; }
    UCDextavo *UCCajaPunto() const { return m_cajaPunto; }
    Usc *cmdListoPunto() const { return m_cmdListoPunto; }
    QGroupBox *fraHerramienta() const { return m_fraHerramienta; }
    PanelHerramientas *herramientas() const { return m_herramientas; }
    QMenu *mnuOpciones() const { return m_mnuOpciones; }
    QAction *mnuMaquinaPropone() const { return m_mnuMaquinaPropone; }
    QAction *mnuProponePoli() const { return m_mnuProponePoli; }
    QAction *mnuRectaPunto() const { return m_mnuRectaPunto; }
    QAction *mnuAnterior() const { return m_mnuAnterior; }
    QAction *mnuInicio() const { return m_mnuInicio; }
    double AbscisaPunto() const { return m_abscisa; }
    bool RectaDada() const { return m_rectaDada; }

    void mnuMaquinaPropone_Click();
    void mnuProponePoli_Click();
    void mnuRectaPunto_Click();
    void cmdListoPunto_Click();
    // The check (Enter in the answer box, or "Listo").
    void RtpPidePoliR_TeclaEnter();
    void cmdBorrar_Click();
    // Gives up: the window starts afresh.
    void cmdCancelar_Click();

protected:
    // What one line window is, besides the shared steps.
    struct Datos {
        QString titulo;              // the title band
        std::string tituloVentana;   // the main window's caption
        std::int16_t introduccion;   // instruction texts
        std::int16_t instruccionRecta;
        std::int16_t instruccionPolinomio;
        std::int16_t instruccionDado;
        std::int16_t pideAbscisa;
        std::int16_t apoyo;          // support row at load and on the first two ways
        std::int16_t ayudaTrabajo;   // help topic while working on P
        std::int16_t apoyoRectaDada; // support row of the line at a point
        std::int32_t colorPunto;
        QString herramientaRecta;    // the tool's caption for the line
        bool ocultaOpcionesRecta;    // the tool evaluates only the line
        std::vector<std::pair<int, bool>> barra; // toolbar flags set before the push
    };
    // A verdict: 0 right; else the error row, flashed or not.
    struct Juicio {
        std::int16_t error = 0;
        bool destello = false;
    };

    explicit VentanaRecta(Datos datos);

    // The answer t (with its record f) as the line at a of P.
    virtual Juicio juzgaRecta(const CollFuncPolin &f, double a) const = 0;
    // The answer t as a polynomial whose line at a is the given line.
    virtual Juicio juzgaPolinomio(const CollFuncPolin &f, double a) const = 0;
    // The success row of each kind of answer.
    virtual std::int16_t exito() const = 0;
    // A right answer on the graph (the curve in blue).
    virtual void dibujaAcierto(const Collpolinomio &t);
    // The label before the answer box for the abscissa now set.
    virtual void rotulaRespuesta() {}
    // Loads the window anew (its own class).
    virtual void reabre() = 0;

    void alRecibirPolinomio() override;

    // Slope and intercept of a line typed (a missing term reads 0), exact.
    static Racional Pendiente(const Collpolinomio &t);
    static Racional Ordenada(const Collpolinomio &t);

private:
    void GraficaConPunto();
    void GraficaPoliActual();
    void EligeAbscisa();
    void HabilitaMandos();
    void trabaja(std::int16_t instruccion);
    void opcionHerramienta(int indice);

    Datos m_datos;
    double m_abscisa = 0;
    bool m_rectaDada = false;
    PoliPtr m_poliTecleado;

    QMenu *m_mnuOpciones;
    QAction *m_mnuMaquinaPropone;
    QAction *m_mnuProponePoli;
    QAction *m_mnuRectaPunto;
    QAction *m_mnuAnterior;
    QAction *m_mnuInicio;
    QLabel *m_lbltitulo;
    QFrame *m_marcoDeri;
    QLabel *m_lblGrafiCon;
    QLabel *m_lblDeri;
    QFrame *m_marcoMedio;
    QLabel *m_lbldaspolip;
    RichTextBox *m_rtfDasPoli2;
    std::array<QLabel *, 4> m_lblRecTan{};
    RichTextPolin *m_caja;
    Usc *m_cmdListo;
    Usc *m_cmdBorrar;
    Usc *m_cmdCancelar;
    QFrame *m_fraPunto;
    UCDextavo *m_cajaPunto;
    Usc *m_cmdListoPunto;
    QGroupBox *m_fraHerramienta;
    PanelHerramientas *m_herramientas;
};
