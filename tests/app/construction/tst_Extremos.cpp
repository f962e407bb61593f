// The absolute-extrema construction: its three kinds of requirement, the
// marks on the graph and the check of each extreme.
#include "EscenaConstruccion.h"

#include "frmConMaxMinAbs.h"

namespace {

using E = EscenaConstruccion;

const QColor kEtiqueta(0, 0, 255); // QBColor(9)

// Draws: the kind (Int(3 r + 1)), then for 2 and 3 the value's sign (CInt(10 r)
// even +) and size (Int(10 r)).
const std::initializer_list<float> kMinimoMenosCuatro = {0.7f, 0.1f, 0.45f};

} // namespace

class tst_Extremos : public QObject {
    Q_OBJECT
private slots:
    void minimo()
    {
        EscenaConstruccion s;
        auto *w = s.elige<frmConMaxMinAbs>(12, kMinimoMenosCuatro);
        QVERIFY(w);
        QVERIFY(QTest::qWaitForWindowActive(s.principal.get()));
        QCOMPARE(E::Lista(*w->Cmbraices()),
                 (QStringList{"Un mínimo absoluto en: -4", "No tiene Máximo absoluto. Lím P(x) = inf"}));
        QCOMPARE(w->LblConRai(0)->text(), QStringLiteral("Escribe el polinomio que tenga el mínimo absoluto señalado"));
        QCOMPARE(w->LblConRai4()->text().toStdString(),
                 TextoInstrucciones(46, " la ordenada del valor de un MINIMO absoluto"));
        // "+Inf" at the top, no "-Inf" at the bottom, the segment at -4.
        QVERIFY(E::HayColor(kEtiqueta, 1, 10, 20));
        QVERIFY(!E::HayColor(kEtiqueta, 1, -10, 20));
        QVERIFY(E::HayColor(QColor(0, 0, 128), 1.5, -4, 1));

        QCOMPARE(s.responde(*w, "x^2-3"), QStringList{E::Error(215)});
        QCOMPARE(s.responde(*w, "-x^2-4"), QStringList{E::Error(212)});
        QCOMPARE(s.responde(*w, "x^3"), QStringList{E::Error(214)});
        QCOMPARE(s.responde(*w, "-4"), QStringList{E::Error(213)});
        QCOMPARE(s.responde(*w, "5"), QStringList{E::Error(215)});
        QCOMPARE(s.responde(*w, "(x-1)^2-4"), QStringList{E::Exito(78)});
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w->CmdNo()));
        SesionPrueba::Pulsa(w->CmdSi());
        QCOMPARE(s.responde(*w, "x^2-4"), QStringList{E::Exito(51)});
    }

    void maximoYNinguno()
    {
        {
            EscenaConstruccion s;
            auto *w = s.elige<frmConMaxMinAbs>(12, {0.4f, 0, 0.55f});
            QVERIFY(w);
            QVERIFY(QTest::qWaitForWindowActive(s.principal.get()));
            QCOMPARE(E::Lista(*w->Cmbraices()), (QStringList{"No tiene Mínimo absoluto. Lím P(x) = -inf, cuando X se aleja",
                                                               "Un máximo absoluto en: 5"}));
            QVERIFY(E::HayColor(kEtiqueta, 1, -10, 20));
            QCOMPARE(s.responde(*w, "x^2+5"), QStringList{E::Error(212)});
            QCOMPARE(s.responde(*w, "-x^2+6"), QStringList{E::Error(216)});
            QCOMPARE(s.responde(*w, "-(x+3)^2+5"), QStringList{E::Exito(78)});
            s.mensajes.clear();
            SesionPrueba::Pulsa(w->CmdNo());
            QCOMPARE(s.mensajes, QStringList{E::Error(211)});
        }
        {
            EscenaConstruccion s;
            auto *w = s.elige<frmConMaxMinAbs>(12, {0});
            QVERIFY(w);
            QVERIFY(QTest::qWaitForWindowActive(s.principal.get()));
            QCOMPARE(w->LblConRai(1)->text(),
                     QStringLiteral("¿Habrá más polinomios que no tenga ni máximo ni mínimo absoluto?"));
            QCOMPARE(s.responde(*w, "x^2"), QStringList{E::Error(214)});
            QCOMPARE(s.responde(*w, "x^3+x"), QStringList{E::Exito(77)});
        }
    }

    // Finite extremes within the tolerance of typed values; -0 reads "0".
    void valoresDelMinimo()
    {
        {
            EscenaConstruccion s;
            auto *w = s.elige<frmConMaxMinAbs>(12, {0.7f, 0, 0.35f});
            QVERIFY(w);
            QVERIFY(QTest::qWaitForWindowActive(s.principal.get()));
            QCOMPARE(s.responde(*w, "3x^2-8x+25/3"), QStringList{E::Exito(78)});
        }
        {
            EscenaConstruccion s;
            auto *w = s.elige<frmConMaxMinAbs>(12, {0.7f, 0.1f, 0});
            QVERIFY(w);
            QCOMPARE(w->Cmbraices()->itemText(0), QStringLiteral("Un mínimo absoluto en: 0"));
        }
    }
};

QTEST_MAIN(tst_Extremos)
#include "tst_Extremos.moc"
