#pragma once
// Construction of concept 4, the first derivative: the graph of P' of a
// hidden random P of degree 1 to 4, which becomes the current polynomial.
// p and q must have that derivative.
#include "VentanaConDerivada.h"

#include <utility>
#include <vector>

class frmConDerivada : public VentanaConDerivada {
    Q_OBJECT
public:
    frmConDerivada();

protected:
    void muestraProblema() override;
    void dibujaP(const PoliPtr &p) override;
    void dibujaQ(const PoliPtr &q) override;

private:
    // The graph refitted so that P' and the accepted answers all show, and
    // drawn again: P' first, then each answer in its colour.
    void muestraCurvas(const std::vector<std::pair<PoliPtr, std::int32_t>> &curvas);

    PoliPtr m_p; // the accepted p, drawn again with q
};
