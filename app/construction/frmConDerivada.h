#pragma once
// Construction of concept 4, the first derivative: the graph of P' of a
// hidden random P of degree 1 to 4, which becomes the current polynomial.
// p and q must have that derivative.
#include "VentanaConDerivada.h"

class frmConDerivada : public VentanaConDerivada {
    Q_OBJECT
public:
    frmConDerivada();

protected:
    void muestraProblema() override;
};
