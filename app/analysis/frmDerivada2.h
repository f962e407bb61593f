#pragma once
// The second derivative exercise: the student types P'' and the program
// accepts it only when every coefficient agrees to one part in a million.
// Once the first derivative is solved, " Derivada" shows P' as a help.
#include "VentanaDerivada.h"

class RichTextBox;

class frmDerivada2 : public VentanaDerivada {
    Q_OBJECT
public:
    frmDerivada2();

    Usc *CmdContinuar() const { return cmdListo(); }
    Usc *CmdDespliega() const { return m_despliega; }
    RichTextBox *RtfDeri2() const { return m_rtfDeri2; }
    QLabel *Lblderi3() const { return m_lblDeri3; }
    QAction *ReProPoli() const { return mnuReProPoli(); }

    void CmdDespliega_Click(int razon = 0);

protected:
    DatosCamino datosCamino(Camino camino) const override;
    void alIniciar() override;
    int TerminosErroneos(const Collpolinomio &respuesta, const Collpolinomio &derivada,
                         std::int16_t &termino) const override;
    void TrasError(bool deCoeficiente) override;
    PoliPtr &Respuesta() const override;
    bool LiberaAlTerminar() const override { return false; }

private:
    Usc *m_despliega;
    QLabel *m_lblDeri3;
    RichTextBox *m_rtfDeri2;
};
