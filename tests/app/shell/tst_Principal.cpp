// The main window as the student meets it: start-up state, the three ways
// out, a failed start, window placement and activation, Qt's own texts in
// Spanish.
#include "tst_PrincipalArranque.h"

#include "PreparaAplicacion.h"
#include "TraduccionQt.h"
#include "VentanaBase.h"
#include "frmGrafica2.h"
#include "frmPolical.h"

#include "ModCadena.h"
#include "princip.h"
#include "Twips.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolBar>

namespace {
// Two bare windows of the work area that count their activations.
class VentanaContada : public VentanaBase {
public:
    int cargas = 0, activaciones = 0, descargas = 0;
    void alCargar() override { ++cargas; }
    void alActivar() override { ++activaciones; }
    void alDescargar() override { ++descargas; }
};
class VentanaPanel : public VentanaContada {};
class VentanaGrafica : public VentanaContada {};

// Copies the named files of the program's own folder into another one.
bool CopiaDatos(const QStringList &archivos, const QString &hacia)
{
    const QString desde = qEnvironmentVariable("QUORVANE_DATA_DIR");
    for (const QString &a : archivos) {
        const QString destino = hacia + '/' + a;
        if (!QDir().mkpath(QFileInfo(destino).path()) || !QFile::copy(desde + '/' + a, destino))
            return false;
    }
    return true;
}
} // namespace

class tst_Principal : public QObject {
    Q_OBJECT

private slots:
    void arranque()
    {
        ArranquePrueba p;
        QVERIFY(p.Carga());
        frmMdiCalcDife &w = *p.principal;

        QCOMPARE(p.cajas.Cuenta(), 0);
        QVERIFY(w.isVisible());
        QCOMPARE(w.windowTitle(), QStringLiteral("Quorvane"));

        // The eight keys in their order, with their tips.
        const QStringList claves{"ayuda", "apoyo", "texto", "calculadora", "logo", "adios", "pasado", "zoom"};
        const QStringList tips{"ayuda", "Apoyo", "Libro de Texto", "Calculadora", "Acerca de ...", "Adiós",
                               "Historia", "Zoom"};
        for (int i = 1; i <= 8; ++i) {
            QCOMPARE(w.boton(i)->data().toString(), claves[i - 1]);
            QCOMPARE(w.boton(i)->toolTip(), tips[i - 1]);
            QVERIFY(w.Tlbpoli()->actions().contains(w.boton(i)));
        }
        QCOMPARE(w.botonPorClave("adios"), w.boton(6));
        QCOMPARE(w.mnuInicio()->title(), QStringLiteral("&Inicio"));
        QCOMPARE(w.mnuAyudante()->text(), QStringLiteral("In&troducción"));
        QCOMPARE(w.mnupoliAccion()->text(), QStringLiteral("&Iniciar sesión en Quorvane"));
        QCOMPARE(w.mnuSalida()->text(), QStringLiteral("&Salida"));
        QCOMPARE(w.mnuSalida()->shortcut(), QKeySequence(QKeySequence::Quit));

        // The cover is open over the splash: nothing can be used yet.
        frmPortada *portada = GestorVentanas::instancia().existente<frmPortada>();
        QVERIFY(portada && portada->isVisible());
        QVERIFY(p.Anuncio() && p.Anuncio()->isVisible());
        QCOMPARE(p.BotonesHabilitados(), QStringList());
        QVERIFY(!p.AlgunMenuHabilitado());
        // The start context under the cover's own.
        QCOMPARE(NivelPila, 2);
        QCOMPARE(PilaPantallas[2].titulo, std::string("Quorvane"));
        QCOMPARE(PasoGuia, std::string("Rollo"));
        for (bool resuelto : ConceptoResuelto)
            QVERIFY(!resuelto);

        // Once the cover is gone: help, credits and exit, caption and help
        // numbers of the start screen, the tables loaded.
        p.CierraPortada();
        QCOMPARE(p.BotonesHabilitados(), (QStringList{"ayuda", "logo", "adios"}));
        QVERIFY(p.MenusHabilitados());
        QVERIFY(w.mnuAyudante()->isEnabled());
        QCOMPARE(w.windowTitle(), QStringLiteral("Quorvane"));
        QCOMPARE(NumAyuda, std::int16_t(0));
        QCOMPARE(NumApoyo, std::int16_t(1));
        QCOMPARE(NivelPila, 1);
        QVERIFY(Errores.UltimaFila() >= ErrorGenerico);
        QVERIFY(Exitos.UltimaFila() >= ExitoGenerico);
    }

    void marcoEnLaPantalla()
    {
        // The whole frame, title bar and borders included, stands on the
        // screen's available area: as wide as it, 420 twips less high than
        // the screen (never more than the area), at its top left corner.
        ArranquePrueba p;
        QVERIFY(p.Carga());
        frmMdiCalcDife &w = *p.principal;
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QRect util = w.screen()->availableGeometry();
        const QRect marco = w.frameGeometry();
        QVERIFY2(marco != w.geometry(), "the test platform draws no frame");
        QVERIFY(util.contains(marco));
        QCOMPARE(marco.topLeft(), util.topLeft());
        QCOMPARE(marco.width(), util.width());
        const int alto = w.screen()->geometry().height() - plataforma::TwipsAPixeles(420);
        QCOMPARE(marco.height(), std::min(util.height(), alto));
        // The measures are taken from the window inside that frame, and the
        // notice follows them.
        QCOMPARE(AnchoPantalla, w.width());
        QCOMPARE(AltoPantalla, w.height());
        QCOMPARE(p.Anuncio()->width(), AnchoPantalla - plataforma::TwipsAPixeles(50));
    }

    void pantallaEnciendeCadaTecla()
    {
        // Every key has its window: a screen that asks for all of them gets
        // them all, and going back switches them off again.
        ArranquePrueba p;
        QVERIFY(p.Carga());
        p.CierraPortada();
        std::array<bool, 10> todas;
        todas.fill(true);
        EntraPantalla(3, 1, todas, "Quorvane: todas");
        QCOMPARE(p.BotonesHabilitados(),
                 (QStringList{"ayuda", "apoyo", "texto", "calculadora", "logo", "adios", "pasado", "zoom"}));
        QCOMPARE(p.principal->windowTitle(), QStringLiteral("Quorvane: todas"));
        RegresaPantalla(1);
        QCOMPARE(p.BotonesHabilitados(), (QStringList{"ayuda", "logo", "adios"}));
    }

    void medidasDelArea()
    {
        // The routines place panels and the graph window from the measures
        // taken before the window showed: they match the shown work area.
        ArranquePrueba p;
        QVERIFY(p.Carga());
        QCOMPARE(AnchoPantalla, p.principal->area()->width());
        QCOMPARE(AnchoPanel + IzqGrafica, AnchoPantalla);
        QCOMPARE(AnchoPanel, static_cast<int>(std::lround(AnchoPantalla * 0.4)));
        QVERIFY(AltoUtil > 0 && AltoUtil <= p.principal->area()->height());
    }

    void salida_data()
    {
        QTest::addColumn<QString>("como");
        QTest::newRow("tecla adios") << "adios";
        QTest::newRow("menu Salida") << "salida";
        QTest::newRow("cierre del marco") << "marco";
        QTest::newRow("marco con la portada abierta") << "marco portada";
    }
    void salida()
    {
        QFETCH(QString, como);
        ArranquePrueba p;
        QVERIFY(p.Carga());
        frmMdiCalcDife &w = *p.principal;
        if (!como.contains("portada"))
            p.CierraPortada();
        // Windows of every kind are open: two of the work area, the splash.
        auto &gestor = GestorVentanas::instancia();
        QPointer<VentanaPanel> panel = gestor.ventana<VentanaPanel>();
        gestor.muestra(panel);
        QPointer<VentanaGrafica> grafica = gestor.ventana<VentanaGrafica>();
        gestor.muestra(grafica);
        QPointer<frmAnuncio> anuncio = p.Anuncio();
        QVERIFY(anuncio);
        QSignalSpy terminado(&w, &frmMdiCalcDife::programaTerminado);

        if (como == "adios")
            w.botonPorClave("adios")->trigger();
        else if (como == "salida")
            w.mnuSalida()->trigger();
        else
            w.close();

        QCOMPARE(terminado.count(), 1);
        QVERIFY(gestor.cargadas().isEmpty());
        QVERIFY(!gestor.existente<frmPortada>());
        QCOMPARE(panel ? panel->descargas : 1, 1);
        ArranquePrueba::Suelta();
        QVERIFY(!panel && !grafica && !anuncio);
        QVERIFY(!w.isVisible());
    }

    void arranqueSinTabla()
    {
        // The program's tables but the success table.
        QTemporaryDir carpeta;
        QVERIFY(CopiaDatos({"apoyo/ListaApoyos.txt", "apoyo/listaSaltos.txt", "Errores y Exitos/Errores.txt"},
                           carpeta.path()));

        ArranquePrueba p(carpeta.path().toStdString());
        QSignalSpy terminado(p.principal.get(), &frmMdiCalcDife::programaTerminado);
        QVERIFY(!p.Carga());
        QCOMPARE(p.cajas.Titulos(), QStringList{"ERRor Fatal"});
        QCOMPARE(p.cajas.Textos(), QStringList{"No se pudo encontrar el archivo de exitos"});
        QCOMPARE(terminado.count(), 1);
        // Nothing else was shown: no main window, cover or splash.
        QVERIFY(!p.principal->isVisible());
        QVERIFY(!GestorVentanas::instancia().existente<frmPortada>());
        QVERIFY(!p.Anuncio() || !p.Anuncio()->isVisible());
    }

    void sesionLadoALado()
    {
        // "&Iniciar sesión en Quorvane": the hub in the panel, the graph
        // window beside it; chosen again, the same two windows.
        ArranquePrueba p;
        QVERIFY(p.Carga());
        p.CierraPortada();
        p.principal->mnupoliAccion()->trigger();
        auto &gestor = GestorVentanas::instancia();
        frmPolical *hub = gestor.existente<frmPolical>();
        frmGrafica2 *grafica = gestor.existente<frmGrafica2>();
        QVERIFY(hub && grafica);
        QVERIFY(hub->isVisible() && grafica->isVisible());
        QCOMPARE(gestor.marcoDe(hub)->geometry(), QRect(0, 0, AnchoPanel, AltoUtil));
        QCOMPARE(gestor.marcoDe(grafica)->geometry(), QRect(AnchoPanel, 0, IzqGrafica, AltoUtil));
        QCOMPARE(gestor.actual(), hub);
        p.principal->mnupoliAccion()->trigger();
        QCOMPARE(gestor.existente<frmPolical>(), hub);
        QCOMPARE(gestor.existente<frmGrafica2>(), grafica);
        QCOMPARE(gestor.marcoDe(grafica)->geometry(), QRect(AnchoPanel, 0, IzqGrafica, AltoUtil));
    }

    void colocacionLadoALado()
    {
        ArranquePrueba p;
        QVERIFY(p.Carga());
        p.CierraPortada();
        auto &gestor = GestorVentanas::instancia();
        VentanaGrafica *grafica = gestor.ventana<VentanaGrafica>();
        grafica->colocaJuntoAlPanel();
        gestor.muestra(grafica);
        VentanaPanel *panel = gestor.ventana<VentanaPanel>();
        panel->colocaEnPanel();
        gestor.muestra(panel);
        QCOMPARE(gestor.marcoDe(panel)->geometry(), QRect(0, 0, AnchoPanel, AltoUtil));
        QCOMPARE(gestor.marcoDe(grafica)->geometry(), QRect(AnchoPanel, 0, IzqGrafica, AltoUtil));
        QCOMPARE(gestor.actual(), panel);
    }

    void unaInstanciaPorVentana()
    {
        ArranquePrueba p;
        QVERIFY(p.Carga());
        p.CierraPortada();
        auto &gestor = GestorVentanas::instancia();
        VentanaPanel *primera = gestor.ventana<VentanaPanel>();
        QCOMPARE(gestor.ventana<VentanaPanel>(), primera);
        QCOMPARE(primera->cargas, 1);
        QPointer<VentanaPanel> vigilada(primera);
        primera->descarga();
        QVERIFY(!gestor.existente<VentanaPanel>());
        ArranquePrueba::Suelta();
        QVERIFY(!vigilada);
        // Used again, it is created and loaded afresh.
        VentanaPanel *segunda = gestor.ventana<VentanaPanel>();
        QCOMPARE(segunda->cargas, 1);
        QCOMPARE(gestor.existente<VentanaPanel>(), segunda);
    }

    void activacion()
    {
        // The window below is told once when the window above it unloads;
        // showing it, focus changes and message windows tell it nothing.
        ArranquePrueba p;
        QVERIFY(p.Carga());
        p.CierraPortada();
        auto &gestor = GestorVentanas::instancia();
        VentanaGrafica *abajo = gestor.ventana<VentanaGrafica>();
        gestor.muestra(abajo);
        VentanaPanel *arriba = gestor.ventana<VentanaPanel>();
        gestor.muestra(arriba);
        QSignalSpy avisos(&gestor, &GestorVentanas::ventanaActivada);

        MuestraError("", 9);
        MuestraExito(1);
        abajo->setFocus();
        arriba->setFocus();
        QCOMPARE(abajo->activaciones, 0);

        arriba->descarga();
        QCOMPARE(abajo->activaciones, 1);
        QCOMPARE(avisos.count(), 1);
        QCOMPARE(gestor.actual(), abajo);
        QCOMPARE(arriba->activaciones, 0);

        // Closing it by its frame is the same as unloading it.
        QPointer<VentanaGrafica> vigilada(abajo);
        gestor.marcoDe(abajo)->close();
        QVERIFY(!gestor.existente<VentanaGrafica>());
        QCOMPARE(vigilada ? vigilada->descargas : 1, 1);
    }

    void titulosTalComoSeEscriben()
    {
        // Once an application sets a display name, the window system adds it
        // to every caption that does not end with it ("Quorvane: Error —
        // Quorvane"). The program sets none: the display name is just the
        // program's name, whatever that is.
        PreparaAplicacion();
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Quorvane"));
        QCoreApplication::setApplicationName(QStringLiteral("otro"));
        QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("otro"));
        QCoreApplication::setApplicationName(QStringLiteral("Quorvane"));
    }

    void textosDeQtEnEspanol()
    {
        const QString qm = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_es.qm";
        if (!QFile::exists(qm))
            QSKIP("Qt's Spanish translation is not installed");
        QVERIFY(InstalaTraduccionQt());
        QDialogButtonBox botones(QDialogButtonBox::Cancel | QDialogButtonBox::Yes);
        QCOMPARE(botones.button(QDialogButtonBox::Cancel)->text().remove('&'), QStringLiteral("Cancelar"));
        QCOMPARE(botones.button(QDialogButtonBox::Yes)->text().remove('&'), QStringLiteral("Sí"));
    }
};

QTEST_MAIN(tst_Principal)
#include "tst_Principal.moc"
