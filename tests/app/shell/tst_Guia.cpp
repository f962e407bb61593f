// The guided tour through the real main window: the assistant character
// with a recorded voice and no waiting, the tour window and its pages.
#include "tst_HubSesion.h"

#include "GuiaGenio.h"
#include "NavegadorGuia.h"
#include "frmBrowser.h"
#include "frmDoyPoli.h"
#include "frmHistoria.h"

#include "Reinicio.h"

#include "FiguraPersonaje.h"
#include "GloboPersonaje.h"
#include "Personaje.h"
#include "VozGrabada.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>

namespace {
const QStringList kListaInicio{QStringLiteral("Guíame genio, ¿qué es lo que sigue?"), QStringLiteral("Desaparece")};
const QStringList kListaEleccion{QStringLiteral("Te ayudo a construir la gráfica"),
                                 QStringLiteral("Te muestro la gráfica y sus cualidades"),
                                 QStringLiteral("Desaparece")};
const QString kSinPolinomio = QStringLiteral("necesitas dar un polinomio para poder seguir");

GuiaGenio &Guia(SesionPrueba &s)
{
    return *s.principal->guia();
}
Personaje &Genio(SesionPrueba &s)
{
    return *Guia(s).personaje();
}
QStringList Frases(SesionPrueba &s)
{
    return static_cast<VozGrabada *>(Genio(s).voz())->frases();
}
QStringList Menu(SesionPrueba &s)
{
    QStringList titulos;
    for (QAction *a : Genio(s).menu()->actions())
        titulos << a->text();
    return titulos;
}
QString Pagina(const char *nombre)
{
    return QString::fromStdString(RutaPrograma(std::string("\\genio\\mis webs\\_private\\") + nombre).string());
}
frmBrowser *AbreNavegador()
{
    auto &gestor = GestorVentanas::instancia();
    gestor.muestra(gestor.ventana<frmBrowser>());
    return frmBrowser::Existente();
}
void Escribe(frmBrowser &b, const QString &direccion)
{
    b.cboAddress()->lineEdit()->setText(direccion);
    QTest::keyClick(b.cboAddress()->lineEdit(), Qt::Key_Return);
}
QStringList Direcciones(frmBrowser &b)
{
    QStringList lista;
    for (int i = 0; i < b.cboAddress()->count(); ++i)
        lista << QFileInfo(b.cboAddress()->itemText(i)).fileName();
    return lista;
}
} // namespace

class TstGuia : public QObject {
    Q_OBJECT

    // A session with no window open yet, the character at full speed.
    static void Prepara(SesionPrueba &s)
    {
        RegresaAlInicio();
        SesionPrueba::Suelta();
        Genio(s).fijaRitmo({0, 0, 0});
    }
    // Chooses a command from the character's menu and lets the queue run.
    static bool Elige(SesionPrueba &s, const QString &nombre)
    {
        for (QAction *a : Genio(s).menu()->actions()) {
            if (a->objectName() == nombre) {
                a->trigger();
                QCoreApplication::processEvents();
                SesionPrueba::Suelta();
                return QTest::qWaitFor([&] { return !Genio(s).ocupado(); });
            }
        }
        return false;
    }
    static bool Espera(SesionPrueba &s)
    {
        return QTest::qWaitFor([&] { return !Genio(s).ocupado(); });
    }

private slots:
    void initTestCase()
    {
        FabricaDeVoz() = [] { return std::make_unique<VozGrabada>(); };
    }

    void introduccionYRecorridoHastaLaConstruccion()
    {
        SesionPrueba s;
        Prepara(s);
        Personaje &genio = Genio(s);
        QVERIFY(s.principal->mnuAyudante()->isEnabled());
        QVERIFY(!genio.figura()->isVisible());
        QCOMPARE(genio.figura()->pos(), QPoint(70, 70));
        QVERIFY(Guia(s).AsistenteListo());

        QStringList globo;
        connect(&genio, &Personaje::dicho, this, [&] { globo << genio.globo()->texto(); });
        QSignalSpy animaciones(&genio, &Personaje::animacion);
        rt::ProgramaAzar({0.0f});
        s.principal->mnuAyudante()->trigger();
        QTRY_VERIFY(genio.figura()->isVisible());
        QVERIFY(Espera(s));
        const QStringList saludo{"Hola", QStringLiteral("¿Deseas que te guie o incursionas solo?"),
                                 QStringLiteral("Da un click con el botón derecho sobre mí, para elegir")};
        QCOMPARE(Frases(s), saludo);
        QCOMPARE(globo, saludo);
        QCOMPARE(Menu(s), kListaInicio);

        // "genio" at the start: the entrance page, at the screen's corner.
        QVERIFY(Elige(s, "genio"));
        QCOMPARE(animaciones.value(0).value(0).toString(), QStringLiteral("congratulate"));
        frmBrowser *b = frmBrowser::Existente();
        QVERIFY(b && b->isVisible());
        QCOMPARE(b->brwWebBrowser()->source().fileName(), QStringLiteral("Entrada.htm"));
        QCOMPARE(b->windowTitle(), QStringLiteral("¿Por qué conocer la gráfica de una función?"));
        QCOMPARE(PasoGuia, std::string("polinomio"));
        QCOMPARE(Frases(s).last(), QStringLiteral("Leyendo estas páginas te darás cuenta de por qué es importante "
                                                  "conocer la gráfica de una función"));
        const QRect util = s.principal->screen()->availableGeometry();
        QCOMPARE(genio.figura()->pos(), QPoint(util.right() + 1 - 140, util.bottom() + 1 - 240));
        QVERIFY(genio.figura()->isVisible());

        // "genio" again: the hub and the to-order window, the choice list.
        QVERIFY(!s.Hub());
        qsizetype n = Frases(s).size();
        QVERIFY(Elige(s, "genio"));
        QVERIFY(!frmBrowser::Existente());
        QVERIFY(s.Hub());
        auto *aOrden = SesionPrueba::Ventana<frmDoyPoli>();
        QVERIFY(aOrden && aOrden->isVisible());
        QCOMPARE(int(s.Hub()->AccionPendiente), 0);
        QCOMPARE(Frases(s).mid(n),
                 (QStringList{QStringLiteral("Para dar un polinomio,  elige primero el grado, después la paridad y "
                                             "por último las cualidades que desees "),
                              QStringLiteral("Da click en [Listo] y [Continuar]"),
                              QStringLiteral("Al terminar da un click con el botón derecho, ya sabes como")}));
        QCOMPARE(PaginaGuia, std::string("2"));
        QCOMPARE(Menu(s), kListaEleccion);
        QVERIFY(Guia(s).AsistenteListo());

        // No polynomial yet: two sentences, nothing else.
        n = Frases(s).size();
        QVERIFY(Elige(s, "construir"));
        QCOMPARE(Frases(s).mid(n), (QStringList{kSinPolinomio, QStringLiteral("¡Termina de darlo!")}));
        QCOMPARE(PasoGuia, std::string("polinomio"));
        QCOMPARE(Menu(s), kListaEleccion);
        QVERIFY(genio.figura()->isVisible());

        // The student gives the polynomial in the to-order window.
        aOrden->UpdGrado()->setValue(1);
        aOrden->UpdGrado()->setValue(4);
        QTest::mouseClick(aOrden->optparidad1(), Qt::LeftButton);
        aOrden->CmbCualidades()->setCurrentIndex(1);
        emit aOrden->CmbCualidades()->activated(1);
        SesionPrueba::Pulsa(aOrden->cmdListo());
        SesionPrueba::Pulsa(aOrden->CmdPasa());
        SesionPrueba::Suelta();
        QVERIFY(PoliDado);
        QCOMPARE(PasoGuia, std::string("instrucciones"));

        // "construir": the construction starts; the tour ends behind the
        // sentences.
        n = Frases(s).size();
        QVERIFY(Elige(s, "construir"));
        QVERIFY(s.Hub()->UCMarcoMedio()->isVisible());
        QCOMPARE(Frases(s).mid(n), (QStringList{QStringLiteral("Primero calcula las raíces"),
                                                QStringLiteral("Ahora puedes continuar tu solo"),
                                                QStringLiteral("Si necesitas usa la ayuda o el apoyo")}));
        QVERIFY(!genio.figura()->isVisible());
        QCOMPARE(genio.figura()->pos(), QPoint(70, 70));
        QCOMPARE(Menu(s), kListaInicio);
        QCOMPARE(PasoGuia, std::string("Rollo"));
        QVERIFY(Guia(s).AsistenteListo());
    }

    void historiaConPolinomio()
    {
        SesionPrueba s;
        Genio(s).fijaRitmo({0, 0, 0});
        s.DaPolinomio(QStringLiteral("x^3-4x"));
        QVERIFY(PoliActual);
        s.principal->mnuAyudante_Click();
        QVERIFY(Espera(s));
        const qsizetype n = Frases(s).size();
        s.principal->Agent1_Command(QStringLiteral("historia"));
        QVERIFY(Espera(s));
        QVERIFY(frmHistoria::Existente());
        QVERIFY(frmHistoria::Existente()->resumen());
        QCOMPARE(Frases(s).mid(n),
                 (QStringList{QStringLiteral("Haz click en la pestaña respectiva para ver las cualidades de la gráfica"),
                              QStringLiteral("Ahora puedes continuar tu solo")}));
        QVERIFY(!Genio(s).figura()->isVisible());
        QCOMPARE(Menu(s), kListaInicio);
        QCOMPARE(PasoGuia, std::string("Rollo"));
    }

    void adiosClicsYMarcas()
    {
        SesionPrueba s;
        Prepara(s);
        Personaje &genio = Genio(s);
        QSignalSpy animaciones(&genio, &Personaje::animacion);
        s.principal->mnuAyudante()->trigger();
        QVERIFY(Elige(s, "genio"));
        QVERIFY(Elige(s, "genio"));
        QCOMPARE(Menu(s), kListaEleccion);

        // A left click while the assistant is ready: nothing.
        QTest::mouseClick(genio.figura(), Qt::LeftButton);
        QVERIFY(Espera(s));
        QVERIFY(genio.figura()->isVisible());
        QCOMPARE(Menu(s), kListaEleccion);

        // An unknown command: confused.
        animaciones.clear();
        s.principal->Agent1_Command(QStringLiteral("baila"));
        QVERIFY(Espera(s));
        QCOMPARE(animaciones.value(0).value(0).toString(), QStringLiteral("Confused"));

        // "adios": three gestures, hidden at its waiting place; the list
        // and the ready flag stay.
        PasoGuia = "instrucciones";
        s.principal->Agent1_Bookmark(100);
        QVERIFY(frmBrowser::Existente());
        animaciones.clear();
        QVERIFY(Elige(s, "adios"));
        QStringList gestos;
        for (const auto &a : animaciones)
            gestos << a.value(0).toString();
        QCOMPARE(gestos, (QStringList{"decline", "suggest", "wave"}));
        QVERIFY(!genio.figura()->isVisible());
        QCOMPARE(genio.figura()->pos(), QPoint(70, 70));
        QCOMPARE(PasoGuia, std::string("Rollo"));
        QVERIFY(!frmBrowser::Existente());
        QCOMPARE(Menu(s), kListaEleccion);
        QVERIFY(Guia(s).AsistenteListo());

        // Bookmark 100 opens the entrance page; any other does nothing.
        PaginaGuia = "2";
        s.principal->Agent1_Bookmark(7);
        QVERIFY(!frmBrowser::Existente());
        s.principal->Agent1_Bookmark(100);
        QCOMPARE(PaginaGuia, std::string("1"));
        QVERIFY(frmBrowser::Existente());
        QCOMPARE(frmBrowser::Existente()->brwWebBrowser()->source().fileName(), QStringLiteral("Entrada.htm"));
    }

    void navegador()
    {
        SesionPrueba s;
        Prepara(s);
        // No page number and no address yet: nowhere.
        PaginaGuia.clear();
        DireccionGuia.clear();
        frmBrowser *b = AbreNavegador();
        QVERIFY(b);
        QVERIFY(b->brwWebBrowser()->source().isEmpty());
        QCOMPARE(b->cboAddress()->count(), 0);
        b->descarga();

        PaginaGuia = "1";
        b = AbreNavegador();
        QCOMPARE(b->windowTitle(), QStringLiteral("¿Por qué conocer la gráfica de una función?"));
        QVERIFY(b->windowState() & Qt::WindowMaximized);
        const QString grafica = QStringLiteral("Qué nos cuenta la gráfica de un polinomio");
        Escribe(*b, Pagina("grafica.htm"));
        QCOMPARE(b->windowTitle(), grafica);
        QCOMPARE(Direcciones(*b), (QStringList{"grafica.htm", "Entrada.htm"}));
        b->boton("Atras")->trigger();
        QCOMPARE(b->brwWebBrowser()->source().fileName(), QStringLiteral("Entrada.htm"));
        QCOMPARE(Direcciones(*b), (QStringList{"Entrada.htm", "grafica.htm"}));
        QVERIFY(b->boton("Adelante")->isEnabled());
        b->boton("Adelante")->trigger();
        QCOMPARE(b->windowTitle(), grafica);
        // A page that is not there: our own short page.
        Escribe(*b, Pagina("no-existe.htm"));
        QCOMPARE(b->windowTitle(), QStringLiteral("No se encontró la página"));
        b->boton("Inicio")->trigger();
        QCOMPARE(b->brwWebBrowser()->source().fileName(), QStringLiteral("Entrada.htm"));
        Escribe(*b, Pagina("grafica.htm"));
        b->boton("Actualizar")->trigger();
        b->boton("Detener")->trigger();
        QCOMPARE(b->windowTitle(), grafica);
        QCOMPARE(Direcciones(*b), (QStringList{"grafica.htm", "Entrada.htm", "no-existe.htm"}));
        b->boton("Cerrar")->trigger();
        QVERIFY(!frmBrowser::Existente());

        // Any other page number: the address opened last.
        PaginaGuia = "3";
        b = AbreNavegador();
        QCOMPARE(b->windowTitle(), grafica);
        b->mnuSalir()->trigger();
        QVERIFY(!frmBrowser::Existente());

        // Page "2": the roots page, and the tour's roots step.
        PaginaGuia = "2";
        b = AbreNavegador();
        QCOMPARE(b->windowTitle(), QStringLiteral("Primer paso: las raíces"));
        QCOMPARE(PasoGuia, std::string("raices"));
        // "genio" after the to-order window handed its polynomial on: the
        // tour window at the current page, which moves the tour on.
        b->descarga();
        PasoGuia = "instrucciones";
        s.principal->Agent1_Command(QStringLiteral("genio"));
        QVERIFY(Espera(s));
        QVERIFY(frmBrowser::Existente());
        QCOMPARE(frmBrowser::Existente()->brwWebBrowser()->source().fileName(), QStringLiteral("raices.htm"));
        QCOMPARE(PasoGuia, std::string("raices"));
        QCOMPARE(Frases(s).mid(Frases(s).size() - 2),
                 (QStringList{QStringLiteral("Si necesitas más ayuda selecciona la Ayuda o el Apoyo"),
                              QStringLiteral("Ahora continuas solo")}));

        // "genio" at that step with no polynomial: the sentence, nothing
        // started.
        s.principal->Agent1_Command(QStringLiteral("genio"));
        QVERIFY(Espera(s));
        QCOMPARE(Frases(s).last(), kSinPolinomio);
        QVERIFY(s.Hub());
        QVERIFY(!s.Hub()->UCMarcoMedio()->isVisible());
        QCOMPARE(int(s.Hub()->AccionPendiente), 0);
    }
};

QTEST_MAIN(TstGuia)
#include "tst_Guia.moc"
