#include "GloboPersonaje.h"

#include "LugarPersonaje.h"

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

// Around the text, with room for the tail below it or above it.
QMargins Margenes(bool colaAbajo)
{
    return colaAbajo ? QMargins(kMargen + 2, kMargen, kMargen + 2, kMargen + kCola)
                     : QMargins(kMargen + 2, kMargen + kCola, kMargen + 2, kMargen);
}
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
    capa->setContentsMargins(Margenes(m_colaAbajo));
    capa->addWidget(m_texto);
}

QString GloboPersonaje::texto() const
{
    return m_texto->text();
}

void GloboPersonaje::fijaTexto(const QString &frase)
{
    m_texto->setText(frase);
    // Its size is the same with the tail on either side.
    adjustSize();
}

QSize GloboPersonaje::tamanoReservado() const
{
    const QMargins margenes = Margenes(true);
    return {m_texto->maximumWidth() + margenes.left() + margenes.right(),
            4 * m_texto->fontMetrics().lineSpacing() + margenes.top() + margenes.bottom()};
}

void GloboPersonaje::coloca(const QRect &figura, const QList<QRect> &zonas)
{
    QScreen *pantalla = QGuiApplication::screenAt(figura.center());
    if (!pantalla)
        pantalla = QGuiApplication::primaryScreen();
    const QRect util = pantalla ? pantalla->availableGeometry() : QRect(0, 0, 1024, 768);
    bool colaAbajo = true;
    const QRect lugar = LugarPersonaje::LugarGlobo(size(), figura, util, zonas, &colaAbajo);
    // The tail points at the figure wherever the screen's edge put the box.
    const int xCola = std::clamp(figura.center().x() - lugar.x(), 20, std::max(20, width() - 20));
    if (isVisible() && lugar == geometry() && colaAbajo == m_colaAbajo && xCola == m_xCola)
        return;
    if (colaAbajo != m_colaAbajo) {
        m_colaAbajo = colaAbajo;
        static_cast<QVBoxLayout *>(layout())->setContentsMargins(Margenes(m_colaAbajo));
    }
    m_xCola = xCola;
    move(lugar.topLeft());
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
