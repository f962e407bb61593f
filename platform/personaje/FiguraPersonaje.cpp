#include "FiguraPersonaje.h"

#include <QBitmap>
#include <QContextMenuEvent>
#include <QImage>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <map>

namespace {
using Pose = FiguraPersonaje::Pose;

// Each animation as its poses in order; the figure goes back to idle after.
const std::map<QString, std::vector<Pose>> &Secuencias()
{
    static const std::map<QString, std::vector<Pose>> secuencias{
        {QStringLiteral("congratulate"),
         {{70, 70, 0, 1, 0}, {150, 150, 0, 1, '*'}, {120, 120, 0, 1, '*'}, {150, 150, 0, 1, '*'}, {70, 70, 0, 0, '*'}}},
        {QStringLiteral("Confused"),
         {{25, 150, -12, 2, '?'}, {25, 160, 12, 2, '?'}, {25, 150, -12, 2, '?'}, {25, 140, 0, 2, '?'}}},
        {QStringLiteral("decline"),
         {{60, 60, -15, 2, 0}, {60, 60, 15, 2, 0}, {60, 60, -15, 2, 0}, {40, 40, 0, 2, 0}}},
        {QStringLiteral("suggest"),
         {{25, 120, 0, 1, 0}, {25, 165, 0, 1, '!'}, {25, 165, 6, 1, '!'}, {25, 120, 0, 0, '!'}}},
        {QStringLiteral("wave"),
         {{25, 130, 0, 1, 0}, {25, 160, 0, 1, 0}, {25, 120, 0, 1, 0}, {25, 160, 0, 1, 0}, {25, 120, 0, 0, 0}}},
    };
    return secuencias;
}

const QColor kPiel(0x6F, 0xA8, 0xDC);
const QColor kPielOscura(0x3D, 0x78, 0xB0);
const QColor kOro(0xE8, 0xB9, 0x3A);
const QColor kChaleco(0x8E, 0x3B, 0x9E);

void DibujaBrazo(QPainter &p, QPointF hombro, int angulo, bool izquierdo)
{
    p.save();
    p.translate(hombro);
    // Zero hangs down; positive opens the arm outwards from the body.
    p.rotate(izquierdo ? angulo : -angulo);
    p.setPen(QPen(kPielOscura, 1.5));
    p.setBrush(kPiel);
    p.drawRoundedRect(QRectF(-6, 0, 12, 34), 6, 6);
    p.setBrush(kOro);
    p.drawRect(QRectF(-6.5, 24, 13, 4));
    p.setBrush(kPiel);
    p.drawEllipse(QPointF(0, 38), 7, 7);
    p.restore();
}

void DibujaSimbolo(QPainter &p, char simbolo)
{
    p.save();
    if (simbolo == '?') {
        QFont f = p.font();
        f.setPixelSize(30);
        f.setBold(true);
        p.setFont(f);
        p.setPen(QColor(0xC0, 0x30, 0x30));
        p.drawText(QRectF(80, 0, 36, 36), Qt::AlignCenter, QStringLiteral("?"));
    } else if (simbolo == '!') {
        // A bulb: the idea.
        p.setPen(QPen(QColor(0x80, 0x60, 0x00), 1.5));
        p.setBrush(QColor(0xFF, 0xE6, 0x50));
        p.drawEllipse(QPointF(98, 14), 10, 10);
        p.setBrush(QColor(0x90, 0x90, 0x90));
        p.drawRect(QRectF(94, 23, 8, 6));
    } else if (simbolo == '*') {
        p.setPen(Qt::NoPen);
        p.setBrush(kOro);
        for (QPointF c : {QPointF(14, 14), QPointF(104, 10), QPointF(110, 60), QPointF(8, 66)}) {
            QPainterPath estrella;
            for (int i = 0; i < 10; ++i) {
                const double r = i % 2 ? 3.0 : 8.0;
                const double a = i * 3.14159265 / 5 - 3.14159265 / 2;
                const QPointF q = c + QPointF(r * std::cos(a), r * std::sin(a));
                i ? estrella.lineTo(q) : estrella.moveTo(q);
            }
            estrella.closeSubpath();
            p.drawPath(estrella);
        }
    }
    p.restore();
}
} // namespace

FiguraPersonaje::FiguraPersonaje(QWidget *dueno)
    : QWidget(dueno, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("Personaje"));
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(kAncho, kAlto);
    setCursor(Qt::PointingHandCursor);
    setToolTip(QStringLiteral("Da un clic con el botón derecho para ver lo que puedo hacer"));
    connect(&m_reloj, &QTimer::timeout, this, &FiguraPersonaje::siguienteCuadro);
    recorta();
}

QStringList FiguraPersonaje::animaciones()
{
    QStringList nombres;
    for (const auto &[nombre, cuadros] : Secuencias())
        nombres << nombre;
    return nombres;
}

bool FiguraPersonaje::anima(const QString &nombre, int msPorCuadro)
{
    const auto it = Secuencias().find(nombre);
    if (it == Secuencias().end())
        return false;
    m_cuadros = it->second;
    m_cuadros.push_back(Pose{});
    m_cuadro = 0;
    m_reloj.start(msPorCuadro);
    siguienteCuadro();
    return true;
}

void FiguraPersonaje::detieneAnimacion()
{
    m_reloj.stop();
    m_cuadros.clear();
    m_cuadro = 0;
    m_pose = Pose{};
    recorta();
    update();
}

void FiguraPersonaje::siguienteCuadro()
{
    if (m_cuadro >= m_cuadros.size()) {
        m_reloj.stop();
        emit animacionTerminada();
        return;
    }
    m_pose = m_cuadros[m_cuadro++];
    recorta();
    update();
}

void FiguraPersonaje::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    dibuja(p);
}

void FiguraPersonaje::recorta()
{
    QImage imagen(size(), QImage::Format_ARGB32_Premultiplied);
    imagen.fill(Qt::transparent);
    QPainter p(&imagen);
    dibuja(p);
    p.end();
    setMask(QBitmap::fromImage(imagen.createAlphaMask()));
}

void FiguraPersonaje::dibuja(QPainter &p) const
{
    p.setRenderHint(QPainter::Antialiasing);
    const double cx = kAncho / 2.0;

    // The smoke tail it rises from.
    QPainterPath cola;
    cola.moveTo(cx - 26, 128);
    cola.cubicTo(cx - 30, 160, cx + 20, 160, cx + 4, 196);
    cola.cubicTo(cx + 34, 170, cx + 10, 150, cx + 26, 128);
    cola.closeSubpath();
    p.setPen(QPen(kPielOscura, 1.5));
    p.setBrush(kPiel.lighter(115));
    p.drawPath(cola);

    // Arms behind the body; then the body with its vest and sash.
    DibujaBrazo(p, QPointF(cx - 24, 84), m_pose.brazoIzquierdo, true);
    DibujaBrazo(p, QPointF(cx + 24, 84), m_pose.brazoDerecho, false);
    QPainterPath cuerpo;
    cuerpo.moveTo(cx - 28, 80);
    cuerpo.quadTo(cx, 72, cx + 28, 80);
    cuerpo.lineTo(cx + 22, 130);
    cuerpo.quadTo(cx, 138, cx - 22, 130);
    cuerpo.closeSubpath();
    p.setBrush(kPiel);
    p.drawPath(cuerpo);
    p.setBrush(kChaleco);
    p.drawPolygon(QPolygonF({QPointF(cx - 27, 82), QPointF(cx - 6, 80), QPointF(cx - 10, 124), QPointF(cx - 22, 128)}));
    p.drawPolygon(QPolygonF({QPointF(cx + 27, 82), QPointF(cx + 6, 80), QPointF(cx + 10, 124), QPointF(cx + 22, 128)}));
    p.setBrush(kOro);
    p.drawRect(QRectF(cx - 23, 116, 46, 8));

    // The head, tilted by the pose.
    p.save();
    p.translate(cx, 50);
    p.rotate(m_pose.inclinacion);
    p.setPen(QPen(kPielOscura, 1.5));
    p.setBrush(kPiel);
    p.drawEllipse(QPointF(-22, 2), 5, 8); // ears
    p.drawEllipse(QPointF(22, 2), 5, 8);
    p.drawEllipse(QPointF(0, 0), 22, 24);
    // The topknot and its gold ring.
    p.setBrush(kPielOscura);
    p.drawEllipse(QPointF(0, -26), 6, 7);
    p.setBrush(kOro);
    p.drawRect(QRectF(-4, -21, 8, 3));
    // Eyes and brows.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(-8, -3), 5, 6);
    p.drawEllipse(QPointF(8, -3), 5, 6);
    p.setBrush(QColor(0x20, 0x20, 0x40));
    p.drawEllipse(QPointF(-7, -2), 2.5, 3);
    p.drawEllipse(QPointF(9, -2), 2.5, 3);
    p.setPen(QPen(QColor(0x20, 0x20, 0x40), 2, Qt::SolidLine, Qt::RoundCap));
    const double ceja = m_pose.boca == 2 ? 2 : 0;
    p.drawLine(QPointF(-13, -11 + ceja), QPointF(-4, -12 - ceja));
    p.drawLine(QPointF(4, -12 - ceja), QPointF(13, -11 + ceja));
    // Mouth.
    p.setBrush(Qt::NoBrush);
    if (m_pose.boca == 1) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x80, 0x20, 0x30));
        p.drawEllipse(QPointF(0, 12), 6, 5);
    } else if (m_pose.boca == 2) {
        p.drawArc(QRectF(-7, 12, 14, 8), 20 * 16, 140 * 16);
    } else {
        p.drawArc(QRectF(-8, 4, 16, 10), 200 * 16, 140 * 16);
    }
    p.restore();

    DibujaSimbolo(p, m_pose.simbolo);
}

void FiguraPersonaje::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit pulsado(1);
    else if (event->button() == Qt::RightButton)
        emit pulsado(2);
    QWidget::mousePressEvent(event);
}

void FiguraPersonaje::contextMenuEvent(QContextMenuEvent *event)
{
    if (!m_menu)
        return;
    const QPoint donde = event->reason() == QContextMenuEvent::Mouse ? event->globalPos()
                                                                      : mapToGlobal(rect().center());
    m_menu->popup(donde);
}
