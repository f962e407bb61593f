#pragma once
// The tangent line: y = P'(a) x + P(a) - P'(a) a, or a polynomial of
// degree 2 or more whose tangent at a is the given line.
#include "VentanaRecta.h"

class frmRectang : public VentanaRecta {
    Q_OBJECT
public:
    frmRectang();

protected:
    Juicio juzgaRecta(const CollFuncPolin &f, double a) const override;
    Juicio juzgaPolinomio(const CollFuncPolin &f, double a) const override;
    std::int16_t exito() const override { return 56; }
    void reabre() override;
};
