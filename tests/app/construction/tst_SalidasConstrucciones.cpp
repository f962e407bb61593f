// Each of the thirteen constructions, chosen in the chooser, left by every
// way out, with the algebra window open too where the construction offers
// "Algebra": "Cancelar", "&Regresar" to the concepts and to the start, its
// close box, the hub's "Regresar a &Inicio" and close box behind it, the
// main window's "&Salida", "Adiós" and close box, and "&Iniciar sesión"
// (which only brings the open session to the front); the algebra window's
// own "Cerrar" and close box; and, the algebra window still open, the
// student back in the construction first. After each, the chooser comes back
// at its own level, or the first screen at level 1, and no other window is
// left.
#include "EscenaConstruccion.h"

#include <QPointer>

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
    // Windows on screen besides the hub, the graph and the chooser.
    static QStringList Sobrantes()
    {
        QStringList l;
        auto &gestor = GestorVentanas::instancia();
        for (VentanaBase *v : gestor.cargadas())
            if (v != SesionPrueba::Hub() && v != SesionPrueba::Grafica() && !qobject_cast<frmConceptos *>(v)
                && gestor.marcoDe(v)->isVisible())
                l << QString::fromLatin1(v->metaObject()->className());
        return l;
    }

private slots:
    void cadaSalida_data()
    {
        QTest::addColumn<int>("concepto");
        QTest::addColumn<bool>("algebra");
        QTest::addColumn<QString>("salida");
        // The constructions with "Algebra": critical points, monotonicity,
        // classification, inflection points, concavity.
        const QList<int> conAlgebra{5, 6, 7, 9, 10};
        for (int k = 0; k <= 12; ++k)
            for (bool algebra : {false, true}) {
                if (algebra && !conAlgebra.contains(k))
                    continue;
                QStringList salidas{"Cancelar", "conceptos", "inicio", "caja", "hub: Regresar a Inicio",
                                    "hub: caja", "Salida", "adios", "programa", "Iniciar sesion"};
                if (algebra)
                    salidas << "algebra: Cerrar" << "algebra: caja" << "vuelta: Cancelar" << "vuelta: caja"
                            << "vuelta: hub: Regresar a Inicio";
                for (const QString &salida : salidas)
                    QTest::addRow("%d%s, %s", k, algebra ? " con algebra" : "", qPrintable(salida))
                        << k << algebra << salida;
            }
    }
    void cadaSalida()
    {
        QFETCH(int, concepto);
        QFETCH(bool, algebra);
        QFETCH(QString, salida);
        EscenaConstruccion s;
        QVERIFY(s.Hub());
        QVERIFY(s.abreSelector());
        const int nivelSelector = NivelPila;
        const QString tituloSelector = s.principal->windowTitle();
        auto &gestor = GestorVentanas::instancia();

        s.elige<VentanaConstruccion>(concepto, {});
        QPointer<VentanaConstruccion> c = Abierta();
        QVERIFY(c);
        QVERIFY(s.principal->windowTitle() != tituloSelector);
        const int nivelConstruccion = NivelPila;
        const QString tituloConstruccion = s.principal->windowTitle();
        QPointer<frmpidepoli> ventanaAlgebra;
        if (algebra) {
            QVERIFY(c->CmdExpande());
            SesionPrueba::Pulsa(c->CmdExpande());
            SesionPrueba::Suelta();
            ventanaAlgebra = SesionPrueba::Ventana<frmpidepoli>();
            QVERIFY(ventanaAlgebra && ventanaAlgebra->modoAlgebra());
            QVERIFY(NivelPila > nivelConstruccion);
        }
        s.mensajes.clear();
        if (salida.startsWith(QLatin1String("vuelta: "))) {
            // Back in the construction, its own context in force again.
            gestor.muestra(c);
            c->alActivar();
            SesionPrueba::Suelta();
            QVERIFY(ventanaAlgebra);
            salida.remove(0, 8);
        }

        if (salida == QLatin1String("Cancelar"))
            SesionPrueba::Pulsa(c->cmdCancelar());
        else if (salida == QLatin1String("conceptos"))
            c->mnuReConceptos()->trigger();
        else if (salida == QLatin1String("inicio"))
            c->mnuReinicio()->trigger();
        else if (salida == QLatin1String("adios"))
            s.principal->botonPorClave(QStringLiteral("adios"))->trigger();
        else if (salida == QLatin1String("programa"))
            s.principal->close();
        else if (salida == QLatin1String("Iniciar sesion"))
            s.principal->mnupoliAccion()->trigger();
        else if (salida == QLatin1String("algebra: Cerrar"))
            SesionPrueba::Pulsa(ventanaAlgebra->CmdCerrar());
        else if (salida == QLatin1String("algebra: caja"))
            gestor.marcoDe(ventanaAlgebra)->close();
        else
            QVERIFY(s.SaleComun(salida, *c));
        SesionPrueba::Suelta();
        QCOMPARE(s.mensajes, QStringList{});

        if (salida == QLatin1String("Iniciar sesion") || salida.startsWith(QLatin1String("algebra"))) {
            // The construction stays as it was, its own context in force.
            QVERIFY(c);
            QCOMPARE(bool(ventanaAlgebra), salida == QLatin1String("Iniciar sesion") && algebra);
            if (!ventanaAlgebra) {
                QCOMPARE(gestor.actual(), c.data());
                QCOMPARE(NivelPila, nivelConstruccion);
                QCOMPARE(s.principal->windowTitle(), tituloConstruccion);
            }
            SesionPrueba::Pulsa(c->cmdCancelar());
            SesionPrueba::Suelta();
        }
        QVERIFY(!Abierta());
        QVERIFY(!SesionPrueba::Ventana<frmpidepoli>());
        if (salida == QLatin1String("Salida") || salida == QLatin1String("adios")
            || salida == QLatin1String("programa")) {
            QVERIFY(gestor.cargadas().isEmpty());
        } else if (salida.contains(QLatin1String("nicio")) || salida == QLatin1String("hub: caja")) {
            QVERIFY(gestor.cargadas().isEmpty());
            QCOMPARE(NivelPila, 1);
            QCOMPARE(s.principal->windowTitle(), QStringLiteral("Quorvane"));
            QVERIFY(s.principal->mnuSalida()->isEnabled());
            QVERIFY(s.principal->mnupoliAccion()->isEnabled());
        } else {
            frmConceptos *selector = SesionPrueba::Ventana<frmConceptos>();
            QVERIFY(selector);
            QCOMPARE(gestor.actual(), static_cast<VentanaBase *>(selector));
            QCOMPARE(NivelPila, nivelSelector);
            QCOMPARE(s.principal->windowTitle(), tituloSelector);
            QVERIFY(s.Grafica()->picejGraf().isHidden());
            QCOMPARE(Sobrantes().join(QLatin1Char(',')), QString());
            QVERIFY(s.principal->mnuSalida()->isEnabled());
        }
    }
};

QTEST_MAIN(tst_SalidasConstrucciones)
#include "tst_SalidasConstrucciones.moc"
