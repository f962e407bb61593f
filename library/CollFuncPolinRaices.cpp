#include "CollFuncPolin.h"

#include "Avisos.h"
#include "RaicesExactas.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// The highest power of x that divides P (P not zero).
int PotenciaDeX(const PoliExacto &p)
{
    int j = 0;
    while (p.CoeficienteEsCero(j))
        ++j;
    return j;
}

// P / x^j.
PoliExacto SinPotenciaDeX(const PoliExacto &p, int j)
{
    std::vector<Racional> coef;
    for (int k = j; k <= p.Grado(); ++k)
        coef.push_back(p.Coeficiente(k));
    return PoliExacto::DesdeCoeficientes(coef);
}

// Whether the two values of y in a y^2 + b y + c, real or not, lie closer
// than sqrt(tol) together: |b^2 - 4ac| / a^2 below tol, a rule that a
// constant factor does not change (for a monic quadratic, |D| < tol).
bool DiscriminanteCasiNulo(const Racional &d, const Racional &a, const Racional &tol)
{
    return d.Abs() < tol * a * a;
}

// Whether the discriminant b^2 - 4ac is surely too far from zero for the
// rule, told from the nearest doubles of a, b and c: each within half a
// unit in its last place, the discriminant in doubles is within 10^-14 of
// b^2 + 4|ac| of the exact one, far below the rule's margin. Most
// quadratics are decided so, without exact products; false where the
// doubles cannot tell (close to the rule, or out of their normal range).
bool LejosDeCero(double a, double b, double c, double tol)
{
    const double b2 = b * b, ac4 = 4 * std::fabs(a * c), a2 = a * a;
    const double d = std::fabs(b * b - 4 * a * c);
    const double error = 1e-14 * (b2 + ac4);
    for (const double v : {b2, ac4, a2, d})
        if (!std::isfinite(v) || (v != 0 && !std::isnormal(v)))
            return false;
    if (!std::isnormal(a2) || (b2 + ac4) < 1e-280)
        return false;
    return d - error > tol * a2 * (1 + 1e-14);
}

// Q = a x^(2K) + b x^K + c, c not zero, with a discriminant b^2 - 4ac that
// is not zero but nearly so (DiscriminanteCasiNulo): its two values of x^K
// are taken as the one -b/2a, so Q becomes a (x^K + b/2a)^2. Empty for any
// other Q. The record's tolerance is read only for a Q of that shape.
std::optional<PoliExacto> ConRaizDoble(const PoliExacto &q, const CollFuncPolin &registro)
{
    const int n = q.Grado();
    if (n < 2 || n % 2 != 0)
        return std::nullopt;
    const int k = n / 2;
    for (int e = 1; e < n; ++e)
        if (e != k && !q.CoeficienteEsCero(e))
            return std::nullopt;
    if (q.CoeficienteEsCero(k))
        return std::nullopt; // a binomial
    if (LejosDeCero(q.CoeficienteDouble(n), q.CoeficienteDouble(k), q.CoeficienteDouble(0), registro.Tolerancia()))
        return std::nullopt;
    // Over their common denominator, which D / a^2 does not see: whole
    // numbers, no fraction reduced.
    const Racional a = q.NumeradorComun(n), b = q.NumeradorComun(k), c = q.NumeradorComun(0);
    const Racional d = b * b - a * Racional(4) * c;
    if (d.EsCero() || !DiscriminanteCasiNulo(d, a, registro.ToleranciaExacta()))
        return std::nullopt;
    // b / 2a is the same over any denominator; the leading coefficient is
    // q's own.
    const PoliExacto base = PoliExacto::Monomio(Racional(1), k) + PoliExacto::Constante(b / (Racional(2) * a));
    return q.Coeficiente(n) * (base * base);
}

} // namespace

void CollFuncPolin::CalculaRaices(std::int16_t t)
{
    PoliPtr w;
    switch (t) {
    case 0: w = m_polin; break;
    case 1: w = m_polder1; break;
    case 2: w = m_polder2; break;
    default: return; // no such polynomial
    }
    if (!w || w->Exacto().Grado() < 1)
        return;

    // The root 0 comes from the power of x; the quadratic rule reads the
    // three terms that are left.
    const PoliExacto &p = w->Exacto();
    const int ceros = PotenciaDeX(p);
    // P itself unless either takes something from it.
    std::optional<PoliExacto> cambiado;
    if (ceros > 0)
        cambiado = SinPotenciaDeX(p, ceros);
    if (std::optional<PoliExacto> doble = ConRaizDoble(cambiado ? *cambiado : p, *this))
        cambiado = std::move(doble);
    const PoliExacto &resto = cambiado ? *cambiado : p;

    // The roots of the polynomial one derivative up, when the record has
    // them, separate these (Rolle): the exact search may start from them.
    // Both lists keep their room from call to call on this thread.
    thread_local std::vector<double> separadores;
    thread_local std::vector<RaizMultiple> halladas;
    separadores.clear();
    halladas.clear();
    for (const RaizPtr &r : m_raices)
        if (r->tipopol() == t - 1 && (separadores.empty() || separadores.back() != r->Raiz()))
            separadores.push_back(r->Raiz());

    // Every distinct real root, its multiplicity decided exactly; only the
    // record's own tolerance merges them further (Coloca).
    if (ceros > 0)
        halladas.push_back({0.0, ceros});
    if (t == 0)
        m_busqueda.entradas.clear();
    for (const RaizExacta &r : RaicesExactas::Calcula(resto, separadores, &m_busqueda))
        halladas.push_back({r.valor, r.multiplicidad});
    std::sort(halladas.begin(), halladas.end(),
              [](const RaizMultiple &a, const RaizMultiple &b) { return a.valor < b.valor; });
    AgregaHalladas(halladas, t);
}

void CollFuncPolin::AgregaHalladas(std::span<const RaizMultiple> halladas, std::int16_t t)
{
    // Every root stored in one allocation, each copy of a multiple root an
    // object of its own; the block lives as long as any of them.
    std::size_t total = 0;
    for (const RaizMultiple &r : halladas)
        total += static_cast<std::size_t>(r.multiplicidad);
    if (total == 0)
        return;
    const auto bloque = std::make_shared<ClsRaices[]>(total);
    m_raices.reserve(m_raices.size() + total);
    // Roots of a lower type come before every place a root of type t can
    // take, so the search for it starts past the first run of them.
    std::size_t desde = 0;
    while (desde < m_raices.size() && m_raices[desde]->tipopol() < t)
        ++desde;
    std::size_t k = 0;
    for (const RaizMultiple &r : halladas)
        for (int i = 0; i < r.multiplicidad; ++i)
            Coloca(RaizPtr(bloque, &bloque[k++]), r.valor, t, desde);
}

void CollFuncPolin::RaicesDirectas(PoliPtr &pol, std::int16_t t)
{
    if (pol && pol->Cuenta() >= 1) {
        const auto &terminos = pol->terminos();
        const double c1 = terminos[0]->coef();
        const double c2 = terminos.size() > 1 ? terminos[1]->coef() : 0.0;
        const double q = -c2 / c1;
        const std::int16_t n = terminos[0]->expon();
        RaizMultiple halladas[2];
        std::size_t k = 0;
        if (n == 1) {
            halladas[k++].valor = q;
        } else if (n > 1) {
            const double r = std::pow(std::fabs(q), 1.0 / n);
            if (n % 2 == 0) {
                if (q > 0) {
                    halladas[k++].valor = r;
                    halladas[k++].valor = -r;
                }
            } else {
                const double signo = q > 0 ? 1.0 : (q < 0 ? -1.0 : 0.0);
                halladas[k++].valor = signo * r;
            }
        }
        AgregaHalladas({halladas, k}, t);
    }
    pol = m_poliVacio;
}

bool CollFuncPolin::RaicesCuadrat(PoliPtr &pol, double &x1, double &x2)
{
    if (!pol || pol->Grado() != 2) {
        rt::MuestraAviso("Error fatal: Trata de sacar raices a un polin no cuadratico");
        pol = m_poliVacio;
        return false;
    }
    const PoliExacto q = pol->Exacto();
    pol = m_poliVacio;
    const Racional a = q.Coeficiente(2), b = q.Coeficiente(1), c = q.Coeficiente(0);
    const Racional d = b * b - a * Racional(4) * c;
    // Roots closer than the square root of the tolerance, or complex ones
    // as close, are taken as the double root.
    if (DiscriminanteCasiNulo(d, a, ToleranciaExacta())) {
        x1 = x2 = (-b / (Racional(2) * a)).ADouble();
        return true;
    }
    if (d.Signo() < 0)
        return false;
    // x1 the root of the larger size, as (-b -+ sqrt(D)) / 2a with the sign
    // that adds up; x2 the other.
    const std::vector<RaizExacta> raices = RaicesExactas::Calcula(q);
    const double menor = raices.front().valor, mayor = raices.back().valor;
    const bool mayorPrimero =
        std::fabs(mayor) > std::fabs(menor) || (std::fabs(mayor) == std::fabs(menor) && a.Signo() > 0);
    x1 = mayorPrimero ? mayor : menor;
    x2 = mayorPrimero ? menor : mayor;
    return true;
}

void CollFuncPolin::CalculaCotas(const PoliPtr &pol, double &cpos, double &cneg)
{
    RaicesReales::Cotas(pol ? pol->A_Arreglo() : std::vector<double>{}, cpos, cneg);
}
