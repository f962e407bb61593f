#include "RaicesReales.h"

#include <algorithm>
#include <cmath>
#include <limits>

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
    const double fino = std::ldexp(c, kBitsFraccion);
    if (fino != std::floor(fino))
        return false;
    int exponente = 0;
    const double significando = std::ldexp(std::frexp(c, &exponente), kBitsSignificativos);
    return significando == std::floor(significando);
}

int Signo(double v)
{
    return v > 0.0 ? 1 : (v < 0.0 ? -1 : 0);
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

RaicesReales::Valor RaicesReales::EvaluaConCota(const std::vector<double> &coef, double x, bool exactos)
{
    // Compensated Horner: the rounding error of every product and sum is
    // carried along and added back at the end, so the value is as if
    // worked in twice the precision. Its error is bounded as it runs (by
    // the size of those error terms), and to that is added what rounding
    // of the point and of the coefficients themselves may move the value:
    // nothing for coefficients that are exact, so that a value that is
    // provably not zero is never taken for one.
    Valor r;
    if (coef.empty())
        return r;
    double p = coef.back();
    double correccion = 0.0;
    double errores = 0.0; // |error terms| by Horner in |x|
    double suma = std::fabs(coef.back());
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
        const double termino = std::fabs(coef[i]);
        suma = suma * ax + termino;
    }
    r.valor = p + correccion;
    const double n = static_cast<double>(coef.size() - 1);
    const double gamma = (4 * n + 2) * kUnidad / (1 - (4 * n + 2) * kUnidad);
    const double evaluacion = kUnidad * std::fabs(r.valor) + gamma * errores
                              + 2 * kUnidad * kUnidad * std::fabs(r.valor);
    // The point is a root of the derivative rounded to a double: P there
    // differs from P at the root itself by second-order terms.
    const double punto = 4 * kUnidad * kUnidad * (n * n + 1) * suma;
    const double datos = exactos ? 0.0 : kRedondeosPorCoeficiente * kUnidad * suma;
    r.cotaError = (evaluacion + punto + datos) * (1 + 4 * kUnidad);
    return r;
}

std::vector<double> RaicesReales::Derivada(const std::vector<double> &coef)
{
    std::vector<double> d;
    for (std::size_t k = 1; k < coef.size(); ++k)
        d.push_back(static_cast<double>(k) * coef[k]);
    return d;
}

void RaicesReales::Cotas(const std::vector<double> &coef, double &cpos, double &cneg)
{
    std::vector<double> a = coef;
    QuitaCerosAltos(a);
    cpos = 0.0;
    cneg = 0.0;
    if (a.size() < 2)
        return;
    const int n = static_cast<int>(a.size()) - 1;
    const double lider = a.back();
    const int s = Signo(lider);
    const int sNeg = (n % 2 == 0) ? s : -s;
    double m1 = 0.0, m2 = 0.0;
    int k1 = 0, k2 = 0;
    for (int e = n; e >= 0; --e) {
        const double c = a[static_cast<std::size_t>(e)];
        if (c == 0.0)
            continue;
        if (s * c < 0.0 && std::fabs(c) > m1) {
            if (m1 == 0.0)
                k1 = e;
            m1 = std::fabs(c);
        }
        const double cNeg = (e % 2 == 0) ? c : -c;
        if (sNeg * cNeg < 0.0 && std::fabs(cNeg) > m2) {
            if (m2 == 0.0)
                k2 = e;
            m2 = std::fabs(cNeg);
        }
    }
    if (m1 != 0.0)
        cpos = 1.0 + std::pow(m1 / std::fabs(lider), 1.0 / (n - k1));
    if (m2 != 0.0)
        cneg = -(1.0 + std::pow(m2 / std::fabs(lider), 1.0 / (n - k2)));
}

double RaicesReales::RaizEnTramo(const std::vector<double> &coef, const std::vector<double> &derivada,
                                 double u, double v)
{
    // Newton inside the bracket; where it would leave it, the secant of the
    // bracket ends (Illinois: the end that stays twice in a row has its
    // value halved); bisection when neither lands inside.
    double fu = EvaluaConCota(coef, u, true).valor;
    double fv = EvaluaConCota(coef, v, true).valor;
    double x = u + (v - u) / 2;
    double pasoPrevio = v - u;
    int lado = 0;
    for (int iter = 0; iter < 200; ++iter) {
        const Valor f = EvaluaConCota(coef, x, true);
        if (f.valor == 0.0 || std::fabs(f.valor) <= kEpsilon * f.cotaError)
            return x;
        if (Signo(f.valor) == Signo(fu)) {
            u = x;
            fu = f.valor;
            if (lado == -1)
                fv /= 2;
            lado = -1;
        } else {
            v = x;
            fv = f.valor;
            if (lado == 1)
                fu /= 2;
            lado = 1;
        }
        const double medio = u + (v - u) / 2;
        if (medio <= u || medio >= v)
            return x; // the bracket is down to neighbouring doubles

        double siguiente = medio;
        bool elegido = false;
        const double df = Horner(derivada, x);
        if (!elegido && df != 0.0) {
            const double paso = f.valor / df;
            if (std::fabs(paso) <= 4 * kEpsilon * std::fabs(x))
                return x;
            const double newton = x - paso;
            if (newton > u && newton < v && std::fabs(paso) < 0.5 * std::fabs(pasoPrevio)) {
                siguiente = newton;
                pasoPrevio = paso;
                elegido = true;
            }
        }
        if (!elegido && fv != fu) {
            const double secante = u - fu * (v - u) / (fv - fu);
            if (secante > u && secante < v) {
                siguiente = secante;
                elegido = true;
            }
        }
        if (!elegido)
            pasoPrevio = v - u;
        x = siguiente;
    }
    return x;
}

double RaicesReales::Horner(const std::vector<double> &coef, double x)
{
    double p = 0.0;
    for (std::size_t i = coef.size(); i-- > 0;)
        p = p * x + coef[i];
    return p;
}

std::vector<RaizMultiple> RaicesReales::Calcula(std::vector<double> coef, Memoria *memoria)
{
    QuitaCerosAltos(coef);
    if (coef.size() < 2)
        return {};
    if (memoria) {
        for (const auto &[clave, resultado] : memoria->entradas)
            if (clave == coef)
                return resultado;
    }
    std::vector<RaizMultiple> raices = CalculaSinMemoria(coef, memoria);
    if (memoria)
        memoria->entradas.emplace_back(std::move(coef), raices);
    return raices;
}

std::vector<RaizMultiple> RaicesReales::CalculaSinMemoria(std::vector<double> coef, Memoria *memoria)
{
    std::vector<RaizMultiple> raices;

    // A factor x^k: the root 0, k times, and the search goes on without it.
    std::size_t k = 0;
    while (coef[k] == 0.0)
        ++k;
    if (k > 0) {
        coef.erase(coef.begin(), coef.begin() + static_cast<std::ptrdiff_t>(k));
        raices = Calcula(coef, memoria);
        const auto donde = std::lower_bound(raices.begin(), raices.end(), 0.0,
                                            [](const RaizMultiple &r, double v) { return r.valor < v; });
        raices.insert(donde, RaizMultiple{0.0, static_cast<int>(k)});
        return raices;
    }

    if (coef.size() == 2) {
        raices.push_back({-coef[0] / coef[1], 1});
        return raices;
    }

    const std::vector<double> derivada = Derivada(coef);
    const std::vector<RaizMultiple> criticos = Calcula(derivada, memoria);

    double cpos = 0.0, cneg = 0.0;
    Cotas(coef, cpos, cneg);

    // The stretch ends: the bounds and every distinct critical point.
    struct Punto {
        double x;
        double valor;
        bool esRaiz;
    };
    const bool exactos = CoeficientesExactos(coef);
    std::vector<Punto> puntos;
    puntos.push_back({cneg, EvaluaConCota(coef, cneg, exactos).valor, false});
    for (const RaizMultiple &c : criticos) {
        const Valor v = EvaluaConCota(coef, c.valor, exactos);
        const bool esRaiz = std::fabs(v.valor) <= v.cotaError;
        puntos.push_back({c.valor, v.valor, esRaiz});
    }
    puntos.push_back({cpos, EvaluaConCota(coef, cpos, exactos).valor, false});
    std::stable_sort(puntos.begin(), puntos.end(), [](const Punto &a, const Punto &b) { return a.x < b.x; });

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
        if (Signo(p.valor) * Signo(q.valor) < 0)
            raices.push_back({RaizEnTramo(coef, derivada, p.x, q.x), 1});
    }
    return raices;
}
