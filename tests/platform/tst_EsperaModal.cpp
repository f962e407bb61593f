// The modal wait: answered by a test without showing anything, or waited
// on for real until the window closes; and the message box built on it.
#include "CajaMensaje.h"
#include "EsperaModal.h"
#include "Grid.h"
#include "LlamadasVentana.h"

#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

class tst_EsperaModal : public QObject {
    Q_OBJECT

private slots:
    void cajaContestadaPorLaPrueba_data()
    {
        QTest::addColumn<int>("estilo");
        QTest::addColumn<int>("respuesta");
        QTest::addColumn<int>("esperada");
        QTest::newRow("OK, sin respuesta") << 16 << 0 << 1;
        QTest::newRow("Si/No, No") << 4 + 32 << 7 << 7;
        QTest::newRow("Si/No, sin respuesta") << 4 << 0 << 6;
        QTest::newRow("Si/No, respuesta ajena") << 4 << 2 << 6;
        QTest::newRow("Reintentar/Cancelar") << 5 << 2 << 2;
    }
    void cajaContestadaPorLaPrueba()
    {
        QFETCH(int, estilo);
        QFETCH(int, respuesta);
        QFETCH(int, esperada);
        plataforma::ContestadorPrueba prueba([&](QWidget &) { return respuesta; });
        QCOMPARE(plataforma::CajaMensaje("No se pudo encontrar el archivo de errores", estilo, "ERRor Fatal"),
                 esperada);
        QCOMPARE(prueba.Cuenta(), 1);
        QCOMPARE(prueba.Titulos().at(0), QString("ERRor Fatal"));
        QCOMPARE(prueba.Textos().at(0), QString("No se pudo encontrar el archivo de errores"));
    }

    void laPruebaPuedePulsarUnBoton()
    {
        plataforma::ContestadorPrueba prueba([](QWidget &v) {
            auto &caja = static_cast<QMessageBox &>(v);
            if (caja.icon() != QMessageBox::Question)
                return -1;
            caja.button(QMessageBox::No)->click();
            return 0;
        });
        QCOMPARE(plataforma::CajaMensaje("¿Salir?", plataforma::CajaSiNo | plataforma::CajaIconoPregunta), 7);
        QCOMPARE(prueba.Titulos().at(0), QCoreApplication::applicationName()); // no title given
    }

    void elContestadorAnteriorVuelveAlTerminar()
    {
        int externas = 0;
        plataforma::FijaContestador([&](QWidget &) { ++externas; return 0; });
        {
            plataforma::ContestadorPrueba prueba;
            plataforma::CajaMensaje("a");
            QCOMPARE(externas, 0);
        }
        plataforma::CajaMensaje("b");
        QCOMPARE(externas, 1);
        plataforma::FijaContestador({});
    }

    void esperaDeVerdadHastaQueSeCierra()
    {
        QWidget ventana;
        QTimer::singleShot(20, &ventana, &QWidget::close);
        QCOMPARE(plataforma::EsperaModal(ventana), 0);
        QVERIFY(!ventana.isVisible());

        QDialog dialogo;
        QTimer::singleShot(20, &dialogo, &QDialog::accept);
        QCOMPARE(plataforma::EsperaModal(dialogo), int(QDialog::Accepted));

        // A window destroyed while waited on ends the wait too.
        auto *efimera = new QWidget;
        QTimer::singleShot(20, efimera, &QObject::deleteLater);
        QCOMPARE(plataforma::EsperaModal(*efimera), 0);
    }

    void dialogoContestadoRecibeLaRespuesta()
    {
        plataforma::ContestadorPrueba prueba([](QWidget &) { return int(QDialog::Accepted); });
        QDialog dialogo;
        dialogo.setWindowTitle("Zoom");
        QCOMPARE(plataforma::EsperaModal(dialogo), int(QDialog::Accepted));
        QCOMPARE(dialogo.result(), int(QDialog::Accepted));
        QVERIFY(!dialogo.isVisible());
        QCOMPARE(prueba.Titulos(), QStringList{"Zoom"});
    }

    void encimaSinMoverNiCambiarDeTamano()
    {
        QWidget ventana;
        ventana.setGeometry(40, 60, 300, 200);
        ventana.show();
        plataforma::PoneEncima(ventana);
        QVERIFY(ventana.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(ventana.isVisible());
        QCOMPARE(ventana.geometry(), QRect(40, 60, 300, 200));
    }

    void rejillaCreceYGuardaTextosYAnchos()
    {
        plataforma::Grid rejilla;
        QCOMPARE(rejilla.TextMatrix(3, 1), QString());
        rejilla.SetTextMatrix(20, 1, "2.75");
        QCOMPARE(rejilla.Rows(), 21);
        QCOMPARE(rejilla.Cols(), 2);
        QCOMPARE(rejilla.TextMatrix(20, 1), QString("2.75"));
        rejilla.SetColWidth(1, 1440);
        QVERIFY(qAbs(rejilla.ColWidth(1) - 1440) <= 15);
        rejilla.SetFontBold(true);
        rejilla.SetFontSize(9);
        QVERIFY(rejilla.FontBold());
        QCOMPARE(rejilla.FontSize(), 9.0);
    }
};

QTEST_MAIN(tst_EsperaModal)
#include "tst_EsperaModal.moc"
