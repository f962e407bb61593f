#pragma once
// Construction of concept 1, the sign of the function: one to eight whole
// roots from -4 to 4 (repeats are multiplicities) and the sign left of the
// first; the bands' signs are listed and written under the graph. p and q
// must have exactly these real roots and the sign of every band.
#include "BandaConSigno.h"
#include "VentanaConstruccion.h"

#include <vector>

class frmConPosi : public VentanaConstruccion {
    Q_OBJECT
public:
    frmConPosi();

    const std::vector<std::int16_t> &RaizPedida() const { return m_raizPedida; }
    const BandasSigno &bandas() const { return m_bandas; }

protected:
    void dibujaRequisito() override;
    std::optional<Rechazo> prueba(const PoliPtr &p) override;
    void remarca() override;

private:
    int m_numRaicesPedidas = 0;
    std::vector<std::int16_t> m_raizPedida;
    BandasSigno m_bandas;
};
