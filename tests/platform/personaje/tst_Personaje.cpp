// The assistant character: its queue runs in call order, one phrasing of a
// sentence is drawn at random, the balloon carries every sentence with or
// without a voice, and its command list is its menu.
#include "FiguraPersonaje.h"
#include "GloboPersonaje.h"
#include "Personaje.h"
#include "VozGrabada.h"
#include "VozQt.h"

#include "Azar.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>

namespace {
struct Registro {
    QStringList pasos;
    explicit Registro(Personaje &p)
    {
        QObject::connect(&p, &Personaje::dicho, [this](const QString &f) { pasos << QStringLiteral("di:") + f; });
        QObject::connect(&p, &Personaje::animacion, [this](const QString &a) { pasos << QStringLiteral("anima:") + a; });
    }
};

std::unique_ptr<Personaje> Rapido(std::unique_ptr<Voz> voz)
{
    auto p = std::make_unique<Personaje>(std::move(voz));
    p->fijaRitmo({0, 0, 0});
    return p;
}
} // namespace

class TstPersonaje : public QObject {
    Q_OBJECT
private slots:
    void init() { rt::OlvidaAzarProgramado(); }

    void colaEnOrdenDeLlamada()
    {
        auto *voz = new VozGrabada;
        auto p = Rapido(std::unique_ptr<Voz>(voz));
        Registro r(*p);
        // Two phrasings: the second drawn.
        rt::ProgramaAzar({0.7f});
        p->mueveA(70, 70);
        p->muestra();
        p->habla(QStringLiteral("Hola | Soy el ayudante "));
        p->actua(QStringLiteral("wave"));
        p->habla(QStringLiteral("Para dar un polinomio,  elige"));
        p->actua(QStringLiteral("no existe"));
        p->oculta();
        // Nothing runs ahead of its turn: the move is done, the rest waits.
        QCOMPARE(p->figura()->pos(), QPoint(70, 70));
        QVERIFY(!p->figura()->isVisible());
        QVERIFY(voz->frases().isEmpty());
        QVERIFY(p->ocupado());
        QTRY_VERIFY(!p->ocupado());
        QCOMPARE(r.pasos, (QStringList{"di:Soy el ayudante", "anima:wave", "di:Para dar un polinomio,  elige",
                                       "anima:no existe"}));
        QCOMPARE(voz->frases(), (QStringList{"Soy el ayudante", "Para dar un polinomio,  elige"}));
        QVERIFY(!p->figura()->isVisible());
        QVERIFY(!p->globo()->isVisible());
        QCOMPARE(p->figura()->pos(), QPoint(70, 70));
        QCOMPARE(p->figura()->pose().brazoDerecho, FiguraPersonaje::Pose{}.brazoDerecho);
    }

    // The voice is made with the first sentence, once; a sentence made at
    // its turn says what holds then, and an empty one is skipped.
    void vozConLaPrimeraFraseYFrasesAlLlegar()
    {
        int hechas = 0;
        VozGrabada *voz = nullptr;
        Personaje p([&]() -> std::unique_ptr<Voz> {
            ++hechas;
            auto v = std::make_unique<VozGrabada>();
            voz = v.get();
            return v;
        });
        p.fijaRitmo({0, 0, 0});
        p.muestra();
        p.actua(QStringLiteral("wave"));
        QTRY_VERIFY(!p.ocupado());
        QCOMPARE(hechas, 0);
        QVERIFY(!p.voz());

        QString estado = QStringLiteral("antes");
        p.habla(QStringLiteral("uno"));
        QCOMPARE(hechas, 1);
        p.hablaSegun([&] { return estado; });
        p.hablaSegun([] { return QString(); });
        p.habla(QStringLiteral("dos"));
        estado = QStringLiteral("después");
        QTRY_VERIFY(!p.ocupado());
        QCOMPARE(hechas, 1);
        QCOMPARE(p.voz(), voz);
        QCOMPARE(voz->frases(), (QStringList{"uno", QStringLiteral("después"), "dos"}));
    }

    void globoMientrasHabla()
    {
        auto p = std::make_unique<Personaje>(std::make_unique<VozGrabada>());
        p->fijaRitmo({0, 200, 0});
        p->muestra();
        p->habla(QStringLiteral("Da click en [Listo] y [Continuar]"));
        QTRY_VERIFY(p->globo()->isVisible());
        QCOMPARE(p->globo()->texto(), QStringLiteral("Da click en [Listo] y [Continuar]"));
        QTRY_VERIFY(!p->ocupado());
        QVERIFY(!p->globo()->isVisible());
    }

    // Without any engine, or with one that cannot speak, every sentence
    // still passes through the balloon.
    void sinMotorDeVoz()
    {
        for (bool conVozQt : {false, true}) {
            std::unique_ptr<Voz> voz;
            if (conVozQt) {
                auto vozQt = std::make_unique<VozQt>(QStringLiteral("ningun-motor"));
                QSignalSpy preparada(vozQt.get(), &VozQt::preparada);
                QVERIFY(preparada.wait(5000));
                voz = std::move(vozQt);
            }
            auto p = Rapido(std::move(voz));
            if (conVozQt)
                QVERIFY(!p->voz()->disponible());
            QStringList globo;
            connect(p.get(), &Personaje::dicho, this, [&] { globo << p->globo()->texto(); });
            p->muestra();
            p->habla(QStringLiteral("uno"));
            p->habla(QStringLiteral("dos"));
            QTRY_VERIFY(!p->ocupado());
            QCOMPARE(globo, (QStringList{"uno", "dos"}));
        }
    }

    // calla() drops the sentence under way and all that waits behind it,
    // in the middle of a sentence or of a gesture; what comes after runs
    // in order, with no late end of the dropped step pushing it on.
    void callaVaciaLaCola()
    {
        for (bool enGesto : {false, true}) {
            auto *voz = new VozGrabada;
            auto p = std::make_unique<Personaje>(std::unique_ptr<Voz>(voz));
            p->fijaRitmo({0, 150, 150});
            Registro r(*p);
            p->muestra();
            if (enGesto)
                p->actua(QStringLiteral("wave"));
            p->habla(QStringLiteral("uno"));
            p->habla(QStringLiteral("dos"));
            p->habla(QStringLiteral("tres"));
            QTRY_COMPARE(r.pasos.size(), 1);
            QVERIFY(enGesto ? p->figura()->animando() : p->globo()->isVisible());
            p->calla();
            QVERIFY(!p->ocupado());
            QVERIFY(!p->globo()->isVisible());
            QVERIFY(!p->figura()->animando());
            p->habla(QStringLiteral("adiós"));
            p->oculta();
            QTRY_VERIFY(!p->ocupado());
            QTest::qWait(400); // nothing dropped turns up late
            QCOMPARE(r.pasos.mid(1), QStringList{QStringLiteral("di:adiós")});
            QCOMPARE(voz->frases().last(), QStringLiteral("adiós"));
            QCOMPARE(voz->frases().size(), enGesto ? 1 : 2);
            QVERIFY(!p->figura()->isVisible());
        }
    }

    void comandosComoMenu()
    {
        auto p = Rapido(nullptr);
        p->agregaComando({"genio", QStringLiteral("Guíame genio, ¿qué es lo que sigue?"), "...genio"});
        p->agregaComando({"oculto", "Oculto", "", true, false});
        p->agregaComando({"apagado", "Apagado", "", false, true});
        QCOMPARE(p->comandos().size(), 3);
        const QList<QAction *> acciones = p->menu()->actions();
        QCOMPARE(acciones.size(), 2);
        QCOMPARE(acciones[0]->text(), QStringLiteral("Guíame genio, ¿qué es lo que sigue?"));
        QVERIFY(!acciones[1]->isEnabled());
        QSignalSpy elegido(p.get(), &Personaje::comando);
        acciones[0]->trigger();
        QTRY_COMPARE(elegido.size(), 1);
        QCOMPARE(elegido[0][0].toString(), QStringLiteral("genio"));
        p->quitaComandos();
        QVERIFY(p->menu()->actions().isEmpty());

        QSignalSpy clic(p.get(), &Personaje::clic);
        p->muestra();
        QTest::mouseClick(p->figura(), Qt::LeftButton);
        QCOMPARE(clic.size(), 1);
        QCOMPARE(clic[0][0].toInt(), 1);
    }

    // A figure sent off the screen is kept whole on it.
    void siempreEnPantalla()
    {
        auto p = Rapido(nullptr);
        p->mueveA(100000, 100000);
        QTRY_VERIFY(!p->ocupado());
        const QRect util = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(util.contains(p->figura()->geometry()));
    }

    // The figure stands clear of the buttons and text of the window in
    // front: where it was sent to when that is clear, else aside; a window
    // that opens under it moves it, and once that window has gone it is
    // back where it was sent.
    void libreDeLaVentanaAlFrente()
    {
        const QRect util = QGuiApplication::primaryScreen()->availableGeometry();
        auto p = Rapido(nullptr);
        const QPoint pedido(util.right() + 1 - 140, util.bottom() + 1 - 240);
        p->mueveA(pedido.x(), pedido.y());
        p->muestra();
        QTRY_VERIFY(!p->ocupado());
        QCOMPARE(p->figura()->pos(), pedido);

        // A window whose button and text lie where the figure stands, the
        // rest of it empty.
        QWidget ventana;
        ventana.setGeometry(util.adjusted(20, 20, -20, -20));
        auto *cerrar = new QPushButton(QStringLiteral("Cerrar"), &ventana);
        auto *texto = new QTextEdit(&ventana);
        texto->setPlainText(QStringLiteral("Una línea de texto que se lee\nY otra"));
        const QPoint sitio = ventana.mapFromGlobal(p->figura()->geometry().center());
        cerrar->setGeometry(QRect(sitio - QPoint(60, 10), QSize(120, 30)));
        texto->setGeometry(QRect(sitio + QPoint(-100, 40), QSize(300, 80)));
        ventana.show();
        ventana.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&ventana));

        const auto boton = [&] { return QRect(cerrar->mapToGlobal(QPoint()), cerrar->size()); };
        const auto lineas = [&] {
            const QTextBlock primera = texto->document()->begin();
            const QRectF r = texto->document()->documentLayout()->blockBoundingRect(primera);
            const QRectF linea = primera.layout()->lineAt(0).naturalTextRect().translated(r.topLeft());
            return QRect(texto->viewport()->mapToGlobal(linea.toAlignedRect().topLeft()),
                         linea.toAlignedRect().size());
        };
        QTRY_VERIFY(p->figura()->pos() != pedido);
        QVERIFY(!p->figura()->geometry().intersects(boton()));
        QVERIFY(!p->figura()->geometry().intersects(lineas()));
        QVERIFY(util.contains(p->figura()->geometry()));

        // Sent there again while that window is in front: it stays clear.
        p->mueveA(pedido.x(), pedido.y());
        QTRY_VERIFY(!p->ocupado());
        QVERIFY(!p->figura()->geometry().intersects(boton()));

        ventana.hide();
        QWidget otra;
        otra.setGeometry(util.left() + 10, util.top() + 10, 200, 100);
        otra.show();
        otra.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&otra));
        QTRY_COMPARE(p->figura()->pos(), pedido);
    }

    // A row of buttons along the top of the screen, the figure sent just
    // over it: whatever the sentence's length, neither the figure nor its
    // balloon covers a button, and each sentence's balloon points at the
    // figure from the side where it fits.
    void globoLibreDeLosBotones()
    {
        const QRect util = QGuiApplication::primaryScreen()->availableGeometry();
        QWidget ventana;
        ventana.setGeometry(util.adjusted(0, 40, 0, 0));
        QList<QPushButton *> botones;
        for (int i = 0; i < 8; ++i) {
            botones << new QPushButton(QStringLiteral("Botón"), &ventana);
            botones.last()->setGeometry(i * 60, 0, 56, 56);
        }
        ventana.show();
        ventana.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&ventana));

        auto p = Rapido(nullptr);
        QStringList cubiertas;
        connect(p.get(), &Personaje::dicho, this, [&](const QString &frase) {
            const QRect figura = p->figura()->geometry();
            const QRect globo = p->globo()->geometry();
            const bool arriba = globo.center().y() < figura.center().y();
            // The balloon stands against the figure, whole on the screen.
            const bool junto = p->globo()->isVisible() && util.contains(globo)
                               && (arriba ? globo.bottom() >= figura.top() && globo.bottom() < figura.top() + 20
                                          : globo.top() <= figura.bottom() && globo.top() > figura.bottom() - 20);
            const bool cubre = std::any_of(botones.begin(), botones.end(), [&](const QPushButton *b) {
                const QRect boton(b->mapToGlobal(QPoint()), b->size());
                return figura.intersects(boton) || globo.intersects(boton);
            });
            if (cubre || !junto)
                cubiertas << frase;
        });
        p->mueveA(util.left() + 70, util.top() + 70);
        p->muestra();
        p->habla(QStringLiteral("Hola"));
        p->habla(QStringLiteral("Soy el ayudante de Quorvane"));
        p->habla(QStringLiteral("Leyendo estas páginas te darás cuenta de por qué es importante conocer la gráfica "
                                "de una función, y de cómo se lee"));
        QTRY_VERIFY(!p->ocupado());
        QCOMPARE(cubiertas, QStringList());
    }

    // A window standing on top of the one the character floats above, away
    // from the figure: the buttons of the window beneath still count.
    void libreDeSuVentanaBajoOtra()
    {
        const QRect util = QGuiApplication::primaryScreen()->availableGeometry();
        QWidget principal;
        principal.setGeometry(util.adjusted(10, 10, -10, -10));
        auto *boton = new QPushButton(QStringLiteral("Libro"), &principal);
        boton->setGeometry(60, 60, 80, 50);
        principal.show();
        auto p = std::make_unique<Personaje>(std::unique_ptr<Voz>(), &principal);
        p->fijaRitmo({0, 0, 0});
        const QRect enBoton(boton->mapToGlobal(QPoint()), boton->size());
        p->mueveA(enBoton.left(), enBoton.top());
        p->muestra();
        QTRY_VERIFY(!p->ocupado());

        QWidget encima(&principal, Qt::Window);
        encima.setGeometry(util.center().x(), util.center().y(), 200, 150);
        encima.show();
        encima.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&encima));
        QTRY_VERIFY(!p->figura()->geometry().intersects(enBoton));
    }
};

QTEST_MAIN(TstPersonaje)
#include "tst_Personaje.moc"
