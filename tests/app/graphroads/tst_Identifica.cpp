// The curve puzzle from the hub: the curves drawn in shuffled colours and
// rows, each answer marked row by row while its message is up, the
// student's own polynomial, and the ways out.
#include "EscenaGraficas.h"

#include "MarcaAcierto.h"
#include "frmIdentifica.h"

#include "RichTextBox.h"
#include "Twips.h"

#include <QApplication>
#include <QFrame>

namespace {
using plataforma::TwipsAPixeles;

// The program proposes x^2 - 4 (degree 2, recipe 0, 0: a sign, 1 and 4),
// then the colours from palette entry 5 and the row order 2.
frmIdentifica *AbrePropuesta(SesionPrueba &s)
{
    s.Hub()->mnuIdentificoGrafis()->trigger();
    auto *w = SesionPrueba::Ventana<frmIdentifica>();
    if (!w)
        return nullptr;
    rt::ProgramaAzar({0.15f, 0.0f, 0.0f, 0.0f, 0.0f, 0.4f, 0.75f, 0.4f});
    w->mnuQuorvaPropone()->trigger();
    return w;
}

void Responde(frmIdentifica *w, const QStringList &valores)
{
    for (int i = 0; i < 3; ++i)
        Teclea(*w->UCCajaIdentifica(i), valores.value(i));
    SesionPrueba::Pulsa(w->cmdListo());
}

int ColorDe(const QLabel *muestra)
{
    return muestra->property("qbcolor").toInt();
}
} // namespace

class tst_Identifica : public QObject {
    Q_OBJECT

private slots:
    void elProgramaProponeYBarajaLasCurvas()
    {
        SesionPrueba s;
        QVERIFY(s.Hub()->mnuIdentificoGrafis()->isEnabled());
        const int nivel = NivelPila;
        s.Hub()->mnuIdentificoGrafis()->trigger();
        auto *w = SesionPrueba::Ventana<frmIdentifica>();
        QVERIFY(w);
        // Loaded: the explanation, the buttons off, only the menus work.
        QCOMPARE(NivelPila, nivel + 1);
        QCOMPARE(NumAyuda, std::int16_t(67));
        QCOMPARE(s.principal->windowTitle(),
                 QStringLiteral("Quorvane: Identificar función y su primera y segunda derivada."));
        QVERIFY(w->UCMarcoDeri()->isVisible());
        QCOMPARE(w->LblGrafiCon()->text(), Instruccion(49));
        QVERIFY(!w->UCMarcoMedio()->isVisible());
        QVERIFY(!w->cmdListo()->Enabled() && !w->CmdOtroI()->Enabled() && !w->CmdCerrar()->Enabled());
        QVERIFY(!s.Hub()->mnuProbDiver()->isEnabled());

        rt::ProgramaAzar({0.15f, 0.0f, 0.0f, 0.0f, 0.0f, 0.4f, 0.75f, 0.4f});
        w->mnuQuorvaPropone()->trigger();
        QVERIFY(w->UCMarcoMedio()->isVisible() && !w->UCMarcoDeri()->isVisible());
        QCOMPARE(w->LblIdentifica1()->text(), Instruccion(50));
        // k = 5: P, P', P'' in palette entries 5, 6, 0; r = 2: P at the bottom.
        const int colores[3] = {12, 13, 1};
        const int tops[3] = {1920, 1080, 240};
        PictureEjes &graf = s.Grafica()->picejGraf();
        QVERIFY(graf.isVisible());
        QVERIFY(!s.Grafica()->fraAnuncio()->isVisible());
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(ColorDe(w->LblIdentificaColor(i)), colores[i]);
            QCOMPARE(w->LblIdentificaColor(i)->palette().color(QPalette::Window),
                     QColor::fromRgb(PixelDeOle(rt::QBColor(colores[i]))));
            for (QWidget *parte : {static_cast<QWidget *>(w->LblIdentificaColor(i)),
                                   static_cast<QWidget *>(w->UCCajaIdentifica(i)),
                                   static_cast<QWidget *>(w->LblIdentificaMarca(i))})
                QCOMPARE(parte->y(), TwipsAPixeles(tops[i]));
            QVERIFY2(PixelesDeColor(graf.Imagen(), colores[i]) > 50, qPrintable(QString::number(colores[i])));
        }
        QCOMPARE(NumAyuda, std::int16_t(60));
        QCOMPARE(NumApoyo, std::int16_t(70));
        QVERIFY(w->cmdListo()->Enabled() && w->CmdOtroI()->Enabled() && w->CmdCerrar()->Enabled());
        QVERIFY(!w->mnuElige()->isEnabled());
        // The focus on the top row (P'').
        QCOMPARE(w->focusWidget(), static_cast<QWidget *>(w->UCCajaIdentifica(2)->Caja()));
    }

    // Each answer of three different values: the marks seen while its
    // message is up, then the boxes emptied and the marks gone.
    void cadaRespuestaMarcaSusRenglones_data()
    {
        QTest::addColumn<QStringList>("respuesta");
        QTest::addColumn<QString>("marcas");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("0 1 2") << QStringList{"0", "1", "2"} << "vvv" << Exito(39);
        QTest::newRow("0 2 1") << QStringList{"0", "2", "1"} << "vxx" << SesionPrueba::Error(74);
        QTest::newRow("1 0 2") << QStringList{"1", "0", "2"} << "xxv" << SesionPrueba::Error(75);
        QTest::newRow("2 1 0") << QStringList{"2", "1", "0"} << "xvx" << SesionPrueba::Error(75);
        QTest::newRow("1 2 0") << QStringList{"1", "2", "0"} << "xxx" << SesionPrueba::Error(76);
        QTest::newRow("2 0 1") << QStringList{"2", "0", "1"} << "xxx" << SesionPrueba::Error(77);
    }
    void cadaRespuestaMarcaSusRenglones()
    {
        QFETCH(QStringList, respuesta);
        QFETCH(QString, marcas);
        QFETCH(QString, mensaje);
        SesionPrueba s;
        frmIdentifica *w = AbrePropuesta(s);
        QVERIFY(w);
        QString vistas;
        QString dibujo;
        s.alMensaje = [&] {
            for (int i = 0; i < 3; ++i) {
                MarcaAcierto *m = w->LblIdentificaMarca(i);
                vistas += m->isVisible() ? m->estado() : QStringLiteral("-");
                dibujo += m->text();
            }
        };
        Responde(w, respuesta);
        QCOMPARE(s.mensajes, QStringList{mensaje});
        QCOMPARE(vistas, marcas);
        QCOMPARE(dibujo, QString(marcas).replace('v', QStringLiteral("✓")).replace('x', QStringLiteral("✗")));
        for (int i = 0; i < 3; ++i) {
            QVERIFY(w->UCCajaIdentifica(i)->Text().isEmpty());
            QVERIFY(!w->LblIdentificaMarca(i)->isVisible());
        }
        const bool acierto = marcas == QLatin1String("vvv");
        QCOMPARE(w->RtbIdentifica1(0)->isVisible(), acierto);
        QCOMPARE(w->cmdListo()->Enabled(), !acierto);
        QCOMPARE(w->CmdCerrar()->Caption(), acierto ? QStringLiteral("Continuar") : QStringLiteral("Cancelar"));
        if (acierto) {
            QCOMPARE(QString::fromStdString(w->RtbIdentifica1(0)->Text()), QStringLiteral("x2-4"));
            QCOMPARE(QString::fromStdString(w->RtbIdentifica1(1)->Text()), QStringLiteral("2x"));
            QCOMPARE(QString::fromStdString(w->RtbIdentifica1(2)->Text()), QStringLiteral("2"));
        } else {
            QCOMPARE(w->focusWidget(), static_cast<QWidget *>(w->UCCajaIdentifica(1)->Caja()));
        }
    }

    // Entries that are not an identification: reported before any mark.
    void entradasInvalidas_data()
    {
        QTest::addColumn<QStringList>("respuesta");
        QTest::addColumn<int>("error");
        QTest::newRow("one empty, a 7 elsewhere") << QStringList{"7", "", "1"} << 171;
        QTest::newRow("out of range") << QStringList{"0", "3", "1"} << 169;
        QTest::newRow("repeated") << QStringList{"0", "0", "1"} << 170;
    }
    void entradasInvalidas()
    {
        QFETCH(QStringList, respuesta);
        QFETCH(int, error);
        SesionPrueba s;
        frmIdentifica *w = AbrePropuesta(s);
        QVERIFY(w);
        bool marcaVista = false;
        s.alMensaje = [&] {
            for (int i = 0; i < 3; ++i)
                marcaVista = marcaVista || w->LblIdentificaMarca(i)->isVisible();
        };
        Responde(w, respuesta);
        QCOMPARE(s.mensajes, QStringList{SesionPrueba::Error(error)});
        QVERIFY(!marcaVista);
        for (int i = 0; i < 3; ++i)
            QVERIFY(w->UCCajaIdentifica(i)->Text().isEmpty());
        QCOMPARE(w->focusWidget(), static_cast<QWidget *>(w->UCCajaIdentifica(1)->Caja()));
        QVERIFY(w->cmdListo()->Enabled());
    }

    // "Otro" draws a new problem; the window's way back leaves the hub as
    // it was, the graph behind its notice and no current polynomial.
    void otroYSalida()
    {
        SesionPrueba s;
        const int nivel = NivelPila;
        frmIdentifica *w = AbrePropuesta(s);
        QVERIFY(w);
        Responde(w, {"0", "1", "2"});
        rt::ProgramaAzar({0.15f, 0.0f, 0.0f, 0.0f, 0.0f, 0.4f, 0.0f, 0.0f});
        SesionPrueba::Pulsa(w->CmdOtroI());
        QVERIFY(!w->RtbIdentifica1(0)->isVisible());
        QVERIFY(w->cmdListo()->Enabled());
        QCOMPARE(ColorDe(w->LblIdentificaColor(0)), 1);
        QCOMPARE(w->LblIdentificaColor(0)->y(), TwipsAPixeles(240));

        SesionPrueba::Pulsa(w->CmdCerrar());
        SesionPrueba::Suelta();
        QVERIFY(!SesionPrueba::Ventana<frmIdentifica>());
        QCOMPARE(NivelPila, nivel);
        QVERIFY(!PoliActual && !PoliDado && !PidePoliDesdeEjercicio);
        QVERIFY(s.Grafica()->fraAnuncio()->isVisible());
        QVERIFY(!s.Grafica()->picejGraf().isVisible());
        QVERIFY(s.Hub()->mnuProbDiver()->isEnabled());
        QVERIFY(s.Hub()->lblProductName()->isVisible());
    }

    // The student's cubic: its curves, and a wrong answer keeps rows and
    // colours (the polynomial is taken once, not at every activation).
    void polinomioDelAlumno()
    {
        SesionPrueba s;
        s.Hub()->mnuIdentificoGrafis()->trigger();
        auto *w = SesionPrueba::Ventana<frmIdentifica>();
        QVERIFY(w);
        w->mnuProponePoli()->trigger();
        QVERIFY(!MenusPrincipalesActivos(s));
        rt::ProgramaAzar({0.0f, 0.5f});
        DaPolinomioEnEntrada(QStringLiteral("x^3-3x"));
        QVERIFY(MenusPrincipalesActivos(s));
        QVERIFY(!PoliDado);
        QVERIFY(w->UCMarcoMedio()->isVisible());
        QVERIFY(!w->CmdOtroI()->Enabled());
        QCOMPARE(NumAyuda, std::int16_t(60));
        const int top = w->LblIdentificaColor(0)->y();
        const int color = ColorDe(w->LblIdentificaColor(0));
        QCOMPARE(top, TwipsAPixeles(1920));
        QCOMPARE(color, 1);

        Responde(w, {"1", "2", "0"});
        QCOMPARE(s.mensajes, QStringList{SesionPrueba::Error(76)});
        // Back in front after a click on the graph window: nothing changes.
        GestorVentanas::instancia().muestra(s.Grafica());
        GestorVentanas::instancia().muestra(w);
        w->alActivar();
        QCOMPARE(w->LblIdentificaColor(0)->y(), top);
        QCOMPARE(ColorDe(w->LblIdentificaColor(0)), color);
        // "Otro" belongs to the program's problems.
        SesionPrueba::Pulsa(w->CmdOtroI());
        QCOMPARE(w->LblIdentificaColor(0)->y(), top);

        Responde(w, {"0", "1", "2"});
        QCOMPARE(QString::fromStdString(w->RtbIdentifica1(1)->Text()), QStringLiteral("3x2-3"));
    }

    // A first-degree problem: P'' is the zero polynomial, drawn on the x axis.
    void primerGrado()
    {
        SesionPrueba s;
        s.Hub()->mnuIdentificoGrafis()->trigger();
        auto *w = SesionPrueba::Ventana<frmIdentifica>();
        QVERIFY(w);
        rt::ProgramaAzar({0.0f, 0.0f, 0.0f, 0.0f, 0.2f, 0.0f, 0.0f});
        w->mnuQuorvaPropone()->trigger();
        Responde(w, {"0", "1", "2"});
        QCOMPARE(s.mensajes, QStringList{Exito(39)});
        QCOMPARE(QString::fromStdString(w->RtbIdentifica1(0)->Text()), QStringLiteral("3x"));
        QCOMPARE(QString::fromStdString(w->RtbIdentifica1(1)->Text()), QStringLiteral("3"));
    }

    // A constant has no curves to tell apart: message 199 and the window
    // leaves, with the main menus on.
    void constanteCierraLaVentana()
    {
        SesionPrueba s;
        const int nivel = NivelPila;
        s.Hub()->mnuIdentificoGrafis()->trigger();
        auto *w = SesionPrueba::Ventana<frmIdentifica>();
        QVERIFY(w);
        w->mnuProponePoli()->trigger();
        DaPolinomioEnEntrada(QStringLiteral("7"));
        QCOMPARE(s.mensajes, QStringList{SesionPrueba::Error(199)});
        QVERIFY(!SesionPrueba::Ventana<frmIdentifica>());
        QVERIFY(MenusPrincipalesActivos(s));
        QCOMPARE(NivelPila, nivel);
        QVERIFY(!PoliActual && !PidePoliDesdeEjercicio);
    }

    // Cancelling the entry window: the menus on again, the window waits.
    void entradaCancelada()
    {
        SesionPrueba s;
        s.Hub()->mnuIdentificoGrafis()->trigger();
        auto *w = SesionPrueba::Ventana<frmIdentifica>();
        w->mnuProponePoli()->trigger();
        QVERIFY(!MenusPrincipalesActivos(s));
        SesionPrueba::Pulsa(SesionPrueba::Ventana<frmpidepoli>()->cmdCancelar());
        SesionPrueba::Suelta();
        QVERIFY(MenusPrincipalesActivos(s));
        QVERIFY(w->UCMarcoDeri()->isVisible());
        QVERIFY(w->mnuElige()->isEnabled());
        QVERIFY(PidePoliDesdeEjercicio);

        // Start again: everything goes, the flags with it.
        w->mnuInicio()->trigger();
        SesionPrueba::Suelta();
        QVERIFY(!SesionPrueba::Ventana<frmIdentifica>() && !s.Hub());
        QCOMPARE(NivelPila, 1);
        QVERIFY(!PidePoliDesdeEjercicio && !PoliDado);
    }
};

QTEST_MAIN(tst_Identifica)
#include "tst_Identifica.moc"
