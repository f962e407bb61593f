// Random classroom polynomials, typed as factors and expanded: the sign,
// monotonicity and concavity intervals and the range, answered on every
// road that offers them, against what the factors say.
#include "JuicioVerdad.h"

class tst_VerdadIntervalos : public QObject {
    Q_OBJECT

private slots:
    void todoCamino_data()
    {
        QTest::addColumn<int>("semilla");
        for (int i = 0; i < 60; ++i)
            QTest::newRow(qPrintable(QStringLiteral("semilla %1").arg(i))) << i;
    }
    void todoCamino()
    {
        QFETCH(int, semilla);
        const QStringList fallos = juicio::TrabajaTecleos(semilla, 7000, &juicio::Juez::intervalosDe);
        QVERIFY2(fallos.isEmpty(), qPrintable(fallos.join('\n')));
    }
};

QTEST_MAIN(tst_VerdadIntervalos)
#include "tst_VerdadIntervalos.moc"
