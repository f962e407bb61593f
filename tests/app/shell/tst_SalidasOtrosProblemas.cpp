// The windows the hub opens before a polynomial is chosen ("Problemas
// &inversos" > "&Construir un polinomio...", "&Otros Problemas"), each left by
// every way out, with and without a problem set: its "Cancelar" (which
// starts the line windows afresh), "al menú &anterior", "al &inicio", its close
// box, the hub's "Regresar a &Inicio" and close box behind it, the main
// window's "&Salida". The stack, the main caption, the hub's menus and the
// windows left are checked after each one.
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
        QTest::addColumn<bool>("conProblema");
        QTest::addColumn<QString>("salida");
        for (const char *menu : {"mnuConceptos", "mnuIdentificoGrafis", "mnuRectang", "mnuRectaNormal"})
            for (bool conProblema : {false, true})
                for (const char *salida : {"Cancelar", "anterior", "inicio", "caja", "hub: Regresar a Inicio",
                                           "hub: caja", "Salida"})
                    QTest::addRow("%s%s, %s", menu, conProblema ? " con problema" : "", salida)
                        << QString::fromLatin1(menu) << conProblema << QString::fromLatin1(salida);
    }
    void cadaSalida()
    {
        QFETCH(QString, menu);
        QFETCH(bool, conProblema);
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
        if (conProblema) {
            // The program proposes the problem, where the window offers it.
            QAction *propone = Regreso(*w, QStringLiteral("&Quorvane propone el problema"));
            if (!propone)
                propone = Regreso(*w, QStringLiteral("Quorvane propone el problema"));
            if (!propone)
                QSKIP("the window proposes no problem of its own");
            propone->trigger();
            SesionPrueba::Suelta();
            QCOMPARE(gestor.actual(), w);
        }

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
        } else {
            QVERIFY(s.SaleComun(salida, *w));
        }
        SesionPrueba::Suelta();

        if (salida == QLatin1String("Cancelar") && menu.startsWith(QLatin1String("mnuRecta"))) {
            // The line windows give up the problem and start afresh.
            VentanaBase *nueva = gestor.actual();
            QVERIFY(nueva);
            QCOMPARE(QString::fromLatin1(nueva->metaObject()->className()), clase);
            QCOMPARE(gestor.cargadas().size(), antes.size() + 1);
            QCOMPARE(NivelPila, nivelVentana);
            QCOMPARE(s.principal->windowTitle(), tituloVentana);
        } else if (salida == QLatin1String("Cancelar") || salida == QLatin1String("anterior")
            || salida == QLatin1String("caja")) {
            QCOMPARE(gestor.cargadas(), antes);
            QCOMPARE(gestor.actual(), hub);
            QCOMPARE(NivelPila, nivelHub);
            QCOMPARE(s.principal->windowTitle(), tituloHub);
            QVERIFY(hub->mnuSePropoPoli()->isEnabled());
            QVERIFY(hub->mnuSinPoli()->isEnabled());
            QVERIFY(hub->mnuProbDiver()->isEnabled());
        } else if (salida != QLatin1String("Salida")) {
            QVERIFY(gestor.cargadas().isEmpty());
            QCOMPARE(NivelPila, 1);
            QCOMPARE(s.principal->windowTitle(), QStringLiteral("Quorvane"));
            QVERIFY(s.principal->mnupoliAccion()->isEnabled());
            QVERIFY(s.principal->mnuSalida()->isEnabled());
        } else {
            QVERIFY(gestor.cargadas().isEmpty());
        }
    }

    // The student proposes the polynomial from the window, gives one up or
    // confirms it, and leaves: nothing of the entry window stays on the stack.
    void proponeYSale_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<bool>("continua");
        for (const char *menu : {"mnuIdentificoGrafis", "mnuRectang", "mnuRectaNormal"})
            for (bool continua : {false, true})
                QTest::addRow("%s, %s", menu, continua ? "Continuar" : "Cancelar")
                    << QString::fromLatin1(menu) << continua;
    }
    void proponeYSale()
    {
        QFETCH(QString, menu);
        QFETCH(bool, continua);
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
        if (continua) {
            SesionPrueba::Escribe(*p->RtpPidepoli1(), QStringLiteral("x^3-3x"));
            QTest::keyClick(p->RtpPidepoli1()->Caja(), Qt::Key_Return);
            QVERIFY(p->CmdContinuar()->isVisible());
            SesionPrueba::Pulsa(p->CmdContinuar());
        } else {
            SesionPrueba::Pulsa(p->cmdCancelar());
        }
        SesionPrueba::Suelta();
        QVERIFY(!SesionPrueba::Ventana<frmpidepoli>());
        QCOMPARE(gestor.actual(), w);
        QCOMPARE(NivelPila, nivelVentana);

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
