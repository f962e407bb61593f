#include "GloboPersonaje.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace {
constexpr int kCola = 14;   // height of the tail
constexpr int kMargen = 10; // inside the outline
} // namespace

GloboPersonaje::GloboPersonaje(QWidget *dueno)
    : QWidget(dueno, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("GloboPersonaje"));
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    m_texto = new QLabel(this);
    m_texto->setWordWrap(true);
    m_texto->setTextFormat(Qt::PlainText);
    m_texto->setMaximumWidth(240);
    QFont f = m_texto->font();
    f.setPointSizeF(f.pointSizeF() * 1.1);
    m_texto->setFont(f);
    m_texto->setStyleSheet(QStringLiteral("color: black;"));
    auto *capa = new QVBoxLayout(this);
    capa->setContentsMargins(kMargen + 2, kMargen, kMargen + 2, kMargen + kCola);
    capa->addWidget(m_texto);
}

QString GloboPersonaje::texto() const
{
    return m_texto->text();
}

void GloboPersonaje::muestra(const QString &frase, const QRect &figura)
{
    m_texto->setText(frase);
    auto *capa = static_cast<QVBoxLayout *>(layout());
    QScreen *pantalla = QGuiApplication::screenAt(figura.center());
    if (!pantalla)
        pantalla = QGuiApplication::primaryScreen();
    const QRect util = pantalla ? pantalla->availableGeometry() : QRect(0, 0, 1024, 768);

    // Measure with the tail below, then decide where it goes.
    capa->setContentsMargins(kMargen + 2, kMargen, kMargen + 2, kMargen + kCola);
    adjustSize();
    m_colaAbajo = figura.top() - height() >= util.top();
    if (!m_colaAbajo) {
        capa->setContentsMargins(kMargen + 2, kMargen + kCola, kMargen + 2, kMargen);
        adjustSize();
    }
    int x = figura.center().x() - width() / 3;
    int y = m_colaAbajo ? figura.top() - height() + 6 : figura.bottom() - 6;
    x = std::clamp(x, util.left(), std::max(util.left(), util.right() + 1 - width()));
    y = std::clamp(y, util.top(), std::max(util.top(), util.bottom() + 1 - height()));
    move(x, y);
    // The tail points at the figure wherever the screen's edge put the box.
    m_xCola = std::clamp(figura.center().x() - x, 20, std::max(20, width() - 20));
    // Grown by a pixel so that the outline's pen is not cut.
    const QPainterPath forma = contorno();
    QPainterPathStroker borde;
    borde.setWidth(3);
    setMask(QRegion(forma.united(borde.createStroke(forma)).toFillPolygon().toPolygon()));
    show();
    update();
}

QPainterPath GloboPersonaje::contorno() const
{
    const QRectF caja = m_colaAbajo ? QRectF(1, 1, width() - 2, height() - kCola - 2)
                                    : QRectF(1, kCola + 1, width() - 2, height() - kCola - 2);
    QPainterPath globo;
    globo.addRoundedRect(caja, 10, 10);
    const double xc = m_xCola;
    QPainterPath cola;
    if (m_colaAbajo)
        cola.addPolygon(QPolygonF({QPointF(xc - 8, caja.bottom() - 1), QPointF(xc + 8, caja.bottom() - 1),
                                   QPointF(xc - 2, height() - 1)}));
    else
        cola.addPolygon(QPolygonF({QPointF(xc - 8, caja.top() + 1), QPointF(xc + 8, caja.top() + 1),
                                   QPointF(xc - 2, 1)}));
    return globo.united(cola);
}

void GloboPersonaje::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1.5));
    p.setBrush(QColor(0xFF, 0xFF, 0xE8));
    p.drawPath(contorno());
}
