#include "RaicesExactas.h"

#include "PuenteFlint.h"

#include <acb.h>
#include <arb_fmpz_poly.h>
#include <flint/fmpz_poly.h>
#include <flint/fmpz_poly_factor.h>

#include <algorithm>

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

// The real roots of a square-free integer polynomial of degree >= 2.
void RaicesDeFactor(const fmpz_poly_t f, int multiplicidad, std::vector<RaizExacta> &raices)
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

} // namespace

std::vector<RaizExacta> RaicesExactas::Calcula(const PoliExacto &p)
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
        } else if (fmpz_poly_degree(g) > 1) {
            RaicesDeFactor(g, m, raices);
        }
    }
    fmpz_poly_factor_clear(fac);
    fmpz_poly_clear(f);
    std::sort(raices.begin(), raices.end(),
              [](const RaizExacta &a, const RaizExacta &b) { return a.izquierda < b.izquierda; });
    return raices;
}

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
