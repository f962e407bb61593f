// A job on a thread of its own while the window's thread waits: a quick
// one as if run in place, a slow one with the window painting and timers
// going, the busy cursor up, and the student's input dropped.
#include "EsperaTrabajo.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>
#include <QWindow>

#include <chrono>
#include <stdexcept>
#include <thread>

using plataforma::EsperaTrabajo;
using namespace std::chrono_literals;

class tst_EsperaTrabajo : public QObject {
    Q_OBJECT

private slots:
    void trabajoLentoNoCongelaNiDejaTocar()
    {
        QWidget ventana;
        auto *boton = new QPushButton(QStringLiteral("Otra vez"));
        auto *caja = new QLineEdit;
        auto *capa = new QVBoxLayout(&ventana);
        capa->addWidget(boton);
        capa->addWidget(caja);
        boton->setShortcut(QKeySequence(QStringLiteral("Alt+O")));
        ventana.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ventana));
        caja->setFocus();
        int clics = 0;
        connect(boton, &QPushButton::clicked, this, [&] { ++clics; });

        int tics = 0;
        bool ocupado = true;
        int anidado = 0;
        QTimer reloj;
        reloj.setInterval(20);
        connect(&reloj, &QTimer::timeout, this, [&] {
            ++tics;
            const QCursor *cursor = QApplication::overrideCursor();
            ocupado = ocupado && cursor && cursor->shape() == Qt::WaitCursor;
            QTest::mouseClick(boton, Qt::LeftButton);
            QTest::keyClick(caja, Qt::Key_A);
            QTest::keyClick(&ventana, Qt::Key_O, Qt::AltModifier);
            // As the frame's close button does: through the platform window.
            ventana.windowHandle()->close();
            // Another wait begun meanwhile does its job in place.
            if (tics == 1)
                anidado = EsperaTrabajo::Calcula([] { return 7; });
        });
        reloj.start();
        const int r = EsperaTrabajo::Calcula([] {
            std::this_thread::sleep_for(300ms);
            return 42;
        });
        reloj.stop();

        QCOMPARE(r, 42);
        QVERIFY2(tics >= 3, qPrintable(QString::number(tics)));
        QVERIFY(ocupado);
        QCOMPARE(anidado, 7);
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(!EsperaTrabajo::EnCurso());
        QCOMPARE(clics, 0);
        QVERIFY(caja->text().isEmpty());
        QVERIFY(ventana.isVisible());
        // Once it is over the same input works again.
        QTest::mouseClick(boton, Qt::LeftButton);
        QTest::keyClick(caja, Qt::Key_A);
        QCOMPARE(clics, 1);
        QCOMPARE(caja->text(), QStringLiteral("a"));
    }

    // A quick job processes no event: what is posted waits for the caller.
    void trabajoBreveSinBucle()
    {
        bool atendido = false;
        QTimer::singleShot(0, this, [&] { atendido = true; });
        bool aparte = false;
        const int r = EsperaTrabajo::Calcula([&] {
            aparte = EsperaTrabajo::EnHiloAparte();
            return 5;
        });
        QCOMPARE(r, 5);
        QVERIFY(aparte);
        QVERIFY(!EsperaTrabajo::EnHiloAparte());
        QVERIFY(!atendido);
        QVERIFY(!QApplication::overrideCursor());
        QTRY_VERIFY(atendido);
    }

    // What the job throws is thrown again to the caller, quick or slow.
    void excepcionVuelve()
    {
        for (const auto espera : {0ms, 100ms}) {
            bool lanzada = false;
            try {
                EsperaTrabajo::Ejecuta([espera] {
                    std::this_thread::sleep_for(espera);
                    throw std::runtime_error("fallo");
                });
            } catch (const std::runtime_error &e) {
                lanzada = QByteArray(e.what()) == "fallo";
            }
            QVERIFY(lanzada);
            QVERIFY(!QApplication::overrideCursor());
        }
    }
};

QTEST_MAIN(tst_EsperaTrabajo)
#include "tst_EsperaTrabajo.moc"
