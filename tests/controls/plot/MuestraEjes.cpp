// A window with one surface showing axes, grid, numbers, labels and the
// curve of x^3 - 3x, for looking at the drawing by eye.
#include "PictureEjes.h"
#include "QBColor.h"

#include <QApplication>
#include <QTimer>

#include <cmath>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    PictureEjes superficie;
    superficie.setWindowTitle(QStringLiteral("PictureEjes"));
    superficie.resize(640, 480);
    superficie.BackColor(0xF1F1F1);
    superficie.ColorEjes(0x000000);
    superficie.ForeColor(0x000000);
    superficie.EtiquetaX(QStringLiteral("x"));
    superficie.EtiquetaY(QStringLiteral("P(x)"));
    superficie.ReticulaVisible(true);
    superficie.FrecNumEscX(1);
    superficie.show();

    // Draw once the surface has its size and its axes.
    QTimer::singleShot(0, [&superficie] {
        superficie.EscalaVentana(-3, -5, 3, 5);
        superficie.DrawWidth(2);
        const auto p = [](double x) { return x * x * x - 3 * x; };
        const double paso = (superficie.MaxX() - superficie.MinX()) / 300;
        for (double x = superficie.MinX(); x < superficie.MaxX(); x += paso)
            superficie.Linea(x, p(x), x + paso, p(x + paso), rt::QBColor(1));
        superficie.DrawWidth(1);
        for (double raiz : {-std::sqrt(3.0), 0.0, std::sqrt(3.0)})
            superficie.disco(raiz, 0, 4, rt::QBColor(12), true);
        superficie.DrawStyle(2);
        superficie.Linea(-1, 2, -1, 0, 0x000080);
        superficie.Linea(1, -2, 1, 0, 0x000080);
        superficie.DrawStyle(0);
        superficie.Circulo(-1, 2, 0.15, rt::QBColor(2));
        superficie.Circulo(1, -2, 0.15, rt::QBColor(2), 0, 3.14159f);
        superficie.ForeColor(rt::QBColor(4));
        superficie.FontSize(12);
        superficie.FontBold(true);
        superficie.ImprimeEnCoor(QStringLiteral("P(x) = x³ − 3x"), -2.8, 4.6);
        superficie.FontBold(false);
        superficie.Xactual(1.2);
        superficie.Yactual(4.6);
        superficie.imprime(QStringLiteral("x → ∞: "));
        superficie.imprime(QStringLiteral("P(x) → ∞"));
    });
    return app.exec();
}
