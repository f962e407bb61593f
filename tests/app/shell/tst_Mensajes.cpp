// The error and success windows as the checks show them: the row's text,
// "Detalles" only with a detail text, its unfolding, "Cerrar", the fallback
// rows, and the layout by screen size.
#include "tst_PrincipalArranque.h"

#include "frmMensaje.h"

#include "ModCadena.h"
#include "RichTextBox.h"
#include "Twips.h"
#include "Usc.h"

#include "LlamadasVentana.h"

#include <QFrame>
#include <QGuiApplication>
#include <QScreen>
#include <QLabel>

using plataforma::TwipsAPixeles;

namespace {
// What the student saw of one showing, taken while the window was open.
struct Vista {
    int veces = 0;
    QString nombre, mensaje, detalle;
    bool conDetalles = false, encima = false, modal = false;
    QRect antes, despues; // window before and after "Detalles"
    QRect marco, cerrar;  // detail frame and "Cerrar", in the window
    bool marcoVisible = false, detallesSigueVisible = true, focoEnCerrar = false;
    QPoint cursor, centroCerrar;
    bool cerrada = false;
};

// Answers the window as the student would: looks, maybe "Detalles", then "Cerrar".
std::function<int(QWidget &)> Estudiante(Vista &v, bool pulsaDetalles)
{
    return [&v, pulsaDetalles](QWidget &ventana) {
        auto *w = qobject_cast<frmMensaje *>(&ventana);
        if (!w)
            return 0;
        ++v.veces;
        w->show();
        v.nombre = w->objectName();
        v.mensaje = w->mensaje();
        v.detalle = w->Lbldetalles()->text();
        v.conDetalles = w->cmdDetalles()->isVisible();
        v.encima = w->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        v.modal = w->isModal();
        v.antes = w->geometry();
        v.marcoVisible = w->UCMarco1()->isVisible();
        if (pulsaDetalles && v.conDetalles) {
            QTest::mouseClick(w->cmdDetalles(), Qt::LeftButton);
            v.despues = w->geometry();
            v.marco = w->UCMarco1()->geometry();
            v.cerrar = w->cmdCancelar()->geometry();
            v.marcoVisible = w->UCMarco1()->isVisible();
            v.detallesSigueVisible = w->cmdDetalles()->isVisible();
            v.focoEnCerrar = w->focusWidget() == w->cmdCancelar();
            v.cursor = plataforma::UltimaPosicionCursor();
            v.centroCerrar = w->cmdCancelar()->mapToGlobal(w->cmdCancelar()->rect().center());
        }
        QTest::mouseClick(w->cmdCancelar(), Qt::LeftButton);
        v.cerrada = !w->isVisible();
        return 0;
    };
}
} // namespace

class tst_Mensajes : public QObject {
    Q_OBJECT

    std::unique_ptr<ArranquePrueba> p;

private slots:
    void init()
    {
        p = std::make_unique<ArranquePrueba>();
        QVERIFY(p->Carga());
        p->CierraPortada();
    }
    void cleanup() { p.reset(); }

    void filas_data()
    {
        QTest::addColumn<bool>("error");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("fila"); // the row shown
        QTest::addColumn<bool>("conDetalle");
        QTest::newRow("error con detalle") << true << 0 << 0 << true;
        QTest::newRow("error sin detalle") << true << 9 << 9 << false;
        QTest::newRow("error fuera de la tabla") << true << 900 << 180 << false;
        QTest::newRow("exito con detalle") << false << 0 << 0 << true;
        QTest::newRow("exito sin detalle") << false << 1 << 1 << false;
        QTest::newRow("exito fuera de la tabla") << false << 900 << 72 << false;
    }
    void filas()
    {
        QFETCH(bool, error);
        QFETCH(int, n);
        QFETCH(int, fila);
        QFETCH(bool, conDetalle);
        const TablaTextos &tabla = error ? Errores : Exitos;
        QCOMPARE(!tabla.Texto(1, fila).empty(), conDetalle); // the data still fits the case

        Vista v;
        p->respuesta = Estudiante(v, false);
        if (error)
            MuestraError("", static_cast<std::int16_t>(n));
        else
            MuestraExito(static_cast<std::int16_t>(n));

        QCOMPARE(v.veces, 1);
        QCOMPARE(v.nombre, error ? QStringLiteral("frmerror") : QStringLiteral("frmexito"));
        QCOMPARE(v.mensaje, QString::fromStdString(tabla.Texto(0, fila)));
        QCOMPARE(v.conDetalles, conDetalle);
        if (conDetalle)
            QCOMPARE(v.detalle, QString::fromStdString(tabla.Texto(1, fila)));
        QVERIFY(!v.marcoVisible);
        QVERIFY(v.encima && v.modal);
        QVERIFY(v.cerrada);
    }

    void prefijoFueraDeLaTabla()
    {
        // The fallback row is shown alone, without the caller's text.
        Vista v;
        p->respuesta = Estudiante(v, false);
        MuestraError("x = 7", 900);
        QCOMPARE(v.mensaje, QString::fromStdString(Errores.Texto(0, ErrorGenerico)));
        QVERIFY(!v.mensaje.contains("x = 7"));
    }

    void detalles_data()
    {
        QTest::addColumn<bool>("error");
        QTest::addColumn<bool>("grande"); // a screen of 1024 pixels or more
        QTest::newRow("error, pantalla chica") << true << false;
        QTest::newRow("error, pantalla grande") << true << true;
        QTest::newRow("exito, pantalla chica") << false << false;
        QTest::newRow("exito, pantalla grande") << false << true;
    }
    void detalles()
    {
        QFETCH(bool, error);
        QFETCH(bool, grande);
        // The layout follows the measures taken at start-up.
        AnchoPantalla = 780;
        AltoPantalla = 700;
        AnchoPanel = 312;
        IzqGrafica = 468;
        Pantalla1024 = false;
        PantallaMayor = grande;

        Vista v;
        p->respuesta = Estudiante(v, true);
        if (error)
            MuestraError("", 0);
        else
            MuestraExito(0);

        QVERIFY(v.conDetalles);
        // Laid out by the screen: at the bottom of a large screen, 80 twips
        // above its edge, as wide as the panel; beside the panel otherwise.
        if (grande) {
            QCOMPARE(v.antes.x(), TwipsAPixeles(10));
            QCOMPARE(v.antes.width(), AnchoPanel);
            QCOMPARE(v.antes.bottom() + 1, AltoPantalla - TwipsAPixeles(80));
        } else {
            QCOMPARE(v.antes.topLeft(), QPoint(AnchoPanel + TwipsAPixeles(50), TwipsAPixeles(450)));
            QCOMPARE(v.antes.width(), IzqGrafica - TwipsAPixeles(75));
        }
        // "Detalles" grows the window by the frame and 20 twips, the frame
        // under the buttons; a large screen keeps the bottom edge.
        QCOMPARE(v.despues.height(), v.antes.height() + v.marco.height() + TwipsAPixeles(20));
        QCOMPARE(v.despues.width(), v.antes.width());
        if (grande)
            QCOMPARE(v.despues.bottom(), v.antes.bottom());
        else
            QCOMPARE(v.despues.top(), v.antes.top());
        QCOMPARE(v.marco.top(), v.cerrar.bottom() + 1 + TwipsAPixeles(50));
        QVERIFY(v.marco.bottom() < v.despues.height());
        QCOMPARE(v.marco.height(), TwipsAPixeles(error ? 1440 : 1380));
        QVERIFY(v.marcoVisible);
        QVERIFY(!v.detallesSigueVisible);
        // One click or a key closes it: pointer and focus on "Cerrar".
        QVERIFY(v.focoEnCerrar);
        QVERIFY((v.cursor - v.centroCerrar).manhattanLength() <= 2);
        QVERIFY(v.cerrada);
    }

    void pantallaDe1024()
    {
        AnchoPantalla = 780;
        AltoPantalla = 720;
        AnchoPanel = 312;
        IzqGrafica = 468;
        Pantalla1024 = true;
        PantallaMayor = false;
        Vista v;
        p->respuesta = Estudiante(v, true);
        MuestraError("", 0);
        QCOMPARE(v.marco.height(), TwipsAPixeles(1700));
        QCOMPARE(v.antes.bottom() + 1, AltoPantalla - TwipsAPixeles(80));
        QCOMPARE(v.despues.bottom(), v.antes.bottom());
    }

    void siempreDentroDeLaPantalla()
    {
        // Measures taller than the screen's usable part still leave the
        // window's foot on the screen.
        PantallaMayor = true;
        AnchoPanel = 312;
        const int pie = QGuiApplication::primaryScreen()->availableGeometry().bottom();
        AltoPantalla = pie + 200;
        Vista v;
        p->respuesta = Estudiante(v, true);
        MuestraError("", 0);
        QCOMPARE(v.antes.bottom(), pie);
        QCOMPARE(v.despues.bottom(), pie);
    }

    void cadaMensajeEmpiezaPlegado()
    {
        // After an unfolded showing, the next message comes folded again
        // and with its own detail text.
        Vista primera, segunda;
        p->respuesta = Estudiante(primera, true);
        MuestraError("", 0);
        QVERIFY(primera.marcoVisible);
        p->respuesta = Estudiante(segunda, false);
        MuestraError("", 1);
        QVERIFY(!segunda.marcoVisible);
        QVERIFY(segunda.conDetalles);
        QCOMPARE(segunda.detalle, QString::fromStdString(Errores.Texto(1, 1)));
        QCOMPARE(segunda.antes.height(), primera.antes.height());
    }

    void cerrarConElTeclado()
    {
        // With the focus on "Cerrar", its keyboard activation closes the window.
        bool cerrada = false;
        p->respuesta = [&cerrada](QWidget &ventana) {
            auto *w = qobject_cast<frmMensaje *>(&ventana);
            w->show();
            QTest::keyClick(w->cmdCancelar(), Qt::Key_Space);
            cerrada = !w->isVisible();
            return 0;
        };
        MuestraExito(1);
        QVERIFY(cerrada);
    }
};

QTEST_MAIN(tst_Mensajes)
#include "tst_Mensajes.moc"
