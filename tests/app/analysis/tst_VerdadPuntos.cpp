// Random classroom polynomials, typed as factors and expanded: the roots
// (every copy of a multiple one), critical points, inflection points and
// the class of each critical point, answered on every road that offers
// them, against what the factors say.
#include "JuicioVerdad.h"

class tst_VerdadPuntos : public QObject {
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
        const QStringList fallos = juicio::TrabajaTecleos(semilla, 5000, &juicio::Juez::puntosDe);
        QVERIFY2(fallos.isEmpty(), qPrintable(fallos.join('\n')));
    }
};

QTEST_MAIN(tst_VerdadPuntos)
#include "tst_VerdadPuntos.moc"
