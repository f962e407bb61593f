// An answer given again, on every road that offers its exercise: the same
// value (or band) typed again is told it was given already before it may
// stand for a neighbour closer than the tolerance, so that no answer
// counts twice; in the roots exercise it stands for another copy of a
// multiple root while one is left. An answer merely near an earlier one is
// right wherever the earlier one can move on to a value still free, and
// the answers stand for distinct values wherever they can. Each
// polynomial is built from its factors, and what the student is told
// follows from those factors alone.
#include "FactoresPrueba.h"
#include "IntervalosPrueba.h"
#include "PasosPrueba.h"
#include "PuntosPrueba.h"

#include "frmConcavidad.h"
#include "frmMonotonia.h"
#include "frmPuntosCriticos.h"
#include "frmPuntosInfle.h"
#include "frmposi.h"
#include "frmraices.h"

#include <QPointer>
#include <algorithm>
#include <vector>

namespace {

// Which polynomial the factors give: P itself, P' or P''.
enum class Forma { P, Prima, Segunda };

struct Caso {
    const char *nombre;
    Forma forma;
    double principal;
    Factores factores;
    int concepto;
    std::vector<Camino> caminos;
    std::vector<Paso> pasos;
};

const Camino A = Camino::Analitico;
const Camino GP = Camino::GraficaPoli;
const Camino GD = Camino::GraficaDeri;

// The roots exercise with the answers in the given order: three values
// for (x - 4)^2 (x - 4.01) (x + 1) stand for its three distinct roots,
// however near 4.004 and 4 are to each other; the copy of 4 left out is
// a multiple root given fewer times.
Caso RaicesEnOrden(const char *nombre, std::vector<const char *> orden)
{
    Caso c{nombre, Forma::P, 1, {{-1, 1}, {4, 2}, {4.01, 1}}, 0, {A, GP}, {}};
    for (const char *x : orden)
        c.pasos.push_back(Valor(x, Exito(2)));
    c.pasos.push_back(Fin(Exito(52)));
    return c;
}

std::vector<Caso> Casos()
{
    // Bands of (x + 3)(x - 2)^2 (x - 2.1)^2 (x - 2.2)^2: negative left of
    // -3, positive on (-3, 2), (2, 2.1), (2.1, 2.2) and beyond 2.2.
    const std::vector<Paso> signo{
        Banda("2", "2.1", 0, Exito(14)),   Banda("2", "2.1", 0, Error(37)),  Fin(Error(36)),
        Banda("2.1", "2.2", 0, Exito(14)), Banda("-i", "-3", 1, Exito(14)), Banda("-3", "2", 0, Exito(14)),
        Banda("2.2", "i", 0, Exito(28)),   Fin(Exito(16)),
    };
    // (x + 1)(x - 2)(x - 2.1)(x - 2.2)(x - 2.3) as P' or P'': negative left
    // of -1 and on (2, 2.1) and (2.2, 2.3), positive between and beyond;
    // (2, 2.1) is within 10 % of (2.2, 2.3).
    const Factores cinco{{-1, 1}, {2, 1}, {2.1, 1}, {2.2, 1}, {2.3, 1}};
    auto alternas = [](int repetida, int faltan, int ultima, int fin) {
        // Option 0: increasing or convex; option 1: decreasing or concave.
        return std::vector<Paso>{
            Banda("2", "2.1", 1, Exito(14)),   Banda("2", "2.1", 1, Error(repetida)),
            Fin(Error(faltan)),                Banda("2.2", "2.3", 1, Exito(14)),
            Banda("2.1", "2.2", 0, Exito(14)), Banda("-i", "-1", 1, Exito(14)),
            Banda("-1", "2", 0, Exito(14)),    Banda("2.3", "i", 0, Exito(ultima)),
            Fin(Exito(fin)),
        };
    };
    // (x-1)(x-1.003)(x-1.006)(x-1.009) as P' or P'': negative on (1, 1.003)
    // and (1.006, 1.009). (1.002, 1.005) fits both and stands for the
    // first, nearer; (0.995, 0.998), near it but within the tolerance of
    // the first alone, is right: the earlier answer moves on.
    const Factores apinado{{1, 1}, {1.003, 1}, {1.006, 1}, {1.009, 1}};
    auto cercanas = [](int repetida, int ultima, int fin) {
        return std::vector<Paso>{
            Banda("1.002", "1.005", 1, Exito(14)),  Banda("0.995", "0.998", 1, Exito(14)),
            Banda("1.002", "1.005", 1, Error(repetida)), Banda("1.003", "1.006", 0, Exito(14)),
            Banda("-i", "1", 0, Exito(14)),         Banda("1.009", "i", 0, Exito(ultima)),
            Fin(Exito(fin)),
        };
    };
    return {
        {"críticos P'=3(x-2)(x-2.1)",
         Forma::Prima,
         3,
         {{2, 1}, {2.1, 1}},
         5,
         {A, GP, GD},
         // Only the value accepted last is "the same one just given".
         {Valor("2", Exito(9)), Valor("2", Error(57, "2")), Fin(Error(42)), Valor("2.1", Exito(34)),
          Valor("2.1", Error(57, "2.1")), Valor("2", Error(28)), Fin(Exito(10))}},
        {"críticos P'=(x-6)^3(x-6.1)^3",
         Forma::Prima,
         1,
         {{6, 3}, {6.1, 3}},
         5,
         {A, GP, GD},
         // 6.05 stands for 6.1; once both are given, 6.1 and 6 were given
         // already, and only a value that is no critical point is told none
         // is left.
         {Valor("6", Exito(9)), Valor("6.05", Exito(34)), Valor("6.1", Error(28)), Valor("6.05", Error(57, "6.05")),
          Valor("6", Error(28)), Valor("9", Error(44)), Fin(Exito(10))}},
        {"críticos P'=3(x-1)(x-1.005)",
         Forma::Prima,
         3,
         {{1, 1}, {1.005, 1}},
         5,
         {A, GP, GD},
         {Valor("1", Exito(9)), Valor("1", Error(57, "1")), Fin(Error(42)), Valor("1.005", Exito(34)),
          Fin(Exito(10))}},
        {"críticos P'=(x-1)(x-1.08)(x-3)",
         Forma::Prima,
         1,
         {{1, 1}, {1.08, 1}, {3, 1}},
         5,
         {A, GP, GD},
         {Valor("1.08", Exito(9)), Valor("1.08", Error(57, "1.08")), Valor("3", Exito(9)), Valor("1", Exito(34)),
          Fin(Exito(10))}},
        {"inflexión P''=12(x-2)(x-2.005)",
         Forma::Segunda,
         12,
         {{2, 1}, {2.005, 1}},
         9,
         {A, GP},
         {Valor("2", Exito(24)), Valor("2", Error(48)), Fin(Error(51)), Valor("2.005", Exito(27)),
          Valor("2", Error(49)), Fin(Exito(26))}},
        {"signo (x+3)(x-2)^2(x-2.1)^2(x-2.2)^2", Forma::P, 1, {{-3, 1}, {2, 2}, {2.1, 2}, {2.2, 2}}, 1, {A, GP}, signo},
        // Positive on every band; (0.9985, 1.0035) stands for (1, 1.005)
        // and moves on to (1.005, 1.01) for an answer that fits only the
        // first.
        {"signo (x-1)^2(x-1.005)^2(x-1.01)^2",
         Forma::P,
         1,
         {{1, 2}, {1.005, 2}, {1.01, 2}},
         1,
         {A, GP},
         {Banda("0.9985", "1.0035", 0, Exito(14)), Banda("0.994", "0.999", 0, Exito(14)),
          Banda("0.994", "0.999", 0, Error(37)), Banda("-i", "1", 0, Exito(14)), Banda("1.01", "i", 0, Exito(28)),
          Fin(Exito(16))}},
        {"monotonía P'=(x+1)(x-2)(x-2.1)(x-2.2)(x-2.3)", Forma::Prima, 1, cinco, 6, {A, GP}, alternas(37, 47, 29, 23)},
        {"monotonía P'=(x+1)(x-2)(x-2.1)(x-2.2)(x-2.3)",
         Forma::Prima,
         1,
         cinco,
         6,
         {GD},
         alternas(37, 47, 29, 63)},
        {"concavidad P''=(x+1)(x-2)(x-2.1)(x-2.2)(x-2.3)", Forma::Segunda, 1, cinco, 10, {A, GP},
         alternas(37, 54, 30, 44)},
        {"monotonía P'=(x-1)(x-1.003)(x-1.006)(x-1.009)", Forma::Prima, 1, apinado, 6, {A, GP},
         cercanas(37, 29, 23)},
        {"monotonía P'=(x-1)(x-1.003)(x-1.006)(x-1.009)", Forma::Prima, 1, apinado, 6, {GD}, cercanas(37, 29, 63)},
        {"concavidad P''=(x-1)(x-1.003)(x-1.006)(x-1.009)", Forma::Segunda, 1, apinado, 10, {A, GP},
         cercanas(37, 30, 44)},
        // 2.002 stands for 2 and moves on to 2.006 for 1.992.
        {"inflexión P''=(x-2)(x-2.006)",
         Forma::Segunda,
         1,
         {{2, 1}, {2.006, 1}},
         9,
         {A, GP},
         {Valor("2.002", Exito(24)), Valor("1.992", Exito(27)), Valor("2.002", Error(49)), Fin(Exito(26))}},
        RaicesEnOrden("raíces 4.004, 4, -1", {"4.004", "4", "-1"}),
        RaicesEnOrden("raíces 4.004, -1, 4", {"4.004", "-1", "4"}),
        RaicesEnOrden("raíces 4, 4.004, -1", {"4", "4.004", "-1"}),
        RaicesEnOrden("raíces 4, -1, 4.004", {"4", "-1", "4.004"}),
        RaicesEnOrden("raíces -1, 4.004, 4", {"-1", "4.004", "4"}),
        RaicesEnOrden("raíces -1, 4, 4.004", {"-1", "4", "4.004"}),
        {"raíces 4 tres veces",
         Forma::P,
         1,
         {{-1, 1}, {4, 2}, {4.01, 1}},
         0,
         {A, GP},
         {Valor("4", Exito(2)), Valor("4", Exito(2)), Valor("4", Error(60)), Valor("4.01", Exito(2)),
          Valor("4.01", Error(60)), Valor("-1", Exito(12)), Fin(Exito(1))}},
        {"raíces 4.004 dos veces",
         Forma::P,
         1,
         {{-1, 1}, {4, 2}, {4.01, 1}},
         0,
         {A, GP},
         {Valor("4.004", Exito(2)), Valor("4.004", Exito(2)), Fin(Error(12)), Valor("4.01", Exito(2)),
          Valor("-1", Exito(12)), Fin(Exito(1))}},
        // 2.0002 stands for 2.0003, then typed again for a copy of 2, and
        // again for the other copy.
        {"raíces (x-2)^2(x-2.0003)",
         Forma::P,
         1,
         {{2, 2}, {2.0003, 1}},
         0,
         {A, GP},
         {Valor("2.0002", Exito(2)), Valor("2.0002", Exito(2)), Valor("2.0002", Exito(12)), Valor("2", Error(29)),
          Fin(Exito(1))}},
        {"raíces 4.004, 4, 4",
         Forma::P,
         1,
         {{-1, 1}, {4, 2}, {4.01, 1}},
         0,
         {A, GP},
         {Valor("4.004", Exito(2)), Valor("4", Exito(2)), Valor("4", Exito(2)), Valor("-1", Exito(12)),
          Fin(Exito(1))}},
    };
}

// The coefficients of the polynomial P whose P, P' or P'' the factors give.
PoliExacto Coeficientes(const Caso &c)
{
    PoliExacto p = Expande(c.principal, c.factores);
    if (c.forma != Forma::P)
        p = Primitiva(p);
    if (c.forma == Forma::Segunda)
        p = Primitiva(p);
    return p;
}

// The values written in a point exercise's list, in order.
QStringList Lista(VentanaPuntos &w)
{
    QStringList valores;
    for (const QString &linea : QString::fromStdString(w.rtbPuntos()->Text()).split(QLatin1Char('\n')))
        if (const int i = linea.indexOf(QStringLiteral("= ")); i >= 0)
            valores << linea.mid(i + 2).trimmed();
    return valores;
}

} // namespace

class tst_Repetidas : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<EntornoEjercicios> e;

    VentanaEjercicio *abre(int concepto, Camino camino)
    {
        switch (concepto) {
        case 0:
            return e->Abre<frmraices>(0, camino);
        case 1:
            return e->Abre<frmposi>(1, camino);
        case 5:
            return e->Abre<frmPuntosCriticos>(5, camino);
        case 6:
            return e->Abre<frmMonotonia>(6, camino);
        case 9:
            return e->Abre<frmPuntosInfle>(9, camino);
        default:
            return e->Abre<frmConcavidad>(10, camino);
        }
    }

    // Step k answered with Enter in the (left) answer box when k is even,
    // with "Listo" when it is odd.
    static void Responde(VentanaEjercicio &w, const Paso &p, int k)
    {
        if (auto *puntos = qobject_cast<VentanaPuntos *>(&w)) {
            if (!p.izq)
                return PulsaTerminar(*puntos);
            if (k % 2)
                return Da(*puntos, QString::fromLatin1(p.izq));
            Escribe(*puntos->txtRespuesta(), QString::fromLatin1(p.izq));
            QTest::keyClick(puntos->txtRespuesta()->Caja(), Qt::Key_Return);
            Asienta();
            return;
        }
        auto &intervalos = static_cast<VentanaIntervalos &>(w);
        if (!p.izq) {
            Pulsa(*intervalos.CmdOk());
            Asienta();
            return;
        }
        if (k % 2)
            return DaIntervalo(intervalos, QString::fromLatin1(p.izq), QString::fromLatin1(p.der), p.opcion);
        Escribe(*intervalos.txtraices2(0), QString::fromLatin1(p.izq));
        Escribe(*intervalos.txtraices2(1), QString::fromLatin1(p.der));
        intervalos.OptCualidad(p.opcion)->click();
        QTest::keyClick(intervalos.txtraices2(0)->Caja(), Qt::Key_Return);
        Asienta();
    }

private slots:
    void init() { e = std::make_unique<EntornoEjercicios>(); }
    void cleanup() { e.reset(); }

    void repetidas_data()
    {
        QTest::addColumn<int>("caso");
        QTest::addColumn<int>("camino");
        const char *nombres[] = {"analítico", "gráfica de P", "gráfica de P'"};
        const auto casos = Casos();
        for (std::size_t i = 0; i < casos.size(); ++i)
            for (Camino c : casos[i].caminos)
                QTest::addRow("%s, %s", casos[i].nombre, nombres[int(c)]) << int(i) << int(c);
    }
    void repetidas()
    {
        QFETCH(int, caso);
        QFETCH(int, camino);
        const Caso c = Casos()[static_cast<std::size_t>(caso)];
        PoliActualDe(Coeficientes(c));
        QPointer<VentanaEjercicio> w = abre(c.concepto, static_cast<Camino>(camino));
        QVERIFY(w);
        if (c.concepto == 0 && static_cast<Camino>(camino) == A) {
            // How many roots at most: the degree.
            Da(*qobject_cast<VentanaPuntos *>(w.data()), QString::number(Coeficientes(c).Grado()));
            QCOMPARE(e->mensajes, QStringList{Exito(0)});
        }
        QStringList lista;
        for (std::size_t k = 0; k < c.pasos.size(); ++k) {
            const Paso &p = c.pasos[k];
            QVERIFY2(w, qPrintable(QStringLiteral("paso %1: la ventana se cerró").arg(k)));
            if (auto *puntos = qobject_cast<VentanaPuntos *>(w.data()))
                lista = Lista(*puntos);
            e->mensajes.clear();
            Responde(*w, p, int(k));
            const QString que = QStringLiteral("paso %1 (%2%3): ")
                                    .arg(k)
                                    .arg(p.izq ? QString::fromLatin1(p.izq) : QStringLiteral("Terminar"))
                                    .arg(p.der ? QStringLiteral(", ") + QString::fromLatin1(p.der) : QString());
            QVERIFY2(!e->mensajes.isEmpty(), qPrintable(que + QStringLiteral("sin mensaje")));
            QVERIFY2(e->mensajes.front() == p.mensaje, qPrintable(que + e->mensajes.front() + QStringLiteral(" | esperado ") + p.mensaje));
        }
        QVERIFY2(!w, "Terminar no cerró el ejercicio");
        // The critical and inflection points listed at the end stand for
        // the roots of the factors, each once, in ascending order.
        if (c.concepto == 5 || c.concepto == 9) {
            std::vector<double> dados;
            for (const QString &v : lista)
                dados.push_back(v.toDouble());
            std::sort(dados.begin(), dados.end());
            const double tol = c.concepto == 9 ? 0.005 : static_cast<Camino>(camino) == A ? 0.01 : 0.1;
            QCOMPARE(dados.size(), c.factores.size());
            for (std::size_t i = 0; i < dados.size(); ++i)
                QVERIFY2(CasiIgual(dados[i], c.factores[i].first, tol), qPrintable(lista.join(", ")));
        }
    }
};

QTEST_MAIN(tst_Repetidas)
#include "tst_Repetidas.moc"
