// The tangent and normal windows from the hub: the three exercises, each
// check with its message, the wrong curve flashed while its message is up,
// the tolerances, the abscissa box, the tool, and the fresh start.
#include "EscenaGraficas.h"

#include "PanelHerramientas.h"
#include "frmRectaNormal.h"
#include "frmRectang.h"

#include "RichTextBox.h"
#include "RichTextPolin.h"

#include <QFrame>
#include <QPointer>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

namespace {
// Draws of "Quorvane propone el problema" for x^2 - 4 (degree 2, recipe
// 0, 0: a sign, 1 and 4), then the abscissa: a sign and r2 (Xmax 3.96).
void ProgramaParabola(float r2)
{
    rt::ProgramaAzar({0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.4f, 0.0f, r2});
}
constexpr float AbscisaUno = 0.3f;
constexpr float AbscisaCero = 0.0f;

// Draws of the line at a point: u, v, the line's sign and slope, the
// intercept's sign and size, then the abscissa's sign and size.
void ProgramaRecta(float pendiente, float ordenada, float signoAbscisa, float abscisa)
{
    rt::ProgramaAzar({0.5f, 0.0f, 0.0f, pendiente, 0.0f, ordenada, signoAbscisa, abscisa});
}

template <class T> T *Abre(QAction *menu)
{
    menu->trigger();
    return SesionPrueba::Ventana<T>();
}
frmRectang *AbreTangente(SesionPrueba &s) { return Abre<frmRectang>(s.Hub()->mnuRectang()); }
frmRectaNormal *AbreNormal(SesionPrueba &s) { return Abre<frmRectaNormal>(s.Hub()->mnuRectaNormal()); }

void Contesta(VentanaRecta *w, const QString &texto)
{
    SesionPrueba::Pulsa(w->cmdBorrar());
    SesionPrueba::Escribe(*w->RtpPidePoliR(), texto);
    SesionPrueba::Pulsa(w->cmdListo());
}

// The main graph while each message is up.
struct VistaMensaje {
    QList<QImage> imagenes;
    void observa(SesionPrueba &s)
    {
        s.alMensaje = [this, &s] { imagenes << s.Grafica()->picejGraf().Imagen().copy(); };
    }
};

QRgb Pixel(const PictureEjes &graf, double x, double y)
{
    return graf.Imagen().pixel(graf.EscalaX(x), graf.EscalaY(y)) | 0xff000000u;
}

// The point's mark: some pixel within a few of (x, y) has the colour.
bool MarcaEn(const PictureEjes &graf, double x, double y, QRgb color)
{
    const QImage &imagen = graf.Imagen();
    for (int dy = -4; dy <= 4; ++dy)
        for (int dx = -4; dx <= 4; ++dx)
            if ((imagen.pixel(graf.EscalaX(x) + dx, graf.EscalaY(y) + dy) | 0xff000000u) == color)
                return true;
    return false;
}
} // namespace

class tst_Rectas : public QObject {
    Q_OBJECT

private slots:
    void tangenteAlCargar()
    {
        SesionPrueba s;
        QVERIFY(s.Hub()->mnuRectang()->isEnabled());
        const int nivel = NivelPila;
        frmRectang *w = AbreTangente(s);
        QVERIFY(w);
        QCOMPARE(NivelPila, nivel + 1);
        QCOMPARE(w->lbltitulo()->text(), QStringLiteral("RECTA  TANGENTE"));
        QCOMPARE(s.principal->windowTitle(), QStringLiteral("Quorvane: Cálculo de Recta Tangente"));
        QCOMPARE(NumAyuda, std::int16_t(66));
        QCOMPARE(NumApoyo, std::int16_t(71));
        QVERIFY(w->UCMarcoDeri()->isVisible());
        QCOMPARE(w->LblGrafiCon()->text(), Instruccion(51));
        QVERIFY(!w->UCMarcoMedio()->isVisible() && !w->fraHerramienta()->isVisible());
        QVERIFY(!w->cmdListo()->Enabled() && !w->cmdCancelar()->Enabled());
        QVERIFY(w->RtpPidePoliR()->Locked());
        QVERIFY(w->mnuOpciones()->isEnabled());
        QVERIFY(s.Grafica()->fraAnuncio()->isVisible());
        QVERIFY(!s.Hub()->mnuProbDiver()->isEnabled());
    }

    void tangenteQuorvanePropone_data()
    {
        QTest::addColumn<QString>("respuesta");
        QTest::addColumn<QString>("mensaje");
        QTest::addColumn<bool>("destello");
        QTest::newRow("right") << "2x-5" << Exito(56) << false;
        QTest::newRow("intercept") << "2x-4" << SesionPrueba::Error(129) << true;
        QTest::newRow("slope") << "3x-5" << SesionPrueba::Error(128) << true;
        QTest::newRow("degree") << "x^2" << SesionPrueba::Error(127) << false;
    }
    void tangenteQuorvanePropone()
    {
        QFETCH(QString, respuesta);
        QFETCH(QString, mensaje);
        QFETCH(bool, destello);
        SesionPrueba s;
        frmRectang *w = AbreTangente(s);
        const int nivel = NivelPila;
        ProgramaParabola(AbscisaUno);
        w->mnuMaquinaPropone()->trigger();
        QCOMPARE(QString::fromStdString(w->RtfDasPoli2()->Text()), QStringLiteral("x2-4"));
        QCOMPARE(w->AbscisaPunto(), 1.0);
        QCOMPARE(w->LblRecTan(2)->text(), QStringLiteral("En el punto de abscisa x =  1"));
        QCOMPARE(w->LblRecTan(1)->text(), Instruccion(54));
        QVERIFY(!w->mnuOpciones()->isEnabled());
        QCOMPARE(NumAyuda, std::int16_t(61));
        PictureEjes &graf = s.Grafica()->picejGraf();
        QVERIFY(graf.isVisible());
        // P in cyan and the point (1, -3) in red.
        QVERIFY(PixelesDeColor(graf.Imagen(), 3) > 50);
        QVERIFY(MarcaEn(graf, 1, -3, qRgb(255, 0, 0)));
        const QImage antes = graf.Imagen().copy();

        VistaMensaje vista;
        vista.observa(s);
        Contesta(w, respuesta);
        QCOMPARE(s.mensajes, QStringList{mensaje});
        QCOMPARE(vista.imagenes.size(), 1);
        const bool acierto = mensaje == Exito(56);
        if (acierto) {
            // The line drawn in blue while the message is up; then a fresh window.
            QVERIFY(PixelesDeColor(vista.imagenes[0], 1) > 50);
            SesionPrueba::Suelta();
            frmRectang *nueva = SesionPrueba::Ventana<frmRectang>();
            QVERIFY(nueva && nueva != w);
            QVERIFY(nueva->mnuOpciones()->isEnabled());
            QVERIFY(nueva->RtpPidePoliR()->Text().isEmpty() && nueva->RtpPidePoliR()->Locked());
            QVERIFY(s.Grafica()->fraAnuncio()->isVisible());
            QCOMPARE(NivelPila, nivel);
            QVERIFY(!PoliActual);
        } else {
            QCOMPARE(vista.imagenes[0] != antes, destello);
            // Once the message is closed the graph is as it was.
            QCOMPARE(graf.Imagen(), antes);
            QVERIFY(!w->RtpPidePoliR()->Locked());
            QCOMPARE(w->RtpPidePoliR()->Text().isEmpty(), false);
        }
    }

    // An empty answer: message 125 or 224, as the draw says.
    void tangenteVacia()
    {
        SesionPrueba s;
        frmRectang *w = AbreTangente(s);
        ProgramaParabola(AbscisaUno);
        w->mnuMaquinaPropone()->trigger();
        rt::ProgramaAzar({0.0f});
        SesionPrueba::Pulsa(w->cmdListo());
        rt::ProgramaAzar({0.05f});
        SesionPrueba::Pulsa(w->cmdListo());
        QCOMPARE(s.mensajes, (QStringList{SesionPrueba::Error(125), SesionPrueba::Error(224)}));
        QVERIFY(!w->RtpPidePoliR()->Locked());
    }

    // The tool evaluates P and P' at any x; "Cancelar" starts afresh.
    void tangenteHerramientaYCancelar()
    {
        SesionPrueba s;
        frmRectang *w = AbreTangente(s);
        const int nivel = NivelPila;
        ProgramaParabola(AbscisaUno);
        w->mnuMaquinaPropone()->trigger();
        PanelHerramientas *h = w->herramientas();
        QVERIFY(w->fraHerramienta()->isVisible());
        QCOMPARE(h->lblPuntual1()->text(), QStringLiteral("P("));
        Teclea(*h->cajaPunto(), QStringLiteral("3"));
        SesionPrueba::Pulsa(h->cmdListoPuntual());
        QCOMPARE(h->LblPuntual()->text(), QStringLiteral("5"));
        h->OptPuntPolioDeri(1)->click();
        QCOMPARE(h->lblPuntual1()->text(), QStringLiteral("P´("));
        QCOMPARE(h->stabRaices()->tabText(0), QStringLiteral("Evaluación puntual de la derivada"));
        SesionPrueba::Pulsa(h->cmdListoPuntual());
        QCOMPARE(h->LblPuntual()->text(), QStringLiteral("6"));

        Contesta(w, QStringLiteral("3x-5"));
        SesionPrueba::Pulsa(w->cmdCancelar());
        SesionPrueba::Suelta();
        frmRectang *nueva = SesionPrueba::Ventana<frmRectang>();
        QVERIFY(nueva && nueva != w);
        QVERIFY(nueva->UCMarcoDeri()->isVisible() && nueva->mnuOpciones()->isEnabled());
        QCOMPARE(NivelPila, nivel);
        QVERIFY(MenusPrincipalesActivos(s));

        // "al menú anterior": back to the hub, no current polynomial.
        nueva->mnuAnterior()->trigger();
        SesionPrueba::Suelta();
        QVERIFY(!SesionPrueba::Ventana<frmRectang>());
        QCOMPARE(NivelPila, nivel - 1);
        QVERIFY(!PoliActual && !PidePoliDesdeEjercicio);
        QVERIFY(s.Hub()->mnuProbDiver()->isEnabled());
    }

    void tangenteRectaEnUnPunto_data()
    {
        QTest::addColumn<QString>("respuesta");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("right") << "x^2+5x+3" << Exito(56);
        QTest::newRow("a line") << "3x+2" << SesionPrueba::Error(200);
        QTest::newRow("slope") << "x^2+3x+2" << SesionPrueba::Error(146);
        QTest::newRow("value") << "x^2+5x+4" << SesionPrueba::Error(147);
    }
    void tangenteRectaEnUnPunto()
    {
        QFETCH(QString, respuesta);
        QFETCH(QString, mensaje);
        SesionPrueba s;
        frmRectang *w = AbreTangente(s);
        ProgramaRecta(0.25f, 0.15f, 0.1f, 0.2f);
        w->mnuRectaPunto()->trigger();
        QCOMPARE(QString::fromStdString(w->RtfDasPoli2()->Text()), QStringLiteral("3x+2"));
        QCOMPARE(w->AbscisaPunto(), -1.0);
        QCOMPARE(w->lbldaspolip()->text(), QStringLiteral("y = "));
        QCOMPARE(w->LblRecTan(0)->text(), QStringLiteral("P(x) ="));
        QCOMPARE(w->LblRecTan(1)->text(), Instruccion(53));
        QCOMPARE(w->LblRecTan(2)->text(), QStringLiteral("En el punto de abscisa x = -1"));
        QCOMPARE(NumAyuda, std::int16_t(1));
        QCOMPARE(NumApoyo, std::int16_t(80));
        QCOMPARE(w->herramientas()->lblPuntual1()->text(), QStringLiteral("y("));
        QVERIFY(w->RectaDada());
        Contesta(w, respuesta);
        QCOMPARE(s.mensajes, QStringList{mensaje});
    }

    // The student's polynomial: its abscissa asked in the window, then the line.
    void tangenteDelAlumno_data()
    {
        QTest::addColumn<QString>("polinomio");
        QTest::addColumn<QString>("abscisa");
        QTest::addColumn<QString>("recta");
        QTest::newRow("x^3 at 2") << "x^3" << "2" << "12x-16";
        QTest::newRow("0.1x^2 at 3") << "0.1x^2" << "3" << "0.6x-0.9";
        // Decided exactly: in doubles P'(9.1) of the expanded power is -1.48
        // and P(9.1) is -8.3, all rounding.
        QTest::newRow("(x-9.1)^14 at its root") << "(x-9.1)^14" << "9.1" << "0";
    }
    void tangenteDelAlumno()
    {
        QFETCH(QString, polinomio);
        QFETCH(QString, abscisa);
        QFETCH(QString, recta);
        SesionPrueba s;
        frmRectang *w = AbreTangente(s);
        w->mnuProponePoli()->trigger();
        QVERIFY(!MenusPrincipalesActivos(s));
        DaPolinomioEnEntrada(polinomio);
        QVERIFY(w->fraPunto()->isVisible());
        QVERIFY(MenusPrincipalesActivos(s));
        QCOMPARE(w->LblRecTan(3)->text(), Instruccion(61));
        QCOMPARE(NumAyuda, std::int16_t(61));
        QVERIFY(w->RtpPidePoliR()->Locked());

        // A bad abscissa is reported and the frame stays.
        Teclea(*w->UCCajaPunto(), QStringLiteral("1/"));
        SesionPrueba::Pulsa(w->cmdListoPunto());
        w->UCCajaPunto()->Text(QString());
        SesionPrueba::Pulsa(w->cmdListoPunto());
        QCOMPARE(s.mensajes, (QStringList{SesionPrueba::Error(151), SesionPrueba::Error(154)}));
        QVERIFY(w->fraPunto()->isVisible());
        // Brought forward again, it still asks for the abscissa of that polynomial.
        w->alActivar();
        QVERIFY(w->fraPunto()->isVisible());
        s.mensajes.clear();

        Teclea(*w->UCCajaPunto(), abscisa);
        SesionPrueba::Pulsa(w->cmdListoPunto());
        QVERIFY(!w->fraPunto()->isVisible());
        QCOMPARE(w->LblRecTan(2)->text(), QStringLiteral("En el punto de abscisa x = ") + abscisa);
        QCOMPARE(w->LblRecTan(1)->text(), Instruccion(54));
        QVERIFY(!w->RtpPidePoliR()->Locked());
        Contesta(w, recta);
        QCOMPARE(s.mensajes, QStringList{Exito(56)});
    }

    void normalQuorvanePropone_data()
    {
        QTest::addColumn<float>("sorteo");
        QTest::addColumn<QString>("respuesta");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("right") << AbscisaUno << "-0.5x-2.5" << Exito(75);
        QTest::newRow("intercept") << AbscisaUno << "-0.5x" << SesionPrueba::Error(129);
        QTest::newRow("slope") << AbscisaUno << "2x-5" << SesionPrueba::Error(128);
        QTest::newRow("degree") << AbscisaUno << "x^2" << SesionPrueba::Error(130);
        QTest::newRow("slope within 1e-5") << AbscisaUno << "-0.500009x-2.5" << Exito(75);
        QTest::newRow("slope beyond 1e-5") << AbscisaUno << "-0.500011x-2.5" << SesionPrueba::Error(128);
        QTest::newRow("vertical x = 0") << AbscisaCero << "0" << Exito(75);
        // A wrong constant for x = a is about that line, not an intercept.
        QTest::newRow("vertical, wrong") << AbscisaCero << "-4" << SesionPrueba::Error(226);
    }
    void normalQuorvanePropone()
    {
        QFETCH(float, sorteo);
        QFETCH(QString, respuesta);
        QFETCH(QString, mensaje);
        SesionPrueba s;
        frmRectaNormal *w = AbreNormal(s);
        QVERIFY(w);
        QCOMPARE(w->lbltitulo()->text(), QStringLiteral("RECTA  NORMAL"));
        QCOMPARE(s.principal->windowTitle(), QStringLiteral("Quorvane: Cálculo de Recta Normal"));
        QCOMPARE(NumApoyo, std::int16_t(72));
        ProgramaParabola(sorteo);
        w->mnuMaquinaPropone()->trigger();
        const bool vertical = sorteo == AbscisaCero;
        QCOMPARE(w->LblRecTan(0)->text(), vertical ? QStringLiteral(" x = ") : QStringLiteral(" y = "));
        QCOMPARE(NumAyuda, std::int16_t(62));
        PictureEjes &graf = s.Grafica()->picejGraf();
        const double a = w->AbscisaPunto();
        QVERIFY(MarcaEn(graf, a, a * a - 4, qRgb(128, 0, 0)));
        bool lineaVertical = false;
        s.alMensaje = [&] {
            // Blue above and below the point, on the line x = a.
            lineaVertical = Pixel(graf, 0, graf.MaxY() * 0.5) == qRgb(0, 0, 128)
                            && Pixel(graf, 0, graf.MinY() * 0.5) == qRgb(0, 0, 128);
        };
        Contesta(w, respuesta);
        QCOMPARE(s.mensajes, QStringList{mensaje});
        QCOMPARE(lineaVertical, vertical && mensaje == Exito(75));
    }

    // 0.1x^3 - 0.3x at 1: P'(1) computes as a rounding of 0, not 0, and
    // the normal is still the vertical x = 1.
    void normalVerticalRedondeada_data()
    {
        QTest::addColumn<QString>("respuesta");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("x = 1") << "1" << Exito(75);
        QTest::newRow("another constant") << "2" << SesionPrueba::Error(226);
        QTest::newRow("a line") << "x" << SesionPrueba::Error(128);
    }
    void normalVerticalRedondeada()
    {
        QFETCH(QString, respuesta);
        QFETCH(QString, mensaje);
        SesionPrueba s;
        frmRectaNormal *w = AbreNormal(s);
        w->mnuProponePoli()->trigger();
        DaPolinomioEnEntrada(QStringLiteral("0.1x^3-0.3x"));
        Teclea(*w->UCCajaPunto(), QStringLiteral("1"));
        SesionPrueba::Pulsa(w->cmdListoPunto());
        QCOMPARE(w->LblRecTan(0)->text(), QStringLiteral(" x = "));
        s.mensajes.clear();
        const PictureEjes &graf = s.Grafica()->picejGraf();
        bool lineaVertical = false;
        s.alMensaje = [&] { lineaVertical = Pixel(graf, 1, graf.MaxY() * 0.5) == qRgb(0, 0, 128); };
        Contesta(w, respuesta);
        QCOMPARE(s.mensajes, QStringList{mensaje});
        QCOMPARE(lineaVertical, mensaje == Exito(75));
    }

    void normalRectaEnUnPunto_data()
    {
        QTest::addColumn<QString>("respuesta");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("parabola") << "x^2-2.5x+4.5" << Exito(76);
        QTest::newRow("a line is judged too") << "-0.5x+3.5" << Exito(76);
        QTest::newRow("slope") << "x^2" << SesionPrueba::Error(146);
        QTest::newRow("value") << "x^2-2.5x+5" << SesionPrueba::Error(147);
    }
    void normalRectaEnUnPunto()
    {
        QFETCH(QString, respuesta);
        QFETCH(QString, mensaje);
        SesionPrueba s;
        frmRectaNormal *w = AbreNormal(s);
        ProgramaRecta(0.15f, 0.0f, 0.0f, 0.2f);
        w->mnuRectaPunto()->trigger();
        QCOMPARE(QString::fromStdString(w->RtfDasPoli2()->Text()), QStringLiteral("2x+1"));
        QCOMPARE(w->AbscisaPunto(), 1.0);
        QCOMPARE(w->LblRecTan(1)->text(), Instruccion(57));
        QCOMPARE(NumApoyo, std::int16_t(81));
        // The tool evaluates the line only.
        PanelHerramientas *h = w->herramientas();
        QVERIFY(!h->OptPuntPolioDeri(0)->isVisible() && !h->OptPuntPolioDeri(1)->isVisible());
        QCOMPARE(h->stabRaices()->tabText(0), QStringLiteral("Evaluación puntual de y(x)"));
        Teclea(*h->cajaPunto(), QStringLiteral("2"));
        SesionPrueba::Pulsa(h->cmdListoPuntual());
        QCOMPARE(h->LblPuntual()->text(), QStringLiteral("5"));
        Contesta(w, respuesta);
        QCOMPARE(s.mensajes, QStringList{mensaje});
    }

    // Start again from a line window with the entry window open.
    void inicioDesdeLaEntrada()
    {
        SesionPrueba s;
        frmRectaNormal *w = AbreNormal(s);
        w->mnuProponePoli()->trigger();
        QVERIFY(SesionPrueba::Ventana<frmpidepoli>());
        w->mnuInicio()->trigger();
        SesionPrueba::Suelta();
        QVERIFY(!SesionPrueba::Ventana<frmRectaNormal>() && !SesionPrueba::Ventana<frmpidepoli>());
        QCOMPARE(NivelPila, 1);
        QVERIFY(MenusPrincipalesActivos(s));
        QVERIFY(!PidePoliDesdeEjercicio && !PoliDado && !PoliActual);
    }
    // Left for the previous menu (by its menu or its close box) while the
    // student is still typing a polynomial: the entry window goes with it,
    // its context popped first, and the hub is back at its own level.
    void dejadaConLaEntradaAbierta_data()
    {
        QTest::addColumn<bool>("porElMarco");
        QTest::newRow("anterior") << false;
        QTest::newRow("cierreMarco") << true;
    }
    void dejadaConLaEntradaAbierta()
    {
        QFETCH(bool, porElMarco);
        SesionPrueba s;
        const int nivel = NivelPila;
        const QString titulo = s.principal->windowTitle();
        QPointer<frmRectang> w = AbreTangente(s);
        w->mnuProponePoli()->trigger();
        QPointer<frmpidepoli> entrada = SesionPrueba::Ventana<frmpidepoli>();
        QVERIFY(entrada);
        // The student goes back to the line window (Ctrl+Tab) and leaves it.
        GestorVentanas::instancia().muestra(w);
        if (porElMarco)
            GestorVentanas::instancia().marcoDe(w)->close();
        else
            w->mnuAnterior()->trigger();
        SesionPrueba::Suelta();
        QVERIFY(!w && !entrada);
        QCOMPARE(NivelPila, nivel);
        QCOMPARE(s.principal->windowTitle(), titulo);
        QVERIFY(MenusPrincipalesActivos(s));
        QVERIFY(!PidePoliDesdeEjercicio);
    }
};

QTEST_MAIN(tst_Rectas)
#include "tst_Rectas.moc"
