// The report's numbered list of real roots.
#include "Globales.h"
#include "Historia.h"
#include "generapoli.h"

#include "RichTextBox.h"

#include "Regional.h"

#include <QtTest>

class tst_Historia : public QObject {
    Q_OBJECT

private:
    static FuncPolinPtr Registro(std::initializer_list<std::pair<double, int>> terminos)
    {
        PoliPtr p = Collpolinomio::Nuevo();
        for (const auto &[c, e] : terminos)
            p->Agrega(c, static_cast<std::int16_t>(e));
        return CreaFuncPolin(p);
    }

private slots:
    void init()
    {
        ReiniciaGlobales();
        rt::FijaSeparadorLocal('.');
    }

    void raizDobleDosVeces()
    {
        PoliActual = Registro({{1, 2}, {-2, 1}, {1, 0}}); // (x - 1)^2
        RichTextBox caja;
        HistoriaCalculos(caja);
        QCOMPARE(QString::fromStdString(caja.Text()), QString("x1= 1\nx2= 1\n"));
        // The indices are small and lowered.
        QCOMPARE(caja.TamanoCaracter(1), 7.0);
        QVERIFY(caja.DesplazamientoCaracter(1) < 0);
    }

    void soloLasRaicesDeP()
    {
        PoliActual = Registro({{1, 3}, {-4, 1}}); // roots -2, 0, 2; P' and P'' have roots too
        RichTextBox caja;
        HistoriaCalculos(caja);
        QCOMPARE(QString::fromStdString(caja.Text()), QString("x1= -2\nx2= 0\nx3= 2\n"));
        // A second report starts its own list.
        HistoriaCalculos(caja);
        QCOMPARE(QString::fromStdString(caja.Text()), QString("x1= -2\nx2= 0\nx3= 2\n"));
    }

    void sinRaicesRealesLaCajaNoCambia()
    {
        RichTextBox caja;
        caja.SetText("antes");
        PoliActual = Registro({{1, 2}, {1, 0}}); // x^2 + 1
        HistoriaCalculos(caja);
        QCOMPARE(caja.Text(), std::string("antes"));
        PoliActual.reset();
        HistoriaCalculos(caja);
        QCOMPARE(caja.Text(), std::string("antes"));
    }
};

QTEST_MAIN(tst_Historia)
#include "tst_Historia.moc"
