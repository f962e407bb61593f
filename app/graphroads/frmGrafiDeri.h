#pragma once
// The road "De la gráfica de derivada a concepto de polinomio": only the
// graph of the derivative P' is shown, proposed by the program (from a
// random P) or typed by the student (and integrated to P). The student
// works five concepts of P from it; once they are solved, P and P' are
// drawn and written out.
#include "LlamadorPolinomio.h"
#include "VentanaCamino.h"

#include "CollFuncPolin.h"

class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class RichTextBox;

class frmGrafiDeri : public VentanaCamino, public LlamadorPolinomio {
    Q_OBJECT
public:
    frmGrafiDeri();

    void alCargar() override;
    void alActivar() override;

    // The reveal, when the road's concepts are solved; the one-shot
    // "polynomial given" signal is spent in any case.
    void Hasgrafica();

    // "El &usuario propone la derivada del polinomio".
    void mnuTuPropones_Click();
    // "&Quorvane propone la derivada de un polinomio".
    void mnuMaquinaPropone_Click();

    // The antiderivative of p without a constant term.
    static PoliPtr IntegraPolinomio(const Collpolinomio &p);

    // LlamadorPolinomio: the typed derivative waits for the next activation.
    void recibePolinomio(const PoliPtr &p) override;
    // Cancelled: the choice is still open.
    void sinPolinomio() override;

    // Widgets, for tests.
    QLabel *LblGrafiCon() const { return m_lblGrafiCon; }
    QLabel *LblDeri() const { return m_lblDeri; }
    QLabel *lblGrafiDeri() const { return m_lblGrafiDeri; }
    QFrame *UCMarcoMedio() const { return m_ucMarcoMedio; }
    QMenu *mnuElige() const { return m_mnuElige; }
    QAction *mnuTuPropones() const { return m_mnuTuPropones; }
    QAction *mnuMaquinaPropone() const { return m_mnuMaquinaPropone; }
    RichTextBox *rtfPolin() const { return m_rtfPolin; }
    RichTextBox *rtfPolder() const { return m_rtfPolder; }
    const FuncPolinPtr &FuncDerivada() const { return m_funcDerivada; }

protected:
    bool recorreEnEjercicios() const override { return false; }
    void alDejarCamino() override;

private:
    // The work panel in place of the explanation, once a derivative is chosen.
    void muestraTrabajo();
    void MuestraGraficaDerivada();
    void LimpiaOpciones();

    FuncPolinPtr m_funcDerivada;
    QString m_textoTrabajo;
    bool m_graficaPendiente = false;
    bool m_usuarioPropone = false;

    QFrame *m_ucMarcoDeri = nullptr;
    QLabel *m_lblGrafiCon = nullptr;
    QLabel *m_lblDeri = nullptr;
    QFrame *m_ucMarcoMedio = nullptr;
    QGroupBox *m_fraGrafiCon = nullptr;
    QLabel *m_lblGrafiDeri = nullptr;
    RichTextBox *m_rtfPolin = nullptr;
    RichTextBox *m_rtfPolder = nullptr;
    QMenu *m_mnuElige = nullptr;
    QAction *m_mnuTuPropones = nullptr;
    QAction *m_mnuMaquinaPropone = nullptr;
};
