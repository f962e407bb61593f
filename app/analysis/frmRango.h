#pragma once
// The range exercise: the interval of the values P takes, typed as its
// two ends (infinity where it is unbounded). The accepted range is written
// as a sentence and drawn as a green segment on the y axis of the graph.
#include "VentanaIntervalos.h"

class frmRango : public VentanaIntervalos {
    Q_OBJECT
public:
    frmRango();

    QLabel *Lblintervalo() const { return m_lblIntervalo; }
    // Intervals of the range still to be found (1, then 0).
    int NumIntervalos() const { return m_pendientes; }

    // The whole check of the typed range.
    void EvaluaIntervaloRango();
    void cmdListo_Click(int = 0) override { EvaluaIntervaloRango(); }
    void CmdOk_Click(int razon = 0) override;

protected:
    DatosCamino datosCamino(Camino camino) const override;
    void alIniciar() override;

private:
    // The sentence in the intervals tab and the segment on the y axis.
    void muestraRango();

    Rango m_rango;
    int m_pendientes = 1;
};
