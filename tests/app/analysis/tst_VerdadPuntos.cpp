// Random classroom polynomials, typed as factors and expanded: the roots
// (every copy of a multiple one), critical points, inflection points and
// the class of each critical point, answered on every road that offers
// them, against what the factors say.
#include "JuicioVerdad.h"

using namespace juicio;

class tst_VerdadPuntos : public QObject {
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
        std::mt19937 azar(static_cast<unsigned>(5000 + semilla));
        QStringList fallos;
        QString nombre;
        for (const Tecleo &t : Tecleos(azar, semilla)) {
            const ProblemaAula &p = t.problema;
            nombre = p.nombre;
            EntornoEjercicios e;
            QVERIFY2(PoliActualTecleado(t), qPrintable(p.nombre + QStringLiteral(" tecleado ") + t.texto));
            Juez juez(e, azar);
            const auto criticos = RaicesVerdad(p, 1);
            for (Camino c : DosCaminos())
                juez.puntos(0, c, ConCopias(RaicesVerdad(p, 0)));
            for (Camino c : TresCaminos())
                juez.puntos(5, c, Valores(criticos));
            for (Camino c : DosCaminos())
                juez.puntos(9, c, Valores(Cambios(RaicesVerdad(p, 2))));
            if (!criticos.empty()) // nothing to classify
                for (Camino c : TresCaminos())
                    juez.clasificacion(c, Valores(criticos), ClasesVerdad(p));
            for (const QString &f : juez.fallos)
                fallos << t.texto + QStringLiteral(": ") + f;
        }
        QVERIFY2(fallos.isEmpty(), qPrintable(nombre + QStringLiteral("\n") + fallos.join('\n')));
    }

private:
    static constexpr int kSemillas = 60;
};

QTEST_MAIN(tst_VerdadPuntos)
#include "tst_VerdadPuntos.moc"
