#include "frmAnuncio.h"

#include "Globales.h"

#include "Twips.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

frmAnuncio::frmAnuncio(QWidget *area)
    : QWidget(area)
{
    setObjectName(QStringLiteral("frmAnuncio"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xF4, 0xF1, 0xE6));
    setPalette(pal);

    m_lblProductName = new QLabel(QStringLiteral("Quorvane"), this);
    QFont grande = font();
    grande.setFamily(QStringLiteral("DejaVu Serif"));
    grande.setPointSize(40);
    grande.setBold(true);
    m_lblProductName->setFont(grande);
    m_lblProductName->setStyleSheet(QStringLiteral("color: #1e3c8c;"));

    m_lblLogo2 = new QLabel(QStringLiteral("Quorvane: el cálculo diferencial de los polinomios, paso a paso"), this);
    QFont media = font();
    media.setPointSize(14);
    m_lblLogo2->setFont(media);

    auto *linea = new QFrame(this);
    linea->setFrameShape(QFrame::HLine);

    m_lblLogo1 = new QLabel(QStringLiteral("Taller de Matemática Interactiva"), this);
    m_lblLogo1->setFont(media);
    m_label1 = new QLabel(QStringLiteral("Programas para aprender matemáticas haciendo, a tu propio ritmo."), this);
    m_lblCompany = new QLabel(QStringLiteral("Equipo de desarrollo de Quorvane"), this);

    auto *capa = new QVBoxLayout(this);
    capa->setContentsMargins(60, 60, 60, 60);
    capa->addStretch(1);
    capa->addWidget(m_lblProductName, 0, Qt::AlignHCenter);
    capa->addWidget(m_lblLogo2, 0, Qt::AlignHCenter);
    capa->addSpacing(20);
    capa->addWidget(linea);
    capa->addSpacing(20);
    capa->addWidget(m_lblLogo1, 0, Qt::AlignHCenter);
    capa->addWidget(m_label1, 0, Qt::AlignHCenter);
    capa->addWidget(m_lblCompany, 0, Qt::AlignHCenter);
    capa->addStretch(2);
}

void frmAnuncio::ajusta()
{
    // Width of the screen less 50 twips, the usable height, at the top left.
    const int margen = plataforma::TwipsAPixeles(50);
    const int ancho = AnchoPantalla > margen ? AnchoPantalla - margen : parentWidget()->width();
    const int alto = AltoUtil > 0 ? AltoUtil : parentWidget()->height();
    setGeometry(0, 0, ancho, alto);
}

void frmAnuncio::muestra()
{
    ajusta();
    m_lblLogo2->setVisible(true);
    m_lblProductName->setVisible(true);
    show();
    lower();
}
