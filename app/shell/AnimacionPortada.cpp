#include "AnimacionPortada.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {
constexpr int kCuadrosPorCiclo = 240;

double curva(double x) { return x * x * x - 3.0 * x; }
double pendiente(double x) { return 3.0 * x * x - 3.0; }
} // namespace

AnimacionPortada::AnimacionPortada(Pelicula pelicula, QWidget *parent)
    : QWidget(parent)
    , m_pelicula(pelicula)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_reloj.setInterval(40);
    connect(&m_reloj, &QTimer::timeout, this, [this] {
        m_cuadro = (m_cuadro + 1) % kCuadrosPorCiclo;
        update();
    });
    m_reloj.start();
}

void AnimacionPortada::Playing(bool si)
{
    if (si)
        m_reloj.start();
    else
        m_reloj.stop();
}

void AnimacionPortada::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    if (m_pelicula == Pelicula::Curva)
        pintaCurva(p);
    else
        pintaLogos(p);
}

void AnimacionPortada::pintaCurva(QPainter &p)
{
    const QRectF r = rect();
    p.fillRect(r, QColor(16, 32, 72));
    // World window [-2.5, 2.5] x [-5, 5] mapped onto the widget: the traced
    // arc and its point stay inside it.
    auto px = [&](double x) { return r.left() + (x + 2.5) / 5.0 * r.width(); };
    auto py = [&](double y) { return r.top() + (5.0 - y) / 10.0 * r.height(); };

    p.setPen(QPen(QColor(90, 110, 160), 1));
    p.drawLine(QPointF(px(-2.5), py(0)), QPointF(px(2.5), py(0)));
    p.drawLine(QPointF(px(0), py(-5)), QPointF(px(0), py(5)));

    const double t = static_cast<double>(m_cuadro) / kCuadrosPorCiclo;
    const double xFin = -2.2 + 4.4 * std::min(1.0, t * 1.6);
    QPainterPath camino;
    camino.moveTo(px(-2.2), py(curva(-2.2)));
    for (double x = -2.2; x <= xFin; x += 0.02)
        camino.lineTo(px(x), py(curva(x)));
    p.setPen(QPen(QColor(255, 200, 60), 3));
    p.drawPath(camino);

    // The tangent line rides along the traced curve.
    const double a = xFin;
    const double m = pendiente(a);
    p.setPen(QPen(QColor(120, 220, 255), 2));
    p.drawLine(QPointF(px(a - 0.8), py(curva(a) - 0.8 * m)), QPointF(px(a + 0.8), py(curva(a) + 0.8 * m)));
    p.setBrush(QColor(255, 90, 90));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(px(a), py(curva(a))), 5, 5);

    p.setPen(QColor(230, 235, 255));
    QFont f = font();
    f.setPointSize(12);
    p.setFont(f);
    p.drawText(r.adjusted(8, 8, -8, -8), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("f(x) = x³ − 3x"));
}

void AnimacionPortada::pintaLogos(QPainter &p)
{
    const QRectF r = rect();
    p.fillRect(r, QColor(245, 245, 235));
    const QString nombre = QStringLiteral("Quorvane");
    const double t = static_cast<double>(m_cuadro) / kCuadrosPorCiclo;
    const int visibles = std::min<int>(nombre.size(), static_cast<int>(t * 2.0 * nombre.size()) + 1);
    QFont f = font();
    f.setPointSizeF(std::max(12.0, r.height() / 4.0));
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(30, 60, 140));
    p.drawText(r, Qt::AlignCenter, nombre.left(visibles));
    QFont g = font();
    g.setPointSize(10);
    p.setFont(g);
    p.setPen(QColor(90, 90, 90));
    if (visibles == nombre.size())
        p.drawText(r.adjusted(0, 0, 0, -6), Qt::AlignHCenter | Qt::AlignBottom,
                   QStringLiteral("Cálculo diferencial de polinomios"));
}
