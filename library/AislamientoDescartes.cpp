#include "AislamientoDescartes.h"

#include "PuenteFlint.h"

#include <arb_poly.h>

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
    slong vPadre = -1;   // the sign changes of the stretch it was halved from
    slong racha = 0;     // halvings since the count last changed
    slong salto = 16;    // bits of the next zoom tried
};

// h(t) = 2^(N m) g(t / 2^N), m the degree of g: g on (0, 2^-N) scaled to
// (0, 1), whole coefficients.
void Encoge(fmpz_poly_t h, const fmpz_poly_t g, slong n)
{
    const slong m = fmpz_poly_degree(g);
    fmpz_poly_set(h, g);
    for (slong i = 0; i <= m; ++i)
        fmpz_mul_2exp(h->coeffs + i, h->coeffs + i, static_cast<ulong>(n * (m - i)));
}

// h(t) becomes h(k t).
void Estira(fmpz_poly_t h, const fmpz_t k)
{
    fmpz_t potencia;
    fmpz_init_set_ui(potencia, 1);
    for (slong i = 1; i < fmpz_poly_length(h); ++i) {
        fmpz_mul(potencia, potencia, k);
        fmpz_mul(h->coeffs + i, h->coeffs + i, potencia);
    }
    fmpz_clear(potencia);
}

// Where the cluster of v roots of g in (0, 1) (v the sign changes there)
// lies: Newton's steps on the (v - 1)-th derivative, which has a simple
// root among them, from the middle, worked on balls of prec bits. A guess
// only: the zoom it leads to is proved by Descartes' rule.
bool Racimo(const fmpz_poly_t g, slong v, slong prec, arf_t lugar)
{
    arb_poly_t h;
    arb_poly_init(h);
    arb_poly_set_fmpz_poly(h, g, prec);
    for (slong k = 1; k < v; ++k)
        arb_poly_derivative(h, h, prec);
    arb_t x, y, d;
    arb_init(x), arb_init(y), arb_init(d);
    arb_set_d(x, 0.5);
    bool bien = false;
    for (int paso = 0; paso < 60; ++paso) {
        arb_poly_evaluate2(y, d, h, x, prec);
        if (arb_contains_zero(d))
            break;
        arb_div(y, y, d, prec);
        arb_sub(x, x, y, prec);
        arb_get_mid_arb(x, x);
        // The step is below the zoom's width: x is as good as it needs.
        if (arf_cmpabs_2exp_si(arb_midref(y), -(prec - 48)) < 0) {
            bien = true;
            break;
        }
    }
    bien = bien && arf_sgn(arb_midref(x)) > 0 && arf_cmp_si(arb_midref(x), 1) < 0;
    if (bien)
        arf_set(lugar, arb_midref(x));
    arb_clear(x), arb_clear(y), arb_clear(d);
    arb_poly_clear(h);
    return bien;
}

// A cluster of roots far closer together than its stretch would take a
// halving for every bit between the stretch and the cluster. Instead, its
// place guessed, the stretch goes at once to the cell of width 2^-N that
// holds the guess when Descartes' rule proves no root of g on (0, 1)
// outside that cell (none on either side, none at its ends). True, and t
// is that cell, when it does.
bool Acerca(Tramo &t, slong v, fmpz_poly_t aux)
{
    const slong n = t.salto;
    arf_t lugar;
    arf_init(lugar);
    fmpz_t c, resto;
    fmpz_init(c), fmpz_init(resto);
    bool bien = Racimo(t.g, v, n + 64, lugar);
    if (bien) {
        arf_mul_2exp_si(lugar, lugar, n);
        arf_get_fmpz(c, lugar, ARF_RND_FLOOR);
        // 2^N - c - 1: the cells right of c.
        fmpz_one(resto);
        fmpz_mul_2exp(resto, resto, static_cast<ulong>(n));
        fmpz_sub(resto, resto, c);
        fmpz_sub_ui(resto, resto, 1);
        bien = fmpz_sgn(c) >= 0 && fmpz_sgn(resto) >= 0;
    }
    fmpz_poly_t celda, lado;
    fmpz_poly_init(celda), fmpz_poly_init(lado);
    if (bien) {
        Encoge(celda, t.g, n);
        // Left of the cell: g on (0, c / 2^N).
        if (!fmpz_is_zero(c)) {
            fmpz_poly_set(lado, celda);
            Estira(lado, c);
            bien = VariacionesEnUnidad(lado, aux) == 0;
        }
    }
    if (bien) {
        // Right of it: g on ((c + 1) / 2^N, 1).
        if (!fmpz_is_zero(resto)) {
            fmpz_poly_set(lado, celda);
            fmpz_t siguiente;
            fmpz_init_set(siguiente, c);
            fmpz_add_ui(siguiente, siguiente, 1);
            _fmpz_poly_taylor_shift(lado->coeffs, siguiente, fmpz_poly_length(lado));
            fmpz_clear(siguiente);
            Estira(lado, resto);
            bien = VariacionesEnUnidad(lado, aux) == 0;
        }
    }
    if (bien) {
        // The cell itself; its ends must not be roots.
        _fmpz_poly_taylor_shift(celda->coeffs, c, fmpz_poly_length(celda));
        fmpz_t suma;
        fmpz_init(suma);
        for (slong i = 0; i < fmpz_poly_length(celda); ++i)
            fmpz_add(suma, suma, celda->coeffs + i);
        bien = !fmpz_is_zero(celda->coeffs) && !fmpz_is_zero(suma);
        fmpz_clear(suma);
    }
    if (bien) {
        fmpz_poly_swap(t.g, celda);
        fmpz_mul_2exp(t.c, t.c, static_cast<ulong>(n));
        fmpz_add(t.c, t.c, c);
        t.j += n;
    }
    fmpz_poly_clear(celda), fmpz_poly_clear(lado);
    fmpz_clear(c), fmpz_clear(resto);
    arf_clear(lugar);
    return bien;
}

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
        // A cluster that three halvings in a row left whole is zoomed into,
        // again at once and twice as far while the zoom holds, half as far
        // after a miss.
        t.racha = v == t.vPadre ? t.racha + 1 : 0;
        if (v >= 2 && t.racha >= 3) {
            if (Acerca(t, v, aux)) {
                t.salto = std::min<slong>(2 * t.salto, 1 << 14);
                t.vPadre = v;
                t.racha = 2;
                pila.push_back(t);
                continue;
            }
            t.salto = std::max<slong>(t.salto / 2, 4);
            t.racha = 0;
        }
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
        Encoge(t.g, t.g, 1);
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
        der.vPadre = t.vPadre = v;
        der.racha = t.racha;
        der.salto = t.salto;
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
