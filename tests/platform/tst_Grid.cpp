// The grid of the table of values.
#include "Grid.h"

#include <QtTest>

class tst_Grid : public QObject {
    Q_OBJECT

private slots:
    void rejillaCreceYGuardaTextosYAnchos()
    {
        plataforma::Grid rejilla;
        QCOMPARE(rejilla.TextMatrix(3, 1), QString());
        rejilla.SetTextMatrix(20, 1, "2.75");
        QCOMPARE(rejilla.Rows(), 21);
        QCOMPARE(rejilla.Cols(), 2);
        QCOMPARE(rejilla.TextMatrix(20, 1), QString("2.75"));
        rejilla.SetColWidth(1, 1440);
        QVERIFY(qAbs(rejilla.ColWidth(1) - 1440) <= 15);
        rejilla.SetFontBold(true);
        rejilla.SetFontSize(9);
        QVERIFY(rejilla.FontBold());
        QCOMPARE(rejilla.FontSize(), 9.0);
    }
};

QTEST_MAIN(tst_Grid)
#include "tst_Grid.moc"
