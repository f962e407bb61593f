#include "frmPortada.h"

#include "AnimacionPortada.h"
#include "GestorVentanas.h"
#include "frmMdiCalcDife.h"

#include "Globales.h"
#include "Usc.h"
#include "Ventanas.h"
#include "princip.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

frmPortada::frmPortada()
{
    setWindowTitle(QStringLiteral("Quorvane"));
    m_lblProductName = new QLabel(QStringLiteral("Quorvane"), this);
    QFont titulo(QStringLiteral("DejaVu Serif"));
    titulo.setPointSize(28);
    titulo.setBold(true);
    m_lblProductName->setFont(titulo);
    m_lblProductName->setAlignment(Qt::AlignCenter);

    m_shwaFla1 = new AnimacionPortada(AnimacionPortada::Pelicula::Curva, this);
    m_shwaFla2 = new AnimacionPortada(AnimacionPortada::Pelicula::Logos, this);
    m_shwaFla1->setMinimumSize(360, 260);
    m_shwaFla2->setMinimumSize(360, 90);

    m_cmdCancelar = new Usc(this);
    m_cmdCancelar->Caption(QStringLiteral("Cancelar"));
    m_cmdCancelar->BackColor(QColor(0xC0, 0xC0, 0xC0));
    m_cmdCancelar->setMinimumSize(110, 32);
    connect(m_cmdCancelar, &Usc::Click, this, [this](int) { cmdCancelar_Click(); });

    auto *capa = new QVBoxLayout(this);
    capa->addWidget(m_lblProductName);
    capa->addWidget(m_shwaFla1, 3);
    capa->addWidget(m_shwaFla2, 1);
    auto *abajo = new QHBoxLayout;
    abajo->addStretch(1);
    abajo->addWidget(m_cmdCancelar);
    capa->addLayout(abajo);
}

void frmPortada::alCargar()
{
    for (std::size_t i = 1; i <= 9; ++i)
        EstadoBarra[i] = false;
    if (frmMdiCalcDife *p = principal())
        p->habilitaMenus(false);
    EntraPantalla(0, 1, EstadoBarra, "Quorvane");
    const int ancho = std::max(480, AnchoPantalla / 2);
    const int alto = std::max(420, AltoUtil * 2 / 3);
    coloca(static_cast<int>(AnchoPantalla * 0.05), static_cast<int>(AltoPantalla * 0.05), ancho, alto);
}

frmMdiCalcDife *frmPortada::principal() const
{
    // The cover stands in the main window's work area.
    return qobject_cast<frmMdiCalcDife *>(window());
}

void frmPortada::cmdCancelar_Click()
{
    termina();
}

void frmPortada::closeEvent(QCloseEvent *event)
{
    // Closing by the frame ends the cover the same way as "Cancelar".
    event->ignore();
    termina();
}

void frmPortada::termina()
{
    if (m_terminada)
        return;
    m_terminada = true;
    frmMdiCalcDife *p = principal();
    m_shwaFla1->Playing(false);
    m_shwaFla2->Playing(false);
    descarga();
    RegresaPantalla(1);
    if (Ventanas().anuncio)
        Ventanas().anuncio();
    if (p)
        p->habilitaMenus(true);
}

void frmPortada::alDescargar()
{
    m_shwaFla1->Playing(false);
    m_shwaFla2->Playing(false);
}
