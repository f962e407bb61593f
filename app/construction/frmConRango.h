#pragma once
// Construction of concept 11, range: the whole line, a half-line bounded
// above or one bounded below (a whole-number end from -9 to 9) is marked
// on the y axis and listed; p and q must have exactly that range.
#include "VentanaConstruccion.h"

class frmConRango : public VentanaConstruccion {
    Q_OBJECT
public:
    frmConRango();

    double RangoInferior() const { return m_rangoInferior; }
    double RangoSuperior() const { return m_rangoSuperior; }

protected:
    void dibujaRequisito() override;
    std::optional<Rechazo> prueba(const PoliPtr &p) override;

private:
    double m_rangoInferior = 0;
    double m_rangoSuperior = 0;
};
