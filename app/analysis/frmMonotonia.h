#pragma once
// The monotonicity exercise: the intervals on which P increases or
// decreases, each given by its two ends and its quality, in any order.
// Accepted intervals are written as sentences and drawn on the f' track
// of the strip under the graph.
#include "VentanaIntervalos.h"

class frmMonotonia : public VentanaIntervalos {
    Q_OBJECT
public:
    frmMonotonia();

    QRadioButton *OptParidad(int i) const { return OptCualidad(i); }
    // 1 increasing, -1 decreasing, 3 neither, 5 none chosen.
    int CualidadElegida() const { return m_cualidad; }

    void cmdListo_Click(int razon = 0) override;
    void CmdOk_Click(int razon = 0) override;
    void cmdBorrar_Click(int razon = 0) override;

protected:
    DatosCamino datosCamino(Camino camino) const override;
    void alIniciar() override;
    void alElegir(int indice) override;

private:
    void RevisaIntervalo();
    // A wrong interval: its message (133 and 134 first), the quality
    // cleared, the ends kept for correcting.
    void MarcaError(int n);

    int m_cualidad = 5;
    int m_cambios = 0;
};
