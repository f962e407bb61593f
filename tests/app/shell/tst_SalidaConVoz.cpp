// Leaving the program while the assistant speaks: by every way out, again
// and again, the voice's engine thread (and the speech client's, with the
// desktop's engine) has ended before the windows and statics go, as the
// program's end waits for them. Here the voice has its thread but no
// speech service, which may take many seconds to start on a busy machine;
// scripts/salida-con-voz.sh runs it under the sanitizers with the desktop's
// engine (QUORVANE_VOZ_ESCRITORIO=1).
#include "tst_PrincipalArranque.h"

#include "GuiaGenio.h"
#include "Personaje.h"
#include "Voz.h"
#include "VozQt.h"

#include <QSignalSpy>

class tst_SalidaConVoz : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (qEnvironmentVariableIsSet("QUORVANE_VOZ_ESCRITORIO"))
            FabricaDeVoz() = [] { return std::make_unique<VozQt>(); };
        else
            FabricaDeVoz() = [] { return std::make_unique<VozQt>(QStringLiteral("ninguno")); };
    }

    void salida_data()
    {
        QTest::addColumn<QString>("como");
        QTest::newRow("botón Adiós") << "adios";
        QTest::newRow("menú Salida") << "salida";
        QTest::newRow("marco de la ventana") << "marco";
    }

    void salida()
    {
        QFETCH(QString, como);
        const int vueltas = qEnvironmentVariableIntValue("QUORVANE_VUELTAS_SALIDA");
        for (int vuelta = 0; vuelta < std::max(vueltas, 2); ++vuelta) {
            ArranquePrueba p;
            QVERIFY(p.Carga());
            p.CierraPortada();
            frmMdiCalcDife &w = *p.principal;
            Personaje *genio = w.guia()->personaje();
            QVERIFY(genio);
            QSignalSpy dicho(genio, &Personaje::dicho);
            w.mnuAyudante()->trigger();
            // The voice is made and speaking (or knows it has no engine).
            QTRY_VERIFY(!dicho.isEmpty());
            auto *voz = qobject_cast<VozQt *>(genio->voz());
            QVERIFY(voz);
            QTest::qWait(vuelta * 150);

            if (como == "adios")
                w.botonPorClave("adios")->trigger();
            else if (como == "salida")
                w.mnuSalida()->trigger();
            else
                w.close();
            QVERIFY(!w.isVisible());
            // What the program's end does before its windows go.
            QVERIFY(VozQt::DetieneTodas(60000));
            QVERIFY(!voz->disponible());
        }
    }
};

QTEST_MAIN(tst_SalidaConVoz)
#include "tst_SalidaConVoz.moc"
