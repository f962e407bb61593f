#include "Usc.h"

#include "Twips.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>

namespace {

// Parts of a redraw, in the order they are carried out.
enum Parte { ParteBorde = 1, ParteFondo = 2, ParteCaption = 4, ParteHabilitado = 8, ParteFuente = 16 };

// The access key of a caption: the character after the last single "&";
// "&&" stands for a literal "&"; a final "&" marks nothing.
QChar TeclaDeCaption(const QString &caption)
{
    for (int i = int(caption.size()) - 1; i >= 0; --i) {
        if (caption.at(i) != QLatin1Char('&'))
            continue;
        if (i > 0 && caption.at(i - 1) == QLatin1Char('&')) {
            --i;  // skip the pair
            continue;
        }
        return i + 1 < caption.size() ? caption.at(i + 1) : QChar();
    }
    return {};
}

bool esTeclaClic(int tecla)
{
    return tecla == Qt::Key_Space || tecla == Qt::Key_Return || tecla == Qt::Key_Enter;
}

} // namespace

Usc::Usc(QWidget *parent)
    : QWidget(parent)
    , m_caption(QStringLiteral("Kelvaro"))
    , m_fuente(parent ? parent->font() : QApplication::font())
    , m_colorFondo(palette().color(QPalette::Button))
    , m_colorResalte(palette().color(QPalette::Highlight))
    , m_colorTexto(Qt::red)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover, false);
    resize(sizeHint());
    ActualizaBoton(ParteFondo | ParteCaption | ParteHabilitado | ParteFuente);
}

QSize Usc::sizeHint() const
{
    return {plataforma::TwipsAPixeles(1215), plataforma::TwipsAPixeles(375)};
}

QSize Usc::minimumSizeHint() const
{
    return {0, sizeHint().height()};
}

void Usc::ActualizaBoton(int partes)
{
    if (partes & ParteFondo) {
        QPalette p = palette();
        p.setColor(QPalette::Window, m_colorFondo);
        setPalette(p);
        setAutoFillBackground(true);
    }
    if (partes & ParteCaption) {
        m_colorCaption = m_colorTexto;
        ponAcceso();
    }
    if (partes & ParteFuente)
        setFont(m_fuente);
    if (partes & ParteHabilitado)
        setEnabled(m_habilitado);
    if (partes & ParteBorde)
        m_borde = Realzado;
    update();
}

void Usc::ponAcceso()
{
    delete m_acceso;
    m_acceso = nullptr;
    m_teclaAcceso = TeclaDeCaption(m_caption);
    if (m_teclaAcceso.isNull())
        return;
    m_acceso = new QShortcut(QKeySequence(QStringLiteral("Alt+") + m_teclaAcceso.toUpper()), this);
    m_acceso->setContext(Qt::WindowShortcut);
    connect(m_acceso, &QShortcut::activated, this, [this] {
        if (isEnabled())
            emit Click(b2kReasonAccessKey);
    });
}

void Usc::AlwaysHighlighted(bool valor)
{
    if (m_mostrado)
        throw ErrorSoloDiseno();
    m_siempreResaltado = valor;
}

void Usc::FocusRect(bool valor)
{
    if (m_mostrado)
        throw ErrorSoloDiseno();
    m_rectanguloFoco = valor;
}

void Usc::BackColor(const QColor &valor)
{
    m_colorFondo = valor;
    ActualizaBoton(ParteBorde | ParteFondo);
}

void Usc::Caption(const QString &valor)
{
    m_caption = valor;
    ActualizaBoton(ParteCaption);
}

void Usc::Font(const QFont &valor)
{
    m_fuente = valor;
    ActualizaBoton(ParteFuente);
}

void Usc::Enabled(bool valor)
{
    m_habilitado = valor;
    ActualizaBoton(ParteHabilitado);
}

void Usc::HoverColor(const QColor &valor)
{
    // Shows at the next entry of the pointer.
    m_colorResalte = valor;
}

void Usc::ForeColor(const QColor &valor)
{
    m_colorTexto = valor;
    m_colorCaption = valor;
    update();
}

void Usc::showEvent(QShowEvent *evento)
{
    QWidget::showEvent(evento);
    if (m_mostrado)
        return;
    m_mostrado = true;
    if (m_siempreResaltado) {
        ActualizaBoton(ParteBorde);
    } else {
        m_rastreo = true;
        // The pointer may already stand on the button.
        if (underMouse())
            enterEvent(nullptr);
    }
}

void Usc::resizeEvent(QResizeEvent *evento)
{
    QWidget::resizeEvent(evento);
    if (m_dimensionado)
        m_borde = Plano;   // the surface is cleared
    m_dimensionado = true;
    if (m_siempreResaltado)
        m_borde = Realzado;
    update();
}

void Usc::enterEvent(QEnterEvent *evento)
{
    if (evento)
        QWidget::enterEvent(evento);
    m_encima = true;
    if (!m_rastreo || m_resaltado)
        return;
    m_borde = Realzado;
    m_colorCaption = m_colorResalte;
    m_resaltado = true;
    update();
}

void Usc::leaveEvent(QEvent *evento)
{
    QWidget::leaveEvent(evento);
    m_encima = false;
    if (!m_rastreo || !m_resaltado)
        return;
    m_borde = Plano;
    m_colorCaption = m_colorTexto;
    m_resaltado = false;
    update();
}

void Usc::Presiona()
{
    m_rastreo = false;
    m_desplazado = true;
    m_borde = Hundido;
    update();
}

void Usc::Suelta()
{
    m_desplazado = false;
    if (m_encima || m_siempreResaltado) {
        m_borde = Realzado;
        m_resaltado = true;
    } else {
        m_borde = Plano;
        m_resaltado = false;
    }
    // The caption keeps its colour until the pointer next enters and leaves.
    if (!m_siempreResaltado)
        m_rastreo = true;
    update();
}

void Usc::mousePressEvent(QMouseEvent *evento)
{
    m_encima = rect().contains(evento->position().toPoint());
    Presiona();
    evento->accept();
}

void Usc::mouseReleaseEvent(QMouseEvent *evento)
{
    // While pressed the button holds the mouse, so where the pointer is
    // comes from the release itself.
    m_encima = rect().contains(evento->position().toPoint());
    Suelta();
    evento->accept();
    if (m_encima && evento->button() == Qt::LeftButton)
        emit Click(b2kReasonMouse);
}

void Usc::keyPressEvent(QKeyEvent *evento)
{
    if (!esTeclaClic(evento->key())) {
        QWidget::keyPressEvent(evento);
        return;
    }
    Presiona();
    emit Click(b2kReasonKeyboard);
}

void Usc::keyReleaseEvent(QKeyEvent *evento)
{
    if (!esTeclaClic(evento->key()) || evento->isAutoRepeat()) {
        QWidget::keyReleaseEvent(evento);
        return;
    }
    m_encima = underMouse();
    Suelta();
}

void Usc::focusInEvent(QFocusEvent *evento)
{
    QWidget::focusInEvent(evento);
    update();
}

void Usc::focusOutEvent(QFocusEvent *evento)
{
    QWidget::focusOutEvent(evento);
    update();
}

void Usc::changeEvent(QEvent *evento)
{
    QWidget::changeEvent(evento);
    if (evento->type() == QEvent::EnabledChange || evento->type() == QEvent::FontChange)
        update();
}

void Usc::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const int w = width(), h = height();
    p.fillRect(rect(), m_colorFondo);

    // A one-pixel edge: raised is light above and left, dark below and
    // right; sunken the other way round.
    if (m_borde != Plano) {
        const QColor claro(0xFF, 0xFF, 0xFF), oscuro(0x80, 0x80, 0x80);
        const bool realzado = m_borde == Realzado;
        p.setPen(realzado ? claro : oscuro);
        p.drawLine(0, 0, w - 1, 0);
        p.drawLine(0, 0, 0, h - 1);
        p.setPen(realzado ? oscuro : claro);
        p.drawLine(0, h - 1, w - 1, h - 1);
        p.drawLine(w - 1, 0, w - 1, h - 1);
    }

    QRect zona(1, 0, w - 2, h);
    if (m_desplazado)
        zona.translate(1, 1);
    p.setFont(font());
    p.setPen(isEnabled() ? m_colorCaption : palette().color(QPalette::Disabled, QPalette::WindowText));
    p.drawText(zona, Qt::AlignCenter | Qt::TextShowMnemonic, m_caption);

    if (m_rectanguloFoco && hasFocus()) {
        QPen punteado(palette().color(QPalette::WindowText), 1, Qt::DotLine);
        p.setPen(punteado);
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(3, 3, w - 7, h - 7));
    }
}
