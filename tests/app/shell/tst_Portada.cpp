// The cover over the main window: what it turns off while it plays, and the
// two ways of leaving it, which end the same way.
#include "tst_PrincipalArranque.h"

#include "AnimacionPortada.h"
#include "Twips.h"
#include "Usc.h"

#include <QLabel>
#include <QMdiSubWindow>

class tst_Portada : public QObject {
    Q_OBJECT

private slots:
    void mientrasJuega()
    {
        ArranquePrueba p;
        QVERIFY(p.Carga());
        frmPortada *portada = GestorVentanas::instancia().existente<frmPortada>();
        QVERIFY(portada);
        QCOMPARE(GestorVentanas::instancia().actual(), portada);
        QCOMPARE(portada->cmdCancelar()->Caption(), QStringLiteral("Cancelar"));
        // Placed at 5 % of the main window's measures, in the work area.
        const QWidget *marco = GestorVentanas::instancia().marcoDe(portada);
        QCOMPARE(marco->pos(), QPoint(static_cast<int>(AnchoPantalla * 0.05), static_cast<int>(AltoPantalla * 0.05)));
        QVERIFY(p.principal->area()->isAncestorOf(portada));
        // Both movies play.
        QVERIFY(portada->ShwaFla1()->Playing() && portada->ShwaFla2()->Playing());
        const int cuadro = portada->ShwaFla1()->cuadro();
        QTRY_VERIFY(portada->ShwaFla1()->cuadro() != cuadro);
        // Every toolbar button and both menus are off.
        QCOMPARE(p.BotonesHabilitados(), QStringList());
        QVERIFY(!p.AlgunMenuHabilitado());
    }

    void salidaDeLaPortada_data()
    {
        QTest::addColumn<bool>("porElMarco");
        QTest::newRow("Cancelar") << false;
        QTest::newRow("cierre del marco") << true;
    }
    void salidaDeLaPortada()
    {
        QFETCH(bool, porElMarco);
        ArranquePrueba p;
        QVERIFY(p.Carga());
        auto &gestor = GestorVentanas::instancia();
        QPointer<frmPortada> portada = gestor.existente<frmPortada>();
        QVERIFY(portada);
        QCOMPARE(NivelPila, 2);

        if (porElMarco)
            gestor.marcoDe(portada)->close();
        else
            QTest::mouseClick(portada->cmdCancelar(), Qt::LeftButton);

        QVERIFY(!gestor.existente<frmPortada>());
        QVERIFY(portada && !portada->ShwaFla1()->Playing() && !portada->ShwaFla2()->Playing());
        ArranquePrueba::Suelta();
        QVERIFY(!portada);
        QCOMPARE(NivelPila, 1);
        QCOMPARE(p.principal->windowTitle(), QStringLiteral("Quorvane"));
        QCOMPARE(p.BotonesHabilitados(), (QStringList{"ayuda", "logo", "adios"}));
        QVERIFY(p.MenusHabilitados());
        QVERIFY(p.principal->mnupoliAccion()->isEnabled());
        QVERIFY(p.principal->mnuAyudante()->isEnabled());
        QCOMPARE(NumAyuda, std::int16_t(0));
        QCOMPARE(NumApoyo, std::int16_t(1));
        // The splash stands behind, filling the work area from its corner
        // but for 50 twips at the right.
        frmAnuncio *anuncio = p.Anuncio();
        QVERIFY(anuncio && anuncio->isVisible());
        QCOMPARE(anuncio->geometry(), QRect(0, 0, AnchoPantalla - plataforma::TwipsAPixeles(50), AltoUtil));
        QCOMPARE(anuncio->lblProductName()->text(), QStringLiteral("Quorvane"));
        QVERIFY(anuncio->LblLogo2()->isVisible());
        QVERIFY(p.principal->area()->subWindowList().isEmpty());
        QVERIFY(p.cajas.Cuenta() == 0);
    }
};

QTEST_MAIN(tst_Portada)
#include "tst_Portada.moc"
