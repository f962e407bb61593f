#include "PoliExacto.h"

#include "PuenteFlint.h"

#include <arb.h>
#include <arb_poly.h>

#include <cmath>
#include <cstdlib>
#include <stdexcept>

static_assert(sizeof(fmpq_poly_struct) == 4 * sizeof(long), "an fmpq_poly is four machine words");

PoliExacto::PoliExacto() { fmpq_poly_init(Flint(*this)); }

PoliExacto::PoliExacto(const PoliExacto &otro)
{
    fmpq_poly_init(Flint(*this));
    fmpq_poly_set(Flint(*this), Flint(otro));
}

PoliExacto::PoliExacto(PoliExacto &&otro) noexcept
{
    fmpq_poly_init(Flint(*this));
    fmpq_poly_swap(Flint(*this), Flint(otro));
}

PoliExacto &PoliExacto::operator=(const PoliExacto &otro)
{
    fmpq_poly_set(Flint(*this), Flint(otro));
    return *this;
}

PoliExacto &PoliExacto::operator=(PoliExacto &&otro) noexcept
{
    fmpq_poly_swap(Flint(*this), Flint(otro));
    return *this;
}

PoliExacto::~PoliExacto() { fmpq_poly_clear(Flint(*this)); }

PoliExacto PoliExacto::Constante(const Racional &c) { return Monomio(c, 0); }

PoliExacto PoliExacto::Monomio(const Racional &c, int expon)
{
    PoliExacto p;
    if (expon >= 0)
        fmpq_poly_set_coeff_fmpq(Flint(p), expon, Flint(c));
    return p;
}

PoliExacto PoliExacto::Lineal(const Racional &a)
{
    PoliExacto p = Monomio(Racional(1), 1);
    fmpq_poly_set_coeff_fmpq(Flint(p), 0, Flint(-a));
    return p;
}

PoliExacto PoliExacto::DesdeCoeficientes(const std::vector<Racional> &coef)
{
    PoliExacto p;
    for (std::size_t k = coef.size(); k-- > 0;)
        if (!coef[k].EsCero())
            fmpq_poly_set_coeff_fmpq(Flint(p), static_cast<slong>(k), Flint(coef[k]));
    return p;
}

PoliExacto PoliExacto::DesdeDoubles(const std::vector<double> &coef)
{
    PoliExacto p;
    for (std::size_t k = coef.size(); k-- > 0;)
        if (coef[k] != 0.0)
            fmpq_poly_set_coeff_fmpq(Flint(p), static_cast<slong>(k), Flint(Racional::DesdeDouble(coef[k])));
    return p;
}

int PoliExacto::Grado() const
{
    const slong g = fmpq_poly_degree(Flint(*this));
    return g < 0 ? 0 : static_cast<int>(g);
}

bool PoliExacto::EsCero() const { return fmpq_poly_is_zero(Flint(*this)) != 0; }

Racional PoliExacto::Coeficiente(int expon) const
{
    Racional c;
    if (expon >= 0)
        fmpq_poly_get_coeff_fmpq(Flint(c), Flint(*this), expon);
    return c;
}

bool PoliExacto::CoeficienteEsCero(int expon) const
{
    const fmpq_poly_struct *p = Flint(*this);
    return expon < 0 || expon >= p->length || fmpz_is_zero(p->coeffs + expon);
}

namespace {

// num / den rounded once to the nearest double, as Racional::ADouble rounds
// the reduced fraction: reducing it first would cost a gcd of long numbers.
double Cociente(const fmpz *num, const fmpz *den)
{
    double d = 0.0;
    if (fmpz_is_zero(num) || CocienteCorto(num, den, d))
        return d;
    arf_t f;
    arf_init(f);
    arf_fmpz_div_fmpz(f, num, den, 53, ARF_RND_NEAR);
    d = arf_get_d(f, ARF_RND_NEAR);
    arf_clear(f);
    return d;
}

} // namespace

std::vector<double> PoliExacto::Doubles() const
{
    std::vector<double> d;
    Doubles(d);
    return d;
}

void PoliExacto::Doubles(std::vector<double> &d) const
{
    // Each numerator over the common denominator.
    const slong n = fmpq_poly_length(Flint(*this));
    d.assign(static_cast<std::size_t>(n > 0 ? n : 1), 0.0);
    const fmpz *num = fmpq_poly_numref(Flint(*this));
    const fmpz *den = fmpq_poly_denref(Flint(*this));
    for (slong k = 0; k < n; ++k)
        d[static_cast<std::size_t>(k)] = Cociente(num + k, den);
}

Racional PoliExacto::NumeradorComun(int expon) const
{
    Racional c;
    const fmpq_poly_struct *p = Flint(*this);
    if (expon >= 0 && expon < p->length)
        fmpz_set(fmpq_numref(Flint(c)), p->coeffs + expon);
    return c;
}

double PoliExacto::CoeficienteDouble(int expon) const
{
    const fmpq_poly_struct *p = Flint(*this);
    if (expon < 0 || expon >= p->length)
        return 0.0;
    return Cociente(p->coeffs + expon, p->den);
}

int PoliExacto::Terminos() const
{
    const slong n = fmpq_poly_length(Flint(*this));
    const fmpz *num = fmpq_poly_numref(Flint(*this));
    int r = 0;
    for (slong k = 0; k < n; ++k)
        r += fmpz_is_zero(num + k) ? 0 : 1;
    return r;
}

long PoliExacto::Bits() const
{
    const slong n = fmpq_poly_length(Flint(*this));
    if (n == 0)
        return 0;
    const slong num = _fmpz_vec_max_bits(fmpq_poly_numref(Flint(*this)), n);
    return static_cast<long>((num < 0 ? -num : num) + static_cast<slong>(fmpz_bits(fmpq_poly_denref(Flint(*this)))));
}

PoliExacto operator+(const PoliExacto &a, const PoliExacto &b)
{
    PoliExacto r;
    fmpq_poly_add(Flint(r), Flint(a), Flint(b));
    return r;
}

PoliExacto operator-(const PoliExacto &a, const PoliExacto &b)
{
    PoliExacto r;
    fmpq_poly_sub(Flint(r), Flint(a), Flint(b));
    return r;
}

PoliExacto operator*(const PoliExacto &a, const PoliExacto &b)
{
    PoliExacto r;
    fmpq_poly_mul(Flint(r), Flint(a), Flint(b));
    return r;
}

PoliExacto operator*(const Racional &c, const PoliExacto &p)
{
    PoliExacto r;
    fmpq_poly_scalar_mul_fmpq(Flint(r), Flint(p), Flint(c));
    return r;
}

bool operator==(const PoliExacto &a, const PoliExacto &b) { return fmpq_poly_equal(Flint(a), Flint(b)) != 0; }

PoliExacto PoliExacto::Potencia(int n) const
{
    PoliExacto r;
    fmpq_poly_pow(Flint(r), Flint(*this), static_cast<ulong>(n < 0 ? 0 : n));
    return r;
}

PoliExacto PoliExacto::Derivada() const
{
    PoliExacto r;
    fmpq_poly_derivative(Flint(r), Flint(*this));
    return r;
}

PoliExacto PoliExacto::Integral(const Racional &c) const
{
    PoliExacto r;
    fmpq_poly_integral(Flint(r), Flint(*this));
    fmpq_poly_set_coeff_fmpq(Flint(r), 0, Flint(c));
    return r;
}

PoliExacto PoliExacto::Divide(const PoliExacto &divisor, PoliExacto &residuo) const
{
    if (divisor.EsCero())
        throw std::domain_error("division entre el polinomio cero");
    PoliExacto q;
    fmpq_poly_divrem(Flint(q), Flint(residuo), Flint(*this), Flint(divisor));
    return q;
}

PoliExacto PoliExacto::DivideEntreLineal(const Racional &a, Racional &residuo) const
{
    residuo = Evalua(a);
    PoliExacto r;
    return Divide(Lineal(a), r);
}

Racional PoliExacto::Evalua(const Racional &x) const
{
    Racional v;
    fmpq_poly_evaluate_fmpq(Flint(v), Flint(*this), Flint(x));
    return v;
}

namespace {

// Up to this length the exact value costs less than any ball.
constexpr slong kLargoExacto = 9;

// P(x) as balls of growing precision: Siguiente gives the next one, false
// once more bits would cost more than the exact value.
class BolaDeValor {
public:
    BolaDeValor(const fmpq_poly_struct *p, const fmpq *x)
        : m_p(p), m_x(x)
    {
        const slong n = fmpq_poly_length(p);
        const slong bits = std::abs(_fmpz_vec_max_bits(fmpq_poly_numref(p), n)) +
                           static_cast<slong>(fmpz_bits(fmpq_numref(x)) + fmpz_bits(fmpq_denref(x)));
        m_tope = 4 * (bits + 16 * n) + 256;
        arb_poly_init(m_bola);
        arb_poly_fit_length(m_bola, n);
        _arb_poly_set_length(m_bola, n);
        arb_init(m_bx);
        arb_init(m_y);
    }
    ~BolaDeValor()
    {
        arb_poly_clear(m_bola);
        arb_clear(m_bx);
        arb_clear(m_y);
    }
    BolaDeValor(const BolaDeValor &) = delete;
    BolaDeValor &operator=(const BolaDeValor &) = delete;

    const arb_struct *Siguiente()
    {
        if (m_precision > m_tope)
            return nullptr;
        const slong n = fmpq_poly_length(m_p);
        for (slong k = 0; k < n; ++k)
            arb_set_round_fmpz(m_bola->coeffs + k, fmpq_poly_numref(m_p) + k, m_precision);
        arb_set_fmpq(m_bx, m_x, m_precision);
        arb_poly_evaluate(m_y, m_bola, m_bx, m_precision);
        arb_div_fmpz(m_y, m_y, fmpq_poly_denref(m_p), m_precision);
        m_precision *= 2;
        return m_y;
    }

private:
    const fmpq_poly_struct *m_p;
    const fmpq *m_x;
    arb_poly_t m_bola;
    arb_t m_bx, m_y;
    slong m_precision = 128;
    slong m_tope = 0;
};

// x rounded to 53 bits then to a double, as Racional::ADouble rounds: each
// step keeps the order, so two ends that give the same double give it for
// everything between them too.
double ComoDouble(const arf_t x)
{
    arf_t r;
    arf_init(r);
    arf_set_round(r, x, 53, ARF_RND_NEAR);
    const double d = arf_get_d(r, ARF_RND_NEAR);
    arf_clear(r);
    return d;
}

} // namespace

int PoliExacto::SignoEn(const Racional &x) const
{
    if (fmpq_poly_length(Flint(*this)) > kLargoExacto) {
        BolaDeValor v(Flint(*this), Flint(x));
        while (const arb_struct *y = v.Siguiente()) {
            if (arb_is_positive(y))
                return 1;
            if (arb_is_negative(y))
                return -1;
            if (arb_is_exact(y))
                break;
        }
    }
    return Evalua(x).Signo();
}

double PoliExacto::ValorRedondeado(const Racional &x) const
{
    if (fmpq_poly_length(Flint(*this)) > kLargoExacto) {
        BolaDeValor v(Flint(*this), Flint(x));
        arf_t lo, hi;
        arf_init(lo);
        arf_init(hi);
        double d = 0.0;
        bool hallado = false;
        while (const arb_struct *y = v.Siguiente()) {
            arb_get_lbound_arf(lo, y, ARF_PREC_EXACT);
            arb_get_ubound_arf(hi, y, ARF_PREC_EXACT);
            d = ComoDouble(lo);
            if ((hallado = d == ComoDouble(hi) && !std::isnan(d)))
                break;
        }
        arf_clear(lo);
        arf_clear(hi);
        if (hallado)
            return d;
    }
    return Evalua(x).ADouble();
}

void PoliExacto::AcotaEn(const Racional &a, const Racional &b, double &minimo, double &maximo) const
{
    constexpr slong precision = 128;
    arb_poly_t p;
    arb_t x, y;
    arf_t lo, hi;
    arb_poly_init(p);
    arb_init(x);
    arb_init(y);
    arf_init(lo);
    arf_init(hi);
    arb_poly_set_fmpq_poly(p, Flint(*this), precision);
    const bool alReves = b < a;
    arf_set_fmpq(lo, Flint(alReves ? b : a), precision, ARF_RND_FLOOR);
    arf_set_fmpq(hi, Flint(alReves ? a : b), precision, ARF_RND_CEIL);
    arb_set_interval_arf(x, lo, hi, precision);
    arb_poly_evaluate(y, p, x, precision);
    arb_get_lbound_arf(lo, y, precision);
    arb_get_ubound_arf(hi, y, precision);
    minimo = arf_get_d(lo, ARF_RND_FLOOR);
    maximo = arf_get_d(hi, ARF_RND_CEIL);
    arf_clear(lo);
    arf_clear(hi);
    arb_clear(x);
    arb_clear(y);
    arb_poly_clear(p);
}
