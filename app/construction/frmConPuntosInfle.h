#pragma once
// Construction of concept 9, inflection points: two or three distinct whole
// abscissas from -8 to 8, marked on the x axis and by an "i" under the
// graph. p and q must have P'' changing sign at each of them.
#include "VentanaConstruccion.h"

#include <vector>

class frmConPuntosInfle : public VentanaConstruccion {
    Q_OBJECT
public:
    frmConPuntosInfle();

    const std::vector<std::int16_t> &AbscisaInflexion() const { return m_abscisaInflexion; }

protected:
    void dibujaRequisito() override;
    std::optional<Rechazo> prueba(const PoliPtr &p) override;
    void dibujaP(const PoliPtr &p) override;

private:
    int m_numInflexiones = 0;
    std::vector<std::int16_t> m_abscisaInflexion; // 1..n ascending
};
