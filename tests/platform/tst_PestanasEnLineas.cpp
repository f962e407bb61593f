// The tools' tab strip in a narrow panel: every tab in sight, its caption
// on two lines, no scroll arrows; in a wide one, one line as before.
#include "PestanasEnLineas.h"

#include <QTabBar>
#include <QTest>
#include <QToolButton>

class TstPestanasEnLineas : public QObject {
    Q_OBJECT
private slots:
    void todasALaVista();
};

void TstPestanasEnLineas::todasALaVista()
{
    PestanasEnLineas pestanas;
    pestanas.setDocumentMode(true);
    const QStringList titulos = {QStringLiteral("Evaluación puntual de P´´(x)"),
                                 QStringLiteral("Evaluación por rango de P´´(x)"),
                                 QStringLiteral("Ptos. de Inflexión calculados")};
    for (const QString &t : titulos)
        pestanas.addTab(new QWidget, t);
    QTabBar *barra = pestanas.tabBar();
    pestanas.resize(1200, 200);
    pestanas.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pestanas));
    QVERIFY(!pestanas.EnDosLineas());
    const int una = barra->sizeHint().width();
    pestanas.resize(una + 40, 200);
    QCoreApplication::processEvents();
    QVERIFY(!pestanas.EnDosLineas());
    const int altoUnaLinea = barra->height();

    const auto enVista = [&] {
        for (int i = 0; i < barra->count(); ++i)
            if (!barra->rect().contains(barra->tabRect(i)))
                return false;
        for (const QToolButton *flecha : barra->findChildren<QToolButton *>())
            if (flecha->isVisible())
                return false;
        return true;
    };
    QVERIFY(enVista());

    pestanas.resize(una * 2 / 3, 200);
    QCoreApplication::processEvents();
    QVERIFY(pestanas.EnDosLineas());
    QVERIFY(enVista());
    QVERIFY(barra->height() > altoUnaLinea);
    for (int i = 0; i < barra->count(); ++i)
        QCOMPARE(pestanas.tabText(i), titulos.at(i));
    // The page under the strip starts below its second line.
    QVERIFY(pestanas.currentWidget()->mapTo(&pestanas, QPoint(0, 0)).y() > barra->geometry().bottom());

    // Too narrow even for two lines: the arrows again.
    pestanas.resize(120, 200);
    QCoreApplication::processEvents();
    QVERIFY(!pestanas.EnDosLineas());

    pestanas.resize(una + 40, 200);
    QCoreApplication::processEvents();
    QVERIFY(!pestanas.EnDosLineas());
    QCOMPARE(barra->height(), altoUnaLinea);
}

QTEST_MAIN(TstPestanasEnLineas)
#include "tst_PestanasEnLineas.moc"
