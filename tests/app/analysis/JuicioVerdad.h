#pragma once
// Answering the analysis exercises as a student does, against the truth a
// polynomial was built from (VerdadPrueba.h): every right answer, typed
// exactly or as read off a graph (within 0.7 of the road's tolerance) and
// in any order, must be accepted; an answer moved 2.2 times the tolerance
// away, which no remaining right answer can stand for, must be refused.
#include "IntervalosPrueba.h"
#include "PuntosPrueba.h"
#include "VerdadPrueba.h"

#include "frmClaPtoCri.h"
#include "frmConcavidad.h"
#include "frmMonotonia.h"
#include "frmPuntosCriticos.h"
#include "frmPuntosInfle.h"
#include "frmRango.h"
#include "frmposi.h"
#include "frmraices.h"

#include <QPointer>
#include <QRadioButton>
#include <algorithm>
#include <cmath>
#include <functional>
#include <random>

namespace juicio {

// The exercises' relative tolerance (absolute at 0), by exercise and road.
inline double Tolerancia(int concepto, Camino camino)
{
    if (concepto == 0 || concepto == 9)
        return 0.005;
    return camino == Camino::Analitico ? 0.01 : 0.1;
}

// How far a typed value is from the true one in that measure: absolute
// only at 0 itself (a true minimum of -1.6e-11 is no 0).
inline double Error(double tecleado, double verdad)
{
    return verdad == 0 ? std::fabs(tecleado) : std::fabs(tecleado - verdad) / std::fabs(verdad);
}

// v moved by `veces` the tolerance.
inline double Mueve(double v, double veces, double tol)
{
    return v == 0 ? veces * tol : v * (1 + veces * tol);
}

// As the student types it: infinity as "i", else seven significant digits,
// fewer or with an exponent where the box takes only `largo` characters.
inline QString Texto(double v, int largo = 20)
{
    if (v == INFINITO)
        return QStringLiteral("i");
    if (v == -INFINITO)
        return QStringLiteral("-i");
    if (v == 0)
        return QStringLiteral("0");
    const int k = int(std::floor(std::log10(std::fabs(v))));
    for (int d = std::max(0, 6 - k); d >= 0; --d) {
        const QString s = QString::number(v, 'f', d);
        if (s.size() <= largo && std::fabs(s.toDouble() - v) <= 1e-4 * std::fabs(v))
            return s;
    }
    for (int d = 6;; --d) {
        const QString s = QString::number(v / std::pow(10.0, k), 'f', d) + QStringLiteral("e%1").arg(k);
        if (s.size() <= largo || d == 0)
            return s;
    }
}

inline bool EsExito(const QStringList &m) { return !m.isEmpty() && m.front().startsWith(QStringLiteral("éxito: ")); }
inline bool EsError(const QStringList &m) { return !m.isEmpty() && m.front().startsWith(QStringLiteral("error: ")); }

// Each answer can stand for a different true value (cabe(answer, value)):
// a matching found by augmenting paths.
inline bool Emparejables(std::size_t respuestas, std::size_t valores,
                         const std::function<bool(std::size_t, std::size_t)> &cabe)
{
    std::vector<int> duenio(valores, -1);
    std::function<bool(std::size_t, std::vector<bool> &)> aumenta = [&](std::size_t a, std::vector<bool> &visto) {
        for (std::size_t k = 0; k < valores; ++k)
            if (!visto[k] && cabe(a, k)) {
                visto[k] = true;
                if (duenio[k] < 0 || aumenta(static_cast<std::size_t>(duenio[k]), visto)) {
                    duenio[k] = static_cast<int>(a);
                    return true;
                }
            }
        return false;
    };
    for (std::size_t a = 0; a < respuestas; ++a) {
        std::vector<bool> visto(valores, false);
        if (!aumenta(a, visto))
            return false;
    }
    return true;
}

// The sign (1), monotonicity (6) or concavity (10) window, opened.
inline VentanaIntervalos *AbreIntervalos(EntornoEjercicios &e, int concepto, Camino camino)
{
    if (concepto == 1)
        return e.Abre<frmposi>(1, camino);
    if (concepto == 6)
        return e.Abre<frmMonotonia>(6, camino);
    return e.Abre<frmConcavidad>(10, camino);
}

// The roots (0), critical points (5) or inflection points (9) window,
// opened; on the analytic road the roots' count asked first is given.
inline VentanaPuntos *AbrePuntos(EntornoEjercicios &e, int concepto, Camino camino)
{
    VentanaPuntos *w = concepto == 0   ? static_cast<VentanaPuntos *>(e.Abre<frmraices>(0, camino))
                       : concepto == 5 ? static_cast<VentanaPuntos *>(e.Abre<frmPuntosCriticos>(5, camino))
                                       : e.Abre<frmPuntosInfle>(9, camino);
    if (w && concepto == 0 && camino == Camino::Analitico)
        Da(*w, QString::number(PoliActual->Polin()->Grado())); // how many roots at most
    return w;
}

// Works the exercises of the current polynomial, whose truth is `p`, and
// collects what went wrong.
class Juez {
public:
    Juez(EntornoEjercicios &e, std::mt19937 &azar) : e(e), m_azar(azar) {}

    QStringList fallos;

    // Sign (1), monotonicity (6) or concavity (10).
    void intervalos(int concepto, Camino camino, const ResultadoIntervalos &r)
    {
        const double tol = Tolerancia(concepto, camino);
        QPointer<VentanaIntervalos> w = AbreIntervalos(e, concepto, camino);
        const QString donde = QStringLiteral("concepto %1 camino %2: ").arg(concepto).arg(int(camino));
        if (!w)
            return falla(donde + QStringLiteral("no abre"));
        // Quality code 1 is the first option, -1 the second.
        auto opcion = [](std::int16_t q) { return q == 1 ? 0 : 1; };
        std::vector<std::size_t> orden(r.intervalos.size());
        for (std::size_t i = 0; i < orden.size(); ++i)
            orden[i] = i;
        std::shuffle(orden.begin(), orden.end(), m_azar);
        std::vector<std::pair<Intervalo, std::int16_t>> dadas;
        // Wrong: with the answers accepted so far, no interval is left for it.
        auto equivocado = [&](double a, double b, std::int16_t q) {
            auto con = dadas;
            con.push_back({{a, b}, q});
            return !Emparejables(con.size(), r.intervalos.size(), [&](std::size_t i, std::size_t k) {
                const Intervalo &t = con[i].first;
                return con[i].second == r.codigos[k] && Error(t.izquierdo, r.intervalos[k].izquierdo) < tol
                       && Error(t.derecho, r.intervalos[k].derecho) < tol;
            });
        };
        std::uniform_real_distribution<double> u(-0.7, 0.7);
        for (std::size_t k : orden) {
            if (!w)
                return falla(donde + QStringLiteral("terminó antes"));
            const Intervalo &t = r.intervalos[k];
            const std::int16_t q = r.codigos[k];
            const QString cual = donde + QStringLiteral("(%1, %2) q %3").arg(t.izquierdo, 0, 'g', 10)
                                     .arg(t.derecho, 0, 'g', 10).arg(q);
            const bool izqFinito = t.izquierdo > -INFINITO;
            const bool derFinito = t.derecho < INFINITO;
            // Wrong: one finite end past 2.2 times the tolerance, or the other quality.
            if (izqFinito || derFinito) {
                const double veces = (m_azar() % 2 ? 2.2 : -2.2);
                const bool moverIzq = izqFinito && (!derFinito || m_azar() % 2);
                const double a = moverIzq ? Mueve(t.izquierdo, veces, tol) : t.izquierdo;
                const double b = moverIzq ? t.derecho : Mueve(t.derecho, veces, tol);
                if (equivocado(a, b, q) && !EsError(responde(*w, a, b, opcion(q))))
                    falla(cual + QStringLiteral(": aceptado (%1, %2)").arg(a).arg(b));
            }
            if (equivocado(t.izquierdo, t.derecho, static_cast<std::int16_t>(-q))
                && !EsError(responde(*w, t.izquierdo, t.derecho, opcion(static_cast<std::int16_t>(-q)))))
                falla(cual + QStringLiteral(": aceptado con la otra cualidad"));
            // Right: each finite end exact or within 0.7 of the tolerance, in order.
            double a = t.izquierdo, b = t.derecho;
            if (m_azar() % 3) {
                for (int intento = 0; intento < 20; ++intento) {
                    a = izqFinito ? Mueve(t.izquierdo, u(m_azar), tol) : t.izquierdo;
                    b = derFinito ? Mueve(t.derecho, u(m_azar), tol) : t.derecho;
                    if (a < b)
                        break;
                }
                if (a >= b) {
                    a = t.izquierdo;
                    b = t.derecho;
                }
            }
            const QStringList m = responde(*w, a, b, opcion(q));
            if (!EsExito(m))
                return falla(cual + QStringLiteral(": rechazado (%1, %2) %3").arg(Texto(a), Texto(b), m.join('|')));
            dadas.push_back({{a, b}, q});
        }
        // A single interval on the whole line may finish the exercise at once.
        const bool sigue = concepto == 1   ? EntornoEjercicios::Abierta<frmposi>()
                           : concepto == 6 ? EntornoEjercicios::Abierta<frmMonotonia>()
                                           : EntornoEjercicios::Abierta<frmConcavidad>();
        if (sigue && w) {
            e.mensajes.clear();
            Pulsa(*w->CmdOk());
            Asienta();
            if (!EsExito(e.mensajes))
                falla(donde + QStringLiteral("Terminar: ") + e.mensajes.join('|'));
        }
    }

    void rango(Camino camino, const Intervalo &t)
    {
        const double tol = Tolerancia(11, camino);
        const QString donde = QStringLiteral("rango camino %1 [%2, %3]: ").arg(int(camino)).arg(t.izquierdo)
                                  .arg(t.derecho);
        auto *w = e.Abre<frmRango>(11, camino);
        if (!w)
            return falla(donde + QStringLiteral("no abre"));
        const bool minimo = t.izquierdo != -INFINITO;
        const bool acotado = minimo || t.derecho != INFINITO;
        const double finito = minimo ? t.izquierdo : t.derecho;
        if (acotado) {
            const double mal = Mueve(finito, m_azar() % 2 ? 2.2 : -2.2, tol);
            e.mensajes.clear();
            DaIntervalo(*w, Texto(minimo ? mal : t.izquierdo), Texto(minimo ? t.derecho : mal), -1);
            if (!EsError(e.mensajes))
                falla(donde + QStringLiteral("aceptado %1").arg(mal));
        }
        const double bien =
            acotado ? Mueve(finito, m_azar() % 3 ? std::uniform_real_distribution<double>(-0.7, 0.7)(m_azar) : 0, tol)
                    : 0;
        e.mensajes.clear();
        DaIntervalo(*w, Texto(minimo ? bien : t.izquierdo), Texto(minimo || !acotado ? t.derecho : bien), -1);
        if (!EsExito(e.mensajes))
            falla(donde + QStringLiteral("rechazado %1: %2").arg(bien).arg(e.mensajes.join('|')));
        if (EntornoEjercicios::Abierta<frmRango>()) {
            Pulsa(*w->CmdOk());
            Asienta();
        }
    }

    // Roots (0, every copy of a multiple root), critical points (5) or
    // inflection points (9).
    void puntos(int concepto, Camino camino, const std::vector<double> &verdad)
    {
        const double tol = Tolerancia(concepto, camino);
        QPointer<VentanaPuntos> w = AbrePuntos(e, concepto, camino);
        const QString donde = QStringLiteral("concepto %1 camino %2: ").arg(concepto).arg(int(camino));
        if (!w)
            return falla(donde + QStringLiteral("no abre"));
        const int largo = concepto == 0 ? 8 : 20; // the roots' box takes eight characters
        std::vector<double> orden = verdad;
        std::shuffle(orden.begin(), orden.end(), m_azar);
        std::vector<double> dadas;
        QStringList textos;
        auto equivocado = [&](double x) {
            auto con = dadas;
            con.push_back(x);
            return !Emparejables(con.size(), verdad.size(),
                                 [&](std::size_t i, std::size_t k) { return Error(con[i], verdad[k]) < tol; });
        };
        std::uniform_real_distribution<double> u(-0.7, 0.7);
        for (double x : orden) {
            if (!w)
                return falla(donde + QStringLiteral("terminó antes"));
            const QString cual = donde + QString::number(x, 'g', 10);
            const std::size_t faltan = w->puntosFaltantes().size();
            const QString mal = Texto(Mueve(x, m_azar() % 2 ? 2.2 : -2.2, tol), largo);
            if (equivocado(mal.toDouble())) {
                e.mensajes.clear();
                Da(*w, mal);
                if (!EsError(e.mensajes) || w->puntosFaltantes().size() != faltan)
                    falla(cual + QStringLiteral(": aceptado %1").arg(mal));
            }
            QString bien = Texto(m_azar() % 3 ? Mueve(x, u(m_azar), tol) : x, largo);
            // Eight characters may round it too far; and an answer given
            // before for another value would read as given again.
            const bool copia = std::count(verdad.begin(), verdad.end(), x) > 1;
            if (Error(bien.toDouble(), x) >= 0.8 * tol || (!copia && textos.contains(bien)))
                bien = Texto(x, largo);
            e.mensajes.clear();
            Da(*w, bien);
            if (!EsExito(e.mensajes) || w->puntosFaltantes().size() + 1 != faltan)
                return falla(cual + QStringLiteral(": rechazado %1 %2").arg(bien, e.mensajes.join('|')));
            dadas.push_back(bien.toDouble());
            textos << bien;
        }
        if (!w)
            return;
        e.mensajes.clear();
        PulsaTerminar(*w);
        if (!EsExito(e.mensajes))
            falla(donde + QStringLiteral("Terminar: ") + e.mensajes.join('|'));
    }

    // Each critical point in turn: the wrong class refused, the right one
    // accepted (options: none, maximum, minimum).
    void clasificacion(Camino camino, const std::vector<double> &criticos, const std::vector<int> &clases)
    {
        ConceptoResuelto[5] = true;
        QPointer<frmClaPtoCri> w = e.Abre<frmClaPtoCri>(7, camino);
        const QString donde = QStringLiteral("clasificación camino %1: ").arg(int(camino));
        if (!w)
            return falla(donde + QStringLiteral("no abre"));
        for (std::size_t i = 0; i < clases.size(); ++i) {
            if (!w)
                return falla(donde + QStringLiteral("terminó antes"));
            const int bien = clases[i];
            const int mal = (bien + 1 + int(m_azar() % 2)) % 3;
            const QString cual = donde + QString::number(criticos[i], 'g', 10);
            e.mensajes.clear();
            w->OptParidad(mal)->click();
            Pulsa(*w->cmdListo());
            Asienta();
            if (!EsError(e.mensajes))
                return falla(cual + QStringLiteral(": aceptada la opción %1").arg(mal));
            e.mensajes.clear();
            w->OptParidad(bien)->click();
            Pulsa(*w->cmdListo());
            Asienta();
            if (!EsExito(e.mensajes))
                return falla(cual + QStringLiteral(": rechazada la opción %1 ").arg(bien) + e.mensajes.join('|'));
        }
        if (EntornoEjercicios::Abierta<frmClaPtoCri>())
            falla(donde + QStringLiteral("sigue abierta"));
    }

    // Sign, monotonicity, concavity and range of p on their roads.
    void intervalosDe(const ProblemaAula &p)
    {
        for (Camino c : DosCaminos())
            intervalos(1, c, SignoVerdad(p));
        for (Camino c : TresCaminos())
            intervalos(6, c, CambiosVerdad(p, 1));
        for (Camino c : DosCaminos())
            intervalos(10, c, CambiosVerdad(p, 2));
        for (Camino c : TresCaminos())
            rango(c, RangoVerdad(p));
    }

    // Roots, critical points, inflection points and classes of p.
    void puntosDe(const ProblemaAula &p)
    {
        const auto criticos = RaicesVerdad(p, 1);
        for (Camino c : DosCaminos())
            puntos(0, c, ConCopias(RaicesVerdad(p, 0)));
        for (Camino c : TresCaminos())
            puntos(5, c, Valores(criticos));
        for (Camino c : DosCaminos())
            puntos(9, c, Valores(Cambios(RaicesVerdad(p, 2))));
        if (!criticos.empty()) // nothing to classify
            for (Camino c : TresCaminos())
                clasificacion(c, Valores(criticos), ClasesVerdad(p));
    }

    static const std::vector<Camino> &TresCaminos()
    {
        static const std::vector<Camino> c{Camino::Analitico, Camino::GraficaPoli, Camino::GraficaDeri};
        return c;
    }
    static const std::vector<Camino> &DosCaminos()
    {
        static const std::vector<Camino> c{Camino::Analitico, Camino::GraficaPoli};
        return c;
    }

private:
    EntornoEjercicios &e;
    std::mt19937 &m_azar;

    void falla(const QString &que) { fallos << que; }

    QStringList responde(VentanaIntervalos &w, double izq, double der, int opcion)
    {
        e.mensajes.clear();
        DaIntervalo(w, Texto(izq), Texto(der), opcion);
        return e.mensajes;
    }
};

// The problems of a seed: the factored polynomial (P, P' or P'' by turns),
// P typed as factors where it is the factored one, and expanded.
struct Tecleo {
    ProblemaAula problema;
    QString texto;
};

inline std::vector<Tecleo> Tecleos(std::mt19937 &azar, int semilla)
{
    const auto forma = static_cast<Factorizado>(semilla % 3);
    const ProblemaAula p = forma == Factorizado::P       ? SorteaAula(azar, forma, 3, 8)
                           : forma == Factorizado::Prima ? SorteaAula(azar, forma, 2, 7)
                                                         : SorteaAula(azar, forma, 1, 6);
    std::vector<Tecleo> t;
    if (!p.comoFactores.isEmpty())
        t.push_back({p, p.comoFactores});
    t.push_back({p, p.expandido});
    return t;
}

// The current polynomial as the typed text gives it; false when the
// parser does not read it as the polynomial meant.
inline bool PoliActualTecleado(const Tecleo &t)
{
    const PoliPtr q = Teclea(t.texto);
    if (!q || !(q->Exacto() == t.problema.p))
        return false;
    PoliActual = CreaFuncPolin(q);
    PoliDado = true;
    return true;
}

// The classroom problem of a seed, typed each way, worked by `trabajo`:
// what went wrong, headed by the factors.
inline QStringList TrabajaTecleos(int semilla, unsigned base, void (Juez::*trabajo)(const ProblemaAula &))
{
    std::mt19937 azar(base + static_cast<unsigned>(semilla));
    QStringList fallos;
    for (const Tecleo &t : Tecleos(azar, semilla)) {
        EntornoEjercicios e;
        if (!PoliActualTecleado(t))
            return {t.problema.nombre, t.texto + QStringLiteral(": no se lee como ese polinomio")};
        Juez juez(e, azar);
        (juez.*trabajo)(t.problema);
        for (const QString &f : juez.fallos)
            fallos << t.texto + QStringLiteral(": ") + f;
        if (!fallos.isEmpty())
            fallos.prepend(t.problema.nombre);
    }
    return fallos;
}

} // namespace juicio
