// The construction chooser and the frame, as the student meets them from
// the hub, with the real-roots construction.
#include "EscenaConstruccion.h"

#include "frmConRaices.h"

#include "princip.h"

#include "LlamadasVentana.h"

#include "../../platform/LineasVisibles.h"

class tst_Construcciones : public QObject {
    Q_OBJECT
private slots:
    void desdeElHubYDeRegreso()
    {
        EscenaConstruccion s;
        QVERIFY(s.Hub()->mnuConceptos()->isEnabled());
        const QString tituloHub = s.principal->windowTitle();
        const int nivelHub = NivelPila;
        frmConceptos *w = s.abreSelector();
        QVERIFY(w);
        QCOMPARE(s.principal->windowTitle(), QStringLiteral("Quorvane: Te doy conceptos y me das un polinomio"));
        QCOMPARE(NumAyuda, 29);
        QCOMPARE(NumApoyo, 83);
        QCOMPARE(w->LblConcep()->text().toStdString(), TextoInstrucciones(59, ""));
        const auto r = plataforma::RectanguloVentana(*w->cmdCancelar());
        QCOMPARE(plataforma::UltimaPosicionCursor(), PuntoCentral(r.izquierda, r.arriba, r.derecha, r.abajo));
        QCOMPARE(w->OptConcepto(9)->text(), QStringLiteral("Puntos de  Inflexión"));
        for (int k = 0; k < 13; ++k)
            QVERIFY2(w->OptConcepto(k)->isEnabled(), qPrintable(QString::number(k)));
        const int nivelSelector = NivelPila;
        QCOMPARE(nivelSelector, nivelHub + 1);

        // Forty rounds of choosing and leaving keep the stack where it was.
        for (int vuelta = 0; vuelta < 40; ++vuelta) {
            auto *c = s.elige<frmConRaices>(0, {});
            QVERIFY(c);
            QVERIFY(!s.Ventana<frmConceptos>());
            QVERIFY(!s.Grafica()->picejGraf().isHidden());
            QCOMPARE(NumAyuda, 30);
            QCOMPARE(NivelPila, nivelSelector);
            SesionPrueba::Pulsa(c->cmdCancelar());
            SesionPrueba::Suelta();
            QVERIFY(!s.Ventana<frmConRaices>());
            frmConceptos *nuevo = s.Ventana<frmConceptos>();
            QVERIFY(nuevo);
            QVERIFY(!nuevo->OptConcepto(0)->isChecked());
            QVERIFY(s.Grafica()->picejGraf().isHidden());
            QCOMPARE(NivelPila, nivelSelector);
            QCOMPARE(NumAyuda, 29);
        }

        SesionPrueba::Pulsa(s.Ventana<frmConceptos>()->cmdCancelar());
        SesionPrueba::Suelta();
        QVERIFY(!s.Ventana<frmConceptos>());
        QCOMPARE(NivelPila, nivelHub);
        QCOMPARE(s.principal->windowTitle(), tituloHub);
        QVERIFY(!s.Hub()->lblProductName()->isHidden());
        QVERIFY(!s.Hub()->LblLogo2()->isHidden());
        QVERIFY(!s.Hub()->mnuMenuConPoli()->isEnabled());
        QVERIFY(s.Hub()->mnuRegInicio()->isEnabled());
        QVERIFY(!PoliActual);
    }

    void alInicioDesdeUnaConstruccion()
    {
        EscenaConstruccion s;
        auto *c = s.elige<frmConRaices>(0, {});
        QVERIFY(c);
        c->mnuReinicio()->trigger();
        SesionPrueba::Suelta();
        QVERIFY(!s.Ventana<frmConRaices>());
        QVERIFY(!s.Ventana<frmConceptos>());
        QVERIFY(!s.Hub());
        QCOMPARE(NivelPila, 1);
        QCOMPARE(s.principal->windowTitle(), QStringLiteral("Quorvane"));
        QVERIFY(s.principal->mnuSalida()->isEnabled());
    }

    void alInicioDesdeElSelector()
    {
        EscenaConstruccion s;
        frmConceptos *w = s.abreSelector();
        QVERIFY(w);
        w->mnuInicio()->trigger();
        SesionPrueba::Suelta();
        QVERIFY(!s.Ventana<frmConceptos>());
        QVERIFY(!s.Hub());
        QCOMPARE(NivelPila, 1);
        QVERIFY(s.principal->mnuSalida()->isEnabled());
    }

    void raicesDeLaPrimeraALaUltima()
    {
        EscenaConstruccion s;
        // n = 3; roots 1, -2, 3 drawn, listed ascending.
        auto *w = s.elige<frmConRaices>(0, {0.4f, 0, 0.15f, 0.1f, 0.25f, 0, 0.35f});
        QVERIFY(w);
        QVERIFY(QTest::qWaitForWindowActive(s.principal.get()));
        QCOMPARE(EscenaConstruccion::Lista(*w->Cmbraices()), (QStringList{"-2", "1", "3"}));
        QCOMPARE(w->Cmbraices()->currentText(), QString());
        QCOMPARE(w->Cmbraices()->placeholderText(), QStringLiteral("Raíces  Reales"));
        QCOMPARE(w->lbltitulo()->text(), QStringLiteral("RAÍCES"));
        QCOMPARE(s.principal->windowTitle(),
                 QStringLiteral("Quorvane: Del concepto a la expresión analítica y visualización gráfica de un "
                                "polinomio: Concepto Raíces Reales"));
        for (double r : {-2.0, 1.0, 3.0})
            QVERIFY(EscenaConstruccion::HayColor(QColor(128, 0, 0), r, 0, 6));
        QVERIFY(!EscenaConstruccion::HayColor(QColor(128, 0, 0), -5, 0, 6));

        QCOMPARE(s.responde(*w, "(x+2)(x-1)"), QStringList{EscenaConstruccion::Error(81)});

        // The rejected curve is up exactly while its message is.
        const QImage antes = EscenaConstruccion::Imagen();
        bool distinta = false;
        s.alMensaje = [&] { distinta = EscenaConstruccion::Imagen() != antes; };
        QCOMPARE(s.responde(*w, "(x+2)(x-1)(x-4)"), QStringList{EscenaConstruccion::Error(78, "3")});
        s.alMensaje = {};
        QVERIFY(distinta);
        QCOMPARE(EscenaConstruccion::Imagen(), antes);
        QCOMPARE(w->IndiceCaja(), 0);

        QCOMPARE(s.responde(*w, "(x+2)(x-1)(x-3)"), QStringList{EscenaConstruccion::Exito(40)});
        QCOMPARE(w->IndiceCaja(), 1);
        QCOMPARE(w->LblConRai(0)->text(), QStringLiteral("Polinomio p(x) que pasa por las raíces dibujadas"));
        QVERIFY(!w->RtbPidePoliR(0)->isHidden());
        QVERIFY(!w->LblConRai(1)->isHidden());
        QVERIFY(!w->cmdListo()->Enabled());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w->CmdSi()));
        QCOMPARE(NumAyuda, 40);
        QCOMPARE(NumApoyo, 21);
        // p in green on the refitted graph.
        QVERIFY(EscenaConstruccion::HayColor(QColor(0, 128, 0)));

        // Enter in the p box while the question is up checks the hidden q box: nothing.
        s.mensajes.clear();
        QTest::keyClick(w->RtpPidePoliR(0)->Caja(), Qt::Key_Return);
        QVERIFY(s.mensajes.isEmpty());

        s.mensajes.clear();
        SesionPrueba::Pulsa(w->CmdSi());
        QCOMPARE(s.mensajes, QStringList{EscenaConstruccion::Exito(41)});
        QVERIFY(w->CmdSi()->isHidden());
        QVERIFY(!w->RtpPidePoliR(1)->isHidden());
        QCOMPARE(w->LblConRai(1)->text(), QStringLiteral("Escribe ahora otro polinomio que tenga las mismas raíces:"));
        QCOMPARE(NumAyuda, 31);
        QCOMPARE(NumApoyo, 22);

        // Enter in the p box now checks the q box, still empty.
        s.mensajes.clear();
        QTest::keyClick(w->RtpPidePoliR(0)->Caja(), Qt::Key_Return);
        QCOMPARE(s.mensajes.size(), 1);
        QVERIFY(s.mensajes[0] == EscenaConstruccion::Error(125) || s.mensajes[0] == EscenaConstruccion::Error(224));
        QCOMPARE(w->IndiceCaja(), 1);

        QCOMPARE(s.responde(*w, "x^3-2x^2-5x+6"), QStringList{EscenaConstruccion::Error(79)});
        QCOMPARE(s.responde(*w, "2(x+2)(x-1)(x-3)"), QStringList{EscenaConstruccion::Exito(42)});
        QCOMPARE(w->LblConRai(1)->text(), QStringLiteral("Otro polinomio q(x) que pasa por las mismas raíces"));
        QVERIFY(w->cmdListo()->isHidden());
        QVERIFY(w->cmdCancelar()->isHidden());
        QVERIFY(!w->CmdContinuar()->isHidden());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w->CmdContinuar()));
        // Enter in the q box checks it again.
        s.mensajes.clear();
        QTest::keyClick(w->RtpPidePoliR(1)->Caja(), Qt::Key_Return);
        QCOMPARE(s.mensajes, QStringList{EscenaConstruccion::Exito(42)});

        SesionPrueba::Pulsa(w->CmdContinuar());
        SesionPrueba::Suelta();
        QVERIFY(!s.Ventana<frmConRaices>());
        QVERIFY(s.Ventana<frmConceptos>());
    }

    // The expanded p and q show all their lines on both screens, while
    // their success message is up too.
    void desarrolloSeVeEntero_data()
    {
        QTest::addColumn<QSize>("pantalla");
        QTest::addColumn<QString>("p");
        QTest::addColumn<QString>("q");
        const QString p11 = QStringLiteral("7x(x+2)(x-9)(x+8)(x-7)^2(x+4)(x-3)(x+11)(x-1)");
        const QString q12 = QStringLiteral("7(x+9)(x+4)(x+2)(x-1)(x-7)^2(x+8)(x+11)(x-3)(x+5)(x-6)(x+13)");
        const QString p15 = QStringLiteral("1234567891(x+2)(x-1)(x-3)(x+9)(x-8)(x+7)(x-6)(x+5)(x-4)(x+11)(x-12)(x+13)"
                                           "(x-10)(x+14)(x-15)");
        const QString q15 = QStringLiteral("-9876543219(x+2)(x-1)(x-3)(x+9)(x-8)(x+7)(x-6)(x+5)(x-4)(x+11)(x-12)"
                                           "(x+13)(x-10)(x+14)(x+15)");
        for (const QSize pantalla : {QSize(1024, 768), QSize(1280, 800)}) {
            const QString n = QStringLiteral("%1x%2, ").arg(pantalla.width()).arg(pantalla.height());
            QTest::newRow(qPrintable(n + "grados 11 y 12")) << pantalla << p11 << q12;
            QTest::newRow(qPrintable(n + "grado 15")) << pantalla << p15 << q15;
        }
    }
    void desarrolloSeVeEntero()
    {
        QFETCH(QSize, pantalla);
        QFETCH(QString, p);
        QFETCH(QString, q);
        EscenaConstruccion s;
        s.principal->resize(pantalla);
        s.principal->show();
        TomaMedidas();
        auto *w = s.elige<frmConRaices>(0, {0.4f, 0, 0.15f, 0.1f, 0.25f, 0, 0.35f});
        QVERIFY(w);
        // With p alone the panel has room for all of it; with q too, what
        // does not fit is within reach of a scroll bar, and no line is cut.
        // The layouts settle from the box up, one level per pass.
        const auto asienta = [] {
            for (int i = 0; i < 4; ++i)
                QCoreApplication::processEvents();
        };
        const auto entera = [&](RichTextBox *caja) {
            asienta();
            const LineasVisibles v = LineasVisibles::De(*caja);
            return v.total > 1 && v.enteras == v.total && !v.barra;
        };
        const auto alAlcance = [&](RichTextBox *caja) {
            asienta();
            const LineasVisibles v = LineasVisibles::De(*caja);
            return v.total > 1 && v.todoAlAlcance() && caja->height() >= RichTextBox::AltoMinimo;
        };
        bool bien = false;
        s.alMensaje = [&] { bien = entera(w->RtbPidePoliR(0)); };
        QCOMPARE(s.responde(*w, p), QStringList{EscenaConstruccion::Exito(40)});
        QVERIFY(bien);
        SesionPrueba::Pulsa(w->CmdSi());
        s.alMensaje = [&] { bien = alAlcance(w->RtbPidePoliR(0)) && alAlcance(w->RtbPidePoliR(1)); };
        QCOMPARE(s.responde(*w, q), QStringList{EscenaConstruccion::Exito(42)});
        QVERIFY(bien);
        s.alMensaje = {};
        QVERIFY(alAlcance(w->RtbPidePoliR(0)) && alAlcance(w->RtbPidePoliR(1)));
        // The button below the boxes keeps its height.
        QCOMPARE(w->CmdContinuar()->height(), w->CmdContinuar()->sizeHint().height());
    }

    void cajaVaciaYTextoQueNoEsPolinomio()
    {
        EscenaConstruccion s;
        auto *w = s.elige<frmConRaices>(0, {0, 0, 0});
        QVERIFY(w);
        const QStringList vacia = s.responde(*w, "");
        QCOMPARE(vacia.size(), 1);
        QVERIFY(vacia[0] == EscenaConstruccion::Error(125) || vacia[0] == EscenaConstruccion::Error(224));
        QCOMPARE(s.responde(*w, "x+").size(), 1);
        QCOMPARE(w->IndiceCaja(), 0);
        QVERIFY(!w->RtpPidePoliR(0)->Locked());
    }
};

QTEST_MAIN(tst_Construcciones)
#include "tst_Construcciones.moc"
