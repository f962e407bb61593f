#pragma once
// The construction chooser ("Te doy conceptos y me das un polinomio"): the
// thirteen concepts as options; choosing one opens its construction and
// closes the chooser, which the construction shows anew when it is left.
// Its own ways lead back to the hub or to the very beginning.
#include "ContextoVentana.h"
#include "ListaOpciones.h"
#include "VentanaPanel.h"

class QGroupBox;
class QLabel;
class QRadioButton;
class Usc;

class frmConceptos : public VentanaPanel {
    Q_OBJECT
public:
    frmConceptos();

    void alCargar() override;
    void alActivar() override;
    bool alPedirDescarga() override;
    void alDescargar() override;

    // Opens the construction of concept k (when it has one) and closes.
    void OptConcepto_Click(int k);
    // Back to the hub, which is left without a polynomial.
    void cmdCancelar_Click();
    // Back to the first screen.
    void mnuInicio_Click();

    // Widgets, for tests.
    QRadioButton *OptConcepto(int k) const { return m_lista.opcion(k); }
    QLabel *LblConcep() const { return m_lblConcep; }
    Usc *cmdCancelar() const { return m_cmdCancelar; }
    QAction *mnuAnterior() const { return m_mnuAnterior; }
    QAction *mnuInicio() const { return m_mnuInicio; }

private:
    ListaOpciones m_lista;
    ContextoVentana m_contexto;
    bool m_saliendo = false;
    QLabel *m_lblConcep = nullptr;
    QGroupBox *m_fraConceptos = nullptr;
    Usc *m_cmdCancelar = nullptr;
    QAction *m_mnuAnterior = nullptr;
    QAction *m_mnuInicio = nullptr;
};
