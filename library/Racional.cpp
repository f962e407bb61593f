#include "Racional.h"

#include "PuenteFlint.h"

#include <arf.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <string>

static_assert(sizeof(fmpq) == 2 * sizeof(long), "an fmpq is two machine words");

namespace {

// Digits, an optional point and an optional exponent, read into a
// numerator and a power of ten. False when anything else is there.
bool LeeDecimal(std::string_view texto, fmpz_t numerador, long &potencia)
{
    std::string digitos;
    long decimales = 0;
    bool punto = false;
    std::size_t i = 0;
    for (; i < texto.size(); ++i) {
        const char c = texto[i];
        if (c >= '0' && c <= '9') {
            digitos.push_back(c);
            if (punto)
                ++decimales;
        } else if (c == '.' && !punto) {
            punto = true;
        } else {
            break;
        }
    }
    if (digitos.empty())
        return false;
    long exponente = 0;
    if (i < texto.size()) {
        if (texto[i] != 'e' && texto[i] != 'E')
            return false;
        ++i;
        if (i < texto.size() && texto[i] == '+')
            ++i;
        const auto [fin, error] = std::from_chars(texto.data() + i, texto.data() + texto.size(), exponente);
        if (error != std::errc() || fin != texto.data() + texto.size() || i == texto.size())
            return false;
    }
    if (fmpz_set_str(numerador, digitos.c_str(), 10) != 0)
        return false;
    potencia = exponente - decimales;
    return true;
}

void PonDecimal(fmpq *q, const fmpz_t numerador, long potencia, bool negativo)
{
    fmpz_t diez;
    fmpz_init(diez);
    fmpz_set_ui(diez, 10);
    if (potencia >= 0) {
        fmpz_pow_ui(diez, diez, static_cast<ulong>(potencia));
        fmpz_mul(fmpq_numref(q), numerador, diez);
        fmpz_one(fmpq_denref(q));
    } else {
        fmpz_pow_ui(diez, diez, static_cast<ulong>(-potencia));
        fmpz_set(fmpq_numref(q), numerador);
        fmpz_set(fmpq_denref(q), diez);
        fmpq_canonicalise(q);
    }
    if (negativo)
        fmpq_neg(q, q);
    fmpz_clear(diez);
}

// The shortest decimal of a double has at most 17 digits: when its power
// of ten fits a machine word too, the fraction is set and reduced in
// machine words, with no text read into a big number. False, with r
// untouched, when it does not fit.
bool DecimalCorto(std::string_view texto, Racional &r, bool negativo)
{
    std::uint64_t digitos = 0;
    int cuantos = 0;
    long decimales = 0, exponente = 0;
    bool punto = false;
    std::size_t i = 0;
    for (; i < texto.size(); ++i) {
        const char c = texto[i];
        if (c >= '0' && c <= '9') {
            if (++cuantos > 18)
                return false;
            digitos = digitos * 10 + static_cast<std::uint64_t>(c - '0');
            decimales += punto;
        } else if (c == '.' && !punto) {
            punto = true;
        } else {
            break;
        }
    }
    if (i < texto.size()) {
        if (texto[i] != 'e')
            return false;
        ++i;
        if (i < texto.size() && texto[i] == '+')
            ++i;
        const auto [fin, error] = std::from_chars(texto.data() + i, texto.data() + texto.size(), exponente);
        if (error != std::errc() || fin != texto.data() + texto.size())
            return false;
    }
    const long potencia = exponente - decimales;
    if (digitos == 0 || potencia > 0 || potencia < -19)
        return false;
    std::uint64_t denominador = 1;
    for (long k = 0; k < -potencia; ++k)
        denominador *= 10;
    const std::uint64_t comun = std::gcd(digitos, denominador);
    fmpz_set_ui(fmpq_numref(Flint(r)), digitos / comun);
    fmpz_set_ui(fmpq_denref(Flint(r)), denominador / comun);
    if (negativo)
        fmpz_neg(fmpq_numref(Flint(r)), fmpq_numref(Flint(r)));
    return true;
}

} // namespace

bool CocienteCorto(const fmpz_t numerador, const fmpz_t denominador, double &d)
{
    // Both exact as doubles: one division rounds the quotient once, to
    // nearest, as the rounding of the exact fraction.
    if (fmpz_bits(numerador) > 53 || fmpz_bits(denominador) > 53)
        return false;
    d = static_cast<double>(fmpz_get_si(numerador)) / static_cast<double>(fmpz_get_si(denominador));
    return true;
}

Racional::Racional() { fmpq_init(Flint(*this)); }

Racional::Racional(long entero)
{
    fmpq_init(Flint(*this));
    fmpz_set_si(fmpq_numref(Flint(*this)), entero);
}

Racional::Racional(long numerador, long denominador)
{
    fmpq_init(Flint(*this));
    if (denominador != 0) {
        fmpz_set_si(fmpq_numref(Flint(*this)), numerador);
        fmpz_set_si(fmpq_denref(Flint(*this)), denominador);
        fmpq_canonicalise(Flint(*this));
    }
}

Racional::Racional(const Racional &otro)
{
    fmpq_init(Flint(*this));
    fmpq_set(Flint(*this), Flint(otro));
}

Racional::Racional(Racional &&otro) noexcept
{
    fmpq_init(Flint(*this));
    fmpq_swap(Flint(*this), Flint(otro));
}

Racional &Racional::operator=(const Racional &otro)
{
    fmpq_set(Flint(*this), Flint(otro));
    return *this;
}

Racional &Racional::operator=(Racional &&otro) noexcept
{
    fmpq_swap(Flint(*this), Flint(otro));
    return *this;
}

Racional::~Racional() { fmpq_clear(Flint(*this)); }

Racional Racional::DesdeDouble(double x)
{
    Racional r;
    if (!std::isfinite(x) || x == 0.0)
        return r;
    if (x == std::trunc(x) && std::fabs(x) < 9.2e18) {
        fmpz_set_si(fmpq_numref(Flint(r)), static_cast<long>(x));
        return r;
    }
    char texto[64];
    const auto [fin, error] = std::to_chars(texto, texto + sizeof texto, std::fabs(x));
    if (error == std::errc() && DecimalCorto(std::string_view(texto, static_cast<std::size_t>(fin - texto)), r, x < 0))
        return r;
    fmpz_t numerador;
    fmpz_init(numerador);
    long potencia = 0;
    if (error == std::errc() && LeeDecimal(std::string_view(texto, static_cast<std::size_t>(fin - texto)), numerador, potencia))
        PonDecimal(Flint(r), numerador, potencia, x < 0);
    fmpz_clear(numerador);
    return r;
}

std::optional<Racional> Racional::DesdeTexto(std::string_view texto)
{
    bool negativo = false;
    if (!texto.empty() && (texto.front() == '-' || texto.front() == '+')) {
        negativo = texto.front() == '-';
        texto.remove_prefix(1);
    }
    Racional r;
    fmpz_t numerador;
    fmpz_init(numerador);
    long potencia = 0;
    bool bien = false;
    const auto barra = texto.find('/');
    if (barra == std::string_view::npos) {
        bien = LeeDecimal(texto, numerador, potencia);
        if (bien)
            PonDecimal(Flint(r), numerador, potencia, negativo);
    } else {
        Racional arriba, abajo;
        fmpz_t otro;
        fmpz_init(otro);
        long potencia2 = 0;
        bien = LeeDecimal(texto.substr(0, barra), numerador, potencia)
               && LeeDecimal(texto.substr(barra + 1), otro, potencia2);
        if (bien) {
            PonDecimal(Flint(arriba), numerador, potencia, negativo);
            PonDecimal(Flint(abajo), otro, potencia2, false);
            bien = !abajo.EsCero();
            if (bien)
                r = arriba / abajo;
        }
        fmpz_clear(otro);
    }
    fmpz_clear(numerador);
    if (!bien)
        return std::nullopt;
    return r;
}

double Racional::ADouble() const
{
    double d = 0.0;
    if (CocienteCorto(fmpq_numref(Flint(*this)), fmpq_denref(Flint(*this)), d))
        return d;
    arf_t f;
    arf_init(f);
    arf_set_fmpq(f, Flint(*this), 53, ARF_RND_NEAR);
    d = arf_get_d(f, ARF_RND_NEAR);
    arf_clear(f);
    return d;
}

std::string Racional::Texto() const
{
    char *c = fmpq_get_str(nullptr, 10, Flint(*this));
    std::string s(c);
    flint_free(c);
    return s;
}

int Racional::Signo() const { return fmpq_sgn(Flint(*this)); }

Racional Racional::Abs() const
{
    Racional r;
    fmpq_abs(Flint(r), Flint(*this));
    return r;
}

Racional Racional::operator-() const
{
    Racional r;
    fmpq_neg(Flint(r), Flint(*this));
    return r;
}

Racional operator+(const Racional &a, const Racional &b)
{
    Racional r;
    fmpq_add(Flint(r), Flint(a), Flint(b));
    return r;
}

Racional operator-(const Racional &a, const Racional &b)
{
    Racional r;
    fmpq_sub(Flint(r), Flint(a), Flint(b));
    return r;
}

Racional operator*(const Racional &a, const Racional &b)
{
    Racional r;
    fmpq_mul(Flint(r), Flint(a), Flint(b));
    return r;
}

Racional operator/(const Racional &a, const Racional &b)
{
    Racional r;
    fmpq_div(Flint(r), Flint(a), Flint(b));
    return r;
}

bool operator==(const Racional &a, const Racional &b) { return fmpq_equal(Flint(a), Flint(b)) != 0; }

std::strong_ordering operator<=>(const Racional &a, const Racional &b)
{
    const int c = fmpq_cmp(Flint(a), Flint(b));
    return c < 0 ? std::strong_ordering::less : c > 0 ? std::strong_ordering::greater : std::strong_ordering::equal;
}
