// The polynomial to order: degree, parity and a quality line give a
// polynomial; "Otro" gives another; "Continuar" makes it current.
#include "tst_HubSesion.h"

#include "ListasCualidades.h"
#include "frmDoyPoli.h"

#include "generapoli.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionComboBox>

class tst_DoyPoli : public QObject {
    Q_OBJECT

private:
    static frmDoyPoli *Abre(SesionPrueba &s)
    {
        s.Hub()->mnuTuEliges()->trigger();
        return SesionPrueba::Ventana<frmDoyPoli>();
    }
    static void Grado(frmDoyPoli &w, int grado)
    {
        w.UpdGrado()->setValue(grado == 1 ? 2 : 1);
        w.UpdGrado()->setValue(grado);
    }

private slots:
    void listasPorGradoYParidad()
    {
        QCOMPARE(ListaCualidades(1, false), QStringList{QStringLiteral("Una raíz")});
        QCOMPARE(ListaCualidades(1, true), QStringList{QStringLiteral("Una raíz")});
        QCOMPARE(ListaCualidades(4, true).value(2), QStringLiteral("2 ó 4 raíces reales, 3 puntos críticos"));
        QCOMPARE(ListaCualidades(5, false).size(), 6);
        QCOMPARE(ListaCualidades(5, true).size(), 5);
        // The texts keep their double blanks.
        QCOMPARE(ListaCualidades(7, false).value(4),
                 QStringLiteral("5 puntos de inflexión, 5 puntos críticos, 7  raíces reales"));
        QCOMPARE(ListaCualidades(12, true).value(3),
                 QStringLiteral("2 puntos de inflexión, 2 puntos críticos, raíz séxtuple"));
        QVERIFY(ListaCualidades(0, false).isEmpty());
        QVERIFY(ListaCualidades(13, true).isEmpty());
        for (int g = 1; g <= 12; ++g)
            for (bool sin : {false, true})
                for (const QString &linea : ListaCualidades(g, sin))
                    QVERIFY(!linea.isEmpty());
    }

    void gradoParidadCualidadYContinuar()
    {
        SesionPrueba s;
        const int nivel = NivelPila;
        ConceptoActual = 2;
        frmDoyPoli *w = Abre(s);
        QVERIFY(w);
        QCOMPARE(NivelPila, nivel + 1);
        QCOMPARE(s.principal->windowTitle(), QStringLiteral("Quorvane: Propone un polinomio"));
        QCOMPARE(w->windowTitle(), QStringLiteral("Elegir grado y cualidades del polinomio por analizar"));
        QVERIFY(!w->optparidad1()->isEnabled());
        // Waiting for the degree, both options already say what they are.
        QCOMPARE(w->optparidad1()->text(), QStringLiteral("Impar "));
        QCOMPARE(w->optparidad2()->text(), QStringLiteral("Sin paridad"));
        QVERIFY(!w->cmdListo()->Enabled());
        QVERIFY(!s.Hub()->mnupoliadios()->isEnabled());
        // Activation puts its context back without pushing another.
        w->alActivar();
        w->alActivar();
        QCOMPARE(NivelPila, nivel + 1);

        Grado(*w, 4);
        QCOMPARE(w->Txtgrado()->text(), QStringLiteral("4"));
        QCOMPARE(w->optparidad1()->text(), QStringLiteral("Par "));
        QVERIFY(w->optparidad1()->isEnabled());
        QVERIFY(!w->CmbCualidades()->isEnabled());
        QTest::mouseClick(w->optparidad1(), Qt::LeftButton);
        QVERIFY(w->optparidad1()->isChecked());
        QCOMPARE(w->CmbCualidades()->count(), 3);
        QCOMPARE(w->CmbCualidades()->itemText(1), QStringLiteral("Dos raíces reales, un punto crítico"));
        QVERIFY(!w->cmdListo()->Enabled());
        w->CmbCualidades()->setCurrentIndex(1);
        emit w->CmbCualidades()->activated(1);
        QVERIFY(w->cmdListo()->Enabled());

        SesionPrueba::Pulsa(w->cmdListo());
        QCOMPARE(w->grado(), std::int16_t(4));
        QCOMPARE(w->paridad(), std::int16_t(0));
        QCOMPARE(w->cualidad(), std::int16_t(1));
        QVERIFY(w->rtfdoypoli()->isVisible());
        QVERIFY(!w->cmdListo()->isVisible());
        QVERIFY(!w->UpdGrado()->isEnabled());
        QVERIFY(PoliAzar);
        QCOMPARE(PoliAzar->Grado(), std::int16_t(4));
        const PoliPtr antes = PoliAzar;

        SesionPrueba::Pulsa(w->cmdotro());
        QVERIFY(PoliAzar != antes);
        QCOMPARE(PoliAzar->Grado(), std::int16_t(4));
        QVERIFY(!w->rtfdoypoli()->Text().empty());

        SesionPrueba::Pulsa(w->CmdPasa());
        SesionPrueba::Suelta();
        QVERIFY(!SesionPrueba::Ventana<frmDoyPoli>());
        QCOMPARE(NivelPila, nivel);
        QVERIFY(PoliDado);
        QCOMPARE(PoliActual->Polin(), PoliAzar);
        QCOMPARE(ConceptoActual, std::int16_t(0));
        QCOMPARE(PasoGuia, std::string("instrucciones"));
        QCOMPARE(NumAyuda, std::int16_t(7));
        frmPolical *hub = s.Hub();
        QVERIFY(hub->fraTitulo()->isVisible());
        QVERIFY(hub->mnuMenuConPoli()->isEnabled());
        QVERIFY(hub->mnupoliadios()->isEnabled());
        QVERIFY(!hub->mnuSePropoPoli()->isEnabled());
    }

    void sinParidadYGradoUno()
    {
        SesionPrueba s;
        frmDoyPoli *w = Abre(s);
        Grado(*w, 1);
        QCOMPARE(w->optparidad1()->text(), QStringLiteral("Impar "));
        QTest::mouseClick(w->optparidad2(), Qt::LeftButton);
        QVERIFY(w->optparidad2()->isChecked());
        QVERIFY(!w->optparidad1()->isChecked());
        QCOMPARE(w->CmbCualidades()->count(), 1);
        // A new degree clears the parity and the list.
        Grado(*w, 3);
        QVERIFY(!w->optparidad2()->isChecked());
        QCOMPARE(w->CmbCualidades()->count(), 0);
        QVERIFY(!w->CmbCualidades()->isEnabled());
    }

    void cancelarYRegresar()
    {
        SesionPrueba s;
        const int nivel = NivelPila;
        frmDoyPoli *w = Abre(s);
        w->cmdcancela_Click();
        SesionPrueba::Suelta();
        QCOMPARE(NivelPila, nivel);
        QVERIFY(!PoliDado);
        QVERIFY(s.Hub()->mnuSePropoPoli()->isEnabled());
        QVERIFY(s.Hub()->mnupoliadios()->isEnabled());

        w = Abre(s);
        w->mnuSalidaEliges()->trigger();
        SesionPrueba::Suelta();
        QVERIFY(!SesionPrueba::Ventana<frmDoyPoli>());
        QCOMPARE(NivelPila, nivel);
    }

    void cadaLineaSeLeeEntera()
    {
        // The chosen line stays on view once the list closes: the longest
        // line of any degree fits the box, and the box fits the window.
        SesionPrueba s;
        frmDoyPoli *w = Abre(s);
        QComboBox *c = w->CmbCualidades();
        QStyleOptionComboBox opcion;
        opcion.initFrom(c);
        const int campo = c->style()->subControlRect(QStyle::CC_ComboBox, &opcion, QStyle::SC_ComboBoxEditField, c).width();
        for (int g = 1; g <= 12; ++g)
            for (bool sin : {false, true})
                for (const QString &linea : ListaCualidades(g, sin))
                    QVERIFY2(c->fontMetrics().horizontalAdvance(linea) <= campo, qPrintable(linea));
        QVERIFY(c->mapTo(w, QPoint(c->width(), 0)).x() <= w->width());
    }
};

QTEST_MAIN(tst_DoyPoli)
#include "tst_DoyPoli.moc"
