// The report of solved concepts through the real toolbar and hub: what the
// student has solved so far ("pasado"), the summary of every concept ("Ver
// Gráfica y cualidades"), its ways out, and "texto" moving it aside.
#include "tst_HubSesion.h"

#include "princip.h"

#include "frmHistoria.h"
#include "frmParidad.h"

#include "Globales.h"

#include "PictureEjes.h"

#include <QLabel>
#include <QMdiArea>
#include <QPointer>
#include <QTabWidget>
#include <QTemporaryDir>

namespace {
QString Texto(const RichTextBox *caja)
{
    return QString::fromStdString(caja->Text());
}

QStringList BotonesEncendidos(const frmMdiCalcDife &principal)
{
    QStringList claves;
    for (int i = 1; i <= 8; ++i)
        if (QAction *a = principal.boton(i); a && a->isEnabled())
            claves << a->data().toString();
    return claves;
}

// P given and the hub's "Ver Gráfica y cualidades" chosen.
frmHistoria *Resumen(SesionPrueba &s, const QString &p)
{
    s.DaPolinomio(p);
    s.Hub()->mnuGrafyCuali()->trigger();
    return frmHistoria::Existente();
}

// The parity exercise of P open from the graph construction.
void AbreParidad(SesionPrueba &s, const QString &p)
{
    s.DaPolinomio(p);
    s.Hub()->mnuConsGraf()->trigger();
    QTest::mouseClick(s.Hub()->OptCalcConcepto(2), Qt::LeftButton);
}

// The image of the picture file of the report's limits.
QImage Figura(const char *archivo)
{
    return QImage(QString::fromStdString(RutaPrograma(std::string("\\figura\\") + archivo).string()));
}
} // namespace

class tst_HistoriaVentana : public QObject {
    Q_OBJECT

private slots:
    // Every heading on one line, with the measures of a 1024 by 768 screen
    // (the narrowest report) and of a wider one.
    void titulosEnUnaLinea_data()
    {
        QTest::addColumn<QSize>("pantalla");
        QTest::newRow("1024x768") << QSize(1024, 768);
        QTest::newRow("1280x800") << QSize(1280, 800);
    }
    void titulosEnUnaLinea()
    {
        QFETCH(QSize, pantalla);
        SesionPrueba s;
        s.principal->resize(pantalla);
        s.principal->show();
        TomaMedidas();
        AbreParidad(s, QStringLiteral("x^3-3x"));
        s.principal->botonPorClave(QStringLiteral("pasado"))->trigger();
        frmHistoria *h = frmHistoria::Existente();
        QVERIFY(h);
        for (int k = 0; k < 13; ++k) {
            QLabel *t = h->LblHisto2(k);
            QVERIFY2(t->fontMetrics().horizontalAdvance(t->text()) <= t->contentsRect().width(), qPrintable(t->text()));
            QVERIFY(t->font().pointSizeF() >= 7);
        }
    }

    void soloLoResuelto()
    {
        SesionPrueba s;
        AbreParidad(s, QStringLiteral("x^3-3x"));
        QVERIFY(SesionPrueba::Ventana<frmParidad>());
        // The real roots exercise is not in the program yet: its flag
        // stands for it.
        ConceptoResuelto[0] = true;
        const QString tituloEjercicio = s.principal->windowTitle();
        const int ayudaEjercicio = NumAyuda;

        QAction *pasado = s.principal->botonPorClave(QStringLiteral("pasado"));
        QVERIFY(pasado->isEnabled());
        pasado->trigger();
        frmHistoria *h = frmHistoria::Existente();
        QVERIFY(h);
        QVERIFY(h->isVisible());
        QVERIFY(HistoriaAbierta);
        QVERIFY(!h->resumen());
        QCOMPARE(s.principal->windowTitle(), QStringLiteral("Quorvane: Resolución de conceptos "));
        QCOMPARE(NumAyuda, 10);
        QVERIFY(h->windowFlags() & Qt::WindowStaysOnTopHint);
        const QPoint area = s.principal->area()->mapToGlobal(QPoint(0, 0));
        QCOMPARE(h->pos() - area, QPoint(400, 90));

        QCOMPARE(h->sstabHistoria()->count(), 14);
        QCOMPARE(h->sstabHistoria()->tabText(0), QStringLiteral("Raíces Reales"));
        QCOMPARE(h->sstabHistoria()->tabText(13), QStringLiteral("Salida"));
        QCOMPARE(h->LblHisto2(12)->text(), QStringLiteral("* * * MAXIMOS Y MINIMOS ABSOLUTOS DEL POLINOMIO * * *"));
        QCOMPARE(h->LblHistoria5(0)->text(), QStringLiteral("La función tiene 3 raíces reales y 0 raíces complejas"));
        QCOMPARE(Texto(h->RtbHisto1(0)), QStringLiteral("x1= -1.732\nx2= 0\nx3= 1.732\n"));
        QVERIFY(!h->RtbHisto1(0)->isHidden());

        // Every other tab only asks.
        QCOMPARE(h->LblHistoria5(1)->text(), QStringLiteral("Tiene que determinar los intervalos en donde la función "
                                                            "es positiva y negativa para poder mostrarlos."));
        QCOMPARE(h->LblHistoria5(7)->text(), QStringLiteral("La historia sólo muestra lo hecho."));
        for (int i : {1, 2, 4, 5, 6, 7, 8, 9, 10}) {
            QVERIFY2(h->RtbHisto1(i)->isHidden(), qPrintable(QString::number(i)));
            QCOMPARE(Texto(h->RtbHisto1(i)), QString());
        }
        for (int i = 0; i < 2; ++i) {
            QVERIFY(!h->RtbHisto(i)->isHidden());
            QCOMPARE(Texto(h->RtbHisto(i)), QString());
        }
        // Only the fixed pictures of the limits.
        QVERIFY(!h->Imext(0)->pixmap().isNull());
        QVERIFY(h->Imext(2)->pixmap().isNull() && h->Imext(2)->text().isEmpty());

        // "Regresar" pops one level: the exercise's screen is back.
        SesionPrueba::Pulsa(h->cmdCancelar());
        SesionPrueba::Suelta();
        QVERIFY(!frmHistoria::Existente());
        QVERIFY(!HistoriaAbierta);
        QCOMPARE(s.principal->windowTitle(), tituloEjercicio);
        QCOMPARE(NumAyuda, ayudaEjercicio);
        QVERIFY(SesionPrueba::Ventana<frmParidad>());
        QVERIFY(ConceptoResuelto[0]);
    }

    void pasadoSinPolinomioNoAbre()
    {
        SesionPrueba s;
        s.principal->botonPorClave(QStringLiteral("pasado"))->trigger();
        QVERIFY(!frmHistoria::Existente());
    }

    void resumenDeLaCubica()
    {
        SesionPrueba s;
        s.DaPolinomio(QStringLiteral("x^3-3x"));
        ConceptoResuelto[2] = true; // the student's own progress
        const auto antes = ConceptoResuelto;
        s.Hub()->mnuGrafyCuali()->trigger();
        frmHistoria *h = frmHistoria::Existente();
        QVERIFY(h);
        QVERIFY(h->resumen());
        QCOMPARE(s.principal->windowTitle(), QStringLiteral("Quorvane: Muestra gráfica y conceptos"));
        QCOMPARE(NumAyuda, 5);
        QCOMPARE(NumApoyo, 82);
        QCOMPARE(BotonesEncendidos(*s.principal), (QStringList{"ayuda", "apoyo", "texto", "logo", "zoom"}));
        QVERIFY(h->windowFlags() & Qt::WindowStaysOnTopHint);
        const QPoint area = s.principal->area()->mapToGlobal(QPoint(0, 0));
        QCOMPARE(h->pos() - area, QPoint(5, 170));
        QVERIFY(!s.Hub()->mnuMenuConPoli()->isEnabled());
        QVERIFY(!s.Hub()->mnupoliadios()->isEnabled());
        QCOMPARE(ConceptoResuelto, antes);

        // Every tab filled.
        for (int k = 0; k < 13; ++k)
            QVERIFY2(!h->LblHistoria5(k)->text().startsWith(QStringLiteral("Es necesario")), qPrintable(QString::number(k)));
        QCOMPARE(h->LblHistoria5(1)->text(), QStringLiteral("El signo de la función es:"));
        QCOMPARE(Texto(h->RtbHisto1(1)), QStringLiteral("de  (- ∞ , -1.732),  P(x) es negativa;  \n"
                                                       "de  (-1.732 , 0),  P(x) es positiva;  \n"
                                                       "de  (0 , 1.732),  P(x) es negativa;  \n"
                                                       "de  (1.732 , + ∞),  P(x) es positiva;  \n"));
        QCOMPARE(h->Imext(2)->pixmap().toImage(), Figura("simb-minf.gif").convertToFormat(h->Imext(2)->pixmap().toImage().format()));
        QCOMPARE(h->Imext(3)->pixmap().toImage(), Figura("simb-inf.gif").convertToFormat(h->Imext(3)->pixmap().toImage().format()));
        QVERIFY(Texto(h->RtbHisto(0)).contains(QStringLiteral("3x")));
        QVERIFY(!Texto(h->RtbHisto(1)).isEmpty());
        QVERIFY(Texto(h->RtbHisto1(6)).startsWith(QStringLiteral("x1= -1 un máximo y se localiza en\n P(-1) = 2;\n")));
        QCOMPARE(Texto(h->RtbHisto1(9)), QStringLiteral("El conjunto de todas las imágenes de P(x) es:\n(- ∞  ,  + ∞)"));
        QCOMPARE(Texto(h->RtbHisto1(10)), QStringLiteral(" la función propuesta no tiene cotas. Es decir no tiene "
                                                        "máximo absoluto ni mínimo absoluto."));
        QVERIFY(s.Grafica()->picejGraf().isVisible());

        // "Regresar": the hub's menus on, the graph idle, the flags as before.
        h->sstabHistoria()->setCurrentIndex(13);
        SesionPrueba::Pulsa(h->cmdCancelar());
        SesionPrueba::Suelta();
        QVERIFY(!frmHistoria::Existente());
        QVERIFY(s.Hub()->mnuMenuConPoli()->isEnabled());
        QVERIFY(s.Hub()->mnupoliadios()->isEnabled());
        QVERIFY(!s.Grafica()->picejGraf().isVisible());
        QCOMPARE(ConceptoResuelto, antes);
    }

    void resumenPorPolinomio_data()
    {
        QTest::addColumn<QString>("p");
        QTest::addColumn<int>("caja");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("etiqueta");
        QTest::addColumn<QString>("rotulo");
        QTest::newRow("x²+1 raíces") << "x^2+1" << 0 << " La función propuesta no tiene raíces reales" << 0
                                      << "La función tiene sólo raíces complejas";
        QTest::newRow("x²+1 signo") << "x^2+1" << 1 << "P(x) es positiva en todo el dominio" << 1 << "";
        QTest::newRow("2x+1 críticos") << "2x+1" << 4 << " La función propuesta no tiene puntos críticos." << 5 << "";
        QTest::newRow("5 rango") << "5" << 9 << "El conjunto de todas las imágenes de P(x) es:\n[5  ,  5]" << 11
                                 << "El rango del polinomio P(x) es: ";
        QTest::newRow("5 extremos") << "5" << 10
                                    << " la función propuesta es constante. Es decir, todos sus puntos son máximos o "
                                       "mínimos absolutos."
                                    << 12 << "Como se puede observar,";
    }

    void resumenPorPolinomio()
    {
        QFETCH(QString, p);
        QFETCH(int, caja);
        QFETCH(QString, texto);
        QFETCH(int, etiqueta);
        QFETCH(QString, rotulo);
        SesionPrueba s;
        frmHistoria *h = Resumen(s, p);
        QVERIFY(h);
        QCOMPARE(Texto(h->RtbHisto1(caja)), texto);
        QCOMPARE(h->LblHistoria5(etiqueta)->text(), rotulo);
    }

    void rectaSinClasificacion()
    {
        SesionPrueba s;
        frmHistoria *h = Resumen(s, QStringLiteral("2x+1"));
        QVERIFY(h);
        QVERIFY(h->LblHistoria5(7)->isHidden());
        QCOMPARE(Texto(h->RtbHisto1(6)), QStringLiteral(" La función propuesta no tiene puntos críticos."));
    }

    void constanteMuestraSuValor()
    {
        SesionPrueba s;
        frmHistoria *h = Resumen(s, QStringLiteral("5"));
        QVERIFY(h);
        for (int i = 2; i < 4; ++i) {
            QCOMPARE(h->Imext(i)->text(), QStringLiteral("5"));
            QVERIFY(h->Imext(i)->pixmap().isNull());
        }
    }

    void figuraQueFaltaMuestraSuTexto()
    {
        SesionPrueba s;
        s.DaPolinomio(QStringLiteral("x^3-3x"));
        QTemporaryDir vacia;
        FijaCarpetaPrograma(vacia.path().toStdString());
        s.Hub()->mnuGrafyCuali()->trigger();
        frmHistoria *h = frmHistoria::Existente();
        FijaCarpetaPrograma({});
        QVERIFY(h);
        QCOMPARE(h->Imext(2)->text(), QStringLiteral("−∞"));
        QCOMPARE(h->Imext(3)->text(), QStringLiteral("+∞"));
    }

    void menuRegresarYCierreDelMarco()
    {
        SesionPrueba s;
        frmHistoria *h = Resumen(s, QStringLiteral("x^2+1"));
        QVERIFY(h);
        h->mnuSalidaGrafYConce()->trigger();
        SesionPrueba::Suelta();
        QVERIFY(!frmHistoria::Existente());
        QVERIFY(s.Hub()->mnuMenuConPoli()->isEnabled());

        // Closing by the frame leaves the same way.
        h = Resumen(s, QStringLiteral("x^2+1"));
        QVERIFY(h);
        h->close();
        SesionPrueba::Suelta();
        QVERIFY(!frmHistoria::Existente());
        QVERIFY(!HistoriaAbierta);
        QVERIFY(s.Hub()->mnuMenuConPoli()->isEnabled());
        QVERIFY(s.principal->windowTitle() != QStringLiteral("Quorvane: Muestra gráfica y conceptos"));
    }

    void textoApartaElInforme()
    {
        SesionPrueba s;
        AbreParidad(s, QStringLiteral("x^3-3x"));
        s.principal->botonPorClave(QStringLiteral("pasado"))->trigger();
        frmHistoria *h = frmHistoria::Existente();
        QVERIFY(h);
        s.principal->botonPorClave(QStringLiteral("texto"))->trigger();
        QVERIFY(h->isVisible());
        QVERIFY(!(h->windowFlags() & Qt::WindowStaysOnTopHint));
        const QPoint area = s.principal->area()->mapToGlobal(QPoint(0, 0));
        QCOMPARE(h->pos() - area, QPoint(5, 170));

        // "Historia" again: one report, built anew, on top at its place.
        ConceptoResuelto[1] = true;
        s.principal->botonPorClave(QStringLiteral("pasado"))->trigger();
        SesionPrueba::Suelta();
        h = frmHistoria::Existente();
        QVERIFY(h);
        QCOMPARE(s.principal->findChildren<frmHistoria *>().size(), 1);
        QVERIFY(h->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(h->pos() - area, QPoint(400, 90));
        QCOMPARE(h->LblHistoria5(1)->text(), QStringLiteral("El signo de la función es:"));
        QCOMPARE(s.principal->windowTitle(), QStringLiteral("Quorvane: Resolución de conceptos "));
    }

    void alReiniciarSeVa()
    {
        SesionPrueba s;
        frmHistoria *h = Resumen(s, QStringLiteral("x^3-3x"));
        QVERIFY(h);
        s.Hub()->mnuRegInicio()->trigger();
        SesionPrueba::Suelta();
        QVERIFY(!frmHistoria::Existente());
        QVERIFY(!HistoriaAbierta);
    }
    // The summary left by each of its ways, round after round: the stack,
    // the caption and the hub's menus come back as they were.
    void resumenCadaSalida_data()
    {
        QTest::addColumn<QString>("salida");
        for (const char *s : {"regresar", "menu", "marco", "hubMarco", "hubInicio", "hubProponer"})
            QTest::newRow(s) << QString::fromLatin1(s);
    }
    void resumenCadaSalida()
    {
        QFETCH(QString, salida);
        SesionPrueba s;
        const int inicio = NivelPila;
        for (int ronda = 0; ronda < 3; ++ronda) {
            if (!s.Hub())
                s.principal->mnupoli_Click();
            s.DaPolinomio(QStringLiteral("x^3-3x"));
            const int nivel = NivelPila;
            const QString titulo = s.principal->windowTitle();
            s.Hub()->mnuGrafyCuali()->trigger();
            QPointer<frmHistoria> h = frmHistoria::Existente();
            QVERIFY(h);
            QCOMPARE(NivelPila, nivel + 1);
            if (salida == QLatin1String("regresar"))
                SesionPrueba::Pulsa(h->cmdCancelar());
            else if (salida == QLatin1String("menu"))
                h->mnuSalidaGrafYConce()->trigger();
            else if (salida == QLatin1String("marco"))
                h->close();
            else if (salida == QLatin1String("hubMarco"))
                GestorVentanas::instancia().marcoDe(s.Hub())->close();
            else if (salida == QLatin1String("hubInicio"))
                s.Hub()->mnuRegInicio()->trigger();
            else {
                QVERIFY(s.Hub()->mnuRegNuevoPoli()->isEnabled());
                s.Hub()->mnuRegNuevoPoli()->trigger();
            }
            SesionPrueba::Suelta();
            QVERIFY(!h);
            QVERIFY(!HistoriaAbierta);
            if (salida.startsWith(QLatin1String("hub"))) {
                QCOMPARE(NivelPila, salida == QLatin1String("hubProponer") ? inicio : 1);
                if (s.Hub())
                    s.Hub()->mnuRegInicio()->trigger();
                SesionPrueba::Suelta();
                QCOMPARE(NivelPila, 1);
                continue;
            }
            QCOMPARE(NivelPila, nivel);
            QCOMPARE(s.principal->windowTitle(), titulo);
            QVERIFY(s.Hub()->mnuMenuConPoli()->isEnabled());
            QVERIFY(s.Hub()->mnuGrafyCuali()->isEnabled());
            QVERIFY(s.Hub()->mnupoliadios()->isEnabled());
            s.Hub()->mnuRegNuevoPoli()->trigger();
            SesionPrueba::Suelta();
            QCOMPARE(NivelPila, inicio);
        }
    }
    // The exercise left while its report of solved concepts is still up:
    // once both are gone the stack and the caption are the hub's again.
    void ejercicioDejadoConElInformeAbierto()
    {
        SesionPrueba s;
        s.DaPolinomio(QStringLiteral("x^3-3x"));
        s.Hub()->mnuConsGraf()->trigger();
        const int nivel = NivelPila;
        const QString titulo = s.principal->windowTitle();
        for (int ronda = 0; ronda < 3; ++ronda) {
            QTest::mouseClick(s.Hub()->OptCalcConcepto(2), Qt::LeftButton);
            QPointer<frmParidad> p = SesionPrueba::Ventana<frmParidad>();
            QVERIFY(p);
            s.principal->botonPorClave(QStringLiteral("pasado"))->trigger();
            QPointer<frmHistoria> h = frmHistoria::Existente();
            QVERIFY(h);
            SesionPrueba::Pulsa(p->cmdCancelar());
            SesionPrueba::Suelta();
            QVERIFY(!p);
            if (h)
                SesionPrueba::Pulsa(h->cmdCancelar());
            SesionPrueba::Suelta();
            QVERIFY(!frmHistoria::Existente());
            QCOMPARE(NivelPila, nivel);
            QCOMPARE(s.principal->windowTitle(), titulo);
        }
    }
};

QTEST_MAIN(tst_HistoriaVentana)
#include "tst_HistoriaVentana.moc"
