// The crowded cases that rounding used to decide, answered through the
// real windows with the truth of their factors: every band, inflection and
// class typed exactly is accepted and the other quality refused, and an
// exercise finishes only once all are given.
#include "FactoresPrueba.h"
#include "JuicioVerdad.h"

#include <functional>
#include <memory>
#include <vector>

using juicio::EsError;
using juicio::EsExito;

namespace {

// Bands cut at the roots of a factored polynomial (all of them, or those
// of odd multiplicity), each with its sign: the leading one times -1 for
// every odd root right of it.
struct CortesYSignos {
    std::vector<double> cortes;
    std::vector<int> signos;
};
CortesYSignos DeFactores(double principal, const Factores &factores, bool todas)
{
    auto signoTras = [&](double x) {
        int s = principal > 0 ? 1 : -1;
        for (const auto &[r, m] : factores)
            if (r > x && m % 2 == 1)
                s = -s;
        return s;
    };
    CortesYSignos b;
    b.signos.push_back(signoTras(-INFINITO));
    for (const auto &[r, m] : factores)
        if (todas || m % 2 == 1) {
            b.cortes.push_back(r);
            b.signos.push_back(signoTras(r));
        }
    return b;
}

struct CasoBandas {
    const char *nombre;
    int concepto; // 1 sign, 6 monotonicity, 10 concavity
    PoliExacto p;
    CortesYSignos verdad;
};

std::vector<CasoBandas> CasosBandas()
{
    auto signo = [](const char *nombre, double c, const Factores &f) {
        return CasoBandas{nombre, 1, Expande(c, f), DeFactores(c, f, true)};
    };
    auto concavidad = [](const char *nombre, double c, const Factores &f) {
        return CasoBandas{nombre, 10, Primitiva(Primitiva(Expande(c, f))), DeFactores(c, f, false)};
    };
    return {
        signo("signo (x-5.5)^4(x-5.6)^4", 1, {{5.5, 4}, {5.6, 4}}),
        signo("signo (x-9.8)^4(x-9.9)^4", 1, {{9.8, 4}, {9.9, 4}}),
        signo("signo (x-8)^3(x-8.1)^3(x-8.2)^2", 1, {{8, 3}, {8.1, 3}, {8.2, 2}}),
        signo("signo (x-1.7)^3(x-1.71)^3", 1, {{1.7, 3}, {1.71, 3}}),
        signo("signo -(x-8)^4(x-8.05)^3", -1, {{8, 4}, {8.05, 3}}),
        concavidad("concavidad P''=(x-1.7)^3(x-1.71)^3", 1, {{1.7, 3}, {1.71, 3}}),
        concavidad("concavidad P''=(x-6)^3(x-6.01)^3", 1, {{6, 3}, {6.01, 3}}),
        concavidad("concavidad P''=0.1(x+5.8)^4(x+5.7)^4(x+5.4)^3", 0.1, {{-5.8, 4}, {-5.7, 4}, {-5.4, 3}}),
        // 0.0000001(x-1)(x-2)(x-3) expanded: P' = 0.0000001(3x^2-12x+11)
        // has two roots, 2 -+ 1/sqrt(3).
        {"monotonía 0.0000001(x-1)(x-2)(x-3)", 6, Expande(0.0000001, {{1, 1}, {2, 1}, {3, 1}}),
         {{1.42264973, 2.57735027}, {1, -1, 1}}},
    };
}

QString Numero(double x)
{
    return x <= -INFINITO ? QStringLiteral("-i") : x >= INFINITO ? QStringLiteral("i") : QString::number(x, 'g', 9);
}

} // namespace

class tst_DecisionesExactas : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<EntornoEjercicios> e;

    QStringList responde(const std::function<void()> &accion)
    {
        e->mensajes.clear();
        accion();
        return e->mensajes;
    }

private slots:
    void init() { e = std::make_unique<EntornoEjercicios>(); }
    void cleanup() { e.reset(); }

    void bandas_data()
    {
        QTest::addColumn<int>("caso");
        const auto casos = CasosBandas();
        for (std::size_t i = 0; i < casos.size(); ++i)
            QTest::newRow(casos[i].nombre) << int(i);
    }
    // From the right end to the left: each band with the other quality
    // refused, then with its own accepted; then Terminar.
    void bandas()
    {
        QFETCH(int, caso);
        const CasoBandas c = CasosBandas()[static_cast<std::size_t>(caso)];
        PoliActualDe(c.p);
        QPointer<VentanaIntervalos> w =
            c.concepto == 1   ? static_cast<VentanaIntervalos *>(e->Abre<frmposi>(1))
            : c.concepto == 6 ? static_cast<VentanaIntervalos *>(e->Abre<frmMonotonia>(6))
                              : static_cast<VentanaIntervalos *>(e->Abre<frmConcavidad>(10));
        QVERIFY(w);
        const std::vector<double> &x = c.verdad.cortes;
        for (std::size_t k = x.size() + 1; k-- > 0;) {
            QVERIFY(w);
            const QString izq = Numero(k == 0 ? -INFINITO : x[k - 1]);
            const QString der = Numero(k == x.size() ? INFINITO : x[k]);
            const int bien = c.verdad.signos[k] > 0 ? 0 : 1;
            const QString banda = QStringLiteral("(%1, %2) ").arg(izq, der);
            const QStringList mal = responde([&] { DaIntervalo(*w, izq, der, 1 - bien); });
            QVERIFY2(EsError(mal), qPrintable(banda + mal.join('|')));
            const QStringList m = responde([&] { DaIntervalo(*w, izq, der, bien); });
            QVERIFY2(EsExito(m), qPrintable(banda + m.join('|')));
        }
        if (w) {
            const QStringList m = responde([&] {
                Pulsa(*w->CmdOk());
                Asienta();
            });
            QVERIFY2(EsExito(m), qPrintable(m.join('|')));
        }
    }

    // P'' = (x-1.7)^3(x-1.71)^3 and (x-6)^3(x-6.01)^3: two inflection
    // points each, and no success before both are given.
    void inflexiones_data()
    {
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::newRow("1.7, 1.71") << 1.7 << 1.71;
        QTest::newRow("6, 6.01") << 6.0 << 6.01;
    }
    void inflexiones()
    {
        QFETCH(double, a);
        QFETCH(double, b);
        PoliActualDe(Primitiva(Primitiva(Expande(1, {{a, 3}, {b, 3}}))));
        QPointer<frmPuntosInfle> w = e->Abre<frmPuntosInfle>(9);
        QVERIFY(w);
        QVERIFY(EsError(responde([&] { PulsaTerminar(*w); })));
        QVERIFY(EsExito(responde([&] { Da(*w, Numero(a)); })));
        QVERIFY(EsError(responde([&] { PulsaTerminar(*w); })));
        QVERIFY(EsExito(responde([&] { Da(*w, Numero(b)); })));
        QVERIFY(w);
        QVERIFY(EsExito(responde([&] { PulsaTerminar(*w); })));
    }

    // The scaled quadratic keeps both critical points.
    void criticosEscalados()
    {
        PoliActualDe(Expande(0.0000001, {{1, 1}, {2, 1}, {3, 1}}));
        QPointer<frmPuntosCriticos> w = e->Abre<frmPuntosCriticos>(5);
        QVERIFY(w);
        QVERIFY(EsExito(responde([&] { Da(*w, QStringLiteral("1.42265")); })));
        QVERIFY(EsExito(responde([&] { Da(*w, QStringLiteral("2.57735")); })));
        QVERIFY(w);
        QVERIFY(EsExito(responde([&] { PulsaTerminar(*w); })));
    }

    // Classes (options: none, maximum, minimum) of P typed as the exact
    // primitive of P' = (x-9.8)(x-9.9)^4(x-10)^4, where P''(9.8) = 1.6e-7,
    // and of 0.0000001(x-1)(x-2)(x-3).
    void clases_data()
    {
        QTest::addColumn<int>("caso");
        QTest::newRow("P'=(x-9.8)(x-9.9)^4(x-10)^4") << 0;
        QTest::newRow("0.0000001(x-1)(x-2)(x-3)") << 1;
    }
    void clases()
    {
        QFETCH(int, caso);
        const PoliExacto p = caso == 0 ? Primitiva(Expande(1, {{9.8, 1}, {9.9, 4}, {10, 4}}))
                                       : Expande(0.0000001, {{1, 1}, {2, 1}, {3, 1}});
        const std::vector<int> clases = caso == 0 ? std::vector<int>{2, 0, 0} : std::vector<int>{1, 2};
        PoliActualDe(p);
        ConceptoResuelto[5] = true;
        QPointer<frmClaPtoCri> w = e->Abre<frmClaPtoCri>(7);
        QVERIFY(w);
        for (int bien : clases) {
            QVERIFY(w);
            const QStringList mal = responde([&] {
                w->OptParidad((bien + 1) % 3)->click();
                Pulsa(*w->cmdListo());
                Asienta();
            });
            QVERIFY2(EsError(mal), qPrintable(mal.join('|')));
            const QStringList m = responde([&] {
                w->OptParidad(bien)->click();
                Pulsa(*w->cmdListo());
                Asienta();
            });
            QVERIFY2(EsExito(m), qPrintable(m.join('|')));
        }
    }

    // The minimum of 0.1(x-9)^10 is 0 exactly: a typed 0 is right and the
    // range shown starts at 0; a true minimum of -5.7e-12 is no 0.
    void rangoExacto()
    {
        PoliActualDe(Expande(0.1, {{9, 10}}));
        auto *w = e->Abre<frmRango>(11);
        QVERIFY(w);
        QVERIFY(EsExito(responde([&] { DaIntervalo(*w, QStringLiteral("0"), QStringLiteral("i"), -1); })));
        QVERIFY2(Oraciones(*w).contains(QStringLiteral("[0 , inf]")), qPrintable(Oraciones(*w)));
        e.reset();
        e = std::make_unique<EntornoEjercicios>();
        PoliActualDe(PoliExacto::DesdeCoeficientes({*Racional::DesdeTexto("-0.0000000000057"), 0, 1}));
        w = e->Abre<frmRango>(11);
        QVERIFY(w);
        QVERIFY(EsError(responde([&] { DaIntervalo(*w, QStringLiteral("0"), QStringLiteral("i"), -1); })));
        QVERIFY(EsExito(responde([&] { DaIntervalo(*w, QStringLiteral("-5.7e-12"), QStringLiteral("i"), -1); })));
    }
};

QTEST_MAIN(tst_DecisionesExactas)
#include "tst_DecisionesExactas.moc"
