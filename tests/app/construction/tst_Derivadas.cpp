// The first- and second-derivative constructions: the derivative of a
// hidden P drawn, answers judged by their own derivative, and the button
// that writes the derivative out.
#include "EscenaConstruccion.h"

#include "frmConDerivada.h"
#include "frmConDerivada2.h"

#include "generapoli.h"

#include "RichTextBox.h"
#include "Usc.h"

namespace {

using E = EscenaConstruccion;

PoliPtr Poli(std::initializer_list<std::pair<double, int>> terminos)
{
    PoliPtr p = Collpolinomio::Nuevo();
    for (const auto &[c, e] : terminos)
        p->Agrega(c, static_cast<std::int16_t>(e));
    return p;
}

// Whether the graph differs from antes within a few pixels of (x, y).
bool CambiaCerca(const QImage &antes, double x, double y)
{
    const PictureEjes &graf = E::Grafica()->picejGraf();
    const QImage ahora = graf.Imagen();
    const QRect zona = QRect(graf.EscalaX(x) - 3, graf.EscalaY(y) - 3, 7, 7) & ahora.rect();
    for (int i = zona.left(); i <= zona.right(); ++i)
        for (int j = zona.top(); j <= zona.bottom(); ++j)
            if (ahora.pixel(i, j) != antes.pixel(i, j))
                return true;
    return false;
}

// Columns of the main graph with a pixel of colour c.
int Columnas(const QColor &c)
{
    const QImage img = E::Imagen();
    int n = 0;
    for (int i = 0; i < img.width(); ++i)
        for (int j = 0; j < img.height(); ++j)
            if (img.pixelColor(i, j) == c) {
                ++n;
                break;
            }
    return n;
}

} // namespace

class tst_Derivadas : public QObject {
    Q_OBJECT
private slots:
    void primeraDerivada()
    {
        EscenaConstruccion s;
        ConceptoResuelto.fill(true);
        auto *w = s.elige<frmConDerivada>(4, {0, 0, 0});
        QVERIFY(w);
        QVERIFY(QTest::qWaitForWindowActive(s.principal.get()));
        // The requirement is a curve: no empty list in the tool frame.
        QVERIFY(w->Cmbraices()->isHidden());
        const PoliPtr P = Poli({{1, 2}, {-3, 1}, {1, 0}});
        w->PoneProblema(P);
        // P is the current polynomial, progress on the last one forgotten.
        QCOMPARE(PoliActual->Polin(), P);
        QVERIFY(std::none_of(ConceptoResuelto.begin(), ConceptoResuelto.end(), [](bool b) { return b; }));
        // The graph fitted to P' = 2x - 3, drawn in dark blue.
        const FuncPolinPtr prima = CreaFuncPolin(P->Prima());
        QCOMPARE(s.Grafica()->picejGraf().MinX(), prima->Xmin());
        QCOMPARE(s.Grafica()->picejGraf().MaxY(), prima->Ymax());
        QVERIFY(E::HayColor(QColor(0, 0, 128), 1.5, 0, 2));

        const QImage antes = E::Imagen();
        bool derivadaVista = false, respuestaVista = true;
        s.alMensaje = [&] {
            derivadaVista = CambiaCerca(antes, -1, 3);
            respuestaVista = CambiaCerca(antes, -1, -1);
        };
        // x^3: its derivative 3x^2 is flashed, not x^3 itself.
        QCOMPARE(s.responde(*w, "x^3"), QStringList{E::Error(92)});
        QVERIFY(derivadaVista);
        QVERIFY(!respuestaVista);
        bool cambio = true;
        s.alMensaje = [&] { cambio = E::Imagen() != antes; };
        QCOMPARE(s.responde(*w, "x^2-2x+1"), QStringList{E::Error(16, "1")});
        QVERIFY(!cambio);
        s.alMensaje = {};
        QCOMPARE(E::Imagen(), antes);
        // 4x - 2 against 2x - 3: the message names the derivative's lowest
        // wrong term, of degree 0, where error 16 names the answer's own.
        QCOMPARE(s.responde(*w, "2x^2-2x+1"), QStringList{E::Error(206, "0")});
        // The constant term is free: only the x term is wrong.
        QCOMPARE(s.responde(*w, "x^2-2x+5"), QStringList{E::Error(16, "1")});

        QCOMPARE(s.responde(*w, "x^2-3x"), QStringList{E::Exito(54)});
        QCOMPARE(w->LblConRai(0)->text(), QStringLiteral("Polinomio p(x) con la derivada indicada:"));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w->CmdSi()));
        QCOMPARE(NumApoyo, 33);
        s.mensajes.clear();
        QCOMPARE(w->CmdSi()->Caption(), QStringLiteral("Sí"));
        SesionPrueba::Pulsa(w->CmdSi());
        QCOMPARE(s.mensajes, QStringList{E::Exito(41)});
        QCOMPARE(w->LblConRai(1)->text(), QStringLiteral("Escribe ahora otro distinto y con la misma derivada:"));
        QCOMPARE(s.responde(*w, "x^2-3x"), QStringList{E::Error(79)});
        QCOMPARE(s.responde(*w, "x^2-3x+7"), QStringList{E::Exito(55)});

        // The derivative written out once, in any stage.
        QVERIFY(w->Lblderi3()->isHidden());
        QCOMPARE(w->CmdDespliega()->Caption(), QStringLiteral("Derivada"));
        SesionPrueba::Pulsa(w->CmdDespliega());
        QVERIFY(w->CmdDespliega()->isHidden());
        QVERIFY(!w->Lblderi3()->isHidden());
        QCOMPARE(w->Lblderi3()->text(), QStringLiteral("p'(x) ="));
        const QString escrita = QString::fromStdString(w->RtbDerivada()->Text());
        QVERIFY2(escrita.simplified().remove(' ') == QStringLiteral("2x-3"), qPrintable(escrita));

        // Back at the hub the problem polynomial is let go.
        SesionPrueba::Pulsa(w->CmdContinuar());
        SesionPrueba::Suelta();
        SesionPrueba::Pulsa(s.Ventana<frmConceptos>()->cmdCancelar());
        SesionPrueba::Suelta();
        QVERIFY(!PoliActual);
    }

    // P' = -1 fits a window a few units wide around the origin, where no
    // p with that derivative need pass: the graph takes in p, then q, so
    // that the student sees the curves accepted, P' with them.
    void respuestasAceptadasALaVista()
    {
        EscenaConstruccion s;
        auto *w = s.elige<frmConDerivada>(4, {0, 0, 0});
        QVERIFY(w);
        w->PoneProblema(Poli({{-1, 1}}));
        const int ancho = E::Imagen().width();
        QCOMPARE(s.responde(*w, "-x+5"), QStringList{E::Exito(54)});
        const QColor azul(0, 0, 128), cian(0, 128, 128), rojo(128, 0, 0);
        QVERIFY(Columnas(cian) > ancho / 2);
        QVERIFY(Columnas(azul) > ancho / 2);
        SesionPrueba::Pulsa(w->CmdSi());
        QCOMPARE(s.responde(*w, "-x-9"), QStringList{E::Exito(55)});
        for (const QColor &c : {azul, cian, rojo})
            QVERIFY2(Columnas(c) > ancho / 2, qPrintable(c.name()));
    }

    void segundaDerivada()
    {
        EscenaConstruccion s;
        auto *w = s.elige<frmConDerivada2>(8, {0, 0, 0});
        QVERIFY(w);
        QVERIFY(QTest::qWaitForWindowActive(s.principal.get()));
        QVERIFY(w->Cmbraices()->isHidden());
        w->PoneProblema(Poli({{1, 3}, {-2, 1}}));
        QVERIFY(E::HayColor(QColor(0, 0, 128), 0.25, 1.5, 2));
        const QImage antes = E::Imagen();
        bool vista = false;
        s.alMensaje = [&] { vista = CambiaCerca(antes, 0.4, 1.92); };
        // x^4: its second derivative 12x^2 is flashed.
        QCOMPARE(s.responde(*w, "x^4"), QStringList{E::Error(168)});
        QVERIFY(vista);
        bool cambio = true;
        s.alMensaje = [&] { cambio = E::Imagen() != antes; };
        QCOMPARE(s.responde(*w, "2x^3"), QStringList{E::Error(16, "1")});
        QVERIFY(!cambio);
        QCOMPARE(s.responde(*w, "x^3+x^2"), QStringList{E::Error(16, "0")});
        QCOMPARE(s.responde(*w, "2x^3+x^2"), QStringList{E::Error(15, "0")});
        QVERIFY(!cambio);
        s.alMensaje = {};
        QCOMPARE(s.responde(*w, "x^3"), QStringList{E::Exito(46)});
        // The focus stays where it was.
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w->RtpPidePoliR(0)->Caja()));
        SesionPrueba::Pulsa(w->CmdSi());
        QCOMPARE(s.responde(*w, "x^3+5x-1"), QStringList{E::Exito(42)});
        SesionPrueba::Pulsa(w->CmdDespliega());
        QCOMPARE(w->Lblderi3()->text(), QStringLiteral("p''(x) ="));
        QCOMPARE(QString::fromStdString(w->RtbDerivada()->Text()).simplified().remove(' '), QStringLiteral("6x"));
    }

    // P of degree 1: P'' is zero, a constant is of the wrong degree.
    void segundaDerivadaDeUnaRecta()
    {
        EscenaConstruccion s;
        auto *w = s.elige<frmConDerivada2>(8, {0, 0, 0});
        QVERIFY(w);
        QVERIFY(QTest::qWaitForWindowActive(s.principal.get()));
        w->PoneProblema(Poli({{3, 1}}));
        QCOMPARE(s.responde(*w, "5"), QStringList{E::Error(168)});
        QCOMPARE(s.responde(*w, "x+4"), QStringList{E::Exito(46)});
    }
};

QTEST_MAIN(tst_Derivadas)
#include "tst_Derivadas.moc"
