#pragma once
// The normal line: slope -1/P'(a) through (a, P(a)); where P'(a) is 0 the
// normal is the vertical x = a, written as the constant a. Or a polynomial
// whose normal at a is the given line.
#include "VentanaRecta.h"

class frmRectaNormal : public VentanaRecta {
    Q_OBJECT
public:
    frmRectaNormal();

    void alCargar() override;

protected:
    Juicio juzgaRecta(const CollFuncPolin &f, double a) const override;
    Juicio juzgaPolinomio(const CollFuncPolin &f, double a) const override;
    std::int16_t exito() const override { return RectaDada() ? 76 : 75; }
    void dibujaAcierto(const Collpolinomio &t) override;
    void rotulaRespuesta() override;
    void reabre() override;

private:
    // P'(a) is 0 up to its rounding: the normal is vertical.
    bool normalVertical() const;
};
