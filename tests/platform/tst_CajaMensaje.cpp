// The message box: buttons and icon by style number, the answer by button
// number, answered by tests through the modal wait.
#include "CajaMensaje.h"
#include "EsperaModal.h"

#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

class tst_CajaMensaje : public QObject {
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
};

QTEST_MAIN(tst_CajaMensaje)
#include "tst_CajaMensaje.moc"
