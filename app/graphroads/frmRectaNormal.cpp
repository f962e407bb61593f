#include "frmRectaNormal.h"

#include "Globales.h"
#include "ModCalculos.h"

#include "Azar.h"
#include "PictureEjes.h"
#include "QBColor.h"

#include <QLabel>

namespace {
constexpr double Tolerancia = 0.00001;

// A constant that is not a for a vertical normal x = a.
constexpr std::int16_t ErrorVertical = 226;

bool Fuera(const Racional &a, const Racional &b)
{
    return (a - b).Abs() > Racional::DesdeDouble(Tolerancia);
}

// The slope of the normal at a where P'(a) is not 0, exactly.
Racional PendienteNormal(const Collpolinomio &prima, const Racional &a)
{
    return Racional(-1) / prima.Exacto().Evalua(a);
}

// P'(a) is exactly 0: the tangent is horizontal.
bool DerivadaNula(const CollFuncPolin &f, double a)
{
    return EsCeroEn(*f.Polder1(), a, 0);
}
} // namespace

frmRectaNormal::frmRectaNormal()
    : VentanaRecta({QStringLiteral("RECTA  NORMAL"), "Quorvane: Cálculo de Recta Normal", 55, 58, 62, 57, 56, 72, 62,
                    81, 0x000080 /* RGB(128, 0, 0) */, QStringLiteral("Evaluación puntual de y(x)"), true,
                    {{4, false}, {7, false}, {8, false}}})
{
}

void frmRectaNormal::alCargar()
{
    rt::Randomize();
    VentanaRecta::alCargar();
    LblRecTan(1)->setText(QStringLiteral("Elige una opción del menú"));
}

bool frmRectaNormal::normalVertical() const
{
    return PoliActual && DerivadaNula(*PoliActual, AbscisaPunto());
}

void frmRectaNormal::rotulaRespuesta()
{
    LblRecTan(0)->setText(normalVertical() ? QStringLiteral(" x = ") : QStringLiteral(" y = "));
}

VentanaRecta::Juicio frmRectaNormal::juzgaRecta(const CollFuncPolin &f, double a) const
{
    const Collpolinomio &t = *f.Polin();
    if (t.Grado() > 1)
        return {130, false};
    // A vertical normal is written as the constant a.
    const bool vertical = DerivadaNula(*PoliActual, a);
    const Racional x = Racional::DesdeDouble(a);
    const Racional pendiente = vertical ? Racional(0) : PendienteNormal(*PoliActual->Polder1(), x);
    const Racional ordenada = vertical ? x : PoliActual->Polin()->Exacto().Evalua(x) - pendiente * x;
    if (Fuera(pendiente, Pendiente(t)))
        return {128, true};
    if (Fuera(ordenada, Ordenada(t)))
        return {vertical ? ErrorVertical : std::int16_t{129}, true};
    return {};
}

VentanaRecta::Juicio frmRectaNormal::juzgaPolinomio(const CollFuncPolin &f, double a) const
{
    const Collpolinomio &recta = *PoliActual->Polin();
    const Racional x = Racional::DesdeDouble(a);
    const Racional pendiente = DerivadaNula(f, a) ? Racional(0) : PendienteNormal(*f.Polder1(), x);
    if (Fuera(pendiente, Pendiente(recta)))
        return {146, true};
    if (Fuera(recta.Exacto().Evalua(x), f.Polin()->Exacto().Evalua(x)))
        return {147, true};
    return {};
}

void frmRectaNormal::dibujaAcierto(const Collpolinomio &t)
{
    PictureEjes *graf = superficie();
    if (!RectaDada() && normalVertical() && graf) {
        rotulaRespuesta();
        graf->Linea(AbscisaPunto(), graf->MinY(), AbscisaPunto(), graf->MaxY(), rt::QBColor(1));
        return;
    }
    VentanaRecta::dibujaAcierto(t);
}

void frmRectaNormal::reabre()
{
    Abre<frmRectaNormal>();
}
