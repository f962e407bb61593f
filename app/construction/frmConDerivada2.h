#pragma once
// Construction of concept 8, the second derivative: the graph of P'' of a
// hidden random P of degree 1 to 8, in a window that covers P, P' and P''.
// p and q must have that second derivative.
#include "VentanaConDerivada.h"

class frmConDerivada2 : public VentanaConDerivada {
    Q_OBJECT
public:
    frmConDerivada2();

protected:
    void muestraProblema() override;
};
