#pragma once
// Construction of concept 6, monotonicity: two to four critical points and
// the sign of P' left of the first, shown as bands of f'. p and q must
// increase and decrease band by band as shown.
#include "VentanaBandas.h"

class frmConMonotonia : public VentanaBandas {
    Q_OBJECT
public:
    frmConMonotonia();
};
