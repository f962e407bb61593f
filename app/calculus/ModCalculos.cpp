#include "ModCalculos.h"

#include "CalculosRaices.h"
#include "generapoli.h"

#include <algorithm>
#include <cmath>

using namespace calculos;

namespace {
ResultadoRaices DistintasDeTipo(const CollFuncPolin &fp, std::int16_t tipo)
{
    ResultadoRaices r;
    r.raices = Distintas(RaicesDeTipo(fp, tipo));
    r.n = static_cast<std::int16_t>(r.raices.size());
    r.sinRaices = r.raices.empty();
    return r;
}
} // namespace

std::vector<double> RaicesReales(const CollFuncPolin &fp)
{
    return RaicesDeTipo(fp, 0);
}

ResultadoRaices RaicesRealesDistintas(const CollFuncPolin &fp)
{
    return DistintasDeTipo(fp, 0);
}

ResultadoRaices RaicesDistintas(const PoliPtr &p)
{
    return RaicesDistintas(*CreaFuncPolin(p));
}

ResultadoRaices RaicesDistintas(const CollFuncPolin &fp)
{
    return DistintasDeTipo(fp, 1);
}

ResultadoRaices CalculaInflexiones(const CollFuncPolin &fp)
{
    ResultadoRaices r;
    const std::vector<double> l = Distintas(RaicesDeTipo(fp, 2));
    const Collpolinomio &segunda = Poli(fp.Polder2());
    // A root is an inflection when P'' has opposite signs halfway to its
    // neighbouring roots (or the pad beyond the outer ones).
    for (std::size_t j = 0; j < l.size(); ++j) {
        const double antes = j == 0 ? Aparte(l[j], -HOLGURA_RAICES) : l[j - 1];
        const double despues = j + 1 == l.size() ? Aparte(l[j], HOLGURA_RAICES) : l[j + 1];
        const std::int16_t sa = SignoEn(segunda, (l[j] + antes) / 2);
        const std::int16_t sb = SignoEn(segunda, (despues + l[j]) / 2);
        if (sa * sb < 0)
            r.raices.push_back(l[j]);
    }
    r.n = static_cast<std::int16_t>(r.raices.size());
    r.sinRaices = r.raices.empty();
    return r;
}

std::int16_t EvaluaSignoAux(const CollFuncPolin &fp, double x)
{
    return SignoEn(Poli(fp.Polin()), x);
}

std::int16_t EvaluaPrimaAux(const CollFuncPolin &fp, double x)
{
    const std::int16_t s = SignoEn(Poli(fp.Polder1()), x);
    return s == 0 ? CODIGO_CONSTANTE : s;
}

std::int16_t EvaluaSegundaAux(const CollFuncPolin &fp, double x)
{
    return SignoEn(Poli(fp.Polder2()), x);
}

bool CasiIgual(double a, double b, double tol)
{
    return ErrorRelativo(a, b) < tol;
}

double ErrorRelativo(double a, double b)
{
    // A program value that is numerically zero (a root found as 1e-17) is
    // compared with 0 absolutely.
    const double d = std::fabs(b) < CERO_NUMERICO ? 1.0 : std::fabs(b);
    const double referencia = std::fabs(b) < CERO_NUMERICO ? 0.0 : b;
    return std::fabs(a - referencia) / d;
}

bool DentroTolerancia(double a, double b, double tol)
{
    const double escala = std::fabs(b) > 1 ? std::fabs(b) : 1.0;
    return std::fabs(a - b) <= tol * escala;
}

bool EsCeroEn(const Collpolinomio &p, double a, double tol)
{
    return p.Exacto().Evalua(Racional::DesdeDouble(a)).Abs() <= Racional::DesdeDouble(tol);
}

std::int16_t ComparaDerivada(const Collpolinomio &p, const Collpolinomio &q, double tol,
                             std::int16_t &termino)
{
    std::int16_t cuenta = 0;
    for (std::int16_t i = 0; i <= q.Grado(); ++i) {
        const double cq = q.ElementoExponente(i)->coef();
        const double cp = p.ElementoExponente(i)->coef();
        const double d = cq == 0 ? std::fabs(cp - cq) : std::fabs(cp - cq) / std::fabs(cq);
        if (d > tol) {
            ++cuenta;
            termino = i;
        }
    }
    return cuenta;
}
