#pragma once
// The road "De gráfica de polinomio a concepto": a random polynomial is
// kept hidden and only its graph is shown; the student works eleven
// concepts from the graph, each in its exercise on this road. Once they are
// solved, the window reveals the polynomial.
#include "VentanaCamino.h"

class QFrame;
class QGroupBox;
class QLabel;
class RichTextBox;

class frmGrafiConcepto : public VentanaCamino {
    Q_OBJECT
public:
    frmGrafiConcepto();

    void alCargar() override;
    void alActivar() override;

    // Widgets, for tests.
    QLabel *LblGrafiCon() const { return m_lblGrafiCon; }
    QFrame *fraPoli() const { return m_fraPoli; }
    QLabel *LblPx() const { return m_lblPx; }
    RichTextBox *RtbPidePoliR() const { return m_rtbPidePoliR; }

protected:
    bool recorreEnEjercicios() const override { return true; }

private:
    // The reveal, once the eleven concepts of the road are solved.
    void MuestraPolinomioFinal();

    QLabel *m_lblGrafiCon = nullptr;
    QGroupBox *m_fraGrafiCon = nullptr;
    QFrame *m_fraPoli = nullptr;
    QLabel *m_lblPx = nullptr;
    RichTextBox *m_rtbPidePoliR = nullptr;
};
