// The guided tour through the real main window: the assistant character
// with a recorded voice and no waiting, the tour window and its pages.
#include "tst_HubSesion.h"

#include "GuiaGenio.h"
#include "NavegadorGuia.h"
#include "frmBrowser.h"
#include "frmDoyPoli.h"
#include "frmHistoria.h"
#include "frmParidad.h"

#include "CatalogoEjercicios.h"
#include "Reinicio.h"
#include "VentanaEjercicio.h"

#include "PictureEjes.h"

#include "FiguraPersonaje.h"
#include "GloboPersonaje.h"
#include "Personaje.h"
#include "VozGrabada.h"

#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QTextBlock>
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
// The hub, its menus, the concepts and the graph as the student sees them,
// to tell whether an action the tour asked for changed anything.
struct Foto {
    QStringList ventanas;
    QList<bool> menus;
    QList<bool> opciones;
    std::array<bool, NumConceptos> resueltos{};
    bool panel = false;
    bool anuncio = false;
    bool grafica = false;
    QImage dibujo;
    QString titulo;
    bool operator==(const Foto &o) const
    {
        return ventanas == o.ventanas && menus == o.menus && opciones == o.opciones && resueltos == o.resueltos &&
               panel == o.panel && anuncio == o.anuncio && grafica == o.grafica && dibujo == o.dibujo &&
               titulo == o.titulo;
    }
};
Foto Toma(SesionPrueba &s)
{
    Foto f;
    for (VentanaBase *v : GestorVentanas::instancia().cargadas())
        if (v->lugar() == VentanaBase::Lugar::AreaTrabajo || qobject_cast<frmHistoria *>(v))
            f.ventanas << QString::fromLatin1(v->metaObject()->className());
    f.ventanas.sort();
    frmPolical *hub = s.Hub();
    for (QAction *m : {hub->mnuSePropoPoli(), hub->mnuTuEliges(), hub->mnuMenuConPoli(), hub->mnuConsGraf(),
                       hub->mnuGrafyCuali(), hub->mnuSinPoli(), hub->mnuProbDiver(), hub->mnupoliadios(),
                       hub->mnuRegInicio(), hub->mnuRegNuevoPoli()})
        f.menus << m->isEnabled();
    for (int k = 0; k < NumConceptos; ++k)
        f.opciones << hub->OptCalcConcepto(k)->isEnabled();
    f.resueltos = ConceptoResuelto;
    f.panel = hub->UCMarcoMedio()->isVisible();
    f.anuncio = s.Grafica()->fraAnuncio()->isVisible();
    f.grafica = s.Grafica()->picejGraf().isVisible();
    f.dibujo = s.Grafica()->picejGraf().grab().toImage();
    f.titulo = s.principal->windowTitle();
    return f;
}
// Clicks the link to the page named in the page on show.
void SigueEnlace(frmBrowser &b, const QString &pagina)
{
    NavegadorGuia *vista = b.brwWebBrowser();
    for (QTextBlock bloque = vista->document()->begin(); bloque.isValid(); bloque = bloque.next())
        for (auto it = bloque.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            if (f.charFormat().anchorHref() != pagina)
                continue;
            QTextCursor cursor(vista->document());
            cursor.setPosition(f.position() + 1);
            QTest::mouseClick(vista->viewport(), Qt::LeftButton, {}, vista->cursorRect(cursor).center());
            return;
        }
    QFAIL("no link to the page");
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
    // Introducción, "genio", the tour window closed by its "Cerrar",
    // "genio" again: the to-order window the tour opened.
    static frmDoyPoli *AOrdenPorElRecorrido(SesionPrueba &s)
    {
        Prepara(s);
        s.principal->mnuAyudante()->trigger();
        if (!Elige(s, "genio") || !frmBrowser::Existente())
            return nullptr;
        frmBrowser::Existente()->boton("Cerrar")->trigger();
        return Elige(s, "genio") ? SesionPrueba::Ventana<frmDoyPoli>() : nullptr;
    }
    // Degree 3, odd, the first line of qualities: "Listo" comes on.
    static void EligeImparDeGrado3(frmDoyPoli &aOrden)
    {
        aOrden.UpdGrado()->setValue(1);
        aOrden.UpdGrado()->setValue(3);
        QTest::mouseClick(aOrden.optparidad1(), Qt::LeftButton);
        aOrden.CmbCualidades()->setCurrentIndex(0);
        emit aOrden.CmbCualidades()->activated(0);
    }

private slots:
    // The tour asks the hub for the to-order window ("genio" at its step
    // "polinomio"), the graph construction ("construir") or the graph and
    // its qualities ("historia") in every state of the hub. Where the hub's
    // own menu for it is off nothing changes: the concepts solved so far,
    // the hub, its menus and the graph stay as they were, and the character
    // says what comes first.
    void accionesDelRecorridoSegunElHub_data()
    {
        QTest::addColumn<QString>("estado");
        QTest::addColumn<QString>("comando");
        QTest::addColumn<QString>("efecto"); // empty: nothing changes
        QTest::addColumn<QStringList>("frases");
        const QString paraDar = QStringLiteral("Para dar un polinomio,  elige primero el grado, después la paridad y "
                                               "por último las cualidades que desees ");
        const QString raices = QStringLiteral("Primero calcula las raíces");
        const QString pestana = QStringLiteral("Haz click en la pestaña respectiva para ver las cualidades de la "
                                               "gráfica");
        const QStringList construyendo{QStringLiteral("Ya estás construyendo la gráfica"),
                                       QStringLiteral("Termina los conceptos, o da click en [Cancelar] para dejar "
                                                      "la construcción")};
        const QStringList resumen{QStringLiteral("Primero da click en [Regresar] para cerrar las cualidades de la "
                                                 "gráfica")};
        const QStringList ventana{QStringLiteral("Primero termina o cierra la ventana en la que estás trabajando")};
        const QStringList aOrden{QStringLiteral("Primero termina de dar tu polinomio"),
                                 QStringLiteral("Elige el grado, la paridad y las cualidades que desees")};
        const QStringList sinPoli{kSinPolinomio, QStringLiteral("¡Termina de darlo!")};
        const QStringList sinPoliAOrden = sinPoli + aOrden.mid(1);
        const QStringList propuesto{QStringLiteral("Primero termina de dar tu polinomio"),
                                    QStringLiteral("Escríbelo y da click en [Aceptar]")};
        const QStringList sinPoliPropuesto = sinPoli + propuesto.mid(1);
        // With a polynomial the tour moves on to building its graph.
        const QStringList otro{QStringLiteral("Ya tienes un polinomio"), raices};

        struct Fila {
            const char *estado;
            QStringList genio, construir, historia; // what is said first
            const char *efectoGenio, *efectoConstruir, *efectoHistoria;
        };
        const Fila filas[] = {
            {"sin polinomio", {paraDar}, sinPoli, sinPoli, "a orden", "", ""},
            {"polinomio dado", otro, {raices}, {pestana}, "construccion", "construccion", "cualidades"},
            {"construccion", construyendo, construyendo, construyendo, "", "", ""},
            {"construccion con ejercicio", construyendo, construyendo, construyendo, "", "", ""},
            {"cualidades", resumen, resumen, resumen, "", "", ""},
            {"a orden", aOrden, sinPoliAOrden, sinPoliAOrden, "", "", ""},
            {"propuesto", propuesto, sinPoliPropuesto, sinPoliPropuesto, "", "", ""},
            // A road works on a polynomial of its own.
            {"camino", ventana, sinPoli, sinPoli, "", "", ""},
        };
        for (const Fila &f : filas) {
            QTest::addRow("%s, genio", f.estado) << f.estado << "genio" << f.efectoGenio << f.genio;
            QTest::addRow("%s, construir", f.estado) << f.estado << "construir" << f.efectoConstruir << f.construir;
            QTest::addRow("%s, historia", f.estado) << f.estado << "historia" << f.efectoHistoria << f.historia;
        }
    }
    void accionesDelRecorridoSegunElHub()
    {
        QFETCH(QString, estado);
        QFETCH(QString, comando);
        QFETCH(QString, efecto);
        QFETCH(QStringList, frases);
        SesionPrueba s;
        Genio(s).fijaRitmo({0, 0, 0});
        frmPolical *hub = s.Hub();
        if (estado != QLatin1String("sin polinomio") && estado != QLatin1String("a orden") &&
            estado != QLatin1String("propuesto"))
            s.DaPolinomio(QStringLiteral("x^3-3x"));
        if (estado.startsWith(QLatin1String("construccion"))) {
            // Roots and critical points solved: marked on the axes.
            hub->mnuConsGraf()->trigger();
            for (int k : {0, 5}) {
                ConceptoResuelto[std::size_t(k)] = true;
                hub->opciones().DeshabilitaOpcion(k);
            }
            ConceptoActual = 6;
            hub->MarcaConceptosResueltos();
            if (estado.endsWith(QLatin1String("ejercicio"))) {
                if (!HayEjercicio(4))
                    QSKIP("no exercise window for the first derivative");
                QTest::mouseClick(hub->OptCalcConcepto(4), Qt::LeftButton);
                QVERIFY(qobject_cast<VentanaEjercicio *>(GestorVentanas::instancia().actual()));
            }
        } else if (estado == QLatin1String("cualidades")) {
            hub->mnuGrafyCuali()->trigger();
            QVERIFY(frmHistoria::Existente());
        } else if (estado == QLatin1String("a orden")) {
            hub->mnuTuEliges()->trigger();
            QVERIFY(SesionPrueba::Ventana<frmDoyPoli>());
        } else if (estado == QLatin1String("propuesto")) {
            hub->mnutupropo()->trigger();
            QVERIFY(SesionPrueba::Ventana<frmpidepoli>());
        } else if (estado == QLatin1String("camino")) {
            if (!hub->mnuDoyGrafiPoli()->isEnabled())
                QSKIP("no graph road");
            hub->mnuDoyGrafiPoli()->trigger();
        }
        SesionPrueba::Suelta();
        const Foto antes = Toma(s);
        const QStringList menuAntes = Menu(s);
        const std::string pasoAntes = comando == QLatin1String("genio") ? "polinomio" : PasoGuia;
        PasoGuia = pasoAntes;

        s.principal->mnuAyudante_Click();
        QVERIFY(Espera(s));
        const qsizetype n = Frases(s).size();
        s.principal->Agent1_Command(comando);
        QVERIFY(Espera(s));
        SesionPrueba::Suelta();
        QCOMPARE(Frases(s).mid(n, frases.size()), frases);

        if (efecto.isEmpty()) {
            QVERIFY(Toma(s) == antes);
            // The tour waits where it was.
            QCOMPARE(PasoGuia, pasoAntes);
            QCOMPARE(Menu(s), menuAntes);
            QVERIFY(Genio(s).figura()->isVisible());
        } else if (efecto == QLatin1String("a orden")) {
            QVERIFY(SesionPrueba::Ventana<frmDoyPoli>());
            QCOMPARE(Menu(s), kListaEleccion);
        } else if (efecto == QLatin1String("construccion")) {
            QVERIFY(hub->UCMarcoMedio()->isVisible());
            QCOMPARE(PasoGuia, comando == QLatin1String("genio") ? std::string("raices") : pasoAntes);
        } else if (efecto == QLatin1String("cualidades")) {
            QVERIFY(frmHistoria::Existente() && frmHistoria::Existente()->resumen());
        }
        // The character stays in view, with the commands it had.
        QVERIFY(Genio(s).figura()->isVisible());
        QCOMPARE(Menu(s), efecto == QLatin1String("a orden") ? kListaEleccion : menuAntes);
    }

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
        // At the corner once that sentence is over: a balloon too tall to
        // stand clear there takes the figure aside while it lasts.
        const QRect util = s.principal->screen()->availableGeometry();
        QTRY_COMPARE(genio.figura()->pos(), QPoint(util.right() + 1 - 140, util.bottom() + 1 - 240));
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
        // "Listo" and "Continuar" are off: they are not named yet.
        QCOMPARE(Frases(s).mid(n),
                 (QStringList{QStringLiteral("Para dar un polinomio,  elige primero el grado, después la paridad y "
                                             "por último las cualidades que desees "),
                              QStringLiteral("Al terminar da un click con el botón derecho, ya sabes como")}));
        QCOMPARE(PaginaGuia, std::string("2"));
        QCOMPARE(Menu(s), kListaEleccion);
        QVERIFY(Guia(s).AsistenteListo());

        // No polynomial yet: nothing else happens, and what is said fits
        // the to-order window, whose "Listo" and "Continuar" are still off.
        n = Frases(s).size();
        QVERIFY(Elige(s, "construir"));
        QCOMPARE(Frases(s).mid(n), (QStringList{kSinPolinomio, QStringLiteral("¡Termina de darlo!"),
                                                QStringLiteral("Elige el grado, la paridad y las cualidades que "
                                                               "desees")}));
        QCOMPARE(PasoGuia, std::string("polinomio"));
        QCOMPARE(Menu(s), kListaEleccion);
        QVERIFY(genio.figura()->isVisible());

        // The student gives the polynomial in the to-order window.
        aOrden->UpdGrado()->setValue(1);
        aOrden->UpdGrado()->setValue(4);
        QTest::mouseClick(aOrden->optparidad1(), Qt::LeftButton);
        aOrden->CmbCualidades()->setCurrentIndex(1);
        emit aOrden->CmbCualidades()->activated(1);
        n = Frases(s).size();
        QVERIFY(Elige(s, "construir"));
        QCOMPARE(Frases(s).mid(n + 2), QStringList{QStringLiteral("Da click en [Listo] y [Continuar]")});
        SesionPrueba::Pulsa(aOrden->cmdListo());
        n = Frases(s).size();
        QVERIFY(Elige(s, "construir"));
        QCOMPARE(Frases(s).mid(n + 2), QStringList{QStringLiteral("Da click en [Continuar]")});
        SesionPrueba::Pulsa(aOrden->CmdPasa());
        SesionPrueba::Suelta();
        QVERIFY(PoliDado);
        QCOMPARE(PasoGuia, std::string("instrucciones"));

        // "construir": the construction starts; the character stays where it
        // is with its choices.
        const QPoint rincon = genio.figura()->pos();
        n = Frases(s).size();
        QVERIFY(Elige(s, "construir"));
        QVERIFY(s.Hub()->UCMarcoMedio()->isVisible());
        QCOMPARE(Frases(s).mid(n), (QStringList{QStringLiteral("Primero calcula las raíces"),
                                                QStringLiteral("Ahora puedes continuar tú solo"),
                                                QStringLiteral("Si necesitas usa la ayuda o el apoyo")}));
        QVERIFY(genio.figura()->isVisible());
        QCOMPARE(genio.figura()->pos(), rincon);
        QCOMPARE(Menu(s), kListaEleccion);
        QCOMPARE(PasoGuia, std::string("instrucciones"));
        QVERIFY(Guia(s).AsistenteListo());
    }

    // The student's own road through the tour: the to-order window, the
    // construction, a concept solved. The character never leaves the
    // screen on its own and keeps its choices; a right click on it still
    // offers them.
    void genioSigueALaVistaTrasUnConcepto()
    {
        SesionPrueba s;
        Personaje &genio = Genio(s);
        frmDoyPoli *aOrden = AOrdenPorElRecorrido(s);
        QVERIFY(aOrden);
        EligeImparDeGrado3(*aOrden);
        SesionPrueba::Pulsa(aOrden->cmdListo());
        SesionPrueba::Pulsa(aOrden->CmdPasa());
        SesionPrueba::Suelta();
        QVERIFY(PoliDado);
        QVERIFY(Elige(s, "construir"));
        QVERIFY(s.Hub()->UCMarcoMedio()->isVisible());

        constexpr int paridad = 2;
        if (!HayEjercicio(paridad))
            QSKIP("no exercise window for parity");
        QTest::mouseClick(s.Hub()->OptCalcConcepto(paridad), Qt::LeftButton);
        auto *ejercicio = qobject_cast<frmParidad *>(GestorVentanas::instancia().actual());
        QVERIFY(ejercicio);
        // The polynomial is odd, as asked for.
        ejercicio->OptParidad(0)->click();
        SesionPrueba::Pulsa(ejercicio->cmdListo());
        SesionPrueba::Suelta();
        QVERIFY2(!SesionPrueba::Ventana<frmParidad>(), qPrintable(s.mensajes.join(QLatin1Char('|'))));
        QVERIFY(ConceptoResuelto[paridad]);
        QVERIFY(Espera(s));
        QTest::qWait(50);
        QVERIFY(genio.figura()->isVisible());
        QCOMPARE(Menu(s), kListaEleccion);
        QVERIFY(PasoGuia != "Rollo");
        // Right click: its menu.
        bool menuVisto = false;
        QTimer::singleShot(0, this, [&] {
            menuVisto = genio.menu()->isVisible();
            genio.menu()->close();
        });
        QContextMenuEvent clic(QContextMenuEvent::Mouse, QPoint(60, 60), genio.figura()->mapToGlobal(QPoint(60, 60)));
        QCoreApplication::sendEvent(genio.figura(), &clic);
        QTRY_VERIFY(menuVisto);
    }

    // Advice about the to-order window is made when it is said: it names
    // only what the student can do then, however quickly the student
    // moves on meanwhile.
    void consejoSegunLaVentanaAlDecirlo()
    {
        SesionPrueba s;
        Personaje &genio = Genio(s);
        frmDoyPoli *aOrden = AOrdenPorElRecorrido(s);
        QVERIFY(aOrden);
        // Every sentence that names a button is said while it is on.
        QStringList malos;
        connect(&genio, &Personaje::dicho, this, [&](const QString &f) {
            const bool listo = f.contains(QLatin1String("[Listo]"));
            if ((listo && !aOrden->cmdListo()->Enabled()) ||
                (!listo && f.contains(QLatin1String("[Continuar]")) && !aOrden->CmdPasa()->Enabled()))
                malos << f;
        });
        const qsizetype n = Frases(s).size();
        // Asked while nothing is chosen; the qualities chosen before the
        // character gets to it.
        genio.fijaRitmo({0, 100, 0});
        s.principal->Agent1_Command(QStringLiteral("construir"));
        EligeImparDeGrado3(*aOrden);
        QVERIFY(Espera(s));
        QCOMPARE(Frases(s).mid(n), (QStringList{kSinPolinomio, QStringLiteral("¡Termina de darlo!"),
                                                QStringLiteral("Da click en [Listo] y [Continuar]")}));
        // The same asked before anything is chosen and said at once.
        SesionPrueba::Pulsa(aOrden->cmdListo());
        genio.fijaRitmo({0, 0, 0});
        s.principal->Agent1_Command(QStringLiteral("construir"));
        QVERIFY(Espera(s));
        QCOMPARE(Frases(s).last(), QStringLiteral("Da click en [Continuar]"));
        QVERIFY2(malos.isEmpty(), qPrintable(malos.join(QLatin1Char('\n'))));
    }

    // The voice is made when the character first speaks, and only once: a
    // start that never shows the character starts no speech service.
    void vozAlHablarPorPrimeraVez()
    {
        int hechas = 0;
        FabricaDeVoz() = [&hechas] {
            ++hechas;
            return std::make_unique<VozGrabada>();
        };
        {
            SesionPrueba s;
            Genio(s).fijaRitmo({0, 0, 0});
            s.DaPolinomio(QStringLiteral("x^2-1"));
            QCOMPARE(hechas, 0);
            QVERIFY(!Genio(s).voz());
            s.principal->mnuAyudante()->trigger();
            QCOMPARE(hechas, 1);
            QVERIFY(Espera(s));
            QVERIFY(Elige(s, "genio"));
            QCOMPARE(hechas, 1);
            QVERIFY(!Frases(s).isEmpty());
        }
        FabricaDeVoz() = [] { return std::make_unique<VozGrabada>(); };
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
                              QStringLiteral("Ahora puedes continuar tú solo")}));
        QVERIFY(Genio(s).figura()->isVisible());
        QCOMPARE(Menu(s), kListaInicio);
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

    // "Desaparece" while the character still has sentences to say: it
    // says none of them, makes its gestures and hides.
    void desapareceCallaLoPendiente()
    {
        SesionPrueba s;
        Prepara(s);
        Personaje &genio = Genio(s);
        genio.fijaRitmo({0, 300, 0});
        QSignalSpy animaciones(&genio, &Personaje::animacion);
        s.principal->mnuAyudante()->trigger();
        QTRY_COMPARE(Frases(s).size(), 1);
        for (QAction *a : genio.menu()->actions())
            if (a->objectName() == QLatin1String("adios"))
                a->trigger();
        QTRY_VERIFY(!genio.figura()->isVisible());
        QVERIFY(Espera(s));
        QTest::qWait(700);
        QCOMPARE(Frases(s).size(), 1);
        QVERIFY(!genio.globo()->isVisible());
        QStringList gestos;
        for (const auto &a : animaciones)
            gestos << a.value(0).toString();
        QCOMPARE(gestos, (QStringList{"decline", "suggest", "wave"}));
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
        // The address bar names the page on show, within the tour's folder;
        // also after a link in the page is followed.
        QCOMPARE(b->cboAddress()->currentText(), QStringLiteral("Entrada.htm"));
        SigueEnlace(*b, QStringLiteral("grafica.htm"));
        QCOMPARE(b->brwWebBrowser()->source().fileName(), QStringLiteral("grafica.htm"));
        QCOMPARE(b->cboAddress()->currentText(), QStringLiteral("grafica.htm"));
        QCOMPARE(Direcciones(*b), (QStringList{"grafica.htm", "Entrada.htm"}));
        // A page name typed in the bar is a page of the tour.
        Escribe(*b, QStringLiteral("cualidades.htm"));
        QCOMPARE(b->brwWebBrowser()->source().fileName(), QStringLiteral("cualidades.htm"));
        QCOMPARE(b->cboAddress()->currentText(), QStringLiteral("cualidades.htm"));
        b->descarga();
        b = AbreNavegador();
        QCOMPARE(b->brwWebBrowser()->source().fileName(), QStringLiteral("Entrada.htm"));
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
                              QStringLiteral("Ahora continúas solo")}));

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
