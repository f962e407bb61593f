#pragma once
// Construction of concept 3, extension: the limits at minus and plus
// infinity are drawn and written in the graph's corners, with one to five
// points on the x axis (an even number for equal limits, odd otherwise);
// p and q must vanish at every point and have both limits.
#include "VentanaConstruccion.h"

#include <vector>

class frmConExtension : public VentanaConstruccion {
    Q_OBJECT
public:
    frmConExtension();

    int LimiteMenos() const { return m_limiteMenos; }
    int LimiteMas() const { return m_limiteMas; }
    const std::vector<std::int16_t> &RaizPedida() const { return m_raizPedida; }

protected:
    void dibujaRequisito() override;
    std::optional<Rechazo> prueba(const PoliPtr &p) override;
    void remarca() override;

private:
    // Draws the limit of one end (0 the left one) and writes it in the
    // graph's corner of that end: "y → +∞" on top, "y → −∞" at the bottom.
    static int DibujaPuntosExtension(int extremo);

    int m_limiteMenos = 1;
    int m_limiteMas = 1;
    int m_numRaicesPedidas = 0;
    std::vector<std::int16_t> m_raizPedida;
};
