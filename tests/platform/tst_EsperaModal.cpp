// The modal wait: answered by a test without showing anything, or waited
// on for real until the window closes.
#include "CajaMensaje.h"
#include "EsperaModal.h"

#include <QDialog>
#include <QTimer>
#include <QtTest>

class tst_EsperaModal : public QObject {
    Q_OBJECT

private slots:
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

};

QTEST_MAIN(tst_EsperaModal)
#include "tst_EsperaModal.moc"
