#pragma once
// The first derivative exercise: the student types P' and the program
// accepts it when every coefficient is within 0.1 % of the right one.
#include "VentanaDerivada.h"

class frmderivada1 : public VentanaDerivada {
    Q_OBJECT
public:
    frmderivada1();

protected:
    DatosCamino datosCamino(Camino camino) const override;
    int TerminosErroneos(const Collpolinomio &respuesta, const Collpolinomio &derivada,
                         std::int16_t &termino) const override;
    void TrasError(bool deCoeficiente) override;
    PoliPtr &Respuesta() const override;
    bool LiberaAlTerminar() const override { return true; }
};
