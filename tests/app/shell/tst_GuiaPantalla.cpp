// The guided tour on a classroom's small screen, 1024 by 768 pixels, where
// the character's first place lies on the main window's toolbar: while it
// greets the student, neither the figure nor its balloon covers a button.
#include "tst_HubSesion.h"

#include "GuiaGenio.h"
#include "Reinicio.h"

#include "FiguraPersonaje.h"
#include "GloboPersonaje.h"
#include "Personaje.h"
#include "VozGrabada.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

class TstGuiaPantalla : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        FabricaDeVoz() = [] { return std::make_unique<VozGrabada>(); };
        const QRect pantalla = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(pantalla.size(), QSize(1024, 768));
    }

    void introduccionLibreDeLaBarra()
    {
        SesionPrueba s;
        RegresaAlInicio();
        SesionPrueba::Suelta();
        s.principal->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s.principal.get()));
        Personaje &genio = *s.principal->guia()->personaje();
        genio.fijaRitmo({0, 0, 0});

        QList<QRect> botones;
        for (const QToolButton *b : s.principal->findChild<QToolBar *>(QStringLiteral("Tlbpoli"))
                                        ->findChildren<QToolButton *>())
            if (b->isVisible())
                botones << QRect(b->mapToGlobal(QPoint()), b->size());
        QVERIFY(botones.size() >= 6);
        // The first place is on the toolbar: the figure has to move.
        QVERIFY(std::any_of(botones.begin(), botones.end(), [&](const QRect &b) {
            return QRect(QPoint(70, 70), genio.figura()->size()).intersects(b);
        }));

        QStringList cubiertas;
        const auto cubre = [&](const QRect &r) {
            return std::any_of(botones.begin(), botones.end(), [&](const QRect &b) { return r.intersects(b); });
        };
        connect(&genio, &Personaje::dicho, this, [&](const QString &frase) {
            if (!genio.globo()->isVisible() || cubre(genio.globo()->geometry()) || cubre(genio.figura()->geometry()))
                cubiertas << frase;
        });
        s.principal->mnuAyudante()->trigger();
        QTRY_VERIFY(!genio.ocupado());
        QCOMPARE(cubiertas, QStringList());
        QVERIFY(genio.figura()->isVisible());
        QVERIFY(!cubre(genio.figura()->geometry()));
    }
};

int main(int argc, char **argv)
{
    // Qt's screen without a display, as large as the classroom's.
    QTemporaryDir carpeta;
    const QString config = carpeta.filePath(QStringLiteral("pantalla.json"));
    QFile archivo(config);
    if (!archivo.open(QIODevice::WriteOnly)
        || archivo.write(R"({"screens": [{"name": "Aula", "x": 0, "y": 0, "width": 1024, "height": 768,
                             "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
               < 0)
        return 1;
    archivo.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TstGuiaPantalla prueba;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&prueba, argc, argv);
}

#include "tst_GuiaPantalla.moc"
