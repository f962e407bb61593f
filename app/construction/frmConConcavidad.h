#pragma once
// Construction of concept 10, concavity: two or three inflection abscissas
// and the sign of P'' left of the first, shown as bands of f''. p and q
// must be concave up and down band by band as shown.
#include "VentanaBandas.h"

class frmConConcavidad : public VentanaBandas {
    Q_OBJECT
public:
    frmConConcavidad();
};
