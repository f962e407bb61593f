#include "CollFuncPolin.h"

#include "Avisos.h"
#include "RaicesReales.h"
#include "TextoNumero.h"

#include <algorithm>
#include <cmath>

namespace {

// A typed factor's root is taken when P there is this small next to the
// size of its terms: rounding of the candidate and of the expansion stays
// far below it, a value that is not a root does not.
constexpr double kResiduoCandidato = 1e-9;

// How far the search may have put a root that a candidate stands for: a
// multiple root is found where a derivative has a simple one, far closer.
constexpr double kCercaniaCandidato = 1e-6;

// A non-negative discriminant this small next to the size of its terms is
// rounding of a double root.
constexpr double kRuidoDiscriminante = 1e-12;

double Coeficiente(const Collpolinomio &pol, std::int16_t expon)
{
    for (const auto &t : pol)
        if (t->expon() == expon)
            return t->coef();
    return 0.0;
}

double SumaModulos(const Collpolinomio &pol, double x)
{
    double s = 0.0;
    const double ax = std::fabs(x);
    for (const auto &t : pol)
        s += std::fabs(t->coef()) * std::pow(ax, t->expon());
    return s;
}

// W / (x - c) when the synthetic division makes no rounding at all (every
// product and sum exact, remainder exactly 0); empty otherwise. A rounded
// quotient can split or lose a multiple root still in it.
PoliPtr CocienteExacto(const Collpolinomio &w, double c)
{
    const std::vector<double> a = w.A_Arreglo();
    std::vector<double> b(a.size() - 1, 0.0);
    double acc = 0.0;
    for (std::size_t k = a.size(); k-- > 0;) {
        const double producto = acc * c;
        if (!std::isfinite(producto) || std::fma(acc, c, -producto) != 0.0)
            return nullptr;
        const double suma = producto + a[k];
        const double z = suma - producto;
        if (!std::isfinite(suma) || (producto - (suma - z)) + (a[k] - z) != 0.0)
            return nullptr;
        acc = suma;
        if (k > 0)
            b[k - 1] = acc;
    }
    if (acc != 0.0)
        return nullptr;
    auto q = Collpolinomio::Nuevo();
    for (std::size_t k = b.size(); k-- > 0;)
        q->Agrega(b[k], static_cast<std::int16_t>(k));
    q->coefind(w.coefind());
    return q;
}

} // namespace

void CollFuncPolin::CalculaRaices(std::int16_t t)
{
    const double tol = Tolerancia();
    PoliPtr w;
    switch (t) {
    case 0: w = m_polin; break;
    case 1: w = m_polder1; break;
    case 2: w = m_polder2; break;
    default: return; // no such polynomial
    }
    if (!w)
        return;

    for (;;) {
        if (w->Grado() < 1)
            return;

        // Zero constant term: the root 0, taken out exactly.
        if (w->Cuenta() > 0 && w->terminos().back()->expon() != 0) {
            Agrega(0.0, t);
            double x = 0.0;
            w = w->DivideconResiduo(x);
            if (std::fabs(x) > tol)
                rt::MuestraAviso("Algo fallo con la raiz: " + rt::CStr(x));
            continue;
        }

        if (w->Cuenta() == 2) {
            RaicesDirectas(w, t);
            continue;
        }

        if (w->Cuenta() == 3 && w->Grado() == 2) {
            double x1 = 0.0, x2 = 0.0;
            if (RaicesCuadrat(w, x1, x2)) {
                const RaizMultiple dos[] = {{x1, 1}, {x2, 1}};
                AgregaHalladas(dos, t);
            }
            continue;
        }

        if (w->Cuenta() == 3) {
            const auto &terminos = w->terminos();
            const std::int16_t n = terminos[0]->expon();
            const std::int16_t k = terminos[1]->expon();
            if (n == 2 * k) {
                auto q = Collpolinomio::Nuevo();
                q->Agrega(terminos[0]->coef(), 2);
                q->Agrega(terminos[1]->coef(), 1);
                q->Agrega(terminos[2]->coef(), 0);
                double y1 = 0.0, y2 = 0.0;
                if (RaicesCuadrat(q, y1, y2)) {
                    for (const double y : {y1, y2}) {
                        auto binomio = Collpolinomio::Nuevo();
                        binomio->Agrega(1.0, k);
                        binomio->Agrega(-y, 0);
                        RaicesDirectas(binomio, t);
                    }
                }
                w = m_poliVacio;
                continue;
            }
        }

        if (w->Cuenta() == 0)
            continue;

        // Roots of the typed factors, taken out while that is exact.
        // Held so that the list outlives the quotients that replace W.
        const PoliPtr conCandidatos = w;
        const std::vector<double> &candidatos = conCandidatos->coefind();
        bool tomados = false;
        for (std::size_t i = 1; i < candidatos.size(); ++i) {
            const double c = candidatos[i];
            while (w->Grado() >= 1) {
                PoliPtr cociente = CocienteExacto(*w, c);
                if (!cociente)
                    break;
                Agrega(c, t);
                w = cociente;
                tomados = true;
            }
            if (w->Grado() < 1)
                return;
        }
        // What is left may be an exact case now.
        if (tomados)
            continue;

        // Every remaining real root at once, with its multiplicity. Typed
        // roots that do not divide out exactly stay in W and are found here.
        std::vector<RaizMultiple> halladas = RaicesReales::Calcula(w->A_Arreglo(), &m_memoriaRaices);

        // A root of a typed factor keeps the value typed: a candidate where W
        // vanishes, next to the size of its terms, takes the place of the
        // root found next to it.
        std::vector<bool> tipeada(halladas.size(), false);
        const double limite = std::min(tol, kResiduoCandidato);
        for (std::size_t i = 1; i < candidatos.size(); ++i) {
            const double c = candidatos[i];
            if (!(std::fabs(w->Eval(c)) <= limite * SumaModulos(*w, c)))
                continue;
            std::size_t cercana = halladas.size();
            for (std::size_t j = 0; j < halladas.size(); ++j)
                if (!tipeada[j]
                    && (cercana == halladas.size()
                        || std::fabs(halladas[j].valor - c) < std::fabs(halladas[cercana].valor - c)))
                    cercana = j;
            if (cercana < halladas.size()
                && std::fabs(halladas[cercana].valor - c) <= kCercaniaCandidato * std::max(1.0, std::fabs(c))) {
                halladas[cercana].valor = c;
                tipeada[cercana] = true;
            }
        }

        // A root next to an integer where W vanishes is that integer, unless
        // the integer is another of the roots.
        for (std::size_t i = 0; i < halladas.size(); ++i) {
            const double x = halladas[i].valor;
            const double entero = std::floor(x + 0.5);
            if (!tipeada[i] && std::fabs(x - entero) < 0.01 && std::fabs(w->Eval(entero)) < 1e-30 && x != entero) {
                bool deOtra = false;
                for (std::size_t j = 0; j < halladas.size(); ++j)
                    if (j != i && std::fabs(halladas[j].valor - entero) <= std::fabs(x - entero))
                        deOtra = true;
                if (!deOtra)
                    halladas[i].valor = entero;
            }
        }
        AgregaHalladas(halladas, t);
        w = m_poliVacio;
    }
}

void CollFuncPolin::AgregaHalladas(std::span<const RaizMultiple> halladas, std::int16_t t)
{
    // Every root stored in one allocation, each copy of a multiple root an
    // object of its own; the block lives as long as any of them.
    std::size_t total = 0;
    for (const RaizMultiple &r : halladas)
        total += static_cast<std::size_t>(r.multiplicidad);
    if (total == 0)
        return;
    const auto bloque = std::make_shared<ClsRaices[]>(total);
    m_raices.reserve(m_raices.size() + total);
    // Roots of a lower type come before every place a root of type t can
    // take, so the search for it starts past the first run of them.
    std::size_t desde = 0;
    while (desde < m_raices.size() && m_raices[desde]->tipopol() < t)
        ++desde;
    std::size_t k = 0;
    for (const RaizMultiple &r : halladas)
        for (int i = 0; i < r.multiplicidad; ++i)
            Coloca(RaizPtr(bloque, &bloque[k++]), r.valor, t, desde);
}

void CollFuncPolin::RaicesDirectas(PoliPtr &pol, std::int16_t t)
{
    if (pol && pol->Cuenta() >= 1) {
        const auto &terminos = pol->terminos();
        const double c1 = terminos[0]->coef();
        const double c2 = terminos.size() > 1 ? terminos[1]->coef() : 0.0;
        const double q = -c2 / c1;
        const std::int16_t n = terminos[0]->expon();
        RaizMultiple halladas[2];
        std::size_t k = 0;
        if (n == 1) {
            halladas[k++].valor = q;
        } else if (n > 1) {
            const double r = std::pow(std::fabs(q), 1.0 / n);
            if (n % 2 == 0) {
                if (q > 0) {
                    halladas[k++].valor = r;
                    halladas[k++].valor = -r;
                }
            } else {
                const double signo = q > 0 ? 1.0 : (q < 0 ? -1.0 : 0.0);
                halladas[k++].valor = signo * r;
            }
        }
        AgregaHalladas({halladas, k}, t);
    }
    pol = m_poliVacio;
}

bool CollFuncPolin::RaicesCuadrat(PoliPtr &pol, double &x1, double &x2)
{
    if (!pol || pol->Grado() != 2) {
        rt::MuestraAviso("Error fatal: Trata de sacar raices a un polin no cuadratico");
        pol = m_poliVacio;
        return false;
    }
    const double tol = Tolerancia();
    const double a = Coeficiente(*pol, 2);
    const double b = Coeficiente(*pol, 1);
    const double c = Coeficiente(*pol, 0);
    pol = m_poliVacio;
    const double d = b * b - a * 4 * c;
    // Measured against the size of its two terms, so that a scaled
    // polynomial has the same roots. Just below zero the two complex roots
    // are taken as the double root; above zero only rounding is.
    const double escala = b * b + std::fabs(a * 4 * c);
    if ((d < 0 && -d < tol * escala) || (d >= 0 && d <= kRuidoDiscriminante * escala)) {
        x1 = x2 = -b / (2 * a);
        return true;
    }
    if (d < 0)
        return false;
    const double q = b <= 0 ? -b + std::sqrt(d) : -b - std::sqrt(d);
    x2 = 2 * c / q;
    x1 = q / (2 * a);
    return true;
}

void CollFuncPolin::CalculaCotas(const PoliPtr &pol, double &cpos, double &cneg)
{
    RaicesReales::Cotas(pol ? pol->A_Arreglo() : std::vector<double>{}, cpos, cneg);
}
