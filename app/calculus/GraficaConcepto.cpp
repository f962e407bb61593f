#include "GraficaConcepto.h"

#include "Azar.h"
#include "Entero16.h"

#include <cmath>

namespace {
// Explanations after "Graficar", by finished concept 1..13.
constexpr std::int16_t kMensajes[13] = {61, 62, 63, 64, 65, 142, 143, 144, 201, 202, 203, 204, 205};

int Azar1a5()
{
    return static_cast<int>(rt::Int(5 * rt::Rnd() + 1));
}

PoliPtr Termino(double coef, int expon)
{
    PoliPtr q = Collpolinomio::Nuevo();
    q->Agrega(coef, static_cast<std::int16_t>(expon));
    return q;
}
} // namespace

PoliPtr PoliConcepto(int concepto, const Collpolinomio &p, const Collpolinomio &p1)
{
    switch (concepto) {
    case 1:
    case 3: {
        PoliPtr f = Termino(-1, 2);
        f->Agrega(-1, 0);
        return f->Producto(p);
    }
    case 2:
    case 4: {
        PoliPtr f = Termino(1, 2);
        f->Agrega(1, 0);
        return f->Producto(p);
    }
    case 5:
    case 6:
        return p.Suma(*Termino(Azar1a5(), 0));
    case 7:
    case 8: {
        PoliPtr f = Termino(1, 2);
        f->Agrega(Azar1a5(), 0);
        return f->Producto(p1)->Integral(0);
    }
    case 9:
    case 10:
    case 11: {
        const int k1 = Azar1a5();
        const int k2 = Azar1a5();
        PoliPtr f = Termino(k2, 1);
        f->Agrega(k1, 0);
        return p.Suma(*f);
    }
    case 12:
    case 13: {
        // The factor as the student reads it: three decimals.
        const double c = std::round((rt::Rnd() + 0.1) * 1000.0) / 1000.0;
        return Termino(c, 0)->Producto(p1)->Integral(0);
    }
    default:
        return Collpolinomio::Nuevo();
    }
}

std::int16_t MensajeConcepto(int concepto)
{
    return concepto >= 1 && concepto <= 13 ? kMensajes[concepto - 1] : 0;
}
