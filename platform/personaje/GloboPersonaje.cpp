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
    show();
    update();
}

void GloboPersonaje::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF caja = m_colaAbajo ? QRectF(1, 1, width() - 2, height() - kCola - 2)
                                    : QRectF(1, kCola + 1, width() - 2, height() - kCola - 2);
    QPainterPath contorno;
    contorno.addRoundedRect(caja, 10, 10);
    const double xc = width() / 3.0;
    QPainterPath cola;
    if (m_colaAbajo)
        cola.addPolygon(QPolygonF({QPointF(xc - 8, caja.bottom() - 1), QPointF(xc + 8, caja.bottom() - 1),
                                   QPointF(xc - 2, height() - 1)}));
    else
        cola.addPolygon(QPolygonF({QPointF(xc - 8, caja.top() + 1), QPointF(xc + 8, caja.top() + 1),
                                   QPointF(xc - 2, 1)}));
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1.5));
    p.setBrush(QColor(0xFF, 0xFF, 0xE8));
    p.drawPath(contorno.united(cola));
}
