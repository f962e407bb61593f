#pragma once
// Construction of concept 0, real roots: one to six whole numbers from -9
// to 9 (repeats allowed) are listed and marked on the x axis; p and q must
// vanish at each of them, with a degree at least their number.
#include "VentanaConstruccion.h"

#include <vector>

class frmConRaices : public VentanaConstruccion {
    Q_OBJECT
public:
    frmConRaices();

    // The listed roots at 1..n, ascending.
    const std::vector<std::int16_t> &RaizDada() const { return m_raizDada; }

protected:
    void dibujaRequisito() override;
    std::optional<Rechazo> prueba(const PoliPtr &p) override;
    void remarca() override;

private:
    int m_numRaicesDadas = 0;
    std::vector<std::int16_t> m_raizDada;
};
