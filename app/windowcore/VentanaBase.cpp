#include "VentanaBase.h"

#include "GestorVentanas.h"

#include "Globales.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

VentanaBase::VentanaBase(QWidget *parent)
    : QWidget(parent)
{
}

void VentanaBase::coloca(int izquierda, int arriba, int ancho, int alto)
{
    QWidget *marco = GestorVentanas::instancia().marcoDe(this);
    marco->setGeometry(izquierda, arriba, ancho, alto);
}

void VentanaBase::colocaEnPanel()
{
    coloca(0, 0, AnchoPanel, AltoUtil);
}

void VentanaBase::colocaJuntoAlPanel()
{
    coloca(AnchoPanel, 0, IzqGrafica, AltoUtil);
}

void VentanaBase::colocaSobreArea(int izquierda, int arriba)
{
    QPoint punto(izquierda, arriba);
    if (QMdiArea *area = GestorVentanas::instancia().area())
        punto = area->mapToGlobal(punto);
    move(punto);
}

void VentanaBase::descarga()
{
    GestorVentanas::instancia().descarga(this);
}

void VentanaBase::closeEvent(QCloseEvent *event)
{
    // Closing by the frame is the same as unloading: ask, then unload.
    event->ignore();
    if (alPedirDescarga())
        GestorVentanas::instancia().descarga(this, false);
}
