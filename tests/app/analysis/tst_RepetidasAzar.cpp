// Answers that crowd one another, on every road that offers each exercise:
// a cluster of roots closer together than the road's tolerance, answers
// drawn near the true values (several fitting two of them) and earlier
// answers typed again exactly. An answer is accepted exactly when, with
// those accepted before, it can stand for a distinct true value (a
// distinct copy, for the roots); an answer typed again stands for nothing
// new. The truth is the factors each
// polynomial was built from; what the program is judged by is what the
// student is told and how many values are left.
#include "FactoresPrueba.h"
#include "JuicioVerdad.h"

#include <QPointer>
#include <random>

namespace {

using juicio::Emparejables;
using juicio::EsExito;

struct Ejercicio {
    const char *nombre;
    int concepto;
    Factorizado forma; // which polynomial the cluster's factors give
    std::vector<Camino> caminos;
};

const Camino A = Camino::Analitico;
const Camino GP = Camino::GraficaPoli;
const Camino GD = Camino::GraficaDeri;

const std::vector<Ejercicio> &Ejercicios()
{
    static const std::vector<Ejercicio> e{
        {"raíces", 0, Factorizado::P, {A, GP}},
        {"signo", 1, Factorizado::P, {A, GP}},
        {"críticos", 5, Factorizado::Prima, {A, GP, GD}},
        {"monotonía", 6, Factorizado::Prima, {A, GP, GD}},
        {"inflexión", 9, Factorizado::Segunda, {A, GP}},
        {"concavidad", 10, Factorizado::Segunda, {A, GP}},
    };
    return e;
}

// Three or four roots, each the one before plus 0.3 to 0.9 times the
// tolerance (relative, four decimals), and half the time one far off.
// Only the roots exercise takes double roots: its copies are what it asks.
ProblemaAula Apinado(std::mt19937 &azar, Factorizado forma, double tol, bool dobles)
{
    auto entero = [&azar](int a, int b) { return std::uniform_int_distribution<int>(a, b)(azar); };
    static const Racional principales[] = {Racional(1), Racional(-1), Racional(2), Racional(1, 2)};
    ProblemaAula p;
    p.forma = forma;
    p.principal = principales[entero(0, 3)];
    Racional r(long(entero(10, 60) * (entero(0, 1) ? 1 : -1)), 10L);
    const int cuantas = entero(3, 4);
    for (int k = 0; k < cuantas; ++k) {
        p.factores.push_back({r, dobles ? entero(1, 2) : 1});
        const double paso = std::fabs(r.ADouble()) * tol * entero(3, 9) / 10;
        r = r + Racional(std::max(1L, std::lround(paso * 10000)), 10000L);
    }
    if (entero(0, 1))
        p.factores.insert(p.factores.begin(), {p.factores.front().raiz - Racional(3L), 1});
    CompletaProblema(p, Racional(0L), Racional(0L));
    return p;
}

// Near v, within `ancho` times the tolerance, as typed in a box of `largo`
// characters.
QString Cerca(std::mt19937 &azar, double v, double tol, int largo, double ancho = 0.95)
{
    return juicio::Texto(juicio::Mueve(v, std::uniform_real_distribution<double>(-ancho, ancho)(azar), tol), largo);
}

// How near to an earlier answer a new one is drawn: within a twentieth
// of the tolerance or a third of it.
double AnchoRepetida(std::mt19937 &azar)
{
    return azar() % 2 ? 0.05 : 0.3;
}

// A typed value lies on the edge of the tolerance of a true one, where
// rounding might decide.
bool EnElBorde(double x, const std::vector<double> &verdad, double tol)
{
    return std::any_of(verdad.begin(), verdad.end(),
                       [&](double v) { return std::fabs(juicio::Error(x, v) - tol) < 1e-9; });
}

class Sesion {
public:
    Sesion(EntornoEjercicios &e, std::mt19937 &azar, const QString &donde) : e(e), m_azar(azar), m_donde(donde) {}
    QStringList fallos;

    // Roots (every copy), critical or inflection points.
    void puntos(int concepto, Camino camino, const std::vector<double> &verdad)
    {
        const double tol = juicio::Tolerancia(concepto, camino);
        QPointer<VentanaPuntos> w = juicio::AbrePuntos(e, concepto, camino);
        if (!w)
            return falla(QStringLiteral("no abre"));
        const int largo = concepto == 0 ? 8 : 20; // the roots' box takes eight characters
        std::vector<double> dadas;
        QStringList textos;
        for (int paso = 0; paso < 4 * int(verdad.size()) && w; ++paso) {
            // A root typed again takes a copy of a multiple root while one
            // is left, which depends on the copies the earlier answers took:
            // the table of tst_Repetidas holds those cases.
            QString texto;
            const unsigned como = textos.isEmpty() ? 0 : m_azar() % 4;
            if (como == 1 && concepto != 0)
                texto = textos[int(m_azar() % textos.size())];
            else if (como >= 2) // near an earlier answer
                texto = Cerca(m_azar, dadas[m_azar() % dadas.size()], tol, largo, AnchoRepetida(m_azar));
            else
                texto = Cerca(m_azar, verdad[m_azar() % verdad.size()], tol, largo);
            const double x = texto.toDouble();
            const bool igual = std::find(dadas.begin(), dadas.end(), x) != dadas.end();
            if (EnElBorde(x, verdad, tol) || (igual && concepto == 0))
                continue;
            auto con = dadas;
            con.push_back(x);
            const bool bien = !igual && Emparejables(con.size(), verdad.size(), [&](std::size_t i, std::size_t k) {
                                  return juicio::Error(con[i], verdad[k]) < tol;
                              });
            const std::size_t faltan = w->puntosFaltantes().size();
            e.mensajes.clear();
            Da(*w, texto);
            const bool aceptado = EsExito(e.mensajes) && w && w->puntosFaltantes().size() + 1 == faltan;
            if (aceptado != bien)
                return falla(QStringLiteral("%1 tras {%2}: %3 (%4)")
                                 .arg(texto, textos.join(QStringLiteral(", ")),
                                      bien ? QStringLiteral("rechazado") : QStringLiteral("aceptado"),
                                      e.mensajes.join('|')));
            if (aceptado) {
                dadas.push_back(x);
                textos << texto;
            }
        }
        termina(w, dadas.size() == verdad.size(), [&] { PulsaTerminar(*w); });
    }

    // Sign, monotonicity or concavity.
    void intervalos(int concepto, Camino camino, const ResultadoIntervalos &r)
    {
        const double tol = juicio::Tolerancia(concepto, camino);
        QPointer<VentanaIntervalos> w = juicio::AbreIntervalos(e, concepto, camino);
        if (!w)
            return falla(QStringLiteral("no abre"));
        struct Respuesta {
            QString izq, der;
            std::int16_t cualidad;
        };
        std::vector<Respuesta> dadas;
        auto valor = [](const QString &t) {
            return t == QStringLiteral("i") ? INFINITO : t == QStringLiteral("-i") ? -INFINITO : t.toDouble();
        };
        auto cabe = [&](const Respuesta &a, std::size_t k) {
            const Intervalo &t = r.intervalos[k];
            return a.cualidad == r.codigos[k] && juicio::Error(valor(a.izq), t.izquierdo) < tol
                   && juicio::Error(valor(a.der), t.derecho) < tol;
        };
        auto extremo = [&](double v, double ancho) {
            return std::fabs(v) >= INFINITO ? juicio::Texto(v) : Cerca(m_azar, v, tol, 20, ancho);
        };
        const std::size_t n = r.intervalos.size();
        std::vector<double> extremos;
        for (const Intervalo &t : r.intervalos)
            extremos.insert(extremos.end(), {t.izquierdo, t.derecho});
        for (int paso = 0; paso < 4 * int(n) && w; ++paso) {
            Respuesta a;
            const unsigned como = dadas.empty() ? 0 : m_azar() % 4;
            if (como == 1) {
                a = dadas[m_azar() % dadas.size()];
            } else {
                if (como >= 2) { // near an earlier answer
                    const Respuesta &d = dadas[m_azar() % dadas.size()];
                    const double ancho = AnchoRepetida(m_azar);
                    a = {extremo(valor(d.izq), ancho), extremo(valor(d.der), ancho), d.cualidad};
                } else {
                    const std::size_t k = m_azar() % n;
                    a = {extremo(r.intervalos[k].izquierdo, 0.95), extremo(r.intervalos[k].derecho, 0.95),
                         r.codigos[k]};
                }
                if (m_azar() % 6 == 0)
                    a.cualidad = static_cast<std::int16_t>(-a.cualidad); // the other quality
                if (!(valor(a.izq) < valor(a.der)) || EnElBorde(valor(a.izq), extremos, tol)
                    || EnElBorde(valor(a.der), extremos, tol))
                    continue;
            }
            const bool igual = std::any_of(dadas.begin(), dadas.end(), [&](const Respuesta &d) {
                return d.izq == a.izq && d.der == a.der && d.cualidad == a.cualidad;
            });
            auto con = dadas;
            con.push_back(a);
            const bool bien =
                !igual && Emparejables(con.size(), n, [&](std::size_t i, std::size_t k) { return cabe(con[i], k); });
            const int abiertos = w->UltimoAbierto();
            e.mensajes.clear();
            DaIntervalo(*w, a.izq, a.der, a.cualidad == 1 ? 0 : 1);
            const bool aceptado = EsExito(e.mensajes) && w && w->UltimoAbierto() + 1 == abiertos;
            if (aceptado != bien) {
                QStringList antes;
                for (const Respuesta &d : dadas)
                    antes << QStringLiteral("(%1, %2)%3").arg(d.izq, d.der).arg(d.cualidad);
                return falla(QStringLiteral("(%1, %2)%3 tras {%4}: %5 (%6)")
                                 .arg(a.izq, a.der)
                                 .arg(a.cualidad)
                                 .arg(antes.join(QStringLiteral(", ")),
                                      bien ? QStringLiteral("rechazado") : QStringLiteral("aceptado"),
                                      e.mensajes.join('|')));
            }
            if (aceptado)
                dadas.push_back(a);
        }
        termina(w, dadas.size() == n, [&] {
            Pulsa(*w->CmdOk());
            Asienta();
        });
    }

private:
    EntornoEjercicios &e;
    std::mt19937 &m_azar;
    QString m_donde;

    void falla(const QString &que) { fallos << m_donde + QStringLiteral(": ") + que; }

    // With every value given, "Terminar" finishes the exercise.
    template <class W, class Pulsa> void termina(const QPointer<W> &w, bool completo, Pulsa pulsa)
    {
        if (!w || !completo)
            return;
        e.mensajes.clear();
        pulsa();
        if (!EsExito(e.mensajes) || w)
            falla(QStringLiteral("Terminar: ") + e.mensajes.join('|'));
    }
};

} // namespace

class tst_RepetidasAzar : public QObject {
    Q_OBJECT

private slots:
    void apinadas_data()
    {
        QTest::addColumn<int>("ejercicio");
        QTest::addColumn<int>("semilla");
        for (std::size_t i = 0; i < Ejercicios().size(); ++i)
            for (int s = 0; s < 8; ++s)
                QTest::addRow("%s, semilla %d", Ejercicios()[i].nombre, s) << int(i) << s;
    }
    void apinadas()
    {
        QFETCH(int, ejercicio);
        QFETCH(int, semilla);
        const Ejercicio &ej = Ejercicios()[static_cast<std::size_t>(ejercicio)];
        QStringList fallos;
        for (Camino camino : ej.caminos) {
            std::mt19937 azar(static_cast<unsigned>(9100 + 100 * ejercicio + 10 * semilla + int(camino)));
            const double tol = juicio::Tolerancia(ej.concepto, camino);
            const ProblemaAula p = Apinado(azar, ej.forma, tol, ej.concepto == 0);
            EntornoEjercicios e;
            PoliActualDe(p.p);
            Sesion s(e, azar, p.nombre + QStringLiteral(", camino %1").arg(int(camino)));
            const int orden = static_cast<int>(ej.forma);
            switch (ej.concepto) {
            case 0:
                s.puntos(0, camino, ConCopias(RaicesVerdad(p, 0)));
                break;
            case 5:
                s.puntos(5, camino, Valores(RaicesVerdad(p, 1)));
                break;
            case 9:
                s.puntos(9, camino, Valores(Cambios(RaicesVerdad(p, 2))));
                break;
            case 1:
                s.intervalos(1, camino, SignoVerdad(p));
                break;
            default:
                s.intervalos(ej.concepto, camino, CambiosVerdad(p, orden));
                break;
            }
            fallos << s.fallos;
        }
        QVERIFY2(fallos.isEmpty(), qPrintable(fallos.join('\n')));
    }
};

QTEST_MAIN(tst_RepetidasAzar)
#include "tst_RepetidasAzar.moc"
