// The two graph roads from the hub: the hidden polynomial and its graph,
// the exercises opened from each chooser and what a finish or a cancel does
// to its option, the reveal once the road's concepts are solved, and every
// way out.
#include "EscenaGraficas.h"

#include "../analysis/PuntosPrueba.h"

#include "PanelHerramientas.h"
#include "frmClaPtoCri.h"
#include "frmGrafiConcepto.h"
#include "frmGrafiDeri.h"
#include "frmMonotonia.h"
#include "frmPuntosCriticos.h"
#include "frmraices.h"

#include "ColorOle.h"
#include "LlamadasVentana.h"
#include "princip.h"
#include "VentanaDibujo.h"
#include "Ventanas.h"
#include "dibujo.h"

#include <QFrame>
#include <QLabel>
#include <QRadioButton>

namespace {

// Draws of a road's problem for x^3 - 3x: degree 3, recipe 0, 0, then the
// sign and the two magnitudes 1 and 3.
void ProgramaCubica()
{
    rt::ProgramaAzar({0.25f, 0.0f, 0.0f, 0.0f, 0.0f, 0.3f});
}

frmGrafiConcepto *AbreCaminoP(SesionPrueba &s)
{
    ProgramaCubica();
    s.Hub()->mnuDoyGrafiPoli()->trigger();
    return SesionPrueba::Ventana<frmGrafiConcepto>();
}

frmGrafiDeri *AbreCaminoDeri(SesionPrueba &s)
{
    s.Hub()->mnuGrafiDeri()->trigger();
    return SesionPrueba::Ventana<frmGrafiDeri>();
}

double Coef(const PoliPtr &p, int e)
{
    return p->ElementoExponente(static_cast<std::int16_t>(e))->coef();
}

bool Gris(const QRadioButton *o)
{
    return !o->isEnabled() && o->palette().color(o->backgroundRole()) == ColorDeOle(rt::QBColor(7));
}

int Pixeles(SesionPrueba &s, int color)
{
    return PixelesDeColor(s.Grafica()->picejGraf().Imagen(), color);
}

// The toolbar's "zoom" key (the eighth) is on.
bool ZoomActivo(const SesionPrueba &s)
{
    return s.principal->boton(8)->isEnabled();
}

// The pointer rests in the middle of the button.
bool CursorEn(const QWidget &boton)
{
    const plataforma::RectanguloPantalla r = plataforma::RectanguloVentana(boton);
    return plataforma::UltimaPosicionCursor() == PuntoCentral(r.izquierda, r.arriba, r.derecha, r.abajo);
}

void ResuelveMenos(std::initializer_list<int> conceptos, int falta)
{
    for (int c : conceptos)
        ConceptoResuelto[static_cast<std::size_t>(c)] = c != falta;
}

} // namespace

class tst_Caminos : public QObject {
    Q_OBJECT

private slots:
    void caminoDesdePolinomioOcultaYDibuja()
    {
        SesionPrueba s;
        ConceptoResuelto.fill(true); // work on an earlier polynomial
        const int nivel = NivelPila;
        frmGrafiConcepto *w = AbreCaminoP(s);
        QVERIFY(w);
        QCOMPARE(Coef(PoliActual->Polin(), 3), 1.0);
        QCOMPARE(Coef(PoliActual->Polin(), 1), -3.0);
        QVERIFY(std::none_of(ConceptoResuelto.begin(), ConceptoResuelto.end(), [](bool b) { return b; }));
        QVERIFY(!PoliDado);
        QCOMPARE(NivelPila, nivel + 1);
        QCOMPARE(s.principal->windowTitle(),
                 QStringLiteral("Quorvane: A partir de la gráfica del polinomio, identifica cada concepto"));
        QCOMPARE(NumAyuda, std::int16_t(64));
        QCOMPARE(NumApoyo, std::int16_t(79));
        QVERIFY(ZoomActivo(s));
        QCOMPARE(w->LblGrafiCon()->text(), Instruccion(66));
        // The text says where the graph is, and it is there.
        QVERIFY(w->LblGrafiCon()->text().startsWith(QStringLiteral("En el plano cartesiano de la derecha ")));
        QVERIFY(s.Grafica()->mapToGlobal(QPoint(0, 0)).x() >= w->mapToGlobal(QPoint(w->width(), 0)).x());
        QVERIFY(w->fraPoli()->isHidden());
        QVERIFY(Pixeles(s, 1) > 50);
        QVERIFY(s.Grafica()->RecorreGraf());
        // The key of the curves on the strip.
        QVERIFY(PixelesDeColor(s.Grafica()->Picejegraf2().Imagen(), 2) > 50);
        for (QAction *a : {s.Hub()->mnuSePropoPoli(), s.Hub()->mnuMenuConPoli(), s.Hub()->mnuSinPoli(),
                           s.Hub()->mnuProbDiver()})
            QVERIFY(!a->isEnabled());
        QCOMPARE(w->OptGraCon(7)->text(), QStringLiteral("Puntos de  Inflexión"));
        QCOMPARE(w->OptGraCon(10)->text(), QStringLiteral("Rango"));
    }

    void raicesEnElCaminoGrisanSuOpcion()
    {
        SesionPrueba s;
        frmGrafiConcepto *w = AbreCaminoP(s);
        const int nivel = NivelPila;
        w->OptGraCon(0)->click();
        auto *r = SesionPrueba::Ventana<frmraices>();
        QVERIFY(r);
        QCOMPARE(QString::fromStdString(r->RtfDasPoli2()->Text()).trimmed(), QStringLiteral("¿...?"));
        QVERIFY(s.Grafica()->RecorreGraf());
        for (const char *x : {"-1.732", "0", "1.732"})
            Da(*r, QString::fromLatin1(x));
        PulsaTerminar(*r);
        QCOMPARE(s.mensajes, (QStringList{Exito(2), Exito(2), Exito(12), Exito(1)}));
        QVERIFY(ConceptoResuelto[0]);
        QVERIFY(Gris(w->OptGraCon(0)));
        QVERIFY(!w->OptGraCon(0)->isChecked());
        QCOMPARE(NivelPila, nivel);
        QCOMPARE(GestorVentanas::instancia().actual(), static_cast<VentanaBase *>(w));
        QVERIFY(CursorEn(*w->cmdCancelar()));

        // A cancel frees the option again and switches the read-out off.
        w->OptGraCon(5)->click();
        auto *m = SesionPrueba::Ventana<frmMonotonia>();
        QVERIFY(m);
        SesionPrueba::Pulsa(m->cmdCancelar());
        SesionPrueba::Suelta();
        QVERIFY(!SesionPrueba::Ventana<frmMonotonia>());
        QVERIFY(w->OptGraCon(5)->isEnabled());
        QVERIFY(!w->OptGraCon(5)->isChecked());
        QVERIFY(!s.Grafica()->RecorreGraf());
        QCOMPARE(NivelPila, nivel);
    }

    void revelaConLosOnceConceptos()
    {
        SesionPrueba s;
        frmGrafiConcepto *w = AbreCaminoP(s);
        const std::initializer_list<int> once = {0, 1, 2, 3, 5, 6, 7, 9, 10, 11, 12};
        // One missing: the next activation changes nothing.
        ResuelveMenos(once, 11);
        w->OptGraCon(5)->click();
        SesionPrueba::Pulsa(SesionPrueba::Ventana<frmMonotonia>()->cmdCancelar());
        SesionPrueba::Suelta();
        QVERIFY(w->fraPoli()->isHidden());
        QCOMPARE(Pixeles(s, 3), 0);

        ResuelveMenos(once, -1);
        w->OptGraCon(5)->click();
        SesionPrueba::Pulsa(SesionPrueba::Ventana<frmMonotonia>()->cmdCancelar());
        SesionPrueba::Suelta();
        QVERIFY(!ConceptoResuelto[4] && !ConceptoResuelto[8]);
        QVERIFY(Pixeles(s, 3) > 50);
        QCOMPARE(w->LblGrafiCon()->text(), Instruccion(65));
        QCOMPARE(w->LblGrafiCon()->font().pointSize(), 10);
        QVERIFY(w->fraPoli()->isVisible());
        QCOMPARE(w->LblPx()->text(), QStringLiteral("p(x) ="));
        QVERIFY(QString::fromStdString(w->RtbPidePoliR()->Text()).contains(QStringLiteral("3x")));
    }

    void cancelarVuelveAlHub()
    {
        SesionPrueba s;
        const int nivel = NivelPila;
        frmGrafiConcepto *w = AbreCaminoP(s);
        QVERIFY(w);
        SesionPrueba::Pulsa(w->cmdCancelar());
        SesionPrueba::Suelta();
        QVERIFY(!SesionPrueba::Ventana<frmGrafiConcepto>());
        QCOMPARE(NivelPila, nivel);
        QVERIFY(s.Grafica()->fraAnuncio()->isVisible());
        QVERIFY(!s.Grafica()->picejGraf().isVisible());
        QCOMPARE(Pixeles(s, 1), 0);
        QVERIFY(s.Hub()->lblProductName()->isVisible());
        QVERIFY(s.Hub()->LblLogo2()->isVisible());
        QVERIFY(s.Hub()->mnuSePropoPoli()->isEnabled());
        QVERIFY(s.Hub()->mnuSinPoli()->isEnabled());
        QVERIFY(!PoliDado);
        QVERIFY(!PidePoliDesdeEjercicio);
        // The hidden polynomial is not shown by the hub.
        QVERIFY(!s.Hub()->mnuMenuConPoli()->isEnabled());
    }

    // The classification on either graph road: its question and its tools
    // show whole, each row at its full height inside its frame.
    void clasificacionSeVeEntera_data()
    {
        QTest::addColumn<bool>("desdeDerivada");
        QTest::newRow("gráfica de P") << false;
        QTest::newRow("gráfica de P'") << true;
    }
    void clasificacionSeVeEntera()
    {
        QFETCH(bool, desdeDerivada);
        SesionPrueba s;
        if (desdeDerivada) {
            frmGrafiDeri *w = AbreCaminoDeri(s);
            ProgramaCubica();
            w->mnuMaquinaPropone()->trigger();
            w->OptGraCon(4)->click();
        } else {
            AbreCaminoP(s)->OptGraCon(6)->click();
        }
        auto *c = SesionPrueba::Ventana<frmClaPtoCri>();
        QVERIFY(c);
        QVERIFY(QTest::qWaitForWindowExposed(c));
        QCoreApplication::processEvents();
        PanelHerramientas *h = c->herramientas();
        const QList<QWidget *> filas{c->OptParidad(0), c->OptParidad(1), c->OptParidad(2), h->cajaPunto(),
                                     h->cmdListoPuntual(), h->cmdLimpiaPuntual(), h->OptPuntPolioDeri(0),
                                     h->OptPuntPolioDeri(1), h->OptPuntPolioDeri(2)};
        for (QWidget *f : filas) {
            QVERIFY2(f->height() >= f->minimumSizeHint().height(), f->metaObject()->className());
            const QRect enVentana(f->mapTo(c, QPoint(0, 0)), f->size());
            QVERIFY(c->rect().contains(enVentana));
        }
        const QRect herramienta(h->mapTo(c, QPoint(0, 0)), h->size());
        const QWidget *fraHerramienta = h->parentWidget();
        const QRect marco(fraHerramienta->mapTo(c, QPoint(0, 0)), fraHerramienta->size());
        QVERIFY(marco.contains(herramienta));
        QVERIFY(h->height() >= h->minimumSizeHint().height());
    }

    void caminoDesdeDerivadaPropuestaYRevelada()
    {
        SesionPrueba s;
        const int nivel = NivelPila;
        frmGrafiDeri *w = AbreCaminoDeri(s);
        QVERIFY(w);
        QCOMPARE(w->LblGrafiCon()->text(), Instruccion(47));
        QCOMPARE(w->LblDeri()->text(), QStringLiteral("AVISO"));
        QVERIFY(!w->OptGraCon(1)->isEnabled());
        QCOMPARE(NumAyuda, std::int16_t(63));
        ProgramaCubica();
        w->mnuMaquinaPropone()->trigger();
        ConceptoResuelto[0] = true;
        QCOMPARE(Coef(PoliActual->Polin(), 3), 1.0);
        QCOMPARE(Coef(w->FuncDerivada()->Polin(), 2), 3.0);
        QCOMPARE(Coef(w->FuncDerivada()->Polin(), 0), -3.0);
        // Fitted to P', drawn in cyan.
        QCOMPARE(s.Grafica()->picejGraf().MinY(), w->FuncDerivada()->Ymin());
        QVERIFY(Pixeles(s, 3) > 50);
        QVERIFY(!w->mnuElige()->isEnabled());
        QVERIFY(w->UCMarcoMedio()->isVisible());
        QVERIFY(w->LblDeri()->isHidden());
        QCOMPARE(w->lblGrafiDeri()->text(), QStringLiteral("Elige el concepto que desees: "));
        for (int k = 1; k <= 5; ++k)
            QVERIFY(w->OptGraCon(k)->isEnabled());
        QVERIFY(!ZoomActivo(s));

        w->OptGraCon(2)->click();
        auto *c = SesionPrueba::Ventana<frmPuntosCriticos>();
        QVERIFY(c);
        QVERIFY(!s.Grafica()->RecorreGraf());
        Da(*c, QStringLiteral("-1"));
        Da(*c, QStringLiteral("1"));
        PulsaTerminar(*c);
        QCOMPARE(s.mensajes, (QStringList{Exito(9), Exito(34), Exito(10)}));
        QVERIFY(Gris(w->OptGraCon(2)));
        QVERIFY(w->rtfPolin()->isHidden());

        // An exercise's band on the f' track, at the derivative's scale.
        DibujaBandaSigno(-1, 2, 1, "+", "");
        QVERIFY(PixelesDeColor(s.Grafica()->Picejegraf2().Imagen(), 3) > 0);

        // The other concepts of the road solved: the next activation reveals.
        for (int k : {3, 6, 7, 12})
            ConceptoResuelto[static_cast<std::size_t>(k)] = true;
        w->OptGraCon(3)->click();
        SesionPrueba::Pulsa(SesionPrueba::Ventana<frmMonotonia>()->cmdCancelar());
        SesionPrueba::Suelta();
        QCOMPARE(s.Grafica()->picejGraf().MinY(), PoliActual->Ymin());
        QVERIFY(Pixeles(s, 4) > 50);
        QVERIFY(Pixeles(s, 6) > 50);
        // The tracks follow the graph to P's scale: the band written at the
        // old one is gone, the key is back across the new width.
        const PictureEjes &franja = s.Grafica()->Picejegraf2();
        QCOMPARE(franja.MinX(), s.Grafica()->picejGraf().MinX());
        QCOMPARE(franja.MaxX(), s.Grafica()->picejGraf().MaxX());
        QCOMPARE(PixelesDeColor(franja.Imagen(), 3), 0);
        QVERIFY(PixelesDeColor(franja.Imagen(), 2) > 50);
        QVERIFY(w->rtfPolin()->isVisible());
        QVERIFY(QString::fromStdString(w->rtfPolin()->Text()).contains(QStringLiteral("3x")));
        QVERIFY(QString::fromStdString(w->rtfPolder()->Text()).contains(QStringLiteral("3x")));
        QVERIFY(w->LblGrafiCon()->text().startsWith(QStringLiteral("Bravo, ha concluido con éxito esta parte.")));
        QCOMPARE(w->cmdCancelar()->Caption(), QStringLiteral("Hasta luego"));

        SesionPrueba::Pulsa(w->cmdCancelar());
        SesionPrueba::Suelta();
        QVERIFY(!SesionPrueba::Ventana<frmGrafiDeri>());
        QVERIFY(ConceptoResuelto[0]);
        for (std::size_t k = 1; k < ConceptoResuelto.size(); ++k)
            QVERIFY(!ConceptoResuelto[k]);
        QVERIFY(!PoliActual);
        QCOMPARE(NivelPila, nivel);
    }

    void derivadaPropuestaPorElAlumno_data()
    {
        QTest::addColumn<QString>("derivada");
        QTest::addColumn<QList<double>>("p"); // coefficients of x^0..x^3
        QTest::newRow("3x^2-2") << QStringLiteral("3x^2-2") << QList<double>{0, -2, 0, 1};
        QTest::newRow("constante") << QStringLiteral("5") << QList<double>{0, 5, 0, 0};
        QTest::newRow("x^2-0.1") << QStringLiteral("x^2-0.1") << QList<double>{0, -0.1, 0, 1.0 / 3};
    }
    void derivadaPropuestaPorElAlumno()
    {
        QFETCH(QString, derivada);
        QFETCH(QList<double>, p);
        SesionPrueba s;
        frmGrafiDeri *w = AbreCaminoDeri(s);
        QVERIFY(w);
        w->mnuTuPropones()->trigger();
        DaPolinomioEnEntrada(derivada);
        QVERIFY(!SesionPrueba::Ventana<frmpidepoli>());
        QVERIFY(PoliActual);
        for (int e = 0; e < p.size(); ++e)
            QCOMPARE(Coef(PoliActual->Polin(), e), p[e]);
        // Exactly the primitive, a third included: its derivative is the
        // typed one.
        QVERIFY(PoliActual->Polin()->Exacto().Coeficiente(0).EsCero());
        if (derivada == QStringLiteral("x^2-0.1"))
            QVERIFY(PoliActual->Polin()->Exacto().Derivada()
                    == PoliExacto::DesdeCoeficientes({Racional(-1, 10), Racional(0), Racional(1)}));
        QCOMPARE(PoliActual->Polin()->Cuenta(), static_cast<long>(std::count_if(p.begin(), p.end(), [](double c) {
                                                    return c != 0;
                                                })));
        QVERIFY(!PoliDado);
        QVERIFY(Pixeles(s, 3) > 50);
        QVERIFY(w->OptGraCon(1)->isEnabled());
        QVERIFY(MenusPrincipalesActivos(s));
    }

    void derivadaCanceladaDejaElegirOtraVez()
    {
        SesionPrueba s;
        frmGrafiDeri *w = AbreCaminoDeri(s);
        QVERIFY(w);
        w->mnuTuPropones()->trigger();
        frmpidepoli *p = SesionPrueba::Ventana<frmpidepoli>();
        QVERIFY(p);
        QVERIFY(!MenusPrincipalesActivos(s));
        SesionPrueba::Pulsa(p->cmdCancelar());
        SesionPrueba::Suelta();
        QVERIFY(!SesionPrueba::Ventana<frmpidepoli>());
        QVERIFY(MenusPrincipalesActivos(s));
        QVERIFY(w->mnuElige()->isEnabled());
        QVERIFY(!w->OptGraCon(1)->isEnabled());
        QVERIFY(w->UCMarcoMedio()->isHidden());
        QCOMPARE(Pixeles(s, 3), 0);
    }

    void alInicioDesdeUnEjercicioDelCamino()
    {
        for (bool desdeP : {true, false}) {
            SesionPrueba s;
            if (desdeP) {
                AbreCaminoP(s)->OptGraCon(4)->click();
            } else {
                ProgramaCubica();
                frmGrafiDeri *w = AbreCaminoDeri(s);
                w->mnuMaquinaPropone()->trigger();
                w->OptGraCon(2)->click();
            }
            auto *c = SesionPrueba::Ventana<frmPuntosCriticos>();
            QVERIFY(c);
            c->mnuReinicio()->trigger();
            SesionPrueba::Suelta();
            QVERIFY(!SesionPrueba::Ventana<frmGrafiConcepto>());
            QVERIFY(!SesionPrueba::Ventana<frmGrafiDeri>());
            QVERIFY(!SesionPrueba::Ventana<frmPuntosCriticos>());
            QCOMPARE(NivelPila, 1); // the start context only
            QVERIFY(!PidePoliDesdeEjercicio);
            QVERIFY(MenusPrincipalesActivos(s));
            // A new session works on the analytic road again.
            s.principal->mnupoli_Click();
            s.DaPolinomio(QStringLiteral("x^3-3x"));
            s.Hub()->OptCalcConcepto(5)->click();
            auto *analitico = SesionPrueba::Ventana<frmPuntosCriticos>();
            QVERIFY(analitico);
            QCOMPARE(analitico->camino(), Camino::Analitico);
            QVERIFY(analitico->RtfDasPoli2()->Text() != "¿...?");
        }
    }

    void otroPolinomioDesdeUnEjercicioDelCamino()
    {
        SesionPrueba s;
        const int nivel = NivelPila;
        AbreCaminoP(s)->OptGraCon(4)->click();
        auto *c = SesionPrueba::Ventana<frmPuntosCriticos>();
        QVERIFY(c);
        c->mnuReProPoli()->trigger();
        SesionPrueba::Suelta();
        QVERIFY(!SesionPrueba::Ventana<frmGrafiConcepto>());
        QVERIFY(!SesionPrueba::Ventana<frmPuntosCriticos>());
        QVERIFY(s.Hub());
        QCOMPARE(NivelPila, nivel);
        QVERIFY(!PidePoliDesdeEjercicio);
        QVERIFY(s.Grafica()->fraAnuncio()->isVisible());
    }
};

QTEST_MAIN(tst_Caminos)
#include "tst_Caminos.moc"
