// The widget: what a new surface starts with, showing and resizing, and
// the mouse handed to the host in world units.
#include "ColorOle.h"
#include "PictureEjes.h"

#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

namespace {

// Sends a mouse event with a fractional pixel position to the inner box.
void EnviaRaton(PictureEjes &p, QEvent::Type tipo, QPointF pos, Qt::MouseButton boton,
                Qt::MouseButtons botones, Qt::KeyboardModifiers teclas = {})
{
    QWidget *caja = p.hWnd();
    QMouseEvent evento(tipo, pos, caja->mapToGlobal(pos), boton, botones, teclas);
    QCoreApplication::sendEvent(caja, &evento);
}

} // namespace

class TstPictureEjes : public QObject {
    Q_OBJECT
private slots:
    void superficieNueva()
    {
        PictureEjes p;
        QCOMPARE(p.MinX(), -10.0);
        QCOMPARE(p.MaxX(), 10.0);
        QCOMPARE(p.MinY(), -10.0);
        QCOMPARE(p.MaxY(), 10.0);
        QCOMPARE(p.Escx(), 1.0);
        QCOMPARE(p.Escy(), 1.0);
        QVERIFY(p.EjesVisibles());
        QVERIFY(!p.ReticulaVisible());
        QVERIFY(p.NumDeEscVisible());
        QCOMPARE(p.FrecNumEscX(), 2);
        QCOMPARE(p.FrecNumEscY(), 2);
        QCOMPARE(p.EtiquetaX(), QStringLiteral("X"));
        QCOMPARE(p.EtiquetaY(), QStringLiteral("Y"));
        QCOMPARE(p.ColorEjes(), 0xC0C0C0);
        QCOMPARE(p.BackColor(), 0x808080);
        QCOMPARE(p.ForeColor(), 0xC0C0C0);
        QCOMPARE(p.FillColor(), 0xC0C0C0);
        QCOMPARE(p.FillStyle(), 1);
        QVERIFY(p.AutoReDraw());
        QCOMPARE(p.DrawWidth(), 1);
        QCOMPARE(p.DrawMode(), 13);
        QCOMPARE(p.DrawStyle(), 0);
        QCOMPARE(p.MousePointer(), 0);
        QVERIFY(p.MouseIcon().isNull());
        QCOMPARE(p.FontName(), QStringLiteral("Arial"));
        QCOMPARE(p.FontSize(), 10.0);
        QVERIFY(!p.FontBold());
    }

    void mostrarYRedimensionarRedibujan()
    {
        PictureEjes p;
        p.resize(300, 300);
        p.show();
        QVERIFY(QTest::qWaitForWindowExposed(&p));
        QCOMPARE(p.Imagen().size(), QSize(300, 300));
        QCOMPARE(p.hWnd()->geometry(), QRect(0, 0, 300, 300));
        QVERIFY(p.hWnd() != &p);
        QCOMPARE(p.Imagen().pixel(0, 150), PixelDeOle(p.ColorEjes()));

        p.resize(400, 200);
        QTRY_COMPARE(p.Imagen().size(), QSize(400, 200));
        QCOMPARE(p.EscalaX(0), 200);
        QCOMPARE(p.EscalaY(0), 100);
        QCOMPARE(p.Imagen().pixel(399, 100), PixelDeOle(p.ColorEjes()));
        QCOMPARE(p.Imagen().pixel(0, 150), PixelDeOle(p.BackColor()));
    }

    void ocultaSigueSuTamano()
    {
        // A hidden surface converts and draws at the size it was given.
        QWidget anfitrion;
        PictureEjes p(&anfitrion);
        p.resize(200, 100);
        QCOMPARE(p.EscalaX(10), 200);
        QCOMPARE(p.EscalaY(-10), 100);
        p.Linea(-10, 0, 10, 0, 0x0000FF);
        QCOMPARE(p.Imagen().size(), QSize(200, 100));
        QCOMPARE(p.Imagen().pixel(199, 50), PixelDeOle(0x0000FF));
    }

    void ratonEnUnidadesDelMundo()
    {
        PictureEjes p;
        p.resize(300, 300);
        p.show();
        QVERIFY(QTest::qWaitForWindowExposed(&p));
        QSignalSpy abajo(&p, &PictureEjes::MouseDown);
        QSignalSpy arriba(&p, &PictureEjes::MouseUp);
        QSignalSpy mueve(&p, &PictureEjes::MouseMove);
        auto argumentos = [](const QList<QVariant> &a) {
            return QList<double>{a[0].toDouble(), a[1].toDouble(), a[2].toDouble(), a[3].toDouble()};
        };

        QTest::mouseClick(p.hWnd(), Qt::LeftButton, {}, QPoint(150, 150));
        QCOMPARE(abajo.size(), 1);
        QCOMPARE(arriba.size(), 1);
        QCOMPARE(argumentos(abajo[0]), (QList<double>{1, 0, 0, 0}));
        QCOMPARE(argumentos(arriba[0]), (QList<double>{1, 0, 0, 0}));

        QTest::mouseClick(p.hWnd(), Qt::RightButton, Qt::ShiftModifier | Qt::AltModifier, QPoint(165, 135));
        QCOMPARE(argumentos(abajo[1]), (QList<double>{2, 5, 1, 1}));

        // Corners, and half pixels rounding to the even neighbour.
        EnviaRaton(p, QEvent::MouseButtonPress, QPointF(0, 0), Qt::MiddleButton, Qt::MiddleButton,
                   Qt::ControlModifier);
        QCOMPARE(argumentos(abajo[2]), (QList<double>{4, 2, -10, 10}));
        EnviaRaton(p, QEvent::MouseMove, QPointF(300, 300), Qt::NoButton, Qt::MiddleButton);
        QCOMPARE(argumentos(mueve.last()), (QList<double>{4, 0, 10, -10}));
        EnviaRaton(p, QEvent::MouseMove, QPointF(149.5, 150.5), Qt::NoButton, Qt::NoButton);
        QCOMPARE(argumentos(mueve.last()), (QList<double>{0, 0, 0, 0}));

        // Held and dragged out of the box: the same line, no clamping.
        EnviaRaton(p, QEvent::MouseMove, QPointF(-30, 330), Qt::NoButton, Qt::LeftButton);
        QCOMPARE(argumentos(mueve.last()), (QList<double>{1, 0, -12, -12}));

        // The window of the moment counts.
        p.EscalaVentana(0, 0, 30, 3);
        EnviaRaton(p, QEvent::MouseButtonRelease, QPointF(150, 150), Qt::LeftButton, Qt::NoButton);
        QCOMPARE(argumentos(arriba.last()), (QList<double>{1, 0, 15, 1.5}));
    }

    void pinturaYPasoDirecto()
    {
        PictureEjes p;
        p.resize(120, 80);
        p.show();
        QVERIFY(QTest::qWaitForWindowExposed(&p));
        QSignalSpy pinta(&p, &PictureEjes::Paint);
        QSignalSpy avisos(&p, &PictureEjes::PropiedadCambiada);
        p.Plotrane_Paint();
        QCOMPARE(pinta.size(), 1);
        p.hWnd()->repaint();
        QCOMPARE(pinta.size(), 2);

        // Pass-through settings change nothing already drawn.
        const QImage antes = p.Imagen();
        p.DrawStyle(2);
        p.MousePointer(2);
        QCOMPARE(p.Imagen(), antes);
        QCOMPARE(p.hWnd()->cursor().shape(), Qt::CrossCursor);
        QCOMPARE(avisos.size(), 2);
        QCOMPARE(avisos[0][0].toString(), QStringLiteral("DrawStyle"));
        QCOMPARE(avisos[1][0].toString(), QStringLiteral("MousePointer"));

        // Editing the font in place does not redraw; a new font does.
        p.Linea(-5, 5, 5, 5, 0x0000FF);
        const QImage conMarca = p.Imagen();
        p.FontSize(12);
        p.FontBold(true);
        p.FontName(QStringLiteral("MS Sans Serif"));
        QCOMPARE(p.Imagen(), conMarca);
        QCOMPARE(p.Font().pointSizeF(), 12.0);
        QVERIFY(p.Font().bold());
        QFont fuente(QStringLiteral("Arial"));
        fuente.setPointSizeF(9.75);
        p.Font(fuente);
        QVERIFY(p.Imagen() != conMarca);
        QCOMPARE(p.FontName(), QStringLiteral("Arial"));
        QCOMPARE(p.FontSize(), 9.75);
    }
};

QTEST_MAIN(TstPictureEjes)
#include "tst_PictureEjes.moc"
