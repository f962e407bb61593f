// Random classroom polynomials, typed as factors and expanded: the sign,
// monotonicity and concavity intervals and the range, answered on every
// road that offers them, against what the factors say.
#include "JuicioVerdad.h"

using namespace juicio;

class tst_VerdadIntervalos : public QObject {
    Q_OBJECT

private slots:
    void todoCamino_data()
    {
        QTest::addColumn<int>("semilla");
        for (int i = 0; i < kSemillas; ++i)
            QTest::newRow(qPrintable(QStringLiteral("semilla %1").arg(i))) << i;
    }
    void todoCamino()
    {
        QFETCH(int, semilla);
        std::mt19937 azar(static_cast<unsigned>(7000 + semilla));
        QStringList fallos;
        QString nombre;
        for (const Tecleo &t : Tecleos(azar, semilla)) {
            const ProblemaAula &p = t.problema;
            nombre = p.nombre;
            EntornoEjercicios e;
            QVERIFY2(PoliActualTecleado(t), qPrintable(p.nombre + QStringLiteral(" tecleado ") + t.texto));
            Juez juez(e, azar);
            for (Camino c : DosCaminos())
                juez.intervalos(1, c, SignoVerdad(p));
            for (Camino c : TresCaminos())
                juez.intervalos(6, c, CambiosVerdad(p, 1));
            for (Camino c : DosCaminos())
                juez.intervalos(10, c, CambiosVerdad(p, 2));
            for (Camino c : TresCaminos())
                juez.rango(c, RangoVerdad(p));
            for (const QString &f : juez.fallos)
                fallos << t.texto + QStringLiteral(": ") + f;
        }
        QVERIFY2(fallos.isEmpty(), qPrintable(nombre + QStringLiteral("\n") + fallos.join('\n')));
    }

private:
    static constexpr int kSemillas = 60;
};

QTEST_MAIN(tst_VerdadIntervalos)
#include "tst_VerdadIntervalos.moc"
