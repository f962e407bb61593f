// The windows that give the hub its polynomial (typed, to order), each left
// by every way out while it is open: its own "Cancelar" and close box, the
// hub's "Regresar a &Inicio" and close box behind it, the main window's
// "&Salida". After each one the stack, the main caption, the main menus and
// the hub's menus are as the way out leaves them, and no window is left.
#include "tst_HubSesion.h"

#include "frmDoyPoli.h"

class tst_SalidasFuentes : public QObject {
    Q_OBJECT

private slots:
    void cadaSalida_data()
    {
        QTest::addColumn<bool>("aOrden");
        QTest::addColumn<QString>("salida");
        for (bool aOrden : {false, true})
            for (const char *salida : {"Cancelar", "caja", "hub: Regresar a Inicio", "hub: caja", "Salida"})
                QTest::addRow("%s, %s", aOrden ? "a orden" : "propuesto", salida)
                    << aOrden << QString::fromLatin1(salida);
    }
    void cadaSalida()
    {
        QFETCH(bool, aOrden);
        QFETCH(QString, salida);
        SesionPrueba s;
        frmPolical *hub = s.Hub();
        QVERIFY(hub);
        const int nivelHub = NivelPila;
        const QString tituloHub = s.principal->windowTitle();
        auto &gestor = GestorVentanas::instancia();

        VentanaBase *w = nullptr;
        Usc *cancelar = nullptr;
        if (aOrden) {
            hub->mnuTuEliges()->trigger();
            auto *d = SesionPrueba::Ventana<frmDoyPoli>();
            w = d;
            cancelar = d ? d->cmdcancela() : nullptr;
        } else {
            frmpidepoli *p = s.Propone(QStringLiteral("x^3-3x"));
            w = p;
            cancelar = p ? p->cmdCancelar() : nullptr;
        }
        QVERIFY(w);
        QCOMPARE(NivelPila, nivelHub + 1);

        if (salida == QLatin1String("Cancelar"))
            SesionPrueba::Pulsa(cancelar);
        else
            QVERIFY(s.SaleComun(salida, *w));
        SesionPrueba::Suelta();

        QVERIFY(!SesionPrueba::Ventana<frmpidepoli>());
        QVERIFY(!SesionPrueba::Ventana<frmDoyPoli>());
        if (salida == QLatin1String("Cancelar") || salida == QLatin1String("caja")) {
            QCOMPARE(gestor.actual(), hub);
            QCOMPARE(NivelPila, nivelHub);
            QCOMPARE(s.principal->windowTitle(), tituloHub);
            QVERIFY(!PoliActual);
            QVERIFY(hub->mnutupropo()->isEnabled());
            QVERIFY(hub->mnuSePropoPoli()->isEnabled());
            QVERIFY(!hub->mnuMenuConPoli()->isEnabled());
            QVERIFY(hub->mnuRegInicio()->isEnabled());
        } else if (salida != QLatin1String("Salida")) {
            QVERIFY(!s.Hub());
            QCOMPARE(NivelPila, 1);
            QCOMPARE(s.principal->windowTitle(), QStringLiteral("Quorvane"));
            QVERIFY(s.principal->mnupoliAccion()->isEnabled());
            QVERIFY(s.principal->mnuSalida()->isEnabled());
        } else {
            QVERIFY(gestor.cargadas().isEmpty());
        }
    }
};

QTEST_MAIN(tst_SalidasFuentes)
#include "tst_SalidasFuentes.moc"
