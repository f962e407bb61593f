#include "RaicesReales.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cmath>
#include <limits>
#include <utility>

namespace {

constexpr double kEpsilon = std::numeric_limits<double>::epsilon();
// Unit roundoff: the largest relative error of one rounded operation.
constexpr double kUnidad = kEpsilon / 2;

// What a coefficient of a rounded polynomial may be off from the one it
// stands for, in units of roundoff of the size of the terms: an expanded
// product of up to 15 factors rounds every coefficient several times over,
// and cancellation leaves that rounding in small coefficients (about 25
// units measured on products of up to 12 factors with roots on a 0.1 grid).
constexpr double kRedondeosPorCoeficiente = 64.0;

// Exact coefficients, as whole numbers, halves and quarters and their
// products give them, sit on a coarse grid and need few significant bits;
// rounded ones (decimal fractions, expanded products of them, or what
// cancellation leaves of them) fill the significand or fall off the grid.
constexpr int kBitsFraccion = 32;
constexpr int kBitsSignificativos = 48;

bool EnRejilla(double c)
{
    // c = m 2^e with m a whole number of 53 bits: on the grid when
    // m 2^(e + kBitsFraccion) is whole, with few bits when m ends in zeros.
    const auto bits = std::bit_cast<std::uint64_t>(c);
    const int campo = static_cast<int>((bits >> 52) & 0x7FF);
    if (campo == 0)
        return c == 0.0; // subnormal: far off any grid
    if (campo == 0x7FF)
        return false;
    const std::uint64_t m = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
    const int ceros = std::countr_zero(m);
    const int e = campo - 1075;
    return ceros >= 53 - kBitsSignificativos && e + kBitsFraccion + ceros >= 0;
}

int Signo(double v)
{
    return v > 0.0 ? 1 : (v < 0.0 ? -1 : 0);
}

// v where the condition holds, else 0, with no branch.
double SoloSi(bool condicion, double v)
{
    return std::bit_cast<double>(std::bit_cast<std::uint64_t>(v) & (std::uint64_t{0} - condicion));
}

void QuitaCerosAltos(std::vector<double> &coef)
{
    while (!coef.empty() && coef.back() == 0.0)
        coef.pop_back();
}

} // namespace

bool RaicesReales::CoeficientesExactos(const std::vector<double> &coef)
{
    return std::all_of(coef.begin(), coef.end(), EnRejilla);
}

RaicesReales::Valor RaicesReales::EvaluaConCota(const std::vector<double> &coef, double x)
{
    return EvaluaConCota(coef, x, CoeficientesExactos(coef));
}

namespace {

// What rounding of the point and of the coefficients may move P's value
// at a point where the terms add up to suma in magnitude.
double CotaPuntoYDatos(double suma, double n, bool exactos)
{
    // The point is a root of the derivative rounded to a double: P there
    // differs from P at the root itself by second-order terms.
    const double punto = 4 * kUnidad * kUnidad * (n * n + 1) * suma;
    const double datos = exactos ? 0.0 : kRedondeosPorCoeficiente * kUnidad * suma;
    return punto + datos;
}

} // namespace

// Where the processor has fused multiply-add, the product's rounding
// error comes from one instruction instead of a call into the maths
// library; the sums must still be rounded one by one, so nothing is fused
// that the code does not fuse itself.
#if defined(__clang__)
#define SIN_CONTRAER // clang fuses within one expression only
#else
#define SIN_CONTRAER __attribute__((optimize("fp-contract=off")))
#endif
[[gnu::target_clones("fma", "default")]] SIN_CONTRAER
RaicesReales::Compensado RaicesReales::HornerCompensado(const std::vector<double> &coef, double x)
{
    // The rounding error of every product and sum is carried along and
    // added back at the end, so the value is as if worked in twice the
    // precision; the size of those error terms bounds what is left.
    double p = coef.back();
    double correccion = 0.0;
    double errores = 0.0; // |error terms| by Horner in |x|
    const double ax = std::fabs(x);
    for (std::size_t i = coef.size() - 1; i-- > 0;) {
        const double producto = p * x;
        const double errorProducto = std::fma(p, x, -producto);
        const double nuevo = producto + coef[i];
        const double z = nuevo - producto;
        const double errorSuma = (producto - (nuevo - z)) + (coef[i] - z);
        p = nuevo;
        correccion = correccion * x + (errorProducto + errorSuma);
        errores = errores * ax + (std::fabs(errorProducto) + std::fabs(errorSuma));
    }
    return {p + correccion, errores};
}

RaicesReales::Valor RaicesReales::EvaluaConCota(const std::vector<double> &coef, double x, bool exactos)
{
    // Plain Horner first, with its running error bound: where P is clearly
    // away from zero that is all it takes.
    Valor r;
    if (coef.empty())
        return r;
    const double n = static_cast<double>(coef.size() - 1);
    const double ax = std::fabs(x);
    double p = coef.back();
    double mu = std::fabs(p) / 2;
    double suma = std::fabs(p);
    for (std::size_t i = coef.size() - 1; i-- > 0;) {
        p = p * x + coef[i];
        mu = mu * ax + std::fabs(p);
        suma = suma * ax + std::fabs(coef[i]);
    }
    const double resto = CotaPuntoYDatos(suma, n, exactos);
    const double simple = (kUnidad * (2 * mu - std::fabs(p)) + resto) * (1 + 4 * kUnidad);
    r.tamano = suma;
    if (std::fabs(p) > simple) {
        r.valor = p;
        r.cotaError = simple;
        return r;
    }

    // With nothing added for exact coefficients, a value that is provably
    // not zero is never taken for one.
    const Compensado c = HornerCompensado(coef, x);
    r.valor = c.valor;
    const double gamma = (4 * n + 2) * kUnidad / (1 - (4 * n + 2) * kUnidad);
    const double evaluacion = kUnidad * std::fabs(r.valor) + gamma * c.errores
                              + 2 * kUnidad * kUnidad * std::fabs(r.valor);
    r.cotaError = (evaluacion + resto) * (1 + 4 * kUnidad);
    return r;
}

std::vector<double> RaicesReales::Derivada(const std::vector<double> &coef)
{
    std::vector<double> d;
    d.reserve(coef.size());
    for (std::size_t k = 1; k < coef.size(); ++k)
        d.push_back(static_cast<double>(k) * coef[k]);
    return d;
}

template <typename Raiz>
void RaicesReales::CotasCon(const std::vector<double> &coef, double &cpos, double &cneg, Raiz raiz)
{
    const std::vector<double> &a = coef;
    int n = static_cast<int>(a.size()) - 1;
    while (n >= 0 && a[static_cast<std::size_t>(n)] == 0.0)
        --n;
    cpos = 0.0;
    cneg = 0.0;
    if (n < 1)
        return;
    const double lider = a[static_cast<std::size_t>(n)];
    const int s = Signo(lider);
    const int sNeg = (n % 2 == 0) ? s : -s;
    double m1 = 0.0, m2 = 0.0;
    int k1 = 0, k2 = 0;
    // Signs vary from one coefficient to the next, so the choices are
    // written as selections, not branches the processor would mispredict.
    // A zero coefficient has neither sign and changes nothing.
    double paridad = (n % 2 == 0) ? 1.0 : -1.0; // (-1)^e, exact
    for (int e = n; e >= 0; --e) {
        const double c = a[static_cast<std::size_t>(e)];
        const bool opuesto = s * c < 0.0;
        const bool opuestoNeg = sNeg * (paridad * c) < 0.0;
        paridad = -paridad;
        k1 = (opuesto & (m1 == 0.0)) ? e : k1;
        m1 = std::max(m1, SoloSi(opuesto, std::fabs(c)));
        k2 = (opuestoNeg & (m2 == 0.0)) ? e : k2;
        m2 = std::max(m2, SoloSi(opuestoNeg, std::fabs(c)));
    }
    if (m1 != 0.0)
        cpos = 1.0 + raiz(m1 / std::fabs(lider), n - k1);
    if (m2 != 0.0)
        cneg = -(1.0 + raiz(m2 / std::fabs(lider), n - k2));
}

void RaicesReales::Cotas(const std::vector<double> &coef, double &cpos, double &cneg)
{
    CotasCon(coef, cpos, cneg, [](double q, int orden) { return std::pow(q, 1.0 / orden); });
}

void RaicesReales::CotasHolgadas(const std::vector<double> &coef, double &cpos, double &cneg)
{
    // q^(1/orden) rounded up to a power of two: at most twice the root,
    // without the cost of pow.
    CotasCon(coef, cpos, cneg, [](double q, int orden) {
        int e = 0;
        std::frexp(q, &e); // q < 2^e
        return std::ldexp(1.0, e > 0 ? (e + orden - 1) / orden : e / orden);
    });
}


namespace {

// P, P' and P'' at x by Horner, with the running error bound of P's value.
struct TresValores {
    double p = 0.0, d1 = 0.0, d2 = 0.0;
    double cota = 0.0;
};

// The t in (0, 1) where f0 + (f1 - f0)(3t^2 - 2t^3) is zero, f0 and f1 of
// opposite signs: a few Newton steps from the straight line's root.
double RaizCubicaHermite(double f0, double f1)
{
    const double tau = f0 / (f0 - f1);
    double t = tau;
    for (int i = 0; i < 2; ++i) {
        const double s = t * t * (3 - 2 * t) - tau;
        const double d = 6 * t * (1 - t);
        if (d <= 0)
            break;
        t = std::clamp(t - s / d, 0.01, 0.99);
    }
    return t;
}

// Laguerre's step from a critical point c toward the other end of its
// stretch: with P'(c) = 0 it is sqrt(n P / ((n - 1) P'')) long, real when P
// and P'' differ in sign. Just c where that cannot be told or the step
// would leave the stretch.
double DesdeCritico(const RaicesReales::Memoria::Punto &c, const RaicesReales::Memoria::Punto &otro, double n)
{
    const double cociente = -c.valor / c.curvatura;
    if (!(cociente > 0.0))
        return c.x;
    const double x = c.x + std::copysign(std::sqrt(n * cociente / (n - 1)), otro.x - c.x);
    return std::fabs(x - c.x) < std::fabs(otro.x - c.x) ? x : c.x;
}

// P, P' and P'' at several points in one pass over the coefficients,
// point by point the same arithmetic: the points' chains of products do
// not wait for each other.
template <std::size_t L>
[[gnu::always_inline]] inline void EvaluaLote(const std::vector<double> &coef, const double *x, TresValores *r)
{
    double p[L], d1[L], d2[L], mu[L], ax[L];
#pragma GCC unroll 8
    for (std::size_t j = 0; j < L; ++j) {
        p[j] = coef.back();
        d1[j] = 0.0;
        d2[j] = 0.0;
        mu[j] = std::fabs(p[j]) / 2;
        ax[j] = std::fabs(x[j]);
    }
    for (std::size_t i = coef.size() - 1; i-- > 0;) {
        const double c = coef[i];
#pragma GCC unroll 8
        for (std::size_t j = 0; j < L; ++j) {
            d2[j] = d2[j] * x[j] + d1[j];
            d1[j] = d1[j] * x[j] + p[j];
            p[j] = p[j] * x[j] + c;
            mu[j] = mu[j] * ax[j] + std::fabs(p[j]);
        }
    }
#pragma GCC unroll 8
    for (std::size_t j = 0; j < L; ++j) {
        r[j].p = p[j];
        r[j].d1 = d1[j];
        r[j].d2 = d2[j] * 2;
        r[j].cota = kUnidad * (2 * mu[j] - std::fabs(p[j]));
    }
}

constexpr std::size_t kLote = 8;

// The first k points (up to kLote), worked in 1, 2, 4 or kLote lanes: x
// holds a point for each lane. Fused multiply-add where the processor has
// it: one rounding less and half the wait per step; the running bound
// holds all the more.
[[gnu::target_clones("fma", "default")]]
void EvaluaVarios(const std::vector<double> &coef, const double *x, TresValores *r, std::size_t k)
{
    if (k <= 1)
        EvaluaLote<1>(coef, x, r);
    else if (k <= 2)
        EvaluaLote<2>(coef, x, r);
    else if (k <= 4)
        EvaluaLote<4>(coef, x, r);
    else
        EvaluaLote<kLote>(coef, x, r);
}

TresValores EvaluaTres(const std::vector<double> &coef, double x)
{
    TresValores r;
    EvaluaVarios(coef, &x, &r, 1);
    return r;
}

// The search for the root of a monotone P in one stretch, a step at a
// time, so that the searches of several stretches go side by side.
struct Busqueda {
    double n = 0.0;
    double u = 0.0, fu = 0.0, v = 0.0, x = 0.0;
    double respaldo = 0.0;
    double pasoAnterior = 0.0; // none yet: nothing to tell from
    bool soloExtremo = false;
    int pasos = 0;
    RaizMultiple raiz;

    RaizMultiple sinAfinar(double punto, const TresValores &t) const
    {
        return RaizMultiple{punto, 1, false, u, v, fu, t.d1, t.d2};
    }
    // One step from x, where P, P', P'' are t; true once raiz holds the
    // root.
    bool Avanza(const TresValores &t);
};

bool Busqueda::Avanza(const TresValores &t)
{
    if (std::fabs(t.p) <= t.cota) {
        // Plain Horner pins the root to a unit of rounding already
        // unless P is flat here.
        raiz = t.cota <= kEpsilon * std::fabs(x * t.d1) ? RaizMultiple{x, 1} : sinAfinar(x, t);
        return true;
    }
    if (Signo(t.p) == Signo(fu)) {
        u = x;
        fu = t.p;
    } else {
        v = x;
    }
    // n / (G +- sqrt((n-1)(nH - G^2))) with G = P'/P, H = G^2 - P''/P,
    // worked with a single division.
    const double discriminante = (n - 1) * ((n - 1) * t.d1 * t.d1 - n * t.p * t.d2);
    const double raizD = std::sqrt(std::max(0.0, discriminante));
    double denominador = t.d1 >= 0 ? t.d1 + raizD : t.d1 - raizD;
    double paso = denominador != 0.0 ? n * t.p / denominador : 0.0;
    double siguiente = x - paso;
    if (denominador != 0.0 && !(siguiente > u && siguiente < v)) {
        // Where P' is about zero either sign of the root may be the
        // one that points into the bracket.
        denominador = t.d1 >= 0 ? t.d1 - raizD : t.d1 + raizD;
        paso = denominador != 0.0 ? n * t.p / denominador : 0.0;
        siguiente = x - paso;
    }
    if (denominador == 0.0 || !(siguiente > u && siguiente < v)) {
        if (!std::isnan(respaldo)) {
            // The start was only a guess: the safe one next.
            siguiente = respaldo;
            respaldo = std::numeric_limits<double>::quiet_NaN();
            pasoAnterior = 0.0;
        } else {
            siguiente = u + (v - u) / 2;
            if (siguiente <= u || siguiente >= v) {
                raiz = {x, 1}; // the bracket is down to neighbouring doubles
                return true;
            }
            pasoAnterior = 0.0;
        }
    } else if (std::fabs(paso) <= 1e-6 * std::fabs(siguiente)) {
        raiz = sinAfinar(siguiente, t);
        return true;
    } else {
        // Near the root each error is about K times the cube of the
        // one before, so two steps in a row tell what the next would
        // be: step^4 / previous^3 (compared without dividing).
        const double ahora = std::fabs(paso);
        if (soloExtremo && ahora <= 1e-3 * std::fabs(siguiente)
            && (ahora * ahora) * (ahora * ahora)
                   <= 1e-9 * std::fabs(siguiente) * (pasoAnterior * pasoAnterior * pasoAnterior)) {
            // P' and P'' were worked out a whole step away: P' carried
            // over to first order, and settling works them out anew.
            raiz = sinAfinar(siguiente, t);
            raiz.d1 -= t.d2 * paso;
            raiz.d2 = std::numeric_limits<double>::quiet_NaN();
            return true;
        }
        pasoAnterior = std::fabs(paso);
    }
    x = siguiente;
    if (++pasos == 100) {
        raiz = {x, 1};
        return true;
    }
    return false;
}

} // namespace

void RaicesReales::RaicesEnTramos(const std::vector<double> &coef, std::vector<Memoria::Tramo> &tramos,
                                  bool soloExtremo, std::vector<RaizMultiple> &raices)
{
    // Laguerre's step, which comes in fast even from a far bound and is
    // exact on a power of (x - r); kept inside the bracket by bisection.
    // Its convergence is cubic: once a step is down to a millionth, the
    // next point is as good as plain Horner can tell; Newton's step on the
    // compensated value settles the last digits when they are needed
    // (AfinaRaiz). The stretches go kLote at a time, each one's steps its
    // own.
    const double n = static_cast<double>(coef.size() - 1);
    const std::size_t k = tramos.size();
    // Between two critical points, where P' is 0 at both ends, from the
    // root of the cubic with those values and slopes: the stretches one
    // after another with nothing else in between, so that their divisions
    // overlap.
    for (Memoria::Tramo &t : tramos)
        if (std::isnan(t.inicio))
            t.inicio = t.u + (t.v - t.u) * RaizCubicaHermite(t.fu, t.fv);
    for (std::size_t desde = 0; desde < k; desde += kLote) {
        Busqueda b[kLote];
        std::size_t activa[kLote];
        std::size_t cuantas = std::min(kLote, k - desde);
        for (std::size_t j = 0; j < cuantas; ++j) {
            const Memoria::Tramo &t = tramos[desde + j];
            b[j].n = n;
            b[j].u = t.u;
            b[j].fu = t.fu;
            b[j].v = t.v;
            b[j].x = t.inicio;
            b[j].respaldo = t.respaldo;
            b[j].soloExtremo = soloExtremo;
            activa[j] = j;
        }
        double x[kLote];
        TresValores valores[kLote];
        while (cuantas > 0) {
            for (std::size_t j = 0; j < kLote; ++j)
                x[j] = b[activa[j < cuantas ? j : 0]].x;
            EvaluaVarios(coef, x, valores, cuantas);
            std::size_t siguen = 0;
            for (std::size_t j = 0; j < cuantas; ++j) {
                Busqueda &una = b[activa[j]];
                if (una.Avanza(valores[j]))
                    raices[tramos[desde + activa[j]].lugar] = una.raiz;
                else
                    activa[siguen++] = activa[j];
            }
            cuantas = siguen;
        }
    }
}

void RaicesReales::AfinaRaiz(const std::vector<double> &coef, RaizMultiple &r)
{
    if (r.afinada)
        return;
    if (std::isnan(r.d2)) {
        const TresValores t = EvaluaTres(coef, r.valor);
        r.d1 = t.d1;
        r.d2 = t.d2;
    }
    r.valor = Afina(coef, r.valor, r.izquierda, r.valorIzquierda, r.derecha, r.d1, r.d2);
    r.afinada = true;
}

double RaicesReales::Afina(const std::vector<double> &coef, double x, double u, double fu, double v,
                           double d1, double d2)
{
    for (int paso = 0; paso < 4; ++paso) {
        const double f = HornerCompensado(coef, x).valor;
        if (f == 0.0 || d1 == 0.0)
            return x;
        if (Signo(f) == Signo(fu))
            u = x;
        else
            v = x;
        const double siguiente = x - f / d1;
        if (!(siguiente > u && siguiente < v))
            return x;
        // Newton's next step would be about step^2 P''/(2P'): when that is
        // below a unit of rounding the digits are settled.
        const double paso2 = (siguiente - x) * (siguiente - x) * std::fabs(d2) / (2 * std::fabs(d1));
        if (std::fabs(siguiente - x) <= kEpsilon * std::fabs(x) || paso2 <= kUnidad * std::fabs(siguiente))
            return siguiente;
        x = siguiente;
        const TresValores t = EvaluaTres(coef, x);
        d1 = t.d1;
        d2 = t.d2;
    }
    return x;
}

std::vector<RaizMultiple> RaicesReales::Calcula(std::vector<double> coef, Memoria *memoria)
{
    QuitaCerosAltos(coef);
    Memoria propia;
    Memoria &m = memoria ? *memoria : propia;
    if (m.entradas.empty())
        m.entradas.reserve(coef.size());
    return CalculaAfinadas(std::move(coef), m, 0);
}

std::vector<RaizMultiple> RaicesReales::CalculaAfinadas(std::vector<double> coef, Memoria &memoria, int profundidad)
{
    if (coef.size() < 2)
        return {};
    Memoria::Entrada &entrada = memoria.entradas[CalculaEsbozo(std::move(coef), memoria, profundidad)];
    for (RaizMultiple &r : entrada.raices)
        AfinaRaiz(entrada.coeficientes, r);
    return entrada.raices;
}

std::size_t RaicesReales::CalculaEsbozo(std::vector<double> coef, Memoria &memoria, int profundidad)
{
    for (std::size_t i = 0; i < memoria.entradas.size(); ++i)
        if (memoria.entradas[i].coeficientes == coef)
            return i;
    std::vector<RaizMultiple> raices;
    CalculaSinMemoria(coef, memoria, profundidad, raices);
    memoria.entradas.push_back({std::move(coef), std::move(raices)});
    return memoria.entradas.size() - 1;
}

std::vector<RaizMultiple> RaicesReales::RaicesCuadratica(const std::vector<double> &coef)
{
    // The same rule as for higher degrees, by formula: a double root where
    // P vanishes at its vertex, else two roots when the vertex lies on the
    // other side of zero from the leading coefficient. The discriminant
    // is worked without cancellation (each product's rounding error kept),
    // and the root farther from zero taken first so that the other, by
    // Vieta, loses nothing either.
    const double a = coef[2], b = coef[1], c = coef[0];
    const double vertice = -b / (2 * a);
    const Valor v = EvaluaConCota(coef, vertice, CoeficientesExactos(coef));
    if (std::fabs(v.valor) <= v.cotaError)
        return {{vertice, 2}};
    if (Signo(v.valor) == Signo(a))
        return {};
    const double bb = b * b, ac4 = 4 * a * c;
    const double d = (bb - ac4) + (std::fma(b, b, -bb) - std::fma(4 * a, c, -ac4));
    const double q = -(b + std::copysign(std::sqrt(std::max(d, 0.0)), b)) / 2;
    double x1 = q / a, x2 = c / q;
    if (x1 > x2)
        std::swap(x1, x2);
    // With P' there, for whoever starts a search from them.
    RaizMultiple r1{x1, 1}, r2{x2, 1};
    r1.d1 = 2 * a * x1 + b;
    r2.d1 = 2 * a * x2 + b;
    return {r1, r2};
}

void RaicesReales::CalculaSinMemoria(const std::vector<double> &coef, Memoria &memoria, int profundidad,
                                     std::vector<RaizMultiple> &raices)
{
    // A factor x^k: the root 0, k times, and the search goes on without it.
    std::size_t k = 0;
    while (coef[k] == 0.0)
        ++k;
    if (k > 0) {
        raices = CalculaAfinadas(std::vector<double>(coef.begin() + static_cast<std::ptrdiff_t>(k), coef.end()),
                                 memoria, profundidad);
        const auto donde = std::lower_bound(raices.begin(), raices.end(), 0.0,
                                            [](const RaizMultiple &r, double v) { return r.valor < v; });
        raices.insert(donde, RaizMultiple{0.0, static_cast<int>(k)});
        return;
    }

    if (coef.size() == 2) {
        raices.push_back({-coef[0] / coef[1], 1});
        return;
    }
    if (coef.size() == 3) {
        raices = RaicesCuadratica(coef);
        return;
    }

    // Nothing is added to the memory after this, so the reference holds.
    Memoria::Entrada &deDerivada = memoria.entradas[CalculaEsbozo(Derivada(coef), memoria, profundidad + 1)];
    const std::vector<double> &derivada = deDerivada.coeficientes;
    std::vector<RaizMultiple> &criticos = deDerivada.raices;
    raices.reserve(criticos.size() + 1);

    const double n = static_cast<double>(coef.size() - 1);
    double cpos = 0.0, cneg = 0.0;
    CotasHolgadas(coef, cpos, cneg);

    // The stretch ends: the bounds and every distinct critical point.
    using Punto = Memoria::Punto;
    const bool exactos = CoeficientesExactos(coef);
    std::vector<Punto> &puntos = memoria.puntos;
    std::vector<Memoria::Tramo> &tramos = memoria.tramos;
    tramos.clear();
    const double nada = std::numeric_limits<double>::quiet_NaN();
    puntos.resize(criticos.size() + 2);
    // Beyond the bounds P has the sign it takes at infinity: with the
    // bounds outside every critical point only that sign is ever read.
    const bool cotasAfuera = criticos.empty() || (cneg <= criticos.front().valor && cpos >= criticos.back().valor);
    const double signoMas = coef.back() > 0 ? 1.0 : -1.0;
    const double signoMenos = coef.size() % 2 == 1 ? signoMas : -signoMas;
    puntos.front() = {cneg, cotasAfuera ? signoMenos : EvaluaConCota(coef, cneg, exactos).valor, false, nada};
    for (std::size_t i = 0; i < criticos.size(); ++i) {
        RaizMultiple &c = criticos[i];
        Valor v = EvaluaConCota(coef, c.valor, exactos);
        // A critical point not settled to its last digits is at most a
        // millionth off, which moves P by far less than this (P' is zero
        // there); nearer zero it is settled before P is judged.
        if (!c.afinada && std::fabs(v.valor) <= 1e-6 * v.tamano) {
            AfinaRaiz(derivada, c);
            v = EvaluaConCota(coef, c.valor, exactos);
        }
        const bool esRaiz = std::fabs(v.valor) <= v.cotaError;
        puntos[i + 1] = {c.valor, v.valor, esRaiz, c.d1 != 0.0 ? c.d1 : nada};
    }
    puntos.back() = {cpos, cotasAfuera ? signoMas : EvaluaConCota(coef, cpos, exactos).valor, false, nada};
    // The critical points come in order; only the bounds may need to move
    // in among them (stable insertion, with no buffer to allocate).
    for (std::size_t i = 1; i < puntos.size(); ++i)
        for (std::size_t j = i; j > 0 && puntos[j].x < puntos[j - 1].x; --j)
            std::swap(puntos[j], puntos[j - 1]);

    // Multiplicity in P' of each critical point, found by value.
    auto multiplicidadCritica = [&criticos](double x) {
        for (const RaizMultiple &c : criticos)
            if (c.valor == x)
                return c.multiplicidad;
        return 0;
    };

    for (std::size_t i = 0; i < puntos.size(); ++i) {
        const Punto &p = puntos[i];
        if (p.esRaiz) {
            // P is monotone between critical points, so consecutive ones
            // where P vanishes are one cluster of rounding: a single root
            // at their weighted middle, one more than all of them in P'.
            int enDerivada = 0;
            double suma = 0.0;
            std::size_t j = i;
            for (; j < puntos.size() && puntos[j].esRaiz; ++j) {
                const int m = multiplicidadCritica(puntos[j].x);
                enDerivada += m;
                suma += m * puntos[j].x;
            }
            const double valor = (j - i == 1) ? p.x : suma / enDerivada;
            raices.push_back({valor, enDerivada + 1});
            i = j - 1;
            continue;
        }
        if (i + 1 == puntos.size())
            break;
        const Punto &q = puntos[i + 1];
        if (q.esRaiz || !(q.x > p.x))
            continue;
        if (Signo(p.valor) * Signo(q.valor) < 0) {
            // Between two critical points, where P' is 0 at both ends, from
            // the root of the cubic with those values and slopes. Out to a
            // bound, from the critical point: the bound is far, and
            // Laguerre's step from where P' is 0 heads for the root
            // straight away (taken here when P'' there is known); the
            // bound, where nothing lies beyond, stays the safe start should
            // that step fail.
            double inicio = p.x, respaldo = nada;
            if (i == 0 && i + 2 < puntos.size()) {
                inicio = DesdeCritico(q, p, n);
                respaldo = p.x;
            } else if (i > 0 && i + 2 == puntos.size()) {
                inicio = DesdeCritico(p, q, n);
                respaldo = q.x;
            } else if (i > 0) {
                inicio = nada; // the cubic's root, worked out for all at once
            }
            tramos.push_back({p.x, p.valor, q.x, q.valor, inicio, respaldo, raices.size()});
            raices.push_back({});
        }
    }
    RaicesEnTramos(coef, tramos, profundidad >= 3, raices);
}
