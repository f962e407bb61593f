// A long polynomial (degree 15, ten-digit coefficients) as the hub and an
// exercise show it, on the two screens the program meets: every line is in
// view or within reach of a scroll bar, none is cut, and the exercise's
// buttons keep their height.
#include "../shell/tst_HubSesion.h"

#include "frmderivada1.h"

#include "princip.h"

#include "../../platform/LineasVisibles.h"

class tst_CajasPolinomio : public QObject {
    Q_OBJECT

private slots:
    void polinomioLargo_data()
    {
        QTest::addColumn<QSize>("pantalla");
        QTest::newRow("1024x768") << QSize(1024, 768);
        QTest::newRow("1280x800") << QSize(1280, 800);
    }
    void polinomioLargo()
    {
        QFETCH(QSize, pantalla);
        SesionPrueba s;
        s.principal->resize(pantalla);
        s.principal->show();
        TomaMedidas();
        s.DaPolinomio(QStringLiteral("1234567891x^15-2345678912x^14+3456789123x^13-4567891234x^12+5678912345x^11"
                                     "-6789123456x^10+7891234567x^9-8912345678x^8+9123456789x^7-1234567890x^6"
                                     "+2345678901x^5-3456789012x^4+4567890123x^3-5678901234x^2+6789012345x"
                                     "-7890123456"));
        QCoreApplication::processEvents();
        const auto informe = [](const LineasVisibles &v) {
            return QStringLiteral("%1 lines, %2 whole, %3 cut, bar %4")
                .arg(v.total).arg(v.enteras).arg(v.cortadas).arg(v.barra)
                .toUtf8();
        };
        const LineasVisibles hub = LineasVisibles::De(*s.Hub()->RtfDasPoli2());
        QVERIFY2(hub.total > 1 && hub.todoAlAlcance(), informe(hub).constData());

        s.Hub()->OptCalcConcepto(4)->click();
        auto *w = SesionPrueba::Ventana<frmderivada1>();
        QVERIFY(w);
        QCoreApplication::processEvents();
        const LineasVisibles ejercicio = LineasVisibles::De(*w->RtfDasPoli2());
        QVERIFY2(ejercicio.total > 1 && ejercicio.todoAlAlcance(), informe(ejercicio).constData());
        for (Usc *b : {w->cmdListo(), w->cmdCancelar()})
            QCOMPARE(b->height(), b->sizeHint().height());
    }
};

QTEST_MAIN(tst_CajasPolinomio)
#include "tst_CajasPolinomio.moc"
