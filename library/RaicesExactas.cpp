#include "RaicesExactas.h"

#include "PuenteFlint.h"
#include "RaicesReales.h"

#include <acb.h>
#include <arb_fmpz_poly.h>
#include <flint/fmpz_poly.h>
#include <flint/fmpz_poly_factor.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// P with its denominators cleared and its content taken out: the same
// roots, integer coefficients.
void Primitivo(fmpz_poly_t f, const PoliExacto &p)
{
    fmpq_poly_get_numerator(f, Flint(p));
    fmpz_poly_primitive_part(f, f);
}

int SignoEn(const fmpz_poly_t f, const Racional &x)
{
    Racional v;
    fmpz_poly_evaluate_fmpq(Flint(v), f, Flint(x));
    return v.Signo();
}

Racional DesdeArf(const arf_t a)
{
    Racional r;
    arf_get_fmpq(Flint(r), a);
    return r;
}

// Narrows [a, b], where the square-free f changes sign once, until both
// ends round to the same double; that double is the one nearest the root.
void Estrecha(const fmpz_poly_t f, RaizExacta &raiz)
{
    int sa = SignoEn(f, raiz.izquierda);
    if (sa == 0) {
        raiz.derecha = raiz.izquierda;
    } else if (SignoEn(f, raiz.derecha) == 0) {
        raiz.izquierda = raiz.derecha;
    }
    const Racional medio(1, 2);
    for (int paso = 0; paso < 400 && !raiz.EsRacional(); ++paso) {
        if (raiz.izquierda.ADouble() == raiz.derecha.ADouble())
            break;
        Racional m = (raiz.izquierda + raiz.derecha) * medio;
        // A short decimal in the middle third is tried first: the roots of
        // this program are mostly typed decimals.
        const Racional corto = Racional::DesdeDouble(m.ADouble());
        if (corto > raiz.izquierda && corto < raiz.derecha)
            m = corto;
        const int sm = SignoEn(f, m);
        if (sm == 0) {
            raiz.izquierda = raiz.derecha = m;
        } else if (sm == sa) {
            raiz.izquierda = m;
        } else {
            raiz.derecha = m;
        }
    }
    raiz.valor = ((raiz.izquierda + raiz.derecha) * medio).ADouble();
}

// The real roots of a square-free integer polynomial of degree >= 2,
// isolated by Arb.
void RaicesConArb(const fmpz_poly_t f, int multiplicidad, std::vector<RaizExacta> &raices)
{
    const slong reales = fmpz_poly_num_real_roots(f);
    if (reales <= 0)
        return;
    const slong n = fmpz_poly_degree(f);
    acb_ptr z = _acb_vec_init(n);
    arb_fmpz_poly_complex_roots(z, f, 0, 80);
    arf_t lo, hi;
    arf_init(lo);
    arf_init(hi);
    for (slong i = 0; i < reales; ++i) {
        RaizExacta r;
        r.multiplicidad = multiplicidad;
        arb_get_lbound_arf(lo, acb_realref(z + i), 80);
        arb_get_ubound_arf(hi, acb_realref(z + i), 80);
        r.izquierda = DesdeArf(lo);
        r.derecha = DesdeArf(hi);
        Estrecha(f, r);
        raices.push_back(std::move(r));
    }
    arf_clear(lo);
    arf_clear(hi);
    _acb_vec_clear(z, n);
}

// A double as m 2^e, m a whole number (0 for zero).
struct Diadico {
    std::int64_t m = 0;
    int e = 0;
};

Diadico Descompone(double x)
{
    int e = 0;
    const double f = std::frexp(x, &e);
    return {static_cast<std::int64_t>(std::ldexp(f, 53)), e - 53};
}

// The point halfway between two finite doubles, exactly.
Racional Medio(double x, double y)
{
    const Diadico a = Descompone(x), b = Descompone(y);
    // Each mantissa has 53 bits and the exponents of neighbours differ by
    // at most one, so the sum fits; zero has no exponent to speak of.
    const int e = a.m == 0 ? b.e : (b.m == 0 ? a.e : std::min(a.e, b.e));
    const std::int64_t m = (a.m == 0 ? 0 : a.m << (a.e - e)) + (b.m == 0 ? 0 : b.m << (b.e - e));
    Racional r;
    fmpz_set_si(fmpq_numref(Flint(r)), m);
    fmpz_one(fmpq_denref(Flint(r)));
    if (e - 1 >= 0)
        fmpz_mul_2exp(fmpq_numref(Flint(r)), fmpq_numref(Flint(r)), static_cast<ulong>(e - 1));
    else
        fmpz_mul_2exp(fmpq_denref(Flint(r)), fmpq_denref(Flint(r)), static_cast<ulong>(1 - e));
    fmpq_canonicalise(Flint(r));
    return r;
}

// A whole number beyond every real root of f (Cauchy's bound).
Racional Cota(const fmpz_poly_t f)
{
    const slong n = fmpz_poly_degree(f);
    fmpz_t mayor, c;
    fmpz_init(mayor);
    fmpz_init(c);
    for (slong k = 0; k < n; ++k)
        if (fmpz_cmpabs(f->coeffs + k, mayor) > 0)
            fmpz_abs(mayor, f->coeffs + k);
    fmpz_abs(c, f->coeffs + n);
    fmpz_cdiv_q(mayor, mayor, c);
    fmpz_add_ui(mayor, mayor, 1);
    Racional b;
    fmpz_set(fmpq_numref(Flint(b)), mayor);
    fmpz_clear(mayor);
    fmpz_clear(c);
    return b;
}

// The roots of a square-free integer polynomial of degree >= 2 by the
// search in doubles, each proved exactly. f has no more real roots than
// were found (its degree, or its count of real roots, says so); then either f changes sign between the points halfway to
// the neighbouring doubles of every root found (so a root lies there and
// its double is the nearest to it), or, where rounding put the double
// search off, between short decimals that separate the roots found, and
// the bracket is narrowed by exact signs. False, with nothing added, when
// any of it fails.
bool RaicesRapidas(const fmpz_poly_t f, int multiplicidad, std::vector<RaizExacta> &raices)
{
    const slong n = fmpz_poly_degree(f);
    std::vector<double> coef(static_cast<std::size_t>(n) + 1);
    for (slong k = 0; k <= n; ++k) {
        coef[static_cast<std::size_t>(k)] = fmpz_get_d(f->coeffs + k);
        if (!std::isfinite(coef[static_cast<std::size_t>(k)]))
            return false;
    }
    const std::vector<RaizMultiple> halladas = RaicesReales::Calcula(coef);
    // As many roots as the degree leaves nothing to count; the count itself
    // is slow on long factors with large coefficients.
    const auto hallados = static_cast<slong>(halladas.size());
    if (hallados > n || (hallados < n && hallados != fmpz_poly_num_real_roots(f)))
        return false;
    std::vector<RaizExacta> nuevas(halladas.size());
    std::vector<bool> probada(halladas.size(), false);
    bool todas = true;
    for (std::size_t i = 0; i < halladas.size(); ++i) {
        const double x = halladas[i].valor;
        if (halladas[i].multiplicidad != 1 || (i > 0 && !(halladas[i - 1].valor < x)))
            return false;
        RaizExacta &r = nuevas[i];
        r.multiplicidad = multiplicidad;
        r.valor = x;
        const double abajo = std::nextafter(x, -HUGE_VAL), arriba = std::nextafter(x, HUGE_VAL);
        if (std::isfinite(abajo) && std::isfinite(arriba)) {
            r.izquierda = Medio(abajo, x);
            r.derecha = Medio(x, arriba);
            const int si = SignoEn(f, r.izquierda);
            probada[i] = si != 0 && SignoEn(f, r.derecha) == -si;
        }
        todas = todas && probada[i];
    }
    if (!todas) {
        // Separators: beyond the roots on either side, and a short decimal
        // between each two found; f must change sign between consecutive
        // ones, and then each stretch holds exactly one root.
        const Racional cota = Cota(f);
        std::vector<Racional> separa{-cota};
        for (std::size_t i = 0; i + 1 < halladas.size(); ++i) {
            Racional m = Racional::DesdeDouble(halladas[i].valor / 2 + halladas[i + 1].valor / 2);
            if (!(Racional::DesdeDouble(halladas[i].valor) < m && m < Racional::DesdeDouble(halladas[i + 1].valor)))
                m = (Medio(halladas[i].valor, halladas[i].valor) + Medio(halladas[i + 1].valor, halladas[i + 1].valor))
                    * Racional(1, 2);
            separa.push_back(std::move(m));
        }
        separa.push_back(cota);
        std::vector<int> signos;
        for (const Racional &x : separa)
            signos.push_back(SignoEn(f, x));
        for (std::size_t i = 0; i < halladas.size(); ++i) {
            if (signos[i] == 0 || signos[i + 1] != -signos[i])
                return false;
            RaizExacta &r = nuevas[i];
            if (probada[i] && separa[i] < r.izquierda && r.derecha < separa[i + 1])
                continue;
            r.izquierda = separa[i];
            r.derecha = separa[i + 1];
            Estrecha(f, r);
        }
    }
    for (RaizExacta &r : nuevas)
        raices.push_back(std::move(r));
    return true;
}

// Every distinct real root of p; conBusqueda tries the search in doubles on
// each square-free factor before Arb.
std::vector<RaizExacta> Raices(const PoliExacto &p, bool conBusqueda)
{
    std::vector<RaizExacta> raices;
    if (p.Grado() < 1)
        return raices;
    fmpz_poly_t f;
    fmpz_poly_init(f);
    Primitivo(f, p);
    fmpz_poly_factor_t fac;
    fmpz_poly_factor_init(fac);
    fmpz_poly_factor_squarefree(fac, f);
    for (slong i = 0; i < fac->num; ++i) {
        const fmpz_poly_struct *g = fac->p + i;
        const int m = static_cast<int>(fac->exp[i]);
        if (fmpz_poly_degree(g) == 1) {
            RaizExacta r;
            r.multiplicidad = m;
            fmpz_neg(fmpq_numref(Flint(r.izquierda)), g->coeffs);
            fmpz_set(fmpq_denref(Flint(r.izquierda)), g->coeffs + 1);
            fmpq_canonicalise(Flint(r.izquierda));
            r.derecha = r.izquierda;
            r.valor = r.izquierda.ADouble();
            raices.push_back(std::move(r));
        } else if (fmpz_poly_degree(g) > 1 && !(conBusqueda && RaicesRapidas(g, m, raices))) {
            RaicesConArb(g, m, raices);
        }
    }
    fmpz_poly_factor_clear(fac);
    fmpz_poly_clear(f);
    std::sort(raices.begin(), raices.end(),
              [](const RaizExacta &a, const RaizExacta &b) { return a.izquierda < b.izquierda; });
    return raices;
}

} // namespace

std::vector<RaizExacta> RaicesExactas::Calcula(const PoliExacto &p) { return Raices(p, true); }

std::vector<RaizExacta> RaicesExactas::CalculaConArb(const PoliExacto &p) { return Raices(p, false); }

PoliExacto RaicesExactas::LibreDeCuadrados(const PoliExacto &p)
{
    if (p.Grado() < 1)
        return p;
    PoliExacto g, resto;
    fmpq_poly_gcd(Flint(g), Flint(p), Flint(p.Derivada()));
    return p.Divide(g, resto);
}

int RaicesExactas::CuentaDistintas(const PoliExacto &p)
{
    if (p.Grado() < 1)
        return 0;
    const PoliExacto s = LibreDeCuadrados(p);
    fmpz_poly_t f;
    fmpz_poly_init(f);
    Primitivo(f, s);
    const slong n = fmpz_poly_degree(f) >= 1 ? fmpz_poly_num_real_roots(f) : 0;
    fmpz_poly_clear(f);
    return static_cast<int>(n);
}
