#include "VentanaGrafica.h"

#include <cmath>
#include <tuple>

namespace {

void Mayor(double &valor, double otro)
{
    if (otro > valor)
        valor = otro;
}

void Menor(double &valor, double otro)
{
    if (otro < valor)
        valor = otro;
}

// Pushes one end outwards, at most ten growing steps, until the curve
// there reaches half of the ordinate range.
void Ensancha(double &extremo, const Collpolinomio &p, double ymin, double ymax)
{
    for (int k = 1; k <= 10; ++k) {
        extremo *= 1.0 + 0.1 * k;
        const double v = p.Eval(extremo);
        if (v <= ymin / 2 || v >= ymax / 2)
            return;
    }
}

} // namespace

void CalculaVentana(CollFuncPolin &fp)
{
    PoliPtr p = fp.Polin() ? fp.Polin() : fp.PoliVacio();
    // The zero polynomial is shown in the window of the constant 1 rather
    // than in a window of no size.
    if (p->Cuenta() == 0) {
        p = Collpolinomio::Nuevo();
        p->Agrega(1.0, 0);
    }
    double xmin, xmax, ymin, ymax;
    if (p->Grado() == 0) {
        const double c = std::fabs(p->terminos().front()->coef());
        xmax = ymax = c;
        xmin = ymin = -c;
    } else {
        xmax = ymax = 2;
        xmin = ymin = -2;
    }

    const long n = fp.Cuenta(0);
    const long m = fp.Cuenta(1);
    const long k = fp.Cuenta(2);
    if (n > 0) {
        Mayor(xmax, fp.Elemento(n)->Raiz());
        Menor(xmin, fp.Elemento(1)->Raiz());
    }
    // Critical and inflection points: their abscissas and the values of P.
    for (const auto &[tipo, cuantas, primera] : {std::tuple<std::int16_t, long, long>{1, m, n + 1},
                                                 std::tuple<std::int16_t, long, long>{2, k, n + m + 1}}) {
        if (cuantas <= 0)
            continue;
        Mayor(xmax, fp.Elemento(primera + cuantas - 1)->Raiz());
        Menor(xmin, fp.Elemento(primera)->Raiz());
        for (const auto &r : fp) {
            if (r->tipopol() != tipo)
                continue;
            const double v = p->Eval(r->Raiz());
            Menor(ymin, v);
            Mayor(ymax, v);
        }
    }

    if (p->Grado() == 1) {
        Mayor(ymax, std::fabs(p->Eval(0)));
        const bool xEnDefecto = xmin == -2;
        const bool yEnDefecto = ymin == -2;
        if (xEnDefecto && yEnDefecto) {
            const double mayor = xmax > ymax ? xmax : ymax;
            xmax = ymax = mayor;
        } else if (xEnDefecto) {
            if (-ymin > xmax)
                xmax = -ymin;
            else
                ymin = -xmax;
        } else if (yEnDefecto) {
            if (-xmin < ymax)
                xmin = -ymax;
            else
                ymax = -xmin;
        } else {
            const double menor = xmin < ymin ? xmin : ymin;
            xmin = ymin = menor;
        }
    }

    Ensancha(xmin, *p, ymin, ymax);
    Ensancha(xmax, *p, ymin, ymax);

    // Each axis keeps at least a tenth of its larger side beyond zero.
    if (ymax / 10 > std::fabs(ymin))
        ymin = -ymax / 10;
    if (std::fabs(ymin / 10) > ymax)
        ymax = -ymin / 10;
    if (xmax / 10 > std::fabs(xmin))
        xmin = -xmax / 10;
    if (std::fabs(xmin / 10) > xmax)
        xmax = -xmin / 10;

    fp.Xmax(xmax * 1.5);
    fp.Xmin(xmin * 1.5);
    fp.Ymax(ymax * 1.5);
    fp.Ymin(ymin * 1.5);
}
