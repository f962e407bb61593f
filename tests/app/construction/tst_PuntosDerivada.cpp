// The constructions on points of the derivatives: critical points, their
// classes and inflection points; and the "Algebra" window beside them.
#include "EscenaConstruccion.h"

#include "frmConClaPtoCriti.h"
#include "frmConPtoCritico.h"
#include "frmConPuntosInfle.h"
#include "frmZoom.h"
#include "frmpidepoli.h"

#include "RichTextBox.h"

#include "LlamadasVentana.h"

namespace {

using E = EscenaConstruccion;

// Abscissas -1, 0, 2: a sign draw then a size draw each.
const std::initializer_list<float> kCriticos = {0.1f, 0.15f, 0, 0, 0, 0.25f};

const QColor kAzul(0, 0, 255);

int Pixeles(const QImage &imagen, const QColor &c)
{
    int n = 0;
    for (int i = 0; i < imagen.width(); ++i)
        for (int j = 0; j < imagen.height(); ++j)
            n += imagen.pixelColor(i, j) == c;
    return n;
}

bool HayEnFranja(const QColor &c)
{
    return Pixeles(SesionPrueba::Grafica()->Picejegraf2().Imagen(), c) > 0;
}

} // namespace

class tst_PuntosDerivada : public QObject {
    Q_OBJECT
private slots:
    // A click back into a construction while the algebra window is in
    // front: the construction's caption and help come back, without a push,
    // and the focus is in the p box.
    void clicDeRegresoDesdeAlgebra()
    {
        EscenaConstruccion s;
        auto *w = s.elige<frmConPtoCritico>(5, kCriticos);
        QVERIFY(w);
        QVERIFY(QTest::qWaitForWindowActive(s.principal.get()));
        const QString titulo = s.principal->windowTitle();
        const int nivel = NivelPila;
        SesionPrueba::Pulsa(w->CmdExpande());
        frmpidepoli *algebra = s.Ventana<frmpidepoli>();
        QVERIFY(algebra);
        QCOMPARE(NumAyuda, 65);
        const QString tituloAlgebra = s.principal->windowTitle();
        QVERIFY(tituloAlgebra != titulo);
        QTest::mouseClick(w->LblConRai4(), Qt::LeftButton);
        SesionPrueba::Suelta();
        QCOMPARE(s.principal->windowTitle(), titulo);
        QCOMPARE(NumAyuda, 41);
        QCOMPARE(NivelPila, nivel + 1);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w->RtpPidePoliR(0)->Caja()));
        // And back into the algebra window: its own caption and help again.
        QTest::mouseClick(algebra->lblpidepoli(0), Qt::LeftButton);
        SesionPrueba::Suelta();
        QCOMPARE(s.principal->windowTitle(), tituloAlgebra);
        QCOMPARE(NumAyuda, 65);
        QCOMPARE(NivelPila, nivel + 1);
    }

    void puntosCriticos()
    {
        EscenaConstruccion s;
        auto *w = s.elige<frmConPtoCritico>(5, kCriticos);
        QVERIFY(w);
        QVERIFY(QTest::qWaitForWindowActive(s.principal.get()));
        QCOMPARE(E::Lista(*w->Cmbraices()), (QStringList{"Los puntos críticos son:", "-1", "0", "2"}));
        QCOMPARE(NumAyuda, 41);
        QCOMPARE(s.responde(*w, "x^3"), QStringList{E::Error(94)});
        QCOMPARE(s.responde(*w, "x^4"), QStringList{E::Error(95, "-1")});
        QCOMPARE(s.responde(*w, "3x^4-4x^3-12x^2"), QStringList{E::Exito(47)});
        // Refitted to p: p(2) = -32 is on the graph, with its blue point.
        QVERIFY(s.Grafica()->picejGraf().MinY() < -32);
        QVERIFY(E::HayColor(kAzul, 2, -32, 4));
        QVERIFY(E::HayColor(kAzul, -1, -5, 4));
        // Each point whole over the curve and the axes, the one at the origin too.
        PictureEjes solo;
        solo.resize(40, 40);
        solo.disco(0, 0, 5, 0xFF0000);
        const int anillo = Pixeles(solo.Imagen(), kAzul);
        const PictureEjes &graf = s.Grafica()->picejGraf();
        for (const auto &[x, y] : {std::pair{-1.0, -5.0}, std::pair{0.0, 0.0}, std::pair{2.0, -32.0}})
            QCOMPARE(Pixeles(graf.Imagen().copy(graf.EscalaX(x) - 8, graf.EscalaY(y) - 8, 17, 17), kAzul), anillo);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w->CmdSi()));
        SesionPrueba::Pulsa(w->CmdSi());
        QCOMPARE(s.responde(*w, "3x^4-4x^3-12x^2+5"), QStringList{E::Exito(48)});
        QVERIFY(w->LblConRai(3)->isHidden());
        QVERIFY(!w->Lblqx(1)->isHidden());
        // q stays open to change and check again.
        RichTextPolin *q = w->RtpPidePoliR(1);
        QVERIFY(!q->Locked());
        const QString antes = q->Text();
        QTest::keyClick(q->Caja(), Qt::Key_1);
        QVERIFY(q->Text() != antes);
    }

    // "Algebra" opens the polynomial window in its algebra mode; coming
    // back pushes nothing, and leaving with it open closes it first, so
    // that the stack is where it was.
    void algebraYDeRegreso()
    {
        EscenaConstruccion s;
        s.abreSelector();
        const int nivelSelector = NivelPila;
        auto *w = s.elige<frmConPtoCritico>(5, kCriticos);
        QVERIFY(w);
        QCOMPARE(NivelPila, nivelSelector);
        QCOMPARE(w->CmdExpande()->Caption(), QStringLiteral("Algebra"));
        SesionPrueba::Pulsa(w->CmdExpande());
        QVERIFY(s.Ventana<frmpidepoli>());
        QVERIFY(ModoAlgebra);
        const int conAlgebra = NivelPila;
        QCOMPARE(conAlgebra, nivelSelector + 1);
        for (int vuelta = 0; vuelta < 3; ++vuelta) {
            GestorVentanas::instancia().muestra(w);
            w->alActivar();
        }
        QCOMPARE(NivelPila, conAlgebra);
        QCOMPARE(NumAyuda, 41);
        QCOMPARE(s.principal->windowTitle(), QStringLiteral("Quorvane: Del concepto a la expresión analítica y "
                                                            "visualización gráfica de un polinomio: Concepto "
                                                            "Puntos críticos"));
        SesionPrueba::Pulsa(w->cmdCancelar());
        SesionPrueba::Suelta();
        QVERIFY(!s.Ventana<frmpidepoli>());
        QVERIFY(!s.Ventana<frmConPtoCritico>());
        QVERIFY(!ModoAlgebra);
        QVERIFY(s.Ventana<frmConceptos>());
        QCOMPARE(NivelPila, nivelSelector);
        QCOMPARE(NumAyuda, 29);
    }

    // "Graficar" in the algebra window: the expanded product is drawn in
    // the zoom's own surface, the construction's graph and its legends stay
    // as they were, and "Cerrar" closes the dialog.
    void algebraGraficaEnElZoom()
    {
        EscenaConstruccion s;
        auto *w = s.elige<frmConPtoCritico>(5, kCriticos);
        QVERIFY(w);
        SesionPrueba::Pulsa(w->CmdExpande());
        frmpidepoli *a = s.Ventana<frmpidepoli>();
        QVERIFY(a);
        SesionPrueba::Escribe(*a->RtpPidepoli1(), QStringLiteral("6x(x+1)(x-8)"));
        SesionPrueba::Pulsa(a->cmdAceptar());
        QCOMPARE(QString::fromStdString(a->rtfpidepoli2()->Text()), QStringLiteral("6x3-42x2-48x"));
        const QImage grafica = E::Imagen();
        const QImage leyendas = s.Grafica()->PicejeGraf3().Imagen();
        SesionPrueba::Pulsa(a->CmdGraficar());
        frmZoom *z = frmZoom::Existente();
        QVERIFY(z);
        // As the modal wait does for real: the dialog shows, and waits for its "Cerrar".
        z->show();
        QVERIFY(QTest::qWaitForWindowExposed(z));
        const QImage vista = z->PicejZoom()->Imagen();
        const QColor magenta(255, 0, 255);
        int curva = 0;
        for (int i = 0; i < vista.width(); ++i)
            for (int j = 0; j < vista.height(); ++j)
                curva += vista.pixelColor(i, j) == magenta;
        QVERIFY(curva > vista.width() / 2);
        QCOMPARE(E::Imagen(), grafica);
        QCOMPARE(s.Grafica()->PicejeGraf3().Imagen(), leyendas);

        s.mensajes.clear();
        z->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(z));
        QTest::mouseClick(z->cmdCancelar(), Qt::LeftButton);
        SesionPrueba::Suelta();
        QVERIFY(s.mensajes.isEmpty());
        QVERIFY(!frmZoom::Existente());
    }

    void clasificacion()
    {
        struct Caso {
            std::initializer_list<float> sorteos;
            QStringList lista;
            QString respuesta;
        };
        // Two abscissas (n draw), each a sign and a size draw, then the
        // classes: Int(3 r) 0 minimum, 1 maximum, 2 inflection.
        const Caso casos[] = {
            {{0.1f, 0.1f, 0.15f, 0, 0.15f, 0.4f, 0},
             {"El punto en: -1 es un Máximo", "El punto en: 1 es un mínimo"},
             "x^3-3x"},
            {{0.1f, 0, 0, 0, 0.35f, 0.7f, 0}, {"El punto en: 0 es un inflexión", "El punto en: 3 es un mínimo"}, "x^4-4x^3"},
            // A horizontal inflection at 0 right beside a maximum at 1.
            {{0.1f, 0, 0, 0, 0.45f, 0.7f, 0},
             {"El punto en: 0 es un inflexión", "El punto en: 4 es un mínimo"},
             "12x^5-75x^4+80x^3"},
        };
        for (const Caso &c : casos) {
            EscenaConstruccion s;
            auto *w = s.elige<frmConClaPtoCriti>(7, c.sorteos);
            QVERIFY(w);
            QCOMPARE(E::Lista(*w->Cmbraices()), c.lista);
            QCOMPARE(s.responde(*w, c.respuesta), QStringList{E::Exito(47)});
        }
    }

    void clasificacionRechazos()
    {
        EscenaConstruccion s;
        auto *w = s.elige<frmConClaPtoCriti>(7, {0.1f, 0.1f, 0.15f, 0, 0.15f, 0.4f, 0});
        QVERIFY(w);
        QVERIFY(QTest::qWaitForWindowActive(s.principal.get()));
        QCOMPARE(s.responde(*w, "-x^3+3x"), QStringList{E::Error(98, "-1")});
        QCOMPARE(s.responde(*w, "x^2"), QStringList{E::Error(96)});
        QCOMPARE(s.responde(*w, "x^3-2x"), QStringList{E::Error(97, "-1")});
        QCOMPARE(s.responde(*w, "x^3-3x"), QStringList{E::Exito(47)});
        SesionPrueba::Pulsa(w->CmdNo());
        QCOMPARE(s.responde(*w, "2x^3-6x+1"), QStringList{E::Exito(48)});
        // q drawn last in p's colour; q's heading stays hidden.
        QVERIFY(E::HayColor(QColor(0, 0, 128), 0, 1, 3));
        QVERIFY(w->LblConRai(3)->isHidden());
    }

    void inflexion()
    {
        EscenaConstruccion s;
        // Two abscissas: -1 and 2.
        auto *w = s.elige<frmConPuntosInfle>(9, {0.1f, 0.1f, 0.15f, 0, 0.25f});
        QVERIFY(w);
        QVERIFY(QTest::qWaitForWindowActive(s.principal.get()));
        QCOMPARE(E::Lista(*w->Cmbraices()), (QStringList{"Los puntos de inflexión son:", "-1", "2"}));
        QVERIFY(!w->Cmbraices()->isHidden());
        QCOMPARE(w->lbltitulo()->text(), QStringLiteral("PUNTOS  de  INFLEXIÓN "));
        QCOMPARE(s.Grafica()->Picejegraf2().MaxY(), 2.0);
        // The letters "i" stand out from the strip, in dark cyan.
        QVERIFY(HayEnFranja(QColor(0, 128, 128)));
        QCOMPARE(s.responde(*w, "x^3"), QStringList{E::Error(99)});
        QCOMPARE(s.responde(*w, "x^4"), QStringList{E::Error(100, "-1")});
        QCOMPARE(s.responde(*w, "x^4-2x^3-12x^2+100x"), QStringList{E::Exito(49)});
        QVERIFY(E::HayColor(QColor(0, 128, 0), 2, 152, 4));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w->CmdNo()));
        QCOMPARE(NumApoyo, 48);
        SesionPrueba::Pulsa(w->CmdNo());
        QCOMPARE(w->LblConRai(1)->text(), QStringLiteral("Escribe otro poli que tenga los mismos puntos de inflexión."));
        QCOMPARE(s.responde(*w, "x^4-2x^3-12x^2"), QStringList{E::Exito(48)});
    }

    // P'' = 30(x^2 - 1)^2 vanishes at -1 and 1 but keeps its sign.
    void inflexionSinCambioDeSigno()
    {
        EscenaConstruccion s;
        auto *w = s.elige<frmConPuntosInfle>(9, {0.1f, 0.1f, 0.15f, 0, 0.15f});
        QVERIFY(w);
        QVERIFY(QTest::qWaitForWindowActive(s.principal.get()));
        QCOMPARE(s.responde(*w, "x^6-5x^4+15x^2+300x"), QStringList{E::Error(98, "-1")});
    }
};

QTEST_MAIN(tst_PuntosDerivada)
#include "tst_PuntosDerivada.moc"
