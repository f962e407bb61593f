#include "AislamientoDescartes.h"

#include "PuenteFlint.h"

#include <algorithm>
#include <utility>

namespace {

// Sign changes along the coefficients, zeros skipped.
slong Variaciones(const fmpz_poly_t g)
{
    slong cambios = 0;
    int anterior = 0;
    for (slong i = 0; i < fmpz_poly_length(g); ++i) {
        const int s = fmpz_sgn(g->coeffs + i);
        if (s == 0)
            continue;
        cambios += anterior != 0 && s != anterior;
        anterior = s;
    }
    return cambios;
}

// A bound, by Descartes, of the roots of g in (0, 1): the sign changes of
// (x + 1)^n g(1 / (x + 1)), exact when it is 0 or 1.
slong VariacionesEnUnidad(const fmpz_poly_t g, fmpz_poly_t aux)
{
    const slong largo = fmpz_poly_length(g);
    fmpz_poly_reverse(aux, g, largo);
    fmpz_t uno;
    fmpz_init_set_ui(uno, 1);
    _fmpz_poly_taylor_shift(aux->coeffs, uno, largo);
    fmpz_clear(uno);
    return Variaciones(aux);
}

// 2^e with every root of f below it in size (Fujiwara's bound: twice the
// largest |a(n-i) / a(n)|^(1/i)), worked on the bit lengths.
slong ExponenteCota(const fmpz_poly_t f)
{
    const slong n = fmpz_poly_degree(f);
    const slong principal = static_cast<slong>(fmpz_bits(f->coeffs + n));
    slong e = 0;
    for (slong i = 1; i <= n; ++i) {
        const fmpz *c = f->coeffs + n - i;
        if (fmpz_is_zero(c))
            continue;
        const slong sobra = static_cast<slong>(fmpz_bits(c)) - principal + 1;
        const slong raiz = sobra > 0 ? (sobra + i - 1) / i : -((-sobra) / i);
        e = std::max(e, raiz + 1);
    }
    return e + 1;
}

// Takes out of g the power of two common to its coefficients.
void QuitaPotenciaDeDos(fmpz_poly_t g)
{
    flint_bitcnt_t menor = ~flint_bitcnt_t{0};
    for (slong i = 0; i < fmpz_poly_length(g); ++i)
        if (!fmpz_is_zero(g->coeffs + i))
            menor = std::min(menor, fmpz_val2(g->coeffs + i));
    if (menor != ~flint_bitcnt_t{0} && menor > 0)
        fmpz_poly_scalar_fdiv_2exp(g, g, menor);
}

// c / 2^j times s 2^e.
Racional Punto(const fmpz_t c, slong j, slong e, int s)
{
    Racional r;
    fmpz_mul_2exp(fmpq_numref(Flint(r)), c, static_cast<ulong>(e));
    if (s < 0)
        fmpz_neg(fmpq_numref(Flint(r)), fmpq_numref(Flint(r)));
    fmpz_one(fmpq_denref(Flint(r)));
    fmpz_mul_2exp(fmpq_denref(Flint(r)), fmpq_denref(Flint(r)), static_cast<ulong>(j));
    fmpq_canonicalise(Flint(r));
    return r;
}

struct Tramo {
    fmpz_poly_struct *g; // f on the stretch, scaled to (0, 1)
    fmpz_t c;            // the stretch is (c / 2^j, (c + 1) / 2^j)
    slong j;
};

// The roots of f in (0, 2^e) when s is 1, in (-2^e, 0) when s is -1.
void AislaDeUnLado(const fmpz_poly_t f, slong e, int s, std::vector<IntervaloAislante> &intervalos)
{
    const slong n = fmpz_poly_degree(f);
    // g(t) = f(s 2^e t).
    fmpz_poly_struct *g0 = new fmpz_poly_struct;
    fmpz_poly_init(g0);
    fmpz_poly_set(g0, f);
    for (slong i = 0; i <= n; ++i) {
        fmpz_mul_2exp(g0->coeffs + i, g0->coeffs + i, static_cast<ulong>(e * i));
        if (s < 0 && i % 2 == 1)
            fmpz_neg(g0->coeffs + i, g0->coeffs + i);
    }
    std::vector<Tramo> pila(1);
    pila[0].g = g0;
    fmpz_init(pila[0].c);
    pila[0].j = 0;
    fmpz_poly_t aux, lineal;
    fmpz_poly_init(aux);
    fmpz_poly_init(lineal);
    fmpz_poly_set_coeff_si(lineal, 1, 1);
    fmpz_poly_set_coeff_si(lineal, 0, -1);
    fmpz_t siguiente;
    fmpz_init(siguiente);
    while (!pila.empty()) {
        Tramo t = pila.back();
        pila.pop_back();
        const slong v = fmpz_poly_degree(t.g) < 1 ? 0 : VariacionesEnUnidad(t.g, aux);
        if (v == 1) {
            fmpz_add_ui(siguiente, t.c, 1);
            IntervaloAislante r;
            r.izquierda = Punto(t.c, t.j, e, s);
            r.derecha = Punto(siguiente, t.j, e, s);
            if (s < 0)
                std::swap(r.izquierda, r.derecha);
            intervalos.push_back(std::move(r));
        }
        if (v <= 1) {
            fmpz_poly_clear(t.g);
            delete t.g;
            fmpz_clear(t.c);
            continue;
        }
        // Left half: 2^m g(t / 2); right half: that at t + 1.
        const slong m = fmpz_poly_degree(t.g);
        for (slong i = 0; i <= m; ++i)
            fmpz_mul_2exp(t.g->coeffs + i, t.g->coeffs + i, static_cast<ulong>(m - i));
        fmpz_poly_struct *derecha = new fmpz_poly_struct;
        fmpz_poly_init(derecha);
        fmpz_poly_set(derecha, t.g);
        fmpz_t uno;
        fmpz_init_set_ui(uno, 1);
        _fmpz_poly_taylor_shift(derecha->coeffs, uno, fmpz_poly_length(derecha));
        fmpz_clear(uno);
        Tramo der;
        der.g = derecha;
        fmpz_init(der.c);
        fmpz_mul_2exp(der.c, t.c, 1);
        fmpz_add_ui(der.c, der.c, 1);
        der.j = t.j + 1;
        if (fmpz_is_zero(derecha->coeffs)) {
            // The middle is a root, exactly: taken out of both halves.
            IntervaloAislante r;
            r.izquierda = r.derecha = Punto(der.c, der.j, e, s);
            intervalos.push_back(std::move(r));
            fmpz_poly_shift_right(derecha, derecha, 1);
            fmpz_poly_div(t.g, t.g, lineal);
        }
        QuitaPotenciaDeDos(t.g);
        QuitaPotenciaDeDos(derecha);
        fmpz_mul_2exp(t.c, t.c, 1);
        ++t.j;
        pila.push_back(der);
        pila.push_back(t);
    }
    fmpz_clear(siguiente);
    fmpz_poly_clear(aux);
    fmpz_poly_clear(lineal);
}

} // namespace

std::vector<IntervaloAislante> AislaRaicesReales(const fmpz_poly_t f)
{
    std::vector<IntervaloAislante> intervalos;
    if (fmpz_poly_degree(f) < 1)
        return intervalos;
    fmpz_poly_t g;
    fmpz_poly_init(g);
    fmpz_poly_set(g, f);
    if (fmpz_is_zero(g->coeffs)) {
        intervalos.push_back({Racional(0), Racional(0)});
        fmpz_poly_shift_right(g, g, 1);
    }
    if (fmpz_poly_degree(g) >= 1) {
        const slong e = ExponenteCota(g);
        AislaDeUnLado(g, e, 1, intervalos);
        AislaDeUnLado(g, e, -1, intervalos);
    }
    fmpz_poly_clear(g);
    std::sort(intervalos.begin(), intervalos.end(),
              [](const IntervaloAislante &a, const IntervaloAislante &b) { return a.izquierda < b.izquierda; });
    return intervalos;
}
