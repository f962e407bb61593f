// The tools' tab strip in a narrow panel: every tab in sight, no scroll
// arrows, smaller letters first (the strip no taller), then two lines; in a
// wide one, the window's font as before.
#include "PestanasAjustadas.h"

#include <QFontInfo>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

class TstPestanasAjustadas : public QObject {
    Q_OBJECT
private slots:
    void todasALaVista();
};

void TstPestanasAjustadas::todasALaVista()
{
    PestanasAjustadas pestanas;
    pestanas.setDocumentMode(true);
    const QStringList titulos = {QStringLiteral("Evaluación puntual"), QStringLiteral("Evaluación por rango"),
                                 QStringLiteral("Ptos. de Inflexión calculados")};
    for (const QString &t : titulos)
        pestanas.addTab(new QWidget, t);
    QTabBar *barra = pestanas.tabBar();
    pestanas.resize(1200, 200);
    pestanas.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pestanas));
    const double normal = QFontInfo(pestanas.font()).pointSizeF();
    QCOMPARE(QFontInfo(barra->font()).pointSizeF(), normal);
    const int una = barra->sizeHint().width();
    const int alto = barra->height();

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

    pestanas.resize(una * 5 / 6, 200);
    QCoreApplication::processEvents();
    QVERIFY(QFontInfo(barra->font()).pointSizeF() < normal);
    QVERIFY(enVista());
    QVERIFY(barra->height() <= alto);
    for (int i = 0; i < barra->count(); ++i)
        QCOMPARE(pestanas.tabText(i), titulos.at(i));

    // Too narrow for one line even at the least size: two lines at the
    // window's font, all in sight, the captions as they were.
    pestanas.resize(una * 7 / 10, 200);
    QCoreApplication::processEvents();
    QVERIFY(pestanas.EnDosLineas());
    QCOMPARE(QFontInfo(barra->font()).pointSizeF(), normal);
    QVERIFY(enVista());
    QVERIFY(barra->height() > alto);
    QVERIFY(pestanas.currentWidget()->mapTo(&pestanas, QPoint(0, 0)).y() > barra->geometry().bottom());
    for (int i = 0; i < barra->count(); ++i)
        QCOMPARE(pestanas.tabText(i), titulos.at(i));

    // Too narrow even for that: the arrows again, the letters legible.
    pestanas.resize(120, 200);
    QCoreApplication::processEvents();
    QVERIFY(!pestanas.EnDosLineas());
    QCOMPARE(barra->font().pointSizeF(), PestanasAjustadas::PuntosMinimos);

    pestanas.resize(1200, 200);
    QCoreApplication::processEvents();
    QVERIFY(!pestanas.EnDosLineas());
    QCOMPARE(QFontInfo(barra->font()).pointSizeF(), normal);
    QCOMPARE(barra->height(), alto);
    QVERIFY(enVista());
}

QTEST_MAIN(TstPestanasAjustadas)
#include "tst_PestanasAjustadas.moc"
