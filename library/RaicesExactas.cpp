#include "RaicesExactas.h"

#include "AislamientoDescartes.h"
#include "PuenteFlint.h"
#include "RaicesRacionales.h"
#include "RaicesReales.h"

#include <acb.h>
#include <arb_fmpz_poly.h>
#include <arb_poly.h>
#include <flint/fmpz_poly.h>
#include <flint/fmpz_poly_factor.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <optional>

namespace {

// P with its denominators cleared and its content taken out: the same
// roots, integer coefficients.
void Primitivo(fmpz_poly_t f, const PoliExacto &p)
{
    fmpq_poly_get_numerator(f, Flint(p));
    fmpz_poly_primitive_part(f, f);
}

// The sign of f(a/b), b > 0, as that of b^n f(a/b) = sum c_k a^k b^(n-k),
// by Horner in whole numbers: no fraction is ever reduced. On GMP's
// numbers kept from call to call: FLINT's small whole numbers would be
// made big and freed again at every step.
int SignoEn(const fmpz_poly_t f, const Racional &x)
{
    const slong n = fmpz_poly_degree(f);
    if (n < 0)
        return 0;
    struct Espacio {
        mpz_t a, b, suma, potencia, c;
        Espacio()
        {
            mpz_init(a), mpz_init(b), mpz_init(suma), mpz_init(potencia), mpz_init(c);
        }
        ~Espacio()
        {
            mpz_clear(a), mpz_clear(b), mpz_clear(suma), mpz_clear(potencia), mpz_clear(c);
        }
    };
    thread_local Espacio e;
    fmpz_get_mpz(e.a, fmpq_numref(Flint(x)));
    fmpz_get_mpz(e.b, fmpq_denref(Flint(x)));
    fmpz_get_mpz(e.suma, f->coeffs + n);
    mpz_set_ui(e.potencia, 1);
    // A denominator 2^s, as at the points halfway between doubles: shifts.
    const bool diadico = mpz_popcount(e.b) == 1;
    const mp_bitcnt_t s = diadico ? mpz_scan1(e.b, 0) : 0;
    for (slong k = n - 1; k >= 0; --k) {
        mpz_mul(e.suma, e.suma, e.a);
        if (diadico)
            mpz_mul_2exp(e.potencia, e.potencia, s);
        else
            mpz_mul(e.potencia, e.potencia, e.b);
        if (!fmpz_is_zero(f->coeffs + k)) {
            fmpz_get_mpz(e.c, f->coeffs + k);
            mpz_addmul(e.suma, e.c, e.potencia);
        }
    }
    return mpz_sgn(e.suma);
}

bool PuedeSerRaiz(const fmpz_poly_t f, const Racional &c);

Racional DesdeArf(const arf_t a)
{
    Racional r;
    arf_get_fmpq(Flint(r), a);
    return r;
}

// f at a point from a ball of its value, exactly only where the ball
// holds zero: far cheaper on long polynomials with large coefficients,
// whose exact values run to thousands of bits. The working precision
// grows where cancellation eats it, up to a ceiling beyond which the
// exact value is cheaper.
class Evaluador {
public:
    explicit Evaluador(const fmpz_poly_t f)
        : m_f(f)
    {
        const slong bits = std::abs(fmpz_poly_max_bits(f));
        m_tope = 4 * (bits + 16 * fmpz_poly_degree(f)) + 256;
        arb_poly_init(m_exacta);
        arb_poly_init(m_bola);
        arb_poly_init(m_derivada);
        arb_poly_init(m_segunda);
        // Whole coefficients, set exactly.
        arb_poly_set_fmpz_poly(m_exacta, f, bits + 8);
        Redondea();
        arb_init(m_x);
        arb_init(m_y);
        arb_init(m_d);
        arb_init(m_d2);
    }
    ~Evaluador()
    {
        arb_poly_clear(m_exacta);
        arb_poly_clear(m_bola);
        arb_poly_clear(m_derivada);
        arb_poly_clear(m_segunda);
        arb_clear(m_x);
        arb_clear(m_y);
        arb_clear(m_d);
        arb_clear(m_d2);
    }
    Evaluador(const Evaluador &) = delete;
    Evaluador &operator=(const Evaluador &) = delete;

    int Signo(const Racional &x)
    {
        for (;;) {
            arb_set_fmpq(m_x, Flint(x), m_precision);
            arb_poly_evaluate(m_y, m_bola, m_x, m_precision);
            if (arb_is_positive(m_y))
                return 1;
            if (arb_is_negative(m_y))
                return -1;
            // Near a root the value cancels: more bits, while the exact
            // value stays dearer. At a root itself no bits would do: x may
            // be one only if its numerator and denominator divide f's end
            // coefficients, and is then tried exactly at once.
            if (m_precision >= m_tope || arb_is_exact(m_y) || PuedeSerRaiz(m_f, x))
                return SignoEn(m_f, x);
            m_precision *= 2;
            Redondea();
        }
    }

    // At the double x: the sign of f and Laguerre's step (x minus it is the
    // next point), worked on balls. Laguerre's step comes in fast from
    // anywhere between two roots when every root is real, and is Newton's
    // where f' and f'' say the roots near x are not. The step is 0 where
    // no precision up to the ceiling tells f(x) from zero (x is then as
    // good as the precision can say), not a number where f' is about zero.
    struct Lectura {
        int signo = 0;
        double paso = 0.0;
    };
    Lectura Lee(double x)
    {
        arb_set_d(m_x, x);
        for (;;) {
            arb_poly_evaluate(m_y, m_bola, m_x, m_precision);
            if (arb_is_zero(m_y))
                return {0, 0.0};
            // A step is only as good as the value: a few correct bits.
            if (arb_rel_accuracy_bits(m_y) >= 16)
                break;
            if (m_precision >= m_tope)
                return {SignoEn(m_f, Exacto(x)), 0.0};
            m_precision *= 2;
            Redondea();
        }
        const int signo = arb_is_positive(m_y) ? 1 : -1;
        arb_poly_evaluate(m_d, m_derivada, m_x, m_precision);
        if (arb_contains_zero(m_d))
            return {signo, std::numeric_limits<double>::quiet_NaN()};
        arb_poly_evaluate(m_d2, m_segunda, m_x, m_precision);
        // n f / (f' +- sqrt((n - 1)((n - 1) f'^2 - n f f''))), the sign
        // that of f', is n g / (1 + sqrt((n - 1)((n - 1) - n g h))) with
        // g = f / f' and h = f'' / f'; Newton's g where the root is not real.
        arb_div(m_y, m_y, m_d, 64);
        arb_div(m_d2, m_d2, m_d, 64);
        const double g = arf_get_d(arb_midref(m_y), ARF_RND_NEAR);
        const double h = arf_get_d(arb_midref(m_d2), ARF_RND_NEAR);
        const double n = static_cast<double>(fmpz_poly_degree(m_f));
        const double disc = (n - 1) * ((n - 1) - n * (g * h));
        return {signo, disc >= 0 ? n * g / (1 + std::sqrt(disc)) : g};
    }

private:
    // The coefficients rounded to the working precision (balls that hold
    // the exact ones): long coefficients would otherwise be read whole at
    // every step of every evaluation.
    void Redondea()
    {
        arb_poly_set_round(m_bola, m_exacta, m_precision);
        arb_poly_derivative(m_derivada, m_bola, m_precision);
        arb_poly_derivative(m_segunda, m_derivada, m_precision);
    }
    static Racional Exacto(double x);
    const fmpz_poly_struct *m_f;
    arb_poly_t m_exacta, m_bola, m_derivada, m_segunda;
    arb_t m_x, m_y, m_d, m_d2;
    slong m_precision = 128;
    slong m_tope = 0;
};

// The ordered doubles as whole numbers, so that the double halfway in
// rank between two is at hand.
std::int64_t Rango(double x)
{
    const auto i = std::bit_cast<std::int64_t>(x);
    return i < 0 ? std::numeric_limits<std::int64_t>::min() - i : i;
}

double DeRango(std::int64_t i)
{
    return std::bit_cast<double>(i < 0 ? std::numeric_limits<std::int64_t>::min() - i : i);
}

double EnMedioDeRango(double a, double b)
{
    // Halved first: the difference of two ranks may overflow.
    const std::int64_t i = Rango(a), j = Rango(b);
    return DeRango((i >> 1) + (j >> 1) + (i & j & 1));
}

Racional Medio(double x, double y);

Racional Evaluador::Exacto(double x) { return Medio(x, x); }

// Narrows [izquierda, derecha], where the square-free f changes sign once,
// until both ends round to the same double; that double is the one
// nearest the root. Laguerre's steps (on balls, so never misled by
// rounding) from inicio, or from the middle, find the double, each point
// narrowing the bracket by its sign; the halfway points to its neighbours
// then prove it, moving out a few units of its last digit at a time
// should the root lie beyond; halving in the ranks of the doubles where
// Laguerre cannot go on.
void Refina(const fmpz_poly_t f, RaizExacta &raiz, double inicio = std::numeric_limits<double>::quiet_NaN())
{
    Evaluador ev(f);
    const int sa = ev.Signo(raiz.izquierda);
    if (sa == 0) {
        raiz.derecha = raiz.izquierda;
    } else if (ev.Signo(raiz.derecha) == 0) {
        raiz.izquierda = raiz.derecha;
    }
    // Moves an end of the bracket to x, where f has the sign s; true when
    // the root is left of x. An exact zero there ends the search.
    auto parte = [&](const Racional &x, int s) {
        if (s == 0)
            raiz.izquierda = raiz.derecha = x;
        else if (s == sa)
            raiz.izquierda = x;
        else
            raiz.derecha = x;
        return s != sa;
    };
    // Beyond the doubles an end has no rank: the rational bracket is
    // halved instead. True when it was.
    auto parteFuera = [&](double a, double b) {
        if (std::isfinite(a) && std::isfinite(b))
            return false;
        const Racional m = (raiz.izquierda + raiz.derecha) * Racional(1, 2);
        parte(m, ev.Signo(m));
        return true;
    };
    double x = inicio;
    bool laguerre = true, cerca = false;
    double salto = 1; // units of the last digit to move out by
    for (int vuelta = 0; vuelta < 600 && !raiz.EsRacional(); ++vuelta) {
        const double a = raiz.izquierda.ADouble(), b = raiz.derecha.ADouble();
        if (a == b)
            break;
        if (parteFuera(a, b))
            continue;
        if (cerca && x == b) {
            x = std::nextafter(b, -HUGE_VAL); // the root is just below x
        } else if (cerca && x == a) {
            x = std::nextafter(a, HUGE_VAL);
        } else if (!(x > a && x < b)) {
            x = EnMedioDeRango(a, b);
            cerca = false;
        }
        if (x <= a || x >= b) {
            // a and b are neighbours: the halfway point between them tells.
            const Racional m = Medio(a, b);
            const int s = ev.Signo(m);
            const bool izquierda = parte(m, s);
            if (s != 0) {
                raiz.valor = izquierda ? a : b;
                return;
            }
            continue;
        }
        const double unidad = std::nextafter(std::fabs(x), HUGE_VAL) - std::fabs(x);
        if (cerca) {
            // x is about the nearest double: the points halfway to its
            // neighbours prove it, or tell which way to move, a few units
            // of its last digit and then more.
            const Racional abajo = Medio(std::nextafter(x, -HUGE_VAL), x);
            const Racional arriba = Medio(x, std::nextafter(x, HUGE_VAL));
            int s = 1;
            if (raiz.izquierda < abajo && parte(abajo, s = ev.Signo(abajo))) {
                x = std::fmax(x - salto * unidad, a);
            } else if (s != 0 && arriba < raiz.derecha && !parte(arriba, s = ev.Signo(arriba))) {
                x = std::fmin(x + salto * unidad, b);
            } else if (s != 0) {
                raiz.valor = x;
                return;
            }
            salto *= 2;
            continue;
        }
        if (!laguerre) {
            const int s = ev.Signo(Medio(x, x));
            parte(Medio(x, x), s);
            x = EnMedioDeRango(raiz.izquierda.ADouble(), raiz.derecha.ADouble());
            continue;
        }
        const Evaluador::Lectura l = ev.Lee(x);
        parte(Medio(x, x), l.signo);
        if (std::isnan(l.paso)) {
            laguerre = false;
            continue;
        }
        const double siguiente = x - l.paso;
        if (std::fabs(l.paso) <= 2 * unidad) {
            cerca = true;
            // x stays, its neighbours next.
        } else if (siguiente > raiz.izquierda.ADouble() && siguiente < raiz.derecha.ADouble()) {
            x = siguiente;
        } else if (siguiente >= b && siguiente - b <= 2 * unidad) {
            // Just past an end: the root is within a unit or two of it.
            x = std::nextafter(b, -HUGE_VAL);
            cerca = true;
        } else if (siguiente <= a && a - siguiente <= 2 * unidad) {
            x = std::nextafter(a, HUGE_VAL);
            cerca = true;
        } else {
            x = EnMedioDeRango(raiz.izquierda.ADouble(), raiz.derecha.ADouble());
        }
    }
    // Whatever the steps above left undone, halving in the ranks of the
    // doubles ends it: each sign halves the doubles still in the bracket.
    for (int vuelta = 0; vuelta < 4000 && !raiz.EsRacional(); ++vuelta) {
        const double a = raiz.izquierda.ADouble(), b = raiz.derecha.ADouble();
        if (a == b)
            break;
        if (parteFuera(a, b))
            continue;
        const double medio = EnMedioDeRango(a, b);
        const Racional m = medio > a && medio < b ? Medio(medio, medio) : Medio(a, b);
        const int s = ev.Signo(m);
        const bool izquierda = parte(m, s);
        if (!(medio > a && medio < b) && s != 0) {
            raiz.valor = izquierda ? a : b;
            return;
        }
    }
    raiz.valor = ((raiz.izquierda + raiz.derecha) * Racional(1, 2)).ADouble();
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
        Refina(f, r);
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

// The roots of the square-free f (degree >= 2) found by the search in
// doubles, ascending; false when f's coefficients are beyond the doubles.
// A polynomial the search in memoria has worked on already that is a
// constant multiple of coef (the same roots): the derivatives of P met on
// the way to P's roots, which P' and P'' are up to their content.
const std::vector<double> *Proporcional(const std::vector<double> &coef, const RaicesReales::Memoria &memoria)
{
    for (const RaicesReales::Memoria::Entrada &e : memoria.entradas) {
        const std::vector<double> &c = e.coeficientes;
        if (c.size() != coef.size())
            continue;
        const double factor = c.back() / coef.back();
        bool igual = true;
        for (std::size_t k = 0; igual && k < c.size(); ++k)
            igual = c[k] == coef[k] * factor;
        if (igual)
            return &c;
    }
    return nullptr;
}

bool BuscaEnDoubles(const fmpz_poly_t f, std::vector<RaizMultiple> &halladas,
                    RaicesReales::Memoria *memoria = nullptr)
{
    const slong n = fmpz_poly_degree(f);
    std::vector<double> coef(static_cast<std::size_t>(n) + 1);
    for (slong k = 0; k <= n; ++k) {
        coef[static_cast<std::size_t>(k)] = fmpz_get_d(f->coeffs + k);
        if (!std::isfinite(coef[static_cast<std::size_t>(k)]))
            return false;
    }
    const std::vector<double> *visto = memoria ? Proporcional(coef, *memoria) : nullptr;
    halladas = RaicesReales::Calcula(visto ? *visto : std::move(coef), memoria);
    return true;
}

// Whether x is the double nearest to a root of f: f changes sign between
// the points halfway to the neighbouring doubles. r gets that bracket.
bool EsLaMasCercana(const fmpz_poly_t f, double x, RaizExacta &r)
{
    const double abajo = std::nextafter(x, -HUGE_VAL), arriba = std::nextafter(x, HUGE_VAL);
    if (!std::isfinite(abajo) || !std::isfinite(arriba))
        return false;
    r.valor = x;
    r.izquierda = Medio(abajo, x);
    r.derecha = Medio(x, arriba);
    const int si = SignoEn(f, r.izquierda);
    return si != 0 && SignoEn(f, r.derecha) == -si;
}

// The roots of f (square-free, degree >= 2) from the search in doubles,
// each proved exactly. f has no more real roots than were found (its
// degree, or its count of real roots, says so); then either f changes
// sign around each root found within half a unit of its last digit (the
// double is the nearest to the root), or, where rounding put the search
// off, between short decimals that separate the roots found, and the
// bracket is narrowed by exact signs. False, with nothing added, when any
// of it fails.
bool RaicesRapidas(const fmpz_poly_t f, int multiplicidad, const std::vector<RaizMultiple> &halladas,
                   std::vector<RaizExacta> &raices)
{
    const slong n = fmpz_poly_degree(f);
    // As many roots as the degree leaves nothing to count; the count itself
    // is slow on long factors with large coefficients.
    const auto hallados = static_cast<slong>(halladas.size());
    if (hallados > n || (hallados < n && hallados != fmpz_poly_num_real_roots(f)))
        return false;
    std::vector<RaizExacta> nuevas(halladas.size());
    std::vector<bool> probada(halladas.size(), false);
    bool todas = true;
    for (std::size_t i = 0; i < halladas.size(); ++i) {
        if (halladas[i].multiplicidad != 1 || (i > 0 && !(halladas[i - 1].valor < halladas[i].valor)))
            return false;
        nuevas[i].multiplicidad = multiplicidad;
        probada[i] = EsLaMasCercana(f, halladas[i].valor, nuevas[i]);
        todas = todas && probada[i];
    }
    if (!todas) {
        // Separators: beyond the roots on either side, and a short decimal
        // between each two found; f must change sign between consecutive
        // ones, and then each stretch holds exactly one root.
        const Racional cota = Cota(f);
        std::vector<Racional> separa{-cota};
        for (std::size_t i = 0; i + 1 < halladas.size(); ++i) {
            const Racional a = Medio(halladas[i].valor, halladas[i].valor);
            const Racional b = Medio(halladas[i + 1].valor, halladas[i + 1].valor);
            Racional m = Racional::DesdeDouble(halladas[i].valor / 2 + halladas[i + 1].valor / 2);
            if (!(a < m && m < b))
                m = (a + b) * Racional(1, 2);
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
            Refina(f, r, halladas[i].valor);
        }
    }
    for (RaizExacta &r : nuevas)
        raices.push_back(std::move(r));
    return true;
}

// The roots of f (square-free, degree >= 2) between given points that
// should separate them, such as the roots of the polynomial f comes from
// by derivation (between two of its roots lies one of its derivative's):
// taken only when f changes sign as many times as its degree, so every
// root is real and alone in its stretch. Each is narrowed from the
// search's double where that is the nearest, else by exact signs.
bool RaicesEntreSeparadores(const fmpz_poly_t f, int multiplicidad, const std::vector<RaizMultiple> &halladas,
                            const std::vector<double> &separadores, std::vector<RaizExacta> &raices)
{
    const Racional cota = Cota(f);
    std::vector<Racional> puntos{-cota};
    for (double s : separadores) {
        Racional x = Racional::DesdeDouble(s);
        if (puntos.back() < x && x < cota)
            puntos.push_back(std::move(x));
    }
    puntos.push_back(cota);
    // A separator where f vanishes is one of its roots (a multiple root of
    // P is a simple one of P''): taken out exactly, and a point of the
    // quotient's sign like any other.
    fmpz_poly_t g, lineal;
    fmpz_poly_init(g);
    fmpz_poly_init(lineal);
    fmpz_poly_set(g, f);
    std::vector<RaizExacta> nuevas;
    bool bien = true;
    auto signosEn = [&g](const std::vector<Racional> &xs) {
        Evaluador ev(g);
        std::vector<int> s;
        s.reserve(xs.size());
        for (const Racional &x : xs)
            s.push_back(ev.Signo(x));
        return s;
    };
    std::vector<int> signos = signosEn(puntos);
    if (std::find(signos.begin(), signos.end(), 0) != signos.end()) {
        for (std::size_t i = 0; i < puntos.size(); ++i) {
            if (signos[i] != 0)
                continue;
            const Racional &x = puntos[i];
            Racional menos = -x;
            fmpz_poly_set_coeff_fmpz(lineal, 1, fmpq_denref(Flint(x)));
            fmpz_poly_set_coeff_fmpz(lineal, 0, fmpq_numref(Flint(menos)));
            bien = bien && fmpz_poly_divides(g, g, lineal);
            RaizExacta r;
            r.multiplicidad = multiplicidad;
            r.izquierda = r.derecha = x;
            r.valor = x.ADouble();
            nuevas.push_back(std::move(r));
        }
        if (bien)
            signos = signosEn(puntos);
    }
    const slong n = fmpz_poly_degree(g);
    const std::vector<Racional> &quedan = puntos;
    slong cambios = 0;
    for (std::size_t i = 0; i < signos.size(); ++i) {
        bien = bien && signos[i] != 0;
        cambios += i > 0 && signos[i] != signos[i - 1];
    }
    bien = bien && cambios == n;
    std::size_t h = 0;
    for (std::size_t i = 0; bien && i + 1 < quedan.size(); ++i) {
        if (signos[i] == signos[i + 1])
            continue;
        RaizExacta r;
        r.multiplicidad = multiplicidad;
        while (h < halladas.size() && Medio(halladas[h].valor, halladas[h].valor) <= quedan[i])
            ++h;
        const bool probada = h < halladas.size() && EsLaMasCercana(g, halladas[h].valor, r) &&
                             quedan[i] < r.izquierda && r.derecha < quedan[i + 1];
        if (!probada) {
            r.izquierda = quedan[i];
            r.derecha = quedan[i + 1];
            Refina(g, r, h < halladas.size() ? halladas[h].valor : std::numeric_limits<double>::quiet_NaN());
        }
        nuevas.push_back(std::move(r));
    }
    fmpz_poly_clear(g);
    fmpz_poly_clear(lineal);
    if (!bien)
        return false;
    for (RaizExacta &r : nuevas)
        raices.push_back(std::move(r));
    return true;
}

// From x, a root of the square-free f, towards the neighbouring root on
// the side hacia (+1 right, -1 left): that root lies about
// d = -2 f'(x) / f''(x) away, where f is about f'(x) t + f''(x) t^2 / 2.
// The power of two at most half of |d| on that side is the point given;
// none where the step points the other way or f''(x) is 0. Two roots far
// closer than the interval holding them (10^-1000 apart, say) would
// otherwise take a halving for every bit between them.
std::optional<Racional> HaciaLaVecina(const fmpz_poly_t f, const Racional &x, int hacia)
{
    fmpz_poly_t d1, d2;
    fmpz_poly_init(d1);
    fmpz_poly_init(d2);
    fmpz_poly_derivative(d1, f);
    fmpz_poly_derivative(d2, d1);
    Racional v1, v2;
    fmpz_poly_evaluate_fmpq(Flint(v1), d1, Flint(x));
    fmpz_poly_evaluate_fmpq(Flint(v2), d2, Flint(x));
    fmpz_poly_clear(d1);
    fmpz_poly_clear(d2);
    if (v2.EsCero() || v1.EsCero())
        return std::nullopt;
    const Racional paso = Racional(-2) * v1 / v2;
    if (paso.Signo() != hacia)
        return std::nullopt;
    // |d| >= 2^(bits of its numerator - bits of its denominator - 1).
    const slong e = static_cast<slong>(fmpz_bits(fmpq_numref(Flint(paso)))) -
                    static_cast<slong>(fmpz_bits(fmpq_denref(Flint(paso)))) - 2;
    Racional t(hacia);
    if (e >= 0)
        fmpq_mul_2exp(Flint(t), Flint(t), static_cast<flint_bitcnt_t>(e));
    else
        fmpq_div_2exp(Flint(t), Flint(t), static_cast<flint_bitcnt_t>(-e));
    return x + t;
}

// An isolating interval may end at another root of f (one found exactly
// where the isolation split a stretch): the root inside is then strictly
// between its ends. Each such end is moved inwards to a point where f has
// the sign it has next to that end, so that the bracket changes sign
// across the root inside only. f is square-free, so the sign next to a
// root is that of f' there (on the right) or its opposite (on the left).
void AbreExtremos(const fmpz_poly_t f, Racional &izquierda, Racional &derecha)
{
    const int si = SignoEn(f, izquierda), sd = SignoEn(f, derecha);
    if (si != 0 && sd != 0)
        return;
    // The sign of f between the left end and the root inside.
    int antes = si;
    if (antes == 0) {
        fmpz_poly_t d;
        fmpz_poly_init(d);
        fmpz_poly_derivative(d, f);
        antes = SignoEn(d, izquierda);
        fmpz_poly_clear(d);
    }
    bool izquierdaLista = si != 0, derechaLista = sd != 0;
    // Each end that is a root tries the point its step gives first: a
    // point of the sign antes is left of the root inside, any other right
    // of it.
    for (const int hacia : {1, -1}) {
        const bool lista = hacia > 0 ? izquierdaLista : derechaLista;
        if (lista)
            continue;
        const std::optional<Racional> m = HaciaLaVecina(f, hacia > 0 ? izquierda : derecha, hacia);
        if (!m || !(izquierda < *m && *m < derecha))
            continue;
        const int s = SignoEn(f, *m);
        if (s == 0) {
            izquierda = derecha = *m;
            return;
        }
        if (s == antes) {
            izquierda = *m;
            izquierdaLista = true;
        } else {
            derecha = *m;
            derechaLista = true;
        }
    }
    // Halving: a point of that sign is left of the root, any other right
    // of it; each end that is a root is replaced by the first such point
    // on its side.
    const Racional medio(1, 2);
    while (!izquierdaLista || !derechaLista) {
        const Racional m = (izquierda + derecha) * medio;
        const int s = SignoEn(f, m);
        if (s == 0) { // the root inside, exactly
            izquierda = derecha = m;
            return;
        }
        if (s == antes) {
            izquierda = m;
            izquierdaLista = true;
        } else {
            derecha = m;
            derechaLista = true;
        }
    }
}

// The roots of f (square-free, degree >= 2) isolated by Descartes' rule,
// each proved from the search's double inside its interval where that is
// the nearest, else narrowed by exact signs.
void RaicesAisladas(const fmpz_poly_t f, int multiplicidad, const std::vector<IntervaloAislante> &intervalos,
                    const std::vector<RaizMultiple> &halladas, std::vector<RaizExacta> &raices)
{
    std::size_t h = 0;
    for (IntervaloAislante i : intervalos) {
        RaizExacta r;
        r.multiplicidad = multiplicidad;
        if (i.izquierda == i.derecha) {
            r.izquierda = r.derecha = i.izquierda;
            r.valor = r.izquierda.ADouble();
            raices.push_back(std::move(r));
            continue;
        }
        AbreExtremos(f, i.izquierda, i.derecha);
        if (i.izquierda == i.derecha) {
            r.izquierda = r.derecha = i.izquierda;
            r.valor = r.izquierda.ADouble();
            raices.push_back(std::move(r));
            continue;
        }
        while (h < halladas.size() && halladas[h].valor <= i.izquierda.ADouble())
            ++h;
        const bool dentro = h < halladas.size() && halladas[h].valor < i.derecha.ADouble();
        if (!(dentro && EsLaMasCercana(f, halladas[h].valor, r) && i.izquierda < r.izquierda &&
              r.derecha < i.derecha)) {
            r.izquierda = i.izquierda;
            r.derecha = i.derecha;
            Refina(f, r, dentro ? halladas[h].valor : std::numeric_limits<double>::quiet_NaN());
        }
        raices.push_back(std::move(r));
    }
}

// The roots of f (square-free, degree >= 2) where the search in doubles
// cannot prove them: roots crowded closer than rounding lets it tell
// apart, clustered in the complex plane, or coefficients beyond the
// doubles. Descartes' rule isolates them; where the search missed some,
// the roots are likely typed fractions crowded together, and the rational
// ones are taken out exactly first.
void RaicesApinadas(const fmpz_poly_t f, int multiplicidad, const std::vector<RaizMultiple> &halladas,
                    std::vector<RaizExacta> &raices)
{
    std::vector<IntervaloAislante> intervalos = AislaRaicesReales(f);
    if (intervalos.size() <= halladas.size()) {
        RaicesAisladas(f, multiplicidad, intervalos, halladas, raices);
        return;
    }
    fmpz_poly_t g;
    fmpz_poly_init(g);
    fmpz_poly_set(g, f);
    for (Racional &x : SacaRaicesRacionales(g)) {
        RaizExacta r;
        r.multiplicidad = multiplicidad;
        r.valor = x.ADouble();
        r.izquierda = x;
        r.derecha = std::move(x);
        raices.push_back(std::move(r));
    }
    if (fmpz_poly_degree(g) < fmpz_poly_degree(f))
        intervalos = AislaRaicesReales(g);
    RaicesAisladas(g, multiplicidad, intervalos, halladas, raices);
    fmpz_poly_clear(g);
}

// Beyond this degree the real roots of a factor the search came short on
// are isolated rather than counted: FLINT's count costs more there.
constexpr slong kGradoParaContar = 15;

// The roots of f (square-free, degree >= 2): the search in doubles first,
// each root it finds proved exactly; the separators next when the search
// came short (trying them costs less than counting the real roots of a
// long factor); the exact isolation where neither proves them. buscadas,
// when given, is what the search found on f already.
void RaicesDeFactor(const fmpz_poly_t f, int multiplicidad, const std::vector<double> &separadores,
                    const std::vector<RaizMultiple> *buscadas, std::vector<RaizExacta> &raices)
{
    std::vector<RaizMultiple> halladas;
    if (buscadas) {
        halladas = *buscadas;
    } else if (!BuscaEnDoubles(f, halladas)) {
        // Coefficients beyond the doubles: the separators, when they part
        // every root, spare the exact isolation.
        halladas.clear();
        if (separadores.empty() || !RaicesEntreSeparadores(f, multiplicidad, halladas, separadores, raices))
            RaicesApinadas(f, multiplicidad, halladas, raices);
        return;
    }
    // What the doubles could not hold (coefficients far beyond their
    // range) is no candidate: only finite values are proved.
    std::erase_if(halladas, [](const RaizMultiple &r) { return !std::isfinite(r.valor); });
    const slong n = fmpz_poly_degree(f);
    const bool corta = static_cast<slong>(halladas.size()) < n;
    if (corta && !separadores.empty() && RaicesEntreSeparadores(f, multiplicidad, halladas, separadores, raices))
        return;
    if ((!corta || n <= kGradoParaContar) && RaicesRapidas(f, multiplicidad, halladas, raices))
        return;
    if (!corta && !separadores.empty() && RaicesEntreSeparadores(f, multiplicidad, halladas, separadores, raices))
        return;
    RaicesApinadas(f, multiplicidad, halladas, raices);
}

// A rational root a/b of the integer f, in lowest terms, has b dividing
// the leading coefficient and a the constant term: a test far cheaper
// than a division.
bool PuedeSerRaiz(const fmpz_poly_t f, const Racional &c)
{
    const fmpz *a = fmpq_numref(Flint(c)), *b = fmpq_denref(Flint(c));
    if (!fmpz_divisible(f->coeffs + fmpz_poly_degree(f), b))
        return false;
    return fmpz_is_zero(f->coeffs) || (!fmpz_is_zero(a) && fmpz_divisible(f->coeffs, a));
}

// Whether b x - a divides f (degree >= 1), and the quotient then, by
// synthetic division: f_n = b q_(n-1), f_k = b q_(k-1) - a q_k, f_0 = -a q_0.
bool DivideEntreLineal(fmpz_poly_t cociente, const fmpz_poly_t f, const fmpz_t a, const fmpz_t b)
{
    const slong n = fmpz_poly_degree(f);
    fmpz_poly_fit_length(cociente, n);
    fmpz_t t;
    fmpz_init(t);
    bool divide = true;
    fmpz_set(t, f->coeffs + n);
    for (slong k = n; k >= 1 && divide; --k) {
        // t = b q_(k-1)
        divide = fmpz_divisible(t, b);
        if (divide) {
            fmpz_divexact(cociente->coeffs + k - 1, t, b);
            fmpz_mul(t, a, cociente->coeffs + k - 1);
            fmpz_add(t, t, f->coeffs + k - 1);
        }
    }
    divide = divide && fmpz_is_zero(t);
    fmpz_clear(t);
    // Every coefficient written counted, then those past the length freed.
    if (cociente->length < n)
        _fmpz_poly_set_length(cociente, n);
    _fmpz_poly_set_length(cociente, divide ? n : 0);
    _fmpz_poly_normalise(cociente);
    return divide;
}

// How many times b x - a divides f, f divided by it as many times.
int SacaLineal(fmpz_poly_t f, const Racional &c)
{
    fmpz_poly_t cociente;
    fmpz_poly_init(cociente);
    int veces = 0;
    while (fmpz_poly_degree(f) >= 1 && DivideEntreLineal(cociente, f, fmpq_numref(Flint(c)), fmpq_denref(Flint(c)))) {
        fmpz_poly_swap(f, cociente);
        ++veces;
    }
    fmpz_poly_clear(cociente);
    return veces;
}

// The roots of this program are mostly typed decimals: each root the
// search found that reads back as a short decimal and divides f exactly
// is taken out of it, as many times as it divides (its multiplicity), so
// that what is left is most often square-free or nothing. A multiple
// root, which the search finds to fewer digits, is tried rounded to
// fewer too. The search's roots not taken are returned.
std::vector<RaizMultiple> SacaDecimales(fmpz_poly_t f, const std::vector<RaizMultiple> &halladas,
                                        std::vector<RaizExacta> &raices)
{
    std::vector<RaizMultiple> quedan;
    for (const RaizMultiple &h : halladas) {
        int veces = 0;
        Racional c = Racional::DesdeDouble(h.valor);
        if (fmpz_poly_degree(f) >= 1 && PuedeSerRaiz(f, c))
            veces = SacaLineal(f, c);
        for (int cifras : {12, 8, 5}) {
            if (veces > 0 || h.multiplicidad == 1 || fmpz_poly_degree(f) < 1)
                break;
            char texto[40];
            std::snprintf(texto, sizeof texto, "%.*g", cifras, h.valor);
            const std::optional<Racional> corto = Racional::DesdeTexto(texto);
            if (corto && PuedeSerRaiz(f, *corto)) {
                c = *corto;
                veces = SacaLineal(f, c);
            }
        }
        if (veces == 0) {
            quedan.push_back(h);
            continue;
        }
        RaizExacta r;
        r.multiplicidad = veces;
        r.valor = c.ADouble();
        r.izquierda = c;
        r.derecha = std::move(c);
        raices.push_back(std::move(r));
    }
    return quedan;
}

// The roots of the integer f of degree 1 or 2 by their closed forms, the
// most frequent case by far (P' and P'' of every cubic): a quadratic's
// discriminant says at once whether its roots are none, one double, two
// rational or two irrational ones, and these last are proved from the
// formula's doubles as the search's would be. False, with nothing added,
// where the formula's doubles do not serve (coefficients beyond the
// doubles, two roots with the same nearest double).
bool RaicesCerradas(const fmpz_poly_t f, std::vector<RaizExacta> &raices)
{
    const slong n = fmpz_poly_degree(f);
    // The root b x - a = 0, or the two -B/2A +- s/2A, where s^2 = D.
    auto agrega = [&raices](const fmpz_t a, const fmpz_t b, int multiplicidad) {
        RaizExacta r;
        r.multiplicidad = multiplicidad;
        fmpz_set(fmpq_numref(Flint(r.izquierda)), a);
        fmpz_set(fmpq_denref(Flint(r.izquierda)), b);
        fmpq_canonicalise(Flint(r.izquierda));
        r.derecha = r.izquierda;
        r.valor = r.izquierda.ADouble();
        raices.push_back(std::move(r));
    };
    if (n == 1) {
        fmpz_t a;
        fmpz_init(a);
        fmpz_neg(a, f->coeffs);
        agrega(a, f->coeffs + 1, 1);
        fmpz_clear(a);
        return true;
    }
    if (n != 2)
        return false;
    const fmpz *c = f->coeffs, *b = f->coeffs + 1, *a = f->coeffs + 2;
    fmpz_t d, t, dosA, s;
    fmpz_init(d), fmpz_init(t), fmpz_init(dosA), fmpz_init(s);
    fmpz_mul(d, b, b);
    fmpz_mul(t, a, c);
    fmpz_submul_ui(d, t, 4);
    fmpz_mul_2exp(dosA, a, 1);
    bool hecho = true;
    if (fmpz_sgn(d) == 0) {
        fmpz_neg(t, b);
        agrega(t, dosA, 2);
    } else if (fmpz_sgn(d) > 0 && fmpz_is_square(d)) {
        fmpz_sqrt(s, d);
        // With 2A > 0 the root with -s is the lesser.
        if (fmpz_sgn(dosA) < 0)
            fmpz_neg(s, s);
        fmpz_neg(t, b);
        fmpz_sub(t, t, s);
        agrega(t, dosA, 1);
        fmpz_neg(t, b);
        fmpz_add(t, t, s);
        agrega(t, dosA, 1);
    } else if (fmpz_sgn(d) > 0) {
        // q = -(B + sign(B) sqrt(D)) / 2 loses nothing to cancellation; the
        // roots are q / A and C / q.
        const double da = fmpz_get_d(a), db = fmpz_get_d(b), dc = fmpz_get_d(c), dd = fmpz_get_d(d);
        const double q = -0.5 * (db + std::copysign(std::sqrt(dd), db));
        double x1 = q / da, x2 = dc / q;
        if (x1 > x2)
            std::swap(x1, x2);
        hecho = std::isfinite(da) && std::isfinite(dc) && std::isfinite(dd) && std::isfinite(x1) &&
                std::isfinite(x2) && x1 < x2 && RaicesRapidas(f, 1, {{x1, 1}, {x2, 1}}, raices);
    }
    fmpz_clear(d), fmpz_clear(t), fmpz_clear(dosA), fmpz_clear(s);
    return hecho;
}

// Roots of different factors are isolated apart, each in an interval that
// holds no other root of its own factor but, at an end it holds open, a
// rational neighbour found alone; another factor's root may stand on its
// end (a rational root exactly halfway between two doubles) or inside it.
// Sorted, each interval is halved by its own factor's signs until it lies
// strictly apart from its neighbours', so that every one holds a single
// root of the polynomial and a point between two intervals lies between
// their roots; the order then follows the intervals.
void Separa(std::vector<RaizExacta> &raices, std::vector<const fmpz_poly_struct *> &factores)
{
    // Most often the roots come ordered, each alone in its double.
    bool apartadas = true;
    for (std::size_t k = 0; apartadas && k + 1 < raices.size(); ++k)
        apartadas = raices[k].valor < raices[k + 1].valor && raices[k].derecha < raices[k + 1].izquierda;
    if (apartadas)
        return;
    std::vector<std::size_t> orden(raices.size());
    for (std::size_t i = 0; i < orden.size(); ++i)
        orden[i] = i;
    auto parte = [&](std::size_t i) {
        RaizExacta &r = raices[i];
        const Racional m = (r.izquierda + r.derecha) * Racional(1, 2);
        const int s = SignoEn(factores[i], m);
        // An end may be a neighbouring root of the same factor, which the
        // interval holds open: the other end's sign tells then.
        const int si = SignoEn(factores[i], r.izquierda);
        if (s == 0)
            r.izquierda = r.derecha = m;
        else if (si != 0 ? s == si : s != SignoEn(factores[i], r.derecha))
            r.izquierda = m;
        else
            r.derecha = m;
    };
    // Each step halves an interval; the bound only guards the loop.
    bool cambio = true;
    for (int vuelta = 0; cambio && vuelta < 4000; ++vuelta) {
        std::sort(orden.begin(), orden.end(), [&](std::size_t i, std::size_t j) {
            const RaizExacta &a = raices[i], &b = raices[j];
            if (a.valor != b.valor)
                return a.valor < b.valor;
            return a.izquierda != b.izquierda ? a.izquierda < b.izquierda : a.derecha < b.derecha;
        });
        cambio = false;
        for (std::size_t k = 0; k + 1 < orden.size(); ++k) {
            const std::size_t i = orden[k], j = orden[k + 1];
            const RaizExacta &a = raices[i], &b = raices[j];
            const bool tocan = a.derecha > b.izquierda ||
                               (a.derecha == b.izquierda && (a.EsRacional() || b.EsRacional()));
            if (!tocan || (a.EsRacional() && b.EsRacional()))
                continue;
            // The wider of the two, never a rational root.
            const bool laPrimera =
                !a.EsRacional() && (b.EsRacional() || b.derecha - b.izquierda < a.derecha - a.izquierda);
            parte(laPrimera ? i : j);
            cambio = true;
        }
    }
    std::vector<RaizExacta> ordenadas;
    ordenadas.reserve(raices.size());
    for (std::size_t i : orden)
        ordenadas.push_back(std::move(raices[i]));
    raices = std::move(ordenadas);
}

// Every distinct real root of p; conBusqueda takes out the roots the search
// in doubles finds as typed decimals, then tries the search on each
// square-free factor of what is left, then the separators, then the
// exact isolation (RaicesDeFactor); without it Arb isolates them.
std::vector<RaizExacta> Raices(const PoliExacto &p, bool conBusqueda, const std::vector<double> &separadores,
                               RaicesReales::Memoria *memoria = nullptr)
{
    std::vector<RaizExacta> raices;
    if (p.Grado() < 1)
        return raices;
    fmpz_poly_t f;
    fmpz_poly_init(f);
    // Denominators cleared; the content is taken out only past the closed
    // forms, which do not need it.
    fmpq_poly_get_numerator(f, Flint(p));
    // The factor each root was isolated on (none for the rational ones);
    // the list keeps its room from call to call on this thread.
    thread_local std::vector<const fmpz_poly_struct *> factores;
    factores.clear();
    raices.reserve(static_cast<std::size_t>(fmpz_poly_degree(f)));
    auto deFactor = [&](const fmpz_poly_struct *g) { factores.resize(raices.size(), g); };
    fmpz_poly_factor_t fac;
    fmpz_poly_factor_init(fac);
    std::vector<RaizMultiple> halladas;
    bool buscada = false;
    bool hecho = conBusqueda && fmpz_poly_degree(f) <= 2 && RaicesCerradas(f, raices);
    if (!hecho)
        fmpz_poly_primitive_part(f, f);
    if (!hecho && conBusqueda && fmpz_poly_degree(f) >= 2 && BuscaEnDoubles(f, halladas, memoria)) {
        const slong antes = fmpz_poly_degree(f);
        halladas = SacaDecimales(f, halladas, raices);
        deFactor(nullptr);
        buscada = fmpz_poly_degree(f) == antes;
        // What the typed decimals leave of a cubic, or of any product of
        // them but one quadratic, has its closed form.
        hecho = !buscada && (fmpz_poly_degree(f) < 1 || (fmpz_poly_degree(f) <= 2 && RaicesCerradas(f, raices)));
    }
    deFactor(f);
    if (!hecho) {
        // What is left is most often square-free, which a prime tells at once.
        const bool libre = fmpz_poly_degree(f) < 1 || EsLibreDeCuadradosModular(f);
        if (libre)
            fmpz_poly_factor_insert(fac, f, 1);
        else
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
                if (!conBusqueda)
                    RaicesConArb(g, m, raices);
                else
                    // The search of f stands for g when g is f itself.
                    RaicesDeFactor(g, m, separadores, buscada && libre ? &halladas : nullptr, raices);
            }
            deFactor(g);
        }
    }
    Separa(raices, factores);
    fmpz_poly_factor_clear(fac);
    fmpz_poly_clear(f);
    return raices;
}

} // namespace

std::vector<RaizExacta> RaicesExactas::Calcula(const PoliExacto &p, const std::vector<double> &separadores,
                                               RaicesReales::Memoria *memoria)
{
    return Raices(p, true, separadores, memoria);
}

std::vector<RaizExacta> RaicesExactas::CalculaConArb(const PoliExacto &p) { return Raices(p, false, {}); }

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
