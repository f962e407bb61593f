#pragma once
// Construction of concept 12, absolute extrema: no extremum at all, an
// absolute maximum of a whole value and no minimum, or an absolute minimum
// and no maximum. The value is a short segment at its height, a missing
// extreme the label "+Inf" or "-Inf". p and q must have exactly these.
#include "VentanaConstruccion.h"

class frmConMaxMinAbs : public VentanaConstruccion {
    Q_OBJECT
public:
    frmConMaxMinAbs();

    // 1 neither, 2 a maximum, 3 a minimum.
    int Tipo() const { return m_tipo; }
    double MinimoRequerido() const { return m_minimoRequerido; }
    double MaximoRequerido() const { return m_maximoRequerido; }

protected:
    void dibujaRequisito() override;
    std::optional<Rechazo> prueba(const PoliPtr &p) override;
    void remarca() override;

private:
    int m_tipo = 1;
    double m_valorExtremo = 0;
    double m_minimoRequerido = 0;
    double m_maximoRequerido = 0;
};
