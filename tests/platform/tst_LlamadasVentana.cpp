// Window calls: on top without moving, the window's rectangle, the pointer.
#include "LlamadasVentana.h"

#include <QWidget>
#include <QtTest>

class tst_LlamadasVentana : public QObject {
    Q_OBJECT

private slots:
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

    void rectanguloYCursor()
    {
        QWidget ventana;
        ventana.setGeometry(100, 50, 201, 100);
        const plataforma::RectanguloPantalla r = plataforma::RectanguloVentana(ventana);
        QCOMPARE(r.derecha - r.izquierda, ventana.frameGeometry().width());
        QCOMPARE(r.abajo - r.arriba, ventana.frameGeometry().height());
        plataforma::MueveCursor(QPoint(7, 9));
        QCOMPARE(plataforma::UltimaPosicionCursor(), QPoint(7, 9));
    }
};

QTEST_MAIN(tst_LlamadasVentana)
#include "tst_LlamadasVentana.moc"
