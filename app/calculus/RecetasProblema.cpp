#include "RecetasProblema.h"

#include "Azar.h"
#include "Entero16.h"
#include "generapoli.h"

#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <numeric>
#include <vector>

int SignoAzar()
{
    const double n = rt::RedondeaPar(10.0 * rt::Rnd());
    return std::fmod(n, 2.0) == 0.0 ? 1 : -1;
}

namespace {

double U(int n) { return rt::EnteroAzar1(n); }
double Z(int n) { return rt::EnteroAzar0(n); }
// A fresh sign, then the magnitude: sigma * U(n) and sigma * Z(n).
double SU(int n) { const int s = SignoAzar(); return s * U(n); }
double SZ(int n) { const int s = SignoAzar(); return s * Z(n); }
double Q() { const double q = Z(3) + 2; return q * q; }

// The recipes draw whole numbers, which doubles hold exactly; a quotient
// is kept as the fraction it is, so the polynomial is the one the recipe
// means and not the nearest decimals.
void Pon(int k, const Racional &valor)
{
    CoefExacto[static_cast<std::size_t>(k)] = valor;
    Coef[static_cast<std::size_t>(k)] = valor.ADouble();
}
void Pon(int k, double entero) { Pon(k, Racional::DesdeDouble(entero)); }

// P' = sum of d[j] x^j integrated from 0.
void Integra(std::initializer_list<std::pair<int, double>> derivada)
{
    for (const auto &[j, c] : derivada)
        Pon(j + 1, Racional::DesdeDouble(c) / Racional(j + 1));
}

// P' = sum of derivada[j] x^j, whole numbers, integrated from 0 and
// multiplied by the least factor that keeps every coefficient whole, then
// by escala.
void IntegraEntera(const std::vector<double> &derivada, double escala)
{
    long long factor = 1;
    for (std::size_t j = 0; j < derivada.size(); ++j) {
        const auto c = static_cast<long long>(std::llabs(static_cast<long long>(derivada[j])));
        const auto divisor = static_cast<long long>(j + 1);
        if (c != 0)
            factor = std::lcm(factor, divisor / std::gcd(c, divisor));
    }
    for (std::size_t j = 0; j < derivada.size(); ++j)
        Pon(static_cast<int>(j + 1), Racional::DesdeDouble(escala * static_cast<double>(factor) * derivada[j])
                                         / Racional(static_cast<long>(j + 1)));
}

// The root or critical point c moved by paso until it meets none of the
// values it must stay apart from.
double Aparta(double c, double paso, std::initializer_list<double> prohibidos)
{
    for (;;) {
        bool choca = false;
        for (double p : prohibidos)
            choca = choca || c == p;
        if (!choca)
            return c;
        c += paso;
    }
}

// a x^m (x^2 - 1)(x^2 - Q)
void Factorizado(int m, double a, double q)
{
    Pon(m + 4, a);
    Pon(m + 2, -a * (q + 1));
    Pon(m, a * q);
}

void Grado1(int s, int paridad)
{
    Pon(1, s * U(10));
    if (paridad == 1)
        Pon(0, SU(10));
}

void Grado2(int s, int paridad, int q)
{
    if (paridad == 0) {
        Pon(2, s * U(8));
        if (q == 0)
            Pon(0, -s * U(8));
        else if (q == 1)
            Pon(0, s * U(8));
        return;
    }
    if (paridad != 1)
        return;
    if (q == 0) {
        const double a = s * U(8), b = SU(8);
        Pon(2, a);
        Pon(1, -2 * a * b);
        Pon(0, a * b * b);
    } else if (q == 1) {
        const double a = s * U(6), b = SU(8);
        double c = SZ(9);
        // Two different roots, b/a and c.
        if (c == b / a)
            c = Aparta(c + 2, 2, {b / a});
        Pon(2, a);
        Pon(1, -(a * c + b));
        Pon(0, b * c);
    } else if (q == 2) {
        const double a = s * U(6), b = SU(6), c = U(9);
        Pon(2, a);
        Pon(1, -2 * a * b);
        Pon(0, a * (b * b + c));
    }
}

void Grado3(int s, int paridad, int q)
{
    if (paridad == 0) {
        if (q == 0) {
            Pon(3, s * U(8));
            Pon(1, -s * U(8));
        } else if (q == 1) {
            Pon(3, s * U(8));
            Pon(1, s * U(8));
        } else if (q == 2) {
            Pon(3, s * U(6));
        }
        return;
    }
    if (paridad != 1)
        return;
    const double x0 = s * Z(4);
    double C = 2 * SZ(4);
    const double B = 2 * SU(3);
    const double A = 3 * SU(2);
    auto pasaPorX0 = [x0] { Pon(0, -(Coef[3] * x0 * x0 * x0 + Coef[2] * x0 * x0 + Coef[1] * x0)); };
    if (q == 0) {
        if (std::fabs(C) == std::fabs(B / A))
            C = C + 2;
        Integra({{2, A}, {1, A * C + B}, {0, B * C}});
        pasaPorX0();
    } else if (q == 1) {
        // Integrated from -B, so that the single critical point is a
        // triple root: P = A/3 (x + B)^3.
        Integra({{2, A}, {1, 2 * A * B}, {0, A * B * B}});
        Pon(0, A * B * B * B / 3);
    } else if (q == 2) {
        Integra({{2, A}, {1, 2 * A * B}, {0, A * (B * B + 1)}});
        pasaPorX0();
    }
}

void Grado4(int s, int paridad, int q)
{
    if (paridad == 0) {
        if (q == 0 || q == 1) {
            const double a = s * U(6);
            const double c = q == 0 ? -s * U(6) : -s * Z(6);
            double d = q == 0 ? -Z(7) : U(6);
            // One critical point: P' = 2x (2a x^2 + a d + c) must not vanish
            // off 0, so a d + c may not oppose a.
            if (q == 1)
                d = std::fmax(d, std::ceil(std::fabs(c / a)));
            Pon(4, a);
            Pon(2, a * d + c);
            Pon(0, c * d);
        } else if (q == 2) {
            // The constant takes the sign of the leading term: a fourfold
            // root at 0 or none at all, never two simple ones.
            Pon(4, s * U(9));
            Pon(0, s * Z(9));
        }
        return;
    }
    if (paridad != 1)
        return;
    if (q == 0) {
        const double a = s * U(3), b = SU(4);
        Pon(4, a);
        Pon(1, 4 * a * b);
    } else if (q == 1) {
        const double A = 2 * s * U(4), B = 6 * SU(4);
        Integra({{3, A * A}, {2, 2 * A * B}, {1, B * B}});
    } else if (q == 2) {
        const double A = 4 * s * U(3), B = 6 * SU(4);
        double C = 3 * SU(4);
        // Three different critical points: 0, -B/A and -C; the one moved
        // also stays off the roots of P (P(-C) = 0 when C = 2B/A).
        if (C == B / A)
            C = Aparta(C + 3, 3, {B / A, 0.0, 2 * B / A});
        Integra({{3, A}, {2, A * C + B}, {1, B * C}});
    }
}

void Grado5(int s, int paridad, int q)
{
    if (paridad == 0) {
        switch (q) {
        case 0: {
            // b is never 0, or P'' = 4A x^3 would leave one inflection point.
            const double A = 5 * s * U(3), b = -3 * U(4);
            Integra({{4, A}, {2, 2 * A * b}, {0, A * (b * b + 1)}});
            break;
        }
        case 1:
            Pon(5, s * U(4));
            break;
        case 2:
            Pon(5, s * U(6));
            Pon(3, -s * U(5));
            break;
        case 3: {
            // Five real roots need the outer critical points more than
            // sqrt(5) times as far from 0 as the inner ones: c/b is 6 to 9.
            const double A = 15 * s * U(3), b = -U(2);
            const double c = b * (5 + U(4));
            Integra({{4, A}, {2, A * (b + c)}, {0, A * b * c}});
            break;
        }
        case 5: {
            // |b| > c, so that P'' = 2Ax (2x^2 + b + c) vanishes three times.
            const double A = 15 * s * U(3);
            double b = -U(10);
            const double c = U(10);
            if (std::fabs(b) <= c)
                b = -c - 1;
            Integra({{4, A}, {2, A * (b + c)}, {0, A * b * c}});
            break;
        }
        case 4: {
            const double A = 15 * s * U(3), b = -U(10);
            Integra({{4, A}, {2, 2 * A * b}, {0, A * b * b}});
            break;
        }
        default:
            break;
        }
        return;
    }
    if (paridad != 1)
        return;
    switch (q) {
    case 0:
    case 1: {
        const double A = 5 * s * U(6), B = 6 * SU(4);
        const double extra = q == 0 ? 3 : 0;
        Integra({{4, A}, {3, 2 * A * B}, {2, A * (B * B + extra)}});
        break;
    }
    case 2: {
        const double A = 5 * s * U(6), B = 12 * SU(3);
        double C = 4 * SU(5);
        if (std::fabs(C) == std::fabs(B / A))
            C = C >= 0 ? C + 4 : C - 4;
        Integra({{4, A}, {3, A * C + B}, {2, B * C}});
        break;
    }
    case 3:
        Pon(5, s * U(6));
        Pon(4, SU(8));
        break;
    case 4:
        Pon(5, s * U(6));
        Pon(0, SU(10));
        break;
    default:
        break;
    }
}

// Degree 10 or 12 with a sixfold root at 0 and no other real root, the
// critical points 0 and -B, and two inflection points:
// P' = A x^5 (x + B)^2 (x^m + B^m), m = n - 8. P' keeps the sign of A x^5,
// so 0 is P's only root; -B is a horizontal inflection and P' has one
// extremum between 0 and -B.
void RaizSextuple(int n, int s)
{
    const int m = n - 8;
    // B stays 1 at degree 12, whose whole coefficients already run into
    // the thousands.
    const double B = SU(n == 10 ? 2 : 1);
    std::vector<double> derivada(static_cast<std::size_t>(n), 0.0);
    auto suma = [&derivada](int k, double v) { derivada[static_cast<std::size_t>(k)] += v; };
    suma(5 + m + 2, 1);
    suma(5 + m + 1, 2 * B);
    suma(5 + m, B * B);
    suma(7, std::pow(B, m));
    suma(6, 2 * std::pow(B, m + 1));
    suma(5, std::pow(B, m + 2));
    IntegraEntera(derivada, s * U(2));
}

// Degree 9 or 11 with a fivefold root at 0 and no other real root, one
// critical point and three inflection points:
// P = a x^5 (x^k + b x^(k-1) + c), k = n - 5. c is the first whole number
// above the bound that keeps P'/x^4 = n x^k + (n-1) b x^(k-1) + 5c without
// real roots (which keeps P/x^5 without them too); with |b| 2 or 3 it stays
// near enough to that bound for P''/x^3 to cross 0 twice.
void RaizQuintuple(int n, int s)
{
    const int k = n - 5;
    const double a = s * U(3), b = SignoAzar() * (U(2) + 1);
    // The bound as a fraction of whole numbers (below 2^63 for n <= 11),
    // so that its whole part is exact.
    auto potencia = [](long long base, int e) {
        long long r = 1;
        while (e-- > 0)
            r *= base;
        return r;
    };
    const long long numerador = potencia(k - 1, k - 1) * potencia((n - 1) * static_cast<long long>(std::fabs(b)), k);
    const long long denominador = 5 * potencia(k, k) * potencia(n, k - 1);
    Pon(n, a);
    Pon(n - 1, a * b);
    Pon(5, a * static_cast<double>(numerador / denominador + 1));
}

void GradoPar(int n, int s, int paridad, int q)
{
    if (paridad == 0) {
        switch (q) {
        case 0:
            Pon(n, s * U(10));
            Pon(n - 2, n == 6 ? 3 * s * Z(6) : (n / 2) * s * Z(5));
            break;
        case 1:
            Pon(n, s * U(10));
            Pon(n - 2, n == 6 ? -3 * s * U(5) : -(n / 2) * s * U(3));
            break;
        case 2: {
            int k = 6, j = 1;
            switch (n) {
            case 8: k = 8; j = 3; break;
            case 10: k = 30; j = 2; break;
            case 12: k = 24; j = 5; break;
            case 14: k = 70; j = 3; break;
            default: break;
            }
            const double A = k * s * U(6), b = -j * U(4);
            Integra({{n - 1, A}, {n - 3, 2 * A * b}, {n - 5, A * b * b}});
            break;
        }
        case 3: {
            const double a = s * U(3);
            Factorizado(n - 4, a, Q());
            break;
        }
        default:
            break;
        }
        return;
    }
    if (paridad != 1)
        return;
    switch (q) {
    case 0:
    case 1: {
        Pon(n, s * U(8));
        const int signo = SignoAzar();
        // M = 10..29 for the linear term, W = 4..10 (4..9 from degree 12).
        const double magnitud = q == 0 ? Z(20) + 10 : Z(n <= 10 ? 7 : 6) + 4;
        Pon(q == 0 ? 1 : n - 1, q == 0 ? n * signo * magnitud : signo * magnitud);
        break;
    }
    case 2: {
        const double A = n * s * U(3), B = (n - 1) * SU(3);
        double C = ((n - 1) * (n - 2) / 2) * SU(3);
        // Three different critical points: 0, -B and -C.
        if (C == B)
            C = -C;
        Integra({{n - 1, A}, {n - 2, A * (B + C)}, {n - 3, A * B * C}});
        break;
    }
    case 3: {
        if (n == 10 || n == 12) {
            RaizSextuple(n, s);
            break;
        }
        const int k = n == 6 ? 12 : n == 8 ? 24 : 98;
        const double A = k * s * U(4), B = (n - 1) * SU(3);
        Integra({{n - 1, A}, {n - 2, 2 * A * B}, {n - 3, A * B * B}});
        break;
    }
    default:
        break;
    }
}

void GradoImpar(int n, int s, int paridad, int q)
{
    if (paridad == 0) {
        switch (q) {
        case 0:
            Pon(n, s * U(10));
            Pon(1, s * U(10));
            break;
        case 1:
            Pon(n, s * U(10));
            // At degree 11 the second term never vanishes: a ninefold root,
            // never an elevenfold one.
            Pon(n == 13 ? 9 : n - 2, s * (n == 11 ? U(9) : Z(10)));
            break;
        case 2:
            Pon(n, s * U(10));
            Pon(n - 2, -s * U(10));
            break;
        case 3: {
            const double A = n * (n - 4) * s * U(3), b = -(n - 2) * U(3);
            Integra({{n - 1, A}, {n - 3, 2 * A * b}, {n - 5, A * b * b}});
            break;
        }
        case 4: {
            double a, q4;
            if (n == 11) {
                q4 = Q();
                a = s * U(10);
            } else {
                a = s * U(10);
                q4 = Q();
            }
            Factorizado(n - 4, a, q4);
            break;
        }
        default:
            break;
        }
        return;
    }
    if (paridad != 1)
        return;
    switch (q) {
    case 0: {
        if (n == 9 || n == 11) {
            RaizQuintuple(n, s);
            break;
        }
        // Only the critical point 0: the quadratic factor of P' is kept
        // without real roots by raising its constant.
        const double A = n * s * U(6), B = ((n - 1) / 2) * SU(4);
        Pon(n, A / n);
        Pon(n - 1, 2 * A * B / (n - 1));
        Pon(n - 2, s * (rt::Int(std::fabs(A) * B * B / (n - 2)) + 1));
        break;
    }
    case 1: {
        const double A = n * (n - 2) * s * U(6), B = ((n - 1) / 2) * SU(4);
        Integra({{n - 1, A}, {n - 2, 2 * A * B}, {n - 3, A * B * B}});
        break;
    }
    case 2: {
        const double a = s * U(3), b = SU(4), c = SU(4);
        Pon(n, a);
        Pon(n - 1, a * (b + c));
        Pon(n - 2, a * b * c);
        break;
    }
    case 3:
        Pon(n, 5 * s);
        Pon(n - 1, SU(4));
        break;
    case 4:
        Pon(n, 5 * s);
        Pon(n - 3, SU(4));
        break;
    case 5:
        Pon(n, 5 * s);
        Pon(0, SU(10));
        break;
    default:
        break;
    }
}

} // namespace

void GeneraCoeficientes(std::int16_t grado, std::int16_t paridad, std::int16_t cualidad)
{
    Coef.fill(0.0);
    CoefExacto.fill(Racional());
    const int s = SignoAzar();
    if (grado == 1)
        Grado1(s, paridad);
    else if (grado == 2)
        Grado2(s, paridad, cualidad);
    else if (grado == 3)
        Grado3(s, paridad, cualidad);
    else if (grado == 4)
        Grado4(s, paridad, cualidad);
    else if (grado == 5)
        Grado5(s, paridad, cualidad);
    else if (grado >= 6 && grado <= 15 && grado % 2 == 0)
        GradoPar(grado, s, paridad, cualidad);
    else if (grado >= 7 && grado <= 15)
        GradoImpar(grado, s, paridad, cualidad);
}

std::string NombreCualidad(std::int16_t grado, std::int16_t paridad, std::int16_t cualidad)
{
    struct Nombre {
        int grado, paridad, cualidad;
        const char *texto;
    };
    static const Nombre nombres[] = {
        {2, 0, 2, "Una raíz doble"},
        {2, 1, 1, "2 raíces reales distintas"},
        {3, 1, 1, "Un punto crítico, una raíz triple"},
        {4, 0, 0, "Cuatro raíces reales, 3 puntos críticos"},
        {5, 0, 3, "3 puntos de inflexión, 4 puntos críticos, 5 raíces reales"},
        {7, 0, 2, "3 puntos de inflexión, 3 puntos críticos, 7 raíces reales"},
        {7, 0, 4, "5 puntos de inflexión, 5 puntos críticos, 7  raíces reales"},
        {7, 1, 0, "3 puntos de inflexión, 1 punto crítico, 1 raíz quíntuple"},
        {9, 1, 1, "3 puntos de inflexión, 2 puntos críticos, 7 raíces reales"},
        {12, 0, 2, "4 puntos de inflexión, 3 puntos críticos, 8 raíces reales"},
    };
    for (const Nombre &n : nombres)
        if (n.grado == grado && n.paridad == paridad && n.cualidad == cualidad)
            return n.texto;
    return {};
}
