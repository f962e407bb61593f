// The monotonicity and concavity constructions: bands of f' and f'' and
// their checks.
#include "EscenaConstruccion.h"

#include "frmConConcavidad.h"
#include "frmConMonotonia.h"


namespace {

using E = EscenaConstruccion;

// Two abscissas (n draw), -2 (odd sign draw, size 2), 1 (even, size 1),
// then the first sign: even for +, odd for -.
const std::initializer_list<float> kMenosDosUnoPositivo = {0.1f, 0.1f, 0.25f, 0, 0.15f, 0};
const std::initializer_list<float> kMenosDosUnoNegativo = {0.1f, 0.1f, 0.25f, 0, 0.15f, 0.1f};

} // namespace

class tst_Bandas : public QObject {
    Q_OBJECT
private slots:
    void monotonia()
    {
        EscenaConstruccion s;
        auto *w = s.elige<frmConMonotonia>(6, kMenosDosUnoPositivo);
        QVERIFY(w);
        QVERIFY(QTest::qWaitForWindowActive(s.principal.get()));
        QCOMPARE(E::Lista(*w->Cmbraices()),
                 (QStringList{"Las raíces reales son:", "-2", "1", "El signo es:", "( - inf,-2)positiva",
                              "(-2,1)negativa", "( 1,+ inf)positiva"}));
        QCOMPARE(w->Cmbraices()->placeholderText(), QStringLiteral("Raíces  Reales e Intervalos"));
        // The strip: its title "f'" in dark cyan, the signs in dark blue.
        const QImage franja = s.Grafica()->Picejegraf2().Imagen();
        const auto hay = [&franja](const QColor &c) {
            for (int x = 0; x < franja.width(); ++x)
                for (int y = 0; y < franja.height(); ++y)
                    if (franja.pixelColor(x, y) == c)
                        return true;
            return false;
        };
        QVERIFY(hay(QColor(0, 128, 128)));
        QVERIFY(hay(QColor(0, 0, 128)));
        QCOMPARE(s.principal->windowTitle(), QStringLiteral("Quorvane: Del concepto a la expresión analítica y "
                                                            "visualización gráfica de un polinomio: Concepto Monotonía"));
        QCOMPARE(NumAyuda, 43);
        QCOMPARE(NumApoyo, 38);

        QCOMPARE(s.responde(*w, "-2x^3-3x^2+12x"), QStringList{E::Error(121, "-2")});
        QCOMPARE(s.responde(*w, "x^2"), QStringList{E::Error(119)});
        QCOMPARE(s.responde(*w, "x^3-3x"), QStringList{E::Error(120, "-2")});
        // P' = 10(x + 2)(x - 1)(x - 3)(x - 4): negative on (3, 4), though
        // positive at the last band's test point 1.5.
        QCOMPARE(s.responde(*w, "2x^5-15x^4+10x^3+130x^2-240x"), QStringList{E::Error(121, "2")});
        QCOMPARE(s.responde(*w, "2x^3+3x^2-12x"), QStringList{E::Exito(43)});
        QCOMPARE(w->LblConRai(0)->text(), QStringLiteral("Polinomio p(x) con la monotonía indicada"));
        // No question text while "Sí" and "No" are offered.
        QVERIFY(w->LblConRai(1)->isHidden());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w->CmdSi()));
        QCOMPARE(NumApoyo, 39);
        // Dark red points at the critical points on p, p in dark blue.
        QVERIFY(E::HayColor(QColor(128, 0, 0), -2, 20, 4));
        QVERIFY(E::HayColor(QColor(0, 0, 128)));

        s.mensajes.clear();
        SesionPrueba::Pulsa(w->CmdNo());
        QCOMPARE(s.mensajes, QStringList{E::Error(80)});
        QCOMPARE(w->LblConRai(0)->text(), QStringLiteral("Polinomio p(x) con la monotonía indicada"));
        QVERIFY(!w->LblConRai(1)->isHidden());
        QCOMPARE(w->LblConRai(1)->text(), QStringLiteral("Ahora otro polinomio q(x) con la misma monotonía"));
        QCOMPARE(NumAyuda, 44);
        QCOMPARE(s.responde(*w, "2x^3+3x^2-12x"), QStringList{E::Error(79)});
        QCOMPARE(s.responde(*w, "4x^3+6x^2-24x+1"), QStringList{E::Exito(43)});
        QCOMPARE(w->LblConRai(1)->text(), QStringLiteral("Polinomio q(x) distinto a p(x) con la misma monotonía"));
        QVERIFY(!w->CmdContinuar()->isHidden());
    }

    void concavidad()
    {
        EscenaConstruccion s;
        auto *w = s.elige<frmConConcavidad>(10, kMenosDosUnoNegativo);
        QVERIFY(w);
        QVERIFY(QTest::qWaitForWindowActive(s.principal.get()));
        QCOMPARE(E::Lista(*w->Cmbraices()),
                 (QStringList{"Los puntos de inflexión son:", "-2", "1", "El signo de p'' es:", "( - inf,-2)negativa",
                              "(-2,1) positiva", "( 1,+ inf) negativa"}));
        QCOMPARE(w->Cmbraices()->placeholderText(), QStringLiteral("Puntos de Inflexión y signo de la 2ª derivada"));
        QCOMPARE(s.principal->windowTitle(), QStringLiteral("Quorvane: Del concepto a la expresión analítica y "
                                                            "visualización gráfica de un polinomio: Concepto Concavidad"));
        QCOMPARE(w->lbltitulo()->text(), QStringLiteral("C O N C A V I D A D "));

        QCOMPARE(s.responde(*w, "x^4+2x^3-12x^2"), QStringList{E::Error(118)});
        QCOMPARE(s.responde(*w, "x^3"), QStringList{E::Error(116)});
        QCOMPARE(s.responde(*w, "x^4"), QStringList{E::Error(117, "-2")});
        // P'' = -60(x + 2)(x - 1)(x - 3)(x - 4): positive on (3, 4).
        QCOMPARE(s.responde(*w, "-2x^6+18x^5-15x^4-260x^3+720x^2"), QStringList{E::Error(118)});
        QCOMPARE(s.responde(*w, "-x^4-2x^3+12x^2"), QStringList{E::Exito(43)});
        QVERIFY(!w->LblConRai(1)->isHidden());
        QCOMPARE(NumAyuda, 40);
        QCOMPARE(NumApoyo, 51);
        s.mensajes.clear();
        SesionPrueba::Pulsa(w->CmdSi());
        QCOMPARE(s.mensajes, QStringList{E::Exito(41)});
        QCOMPARE(w->LblConRai(1)->text(), QStringLiteral("Proponme otro polinomio con la misma concavidad"));
        QCOMPARE(NumAyuda, 52);
        QCOMPARE(s.responde(*w, "-x^4-2x^3+12x^2+x"), QStringList{E::Exito(43)});
    }
};

QTEST_MAIN(tst_Bandas)
#include "tst_Bandas.moc"
