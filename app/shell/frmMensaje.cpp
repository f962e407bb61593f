#include "frmMensaje.h"

#include "Globales.h"
#include "Twips.h"
#include "princip.h"

#include "EsperaModal.h"
#include "LlamadasVentana.h"
#include "RichTextBox.h"
#include "Usc.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QFrame>
#include <QLabel>
#include <QPointer>

using plataforma::TwipsAPixeles;

namespace {
int tw(int twips) { return TwipsAPixeles(twips); }
} // namespace

frmMensaje::frmMensaje(Tipo tipo, QWidget *parent)
    : QDialog(parent)
    , m_tipo(tipo)
{
    setObjectName(tipo == Tipo::Error ? QStringLiteral("frmerror") : QStringLiteral("frmexito"));
    setWindowTitle(tipo == Tipo::Error ? QStringLiteral("Quorvane: Error") : QStringLiteral("Quorvane: ¡Muy bien!"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(true);

    if (tipo == Tipo::Error) {
        m_rtbError = new RichTextBox(this);
        m_rtbError->setObjectName(QStringLiteral("rtbError"));
        m_rtbError->SetFuente(QStringLiteral("Arial"), 12);
        m_rtbError->SetLocked(true);
        m_rtbError->setStyleSheet(QStringLiteral("color: #8b0000;"));
        m_mensaje = m_rtbError;
    } else {
        m_lblExito = new QLabel(this);
        m_lblExito->setObjectName(QStringLiteral("lblExito"));
        m_lblExito->setWordWrap(true);
        m_lblExito->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        QFont f = m_lblExito->font();
        f.setPointSize(12);
        m_lblExito->setFont(f);
        m_lblExito->setStyleSheet(QStringLiteral("color: #005a1e;"));
        m_mensaje = m_lblExito;
    }

    m_cmdDetalles = new Usc(this);
    m_cmdDetalles->setObjectName(QStringLiteral("cmdDetalles"));
    m_cmdDetalles->Caption(QStringLiteral("Detalles"));
    m_cmdCancelar = new Usc(this);
    m_cmdCancelar->setObjectName(QStringLiteral("cmdCancelar"));
    m_cmdCancelar->Caption(QStringLiteral("Cerrar"));
    for (Usc *b : {m_cmdDetalles, m_cmdCancelar}) {
        b->resize(tw(1300), tw(400));
        b->BackColor(QColor(0xC0, 0xC0, 0xC0));
    }
    connect(m_cmdDetalles, &Usc::Click, this, [this](int) { cmdDetalles_Click(); });
    connect(m_cmdCancelar, &Usc::Click, this, [this](int) { cmdCancelar_Click(); });

    m_marco = new QFrame(this);
    m_marco->setObjectName(QStringLiteral("UCMarco1"));
    m_marco->setFrameShape(QFrame::StyledPanel);
    m_lbldetalles = new QLabel(m_marco);
    m_lbldetalles->setObjectName(QStringLiteral("Lbldetalles"));
    m_lbldetalles->setWordWrap(true);
    m_lbldetalles->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_lbldetalles->setGeometry(tw(120), tw(120), tw(1000), tw(1200));
    m_marco->resize(tw(2000), tipo == Tipo::Error ? tw(1440) : tw(1380));

    distribuye();
}

bool frmMensaje::pantallaGrande() const
{
    return Pantalla1024 || PantallaMayor;
}

void frmMensaje::distribuye()
{
    // Large screens: the window stands at the bottom of the screen, as wide
    // as the exercise panel; others: beside the panel, under the toolbar.
    int izquierda, arriba = tw(450), ancho;
    if (pantallaGrande()) {
        izquierda = tw(10);
        ancho = AnchoPanel > 0 ? AnchoPanel : tw(6000);
    } else {
        izquierda = AnchoPanel + tw(50);
        ancho = IzqGrafica > tw(75) ? IzqGrafica - tw(75) : tw(6000);
    }
    const int anchoMensaje = ancho - tw(150);
    const int altoMensaje = pantallaGrande() ? tw(1600) : tw(950);
    m_mensaje->setGeometry(tw(50), 0, anchoMensaje, altoMensaje);
    m_cmdDetalles->move(tw(200), altoMensaje + tw(100));
    m_cmdCancelar->move(ancho - m_cmdCancelar->width() - tw(300), altoMensaje + tw(100));
    const int alto = m_cmdDetalles->height() + altoMensaje + tw(250);
    if (pantallaGrande()) {
        arriba = AltoPantalla - alto - tw(80);
        // Never below the usable screen (a panel or taskbar may take its foot).
        if (QScreen *pantalla = QGuiApplication::primaryScreen())
            arriba = std::min(arriba, pantalla->availableGeometry().bottom() + 1 - alto);
    }
    setFixedSize(ancho, alto);
    move(izquierda, std::max(0, arriba));

    m_marco->resize(anchoMensaje, Pantalla1024 ? tw(1700) : m_marco->height());
    m_lbldetalles->resize(anchoMensaje - tw(250), Pantalla1024 ? tw(1450) : tw(1200));
    m_marco->move(tw(50), alto);
    m_marco->hide();
}

void frmMensaje::PoneMensaje(const std::string &texto)
{
    if (m_rtbError)
        m_rtbError->SetText(texto);
    else
        m_lblExito->setText(QString::fromStdString(texto));
}

QString frmMensaje::mensaje() const
{
    return m_rtbError ? QString::fromStdString(m_rtbError->Text()) : m_lblExito->text();
}

void frmMensaje::PoneDetalle(const std::string &texto)
{
    m_lbldetalles->setText(QString::fromStdString(texto));
}

void frmMensaje::MuestraBotonDetalles(bool visible)
{
    m_cmdDetalles->setVisible(visible);
}

void frmMensaje::PonEncima()
{
    plataforma::PoneEncima(*this);
}

void frmMensaje::MuestraModal()
{
    QPointer<frmMensaje> guarda(this);
    plataforma::EsperaModal(*this);
    // Whatever ended the wait, the window goes: the next message loads a
    // fresh one, laid out again with its detail frame folded.
    delete guarda.data();
}

void frmMensaje::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_cmdCancelar->setFocus();
}

void frmMensaje::cmdDetalles_Click()
{
    // The frame unfolds under the buttons; on large screens the window
    // grows upwards so that its bottom edge stays where it was.
    const int alto = height() + m_marco->height() + tw(20);
    const QRect antes = geometry();
    m_marco->move(tw(50), m_cmdCancelar->y() + m_cmdCancelar->height() + tw(50));
    setFixedSize(width(), alto);
    if (pantallaGrande())
        setGeometry(antes.x(), std::max(0, antes.bottom() + 1 - alto), antes.width(), alto);
    m_cmdDetalles->hide();
    m_marco->show();
    m_cmdCancelar->setFocus();
    CentraCursor(*m_cmdCancelar);
}

void frmMensaje::cmdCancelar_Click()
{
    done(QDialog::Accepted);
    close();
}
