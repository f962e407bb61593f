#include "frmRectang.h"

#include "Globales.h"
#include "ModCalculos.h"

#include <cmath>

namespace {
// A typed line is compared within this (relative above 1): rounding in the
// last digits never refuses a right line.
constexpr double ToleranciaRecta = 1e-5;
// A polynomial's slope and value at a, against the given line.
constexpr double ToleranciaPolinomio = 0.001;
} // namespace

frmRectang::frmRectang()
    : VentanaRecta({QStringLiteral("RECTA  TANGENTE"), "Quorvane: Cálculo de Recta Tangente", 51, 54, 52, 53, 61,
                    71, 61, 80, 0x0000FF /* RGB(255, 0, 0) */, QStringLiteral("Evaluación puntual de Y(x)"), false,
                    {{2, true}, {4, true}, {7, false}, {8, false}}})
{
}

VentanaRecta::Juicio frmRectang::juzgaRecta(const CollFuncPolin &f, double a) const
{
    const Collpolinomio &t = *f.Polin();
    if (t.Grado() > 1)
        return {127, false};
    const double pendiente = PoliActual->Polder1()->Eval(a);
    const double ordenada = PoliActual->Polin()->Eval(a) - pendiente * a;
    if (!DentroTolerancia(Pendiente(t), pendiente, ToleranciaRecta))
        return {128, true};
    if (!DentroTolerancia(Ordenada(t), ordenada, ToleranciaRecta))
        return {129, true};
    return {};
}

VentanaRecta::Juicio frmRectang::juzgaPolinomio(const CollFuncPolin &f, double a) const
{
    const Collpolinomio &t = *f.Polin();
    if (t.Grado() <= 1)
        return {200, false};
    const Collpolinomio &recta = *PoliActual->Polin();
    if (std::fabs(f.Polder1()->Eval(a) - Pendiente(recta)) > ToleranciaPolinomio)
        return {146, true};
    if (std::fabs(t.Eval(a) - recta.Eval(a)) > ToleranciaPolinomio)
        return {147, true};
    return {};
}

void frmRectang::reabre()
{
    Abre<frmRectang>();
}
