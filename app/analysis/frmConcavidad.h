#pragma once
// The concavity exercise: the intervals on which P is concave upwards or
// downwards, each given by its two ends and its quality, or "no concavity"
// for a polynomial of degree below 2. Accepted intervals are written as
// sentences and drawn on the f'' track of the strip under the graph.
#include "VentanaIntervalos.h"

class frmConcavidad : public VentanaIntervalos {
    Q_OBJECT
public:
    frmConcavidad();

    QRadioButton *Optconc(int i) const { return OptCualidad(i); }
    // 1 upwards, -1 downwards, -3 no concavity; kept when no option is
    // chosen (0 before the first check).
    int CualidadElegida() const { return m_cualidad; }

    void cmdListo_Click(int razon = 0) override;
    void CmdOk_Click(int razon = 0) override;

protected:
    DatosCamino datosCamino(Camino camino) const override;
    void alIniciar() override;

private:
    void EvaluaIntervalo();
    // A wrong interval; the chosen quality is kept for the next check.
    void MarcaError(int n) { marcaError(n); }
    // The whole line is one interval.
    void revisaDominio();

    int m_cualidad = 0;
    int m_ultimoInicial = 0;
    bool m_sinConcavidad = false;
};
