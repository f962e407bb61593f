#include "frmRectang.h"

#include "Globales.h"
#include "ModCalculos.h"

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
    // The tangent at a, exactly: beside a multiple root a rounded P'(a)
    // is noise far above the tolerance.
    const Racional x = Racional::DesdeDouble(a);
    const Racional pendiente = PoliActual->Polder1()->Exacto().Evalua(x);
    const Racional ordenada = PoliActual->Polin()->Exacto().Evalua(x) - pendiente * x;
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
    const Racional x = Racional::DesdeDouble(a);
    const Racional tolerancia = Racional::DesdeDouble(ToleranciaPolinomio);
    if ((f.Polder1()->Exacto().Evalua(x) - Pendiente(recta)).Abs() > tolerancia)
        return {146, true};
    if ((t.Exacto().Evalua(x) - recta.Exacto().Evalua(x)).Abs() > tolerancia)
        return {147, true};
    return {};
}

void frmRectang::reabre()
{
    Abre<frmRectang>();
}
