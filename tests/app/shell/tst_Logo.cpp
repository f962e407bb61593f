// The credits window from the toolbar's "logo" key: its two views, the
// pointer on "Cancelar", and every way of closing it.
#include "tst_PrincipalArranque.h"

#include "frmLogo.h"

#include "LlamadasVentana.h"
#include "Twips.h"
#include "Usc.h"

#include <QFrame>
#include <QLabel>

using plataforma::TwipsAPixeles;

namespace {
QRect Twips(int izquierda, int arriba, int ancho, int alto)
{
    return QRect(TwipsAPixeles(izquierda), TwipsAPixeles(arriba), TwipsAPixeles(ancho), TwipsAPixeles(alto));
}
} // namespace

class tst_Logo : public QObject {
    Q_OBJECT

    std::unique_ptr<ArranquePrueba> p;

    // Opens the credits from the toolbar; `mira` runs while it is open.
    void AbreCreditos(const std::function<void(frmLogo &)> &mira)
    {
        int abiertas = 0;
        p->respuesta = [&](QWidget &ventana) {
            auto *logo = qobject_cast<frmLogo *>(&ventana);
            if (!logo)
                return 0;
            ++abiertas;
            logo->show();
            mira(*logo);
            return 0;
        };
        p->principal->botonPorClave("logo")->trigger();
        QCOMPARE(abiertas, 1);
    }

private slots:
    void init()
    {
        p = std::make_unique<ArranquePrueba>();
        QVERIFY(p->Carga());
        p->CierraPortada();
    }
    void cleanup() { p.reset(); }

    void primeraVista()
    {
        AbreCreditos([](frmLogo &logo) {
            QVERIFY(logo.isModal());
            QVERIFY(logo.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
            QCOMPARE(logo.size(), Twips(0, 0, 7800, 5500).size());
            QCOMPARE(logo.LblLogo(1)->text(), QStringLiteral("Quorvane"));
            QCOMPARE(logo.LblLogo(3)->text(), QStringLiteral("Version 1.0"));
            QVERIFY(logo.LblLogo(11)->isVisible()); // the legal line
            QCOMPARE(logo.LblLogo(2)->pos(), Twips(2640, 2640, 0, 0).topLeft());
            QCOMPARE(logo.LblLogo(11)->pos(), Twips(360, 5160, 0, 0).topLeft());
            QVERIFY(!logo.fraLogo2()->isVisible());
            QVERIFY(!logo.LblLogo(7)->isVisible()); // collaborators wait for "Créditos"
            QVERIFY(logo.cmdCreditos()->isVisible());
            QCOMPARE(logo.cmdCreditos()->Caption(), QStringLiteral("Créditos"));
            QCOMPARE(logo.cmdCancelar()->Caption(), QStringLiteral("Cancelar"));
            QVERIFY(!logo.vistaCreditos());
        });
    }

    void vistaDeCreditos()
    {
        AbreCreditos([](frmLogo &logo) {
            QTest::mouseClick(logo.cmdCreditos(), Qt::LeftButton);
            QVERIFY(logo.isVisible());
            QVERIFY(logo.vistaCreditos());
            QCOMPARE(logo.size(), Twips(0, 0, 8330, 6500).size());
            QVERIFY(logo.fraLogo2()->isVisible());
            QCOMPARE(logo.fraLogo2()->geometry(), Twips(420, 2000, 3840, 4180));
            QVERIFY(logo.LblLogo(7)->isVisible());
            QVERIFY(!logo.cmdCreditos()->isVisible());
            QCOMPARE(logo.cmdCancelar()->pos(), Twips(5700, 4500, 0, 0).topLeft());
            QCOMPARE(logo.LblLogo(2)->pos(), Twips(4720, 3240, 0, 0).topLeft());
            QCOMPARE(logo.LblLogo(11)->pos(), Twips(360, 6200, 0, 0).topLeft());
        });
        // The next opening starts from the first view again.
        AbreCreditos([](frmLogo &logo) {
            QVERIFY(!logo.vistaCreditos());
            QVERIFY(logo.cmdCreditos()->isVisible());
        });
    }

    void punteroEnCancelar()
    {
        // Each time the window becomes active the pointer goes to "Cancelar".
        AbreCreditos([](frmLogo &logo) {
            auto centro = [&] { return logo.cmdCancelar()->mapToGlobal(logo.cmdCancelar()->rect().center()); };
            logo.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&logo));
            QVERIFY((plataforma::UltimaPosicionCursor() - centro()).manhattanLength() <= 2);
            QTest::mouseClick(logo.cmdCreditos(), Qt::LeftButton);
            plataforma::MueveCursor(QPoint(0, 0));
            QEvent activa(QEvent::WindowActivate);
            QCoreApplication::sendEvent(&logo, &activa);
            QVERIFY((plataforma::UltimaPosicionCursor() - centro()).manhattanLength() <= 2);
        });
    }

    void cierre_data()
    {
        QTest::addColumn<bool>("creditos"); // in the credits view
        QTest::addColumn<int>("tecla");     // 0: "Cancelar" clicked
        QTest::newRow("Cancelar") << false << 0;
        QTest::newRow("Cancelar en creditos") << true << 0;
        QTest::newRow("letra") << false << int(Qt::Key_A);
        QTest::newRow("Escape") << false << int(Qt::Key_Escape);
        QTest::newRow("Enter") << false << int(Qt::Key_Return);
        QTest::newRow("F5") << false << int(Qt::Key_F5);
        QTest::newRow("letra en creditos") << true << int(Qt::Key_Z);
    }
    void cierre()
    {
        QFETCH(bool, creditos);
        QFETCH(int, tecla);
        bool cerrada = false;
        AbreCreditos([&](frmLogo &logo) {
            if (creditos)
                QTest::mouseClick(logo.cmdCreditos(), Qt::LeftButton);
            if (tecla == 0)
                QTest::mouseClick(logo.cmdCancelar(), Qt::LeftButton);
            else
                QTest::keyClick(logo.focusWidget() ? logo.focusWidget() : &logo, Qt::Key(tecla));
            cerrada = !logo.isVisible();
        });
        QVERIFY(cerrada);
        // The main window is as it was.
        QCOMPARE(p->BotonesHabilitados(), (QStringList{"ayuda", "logo", "adios"}));
        QCOMPARE(NivelPila, 1);
    }
};

QTEST_MAIN(tst_Logo)
#include "tst_Logo.moc"
