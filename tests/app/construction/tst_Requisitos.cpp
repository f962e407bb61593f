// The parity, extension and range constructions: each requirement as it is
// drawn, and the check of answers against it.
#include "EscenaConstruccion.h"

#include "frmConExtension.h"
#include "frmConParidad.h"
#include "frmConRango.h"

using E = EscenaConstruccion;

class tst_Requisitos : public QObject {
    Q_OBJECT
private slots:
    void paridadPar()
    {
        EscenaConstruccion s;
        // Even; roots r1, -r1 with r1 = 1; cut -10.
        auto *w = s.elige<frmConParidad>(2, {0, 0.4f, 0, 0});
        QVERIFY(w);
        QCOMPARE(E::Lista(*w->Cmbraices()), (QStringList{"corte en -10", "1", "-1"}));
        QVERIFY(w->LblConRai4()->text().endsWith(QStringLiteral("Par.")));
        QVERIFY(E::HayColor(QColor(128, 0, 0), 0, -10, 6));
        QCOMPARE(s.responde(*w, "x^2-1"), QStringList{E::Error(87)});
        QCOMPARE(s.responde(*w, "x^3-x"), QStringList{E::Error(86)});
        QCOMPARE(s.responde(*w, "x^2-4"), QStringList{E::Error(78, "1")});
        QCOMPARE(s.responde(*w, "10x^2-10"), QStringList{E::Exito(43)});
        QCOMPARE(w->LblConRai(0)->text(), QStringLiteral("Polinomio p(x) con la paridad indicada"));
        SesionPrueba::Pulsa(w->CmdSi());
        QCOMPARE(s.responde(*w, "10x^2-10"), QStringList{E::Error(79)});
        QCOMPARE(s.responde(*w, "-10x^4+20x^2-10"), QStringList{E::Exito(43)});
    }

    void paridadSinTerminosPares()
    {
        EscenaConstruccion s;
        // Even; roots 1, -1; cut 10.
        auto *w = s.elige<frmConParidad>(2, {0, 0.2f, 0, 0.15f});
        QVERIFY(w);
        QCOMPARE(E::Lista(*w->Cmbraices()), (QStringList{"corte en 10", "1", "-1"}));
        QCOMPARE(s.responde(*w, "x^4+x^3-11x^2-x+10"), QStringList{E::Error(88)});
    }

    void paridadImpar()
    {
        EscenaConstruccion s;
        // Odd; roots 0, 2, -2.
        auto *w = s.elige<frmConParidad>(2, {0.1f, 0.4f, 0.2f});
        QVERIFY(w);
        QCOMPARE(w->TipoParidad(), 0);
        QCOMPARE(E::Lista(*w->Cmbraices()), (QStringList{"0", "2", "-2"}));
        QVERIFY(w->LblConRai4()->text().endsWith(QStringLiteral("Impar.")));
        QCOMPARE(s.responde(*w, "x^4-4x^2"), QStringList{E::Error(89)});
        QCOMPARE(s.responde(*w, "x^3+x^2-4x-4"), QStringList{E::Error(78, "0")});
        QCOMPARE(s.responde(*w, "x^5+x^4-4x^3-4x^2"), QStringList{E::Error(90)});
        QCOMPARE(s.responde(*w, "x^3-4x"), QStringList{E::Exito(43)});
    }

    void paridadRaizCero()
    {
        EscenaConstruccion s;
        // Even, the single root 0, no cut.
        auto *w = s.elige<frmConParidad>(2, {0, 0});
        QVERIFY(w);
        QCOMPARE(w->TipoParidad(), 2);
        QCOMPARE(E::Lista(*w->Cmbraices()), QStringList{"0"});
        QCOMPARE(s.responde(*w, "x^2+1"), QStringList{E::Error(78, "0")});
        // The zero polynomial is even and vanishes at 0: accepted, and drawn
        // on the window its record gives it.
        QCOMPARE(s.responde(*w, "0"), QStringList{E::Exito(43)});
        const PictureEjes &graf = s.Grafica()->picejGraf();
        QVERIFY(graf.MaxY() > graf.MinY());
        QVERIFY(E::HayColor(QColor(0, 0, 128)));
    }

    void extension()
    {
        EscenaConstruccion s;
        // Both limits +infinity; n = 2: points -2 and 3.
        auto *w = s.elige<frmConExtension>(3, {0, 0, 0.3f, 0.1f, 0.25f, 0, 0.35f});
        QVERIFY(w);
        QVERIFY(QTest::qWaitForWindowActive(s.principal.get()));
        QCOMPARE(w->LimiteMenos(), 1);
        QCOMPARE(w->LimiteMas(), 1);
        QCOMPARE(E::Lista(*w->Cmbraices()), (QStringList{"-2", "3"}));
        // The labels in bright blue, in both top corners.
        const PictureEjes &graf = s.Grafica()->picejGraf();
        const QImage img = graf.Imagen();
        const auto azul = [&](int x0, int x1) {
            for (int x = x0; x < x1; ++x)
                for (int y = 0; y < 30; ++y)
                    if (img.pixelColor(x, y) == QColor(0, 0, 255))
                        return true;
            return false;
        };
        QVERIFY(azul(0, 60));
        QVERIFY(azul(img.width() - 60, img.width()));
        QCOMPARE(s.responde(*w, "7"), QStringList{E::Error(81)});
        QCOMPARE(s.responde(*w, "-(x+2)(x-3)"), QStringList{E::Error(166)});
        QCOMPARE(s.responde(*w, "(x+2)(x-3)"), QStringList{E::Exito(40)});
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w->CmdNo()));
        s.mensajes.clear();
        SesionPrueba::Pulsa(w->CmdNo());
        QCOMPARE(s.mensajes, QStringList{E::Error(80)});
        QCOMPARE(w->LblConRai(1)->text(), QStringLiteral("Dame otro polinomio q(x), que pase por los puntos"));
        QCOMPARE(NumAyuda, 37);
    }

    void extensionLimitesDistintos()
    {
        EscenaConstruccion s;
        // -infinity on the left, +infinity on the right; n = 1: point 0.
        auto *w = s.elige<frmConExtension>(3, {0.1f, 0, 0, 0, 0});
        QVERIFY(w);
        QCOMPARE(E::Lista(*w->Cmbraices()), QStringList{"0"});
        QCOMPARE(s.responde(*w, "-x"), QStringList{E::Error(166)});
        QCOMPARE(s.responde(*w, "x^3"), QStringList{E::Exito(40)});
    }

    void rango_data()
    {
        QTest::addColumn<QList<float>>("sorteos");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("respuesta");
        QTest::addColumn<QString>("mensaje");
        const QList<float> desdeDos{0.7f, 0, 0.2f};
        const QList<float> hastaMenosTres{0.4f, 0.1f, 0.3f};
        const QString desde2 = QStringLiteral("El RANGO es: [2 , ∞)");
        const QString hasta3 = QStringLiteral("El RANGO es: (-∞ , -3]");
        QTest::newRow("[2, ∞) x²+2") << desdeDos << desde2 << "x^2+2" << E::Exito(50);
        QTest::newRow("[2, ∞) x²+3") << desdeDos << desde2 << "x^2+3" << E::Error(218);
        QTest::newRow("[2, ∞) x²+1") << desdeDos << desde2 << "x^2+1" << E::Error(223);
        QTest::newRow("[2, ∞) -x²+2") << desdeDos << desde2 << "-x^2+2" << E::Error(221);
        QTest::newRow("[2, ∞) -x²+7") << desdeDos << desde2 << "-x^2+7" << E::Error(222);
        QTest::newRow("[2, ∞) x³") << desdeDos << desde2 << "x^3" << E::Error(122);
        QTest::newRow("[2, ∞) 2") << desdeDos << desde2 << "2" << E::Error(219);
        QTest::newRow("(-∞, -3] -x²-3") << hastaMenosTres << hasta3 << "-x^2-3" << E::Exito(50);
        QTest::newRow("(-∞, -3] x²") << hastaMenosTres << hasta3 << "x^2" << E::Error(217);
        QTest::newRow("(-∞, -3] -x²-4") << hastaMenosTres << hasta3 << "-x^2-4" << E::Error(220);
        QTest::newRow("(-∞, -3] -x²-2") << hastaMenosTres << hasta3 << "-x^2-2" << E::Error(223);
        QTest::newRow("[3, ∞) 3x²-8x+25/3") << QList<float>{0.7f, 0, 0.3f} << "El RANGO es: [3 , ∞)"
                                           << "3x^2-8x+25/3" << E::Exito(50);
        QTest::newRow("-0 is 0") << QList<float>{0.7f, 0.1f, 0} << "El RANGO es: [0 , ∞)" << "x^2" << E::Exito(50);
        QTest::newRow("whole line x") << QList<float>{0} << "El RANGO es: (-∞ , ∞)" << "x" << E::Exito(50);
        QTest::newRow("whole line x²") << QList<float>{0} << "El RANGO es: (-∞ , ∞)" << "x^2" << E::Error(122);
    }
    void rango()
    {
        QFETCH(QList<float>, sorteos);
        QFETCH(QString, item);
        QFETCH(QString, respuesta);
        QFETCH(QString, mensaje);
        EscenaConstruccion s;
        for (float r : sorteos)
            rt::ProgramaAzar({r});
        auto *w = s.elige<frmConRango>(11, {});
        QVERIFY(w);
        QCOMPARE(E::Lista(*w->Cmbraices()), QStringList{item});
        QCOMPARE(s.responde(*w, respuesta), QStringList{mensaje});
    }

    void rangoNoYSegundo()
    {
        EscenaConstruccion s;
        auto *w = s.elige<frmConRango>(11, {0.4f, 0.1f, 0.3f});
        QVERIFY(w);
        QCOMPARE(s.responde(*w, "-x^2-3"), QStringList{E::Exito(50)});
        s.mensajes.clear();
        SesionPrueba::Pulsa(w->CmdNo());
        QCOMPARE(s.mensajes, QStringList{E::Error(210)});
        QCOMPARE(w->LblConRai(1)->text(), QStringLiteral("Proponme otro polinomio que tenga el mismo rango."));
        QCOMPARE(s.responde(*w, "-2x^2-3"), QStringList{E::Exito(51)});
        QVERIFY(!w->CmdContinuar()->isHidden());
    }
};

QTEST_MAIN(tst_Requisitos)
#include "tst_Requisitos.moc"
