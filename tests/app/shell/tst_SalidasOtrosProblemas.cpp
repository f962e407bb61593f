// The windows the hub opens before a polynomial is chosen ("Problemas
// &inversos" > "&Construir un polinomio...", "&Otros Problemas"), each left by
// every way out, in each of its states (no problem yet, a problem the program
// proposed, the line given, the entry window open for the student's
// polynomial, the abscissa asked for that polynomial): its "Cancelar" (which
// starts the line windows afresh), "al menú &anterior", "al &inicio", its close
// box, the hub's "Regresar a &Inicio" and close box behind it, the main
// window's "&Salida", "Adiós" and close box, and "&Iniciar sesión" (which only
// brings the open session to the front). The stack, the main caption, the
// hub's and the main window's menus and the windows left are checked after
// each one.
#include "tst_HubSesion.h"

#include <QMenu>

namespace {
QAction *Regreso(QWidget &w, const QString &texto)
{
    for (QAction *a : w.findChildren<QAction *>())
        if (a->text() == texto)
            return a;
    return nullptr;
}
Usc *Boton(QWidget &w, const QString &texto)
{
    for (Usc *b : w.findChildren<Usc *>())
        if (b->isVisible() && b->isEnabled() && b->Caption() == texto)
            return b;
    return nullptr;
}
// The window the hub's menu opens, in front of the hub.
void AbreDesdeHub(frmPolical &hub, const QString &menu, VentanaBase *&w)
{
    QAction *abre = hub.findChild<QAction *>(menu);
    QVERIFY(abre);
    if (!abre->isEnabled())
        QSKIP("not available in this build");
    abre->trigger();
    SesionPrueba::Suelta();
    w = GestorVentanas::instancia().actual();
    QVERIFY(w && w != &hub);
}
} // namespace

class tst_SalidasOtrosProblemas : public QObject {
    Q_OBJECT

private slots:
    void cadaSalida_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("estado");
        QTest::addColumn<QString>("salida");
        for (const char *menu : {"mnuConceptos", "mnuIdentificoGrafis", "mnuRectang", "mnuRectaNormal"})
            for (const char *estado : {"", "problema", "recta", "entrada", "abscisa"})
                for (const char *salida : {"Cancelar", "anterior", "inicio", "caja", "hub: Regresar a Inicio",
                                           "hub: caja", "Salida", "adios", "programa", "Iniciar sesion"})
                    QTest::addRow("%s%s%s, %s", menu, *estado ? " con " : "", estado, salida)
                        << QString::fromLatin1(menu) << QString::fromLatin1(estado) << QString::fromLatin1(salida);
    }
    void cadaSalida()
    {
        QFETCH(QString, menu);
        QFETCH(QString, estado);
        QFETCH(QString, salida);
        SesionPrueba s;
        frmPolical *hub = s.Hub();
        QVERIFY(hub);
        const int nivelHub = NivelPila;
        const QString tituloHub = s.principal->windowTitle();
        auto &gestor = GestorVentanas::instancia();
        const QList<VentanaBase *> antes = gestor.cargadas();
        VentanaBase *w = nullptr;
        AbreDesdeHub(*hub, menu, w);
        if (QTest::currentTestFailed() || !w)
            return;
        QVERIFY(NivelPila > nivelHub);
        const int nivelVentana = NivelPila;
        const QString tituloVentana = s.principal->windowTitle();
        const QString clase = QString::fromLatin1(w->metaObject()->className());
        if (!estado.isEmpty()) {
            QAction *opcion = nullptr;
            if (estado == QLatin1String("problema")) {
                opcion = Regreso(*w, QStringLiteral("&Quorvane propone el problema"));
                if (!opcion)
                    opcion = Regreso(*w, QStringLiteral("Quorvane propone el problema"));
            } else if (estado == QLatin1String("recta")) {
                opcion = Regreso(*w, QStringLiteral("Quorvane propone la &recta y el punto"));
            } else {
                opcion = Regreso(*w, QStringLiteral("El &usuario propone un polinomio"));
                if (!opcion)
                    opcion = Regreso(*w, QStringLiteral("El usuario propone un polinomio"));
            }
            if (!opcion)
                QSKIP("the window has no such state");
            opcion->trigger();
            SesionPrueba::Suelta();
            if (estado == QLatin1String("abscisa")) {
                frmpidepoli *p = SesionPrueba::Ventana<frmpidepoli>();
                QVERIFY(p);
                SesionPrueba::Escribe(*p->RtpPidepoli1(), QStringLiteral("x^3-3x"));
                QTest::keyClick(p->RtpPidepoli1()->Caja(), Qt::Key_Return);
                SesionPrueba::Pulsa(p->CmdContinuar());
                SesionPrueba::Suelta();
                QVERIFY(!SesionPrueba::Ventana<frmpidepoli>());
            }
            if (estado == QLatin1String("entrada"))
                QVERIFY(SesionPrueba::Ventana<frmpidepoli>());
            else
                QCOMPARE(gestor.actual(), w);
        }
        // The main window's menus are off while the entry window waits for
        // the student's polynomial: those ways are not there.
        const bool menusPrincipales = s.principal->mnuSalida()->isEnabled();
        if (!menusPrincipales && (salida == QLatin1String("Salida") || salida == QLatin1String("Iniciar sesion")))
            QSKIP("the main window's menus are off here");

        if (salida == QLatin1String("Cancelar")) {
            Usc *b = Boton(*w, QStringLiteral("Cancelar"));
            if (!b)
                QSKIP("no Cancelar before a problem is set");
            SesionPrueba::Pulsa(b);
        } else if (salida == QLatin1String("anterior")) {
            QAction *a = Regreso(*w, QStringLiteral("al menú &anterior"));
            QVERIFY(a);
            a->trigger();
        } else if (salida == QLatin1String("inicio")) {
            QAction *a = Regreso(*w, QStringLiteral("al &inicio"));
            QVERIFY(a);
            a->trigger();
        } else if (salida == QLatin1String("adios")) {
            s.principal->botonPorClave(QStringLiteral("adios"))->trigger();
        } else if (salida == QLatin1String("programa")) {
            s.principal->close();
        } else if (salida == QLatin1String("Iniciar sesion")) {
            s.principal->mnupoliAccion()->trigger();
            SesionPrueba::Suelta();
            // The session comes to the front as it stands; then the window is left.
            QCOMPARE(gestor.actual(), w);
            QCOMPARE(NivelPila, nivelVentana);
            QCOMPARE(s.principal->windowTitle(), tituloVentana);
            Regreso(*w, QStringLiteral("al menú &anterior"))->trigger();
        } else {
            QVERIFY(s.SaleComun(salida, *w));
        }
        SesionPrueba::Suelta();

        QVERIFY(!SesionPrueba::Ventana<frmpidepoli>());
        if (salida == QLatin1String("Cancelar") && menu.startsWith(QLatin1String("mnuRecta"))) {
            // The line windows give up the problem and start afresh.
            VentanaBase *nueva = gestor.actual();
            QVERIFY(nueva);
            QCOMPARE(QString::fromLatin1(nueva->metaObject()->className()), clase);
            QCOMPARE(gestor.cargadas().size(), antes.size() + 1);
            QCOMPARE(NivelPila, nivelVentana);
            QCOMPARE(s.principal->windowTitle(), tituloVentana);
            QVERIFY(s.principal->mnuSalida()->isEnabled());
        } else if (salida == QLatin1String("Cancelar") || salida == QLatin1String("anterior")
            || salida == QLatin1String("caja") || salida == QLatin1String("Iniciar sesion")) {
            QCOMPARE(gestor.cargadas(), antes);
            QCOMPARE(gestor.actual(), hub);
            QCOMPARE(NivelPila, nivelHub);
            QCOMPARE(s.principal->windowTitle(), tituloHub);
            QVERIFY(hub->mnuSePropoPoli()->isEnabled());
            QVERIFY(hub->mnuSinPoli()->isEnabled());
            QVERIFY(hub->mnuProbDiver()->isEnabled());
            QVERIFY(s.principal->mnuSalida()->isEnabled());
        } else if (salida != QLatin1String("Salida") && salida != QLatin1String("adios")
                   && salida != QLatin1String("programa")) {
            QVERIFY(gestor.cargadas().isEmpty());
            QCOMPARE(NivelPila, 1);
            QCOMPARE(s.principal->windowTitle(), QStringLiteral("Quorvane"));
            QVERIFY(s.principal->mnupoliAccion()->isEnabled());
            QVERIFY(s.principal->mnuSalida()->isEnabled());
        } else {
            QVERIFY(gestor.cargadas().isEmpty());
        }
    }

    // The student proposes the polynomial from the window, gives one up
    // (its "Cancelar" or close box) or confirms it, and leaves: nothing of
    // the entry window stays on the stack and the main menus are on again.
    void proponeYSale_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("entrada");
        for (const char *menu : {"mnuIdentificoGrafis", "mnuRectang", "mnuRectaNormal"})
            for (const char *entrada : {"Cancelar", "caja", "Continuar"})
                QTest::addRow("%s, %s", menu, entrada) << QString::fromLatin1(menu) << QString::fromLatin1(entrada);
    }
    void proponeYSale()
    {
        QFETCH(QString, menu);
        QFETCH(QString, entrada);
        SesionPrueba s;
        frmPolical *hub = s.Hub();
        QVERIFY(hub);
        const int nivelHub = NivelPila;
        const QString tituloHub = s.principal->windowTitle();
        auto &gestor = GestorVentanas::instancia();
        const QList<VentanaBase *> antes = gestor.cargadas();
        VentanaBase *w = nullptr;
        AbreDesdeHub(*hub, menu, w);
        if (QTest::currentTestFailed() || !w)
            return;
        const int nivelVentana = NivelPila;
        QAction *propone = Regreso(*w, QStringLiteral("El &usuario propone un polinomio"));
        if (!propone)
            propone = Regreso(*w, QStringLiteral("El usuario propone un polinomio"));
        QVERIFY(propone);
        propone->trigger();
        SesionPrueba::Suelta();
        frmpidepoli *p = SesionPrueba::Ventana<frmpidepoli>();
        QVERIFY(p);
        if (entrada == QLatin1String("Continuar")) {
            SesionPrueba::Escribe(*p->RtpPidepoli1(), QStringLiteral("x^3-3x"));
            QTest::keyClick(p->RtpPidepoli1()->Caja(), Qt::Key_Return);
            QVERIFY(p->CmdContinuar()->isVisible());
            SesionPrueba::Pulsa(p->CmdContinuar());
        } else if (entrada == QLatin1String("Cancelar")) {
            SesionPrueba::Pulsa(p->cmdCancelar());
        } else {
            gestor.marcoDe(p)->close();
        }
        SesionPrueba::Suelta();
        QVERIFY(!SesionPrueba::Ventana<frmpidepoli>());
        QCOMPARE(gestor.actual(), w);
        QCOMPARE(NivelPila, nivelVentana);
        QVERIFY(s.principal->mnuSalida()->isEnabled());

        QAction *anterior = Regreso(*w, QStringLiteral("al menú &anterior"));
        QVERIFY(anterior);
        anterior->trigger();
        SesionPrueba::Suelta();
        QCOMPARE(gestor.cargadas(), antes);
        QCOMPARE(gestor.actual(), hub);
        QCOMPARE(NivelPila, nivelHub);
        QCOMPARE(s.principal->windowTitle(), tituloHub);
    }
};

QTEST_MAIN(tst_SalidasOtrosProblemas)
#include "tst_SalidasOtrosProblemas.moc"
