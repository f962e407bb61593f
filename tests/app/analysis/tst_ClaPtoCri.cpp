// The classification of the critical points, worked as a student: before
// the critical points are found, without critical points, a horizontal
// inflection, the monotonicity list, and the graph roads.
#include "EntornoEjercicios.h"

#include "PanelHerramientas.h"
#include "frmClaPtoCri.h"

#include "modTexto.h"

#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QTabWidget>

class tst_ClaPtoCri : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<EntornoEjercicios> e;

    frmClaPtoCri *abre(Camino camino = Camino::Analitico) { return e->Abre<frmClaPtoCri>(7, camino); }
    void elige(frmClaPtoCri &w, int opcion)
    {
        w.OptParidad(opcion)->click();
        Pulsa(*w.cmdListo());
        Asienta();
    }
    static QString instruccion(int n, const char *palabra)
    {
        return QString::fromStdString(TextoInstrucciones(static_cast<std::int16_t>(n), palabra));
    }

private slots:
    void init()
    {
        e = std::make_unique<EntornoEjercicios>();
        EntornoEjercicios::Polinomio({{1, 3}, {-3, 1}});
    }
    void cleanup() { e.reset(); }

    void primeroLosPuntosCriticos()
    {
        frmClaPtoCri *w = abre();
        QCOMPARE(w->lblraicesm()->text(), instruccion(20, "primero"));
        QCOMPARE(w->lblraicesm()->font().pointSize(), 14);
        for (int i = 0; i < 3; ++i)
            QVERIFY(!w->OptParidad(i)->isEnabled());
        QVERIFY(!w->cmdListo()->Enabled());
        QVERIFY(!w->herramientas()->stabRaices()->isEnabled());
        QCOMPARE(w->LisInterMono()->item(0)->text(), QStringLiteral("Hay que calcularlos."));
        Pulsa(*w->cmdCancelar());
        Asienta();
        QVERIFY(!ConceptoResuelto[7]);
        QVERIFY(e->abridor.deshabilitadas.isEmpty());
        QCOMPARE(NivelPila, e->nivelOpener);
    }

    void sinPuntosCriticosSalirEsResolver()
    {
        ConceptoResuelto[5] = true;
        EntornoEjercicios::Polinomio({{1, 1}, {1, 0}});
        frmClaPtoCri *w = abre();
        QCOMPARE(w->lblraicesm()->text(), instruccion(20, "no tiene"));
        QVERIFY(!w->OptParidad(0)->isEnabled());
        QVERIFY(w->herramientas()->stabRaices()->isEnabled());
        Pulsa(*w->cmdCancelar());
        Asienta();
        QVERIFY(e->mensajes.isEmpty());
        QVERIFY(ConceptoResuelto[7]);
        QCOMPARE(ConceptoActual, std::int16_t(8));
        QCOMPARE(e->abridor.deshabilitadas, QList<int>{7});
        QCOMPARE(NivelPila, e->nivelOpener);
    }

    void inflexionHorizontal()
    {
        ConceptoResuelto[5] = true;
        EntornoEjercicios::Polinomio({{1, 3}});
        frmClaPtoCri *w = abre();
        QVERIFY(w->lblraicesm()->text().contains(QStringLiteral("** X = 0 **")));
        QVERIFY(!w->cmdListo()->Enabled());
        elige(*w, 1);
        elige(*w, 0);
        QCOMPARE(e->mensajes, (QStringList{Error(40), Exito(17)}));
        QVERIFY(ConceptoResuelto[7]);
    }

    void intervalosDeMonotonia()
    {
        ConceptoResuelto[5] = ConceptoResuelto[6] = true;
        frmClaPtoCri *w = abre();
        QListWidget *l = w->LisInterMono();
        QCOMPARE(l->count(), 3);
        QCOMPARE(l->item(0)->text(), QStringLiteral("En  [-inf , -1] ;  P(x) es Creciente;  \n"));
        QCOMPARE(l->item(1)->text(), QStringLiteral("En  [-1 , 1] ;  P(x) es Decreciente;  \n"));
        QCOMPARE(l->item(2)->text(), QStringLiteral("En  [1 , inf] ;  P(x) es Creciente;  \n"));
        Pulsa(*w->cmdCancelar());
        Asienta();

        EntornoEjercicios::Polinomio({{-1, 3}});
        w = abre();
        QCOMPARE(w->LisInterMono()->count(), 1);
        QCOMPARE(w->LisInterMono()->item(0)->text(), QStringLiteral(" P(x) es Decreciente en todo el dominio"));
    }

    void caminosGraficos()
    {
        ConceptoResuelto[5] = true;
        frmClaPtoCri *w = abre(Camino::GraficaDeri);
        QVERIFY(w->lblraicesm()->text().startsWith(QStringLiteral("En el plano aparece la gráfica de la derivada")));
        // The tools would give P away on the derivative's road.
        QVERIFY(!w->herramientas()->stabRaices()->isEnabled());
        Pulsa(*w->cmdCancelar());
        Asienta();
        QCOMPARE(e->abridor.desmarcadas, QList<int>{4});

        w = abre(Camino::GraficaPoli);
        QVERIFY(e->grafica.recorre);
        QCOMPARE(NumApoyo, std::int16_t(65));
        elige(*w, 1);
        elige(*w, 2);
        QCOMPARE(e->mensajes, (QStringList{Exito(19), Exito(17)}));
        QCOMPARE(e->abridor.deshabilitadas, QList<int>{6});
        QVERIFY(!e->grafica.recorre);
        QCOMPARE(ConceptoActual, std::int16_t(0));
    }

    void herramientasConTresPolinomios()
    {
        ConceptoResuelto[5] = true;
        frmClaPtoCri *w = abre();
        PanelHerramientas *h = w->herramientas();
        const QString pestana = h->stabRaices()->tabText(0);
        h->OptPuntPolioDeri(2)->click();
        Escribe(*h->cajaPunto(), QStringLiteral("2"));
        QTest::keyClick(h->cajaPunto()->Caja(), Qt::Key_Return);
        // P''(2) = 12, and the tab keeps its caption.
        QCOMPARE(h->LblPuntual()->text(), QStringLiteral("12"));
        QCOMPARE(h->stabRaices()->tabText(0), pestana);
    }
};

QTEST_MAIN(tst_ClaPtoCri)
#include "tst_ClaPtoCri.moc"
