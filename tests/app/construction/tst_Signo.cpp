// The sign construction: its bands under the graph and its check.
#include "EscenaConstruccion.h"

#include "frmConPosi.h"

namespace {

// Roots -2, 1, 1 with a positive first sign: n = 3 (0.25), three roots
// (sign draw, size draw each), then the first sign (CInt(10 r) even).
const std::initializer_list<float> kMenosDosUnoUno = {0.25f, 0.1f, 0.5f, 0, 0.2f, 0, 0.2f, 0};

} // namespace

class tst_Signo : public QObject {
    Q_OBJECT
private slots:
    void bandasEnLaFranja()
    {
        EscenaConstruccion s;
        // n = 4: -3, 0, 0, 0, and an odd first-sign draw (negative).
        auto *w = s.elige<frmConPosi>(1, {0.4f, 0.1f, 0.7f, 0, 0, 0, 0, 0, 0, 0.1f});
        QVERIFY(w);
        QCOMPARE(EscenaConstruccion::Lista(*w->Cmbraices()),
                 (QStringList{"Las raíces reales son:", "-3", "0", "0", "0", "El signo es:", "( - inf,-3)negativa",
                              "(-3,0)positiva", "( 0,+ inf)negativa"}));
        QCOMPARE(w->Cmbraices()->placeholderText(), QStringLiteral("Raíces  Reales e Intervalos"));
        // Symbols in dark blue on the strip, in each band.
        const PictureEjes &franja = s.Grafica()->Picejegraf2();
        const QImage img = franja.Imagen();
        const auto azulEntre = [&](double a, double b) {
            for (int x = std::max(0, franja.EscalaX(a)); x < std::min(img.width(), franja.EscalaX(b)); ++x)
                for (int y = 0; y < img.height(); ++y)
                    if (img.pixelColor(x, y) == QColor(0, 0, 128))
                        return true;
            return false;
        };
        QVERIFY(azulEntre(-9, -3));
        QVERIFY(azulEntre(-3, 0));
        QVERIFY(azulEntre(0, 10));
    }

    void revisaSignos()
    {
        EscenaConstruccion s;
        auto *w = s.elige<frmConPosi>(1, kMenosDosUnoUno);
        QVERIFY(w);
        QVERIFY(QTest::qWaitForWindowActive(s.principal.get()));
        QCOMPARE(w->bandas().signoBanda, (std::vector<int>{1, -1, -1}));
        using E = EscenaConstruccion;
        QCOMPARE(s.responde(*w, "(x+2)(x-1)^2"), QStringList{E::Error(84, "-2")});
        QCOMPARE(s.responde(*w, "-(x+2)(x-1)^2(x-7)(x-8)"), QStringList{E::Error(126)});
        QCOMPARE(s.responde(*w, "5"), QStringList{E::Error(82)});
        QCOMPARE(s.responde(*w, "(x+2)(x-2)"), QStringList{E::Error(83, "1")});
        // Small coefficients are judged like their multiples.
        QCOMPARE(s.responde(*w, "0.0005x^3-0.0015x+0.001"), QStringList{E::Error(84, "-2")});
        QCOMPARE(s.responde(*w, "-0.0005x^3+0.0015x-0.001"), QStringList{E::Exito(43)});
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w->CmdNo()));
        QCOMPARE(NumAyuda, 32);
        QCOMPARE(NumApoyo, 23);
        s.mensajes.clear();
        SesionPrueba::Pulsa(w->CmdNo());
        QCOMPARE(s.mensajes, QStringList{E::Error(80)});
        QCOMPARE(NumAyuda, 33);
        QCOMPARE(NumApoyo, 25);
        QCOMPARE(s.responde(*w, "-(x+2)(x-1)^2"), QStringList{E::Exito(64)});
        QVERIFY(E::HayColor(QColor(0, 0, 128)));
    }
};

QTEST_MAIN(tst_Signo)
#include "tst_Signo.moc"
