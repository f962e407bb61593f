#include "VentanaPanel.h"

#include "Globales.h"

#include "Usc.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

#include <utility>

VentanaPanel::VentanaPanel(const QString &titulo, QWidget *parent)
    : VentanaBase(parent)
{
    setWindowTitle(titulo);
    m_columna = new QVBoxLayout(this);

    auto *barra = new QMenuBar(this);
    barra->setNativeMenuBar(false);
    m_columna->setMenuBar(barra);
    m_mnuRegreso = barra->addMenu(QStringLiteral("&Regresar"));

    m_lbltitulo = new QLabel(titulo, this);
    m_lbltitulo->setAlignment(Qt::AlignCenter);
    // A long heading in a narrow panel goes on to a second line, never cut.
    m_lbltitulo->setWordWrap(true);
    QFont f = m_lbltitulo->font();
    f.setBold(true);
    f.setPointSize(14);
    m_lbltitulo->setFont(f);
    m_columna->addWidget(m_lbltitulo);
}

QAction *VentanaPanel::agregaRegreso(const QString &texto, std::function<void()> accion)
{
    QAction *a = m_mnuRegreso->addAction(texto);
    connect(a, &QAction::triggered, this, [accion = std::move(accion)] { accion(); });
    return a;
}

void VentanaPanel::ocupaPanel()
{
    if (AnchoPanel > 0 && AltoUtil > 0)
        coloca(0, 0, AnchoPanel, AltoUtil);
}

QHBoxLayout *VentanaPanel::filaListoCancelar(QBoxLayout &donde, Usc *&listo, Usc *&cancelar,
                                             std::function<void()> alCancelar)
{
    auto *fila = new QHBoxLayout;
    listo = new Usc(this);
    listo->Caption(QStringLiteral("Listo"));
    cancelar = new Usc(this);
    cancelar->Caption(QStringLiteral("Cancelar"));
    fila->addWidget(listo);
    fila->addWidget(cancelar);
    // In a crowded panel the buttons keep their height; the tools give way.
    for (Usc *b : {listo, cancelar})
        b->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    donde.addLayout(fila);
    connect(cancelar, &Usc::Click, this, [alCancelar = std::move(alCancelar)](int) { alCancelar(); });
    return fila;
}
