// Random classroom polynomials with crowded roots, critical points and
// interval ends (closer than the roads' tolerances) and large
// coefficients, worked on every road that offers each exercise: the
// program's own intervals and points, typed exactly or as read off a graph
// (within 0.7 of the tolerance) and in any order, are always accepted;
// answers moved past twice the tolerance are always refused.
#include "FactoresPrueba.h"
#include "IntervalosPrueba.h"
#include "PuntosPrueba.h"

#include "ModCalculos.h"
#include "frmClaPtoCri.h"
#include "frmConcavidad.h"
#include "frmMonotonia.h"
#include "frmPuntosCriticos.h"
#include "frmPuntosInfle.h"
#include "frmRango.h"
#include "frmposi.h"
#include "frmraices.h"

#include <QPointer>
#include <algorithm>
#include <cmath>
#include <functional>
#include <random>

namespace {

// Which polynomial is written as factors: P itself, P' or P''.
enum class Factorizado { P, Prima, Segunda };

struct Problema {
    Factorizado forma;
    double principal;
    Factores factores; // ascending roots
    std::vector<double> coeficientes;
    QString nombre;
};

// A factored polynomial of degree gradoMin..gradoMax: two or three roots
// apart, each perhaps with a neighbour closer than 1 % or 10 %.
Problema Sortea(std::mt19937 &azar, Factorizado forma, int gradoMin, int gradoMax)
{
    static const double Principales[] = {1, -1, 2, -0.5, 40, -300, 25000};
    auto entero = [&azar](int a, int b) { return std::uniform_int_distribution<int>(a, b)(azar); };
    auto real = [&azar](double a, double b) { return std::uniform_real_distribution<double>(a, b)(azar); };
    Problema p;
    p.forma = forma;
    p.principal = Principales[entero(0, 6)];
    for (;;) {
        p.factores.clear();
        std::vector<int> bases;
        const int grupos = entero(2, 3);
        while (int(bases.size()) < grupos) {
            const int b = entero(-7, 7); // halves
            if (std::find(bases.begin(), bases.end(), b) == bases.end())
                bases.push_back(b);
        }
        int grado = 0;
        for (int b : bases) {
            const double r = b / 2.0;
            const int m = entero(1, 3);
            p.factores.push_back({r, m});
            grado += m;
            if (entero(0, 9) < 6) {
                // A neighbour within 1 % or 10 % of it.
                const double cerca = entero(0, 1) ? real(0.002, 0.009) : real(0.02, 0.09);
                const double vecino = r == 0 ? cerca : r + std::fabs(r) * cerca;
                const int mv = entero(1, 2);
                p.factores.push_back({vecino, mv});
                grado += mv;
            }
        }
        if (grado >= gradoMin && grado <= gradoMax)
            break;
    }
    std::sort(p.factores.begin(), p.factores.end());
    std::vector<double> c = Expande(p.principal, p.factores);
    const char *letra = "P";
    if (forma != Factorizado::P) {
        c = Primitiva(c);
        c[0] = entero(-3, 3);
        letra = "P'";
    }
    if (forma == Factorizado::Segunda) {
        c = Primitiva(c);
        c[0] = entero(-3, 3);
        c[1] = entero(-2, 2);
        letra = "P''";
    }
    p.coeficientes = c;
    p.nombre = QStringLiteral("%1 = %2").arg(QLatin1String(letra)).arg(p.principal);
    for (const auto &[r, m] : p.factores)
        p.nombre += QStringLiteral("(x-%1)^%2").arg(r, 0, 'g', 8).arg(m);
    return p;
}

// How far a typed value is from the program's, as the exercises measure it.
double Error(double tecleado, double programa)
{
    return std::fabs(programa) < 1e-9 ? std::fabs(tecleado) : std::fabs(tecleado - programa) / std::fabs(programa);
}

// v moved by `veces` the tolerance, relative (absolute at 0).
double Mueve(double v, double veces, double tol)
{
    return std::fabs(v) < 1e-9 ? veces * tol : v * (1 + veces * tol);
}

// As the student types it: infinity as "i", else seven significant digits,
// fewer or with an exponent where the box takes only `largo` characters.
QString Texto(double v, int largo = 20)
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

bool EsExito(const QStringList &m)
{
    return !m.isEmpty() && m.front().startsWith(QStringLiteral("éxito: "));
}
bool EsError(const QStringList &m)
{
    return !m.isEmpty() && m.front().startsWith(QStringLiteral("error: "));
}

// Answers (typed ends and quality) can each stand for a different one of
// the program's intervals of their quality, both ends within tol: a
// matching found by augmenting paths.
bool Emparejables(const std::vector<std::pair<Intervalo, std::int16_t>> &respuestas, const ResultadoIntervalos &r,
                  double tol)
{
    auto cabe = [&](std::size_t a, std::size_t k) {
        const Intervalo &t = respuestas[a].first;
        return respuestas[a].second == r.codigos[k] && Error(t.izquierdo, r.intervalos[k].izquierdo) < tol
               && Error(t.derecho, r.intervalos[k].derecho) < tol;
    };
    std::vector<int> duenio(r.intervalos.size(), -1);
    std::function<bool(std::size_t, std::vector<bool> &)> aumenta = [&](std::size_t a, std::vector<bool> &visto) {
        for (std::size_t k = 0; k < r.intervalos.size(); ++k)
            if (!visto[k] && cabe(a, k)) {
                visto[k] = true;
                if (duenio[k] < 0 || aumenta(static_cast<std::size_t>(duenio[k]), visto)) {
                    duenio[k] = static_cast<int>(a);
                    return true;
                }
            }
        return false;
    };
    for (std::size_t a = 0; a < respuestas.size(); ++a) {
        std::vector<bool> visto(r.intervalos.size(), false);
        if (!aumenta(a, visto))
            return false;
    }
    return true;
}

struct Ejercicio {
    int concepto;
    std::vector<Camino> caminos;
};

double Tolerancia(int concepto, Camino camino)
{
    if (concepto == 0 || concepto == 9)
        return 0.005;
    return camino == Camino::Analitico ? 0.01 : 0.1;
}

} // namespace

class tst_JuicioAzar : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<EntornoEjercicios> e;
    std::mt19937 m_azar;
    QStringList m_fallos;

    void falla(const QString &que) { m_fallos << que; }

    // Types (izq, der) with quality option `opcion` and returns the messages.
    QStringList responde(VentanaIntervalos &w, double izq, double der, int opcion)
    {
        e->mensajes.clear();
        DaIntervalo(w, Texto(izq), Texto(der), opcion);
        return e->mensajes;
    }

    void intervalos(int concepto, Camino camino, const ResultadoIntervalos &r)
    {
        const double tol = Tolerancia(concepto, camino);
        QPointer<VentanaIntervalos> w;
        if (concepto == 1)
            w = e->Abre<frmposi>(1, camino);
        else if (concepto == 6)
            w = e->Abre<frmMonotonia>(6, camino);
        else
            w = e->Abre<frmConcavidad>(10, camino);
        const QString donde = QStringLiteral("concepto %1 camino %2: ").arg(concepto).arg(int(camino));
        if (!w)
            return falla(donde + QStringLiteral("no abre"));
        // Quality code 1 is the first option, -1 the second.
        auto opcion = [](std::int16_t q) { return q == 1 ? 0 : 1; };
        std::vector<std::size_t> orden(r.intervalos.size());
        for (std::size_t i = 0; i < orden.size(); ++i)
            orden[i] = i;
        std::shuffle(orden.begin(), orden.end(), m_azar);
        // Wrong: with the answers accepted so far, no interval is left for it.
        std::vector<std::pair<Intervalo, std::int16_t>> dadas;
        auto equivocado = [&](double a, double b, std::int16_t q) {
            auto con = dadas;
            con.push_back({{a, b}, q});
            return !Emparejables(con, r, tol);
        };
        std::uniform_real_distribution<double> u(-0.7, 0.7);
        for (std::size_t k : orden) {
            const Intervalo &t = r.intervalos[k];
            const std::int16_t q = r.codigos[k];
            const QString cual = donde + QStringLiteral("(%1, %2) q %3").arg(t.izquierdo, 0, 'g', 10)
                                     .arg(t.derecho, 0, 'g', 10).arg(q);
            if (q != 1 && q != -1)
                return falla(cual + QStringLiteral(": cualidad inesperada"));
            // Wrong: one finite end past twice the tolerance, or the other quality.
            const bool izqFinito = t.izquierdo > -INFINITO;
            const bool derFinito = t.derecho < INFINITO;
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
            // Right: each finite end within 0.7 of the tolerance, in order.
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
        if (sigue) {
            e->mensajes.clear();
            Pulsa(*w->CmdOk());
            Asienta();
            if (!EsExito(e->mensajes))
                falla(donde + QStringLiteral("Terminar: ") + e->mensajes.join('|'));
        }
    }

    void rango(Camino camino)
    {
        const double tol = Tolerancia(11, camino);
        const Intervalo t = RangoPolinomio(*PoliActual).rango;
        const QString donde = QStringLiteral("rango camino %1 [%2, %3]: ").arg(int(camino)).arg(t.izquierdo)
                                  .arg(t.derecho);
        auto *w = e->Abre<frmRango>(11, camino);
        if (!w)
            return falla(donde + QStringLiteral("no abre"));
        const bool minimo = t.izquierdo != -INFINITO;
        const double finito = minimo ? t.izquierdo : t.derecho;
        if (minimo || t.derecho != INFINITO) {
            const double mal = Mueve(finito, m_azar() % 2 ? 2.2 : -2.2, tol);
            e->mensajes.clear();
            DaIntervalo(*w, Texto(minimo ? mal : t.izquierdo), Texto(minimo ? t.derecho : mal), -1);
            if (!EsError(e->mensajes))
                falla(donde + QStringLiteral("aceptado %1").arg(mal));
        }
        const double bien = minimo || t.derecho != INFINITO
                                ? Mueve(finito, std::uniform_real_distribution<double>(-0.7, 0.7)(m_azar), tol)
                                : 0;
        e->mensajes.clear();
        DaIntervalo(*w, Texto(minimo ? bien : t.izquierdo), Texto(minimo || t.derecho == INFINITO ? t.derecho : bien),
                    -1);
        if (!EsExito(e->mensajes))
            falla(donde + QStringLiteral("rechazado %1: %2").arg(bien).arg(e->mensajes.join('|')));
        Pulsa(*w->CmdOk());
        Asienta();
    }

    void puntos(int concepto, Camino camino, const std::vector<double> &programa)
    {
        const double tol = Tolerancia(concepto, camino);
        QPointer<VentanaPuntos> w;
        if (concepto == 0)
            w = e->Abre<frmraices>(0, camino);
        else if (concepto == 5)
            w = e->Abre<frmPuntosCriticos>(5, camino);
        else
            w = e->Abre<frmPuntosInfle>(9, camino);
        const QString donde = QStringLiteral("concepto %1 camino %2: ").arg(concepto).arg(int(camino));
        if (!w)
            return falla(donde + QStringLiteral("no abre"));
        if (concepto == 0 && camino == Camino::Analitico)
            Da(*w, QString::number(PoliActual->Polin()->Grado())); // how many roots at most
        const int largo = concepto == 0 ? 8 : 20; // the roots' box takes eight characters
        std::vector<double> orden = programa;
        std::shuffle(orden.begin(), orden.end(), m_azar);
        std::uniform_real_distribution<double> u(-0.7, 0.7);
        for (double x : orden) {
            const QString cual = donde + QString::number(x, 'g', 10);
            const double mal = Mueve(x, m_azar() % 2 ? 2.2 : -2.2, tol);
            const bool lejos = std::all_of(programa.begin(), programa.end(),
                                           [&](double p) { return Error(mal, p) >= tol; });
            const std::size_t faltan = w->puntosFaltantes().size();
            if (lejos) {
                e->mensajes.clear();
                Da(*w, Texto(mal, largo));
                if (!EsError(e->mensajes) || w->puntosFaltantes().size() != faltan)
                    falla(cual + QStringLiteral(": aceptado %1").arg(Texto(mal, largo)));
            }
            QString bien = Texto(m_azar() % 3 ? Mueve(x, u(m_azar), tol) : x, largo);
            if (Error(bien.toDouble(), x) >= 0.8 * tol) // eight characters round it too far
                bien = Texto(x, largo);
            e->mensajes.clear();
            Da(*w, bien);
            if (!EsExito(e->mensajes) || w->puntosFaltantes().size() + 1 != faltan)
                return falla(cual + QStringLiteral(": rechazado %1 %2").arg(bien, e->mensajes.join('|')));
        }
        e->mensajes.clear();
        PulsaTerminar(*w);
        if (!EsExito(e->mensajes))
            falla(donde + QStringLiteral("Terminar: ") + e->mensajes.join('|'));
    }

    // P' written as factors: a root of odd multiplicity is an extremum, a
    // minimum where P' is positive to its right; of even multiplicity not.
    void clasificacion(Camino camino, const Problema &p)
    {
        ConceptoResuelto[5] = true;
        QPointer<frmClaPtoCri> w = e->Abre<frmClaPtoCri>(7, camino);
        const QString donde = QStringLiteral("clasificación camino %1: ").arg(int(camino));
        if (!w)
            return falla(donde + QStringLiteral("no abre"));
        if (RaicesDistintas(*PoliActual).raices.size() != p.factores.size())
            return falla(donde + QStringLiteral("otros puntos críticos"));
        for (std::size_t i = 0; i < p.factores.size(); ++i) {
            if (!w)
                return falla(donde + QStringLiteral("terminó antes"));
            int despues = 0;
            for (std::size_t j = i + 1; j < p.factores.size(); ++j)
                despues += p.factores[j].second;
            const bool derechaPositiva = (p.principal > 0) == (despues % 2 == 0);
            // Options: inflection, maximum, minimum.
            const int bien = p.factores[i].second % 2 == 0 ? 0 : derechaPositiva ? 2 : 1;
            const int mal = (bien + 1 + int(m_azar() % 2)) % 3;
            const QString cual = donde + QString::number(p.factores[i].first, 'g', 10);
            e->mensajes.clear();
            w->OptParidad(mal)->click();
            Pulsa(*w->cmdListo());
            Asienta();
            if (!EsError(e->mensajes))
                return falla(cual + QStringLiteral(": aceptada la opción %1").arg(mal));
            e->mensajes.clear();
            w->OptParidad(bien)->click();
            Pulsa(*w->cmdListo());
            Asienta();
            if (!EsExito(e->mensajes))
                return falla(cual + QStringLiteral(": rechazada la opción %1 ").arg(bien) + e->mensajes.join('|'));
        }
        if (EntornoEjercicios::Abierta<frmClaPtoCri>())
            falla(donde + QStringLiteral("sigue abierta"));
    }

private slots:
    void init() { e = std::make_unique<EntornoEjercicios>(); }
    void cleanup() { e.reset(); }

    void todoCamino_data()
    {
        QTest::addColumn<int>("semilla");
        QTest::addColumn<int>("forma");
        for (int i = 0; i < 60; ++i)
            QTest::newRow(qPrintable(QStringLiteral("semilla %1").arg(i))) << 1000 + i << i % 3;
    }
    void todoCamino()
    {
        QFETCH(int, semilla);
        QFETCH(int, forma);
        m_azar.seed(static_cast<unsigned>(semilla));
        m_fallos.clear();
        const auto f = static_cast<Factorizado>(forma);
        const Problema p = f == Factorizado::P       ? Sortea(m_azar, f, 3, 9)
                           : f == Factorizado::Prima ? Sortea(m_azar, f, 2, 8)
                                                     : Sortea(m_azar, f, 1, 7);
        PoliActualDe(p.coeficientes);
        const std::vector<Camino> tres{Camino::Analitico, Camino::GraficaPoli, Camino::GraficaDeri};
        const std::vector<Camino> dos{Camino::Analitico, Camino::GraficaPoli};
        for (Camino c : dos)
            intervalos(1, c, IntervalosSigno(*PoliActual));
        for (Camino c : tres)
            intervalos(6, c, IntervalosMonotonia(*PoliActual));
        for (Camino c : dos)
            intervalos(10, c, IntervalosConcavidad(*PoliActual));
        for (Camino c : tres)
            rango(c);
        for (Camino c : dos)
            puntos(0, c, RaicesReales(*PoliActual));
        for (Camino c : tres)
            puntos(5, c, RaicesDistintas(*PoliActual).raices);
        for (Camino c : dos)
            puntos(9, c, CalculaInflexiones(*PoliActual).raices);
        if (f == Factorizado::Prima)
            for (Camino c : tres)
                clasificacion(c, p);
        QVERIFY2(m_fallos.isEmpty(), qPrintable(p.nombre + QStringLiteral("\n") + m_fallos.join('\n')));
    }
};

QTEST_MAIN(tst_JuicioAzar)
#include "tst_JuicioAzar.moc"
