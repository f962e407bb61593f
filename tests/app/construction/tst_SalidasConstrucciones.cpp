// Each of the constructions, chosen in the chooser, left by every way out:
// "Cancelar", "&Regresar" to the concepts and to the start, its close box,
// the hub's "Regresar a &Inicio" and close box behind it, the main window's
// "&Salida". The chooser comes back at its own level, or the first screen
// at level 1, and no construction is left.
#include "EscenaConstruccion.h"

class tst_SalidasConstrucciones : public QObject {
    Q_OBJECT

private:
    static VentanaConstruccion *Abierta()
    {
        for (VentanaBase *v : GestorVentanas::instancia().cargadas())
            if (auto *c = qobject_cast<VentanaConstruccion *>(v))
                return c;
        return nullptr;
    }

private slots:
    void cadaSalida_data()
    {
        QTest::addColumn<int>("concepto");
        QTest::addColumn<QString>("salida");
        for (int k : {0, 1, 2, 3, 11})
            for (const char *salida : {"Cancelar", "conceptos", "inicio", "caja", "hub: Regresar a Inicio",
                                       "hub: caja", "Salida"})
                QTest::addRow("%d, %s", k, salida) << k << QString::fromLatin1(salida);
    }
    void cadaSalida()
    {
        QFETCH(int, concepto);
        QFETCH(QString, salida);
        EscenaConstruccion s;
        frmPolical *hub = s.Hub();
        QVERIFY(hub);
        QVERIFY(s.abreSelector());
        const int nivelSelector = NivelPila;
        const QString tituloSelector = s.principal->windowTitle();
        auto &gestor = GestorVentanas::instancia();

        s.elige<VentanaConstruccion>(concepto, {});
        VentanaConstruccion *c = Abierta();
        QVERIFY(c);
        QVERIFY(s.principal->windowTitle() != tituloSelector);
        s.mensajes.clear();

        if (salida == QLatin1String("Cancelar"))
            SesionPrueba::Pulsa(c->cmdCancelar());
        else if (salida == QLatin1String("conceptos"))
            c->mnuReConceptos()->trigger();
        else if (salida == QLatin1String("inicio"))
            c->mnuReinicio()->trigger();
        else
            QVERIFY(s.SaleComun(salida, *c));
        SesionPrueba::Suelta();

        QVERIFY(!Abierta());
        QCOMPARE(s.mensajes, QStringList{});
        if (salida == QLatin1String("Cancelar") || salida == QLatin1String("conceptos")
            || salida == QLatin1String("caja")) {
            frmConceptos *selector = SesionPrueba::Ventana<frmConceptos>();
            QVERIFY(selector);
            QCOMPARE(gestor.actual(), static_cast<VentanaBase *>(selector));
            QCOMPARE(NivelPila, nivelSelector);
            QCOMPARE(s.principal->windowTitle(), tituloSelector);
            QVERIFY(s.Grafica()->picejGraf().isHidden());
        } else if (salida != QLatin1String("Salida")) {
            QVERIFY(gestor.cargadas().isEmpty());
            QCOMPARE(NivelPila, 1);
            QCOMPARE(s.principal->windowTitle(), QStringLiteral("Quorvane"));
            QVERIFY(s.principal->mnuSalida()->isEnabled());
        } else {
            QVERIFY(gestor.cargadas().isEmpty());
        }
    }
};

QTEST_MAIN(tst_SalidasConstrucciones)
#include "tst_SalidasConstrucciones.moc"
