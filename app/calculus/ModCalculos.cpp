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
    // The roots of P'' of odd multiplicity, where it changes sign: the
    // record's multiplicities are exact.
    ResultadoRaices r;
    for (const RaizAgrupada &g : Agrupa(RaicesDeTipo(fp, 2)))
        if (g.multiplicidad % 2 == 1)
            r.raices.push_back(g.valor);
    r.n = static_cast<std::int16_t>(r.raices.size());
    r.sinRaices = r.raices.empty();
    return r;
}

std::int16_t EvaluaSignoAux(const CollFuncPolin &fp, double x)
{
    return SignoExacto(Poli(fp.Polin()), x);
}

std::int16_t EvaluaPrimaAux(const CollFuncPolin &fp, double x)
{
    const std::int16_t s = SignoExacto(Poli(fp.Polder1()), x);
    return s == 0 ? CODIGO_CONSTANTE : s;
}

std::int16_t EvaluaSegundaAux(const CollFuncPolin &fp, double x)
{
    return SignoExacto(Poli(fp.Polder2()), x);
}

bool CasiIgual(double a, double b, double tol)
{
    return ErrorRelativo(a, b) < tol;
}

double ErrorRelativo(double a, double b)
{
    // The program's values are exact where they are 0 (a root 0 is stored
    // as 0), so only 0 itself is compared absolutely.
    return std::fabs(a - b) / (b == 0 ? 1.0 : std::fabs(b));
}

bool DentroTolerancia(const Racional &a, const Racional &b, double tol)
{
    const Racional escala = b.Abs() > Racional(1) ? b.Abs() : Racional(1);
    return (a - b).Abs() <= Racional::DesdeDouble(tol) * escala;
}

bool DentroTolerancia(double a, double b, double tol)
{
    return DentroTolerancia(Racional::DesdeDouble(a), Racional::DesdeDouble(b), tol);
}

bool EsCeroEn(const Collpolinomio &p, double a, double tol)
{
    return p.Exacto().Evalua(Racional::DesdeDouble(a)).Abs() <= Racional::DesdeDouble(tol);
}

double ValorExacto(const Collpolinomio &p, double x)
{
    return p.Exacto().ValorRedondeado(Racional::DesdeDouble(x));
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
