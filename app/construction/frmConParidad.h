#pragma once
// Construction of concept 2, parity: an even or an odd function is asked
// for, through roots drawn in pairs r, -r (an odd one always through 0)
// and, for some even requirements, a given cut of the y axis.
#include "VentanaConstruccion.h"

#include <vector>

class frmConParidad : public VentanaConstruccion {
    Q_OBJECT
public:
    frmConParidad();

    // 0 odd; 1 even with a required P(0); 2 even without.
    int TipoParidad() const { return m_tipoParidad; }

protected:
    void dibujaRequisito() override;
    std::optional<Rechazo> prueba(const PoliPtr &p) override;
    void remarca() override;

private:
    int m_tipoParidad = 0;
    std::vector<std::int16_t> m_raizPedida; // 1..n, in the order drawn
    int m_numRaicesPedidas = 0;
    int m_cortePedido = 0;
};
