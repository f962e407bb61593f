// The polynomial window as an algebra tool: a product expanded, plotted in
// the zoom dialog, and "Cerrar" leaving the screen stack as it found it.
#include "tst_HubSesion.h"

#include "princip.h"

#include "frmZoom.h"

#include "EntradaPolinomio.h"

#include "PictureEjes.h"

#include "../../library/TextosHostiles.h"
#include "../../platform/LineasVisibles.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimer>

#include <algorithm>

// A road or line window as the caller of the entry window.
struct LlamadorPrueba : LlamadorPolinomio {
    QList<PoliPtr> recibidos;
    int cancelados = 0;
    void recibePolinomio(const PoliPtr &p) override { recibidos << p; }
    void sinPolinomio() override { ++cancelados; }
};

class tst_PidePoli : public QObject {
    Q_OBJECT

private slots:
    // Whoever opened the window decides what "Continuar" and "Cancelar"
    // do; the hub's menus are left alone, and a caller gone before the
    // student answers is simply not called.
    void llamadorDecide()
    {
        SesionPrueba s;
        frmPolical *hub = s.Hub();
        const bool graficar = hub->mnuMenuConPoli()->isEnabled();
        const int nivel = NivelPila;
        LlamadorPrueba llamador;
        AbrePidePoli()(llamador);
        frmpidepoli *w = SesionPrueba::Ventana<frmpidepoli>();
        QVERIFY(w);
        QCOMPARE(w->llamador(), static_cast<LlamadorPolinomio *>(&llamador));
        SesionPrueba::Escribe(*w->RtpPidepoli1(), QStringLiteral("3x^2-2"));
        QTest::keyClick(w->RtpPidepoli1()->Caja(), Qt::Key_Return);
        SesionPrueba::Pulsa(w->CmdContinuar());
        SesionPrueba::Suelta();
        QCOMPARE(llamador.recibidos.size(), 1);
        QCOMPARE(llamador.recibidos.first(), PoliPropuesto);
        QVERIFY(!PoliActual); // the caller makes it its own
        QCOMPARE(NivelPila, nivel);
        QCOMPARE(hub->mnuMenuConPoli()->isEnabled(), graficar);

        AbrePidePoli()(llamador);
        SesionPrueba::Pulsa(SesionPrueba::Ventana<frmpidepoli>()->cmdCancelar());
        SesionPrueba::Suelta();
        QCOMPARE(llamador.cancelados, 1);
        QCOMPARE(NivelPila, nivel);

        {
            LlamadorPrueba breve;
            AbrePidePoli()(breve);
        }
        w = SesionPrueba::Ventana<frmpidepoli>();
        QVERIFY(!w->llamador());
        SesionPrueba::Pulsa(w->cmdCancelar());
        SesionPrueba::Suelta();
        QVERIFY(!SesionPrueba::Ventana<frmpidepoli>());
        QCOMPARE(NivelPila, nivel);
    }

    // A degree-100 text whose record takes a while, proposed from the hub:
    // the record is the whole one, the window kept drawing whenever it
    // took longer than a short wait, and no busy cursor is left behind.
    void gradoCienNoCongela()
    {
        const std::vector<TextoHostil> textos = TextosHostiles();
        const auto h = std::find_if(textos.begin(), textos.end(),
                                    [](const TextoHostil &t) { return t.nombre == "100 raíces de 15 cifras"; });
        QVERIFY(h != textos.end() && h->verdad);
        SesionPrueba s;
        frmpidepoli *w = s.Propone(QString::fromStdString(h->texto));
        QVERIFY(w && w->CmdContinuar()->isVisible());
        int tics = 0;
        QTimer reloj;
        reloj.setInterval(10);
        connect(&reloj, &QTimer::timeout, this, [&] { ++tics; });
        reloj.start();
        QElapsedTimer tiempo;
        tiempo.start();
        SesionPrueba::Pulsa(w->CmdContinuar());
        const qint64 ms = tiempo.elapsed();
        reloj.stop();
        SesionPrueba::Suelta();
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(s.mensajes.isEmpty());
        QVERIFY(PoliActual && PoliDado);
        QVERIFY(PoliActual->Polin()->Exacto() == *h->verdad);
        // A hundred distinct real roots: P' and P'' have all theirs real.
        QCOMPARE(PoliActual->Cuenta(0), 100L);
        QCOMPARE(PoliActual->Cuenta(1), 99L);
        QCOMPARE(PoliActual->Cuenta(2), 98L);
        if (ms > 150)
            QVERIFY2(tics > 0, qPrintable(QStringLiteral("%1 ms sin dibujar").arg(ms)));
    }

    void productoExpandidoYGraficado()
    {
        SesionPrueba s;
        const int nivel = NivelPila;
        PidePolinomio();
        frmpidepoli *w = SesionPrueba::Ventana<frmpidepoli>();
        QVERIFY(w);
        QVERIFY(w->modoAlgebra());
        QCOMPARE(NivelPila, nivel + 1);
        QCOMPARE(w->windowTitle(), QStringLiteral("ALGEBRA"));
        QCOMPARE(s.principal->windowTitle(), QStringLiteral("Quorvane: Ventana de operaciones con polinomios"));
        QCOMPARE(NumAyuda, std::int16_t(65));
        QCOMPARE(w->cmdAceptar()->Caption(), QStringLiteral("Operar"));
        QVERIFY(!w->CmdGraficar()->Enabled());
        QVERIFY(!w->CmdContinuar()->isVisible());

        // "Graficar" before anything is accepted: error 156.
        SesionPrueba::Pulsa(w->CmdGraficar());
        w->CmdGraficar_Click();
        QCOMPARE(s.mensajes, QStringList{SesionPrueba::Error(156)});

        SesionPrueba::Escribe(*w->RtpPidepoli1(), QStringLiteral("(x+1)(x-1)^2"));
        SesionPrueba::Pulsa(w->cmdAceptar());
        QCOMPARE(s.mensajes.size(), 1);
        QCOMPARE(QString::fromStdString(w->rtfpidepoli2()->Text()), QStringLiteral("x3-x2-x+1"));
        QCOMPARE(w->lblpidepoli(1)->text(), QStringLiteral("Polinomio expandido"));
        QVERIFY(w->CmdGraficar()->Enabled());
        QVERIFY(!PoliPropuesto); // the tool changes nothing of the exercise

        // "Graficar": the zoom dialog in algebra mode, only "Cerrar" offered.
        SesionPrueba::Pulsa(w->CmdGraficar());
        frmZoom *z = frmZoom::Existente();
        QVERIFY(z);
        QVERIFY(z->ZoomAlgebra);
        QVERIFY(!z->CmdRecuadro()->isVisibleTo(z));
        QVERIFY(!z->CmdListaEscala()->isVisibleTo(z));
        QVERIFY(z->cmdCancelar()->isVisibleTo(z));
        QVERIFY(z->PicejZoom()->isVisibleTo(z));
        QCOMPARE(z->PicejZoom()->MinX(), z->FuncionZoom->Xmin());
        QVERIFY(z->lblEscala()->text().startsWith(QStringLiteral("Eje X: ")));
        QVERIFY(z->lblEscala()->text().contains(QStringLiteral("\nEje Y: ")));

        // "Borrar", then "Cerrar": back where it started.
        SesionPrueba::Pulsa(w->cmdotro());
        QVERIFY(w->RtpPidepoli1()->Text().isEmpty());
        QVERIFY(!w->CmdGraficar()->Enabled());
        w->CmdCerrar_Click();
        SesionPrueba::Suelta();
        QVERIFY(!SesionPrueba::Ventana<frmpidepoli>());
        QVERIFY(!frmZoom::Existente());
        QVERIFY(!ModoAlgebra);
        QCOMPARE(NivelPila, nivel);
        QCOMPARE(s.principal->windowTitle(), QStringLiteral("Quorvane: Proponer una sesión"));
    }

    void ceroSePuedeOperar()
    {
        // Expanding to zero is an answer in the tool, not an error.
        SesionPrueba s;
        PidePolinomio();
        frmpidepoli *w = SesionPrueba::Ventana<frmpidepoli>();
        SesionPrueba::Escribe(*w->RtpPidepoli1(), QStringLiteral("x-x"));
        SesionPrueba::Pulsa(w->cmdAceptar());
        QVERIFY(s.mensajes.isEmpty());
        QVERIFY(w->CmdGraficar()->Enabled());
    }

    void cerrarConElMarco()
    {
        SesionPrueba s;
        const int nivel = NivelPila;
        s.Hub()->mnutupropo()->trigger();
        frmpidepoli *w = SesionPrueba::Ventana<frmpidepoli>();
        QVERIFY(!w->modoAlgebra());
        QCOMPARE(NivelPila, nivel + 1);
        w->close();
        SesionPrueba::Suelta();
        QVERIFY(!SesionPrueba::Ventana<frmpidepoli>());
        QCOMPARE(NivelPila, nivel);
        QVERIFY(s.Hub()->mnuSePropoPoli()->isEnabled());
    }

    // A long expanded polynomial wraps between its terms: every line after
    // the first starts with a term's sign, never inside a number.
    void largoSeCortaEntreTerminos()
    {
        SesionPrueba s;
        PidePolinomio();
        frmpidepoli *w = SesionPrueba::Ventana<frmpidepoli>();
        QVERIFY(w);
        SesionPrueba::Escribe(*w->RtpPidepoli1(), QStringLiteral("(x+11)(x-12)(x+13)(x-14)(x+15)(x-16)(x+17)(x-18)"));
        SesionPrueba::Pulsa(w->cmdAceptar());
        QVERIFY(s.mensajes.isEmpty());
        const QTextDocument *doc = w->rtfpidepoli2()->document();
        doc->size(); // laid out
        const QTextLayout *capa = doc->firstBlock().layout();
        QVERIFY(capa->lineCount() >= 2);
        const QString texto = doc->toPlainText();
        for (int i = 1; i < capa->lineCount(); ++i) {
            int p = capa->lineAt(i).textStart();
            while (p < texto.size() && texto.at(p).category() == QChar::Other_Format)
                ++p;
            QVERIFY2(p < texto.size() && (texto.at(p) == QLatin1Char('+') || texto.at(p) == QLatin1Char('-')),
                     qPrintable(texto.mid(p)));
        }
        // What the box hands out is the polynomial's text alone.
        QVERIFY(!QString::fromStdString(w->rtfpidepoli2()->Text()).contains(QChar(0x200B)));
    }

    // The proposed polynomial is confirmed as a whole: its box grows to all
    // its lines, the buttons move below it and stay in the window.
    void confirmaTodoElPolinomio_data()
    {
        QTest::addColumn<QSize>("pantalla");
        QTest::addColumn<QString>("guion");
        const QString sextica = QStringLiteral("(x-6)^3(x-6.1)^3");
        const QString grado15 = QStringLiteral("1234567891x^15-2345678912x^14+3456789123x^13-4567891234x^12"
                                               "+5678912345x^11-6789123456x^10+7891234567x^9-8912345678x^8"
                                               "+9123456789x^7-1234567890x^6+2345678901x^5-3456789012x^4"
                                               "+4567890123x^3-5678901234x^2+6789012345x-7890123456");
        for (const QSize &pantalla : {QSize(1024, 768), QSize(1280, 800)}) {
            const QByteArray tamano = QByteArray::number(pantalla.width()) + "x" + QByteArray::number(pantalla.height());
            QTest::newRow((tamano + " sextica").constData()) << pantalla << sextica;
            QTest::newRow((tamano + " grado 15").constData()) << pantalla << grado15;
        }
    }
    void confirmaTodoElPolinomio()
    {
        QFETCH(QSize, pantalla);
        QFETCH(QString, guion);
        SesionPrueba s;
        s.principal->resize(pantalla);
        s.principal->show();
        TomaMedidas();
        s.Hub()->mnutupropo()->trigger();
        frmpidepoli *w = SesionPrueba::Ventana<frmpidepoli>();
        QVERIFY(w);
        const int cancelarAntes = w->cmdCancelar()->y();
        SesionPrueba::Escribe(*w->RtpPidepoli1(), guion);
        SesionPrueba::Pulsa(w->cmdAceptar());
        QVERIFY(s.mensajes.isEmpty());
        QCoreApplication::processEvents();
        const LineasVisibles v = LineasVisibles::De(*w->rtfpidepoli2());
        QVERIFY2(v.total > 1 && v.enteras == v.total && !v.barra,
                 qPrintable(QStringLiteral("%1 lines, %2 whole").arg(v.total).arg(v.enteras)));
        QCOMPARE(w->rtfpidepoli2()->verticalScrollBar()->value(), 0);
        for (Usc *b : {w->CmdContinuar(), w->cmdotro(), w->cmdCancelar()}) {
            QVERIFY(b->isVisible());
            QVERIFY(b->geometry().top() > w->rtfpidepoli2()->geometry().bottom());
            QVERIFY(b->mapTo(w, QPoint(0, b->height())).y() <= w->height());
        }
        // The typed product shows from its start.
        QCOMPARE(w->RtpPidepoli1()->Caja()->horizontalScrollBar()->value(), 0);
        // A short one leaves the buttons where they were designed.
        SesionPrueba::Pulsa(w->cmdotro());
        SesionPrueba::Escribe(*w->RtpPidepoli1(), QStringLiteral("x+1"));
        SesionPrueba::Pulsa(w->cmdAceptar());
        QCOMPARE(w->cmdCancelar()->y(), cancelarAntes);
        w->cmdCancelar_Click();
        SesionPrueba::Suelta();
    }

    void rotulosCabenEnUnaLinea()
    {
        // The "P(x) =" labels read on one line in both modes, beside their
        // boxes rather than under them.
        for (bool algebra : {false, true}) {
            SesionPrueba s;
            if (algebra)
                PidePolinomio();
            else
                s.Hub()->mnutupropo()->trigger();
            frmpidepoli *w = SesionPrueba::Ventana<frmpidepoli>();
            SesionPrueba::Escribe(*w->RtpPidepoli1(), QStringLiteral("x+1"));
            SesionPrueba::Pulsa(w->cmdAceptar());
            for (QLabel *l : {w->lblAsignaPx(), w->lblSimplificaPx()}) {
                const int texto = l->fontMetrics().horizontalAdvance(l->text());
                QVERIFY2(texto <= l->contentsRect().width(), qPrintable(l->text()));
                QVERIFY(l->geometry().right() < w->RtpPidepoli1()->geometry().left());
            }
            if (algebra)
                w->CmdCerrar_Click();
            else
                w->cmdCancelar_Click();
            SesionPrueba::Suelta();
        }
    }
};

QTEST_MAIN(tst_PidePoli)
#include "tst_PidePoli.moc"
